#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "app/DUserSettingsKeys.h"
#include "platform/include/AutoStartEntry.h"
#include "ui/mainwidget/DFrameGeometry.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTranslator>

namespace {

QString userIni()
{
    return DDataManager::getInstance()->userConfigDir() + QStringLiteral("/OrvaneConfig.ini");
}

AutoStartEntry programEntry()
{
    return AutoStartEntry(QCoreApplication::applicationName());
}

void resetUserSettings(const QVariantMap& values)
{
    QFile::remove(userIni());
    QSettings settings(userIni(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QAction* trayAction(DMainWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A window placed where the tests can reason about its global corners.
struct ShownWindow
{
    DMainWidget window;
    ShownWindow()
    {
        window.setGeometry(QRect(QPoint(60, 40), window.minimumSize() + QSize(20, 20)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

class tst_DMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        resetUserSettings({});
        QVERIFY(programEntry().remove());
    }

    void formAndFrame()
    {
        DMainWidget window;
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window.hasMouseTracking());
        QCOMPARE(DMainWidget::instance(), &window);
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(window.minimumSize(), DFrameGeometry::minimumWindowSize(available));
        for (const char* name : {"frame_Bg", "frame_Title", "frame_4", "frame_3", "frame_HidLikeName",
                                 "frame_WindowOperate", "frame_but", "frame_Main"}) {
            auto* frame = window.findChild<QFrame*>(QLatin1String(name));
            QVERIFY2(frame, name);
            QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
        }
        auto* title = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QVERIFY(title);
        QCOMPARE(title->currentIndex(), 1);
        QCOMPARE(title->width(), 250);
        auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Main"));
        QVERIFY(pages);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_Device"));
        QCOMPARE(pages->count(), 4);
        QCOMPARE(window.findChild<QFrame*>(QStringLiteral("frame_Title"))->height(), 45);

        // The title comes from the defaults file; the labels keep the form's placeholders.
        QSettings defaults(QStringLiteral(":/images/configDir/OrvaneDefaultConfig.ini"), QSettings::IniFormat);
        const QString company
            = defaults.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("CompanyName")).toString();
        QCOMPARE(window.windowTitle(), company);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_AppName"))->text(), company);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_ProductName"))->text(), QStringLiteral("HID"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(), QStringLiteral("RGB"));
        QVERIFY(!window.windowIcon().isNull());

        for (const char* name : {"pushButton_Setting", "pushButton_Min", "pushButton_Max", "pushButton_Close"})
            QVERIFY2(window.findChild<QPushButton*>(QLatin1String(name)), name);
    }

    void everyImageOfTheFrameExists()
    {
        const char* const images[] = {
            ":/images/orvaneLogo.png",
            ":/images/leftTopLogo.png",
            ":/images/trayLogo.ico",
            ":/images/listCtrlHideDef.png",
            ":/images/listCtrlHideSel.png",
            ":/images/listCtrlShowDef.png",
            ":/images/listCtrlShowSel.png",
            ":/images/mainpage/settingDef.png",
            ":/images/mainpage/settingSel.png",
            ":/images/mainpage/minWindowDef.png",
            ":/images/mainpage/minWindowSel.png",
            ":/images/mainpage/maxWindowDef.png",
            ":/images/mainpage/maxWindowSel.png",
            ":/images/mainpage/intoMaxWindowDef.png",
            ":/images/mainpage/intoMaxWindowSel.png",
            ":/images/mainpage/closeWindowDef.png",
            ":/images/mainpage/closeWindowSel.png",
            ":/images/mainpage/leftTopLogo_Black.png",
            ":/images/mainpage/leftTopLogo_Light.png",
            ":/images/mainpage/leftTopLogo_Blue.png",
            ":/images/mainpage/leftTopLogo_Pink.png",
            ":/images/mainpage/leftTopLogo_Other.png",
        };
        for (const char* path : images) {
            const QImage image{QString::fromLatin1(path)};
            QVERIFY2(!image.isNull(), path);
        }
        QCOMPARE(QImage(QStringLiteral(":/images/mainpage/closeWindowDef.png")).size(), QSize(16, 16));
        QCOMPARE(QImage(QStringLiteral(":/images/listCtrlShowDef.png")).size(), QSize(10, 100));
    }

    void firstRunKeysAndAutostartEntry()
    {
        const QString program = QCoreApplication::applicationFilePath();
        {
            DMainWidget window;
            QCOMPARE(window.userIniPath(), userIni());
        }
        QSettings first(userIni(), QSettings::IniFormat);
        QCOMPARE(first.value(DUserSettingsKeys::kAutoStart).toBool(), true);
        QCOMPARE(first.value(DUserSettingsKeys::kMinimizeToTray).toBool(), true);
        QCOMPARE(first.value(DUserSettingsKeys::kCloseToTray).toBool(), true);
        QVERIFY(programEntry().isInstalledFor(program));
        // The entry names the program as its window does, with its icon.
        const QString entryText = [] {
            QFile file(programEntry().filePath());
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        }();
        QVERIFY2(entryText.contains(QLatin1String("\nName=Orvane Keyboard\n")), qPrintable(entryText));
        QVERIFY2(entryText.contains(QLatin1String("\nComment=")), qPrintable(entryText));
        const QRegularExpression iconLine(QStringLiteral("\nIcon=([^\n]+)\n"));
        const QRegularExpressionMatch icon = iconLine.match(entryText);
        QVERIFY2(icon.hasMatch(), qPrintable(entryText));
        QCOMPARE(QImage(icon.captured(1)).size(), QSize(64, 64));

        // The user turns autostart off: the next start keeps the setting and
        // takes the entry away.
        first.setValue(DUserSettingsKeys::kAutoStart, false);
        first.sync();
        {
            DMainWidget window;
        }
        QSettings second(userIni(), QSettings::IniFormat);
        QCOMPARE(second.value(DUserSettingsKeys::kAutoStart).toBool(), false);
        QVERIFY(!programEntry().exists());

        // On again, and an entry that points elsewhere is repaired.
        second.setValue(DUserSettingsKeys::kAutoStart, true);
        second.sync();
        QVERIFY(programEntry().install(QStringLiteral("/somewhere/else/orvane-keyboard")));
        {
            DMainWidget window;
        }
        QVERIFY(programEntry().isInstalledFor(program));
    }

    // Offscreen there is no system tray: putting the window away must leave
    // it on the task bar instead of hiding it beyond reach.
    void closeToTrayWithoutTrayMinimises()
    {
        resetUserSettings({{DUserSettingsKeys::kCloseToTray, true}});
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QVERIFY(!window.hasTrayIcon());
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        QTRY_VERIFY(window.isMinimized());
        QVERIFY(window.isVisible());

        QAction* revert = trayAction(window, QStringLiteral("Revert(&R)"));
        QVERIFY(revert);
        revert->trigger();
        QTRY_VERIFY(!window.isMinimized());

        QAction* minimize = trayAction(window, QStringLiteral("Minimize(&N)"));
        QVERIFY(minimize);
        minimize->trigger();
        QTRY_VERIFY(window.isMinimized());
        QVERIFY(window.isVisible());

        window.showNormal();
        window.hideToTray();
        QTRY_VERIFY(window.isMinimized());
        QVERIFY(window.isVisible());
    }

    // The setting is read when the button is clicked, not when the window was made.
    void closeWithoutTraySettingQuits_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("close button") << QString();
        QTest::newRow("tray quit") << QStringLiteral("Quit(&Q)");
    }
    void closeWithoutTraySettingQuits()
    {
        QFETCH(QString, entry);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QSettings settings(userIni(), QSettings::IniFormat);
        settings.setValue(DUserSettingsKeys::kCloseToTray, false);
        settings.sync();
        if (entry.isEmpty()) {
            QTimer::singleShot(0, &window, [&window] {
                QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
            });
        } else {
            QAction* action = trayAction(window, entry);
            QVERIFY(action);
            QTimer::singleShot(0, action, &QAction::trigger);
        }
        // A watchdog so a failure cannot hang the test.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }

    void trayMenuIsOrderedAndTranslated()
    {
        DMainWidget window;
        QAction* quit = trayAction(window, QStringLiteral("Quit(&Q)"));
        QVERIFY(quit);
        QVERIFY(!quit->icon().isNull());
        auto* menu = qobject_cast<QMenu*>(quit->associatedWidgets().value(0));
        QVERIFY(menu);
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, QStringList({"Minimize(&N)", "Maximize(&X)", "Revert(&R)", "-", "Quit(&Q)"}));

        QTranslator german;
        QVERIFY(german.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/German.qm")));
        QCoreApplication::installTranslator(&german);
        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "K87"), Q_ARG(QString, "Pro"));
        QVERIFY(QMetaObject::invokeMethod(&window, "omUpdataAllUI"));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(quit->text(), QStringLiteral("Beenden(&Q)"));
        QVERIFY(trayAction(window, QStringLiteral("Wiederherstellen(&R)")));
        // Retranslation keeps the stored names.
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_ProductName"))->text(), QStringLiteral("K87"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(), QStringLiteral("Pro"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_AppName"))->text(), window.windowTitle());
    }

    void listToggle()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        auto* toggle = window.findChild<QPushButton*>(QStringLiteral("m_listToggleButton"));
        QVERIFY(toggle);
        const int y = (window.contentsRect().height() - 300) / 2;
        // The simple device-list mode starts collapsed.
        QVERIFY(!window.isDeviceListShown());
        QCOMPARE(toggle->geometry(), QRect(5, y, 10, 100));
        const QImage collapsed = toggle->grab().toImage();

        // The tab turns to show which way it moves the list.
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(window.isDeviceListShown());
        QCOMPARE(toggle->geometry(), QRect(233, y, 10, 100));
        QTest::mouseMove(&window, QPoint(window.width() - 5, window.height() - 5));
        QTRY_VERIFY(toggle->grab().toImage() != collapsed);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTest::mouseMove(&window, QPoint(window.width() - 5, window.height() - 5));
        QTRY_COMPARE(toggle->grab().toImage(), collapsed);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(window.isDeviceListShown());

        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "HID"), Q_ARG(QString, "RGB"));
        QVERIFY(!window.isDeviceListShown());
        QCOMPARE(toggle->x(), 5);
        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "HID"), Q_ARG(QString, "Pro"));
        QVERIFY(window.isDeviceListShown());
        QCOMPARE(toggle->x(), 233);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(), QStringLiteral("Pro"));

        window.resize(window.width() + 40, window.height() + 60);
        QCOMPARE(toggle->y(), (window.contentsRect().height() - 300) / 2);
    }

    void edgeCursor_data()
    {
        QTest::addColumn<QPoint>("inset");
        QTest::addColumn<int>("shape");
        QTest::newRow("4 px inside top-left") << QPoint(4, 4) << int(Qt::SizeFDiagCursor);
        QTest::newRow("5 px inside top-left") << QPoint(5, 5) << int(Qt::ArrowCursor);
        QTest::newRow("left border") << QPoint(1, 300) << int(Qt::SizeHorCursor);
        QTest::newRow("top border") << QPoint(300, 2) << int(Qt::SizeVerCursor);
    }
    void edgeCursor()
    {
        QFETCH(QPoint, inset);
        QFETCH(int, shape);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        const QPoint global = window.mapToGlobal(inset);
        window.updateEdgeCursor(global.x(), global.y());
        QCOMPARE(int(window.cursor().shape()), shape);
        // Hover only changes the cursor; the resize state follows real moves.
        QCOMPARE(window.resizeEdge(), int(DFrameGeometry::None));
    }

    void dragByTitleBar()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        auto* title = window.findChild<QFrame*>(QStringLiteral("frame_HidLikeName"));
        const QPoint start = title->mapToGlobal(title->rect().center());
        const QPoint before = window.pos();
        sendMouse(&window, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, start + QPoint(70, 35), Qt::NoButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, start + QPoint(70, 35), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(window.pos(), before + QPoint(70, 35));

        // A cursor update while the button is held leaves the cursor alone.
        sendMouse(&window, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        const QPoint corner = window.mapToGlobal(QPoint(0, 0));
        window.updateEdgeCursor(corner.x(), corner.y());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        sendMouse(&window, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    }

    void pressOutsideTitleAndBordersDoesNothing()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        const QRect before = window.geometry();
        const QPoint inside = window.mapToGlobal(window.rect().center());
        sendMouse(&window, QEvent::MouseMove, inside, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.resizeEdge(), int(DFrameGeometry::None));
        sendMouse(&window, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, inside + QPoint(120, 80), Qt::NoButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, inside + QPoint(120, 80), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(window.geometry(), before);
    }

    void resizeByBorders()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        const QRect before = window.geometry();

        // Bottom-right corner outwards.
        QPoint corner = window.mapToGlobal(window.rect().bottomRight());
        sendMouse(&window, QEvent::MouseMove, corner, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.resizeEdge(), int(DFrameGeometry::BottomRight));
        QCOMPARE(window.cursor().shape(), Qt::SizeFDiagCursor);
        sendMouse(&window, QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, corner + QPoint(100, 50), Qt::NoButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, corner + QPoint(100, 50), Qt::LeftButton, Qt::NoButton);
        // The new size runs from the top-left corner to the cursor.
        const QPoint released = corner + QPoint(100, 50);
        QCOMPARE(window.geometry(),
                 QRect(before.topLeft(), QSize(released.x() - before.left(), released.y() - before.top())));
        QCOMPARE(window.resizeEdge(), int(DFrameGeometry::None));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);

        // Top edge far down: the top stops so the window keeps its minimum height.
        const QRect grown = window.geometry();
        const QPoint top = window.mapToGlobal(QPoint(window.width() / 2, 1));
        sendMouse(&window, QEvent::MouseMove, top, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.resizeEdge(), int(DFrameGeometry::Top));
        sendMouse(&window, QEvent::MouseButtonPress, top, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, top + QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.geometry().top(), top.y() + 40);
        QCOMPARE(window.geometry().bottom(), grown.bottom());
        sendMouse(&window, QEvent::MouseMove, top + QPoint(0, 2000), Qt::NoButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, top + QPoint(0, 2000), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(window.geometry().bottom(), grown.bottom());
        QVERIFY(window.height() >= window.minimumHeight());
    }

    // The frame takes its colours from the theme the data manager holds;
    // a background-image theme shows its pictures behind the title and pages.
    void themeRestylesTheFrame_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("backgroundImage");
        QTest::addColumn<QColor>("title");
        QTest::addColumn<QColor>("border");
        QTest::newRow("black") << 0 << false << QColor(34, 34, 58) << QColor(52, 52, 86);
        QTest::newRow("light") << 1 << false << QColor(240, 240, 240) << QColor(200, 200, 200);
        QTest::newRow("pink") << 3 << false << QColor(255, 235, 247) << QColor(240, 190, 222);
        QTest::newRow("blue with image") << 2 << true << QColor() << QColor(52, 86, 170);
        QTest::newRow("other with image") << 4 << true << QColor() << QColor(52, 52, 86);
    }
    void themeRestylesTheFrame()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        QFETCH(QColor, title);
        QFETCH(QColor, border);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(backgroundImage);
        const ThemeUnderTest::Scope inUse(theme);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QVERIFY(QMetaObject::invokeMethod(&window, "onChangAppTheme", Q_ARG(int, theme)));
        auto* titleBar = window.findChild<QFrame*>(QStringLiteral("frame_Title"));
        const QColor titleDrawn = RenderedLook::background(titleBar);
        const QColor borderDrawn = RenderedLook::pixel(&window, QPoint(window.width() / 2, 0));
        data->setBgImageIsUsing(false);
        QCOMPARE(borderDrawn, border);
        if (!backgroundImage) {
            QCOMPARE(titleDrawn, title);
            return;
        }
        // The pictures are drawn, stretched over their frames.
        const QString folder = DDataManager::applicationDirPath() + QStringLiteral("/images/");
        const QString name = QStringList{"Black", "Light", "Blue", "Pink", "Other"}.at(theme);
        const QImage titlePicture(folder + QStringLiteral("bgImageTitle_%1.png").arg(name));
        QVERIFY(!titlePicture.isNull());
        const QImage shrunk = titlePicture.scaled(titleBar->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QPoint probe(titleBar->width() / 2, titleBar->height() - 2);
        const QColor expected = shrunk.pixelColor(probe);
        const QColor drawn = RenderedLook::pixel(titleBar, probe);
        QVERIFY2(qAbs(drawn.red() - expected.red()) + qAbs(drawn.green() - expected.green())
                         + qAbs(drawn.blue() - expected.blue())
                     < 40,
                 qPrintable(drawn.name() + " " + expected.name()));
    }

    // The names in the title bar read on it in every theme.
    void titleTextsReadable_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void titleTextsReadable()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope inUse(theme);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QVERIFY(QMetaObject::invokeMethod(&window, "onChangAppTheme", Q_ARG(int, theme)));
        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "OV68M"), Q_ARG(QString, "Pulse"));
        const QColor bar = RenderedLook::background(window.findChild<QFrame*>(QStringLiteral("frame_Title")));
        for (const char* name : {"label_AppName", "label_ProductName", "label_DeviceName"}) {
            auto* label = window.findChild<QLabel*>(QLatin1String(name));
            const double ratio = ContrastRatio::contrast(RenderedLook::text(label), bar);
            QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QStringLiteral("%1: %2").arg(name).arg(ratio)));
        }
    }

    // The toolbar and title-bar icons are drawn in the theme's text colour at
    // rest and in its accent when selected, on every theme.
    void iconsTakeTheThemeColours_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void iconsTakeTheThemeColours()
    {
        QFETCH(int, theme);
        DMainWidget window;
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        const themeColorData colours = data->themeColors();
        QVERIFY(QMetaObject::invokeMethod(&window, "onChangAppTheme", Q_ARG(int, theme)));
        data->loadTheme(0);

        // True when the icon the sheet names is drawn, and every pixel of it
        // that is more than half covered has the colour (to rounding).
        auto drawnIn = [](const QString& sheet, const QString& icon, const QColor& colour) {
            const QRegularExpression url(QStringLiteral("url\\(\"([^\"]*/") + icon + QStringLiteral(")\"\\)"));
            const QRegularExpressionMatch m = url.match(sheet);
            if (!m.hasMatch() || m.captured(1).startsWith(QLatin1Char(':')))
                return false;
            const QImage image = QImage(m.captured(1)).convertToFormat(QImage::Format_ARGB32);
            int covered = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel.alpha() < 128)
                        continue;
                    ++covered;
                    if (qAbs(pixel.red() - colour.red()) > 2 || qAbs(pixel.green() - colour.green()) > 2
                        || qAbs(pixel.blue() - colour.blue()) > 2)
                        return false;
                }
            }
            return covered > 0;
        };
        // Dialogs, menus and pop-ups without sheets of their own take the
        // theme's palette.
        QCOMPARE(QApplication::palette().color(QPalette::Window), DThemeColor::fromText(colours.settingsBgColor));
        QCOMPARE(QApplication::palette().color(QPalette::Text), DThemeColor::fromText(colours.textDefaultColor));
        const QColor rest = DThemeColor::fromText(colours.textDefaultColor);
        const QColor accent = DThemeColor::fromText(colours.textCheckedColor);
        // The device page's buttons take their pictures from the application sheet.
        const QString toolbar = qApp->styleSheet();
        QVERIFY2(drawnIn(toolbar, QStringLiteral("customMadeDef.png"), rest), qPrintable(toolbar));
        QVERIFY2(drawnIn(toolbar, QStringLiteral("customMadeSel.png"), accent), qPrintable(toolbar));
        const QString close = qApp->styleSheet();
        QVERIFY2(drawnIn(close, QStringLiteral("mainpage/closeWindowDef.png"), rest), qPrintable(close));
        QVERIFY2(drawnIn(close, QStringLiteral("mainpage/closeWindowSel.png"), accent), qPrintable(close));
    }

    void maximisedWindowNeitherDragsNorResizes()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        auto* max = window.findChild<QPushButton*>(QStringLiteral("pushButton_Max"));
        const QImage normalLook = max->grab().toImage();
        QTest::mouseClick(max, Qt::LeftButton);
        QTRY_VERIFY(window.isMaximized());
        // The button offers the way back.
        QTRY_VERIFY(max->grab().toImage() != normalLook);
        QTest::qWait(50);
        const QRect maximised = window.geometry();

        auto* title = window.findChild<QFrame*>(QStringLiteral("frame_HidLikeName"));
        const QPoint start = title->mapToGlobal(title->rect().center());
        sendMouse(&window, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, start + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, start + QPoint(50, 50), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(window.geometry(), maximised);

        QTest::mouseClick(max, Qt::LeftButton);
        QTRY_VERIFY(!window.isMaximized());
        QTest::mouseMove(&window, window.rect().center());
        QTRY_COMPARE(max->grab().toImage(), normalLook);

        // However the window got maximized, the button follows.
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(max->grab().toImage() != normalLook);
        window.showNormal();
        QTRY_COMPARE(max->grab().toImage(), normalLook);
    }
};

ORVANE_TEST_MAIN(tst_DMainWidget)
#include "tst_dmainwidget.moc"
