#pragma once

#include <QString>

// The file an exported profile or macro is written to, named after what the
// user called it. The name is the user's own text: it must not climb out of
// the folder the user chose, name a sub-folder, hide the file or carry
// control characters.
class DExportFileName
{
public:
    // Leaves room in a 255-byte file name for the extension.
    static constexpr int kMaxBaseBytes = 200;

    // The cleaned name followed by ".xml"; `fallbackBase` when nothing of
    // the name is left.
    static QString of(const QString& name, const QString& fallbackBase);
};
