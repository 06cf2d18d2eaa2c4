#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class DShownTimer;
class QLabel;

// A marquee: a label that a timer moves sideways, so a name too long for its
// place can still be read.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle {
        MoveStyle_Bounce = 0,
        MoveStyle_Right = 1,
        MoveStyle_Left = 2,
    };
    Q_ENUM(MoveStyle)

    explicit TextMoveWidget(QWidget* parent = nullptr);

public slots:
    void setText(QString text);
    void setTextFont(QString textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(QColor foreground);
    void setBackground(QColor background);
    void setMoveStyle(MoveStyle moveStyle);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void updatePos();

private:
    void setHoverLook(bool hovering);
    void measureText();

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    // Until a page sets its own: the theme's accent text on nothing.
    QColor m_foreground;
    QColor m_background;
    MoveStyle m_moveStyle = MoveStyle_Bounce;
    bool m_hovering = false;
    bool m_movingRight = true;
    int m_textX = 0;
    int m_textY = 0;
    int m_textWidth = 0;
    QLabel* m_label = nullptr;
    DShownTimer* m_timer = nullptr;
};
