// The device page's theme templates: every marker takes the theme field it
// stands for, values go in unchanged, and the painted colours use the first
// three components only.
#include "support/TestMain.h"

#include "app/DThemeColor.h"
#include "ui/mainwidget/devicePage/DDevicePageTheme.h"

namespace {

// Every colour field differs, so a marker filled with the wrong field shows.
// The font family carries a marker of its own, which must survive as text.
themeColorData distinctTheme()
{
    themeColorData theme;
    for (int i = 0; i < themeColorData::kColorFieldCount; ++i)
        theme.field(i) = QStringLiteral("%1,%2,%3,%4").arg(i + 1).arg(100 + i).arg(200 - i).arg(128);
    theme.textFont = QStringLiteral("Sans %2 Font");
    return theme;
}

DDevicePageTheme::Style styleOf(const QVector<DDevicePageTheme::Style>& styles, const QString& name, int nth = 0)
{
    for (const DDevicePageTheme::Style& s : styles) {
        if (s.objectName == name && nth-- == 0)
            return s;
    }
    return {};
}

} // namespace

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

    // Each row: a widget, and fragments its style sheet must hold with the
    // theme fields named.
    void styles_data()
    {
        const themeColorData t = distinctTheme();
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QStringList>("fragments");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("pointSize");
        auto rgb = [](const QString& v) { return QStringLiteral("rgba(%1)").arg(v); };

        QTest::newRow("frame") << "frame" << 0
                               << QStringList{"QFrame#frame{ background-color: " + rgb(t.deviceLeftBgColor)}
                               << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("label colour") << "label" << 0 << QStringList{"QLabel#label{color: " + rgb(t.textDefaultColor)}
                                      << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("frame_Url") << "frame_Url" << 0
                                   << QStringList{"QFrame#frame_Url{", "border: none;",
                                                  "border-top: 3px solid " + rgb(t.deviceBorderColor),
                                                  "background-color: " + rgb(t.deviceLeftBgColor)}
                                   << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("label_Url") << "label_Url" << 0
                                   << QStringList{"QLabel#label_Url{color: " + rgb(t.textCheckedColor)}
                                   << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("list contents") << "scrollAreaWidgetContents_2" << 0
                                       << QStringList{"QWidget#scrollAreaWidgetContents_2{",
                                                      "background-color: " + rgb(t.deviceLeftBgColor)}
                                       << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("frame_Right") << "frame_Right" << 0
                                     << QStringList{"QFrame#frame_Right{ background-color: "
                                                    + rgb(t.deviceRightBgColor)}
                                     << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("profile list") << "comboBox_profileList" << 0
                                      << QStringList{"QComboBox{ background-color: " + rgb(t.deviceRightBgColor),
                                                     "padding-left: 5px;",
                                                     "border: 1px solid " + rgb(t.deviceBorderColor),
                                                     "font: 75 10pt \"Sans %2 Font\"",
                                                     "color: " + rgb(t.textDefaultColor),
                                                     "QComboBox:hover{ border: 1px solid " + rgb(t.textCheckedColor),
                                                     "height: 40px; padding-left: 10px;",
                                                     "url(:/images/publicIco/comboxDef.png)",
                                                     "down-arrow:on{ image: url(:/images/publicIco/comboxSel.png)",
                                                     "drop-down{ width: 20px; padding-right: 3px;",
                                                     "outline: 0px;"}
                                      << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("profile name") << "lineEdit_profileName" << 0
                                      << QStringList{"QLineEdit{ color: " + rgb(t.textDefaultColor),
                                                     "font: 75 10pt \"Sans %2 Font\"",
                                                     "background-color: " + rgb(t.deviceRightBgColor),
                                                     "border: 1px solid " + rgb(t.deviceBorderColor),
                                                     "QLineEdit:hover{ border: 1px solid " + rgb(t.textCheckedColor),
                                                     "QLineEdit:pressed{ border: 1px solid " + rgb(t.textCheckedColor)}
                                      << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("label_Tip") << "label_Tip" << 0
                                   << QStringList{"QLabel#label_Tip{ color: " + rgb(t.textCheckedColor)}
                                   << int(DDevicePageTheme::BoldFont) << 20;
        QTest::newRow("label_Mode") << "label_Mode" << 0
                                    << QStringList{"QLabel#label_Mode{ color: " + rgb(t.textCheckedColor)}
                                    << int(DDevicePageTheme::NormalFont) << 13;
        QTest::newRow("bottom border") << "widget_RightBottom" << 0
                                       << QStringList{"QWidget#widget_RightBottom{ border: none; border-top: 3px solid "
                                                      + rgb(t.deviceBorderColor)}
                                       << int(DDevicePageTheme::NoFont) << 0;
        QTest::newRow("label font") << "label" << 1 << QStringList{} << int(DDevicePageTheme::NormalFont) << 12;
        QTest::newRow("reset")
            << "pushButton_Reset" << 0
            << QStringList{"QPushButton{ border-radius: 8px; border: 2px solid " + rgb(t.deviceBorderColor),
                           "background-color: " + rgb(t.deviceRightBgColor) + "; color: " + rgb(t.textDefaultColor),
                           "QPushButton:hover{ background-color: " + rgb(t.deviceRightBgColor) + "; border: 2px solid "
                               + rgb(t.textCheckedColor),
                           "QPushButton:pressed{ color: " + rgb(t.textCheckedColor) + "; background-color: "
                               + rgb(t.deviceRightBgColor) + "; border: 2px solid " + rgb(t.textCheckedColor)}
            << int(DDevicePageTheme::NormalFont) << 11;
    }
    void styles()
    {
        QFETCH(QString, objectName);
        QFETCH(int, nth);
        QFETCH(QStringList, fragments);
        QFETCH(int, font);
        QFETCH(int, pointSize);
        const QVector<DDevicePageTheme::Style> all = DDevicePageTheme::styles(distinctTheme());
        const DDevicePageTheme::Style style = styleOf(all, objectName, nth);
        QCOMPARE(style.objectName, objectName);
        for (const QString& fragment : fragments) {
            if (!style.styleSheet.contains(fragment))
                QFAIL(qPrintable(QStringLiteral("missing \"%1\" in \"%2\"").arg(fragment, style.styleSheet)));
        }
        if (fragments.isEmpty())
            QVERIFY(style.styleSheet.isEmpty());
        QCOMPARE(style.font, font);
        QCOMPARE(style.pointSize, pointSize);
    }

    // The order in which the page applies them, the list column first.
    void styleOrder()
    {
        QStringList names;
        for (const DDevicePageTheme::Style& s : DDevicePageTheme::styles(distinctTheme()))
            names << s.objectName;
        QCOMPARE(names, (QStringList{"frame", "label", "frame_Url", "label_Url", "scrollAreaWidgetContents_2",
                                     "frame_Right", "comboBox_profileList", "lineEdit_profileName", "label_Tip",
                                     "label_Mode", "widget_RightBottom", "label", "pushButton_Reset"}));
        QCOMPARE(names.at(DDevicePageTheme::kListColumnStyleCount - 1), QStringLiteral("scrollAreaWidgetContents_2"));
    }

    void noMarkerLeft()
    {
        const QRegularExpression marker(QStringLiteral("%[1-9]"));
        themeColorData theme = distinctTheme();
        theme.textFont = QStringLiteral("Plain");
        for (const DDevicePageTheme::Style& s : DDevicePageTheme::styles(theme))
            QVERIFY2(!marker.match(s.styleSheet).hasMatch(), qPrintable(s.objectName));
        QVERIFY(!marker.match(DDevicePageTheme::scrollBarStyle(theme)).hasMatch());
    }

    void scrollBar()
    {
        const themeColorData t = distinctTheme();
        const QString style = DDevicePageTheme::scrollBarStyle(t);
        const QStringList fragments{
            "QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }",
            "QScrollBar::handle:vertical{ background: rgba(" + t.allScrollBarColorDef
                + "); min-height: 20px; border-radius: 2px; }",
            "QScrollBar::handle:vertical:hover{ background: rgba(" + t.allScrollBarColorHover + "); }",
            "add-line:vertical{ height: 0px;",
            "sub-line:vertical{ height: 0px;",
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ background: rgba(" + t.allScrollBgColor
                + "); border-radius: 3px; }"};
        for (const QString& fragment : fragments)
            QVERIFY2(style.contains(fragment), qPrintable(fragment));
    }

    void paintedColours_data()
    {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QColor>("accent");
        QTest::addColumn<QColor>("toastBackground");
        QTest::newRow("three fields") << "255,143,31"
                                      << "42,42,70" << QColor(255, 143, 31) << QColor(42, 42, 70, 200);
        QTest::newRow("alpha dropped") << "255,49,53,128"
                                       << "1,2,3,4" << QColor(255, 49, 53) << QColor(1, 2, 3, 200);
        QTest::newRow("missing fields count 0") << "7"
                                                << "" << QColor(7, 0, 0) << QColor(0, 0, 0, 200);
    }
    void paintedColours()
    {
        QFETCH(QString, checked);
        QFETCH(QString, background);
        QFETCH(QColor, accent);
        QFETCH(QColor, toastBackground);
        themeColorData theme;
        theme.textCheckedColor = checked;
        theme.allBgColor = background;
        QCOMPARE(DDevicePageTheme::accent(theme), accent);
        QCOMPARE(DDevicePageTheme::accent(theme).alpha(), 255);
        QCOMPARE(DDevicePageTheme::toastText(theme), accent);
        QCOMPARE(DDevicePageTheme::toastBackground(theme), toastBackground);
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageTheme)
#include "tst_DDevicePageTheme.moc"
