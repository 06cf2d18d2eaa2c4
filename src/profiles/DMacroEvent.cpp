#include "profiles/DMacroEvent.h"

#include "app/DFixedText.h"

#include <QByteArray>

#include <climits>
#include <cstring>

namespace {

const char kKey[] = "key";
const char kMouse[] = "mouse";
const char kDown[] = "down";
const char kUp[] = "up";

struct MouseButtonCodes
{
    const char* name;
    int downMessage;
    int upMessage;
};

// The window-system button messages a macro stores for the three buttons.
constexpr MouseButtonCodes kMouseButtons[] = {
    {"Left Click", 0x201, 0x202},
    {"Center Click", 0x207, 0x208},
    {"Right Click", 0x204, 0x205},
};

template<std::size_t N>
bool fits(const QByteArray& text)
{
    return text.size() < int(N) && !text.contains('\0');
}

template<std::size_t N>
void copyField(char (&field)[N], const QByteArray& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), std::size_t(text.size()));
}

bool isAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// What a C integer conversion of the text gives: optional spaces and sign,
// then the leading digits; no digits is 0. Held within int.
qint64 leadingInteger(const QByteArray& text)
{
    int at = 0;
    while (at < text.size() && (text.at(at) == ' ' || (text.at(at) >= '\t' && text.at(at) <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text.at(at) == '+' || text.at(at) == '-'))
        negative = text.at(at++) == '-';
    qint64 value = 0;
    for (; at < text.size() && text.at(at) >= '0' && text.at(at) <= '9'; ++at) {
        value = value * 10 + (text.at(at) - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    value = negative ? -value : value;
    return qBound(qint64(INT_MIN), value, qint64(INT_MAX));
}

} // namespace

DMacroEvent DMacroEvent::key(int mark, int delay, int usage, const QString& label, bool down)
{
    DMacroEvent event;
    event.mark = QString::number(mark);
    event.delay = delay;
    event.type = QLatin1String(kKey);
    event.keyCode = usage;
    event.codeName = label;
    event.operateExplain = QLatin1String(down ? kDown : kUp);
    return event;
}

DMacroEvent DMacroEvent::mouse(int mark, int delay, MouseButton button, bool down)
{
    const MouseButtonCodes& codes = kMouseButtons[button];
    DMacroEvent event;
    event.mark = QString::number(mark);
    event.delay = delay;
    event.type = QLatin1String(kMouse);
    event.keyCode = down ? codes.downMessage : codes.upMessage;
    event.codeName = QLatin1String(codes.name);
    event.operateExplain = QLatin1String(down ? kDown : kUp);
    return event;
}

DMacroEvent DMacroEvent::fromItem(const macroEventItem& item)
{
    DMacroEvent event;
    event.mark = DFixedText::latin1(item.mark);
    event.delay = DFixedText::number(item.delay);
    event.type = DFixedText::latin1(item.type);
    event.keyCode = DFixedText::number(item.keyCode);
    event.codeName = DFixedText::utf8(item.codeName);
    event.operateExplain = DFixedText::latin1(item.operateExplain);
    return event;
}

QList<DMacroEvent> DMacroEvent::fromItems(const std::list<macroEventItem>& items)
{
    QList<DMacroEvent> events;
    for (const macroEventItem& item : items)
        events << fromItem(item);
    return events;
}

bool DMacroEvent::toItem(macroEventItem* item) const
{
    if (!item || !isAscii(mark) || !isAscii(type) || !isAscii(operateExplain))
        return false;
    const QByteArray markText = mark.toLatin1();
    const QByteArray delayText = QByteArray::number(delay);
    const QByteArray typeText = type.toLatin1();
    const QByteArray keyCodeText = QByteArray::number(keyCode);
    const QByteArray nameText = codeName.toUtf8();
    const QByteArray explainText = operateExplain.toLatin1();
    if (!fits<sizeof item->mark>(markText) || !fits<sizeof item->delay>(delayText) || !fits<sizeof item->type>(typeText)
        || !fits<sizeof item->keyCode>(keyCodeText) || !fits<sizeof item->codeName>(nameText)
        || !fits<sizeof item->operateExplain>(explainText))
        return false;
    copyField(item->mark, markText);
    copyField(item->delay, delayText);
    copyField(item->type, typeText);
    copyField(item->keyCode, keyCodeText);
    copyField(item->codeName, nameText);
    copyField(item->operateExplain, explainText);
    return true;
}

bool DMacroEvent::isPartnerOf(const DMacroEvent& other) const
{
    return mark == other.mark && operateExplain != other.operateExplain;
}

int DMacroEvent::nextEventMark(const std::list<macroEventItem>& items)
{
    qint64 largest = -1;
    for (const macroEventItem& item : items)
        largest = qMax(largest, leadingInteger(DFixedText::bytes(item.mark)));
    return largest >= INT_MAX ? -1 : int(largest + 1);
}

qint64 DMacroEvent::totalDelay(const QList<DMacroEvent>& events)
{
    qint64 total = 0;
    for (const DMacroEvent& event : events)
        total += event.delay;
    return total;
}

int DMacroEvent::downCount(const QList<DMacroEvent>& events)
{
    int count = 0;
    for (const DMacroEvent& event : events)
        count += event.isDown() ? 1 : 0;
    return count;
}
