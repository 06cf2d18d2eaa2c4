// The colour roles a theme gives the program's one style sheet: every role has
// a name the sheet can use, the derived text roles read on their backgrounds
// in every shipped theme, a theme file can set a role outright, and the
// sheet's templates name only roles and extras that exist.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "app/DThemeStyleSheet.h"
#include "ui/widgets/DAppStyle.h"

using R = DThemeRoles;

class tst_themeRoles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }
    void cleanupTestCase() { DDataManager::getInstance()->loadTheme(0); }

    void everyRoleHasItsOwnName()
    {
        QSet<QString> names;
        for (int i = 0; i < R::RoleCount; ++i) {
            const auto role = R::Role(i);
            const QString name = QLatin1String(R::name(role));
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(R::byName(name), role);
            names.insert(name);
        }
        QCOMPARE(names.size(), int(R::RoleCount));
        QCOMPARE(R::byName(QStringLiteral("noSuchRole")), R::RoleCount);
        QCOMPARE(R::byName(QString()), R::RoleCount);
    }

    void derivedTextReadsOnItsBackground_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }
    void derivedTextReadsOnItsBackground()
    {
        QFETCH(int, theme);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(false);
        data->loadTheme(theme);
        const DThemeRoles& roles = data->themeRoles();
        struct Pair
        {
            R::Role text;
            R::Role background;
            double minimum;
        };
        const Pair pairs[] = {
            {R::MutedText, R::DevicePanel, ContrastRatio::kText},
            {R::SelectionText, R::Selection, ContrastRatio::kText},
            {R::BubbleText, R::Bubble, ContrastRatio::kText},
            {R::ToastText, R::Toast, ContrastRatio::kText},
            {R::OnAccent, R::Accent, ContrastRatio::kText},
            {R::ErrorText, R::DevicePanel, ContrastRatio::kText},
            {R::SuccessText, R::DevicePanel, ContrastRatio::kText},
            {R::WarningText, R::DevicePanel, ContrastRatio::kText},
            {R::Indicator, R::DevicePanel, ContrastRatio::kLarge},
            {R::KeySelected, R::KeyCap, ContrastRatio::kLarge},
            {R::UpgradeWarning, R::UpgradeSurface, ContrastRatio::kText},
        };
        QStringList failures;
        for (const Pair& pair : pairs) {
            const double ratio = ContrastRatio::contrast(roles.color(pair.text), roles.color(pair.background));
            if (ratio < pair.minimum)
                failures << QStringLiteral("%1 on %2: %3:1")
                                .arg(QLatin1String(R::name(pair.text)), QLatin1String(R::name(pair.background)))
                                .arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void aThemeFileCanSetARole()
    {
        themeColorData theme;
        for (int i = 0; i < themeColorData::kColorFieldCount; ++i)
            theme.field(i) = QStringLiteral("40,40,40");
        theme.textDefaultColor = QStringLiteral("200,200,200");
        const QHash<QString, QString> overrides{{QStringLiteral("mutedText"), QStringLiteral("1,2,3")},
                                                {QStringLiteral("bubble"), QStringLiteral("9,8,7,100")},
                                                {QStringLiteral("toast"), QStringLiteral("unreadable")},
                                                {QStringLiteral("noSuchRole"), QStringLiteral("5,5,5")}};
        const DThemeRoles roles = DThemeRoles::fromTheme(theme, overrides);
        // Set outright, even where the derivation would have made it readable.
        QCOMPARE(roles.color(R::MutedText), QColor(1, 2, 3));
        QCOMPARE(roles.color(R::Bubble), QColor(9, 8, 7, 100));
        // A role derived from an overridden one follows it.
        QVERIFY(ContrastRatio::contrast(roles.color(R::BubbleText), QColor(9, 8, 7)) >= ContrastRatio::kText);
        // An unreadable value leaves the derived colour.
        QCOMPARE(roles.color(R::Toast), QColor(40, 40, 40));
        QCOMPARE(roles.color(R::Text), QColor(200, 200, 200));
        QCOMPARE(roles.css(R::Bubble), QStringLiteral("rgba(9, 8, 7, 100)"));
    }

    void fillNamesRolesAndExtras()
    {
        themeColorData theme;
        theme.textDefaultColor = QStringLiteral("1,2,3");
        theme.textHoverColor = QStringLiteral("4,5,6");
        const DThemeRoles roles = DThemeRoles::fromTheme(theme);
        QStringList unknown;
        const QString filled = DThemeStyleSheet::fill(
            QStringLiteral("a{color:@text;} a:hover{color:@textHover;} b{image:url(x_@theme.png);} c{color:@nope;}"),
            roles, {{QStringLiteral("theme"), QStringLiteral("Black")}}, &unknown);
        QCOMPARE(filled, QStringLiteral("a{color:rgba(1, 2, 3, 255);} a:hover{color:rgba(4, 5, 6, 255);} "
                                        "b{image:url(x_Black.png);} c{color:@nope;}"));
        QCOMPARE(unknown, QStringList{QStringLiteral("nope")});
    }

    void theTemplatesNameOnlyWhatExists()
    {
        const QString templates = DThemeStyleSheet::templates();
        QVERIFY(templates.contains(QLatin1String("QToolTip")));
        QStringList unknown;
        DThemeStyleSheet::fill(templates, DDataManager::getInstance()->themeRoles(), DAppStyle::extras(0), &unknown);
        unknown.removeDuplicates();
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1String(", "))));
    }
};

ORVANE_TEST_MAIN(tst_themeRoles)
#include "tst_themeRoles.moc"
