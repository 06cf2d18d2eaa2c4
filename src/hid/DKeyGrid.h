#pragma once

#include <array>

// The keyboard's key grid: every per-key table of the protocol (customizable
// keys, calibration, custom colours) and every key picture is laid out as
// these rows and columns, row by row.
class DKeyGrid
{
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeyCount = kRows * kColumns;

    // A value per key, indexed [row][column].
    template<typename T>
    using Of = std::array<std::array<T, kColumns>, kRows>;
};
