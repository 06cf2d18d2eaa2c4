#include "profiles/DMacroExportFile.h"

#include <QBuffer>
#include <QHash>
#include <QObject>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <climits>
#include <iterator>

namespace {

const char kRoot[] = "Parameters";
const char kMacro[] = "macro";
const char kItem[] = "item";

// The attributes of an event, in the order they are written.
const char kMark[] = "mark";
const char kDelay[] = "delay";
const char kType[] = "type";
const char kKeyCode[] = "keyCode";
const char kCodeName[] = "codeName";
const char kExplain[] = "operateExplain";

// What each attribute may hold: its record field less the terminating NUL.
struct FieldLimit
{
    const char* attribute;
    int maxBytes;
    bool utf8;
};
constexpr FieldLimit kFieldLimits[] = {
    {kMark, int(sizeof macroEventItem::mark) - 1, false},
    {kDelay, int(sizeof macroEventItem::delay) - 1, false},
    {kType, int(sizeof macroEventItem::type) - 1, false},
    {kKeyCode, int(sizeof macroEventItem::keyCode) - 1, false},
    {kCodeName, int(sizeof macroEventItem::codeName) - 1, true},
    {kExplain, int(sizeof macroEventItem::operateExplain) - 1, false},
};

// One event as the file has it, before any check.
struct RawEvent
{
    QString values[std::size(kFieldLimits)];
    bool hasDelay = false;
};

// Characters XML 1.0 cannot carry at all, not even escaped; a name holding
// one would make the whole file unreadable.
QString xmlText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        const ushort u = c.unicode();
        if (c.isSurrogate() || u == 0xfffe || u == 0xffff || (u < 0x20 && u != '\t' && u != '\n' && u != '\r'))
            continue;
        out += c;
    }
    return out;
}

bool isDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A decimal integer of plain digits with an optional minus sign, within
// [low, high]. The reading stops once the value is past int, so a long run
// of digits cannot overflow it.
bool decimalIn(const QString& text, int low, int high, int* value)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString digits = negative ? text.mid(1) : text;
    if (!isDigits(digits))
        return false;
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > qint64(INT_MAX))
            return false;
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue < low || signedValue > high)
        return false;
    *value = int(signedValue);
    return true;
}

bool isMouseButtonCode(int code)
{
    for (const DMacroEvent::MouseButton button :
         {DMacroEvent::LeftButton, DMacroEvent::CenterButton, DMacroEvent::RightButton}) {
        if (DMacroEvent::mouse(0, 0, button, true).keyCode == code
            || DMacroEvent::mouse(0, 0, button, false).keyCode == code)
            return true;
    }
    return false;
}

bool isEventElement(const QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    return xml.name() == QLatin1String(kItem)
           || (attributes.hasAttribute(QLatin1String(kMark)) && attributes.hasAttribute(QLatin1String(kType)));
}

DMacroExportFile::Check refuse(DMacroExportFile::Refusal refusal, int event = 0, const QString& mark = QString())
{
    DMacroExportFile::Check check;
    check.refusal = refusal;
    check.event = event;
    check.mark = mark;
    return check;
}

// The values of one event, checked one by one in the order of the fields.
DMacroExportFile::Check toEvent(const RawEvent& raw, int number, DMacroEvent* event)
{
    using Refusal = DMacroExportFile::Refusal;
    for (std::size_t i = 0; i < std::size(kFieldLimits); ++i) {
        const QString& value = raw.values[i];
        const int bytes = kFieldLimits[i].utf8 ? value.toUtf8().size() : value.size();
        if (bytes > kFieldLimits[i].maxBytes)
            return refuse(Refusal::TooLong, number);
    }
    const QString& mark = raw.values[0];
    const QString& delay = raw.values[1];
    const QString& type = raw.values[2];
    const QString& keyCode = raw.values[3];
    const QString& explain = raw.values[5];

    if (!isDigits(mark))
        return refuse(Refusal::BadMark, number);
    event->mark = mark;
    event->delay = 0;
    if (raw.hasDelay && !decimalIn(delay, 0, DMacroExportFile::kMaxDelay, &event->delay))
        return refuse(Refusal::BadDelay, number);
    const bool isKey = type == QLatin1String("key");
    if (!isKey && type != QLatin1String("mouse"))
        return refuse(Refusal::BadType, number);
    event->type = type;
    if (isKey) {
        if (!decimalIn(keyCode, DMacroExportFile::kMinKeyCode, DMacroExportFile::kMaxKeyCode, &event->keyCode))
            return refuse(Refusal::BadKeyCode, number);
    } else if (!decimalIn(keyCode, 0, 0xffff, &event->keyCode) || !isMouseButtonCode(event->keyCode)) {
        return refuse(Refusal::BadMouseCode, number);
    }
    event->codeName = raw.values[4];
    if (explain != QLatin1String("down") && explain != QLatin1String("up"))
        return refuse(Refusal::BadDirection, number);
    event->operateExplain = explain;
    // The record itself is the last word on what fits.
    macroEventItem item;
    if (!event->toItem(&item))
        return refuse(Refusal::TooLong, number);
    return DMacroExportFile::Check();
}

// Every mark is one press followed, later, by its one release: a press left
// open holds the key down on the keyboard after the macro ends.
DMacroExportFile::Check checkPairs(const QList<DMacroEvent>& events)
{
    enum State { Pressed, Released };
    QHash<QString, State> marks;
    QStringList order;
    for (const DMacroEvent& event : events) {
        const auto found = marks.constFind(event.mark);
        if (event.isDown()) {
            if (found != marks.constEnd())
                return refuse(DMacroExportFile::Refusal::UnpairedMark, 0, event.mark);
            marks.insert(event.mark, Pressed);
            order << event.mark;
        } else {
            if (found == marks.constEnd() || found.value() != Pressed)
                return refuse(DMacroExportFile::Refusal::UnpairedMark, 0, event.mark);
            marks.insert(event.mark, Released);
        }
    }
    for (const QString& mark : qAsConst(order)) {
        if (marks.value(mark) == Pressed)
            return refuse(DMacroExportFile::Refusal::UnpairedMark, 0, mark);
    }
    return DMacroExportFile::Check();
}

} // namespace

QString DMacroExportFile::Check::reason() const
{
    switch (refusal) {
    case Refusal::None:
        return QString();
    case Refusal::CannotOpen:
        return QObject::tr("the file could not be opened");
    case Refusal::TooLarge:
        return QObject::tr("the file is larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024));
    case Refusal::NotXml:
        return QObject::tr("the file is not a complete XML document");
    case Refusal::NoEvent:
        return QObject::tr("the file holds no event");
    case Refusal::TooManyEvents:
        return QObject::tr("the file holds too many events (at most %1)").arg(kMaxEvents);
    case Refusal::TooLong:
        return QObject::tr("a value of event %1 is longer than its field").arg(event);
    case Refusal::BadMark:
        return QObject::tr("the mark of event %1 is not a decimal number").arg(event);
    case Refusal::BadDelay:
        return QObject::tr("the delay of event %1 is not a number from 0 to %2").arg(event).arg(kMaxDelay);
    case Refusal::BadType:
        return QObject::tr("event %1 is neither a key nor a mouse event").arg(event);
    case Refusal::BadKeyCode:
        return QObject::tr("the key code of event %1 is not a number from %2 to %3")
            .arg(event)
            .arg(kMinKeyCode)
            .arg(kMaxKeyCode);
    case Refusal::BadMouseCode:
        return QObject::tr("the mouse code of event %1 names no mouse button").arg(event);
    case Refusal::BadDirection:
        return QObject::tr("event %1 is neither a press nor a release").arg(event);
    case Refusal::UnpairedMark:
        return QObject::tr("mark %1 does not have one press followed by one release").arg(mark);
    }
    return QString();
}

QByteArray DMacroExportFile::write(const QString& index, const QString& name, const QList<DMacroEvent>& events)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setCodec("utf-8");
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QLatin1String(kRoot));
    xml.writeAttribute(QStringLiteral("profileIndex"), QStringLiteral("1"));
    xml.writeStartElement(QLatin1String(kMacro));
    xml.writeAttribute(QStringLiteral("index"), xmlText(index));
    xml.writeAttribute(QStringLiteral("name"), xmlText(name));
    for (const DMacroEvent& event : events) {
        xml.writeEmptyElement(QLatin1String(kItem));
        xml.writeAttribute(QLatin1String(kMark), xmlText(event.mark));
        xml.writeAttribute(QLatin1String(kDelay), QString::number(event.delay));
        xml.writeAttribute(QLatin1String(kType), xmlText(event.type));
        xml.writeAttribute(QLatin1String(kKeyCode), QString::number(event.keyCode));
        xml.writeAttribute(QLatin1String(kCodeName), xmlText(event.codeName));
        xml.writeAttribute(QLatin1String(kExplain), xmlText(event.operateExplain));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

DMacroExportFile::Check DMacroExportFile::read(const QByteArray& bytes, QList<DMacroEvent>* events)
{
    if (bytes.size() > kMaxFileBytes)
        return refuse(Refusal::TooLarge);
    QList<RawEvent> raws;
    bool tooMany = false;
    bool hasMacro = false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String(kMacro))
            hasMacro = true;
        if (!xml.isStartElement() || !isEventElement(xml))
            continue;
        // Counted to the end of the document, so that a broken file is
        // reported as such however many events it holds.
        if (raws.size() == kMaxEvents) {
            tooMany = true;
            continue;
        }
        RawEvent raw;
        const QXmlStreamAttributes attributes = xml.attributes();
        for (std::size_t i = 0; i < std::size(kFieldLimits); ++i)
            raw.values[i] = attributes.value(QLatin1String(kFieldLimits[i].attribute)).toString();
        raw.hasDelay = attributes.hasAttribute(QLatin1String(kDelay));
        raws << raw;
    }
    if (xml.hasError())
        return refuse(Refusal::NotXml);
    if (tooMany)
        return refuse(Refusal::TooManyEvents);
    // An empty macro is one the editor can hold and export; a document
    // without a macro and without events is no macro file.
    if (raws.isEmpty() && !hasMacro)
        return refuse(Refusal::NoEvent);

    QList<DMacroEvent> read;
    for (int i = 0; i < raws.size(); ++i) {
        DMacroEvent event;
        const Check check = toEvent(raws.at(i), i + 1, &event);
        if (!check.accepted())
            return check;
        read << event;
    }
    const Check paired = checkPairs(read);
    if (paired.accepted() && events)
        *events = read;
    return paired;
}
