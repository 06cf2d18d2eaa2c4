#include "support/MusicEngine.h"

#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

namespace MusicEngine {

double binFrequency(int bin)
{
    return bin * 44100 / 4096.0;
}

QList<int> filled(int count, int value)
{
    QList<int> list;
    for (int i = 0; i < count; ++i)
        list.append(value);
    return list;
}

QList<int> onlyBand(int band, int level)
{
    QList<int> levels = filled(kBands, 0);
    levels[band] = level;
    return levels;
}

void setUp(lightDealMain& engine)
{
    lightModeListInfo capability;
    capability.lightTypeList = {0, 1, 2};
    capability.speedMax = 4;
    capability.brightnessMax = 4;
    engine.setLightCapability(capability, capability);
    engine.initMusicRhythm(kLayout, kBands, 30.0, 930.0);
}

colorInfoData setting(int effect)
{
    colorInfoData info{};
    info.ledType = effect;
    info.ledBrightness = 5; // full: no darkening
    info.ledSpeed = 3;
    info.topRed = 200;
    info.topGreen = 100;
    info.bottomBlue = 40;
    return info;
}

QList<int> bandLevels(const lightDealMain& engine)
{
    QList<int> levels;
    for (int band = 0; band < kBands; ++band)
        levels.append(engine.keyFrameCell(DKeyGrid::kRows - 1, band * kColumnsPerBand).level);
    return levels;
}

} // namespace MusicEngine
