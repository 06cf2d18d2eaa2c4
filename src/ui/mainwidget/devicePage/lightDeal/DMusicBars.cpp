#include "ui/mainwidget/devicePage/lightDeal/DMusicBars.h"

#include "app/presetPalettes.h"
#include "sdk/models/ModelInfo.h"

#include <algorithm>
#include <initializer_list>

namespace {
constexpr int kRows = DKeyGrid::kRows;
constexpr int kColumns = DKeyGrid::kColumns;
constexpr int kFullIntensity = 255;
constexpr int kBottomShownAlpha = 180;
constexpr int kAlphaCap = 200;

struct ColumnRow
{
    std::initializer_list<int> layouts;
    int columns;
};

// Layouts not listed use the whole grid row.
const ColumnRow kColumnTable[] = {
    {{18, 21}, 11},     {{34}, 7},          {{61, 62, 63, 65}, 15}, {{68, 69, 84}, 16},
    {{81, 82, 83}, 17}, {{87, 88, 91}, 18}, {{97, 98, 99}, 19},
};

// Lower thresholds of levels 1 to 5.
constexpr double kLevelThresholds[DMusicBars::kMaxLevel] = {0.1, 0.25, 0.4, 0.55, 0.7};
} // namespace

int DMusicBars::columnCount(int layoutNumber, const ModelInfo* model)
{
    if (layoutNumber == 68 && model && model->musicColumns68 > 0)
        return model->musicColumns68;
    for (const ColumnRow& row : kColumnTable) {
        if (std::find(row.layouts.begin(), row.layouts.end(), layoutNumber) != row.layouts.end())
            return row.columns;
    }
    return kColumns;
}

QList<int> DMusicBars::columnsPerBand(int columns, int bandCount, bool singleColumn)
{
    QList<int> widths;
    if (bandCount > 0) {
        const int each = columns / bandCount;
        const int spare = columns % bandCount;
        const int firstWide = bandCount / 2 - spare / 2;
        for (int band = 0; band < bandCount; ++band) {
            const bool wide = spare != 0 && band >= firstWide && band < firstWide + spare;
            widths.append(singleColumn ? 1 : each + (wide ? 1 : 0));
        }
    }
    while (widths.size() < kColumns)
        widths.append(0);
    return widths;
}

int DMusicBars::level(double value)
{
    int result = 0;
    for (double threshold : kLevelThresholds) {
        if (value >= threshold)
            ++result;
    }
    return result;
}

void DMusicBars::fillMusicColumns(Grid& grid, int level, int firstColumn, int columnCount)
{
    for (int i = 0; i < kRows; ++i) {
        const int row = kRows - 1 - i;
        for (int column = firstColumn; column < firstColumn + columnCount && column < kColumns; ++column) {
            lightFrameCell& cell = grid[size_t(row)][size_t(column)];
            const bool lit = i <= level;
            cell.intensity = lit ? kFullIntensity : 0;
            cell.fadeMode = lit && i == level ? kFadeFall : 0;
            cell.level = lit ? level : 0;
        }
    }
}

int DMusicBars::fadeStep(int* value, int step, int mode)
{
    if (mode == kFadeRise) {
        if (*value + step > kFullIntensity) {
            *value = kFullIntensity;
            return kFadeRise;
        }
        *value += step;
    } else if (mode == kFadeFall) {
        if (*value < step) {
            *value = 0;
            return kFadeFall;
        }
        *value -= step;
    }
    return 0;
}

QColor DMusicBars::cellColour(const lightFrameCell& cell, const QColor& bottom)
{
    const int shown = cell.level == 0 ? 0 : cell.intensity;
    const auto blend = [shown](int top, int under) { return (top * shown + (255 - shown) * under) / 256; };
    const int red = blend(cell.red, bottom.red());
    const int green = blend(cell.green, bottom.green());
    const int blue = blend(cell.blue, bottom.blue());
    int alpha = kBottomShownAlpha;
    if (bottom.red() == 0 && bottom.green() == 0 && bottom.blue() == 0) {
        const bool black = red == 0 && green == 0 && blue == 0;
        alpha = black ? 0 : std::min(cell.intensity, kAlphaCap);
    }
    return QColor(red, green, blue, alpha);
}

void DMusicBars::init(int layoutNumber, int bandCount, double minHz, double maxHz, const ModelInfo* model)
{
    m_bars = QList<MusicBar>();
    for (int band = 0; band < bandCount; ++band)
        m_bars.append(MusicBar());
    m_minHz = minHz;
    m_maxHz = maxHz;
    m_rgbFirstPalette = model && model->paletteRgbFirst;
    const bool singleColumn = model && model->musicSingleColumn;
    m_columnsPerBand = columnsPerBand(columnCount(layoutNumber, model), bandCount, singleColumn);
    m_columnToBand.clear();
    int column = 0;
    for (int band = 0; band < m_columnsPerBand.size() && column < kColumns; ++band) {
        for (int k = 0; k < m_columnsPerBand[band] && column < kColumns; ++k)
            m_columnToBand.insert(column++, band);
    }
    while (column < kColumns)
        m_columnToBand.insert(column++, 0);
}

int DMusicBars::bandIndex(double frequency) const
{
    return int((frequency - m_minHz) / ((m_maxHz - m_minHz) / m_bars.size()));
}

void DMusicBars::setSpectrum(const FrequencySpectrum& spectrum, Grid& grid)
{
    std::fill(m_bars.begin(), m_bars.end(), MusicBar());
    for (const FrequencySpectrum::Element& element : spectrum) {
        if (element.frequency < m_minHz || element.frequency >= m_maxHz)
            continue;
        const int band = bandIndex(element.frequency);
        if (band < 0 || band >= m_bars.size())
            continue;
        MusicBar& bar = m_bars[band];
        bar.value = std::max(bar.value, element.amplitude);
        bar.clipped = bar.clipped || element.clipped;
    }
    updateMusicBars(grid);
}

void DMusicBars::updateMusicBars(Grid& grid) const
{
    int column = 0;
    for (int band = 0; band < m_bars.size(); ++band) {
        const int width = band < m_columnsPerBand.size() ? m_columnsPerBand[band] : 0;
        fillMusicColumns(grid, level(m_bars[band].value), column, width);
        column += width;
    }
}

void DMusicBars::renderFrame(Grid& grid, const QColor& bottom, int factor, Colours* colours, QList<int>* levels,
                             QList<int>* intensities) const
{
    levels->clear();
    intensities->clear();
    for (int column = 0; column < kColumns; ++column) {
        bool found = false;
        for (int row = 0; row < kRows; ++row) {
            lightFrameCell& cell = grid[size_t(row)][size_t(column)];
            if (fadeStep(&cell.intensity, kFadeStep, cell.fadeMode) != 0) {
                cell.fadeMode = 0;
                // The cell below starts falling in this same pass.
                if (row < kRows - 1)
                    grid[size_t(row + 1)][size_t(column)].fadeMode = kFadeFall;
            }
            if (cell.level > 0 && !found) {
                found = true;
                levels->append(cell.level);
                intensities->append(cell.intensity);
            } else if (row == kRows - 1 && !found) {
                levels->append(0);
                intensities->append(0);
            }
            const QColor colour = cellColour(cell, bottom);
            (*colours)[size_t(row * kColumns + column)] = factor == 100 ? colour : colour.darker(factor);
        }
    }
}

QColor DMusicBars::bandColour(int column) const
{
    const int band = m_columnToBand.value(column, 0);
    const int index = std::clamp(band, 0, presetPalettes::kColorCount - 1);
    return m_rgbFirstPalette ? presetPalettes::redGreenBlueFirstColor(index) : presetPalettes::rainbowColor(index);
}
