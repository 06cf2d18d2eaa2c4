#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"

#include <QCoreApplication>

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

QString marked(const QString& accent)
{
    return QStringLiteral("color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid rgb(%1); "
                          "border-radius:3px;")
        .arg(accent);
}

QString plain(const QString& text)
{
    return QStringLiteral(
               "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;")
        .arg(text);
}

} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(QWidget* parent)
    : QToolButton(parent)
    , m_markedStyle(QStringLiteral("color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid #FF3135; "
                                   "border-radius:3px;"))
    , m_plainStyle(QStringLiteral("color:#c3c3c3; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid "
                                  "#7F8386; border-radius:3px;"))
    , m_backgroundStyle(QStringLiteral("background-color:#4b4b4b;"))
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    showPlainLook();
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

void SoftKeyboardButCustom::setThemeColors(const QString& textColor, const QString& accentColor,
                                           const QString& backgroundColor)
{
    m_markedStyle = marked(accentColor);
    m_plainStyle = plain(textColor);
    m_backgroundStyle = QStringLiteral("background-color:rgb(%1);").arg(backgroundColor);
    setButtonState(m_marked ? 1 : 0);
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
    setStyleSheet(m_markedStyle + m_backgroundStyle);
}

void SoftKeyboardButCustom::showPlainLook()
{
    setStyleSheet(m_plainStyle + m_backgroundStyle);
}
