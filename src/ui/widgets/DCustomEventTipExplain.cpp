#include "ui/widgets/DCustomEventTipExplain.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kTipFamily = QStringLiteral("Microsoft YaHei");

QLabel* makeTipLabel(const QString& name, const QString& text, int points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFixedSize(230, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("color: rgb(245, 245, 245); font: 75 %1pt \"%2\";").arg(points).arg(kTipFamily));
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
    const QString style
        = QStringLiteral("color: rgb(%2); font: 75 12pt \"%1\";")
              .arg(kTipFamily, highlighted ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245"));
    m_keyNameLabel->setStyleSheet(style);
    m_detailLabel->setStyleSheet(style);

    m_keyNameLabel->setText(keyName);
    m_categoryLabel->setText(category);

    QFont detailFont(kTipFamily);
    detailFont.setPointSize(12);
    const QFontMetrics metrics(detailFont);
    if (metrics.horizontalAdvance(detail) >= kMaxDetailWidth)
        detail = metrics.elidedText(detail, Qt::ElideRight, kMaxDetailWidth);
    m_detailLabel->setText(detail);
}
