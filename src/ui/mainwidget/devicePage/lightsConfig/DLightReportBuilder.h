#pragma once

#include "orvanesdk_xml.h"

#include <QColor>
#include <QList>

#include <array>
#include <cstdint>
#include <vector>

// The lighting page's command reports: the keyboard and side effect reports
// and the custom colour packets that upload one scheme into a keyboard slot.
// Plain bytes, so the layouts can be checked without a keyboard.
class DLightReportBuilder
{
public:
    using Report = std::array<uint8_t, 64>;

    static constexpr int gridRows = 6;
    static constexpr int gridColumns = 22;
    static constexpr int gridCells = gridRows * gridColumns;
    // Three colour bytes per cell; 18 cells fill a packet, the last one has 6.
    static constexpr int cellsPerPacket = 18;
    static constexpr int uploadPackets = (gridCells + cellsPerPacket - 1) / cellsPerPacket;

    // The keyboard's own clock check: milliseconds since the epoch, low 16 bits.
    static uint16_t currentStamp();

    static Report keyboardEffect(const colorInfoData& info, uint16_t stamp);
    static Report sideEffect(const colorInfoData& info, uint16_t stamp);
    // The effect report that closes an upload: no stamp, and the stored
    // full-colour flag even for Static.
    static Report uploadClosingEffect(const colorInfoData& info);
    static Report customColourPacket(int slot, int packetNumber, const std::vector<uint8_t>& colourBytes);

    // Caps in layout order fill the 6 x 22 grid row by row; cells without a
    // cap are black and caps beyond the grid are left out, so every upload
    // is the same eight packets.
    static std::vector<std::vector<uint8_t>> uploadColourBytes(const QList<QColor>& capColours);
};
