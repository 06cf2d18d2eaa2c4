#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "ui/widgets/DAppStyle.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>
#include <QVariant>

namespace {

QString delayText(const QString& delay)
{
    return QObject::tr("%1 MS").arg(delay);
}

// The mouse button a stored name speaks of, translated for display; the
// stored name itself stays untranslated.
QString mouseButtonText(const QString& codeName)
{
    if (codeName.contains(QLatin1String("Left")))
        return QObject::tr("Left Click");
    if (codeName.contains(QLatin1String("Center")))
        return QObject::tr("Center Click");
    if (codeName.contains(QLatin1String("Right")))
        return QObject::tr("Right Click");
    return QString();
}

} // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DCatchKeyAndMouseItem)
    , m_mark(mark)
{
    m_ui->setupUi(this);
    setFixedHeight(46);
    m_ui->label_MarkNum->setText(mark);
    m_ui->pushButton_Delete->hide();
    m_ui->label_2->hide();
    m_ui->label_MarkNum->hide();

    applyLook(QStringLiteral("rest"));
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete m_ui;
}

void DCatchKeyAndMouseItem::setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    const bool isKey = type == QLatin1String("key");
    const bool isMouse = type == QLatin1String("mouse");
    DAppStyle::setState(m_ui->pushButton_EventSelect, "kind",
                        isKey     ? QStringLiteral("key")
                        : isMouse ? QStringLiteral("mouse")
                                  : QStringLiteral("other"));
    if (isKey || isMouse)
        DAppStyle::setState(m_ui->pushButton_EventStatus, "operate", operateExplain);
    m_ui->label_DelayTime->setText(delayText(QString::number(delay)));
    // The kind icon compares exactly, the text looks for the word: a type
    // that merely contains "mouse" shows a button name with the time icon.
    m_ui->label_CatchEventExplain->setText(type.contains(QLatin1String("mouse")) ? mouseButtonText(codeName)
                                                                                 : codeName);
    m_delay = QString::number(delay);
    m_type = type;
    m_keyCode = QString::number(keyCode);
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelay(int delay)
{
    m_delay = QString::number(delay);
    m_ui->label_DelayTime->setText(delayText(m_delay));
}

void DCatchKeyAndMouseItem::setHighlighted(bool on)
{
    applyLook(on ? QStringLiteral("highlighted") : QStringLiteral("rest"));
}

void DCatchKeyAndMouseItem::setSelected(bool on)
{
    applyLook(on ? QStringLiteral("selected") : QStringLiteral("rest"));
}

void DCatchKeyAndMouseItem::applyLook(const QString& look)
{
    // The rules select on each part: a property of the row alone would not
    // have the style read its parts' rules again.
    for (QWidget* part : {static_cast<QWidget*>(m_ui->frame), static_cast<QWidget*>(m_ui->label_DelayTime),
                          static_cast<QWidget*>(m_ui->label_CatchEventExplain)})
        DAppStyle::setState(part, "look", look);
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent* event)
{
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
    event->accept();
}

void DCatchKeyAndMouseItem::enterEvent(QEvent* event)
{
    m_ui->pushButton_Delete->show();
    emit sigMouseEnter(m_mark, m_operateExplain);
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent* event)
{
    m_ui->pushButton_Delete->hide();
    emit sigMouseLeave(m_mark, m_operateExplain);
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
