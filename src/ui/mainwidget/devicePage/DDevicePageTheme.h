#pragma once

#include <QString>
#include <QVector>

// The device page's fonts, as data: which widget takes which of the theme's
// fonts at which size. Its colours are the application sheet's
// (30-device.qss); the painted parts take theirs from the theme's roles.
class DDevicePageTheme
{
public:
    enum Font { BoldFont = 0, NormalFont = 1 };

    struct FontRow
    {
        QString objectName;
        int font = NormalFont;
        int pointSize = 0;
    };

    static QVector<FontRow> fonts();
};
