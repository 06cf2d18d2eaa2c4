#include "app/DKeyCombinationText.h"

#include "app/DKeyFunctionDescriber.h"

#include <iterator>

namespace {

constexpr const char* kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

} // namespace

QStringList DKeyCombinationText::modifierNames(int mask)
{
    QStringList names;
    for (int bit = 0; bit < int(std::size(kModifierNames)); ++bit) {
        if (mask & (1 << bit))
            names << QLatin1String(kModifierNames[bit]);
    }
    return names;
}

QString DKeyCombinationText::text(int mask, const int* usage, const QMap<int, QString>& captions)
{
    QStringList parts = modifierNames(mask);
    if (usage && captions.contains(*usage))
        parts << captions.value(*usage);
    return parts.join(QLatin1Char('+'));
}

QString DKeyCombinationText::storedText(const QByteArray& value, const QMap<int, QString>& captions)
{
    const QList<QByteArray> parts = value.split(',');
    const int usage = parts.size() > 1 ? DKeyFunctionDescriber::leadingNumber(parts.at(1)) : 0;
    return text(DKeyFunctionDescriber::leadingNumber(parts.at(0)), parts.size() > 1 ? &usage : nullptr, captions);
}
