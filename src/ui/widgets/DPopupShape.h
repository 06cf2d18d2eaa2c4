#pragma once

#include <QObject>

class QWidget;

// Pop-ups with rounded corners, an arrow or a shadow draw on a transparent
// window. Where the desktop composites, the window is translucent; where it
// does not (an X11 window manager without a compositing manager), its
// transparent parts would show as black boxes, so it draws opaque and is cut
// to the shape it paints.
class DPopupShape : public QObject
{
    Q_OBJECT

public:
    // Call in the pop-up's constructor, where it would set
    // Qt::WA_TranslucentBackground. The shape follows the pop-up (parented
    // to it).
    static void apply(QWidget* popup);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DPopupShape(QWidget* popup);
    void cutToShape(QWidget* popup);

    bool m_cutting = false;
};
