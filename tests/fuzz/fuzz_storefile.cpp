// Arbitrary bytes as a layer file, a macro file and an advanced-key file.
// The parser either reads a document or refuses it; what it reads is written
// again and must read back the same. Then the same bytes go through the
// store's calls as files on disk, where damaged files are moved aside and
// replaced: no crash, no hang, no file left half-written.
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/store/StoreXmlReader.h"
#include "sdk/store/StoreXmlWriter.h"
#include "sdk/store/XmlStore.h"
#include "support/FuzzFixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <list>
#include <map>
#include <vector>

namespace {

// The store syncs every file it commits to the disk, as a user's profiles
// need; thousands of inputs each writing several files then wait on a busy
// disk for minutes. In memory (tmpfs) a sync costs nothing, so the files go
// there when the system has one; the store's own writing stays as it is.
QString scratchFolderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString folder = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return folder + QStringLiteral("/fuzz_storefile-XXXXXX");
}

class StoreFileFixture : public FuzzFixture
{
public:
    QTemporaryDir dir{scratchFolderTemplate()};
    QByteArray layer = QFile::encodeName(dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QByteArray macros = QFile::encodeName(dir.filePath(QStringLiteral("appMacro.xml")));
    QByteArray seniorKeys = QFile::encodeName(dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));

    StoreFileFixture()
        : FuzzFixture("fuzz_storefile", Application::None)
    {
        qputenv("QT_LOGGING_RULES", "*.warning=false");
        if (!dir.isValid())
            fail("no temporary folder");
    }

    void reset()
    {
        QDir folder(dir.path());
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            folder.remove(name);
        XmlStore::instance().cache.clear();
        XmlStore::instance().cache.takeRecoveryNotes(nullptr);
    }

    void write(const QByteArray& path, const QByteArray& bytes) const
    {
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail("a file could not be written");
    }
};

void checkRoundTrip(const QByteArray& bytes)
{
    StoreDocument document;
    if (!StoreXmlReader::read(bytes, &document, nullptr))
        return;
    const QByteArray written = StoreXmlWriter::write(document);
    StoreDocument again;
    if (!StoreXmlReader::read(written, &again, nullptr) || StoreXmlWriter::write(again) != written)
        FuzzFixture::fail("fuzz_storefile", "a written document does not read back the same");
}

void readLayer(const char* path)
{
    std::vector<profileNodeInfo> nodes;
    COrvaneXML_SelectProFileAllNodes(path, &nodes);
    COrvaneXML_GetCreateXMLFileProfileIndex(path);
    for (const profileNodeInfo& node : nodes) {
        std::list<keyOperateInfo> keys;
        COrvaneXML_ProFileKeyInfoSelectAll(path, node.index.c_str(), &keys);
        for (const keyOperateInfo& key : keys) {
            std::list<macroEventItem> events;
            COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, node.index.c_str(), key.value, "", &events);
        }
        std::list<customLightNodeInfo> schemes;
        COrvaneXML_SelectProFileCustomLightAllNodes(path, node.index.c_str(), &schemes);
        for (const customLightNodeInfo& scheme : schemes) {
            std::list<customLightDataItem> colours;
            COrvaneXML_ProFileCustomLightInfoSelectAll(path, node.index.c_str(), scheme.index, &colours);
        }
        colorInfoData light;
        const int effect = COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, node.index.c_str(), 0);
        COrvaneXML_SelectProfileColorDataInfo(path, node.index.c_str(), 0, effect, &light);
    }
    // A write must keep what was read.
    if (!nodes.empty() && COrvaneXML_ModifyXMLFileProfileIndex(path, 1)) {
        std::vector<profileNodeInfo> after;
        COrvaneXML_SelectProFileAllNodes(path, &after);
        if (after.size() != nodes.size())
            FuzzFixture::fail("fuzz_storefile", "a write lost profiles");
    }
}

void readMacros(const char* path)
{
    std::list<macroNodeInfo> nodes;
    COrvaneXML_SelectMacroAllNodes(path, &nodes);
    for (const macroNodeInfo& node : nodes) {
        std::list<macroEventItem> events;
        COrvaneXML_SelectAllKeyOrMouseEvent(path, node.index.c_str(), &events);
    }
}

void readSeniorKeys(const char* path)
{
    std::list<seniorKeyInfoStu> records;
    std::map<int, seniorKeyInfoStu> byIndex;
    COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records);
    COrvaneXML_SeniorKey_SelectAllInfoItem(path, &byIndex);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoreFileFixture& fixture = FuzzFixture::instance<StoreFileFixture>();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    checkRoundTrip(bytes);

    fixture.reset();
    fixture.write(fixture.layer, bytes);
    fixture.write(fixture.macros, bytes);
    fixture.write(fixture.seniorKeys, bytes);
    // The files have a backup, so a damaged one is recovered, not just refused.
    if (size > 0 && data[0] % 2)
        fixture.write(fixture.layer + ".bak", bytes.left(int(size / 2)));
    readLayer(fixture.layer);
    readMacros(fixture.macros);
    readSeniorKeys(fixture.seniorKeys);
    return 0;
}
