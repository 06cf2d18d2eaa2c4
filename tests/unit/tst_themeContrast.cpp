// Every text and icon the themed widgets draw stays readable on the
// background it is drawn on: the contrast ratio of each pair of theme colours
// the style sheets put together, from the theme files the program loads.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "app/DThemePalette.h"

#include <QPair>

namespace {

using Field = QString themeColorData::*;

struct Pair
{
    const char* where;
    Field text;
    Field background;
    double minimum;
};

using ContrastRatio::contrast;
using ContrastRatio::kText;
// Icons (drawn in the text colours) and large text: the title bar's names
// are 14 and 16 pt bold.
using ContrastRatio::kLarge;

using T = themeColorData;
const Pair kPairs[] = {
    {"device names in the list", &T::textDefaultColor, &T::deviceListAreaDefaultBgColor, kText},
    {"product names in the list", &T::textCheckedColor, &T::deviceListAreaDefaultBgColor, kText},
    {"list caption", &T::textDefaultColor, &T::deviceLeftBgColor, kText},
    {"company link", &T::textCheckedColor, &T::deviceLeftBgColor, kText},
    {"profile box, Reset, Download, page labels", &T::textDefaultColor, &T::deviceRightBgColor, kText},
    {"selected layer, key name, hovered buttons", &T::textCheckedColor, &T::deviceRightBgColor, kText},
    {"toolbar and type icons", &T::textDefaultColor, &T::deviceRightBgColor, kLarge},
    {"selected toolbar icon", &T::textCheckedColor, &T::deviceRightBgColor, kLarge},
    {"device name in the title bar", &T::textDefaultColor, &T::mainWidgetTitleColorStart, kText},
    {"program and product name in the title bar", &T::textCheckedColor, &T::mainWidgetTitleColorStart, kLarge},
    {"title-bar icons", &T::textDefaultColor, &T::mainWidgetTitleColorStart, kLarge},
    {"on-screen keyboard keys", &T::deviceSoftkeyboardButDefaultTextColor, &T::deviceSoftkeyboardButColor, kText},
    {"macro names and menus", &T::macroListItemTextColor, &T::macroLeftBgColor, kText},
    {"hovered macro and menu entry", &T::macroListItemTextColor, &T::macroListItemHoverColor, kText},
    {"selected macro and menu entry", &T::macroListItemTextColor, &T::macroListItemSelectedColor, kText},
    {"selected macro event", &T::textCheckedColor, &T::macroListItemSelectedColor, kText},
    {"macro events", &T::macroListItemTextColor, &T::macroCenterBgColor, kText},
    {"macro name being edited", &T::textDefaultColor, &T::macroListItemSelectedColor, kText},
    {"macro editor labels, left", &T::textDefaultColor, &T::macroLeftBgColor, kText},
    {"macro editor headings, left", &T::textCheckedColor, &T::macroLeftBgColor, kText},
    {"macro editor labels, centre", &T::textDefaultColor, &T::macroCenterBgColor, kText},
    {"macro editor headings, centre", &T::textCheckedColor, &T::macroCenterBgColor, kText},
    {"macro editor labels, right", &T::textDefaultColor, &T::macroRightBgColor, kText},
    {"macro editor headings, right", &T::textCheckedColor, &T::macroRightBgColor, kText},
    {"dialog titles", &T::textCheckedColor, &T::settingsTitleColorStart, kText},
    {"settings labels", &T::textDefaultColor, &T::settingsBgColor, kText},
    {"settings headings", &T::textCheckedColor, &T::settingsBgColor, kText},
    {"settings controls", &T::textDefaultColor, &T::settingsControlDefaultColor, kText},
    {"hovered settings controls", &T::textDefaultColor, &T::settingsControlHoverBgColor, kText},
    {"selected settings controls", &T::textDefaultColor, &T::settingsControlSelectedBgColor, kText},
    {"upgrade rows", &T::textDefaultColor, &T::upgradeBgColor, kText},
    {"upgrade headings", &T::textCheckedColor, &T::upgradeBgColor, kText},
    {"toasts", &T::textCheckedColor, &T::allBgColor, kText},
    {"hover tips", &T::textDefaultColor, &T::allBgColor, kText},
    {"hover tips of keys that cannot change", &T::textCheckedColor, &T::allBgColor, kText},
};

} // namespace

class tst_themeContrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void everyPairIsReadable_data()
    {
        QTest::addColumn<int>("theme");
        // The dark theme's values are given; the others are ours, and the
        // dark one passing shows the pairs ask nothing unreasonable.
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
        QTest::newRow("blue") << 2;
        QTest::newRow("pink") << 3;
    }
    void everyPairIsReadable()
    {
        QFETCH(int, theme);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(false);
        data->loadTheme(theme);
        const themeColorData colours = data->themeColors();
        data->loadTheme(0);
        QStringList failures;
        for (const Pair& pair : kPairs) {
            const double ratio
                = contrast(DThemeColor::fromText(colours.*pair.text), DThemeColor::fromText(colours.*pair.background));
            if (ratio < pair.minimum)
                failures << QStringLiteral("%1: %2 on %3 is %4:1, needs %5:1")
                                .arg(QLatin1String(pair.where), colours.*pair.text, colours.*pair.background)
                                .arg(ratio, 0, 'f', 2)
                                .arg(pair.minimum);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // The application palette that dialogs, menus and pop-ups draw from
    // reads as well, on every theme.
    void paletteIsReadable_data() { everyPairIsReadable_data(); }
    void paletteIsReadable()
    {
        QFETCH(int, theme);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(false);
        data->loadTheme(theme);
        const QPalette palette = DThemePalette::fromTheme(data->themeColors());
        data->loadTheme(0);
        const QPair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window},         {QPalette::Text, QPalette::Base},
            {QPalette::Text, QPalette::AlternateBase},        {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight}, {QPalette::ToolTipText, QPalette::ToolTipBase},
        };
        for (const auto& pair : pairs) {
            const double ratio = contrast(palette.color(pair.first), palette.color(pair.second));
            QVERIFY2(ratio >= kText, qPrintable(QStringLiteral("roles %1 on %2: %3:1")
                                                    .arg(int(pair.first))
                                                    .arg(int(pair.second))
                                                    .arg(ratio, 0, 'f', 2)));
        }
    }

    // The measure itself, on the guidelines' own end points.
    void contrastOfKnownColours()
    {
        QCOMPARE(contrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrast(Qt::white, Qt::white), 1.0);
        QVERIFY(qAbs(contrast(QColor(118, 118, 118), Qt::white) - 4.54) < 0.01);
    }
};

ORVANE_TEST_MAIN(tst_themeContrast)
#include "tst_themeContrast.moc"
