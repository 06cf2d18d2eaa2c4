#include "profiles/DProfileFileSet.h"

#include "app/logCategories.h"
#include "hid/DInputReportReader.h"
#include "profiles/DProfileLightDefaults.h"
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace {

constexpr const char* kLayerFiles[] = {"/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml"};
constexpr int kLayerFileCount = int(sizeof kLayerFiles / sizeof kLayerFiles[0]);

std::vector<profileNodeInfo> listedProfiles(const char* path)
{
    std::vector<profileNodeInfo> nodes;
    if (COrvaneXML_SelectProFileAllNodes(path, &nodes))
        return nodes;
    // The read that meets a damaged file fails even when the store has just
    // put its backup in place; only the restored file can tell whether the
    // user's profiles are still there, and creating a first profile over
    // them would be refused.
    nodes.clear();
    COrvaneXML_SelectProFileAllNodes(path, &nodes);
    return nodes;
}

} // namespace

QString DProfileFileSet::layerFileName(int layer)
{
    return layer >= 0 && layer < kLayerFileCount ? QString::fromLatin1(kLayerFiles[layer]) : QString();
}

QString DProfileFileSet::keyboardFolder(const QString& userConfigDir, const QString& modelCode, const QString& serial)
{
    return userConfigDir + QLatin1Char('/') + modelCode + QLatin1Char('/') + serial;
}

QByteArray DProfileFileSet::layerPath(int layer) const
{
    if (layer < 0 || layer >= m_layerCount)
        return QByteArray();
    return QFile::encodeName(m_folder + layerFileName(layer));
}

int DProfileFileSet::ensureListedCurrent(const char* layerPath)
{
    const std::vector<profileNodeInfo> nodes = listedProfiles(layerPath);
    if (nodes.empty())
        return -1;
    const int current = COrvaneXML_GetCreateXMLFileProfileIndex(layerPath);
    for (const profileNodeInfo& node : nodes) {
        if (QByteArray::fromStdString(node.index).toInt() == current)
            return current;
    }
    const int first = QByteArray::fromStdString(nodes.front().index).toInt();
    qCDebug(lcStore) << "The current profile" << current << "of" << layerPath << "is not listed; profile" << first
                     << "becomes current";
    COrvaneXML_ModifyXMLFileProfileIndex(layerPath, first);
    return first;
}

bool DProfileFileSet::prepareLayerFile(const QByteArray& path, int layer, const DProfileLightDefaults& defaults) const
{
    if (!QFileInfo::exists(QFile::decodeName(path)) && !COrvaneXML_CreateXMLFile(path.constData()))
        return false;
    if (ensureListedCurrent(path.constData()) > 0)
        return true;
    // A new file, or one the store replaced with an empty file after it was
    // damaged: it starts again with its first profile, written as one.
    StoreWriteBatch batch;
    const QByteArray name = QByteArrayLiteral("Profile1");
    if (!COrvaneXML_CreateProFileXmlParentNode(path.constData(), "1", name.constData(), 0)
        || !COrvaneXML_ModifyXMLFileProfileIndex(path.constData(), 1)) {
        batch.abandon();
        return false;
    }
    // The heavy-press layer holds key functions only.
    if (layer != MagneticLayer) {
        defaults.addDefaultLightInfo(path.constData(), 1);
        defaults.addDefaultCustomLights(path.constData(), 1);
    }
    return batch.commit();
}

DProfileFileSet::OpenResult DProfileFileSet::open(const QString& userConfigDir, const hidStructInfoAll& record,
                                                  const QString& serial, bool magnetic,
                                                  const DProfileLightDefaults& defaults)
{
    m_folder.clear();
    m_failedPath.clear();
    m_layerCount = 0;
    if (qstrcmp(record.deviceType, "keyboard") != 0)
        return OpenResult::NotAKeyboard;
    if (!DInputReportReader::isUsableSerialNumber(serial))
        return OpenResult::NoSerialNumber;
    const QString modelCode = QString::fromLocal8Bit(record.modelName);
    if (modelCode.isEmpty() || modelCode.contains(QLatin1Char('/')) || modelCode.startsWith(QLatin1Char('.')))
        return OpenResult::FolderFailed;
    const QString folder = keyboardFolder(userConfigDir, modelCode, serial);
    const int count = magnetic ? 3 : 2;
    for (int layer = 0; layer < count; ++layer) {
        if (QFile::encodeName(folder + layerFileName(layer)).size() >= kPathBufferSize) {
            m_failedPath = folder;
            return OpenResult::PathTooLong;
        }
    }
    if (!QDir().mkpath(folder)) {
        m_failedPath = folder;
        return OpenResult::FolderFailed;
    }
    m_folder = folder;
    m_layerCount = count;
    for (int layer = 0; layer < count; ++layer) {
        if (!prepareLayerFile(layerPath(layer), layer, defaults)) {
            qCDebug(lcStore) << "The profile file" << layerPath(layer) << "could not be prepared";
            m_failedPath = QFile::decodeName(layerPath(layer));
            m_folder.clear();
            m_layerCount = 0;
            return OpenResult::FileFailed;
        }
    }
    return OpenResult::Opened;
}
