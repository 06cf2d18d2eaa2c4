#pragma once

#include "hid/DKeyGrid.h"

#include <array>
#include <cstdint>

#include <QList>
#include <QMap>
#include <QPair>

// A set of keys of the grid as the magnetic-switch reports carry it: one
// byte per column, bit r for row r. Positions outside the grid are never
// part of it, whether they come from the picture or from a keyboard's reply.
class DKeyBitmap
{
public:
    using Bytes = std::array<uint8_t, DKeyGrid::kColumns>;
    // Bits 0 to 5; the two high bits of a column byte name no row.
    static constexpr uint8_t kRowMask = (1u << DKeyGrid::kRows) - 1;

    DKeyBitmap() = default;
    // Keys as (row, column) pairs.
    static DKeyBitmap fromKeys(const QList<QPair<int, int>>& keys);
    // Column to row bits, as a keyboard's result map holds them.
    static DKeyBitmap fromColumns(const QMap<int, int>& columns);

    // Ignored outside the grid.
    void insert(int row, int column);
    bool contains(int row, int column) const;
    bool isEmpty() const;
    // Column by column, rows from the top within a column.
    QList<QPair<int, int>> keys() const;
    const Bytes& bytes() const { return m_bytes; }

    bool operator==(const DKeyBitmap& other) const { return m_bytes == other.m_bytes; }

private:
    Bytes m_bytes{};
};
