#pragma once

#include <QString>

#include <optional>

// A colour channel typed as text: a whole decimal number from 0 to 255, and
// nothing else ("-5", "2.5", "300" and "abc" are no channel values).
class DColorChannelText
{
public:
    static std::optional<int> parse(const QString& text);
};
