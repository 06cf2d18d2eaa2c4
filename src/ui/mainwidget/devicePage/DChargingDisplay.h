#pragma once

#include <QString>

// What the battery indicator shows for a status report of the selected
// keyboard, and the steps of the charging animation.
class DChargingDisplay
{
public:
    enum ChargingStatus { Charging = 1, FullyCharged = 2 };
    static constexpr int kFullLevel = 100;
    static constexpr int kAnimationIntervalMs = 50;

    struct View
    {
        bool chargingMarkShown = false;
        bool levelTextShown = true;
        int level = 0; // set on the icon unless animating
        bool animating = false; // the charging animation runs instead of a level
    };

    // A report counts only for the selected keyboard, and not while the
    // keyboard behind a receiver is away (mode 1 with the receiver's flag 1).
    // With no keyboard selected there is nothing to show it on.
    static bool concernsSelected(int keyboardMode, int is24GValid, const QString& reportSN, const QString& currentSN);
    static View viewOf(int chargingStatus, int electricity);
    // The connection label: every mode but cable counts as 2.4 GHz.
    static QString modeText(int keyboardMode);

    // The animation shows the step as the level, then moves on: 0 to 99 and
    // round again.
    static int nextAnimationStep(int step);
};
