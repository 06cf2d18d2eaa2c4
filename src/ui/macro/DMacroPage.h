#pragma once

#include "ui/widgets/DToolDialog.h"

#include <QString>

// The macro editor as the main window opens it: a tool window over the
// window's overlay, told which macro file to work on, reporting changes of
// the macro list and its closing. The editing itself is not in this build.
class DMacroPage : public DToolDialog
{
    Q_OBJECT

public:
    static constexpr int kPathBufferSize = 256;

    explicit DMacroPage(QWidget* parent = nullptr);

    // Copies the NUL-terminated path into the editor's own buffer; a path
    // that does not fit is cut at 255 bytes, never overrun.
    void setMacroFilePath(const char* path);
    const char* macroFilePath() const { return m_macroFilePath; }

signals:
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);
    void sigMacroPageClose();

protected:
    void aboutToClose() override;

private:
    char m_macroFilePath[kPathBufferSize] = {};
};
