#pragma once

#include "app/themeColorData.h"

#include <QColor>
#include <QString>
#include <QVector>

// The device page's look for one theme, as data: which widget gets which
// style-sheet template filled with which theme fields, and the colours of the
// painted parts (toast, marquee, rubber band, key caps). The page only
// applies what this class computes.
class DDevicePageTheme
{
public:
    enum Font { NoFont = -1, BoldFont = 0, NormalFont = 1 };

    struct Style
    {
        QString objectName;
        // Empty when the widget only gets a font.
        QString styleSheet;
        int font = NoFont;
        int pointSize = 0;
    };

    // Every restyled widget of the page, in the order the page applies them.
    // The list rows restyle themselves after the first listColumnStyleCount.
    static QVector<Style> styles(const themeColorData& theme);
    static constexpr int kListColumnStyleCount = 5;

    // Kept by the page and given to the list's scroll area a moment later.
    static QString scrollBarStyle(const themeColorData& theme);

    static QColor toastBackground(const themeColorData& theme);
    static QColor toastText(const themeColorData& theme);
    // Accent of the marquee, the rubber band and the key caps: opaque.
    static QColor accent(const themeColorData& theme);
    static QColor keyCapClickedColor() { return QColor(220, 40, 45); }
    static QColor marqueeBackground() { return QColor(0, 0, 0, 1); }
};
