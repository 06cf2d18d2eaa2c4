#include "StoreXmlWriter.h"

#include "StoreText.h"
#include "StoreXmlNames.h"

#include <QXmlStreamWriter>

using namespace StoreXmlNames;

namespace {

class Writer
{
public:
    explicit Writer(QByteArray* out)
        : m_xml(out)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }

    void document(const StoreDocument& doc)
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QLatin1String(kRoot));
        number(kVersion, StoreDocument::kVersion);
        if (doc.currentProfile || !doc.profiles.empty()) {
            m_xml.writeStartElement(QLatin1String(kProfiles));
            if (doc.currentProfile)
                number(kCurrent, *doc.currentProfile);
            for (const StoreProfile& profile : doc.profiles)
                writeProfile(profile);
            m_xml.writeEndElement();
        }
        if (!doc.macros.empty()) {
            m_xml.writeStartElement(QLatin1String(kMacros));
            for (const StoreMacro& macro : doc.macros) {
                m_xml.writeStartElement(QLatin1String(kMacro));
                number("index", macro.index);
                text("name", macro.name);
                events(macro.events);
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
        }
        if (doc.hasSeniorKeyNode || !doc.seniorKeys.empty()) {
            m_xml.writeStartElement(QLatin1String(kSeniorKeys));
            for (const seniorKeyInfoStu& record : doc.seniorKeys)
                writeSeniorKey(record);
            m_xml.writeEndElement();
        }
        if (!doc.defaultSchemes.empty()) {
            m_xml.writeStartElement(QLatin1String(kCustomLights));
            for (const StoreCustomScheme& scheme : doc.defaultSchemes)
                writeScheme(scheme);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void number(const char* name, int value)
    {
        m_xml.writeAttribute(QLatin1String(name), QString::number(value));
    }

    void text(const char* name, const std::string& bytes)
    {
        if (StoreXmlWriter::isPlainText(bytes)) {
            m_xml.writeAttribute(QLatin1String(name), QString::fromUtf8(bytes.data(), int(bytes.size())));
        } else {
            const QByteArray encoded = QByteArray(bytes.data(), int(bytes.size())).toBase64();
            m_xml.writeAttribute(QLatin1String(name) + QLatin1String(kBase64Suffix), QString::fromLatin1(encoded));
        }
    }

    void events(const std::vector<StoreMacroEvent>& list)
    {
        for (const StoreMacroEvent& event : list) {
            m_xml.writeStartElement(QLatin1String(kEvent));
            for (const auto& field : kEventFields)
                text(field.name, event.*field.member);
            m_xml.writeEndElement();
        }
    }

    void writeScheme(const StoreCustomScheme& scheme)
    {
        m_xml.writeStartElement(QLatin1String(kCustomLight));
        number("index", scheme.index);
        text("name", scheme.name);
        text("status", scheme.status);
        number("slot", scheme.slot);
        for (const StoreSchemeKeyColour& colour : scheme.colours) {
            m_xml.writeStartElement(QLatin1String(kKeyColour));
            text("keyCode", colour.keyCode);
            text("keyLabel", colour.keyLabel);
            for (const auto& field : kKeyColourInts)
                number(field.name, colour.*field.member);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeProfile(const StoreProfile& profile)
    {
        m_xml.writeStartElement(QLatin1String(kProfile));
        number("index", profile.index);
        text("name", profile.name);
        number("fixed", profile.fixed);
        for (const StoreKeyFunction& key : profile.keys) {
            m_xml.writeStartElement(QLatin1String(kKey));
            number("keyCode", key.keyCode);
            for (const auto& field : kKeyFields)
                text(field.name, key.*field.member);
            m_xml.writeEndElement();
        }
        for (const StoreBoundMacro& bound : profile.boundMacros) {
            m_xml.writeStartElement(QLatin1String(kBoundMacro));
            number("index", bound.macroIndex);
            text("tag", bound.tag);
            events(bound.events);
            m_xml.writeEndElement();
        }
        for (const colorInfoData& light : profile.lights) {
            m_xml.writeStartElement(QLatin1String(kLight));
            for (const auto& field : kLightFields)
                number(field.name, light.*field.member);
            m_xml.writeEndElement();
        }
        for (const StoreLightInUse& inUse : profile.lightInUse) {
            m_xml.writeStartElement(QLatin1String(kLightInUse));
            number("part", inUse.part);
            number("effect", inUse.effect);
            m_xml.writeEndElement();
        }
        if (profile.lightSynchronize) {
            m_xml.writeStartElement(QLatin1String(kLightSynchronize));
            number("status", *profile.lightSynchronize);
            m_xml.writeEndElement();
        }
        for (const StoreCustomScheme& scheme : profile.schemes)
            writeScheme(scheme);
        if (profile.sleep) {
            m_xml.writeStartElement(QLatin1String(kSleep));
            number("lightSeconds", profile.sleep->lightSeconds);
            number("keyboardMinutes", profile.sleep->keyboardMinutes);
            m_xml.writeEndElement();
        }
        if (profile.locks) {
            m_xml.writeStartElement(QLatin1String(kLocks));
            for (const auto& field : kLockFields)
                text(field.name, (*profile.locks).*field.member);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeSeniorKey(const seniorKeyInfoStu& record)
    {
        m_xml.writeStartElement(QLatin1String(kSeniorKey));
        number("index", record.index);
        text("name", StoreText::field(record.name));
        number("type", record.type);
        for (int slot = 0; slot < 4; ++slot)
            text(kSeniorKeySlots[slot], StoreText::field(record.key[slot]));
        QStringList actions;
        for (int action : record.action)
            actions << QString::number(action);
        m_xml.writeAttribute(QStringLiteral("actions"), actions.join(QLatin1Char(',')));
        QStringList points;
        for (int point : record.point)
            points << QString::number(point);
        m_xml.writeAttribute(QStringLiteral("points"), points.join(QLatin1Char(',')));
        number("holdDuration", record.holdDuration);
        number("tglKeySet", record.tglKeySet);
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
};

}

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
