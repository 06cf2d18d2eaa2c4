#include "hid/DKeyBitmap.h"

#include <algorithm>

namespace {

bool inGrid(int row, int column)
{
    return row >= 0 && row < DKeyGrid::kRows && column >= 0 && column < DKeyGrid::kColumns;
}

} // namespace

DKeyBitmap DKeyBitmap::fromKeys(const QList<QPair<int, int>>& keys)
{
    DKeyBitmap bitmap;
    for (const QPair<int, int>& key : keys)
        bitmap.insert(key.first, key.second);
    return bitmap;
}

DKeyBitmap DKeyBitmap::fromColumns(const QMap<int, int>& columns)
{
    DKeyBitmap bitmap;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (it.key() >= 0 && it.key() < DKeyGrid::kColumns)
            bitmap.m_bytes[std::size_t(it.key())] = uint8_t(it.value() & kRowMask);
    }
    return bitmap;
}

void DKeyBitmap::insert(int row, int column)
{
    if (inGrid(row, column))
        m_bytes[std::size_t(column)] |= uint8_t(1u << row);
}

bool DKeyBitmap::contains(int row, int column) const
{
    return inGrid(row, column) && (m_bytes[std::size_t(column)] >> row & 1u);
}

bool DKeyBitmap::isEmpty() const
{
    return std::all_of(m_bytes.begin(), m_bytes.end(), [](uint8_t b) { return b == 0; });
}

QList<QPair<int, int>> DKeyBitmap::keys() const
{
    QList<QPair<int, int>> all;
    for (int column = 0; column < DKeyGrid::kColumns; ++column) {
        for (int row = 0; row < DKeyGrid::kRows; ++row) {
            if (contains(row, column))
                all.append({row, column});
        }
    }
    return all;
}
