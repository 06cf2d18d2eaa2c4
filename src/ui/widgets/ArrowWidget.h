#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

// The pop-up bubble: a frameless, always-on-top window with rounded corners,
// a soft shadow and an optional arrow pointing at the control it belongs to.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    enum ArrowSide {
        ArrowTop = 0,
        ArrowBottom = 1,
    };

    explicit ArrowWidget(int arrowSide, QWidget* parent = nullptr);

    void setPopupSize(int width, int height);
    // Keeps the height and makes the bubble at least minimumWidth wide, or as
    // wide as its content asks for (a long translation), so nothing is cut.
    void widenForContent(int minimumWidth);
    void setArrowX(int x);
    void setContentWidget(QWidget* content);
    // A bubble is painted in the theme's bubble colour, outlined, unless its
    // owner gives it a colour of its own.
    void setBackgroundColor(int r, int g, int b);
    QColor backgroundColor() const;

    // The height of a bubble whose content is contentHeight high.
    static int heightFor(int arrowSide, int contentHeight);

    // Kept for the page that owns the bubble: whether it has opened it and
    // not yet seen it close.
    bool isPopupOpen() const { return m_popupOpen; }
    void setPopupOpen(bool open) { m_popupOpen = open; }

    // A bubble that listens for keys stays while the keyboard is grabbed
    // away from it or another program is used; its owner closes it.
    void setClosesOnDeactivation(bool closes) { m_closesOnDeactivation = closes; }
    // A bubble that is never made the active window (so the keyboard stays
    // with the window it belongs to) closes on a click anywhere else in the
    // program instead.
    void setClosesOnClickOutside(bool closes) { m_closesOnClickOutside = closes; }
    // A click on this control (the one the bubble belongs to) counts as one
    // inside the bubble.
    void setCompanion(QWidget* companion) { m_companion = companion; }

    // Hides the bubble as losing activation does, with the hide signal; a
    // hidden bubble says nothing more.
    void dismiss();

    // Body and arrow of a bubble of that size as one outline; the 15-pixel
    // band around the body leaves room for the shadow.
    static QPainterPath bubblePath(int arrowSide, int width, int height, int arrowX);

signals:
    void sigArrowWidgetHide();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_arrowX = 50;
    int m_arrowSide;
    QColor m_backgroundColor;
    bool m_popupOpen = false;
    bool m_dismissing = false;
    bool m_closesOnDeactivation = true;
    bool m_closesOnClickOutside = false;
    bool m_watchingClicks = false;
    QWidget* m_companion = nullptr;
};
