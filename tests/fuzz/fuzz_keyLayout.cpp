// Key-layout descriptions are read from files; any text must parse or be
// refused without a crash, and the grid must stay 6 x 22.
#include "support/FuzzFixture.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    DKeyLayoutDescription layout;
    if (!layout.parse(text, 0, DKeyLayoutDescription::kLastRow, true))
        return 0;
    const DKeyLayoutDescription::Grid grid = layout.keyGrid();
    long sum = 0;
    for (const auto& row : grid) {
        for (const DKeyLayoutEntry& entry : row) {
            if (entry.width < 0 || entry.height < 0)
                FuzzFixture::fail("fuzz_keyLayout", "a key of negative size");
            sum += entry.posX + entry.label.size();
        }
    }
    for (int r = 0; r <= DKeyLayoutDescription::kLastRow; ++r)
        sum += layout.row(r).size();
    return sum == -1 ? 1 : 0;
}
