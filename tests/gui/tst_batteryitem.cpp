#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/widgets/BatteryItem.h"

namespace {

QColor role(DThemeRoles::Role role)
{
    return DDataManager::getInstance()->themeRoles().color(role);
}

} // namespace

class tst_BatteryItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void levels_data()
    {
        const int red = DThemeRoles::ErrorText, amber = DThemeRoles::WarningText, green = DThemeRoles::SuccessText;
        QTest::addColumn<bool>("showText");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("fillWidth");
        QTest::newRow("empty") << true << 0 << red << 0;
        QTest::newRow("25 is still red") << true << 25 << red << 6;
        QTest::newRow("26 turns amber") << true << 26 << amber << 6;
        QTest::newRow("50 is still amber") << true << 50 << amber << 12;
        QTest::newRow("51 turns green") << true << 51 << green << 12;
        QTest::newRow("99 fills 24 pixels") << true << 99 << green << 24;
        QTest::newRow("full fills 25 pixels") << true << 100 << green << 25;
        QTest::newRow("negative counts green, nothing filled") << true << -5 << green << 0;
        QTest::newRow("over 100 stays inside the outline") << true << 255 << green << 25;
        QTest::newRow("text off, low level is green") << false << 10 << green << 2;
        QTest::newRow("text off, middle level is green") << false << 40 << green << 10;
    }
    void levels()
    {
        QFETCH(bool, showText);
        QFETCH(int, level);
        QFETCH(int, colour);
        QFETCH(int, fillWidth);
        BatteryItem battery;
        battery.setShowText(showText);
        battery.setLevel(level);
        QCOMPARE(battery.level(), level);
        QCOMPARE(battery.fillColor(), role(DThemeRoles::Role(colour)));
        QCOMPARE(battery.fillWidth(), fillWidth);
    }

    void showTextTakesEffectAtTheNextLevel()
    {
        BatteryItem battery;
        battery.setLevel(10);
        battery.setShowText(false);
        QCOMPARE(battery.fillColor(), role(DThemeRoles::ErrorText));
        battery.setLevel(10);
        QCOMPARE(battery.fillColor(), role(DThemeRoles::SuccessText));
    }

    // Outline and fill in the theme's colours, each standing out from the
    // device page in every theme.
    void paintsOutlineAndFill_data() { ThemeUnderTest::addEveryThemeRow(); }
    void paintsOutlineAndFill()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope inUse(theme);
        BatteryItem battery;
        battery.resize(40, 20);
        battery.setShowText(false);
        battery.setLevel(60);
        const QImage image = battery.grab().toImage();
        const QRgb outline = role(DThemeRoles::Text).rgb();
        const QRgb fill = role(DThemeRoles::SuccessText).rgb();
        QCOMPARE(image.pixel(0, 7), outline);
        QCOMPARE(image.pixel(29, 7), outline);
        QCOMPARE(image.pixel(31, 7), outline);
        QCOMPARE(image.pixel(14, 0), outline);
        QCOMPARE(image.pixel(2, 7), fill);
        QCOMPARE(image.pixel(16, 7), fill);
        QVERIFY(image.pixel(20, 7) != fill);
        const QColor panel = role(DThemeRoles::DevicePanel);
        for (DThemeRoles::Role part : {DThemeRoles::Text, DThemeRoles::ErrorText, DThemeRoles::WarningText,
                                       DThemeRoles::SuccessText})
            QVERIFY2(ContrastRatio::contrast(role(part), panel) >= ContrastRatio::kLarge, DThemeRoles::name(part));
    }
};

ORVANE_TEST_MAIN(tst_BatteryItem)
#include "tst_batteryitem.moc"
