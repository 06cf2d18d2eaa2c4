#pragma once

#include <QFont>
#include <QString>
#include <QToolButton>

// One key of the on-screen keyboard. Under the pointer every key shows the
// marked look, so the user sees which key a click names; a key the page has
// marked keeps that look when the pointer leaves. The key draws itself in the
// theme's key colours (a cap, its caption, and in the marked look the
// caption and a bottom line in the selection colour): a hundred keys with a
// style sheet each cost more to polish than to paint.
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

    // The translated name of an international or input-method key, which
    // both caption and label use; null for any other key.
    static QString internationalKeyName(int keyDec);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showMarkedLook();
    void showPlainLook();

    int m_keyDec = 0;
    QString m_keyCharacter;
    bool m_restoreOnLeave = true;
    bool m_marked = false;
    bool m_markedLook = false;
    QFont m_captionFont;
};
