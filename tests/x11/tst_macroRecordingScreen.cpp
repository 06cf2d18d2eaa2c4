// Recording a macro on a real X server as a new user does: open the editor,
// click the record button, type "ab" and middle-click in another program,
// click the record button again; then bind the macro to a key and write it
// to a simulated keyboard. Input comes from XTest, another X client watches
// what it is given.
#include "support/ApplicationSetUp.h"
#include "support/MacroEditorSupport.h"
#include "support/ReportBytes.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "sdk/store/XmlStore.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// Xlib defines names such as None and Status: after everything else.
#include "support/X11KeyClients.h"

#include <X11/Xlib.h>

using namespace MacroEditorSupport;
using namespace ReportBytes;
using namespace StoreTestSupport;

namespace {

// Keycodes of the evdev set the test server uses.
constexpr int kKeyA = 38;
constexpr int kKeyB = 56;
constexpr int kKeyX = 53;
constexpr int kKeyY = 29;
constexpr int kKey7 = 16;

} // namespace

class tst_macroRecordingScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Injector> m_injector;

    // Clicks the record button with the pointer, once the button knows the
    // pointer is over it.
    void clickRecord(QWidget* page)
    {
        QWidget* button = page->findChild<QWidget*>(QStringLiteral("frame_Record"));
        const QPoint centre = button->mapToGlobal(button->rect().center());
        m_injector->moveTo(centre.x(), centre.y());
        QTRY_VERIFY(button->underMouse());
        m_injector->button(1, true);
        m_injector->button(1, false);
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY2(WindowsHookInterface::capturesWholeDesktop(), "the X11 tap should serve an X11 session");
        m_injector = std::make_unique<Injector>();
        DDataManager* data = DDataManager::getInstance();
        data->setVirtualKeyToHidMap({{65, 4}, {66, 5}});
        data->setKeyNameMap({{4, "A"}, {5, "B"}});
    }

    void recordTypedKeysAndWriteThemToTheKeyboard()
    {
        QTemporaryDir dir;
        const QByteArray macros = QFile::encodeName(dir.filePath(QStringLiteral("appMacro.xml")));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(
            macros, {macroEvent("1", "10", "key", "4", "A", "down"), macroEvent("1", "20", "key", "4", "A", "up")},
            "1"));

        auto client = std::make_unique<OtherClient>();
        DCustomKeysPage keyPage;
        QPointer<DMacroPage> page = new DMacroPage;
        page->setMacroFilePath(macros.constData());
        page->move(500, 150);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QTRY_COMPARE(eventRowsOf(page).size(), 2);
        QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_DefaultDelay"))->click();
        page->findChild<QLineEdit*>(QStringLiteral("lineEdit_DefaultDelayNum"))->setText(QStringLiteral("100"));

        clickRecord(page);
        QTRY_VERIFY(WindowsHookInterface::keyboardHookInstalled());
        client->refocus();
        m_injector->moveTo(200, 200);
        QTRY_VERIFY(!page->findChild<QWidget*>(QStringLiteral("frame_Record"))->underMouse());
        m_injector->tap(kKeyA);
        m_injector->tap(kKeyB);
        m_injector->button(2, true);
        m_injector->button(2, false);
        QTRY_COMPARE(eventRowsOf(page).size(), 8);
        clickRecord(page);
        QTRY_COMPARE(page->findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Start record"));

        const QStringList expected{"1/10/key/4/A/down",
                                   "1/20/key/4/A/up",
                                   "3/100/key/4/A/down",
                                   "3/100/key/4/A/up",
                                   "4/100/key/5/B/down",
                                   "4/100/key/5/B/up",
                                   "5/100/mouse/519/Center Click/down",
                                   "5/100/mouse/520/Center Click/up"};
        QCOMPARE(storedEvents(macros, "1"), expected);
        QTRY_COMPARE(eventRowsOf(page).size(), 8);
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("label_TotalTime"))->text(), QStringLiteral("630 MS"));
        QCOMPARE(changed.size(), 1);

        // The other program got the middle click but none of the keys, and
        // can take the keys for itself again.
        const QList<OtherClient::Event> seen = client->take();
        for (const OtherClient::Event& event : seen)
            QVERIFY2(event.type != KeyPress && event.type != KeyRelease, "a recorded key reached another client");
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QVERIFY(client->canGrabKey(kKeyA));
        QVERIFY(client->canGrabKeyboard());
        page->close();
        QTRY_VERIFY(page.isNull());

        // Bound to key A of the profile, as the binding page binds it, and
        // written to the keyboard.
        const QByteArray layer
            = QFile::encodeName(dir.filePath(QLatin1String(DOnboardDownloadPlan::kLayers[0].fileName).mid(1)));
        const QByteArray fnLayer
            = QFile::encodeName(dir.filePath(QLatin1String(DOnboardDownloadPlan::kLayers[1].fileName).mid(1)));
        QVERIFY(createLayerFile(layer, 1, 1));
        QVERIFY(createLayerFile(fnLayer, 1, 1));
        QVERIFY(bindKeyToMacro(layer, "1", "4", macros, "1"));
        const QByteArray senior = QFile::encodeName(dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(senior.constData()));
        QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(senior.constData()));

        SimulatorHarness sim;
        std::shared_ptr<SimulatedKeyboard> keyboard = sim.plug("OV68M");
        QVERIFY(keyboard);
        DOnboardDownload download;
        DDeviceKeyboardLink link;
        connect(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, &download,
                &DOnboardDownload::onRuningOnboard0x19Cmd);
        link.openDevice(0, sim.deviceRecord(keyboard));
        QVERIFY(link.hidInterface() && link.hidInterface()->isOpen());
        download.setHidInterface(link.hidInterface());
        QTRY_VERIFY_WITH_TIMEOUT(link.isReady(), 5000);
        QVector<int> usages;
        for (int usage = 4; usage < 20; ++usage)
            usages << usage;
        QCOMPARE(download.run(dir.path(), usages, true, senior), DOnboardDownload::Outcome::Successful);

        // Eight events of four bytes: code, press and mouse flags, and the
        // wait before the next event (the next event's delay).
        const QByteArray slot = bytesOf(keyboard->macroSlot(0));
        QCOMPARE(quint8(slot.at(3)), quint8(8 * 4));
        QCOMPARE(slot.mid(8, 8 * 4).toHex(' '), hex("04 10 00 14  04 00 00 64  04 10 00 64  04 00 00 64"
                                                    "05 10 00 64  05 00 00 64  04 11 00 64  04 01 00 00")
                                                    .toHex(' '));
        QCOMPARE(slot.mid(8 + 8 * 4), QByteArray(256 - 8 - 8 * 4, '\0'));
        QCoreApplication::sendPostedEvents();
    }

    // The row's menu takes the keyboard while it is shown; "Modify Name"
    // closes it, and what is typed then goes into the name field, and after
    // that into any other field of the editor.
    void typingAfterTheRowMenu()
    {
        QTemporaryDir dir;
        const QByteArray macros = QFile::encodeName(dir.filePath(QStringLiteral("appMacro.xml")));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
        DCustomKeysPage keyPage;
        QPointer<DMacroPage> page = new DMacroPage;
        page->setMacroFilePath(macros.constData());
        page->move(500, 150);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        QWidget* row = nullptr;
        QTRY_VERIFY((row = page->findChild<DMacroListItem*>()));
        auto* menuButton = row->findChild<QPushButton*>(QStringLiteral("pushButton_MacroOperate"));
        menuButton->click();
        auto* menu = row->findChild<ArrowWidget*>();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        // The editor keeps the keyboard while the menu is shown.
        QCOMPARE(QGuiApplication::focusWindow(), page->windowHandle());
        QTest::mouseClick(menu->findChild<QLabel*>(QStringLiteral("label_ModifyNanme")), Qt::LeftButton);
        QTRY_VERIFY(!menu->isVisible());

        auto* name = row->findChild<QLineEdit*>(QStringLiteral("lineEdit_MacroName"));
        QVERIFY(name->isVisible());
        QTRY_VERIFY(name->hasFocus());
        m_injector->tap(kKeyX);
        m_injector->tap(kKeyY);
        QTRY_COMPARE(name->text(), QStringLiteral("Macro1xy"));

        auto* delay = page->findChild<QLineEdit*>(QStringLiteral("lineEdit_DefaultDelayNum"));
        QTest::mouseClick(delay, Qt::LeftButton);
        QTRY_VERIFY(delay->hasFocus());
        delay->selectAll();
        m_injector->tap(kKey7);
        QTRY_COMPARE(delay->text(), QStringLiteral("7"));
        page->close();
        QTRY_VERIFY(page.isNull());
    }
};

ORVANE_TEST_MAIN(tst_macroRecordingScreen)
#include "tst_macroRecordingScreen.moc"
