#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <list>

QStringList DStoreRecoveryNotice::takeMessages()
{
    std::list<storeRecoveryInfo> notes;
    COrvaneXML_TakeRecoveryNotes(&notes);
    QStringList messages;
    for (const storeRecoveryInfo& note : notes) {
        const QString file = QFileInfo(QFile::decodeName(QByteArray::fromStdString(note.path))).fileName();
        const QString aside = QFile::decodeName(QByteArray::fromStdString(note.movedAsidePath));
        switch (note.outcome) {
        case storeRecoveryInfo::RestoredFromBackup:
            messages << QObject::tr(
                            "%1 was damaged and has been restored from its backup; the damaged file was moved to %2")
                            .arg(file, aside);
            break;
        case storeRecoveryInfo::FreshFile:
            messages << QObject::tr("%1 was damaged and has been started again empty; the damaged file was moved to %2")
                            .arg(file, aside);
            break;
        default:
            messages << QObject::tr("%1 is damaged and could not be moved aside; its settings cannot be used")
                            .arg(QFile::decodeName(QByteArray::fromStdString(note.path)));
            break;
        }
    }
    return messages;
}

QString DStoreRecoveryNotice::openFailure(const QString& model, DProfileFileSet::OpenResult result, const QString& path)
{
    QString reason;
    switch (result) {
    case DProfileFileSet::OpenResult::Opened:
    case DProfileFileSet::OpenResult::NotAKeyboard:
    case DProfileFileSet::OpenResult::NoSerialNumber:
        return QString();
    case DProfileFileSet::OpenResult::FolderFailed:
        reason = QObject::tr("the folder %1 cannot be created").arg(path);
        break;
    case DProfileFileSet::OpenResult::PathTooLong:
        reason = QObject::tr("the path of its folder %1 is too long").arg(path);
        break;
    case DProfileFileSet::OpenResult::FileFailed:
        if (COrvaneXML_FileState(QFile::encodeName(path).constData()) == StoreFileTooLarge)
            reason = QObject::tr("%1 is larger than %2 MB").arg(path).arg(kStoreMaxFileMegabytes);
        else
            reason = QObject::tr("%1 cannot be read or written").arg(path);
        break;
    }
    return QObject::tr("The profiles of %1 cannot be opened: %2").arg(model, reason);
}

QString DStoreRecoveryNotice::saveFailure(const QString& usual)
{
    if (!COrvaneXML_LastWriteTooLarge())
        return usual;
    return QObject::tr("Not saved: the file would become larger than %1 MB. Nothing was changed.")
        .arg(kStoreMaxFileMegabytes);
}
