#include "ui/mainwidget/devicePage/DSleepTimeValidator.h"

DSleepTimeValidator::DSleepTimeValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State DSleepTimeValidator::validate(QString& input, int& pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state == Invalid)
        return state;
    // A plus sign is never part of a number typed here.
    if (input.contains(locale().positiveSign()))
        return Invalid;
    bool ok = false;
    const qlonglong value = locale().toLongLong(input, &ok);
    if (ok && value > top())
        return Invalid;
    return state;
}
