#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A painted slider with a fixed number of steps: the handle only ever rests
// on a tick, so brightness, speed and debounce values stay on their levels.
class sliderCustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit sliderCustomWidget(QWidget* parent = nullptr);

    void setSliderSize(int w, int h);
    void setStepCount(int n);
    void setCurrentIndex(int i);
    void setMargin(int margin);
    void setTrackColor(QColor color);
    void setTickColor(QColor color);
    void setHandleColor(QColor color);

    QList<int> tickPositions() const { return m_tickXs; }
    int trackEnd() const { return m_trackEnd; }
    int handleX() const { return m_handleX; }

signals:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int nearTickIndex(int x) const;
    void jumpTo(int index);

    int m_stepCount = 5;
    int m_trackEnd = 120;
    QList<int> m_tickXs;
    int m_trackY = 15;
    int m_handleX = 10;
    int m_handleY = 14;
    int m_margin = 10;
    // Until a page sets its own: the theme's slider colours.
    QColor m_trackColor;
    QColor m_tickColor;
    QColor m_handleColor;
};
