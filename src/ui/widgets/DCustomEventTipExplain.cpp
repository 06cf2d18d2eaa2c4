#include "ui/widgets/DCustomEventTipExplain.h"

#include "app/DDataManager.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kTipFamily = QStringLiteral("Microsoft YaHei");
// Room beside a text that makes the tip grow, split on both sides; less
// puts the text against the bubble's edge.
constexpr int kTextRoom = 30;

QLabel* makeTipLabel(const QString& name, const QString& text, int points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFixedSize(DCustomEventTipExplain::kLabelWidth, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: rgb(%3); font: 75 %1pt \"%2\";")
                             .arg(points)
                             .arg(kTipFamily, DDataManager::getInstance()->themeColors().textDefaultColor));
    return label;
}
} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget* parent)
    : QWidget(parent)
    , m_keyNameLabel(makeTipLabel(QStringLiteral("label_keyName"), QStringLiteral("A"), 14, this))
    , m_categoryLabel(makeTipLabel(QStringLiteral("label_category"), tr("Default"), 12, this))
    , m_detailLabel(makeTipLabel(QStringLiteral("label_detail"), QStringLiteral("ABC666666CFK"), 12, this))
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
    // In the theme's text colour and accent: the bubble takes the theme's.
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    const QString style = QStringLiteral("color: rgb(%2); font: 75 12pt \"%1\";")
                              .arg(kTipFamily, highlighted ? theme.textCheckedColor : theme.textDefaultColor);
    m_keyNameLabel->setStyleSheet(style);
    m_detailLabel->setStyleSheet(style);

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
