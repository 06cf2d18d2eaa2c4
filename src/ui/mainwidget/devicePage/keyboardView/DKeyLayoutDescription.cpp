#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"

#include "app/logCategories.h"

#include <QDebug>
#include <QFile>

#include <cjson/cJSON.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// Descriptions come from files users may hand us; keep every number inside a
// range no widget geometry or scaled product can overflow.
constexpr int kCoordinateLimit = 8192;

struct CJsonDeleter
{
    void operator()(cJSON* item) const { cJSON_Delete(item); }
};

struct CFreeDeleter
{
    void operator()(char* text) const { cJSON_free(text); }
};

int intField(const cJSON* object, const char* name, int low = -kCoordinateLimit, int high = kCoordinateLimit)
{
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(object, name);
    if (!cJSON_IsNumber(item))
        return 0;
    const double value = item->valuedouble;
    if (!(value == value)) // NaN
        return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(low), static_cast<double>(high)));
}

QString labelField(const cJSON* object, int usage)
{
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(object, "Character");
    if (!cJSON_IsString(item))
        return QString();
    std::unique_ptr<char, CFreeDeleter> printed(cJSON_PrintUnformatted(item));
    if (!printed)
        return QString();
    return DKeyLayoutDescription::labelFromPrinted(QByteArray(printed.get()), usage);
}

// Keys and side LEDs share the rectangle on the picture.
DKeyLayoutEntry placedEntry(const cJSON* element)
{
    DKeyLayoutEntry entry;
    entry.posX = intField(element, "PosX");
    entry.posY = intField(element, "PosY");
    entry.width = intField(element, "Width", 0);
    entry.height = intField(element, "Height", 0);
    return entry;
}

DKeyLayoutEntry keyEntry(const cJSON* element)
{
    if (!cJSON_IsObject(element))
        return DKeyLayoutEntry();
    DKeyLayoutEntry entry = placedEntry(element);
    entry.dec = intField(element, "Dec", INT_MIN / 2, INT_MAX / 2);
    entry.qtDec = intField(element, "qtDec", INT_MIN / 2, INT_MAX / 2);
    entry.label = labelField(element, entry.dec);
    entry.hasDec = cJSON_IsNumber(cJSON_GetObjectItemCaseSensitive(element, "Dec"));
    entry.hasCharacter = cJSON_IsString(cJSON_GetObjectItemCaseSensitive(element, "Character"));
    return entry;
}

DKeyLayoutEntry sideLightEntry(const cJSON* element)
{
    if (!cJSON_IsObject(element))
        return DKeyLayoutEntry();
    DKeyLayoutEntry entry = placedEntry(element);
    entry.index = intField(element, "Index", INT_MIN / 2, INT_MAX / 2);
    entry.validStatus = intField(element, "validStatus", INT_MIN / 2, INT_MAX / 2);
    entry.sidePosition = intField(element, "SidePosition", INT_MIN / 2, INT_MAX / 2);
    return entry;
}

} // namespace

QByteArray DKeyLayoutDescription::readResource(const QString& name, const char* failureText)
{
    QFile file(QStringLiteral(":/images/configDir/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcUi) << failureText;
        return QByteArray();
    }
    QByteArray text = file.readAll();
    if (text.isNull())
        text = QByteArray("");
    return text;
}

QString DKeyLayoutDescription::labelFromPrinted(const QByteArray& printedUtf8, int usage)
{
    if (usage == 52)
        return QStringLiteral("' \"");
    QByteArray inner = printedUtf8;
    if (inner.size() >= 2 && inner.startsWith('"') && inner.endsWith('"'))
        inner = inner.mid(1, inner.size() - 2);
    QString label = QString::fromUtf8(inner);
    label.remove(QLatin1Char('"'));
    return label;
}

void DKeyLayoutDescription::clear()
{
    m_header = Header();
    m_rowPresent.fill(false);
    for (auto& row : m_rows)
        row.clear();
}

bool DKeyLayoutDescription::parse(const QByteArray& text, int firstRow, int lastRow, bool sideLightsInRow0)
{
    clear();
    // Anything after the top-level value is ignored, as the shipped files were
    // always read that way.
    std::unique_ptr<cJSON, CJsonDeleter> root(
        cJSON_ParseWithLengthOpts(text.constData(), static_cast<size_t>(text.size()), nullptr, false));
    if (!root || !cJSON_IsObject(root.get()))
        return false;

    const cJSON* header = cJSON_GetObjectItemCaseSensitive(root.get(), "Keyboard");
    if (cJSON_IsObject(header)) {
        m_header.present = true;
        const cJSON* intro = cJSON_GetObjectItemCaseSensitive(header, "KeyboardIntroduction");
        if (cJSON_IsString(intro))
            m_header.introduction = QString::fromUtf8(intro->valuestring);
        m_header.sideLightHave = intField(header, "sideLightHave");
        m_header.supportOnboard = intField(header, "supportOnboard");
        m_header.specialEnterKey = intField(header, "specialEnterKey");
        m_header.showOnboardSelect = intField(header, "showOnboardSelect");
        m_header.specialEnterKeyShape = intField(header, "specialEnterKeyShape");
        m_header.sideLightNum = intField(header, "sideLightNum");
        m_header.hidDeviceType = intField(header, "hidDeviceType");
        m_header.pictureWidth = intField(header, "pictureWidth", 0);
        m_header.pictureHeight = intField(header, "pictureHeight", 0);
    }

    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, kLastRow);
    for (int r = firstRow; r <= lastRow; ++r) {
        const QByteArray name = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(r);
        const cJSON* array = cJSON_GetObjectItemCaseSensitive(root.get(), name.constData());
        if (!cJSON_IsArray(array))
            continue;
        m_rowPresent[r] = true;
        const bool sideLights = (r == 0 && sideLightsInRow0);
        const cJSON* element = nullptr;
        cJSON_ArrayForEach(element, array)
        {
            m_rows[r].append(sideLights ? sideLightEntry(element) : keyEntry(element));
        }
    }
    return true;
}

bool DKeyLayoutDescription::hasRow(int row) const
{
    return row >= 0 && row <= kLastRow && m_rowPresent[row];
}

const QVector<DKeyLayoutEntry>& DKeyLayoutDescription::row(int row) const
{
    static const QVector<DKeyLayoutEntry> kNone;
    if (row < 0 || row > kLastRow)
        return kNone;
    return m_rows[row];
}

DKeyLayoutDescription::Grid DKeyLayoutDescription::keyGrid() const
{
    Grid grid;
    for (int r = 0; r < DKeyGrid::kRows; ++r) {
        const QVector<DKeyLayoutEntry>& entries = m_rows[r + 1];
        for (int c = 0; c < DKeyGrid::kColumns; ++c) {
            if (c < entries.size()) {
                grid[r][c] = entries[c];
            } else {
                DKeyLayoutEntry empty;
                empty.posX = -1;
                empty.posY = -1;
                empty.label = QStringLiteral("-");
                grid[r][c] = empty;
            }
        }
    }
    return grid;
}
