#include "ui/widgets/DToolTipExplain.h"

#include "app/DDataManager.h"

#include <QLabel>
#include <QVBoxLayout>

DToolTipExplain::DToolTipExplain(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(QStringLiteral("ABC66666666666"), this))
{
    m_label->setObjectName(QStringLiteral("label_explain"));
    m_label->setMinimumHeight(40);
    // The bubble is drawn in the theme's colour, so the text takes the
    // theme's text colour: a fixed white would vanish on a light bubble.
    m_label->setStyleSheet(
        QStringLiteral("border: 0px solid rgb(46, 47, 80); color: rgb(%1); font: 75 12pt \"Microsoft YaHei\";")
            .arg(DDataManager::getInstance()->themeColors().textDefaultColor));
    m_label->setAlignment(Qt::AlignCenter);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_label);
}

void DToolTipExplain::setExplainText(QString text)
{
    m_label->setText(text);
}
