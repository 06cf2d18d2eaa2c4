#include "support/TestMain.h"

#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSet>

#include <algorithm>

namespace {

QByteArray keyEntryJson(int x, int dec, const char* label = "K")
{
    return QByteArray("{\"PosX\":") + QByteArray::number(x) + ",\"PosY\":5,\"Width\":30,\"Height\":30,\"Dec\":"
           + QByteArray::number(dec) + ",\"qtDec\":1,\"Character\":\"" + label + "\"}";
}

QByteArray rowJson(int count, int firstDec)
{
    QByteArray row = "[";
    for (int i = 0; i < count; ++i) {
        if (i)
            row += ",";
        row += keyEntryJson(i * 35, firstDec + i);
    }
    return row + "]";
}

QByteArray layoutFor(const ModelInfo& model)
{
    return DKeyLayoutDescription::readResource(QStringLiteral("KeyInfo_%1.config").arg(model.code), "missing layout");
}

// Real key count of a layout number; the ISO variants carry one key more
// (the ISO Enter frees the backslash place for two keys beside it).
int expectedKeys(int layoutNumber, bool iso)
{
    return layoutNumber + (iso ? 1 : 0);
}

} // namespace

class tst_keyLayoutDescription : public QObject
{
    Q_OBJECT

private slots:
    void everyCatalogueModelHasAConsistentDescription_data()
    {
        QTest::addColumn<QString>("code");
        for (const ModelInfo& model : ModelCatalogue::instance().models())
            QTest::newRow(qPrintable(model.code)) << model.code;
        QVERIFY(!ModelCatalogue::instance().models().empty());
    }
    void everyCatalogueModelHasAConsistentDescription()
    {
        QFETCH(QString, code);
        const ModelInfo* model = ModelCatalogue::instance().find(code);
        QVERIFY(model);
        const QByteArray text = layoutFor(*model);
        QVERIFY2(!text.isNull(), "no KeyInfo_<model>.config in the resources");
        QVERIFY2(text.contains("\r\n\t"), "descriptions keep CR LF lines and tab indents");

        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 0, 7, true));
        const auto& header = layout.header();
        QVERIFY(header.present);
        QCOMPARE(header.hidDeviceType, model->layoutDeviceType);
        QCOMPARE(header.sideLightHave, model->hasSideLight() ? 1 : 0);
        QCOMPARE(header.sideLightNum, model->sideLightCount);
        QCOMPARE(header.introduction, QStringLiteral("%1Key").arg(model->layoutNumber));
        QVERIFY(header.pictureWidth >= 146 && header.pictureWidth <= 750);
        QVERIFY(header.pictureHeight >= 200 && header.pictureHeight <= 260);
        const QRect picture(0, 0, header.pictureWidth, header.pictureHeight);

        // The grid: six rows of exactly 22 entries.
        QSet<int> usages;
        QList<QRegion> keyShapes;
        int keys = 0;
        bool hasFn = false;
        for (int r = 1; r <= 6; ++r) {
            QCOMPARE(layout.row(r).size(), 22);
            for (const DKeyLayoutEntry& key : layout.row(r)) {
                if (DKeyLayoutDescription::isEmptySlot(key)) {
                    QCOMPARE(key.width, 0);
                    QCOMPARE(key.height, 0);
                    continue;
                }
                ++keys;
                hasFn = hasFn || key.dec == -10;
                QVERIFY2(!usages.contains(key.dec), qPrintable(QStringLiteral("usage %1 twice").arg(key.dec)));
                usages.insert(key.dec);
                QVERIFY(!key.label.isEmpty());
                const QRect rect(key.posX, key.posY, key.width, key.height);
                QVERIFY2(picture.contains(rect), qPrintable(key.label));
                QVERIFY(key.width >= 20 && key.height >= 20);
                // The notched Enter covers its upper row fully and the row
                // below only right of the notch, where the ISO key sits.
                QRegion shape(rect);
                if (key.dec == 40 && header.specialEnterKey == 1) {
                    const int notchY = (key.height - 4) / 2;
                    shape = QRegion(key.posX, key.posY, key.width, notchY)
                            + QRegion(key.posX + 10, key.posY, key.width - 10, key.height);
                }
                for (const QRegion& other : qAsConst(keyShapes))
                    QVERIFY2(!other.intersects(shape), qPrintable(QStringLiteral("%1 overlaps a key").arg(key.label)));
                keyShapes.append(shape);
            }
        }
        QVERIFY(hasFn);
        QCOMPARE(keys, expectedKeys(model->layoutNumber, header.specialEnterKey == 1));
        QCOMPARE(layout.row(7).size(), 9);

        // Side LEDs: numbered from 1 without gaps, each a bar along one edge.
        if (model->hasSideLight()) {
            QCOMPARE(layout.row(0).size(), model->sideLightCount);
            for (int i = 0; i < layout.row(0).size(); ++i) {
                const DKeyLayoutEntry& led = layout.row(0).at(i);
                QCOMPARE(led.index, i + 1);
                QCOMPARE(led.validStatus, 1);
                QVERIFY(led.sidePosition >= 1 && led.sidePosition <= 4);
                const bool vertical = led.sidePosition <= 2;
                QVERIFY(vertical ? led.height > led.width : led.width > led.height);
            }
        } else {
            QVERIFY(!layout.hasRow(0));
        }
    }

    // The lighting effects centre on the catalogue's key area, so it must
    // be exactly the rows and columns where the description has keys.
    void keyAreaIsWhereTheKeysAre_data() { everyCatalogueModelHasAConsistentDescription_data(); }
    void keyAreaIsWhereTheKeysAre()
    {
        QFETCH(QString, code);
        const ModelInfo* model = ModelCatalogue::instance().find(code);
        QVERIFY(model);
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(layoutFor(*model), 1, 6));
        const DKeyLayoutDescription::Grid grid = layout.keyGrid();
        int top = DKeyGrid::kRows, bottom = -1, left = DKeyGrid::kColumns, right = -1;
        for (int r = 0; r < DKeyGrid::kRows; ++r) {
            for (int c = 0; c < DKeyGrid::kColumns; ++c) {
                if (DKeyLayoutDescription::isEmptySlot(grid[r][c]))
                    continue;
                top = std::min(top, r);
                bottom = std::max(bottom, r);
                left = std::min(left, c);
                right = std::max(right, c);
            }
        }
        QCOMPARE((QVector<int>{model->keyAreaTop, model->keyAreaBottom, model->keyAreaLeft, model->keyAreaRight}),
                 (QVector<int>{top, bottom, left, right}));
    }

    // Lighting, the magnetic-switch masks and the key map address keys by grid
    // place, so models of one layout must agree on every place.
    void modelsOfOneLayoutShareTheGrid()
    {
        QMap<QString, QPair<QString, DKeyLayoutDescription::Grid>> firstOfLayout;
        int compared = 0;
        for (const ModelInfo& model : ModelCatalogue::instance().models()) {
            DKeyLayoutDescription layout;
            QVERIFY(layout.parse(layoutFor(model), 1, 6));
            const QString kind = QStringLiteral("%1%2")
                                     .arg(model.layoutNumber)
                                     .arg(layout.header().specialEnterKey == 1 ? QStringLiteral(" ISO") : QString());
            const DKeyLayoutDescription::Grid grid = layout.keyGrid();
            if (!firstOfLayout.contains(kind)) {
                firstOfLayout.insert(kind, qMakePair(model.code, grid));
                continue;
            }
            const auto& reference = firstOfLayout.value(kind);
            for (int r = 0; r < 6; ++r) {
                for (int c = 0; c < 22; ++c) {
                    QVERIFY2(grid[r][c].dec == reference.second[r][c].dec,
                             qPrintable(QStringLiteral("%1 and %2 differ at (%3, %4)")
                                            .arg(model.code, reference.first)
                                            .arg(r)
                                            .arg(c)));
                }
            }
            ++compared;
        }
        QVERIFY(compared > 0);
    }

    void labelsFollowTheReadersRule_data()
    {
        QTest::addColumn<QByteArray>("character");
        QTest::addColumn<int>("usage");
        QTest::addColumn<QString>("label");
        QTest::newRow("plain") << QByteArray("\"Tab\"") << 43 << QStringLiteral("Tab");
        QTest::newRow("backslash key stored as quote-bar") << QByteArray("\"\\\"|\"") << 49 << QStringLiteral("\\|");
        QTest::newRow("quote key relabelled") << QByteArray("\"\\\"\"") << 52 << QStringLiteral("' \"");
        QTest::newRow("embedded backslash stays escaped") << QByteArray("\"a\\\\b\"") << 4 << QStringLiteral("a\\\\b");
        QTest::newRow("utf-8 stays as written") << QByteArray("\"\xe2\x86\x91\"") << 82 << QStringLiteral("\u2191");
        QTest::newRow("control characters print escaped") << QByteArray("\"a\\tb\"") << 5 << QStringLiteral("a\\tb");
    }
    void labelsFollowTheReadersRule()
    {
        QFETCH(QByteArray, character);
        QFETCH(int, usage);
        QFETCH(QString, label);
        const QByteArray text = "{\"EveryKeyInfo_Row01\":[{\"PosX\":1,\"PosY\":1,\"Width\":9,\"Height\":9,\"Dec\":"
                                + QByteArray::number(usage) + ",\"qtDec\":0,\"Character\":" + character + "}]}";
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 1, 6));
        QCOMPARE(layout.row(1).size(), 1);
        QCOMPARE(layout.row(1).first().label, label);
    }

    void authoredBackslashAndQuoteKeys()
    {
        const ModelInfo* model = ModelCatalogue::instance().find(QStringLiteral("OV104"));
        QVERIFY(model);
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(layoutFor(*model), 1, 6));
        QMap<int, QString> labels;
        for (int r = 1; r <= 6; ++r)
            for (const DKeyLayoutEntry& key : layout.row(r))
                labels.insert(key.dec, key.label);
        QCOMPARE(labels.value(49), QStringLiteral("\\|"));
        QCOMPARE(labels.value(52), QStringLiteral("' \""));
        QCOMPARE(labels.value(82), QStringLiteral("\u2191"));
    }

    void malformedTextBuildsNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("not json") << QByteArray("KeyInfo");
        QTest::newRow("cut short") << QByteArray("{\"EveryKeyInfo_Row01\":[{\"PosX\":1,");
        QTest::newRow("array at top") << QByteArray("[{\"PosX\":1}]");
        QTest::newRow("number at top") << QByteArray("42");
        QTest::newRow("string at top") << QByteArray("\"Keyboard\"");
    }
    void malformedTextBuildsNothing()
    {
        QFETCH(QByteArray, text);
        DKeyLayoutDescription layout;
        QVERIFY(!layout.parse(text, 0, 7, true));
        QVERIFY(!layout.header().present);
        for (int r = 0; r <= 7; ++r)
            QVERIFY(!layout.hasRow(r));
    }

    void gridStaysSixByTwentyTwo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("filled");
        QTest::newRow("a row of 30 keeps its first 22")
            << QByteArray("{\"EveryKeyInfo_Row02\":" + rowJson(30, 100) + "}") << 1 << 22;
        QTest::newRow("a row of 5 is padded with empty slots")
            << QByteArray("{\"EveryKeyInfo_Row03\":" + rowJson(5, 100) + "}") << 2 << 5;
        QTest::newRow("rows past 06 are not grid rows") << QByteArray(
            "{\"EveryKeyInfo_Row07\":" + rowJson(22, 100) + ",\"EveryKeyInfo_Row08\":" + rowJson(22, 200) + "}")
                                                        << 0 << 0;
        QTest::newRow("a row that is an object is skipped")
            << QByteArray("{\"EveryKeyInfo_Row01\":{\"PosX\":1}}") << 0 << 0;
        QTest::newRow("elements that are not objects are empty slots")
            << QByteArray("{\"EveryKeyInfo_Row04\":[1,\"x\",null," + keyEntryJson(0, 7) + "]}") << 3 << 1;
    }
    void gridStaysSixByTwentyTwo()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, row);
        QFETCH(int, filled);
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 1, 6));
        const DKeyLayoutDescription::Grid grid = layout.keyGrid();
        QCOMPARE(int(grid.size()), 6);
        int keys = 0;
        for (int r = 0; r < 6; ++r) {
            QCOMPARE(int(grid[r].size()), 22);
            for (const DKeyLayoutEntry& entry : grid[r])
                keys += DKeyLayoutDescription::isEmptySlot(entry) ? 0 : 1;
        }
        QCOMPARE(keys, filled);
        int inRow = 0;
        for (const DKeyLayoutEntry& entry : grid[row])
            inRow += DKeyLayoutDescription::isEmptySlot(entry) ? 0 : 1;
        QCOMPARE(inRow, filled);
    }

    void emptySlotsKeepTheirColumns()
    {
        const QByteArray text = "{\"EveryKeyInfo_Row01\":[" + keyEntryJson(0, 41)
                                + ",{\"PosX\":-1,\"PosY\":-1,\"Width\":0,\"Height\":0,\"Dec\":0,\"qtDec\":0,"
                                  "\"Character\":\"-\"},"
                                + keyEntryJson(70, 58) + "]}";
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 1, 6));
        const auto grid = layout.keyGrid();
        QCOMPARE(grid[0][0].dec, 41);
        QCOMPARE(grid[0][1].dec, 0);
        QCOMPARE(grid[0][2].dec, 58);
        QCOMPARE(grid[0][2].posX, 70);
    }

    void row07AndKeyFlagsChangeNothing()
    {
        const QByteArray base = "{\"EveryKeyInfo_Row01\":[" + keyEntryJson(0, 41) + "]";
        const QByteArray withExtras = "{\"EveryKeyInfo_Row01\":[{\"PosX\":0,\"PosY\":5,\"Width\":30,\"Height\":30,"
                                      "\"Dec\":41,\"qtDec\":1,\"keyFlags\":2,\"Character\":\"K\"}],"
                                      "\"EveryKeyInfo_Row07\":"
                                      + rowJson(9, 130) + "}";
        DKeyLayoutDescription a;
        DKeyLayoutDescription b;
        QVERIFY(a.parse(base + "}", 1, 6));
        QVERIFY(b.parse(withExtras, 1, 6));
        QVERIFY(!b.hasRow(7));
        const auto ga = a.keyGrid();
        const auto gb = b.keyGrid();
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 22; ++c) {
                QCOMPARE(gb[r][c].dec, ga[r][c].dec);
                QCOMPARE(gb[r][c].posX, ga[r][c].posX);
                QCOMPARE(gb[r][c].label, ga[r][c].label);
            }
        }
    }

    void hostileNumbersStayBounded_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::newRow("huge") << QByteArray("1e300");
        QTest::newRow("huge negative") << QByteArray("-1e300");
        QTest::newRow("past int") << QByteArray("4294967296");
        QTest::newRow("leading zeros") << QByteArray("0007");
        QTest::newRow("fraction") << QByteArray("12.9");
    }
    void hostileNumbersStayBounded()
    {
        QFETCH(QByteArray, number);
        const QByteArray text = "{\"EveryKeyInfo_Row01\":[{\"PosX\":" + number + ",\"PosY\":" + number
                                + ",\"Width\":" + number + ",\"Height\":" + number + ",\"Dec\":4}]}";
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 1, 6));
        const DKeyLayoutEntry& key = layout.row(1).first();
        for (int value : {key.posX, key.posY})
            QVERIFY(value >= -8192 && value <= 8192);
        for (int value : {key.width, key.height})
            QVERIFY(value >= 0 && value <= 8192);
    }

    void headerWithoutSideLightsStillReadsRow00OnlyOnRequest()
    {
        const QByteArray text = "{\"Keyboard\":{\"sideLightHave\":0,\"specialEnterKey\":1,\"hidDeviceType\":4},"
                                "\"EveryKeyInfo_Row00\":[{\"PosX\":-10,\"PosY\":0,\"Width\":10,\"Height\":40,"
                                "\"Index\":1,\"validStatus\":1,\"SidePosition\":1,\"Mark\":\"0x01\"}]}";
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(text, 0, 6, true));
        QCOMPARE(layout.header().sideLightHave, 0);
        QCOMPARE(layout.header().specialEnterKey, 1);
        QCOMPARE(layout.header().hidDeviceType, 4);
        QCOMPARE(layout.row(0).first().index, 1);
        QCOMPARE(layout.row(0).first().sidePosition, 1);
    }

    void picturesBesideTheProgramMatchTheirDescriptions_data()
    {
        QTest::addColumn<QString>("code");
        for (const ModelInfo& model : ModelCatalogue::instance().models())
            QTest::newRow(qPrintable(model.code)) << model.code;
    }
    void picturesBesideTheProgramMatchTheirDescriptions()
    {
        QFETCH(QString, code);
        const ModelInfo* model = ModelCatalogue::instance().find(code);
        DKeyLayoutDescription layout;
        QVERIFY(layout.parse(layoutFor(*model), 0, 6, true));
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/images/hidImages/");
        QStringList names{QStringLiteral("Keyboard_%1.png").arg(code)};
        if (model->keyboardModes) {
            for (int mode = 0; mode < 3; ++mode)
                names << QStringLiteral("Keyboard_%1_%2.png").arg(code).arg(mode);
        }
        for (const QString& name : names) {
            QImage picture(dir + name);
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QCOMPARE(picture.size(), QSize(layout.header().pictureWidth, layout.header().pictureHeight));
            // A clean case: transparent outside its rounded corners, opaque
            // in the middle of every key.
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
            for (const DKeyLayoutEntry& key : layout.row(2)) {
                if (!DKeyLayoutDescription::isEmptySlot(key))
                    QCOMPARE(qAlpha(picture.pixel(key.posX + key.width / 2, key.posY + key.height / 2)), 255);
            }
        }
    }
};

ORVANE_TEST_MAIN(tst_keyLayoutDescription)
#include "tst_keyLayoutDescription.moc"
