#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 5> kShortTable{28, 24, 16, 12, 8};
constexpr std::array<int, 10> kLongTable{28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

// A speed outside the table (a keyboard reporting more speeds than the
// tables hold) takes the nearest end instead of reading past it.
template<size_t N>
int lookUp(const std::array<int, N>& table, int speed)
{
    const int index = std::clamp(speed - 1, 0, int(N) - 1);
    return DLightTickInterval::clamp(table[size_t(index)]);
}

} // namespace

int DLightTickInterval::keyboard(int speedMax, int speed)
{
    return speedMax <= 4 ? lookUp(kShortTable, speed) : lookUp(kLongTable, speed);
}

int DLightTickInterval::side(int speedMax, int speed)
{
    return speedMax == 4 ? lookUp(kShortTable, speed) : lookUp(kLongTable, speed);
}

int DLightTickInterval::clamp(int ms)
{
    return std::clamp(ms, kMinimumMs, kMaximumMs);
}
