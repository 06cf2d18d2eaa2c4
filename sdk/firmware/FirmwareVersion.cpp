#include "sdk/firmware/FirmwareVersion.h"

namespace {

// More dot-separated numbers than any firmware uses: such a text is not a
// version.
constexpr int kMaxParts = 8;

} // namespace

bool FirmwareVersion::parse(const QString& text, QStringList* numbers)
{
    QString body = text.trimmed();
    if (!body.isEmpty() && body.at(0).isLetter() && body.at(0).unicode() < 0x80)
        body.remove(0, 1);
    if (body.isEmpty())
        return false;
    const QStringList parts = body.split(QLatin1Char('.'));
    if (parts.size() > kMaxParts)
        return false;
    QStringList result;
    for (const QString& part : parts) {
        if (part.isEmpty())
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        int start = 0;
        while (start < part.size() - 1 && part.at(start) == QLatin1Char('0'))
            ++start;
        result << part.mid(start);
    }
    *numbers = result;
    return true;
}

// Numbers of any length compare as decimal text: without leading zeros the
// longer one is larger, and equal lengths compare digit by digit.
int FirmwareVersion::compareNumbers(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return QString::compare(a, b);
}

bool FirmwareVersion::isNewer(const QString& image, const QString& device)
{
    QStringList imageNumbers;
    if (!parse(image, &imageNumbers))
        return false;
    if (device.trimmed().isEmpty())
        return true;
    QStringList deviceNumbers;
    if (!parse(device, &deviceNumbers))
        return false;
    const int count = qMax(imageNumbers.size(), deviceNumbers.size());
    for (int i = 0; i < count; ++i) {
        const QString a = i < imageNumbers.size() ? imageNumbers.at(i) : QStringLiteral("0");
        const QString b = i < deviceNumbers.size() ? deviceNumbers.at(i) : QStringLiteral("0");
        const int c = compareNumbers(a, b);
        if (c != 0)
            return c > 0;
    }
    return false;
}
