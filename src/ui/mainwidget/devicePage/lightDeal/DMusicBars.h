#pragma once

#include "hid/DKeyGrid.h"
#include "sdk/include/orvanesdk_light.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"

#include <QColor>
#include <QList>
#include <QMap>

#include <array>

struct ModelInfo;

// The picture of the music effect: frequency bands become vertical bars over
// the key grid, bass on the left. The bars rise at once to a band's level and
// fall back a row at a time, by fading their top cell.
class DMusicBars
{
public:
    using Grid = DKeyGrid::Of<lightFrameCell>;
    using Colours = std::array<QColor, DKeyGrid::kKeyCount>;

    struct MusicBar
    {
        double value = 0.0;
        bool clipped = false;
    };

    static constexpr int kMaxLevel = 5;
    static constexpr int kFadeStep = 25;
    static constexpr int kFadeRise = 1;
    static constexpr int kFadeFall = 2;

    // Key-grid columns the bars of a layout use; `model` may name exceptions.
    static int columnCount(int layoutNumber, const ModelInfo* model);
    // Columns per band, the spare ones going to the middle bands, padded
    // with zeros to a full grid row.
    static QList<int> columnsPerBand(int columns, int bandCount, bool singleColumn);
    static int level(double value);
    // Lights the bottom level + 1 rows of the columns, the top one falling.
    static void fillMusicColumns(Grid& grid, int level, int firstColumn, int columnCount);
    // 0 while under way; 1 when a rise reached the top, 2 when a fall ended.
    static int fadeStep(int* value, int step, int mode);
    // A cell's preview colour over the bottom colour, before any darkening.
    static QColor cellColour(const lightFrameCell& cell, const QColor& bottom);

    void init(int layoutNumber, int bandCount, double minHz, double maxHz, const ModelInfo* model);
    int bandIndex(double frequency) const;
    // The band values of a spectrum, then the bar cells of their levels.
    void setSpectrum(const FrequencySpectrum& spectrum, Grid& grid);
    void updateMusicBars(Grid& grid) const;
    // One fade step of every bar and the preview colours; per column the
    // level and intensity of the bar's top cell (0 where there is none).
    void renderFrame(Grid& grid, const QColor& bottom, int factor, Colours* colours, QList<int>* levels,
                     QList<int>* intensities) const;
    // The colour a column takes in full-colour mode.
    QColor bandColour(int column) const;

    const QList<int>& columnsPerBand() const { return m_columnsPerBand; }
    const QMap<int, int>& columnToBand() const { return m_columnToBand; }
    const QList<MusicBar>& bars() const { return m_bars; }

private:
    QList<MusicBar> m_bars;
    double m_minHz = 0.0;
    double m_maxHz = 0.0;
    bool m_rgbFirstPalette = false;
    QList<int> m_columnsPerBand;
    QMap<int, int> m_columnToBand;
};
