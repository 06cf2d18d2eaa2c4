#pragma once

#include <QString>
#include <QStringList>

// Firmware version texts such as "V1.0.10" or "1.2": an optional leading
// letter, then numbers separated by dots.
class FirmwareVersion
{
public:
    // True when `image` names a strictly later firmware than `device`,
    // comparing the numbers one by one (missing ones count as 0), so
    // V1.0.10 is later than V1.0.9 and "v1.0.3" equals "V1.0.3". An
    // unreadable text is never later, and nothing is later than an
    // unreadable device version, except that an empty device version
    // counts as older than any readable image.
    static bool isNewer(const QString& image, const QString& device);

    // The numbers of a version text without leading zeros; false when the
    // text is not a version.
    static bool parse(const QString& text, QStringList* numbers);

private:
    static int compareNumbers(const QString& a, const QString& b);
};
