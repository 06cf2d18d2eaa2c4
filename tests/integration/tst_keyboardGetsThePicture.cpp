// What the keyboard gets is what the picture shows. For a key on each layer,
// in the current and in another profile, on the selected and on a second
// keyboard, five things a user does in turn: bind a macro, edit the macro
// (from another keyboard, layer and profile), bind the key again after the
// macro changed, delete an advanced key a key is bound to, and switch the
// layer. After each: the marks on the key caps, the entry in the layer file
// and the bytes the simulated keyboard holds after Download.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/KeyMapOnKeyboard.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/reports/DMacroReportEncoder.h"
#include "profiles/DKeyFunctionStore.h"
#include "profiles/DSeniorKeyBindings.h"
#include "profiles/DSeniorKeyRecords.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>
#include <iterator>
#include <memory>

using namespace KeyMapOnKeyboard;
using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4; // bound to the macro
constexpr int kKeyB = 5; // bound to the advanced key
constexpr int kAdvancedKey = 3;
const char* const kModels[2] = {"OV68M", "OV98M"};

struct Place
{
    int layer; // 0 Default, 1 FN
    int profile;
    int keyboard; // into kModels
};

// Where the macro is edited from: never the place under test but the first.
constexpr Place kHome{0, 1, 0};

// The macro as it stands after `version` edits: one press more each time.
std::list<macroEventItem> macroVersion(int version)
{
    std::list<macroEventItem> events;
    for (int press = 1; press <= version; ++press) {
        for (const macroEventItem& event :
             keyPress(QByteArray::number(press), QByteArray::number(kKeyB + press - 1), "K"))
            events.push_back(event);
    }
    return events;
}

// A macro slot as the keyboard keeps it: the payloads of its reports.
QByteArray slotBytes(const std::list<macroEventItem>& events, int mode)
{
    QByteArray bytes;
    for (const DReportFrame& report : DMacroReportEncoder::slotReports(0, events, mode, 1))
        bytes += QByteArray(reinterpret_cast<const char*>(report.data()) + 6, report[5]);
    return bytes;
}

QByteArray bytesOf(const std::vector<uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

int layerCode(int layer)
{
    return layer == 0 ? kDefaultLayer : kFnLayer;
}

} // namespace

class tst_keyboardGetsThePicture : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_macroFile;
    QByteArray m_seniorKeyFile;
    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboards[2];
    hidStructInfoAll m_records[2];
    std::unique_ptr<DDevicePage> m_page;

    DCustomKeysPage* keys() const { return DevicePageProbe(*m_page).customKeysPage(); }

    // The page shows the place: its keyboard, layer and profile.
    void goTo(const Place& place)
    {
        DevicePageProbe probe(*m_page);
        const hidStructInfoAll& record = m_records[place.keyboard];
        if (!probe.selectedRow() || qstrcmp(probe.selectedRow()->deviceInfo().hidPath, record.hidPath) != 0)
            m_page->onHidItemMouseClicked(record);
        QVERIFY(keyboardReady(*m_page));
        keys()->findChild<QPushButton*>(place.layer == 0 ? "pushButton_DefaultLayer" : "pushButton_FnLayer")->click();
        QCOMPARE(m_page->currentLayer(), place.layer);
        if (m_page->profileIndex() != place.profile)
            m_page->onCustomEventChangProfile(place.profile);
        QCOMPARE(m_page->profileIndex(), place.profile);
    }

    void chooseKey(int usage)
    {
        keyboardButCustom* cap = DDataManager::getInstance()->keyButtonMap().value(usage);
        QVERIFY(cap);
        QTest::mouseClick(cap, Qt::LeftButton);
        QCOMPARE(DDataManager::getInstance()->currentKeyCode(), usage);
    }

    static bool marked(int usage)
    {
        const keyboardButCustom* cap = DDataManager::getInstance()->keyButtonMap().value(usage);
        return cap && cap->isCustomized();
    }

    // The key's entry in the layer file the page shows, as "type paramA
    // paramB value"; empty when there is none.
    QString entryOf(int usage) const
    {
        keyOperateInfo info;
        if (!DKeyFunctionStore::lookUp(m_page->profilePath(), m_page->profileIndex(), usage, &info))
            return QString();
        return QStringLiteral("%1 %2 %3 %4")
            .arg(QString::fromUtf8(info.type), QString::fromUtf8(info.paramA), QString::fromUtf8(info.paramB),
                 QString::fromUtf8(info.value));
    }

    // The profile's own copy of macro 1 in the layer file the page shows.
    QStringList copyOfMacro() const
    {
        std::list<macroEventItem> events;
        if (!COrvaneXML_ProFileMacroWithKeyInfoSelectAll(
                m_page->profilePath(), QByteArray::number(m_page->profileIndex()).constData(), "1", "", &events))
            return {QStringLiteral("none")};
        return describe(events);
    }

    SimulatedKeyboard& keyboardOf(const Place& place) const { return *m_keyboards[place.keyboard]; }

    // Everything the three looks need for key A bound to a macro version.
    void expectMacroKey(const Place& place, int version, int mode)
    {
        QVERIFY(marked(kKeyA));
        QCOMPARE(entryOf(kKeyA), QStringLiteral("1 1 %1 1").arg(mode));
        QCOMPARE(copyOfMacro(), describe(macroVersion(version)));
        QCOMPARE(download(*m_page), QStringLiteral("Download config successful"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(place.layer), kKeyA).toHex(' '), QByteArray("10 04 00 00"));
        QCOMPARE(bytesOf(keyboardOf(place).macroSlot(0)), slotBytes(macroVersion(version), mode));
    }

    void editMacro(int version)
    {
        const std::list<macroEventItem> all = macroVersion(version);
        const std::list<macroEventItem> added(std::prev(all.end(), 2), all.end());
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macroFile, added, "1"));
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        static int run = 0;
        ++run;
        m_macroFile = pathIn(m_dir, QStringLiteral("macro%1.xml").arg(run));
        QVERIFY(COrvaneXML_CreateXMLFile(m_macroFile));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macroFile, "1", "M"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macroFile, macroVersion(1), "1"));
        m_seniorKeyFile = pathIn(m_dir, QStringLiteral("seniorKeys%1.xml").arg(run));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(m_seniorKeyFile));
        seniorKeyInfoStu record;
        std::memset(&record, 0, sizeof record);
        record.index = kAdvancedKey;
        record.type = 1;
        setText(record.name, "DKS");
        setText(record.key[0], "7");
        const int points[4] = {15, 36, 36, 15};
        std::memcpy(record.point, points, sizeof points);
        record.action[0] = 1;
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_seniorKeyFile, 1, record));
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(data->setMacroFilePath(m_macroFile));
        QVERIFY(data->setSeniorKeyFilePath(m_seniorKeyFile));

        m_sim.reset(new SimulatorHarness);
        for (int k = 0; k < 2; ++k)
            m_keyboards[k] = m_sim->plug(kModels[k]);
        m_page = loadedDevicePage();
        QVERIFY(m_page && keyboardReady(*m_page));
        m_page->show();
        for (int k = 0; k < 2; ++k) {
            bool found = false;
            for (const hidStructInfoAll& record : m_page->deviceInfoMap()) {
                if (qstrcmp(record.hidPath, m_sim->pathOf(m_keyboards[k]).c_str()) == 0) {
                    m_records[k] = record;
                    found = true;
                }
            }
            QVERIFY(found);
        }
        // A second profile on both layers of both keyboards.
        for (int k = 0; k < 2; ++k) {
            for (int layer = 0; layer < 2; ++layer) {
                goTo({layer, 1, k});
                m_page->onProfileCreate();
            }
        }
    }

    void cleanup()
    {
        m_page.reset();
        m_sim.reset();
    }

    void oneKeyThroughFiveSteps_data()
    {
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("keyboard");
        for (int keyboard = 0; keyboard < 2; ++keyboard) {
            for (int layer = 0; layer < 2; ++layer) {
                for (int profile = 1; profile <= 2; ++profile)
                    QTest::addRow("%s, %s layer, profile %d", kModels[keyboard], layer == 0 ? "Default" : "FN", profile)
                        << layer << profile << keyboard;
            }
        }
    }

    void oneKeyThroughFiveSteps()
    {
        QFETCH(int, layer);
        QFETCH(int, profile);
        QFETCH(int, keyboard);
        const Place place{layer, profile, keyboard};
        DCustomKeysPage* page = keys();

        // Bind: key A plays the macro once.
        goTo(place);
        QVERIFY(!marked(kKeyA));
        chooseKey(kKeyA);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_Macro"))->click();
        auto* macros = page->findChild<QComboBox*>(QStringLiteral("comboBox_Macro"));
        // Nothing is picked for the user: the macro is chosen from the list.
        const int first = macros->findData(QStringLiteral("1"));
        QVERIFY(first >= 0);
        macros->setCurrentIndex(first);
        emit macros->activated(first);
        expectMacroKey(place, 1, 1);

        // Edit the macro while another keyboard, layer or profile is shown:
        // the copy bound here follows.
        goTo(kHome);
        editMacro(2);
        emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("1"), QStringLiteral("M"));
        goTo(place);
        expectMacroKey(place, 2, 1);

        // Bind again after a change that was not announced: the copy is
        // the macro as the file holds it now.
        editMacro(3);
        chooseKey(kKeyA);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_Macro"))->click();
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_playKeyPressRelStop"))->click();
        expectMacroKey(place, 3, 3);

        // Delete an advanced key: key B loses its function, its mark and its
        // entry in the keyboard.
        chooseKey(kKeyB);
        auto* advancedButton = page->findChild<QToolButton*>(QStringLiteral("toolButton_SeniorKeys"));
        QVERIFY(!advancedButton->isHidden());
        advancedButton->click();
        auto* advanced = page->findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QCOMPARE(advanced->currentData().toString(), QString::number(kAdvancedKey));
        emit advanced->activated(0);
        QVERIFY(marked(kKeyB));
        QCOMPARE(entryOf(kKeyB), QStringLiteral("40 1 1 %1").arg(kAdvancedKey));
        QCOMPARE(download(*m_page), QStringLiteral("Download config successful"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(layer), kKeyB).toHex(' '), QByteArray("17 00 00 00"));
        DSeniorKeyRecords records(m_seniorKeyFile);
        QVERIFY(records.load());
        QVERIFY(
            DSeniorKeyBindings::removeRecord(records, DDataManager::getInstance()->userConfigDir(), 1, kAdvancedKey));
        // What the advanced-key editor says when it closes.
        DDataManager::getInstance()->notifySeniorKeysListChanged();
        QVERIFY(!marked(kKeyB));
        QVERIFY(marked(kKeyA));
        QCOMPARE(entryOf(kKeyB), QString());
        QCOMPARE(download(*m_page), QStringLiteral("Download config successful"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(layer), kKeyB).toHex(' '), QByteArray("00 05 00 00"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(layer), kKeyA).toHex(' '), QByteArray("10 04 00 00"));

        // Switch the layer: the other layer's file binds nothing, and its
        // picture and key map say so; back again, key A is marked.
        const int other = 1 - layer;
        keys()->findChild<QPushButton*>(other == 0 ? "pushButton_DefaultLayer" : "pushButton_FnLayer")->click();
        QCOMPARE(m_page->currentLayer(), other);
        QVERIFY(!marked(kKeyA));
        QCOMPARE(entryOf(kKeyA), QString());
        QCOMPARE(download(*m_page), QStringLiteral("Download config successful"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(other), kKeyA).toHex(' '), QByteArray("00 04 00 00"));
        QCOMPARE(keyEntry(keyboardOf(place), layerCode(layer), kKeyA).toHex(' '), QByteArray("10 04 00 00"));
        keys()->findChild<QPushButton*>(layer == 0 ? "pushButton_DefaultLayer" : "pushButton_FnLayer")->click();
        QVERIFY(marked(kKeyA));
        QCOMPARE(entryOf(kKeyA), QStringLiteral("1 1 3 1"));
    }
};

ORVANE_TEST_MAIN(tst_keyboardGetsThePicture)
#include "tst_keyboardGetsThePicture.moc"
