#include "sdk/models/ModelCatalogue.h"

#include "sdk/SdkLogCategories.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSet>
#include <algorithm>

// Generated at build time from models.json.
extern const char* const orvaneModelCatalogueJson;

namespace {

class Reader
{
public:
    explicit Reader(QString* error)
        : m_error(error)
    {
    }

    bool fail(const QString& where, const QString& what)
    {
        if (m_error)
            *m_error = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
        return false;
    }

    bool text(const QJsonObject& o, const char* key, const QString& where, QString* out, bool required = true)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required)
            return true;
        if (!v.isString())
            return fail(where, QStringLiteral("\"%1\" must be a text").arg(QLatin1String(key)));
        *out = v.toString();
        return true;
    }

    bool integer(const QJsonObject& o, const char* key, const QString& where, int lo, int hi, int* out,
                 bool required = true)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required)
            return true;
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)) || d < lo || d > hi)
            return fail(
                where,
                QStringLiteral("\"%1\" must be a whole number from %2 to %3").arg(QLatin1String(key)).arg(lo).arg(hi));
        *out = static_cast<int>(d);
        return true;
    }

    bool flag(const QJsonObject& o, const char* key, const QString& where, bool* out)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return true;
        if (!v.isBool())
            return fail(where, QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(key)));
        *out = v.toBool();
        return true;
    }

    // Four hexadecimal digits; an empty text gives 0 when allowed.
    bool usbId(const QJsonObject& o, const char* key, const QString& where, uint16_t* out, bool allowEmpty)
    {
        QString t;
        if (!text(o, key, where, &t, !allowEmpty))
            return false;
        if (t.isEmpty() && allowEmpty) {
            *out = 0;
            return true;
        }
        bool ok = false;
        const uint value = t.toUInt(&ok, 16);
        if (!ok || t.size() != 4 || value == 0)
            return fail(where,
                        QStringLiteral("\"%1\" must be four hexadecimal digits, not 0000").arg(QLatin1String(key)));
        *out = static_cast<uint16_t>(value);
        return true;
    }

private:
    QString* m_error;
};

bool readFirmware(Reader& r, const QJsonObject& model, const QString& where, ModelInfo* m)
{
    const QJsonValue value = model.value(QLatin1String("firmware"));
    if (value.isUndefined())
        return true;
    if (!value.isObject())
        return r.fail(where, QStringLiteral("\"firmware\" must be an object"));
    const QJsonObject o = value.toObject();
    static const QMap<QString, ModelInfo::FirmwareFamily> kFamilies{
        {QStringLiteral("vendor"), ModelInfo::FirmwareFamily::Vendor},
        {QStringLiteral("bin512"), ModelInfo::FirmwareFamily::Bin512},
        {QStringLiteral("bin256"), ModelInfo::FirmwareFamily::Bin256}};
    QString family;
    if (!r.text(o, "family", where, &family) || !r.text(o, "version", where, &m->firmwareVersion)
        || !r.usbId(o, "upgradeProductId", where, &m->upgradeProductId, false))
        return false;
    if (!kFamilies.contains(family))
        return r.fail(where, QStringLiteral("firmware \"family\" must be vendor, bin512 or bin256"));
    m->firmwareFamily = kFamilies.value(family);
    // The .ufw header holds four characters of version and sixteen of model.
    if (m->firmwareFamily == ModelInfo::FirmwareFamily::Vendor
        && (m->firmwareVersion.size() > 4 || m->code.size() > 16))
        return r.fail(where, QStringLiteral("a vendor image holds at most 16 characters of model, 4 of version"));
    if (m->firmwareVersion.isEmpty() || m->firmwareVersion.contains(QLatin1Char(',')))
        return r.fail(where, QStringLiteral("firmware \"version\" must be a text without commas"));
    return true;
}

bool readModel(Reader& r, const QJsonObject& o, int index, ModelInfo* m)
{
    QString where = QStringLiteral("model %1").arg(index);
    if (!r.text(o, "code", where, &m->code))
        return false;
    if (m->code.isEmpty() || m->code.size() > 127)
        return r.fail(where, QStringLiteral("\"code\" must have 1 to 127 characters"));
    for (const QChar c : m->code) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return r.fail(where, QStringLiteral("\"code\" may hold only ASCII letters, digits, '-' and '_'"));
    }
    where = QStringLiteral("model %1").arg(m->code);
    if (!r.text(o, "productName", where, &m->productName) || !r.text(o, "likeName", where, &m->likeName)
        || !r.text(o, "deviceType", where, &m->deviceType))
        return false;
    for (const QString* t : {&m->productName, &m->likeName, &m->deviceType}) {
        if (t->toUtf8().size() > 127)
            return r.fail(where, QStringLiteral("a name is longer than 127 bytes"));
    }
    const QJsonArray values = o.value(QLatin1String("values")).toArray();
    if (values.size() != 4)
        return r.fail(where, QStringLiteral("\"values\" must hold four numbers"));
    for (int i = 0; i < 4; ++i) {
        if (!values.at(i).isDouble())
            return r.fail(where, QStringLiteral("\"values\" must hold four numbers"));
        m->values[i] = values.at(i).toInt();
    }
    int usagePage = 0;
    if (!r.integer(o, "layoutNumber", where, 1, 999, &m->layoutNumber)
        || !r.integer(o, "layoutDeviceType", where, 0, 99, &m->layoutDeviceType)
        || !r.integer(o, "sideLightCount", where, 0, 90, &m->sideLightCount)
        || !r.usbId(o, "vendorId", where, &m->vendorId, false) || !r.usbId(o, "productId", where, &m->productId, false)
        || !r.usbId(o, "receiverProductId", where, &m->receiverProductId, true)
        || !r.integer(o, "interfaceNumber", where, 0, 255, &m->interfaceNumber))
        return false;
    QString page;
    if (!r.text(o, "usagePage", where, &page))
        return false;
    bool ok = false;
    usagePage = static_cast<int>(page.toUInt(&ok, 16));
    if (!ok || usagePage > 0xFFFF)
        return r.fail(where, QStringLiteral("\"usagePage\" must be hexadecimal"));
    m->usagePage = static_cast<uint16_t>(usagePage);
    if (!r.flag(o, "realUsbIds", where, &m->realUsbIds) || !r.flag(o, "keyboardModes", where, &m->keyboardModes)
        || !r.flag(o, "prohibitSleep", where, &m->prohibitSleep)
        || !r.flag(o, "paletteRgbFirst", where, &m->paletteRgbFirst)
        || !r.flag(o, "deepEnterNotch", where, &m->deepEnterNotch)
        || !r.flag(o, "musicSingleColumn", where, &m->musicSingleColumn)
        || !r.integer(o, "musicColumns68", where, 0, 22, &m->musicColumns68, false))
        return false;
    // Rows 0..5 and columns 0..21 of the key grid, first not after last.
    const QJsonObject area = o.value(QLatin1String("keyArea")).toObject();
    const QJsonArray rows = area.value(QLatin1String("rows")).toArray();
    const QJsonArray columns = area.value(QLatin1String("columns")).toArray();
    auto span = [](const QJsonArray& a, int last, int* first, int* final) {
        if (a.size() != 2 || !a.at(0).isDouble() || !a.at(1).isDouble())
            return false;
        const double lo = a.at(0).toDouble();
        const double hi = a.at(1).toDouble();
        if (lo != double(int(lo)) || hi != double(int(hi)) || lo < 0 || hi > last || lo > hi)
            return false;
        *first = int(lo);
        *final = int(hi);
        return true;
    };
    if (!span(rows, 5, &m->keyAreaTop, &m->keyAreaBottom) || !span(columns, 21, &m->keyAreaLeft, &m->keyAreaRight))
        return r.fail(where, QStringLiteral("\"keyArea\" must give \"rows\" [first, last] within 0..5 and "
                                            "\"columns\" [first, last] within 0..21"));
    const QJsonArray fnKeys = o.value(QLatin1String("fnLayerKeys")).toArray();
    for (const QJsonValue& key : fnKeys) {
        const QJsonArray place = key.toArray();
        const int row = place.at(0).toInt(-1);
        const int column = place.at(1).toInt(-1);
        if (place.size() != 2 || row < 0 || row > 5 || column < 0 || column > 21)
            return r.fail(where,
                          QStringLiteral("\"fnLayerKeys\" must list [row, column] places within 0..5 and 0..21"));
        m->fnLayerKeys.emplace_back(row, column);
    }
    const QJsonValue box = o.value(QLatin1String("pictureBox"));
    if (!box.isUndefined()) {
        const QJsonArray a = box.toArray();
        if (a.size() != 2 || a.at(0).toInt() <= 0 || a.at(1).toInt() <= 0)
            return r.fail(where, QStringLiteral("\"pictureBox\" must be [width, height]"));
        m->pictureBoxWidth = a.at(0).toInt();
        m->pictureBoxHeight = a.at(1).toInt();
    }
    return readFirmware(r, o, where, m);
}

} // namespace

QString ModelInfo::vendorIdText() const
{
    return ModelCatalogue::idText(vendorId);
}
QString ModelInfo::productIdText() const
{
    return ModelCatalogue::idText(productId);
}
QString ModelInfo::receiverProductIdText() const
{
    return hasReceiver() ? ModelCatalogue::idText(receiverProductId) : QString();
}

QString ModelCatalogue::idText(uint16_t id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
}

const ModelCatalogue& ModelCatalogue::instance()
{
    static const ModelCatalogue kCatalogue = [] {
        ModelCatalogue c;
        QString error;
        if (!parse(QByteArray(orvaneModelCatalogueJson), &c, &error)) {
            qCWarning(sdkLcLink) << "Model catalogue unreadable:" << error;
            c = ModelCatalogue();
        }
        return c;
    }();
    return kCatalogue;
}

bool ModelCatalogue::parse(const QByteArray& json, ModelCatalogue* out, QString* error)
{
    Reader r(error);
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull())
        return r.fail(QString(),
                      QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset));
    if (!doc.isObject())
        return r.fail(QString(), QStringLiteral("the top level must be an object"));
    const QJsonObject top = doc.object();

    ModelCatalogue c;
    c.m_placeholderIds = top.value(QLatin1String("placeholderUsbIds")).toBool();
    for (const QJsonValue v : top.value(QLatin1String("firmwareId")).toArray())
        c.m_firmwareId << v.toString();
    if (c.m_firmwareId.size() != 4)
        return r.fail(QString(), QStringLiteral("\"firmwareId\" must hold four texts"));

    for (const QJsonValue v : top.value(QLatin1String("bootloaders")).toArray()) {
        UsbId id{v.toObject().value(QLatin1String("vendorId")).toString(),
                 v.toObject().value(QLatin1String("productId")).toString()};
        if (id.vendorIdText.isEmpty() || id.productIdText.isEmpty())
            return r.fail(QStringLiteral("bootloaders"), QStringLiteral("each needs a vendorId and a productId"));
        c.m_bootloaderIds.push_back(id);
    }

    const QJsonValue modelsValue = top.value(QLatin1String("models"));
    if (!modelsValue.isArray() || modelsValue.toArray().isEmpty())
        return r.fail(QString(), QStringLiteral("\"models\" must be a list of models"));
    QSet<QString> codes;
    QSet<quint32> usbIds;
    int index = 0;
    for (const QJsonValue v : modelsValue.toArray()) {
        if (!v.isObject())
            return r.fail(QStringLiteral("model %1").arg(index), QStringLiteral("not an object"));
        ModelInfo m;
        if (!readModel(r, v.toObject(), index++, &m))
            return false;
        if (codes.contains(m.code))
            return r.fail(QStringLiteral("model %1").arg(m.code), QStringLiteral("code used twice"));
        codes.insert(m.code);
        for (uint16_t pid : {m.productId, m.receiverProductId, m.upgradeProductId}) {
            if (pid == 0)
                continue;
            const quint32 key = (quint32(m.vendorId) << 16) | pid;
            if (usbIds.contains(key))
                return r.fail(QStringLiteral("model %1").arg(m.code),
                              QStringLiteral("USB id %1:%2 used twice").arg(idText(m.vendorId), idText(pid)));
            usbIds.insert(key);
        }
        c.m_models.push_back(m);
    }
    *out = std::move(c);
    return true;
}

const ModelInfo* ModelCatalogue::find(const QString& code) const
{
    for (const ModelInfo& m : m_models) {
        if (m.code == code)
            return &m;
    }
    return nullptr;
}

const ModelInfo* ModelCatalogue::findByUpgradeId(uint16_t vendorId, uint16_t productId) const
{
    for (const ModelInfo& m : m_models) {
        if (m.isUpgradeable() && m.vendorId == vendorId && m.upgradeProductId == productId)
            return &m;
    }
    return nullptr;
}

ModelCatalogue::UsbMatch ModelCatalogue::findByUsbId(uint16_t vendorId, uint16_t productId) const
{
    for (const ModelInfo& m : m_models) {
        if (m.vendorId != vendorId)
            continue;
        if (m.productId == productId)
            return {&m, false};
        if (m.hasReceiver() && m.receiverProductId == productId)
            return {&m, true};
    }
    return {};
}

bool ModelCatalogue::hasVendorId(uint16_t vendorId) const
{
    return std::any_of(m_models.begin(), m_models.end(),
                       [vendorId](const ModelInfo& m) { return m.vendorId == vendorId; });
}

std::vector<uint16_t> ModelCatalogue::vendorIds() const
{
    std::vector<uint16_t> ids;
    for (const ModelInfo& m : m_models) {
        if (std::find(ids.begin(), ids.end(), m.vendorId) == ids.end())
            ids.push_back(m.vendorId);
    }
    return ids;
}
