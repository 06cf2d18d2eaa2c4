#include "profiles/DProfileOperations.h"

#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "profiles/DExportFileName.h"
#include "profiles/DKeyFunctionType.h"
#include "profiles/DLaunchTargetText.h"
#include "sdk/include/StoreFileChecks.h"
#include "sdk/include/StoreWriteBatch.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <list>

namespace {

QByteArray indexText(int index)
{
    return QByteArray::number(index);
}

// The index of the last profile a chosen file lists, "1" when it lists none.
// Read here rather than through the store, which would move a damaged store
// file aside and put an empty one in its place: not what should happen to a
// file the user only picked.
QByteArray lastProfileIndex(const QString& file)
{
    QByteArray last = QByteArrayLiteral("1");
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return last;
    QXmlStreamReader xml(&in);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("orvaneStore"))
            continue;
        if (xml.name() != QLatin1String("profiles")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("profile"))
                last = xml.attributes().value(QLatin1String("index")).toLatin1();
            xml.skipCurrentElement();
        }
    }
    return last;
}

// What each key that starts a program runs.
QStringList launchTargets(const std::list<keyOperateInfo>& keys)
{
    QStringList programs;
    for (const keyOperateInfo& key : keys) {
        if (DKeyFunctionType::of(key) == DKeyFunctionType::kLaunchApplication)
            programs << DLaunchTargetText::describe(DFixedText::utf8(key.value));
    }
    return programs;
}

int indexOf(const profileNodeInfo& node)
{
    bool ok = false;
    const int index = QByteArray::fromStdString(node.index).toInt(&ok);
    return ok ? index : -1;
}

} // namespace

DProfileOperations::DProfileOperations(const char* layerPath, const DProfileLightDefaults& defaults)
    : m_path(layerPath ? layerPath : "")
    , m_defaults(defaults)
{
}

QString DProfileOperations::message(Result result)
{
    switch (result) {
    case Result::Created:
        return QObject::tr("Create profile successful");
    case Result::Deleted:
        return QObject::tr("Delete profile successful");
    case Result::Renamed:
        return QObject::tr("Modify profile info successful");
    case Result::Switched:
        return QString();
    case Result::ResetDone:
        return QObject::tr("Operate successful");
    case Result::Exported:
        return QObject::tr("Export profile successful");
    case Result::Imported:
        return QObject::tr("Import profile successful");
    case Result::MaximumReached:
        return QObject::tr("The number of profile has reached the maximum");
    case Result::IndexExists:
        return QObject::tr("Create failed, the index node is already existence, please checked");
    case Result::KeepOne:
        return QObject::tr("Need keep at least one profile");
    case Result::NodeMissing:
    case Result::UnknownProfile:
        return QObject::tr("This index node non-existent");
    case Result::EmptyName:
        return QObject::tr("Profile name can't empty");
    case Result::TargetExists:
        return QObject::tr("The file %1 already exists. Do you want to replace it?");
    case Result::NoDirectory:
        return QObject::tr("Please select save directory first");
    case Result::NoImportFile:
        return QObject::tr("Please select import file first");
    case Result::CreateFailed:
        return QObject::tr("Create profile failed");
    case Result::DeleteFailed:
        return QObject::tr("Delete profile failed");
    case Result::RenameFailed:
        return QObject::tr("Modify profile info failed");
    case Result::ResetFailed:
        return QObject::tr("Operate failed");
    case Result::ExportFailed:
        return QObject::tr("Export profile failed");
    case Result::ImportFailed:
        return QObject::tr("Import profile failed");
    case Result::ImportTooLarge:
        return QObject::tr("The file is larger than %1 MB and cannot be imported").arg(kStoreMaxFileMegabytes);
    case Result::ImportDeclined:
        return QString(); // the user said no; nothing to tell
    }
    return QString();
}

std::vector<profileNodeInfo> DProfileOperations::profiles() const
{
    std::vector<profileNodeInfo> nodes;
    COrvaneXML_SelectProFileAllNodes(path(), &nodes);
    return nodes;
}

QString DProfileOperations::profileName(int profileIndex, bool* found) const
{
    profileNodeRecord record{};
    const bool ok = COrvaneXML_SelectProfileNodeInfo(path(), indexText(profileIndex).constData(), &record);
    if (found)
        *found = ok;
    return ok ? DFixedText::utf8(record.name) : QString();
}

bool DProfileOperations::isListed(int profileIndex) const
{
    for (const profileNodeInfo& node : profiles()) {
        if (indexOf(node) == profileIndex)
            return true;
    }
    return false;
}

DProfileOperations::Result DProfileOperations::create(int* newIndex)
{
    const std::vector<profileNodeInfo> nodes = profiles();
    if (int(nodes.size()) >= kMaxProfiles)
        return Result::MaximumReached;
    // Indexes are never reused for a new profile: the next one follows the
    // last listed, whatever lower ones are free.
    const int last = nodes.empty() ? 1 : indexOf(nodes.back());
    // The store lists no index above its limit; the check keeps the
    // addition below from overflowing all the same.
    if (last >= kStoreMaxProfileIndex)
        return Result::MaximumReached;
    const int index = last + 1;
    const QByteArray text = indexText(index);
    if (index < 1 || COrvaneXML_IsExistenceSelectProfileNode(path(), text.constData()))
        return Result::IndexExists;
    const QByteArray name = QStringLiteral("Profile%1").arg(index).toLatin1();
    // One write for the profile and its defaults: on disk it appears whole or not at all.
    StoreWriteBatch batch;
    if (!COrvaneXML_CreateProFileXmlParentNode(path(), text.constData(), name.constData(), 0)) {
        batch.abandon();
        return Result::CreateFailed;
    }
    m_defaults.addDefaultLightInfo(path(), index);
    m_defaults.addDefaultCustomLights(path(), index);
    if (!batch.commit())
        return Result::CreateFailed;
    if (newIndex)
        *newIndex = index;
    return Result::Created;
}

DProfileOperations::Result DProfileOperations::remove(int profileIndex, int* newCurrent)
{
    if (profiles().size() <= 1)
        return Result::KeepOne;
    if (!isListed(profileIndex))
        return Result::NodeMissing;
    if (!COrvaneXML_DeleteProFileSelectedNode(path(), indexText(profileIndex).constData()))
        return Result::DeleteFailed;
    const std::vector<profileNodeInfo> left = profiles();
    if (left.empty())
        return Result::DeleteFailed;
    const int first = indexOf(left.front());
    COrvaneXML_ModifyXMLFileProfileIndex(path(), first);
    if (newCurrent)
        *newCurrent = first;
    return Result::Deleted;
}

DProfileOperations::Result DProfileOperations::rename(int profileIndex, const QString& name)
{
    if (name.isEmpty())
        return Result::EmptyName;
    if (!isListed(profileIndex))
        return Result::NodeMissing;
    const QByteArray text = name.toUtf8();
    return COrvaneXML_ModifyProfileNodeInfo(path(), indexText(profileIndex).constData(), text.constData())
               ? Result::Renamed
               : Result::RenameFailed;
}

DProfileOperations::Result DProfileOperations::switchTo(int profileIndex)
{
    // The keyboard asks for profiles by number; one this layer file does not
    // have must not become current.
    if (!isListed(profileIndex)) {
        qCDebug(lcStore) << "Profile switch to" << profileIndex << "ignored:" << m_path << "does not list it";
        return Result::UnknownProfile;
    }
    return COrvaneXML_ModifyXMLFileProfileIndex(path(), profileIndex) ? Result::Switched : Result::UnknownProfile;
}

DProfileOperations::Result DProfileOperations::reset(int profileIndex)
{
    bool found = false;
    const QByteArray name = profileName(profileIndex, &found).toUtf8();
    if (!found)
        return Result::NodeMissing;
    // The store creates no profile in a file that lists ten others already
    // (one written by hand may): the delete must not happen then.
    if (int(profiles().size()) > kMaxProfiles)
        return Result::ResetFailed;
    const QByteArray index = indexText(profileIndex);
    // Delete, create and defaults reach the file as one write, so the file
    // holds either the old profile or the reset one, never neither.
    StoreWriteBatch batch;
    if (!COrvaneXML_DeleteProFileSelectedNode(path(), index.constData())) {
        batch.abandon();
        return Result::ResetFailed;
    }
    if (!COrvaneXML_CreateProFileXmlParentNode(path(), index.constData(), name.constData(), 0)) {
        qCDebug(lcStore) << "The reset profile" << profileIndex << "could not be created again in" << m_path;
        // Written, the delete alone would lose the profile.
        batch.abandon();
        return Result::ResetFailed;
    }
    m_defaults.addDefaultLightInfo(path(), profileIndex);
    m_defaults.addDefaultCustomLights(path(), profileIndex);
    return batch.commit() ? Result::ResetDone : Result::ResetFailed;
}

QString DProfileOperations::exportFileName(const QString& profileName, int profileIndex)
{
    return DExportFileName::of(profileName, QStringLiteral("Profile%1").arg(profileIndex));
}

DProfileOperations::Result DProfileOperations::exportTo(int profileIndex, const QString& directory,
                                                        bool replaceExisting, QString* target)
{
    if (directory.isEmpty())
        return Result::NoDirectory;
    bool found = false;
    const QString name = profileName(profileIndex, &found);
    if (!found)
        return Result::NodeMissing;
    const QString targetFile = QDir(directory).filePath(exportFileName(name, profileIndex));
    if (target)
        *target = targetFile;
    if (QFileInfo::exists(targetFile) && !replaceExisting)
        return Result::TargetExists;

    // Built apart and then written in one go, so the target holds exactly
    // this profile and a failed export leaves whatever was there untouched.
    QTemporaryDir staging;
    if (!staging.isValid())
        return Result::ExportFailed;
    const QString stagingFile = staging.filePath(QStringLiteral("export.xml"));
    const QByteArray stagingPath = QFile::encodeName(stagingFile);
    if (!COrvaneXML_CreateXMLFile(stagingPath.constData())
        || !COrvaneXML_ProFileExport(path(), stagingPath.constData(), indexText(profileIndex).constData(), 0))
        return Result::ExportFailed;
    QFile built(stagingFile);
    if (!built.open(QIODevice::ReadOnly))
        return Result::ExportFailed;
    const QByteArray bytes = built.readAll();
    QSaveFile out(targetFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qCDebug(lcStore) << "The exported profile could not be written to" << targetFile << out.errorString();
        return Result::ExportFailed;
    }
    return Result::Exported;
}

DProfileOperations::Result DProfileOperations::importFrom(const QString& chosenFile, int* newIndex,
                                                          const ProgramsQuestion& askPrograms)
{
    if (chosenFile.isEmpty())
        return Result::NoImportFile;
    if (int(profiles().size()) >= kMaxProfiles)
        return Result::MaximumReached;
    // Only a regular file is read (a FIFO would hold the window), and none
    // of a size no profile comes near.
    const QFileInfo chosenInfo(chosenFile);
    if (!chosenInfo.isFile())
        return Result::ImportFailed;
    if (chosenInfo.size() > qint64(kStoreMaxFileMegabytes) * 1024 * 1024)
        return Result::ImportTooLarge;
    // One private copy is both what the user is asked about and what is
    // imported.
    QTemporaryDir snapshotDir;
    const QString snapshot = snapshotDir.filePath(QStringLiteral("import.xml"));
    if (!snapshotDir.isValid() || !QFile::copy(chosenFile, snapshot))
        return Result::ImportFailed;
    const QByteArray copied = QFile::encodeName(snapshot);
    const QByteArray source = lastProfileIndex(snapshot);
    if (askPrograms) {
        std::list<keyOperateInfo> keys;
        if (!COrvaneXML_ProFileImportKeyInfo(copied.constData(), source.constData(), &keys))
            return Result::ImportFailed;
        const QStringList programs = launchTargets(keys);
        if (!programs.isEmpty() && !askPrograms(programs))
            return Result::ImportDeclined;
    }
    if (!COrvaneXML_ProFileImport(path(), copied.constData(), source.constData()))
        return Result::ImportFailed;
    // The import follows the highest index listed.
    const std::vector<profileNodeInfo> nodes = profiles();
    if (newIndex) {
        *newIndex = -1;
        for (const profileNodeInfo& node : nodes)
            *newIndex = std::max(*newIndex, indexOf(node));
    }
    return Result::Imported;
}

QStringList DProfileOperations::programsOpenedBy(int profileIndex) const
{
    std::list<keyOperateInfo> keys;
    COrvaneXML_ProFileKeyInfoSelectAll(path(), indexText(profileIndex).constData(), &keys);
    return launchTargets(keys);
}
