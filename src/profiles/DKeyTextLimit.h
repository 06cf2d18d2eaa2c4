#pragma once

#include <QString>

// How much text a key may type. The key's record keeps at most 5119 bytes
// of UTF-8, and the editor at most 5000 UTF-16 code units; a text beyond
// either limit would be cut by the store without the user seeing it, so
// the part that does not fit is never taken in the first place. A
// character outside the Basic Multilingual Plane is never split.
class DKeyTextLimit
{
public:
    static constexpr int kMaxUnits = 5000;
    static constexpr int kMaxUtf8Bytes = 5119;

    struct Fitted
    {
        QString text;
        int cursor = 0;
        bool cut = false;
    };

    static bool fits(const QString& text);
    // The text within both limits. What was just typed or pasted ends at
    // `cursor`: the excess is taken away from there backwards, so the
    // cursor stays behind the part that was kept. When the excess lies
    // before the cursor only in part (a text put in whole), the text keeps
    // its longest beginning that fits.
    static Fitted fit(const QString& text, int cursor);
};
