#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// Keys whose caption is a name rather than what the description prints.
struct ShownName
{
    int keyDec;
    const char* text;
};

constexpr ShownName kShownNames[] = {
    {145, QT_TRANSLATE_NOOP("QObject", "Chinese")}, {144, QT_TRANSLATE_NOOP("QObject", "Korean/English")},
    {137, QT_TRANSLATE_NOOP("QObject", "K14")},     {100, QT_TRANSLATE_NOOP("QObject", "K45")},
    {135, QT_TRANSLATE_NOOP("QObject", "K56")},     {139, QT_TRANSLATE_NOOP("QObject", "K131")},
    {138, QT_TRANSLATE_NOOP("QObject", "K132")},    {136, QT_TRANSLATE_NOOP("QObject", "K133")},
};

constexpr int kCornerRadius = 3;
constexpr int kCaptionPointSize = 7;

} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(QWidget* parent)
    : QToolButton(parent)
    , m_captionFont(QStringLiteral("Microsoft YaHei"))
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_captionFont.setPointSize(kCaptionPointSize);
    m_captionFont.setWeight(QFont::Normal);
    // What the caption is drawn in is also what measuring the key reads.
    setFont(m_captionFont);
}

void SoftKeyboardButCustom::setFixedButtonSize(int w, int h)
{
    setFixedSize(qMax(0, w), qMax(0, h));
}

void SoftKeyboardButCustom::setKeyInfo(int keyDec, const QString& keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    QString shown = internationalKeyName(keyDec);
    if (shown.isNull())
        shown = keyCharacter;
    if (keyDec == 226 || keyDec == 230)
        shown = QStringLiteral("Alt");
    else if (keyDec == 36)
        shown = QStringLiteral("7&&");
    setText(shown);
}

QString SoftKeyboardButCustom::internationalKeyName(int keyDec)
{
    for (const ShownName& name : kShownNames) {
        if (name.keyDec == keyDec)
            return QCoreApplication::translate("QObject", name.text);
    }
    return QString();
}

void SoftKeyboardButCustom::setButtonState(int state)
{
    m_marked = state == 1;
    if (m_marked)
        showMarkedLook();
    else
        showPlainLook();
}

void SoftKeyboardButCustom::setRestoreOnLeave(bool restore)
{
    m_restoreOnLeave = restore;
}

void SoftKeyboardButCustom::enterEvent(QEvent* event)
{
    showMarkedLook();
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent* event)
{
    if (m_restoreOnLeave)
        showPlainLook();
    QToolButton::leaveEvent(event);
}

void SoftKeyboardButCustom::showMarkedLook()
{
    if (m_markedLook)
        return;
    m_markedLook = true;
    update();
}

void SoftKeyboardButCustom::showPlainLook()
{
    if (!m_markedLook)
        return;
    m_markedLook = false;
    update();
}

void SoftKeyboardButCustom::paintEvent(QPaintEvent*)
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath cap;
    cap.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(cap, roles.color(DThemeRoles::KeyCap));
    const QColor caption = roles.color(m_markedLook ? DThemeRoles::KeySelected : DThemeRoles::KeyCapText);
    if (m_markedLook) {
        painter.setClipPath(cap);
        painter.fillRect(QRect(0, height() - 1, width(), 1), caption);
        painter.setClipping(false);
    }
    painter.setFont(m_captionFont);
    painter.setPen(caption);
    painter.drawText(rect().adjusted(0, 0, 0, -1), Qt::AlignCenter | Qt::TextHideMnemonic, text());
}
