#pragma once

#include "profiles/DDksActionRules.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

// The DKS action grid: four key rows by four trigger phases of one stroke.
// A click on a point sets or clears a tap there, a drag from the right edge
// of a tap draws a hold towards later phases, and a click on a hold removes
// it. Edits go into the widget's copy of the record and are announced; the
// editor stores them. Until a record is given the grid is only drawn.
class DDksShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DDksShowWidget(QWidget* parent = nullptr);

    void setGridSize(int width, int height);
    void setSeniorKeyInfo(seniorKeyInfoStu info);
    seniorKeyInfoStu seniorKeyInfo() const { return m_seniorKeyInfo; }

signals:
    void sigDksPageMouseMovePointXY(int posX, int posY);
    void sigTheSeniorKeyInfoStuNeedUpdate_DKS();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int& value(int keyRow, int phase);
    DDksActionRules::Row row(int keyRow) const;
    void trackHover(int x, int y);
    void evaluateDrag();
    void logRow(const char* prefix, const DDksActionRules::Row& row) const;

    int m_accentRed = 0;
    int m_accentGreen = 0;
    int m_accentBlue = 0;
    bool m_recordSet = false;
    seniorKeyInfoStu m_seniorKeyInfo;
    int m_width = 0;
    int m_height = 0;
    int m_columnCount = 4;
    int m_rowCount = 4;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    QList<int> m_columnX;
    QList<int> m_rowY;
    QList<int> m_columnMidX;
    QPixmap m_pixmapDefault;
    QPixmap m_pixmapSelected;
    bool m_hover = false;
    int m_hoverX = 0;
    int m_hoverY = 0;
    int m_hoverPhase = 0;
    int m_hoverKey = 0;
    int m_mousePressPosX = 0;
    int m_mousePressPosY = 0;
    bool m_pressed = false;
    bool m_dragArmed = false;
    int m_dragX = 0;
    int m_dragY = 0;
    bool m_pastMidpoint = false;
    int m_spanMax = 0;
    int m_span = 0;
    int m_lastBarLength = 0;
    DDksActionRules::Row m_OneHorizontalKeysTypeTemp{};
    int m_editRow = 0;
    bool m_rowChanged = false;
    // What the last drag evaluation drew: bar and snapped preview widths,
    // 0 for none.
    int m_barWidth = 0;
    int m_previewWidth = 0;
};
