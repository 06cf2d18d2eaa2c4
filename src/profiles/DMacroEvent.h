#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QString>

#include <list>

// One event of a macro as values, and its 240-byte record as the profile
// store takes and gives it. The record's fields are fixed-width texts; a
// value that does not fit is refused whole, never cut and never written
// past its field, since a cut mark or label would silently pair or show a
// different event.
class DMacroEvent
{
public:
    enum MouseButton { LeftButton, CenterButton, RightButton };

    QString mark;
    int delay = 0;
    QString type;
    int keyCode = 0;
    QString codeName;
    QString operateExplain;

    static DMacroEvent key(int mark, int delay, int usage, const QString& label, bool down);
    static DMacroEvent mouse(int mark, int delay, MouseButton button, bool down);

    // Each field up to its NUL and never past its width; the label as
    // UTF-8, the rest as ASCII; delay and key code as base-10 integers, a
    // text that is no number reading as 0.
    static DMacroEvent fromItem(const macroEventItem& item);
    static QList<DMacroEvent> fromItems(const std::list<macroEventItem>& items);
    // False, with *item untouched, when a value does not fit its field or a
    // text meant as ASCII holds something else.
    bool toItem(macroEventItem* item) const;

    bool isDown() const { return operateExplain == QLatin1String("down"); }
    // The other half of the same press: the same mark, compared as text, and
    // the other direction.
    bool isPartnerOf(const DMacroEvent& other) const;

    // The mark a new pair gets: one more than the largest stored mark read as
    // a C integer (leading digits; none counts as 0), 0 for no events, -1
    // when the largest is already the greatest int and no larger one exists.
    static int nextEventMark(const std::list<macroEventItem>& items);
    // The macro's total time, the sum of its delays; never wraps.
    static qint64 totalDelay(const QList<DMacroEvent>& events);
    static int downCount(const QList<DMacroEvent>& events);
};
