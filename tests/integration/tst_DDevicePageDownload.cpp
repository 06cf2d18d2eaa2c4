// The Download button of the key page writes the selected keyboard's
// profile through the device page, its links and their I/O threads.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/CbNotice.h"

#include <QSignalSpy>
#include <memory>

class tst_DDevicePageDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void downloadButtonWritesTheProfile()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        auto page = std::make_unique<DDevicePage>();
        QSignalSpy loaded(page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loaded.wait(20000));
        QVERIFY(DevicePageProbe(*page).selectedRow());
        QTRY_VERIFY_WITH_TIMEOUT(
            DevicePageProbe(*page).selectedLink() && DevicePageProbe(*page).selectedLink()->isReady(), 5000);

        // The selected keyboard's own profile files.
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).profileFolder().isEmpty(), 5000);
        const QByteArray fnPath
            = QFile::encodeName(DevicePageProbe(*page).profileFolder() + QStringLiteral("/appProfile_FN.xml"));
        const QByteArray profile = QByteArray::number(COrvaneXML_GetCreateXMLFileProfileIndex(fnPath));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(fnPath, profile, "4", "A", "3", "0", "0", "2"));
        keyboard->clearLog();

        DevicePageProbe(*page).customKeysPage()->on_pushButton_Download_clicked();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config successful"));
        const int keys = DDataManager::getInstance()->keyButtonList().size();
        QVERIFY(keys > 0);
        QCOMPARE(int(keyboard->keyMap(0).size()), keys * 4);
        QCOMPARE(int(keyboard->keyMap(2).size()), keys * 4);
        // Key A of the FN layer plays mute.
        const QByteArray fnMap(reinterpret_cast<const char*>(keyboard->keyMap(2).data()), keys * 4);
        QVERIFY(fnMap.contains(QByteArray::fromHex("07120000")));
        QVERIFY(!QByteArray(reinterpret_cast<const char*>(keyboard->keyMap(0).data()), keys * 4)
                     .contains(QByteArray::fromHex("07120000")));
        for (int slot = 0; slot < 10; ++slot)
            QCOMPARE(int(keyboard->macroSlot(slot).size()), 256);
        if (DDataManager::getInstance()->isMagneticKeyboard())
            QCOMPARE(keyboard->receivedCount(0x2A), 40);

        // Pulled out: the next download fails and says so.
        keyboard->failWrites(-1);
        DevicePageProbe(*page).customKeysPage()->on_pushButton_Download_clicked();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Download config failed, Please try again"));
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageDownload)
#include "tst_DDevicePageDownload.moc"
