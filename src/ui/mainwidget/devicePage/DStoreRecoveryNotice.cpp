#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"

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
