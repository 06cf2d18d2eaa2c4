#include "profiles/DSeniorKeyCombination.h"

#include "app/DKeyCombinationText.h"

namespace {

constexpr int kFirstModifier = 224; // L_CTRL; R_WIN is 231
constexpr int kModifierCount = 8;
constexpr int kMaxModifiers = 2;

} // namespace

QString DSeniorKeyCombination::modifierName(int usage)
{
    if (usage < kFirstModifier || usage >= kFirstModifier + kModifierCount)
        return QString();
    return DKeyCombinationText::modifierNames(1 << (usage - kFirstModifier)).value(0);
}

DSeniorKeyCombination::Step DSeniorKeyCombination::pick(int usage, const QMap<int, QString>& captions)
{
    if (!m_active) {
        m_names.clear();
        m_mask = 0;
        m_key = 0;
    }
    m_active = true;
    const QString modifier = modifierName(usage);
    if (modifier.isEmpty()) {
        if (m_names.isEmpty())
            return Step::Ignored;
        m_active = false;
        if (!captions.contains(usage))
            return Step::Abandoned;
        m_key = usage;
        addName(captions.value(usage));
        m_names.clear();
        m_keyText = QByteArray::number(m_mask) + ',' + QByteArray::number(m_key);
        m_mask = 0;
        m_key = 0;
        return Step::Committed;
    }
    if (m_names.size() >= kMaxModifiers)
        return Step::Ignored;
    m_mask |= 1 << (usage - kFirstModifier);
    addName(modifier);
    return Step::Collecting;
}

void DSeniorKeyCombination::addName(const QString& name)
{
    if (m_names.contains(name))
        return;
    m_names << name;
    m_shown = m_names.join(QLatin1Char('+'));
}
