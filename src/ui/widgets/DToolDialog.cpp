#include "ui/widgets/DToolDialog.h"

#include "app/DDataManager.h"
#include "ui/widgets/DPopupShape.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

DToolDialog::DToolDialog(QWidget* parent, const QSize& size)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
{
    DPopupShape::apply(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 12, 16, 20);
    outer->setSpacing(14);
    auto* title = new QHBoxLayout;
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("label_Caption"));
    QFont captionFont = DDataManager::getInstance()->getFont(0);
    captionFont.setPointSize(14);
    m_caption->setFont(captionFont);
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("pushButton_Close"));
    m_closeButton->setFixedSize(16, 16);
    title->addWidget(m_caption);
    title->addStretch();
    title->addWidget(m_closeButton);
    outer->addLayout(title);
    m_content = new QVBoxLayout;
    m_content->setSpacing(12);
    outer->addLayout(m_content);
    outer->addStretch();

    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        aboutToClose();
        close();
    });
}

void DToolDialog::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void DToolDialog::paintEvent(QPaintEvent* /*event*/)
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    painter.fillPath(panel, roles.color(DThemeRoles::DialogSurface));
    painter.setPen(QPen(roles.color(DThemeRoles::DialogBorder), 1));
    painter.drawPath(panel);
}
