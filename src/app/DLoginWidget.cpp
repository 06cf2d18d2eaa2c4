#include "app/DLoginWidget.h"

#include "ui_DLoginWidget.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

DLoginWidget::DLoginWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DLoginWidget)
{
    m_ui->setupUi(this);
    setFixedSize(300, 400);
    setWindowIcon(QIcon(QStringLiteral(":/images/orvaneLogo.png")));
    setWindowOpacity(0);
}

DLoginWidget::~DLoginWidget()
{
    delete m_ui;
}

void DLoginWidget::autoLogin()
{
    on_pushButton_Login_clicked();
}

void DLoginWidget::on_pushButton_Login_clicked()
{
    emit sigLoginFinished(true);
}

void DLoginWidget::fadeOut()
{
    auto* effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto* animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(100);
    animation->setStartValue(1.0);
    animation->setEndValue(0.0);
    animation->setEasingCurve(QEasingCurve::OutBack);
    connect(animation, &QPropertyAnimation::finished, this, &QWidget::hide);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
