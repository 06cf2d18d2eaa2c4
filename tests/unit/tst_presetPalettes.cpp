#include "app/presetPalettes.h"
#include "support/TestMain.h"

#include <algorithm>

class tst_presetPalettes : public QObject
{
    Q_OBJECT

private slots:
    void sameSaturatedColoursInTwoOrders()
    {
        QList<QRgb> rainbow, rgbFirst;
        for (int i = 0; i < presetPalettes::kColorCount; ++i) {
            for (const QColor& c : {presetPalettes::rainbowColor(i), presetPalettes::redGreenBlueFirstColor(i)}) {
                QCOMPARE(c.alpha(), 255);
                const int components[] = {c.red(), c.green(), c.blue()};
                QVERIFY(std::count(std::begin(components), std::end(components), 255) >= 1);
                QVERIFY(std::count(std::begin(components), std::end(components), 0) >= 1);
                for (int v : components)
                    QVERIFY(v == 0 || v == 128 || v == 255);
            }
            rainbow << presetPalettes::rainbowColor(i).rgba();
            rgbFirst << presetPalettes::redGreenBlueFirstColor(i).rgba();
        }
        QVERIFY(rainbow != rgbFirst);
        std::sort(rainbow.begin(), rainbow.end());
        std::sort(rgbFirst.begin(), rgbFirst.end());
        QCOMPARE(rainbow, rgbFirst);
        QCOMPARE(std::unique(rainbow.begin(), rainbow.end()), rainbow.end());
    }

    void orders()
    {
        QCOMPARE(presetPalettes::rainbowColor(1), QColor(255, 128, 0));
        QCOMPARE(presetPalettes::rainbowColor(10), QColor(255, 0, 255));
        QCOMPARE(presetPalettes::redGreenBlueFirstColor(1), QColor(0, 255, 0));
        QCOMPARE(presetPalettes::redGreenBlueFirstColor(2), QColor(0, 0, 255));
        QCOMPARE(presetPalettes::redGreenBlueFirstColor(10), QColor(128, 0, 255));
    }
};

ORVANE_TEST_MAIN(tst_presetPalettes)
#include "tst_presetPalettes.moc"
