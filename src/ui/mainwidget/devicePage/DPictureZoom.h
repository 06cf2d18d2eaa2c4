#pragma once

#include <QString>

// The keyboard picture's zoom, 1.0 to 2.0 in steps of 0.1. The limits are
// read from the label's one-decimal text, so adding 0.1 ten times in float
// never slips past 2.0 or below 1.0.
class DPictureZoom
{
public:
    static constexpr float kStep = 0.1f;
    static constexpr float kMinimum = 1.0f;
    static constexpr float kMaximum = 2.0f;

    static QString labelText(float scale);
    // Moves the scale one step in or out; false (and the scale unchanged)
    // when the label already shows the limit.
    static bool zoom(float* scale, const QString& shownText, bool zoomIn);
};
