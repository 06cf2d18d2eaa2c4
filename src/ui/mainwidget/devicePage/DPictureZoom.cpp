#include "ui/mainwidget/devicePage/DPictureZoom.h"

QString DPictureZoom::labelText(float scale)
{
    return QString::number(double(scale), 'f', 1);
}

bool DPictureZoom::zoom(float* scale, const QString& shownText, bool zoomIn)
{
    if (shownText == QLatin1String(zoomIn ? "2.0" : "1.0"))
        return false;
    // Half a step of slack: the label decides, this only stops a label that
    // lost its text from letting the picture run away.
    const float next = *scale + (zoomIn ? kStep : -kStep);
    if (next > kMaximum + kStep / 2 || next < kMinimum - kStep / 2)
        return false;
    *scale = next;
    return true;
}
