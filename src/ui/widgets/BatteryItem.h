#pragma once

#include "app/DThemeRoles.h"

#include <QColor>
#include <QLabel>

// The battery icon of the device page: an outline filled to the charge,
// coloured by how low it is (the theme's error, warning or success colour),
// with the percentage over it.
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
    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_fillWidth = 0;
    DThemeRoles::Role m_fillRole = DThemeRoles::SuccessText;
    QColor m_accentColor;
    int m_level = 0;
    bool m_showText = true;
};
