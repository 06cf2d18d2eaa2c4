#include "ui/mainwidget/devicePage/DSleepTimeCheck.h"

#include <QObject>

DSleepTimeCheck::Result DSleepTimeCheck::check(int lightSeconds, int keyboardSeconds)
{
    if (lightSeconds > kLightMaximumSeconds || keyboardSeconds > kKeyboardMaximumSeconds || lightSeconds < 0)
        return OutOfRange;
    if (keyboardSeconds < kKeyboardMinimumSeconds)
        return KeyboardTooShort;
    if (lightSeconds > keyboardSeconds)
        return LightLongerThanKeyboard;
    return Accepted;
}

QString DSleepTimeCheck::refusalText(Result result)
{
    switch (result) {
    case KeyboardTooShort:
        return QObject::tr("Keyboard enters sleep time is too short");
    case LightLongerThanKeyboard:
        return QObject::tr("The time when the light enters sleep cannot be longer than the keyboard enters sleep");
    case OutOfRange:
        return QObject::tr("Sleep time is out of range");
    case Accepted:
        break;
    }
    return QString();
}

int DSleepTimeCheck::fieldValue(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}
