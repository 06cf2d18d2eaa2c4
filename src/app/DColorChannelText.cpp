#include "app/DColorChannelText.h"

std::optional<int> DColorChannelText::parse(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}
