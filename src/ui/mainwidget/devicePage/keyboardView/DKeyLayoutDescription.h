#pragma once

#include "hid/DKeyGrid.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>

// One entry of a key-layout description: a key (rows 01..07 and the Row00 of
// the on-screen and all-keys files) or a side-light LED (Row00 of a picture
// description). Fields the entry does not carry read as 0.
struct DKeyLayoutEntry
{
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int dec = 0;
    int qtDec = 0;
    QString label;
    int index = 0;
    int validStatus = 0;
    int sidePosition = 0;
    // Whether the element carried a numeric "Dec" and a text "Character";
    // the all-keys picker skips a key without either.
    bool hasDec = false;
    bool hasCharacter = false;
};

// Reads the key-layout descriptions shared by the keyboard picture, the
// on-screen keyboard and the all-keys picker. Pure data: no widgets, so the
// parser can be fuzzed and tested on its own.
class DKeyLayoutDescription
{
public:
    static constexpr int kLastRow = 7;

    struct Header
    {
        bool present = false;
        QString introduction;
        int sideLightHave = 0;
        int supportOnboard = 0;
        int specialEnterKey = 0;
        int showOnboardSelect = 0;
        int specialEnterKeyShape = 0;
        int sideLightNum = 0;
        int hidDeviceType = 0;
        // Size of the model's keyboard picture at zoom 1.0; 0 when not given.
        int pictureWidth = 0;
        int pictureHeight = 0;
    };

    using Grid = DKeyGrid::Of<DKeyLayoutEntry>;

    // The text of ":/images/configDir/<name>", or a null array after logging
    // failureText when the resource cannot be opened.
    static QByteArray readResource(const QString& name, const char* failureText);

    // The label rule shared by every reader: the JSON-printed form of the
    // value with its double quotes removed, so the stored backslash and quote
    // keys come out as "\|" and "\"; the quote key (usage 52) is then
    // relabelled.
    static QString labelFromPrinted(const QByteArray& printedUtf8, int usage);

    // Parses the text and keeps rows firstRow..lastRow (0..7). Row 0 is read
    // as side-light LEDs when sideLightsInRow0 is set, otherwise as keys.
    // Returns false, keeping nothing, when the text is not a JSON object.
    bool parse(const QByteArray& text, int firstRow, int lastRow, bool sideLightsInRow0 = false);

    const Header& header() const { return m_header; }
    bool hasRow(int row) const;
    const QVector<DKeyLayoutEntry>& row(int row) const;

    // Rows 01..06 as the 6 x 22 key grid: a column beyond 21 is dropped and a
    // missing place reads as an empty slot, so the grid is always complete.
    Grid keyGrid() const;

    static bool isEmptySlot(const DKeyLayoutEntry& entry) { return entry.dec == 0; }

private:
    void clear();

    Header m_header;
    std::array<bool, kLastRow + 1> m_rowPresent{};
    std::array<QVector<DKeyLayoutEntry>, kLastRow + 1> m_rows;
};
