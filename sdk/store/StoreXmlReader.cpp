#include "sdk/store/StoreXmlReader.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/StoreXmlNames.h"

#include <QXmlStreamReader>

#include <cstring>
#include <set>
#include <utility>

using namespace StoreXmlNames;

namespace {

class Reader
{
public:
    explicit Reader(const QByteArray& bytes)
        : m_xml(bytes)
    {
    }

    bool document(StoreDocument& doc)
    {
        if (!m_xml.readNextStartElement())
            return fail(m_xml.hasError() ? m_xml.errorString() : QStringLiteral("no root element"));
        if (m_xml.name() != QLatin1String(kRoot))
            return fail(QStringLiteral("root element is <%1>, not <%2>").arg(m_xml.name(), QLatin1String(kRoot)));
        int version = 0;
        if (!number(kVersion, &version))
            return false;
        if (version != StoreDocument::kVersion)
            return fail(QStringLiteral("version %1 is not %2").arg(version).arg(StoreDocument::kVersion));
        while (ok() && m_xml.readNextStartElement()) {
            const QStringRef name = m_xml.name();
            if (name == QLatin1String(kProfiles))
                profiles(doc);
            else if (name == QLatin1String(kMacros))
                macros(doc);
            else if (name == QLatin1String(kSeniorKeys))
                seniorKeys(doc);
            else if (name == QLatin1String(kCustomLights))
                schemeList(doc.defaultSchemes);
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            return fail(m_xml.errorString());
        if (!ok())
            return false;
        while (!m_xml.atEnd() && !m_xml.hasError())
            m_xml.readNext();
        if (m_xml.hasError())
            return fail(m_xml.errorString());
        return true;
    }

    QString error() const { return m_error; }

private:
    bool ok() const { return m_error.isEmpty() && !m_xml.hasError(); }

    bool fail(const QString& message)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("line %1: %2").arg(m_xml.lineNumber()).arg(message);
        return false;
    }

    bool has(const char* name) const { return m_xml.attributes().hasAttribute(QLatin1String(name)); }

    bool number(const char* name, int* value)
    {
        const QStringRef text = m_xml.attributes().value(QLatin1String(name));
        const std::optional<int> parsed = StoreText::decimal(text.toUtf8().toStdString());
        if (!parsed)
            return fail(QStringLiteral("<%1> needs a decimal %2").arg(m_xml.name(), QLatin1String(name)));
        *value = *parsed;
        return true;
    }

    bool optionalNumber(const char* name, int* value) { return !has(name) || number(name, value); }

    // The next profile's index follows the highest: one near the top of the
    // number range would overflow it.
    bool inProfileRange(int index)
    {
        if (index >= 1 && index <= kStoreMaxProfileIndex)
            return true;
        return fail(QStringLiteral("<%1> has an index outside 1..%2").arg(m_xml.name()).arg(kStoreMaxProfileIndex));
    }

    bool text(const char* name, std::string* value)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (attributes.hasAttribute(QLatin1String(name))) {
            *value = attributes.value(QLatin1String(name)).toUtf8().toStdString();
            return true;
        }
        const QString encodedName = QLatin1String(name) + QLatin1String(kBase64Suffix);
        if (attributes.hasAttribute(encodedName)) {
            const auto decoded = QByteArray::fromBase64Encoding(attributes.value(encodedName).toLatin1(),
                                                                QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return fail(QStringLiteral("<%1> has a broken %2").arg(m_xml.name(), encodedName));
            *value = decoded.decoded.toStdString();
            return true;
        }
        value->clear();
        return true;
    }

    bool numberList(const char* name, int* values, int count)
    {
        const QVector<QStringRef> parts = m_xml.attributes().value(QLatin1String(name)).split(QLatin1Char(','));
        if (parts.size() != count)
            return fail(
                QStringLiteral("<%1> needs %2 values in %3").arg(m_xml.name()).arg(count).arg(QLatin1String(name)));
        for (int i = 0; i < count; ++i) {
            const std::optional<int> parsed = StoreText::decimal(parts[i].toUtf8().toStdString());
            if (!parsed)
                return fail(QStringLiteral("<%1> has a bad value in %2").arg(m_xml.name(), QLatin1String(name)));
            values[i] = *parsed;
        }
        return true;
    }

    // Calls child() for every child element named `element`; skips the others.
    template<typename Child>
    void children(const char* element, Child child)
    {
        while (ok() && m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String(element))
                child();
            else
                m_xml.skipCurrentElement();
        }
    }

    template<typename Key>
    bool unique(std::set<Key>& seen, const Key& key)
    {
        if (seen.insert(key).second)
            return true;
        return fail(QStringLiteral("duplicate <%1>").arg(m_xml.name()));
    }

    void leaf()
    {
        if (ok())
            m_xml.skipCurrentElement();
    }

    void eventList(std::vector<StoreMacroEvent>& events)
    {
        children(kEvent, [&] {
            StoreMacroEvent event;
            for (const auto& field : kEventFields)
                text(field.name, &(event.*field.member));
            events.push_back(std::move(event));
            leaf();
        });
    }

    void scheme(std::vector<StoreCustomScheme>& schemes, std::set<int>& seen)
    {
        StoreCustomScheme scheme;
        if (!number("index", &scheme.index) || !unique(seen, scheme.index) || !text("name", &scheme.name)
            || !text("status", &scheme.status) || !optionalNumber("slot", &scheme.slot))
            return;
        children(kKeyColour, [&] {
            StoreSchemeKeyColour colour;
            if (!text("keyCode", &colour.keyCode) || !text("keyLabel", &colour.keyLabel))
                return;
            for (const auto& field : kKeyColourInts) {
                if (!number(field.name, &(colour.*field.member)))
                    return;
            }
            scheme.colours.push_back(std::move(colour));
            leaf();
        });
        schemes.push_back(std::move(scheme));
    }

    void schemeList(std::vector<StoreCustomScheme>& schemes)
    {
        std::set<int> seen;
        children(kCustomLight, [&] { scheme(schemes, seen); });
    }

    void profiles(StoreDocument& doc)
    {
        if (has(kCurrent)) {
            int current = 0;
            if (!number(kCurrent, &current))
                return;
            doc.currentProfile = current;
        }
        std::set<int> seen;
        children(kProfile, [&] {
            StoreProfile profile;
            if (!number("index", &profile.index) || !inProfileRange(profile.index) || !unique(seen, profile.index)
                || !text("name", &profile.name) || !optionalNumber("fixed", &profile.fixed))
                return;
            profileContent(profile);
            doc.profiles.push_back(std::move(profile));
        });
    }

    void profileContent(StoreProfile& profile)
    {
        std::set<int> keys, boundMacros, inUse, schemes;
        std::set<std::pair<int, int>> lights;
        while (ok() && m_xml.readNextStartElement()) {
            const QStringRef name = m_xml.name();
            if (name == QLatin1String(kKey)) {
                StoreKeyFunction key;
                if (!number("keyCode", &key.keyCode) || !unique(keys, key.keyCode))
                    return;
                for (const auto& field : kKeyFields)
                    text(field.name, &(key.*field.member));
                profile.keys.push_back(std::move(key));
                leaf();
            } else if (name == QLatin1String(kBoundMacro)) {
                StoreBoundMacro bound;
                if (!number("index", &bound.macroIndex) || !unique(boundMacros, bound.macroIndex)
                    || !text("tag", &bound.tag))
                    return;
                eventList(bound.events);
                profile.boundMacros.push_back(std::move(bound));
            } else if (name == QLatin1String(kLight)) {
                colorInfoData light{};
                for (const auto& field : kLightFields) {
                    if (!number(field.name, &(light.*field.member)))
                        return;
                }
                if (!unique(lights, std::make_pair(light.lightPart, light.ledType)))
                    return;
                profile.lights.push_back(light);
                leaf();
            } else if (name == QLatin1String(kLightInUse)) {
                StoreLightInUse entry;
                if (!number("part", &entry.part) || !unique(inUse, entry.part) || !number("effect", &entry.effect))
                    return;
                profile.lightInUse.push_back(entry);
                leaf();
            } else if (name == QLatin1String(kLightSynchronize)) {
                int status = 0;
                if (!number("status", &status))
                    return;
                profile.lightSynchronize = status;
                leaf();
            } else if (name == QLatin1String(kCustomLight)) {
                scheme(profile.schemes, schemes);
            } else if (name == QLatin1String(kSleep)) {
                StoreSleep sleep;
                if (!number("lightSeconds", &sleep.lightSeconds) || !number("keyboardMinutes", &sleep.keyboardMinutes))
                    return;
                profile.sleep = sleep;
                leaf();
            } else if (name == QLatin1String(kLocks)) {
                StoreLocks locks;
                for (const auto& field : kLockFields)
                    text(field.name, &(locks.*field.member));
                profile.locks = locks;
                leaf();
            } else {
                m_xml.skipCurrentElement();
            }
        }
    }

    void macros(StoreDocument& doc)
    {
        std::set<int> seen;
        children(kMacro, [&] {
            StoreMacro macro;
            if (!number("index", &macro.index) || !unique(seen, macro.index) || !text("name", &macro.name))
                return;
            eventList(macro.events);
            doc.macros.push_back(std::move(macro));
        });
    }

    void seniorKeys(StoreDocument& doc)
    {
        doc.hasSeniorKeyNode = true;
        std::set<int> seen;
        children(kSeniorKey, [&] {
            seniorKeyInfoStu record;
            std::memset(&record, 0, sizeof record);
            std::string name;
            if (!number("index", &record.index) || !unique(seen, record.index) || !text("name", &name)
                || !number("type", &record.type) || !numberList("actions", record.action, 16)
                || !numberList("points", record.point, 4) || !number("holdDuration", &record.holdDuration)
                || !number("tglKeySet", &record.tglKeySet))
                return;
            StoreText::toField(record.name, name);
            for (int slot = 0; slot < 4; ++slot) {
                std::string key;
                if (!text(kSeniorKeySlots[slot], &key))
                    return;
                StoreText::toField(record.key[slot], key);
            }
            doc.seniorKeys.push_back(record);
            leaf();
        });
    }

    QXmlStreamReader m_xml;
    QString m_error;
};

} // namespace

bool StoreXmlReader::read(const QByteArray& bytes, StoreDocument* document, QString* error)
{
    StoreDocument parsed;
    Reader reader(bytes);
    if (!reader.document(parsed)) {
        if (error)
            *error = reader.error();
        return false;
    }
    *document = std::move(parsed);
    return true;
}
