#pragma once

#include "hid/lightModeListInfo.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QList>

class lightDealMain;

// What the music-effect tests share: an engine set up for the full grid
// (layout 104, 11 bands of two columns over 30 to 930 Hz), the setting that
// chooses the effect, and the bars read back from its frame grid.
namespace MusicEngine {

constexpr int kBands = 11;
constexpr int kLayout = 104;
constexpr int kColumnsPerBand = 2;
constexpr int kEffect = 100;

// The centre frequency of a transform bin at 44.1 kHz.
double binFrequency(int bin);
QList<int> filled(int count, int value);
// Every band at 0 but `band`.
QList<int> onlyBand(int band, int level);

// Brightness and speed ranges, and the music set-up.
void setUp(lightDealMain& engine);
// A keyboard setting of the effect at full brightness: top colour (200,
// 100, 0) over the bottom colour (0, 0, 40).
colorInfoData setting(int effect = kEffect);
// The level word of each band's first bottom cell.
QList<int> bandLevels(const lightDealMain& engine);

} // namespace MusicEngine
