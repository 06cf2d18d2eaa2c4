#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"
#include "support/TriggerPageSession.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>

#include <memory>

// No GL integration: nothing here draws with it, and the GLX plug-in is
// unloaded before exit with an allocation LeakSanitizer can no longer
// attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The device page on a real X server while all keys are being calibrated:
// the keys the keyboard reported done are marked and the running strip
// shows, in a dark and a light theme and in three languages. The
// screenshots are kept in the build tree for a person to look at.
class tst_calibrationScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void allKeysCalibrationOnScreen_data() { addThemeAndLanguageRows(); }

    void allKeysCalibrationOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QVERIFY(linkProgramPictures());
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager::getInstance()->loadTheme(theme);

        auto session = std::make_unique<TriggerPageSession>();
        QVERIFY(session->start());
        DDevicePage& page = session->page();
        page.retranslate();
        page.setTheme();
        // The keyboard has got through the first rows and keeps going.
        SimulatedMagnetic::Columns results{};
        for (int column = 0; column < 22; ++column)
            results[size_t(column)] = column < 9 ? 0x3F : 0x03;
        session->keyboard().editMagnetic([results](SimulatedMagnetic& m) {
            m.setCalibrationOutcome(SimulatedMagnetic::Outcome::StuckRunning);
            m.setAllKeysResults(results);
        });
        session->probe()
            .triggerSettingPage()
            ->findChild<QPushButton*>(QStringLiteral("pushButton_KeyCalibration_AllKeys"))
            ->click();
        QTRY_VERIFY_WITH_TIMEOUT(session->probe().keyCapAt(5, 0)->isClicked(), TriggerPageSession::kAnswerTimeoutMs);
        QVERIFY(session->probe().keyCapAt(1, 1)->isClicked());
        QVERIFY(!session->probe().keyCapAt(3, 12)->isClicked());
        QVERIFY(page.findChild<QWidget*>(QStringLiteral("widget_MoveTip"))->isVisible());
        QVERIFY(DDataManager::getInstance()->isCalibrating());
        QTest::qWait(400);

        const QImage shot = page.screen()->grabWindow(page.winId()).toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/all-keys-calibration-%1-%2.png").arg(theme).arg(language)));

        session.reset();
        QCoreApplication::removeTranslator(&translator);
        DDataManager::getInstance()->loadTheme(0);
    }
};

ORVANE_TEST_MAIN(tst_calibrationScreen)
#include "tst_calibrationScreen.moc"
