#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The lighting page's colour picker: a colour disc inside a ring with a knob.
// A press inside the disc picks the colour under the pointer; dragging on the
// ring turns the knob, whose position (0..100) the page takes as brightness.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSize = 120;
    // A press nearer than this to the centre picks a colour; farther turns the knob.
    static constexpr int kDiscRadius = 40;

    explicit SVColorArea(QWidget* parent = nullptr);

    void resetKnob();
    // The colour the page edits, marked on the disc where the disc shows it;
    // an invalid colour marks nothing.
    void setMarkedColor(const QColor& color);
    QColor markedColor() const { return m_markedColor; }
    // Where the disc shows the hue and saturation of a colour.
    static QPointF markerPoint(const QColor& color);
    void setHue(int hue);
    void setSaturation(int saturation);
    void setHsvValue(int value);
    void setHsv(int hue, int saturation, int value);
    void setColor(QColor color);
    void setKnobColor(QColor color);

    double knobValue() const { return m_knobValue; }

    // "#RRGGBB" in upper-case hexadecimal.
    static QString hexText(int r, int g, int b);

signals:
    void svChangedSignal(int hue, int saturation, int hsvValue);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool isPress);

public slots:
    void hueChangedSlot(int hue);
    void print2();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void drawDisc(QPixmap& target, int whiteRadius, const QRectF& whiteDisc) const;
    void redrawWheel();
    void setKnobFromPoint(const QPoint& point);
    double knobAngle() const;
    // The colour under the pointer: the screen's pixel where the platform can
    // read it, else this widget's own rendering at that point.
    QColor colourUnderPointer();

    int m_hue = 0;
    int m_saturation = 0;
    int m_hsvValue = 0;
    int m_ringDiameter = 80;
    QPixmap m_wheelImage;
    QPixmap m_discImage;
    QColor m_knobColorFrom{255, 49, 53};
    QColor m_knobColorTo{250, 250, 250};
    double m_knobValue = 0.0;
    double m_knobMax = 100.0;
    double m_knobMin = 0.0;
    int m_knobStartMargin = 0;
    int m_knobEndMargin = 0;
    bool m_pressedInside = false;
    QColor m_markedColor;
};
