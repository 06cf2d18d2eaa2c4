#include "sdk/store/StoreXmlWriter.h"

#include "sdk/store/StoreText.h"
#include "sdk/store/StoreXmlNames.h"

#include <string>
#include <vector>

using namespace StoreXmlNames;

namespace {

// A minimal XML writer: the documents are written on every change, and a
// general-purpose stream writer spends most of its time converting codecs.
class XmlOut
{
public:
    explicit XmlOut(QByteArray* out)
        : m_out(*out)
    {
        m_out.reserve(64 * 1024);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    }

    void start(const char* name)
    {
        if (m_startOpen)
            m_out += ">\n";
        m_out.append(int(m_open.size()), ' ');
        m_out += '<';
        m_out += name;
        m_open.push_back(name);
        m_startOpen = true;
    }

    void end()
    {
        if (m_startOpen) {
            m_out += "/>\n";
            m_startOpen = false;
        } else {
            m_out.append(int(m_open.size()) - 1, ' ');
            m_out += "</";
            m_out += m_open.back();
            m_out += ">\n";
        }
        m_open.pop_back();
    }

    void attribute(const char* name, const char* suffix, const std::string& value, bool escape)
    {
        m_out += ' ';
        m_out += name;
        m_out += suffix;
        m_out += "=\"";
        if (!escape) {
            m_out.append(value.data(), int(value.size()));
        } else {
            for (char c : value) {
                switch (c) {
                case '&':
                    m_out += "&amp;";
                    break;
                case '<':
                    m_out += "&lt;";
                    break;
                case '>':
                    m_out += "&gt;";
                    break;
                case '"':
                    m_out += "&quot;";
                    break;
                default:
                    m_out += c;
                }
            }
        }
        m_out += '"';
    }

private:
    QByteArray& m_out;
    std::vector<const char*> m_open;
    bool m_startOpen = false;
};

class Writer
{
public:
    explicit Writer(QByteArray* out)
        : m_xml(out)
    {
    }

    void document(const StoreDocument& doc)
    {
        m_xml.start(kRoot);
        number(kVersion, StoreDocument::kVersion);
        if (doc.currentProfile || !doc.profiles.empty()) {
            m_xml.start(kProfiles);
            if (doc.currentProfile)
                number(kCurrent, *doc.currentProfile);
            for (const StoreProfile& profile : doc.profiles)
                writeProfile(profile);
            m_xml.end();
        }
        if (!doc.macros.empty()) {
            m_xml.start(kMacros);
            for (const StoreMacro& macro : doc.macros) {
                m_xml.start(kMacro);
                number("index", macro.index);
                text("name", macro.name);
                events(macro.events);
                m_xml.end();
            }
            m_xml.end();
        }
        if (doc.hasSeniorKeyNode || !doc.seniorKeys.empty()) {
            m_xml.start(kSeniorKeys);
            for (const seniorKeyInfoStu& record : doc.seniorKeys)
                writeSeniorKey(record);
            m_xml.end();
        }
        if (!doc.defaultSchemes.empty()) {
            m_xml.start(kCustomLights);
            for (const StoreCustomScheme& scheme : doc.defaultSchemes)
                writeScheme(scheme);
            m_xml.end();
        }
        m_xml.end();
    }

private:
    void number(const char* name, int value) { m_xml.attribute(name, "", std::to_string(value), false); }

    void numbers(const char* name, const int* values, int count)
    {
        std::string joined;
        for (int i = 0; i < count; ++i) {
            if (i)
                joined += ',';
            joined += std::to_string(values[i]);
        }
        m_xml.attribute(name, "", joined, false);
    }

    void text(const char* name, const std::string& bytes)
    {
        if (StoreXmlWriter::isPlainText(bytes)) {
            m_xml.attribute(name, "", bytes, true);
        } else {
            const QByteArray encoded = QByteArray(bytes.data(), int(bytes.size())).toBase64();
            m_xml.attribute(name, kBase64Suffix, encoded.toStdString(), false);
        }
    }

    void events(const std::vector<StoreMacroEvent>& list)
    {
        for (const StoreMacroEvent& event : list) {
            m_xml.start(kEvent);
            for (const auto& field : kEventFields)
                text(field.name, event.*field.member);
            m_xml.end();
        }
    }

    void writeScheme(const StoreCustomScheme& scheme)
    {
        m_xml.start(kCustomLight);
        number("index", scheme.index);
        text("name", scheme.name);
        text("status", scheme.status);
        number("slot", scheme.slot);
        for (const StoreSchemeKeyColour& colour : scheme.colours) {
            m_xml.start(kKeyColour);
            text("keyCode", colour.keyCode);
            text("keyLabel", colour.keyLabel);
            for (const auto& field : kKeyColourInts)
                number(field.name, colour.*field.member);
            m_xml.end();
        }
        m_xml.end();
    }

    void writeProfile(const StoreProfile& profile)
    {
        m_xml.start(kProfile);
        number("index", profile.index);
        text("name", profile.name);
        number("fixed", profile.fixed);
        for (const StoreKeyFunction& key : profile.keys) {
            m_xml.start(kKey);
            number("keyCode", key.keyCode);
            for (const auto& field : kKeyFields)
                text(field.name, key.*field.member);
            m_xml.end();
        }
        for (const StoreBoundMacro& bound : profile.boundMacros) {
            m_xml.start(kBoundMacro);
            number("index", bound.macroIndex);
            text("tag", bound.tag);
            events(bound.events);
            m_xml.end();
        }
        for (const colorInfoData& light : profile.lights) {
            m_xml.start(kLight);
            for (const auto& field : kLightFields)
                number(field.name, light.*field.member);
            m_xml.end();
        }
        for (const StoreLightInUse& inUse : profile.lightInUse) {
            m_xml.start(kLightInUse);
            number("part", inUse.part);
            number("effect", inUse.effect);
            m_xml.end();
        }
        if (profile.lightSynchronize) {
            m_xml.start(kLightSynchronize);
            number("status", *profile.lightSynchronize);
            m_xml.end();
        }
        for (const StoreCustomScheme& scheme : profile.schemes)
            writeScheme(scheme);
        if (profile.sleep) {
            m_xml.start(kSleep);
            number("lightSeconds", profile.sleep->lightSeconds);
            number("keyboardMinutes", profile.sleep->keyboardMinutes);
            m_xml.end();
        }
        if (profile.locks) {
            m_xml.start(kLocks);
            for (const auto& field : kLockFields)
                text(field.name, (*profile.locks).*field.member);
            m_xml.end();
        }
        m_xml.end();
    }

    void writeSeniorKey(const seniorKeyInfoStu& record)
    {
        m_xml.start(kSeniorKey);
        number("index", record.index);
        text("name", StoreText::field(record.name));
        number("type", record.type);
        for (int slot = 0; slot < 4; ++slot)
            text(kSeniorKeySlots[slot], StoreText::field(record.key[slot]));
        numbers("actions", record.action, 16);
        numbers("points", record.point, 4);
        number("holdDuration", record.holdDuration);
        number("tglKeySet", record.tglKeySet);
        m_xml.end();
    }

    XmlOut m_xml;
};

} // namespace

QByteArray StoreXmlWriter::write(const StoreDocument& document)
{
    QByteArray out;
    Writer(&out).document(document);
    return out;
}

bool StoreXmlWriter::isPlainText(const std::string& bytes)
{
    for (unsigned char c : bytes) {
        if (c < 0x20)
            return false;
    }
    if (bytes.find("\xEF\xBF\xBE") != std::string::npos || bytes.find("\xEF\xBF\xBF") != std::string::npos)
        return false;
    return StoreText::isValidUtf8(bytes);
}
