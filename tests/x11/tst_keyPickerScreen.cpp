#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {

SoftKeyboardButCustom* keyOf(const QWidget& page, int usage)
{
    for (SoftKeyboardButCustom* key : page.findChildren<SoftKeyboardButCustom*>()) {
        if (key->keyDec() == usage)
            return key;
    }
    return nullptr;
}

} // namespace

// The remap and key-combination pages of the program's window on a real X
// server with a simulated keyboard, their virtual keyboard popped up, in a
// dark and a light theme and three languages: the bubble stands over the
// window above the key field and inside the screen, and every key's caption
// fits its key. The screenshots are kept in the build tree for a person to
// look at.
class tst_keyPickerScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(linkProgramPictures()); }

    void popupOnScreen_data() { addThemeAndLanguageRows(); }
    void popupOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        if (language != QLatin1String("English"))
            QVERIFY(installTranslation(translator, language));
        DDataManager::getInstance()->loadTheme(theme);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        DMainWidget window(sim.newDeviceChangeSource());
        DDevicePage* page = window.devicePage();
        QSignalSpy loaded(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        window.resize(1280, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(loaded.count() > 0 || loaded.wait(20000));
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        QTRY_VERIFY_WITH_TIMEOUT(keys->isVisible(), 20000);
        DDataManager::getInstance()->setCurrentKey(4, QStringLiteral("A"));

        const QString shots = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(shots);
        const struct
        {
            const char* function;
            const char* field;
            int clicks[2];
            const char* name;
        } pages[] = {
            {"toolButton_RemapKey", "lineEdit_changForKey", {0, 0}, "remap-popup"},
            {"toolButton_CombinationKey", "lineEdit_keyCombination", {224, 225}, "combination-popup"},
        };
        for (const auto& shown : pages) {
            keys->findChild<QToolButton*>(QLatin1String(shown.function))->click();
            auto* field = keys->findChild<QLineEdit*>(QLatin1String(shown.field));
            QVERIFY(field && field->isVisible());
            QWidget* host = field->parentWidget();
            while (host->parentWidget() != nullptr && !host->findChild<ArrowWidget*>())
                host = host->parentWidget();
            auto* popup = host->findChild<ArrowWidget*>();
            QVERIFY(popup);
            QSignalSpy hook(host, SIGNAL(sigMesgStartOrStopHook(bool)));
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::mouseClick(field, Qt::LeftButton);
            QTRY_COMPARE(hook.size(), 1);
            QTRY_VERIFY(popup->isVisible());
            // The field only shows picks: nothing can be typed into it.
            QVERIFY(field->isReadOnly());
            QVERIFY(QTest::qWaitForWindowExposed(popup));
            for (int usage : shown.clicks) {
                if (usage)
                    QTest::mouseClick(keyOf(*popup, usage), Qt::LeftButton);
            }
            QTest::qWait(300);

            const QImage shot = window.screen()->grabWindow(0).toImage();
            QVERIFY(shot.save(
                shots + QStringLiteral("/%1-theme%2-%3.png").arg(QLatin1String(shown.name)).arg(theme).arg(language)));

            const QRect bubble = popup->frameGeometry();
            QVERIFY(window.screen()->geometry().contains(bubble));
            QVERIFY(bubble.intersects(window.frameGeometry()));
            QVERIFY(bubble.bottom() < field->mapToGlobal(QPoint(0, 0)).y());
            const QList<SoftKeyboardButCustom*> caps = popup->findChildren<SoftKeyboardButCustom*>();
            QCOMPARE(caps.size(), 112);
            for (SoftKeyboardButCustom* cap : caps) {
                QVERIFY(cap->isVisible());
                const int needed = cap->fontMetrics().horizontalAdvance(
                    cap->text().replace(QLatin1String("&&"), QLatin1String("&")));
                QVERIFY2(
                    needed <= cap->width(),
                    qPrintable(
                        QStringLiteral("\"%1\": %2 wide, needs %3").arg(cap->text()).arg(cap->width()).arg(needed)));
            }
            // It says that it listens, in the language shown, in one or two
            // lines of its title row, beside its close control.
            auto* listening = popup->findChild<QLabel*>(QStringLiteral("label_Listening"));
            QVERIFY(listening && listening->isVisible());
            QCOMPARE(listening->text(), QObject::tr("Listening: press a key, or pick one below"));
            if (language != QLatin1String("English"))
                QVERIFY(listening->text() != QLatin1String("Listening: press a key, or pick one below"));
            QVERIFY2(listening->heightForWidth(listening->width()) <= listening->height(),
                     qPrintable(listening->text()));
            auto* stop = popup->findChild<QToolButton*>(QStringLiteral("toolButton_StopListening"));
            QVERIFY(stop && stop->isVisible());
            const QRect stopArea(stop->mapTo(popup, QPoint(0, 0)), stop->size());
            QVERIFY(ArrowWidget::bubblePath(ArrowWidget::ArrowBottom, popup->width(), popup->height(), 350)
                        .contains(QRectF(stopArea)));

            // Its close control ends the listening.
            QTest::mouseClick(stop, Qt::LeftButton);
            QTRY_VERIFY(!popup->isVisible());
            QVERIFY(!popup->isPopupOpen());
            QCOMPARE(hook.size(), 2);
            QCOMPARE(hook.at(1).at(0).toBool(), false);
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

ORVANE_TEST_MAIN(tst_keyPickerScreen)
#include "tst_keyPickerScreen.moc"
