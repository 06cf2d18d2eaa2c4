#pragma once

#include "profiles/DMacroExportFile.h"
#include "profiles/DMacroFile.h"

#include <QString>

// Export of one macro of the macro file to a file of its own, and import of
// such a file as a new macro. Each call reports what happened; message()
// turns that into the text the user sees.
class DMacroTransfer
{
public:
    enum class Result {
        Exported,
        Imported,
        NoDirectory,
        NoImportFile,
        TargetExists,
        ExportUnreadable,
        ExportWriteFailed,
        ImportRefused,
        StoreFailed,
    };

    explicit DMacroTransfer(DMacroFile* macroFile);

    // Writes the macro into directory/<its name, cleaned>.xml. An existing
    // file is left as it is (TargetExists) unless replaceExisting. target()
    // names the file once the name is known.
    Result exportTo(const QString& index, const QString& name, const QString& directory, bool replaceExisting);
    // Reads and checks the whole file; only a file whose every event is
    // valid becomes a new macro, named after the file, with its events, in
    // one write. created() is that macro once Imported.
    Result importFrom(const QString& chosenFile);

    QString target() const { return m_target; }
    DMacroFile::Macro created() const { return m_created; }
    DMacroExportFile::Check check() const { return m_check; }

    // The text for the last result.
    QString message(Result result) const;

    // The new macro's name: the file's name without folder, cut before its
    // first dot.
    static QString importedName(const QString& chosenFile);
    // One above the largest index in use, 1 for none; -1 when there is no
    // larger index.
    static int importIndex(const QList<DMacroFile::Macro>& macros);

private:
    Result refuse(DMacroExportFile::Refusal refusal);
    bool store(const DMacroFile::Macro& macro, const QList<DMacroEvent>& events);

    DMacroFile* m_macroFile;
    QString m_target;
    DMacroFile::Macro m_created;
    DMacroExportFile::Check m_check;
};
