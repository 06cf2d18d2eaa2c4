// The device page restyled from each theme: its widgets draw the theme's
// roles from the application sheet without a sheet of their own, take their
// fonts, the Reset icon the accent; the marquee is hidden, the link in the
// accent colour, and the caps' light left as the shown page set it. The
// hosted pages, the list rows, the main window and its dialogs take every
// theme colour in the colour function Qt accepts for it, and the keyboard
// view shows the right column's theme background around the keyboard.
#include "support/DevicePageProbe.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DContrastRatio.h"
#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "hid/hidStructInfoAll.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DDevicePageTheme.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/TextMoveWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>

#include <cstring>
#include <memory>
#include <vector>

namespace {

QStringList g_cssWarnings;

void catchCssWarnings(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("QCssParser")))
        g_cssWarnings << message;
}

themeColorData loadTheme(int theme, bool backgroundImage)
{
    DDataManager* data = DDataManager::getInstance();
    data->setBgImageIsUsing(backgroundImage);
    data->loadTheme(theme);
    DAppStyle::apply(theme);
    return data->themeColors();
}

// Sheets (or rich texts) that still hand rgb() four components.
QStringList fourComponentRgb(const QList<QWidget*>& roots)
{
    static const QRegularExpression kRgbWithAlpha(QStringLiteral("\\brgb\\(\\s*[^(),]*(,[^(),]*){3}\\)"));
    QStringList found;
    for (QWidget* root : roots) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            QString text = w->styleSheet();
            if (auto* label = qobject_cast<QLabel*>(w))
                text += label->text();
            const QRegularExpressionMatch m = kRgbWithAlpha.match(text);
            if (m.hasMatch())
                found << w->objectName() + QLatin1String(": ") + m.captured(0);
        }
    }
    return found;
}

struct ThemedText
{
    const char* objectName;
    DThemeRoles::Role text;
};

// The text role each widget of the hosted pages is drawn in.
const ThemedText kPerformanceTexts[] = {
    {"label", DThemeRoles::Text},
    {"label_2", DThemeRoles::Text},
    {"label_3", DThemeRoles::Text},
    {"label_4", DThemeRoles::Text},
    {"label_5", DThemeRoles::Text},
    {"lineEdit_LightSleep", DThemeRoles::Text},
    {"lineEdit_KeyboardSleep", DThemeRoles::Text},
    {"pushButton_SubmitSleepTime", DThemeRoles::Text},
    {"pushButton_Restore", DThemeRoles::Text},
    {"pushButton_keyboardProperties", DThemeRoles::Text},
};
const ThemedText kCustomKeysTexts[] = {
    {"label", DThemeRoles::Text},
    {"label_2", DThemeRoles::Text},
    {"label_KeyChar", DThemeRoles::AccentText},
    {"pushButton_Download", DThemeRoles::Text},
};

// The page's own widget of that name, not a hosted page's deeper down.
QWidget* shallowest(QWidget* host, const char* name)
{
    QWidget* found = nullptr;
    int foundDepth = 0;
    for (QWidget* w : host->findChildren<QWidget*>(QLatin1String(name))) {
        int depth = 0;
        for (QWidget* p = w; p && p != host; p = p->parentWidget())
            ++depth;
        if (!found || depth < foundDepth) {
            found = w;
            foundDepth = depth;
        }
    }
    return found;
}

// The first fully opaque pixel of an icon, where its drawing is.
QColor inkOf(const QIcon& icon, const QSize& size)
{
    const QImage image = icon.pixmap(size).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return image.pixelColor(x, y);
    return QColor();
}

} // namespace

class tst_devicePageTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DDataManager::getInstance(); }
    void cleanup()
    {
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
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
        loadTheme(theme, backgroundImage);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();

        g_cssWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchCssWarnings);
        DDevicePage page;
        page.resize(1280, 700);
        auto* marquee = page.findChild<TextMoveWidget*>(QStringLiteral("widget_MoveTip"));
        marquee->show();
        page.setTheme();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        qInstallMessageHandler(previous);
        QVERIFY2(g_cssWarnings.isEmpty(), qPrintable(g_cssWarnings.join(QLatin1Char('\n'))));
        QVERIFY(marquee->isHidden());

        // The page keeps no sheet of its own: what it shows is the theme's.
        for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(w->styleSheet().isEmpty(), qPrintable(w->objectName()));

        QWidget* listColumn = page.findChild<QWidget*>(QStringLiteral("frame_left"));
        QWidget* header = listColumn->findChild<QWidget*>(QStringLiteral("frame"))
                              ->findChild<QWidget*>(QStringLiteral("label"));
        QWidget* tip = page.findChild<QWidget*>(QStringLiteral("label_Tip"));
        auto* reset = page.findChild<QPushButton*>(QStringLiteral("pushButton_Reset"));
        const struct
        {
            QWidget* widget;
            DThemeRoles::Role text;
        } texts[] = {
            {header, DThemeRoles::Text},
            {tip, DThemeRoles::AccentText},
            {page.findChild<QWidget*>(QStringLiteral("label_Mode")), DThemeRoles::AccentText},
            {page.findChild<QWidget*>(QStringLiteral("comboBox_profileList")), DThemeRoles::Text},
            {reset, DThemeRoles::Text},
        };
        for (const auto& entry : texts)
            QCOMPARE(RenderedLook::text(entry.widget).rgb(), roles.color(entry.text).rgb());

        const QHash<QString, QWidget*> fontTargets{{QStringLiteral("label"), header},
                                                    {QStringLiteral("label_Tip"), tip},
                                                    {QStringLiteral("label_Mode"),
                                                     page.findChild<QWidget*>(QStringLiteral("label_Mode"))},
                                                    {QStringLiteral("pushButton_Reset"), reset}};
        for (const DDevicePageTheme::FontRow& row : DDevicePageTheme::fonts()) {
            QWidget* target = fontTargets.value(row.objectName);
            QVERIFY2(target, qPrintable(row.objectName));
            QCOMPARE(target->font().pointSize(), row.pointSize);
            QCOMPARE(target->font().family(), DDataManager::getInstance()->getFont(row.font).family());
        }

        // What a user reads on the empty page stands out from what is behind it.
        if (!backgroundImage) {
            for (QWidget* w : {header, tip}) {
                const double ratio = DContrastRatio::contrast(RenderedLook::text(w), RenderedLook::background(w));
                QVERIFY2(ratio >= DContrastRatio::kText,
                         qPrintable(QStringLiteral("%1: %2").arg(w->objectName()).arg(ratio)));
            }
        }

        // The Reset icon takes the accent, not the colour it was drawn in.
        QCOMPARE(inkOf(reset->icon(), reset->iconSize()).rgb(), roles.color(DThemeRoles::AccentText).rgb());

        QVERIFY(page.findChild<QLabel*>(QStringLiteral("label_Url"))
                    ->text()
                    .contains(QStringLiteral("color:%1;").arg(roles.color(DThemeRoles::AccentText).name())));
    }

    // The hosted pages draw their texts in the theme's roles from the
    // application sheet, with their icons in the accent; no style-sheet
    // warning while the window takes the theme; and nowhere in the window,
    // a list row, the profile menu or the settings dialog is rgb() given
    // four components.
    void everyThemeColourReachesTheHostedPages_data() { everyThemeRestylesThePage_data(); }
    void everyThemeColourReachesTheHostedPages()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        const themeColorData colours = loadTheme(theme, backgroundImage);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();

        g_cssWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchCssWarnings);
        DMainWidget window;
        const bool themed = QMetaObject::invokeMethod(&window, "onChangAppTheme", Q_ARG(int, theme));
        auto* page = window.findChild<DDevicePage*>();
        DDeviceListItem row;
        DProfileMenuToolWidget menu;
        DSettingsDia settings;
        QStringList wrong;
        auto check = [&](QWidget* host, const ThemedText& entry) {
            QWidget* target = shallowest(host, entry.objectName);
            if (!target) {
                wrong << QLatin1String(entry.objectName);
                return;
            }
            const QColor drawn = RenderedLook::text(target);
            if (drawn.rgb() != roles.color(entry.text).rgb())
                wrong << QStringLiteral("%1: %2, not %3")
                             .arg(entry.objectName, drawn.name(), roles.color(entry.text).name());
            if (!target->styleSheet().isEmpty())
                wrong << QStringLiteral("%1 keeps a sheet").arg(entry.objectName);
            target->grab();
        };
        QVERIFY(themed);
        QVERIFY(page);
        DPerformancePage* performance = DevicePageProbe(*page).performancePage();
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        for (const ThemedText& entry : kPerformanceTexts)
            check(performance, entry);
        for (const ThemedText& entry : kCustomKeysTexts)
            check(keys, entry);
        qInstallMessageHandler(previous);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        QVERIFY2(g_cssWarnings.isEmpty(), qPrintable(g_cssWarnings.join(QLatin1Char('\n'))));

        // The text buttons' icons are drawn in the accent of each theme.
        const QColor accent = roles.color(DThemeRoles::AccentText);
        for (QPushButton* button : {performance->findChild<QPushButton*>(QStringLiteral("pushButton_Restore")),
                                    performance->findChild<QPushButton*>(QStringLiteral("pushButton_keyboardProperties")),
                                    keys->findChild<QPushButton*>(QStringLiteral("pushButton_Download"))}) {
            button->ensurePolished();
            QCOMPARE(inkOf(button->icon(), button->iconSize()).rgb(), accent.rgb());
        }

        // The list row's panel: its colour, translucent with a background
        // image, over what lies behind the row.
        const QColor rowColour = DDataManager::getInstance()->themeRoles().color(DThemeRoles::DeviceListRow);
        const QColor under = row.palette().color(QPalette::Window);
        const auto over = [&](int front, int back) {
            return (front * rowColour.alpha() + back * (255 - rowColour.alpha())) / 255;
        };
        const QColor expectedRow(over(rowColour.red(), under.red()), over(rowColour.green(), under.green()),
                                 over(rowColour.blue(), under.blue()));
        const QColor drawnRow = RenderedLook::background(row.findChild<QWidget*>(QStringLiteral("frame")));
        QVERIFY2(qAbs(drawnRow.red() - expectedRow.red()) <= 2 && qAbs(drawnRow.green() - expectedRow.green()) <= 2
                     && qAbs(drawnRow.blue() - expectedRow.blue()) <= 2,
                 qPrintable(drawnRow.name() + " " + expectedRow.name()));
        const QStringList offending = fourComponentRgb({&window, &row, &menu, &settings});
        QVERIFY2(offending.isEmpty(), qPrintable(offending.join(QLatin1Char('\n'))));
    }

    // Where a widget draws no theme colour of its own, the colour below it
    // shows, the translucent ones of a background image included: around the
    // keyboard the right column's (not one fixed dark colour), below the list
    // rows the list's (not the palette's grey), and in the performance page's
    // right frame the page's (not the right column's painted a second time).
    void backgroundsFollowTheTheme_data() { everyThemeRestylesThePage_data(); }
    void backgroundsFollowTheTheme()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        const themeColorData colours = loadTheme(theme, backgroundImage);

        // The window below the page paints a colour of its own, unlike the
        // palette's, as the main window's background image does.
        QWidget host;
        host.setObjectName(QStringLiteral("host"));
        host.setAttribute(Qt::WA_StyledBackground, true);
        host.setStyleSheet(QStringLiteral("QWidget#host{ background-color: rgb(0, 128, 0); }"));
        host.resize(1280, 700);
        auto* hostLayout = new QHBoxLayout(&host);
        hostLayout->setContentsMargins(0, 0, 0, 0);
        auto* pageOwned = new DDevicePage(&host);
        // The first list load ends on the no-keyboard page; it must be over
        // before the pages below are chosen, or it takes them away again.
        QSignalSpy loaded(pageOwned, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loaded.wait(20000));
        hostLayout->addWidget(pageOwned);
        DDevicePage& page = *pageOwned;
        page.setTheme();
        // Shown as a keyboard would have them: built.
        DPerformancePage* performance = DevicePageProbe(page).performancePage();
        page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_3"))
            ->setCurrentWidget(page.findChild<QWidget*>(QStringLiteral("page_HaveDevice")));
        page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))
            ->setCurrentWidget(page.findChild<QWidget*>(QStringLiteral("page_Performance")));
        QWidget* showFrame = page.findChild<QWidget*>(QStringLiteral("hidDeviceShowFrame"));
        auto* view = new hidDeviceJoinFrame(showFrame);
        hidStructInfoAll record;
        std::strncpy(record.modelName, "OV68M", sizeof(record.modelName) - 1);
        view->loadKeyboard(record);
        showFrame->layout()->addWidget(view);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QImage shot = host.grab().toImage();
        auto at = [&](const char* name, const QPoint& p, QWidget* in) {
            QWidget* w = in->findChild<QWidget*>(QLatin1String(name));
            return w ? shot.pixelColor(w->mapTo(&page, p)) : QColor();
        };

        QVERIFY(!view->keyboardSpace()->geometry().contains(QPoint(4, 4)));
        const QColor aroundKeyboard = shot.pixelColor(view->mapTo(&page, QPoint(4, 4)));
        // frame_9 lies below the view and draws nothing left of Reset.
        QCOMPARE(aroundKeyboard, at("frame_9", QPoint(20, 16), &page));
        if (!backgroundImage)
            QCOMPARE(aroundKeyboard, DThemeColor::fromText(colours.deviceRightBgColor));

        // The list header paints the list's colour straight over the page.
        QWidget* list = page.findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_2"));
        QCOMPARE(shot.pixelColor(list->mapTo(&page, QPoint(20, list->height() - 20))),
                 at("frame", QPoint(5, 5), &page));

        QWidget* performanceRight = performance->findChild<QWidget*>(QStringLiteral("frame_Right"));
        QVERIFY(performanceRight->isVisible());
        QCOMPARE(shot.pixelColor(performanceRight->mapTo(&page, QPoint(40, 120))),
                 shot.pixelColor(performance->mapTo(&page, QPoint(performance->width() - 40, 120))));

        // The performance page's boxes are framed in the theme's border colour.
        if (!backgroundImage) {
            const QColor border = DDataManager::getInstance()->themeRoles().color(DThemeRoles::DeviceBorder);
            for (const char* name : {"frame_Left", "frame_Center"}) {
                QWidget* box = performance->findChild<QWidget*>(QLatin1String(name));
                QCOMPARE(shot.pixelColor(box->mapTo(&page, QPoint(box->width() / 2, 1))).rgb(), border.rgb());
            }
        }
    }

    // A theme change gives the caps their state colours and nothing more:
    // a page that hides the caps' light keeps them hidden.
    void themeLeavesTheCapsLightAlone()
    {
        DDevicePage page;
        QWidget host;
        auto* view = new hidDeviceJoinFrame(&host);
        hidStructInfoAll record;
        std::strncpy(record.modelName, "OV68M", sizeof(record.modelName) - 1);
        view->loadKeyboard(record);
        const QList<keyboardButCustom*> caps = DDataManager::getInstance()->keyButtonList();
        QVERIFY(!caps.isEmpty());
        for (keyboardButCustom* cap : caps)
            cap->setLightColorEnabled(false);
        page.setTheme();
        for (keyboardButCustom* cap : caps) {
            cap->setLightColor(QColor(Qt::red));
            QVERIFY(cap->lightColor() != QColor(Qt::red));
        }
    }

    void twiceGivesTheSameLook()
    {
        DDevicePage page;
        page.resize(1280, 700);
        page.setTheme();
        const QImage first = page.grab().toImage();
        page.setTheme();
        QCOMPARE(page.grab().toImage(), first);
    }
};

ORVANE_TEST_MAIN(tst_devicePageTheme)
#include "tst_devicePageTheme.moc"
