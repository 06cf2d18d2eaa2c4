// DMacroPage: export of one macro to a file of its own and import of such a
// file as a new macro. The files are written, read and checked by
// DMacroTransfer; the editor asks for the folder or file, asks before a
// file is replaced, and shows the outcome.
#include "profiles/DMacroTransfer.h"
#include "ui/macro/DMacroPage.h"

#include <QFileDialog>
#include <QMessageBox>

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString directory
        = QFileDialog::getExistingDirectory(this, QObject::tr("Save directory"), m_lastDir,
                                            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    DMacroTransfer transfer(&m_macroFile);
    DMacroTransfer::Result result = transfer.exportTo(strMacroIndex, strMacroName, directory, false);
    if (result == DMacroTransfer::Result::TargetExists) {
        const int answer = QMessageBox::question(this, QObject::tr("Tip"), transfer.message(result),
                                                 QObject::tr("Yes"), QObject::tr("No"), QString(), 1, 1);
        if (answer != 0)
            return;
        result = transfer.exportTo(strMacroIndex, strMacroName, directory, true);
    }
    // A macro file found damaged says so itself.
    if (result == DMacroTransfer::Result::ExportUnreadable && showRecoveryNotes())
        return;
    showNotice(transfer.message(result));
}

void DMacroPage::on_pushButton_Import_clicked()
{
    // The list is rebuilt after an import, which a recording cannot survive.
    if (m_recording)
        return;
    const QString chosen = QFileDialog::getOpenFileName(this, QObject::tr("Open macro file"), m_lastDir,
                                                        QObject::tr("Macro files(*.xml)"));
    DMacroTransfer transfer(&m_macroFile);
    const DMacroTransfer::Result result = transfer.importFrom(chosen);
    switch (result) {
    case DMacroTransfer::Result::NoImportFile:
        return;
    case DMacroTransfer::Result::StoreFailed:
        reportSaveFailure();
        return;
    case DMacroTransfer::Result::Imported:
        loadMacroList();
        break;
    default:
        break;
    }
    showNotice(transfer.message(result));
}
