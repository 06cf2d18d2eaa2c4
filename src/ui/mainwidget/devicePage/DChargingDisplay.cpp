#include "ui/mainwidget/devicePage/DChargingDisplay.h"

bool DChargingDisplay::concernsSelected(int keyboardMode, int is24GValid, const QString& reportSN,
                                        const QString& currentSN)
{
    if (keyboardMode == 1 && is24GValid == 1)
        return false;
    return !currentSN.isEmpty() && reportSN == currentSN;
}

DChargingDisplay::View DChargingDisplay::viewOf(int chargingStatus, int electricity)
{
    View view;
    switch (chargingStatus) {
    case Charging:
        view.chargingMarkShown = true;
        view.levelTextShown = false;
        view.animating = true;
        view.level = electricity;
        break;
    case FullyCharged:
        view.chargingMarkShown = true;
        view.level = kFullLevel;
        break;
    default:
        view.level = electricity;
        break;
    }
    return view;
}

QString DChargingDisplay::modeText(int keyboardMode)
{
    return keyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G");
}

int DChargingDisplay::nextAnimationStep(int step)
{
    return (step + 1) % kFullLevel;
}
