#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// The geometry of the travel indicator's bar: one segment per travel level of
// the magnetic switches, the boundaries between them that the handles stand
// on, and the colours of the live-travel segments. Plain arithmetic, so the
// indicator only paints and handles the mouse.
class DTravelScale
{
public:
    // The first segment starts this far below the top.
    static constexpr int kTopInset = 5;
    static constexpr int kDefaultGap = 2;

    struct Snap
    {
        int level;
        int y;
    };

    // Darkening of each further live segment, per colour component.
    struct Gradient
    {
        int base[3];
        int step[3];
        // The colour of live segment i (0 at the top), each component kept
        // within 0..255 however far the keyboard's travel reaches.
        QColor colorAt(int index) const;
    };

    explicit DTravelScale(int levelCount = 0)
        : m_levelCount(levelCount)
    {
    }

    // Divides a bar of the given height into count segments. A count below 1
    // leaves no segments; below 2 no boundaries.
    void setLevelCount(int count, int height);

    int levelCount() const { return m_levelCount; }
    int segmentHeight() const { return m_segmentHeight; }
    int gap() const { return m_gap; }
    int step() const { return m_segmentHeight + m_gap; }
    int segmentTop(int index) const { return kTopInset + index * step(); }
    // y of boundaries 1 to count - 1, top to bottom.
    const QVector<int>& boundaries() const { return m_boundaries; }
    bool hasBoundaries() const { return !m_boundaries.isEmpty(); }

    // A level kept to 1..count - 1, where a handle can stand.
    int clampLevel(int level) const;
    // y of the boundary a level stands on (after clamping); needs boundaries.
    int boundaryY(int level) const;
    // The boundary nearest to y; half-way between two goes to the lower one.
    // Needs boundaries.
    Snap snap(int y) const;

    static Gradient gradient(const QColor& live, int levelCount);

    // A travel in tenths of a millimetre as shown beside handles and sliders,
    // such as "1.5mm".
    static QString millimetres(int tenths);

private:
    int m_levelCount = 0;
    int m_segmentHeight = 0;
    int m_gap = kDefaultGap;
    QVector<int> m_boundaries;
};
