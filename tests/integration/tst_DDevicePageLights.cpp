// The lighting page's keyboard effect and custom light schemes between the
// lighting page, the device page, the picture and the simulated keyboard,
// through the links' real I/O threads: entering the page, the keyboard's own
// light changes and its switch to a custom slot, painting selected keys, a
// scheme shown on the picture, and marking a scheme "Using".
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DLightEffects.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QToolButton>

#include <algorithm>
#include <cstring>
#include <list>
#include <memory>

Q_DECLARE_METATYPE(colorInfoData)

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kRows = 6;
constexpr int kColumns = 22;
using Cell = QPair<int, int>;
using Colours = QMap<Cell, QColor>;

QByteArray indexText(const DDevicePage& page)
{
    return QByteArray::number(page.profileIndex());
}

Colours storedScheme(const DDevicePage& page, const char* scheme)
{
    std::list<customLightDataItem> items;
    COrvaneXML_ProFileCustomLightInfoSelectAll(page.profilePath(), indexText(page), scheme, &items);
    Colours colours;
    for (const customLightDataItem& item : items)
        colours.insert({item.row, item.column}, QColor(item.red, item.green, item.blue));
    return colours;
}

void addSchemeColour(const DDevicePage& page, const char* scheme, int row, int column, const QColor& colour)
{
    customLightDataItem item{};
    std::strcpy(item.keyCode, "4");
    item.row = row;
    item.column = column;
    item.red = colour.red();
    item.green = colour.green();
    item.blue = colour.blue();
    item.fourthValue = 128;
    QVERIFY(COrvaneXML_AddProFileCustomLightDataInfo(page.profilePath(), indexText(page), scheme, item));
}

// The scheme the picture holds: every cap's stored colour. The colour a cap
// shows at a given moment is the lighting engine's live rendering of it
// (translucent, unlit for black), drawn on the engine's own ticks.
void compareCaps(const DDevicePage& page, const Colours& expected)
{
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const keyboardButCustom* cap = DevicePageProbe(page).keyCapAt(r, c);
            QVERIFY(cap);
            const QColor want = expected.value({r, c}, QColor(0, 0, 0));
            QCOMPARE(cap->lightColorBackup(), want);
        }
    }
}

// The non-black caps, as the store should hold a painted scheme.
Colours paintedCaps(const DDevicePage& page)
{
    Colours colours;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const QColor colour = DevicePageProbe(page).keyCapAt(r, c)->lightColorBackup();
            if (colour != QColor(0, 0, 0))
                colours.insert({r, c}, colour);
        }
    }
    return colours;
}

// Each stored scheme as "index:status:slot", in list order.
QStringList schemeStates(const DDevicePage& page)
{
    std::list<customLightNodeInfo> nodes;
    COrvaneXML_SelectProFileCustomLightAllNodes(page.profilePath(), indexText(page), &nodes);
    QStringList states;
    for (const customLightNodeInfo& node : nodes) {
        states << QStringLiteral("%1:%2:%3")
                      .arg(QString::fromUtf8(node.index), QString::fromUtf8(node.status))
                      .arg(node.slot);
    }
    return states;
}

// Sets the stored schemes' statuses from "index:status:slot" texts.
void setSchemeStates(const DDevicePage& page, const QStringList& states)
{
    for (const QString& state : states) {
        const QStringList parts = state.split(QLatin1Char(':'));
        QVERIFY(COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(page.profilePath(), indexText(page),
                                                                   parts[0].toUtf8().constData(),
                                                                   parts[1].toUtf8().constData(), parts[2].toInt()));
    }
}

QCheckBox* usingBox(DCustomLightListItem* row)
{
    return row->findChild<QCheckBox*>(QStringLiteral("checkBox"));
}

// What the rows show, in the same form, with the "Using" box ("[x]") and
// the selected row ("*").
QStringList rowStates(const DLightsConfigPage& lights)
{
    QStringList states;
    for (DCustomLightListItem* row : lights.customLightRows()) {
        states << QStringLiteral("%1:%2:%3 %4%5")
                      .arg(row->customLightIndex(), row->usingStatus())
                      .arg(row->flagIndex())
                      .arg(QLatin1String(usingBox(row)->isChecked() ? "[x]" : "[ ]"),
                           QLatin1String(row->selectedLook() ? " *" : ""));
    }
    return states;
}

DCustomLightListItem* rowOf(const DLightsConfigPage& lights, const QString& index)
{
    for (DCustomLightListItem* row : lights.customLightRows()) {
        if (row->customLightIndex() == index)
            return row;
    }
    return nullptr;
}

// The caps' custom colours as an upload carries them: red, green, blue per cell.
std::vector<uint8_t> capBytes(const DDevicePage& page)
{
    std::vector<uint8_t> bytes;
    for (int cell = 0; cell < kRows * kColumns; ++cell) {
        const QColor colour = DevicePageProbe(page).keyCapAt(cell / kColumns, cell % kColumns)->lightColorBackup();
        bytes.insert(bytes.end(), {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())});
    }
    return bytes;
}

// What the keyboard keeps in a custom slot, packets 0..7 in a row.
std::vector<uint8_t> slotBytes(const SimulatedKeyboard& keyboard, int slot)
{
    std::vector<uint8_t> bytes;
    for (int packet = 0; packet < 8; ++packet) {
        const std::vector<uint8_t> payload = keyboard.customColours(slot, packet);
        bytes.insert(bytes.end(), payload.begin(), payload.end());
    }
    return bytes;
}

// The effect and colour reports the keyboard got; light inquiries left out.
QList<SimulatedKeyboard::Report> lightReports(const SimulatedKeyboard& keyboard)
{
    QList<SimulatedKeyboard::Report> list;
    for (const SimulatedKeyboard::LoggedReport& logged : keyboard.receivedReports()) {
        if ((logged.bytes[1] == 0x06 && logged.bytes[2] == 0) || logged.bytes[1] == 0x08)
            list << logged.bytes;
    }
    return list;
}

// The key colours the lighting engine holds, in the order of capBytes.
std::vector<uint8_t> engineBytes(const DDevicePage& page)
{
    std::vector<uint8_t> bytes;
    const lightDealMain* engine = DevicePageProbe(page).lightingEngine();
    for (int cell = 0; cell < kRows * kColumns; ++cell) {
        const lightFrameCell frame = engine->keyFrameCell(cell / kColumns, cell % kColumns);
        bytes.insert(bytes.end(), {uint8_t(frame.red), uint8_t(frame.green), uint8_t(frame.blue)});
    }
    return bytes;
}

// Colour packets the keyboard got for the engine's own slot.
int engineUploads(const SimulatedKeyboard& keyboard)
{
    int count = 0;
    for (const SimulatedKeyboard::Report& r : lightReports(keyboard)) {
        if (r[1] == 0x08 && r[2] == lightDealMain::kEngineCustomSlot)
            ++count;
    }
    return count;
}

// One upload: eight colour packets into the slot, then the effect report
// without a stamp. The colours are those of the picture's caps, and the
// keyboard keeps them in that slot.
void compareUpload(const SimulatedKeyboard& keyboard, int slot, const DDevicePage& page)
{
    const QList<SimulatedKeyboard::Report> reports = lightReports(keyboard);
    QCOMPARE(reports.size(), 9);
    for (int packet = 0; packet < 8; ++packet) {
        const SimulatedKeyboard::Report& r = reports[packet];
        QCOMPARE(int(r[1]), 0x08);
        QCOMPARE(int(r[2]), slot);
        QCOMPARE(int(r[4]), packet);
        QCOMPARE(int(r[5]), packet < 7 ? 54 : 18);
    }
    QCOMPARE(slotBytes(keyboard, slot), capBytes(page));
    const SimulatedKeyboard::Report& effect = reports[8];
    QCOMPARE(int(effect[1]), 0x06);
    QCOMPARE(int(effect[6]), DLightsConfigPage::kCustomEffect);
    QCOMPARE(int(effect[62]), 0);
    QCOMPARE(int(effect[63]), 0);
}

// A cable keyboard with the page loaded on it; the page goes first.
struct Rig
{
    SimulatorHarness sim;
    std::shared_ptr<SimulatedKeyboard> keyboard = sim.plug("OV68M");
    std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
};

} // namespace

class tst_DDevicePageLights : public QObject
{
    Q_OBJECT

private:
    // The selected keyboard switched to slot 1 and the page followed it.
    static bool switchToSlot1(DDevicePage& page, SimulatedKeyboard& keyboard)
    {
        keyboard.showCustomSlot(1);
        DLightsConfigPage* lights = DevicePageProbe(page).lightsConfigPage();
        return QTest::qWaitFor([lights] { return lights->currentCustomLightIndex() == 1; }, kLoadTimeoutMs);
    }

    // Selects exactly the cap by a rectangle around its corner.
    static bool selectCap(DDevicePage& page, keyboardButCustom* cap)
    {
        hidDeviceJoinFrame* picture = DevicePageProbe(page).picture();
        const QPoint corner = cap->mapTo(picture, QPoint(0, 0));
        picture->selectKeysInRect(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        return picture->selectedKeys() == QList<keyboardButCustom*>{cap};
    }

    // The page shown on the lighting tab with the Custom effect chosen by hand.
    static DLightsConfigPage* chooseCustom(DDevicePage& page)
    {
        page.show();
        page.findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        DLightsConfigPage* lights = DevicePageProbe(page).lightsConfigPage();
        lights->findChild<QToolButton*>(QStringLiteral("toolButton_CustomLed"))->click();
        QCoreApplication::processEvents();
        return lights;
    }

    static void clickRow(DCustomLightListItem* row)
    {
        QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        qRegisterMetaType<colorInfoData>();
    }

    void theKeyboardSwitchesToACustomSlot_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::newRow("cable") << false;
        QTest::newRow("receiver") << true;
    }

    // A keyboard that reports its custom slot without pause gets the page
    // rebuilt a few times a second, not once a report, and the page ends on
    // the slot reported last.
    void aFloodOfSlotReportsIsHeld()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QSignalSpy announced(DevicePageProbe(*page).selectedLink(),
                             &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
        QSignalSpy applied(lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        // The light stream runs through the flood.
        QVERIFY(DevicePageProbe(*page).lightingEngine()->isLightSynchronizing());
        const int framesBefore = keyboard->lighting().wholeFrames();
        QElapsedTimer clock;
        clock.start();
        constexpr int kReports = 100;
        for (int i = 0; i < kReports; ++i)
            keyboard->showCustomSlot((i + 1) % 2);
        // Every report read, the held announcement of the last one comes out.
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->pendingInput() == 0, kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!announced.isEmpty() && announced.last().at(2).toInt() == 1
                                     && lights->currentCustomLightIndex() == 1,
                                 kLoadTimeoutMs);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(announced.count() <= 2 + elapsed / 300 && announced.count() < kReports,
                 qPrintable(QStringLiteral("%1 announcements in %2 ms").arg(announced.count()).arg(elapsed)));
        // The page rebuilt its scheme rows once per announcement, not per
        // report, and the stream went on meanwhile.
        QCOMPARE(applied.count(), announced.count());
        QTRY_VERIFY(keyboard->lighting().wholeFrames() > framesBefore);
    }

    // The page follows the selected keyboard into its slot: the scheme in
    // that slot is selected and shown on the picture, which the engine takes
    // over (and, behind the receiver, uploads into its own slot).
    void theKeyboardSwitchesToACustomSlot()
    {
        QFETCH(bool, viaReceiver);
        SimulatorHarness sim;
        auto selected = sim.plug(viaReceiver ? "OV84W" : "OV68M", viaReceiver);
        // A cable keyboard would be selected before the receiver's.
        auto other = viaReceiver ? nullptr : sim.plug("OV98M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString selectedPath = QString::fromStdString(sim.pathOf(selected));
        if (viaReceiver) {
            // Going online asks for the light settings again; their answers
            // must not overtake the slot report below.
            QSignalSpy relayed(page->deviceLinkMap().value(selectedPath),
                               &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
            selected->sendStateReport();
            QTRY_VERIFY_WITH_TIMEOUT(relayed.count() >= 1, kLoadTimeoutMs);
            QTest::qWait(300);
        }
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedLink() == page->deviceLinkMap().value(selectedPath),
                                 kLoadTimeoutMs);
        page->show();
        // The picture shows the keys' colours on the lighting tab only.
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QCOMPARE(lights->usingCustomIndex(), -1);

        if (!viaReceiver) {
            // Another keyboard's slot changes nothing here.
            DDeviceKeyboardLink* otherLink = page->deviceLinkMap().value(QString::fromStdString(sim.pathOf(other)));
            QSignalSpy otherSwitched(otherLink, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
            other->showCustomSlot(0);
            QVERIFY(otherSwitched.wait(kLoadTimeoutMs));
            QCoreApplication::processEvents();
            QCOMPARE(lights->usingCustomIndex(), -1);
            QVERIFY(!DevicePageProbe(*page).dragOverlay()->isDragEnabled());
        }

        {
            // A slot the keyboard does not have is not followed.
            QSignalSpy switched(DevicePageProbe(*page).selectedLink(),
                                &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
            selected->showCustomSlot(7);
            QVERIFY(switched.wait(kLoadTimeoutMs));
            QCoreApplication::processEvents();
            QCOMPARE(lights->usingCustomIndex(), -1);
            QVERIFY(!DevicePageProbe(*page).dragOverlay()->isDragEnabled());
        }

        const Colours scheme1 = storedScheme(*page, "1");
        QVERIFY(!scheme1.isEmpty());
        QSignalSpy chosen(lights, &DLightsConfigPage::sigCustomLightItemHaveChanged);
        QSignalSpy reported(lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        selected->clearLog();
        QVERIFY(switchToSlot1(*page, *selected));

        QCOMPARE(lights->usingCustomIndex(), 1);
        QCOMPARE(lights->keyboardEffect(), DLightsConfigPage::kCustomEffect);
        QVERIFY(!chosen.isEmpty());
        for (const QList<QVariant>& args : chosen)
            QCOMPARE(args, (QList<QVariant>{1, QStringLiteral("1"), QStringLiteral("WASD+Arrows")}));
        compareCaps(*page, scheme1);
        // The engine took the scheme over as the one in use.
        QCOMPARE(engineBytes(*page), capBytes(*page));
        QVERIFY(DevicePageProbe(*page).dragOverlay()->isDragEnabled());
        QVERIFY(DevicePageProbe(*page).keyCapAt(0, 0)->isSelectEnabled());
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.first().at(0).toInt(), -1);
        QCOMPARE(reported.first().at(1).value<colorInfoData>().ledType, DLightsConfigPage::kCustomEffect);
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(page->profilePath(), indexText(*page), 0),
                 DLightsConfigPage::kCustomEffect);

        // Custom is taken up like a chosen effect: the keyboard hears it back.
        auto effectReports = [&selected] {
            QList<SimulatedKeyboard::Report> effects;
            for (const SimulatedKeyboard::Report& r : lightReports(*selected)) {
                if (r[1] == 0x06)
                    effects << r;
            }
            return effects;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!effectReports().isEmpty(), kLoadTimeoutMs);
        QCOMPARE(int(effectReports().first()[6]), DLightsConfigPage::kCustomEffect);
        const int engineSlot = lightDealMain::kEngineCustomSlot;
        if (viaReceiver) {
            QTRY_VERIFY_WITH_TIMEOUT(!selected->customColours(engineSlot, 7).empty(), kLoadTimeoutMs);
            QCOMPARE(slotBytes(*selected, engineSlot), capBytes(*page));
        } else {
            QTest::qWait(200);
            QVERIFY(selected->customColours(engineSlot, 0).empty());
        }
        if (viaReceiver) {
            // Keys painted into the scheme in use go to its slot; the engine
            // uploads into its own only while no scheme is.
            QTest::qWait(200);
            const int uploads = engineUploads(*selected);
            DevicePageProbe(*page).picture()->selectKeysInRect(-10000, -10000, 10000, 10000);
            colorInfoData picked{};
            picked.topRed = 255;
            emit lights->sigLightConfigHaveChanged_Custom(0, picked);
            QTest::qWait(300);
            QCOMPARE(engineUploads(*selected), uploads);
        }
    }

    void theKeyboardsOwnEffectIsShownByNameAndButton_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("button");
        QTest::newRow("keys: Musical Rhythm") << 0 << 100 << "toolButton_MusicalRhythm";
        QTest::newRow("keys: Wave") << 0 << 2 << "toolButton_Wave";
        QTest::newRow("keys: Neon") << 0 << 3 << "toolButton_Neon";
        QTest::newRow("keys: Speed Respond") << 0 << 12 << "toolButton_SpeedRespond";
        QTest::newRow("side: Collision") << 1 << 3 << "toolButton_SideCollision";
        QTest::newRow("side: Close") << 1 << 5 << "toolButton_SideClose";
    }

    // The keyboard changes its effect itself: the page names the effect and
    // marks its button, as after a click, on the part it changed.
    void theKeyboardsOwnEffectIsShownByNameAndButton()
    {
        QFETCH(int, part);
        QFETCH(int, effect);
        QFETCH(QString, button);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV98M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->show();
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        // Shown first: the other part, on an effect of its own.
        lights->findChild<QToolButton*>(QLatin1String(part == 0 ? "toolButton_Breath" : "toolButton_Static"))->click();
        if (part == 0)
            lights->findChild<QToolButton*>(QStringLiteral("toolButton_LightSelectTypeChanged"))->click();
        QTest::qWait(200);

        SimulatedLighting::Setting setting;
        setting.effect = uint8_t(effect);
        setting.brightness = 3;
        setting.speed = 2;
        if (part == 0)
            keyboard->changeKeyboardLight(setting);
        else
            keyboard->changeSideLight(setting);

        auto* name = lights->findChild<QLabel*>(QStringLiteral("label_LightMode"));
        // The side light's effects say whose they are.
        const QString expected = part == 0 ? DLightEffects::name(part, effect)
                                           : QStringLiteral("Side light: %1").arg(DLightEffects::name(part, effect));
        QTRY_COMPARE_WITH_TIMEOUT(name->text(), expected, kLoadTimeoutMs);
        auto* shown = lights->findChild<QToolButton*>(button);
        QVERIFY(shown);
        QVERIFY(shown->isChecked());
        QVERIFY(shown->isVisibleTo(lights));
        QCOMPARE(part == 0 ? lights->keyboardEffect() : lights->sideEffect(), effect);
    }

    void enteringTheLightingPage_data()
    {
        QTest::addColumn<int>("storedEffect");
        QTest::addColumn<bool>("takenUp");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("Wave") << 2 << true << QString();
        QTest::newRow("Custom starts on slot 0") << 10 << true << QStringLiteral("0");
        QTest::newRow("DPI is never offered") << 13 << false << QString();
    }

    // Entering the page takes up the stored keyboard effect as if chosen,
    // and the keyboard hears it.
    void enteringTheLightingPage()
    {
        QFETCH(int, storedEffect);
        QFETCH(bool, takenUp);
        QFETCH(QString, scheme);
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        page->show();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QVERIFY(COrvaneXML_ModifyProFileMouseLightUsingIndex(page->profilePath(), indexText(*page), 0, storedEffect));
        QSignalSpy chosen(lights, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        QSignalSpy schemes(lights, &DLightsConfigPage::sigCustomLightItemHaveChanged);
        QTest::qWait(100);
        keyboard->clearLog();

        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();

        QCOMPARE(chosen.count(), takenUp ? 1 : 0);
        QCOMPARE(lights->currentCustomLightIndex(), scheme.isEmpty() ? -1 : scheme.toInt());
        QCOMPARE(schemes.isEmpty(), scheme.isEmpty());
        for (const QList<QVariant>& args : schemes)
            QCOMPARE(args, (QList<QVariant>{0, scheme, QStringLiteral("Alphabets")}));
        if (!takenUp) {
            QTest::qWait(300);
            QVERIFY(lightReports(*keyboard).isEmpty());
            return;
        }
        const colorInfoData record = chosen.first().at(1).value<colorInfoData>();
        QCOMPARE(chosen.first().at(0).toInt(), storedEffect);
        QCOMPARE(record.ledType, storedEffect);
        QCOMPARE(record.ledBrightness, 3);
        QTRY_COMPARE_WITH_TIMEOUT(lightReports(*keyboard).size(), 1, kLoadTimeoutMs);
        const SimulatedKeyboard::Report sent = lightReports(*keyboard).first();
        QCOMPARE(int(sent[5]), 0x0E);
        QCOMPARE(int(sent[6]), storedEffect);
        QCOMPARE(int(sent[7]), record.ledBrightness - 1);
    }

    // What the keyboard reports of its own light is passed on as a change
    // from the keyboard and not sent back to it.
    void theKeyboardsOwnLightIsNotEchoed()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QSignalSpy changed(lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        QTest::qWait(100);
        keyboard->clearLog();

        DevicePageProbe(*page).selectedLink()->inquireLightConfig();

        auto keysReported = [&changed] {
            for (const QList<QVariant>& args : changed) {
                if (args.at(0).toInt() == -1 && args.at(1).value<colorInfoData>().lightPart == 0)
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(keysReported(), kLoadTimeoutMs);
        const colorInfoData shown = lights->currentColorInfo();
        QCOMPARE(lights->keyboardEffect(), 1);
        QCOMPARE(shown.ledBrightness, 5);
        QCOMPARE(shown.ledSpeed, 3);
        QCOMPARE(shown.bottomBlue, 255);
        QTest::qWait(300);
        QVERIFY(lightReports(*keyboard).isEmpty());
    }

    void paintingStoresTheSchemeAndResendsIt()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        QVERIFY(switchToSlot1(*page, *keyboard));

        // A real key that scheme 1 leaves dark.
        const Colours before = storedScheme(*page, "1");
        keyboardButCustom* target = nullptr;
        for (int cell = 0; cell < kRows * kColumns && !target; ++cell) {
            keyboardButCustom* cap = DevicePageProbe(*page).keyCapAt(cell / kColumns, cell % kColumns);
            if (cap->keyCode() != 0 && !before.contains({cap->getRowIndex(), cap->getColumnIndex()}))
                target = cap;
        }
        QVERIFY(target);
        QVERIFY(selectCap(*page, target));

        QTest::qWait(100);
        keyboard->clearLog();
        colorInfoData picked{};
        picked.ledType = DLightsConfigPage::kCustomEffect;
        picked.topRed = 10;
        picked.topGreen = 200;
        picked.topBlue = 30;
        emit DevicePageProbe(*page).lightsConfigPage()->sigLightConfigHaveChanged_Custom(0, picked);

        const QColor painted(10, 200, 30);
        QCOMPARE(target->lightColorBackup(), painted);
        // The live picture shows it from the engine's next frame on, dimmed
        // to the keyboard's brightness.
        QTRY_VERIFY(target->lightColor().value() > 0 && qAbs(target->lightColor().hue() - painted.hue()) <= 2);
        Colours expected = before;
        expected.insert({target->getRowIndex(), target->getColumnIndex()}, painted);
        QCOMPARE(paintedCaps(*page), expected);
        QCOMPARE(storedScheme(*page, "1"), expected);
        QCOMPARE(storedScheme(*page, "0").isEmpty(), false);

        QTRY_COMPARE_WITH_TIMEOUT(lightReports(*keyboard).size(), 9, kLoadTimeoutMs);
        compareUpload(*keyboard, 1, *page);
    }

    void nothingSelectedStoresAndSendsNothing()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        page->show();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QCOMPARE(lights->usingCustomIndex(), -1);
        QCOMPARE(lights->currentCustomLightIndex(), -1);
        QList<Colours> schemes;
        for (const char* scheme : {"0", "1", "2", "3", "4"})
            schemes << storedScheme(*page, scheme);

        DevicePageProbe(*page).picture()->selectKeysInRect(-10000, -10000, 10000, 10000);
        QVERIFY(!DevicePageProbe(*page).picture()->selectedKeys().isEmpty());
        QTest::qWait(100);
        keyboard->clearLog();
        colorInfoData picked{};
        picked.topRed = 255;
        emit lights->sigLightConfigHaveChanged_Custom(0, picked);
        lights->resendCustomLight();

        QList<Colours> after;
        for (const char* scheme : {"0", "1", "2", "3", "4"})
            after << storedScheme(*page, scheme);
        QCOMPARE(after, schemes);
        QTest::qWait(300);
        QVERIFY(lightReports(*keyboard).isEmpty());
    }

    void schemeItemsOutsideTheGridAreSkipped()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        QVERIFY(storedScheme(*page, "3").isEmpty());
        const QColor inside(1, 2, 3);
        addSchemeColour(*page, "3", 2, 3, inside);
        for (const Cell& outside : {Cell{6, 0}, Cell{0, 22}, Cell{-1, 5}, Cell{5, -1}, Cell{1000000, 1000000}})
            addSchemeColour(*page, "3", outside.first, outside.second, QColor(200, 0, 0));
        DevicePageProbe(*page).keyCapAt(4, 4)->setLightColor(QColor(9, 9, 9));

        page->onCustomLightItemHaveChanged(0, QStringLiteral("3"), QStringLiteral("Custom 4"));

        compareCaps(*page, Colours{{{2, 3}, inside}});
        // The engine took the scheme over as the one in use.
        QCOMPARE(engineBytes(*page), capBytes(*page));
    }

    void markingASchemeUsingUploadsItIntoTheSlot()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        lights->applyDeviceCustomLightChange(0, DLightsConfigPage::kCustomEffect, 0);
        QCOMPARE(lights->currentCustomLightIndex(), 0);

        QTest::qWait(100);
        keyboard->clearLog();
        QSignalSpy chosen(lights, &DLightsConfigPage::sigCustomLightItemHaveChanged);
        lights->setCustomLightUsing(2, true);

        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first(), (QList<QVariant>{0, QStringLiteral("2"), QStringLiteral("CustomLight")}));
        QCOMPARE(schemeStates(*page),
                 (QStringList{"0:UnUsing:-1", "1:Using:1", "2:Using:0", "3:UnUsing:-1", "4:UnUsing:-1"}));
        QCOMPARE(lights->currentCustomLightIndex(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(lightReports(*keyboard).size(), 9, kLoadTimeoutMs);
        compareUpload(*keyboard, 0, *page);
    }

    // The rows list the store's schemes and follow the keyboard, a click and
    // a checked "Using" box; the store and the keyboard's slot follow them.
    void schemeRowsFollowTheStoreAndTheKeyboard()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        SimulatedKeyboard* keyboard = rig.keyboard.get();
        setSchemeStates(*page, {"0:UnUsing:-1", "1:Using:0", "2:Using:1"});
        DLightsConfigPage* lights = chooseCustom(*page);

        QCOMPARE(rowStates(*lights), (QStringList{"0:UnUsing:-1 [ ]", "1:Using:0 [x] *", "2:Using:1 [x]",
                                                  "3:UnUsing:-1 [ ]", "4:UnUsing:-1 [ ]"}));
        std::list<customLightNodeInfo> nodes;
        COrvaneXML_SelectProFileCustomLightAllNodes(page->profilePath(), indexText(*page), &nodes);
        QStringList storedNames;
        for (const customLightNodeInfo& node : nodes)
            storedNames << QString::fromUtf8(node.name);
        QStringList rowNames;
        for (const DCustomLightListItem* row : lights->customLightRows())
            rowNames << row->customLightName();
        QCOMPARE(rowNames, storedNames);

        keyboard->showCustomSlot(1);
        QTRY_COMPARE_WITH_TIMEOUT(lights->currentCustomLightIndex(), 2, kLoadTimeoutMs);
        QCOMPARE(rowStates(*lights).at(2), QStringLiteral("2:Using:1 [x] *"));
        QCOMPARE(rowStates(*lights).filter(QStringLiteral("*")).size(), 1);
        keyboard->showCustomSlot(0);
        QTRY_COMPARE_WITH_TIMEOUT(lights->currentCustomLightIndex(), 1, kLoadTimeoutMs);

        QTest::qWait(100);
        keyboard->clearLog();
        QSignalSpy chosen(lights, &DLightsConfigPage::sigCustomLightItemHaveChanged);
        QTest::mouseClick(usingBox(rowOf(*lights, "3")), Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first(), (QList<QVariant>{0, QStringLiteral("3"), QStringLiteral("CustomLight")}));
        QCOMPARE(schemeStates(*page),
                 (QStringList{"0:UnUsing:-1", "1:UnUsing:-1", "2:Using:1", "3:Using:0", "4:UnUsing:-1"}));
        QCOMPARE(rowStates(*lights), (QStringList{"0:UnUsing:-1 [ ]", "1:UnUsing:-1 [ ]", "2:Using:1 [x]",
                                                  "3:Using:0 [x] *", "4:UnUsing:-1 [ ]"}));
        compareCaps(*page, storedScheme(*page, "3"));
        QTRY_COMPARE_WITH_TIMEOUT(lightReports(*keyboard).size(), 9, kLoadTimeoutMs);
        compareUpload(*keyboard, 0, *page);

        // Clicking the selected row only takes its slot; another row is
        // selected and shown, an UnUsing one with no slot.
        chosen.clear();
        clickRow(rowOf(*lights, "3"));
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(lights->usingCustomIndex(), 0);
        clickRow(rowOf(*lights, "2"));
        QCOMPARE(lights->usingCustomIndex(), 1);
        clickRow(rowOf(*lights, "2"));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().at(1).toString(), QStringLiteral("2"));
        QCOMPARE(rowStates(*lights).at(2), QStringLiteral("2:Using:1 [x] *"));
        clickRow(rowOf(*lights, "4"));
        QCOMPARE(lights->usingCustomIndex(), -1);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(rowStates(*lights).filter(QStringLiteral("*")), QStringList{"4:UnUsing:-1 [ ]"
                                                                             " *"});
        // Only the scheme clicked was stored anew.
        QCOMPARE(schemeStates(*page),
                 (QStringList{"0:UnUsing:-1", "1:UnUsing:-1", "2:Using:1", "3:Using:0", "4:UnUsing:-1"}));
    }

    void usingBoxWithoutOneHolderPerSlot_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QStringList none{"0:UnUsing:-1", "1:UnUsing:-1", "2:UnUsing:-1", "3:UnUsing:-1", "4:UnUsing:-1"};
        QStringList oneInUse = none;
        oneInUse[1] = QStringLiteral("1:Using:0");
        QStringList twoOnSlot0 = oneInUse;
        twoOnSlot0[0] = QStringLiteral("0:Using:0");
        QStringList after = none;
        after[3] = QStringLiteral("3:Using:0");
        QTest::newRow("one in use") << oneInUse << after;
        QTest::newRow("none in use") << none << after;
        QTest::newRow("two on slot 0") << twoOnSlot0 << after;
        QStringList keepsSlot1 = twoOnSlot0;
        keepsSlot1[2] = QStringLiteral("2:Using:1");
        QStringList afterSlot1 = after;
        afterSlot1[2] = QStringLiteral("2:Using:1");
        QTest::newRow("two on slot 0, one on slot 1") << keepsSlot1 << afterSlot1;
    }

    // Checking scheme 3 on slot 0 leaves it the only holder of slot 0,
    // whatever the profile held, and uploads it there.
    void usingBoxWithoutOneHolderPerSlot()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        setSchemeStates(*page, before);
        DLightsConfigPage* lights = chooseCustom(*page);
        QCOMPARE(lights->usingCustomIndex(), 0);

        QTest::qWait(100);
        rig.keyboard->clearLog();
        QTest::mouseClick(usingBox(rowOf(*lights, "3")), Qt::LeftButton);
        QCOMPARE(schemeStates(*page), after);
        QStringList shown = after;
        for (QString& state : shown)
            state += state.contains(QLatin1String(":Using:")) ? " [x]" : " [ ]";
        shown[3] += QStringLiteral(" *");
        QCOMPARE(rowStates(*lights), shown);
        QTRY_COMPARE_WITH_TIMEOUT(lightReports(*rig.keyboard).size(), 9, kLoadTimeoutMs);
        compareUpload(*rig.keyboard, 0, *page);
    }

    void renamingARow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("tip");
        QTest::newRow("one space") << " "
                                   << " "
                                   << "Modify custom light name successful";
        QTest::newRow("empty: refused") << ""
                                        << "WASD+Arrows"
                                        << "Custom light name can't be empty";
        // 40 two-byte letters: 31 fit the 63 bytes of the field.
        QTest::newRow("too long: cut between letters")
            << QString(40, QChar(0xE4)) << QString(31, QChar(0xE4)) << "Modify custom light name successful";
    }

    // A double click opens the edit; Save stores the name and the row shows
    // what the file holds.
    void renamingARow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, tip);
        Rig rig;
        QVERIFY(rig.page);
        DLightsConfigPage* lights = chooseCustom(*rig.page);
        DCustomLightListItem* row = rowOf(*lights, "1");
        QVERIFY(row);
        auto* edit = row->findChild<QLineEdit*>(QStringLiteral("lineEdit_CustomItemName"));
        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
        QTRY_VERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("WASD+Arrows"));
        edit->clear();
        // Typed one key at a time, as keyClicks takes only ASCII.
        for (const QChar letter : typed)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        QSignalSpy tips(lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        QSignalSpy clicked(row, &DCustomLightListItem::sigCustomLightItemMouseClicked);
        QTest::mouseClick(row->findChild<QPushButton*>(QStringLiteral("pushButton_Save")), Qt::LeftButton);

        QCOMPARE(clicked.count(), 0);
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.first().first().toString(), tip);
        const bool saved = typed != QLatin1String("");
        QCOMPARE(edit->isVisible(), !saved);
        QCOMPARE(row->customLightName(), stored);
        QCOMPARE(row->findChild<QLabel*>(QStringLiteral("label_CustomItemName"))->text(), stored);
        std::list<customLightNodeInfo> nodes;
        COrvaneXML_SelectProFileCustomLightAllNodes(rig.page->profilePath(), indexText(*rig.page), &nodes);
        QCOMPARE(QString::fromUtf8(std::next(nodes.begin())->name), stored);
        // The rebuilt list reads the same name.
        lights->loadCustomLightList();
        QCOMPARE(rowOf(*lights, "1")->customLightName(), stored);
    }

    // Cancel keeps the name; a name the file did not take keeps the old one,
    // the edit open and says so; the box only turns on; a press on the box
    // is not a click on the row.
    void aRowKeepsWhatWasNotStored()
    {
        Rig rig;
        QVERIFY(rig.page);
        DLightsConfigPage* lights = chooseCustom(*rig.page);
        DCustomLightListItem* row = rowOf(*lights, "1");
        QVERIFY(row);
        auto* edit = row->findChild<QLineEdit*>(QStringLiteral("lineEdit_CustomItemName"));
        auto* label = row->findChild<QLabel*>(QStringLiteral("label_CustomItemName"));
        QSignalSpy tips(lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        QSignalSpy clicked(row, &DCustomLightListItem::sigCustomLightItemMouseClicked);
        QSignalSpy using_(row, &DCustomLightListItem::sigCustomLightUsingStatus);

        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
        clicked.clear();
        QTest::keyClicks(edit, QStringLiteral("zzz"));
        QTest::mouseClick(row->findChild<QPushButton*>(QStringLiteral("pushButton_Cancel")), Qt::LeftButton);
        QVERIFY(!edit->isVisible());
        QCOMPARE(label->text(), QStringLiteral("WASD+Arrows"));
        QCOMPARE(tips.count(), 0);

        // A scheme the file does not hold (gone meanwhile) cannot be renamed.
        row->setItemInfo(QStringLiteral("99"), QStringLiteral("WASD+Arrows"), QStringLiteral("Using"), 0);
        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
        clicked.clear();
        edit->setText(QStringLiteral("Other"));
        QTest::mouseClick(row->findChild<QPushButton*>(QStringLiteral("pushButton_Save")), Qt::LeftButton);
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.first().first().toString(), QStringLiteral("Modify custom light name failed"));
        QVERIFY(edit->isVisible());
        QCOMPARE(row->customLightName(), QStringLiteral("WASD+Arrows"));
        QCOMPARE(label->text(), QStringLiteral("WASD+Arrows"));
        QTest::mouseClick(row->findChild<QPushButton*>(QStringLiteral("pushButton_Cancel")), Qt::LeftButton);

        QTest::mouseClick(usingBox(row), Qt::LeftButton);
        QVERIFY(usingBox(row)->isChecked());
        QCOMPARE(using_.count(), 0);
        QCOMPARE(clicked.count(), 0);
    }

    void failuresAreTold_data()
    {
        QTest::addColumn<bool>("paint");
        QTest::addColumn<bool>("lockStore");
        QTest::newRow("Using: store refused") << false << true;
        QTest::newRow("Using: upload refused") << false << false;
        QTest::newRow("painting: store refused") << true << true;
        QTest::newRow("painting: upload refused") << true << false;
    }

    // A "Using" change or painted keys the store could not keep, or whose
    // upload the keyboard's queue refused, are told; what was not stored
    // stays as it was, in the file and on the rows.
    void failuresAreTold()
    {
        QFETCH(bool, paint);
        QFETCH(bool, lockStore);
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage* page = rig.page.get();
        setSchemeStates(*page, {"0:UnUsing:-1", "1:Using:0", "2:Using:1"});
        DLightsConfigPage* lights = chooseCustom(*page);
        const QStringList statesBefore = schemeStates(*page);
        const QStringList rowsBefore = rowStates(*lights);
        const Colours schemeBefore = storedScheme(*page, "1");
        QSignalSpy told(lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        MainHidInterFace* hid = lights->hidInterface();
        {
            std::unique_ptr<LockedFolder> lock;
            if (lockStore) {
                lock = std::make_unique<LockedFolder>(
                    QFileInfo(QString::fromLocal8Bit(page->profilePath())).absolutePath());
                if (!lock->locked())
                    QSKIP("This file system cannot lock a folder");
            } else {
                lights->setHidInterface(nullptr);
            }
            if (paint) {
                DevicePageProbe(*page).picture()->selectKeysInRect(-10000, -10000, 10000, 10000);
                colorInfoData picked{};
                picked.topRed = 255;
                emit lights->sigLightConfigHaveChanged_Custom(0, picked);
            } else {
                QTest::mouseClick(usingBox(rowOf(*lights, "3")), Qt::LeftButton);
            }
        }
        lights->setHidInterface(hid);
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().at(0).toString(),
                 QStringLiteral("The light setting could not be saved or sent to the keyboard."));
        if (!lockStore)
            return;
        QCOMPARE(schemeStates(*page), statesBefore);
        QCOMPARE(storedScheme(*page, "1"), schemeBefore);
        if (!paint)
            QCOMPARE(rowStates(*lights), rowsBefore);
    }

    void rowsFollowTheTheme_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }

    // Every theme change restyles the rows, as drawn: the selected row on the
    // theme's selected-row colour with its name in the accent, the others in
    // the page's colours.
    void rowsFollowTheTheme()
    {
        QFETCH(int, theme);
        Rig rig;
        QVERIFY(rig.page);
        DLightsConfigPage* lights = chooseCustom(*rig.page);
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        rig.page->setTheme();
        const themeColorData colours = data->themeColors();
        const DThemeRoles roles = data->themeRoles();
        QVERIFY(lights->customLightRows().size() > 1);
        QList<QColor> names;
        QList<QColor> backgrounds;
        for (DCustomLightListItem* row : lights->customLightRows()) {
            const bool selected = row->selectedLook();
            QCOMPARE(selected, row == rowOf(*lights, "0"));
            auto* name = row->findChild<QLabel*>(QStringLiteral("label_CustomItemName"));
            names << RenderedLook::text(name);
            QCOMPARE(name->font().family(), colours.textFont);
            const QImage shot = row->grab().toImage();
            backgrounds << QColor(shot.pixel(shot.width() - 2, shot.height() / 2));
        }
        data->loadTheme(0);
        DAppStyle::apply(0);
        for (int i = 0; i < names.size(); ++i) {
            const bool selected = lights->customLightRows().at(i)->selectedLook();
            QCOMPARE(names.at(i).rgb(), roles.color(selected ? DThemeRoles::AccentText : DThemeRoles::Text).rgb());
            QCOMPARE(backgrounds.at(i).rgb(),
                     roles.color(selected ? DThemeRoles::MacroRowSelected : DThemeRoles::DevicePanel).rgb());
        }
    }

    // Rebuilding the list over and over leaves no rows behind.
    void rebuildsLeaveNoRowsBehind()
    {
        Rig rig;
        QVERIFY(rig.page);
        DLightsConfigPage* lights = chooseCustom(*rig.page);
        const auto rowCount = [lights] { return lights->findChildren<DCustomLightListItem*>().size(); };
        const int rows = lights->customLightRows().size();
        QVERIFY(rows > 0);
        for (int round = 0; round < 200; ++round)
            lights->loadCustomLightList();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rowCount(), rows);
    }

    // A lighting beat queued before another keyboard is selected runs while
    // the page waits for that keyboard to answer, when the old picture is
    // gone already: it reaches none of the old caps, and the new ones light
    // up once the keyboard has answered.
    void switchWithATickQueued()
    {
        Rig rig;
        QVERIFY(rig.page);
        DDevicePage& page = *rig.page;
        DLightsConfigPage* lights = chooseCustom(page);
        QCOMPARE(lights->keyboardEffect(), DLightsConfigPage::kCustomEffect);
        lightDealMain* engine = DevicePageProbe(page).lightingEngine();
        QTRY_COMPARE_WITH_TIMEOUT(engine->keyboardEffectState().effect, DLightEffects::kCustom, kLoadTimeoutMs);

        // Its answers come after the page stopped waiting for them at arrival.
        auto late = rig.sim.plug("OV84W");
        late->setAnswerDelayMs(2 * DDevicePage::kLinkReadyWaitMs);
        const QString path = QString::fromStdString(rig.sim.pathOf(late));
        page.onHidDeviceChanged(11, path);
        QVERIFY(page.deviceLinkMap().contains(path));
        DDeviceKeyboardLink* link = page.deviceLinkMap().value(path);
        QVERIFY(!link->isReady());
        DDeviceListItem* row = DevicePageProbe(page).rowOf(path);
        QVERIFY(row);

        QVERIFY(QMetaObject::invokeMethod(engine, "onDviceUpdateAllKeyColorSendKeyboardHid", Qt::QueuedConnection));
        QTest::mousePress(row, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(DevicePageProbe(page).selectedRow(), row);
        QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), link, kLoadTimeoutMs);
        const auto lit = [] {
            const QList<keyboardButCustom*> caps = DDataManager::getInstance()->keyButtonList();
            return !caps.isEmpty() && std::any_of(caps.cbegin(), caps.cend(), [](const keyboardButCustom* cap) {
                return cap && cap->lightColor().alpha() > 0 && cap->lightColor() != QColor(Qt::black);
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(lit(), kLoadTimeoutMs);
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageLights)
#include "tst_DDevicePageLights.moc"
