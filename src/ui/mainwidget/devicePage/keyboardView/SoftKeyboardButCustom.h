#pragma once

#include <QString>
#include <QToolButton>

// One key of the on-screen keyboard. Under the pointer every key shows the
// marked look, so the user sees which key a click names; a key the page has
// marked keeps that look when the pointer leaves.
class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit SoftKeyboardButCustom(QWidget* parent = nullptr);

    void setFixedButtonSize(int w, int h);
    void setKeyInfo(int keyDec, const QString& keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }

    // 0 plain, 1 marked.
    void setButtonState(int state);
    void setRestoreOnLeave(bool restore);
    // Colours are "r,g,b" texts.
    void setThemeColors(const QString& textColor, const QString& accentColor, const QString& backgroundColor);

    // The translated name of an international or input-method key, which
    // both caption and label use; null for any other key.
    static QString internationalKeyName(int keyDec);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showMarkedLook();
    void showPlainLook();

    int m_keyDec = 0;
    QString m_keyCharacter;
    bool m_restoreOnLeave = true;
    bool m_marked = false;
    QString m_markedStyle;
    QString m_plainStyle;
    QString m_backgroundStyle;
};
