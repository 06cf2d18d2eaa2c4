// The key customisation page in the device page, against a simulated
// magnetic-switch keyboard: a key reset on the FN layer changes that layer's
// file only, and the Download button then writes the stored key maps into
// the keyboard, once per click until the download has ended.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/CbNotice.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

constexpr int kKeyA = 4;
// Key A playing mute, as the key map holds it.
const QByteArray kMuteEntry = QByteArray::fromHex("07120000");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray keyMapBytes(const SimulatedKeyboard& keyboard, int layer)
{
    const std::vector<uint8_t> map = keyboard.keyMap(layer);
    return QByteArray(reinterpret_cast<const char*>(map.data()), int(map.size()));
}

} // namespace

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
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(
            DevicePageProbe(*page).selectedLink() && DevicePageProbe(*page).selectedLink()->isReady(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).profileFolder().isEmpty(), 5000);
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
        const QByteArray defaultBefore = fileBytes(files[0]);
        const QByteArray magneticBefore = fileBytes(files[2]);
        const QByteArray fnBefore = fileBytes(files[1]);

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        auto* stack = keys->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Multimedia"));
        keys->findChild<QToolButton*>(QStringLiteral("toolButton_Default"))->click();
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_OK"))->click();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Operate successful"));
        QVERIFY(fileBytes(files[1]) != fnBefore);
        QCOMPARE(fileBytes(files[0]), defaultBefore);
        QCOMPARE(fileBytes(files[2]), magneticBefore);

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
};

ORVANE_TEST_MAIN(tst_customKeysOnKeyboard)
#include "tst_customKeysOnKeyboard.moc"
