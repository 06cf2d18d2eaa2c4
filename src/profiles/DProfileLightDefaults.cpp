#include "profiles/DProfileLightDefaults.h"

#include "app/logCategories.h"
#include "sdk/include/StoreWriteBatch.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <list>

namespace {

struct LayoutFile
{
    int layoutNumber;
    const char* file;
};

// Layout numbers without a row here fall through to the general file.
constexpr LayoutFile kLayoutFiles[] = {
    {84, "customLightDefaultConfig_84.xml"},  {69, "customLightDefaultConfig_84.xml"},
    {83, "customLightDefaultConfig_83.xml"},  {97, "customLightDefaultConfig_98.xml"},
    {98, "customLightDefaultConfig_98.xml"},  {99, "customLightDefaultConfig_98.xml"},
    {100, "customLightDefaultConfig_98.xml"}, {68, "customLightDefaultConfig_68.xml"},
    {61, "customLightDefaultConfig_61.xml"},  {34, "customLightDefaultConfig_34.xml"},
    {18, "customLightDefaultConfig_18.xml"},  {82, "customLightDefaultConfig_82.xml"},
};
constexpr char kGeneralFile[] = "customLightDefaultConfig.xml";

// Layout numbers whose models may bring a scheme file of their own; 0 stands
// for every layout number without a row in kLayoutFiles.
constexpr int kModelTableLayouts[] = {68, 34, 82, 0};

struct ModelFile
{
    int tableLayout;
    const char* modelCode;
    const char* file;
};

// The HE models light their schemes in their own colours.
constexpr ModelFile kModelFiles[] = {
    {68, "OV68M", "customLightDefaultConfig_OV68M.xml"},
    {82, "OV82M", "customLightDefaultConfig_OV82M.xml"},
    {0, "OV104M", "customLightDefaultConfig_OV104M.xml"},
};

struct SchemeDefault
{
    const char* name; // nullptr: "Custom %1" with the scheme's number
    const char* state;
    int slot;
    bool filled;
};

constexpr SchemeDefault kSchemes[DProfileLightDefaults::kSchemeCount] = {
    {"Alphabets", "Using", 0, true}, {"WASD+Arrows", "Using", 1, true}, {nullptr, "UnUsing", -1, false},
    {nullptr, "UnUsing", -1, false}, {nullptr, "UnUsing", -1, false},
};

constexpr int kDefaultLightParts = 3;
constexpr int kStoredFromPicture = 128;

QByteArray indexText(int index)
{
    return QByteArray::number(index);
}

template<std::size_t N>
void copyText(char (&field)[N], const QByteArray& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), std::min<std::size_t>(N - 1, std::size_t(text.size())));
}

} // namespace

DProfileLightDefaults::DProfileLightDefaults(int layoutNumber, const QString& modelCode, bool lightSynchronize)
    : m_layoutNumber(layoutNumber)
    , m_modelCode(modelCode)
    , m_lightSynchronize(lightSynchronize)
{
}

QString DProfileLightDefaults::defaultSchemeFileName(int layoutNumber, const QString& modelCode)
{
    const LayoutFile* layoutRow = nullptr;
    for (const LayoutFile& row : kLayoutFiles) {
        if (row.layoutNumber == layoutNumber)
            layoutRow = &row;
    }
    const int tableLayout = layoutRow ? layoutNumber : 0;
    const bool hasModelTable = std::find(std::begin(kModelTableLayouts), std::end(kModelTableLayouts), tableLayout)
                               != std::end(kModelTableLayouts);
    if (hasModelTable) {
        for (const ModelFile& row : kModelFiles) {
            if (row.tableLayout == tableLayout && modelCode == QLatin1String(row.modelCode))
                return QString::fromLatin1(row.file);
        }
    }
    return QString::fromLatin1(layoutRow ? layoutRow->file : kGeneralFile);
}

void DProfileLightDefaults::addDefaultLightInfo(const char* profilePath, int profileIndex) const
{
    const QByteArray index = indexText(profileIndex);
    StoreWriteBatch batch;
    for (int part = 0; part < kDefaultLightParts; ++part) {
        const colorInfoData info{part, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
        COrvaneXML_AddProFileLightInfoItem(profilePath, index.constData(), info);
    }
    if (m_lightSynchronize)
        COrvaneXML_ModifyProFileLightSynchronizeStatus(profilePath, index.constData(), 1);
}

void DProfileLightDefaults::addDefaultCustomLights(const char* profilePath, int profileIndex) const
{
    const QByteArray index = indexText(profileIndex);
    StoreWriteBatch batch;
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        const SchemeDefault& row = kSchemes[scheme];
        const QByteArray name = row.name ? QByteArray(row.name) : QStringLiteral("Custom %1").arg(scheme + 1).toUtf8();
        COrvaneXML_AddProFileCustomLightNode(profilePath, index.constData(), indexText(scheme).constData(),
                                             name.constData(), row.state, row.slot);
        if (row.filled)
            fillDefaultCustomLight(profilePath, profileIndex, scheme);
    }
}

bool DProfileLightDefaults::fillDefaultCustomLight(const char* profilePath, int profileIndex, int schemeIndex) const
{
    const QString fileName = defaultSchemeFileName(m_layoutNumber, m_modelCode);
    // The store reads real files only, so the resource goes through a
    // temporary copy that is removed with its folder.
    QTemporaryDir folder;
    QByteArray copyPath;
    if (folder.isValid()) {
        const QString target = folder.path() + QLatin1Char('/') + fileName;
        if (QFile::copy(QStringLiteral(":/images/configDir/") + fileName, target))
            copyPath = QFile::encodeName(target);
        else
            qCDebug(lcStore) << "The default custom light file could not be copied:" << fileName;
    }
    std::list<customLightDataItem> colours;
    if (!COrvaneXML_XmlCustomLightInfoSelectAll(copyPath.constData(), indexText(schemeIndex).constData(), &colours))
        return false;
    const QByteArray profile = indexText(profileIndex);
    const QByteArray scheme = indexText(schemeIndex);
    StoreWriteBatch batch;
    bool stored = !colours.empty();
    for (const customLightDataItem& colour : colours)
        stored = COrvaneXML_AddProFileCustomLightDataInfo(profilePath, profile.constData(), scheme.constData(), colour)
                 && stored;
    return batch.commit() && stored;
}

bool DProfileLightDefaults::saveCustomLight(const char* profilePath, int profileIndex, int schemeIndex,
                                            const QVector<PaintedKey>& keys)
{
    const QByteArray profile = indexText(profileIndex);
    const QByteArray scheme = indexText(schemeIndex);
    // Emptied and filled in one write: a failure leaves the old colours.
    StoreWriteBatch batch;
    if (!COrvaneXML_ClearProFileCustomLightNode(profilePath, profile.constData(), scheme.constData())) {
        batch.abandon();
        return false;
    }
    bool stored = true;
    for (const PaintedKey& key : keys) {
        const QColor& colour = key.colour;
        if (colour.red() == 0 && colour.green() == 0 && colour.blue() == 0)
            continue;
        customLightDataItem item;
        std::memset(&item, 0, sizeof item);
        copyText(item.keyCode, QByteArray::number(key.keyCode));
        copyText(item.keyLabel, key.keyLabel.toLatin1());
        item.row = key.row;
        item.column = key.column;
        item.red = colour.red();
        item.green = colour.green();
        item.blue = colour.blue();
        item.fourthValue = kStoredFromPicture;
        stored = COrvaneXML_AddProFileCustomLightDataInfo(profilePath, profile.constData(), scheme.constData(), item)
                 && stored;
    }
    if (!stored) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}
