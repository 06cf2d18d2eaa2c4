// The device page restyled from each theme: every widget the theme names
// gets its filled template and font, the scroll bar a moment later, the
// marquee its colours and a hidden state, the link the accent colour. The
// hosted pages, the list rows, the main window and its dialogs take every
// theme colour in the colour function Qt accepts for it, and the keyboard
// view shows the right column's theme background around the keyboard.
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"

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
#include "ui/settings/DSettingsDia.h"
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

// A bare widget of the same kind as the one a sheet is made for.
QWidget* probeLike(const QWidget* target)
{
    if (qobject_cast<const QComboBox*>(target))
        return new QComboBox;
    if (qobject_cast<const QLineEdit*>(target))
        return new QLineEdit;
    if (qobject_cast<const QPushButton*>(target))
        return new QPushButton(QStringLiteral("Reset"));
    if (qobject_cast<const QCheckBox*>(target))
        return new QCheckBox(QStringLiteral("text"));
    if (qobject_cast<const QLabel*>(target))
        return new QLabel(QStringLiteral("text"));
    if (qobject_cast<const QFrame*>(target))
        return new QFrame;
    return new QWidget;
}

themeColorData loadTheme(int theme, bool backgroundImage)
{
    DDataManager* data = DDataManager::getInstance();
    data->setBgImageIsUsing(backgroundImage);
    data->loadTheme(theme);
    return data->themeColors();
}

// Qt reads three components only in rgb() and four only in rgba().
QString colourFunction(const QString& value)
{
    return QStringLiteral("%1(%2)").arg(
        value.count(QLatin1Char(',')) == 3 ? QLatin1String("rgba") : QLatin1String("rgb"), value);
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

struct ThemedField
{
    const char* objectName;
    std::vector<QString themeColorData::*> fields;
};

// The theme colours each widget of the hosted pages is made from.
const std::vector<QString themeColorData::*> kEditFields
    = {&themeColorData::textDefaultColor, &themeColorData::deviceRightBgColor, &themeColorData::deviceBorderColor,
       &themeColorData::textCheckedColor};
const std::vector<QString themeColorData::*> kCheckBoxFields
    = {&themeColorData::textDefaultColor, &themeColorData::textCheckedColor};
const ThemedField kPerformanceFields[] = {
    {"frame_Left", {&themeColorData::deviceBorderColor}},
    {"frame_Center", {&themeColorData::deviceBorderColor}},
    {"frame_4", kCheckBoxFields},
    {"frame_ProhibitSleep", kCheckBoxFields},
    {"label", {&themeColorData::textDefaultColor}},
    {"label_2", {&themeColorData::textDefaultColor}},
    {"label_3", {&themeColorData::textDefaultColor}},
    {"label_4", {&themeColorData::textDefaultColor}},
    {"label_5", {&themeColorData::textDefaultColor}},
    {"lineEdit_LightSleep", kEditFields},
    {"lineEdit_KeyboardSleep", kEditFields},
    {"pushButton_SubmitSleepTime", kEditFields},
    {"pushButton_Restore", kEditFields},
    {"pushButton_keyboardProperties", kEditFields},
};
const std::vector<QString themeColorData::*> kLayerButtonFields
    = {&themeColorData::textDefaultColor, &themeColorData::textCheckedColor};
// The key page and its Default page (whose OK button is the one of that name).
const ThemedField kCustomKeysFields[] = {
    {"frame_Bg01", {&themeColorData::deviceRightBgColor}},
    {"frame_2", {&themeColorData::deviceBorderColor}},
    {"frame_4", {&themeColorData::deviceBorderColor}},
    {"label", {&themeColorData::textDefaultColor}},
    {"label_2", {&themeColorData::textDefaultColor}},
    {"pushButton_DefaultLayer", kLayerButtonFields},
    {"pushButton_FnLayer", kLayerButtonFields},
    {"label_KeyChar", {&themeColorData::textCheckedColor, &themeColorData::deviceBorderColor}},
    {"pushButton_Download", kEditFields},
    {"pushButton_OK", kEditFields},
};

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
        const themeColorData colours = loadTheme(theme, backgroundImage);

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
                QCOMPARE(target->font().family(), DDataManager::getInstance()->getFont(style.font).family());
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
        QVERIFY(scrollHost->styleSheet() != expectedScroll);
        QTRY_COMPARE(scrollHost->styleSheet(), expectedScroll);

        // Every sheet must be one Qt accepts in full, colours included: each
        // is tried on a fresh widget of its target's kind, so the warnings
        // are this page's and not the hosted pages'.
        g_cssWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchCssWarnings);
        for (const DDevicePageTheme::Style& style : DDevicePageTheme::styles(colours)) {
            if (style.styleSheet.isEmpty())
                continue;
            std::unique_ptr<QWidget> probe(probeLike(page.findChild<QWidget*>(style.objectName)));
            probe->setObjectName(style.objectName);
            probe->setStyleSheet(style.styleSheet);
            probe->resize(200, 40);
            probe->grab();
        }
        QScrollBar bar(Qt::Vertical);
        bar.setStyleSheet(expectedScroll);
        bar.setRange(0, 100);
        bar.resize(4, 300);
        bar.grab();
        qInstallMessageHandler(previous);
        QVERIFY2(g_cssWarnings.isEmpty(), qPrintable(g_cssWarnings.join(QLatin1Char('\n'))));
    }

    // Each themed widget of the hosted pages gets every colour its sheet is
    // made from, in the function that fits the colour; Qt parses every such
    // sheet without a complaint; and nowhere in the window, a list row, the
    // profile menu or the settings dialog is rgb() given four components.
    void everyThemeColourReachesTheSheets_data() { everyThemeRestylesThePage_data(); }
    void everyThemeColourReachesTheSheets()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        const themeColorData colours = loadTheme(theme, backgroundImage);
        QCOMPARE(colours.deviceBorderColor.count(QLatin1Char(',')), backgroundImage ? 3 : 2);

        // Qt complains about a colour it reads against its rules while the
        // widgets take their sheets and while fresh widgets of the same kind
        // draw with them.
        g_cssWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchCssWarnings);
        DMainWidget window;
        const bool themed = QMetaObject::invokeMethod(&window, "onChangAppTheme", Q_ARG(int, theme));
        auto* page = window.findChild<DDevicePage*>();
        DDeviceListItem row;
        DProfileMenuToolWidget menu;
        DSettingsDia settings;
        QStringList missing;
        auto check = [&](QWidget* host, const ThemedField& entry) {
            auto* target = host->findChild<QWidget*>(QLatin1String(entry.objectName));
            if (!target) {
                missing << QLatin1String(entry.objectName);
                return;
            }
            const QString sheet = target->styleSheet();
            for (QString themeColorData::*field : entry.fields) {
                const QString expected = colourFunction(colours.*field);
                if (!sheet.contains(expected))
                    missing << QStringLiteral("%1: no %2 in \"%3\"").arg(entry.objectName, expected, sheet);
            }
            std::unique_ptr<QWidget> probe(probeLike(target));
            probe->setObjectName(target->objectName());
            probe->setStyleSheet(sheet);
            probe->resize(200, 40);
            probe->grab();
        };
        if (page) {
            for (const ThemedField& entry : kPerformanceFields)
                check(DevicePageProbe(*page).performancePage(), entry);
            for (const ThemedField& entry : kCustomKeysFields)
                check(DevicePageProbe(*page).customKeysPage(), entry);
        }
        qInstallMessageHandler(previous);
        QVERIFY(themed);
        QVERIFY(page);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
        QVERIFY2(g_cssWarnings.isEmpty(), qPrintable(g_cssWarnings.join(QLatin1Char('\n'))));

        QCOMPARE(row.findChild<QWidget*>(QStringLiteral("frame"))->styleSheet(),
                 QStringLiteral("QFrame#frame{ background-color: %1;}")
                     .arg(colourFunction(colours.deviceListAreaDefaultBgColor)));
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

        DPerformancePage* performance = DevicePageProbe(page).performancePage();
        QWidget* performanceRight = performance->findChild<QWidget*>(QStringLiteral("frame_Right"));
        QVERIFY(performanceRight->isVisible());
        QCOMPARE(shot.pixelColor(performanceRight->mapTo(&page, QPoint(40, 120))),
                 shot.pixelColor(performance->mapTo(&page, QPoint(performance->width() - 40, 120))));
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
