// The music effect's picture: levels, the columns of each band per layout
// and model, the bar cells, their fall, the colours over the bottom colour,
// and the frequency range the bands cover.
#include "sdk/models/ModelCatalogue.h"
#include "support/MusicEngine.h"
#include "support/TestMain.h"
#include "ui/mainwidget/devicePage/lightDeal/DMusicBars.h"

using MusicEngine::filled;

namespace {
constexpr int kRows = DKeyGrid::kRows;
constexpr int kColumns = DKeyGrid::kColumns;
constexpr int kBands = 11;

QList<int> padded(QList<int> widths)
{
    while (widths.size() < kColumns)
        widths.append(0);
    return widths;
}

const ModelInfo* model(const char* code)
{
    const ModelInfo* info = ModelCatalogue::instance().find(QString::fromLatin1(code));
    if (!info)
        qFatal("no catalogue model %s", code);
    return info;
}

// The rows lit in a column, bottom to top, as intensity and fade mode.
QList<QPair<int, int>> column(const DMusicBars::Grid& grid, int c)
{
    QList<QPair<int, int>> cells;
    for (int row = kRows - 1; row >= 0; --row)
        cells.append({grid[size_t(row)][size_t(c)].intensity, grid[size_t(row)][size_t(c)].fadeMode});
    return cells;
}
} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_musicBars : public QObject
{
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("level");
        QTest::newRow("negative") << -0.5 << 0;
        QTest::newRow("silence") << 0.0 << 0;
        QTest::newRow("just under the first step") << 0.0999 << 0;
        QTest::newRow("first step") << 0.1 << 1;
        QTest::newRow("second step") << 0.25 << 2;
        QTest::newRow("under the third") << 0.3999 << 2;
        QTest::newRow("third") << 0.4 << 3;
        QTest::newRow("fourth") << 0.55 << 4;
        QTest::newRow("top step") << 0.7 << 5;
        QTest::newRow("full") << 1.0 << 5;
    }
    void levels()
    {
        QFETCH(double, value);
        QFETCH(int, level);
        QCOMPARE(DMusicBars::level(value), level);
    }

    void columnsPerBand_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("7") << 7 << QList<int>{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
        QTest::newRow("11") << 11 << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("15") << 15 << QList<int>{1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
        QTest::newRow("16") << 16 << QList<int>{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("17") << 17 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("18") << 18 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("19") << 19 << QList<int>{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("22") << 22 << QList<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    }
    void columnsPerBand()
    {
        QFETCH(int, columns);
        QFETCH(QList<int>, widths);
        QCOMPARE(DMusicBars::columnsPerBand(columns, kBands, false), padded(widths));
    }

    void columnsByLayoutAndModel_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<bool>("rgbFirst");
        const QList<int> sixteen{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("layout 18") << 18 << QString() << 11 << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << false;
        QTest::newRow("layout 34") << 34 << QString() << 7 << QList<int>{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0} << false;
        QTest::newRow("layout 65") << 65 << QString() << 15 << QList<int>{1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1} << false;
        QTest::newRow("layout 68 without a model") << 68 << QString() << 16 << sixteen << false;
        QTest::newRow("layout 69") << 69 << QString() << 16 << sixteen << false;
        QTest::newRow("layout 82") << 82 << QString() << 17 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1} << false;
        QTest::newRow("layout 91") << 91 << QString() << 18 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1} << false;
        QTest::newRow("layout 98") << 98 << QString() << 19 << QList<int>{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1} << false;
        QTest::newRow("unknown layout") << 50 << QString() << 22 << filled(11, 2) << false;
        QTest::newRow("OV68M") << 68 << "OV68M" << 17 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1} << false;
        QTest::newRow("OV68") << 68 << "OV68" << 18 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1} << false;
        QTest::newRow("OV84: one column a band") << 84 << "OV84" << 16 << filled(11, 1) << false;
        QTest::newRow("OV104: the other palette") << 104 << "OV104" << 22 << filled(11, 2) << true;
    }
    void columnsByLayoutAndModel()
    {
        QFETCH(int, layout);
        QFETCH(QString, code);
        QFETCH(int, columns);
        QFETCH(QList<int>, widths);
        QFETCH(bool, rgbFirst);
        const ModelInfo* info = code.isEmpty() ? nullptr : model(code.toLatin1().constData());
        QCOMPARE(DMusicBars::columnCount(layout, info), columns);
        DMusicBars bars;
        bars.init(layout, kBands, 30.0, 930.0, info);
        QCOMPARE(bars.columnsPerBand(), padded(widths));
        // Columns go to the bands in order; the rest belong to band 0.
        QCOMPARE(bars.columnToBand().size(), kColumns);
        int c = 0;
        for (int band = 0; band < kBands; ++band) {
            for (int k = 0; k < widths[band]; ++k)
                QCOMPARE(bars.columnToBand().value(c++), band);
        }
        for (; c < kColumns; ++c)
            QCOMPARE(bars.columnToBand().value(c), 0);
        const QColor second = rgbFirst ? QColor(0, 255, 0) : QColor(255, 128, 0);
        if (widths[1] > 0)
            QCOMPARE(bars.bandColour(widths[0]), second);
        // The last column: band 10's when the bars fill the row, else band 0's.
        const QColor lastBand = rgbFirst ? QColor(128, 0, 255) : QColor(255, 0, 255);
        QCOMPARE(bars.bandColour(kColumns - 1), columns == kColumns ? lastBand : QColor(255, 0, 0));
    }

    // A 15-column layout: columns 15 to 21 belong to no band and never
    // light, whatever the spectrum.
    void spareColumnsStayDark()
    {
        DMusicBars bars;
        bars.init(61, kBands, 30.0, 930.0, nullptr);
        FrequencySpectrum spectrum(4096);
        for (int i = 2; i <= 2048; ++i) {
            spectrum[i].frequency = i * 44100 / 4096.0;
            spectrum[i].amplitude = 1.0;
        }
        DMusicBars::Grid grid{};
        bars.setSpectrum(spectrum, grid);
        for (int c = 0; c < kColumns; ++c)
            QCOMPARE(grid[kRows - 1][size_t(c)].intensity, c < 15 ? 255 : 0);
    }

    // The lower edge of the range counts, the upper one does not.
    void rangeEdges_data()
    {
        QTest::addColumn<double>("frequency");
        QTest::addColumn<int>("band");
        QTest::newRow("30.0 Hz: band 0") << 30.0 << 0;
        QTest::newRow("just under 930 Hz: band 10") << 929.9 << 10;
        QTest::newRow("930.0 Hz: outside") << 930.0 << -1;
        QTest::newRow("under 30 Hz: outside") << 29.9 << -1;
        QTest::newRow("473.7 Hz: band 5") << 473.7 << 5;
    }
    void rangeEdges()
    {
        QFETCH(double, frequency);
        QFETCH(int, band);
        DMusicBars bars;
        bars.init(104, kBands, 30.0, 930.0, nullptr);
        FrequencySpectrum spectrum(4096);
        spectrum[7].frequency = frequency;
        spectrum[7].amplitude = 0.8;
        spectrum[7].clipped = true;
        DMusicBars::Grid grid{};
        bars.setSpectrum(spectrum, grid);
        for (int b = 0; b < kBands; ++b) {
            QCOMPARE(bars.bars()[b].value, b == band ? 0.8 : 0.0);
            QCOMPARE(bars.bars()[b].clipped, b == band);
            // Two columns a band; the top row lights at level 5.
            QCOMPARE(grid[0][size_t(2 * b)].level, b == band ? 5 : 0);
        }
    }

    void bandIndex()
    {
        DMusicBars bars;
        bars.init(104, kBands, 30.0, 930.0, nullptr);
        // Bins 44100/4096 Hz apart: band 0 from bin 3, band 5 bins 41 to
        // 48, band 10 up to bin 86.
        const auto bin = [](int i) { return i * 44100 / 4096.0; };
        QCOMPARE(bars.bandIndex(bin(3)), 0);
        QCOMPARE(bars.bandIndex(bin(10)), 0);
        QCOMPARE(bars.bandIndex(bin(11)), 1);
        QCOMPARE(bars.bandIndex(bin(40)), 4);
        QCOMPARE(bars.bandIndex(bin(41)), 5);
        QCOMPARE(bars.bandIndex(bin(48)), 5);
        QCOMPARE(bars.bandIndex(bin(79)), 10);
        QCOMPARE(bars.bandIndex(bin(86)), 10);
    }

    // A level-3 bar lights rows 5 to 2, its top falling; 11 ticks later
    // row 2 is dark and row 3 falls.
    void barFalls()
    {
        DMusicBars::Grid grid{};
        DMusicBars::fillMusicColumns(grid, 3, 4, 2);
        const QList<QPair<int, int>> lit{{255, 0}, {255, 0}, {255, 0}, {255, 2}, {0, 0}, {0, 0}};
        QCOMPARE(column(grid, 4), lit);
        QCOMPARE(column(grid, 5), lit);
        const QList<QPair<int, int>> dark{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
        QCOMPARE(column(grid, 3), dark);
        QCOMPARE(grid[2][4].level, 3);
        QCOMPARE(grid[1][4].level, 0);

        DMusicBars bars;
        bars.init(104, kBands, 30.0, 930.0, nullptr);
        DMusicBars::Colours colours;
        QList<int> levels, intensities;
        const QList<int> expectedTops{255 - 25, 255 - 50, 255 - 75};
        for (int tick = 1; tick <= 11; ++tick) {
            bars.renderFrame(grid, Qt::black, 100, &colours, &levels, &intensities);
            QCOMPARE(levels.size(), kColumns);
            QCOMPARE(intensities.size(), kColumns);
            QCOMPARE(levels[4], 3);
            if (tick <= 3)
                QCOMPARE(intensities[4], expectedTops[tick - 1]);
            if (tick < 11) {
                QCOMPARE(grid[2][4].fadeMode, 2);
                QCOMPARE(grid[3][4].intensity, 255);
            }
        }
        QCOMPARE(grid[2][4].intensity, 0);
        QCOMPARE(grid[2][4].fadeMode, 0);
        QCOMPARE(grid[3][4].fadeMode, 2);
        QCOMPARE(grid[3][4].intensity, 230);
        QCOMPARE(levels[3], 0);
        QCOMPARE(intensities[3], 0);
    }

    void fadeStep_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("result");
        QTest::newRow("falling") << 255 << 2 << 230 << 0;
        QTest::newRow("last fall step") << 25 << 2 << 0 << 0;
        QTest::newRow("fall ends") << 5 << 2 << 0 << 2;
        QTest::newRow("rising") << 200 << 1 << 225 << 0;
        QTest::newRow("rise ends") << 240 << 1 << 255 << 1;
        QTest::newRow("no fade") << 120 << 0 << 120 << 0;
        QTest::newRow("unknown mode") << 120 << 7 << 120 << 0;
    }
    void fadeStep()
    {
        QFETCH(int, value);
        QFETCH(int, mode);
        QFETCH(int, after);
        QFETCH(int, result);
        QCOMPARE(DMusicBars::fadeStep(&value, 25, mode), result);
        QCOMPARE(value, after);
    }

    void cellColours_data()
    {
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<int>("intensity");
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("colour");
        const QColor black(0, 0, 0);
        // Cell colour (200, 100, 0).
        QTest::newRow("black bottom, 230") << black << 230 << 2 << QColor(179, 89, 0, 200);
        QTest::newRow("black bottom, 150") << black << 150 << 2 << QColor(117, 58, 0, 150);
        QTest::newRow("black bottom, dark level word") << black << 255 << 0 << QColor(0, 0, 0, 0);
        QTest::newRow("black bottom, black blend") << black << 1 << 1 << QColor(0, 0, 0, 0);
        QTest::newRow("bottom shown, 255") << QColor(0, 0, 40) << 255 << 3 << QColor(199, 99, 0, 180);
        QTest::newRow("bottom shown, dark cell") << QColor(0, 0, 40) << 255 << 0 << QColor(0, 0, 39, 180);
        QTest::newRow("bottom shown, 100") << QColor(10, 20, 30) << 100 << 1 << QColor(84, 51, 18, 180);
    }
    void cellColours()
    {
        QFETCH(QColor, bottom);
        QFETCH(int, intensity);
        QFETCH(int, level);
        QFETCH(QColor, colour);
        const lightFrameCell cell{200, 100, 0, 0, 0, 0, intensity, 0, 0, level, 0};
        const QColor shown = DMusicBars::cellColour(cell, bottom);
        QCOMPARE(shown, colour);
        QCOMPARE(shown.alpha(), colour.alpha());
    }
};

ORVANE_TEST_MAIN(tst_musicBars)
#include "tst_musicBars.moc"
