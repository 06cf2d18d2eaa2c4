// The key-press light effects against the simulated keyboard: the device
// page's pass-through hook comes back after whoever took the hook over (a
// key capture, the macro editor) is done, for the effect the lighting
// engine runs and only while a keyboard is selected, and then hands the
// keys to the lighting again. Keys come from a fake input source.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/InstalledHookSource.h"
#include "support/KeyCapturePopUp.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QSignalSpy>
#include <QToolButton>

#include <memory>

using Delivery = FakeInputHookSource::Delivery;

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr quint32 kVkB = 0x42;
constexpr int kKeyA = 4;
constexpr int kRemapFunctionId = 2;

enum class Situation { Effect7, Effect1, NoKeyboard };
enum class TakeOver { Capture, RecordingEditorOpen, EditorClosed };

} // namespace

Q_DECLARE_METATYPE(Situation)
Q_DECLARE_METATYPE(TakeOver)

class tst_keyHookPassThrough : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeInputHookSource> m_source;

    Delivery typeB() { return m_source->tapKey(kVkB, 0x30, 0); }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_source = std::make_unique<InstalledHookSource>();
    }
    void cleanup()
    {
        m_source.reset();
    }

    void passThroughComesBack_data()
    {
        QTest::addColumn<Situation>("situation");
        QTest::addColumn<TakeOver>("takeOver");
        QTest::addColumn<bool>("passThrough");
        const struct
        {
            const char* name;
            Situation situation;
            bool reactive;
        } situations[] = {
            {"effect 7", Situation::Effect7, true},
            {"effect 1", Situation::Effect1, false},
            {"no keyboard", Situation::NoKeyboard, false},
        };
        for (const auto& row : situations) {
            QTest::newRow(qPrintable(QStringLiteral("%1, capture").arg(QLatin1String(row.name))))
                << row.situation << TakeOver::Capture << row.reactive;
            QTest::newRow(qPrintable(QStringLiteral("%1, recording, editor open").arg(QLatin1String(row.name))))
                << row.situation << TakeOver::RecordingEditorOpen << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, editor closed").arg(QLatin1String(row.name))))
                << row.situation << TakeOver::EditorClosed << row.reactive;
        }
    }
    void passThroughComesBack()
    {
        QFETCH(Situation, situation);
        QFETCH(TakeOver, takeOver);
        QFETCH(bool, passThrough);
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        const int effectId = situation == Situation::Effect1 ? 1 : 7;
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(
            effectId, StoreTestSupport::light(0, effectId));
        QCOMPARE(keys->isKeyboardHookEnabled(), effectId == 7);
        if (situation == Situation::NoKeyboard) {
            sim.bus().unplug(keyboard);
            page->onHidDeviceChanged(12, QStringLiteral("hidPath"));
            QVERIFY(!DevicePageProbe(*page).selectedLink());
            QVERIFY(!keys->isKeyboardHookEnabled());
        }

        if (takeOver == TakeOver::Capture) {
            DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
            ArrowWidget* popup = openCapturePopUp(*keys, kRemapFunctionId);
            // Without a keyboard the key page is not on show: there is no
            // capture to ask for.
            QCOMPARE(popup != nullptr, situation != Situation::NoKeyboard);
            if (popup) {
                QCOMPARE(typeB(), Delivery::Swallowed);
                closeCapturePopUp(*popup);
            }
        } else {
            page->findChild<QToolButton*>(QStringLiteral("toolButton_MacroDialog"))->click();
            QCOMPARE(typeB(), Delivery::NoHook);
            DDataManager* data = DDataManager::getInstance();
            QVERIFY(data->switchMacroRecordHook(true));
            QCOMPARE(typeB(), Delivery::Swallowed);
            QVERIFY(data->switchMacroRecordHook(false));
            if (takeOver == TakeOver::EditorClosed)
                page->onMacroPageClose();
        }

        QSignalSpy lighting(keys, &DCustomKeysPage::sigInteractLightsPointXY);
        QCOMPARE(keys->isKeyboardHookEnabled(), passThrough);
        QCOMPARE(typeB(), passThrough ? Delivery::Passed : Delivery::NoHook);
        QCOMPARE(lighting.size(), passThrough ? 1 : 0);
        if (passThrough) {
            keyboardButCustom* b
                = DevicePageProbe(*page).keyCapAt(lighting.at(0).at(0).toInt(), lighting.at(0).at(1).toInt());
            QVERIFY(b);
            QCOMPARE(b->keyCode(), 5);
        }
    }
};

ORVANE_TEST_MAIN(tst_keyHookPassThrough)
#include "tst_keyHookPassThrough.moc"
