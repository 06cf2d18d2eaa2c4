#include "ui/widgets/DToolTipExplain.h"

#include <QLabel>
#include <QVBoxLayout>

DToolTipExplain::DToolTipExplain(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(QStringLiteral("ABC66666666666"), this))
{
    m_label->setObjectName(QStringLiteral("label_explain"));
    m_label->setMinimumHeight(40);
    m_label->setAlignment(Qt::AlignCenter);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_label);
}

void DToolTipExplain::setExplainText(QString text)
{
    m_label->setText(text);
}
