// The device page's trigger-page handlers end to end: the trigger page
// and the picture as the user works them, the reports the simulated
// keyboard receives through the real I/O thread, and its answers coming
// back onto the page.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LightSettings.h"
#include "support/TestMain.h"
#include "support/TriggerPageSession.h"

#include "app/DDataManager.h"
#include "hid/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QCheckBox>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>

#include <memory>

// The wave effect, which moves on every tick.
constexpr int kWave = 2;

class tst_DDevicePageMagnetic : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TriggerPageSession> m_session;

    TriggerPageSession& session() { return *m_session; }

    // The picture's keys in the page's coordinates.
    QRect keysInPage()
    {
        const QRect keys = session().keysArea();
        return QRect(session().probe().dragOverlay()->mapTo(&session().page(), keys.topLeft()), keys.size());
    }

    // The keys as they were last put on screen, and as the page draws them now.
    QImage keysOnScreen()
    {
        QWidget& page = session().page();
        const QRect keys = keysInPage();
        return page.screen()
            ->grabWindow(page.winId(), keys.x(), keys.y(), keys.width(), keys.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage keysDrawnNow() { return session().page().grab(keysInPage()).toImage().convertToFormat(QImage::Format_RGB32); }

    static QStringList litCaps()
    {
        QStringList lit;
        for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
            if (cap->lightColor().alpha() > 0)
                lit << TriggerPageSession::keyName(cap->getRowIndex(), cap->getColumnIndex());
        }
        return lit;
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_session = std::make_unique<TriggerPageSession>();
        QVERIFY(m_session->start());
    }

    void cleanup() { m_session.reset(); }

    void clickOnAKeySelectsAndQueriesIt()
    {
        session().keyboard().editMagnetic([](SimulatedMagnetic& m) { m.setKey(3, 10, {13, 15, 25, 3, 4}); });
        session().clickKey(3, 10);
        m_session->expectSent({"select 3/10", "query 3/10"});
        QCOMPARE(session().selectedOnPicture(), QStringList{"3/10"});

        // The keyboard's answer fills the page: separate travel with quick trigger.
        QTRY_VERIFY_WITH_TIMEOUT(m_session->triggerChild<QCheckBox>("checkBox_QuickTrigger")->isChecked(),
                                 TriggerPageSession::kAnswerTimeoutMs);
        QVERIFY(m_session->triggerChild<QCheckBox>("checkBox_SecondarySensitivity")->isChecked());
        QCOMPARE(m_session->triggerChild<QSlider>("horizontalSlider_PressJourney")->value(), 3);
        QCOMPARE(m_session->triggerChild<QSlider>("horizontalSlider_ReleaseJourney")->value(), 4);

        session().clickKey(1, 2);
        QCOMPARE(session().requestsSent(), (QStringList{"select 1/2,3/10", "query 1/2"}));

        // Clicking a selected key unselects it, and it is still asked for.
        session().clickKey(3, 10);
        QCOMPARE(session().requestsSent(), (QStringList{"select 1/2", "query 3/10"}));
        QCOMPARE(session().selectedOnPicture(), QStringList{"1/2"});
    }

    void bandSelectsTheSameKeysFromEveryCorner_data()
    {
        QTest::addColumn<bool>("fromRight");
        QTest::addColumn<bool>("fromBottom");
        QTest::newRow("top left to bottom right") << false << false;
        QTest::newRow("bottom right to top left") << true << true;
        QTest::newRow("bottom left to top right") << false << true;
        QTest::newRow("top right to bottom left") << true << false;
    }

    void bandSelectsTheSameKeysFromEveryCorner()
    {
        QFETCH(bool, fromRight);
        QFETCH(bool, fromBottom);
        // From above the keys on their left to their right at the middle of
        // row 2: every corner lies clear of the keys, and rows 0 to 2 are in.
        const QRect keys = session().keysArea();
        const QPoint topLeft = keys.topLeft() - QPoint(3, 3);
        const QPoint bottomRight(keys.right() + 3, session().overlayPointOf(2, 1).y());
        const QPoint from(fromRight ? bottomRight.x() : topLeft.x(), fromBottom ? bottomRight.y() : topLeft.y());
        const QPoint to(fromRight ? topLeft.x() : bottomRight.x(), fromBottom ? topLeft.y() : bottomRight.y());
        const QStringList expected = session().keysWithCornerIn(topLeft, bottomRight);
        QVERIFY(expected.contains("0/0") && expected.contains("2/1") && !expected.contains("3/1"));

        session().drag(from, to);
        QCOMPARE(session().selectedOnPicture(), expected);
        // The band's keys are sent, and none of them is asked for.
        const QStringList sent = session().requestsSent();
        QCOMPARE(sent.size(), 1);
        QVERIFY2(sent.first().startsWith("select "), qPrintable(sent.first()));
        QStringList sentKeys = sent.first().section(' ', 1).split(',');
        std::sort(sentKeys.begin(), sentKeys.end());
        QCOMPARE(sentKeys, expected);
    }

    void bandWithoutWidthClearsAndAClickWithoutDragDoesNothing()
    {
        session().clickKey(0, 5);
        m_session->expectSent({"select 0/5", "query 0/5"});

        const QPoint beside = session().besideTheKeys(2);
        session().click(beside);
        QCOMPARE(session().requestsSent(), QStringList());
        QCOMPARE(session().selectedOnPicture(), QStringList{"0/5"});

        session().drag(beside, beside + QPoint(0, 40));
        QCOMPARE(session().requestsSent(), QStringList{"select none"});
        QVERIFY(session().selectedOnPicture().isEmpty());
    }

    void lightingPageTakesTheBandOnlyForCustomColours()
    {
        session().showPage("toolButton_LightConfig");
        session().page().onSelectCurrentLightTypeIndex_KB(3, colorInfoData{});
        const QRect keys = session().keysArea();
        const QPoint topLeft = keys.topLeft() - QPoint(3, 3);
        const QPoint bottomRight(keys.right() + 3, session().overlayPointOf(2, 1).y());
        const QStringList expected = session().keysWithCornerIn(topLeft, bottomRight);
        QVERIFY(!expected.isEmpty());
        session().drag(topLeft, bottomRight);
        QVERIFY(session().selectedOnPicture().isEmpty());

        colorInfoData custom{};
        custom.ledType = 10;
        session().page().onSelectCurrentLightTypeIndex_KB(10, custom);
        session().drag(topLeft, bottomRight);
        QCOMPARE(session().selectedOnPicture(), expected);
        // The lighting page's selection is no business of the keyboard's switches.
        QCOMPARE(session().requestsSent(), QStringList{"leave"});
    }

    void triggerPageDrawsItsOwnKeysAfterTheLightingPage()
    {
        QTRY_COMPARE(keysOnScreen(), keysDrawnNow());
        const QImage unlit = keysOnScreen();
        session().showPage("toolButton_LightConfig");
        emit session().probe().lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(kWave, fastestWaveSetting(0));
        QTRY_VERIFY_WITH_TIMEOUT(!litCaps().isEmpty(), TriggerPageSession::kAnswerTimeoutMs);
        QTRY_VERIFY(keysOnScreen() != unlit);

        session().showPage("toolButton_TriggerSetting");
        session().clickKey(3, 10);
        QCOMPARE(session().selectedOnPicture(), QStringList{"3/10"});
        QCOMPARE(litCaps(), QStringList());
        // What the screen shows is the trigger page's drawing, not the last
        // frame of the light.
        QTRY_COMPARE(keysOnScreen(), keysDrawnNow());
    }

    void applyReachesExactlyTheSelectedKeys()
    {
        QSignalSpy answers(DDataManager::getInstance(),
                           &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
        auto* apply = m_session->triggerChild<QPushButton>("pushButton_TriggerApply");
        QVERIFY(apply->isEnabled());
        apply->click();
        QCOMPARE(session().toast(), QStringLiteral("Please select one Key first"));
        QCOMPARE(session().requestsSent(), QStringList());

        session().clickKey(2, 4);
        session().clickKey(4, 7);
        m_session->expectSent({"select 2/4", "query 2/4", "select 2/4,4/7", "query 4/7"});
        // The two keys' answers, after that of the closing query above.
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 3, TriggerPageSession::kAnswerTimeoutMs);
        // One travel with quick trigger starts at half the levels and 1.0 mm.
        m_session->triggerChild<QCheckBox>("checkBox_QuickTrigger")->click();
        apply->click();
        QCOMPARE(session().toast(), QStringLiteral("Operate successful"));
        m_session->expectSent({"apply 12 2/4,4/7 20 20 10 10"});

        const SimulatedMagnetic magnetic = session().keyboard().magnetic();
        const SimulatedMagnetic::KeySetting applied{12, 20, 20, 10, 10};
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 22; ++column) {
                const bool chosen = (row == 2 && column == 4) || (row == 4 && column == 7);
                QVERIFY2(magnetic.key(row, column) == (chosen ? applied : SimulatedMagnetic::KeySetting{}),
                         qPrintable(TriggerPageSession::keyName(row, column)));
            }
        }
    }

    void refusedRequestsAreNotReportedAsDone()
    {
        session().clickKey(2, 4);
        m_session->expectSent({"select 2/4", "query 2/4"});
        session().probe().selectedInterface()->closeDevice();

        m_session->triggerChild<QPushButton>("pushButton_TriggerApply")->click();
        QCOMPARE(session().toast(), QStringLiteral("Operate failed"));
        session().page().onKeyRateOfReturnCurrentNum(8);
        QCOMPARE(session().toast(), QStringLiteral("Operate failed"));
        QCOMPARE(DDataManager::getInstance()->rateOfReturn(), 1);
        session().page().onKeyAntiShakeCurrentNum(5);
        QCOMPARE(session().toast(), QStringLiteral("Operate failed"));
        QCOMPARE(DDataManager::getInstance()->keyAntiShake(), 2);
    }

    void rateOfReturnAndAntiShakeReachKeyboardAndDataManager()
    {
        // The rate stepper's last position is 8K.
        auto* rateHolder = m_session->triggerChild<QFrame>("frame_SliderRateNum");
        auto* rate = rateHolder->findChild<sliderCustomWidget*>();
        QVERIFY(rate);
        QTest::mousePress(rate, Qt::LeftButton, Qt::NoModifier, QPoint(rate->width() - 6, rate->height() / 2));
        QCOMPARE(session().toast(), QStringLiteral("Operate successful"));
        QCOMPARE(DDataManager::getInstance()->rateOfReturn(), 8);

        // Anti-shake is not offered, but its handler works.
        auto* shakeHolder = m_session->triggerChild<QFrame>("frame_SliderNum");
        auto* shake = shakeHolder->findChild<sliderCustomWidget*>();
        QVERIFY(shake);
        QVERIFY(QMetaObject::invokeMethod(shake, "sigBackCurrentPositionNum", Q_ARG(int, 5)));
        QCOMPARE(DDataManager::getInstance()->keyAntiShake(), 5);
        QCOMPARE(session().requestsSent(), (QStringList{"rate 1 8", "shake 1 5"}));
        QCOMPARE(int(session().keyboard().magneticValue(0x09)), 8);
        QCOMPARE(int(session().keyboard().magneticValue(0x0A)), 5);
    }

    void restoreDefaultsReloadsTheTriggerPage()
    {
        const int loads = session().probe().triggerSettingPage()->loadCount();
        m_session->triggerChild<QPushButton>("pushButton_ResetSensitivity")->click();
        QCOMPARE(session().requestsSent(), QStringList{"defaults"});
        QCOMPARE(session().keyboard().magnetic().restores(), 1);
        QCOMPARE(session().probe().triggerSettingPage()->loadCount(), loads + 1);
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageMagnetic)
#include "tst_DDevicePageMagnetic.moc"
