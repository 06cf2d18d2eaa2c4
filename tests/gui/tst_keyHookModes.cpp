// The key page's one keyboard hook and who takes it: macro recording asked
// through the data manager (with the start's outcome going back to the
// asker), key capture for the remap and key-combination pop-ups, the
// pass-through for the key-press light effects, and the rule that every
// start stops what ran before; and what the page makes of each key report.
// Keys come from a fake input source; stored functions are read back from
// a temporary layer file.
#include "support/ApplicationSetUp.h"
#include "support/InstalledHookSource.h"
#include "support/KeyCapturePopUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "platform/linux/KeyPositionTable.h"
#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/LightEffectGenerator.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <vector>

using Delivery = FakeInputHookSource::Delivery;
using namespace StoreTestSupport;

namespace {

constexpr quint32 kVkB = 0x42;
constexpr int kKeyA = 4;
constexpr int kColumns = 22;

// The HID usage of each physical key position, as the keyboard itself
// sends it; 0 where the on-screen keyboard has no key of that code (media
// keys, and international keys it lists under codes of their own).
struct PositionUsage
{
    const char* xkbName;
    int usage;
};

// clang-format off
constexpr PositionUsage kPositionUsages[] = {
    {"ESC", 41}, {"FK01", 58}, {"FK02", 59}, {"FK03", 60}, {"FK04", 61}, {"FK05", 62}, {"FK06", 63},
    {"FK07", 64}, {"FK08", 65}, {"FK09", 66}, {"FK10", 67}, {"FK11", 68}, {"FK12", 69}, {"PRSC", 70},
    {"SCLK", 71}, {"PAUS", 72},
    {"TLDE", 53}, {"AE01", 30}, {"AE02", 31}, {"AE03", 32}, {"AE04", 33}, {"AE05", 34}, {"AE06", 35},
    {"AE07", 36}, {"AE08", 37}, {"AE09", 38}, {"AE10", 39}, {"AE11", 45}, {"AE12", 46}, {"BKSP", 42},
    {"TAB", 43}, {"AD01", 20}, {"AD02", 26}, {"AD03", 8}, {"AD04", 21}, {"AD05", 23}, {"AD06", 28},
    {"AD07", 24}, {"AD08", 12}, {"AD09", 18}, {"AD10", 19}, {"AD11", 47}, {"AD12", 48}, {"BKSL", 49},
    {"CAPS", 57}, {"AC01", 4}, {"AC02", 22}, {"AC03", 7}, {"AC04", 9}, {"AC05", 10}, {"AC06", 11},
    {"AC07", 13}, {"AC08", 14}, {"AC09", 15}, {"AC10", 51}, {"AC11", 52}, {"RTRN", 40},
    {"LFSH", 225}, {"LSGT", 100}, {"AB01", 29}, {"AB02", 27}, {"AB03", 6}, {"AB04", 25}, {"AB05", 5},
    {"AB06", 17}, {"AB07", 16}, {"AB08", 54}, {"AB09", 55}, {"AB10", 56}, {"RTSH", 229},
    {"LCTL", 224}, {"LWIN", 227}, {"LALT", 226}, {"SPCE", 44}, {"RALT", 230}, {"RWIN", 231},
    {"COMP", 101}, {"RCTL", 228},
    {"INS", 73}, {"HOME", 74}, {"PGUP", 75}, {"DELE", 76}, {"END", 77}, {"PGDN", 78},
    {"UP", 82}, {"LEFT", 80}, {"DOWN", 81}, {"RGHT", 79},
    {"NMLK", 83}, {"KPDV", 84}, {"KPMU", 85}, {"KPSU", 86}, {"KP7", 95}, {"KP8", 96}, {"KP9", 97},
    {"KPAD", 87}, {"KP4", 92}, {"KP5", 93}, {"KP6", 94}, {"KP1", 89}, {"KP2", 90}, {"KP3", 91},
    {"KPEN", 88}, {"KP0", 98}, {"KPDL", 99},
    {"AB11", 0}, {"JPCM", 0}, {"AE13", 0}, {"HKTG", 0}, {"HENK", 0}, {"MUHE", 0}, {"HNGL", 0}, {"HJCV", 0},
    {"MUTE", 0}, {"VOL-", 0}, {"VOL+", 0}, {"I171", 0}, {"I172", 0}, {"I173", 0}, {"I174", 0},
};
// clang-format on

const PositionUsage* usageOfPosition(const char* xkbName)
{
    for (const PositionUsage& row : kPositionUsages) {
        if (std::strcmp(row.xkbName, xkbName) == 0)
            return &row;
    }
    return nullptr;
}

} // namespace

class tst_keyHookModes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeInputHookSource> m_source;
    std::unique_ptr<DCustomKeysPage> m_page;
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_layer;
    // A cap for every usage the on-screen keyboard knows, each at a grid
    // place of its own, so the place handed to the lighting names the usage.
    std::vector<std::unique_ptr<keyboardButCustom>> m_caps;
    QMap<int, int> m_usageAtPlace;

    WindowsHookInterface* hook() const { return m_page->findChild<WindowsHookInterface*>(); }

    void placeCaps(const QList<int>& usages)
    {
        QMap<int, keyboardButCustom*> map;
        for (int usage : usages) {
            const int place = int(m_caps.size());
            auto cap = std::make_unique<keyboardButCustom>();
            cap->setKeyInfo(usage, QString::number(usage));
            cap->setGridIndex(place / kColumns, place % kColumns);
            map.insert(usage, cap.get());
            m_usageAtPlace.insert(place, usage);
            m_caps.push_back(std::move(cap));
        }
        DDataManager::getInstance()->setKeyButtonMap(map);
    }

    // The usages the page handed the lighting, read back from the places.
    static QList<int> usagesAt(const QSignalSpy& points, const QMap<int, int>& usageAtPlace)
    {
        QList<int> usages;
        for (const QList<QVariant>& point : points)
            usages << usageAtPlace.value(point.at(0).toInt() * kColumns + point.at(1).toInt(), -1);
        return usages;
    }

    void tap(quint32 vkCode, quint32 flags) { m_source->tapKey(vkCode, 0, flags); }

    bool addEntry(int key, const QByteArray& type, const QByteArray& value)
    {
        return COrvaneXML_AddProFileMacroWithKeyInfoItem(m_layer, "1", QByteArray::number(key), "K", type, "1", "1",
                                                         value);
    }

    // Opens a key-function page for key A, as a click on the picture does.
    void showFunction(int functionId) { m_page->onCurIndexChanged_Key(functionId); }

    // What a key typed now does: swallowed, passed on or not seen at all.
    Delivery typeB() { return m_source->tapKey(kVkB, 0x30, 0); }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_source = std::make_unique<InstalledHookSource>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_layer = pathIn(*m_dir, QStringLiteral("appProfile_Default.xml"));
        QVERIFY(createLayerFile(m_layer, 2, 1));
        DDataManager* data = DDataManager::getInstance();
        data->setCurrentProfileIndex(1);
        data->setCurrentProfilePath(m_layer);
        data->setMagneticKeyboard(false);
        m_page = std::make_unique<DCustomKeysPage>();
        m_page->setProfileIndex(1);
        m_page->setProfilePath(m_layer);
        m_page->initPageState(0);
        // The remap page's on-screen keyboard has filled the map.
        QVERIFY(data->virtualKeyToHidMap().size() > 100);
        data->setCurrentKey(kKeyA, QStringLiteral("A"));
    }
    void cleanup()
    {
        m_page.reset();
        DDataManager::getInstance()->setKeyButtonMap({});
        DDataManager::getInstance()->clearCurrentKey();
        m_caps.clear();
        m_usageAtPlace.clear();
        m_source.reset();
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    }

    void noHookBeforeTheFirstStart()
    {
        QVERIFY(hook());
        QCOMPARE(hook()->mode(), int(WindowsHookInterface::kNoMode));
        QCOMPARE(typeB(), Delivery::NoHook);
        QVERIFY(!m_page->isKeyboardHookEnabled());
    }

    // The macro editor asks through the data manager and gets the start's
    // outcome as the answer; a stop always answers true.
    void macroRecordingAnswersWithTheOutcome_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<bool>("outcome");
        QTest::newRow("started") << 0 << true;
        QTest::newRow("keyboard hook refused") << 1 << false;
        QTest::newRow("mouse hook refused") << 2 << false;
    }
    void macroRecordingAnswersWithTheOutcome()
    {
        QFETCH(int, failing);
        QFETCH(bool, outcome);
        DDataManager* data = DDataManager::getInstance();
        QSignalSpy relayed(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
        QSignalSpy captured(hook(), &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
        // Typing-driven light was running: recording replaces it.
        m_page->setKeyboardHookEnabled(true);
        QVERIFY(m_page->isKeyboardHookEnabled());
        if (failing == 1)
            m_source->failNextKeyboardInstall(5);
        else if (failing == 2)
            m_source->failNextMouseInstall(5);

        QCOMPARE(data->switchMacroRecordHook(true), outcome);
        if (outcome) {
            QCOMPARE(hook()->mode(), 1);
            QVERIFY(!m_page->isKeyboardHookEnabled());
            QVERIFY(WindowsHookInterface::mouseHookInstalled());
            QVERIFY(m_source->injectMouse(LowLevelHook::kLeftButtonDown));
            QCOMPARE(typeB(), Delivery::Swallowed);
            QCOMPARE(relayed.size(), 2);
            QCOMPARE(relayed.at(0).at(0).toInt(), int(kVkB));
        } else {
            // A half-made start must not keep the keyboard captured for a
            // recording the editor was told did not start: what ran before
            // runs again.
            QCOMPARE(hook()->mode(), 5);
            QVERIFY(m_page->isKeyboardHookEnabled());
            QVERIFY(!WindowsHookInterface::mouseHookInstalled());
            QCOMPARE(typeB(), Delivery::Passed);
            QCOMPARE(relayed.size(), 0);
        }
        QCOMPARE(captured.size(), outcome ? 0 : 2);

        // The typing-driven light has the hook back.
        QCOMPARE(data->switchMacroRecordHook(false), true);
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(hook()->mode(), 5);
        QCOMPARE(typeB(), Delivery::Passed);
        // A second stop is just as fine.
        QCOMPARE(data->switchMacroRecordHook(false), true);
        QCOMPARE(hook()->mode(), 5);

        m_page->setKeyboardHookEnabled(false);
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QCOMPARE(typeB(), Delivery::NoHook);
    }

    // A light change the keyboard reports only sets the wish for the
    // pass-through: the recording that holds the hook goes on and gets
    // every key, and the pass-through comes when the recording ends.
    void aLightReportLeavesTheRecordingAlone()
    {
        DDataManager* data = DDataManager::getInstance();
        QSignalSpy relayed(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
        QVERIFY(data->switchMacroRecordHook(true));
        for (bool light : {true, false, true}) {
            m_page->setKeyboardHookEnabled(light);
            QCOMPARE(hook()->mode(), 1);
            QVERIFY(!m_page->isKeyboardHookEnabled());
            QVERIFY(WindowsHookInterface::mouseHookInstalled());
            QCOMPARE(typeB(), Delivery::Swallowed);
        }
        QCOMPARE(relayed.size(), 6);
        // Only one start: nothing was torn down under the recording.
        QCOMPARE(m_source->keyboardInstallCount(), 1);

        QVERIFY(data->switchMacroRecordHook(false));
        QCOMPARE(hook()->mode(), 5);
        QVERIFY(m_page->isKeyboardHookEnabled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(typeB(), Delivery::Passed);
        QCOMPARE(relayed.size(), 6);

        m_page->setKeyboardHookEnabled(false);
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QCOMPARE(typeB(), Delivery::NoHook);
    }

    // What the page makes of a report, read from the place it hands the
    // lighting in pass-through.
    void reportHandling_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("usage");
        QTest::newRow("B") << 66 << 0 << 5;
        QTest::newRow("main Enter") << 13 << 0 << 40;
        QTest::newRow("keypad Enter") << 13 << 1 << 88;
        QTest::newRow("Enter with Alt") << 13 << 32 << -1;
        QTest::newRow("extended Enter with Alt") << 13 << 33 << -1;
        QTest::newRow("keypad 7 without Num Lock") << 36 << 0 << 95;
        QTest::newRow("keypad 7 without Num Lock, Alt") << 36 << 32 << 95;
        QTest::newRow("keypad 5 without Num Lock") << 12 << 0 << 93;
        QTest::newRow("keypad 0 without Num Lock") << 45 << 0 << 98;
        QTest::newRow("Home") << 36 << 1 << 74;
        QTest::newRow("Insert") << 45 << 1 << 73;
        QTest::newRow("injected Home") << 36 << 17 << 74;
        QTest::newRow("released") << 66 << 128 << -1;
        QTest::newRow("extended released") << 36 << 129 << -1;
        QTest::newRow("no map entry") << 255 << 0 << -1;
        QTest::newRow("media key") << 173 << 1 << -1;
    }
    void reportHandling()
    {
        QFETCH(int, keyCode);
        QFETCH(int, flags);
        QFETCH(int, usage);
        placeCaps(DDataManager::getInstance()->virtualKeyToHidMap().values());
        m_page->setKeyboardHookEnabled(true);
        QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
        tap(quint32(keyCode), quint32(flags));
        QCOMPARE(usagesAt(points, m_usageAtPlace), usage < 0 ? QList<int>() : QList<int>{usage});
    }

    void aHeldKeyReportsOnce()
    {
        placeCaps(DDataManager::getInstance()->virtualKeyToHidMap().values());
        m_page->setKeyboardHookEnabled(true);
        QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
        for (int repeat = 0; repeat < 4; ++repeat)
            QCOMPARE(m_source->injectKey(kVkB, 0x30, 0), Delivery::Passed);
        m_source->injectKey(kVkB, 0x30, LowLevelHook::kFlagReleased);
        QCOMPARE(usagesAt(points, m_usageAtPlace), QList<int>{5});
        tap(kVkB, 0);
        QCOMPARE(usagesAt(points, m_usageAtPlace), (QList<int>{5, 5}));
    }

    // A key pressed and the same key clicked on the on-screen keyboard name
    // the same usage, for every key position the X11 layer knows.
    void everyKeyPositionAgreesWithTheScreen()
    {
        const QMap<int, int> screen = DDataManager::getInstance()->virtualKeyToHidMap();
        const QList<int> screenUsages = screen.values();
        placeCaps(screenUsages);
        m_page->setKeyboardHookEnabled(true);
        QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
        QCOMPARE(KeyPositionTable::rowCount(), std::size(kPositionUsages));
        for (std::size_t index = 0; index < KeyPositionTable::rowCount(); ++index) {
            const KeyPosition& position = KeyPositionTable::rows()[index];
            const PositionUsage* expected = usageOfPosition(position.xkbName);
            QVERIFY2(expected, position.xkbName);
            points.clear();
            tap(position.vkCode, position.extended ? LowLevelHook::kFlagExtended : 0);
            const QList<int> got = usagesAt(points, m_usageAtPlace);
            if (expected->usage == 0) {
                QVERIFY2(got.isEmpty(), position.xkbName);
            } else {
                QVERIFY2(screenUsages.contains(expected->usage), position.xkbName);
                QVERIFY2(got == QList<int>{expected->usage},
                         qPrintable(
                             QStringLiteral("%1 gave %2").arg(QLatin1String(position.xkbName)).arg(got.value(0, -1))));
            }
        }
    }

    // Pass-through tells the library's lighting and then the program's the
    // key's place on the picture, once a press; nothing for a key the
    // picture does not have.
    void passThroughNeedsAKeyCap()
    {
        colorInfoData reactive{};
        reactive.ledType = 7;
        COrvaneHid_SetKeyboardColorInfoDataStu(reactive, 0, "OV82", false);
        const LightEffectGenerator& library = LightEffectGenerator::instance();
        QCOMPARE(library.pendingPressCount(), 0);
        placeCaps({29, 5}); // Z at (0, 0), B at (0, 1)
        m_page->setKeyboardHookEnabled(true);
        QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
        int pendingAtSignal = -1;
        connect(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY, this,
                [&] { pendingAtSignal = library.pendingPressCount(); });
        tap(0x41, 0); // A: on the on-screen keyboard, not on this picture
        QCOMPARE(points.size(), 0);
        QCOMPARE(library.pendingPressCount(), 0);
        tap(kVkB, 0);
        QCOMPARE(points.size(), 1);
        QCOMPARE(points.at(0), (QList<QVariant>{0, 1}));
        QCOMPARE(pendingAtSignal, 1);
        QCOMPARE(library.pendingPressCount(), 1);
        QCOMPARE(library.pendingPress(0).row, 0);
        QCOMPARE(library.pendingPress(0).column, 1);
        COrvaneHid_SetKeyboardColorInfoDataStu(reactive, 0, "OV82", false);
    }

    // The pop-ups of the remap and key-combination pages take the hook for
    // their page; any other page asking starts nothing.
    void capturePopUpsTakeTheHook_data()
    {
        QTest::addColumn<int>("functionId");
        QTest::addColumn<int>("mode");
        QTest::newRow("remap") << 2 << 2;
        QTest::newRow("key combination") << 7 << 3;
    }
    void capturePopUpsTakeTheHook()
    {
        QFETCH(int, functionId);
        QFETCH(int, mode);
        QSignalSpy closed(m_page.get(), &DCustomKeysPage::sigKeyCaptureClosed);
        m_page->setKeyboardHookEnabled(true);
        ArrowWidget* popup = openCapturePopUp(*m_page, functionId);
        QVERIFY(popup);
        QCOMPARE(hook()->mode(), mode);
        QVERIFY(!m_page->isKeyboardHookEnabled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(m_source->injectKey(0x41, 0, 0), Delivery::Swallowed);
        // Caps Lock keeps toggling.
        QCOMPARE(m_source->injectKey(20, 0, 0), Delivery::Passed);

        // The pass-through asked for before has the hook back.
        closeCapturePopUp(*popup);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(hook()->mode(), 5);
        QCOMPARE(m_source->injectKey(0x41, 0, 0x80), Delivery::Passed);

        // Another page shown closes the pop-up; a request from a page that
        // is not on show takes nothing.
        QVERIFY(openCapturePopUp(*m_page, functionId));
        QCOMPARE(hook()->mode(), mode);
        showFunction(3);
        QVERIFY(!popup->isVisible());
        QCOMPARE(closed.size(), 2);
        QCOMPARE(hook()->mode(), 5);
        for (auto* page : m_page->findChildren<QWidget*>()) {
            if (page->metaObject()->indexOfSignal("sigMesgStartOrStopHook(bool)") >= 0)
                QMetaObject::invokeMethod(page, "sigMesgStartOrStopHook", Q_ARG(bool, true));
        }
        QVERIFY(WindowsHookInterface::keyboardHookInstalled());
        QCOMPARE(hook()->mode(), 5);
        m_page->setKeyboardHookEnabled(false);
    }

    // The key goes to the page on show at the press, which stores it.
    void aCapturedKeyGoesToThePageOnShow()
    {
        QVERIFY(openCapturePopUp(*m_page, 2));
        QCOMPARE(hook()->mode(), 2);
        tap(kVkB, 0);
        QCOMPARE(keyEntryOf(m_layer, kKeyA), QStringLiteral("0/1/1/5"));

        QVERIFY(openCapturePopUp(*m_page, 7));
        QCOMPARE(hook()->mode(), 3);
        tap(162, 0); // left Ctrl
        tap(0x43, 0); // C
        QCOMPARE(keyEntryOf(m_layer, kKeyA), QStringLiteral("2/1/1/1,6"));

        // Another page on show: the capture ended with its pop-up and the
        // key goes nowhere.
        showFunction(3);
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QCOMPARE(typeB(), Delivery::NoHook);
        QCOMPARE(keyEntryOf(m_layer, kKeyA), QStringLiteral("2/1/1/1,6"));
    }

    // What the user did, on which page, and what it left: the key
    // functions stored (A = 4 has none to begin with, S = 22 is remapped to
    // B, C = 6 holds Ctrl+A, K = 14 a text) and the hook's mode afterwards
    // (999 when none runs). Steps: "select <usage>" clicks a key on the
    // picture, "show <id>" a function kind, "click field" the key or text
    // field of the page on show, "click elsewhere" the key label of the
    // page, "click close" the pop-up's close control, "hide" the page
    // leaving the screen, "type <vk>" a key typed, "light on/off" a light
    // change reported by the keyboard.
    void whatAUserActionLeaves_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("popUpOpen");
        QTest::addColumn<int>("mode");
        const QStringList untouched{"none", "0/1/1/5", "2/1/1/1,4", "6/1/1/hello"};
        QTest::newRow("text field focused, then a remapped key clicked")
            << QStringList{"select 14", "click field", "select 22", "type 81"} << untouched << false << 999;
        QTest::newRow("text field focused, then a key with a combination clicked")
            << QStringList{"select 14", "click field", "select 6", "type 81"} << untouched << false << 999;
        QTest::newRow("remapped key, its field clicked, Escape typed")
            << QStringList{"select 22", "click field", "type 27"}
            << QStringList{"none", "0/1/1/41", "2/1/1/1,4", "6/1/1/hello"} << true << 2;
        QTest::newRow("Escape typed with the remap page shown, the pop-up closed")
            << QStringList{"select 4", "show 2", "type 27"} << untouched << false << 999;
        QTest::newRow("remap listening, a click elsewhere, then a key typed")
            << QStringList{"light on", "select 4", "show 2", "click field", "click elsewhere", "type 66"} << untouched
            << false << 5;
        QTest::newRow("combination listening, closed by its control, then keys typed")
            << QStringList{"select 4", "show 7", "click field", "click close", "type 162", "type 66"} << untouched
            << false << 999;
        QTest::newRow("remap listening, another kind shown")
            << QStringList{"select 4", "show 2", "click field", "show 3", "type 66"} << untouched << false << 999;
        QTest::newRow("remap listening, the page leaves the screen")
            << QStringList{"light on", "select 4", "show 2", "click field", "hide", "type 66"} << untouched << false
            << 5;
        QTest::newRow("light reported while the remap page listens")
            << QStringList{"select 4", "show 2", "click field", "light on", "type 66", "light off", "type 67"}
            << QStringList{"0/1/1/6", "0/1/1/5", "2/1/1/1,4", "6/1/1/hello"} << true << 2;
        QTest::newRow("combination listening, Ctrl then B typed")
            << QStringList{"select 6", "click field", "type 162", "type 66"}
            << QStringList{"none", "0/1/1/5", "2/1/1/1,5", "6/1/1/hello"} << true << 3;
    }
    void whatAUserActionLeaves()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, entries);
        QFETCH(bool, popUpOpen);
        QFETCH(int, mode);
        const QList<int> keys{kKeyA, 22, 6, 14};
        QVERIFY(addEntry(22, "0", "5"));
        QVERIFY(addEntry(6, "2", "1,4"));
        QVERIFY(addEntry(14, "6", "hello"));
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        const auto shownPage = [&] {
            return m_page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
        };
        for (const QString& step : steps) {
            const QString argument = step.section(QLatin1Char(' '), 1);
            if (step.startsWith(QLatin1String("select"))) {
                DDataManager::getInstance()->setCurrentKey(argument.toInt(), argument);
            } else if (step.startsWith(QLatin1String("show"))) {
                const QMap<QString, QString> kinds{{QStringLiteral("2"), QStringLiteral("toolButton_RemapKey")},
                                                   {QStringLiteral("3"), QStringLiteral("toolButton_Mouse")},
                                                   {QStringLiteral("7"), QStringLiteral("toolButton_CombinationKey")}};
                auto* button = m_page->findChild<QToolButton*>(kinds.value(argument));
                QVERIFY(button);
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (step == QLatin1String("click field")) {
                QWidget* field = shownPage()->findChild<QLineEdit*>();
                if (auto* text = shownPage()->findChild<QTextEdit*>())
                    field = text->viewport();
                QVERIFY(field && field->isVisible());
                QTest::mouseClick(field, Qt::LeftButton);
            } else if (step == QLatin1String("click elsewhere")) {
                QTest::mouseClick(m_page->findChild<QLabel*>(QStringLiteral("label_KeyChar")), Qt::LeftButton);
            } else if (step == QLatin1String("click close")) {
                QToolButton* close = nullptr;
                for (auto* popup : m_page->findChildren<ArrowWidget*>()) {
                    if (popup->isVisible())
                        close = popup->findChild<QToolButton*>(QStringLiteral("toolButton_StopListening"));
                }
                QVERIFY(close);
                QTest::mouseClick(close, Qt::LeftButton);
            } else if (step == QLatin1String("hide")) {
                m_page->hide();
            } else if (step.startsWith(QLatin1String("light"))) {
                m_page->setKeyboardHookEnabled(step == QLatin1String("light on"));
            } else {
                tap(argument.toUInt(), 0);
            }
        }
        QStringList stored;
        for (int key : keys)
            stored << keyEntryOf(m_layer, key);
        QCOMPARE(stored, entries);
        bool open = false;
        for (auto* popup : m_page->findChildren<ArrowWidget*>())
            open = open || (popup->isVisible() && popup->isPopupOpen());
        QCOMPARE(open, popUpOpen);
        QCOMPARE(WindowsHookInterface::keyboardHookInstalled() ? hook()->mode() : 999, mode);
        m_page->setKeyboardHookEnabled(false);
    }

    // Both capture pop-ups say, on one line of their title row, when keys
    // are caught only inside the program's windows, and nothing otherwise.
    void popUpsTellTheCaptureScope_data()
    {
        QTest::addColumn<int>("functionId");
        QTest::addColumn<bool>("wholeDesktop");
        for (bool whole : {true, false}) {
            const char* reach = whole ? "whole desktop" : "own windows";
            QTest::newRow(qPrintable(QStringLiteral("remap, %1").arg(QLatin1String(reach)))) << 2 << whole;
            QTest::newRow(qPrintable(QStringLiteral("key combination, %1").arg(QLatin1String(reach)))) << 7 << whole;
        }
    }
    void popUpsTellTheCaptureScope()
    {
        QFETCH(int, functionId);
        QFETCH(bool, wholeDesktop);
        FakeInputHookSource source(wholeDesktop ? InputHookSource::Reach::WholeDesktop
                                                : InputHookSource::Reach::OwnWindowsOnly);
        WindowsHookInterface::setHookSource(&source);
        ArrowWidget* popup = openCapturePopUp(*m_page, functionId);
        QVERIFY(popup && popup->isVisible());
        auto* notice = popup->findChild<QLabel*>(QStringLiteral("label_CaptureScope"));
        QVERIFY(notice);
        QCOMPARE(notice->isVisible(), !wholeDesktop);
        QCOMPARE(notice->text(), WindowsHookInterface::captureScopeNotice());
        if (!wholeDesktop) {
            QVERIFY(!notice->text().isEmpty());
            QVERIFY(!notice->wordWrap());
            QVERIFY(notice->width() >= notice->sizeHint().width());
            QVERIFY(notice->geometry().bottom() <= notice->parentWidget()->height());
        }
        closeCapturePopUp(*popup);
        WindowsHookInterface::setHookSource(m_source.get());
    }
};

ORVANE_TEST_MAIN(tst_keyHookModes)
#include "tst_keyHookModes.moc"
