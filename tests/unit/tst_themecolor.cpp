#include "support/TestMain.h"

#include "app/DThemeColor.h"

class tst_ThemeColor : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("three fields") << "26,27,49" << QColor(26, 27, 49);
        QTest::newRow("alpha ignored") << "34,34,58,90" << QColor(34, 34, 58);
        QTest::newRow("two fields") << "10,20" << QColor(10, 20, 0);
        QTest::newRow("empty") << "" << QColor(0, 0, 0);
        QTest::newRow("garbage field") << "x,200,7" << QColor(0, 200, 7);
        QTest::newRow("spaces") << " 1, 2 ,3" << QColor(1, 2, 3);
        QTest::newRow("out of range clamped") << "300,-5,255" << QColor(255, 0, 255);
    }
    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        const QColor result = DThemeColor::fromText(text);
        QCOMPARE(result, color);
        QCOMPARE(result.alpha(), 255);
    }
};

ORVANE_TEST_MAIN(tst_ThemeColor)
#include "tst_themecolor.moc"
