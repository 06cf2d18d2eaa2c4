#include "profiles/DMacroTransfer.h"

#include "app/logCategories.h"
#include "profiles/DExportFileName.h"
#include "sdk/include/StoreWriteBatch.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>

#include <climits>
#include <list>

DMacroTransfer::DMacroTransfer(DMacroFile* macroFile)
    : m_macroFile(macroFile)
{
}

DMacroTransfer::Result DMacroTransfer::exportTo(const QString& index, const QString& name, const QString& directory,
                                                bool replaceExisting)
{
    m_target.clear();
    if (directory.isEmpty())
        return Result::NoDirectory;
    // A macro exported empty would look like a saved macro and hold nothing.
    QList<DMacroEvent> events;
    if (!m_macroFile->events(index, &events))
        return Result::ExportUnreadable;
    m_target = QDir(directory).filePath(DExportFileName::of(name, DMacroFile::defaultName(index.toInt())));
    const QFileInfo existing(m_target);
    if ((existing.exists() || existing.isSymLink()) && !replaceExisting)
        return Result::TargetExists;
    // QSaveFile would write to wherever a link points, outside the chosen
    // folder: the link itself is what gets replaced.
    if (existing.isSymLink() && !QFile::remove(m_target))
        return Result::ExportWriteFailed;
    const QByteArray bytes = DMacroExportFile::write(index, name, events);
    // Written whole or not at all: a failed export leaves whatever was there.
    QSaveFile out(m_target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qCDebug(lcStore) << "The exported macro could not be written to" << m_target << out.errorString();
        return Result::ExportWriteFailed;
    }
    return Result::Exported;
}

DMacroTransfer::Result DMacroTransfer::refuse(DMacroExportFile::Refusal refusal)
{
    m_check = DMacroExportFile::Check();
    m_check.refusal = refusal;
    return Result::ImportRefused;
}

DMacroTransfer::Result DMacroTransfer::importFrom(const QString& chosenFile)
{
    m_check = DMacroExportFile::Check();
    m_created = DMacroFile::Macro();
    if (chosenFile.isEmpty())
        return Result::NoImportFile;
    // Only a regular file is read: a FIFO or a device would hold the window.
    const QFileInfo info(chosenFile);
    if (!info.isFile())
        return refuse(DMacroExportFile::Refusal::CannotOpen);
    if (info.size() > DMacroExportFile::kMaxFileBytes)
        return refuse(DMacroExportFile::Refusal::TooLarge);
    QFile file(chosenFile);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(DMacroExportFile::Refusal::CannotOpen);
    // The file may have grown since it was looked at.
    const QByteArray bytes = file.read(DMacroExportFile::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(DMacroExportFile::Refusal::CannotOpen);
    QList<DMacroEvent> events;
    m_check = DMacroExportFile::read(bytes, &events);
    if (!m_check.accepted())
        return Result::ImportRefused;

    QList<DMacroFile::Macro> macros;
    if (!m_macroFile->macros(&macros))
        return Result::StoreFailed;
    const int index = importIndex(macros);
    if (index < 1)
        return Result::StoreFailed;
    DMacroFile::Macro macro{QString::number(index), importedName(chosenFile)};
    // A file named only by its extension (".xml") leaves no name.
    if (macro.name.isEmpty())
        macro.name = DMacroFile::defaultName(index);
    if (!store(macro, events))
        return Result::StoreFailed;
    m_created = macro;
    return Result::Imported;
}

bool DMacroTransfer::store(const DMacroFile::Macro& macro, const QList<DMacroEvent>& events)
{
    std::list<macroEventItem> items;
    for (const DMacroEvent& event : events) {
        macroEventItem item;
        if (!event.toItem(&item))
            return false;
        items.push_back(item);
    }
    const QByteArray path = m_macroFile->path();
    const QByteArray index = macro.index.toLatin1();
    // The macro and its events reach the file as one write: never a new
    // macro without its events.
    StoreWriteBatch batch;
    if (!COrvaneXML_CreateMacroXmlParentNode(path.constData(), index.constData(), macro.name.toUtf8().constData())
        || !COrvaneXML_AddKeyOrMouseEventItem(path.constData(), items, index.constData())) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

QString DMacroTransfer::importedName(const QString& chosenFile)
{
    return QFileInfo(chosenFile).fileName().section(QLatin1Char('.'), 0, 0);
}

int DMacroTransfer::importIndex(const QList<DMacroFile::Macro>& macros)
{
    int largest = 0;
    for (const DMacroFile::Macro& macro : macros) {
        bool ok = false;
        const int index = macro.index.toInt(&ok, 10);
        if (ok)
            largest = qMax(largest, index);
    }
    return largest == INT_MAX ? -1 : largest + 1;
}

QString DMacroTransfer::message(Result result) const
{
    switch (result) {
    case Result::Exported:
        return QObject::tr("Export macro successful");
    case Result::Imported:
        return QObject::tr("Import macro successful");
    case Result::NoDirectory:
        return QObject::tr("Please select save directory first");
    case Result::NoImportFile:
        return QString();
    case Result::TargetExists:
        return QObject::tr("The file %1 already exists. Do you want to replace it?")
            .arg(QDir::toNativeSeparators(m_target));
    case Result::ExportUnreadable:
        return QObject::tr("Export macro failed: the macro could not be read");
    case Result::ExportWriteFailed:
        return QObject::tr("Export macro failed: %1 could not be written").arg(QDir::toNativeSeparators(m_target));
    case Result::ImportRefused:
        return QObject::tr("Import macro failed: %1").arg(m_check.reason());
    case Result::StoreFailed:
        return QObject::tr("The macro file could not be saved");
    }
    return QString();
}
