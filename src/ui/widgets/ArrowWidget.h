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
    void setArrowX(int x);
    void setContentWidget(QWidget* content);
    void setBackgroundColor(int r, int g, int b);

    QColor backgroundColor() const { return m_backgroundColor; }

    // Kept for the page that owns the bubble: whether it has opened it and
    // not yet seen it close.
    bool isPopupOpen() const { return m_popupOpen; }
    void setPopupOpen(bool open) { m_popupOpen = open; }

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
};
