#pragma once

#include <QColor>
#include <QPoint>
#include <QToolButton>

// One LED of the side light bar, drawn as a soft gradient in its colour.
class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT
public:
    explicit sideLightButtonCustom(QWidget* parent = nullptr);
    ~sideLightButtonCustom() override;

    void setFixedKeySize(int w, int h);
    void setKeyPosition(int x, int y);
    QPoint keyPosition() const { return m_position; }
    void setLedIndex(int index, int validStatus);
    int ledIndex() const { return m_ledIndex; }
    int validStatus() const { return m_validStatus; }
    void setRounded(bool rounded);
    void setLightColor(QColor color);
    QColor lightColor() const { return m_lightColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_posX = 0;
    int m_posY = 0;
    int m_ledIndex = 0;
    int m_validStatus = 0;
    QPoint m_position;
    QColor m_lightColor{0, 0, 0, 128};
    bool m_rounded = false;
};
