#pragma once

#include "ui/mainwidget/devicePage/triggerSetting/DTravelScale.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The travel indicator of the trigger page: a vertical bar with one segment
// per travel level, handles the user drags to choose levels (one common
// handle, or press on the left and release on the right) and the live travel
// of a pressed key as filled segments from the top. It knows nothing of the
// keyboard; the page feeds it and hears the chosen levels.
class DSensitivityShowWidget : public QWidget
{
    Q_OBJECT

public:
    // whereData of sigCurrentStrengthNumBack.
    enum Handle {
        PressHandle = 0,
        CommonHandle = 1,
        ReleaseHandle = 2,
    };

    explicit DSensitivityShowWidget(QWidget* parent = nullptr);

    void setShowSize(int width, int height);
    void setLevelCount(int count);
    void setLevelInset(int width);
    void setShowColors(QColor segment, QColor live, QColor third, QColor label, QColor background);
    // The loaded theme's colours: segments in the scroll track's, live travel
    // and labels in the accent, the rest on the panel's.
    void setThemeColors();
    void setCommonLevel(int n);
    void setPressLevel(int n);
    void setReleaseLevel(int n);
    void setLiveTravel(int n);
    void setSeparateMode(int mode);
    void setIndicatorFlag(bool shown);
    void setQuickTriggerMode(bool on);
    // The label beside a handle as last drawn: the level it stands on, in
    // millimetres, which is the travel the keyboard is sent for it.
    QString handleLabel(Handle handle) const;

signals:
    // Once for every handle drawn, on every repaint: the level it stands on.
    void sigCurrentStrengthNumBack(int whereData, int StrengthNum);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int barLeft() const { return m_showWidth / 2 - m_barWidth / 2; }
    int barRight() const { return m_showWidth / 2 + m_barWidth / 2; }
    void drawHandle(QPainter& painter, Handle handle);

    int m_showWidth = 0;
    int m_showHeight = 0;
    DTravelScale m_scale{10};
    QColor m_segmentColor;
    QColor m_liveColor;
    QColor m_thirdColor;
    QColor m_labelColor;
    QColor m_backgroundColor;
    int m_barWidth = 100;
    int m_liveTravel = 0;
    int m_mode = 0;
    bool m_liveShown = true;
    bool m_keepApart = false;
    bool m_dragging = false;
    int m_commonY = 0;
    int m_pressY = 0;
    int m_releaseY = 0;
    Handle m_activeHandle = CommonHandle;
    QPixmap m_commonPixmap;
    QPixmap m_pressPixmap;
    QPixmap m_releasePixmap;
    QPixmap m_pressDownPixmap;
    QPixmap m_releaseUpPixmap;
    int m_lastPressY = -1;
    int m_lastReleaseY = -1;
    DTravelScale::Gradient m_gradient{};
    int m_commonLevel = 0;
    int m_pressLevel = 0;
    int m_releaseLevel = 0;
    int m_savedPressLevel = 0;
    int m_savedReleaseLevel = 0;
};
