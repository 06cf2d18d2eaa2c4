// Key calibration end to end: the trigger page's calibration controls and
// the picture as the user works them, the requests the simulated keyboard
// receives through the real I/O thread, its scripted outcomes coming back
// as toasts and marked keys, and a keyboard that goes away mid-run.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"
#include "support/TriggerPageSession.h"

#include "app/DDataManager.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

using Outcome = SimulatedMagnetic::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

// How the selected keyboard stops being the one calibrating.
enum class Departure { Unplugged, ReceiverOffline, OtherSelected };

} // namespace

Q_DECLARE_METATYPE(Departure)

class tst_DDevicePageCalibration : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TriggerPageSession> m_session;

    TriggerPageSession& session() { return *m_session; }

    QCheckBox* modeBox() const { return m_session->triggerChild<QCheckBox>("checkBox_CalibrationMode"); }
    QPushButton* startButton() const { return m_session->triggerChild<QPushButton>("pushButton_KeyCalibration"); }
    QPushButton* allKeysButton() const
    {
        return m_session->triggerChild<QPushButton>("pushButton_KeyCalibration_AllKeys");
    }
    bool stripShown() const
    {
        return m_session->page().findChild<QWidget*>(QStringLiteral("widget_MoveTip"))->isVisible();
    }
    static bool calibrating() { return DDataManager::getInstance()->isCalibrating(); }

    // Every answer to what was sent so far has been handled: the closing
    // key query's answer comes after them.
    QStringList settle()
    {
        DDataManager* data = DDataManager::getInstance();
        QSignalSpy clicked(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
        QSignalSpy entered(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
        const QStringList sent = m_session->requestsSent();
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(!clicked.isEmpty() || !entered.isEmpty(), TriggerPageSession::kAnswerTimeoutMs);
        }();
        return sent;
    }

    // Whether the overlay lies above the picture, so that bands select keys.
    bool overlayOnTop() const
    {
        QWidget* overlay = m_session->probe().dragOverlay();
        QWidget* picture = m_session->probe().picture();
        const QObjectList& order = overlay->parent()->children();
        return order.indexOf(overlay) > order.indexOf(picture);
    }

    keyboardButCustom* cap(int row, int column) const { return m_session->probe().keyCapAt(row, column); }

    QStringList markedCaps() const
    {
        QStringList marked;
        for (keyboardButCustom* key : DDataManager::getInstance()->keyButtonList()) {
            if (key->isClicked())
                marked << TriggerPageSession::keyName(key->getRowIndex(), key->getColumnIndex());
        }
        return marked;
    }

    // The caps calibration draws as the chosen key: the clicked one, and the
    // one under the pointer.
    QStringList capsShownChosen() const
    {
        QStringList shown;
        for (keyboardButCustom* key : DDataManager::getInstance()->keyButtonList()) {
            if (key->isClicked() || key->isHovered())
                shown << TriggerPageSession::keyName(key->getRowIndex(), key->getColumnIndex());
        }
        return shown;
    }

    // A cell of the grid without a key on this model.
    QPair<int, int> cellWithoutKey() const
    {
        for (keyboardButCustom* key : DDataManager::getInstance()->keyButtonList()) {
            if (key->getKeyDec() == 0)
                return {key->getRowIndex(), key->getColumnIndex()};
        }
        return {-1, -1};
    }

    void pickKeyForCalibration(int row, int column)
    {
        QTest::mouseClick(cap(row, column), Qt::LeftButton);
        m_session->expectSent({QStringLiteral("select ") + TriggerPageSession::keyName(row, column)});
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init() { m_session = std::make_unique<TriggerPageSession>(); }

    void cleanup() { m_session.reset(); }

    void singleKeyFromModeToOutcome()
    {
        QVERIFY(session().start());
        startButton()->click();
        QCOMPARE(session().toast(), QStringLiteral("Please switch to key calibration mode first"));

        modeBox()->click();
        m_session->expectSent({"select none"});
        QVERIFY(calibrating());
        QVERIFY(!overlayOnTop());
        startButton()->click();
        QCOMPARE(session().toast(), QStringLiteral("Please select one Key first"));

        // Row 3, column 10 is bit 3 of byte 17 and nothing else.
        QTest::mouseClick(cap(3, 10), Qt::LeftButton);
        m_session->expectSent({"select 3/10"});
        const std::vector<SimulatedKeyboard::LoggedReport> log = session().keyboard().receivedReports();
        const auto lastMagnetic
            = std::find_if(log.rbegin(), log.rend(), [](const auto& r) { return r.bytes[1] == 0x29; });
        QVERIFY(lastMagnetic != log.rend());
        const SimulatedKeyboard::Report& selection = lastMagnetic->bytes;
        for (int at = 7; at <= 28; ++at)
            QCOMPARE(int(selection[size_t(at)]), at == 17 ? 0x08 : 0);

        startButton()->click();
        QCOMPARE(settle(), QStringList{"calibrate 3/10"});
        QCOMPARE(session().toast(), QStringLiteral("The key calibration successful"));
        QVERIFY(!calibrating());
        // The box stays checked, yet another run wants the mode anew.
        QVERIFY(modeBox()->isChecked());
        startButton()->click();
        QCOMPARE(session().toast(), QStringLiteral("Please switch to key calibration mode first"));

        modeBox()->click();
        m_session->expectSent({"select none"});
        QVERIFY(!calibrating());
        QVERIFY(overlayOnTop());
    }

    void aKeyShownChosenIsTheKeyCalibrated()
    {
        QVERIFY(session().start());
        // A key selected on the trigger page is left under the overlay's pointer.
        session().clickKey(2, 5);
        m_session->expectSent({"select 2/5", "query 2/5"});
        QVERIFY(cap(2, 5)->isHovered());

        modeBox()->click();
        m_session->expectSent({"select none"});
        QCOMPARE(capsShownChosen(), QStringList());
        startButton()->click();
        QCOMPARE(session().toast(), QStringLiteral("Please select one Key first"));

        pickKeyForCalibration(1, 3);
        QCOMPARE(capsShownChosen(), QStringList{"1/3"});
        startButton()->click();
        QCOMPARE(settle(), QStringList{"calibrate 1/3"});
    }

    void singleKeyOutcomes_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("toast");
        QTest::addColumn<bool>("stillCalibrating");
        QTest::newRow("failed") << Outcome::Failed << "The key calibration failed" << false;
        QTest::newRow("unknown status") << Outcome::UnknownStatus << "Unknow" << false;
        QTest::newRow("stuck running") << Outcome::StuckRunning << "The key calibration runing" << true;
        QTest::newRow("no answer") << Outcome::NoAnswer << "Operate successful" << true;
    }

    void singleKeyOutcomes()
    {
        QFETCH(Outcome, outcome);
        QFETCH(QString, toast);
        QFETCH(bool, stillCalibrating);
        QVERIFY(session().start());
        session().keyboard().editMagnetic([outcome](SimulatedMagnetic& m) { m.setCalibrationOutcome(outcome); });
        modeBox()->click();
        m_session->expectSent({"select none"});
        pickKeyForCalibration(2, 5);
        startButton()->click();
        QCOMPARE(settle(), QStringList{"calibrate 2/5"});
        QCOMPARE(session().toast(), toast);
        QCOMPARE(calibrating(), stillCalibrating);
        // Whatever the keyboard did, switching the mode off ends it.
        modeBox()->click();
        QVERIFY(!calibrating());
        session().showPage("toolButton_LightConfig");
        QCOMPARE(session().probe().checkedMainPage(), 1);
    }

    void unaskedOutcomesChangeNothing()
    {
        QVERIFY(session().start());
        session().keyboard().injectInput(SimulatedMagnetic::reply(0x07, {{7, 0}}));
        session().keyboard().injectInput(SimulatedMagnetic::reply(0x08, {{7, 0}, {12, 0x3F}}));
        settle();
        QVERIFY(markedCaps().isEmpty());
        QVERIFY(session().toast() != QStringLiteral("The key calibration successful"));
    }

    void allKeysWhileRunning()
    {
        QVERIFY(session().start());
        const QPair<int, int> empty = cellWithoutKey();
        QVERIFY(empty.first >= 0);
        SimulatedMagnetic::Columns results{};
        // Rows 0 and 5 of column 4, with the two bits that name no row.
        results[4] = 0xE1;
        results[size_t(empty.second)] |= uint8_t(1u << empty.first);
        session().keyboard().editMagnetic([results](SimulatedMagnetic& m) {
            m.setCalibrationOutcome(Outcome::StuckRunning);
            m.setAllKeysResults(results);
        });

        allKeysButton()->click();
        QCOMPARE(session().toast(), QStringLiteral("The key calibration runing"));
        QCOMPARE(settle(), QStringList{"all keys start"});
        QVERIFY(stripShown());
        QVERIFY(calibrating());
        QCOMPARE(markedCaps(), (QStringList{"0/4", "5/4"}));

        // Nothing can be selected, and the page cannot be left.
        QVERIFY(!overlayOnTop());
        QVERIFY(!cap(2, 2)->isSelectEnabled());
        session().showPage("toolButton_LightConfig");
        QCOMPARE(session().probe().checkedMainPage(), 4);
        QCOMPARE(session().toast(), QStringLiteral("Key calibration in progress, please wait a moment"));
        // A click on a cap still names the key to the keyboard.
        QTest::mouseClick(cap(2, 2), Qt::LeftButton);
        m_session->expectSent({"select 2/2"});
        QVERIFY(session().probe().picture()->selectedKeys().isEmpty());

        allKeysButton()->click();
        m_session->expectSent({"all keys stop"});
        QVERIFY(!stripShown());
        QVERIFY(!calibrating());
        QVERIFY(overlayOnTop());
        QVERIFY(cap(2, 2)->isSelectEnabled());
        session().showPage("toolButton_LightConfig");
        QCOMPARE(session().probe().checkedMainPage(), 1);
    }

    // Turning calibration mode off during an all-keys run stops the run:
    // the flag never says "not calibrating" while the keyboard still is, and
    // the next click on the all-keys button starts a new run.
    void modeOffStopsAnAllKeysRun()
    {
        QVERIFY(session().start());
        session().keyboard().editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationOutcome(Outcome::StuckRunning); });
        modeBox()->click();
        QCOMPARE(settle(), QStringList{"select none"});
        allKeysButton()->click();
        QCOMPARE(settle(), QStringList{"all keys start"});
        QCOMPARE(allKeysButton()->text(), QStringLiteral("Stop calibration"));
        QVERIFY(calibrating());

        modeBox()->click();
        QCOMPARE(settle(), (QStringList{"all keys stop", "select none"}));
        QVERIFY(!calibrating());
        QVERIFY(!stripShown());
        QVERIFY(!session().keyboard().magnetic().allKeysRunning());
        QCOMPARE(allKeysButton()->text(), QStringLiteral("Start calibration"));
        allKeysButton()->click();
        QCOMPARE(settle(), QStringList{"all keys start"});
    }

    void allKeysOutcomes_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("toast");
        QTest::newRow("success") << Outcome::Success << "The key calibration successful";
        QTest::newRow("failed") << Outcome::Failed << "The key calibration failed";
        QTest::newRow("unknown status") << Outcome::UnknownStatus << "The key calibration failed";
    }

    void allKeysOutcomes()
    {
        QFETCH(Outcome, outcome);
        QFETCH(QString, toast);
        QVERIFY(session().start());
        session().keyboard().editMagnetic([outcome](SimulatedMagnetic& m) { m.setCalibrationOutcome(outcome); });
        allKeysButton()->click();
        QCOMPARE(settle(), QStringList{"all keys start"});
        QCOMPARE(session().toast(), toast);
        QVERIFY(!calibrating());
        QVERIFY(!stripShown());
        QVERIFY(markedCaps().isEmpty());
        QVERIFY(overlayOnTop());
        // The button starts again: the page's toggle was cleared.
        session().keyboard().editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationOutcome(Outcome::NoAnswer); });
        allKeysButton()->click();
        m_session->expectSent({"all keys start"});
    }

    void keyboardGoesMidCalibration_data()
    {
        QTest::addColumn<Departure>("departure");
        QTest::addColumn<bool>("allKeys");
        for (bool allKeys : {false, true}) {
            const char* kind = allKeys ? "all keys" : "single key";
            QTest::addRow("%s, unplugged", kind) << Departure::Unplugged << allKeys;
            QTest::addRow("%s, receiver offline", kind) << Departure::ReceiverOffline << allKeys;
            QTest::addRow("%s, another keyboard selected", kind) << Departure::OtherSelected << allKeys;
        }
    }

    void keyboardGoesMidCalibration()
    {
        QFETCH(Departure, departure);
        QFETCH(bool, allKeys);
        // Behind a receiver: the model that has one.
        const bool viaReceiver = departure == Departure::ReceiverOffline;
        QVERIFY(session().start(viaReceiver ? "OV68M" : "OV82M", viaReceiver));
        SimulatedKeyboard& keyboard = session().keyboard();
        DDevicePage& page = session().page();
        keyboard.editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationOutcome(Outcome::StuckRunning); });
        std::shared_ptr<SimulatedKeyboard> other;
        if (departure == Departure::OtherSelected) {
            other = session().sim().plug("OV68M");
            page.onHidDeviceChanged(11, QString());
            QTRY_VERIFY_WITH_TIMEOUT(session().probe().rowOf(QString::fromStdString(session().sim().pathOf(other))),
                                     TriggerPageSession::kLoadTimeoutMs);
        }
        if (allKeys) {
            allKeysButton()->click();
            QCOMPARE(settle(), QStringList{"all keys start"});
            QVERIFY(!markedCaps().isEmpty());
        } else {
            modeBox()->click();
            m_session->expectSent({"select none"});
            pickKeyForCalibration(1, 1);
            startButton()->click();
            QCOMPARE(settle(), QStringList{"calibrate 1/1"});
        }
        QVERIFY(calibrating());

        switch (departure) {
        case Departure::Unplugged:
            session().sim().bus().unplug(session().keyboardPointer());
            page.onHidDeviceChanged(12, QString());
            break;
        case Departure::ReceiverOffline:
            keyboard.setOnline(false);
            QTRY_VERIFY_WITH_TIMEOUT(!session().probe().selectedInterface(), TriggerPageSession::kLoadTimeoutMs);
            break;
        case Departure::OtherSelected:
            QTest::mousePress(session().probe().rowOf(QString::fromStdString(session().sim().pathOf(other))),
                              Qt::LeftButton, {}, QPoint(10, 10));
            break;
        }
        // Nothing of the run stays, it is reported as failed, and the page can be left.
        QVERIFY(!calibrating());
        QVERIFY(!stripShown());
        QVERIFY(!modeBox()->isChecked());
        QVERIFY(markedCaps().isEmpty());
        QCOMPARE(session().toast(), QStringLiteral("The key calibration failed"));
        session().showPage("toolButton_LightConfig");
        QCOMPARE(session().probe().checkedMainPage(), 1);
        if (departure == Departure::OtherSelected && allKeys) {
            // The first keyboard, still there, was told to stop.
            QTRY_VERIFY_WITH_TIMEOUT(session().newRequests().contains("all keys stop"),
                                     TriggerPageSession::kAnswerTimeoutMs);
        }
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageCalibration)
#include "tst_DDevicePageCalibration.moc"
