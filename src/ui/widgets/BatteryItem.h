#pragma once

#include <QColor>
#include <QLabel>

// The battery icon of the device page: an outline filled to the charge,
// coloured by how low it is, with the percentage over it.
class BatteryItem : public QLabel
{
    Q_OBJECT

public:
    explicit BatteryItem(QWidget* parent = nullptr);

    void setLevel(int percent);
    void setShowText(bool show);
    void setAccentColor(QColor color);

    int level() const { return m_level; }
    bool showText() const { return m_showText; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor{100, 100, 100};
    QColor m_accentColor{150, 80, 30};
    int m_level = 0;
    bool m_showText = true;
};
