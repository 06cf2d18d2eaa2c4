// The live preview against the simulated keyboard, through the real I/O
// thread: selecting a keyboard hands its stored light settings to the
// effect generator and the picture's caps and side segments follow the
// frames; another selection, a removal and the receiver going offline stop
// the engine, and a stop followed at once by a start keeps it running.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LightSettings.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/light/LightEffectGenerator.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kKeysPage = 0;
constexpr int kLightsPage = 1;
constexpr int kWave = 2;
constexpr int kStatic = 0;
constexpr int kSampleGapMs = 90;

bool sameRecord(const colorInfoData& a, const colorInfoData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

colorInfoData storedRecord(const char* path, int part)
{
    const int effect = COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "1", part);
    colorInfoData record{};
    if (!COrvaneXML_SelectProfileColorDataInfo(path, "1", part, effect, &record))
        record.ledType = -99;
    return record;
}

// What the picture shows now: every cap's and segment's light colour.
QVector<QRgb> pictureOf(const lightDealMain& engine, bool side)
{
    QVector<QRgb> colours;
    if (side) {
        for (const sideLightButtonCustom* segment : engine.sideLightButtons())
            colours.append(segment->lightColor().rgba());
        return colours;
    }
    for (const auto& row : engine.keyCapGrid())
        for (const keyboardButCustom* cap : row)
            if (cap)
                colours.append(cap->lightColor().rgba());
    return colours;
}

// True when the picture changed from each sample to the next.
bool keepsMoving(const lightDealMain& engine, bool side, int samples = 4)
{
    QVector<QRgb> last = pictureOf(engine, side);
    for (int i = 0; i < samples; ++i) {
        QTest::qWait(kSampleGapMs);
        const QVector<QRgb> now = pictureOf(engine, side);
        if (now == last)
            return false;
        last = now;
    }
    return true;
}

// True when the generator is asked for keyboard and side frames: both
// steps move on between two looks (a selection still finishing may restart
// the effect at step 0 once in between).
bool framesAsked()
{
    const LightEffectGenerator& generator = LightEffectGenerator::instance();
    for (int attempt = 0; attempt < 20; ++attempt) {
        const long long keys = generator.keyboardStep();
        const long long side = generator.sideStep();
        QTest::qWait(kSampleGapMs);
        if (generator.keyboardStep() > keys && generator.sideStep() > side)
            return true;
    }
    return false;
}

// True when no frame is asked for any more, once the ticks already queued
// have been taken.
bool framesStopped()
{
    QTest::qWait(kSampleGapMs);
    const LightEffectGenerator& generator = LightEffectGenerator::instance();
    const long long keys = generator.keyboardStep();
    const long long side = generator.sideStep();
    QTest::qWait(kSampleGapMs);
    return generator.keyboardStep() == keys && generator.sideStep() == side;
}

void showLightsPage(DDevicePage& page)
{
    page.onCurIndexChangedMainPage(kLightsPage);
}

// The page shown on the lighting page, Wave at the fastest speed on the keys
// and the side bar.
void showWave(DDevicePage& page)
{
    page.show();
    showLightsPage(page);
    DLightsConfigPage* lights = DevicePageProbe(page).lightsConfigPage();
    emit lights->sigSelectCurrentLightTypeIndex_KB(kWave, fastestWaveSetting(0));
    emit lights->sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
}

bool stopped(const lightDealMain& engine)
{
    return !engine.isKeyboardLightRunning() && !engine.isSideLightRunning() && !engine.isUiUpdateEnabled()
           && !engine.isLightSynchronizing();
}

} // namespace

class tst_lightPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void selectionStartsThePreview_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("sideLight");
        QTest::newRow("with side light") << QByteArray("OV68M") << true;
        QTest::newRow("without side light") << QByteArray("OV61M") << false;
    }
    void selectionStartsThePreview()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, sideLight);
        LightEffectGenerator& generator = LightEffectGenerator::instance();
        // A side setting no keyboard of this test stores.
        colorInfoData marker = fastestWaveSetting(1);
        marker.topBlue = 77;
        COrvaneHid_SetSideColorInfoDataStu(marker, 0, {});

        SimulatorHarness sim;
        QVERIFY(sim.plug(model.constData()));
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        QVERIFY(engine->isKeyboardLightRunning());
        QCOMPARE(engine->hasSideLight(), sideLight);

        // The stored settings of the current profile reach the generator.
        const colorInfoData keys = storedRecord(page->profilePath(), 0);
        const colorInfoData side = storedRecord(page->profilePath(), 1);
        QVERIFY(keys.ledType >= 0);
        QVERIFY(sameRecord(engine->keyboardColorInfo(), keys));
        QVERIFY(sameRecord(generator.keyboardRecord(), keys));
        QCOMPARE(generator.hasSideLight(), sideLight);
        QVERIFY(sameRecord(generator.sideRecord(), sideLight ? side : marker));
        QCOMPARE(engine->sideLightButtons().isEmpty(), !sideLight);
        QVERIFY(framesAsked());

        // On the lighting page the caps follow every repaint.
        showWave(*page);
        QVERIFY(keepsMoving(*engine, false));
        if (sideLight) {
            QVERIFY(keepsMoving(*engine, true));
        } else {
            // No side light: its setting is not the engine's, nothing is
            // painted, and the side frame is still asked for.
            QVERIFY(sameRecord(generator.sideRecord(), fastestWaveSetting(1)));
            QCOMPARE(engine->sideEffectState().effect, 0);
            QVERIFY(framesAsked());
        }
    }

    // While the window is hidden or minimised the caps keep their colours,
    // with the effect still running for the keyboard. A still effect chosen
    // meanwhile shows as soon as the window is back, without waiting for a
    // frame that changes; a moving one goes on moving.
    void hiddenPreviewKeepsStill_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("window hidden") << false;
        QTest::newRow("window minimised") << true;
    }
    void hiddenPreviewKeepsStill()
    {
        QFETCH(bool, minimised);
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M"));
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        showWave(*page);
        QVERIFY(keepsMoving(*engine, false, 1));

        if (minimised)
            page->showMinimized();
        else
            page->hide();
        QCoreApplication::processEvents();
        const QVector<QRgb> keys = pictureOf(*engine, false);
        const QVector<QRgb> side = pictureOf(*engine, true);
        QVERIFY(framesAsked());
        QCOMPARE(pictureOf(*engine, false), keys);
        QCOMPARE(pictureOf(*engine, true), side);

        colorInfoData still = fastestWaveSetting(0);
        still.ledType = kStatic;
        still.topRed = 10;
        still.topGreen = 200;
        still.topBlue = 30;
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(kStatic, still);
        QCoreApplication::processEvents();
        QCOMPARE(pictureOf(*engine, false), keys);
        page->showNormal();
        QTRY_VERIFY(pictureOf(*engine, false) != keys);
        const QVector<QRgb> shown = pictureOf(*engine, false);
        QVERIFY(std::all_of(shown.begin(), shown.end(), [&shown](QRgb c) { return c == shown.first(); }));
        QVERIFY(keepsMoving(*engine, true));
    }

    // Switching keyboards stops the engine and starts it at once.
    void stopThenStartKeepsRunning()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M"));
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        showWave(*page);
        QVERIFY(keepsMoving(*engine, false, 1));

        page->stopLightThreadsIfRunning();
        engine->setUiUpdateEnabled(true);
        engine->setLightThreadsRunning(true);
        QVERIFY(engine->isKeyboardLightRunning());
        QVERIFY(engine->isSideLightRunning());
        QVERIFY(framesAsked());
        QVERIFY(keepsMoving(*engine, false));
        QVERIFY(keepsMoving(*engine, true));
    }

    // Only the lighting page shows the frames: elsewhere the picture's side
    // segments keep still while the keyboard still gets the moving frames;
    // back on the lighting page they take the frames again.
    void previewOnlyOnTheLightingPage()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV68M");
        QVERIFY(keyboard);
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        page->show();
        showLightsPage(*page);
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        emit lights->sigSelectCurrentLightTypeIndex_KB(kWave, fastestWaveSetting(0));
        emit lights->sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
        QVERIFY(engine->isUiUpdateEnabled());
        QVERIFY(keepsMoving(*engine, true));

        page->onCurIndexChangedMainPage(kKeysPage);
        QVERIFY(!engine->isUiUpdateEnabled());
        const int frames = keyboard->lighting().wholeFrames();
        QVERIFY(!keepsMoving(*engine, true, 1));
        const QVector<QRgb> still = pictureOf(*engine, true);
        QTRY_VERIFY(keyboard->lighting().wholeFrames() > frames + 3);
        QCOMPARE(pictureOf(*engine, true), still);

        showLightsPage(*page);
        QVERIFY(engine->isUiUpdateEnabled());
        QVERIFY(keepsMoving(*engine, true));
    }

    void deselectionStops_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("another keyboard selected") << QStringLiteral("click");
        QTest::newRow("the keyboard removed") << QStringLiteral("removal");
        QTest::newRow("the receiver reports it offline") << QStringLiteral("offline");
    }
    void deselectionStops()
    {
        QFETCH(QString, event);
        const bool viaReceiver = event == QLatin1String("offline");
        SimulatorHarness sim;
        const auto first = sim.plug("OV68M", viaReceiver);
        const auto second = event == QLatin1String("click") ? sim.plug("OV82M") : nullptr;
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        if (viaReceiver) {
            first->sendStateReport();
            QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedLink() != nullptr, kLoadTimeoutMs);
        }
        QVERIFY(engine->isKeyboardLightRunning());
        QVERIFY(framesAsked());

        if (event == QLatin1String("click")) {
            showLightsPage(*page);
            QVERIFY(engine->isUiUpdateEnabled());
            DDeviceListItem* other = DevicePageProbe(*page).rowOf(QString::fromStdString(sim.pathOf(second)));
            QVERIFY(other);
            QVERIFY(DevicePageProbe(*page).selectedRow() != other);
            QTest::mousePress(other, Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(DevicePageProbe(*page).selectedRow(), other);
            // Stopped for the old keyboard, started again for the new one.
            QCOMPARE(engine->hidInterface(), DevicePageProbe(*page).selectedInterface());
            QCOMPARE(QByteArray(engine->hidDeviceInfo().modelName), QByteArray("OV82M"));
            QVERIFY(engine->isKeyboardLightRunning());
            // A selection opens the new keyboard's key page, which shows no
            // frames.
            QVERIFY(!engine->isUiUpdateEnabled());
            QVERIFY(framesAsked());
            return;
        }
        if (event == QLatin1String("removal")) {
            sim.bus().unplug(first);
            page->onHidDeviceChanged(12, QStringLiteral("hidPath"));
        } else {
            first->setOnline(false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).selectedRow(), kLoadTimeoutMs);
        QVERIFY(stopped(*engine));
        QVERIFY(framesStopped());
    }
};

ORVANE_TEST_MAIN(tst_lightPreview)
#include "tst_lightPreview.moc"
