// The device page restyled from each theme: every widget the theme names
// gets its filled template and font, the scroll bar a moment later, the
// marquee its colours and a hidden state, the link the accent colour.
#include "TestMain.h"

#include "DDataManager.h"
#include "mainwidget/devicePage/DDevicePage.h"
#include "mainwidget/devicePage/DDevicePageTheme.h"
#include "resourceInit.h"
#include "widgets/TextMoveWidget.h"

#include <QLabel>

class tst_devicePageTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initOrvaneResources();
        DDataManager::getInstance();
    }
    void cleanup()
    {
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadTheme(0);
    }

    void everyThemeRestylesThePage_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("backgroundImage");
        const char* const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(names[i]) << i << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 with image").arg(names[i]))) << i << true;
        }
    }
    void everyThemeRestylesThePage()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(backgroundImage);
        data->loadTheme(theme);
        const themeColorData colours = data->themeColors();

        DDevicePage page;
        auto* marquee = page.findChild<TextMoveWidget*>(QStringLiteral("widget_MoveTip"));
        marquee->show();
        page.setTheme();

        QHash<QString, int> seen;
        for (const DDevicePageTheme::Style& style : DDevicePageTheme::styles(colours)) {
            QWidget* target = page.findChild<QWidget*>(style.objectName);
            QVERIFY2(target, qPrintable(style.objectName));
            ++seen[style.objectName];
            if (!style.styleSheet.isEmpty())
                QCOMPARE(target->styleSheet(), style.styleSheet);
            if (style.font != DDevicePageTheme::NoFont) {
                QCOMPARE(target->font().pointSize(), style.pointSize);
                QCOMPARE(target->font().family(), data->getFont(style.font).family());
            }
        }
        QCOMPARE(seen.value(QStringLiteral("label")), 2);

        // A theme with an image keeps the alpha in the style sheets.
        const QString rightStyle = page.findChild<QWidget*>(QStringLiteral("frame_Right"))->styleSheet();
        QCOMPARE(rightStyle.count(QLatin1Char(',')), colours.deviceRightBgColor.count(QLatin1Char(',')));
        if (!backgroundImage)
            QCOMPARE(rightStyle.count(QLatin1Char(',')), 2);
        else
            QCOMPARE(rightStyle.count(QLatin1Char(',')), 3);

        QVERIFY(marquee->isHidden());
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("label_Url"))
                    ->text()
                    .contains(QStringLiteral("color:rgb(%1);").arg(colours.textCheckedColor)));

        QWidget* scrollHost = page.findChild<QWidget*>(QStringLiteral("widget_4"));
        const QString expectedScroll = DDevicePageTheme::scrollBarStyle(colours);
        QCOMPARE(page.scrollBarStyle(), expectedScroll);
        QVERIFY(scrollHost->styleSheet() != expectedScroll);
        QTRY_COMPARE(scrollHost->styleSheet(), expectedScroll);
    }

    void twiceGivesTheSameLook()
    {
        DDevicePage page;
        page.setTheme();
        QStringList first;
        for (QWidget* w : page.findChildren<QWidget*>())
            first << w->objectName() + QLatin1Char('=') + w->styleSheet();
        page.setTheme();
        QStringList second;
        for (QWidget* w : page.findChildren<QWidget*>())
            second << w->objectName() + QLatin1Char('=') + w->styleSheet();
        QCOMPARE(second, first);
    }
};

ORVANE_TEST_MAIN(tst_devicePageTheme)
#include "tst_devicePageTheme.moc"
