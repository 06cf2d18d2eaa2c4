// The key customisation page in the device page, against simulated
// keyboards: a key reset on the FN layer changes that layer's file only, and
// the Download button then writes the stored key maps into the keyboard,
// once per click until the download has ended; keys given functions on the
// choice pages reach the keyboard's key map as the entries it understands,
// and so do a remap and a key combination picked on the virtual keyboard; a
// macro and an advanced key bound on their pages reach the keyboard's slots
// with the key entries that point at them.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/KeyMapOnKeyboard.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/CbNotice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <memory>

namespace {

constexpr int kKeyA = 4;
// Key A playing mute, as the key map holds it.
const QByteArray kMuteEntry = QByteArray::fromHex("07120000");

QByteArray bytesOf(const std::vector<uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

} // namespace

using namespace KeyMapOnKeyboard;

class tst_customKeysOnKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void resetOnFnLayerThenDownload()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        QVERIFY(page && keyboardReady(*page));
        page->show();
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();

        const QString folder = DevicePageProbe(*page).profileFolder();
        const QString files[]
            = {folder + QStringLiteral("/appProfile_Default.xml"), folder + QStringLiteral("/appProfile_FN.xml"),
               folder + QStringLiteral("/appProfile_Magnetic.xml")};
        for (const QString& file : files) {
            const QByteArray path = QFile::encodeName(file);
            const QByteArray profile = QByteArray::number(COrvaneXML_GetCreateXMLFileProfileIndex(path));
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, profile, "4", "A", "3", "1", "1", "2"));
        }

        keys->findChild<QPushButton*>(QStringLiteral("pushButton_FnLayer"))->click();
        QCOMPARE(page->currentLayer(), 1);
        const QByteArray defaultBefore = StoreTestSupport::readFileBytes(QFile::encodeName(files[0]));
        const QByteArray magneticBefore = StoreTestSupport::readFileBytes(QFile::encodeName(files[2]));
        const QByteArray fnBefore = StoreTestSupport::readFileBytes(QFile::encodeName(files[1]));

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        auto* stack = keys->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Multimedia"));
        keys->findChild<QToolButton*>(QStringLiteral("toolButton_Default"))->click();
        keys->findChild<QWidget*>(QStringLiteral("page_Default"))
            ->findChild<QPushButton*>(QStringLiteral("pushButton_OK"))
            ->click();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Operate successful"));
        QVERIFY(StoreTestSupport::readFileBytes(QFile::encodeName(files[1])) != fnBefore);
        QCOMPARE(StoreTestSupport::readFileBytes(QFile::encodeName(files[0])), defaultBefore);
        QCOMPARE(StoreTestSupport::readFileBytes(QFile::encodeName(files[2])), magneticBefore);

        keyboard->clearLog();
        QSignalSpy asked(keys, &DCustomKeysPage::sigTheKeyboardIntoDownloading);
        auto* download = keys->findChild<QPushButton*>(QStringLiteral("pushButton_Download"));
        auto* loading = keys->findChild<QLabel*>(QStringLiteral("label_Loading"));
        // A click while the download runs (it keeps the window alive while it
        // waits for the keyboard) asks for nothing more.
        bool clickedWhileRunning = false;
        bool shownWhileRunning = false;
        QTimer::singleShot(0, page.get(), [&] {
            clickedWhileRunning = true;
            shownWhileRunning = !loading->isHidden();
            download->click();
        });
        download->click();
        QVERIFY(clickedWhileRunning);
        QCOMPARE(asked.size(), 1);
        QVERIFY(shownWhileRunning);
        QVERIFY(loading->isHidden());
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config successful"));
        QVERIFY(keyMapBytes(*keyboard, 0).contains(kMuteEntry));
        QVERIFY(!keyMapBytes(*keyboard, 2).contains(kMuteEntry));
    }

    // One key of every type the choice pages store, set by clicks on the
    // pages, then Download: each key's place in the default layer's key map
    // holds the entry the keyboard reads for that function.
    void choicePagesThenDownload()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84W");
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        QVERIFY(page && keyboardReady(*page));
        page->show();
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();

        const struct
        {
            int usage;
            const char* function;
            const char* stackPage;
            const char* button;
            const char* entry;
        } choices[] = {
            {4, "toolButton_Multimedia", "page_Multimedia", "radioButton_mute", "07120000"},
            {5, "toolButton_Mouse", "page_Mouse", "radioButton_mouseScrollDown", "1201ff00"},
            {6, "toolButton_Disable", "page_Disable", "pushButton_OK", "00000000"},
            {7, "toolButton_Shortcuts", "page_Shortcuts", "radioButton_Copy", "13e00600"},
            {8, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout", "radioButton_Pattern3", "110b0002"},
            {9, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_StaticMode", "02030000"},
            {10, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_BrightnessDown", "03010000"},
            {11, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_SpeedAdd", "04000000"},
            {12, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_DirectionLoop", "05020000"},
            {13, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_BottomColor", "06020000"},
            {14, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_IntoCustomLight02", "08010000"},
            {15, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_CloseBackLight", "11040100"},
            {16, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_LightRecording", "09000000"},
            {17, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_AllLightList", "0a020000"},
            {18, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_BrightnessUp", "0b000000"},
            {19, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_SpeedLessen", "0c010000"},
            {20, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_TopColor", "0d010000"},
            {21, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_StopSideLight", "11060000"},
            {22, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_StopBackLight", "11050000"},
            {23, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_CloseSideLight", "11040200"},
        };
        QSignalSpy messages(keys, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        for (const auto& choice : choices) {
            QWidget* holder = openFunctionPage(keys, choice.usage, choice.function, choice.stackPage);
            QAbstractButton* button = holder->findChild<QAbstractButton*>(QLatin1String(choice.button));
            QVERIFY2(button && !button->isHidden(), choice.button);
            button->click();
            QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Operate successful"));
        }

        keyboard->clearLog();
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_Download"))->click();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config successful"));
        const QByteArray map = keyMapBytes(*keyboard, 0);
        for (const auto& choice : choices) {
            const int place = placeOf(choice.usage);
            QVERIFY2(place >= 0, qPrintable(QString::number(choice.usage)));
            QCOMPARE(map.mid(place * 4, 4).toHex(), QByteArray(choice.entry));
        }
    }

    // A remap and a key combination picked on the virtual keyboard, then
    // Download: the keys' places in the key map hold a plain key and a
    // combination entry.
    void pickedOnScreenThenDownload()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        DDataManager::getInstance()->setKeyNameMap({});
        DDataManager::getInstance()->setVirtualKeyToHidMap({});
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        // The on-screen keyboard's tables are there with the device page.
        QCOMPARE(DDataManager::getInstance()->keyNameMap().size(), 113);
        QCOMPARE(DDataManager::getInstance()->virtualKeyToHidMap().size(), 112);
        QVERIFY(page && keyboardReady(*page));
        page->show();
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();

        const struct
        {
            int usage;
            const char* function;
            const char* stackPage;
            const char* field;
            QList<int> clicks;
            const char* entry;
        } picks[] = {
            {4, "toolButton_RemapKey", "page_RemapKey", "lineEdit_changForKey", {5}, "00050000"},
            {6,
             "toolButton_CombinationKey",
             "page_CombinationKey",
             "lineEdit_keyCombination",
             {224, 225, 4},
             "13e0e104"},
            {7, "toolButton_CombinationKey", "page_CombinationKey", "lineEdit_keyCombination", {230, 58}, "13e63a00"},
        };
        for (const auto& picked : picks) {
            QWidget* holder = openFunctionPage(keys, picked.usage, picked.function, picked.stackPage);
            QVERIFY(pickOnScreen(holder, picked.field, picked.clicks));
        }

        keyboard->clearLog();
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_Download"))->click();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config successful"));
        const QByteArray map = keyMapBytes(*keyboard, 0);
        for (const auto& picked : picks) {
            const int place = placeOf(picked.usage);
            QVERIFY(place >= 0);
            QCOMPARE(map.mid(place * 4, 4).toHex(), QByteArray(picked.entry));
        }
    }

    // A macro bound with mode 2 and count 3 and an advanced key, chosen on
    // their pages, then Download: the keyboard holds the macro (from the
    // profile's copy) and the advanced-key record in their first slots, and
    // the two keys point at them.
    void macroAndAdvancedKeyThenDownload()
    {
        using namespace StoreTestSupport;
        QTemporaryDir dir;
        const QByteArray macros = pathIn(dir, QStringLiteral("macro.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "One"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "2", "Two"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("1", "5", "B"), "2"));
        const QByteArray advanced = pathIn(dir, QStringLiteral("seniorKeys.xml"));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(advanced));
        for (int index : {3, 6}) {
            seniorKeyInfoStu record;
            std::memset(&record, 0, sizeof record);
            record.index = index;
            record.type = 1;
            setText(record.name, "DKS" + QByteArray::number(index));
            setText(record.key[0], index == 6 ? "4" : "7");
            const int points[4] = {15, 36, 36, 15};
            std::memcpy(record.point, points, sizeof points);
            record.action[0] = 1;
            record.action[3] = 2;
            record.holdDuration = 10;
            QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(advanced, 1, record));
        }
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(data->setMacroFilePath(macros));
        QVERIFY(data->setSeniorKeyFilePath(advanced));

        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        QVERIFY(page && keyboardReady(*page));
        page->show();
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        QSignalSpy messages(keys, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

        data->setCurrentKey(kKeyA, QStringLiteral("A"));
        keys->findChild<QToolButton*>(QStringLiteral("toolButton_Macro"))->click();
        QWidget* macroPage = keys->findChild<QWidget*>(QStringLiteral("page_Macro"));
        auto* macroBox = macroPage->findChild<QComboBox*>(QStringLiteral("comboBox_Macro"));
        macroBox->setCurrentIndex(1);
        emit macroBox->activated(1);
        macroPage->findChild<QRadioButton*>(QStringLiteral("radioButton_playMany"))->click();
        auto* count = macroPage->findChild<QLineEdit*>(QStringLiteral("lineEdit_playMany"));
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("3"));
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Operate successful"));

        data->setCurrentKey(kKeyA + 1, QStringLiteral("B"));
        auto* advancedButton = keys->findChild<QToolButton*>(QStringLiteral("toolButton_SeniorKeys"));
        QVERIFY(!advancedButton->isHidden());
        advancedButton->click();
        auto* advancedBox = keys->findChild<QWidget*>(QStringLiteral("page_SeniorKeysBind"))
                                ->findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QCOMPARE(advancedBox->count(), 2);
        advancedBox->setCurrentIndex(1);
        emit advancedBox->activated(1);
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Operate successful"));

        keyboard->clearLog();
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_Download"))->click();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config successful"));
        // Key A: macro kind, its usage, slot 0; key B: advanced-key kind, slot 0.
        QCOMPARE(keyEntry(*keyboard, 0, kKeyA).toHex(' '), QByteArray("10 04 00 00"));
        QCOMPARE(keyEntry(*keyboard, 0, kKeyA + 1).toHex(' '), QByteArray("17 00 00 00"));
        // Play mode 2 with count 3; one press and release of B.
        QCOMPARE(bytesOf(keyboard->macroSlot(0)).left(16).toHex(' '),
                 QByteArray("00 01 00 08 00 03 00 00 05 10 00 19 05 00 00 00"));
        // DKS, its four points, the key, the actions.
        QCOMPARE(bytesOf(keyboard->advancedKeySlot(0)).left(13).toHex(' '),
                 QByteArray("01 0f 24 24 0f 00 04 00 00 01 00 00 02"));
        QCOMPARE(bytesOf(keyboard->macroSlot(1)), QByteArray(256, '\0'));
    }
};

ORVANE_TEST_MAIN(tst_customKeysOnKeyboard)
#include "tst_customKeysOnKeyboard.moc"
