#include "ui/widgets/DCustomEventTipExplain.h"

#include "ui/widgets/DAppStyle.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>

namespace {
// Room beside a text that makes the tip grow, split on both sides; less
// puts the text against the bubble's edge.
constexpr int kTextRoom = 30;

QLabel* makeTipLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFixedSize(DCustomEventTipExplain::kLabelWidth, 30);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget* parent)
    : QWidget(parent)
    , m_keyNameLabel(makeTipLabel(QStringLiteral("label_keyName"), QStringLiteral("A"), this))
    , m_categoryLabel(makeTipLabel(QStringLiteral("label_category"), tr("Default"), this))
    , m_detailLabel(makeTipLabel(QStringLiteral("label_detail"), QStringLiteral("ABC666666CFK"), this))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 12);
    box->addWidget(m_keyNameLabel);
    box->addWidget(m_categoryLabel);
    box->addWidget(m_detailLabel);
}

void DCustomEventTipExplain::setTipInfo(QString keyName, QString category, QString detail, bool remappable)
{
    const bool highlighted = keyName == QLatin1String("fn") || keyName == QLatin1String("Fn")
                             || keyName == QLatin1String("FN") || !remappable;
    // The name and detail of such a key in the bubble's accent
    // (85-bubbles.qss).
    DAppStyle::setState(m_keyNameLabel, "highlighted", highlighted);
    DAppStyle::setState(m_detailLabel, "highlighted", highlighted);

    m_keyNameLabel->setText(keyName);
    m_categoryLabel->setText(category);

    // Measured in the font the style sheet gives the label, which is what
    // is drawn; a nominal font of the same family can be narrower.
    for (QLabel* label : {m_keyNameLabel, m_categoryLabel, m_detailLabel})
        label->ensurePolished();
    const QFontMetrics detailMetrics(m_detailLabel->font());
    if (detailMetrics.horizontalAdvance(detail) > kMaxDetailWidth)
        detail = detailMetrics.elidedText(detail, Qt::ElideRight, kMaxDetailWidth);
    m_detailLabel->setText(detail);

    int needed = 0;
    for (QLabel* label : {m_keyNameLabel, m_categoryLabel, m_detailLabel})
        needed = std::max(needed, QFontMetrics(label->font()).horizontalAdvance(label->text()) + kTextRoom);
    const int width = std::max(kLabelWidth, needed);
    for (QLabel* label : {m_keyNameLabel, m_categoryLabel, m_detailLabel})
        label->setFixedWidth(width);
    adjustSize();
}
