// The device page's theme data: the template filling the theme colours relies
// on, and the fonts the page sets by hand.
#include "support/TestMain.h"

#include "app/DThemeColor.h"
#include "ui/mainwidget/devicePage/DDevicePageTheme.h"

class tst_DDevicePageTheme : public QObject
{
    Q_OBJECT

private slots:
    void fillTemplate_data()
    {
        QTest::addColumn<QString>("styleTemplate");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one marker") << "rgb(%1)" << QStringList{"1,2,3"} << "rgb(1,2,3)";
        QTest::newRow("alpha kept") << "rgb(%1)" << QStringList{"255,49,53,128"} << "rgb(255,49,53,128)";
        QTest::newRow("markers out of order") << "%2-%1" << QStringList{"a", "b"} << "b-a";
        QTest::newRow("marker twice") << "%1 %2 %1" << QStringList{"x", "y"} << "x y x";
        QTest::newRow("value holding a marker") << "%1|%2" << QStringList{"%2", "z"} << "%2|z";
        QTest::newRow("marker without value") << "%1 %3" << QStringList{"a"} << "a %3";
        QTest::newRow("percent not a marker") << "50% %1" << QStringList{"w"} << "50% w";
        QTest::newRow("empty value") << "rgb(%1)" << QStringList{""} << "rgb()";
        QTest::newRow("six markers") << "%6%5%4%3%2%1" << QStringList{"1", "2", "3", "4", "5", "6"} << "654321";
    }
    void fillTemplate()
    {
        QFETCH(QString, styleTemplate);
        QFETCH(QStringList, values);
        QFETCH(QString, expected);
        QCOMPARE(DThemeColor::fillTemplate(styleTemplate, values), expected);
    }

    void fitColorFunctions_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rgb with alpha") << "a{color: rgb(255,49,53,128);}"
                                        << "a{color: rgba(255,49,53,128);}";
        QTest::newRow("rgba without alpha") << "a{background: rgba(75,75,111);}"
                                            << "a{background: rgb(75,75,111);}";
        QTest::newRow("fitting names kept") << "rgb(1,2,3) rgba(1,2,3,4)"
                                            << "rgb(1,2,3) rgba(1,2,3,4)";
        QTest::newRow("several in one sheet") << "x{border:1px solid rgb(1,2,3,4);background:rgba(5,6,7);}"
                                              << "x{border:1px solid rgba(1,2,3,4);background:rgb(5,6,7);}";
        QTest::newRow("empty colour left alone") << "rgb() rgb(1,2)"
                                                 << "rgb() rgb(1,2)";
        QTest::newRow("other functions untouched") << "url(:/images/a.png) qlineargradient(x1:0)"
                                                   << "url(:/images/a.png) qlineargradient(x1:0)";
    }
    void fitColorFunctions()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(DThemeColor::fitColorFunctions(sheet), expected);
    }

    // The fonts the page gives by hand; its colours are the sheet's.
    void fonts()
    {
        QStringList rows;
        for (const DDevicePageTheme::FontRow& row : DDevicePageTheme::fonts())
            rows << QStringLiteral("%1 %2 %3").arg(row.objectName).arg(row.font).arg(row.pointSize);
        QCOMPARE(rows, (QStringList{"label 1 12", "label_Tip 0 20", "label_Mode 1 13", "pushButton_Reset 1 11"}));
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageTheme)
#include "tst_DDevicePageTheme.moc"
