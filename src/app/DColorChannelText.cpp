#include "app/DColorChannelText.h"

#include <algorithm>

namespace {

constexpr int kMaximum = 255;

// The number a text of decimal digits says, counted no further than one
// past the top; nothing for any other text.
std::optional<int> digitsValue(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - '0'), kMaximum + 1);
    }
    return value;
}

} // namespace

std::optional<int> DColorChannelText::parse(const QString& text)
{
    const std::optional<int> value = digitsValue(text);
    if (text.size() > 3 || !value || *value > kMaximum)
        return std::nullopt;
    return value;
}

std::optional<int> DColorChannelText::typed(const QString& text)
{
    const std::optional<int> value = digitsValue(text);
    if (!value)
        return std::nullopt;
    return std::min(*value, kMaximum);
}
