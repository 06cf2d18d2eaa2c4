#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>

namespace {

constexpr char kFrameStyle[]
    = "QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}";
constexpr char kDelayFrameStyle[]
    = "QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); background-color: transparent;}";
constexpr char kLabelStyle[] = "QLabel{ color: rgb(%1); font: 75 10pt \"%2\"; }";

constexpr char kKeyIcon[] = "QPushButton{ border-image:url(:/images/macro/keyboardSel.png);}";
constexpr char kMouseIcon[] = "QPushButton{ border-image:url(:/images/macro/mouseSel.png);}";
constexpr char kOtherIcon[] = "QPushButton{ border-image:url(:/images/macro/timeSel.png);}";
constexpr char kDownIcon[] = "QPushButton{ border-image:url(:/images/macro/keyDownSel.png);}";
constexpr char kUpIcon[] = "QPushButton{ border-image:url(:/images/macro/keyUpDef.png);}";

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

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    m_borderColor = theme.macroBorderColor;
    m_selectedBgColor = theme.macroListItemSelectedColor;
    m_defaultBgColor = theme.macroCenterBgColor;
    m_textColor = theme.macroListItemTextColor;
    m_selectedTextColor = theme.textCheckedColor;
    m_fontFamily = theme.textFont;
    m_ui->frame_2->setStyleSheet(
        DThemeColor::fillStyleSheet(QString::fromLatin1(kDelayFrameStyle), {m_borderColor}));
    applyLook(m_defaultBgColor, m_textColor);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete m_ui;
}

void DCatchKeyAndMouseItem::setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    const bool isKey = type == QLatin1String("key");
    const bool isMouse = type == QLatin1String("mouse");
    m_ui->pushButton_EventSelect->setStyleSheet(QString::fromLatin1(isKey     ? kKeyIcon
                                                                    : isMouse ? kMouseIcon
                                                                              : kOtherIcon));
    if (isKey || isMouse) {
        if (operateExplain == QLatin1String("down"))
            m_ui->pushButton_EventStatus->setStyleSheet(QString::fromLatin1(kDownIcon));
        else if (operateExplain == QLatin1String("up"))
            m_ui->pushButton_EventStatus->setStyleSheet(QString::fromLatin1(kUpIcon));
    }
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
    applyLook(on ? m_selectedBgColor : m_defaultBgColor, m_textColor);
}

void DCatchKeyAndMouseItem::setSelected(bool on)
{
    applyLook(on ? m_selectedBgColor : m_defaultBgColor, on ? m_selectedTextColor : m_textColor);
}

void DCatchKeyAndMouseItem::applyLook(const QString& background, const QString& textColor)
{
    m_ui->frame->setStyleSheet(
        DThemeColor::fillStyleSheet(QString::fromLatin1(kFrameStyle), {m_borderColor, background}));
    const QString labelStyle = DThemeColor::fillStyleSheet(QString::fromLatin1(kLabelStyle), {textColor, m_fontFamily});
    m_ui->label_DelayTime->setStyleSheet(labelStyle);
    m_ui->label_CatchEventExplain->setStyleSheet(labelStyle);
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
