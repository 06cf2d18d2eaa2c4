#pragma once

#include <QIntValidator>

// QIntValidator lets a number above the top through as "intermediate" while
// it has no more digits than the top (60001 against 60000), and such a time
// would overflow the keyboard's 16-bit field. This one refuses it at once,
// and a sign with it. The macro editor's delays take it for the same reason.
class DSleepTimeValidator : public QIntValidator
{
    Q_OBJECT

public:
    DSleepTimeValidator(int bottom, int top, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
