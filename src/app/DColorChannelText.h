#pragma once

#include <QString>

#include <optional>

// A colour channel typed as text: a whole decimal number from 0 to 255, and
// nothing else ("-5", "2.5", "300" and "abc" are no channel values).
class DColorChannelText
{
public:
    static std::optional<int> parse(const QString& text);
    // What a field takes as the user types: a whole decimal number, kept to
    // 255 when it is larger ("999" is 255, never "99"); nothing for other text.
    static std::optional<int> typed(const QString& text);
};
