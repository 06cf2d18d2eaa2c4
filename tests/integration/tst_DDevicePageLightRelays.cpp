// The device page's lighting relays against the simulated keyboard: effect
// choices and changed settings from the lighting page reach the lighting
// engine, choosing Custom lets the picture be painted by dragging, and the
// key page's key presses reach the engine for the receiver's light frame.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/light/LightEffectGenerator.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QSignalSpy>

#include <cstring>
#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;

colorInfoData record(int part, int effect)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = effect;
    info.ledBrightness = 2;
    info.ledSpeed = 3;
    info.topRed = 40 + part;
    info.topGreen = 50 + effect;
    info.topBlue = 60;
    info.fullColor = 1;
    return info;
}

bool sameRecord(const colorInfoData& a, const colorInfoData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class tst_DDevicePageLightRelays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    // Custom (10) opens the picture to painting by dragging; any other
    // effect closes it again. Either way the engine gets the record.
    void keyboardEffectChosen()
    {
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QVERIFY(DevicePageProbe(*page).dragOverlay());
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();

        const colorInfoData custom = record(0, 10);
        emit lights->sigSelectCurrentLightTypeIndex_KB(10, custom);
        QVERIFY(DevicePageProbe(*page).dragOverlay()->isDragEnabled());
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        QVERIFY(sameRecord(engine->keyboardColorInfo(), custom));
        QVERIFY(sameRecord(LightEffectGenerator::instance().keyboardRecord(), custom));

        const colorInfoData breath = record(0, 1);
        emit lights->sigSelectCurrentLightTypeIndex_KB(1, breath);
        QVERIFY(!DevicePageProbe(*page).dragOverlay()->isDragEnabled());
        // Breath is what the page now holds as chosen: no longer Custom, so
        // leaving it keeps the keys selected.
        QVERIFY(DevicePageProbe(*page).nextEffectKeepsSelection());
        emit lights->sigSelectCurrentLightTypeIndex_KB(1, breath);
        QVERIFY(sameRecord(engine->keyboardColorInfo(), breath));

        const colorInfoData side = record(1, 3);
        emit lights->sigSelectCurrentLightTypeIndex_Side(3, side);
        QVERIFY(sameRecord(engine->sideColorInfo(), side));
        QVERIFY(sameRecord(engine->keyboardColorInfo(), breath));
    }

    // A changed setting goes to the keys or the side light by its part;
    // any other part is not the engine's.
    void settingChanged_data()
    {
        QTest::addColumn<int>("part");
        QTest::newRow("keys") << 0;
        QTest::newRow("side light") << 1;
        QTest::newRow("part 2") << 2;
    }
    void settingChanged()
    {
        QFETCH(int, part);
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        const colorInfoData keysBefore = engine->keyboardColorInfo();
        const colorInfoData sideBefore = engine->sideColorInfo();
        const LightEffectGenerator& generator = LightEffectGenerator::instance();
        const colorInfoData generatorKeysBefore = generator.keyboardRecord();
        const colorInfoData generatorSideBefore = generator.sideRecord();

        const colorInfoData changed = record(part, 4);
        emit DevicePageProbe(*page).lightsConfigPage()->sigLightConfigHaveChanged(-1, changed);

        QVERIFY(sameRecord(generator.keyboardRecord(), part == 0 ? changed : generatorKeysBefore));
        QVERIFY(sameRecord(generator.sideRecord(), part == 1 ? changed : generatorSideBefore));
        QVERIFY(sameRecord(engine->keyboardColorInfo(), part == 0 ? changed : keysBefore));
        QVERIFY(sameRecord(engine->sideColorInfo(), part == 1 ? changed : sideBefore));
    }

    // The key page's key presses reach the engine; only the receiver's frame
    // carries them, so a cable keyboard's engine keeps none.
    void keyPressPoint_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::newRow("receiver") << true;
        QTest::newRow("cable") << false;
    }
    void keyPressPoint()
    {
        QFETCH(bool, viaReceiver);
        SimulatorHarness sim;
        auto keyboard = sim.plug(viaReceiver ? "OV84W" : "OV82", viaReceiver);
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        if (viaReceiver)
            keyboard->sendStateReport();
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedLink() != nullptr, kLoadTimeoutMs);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        QCOMPARE(engine->hidDeviceInfo().is24G, viaReceiver ? 1 : 0);

        emit DevicePageProbe(*page).customKeysPage()->sigInteractLightsPointXY(3, 9);
        QCOMPARE(engine->interactX(), viaReceiver ? 3 : -1);
        QCOMPARE(engine->interactY(), viaReceiver ? 9 : -1);
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageLightRelays)
#include "tst_DDevicePageLightRelays.moc"
