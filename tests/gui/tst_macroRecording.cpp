// Recording into the macro editor and changing its events by hand, as a user
// does it: the record button, keys and buttons coming through the key page's
// hooks from a fake input source, the key fields capturing while they have
// the focus, and what each step leaves in the macro file and on screen.
#include "support/ApplicationSetUp.h"
#include "support/InstalledHookSource.h"
#include "support/MacroEditorSupport.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "sdk/store/XmlStore.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/CbNotice.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>

#include <memory>

using namespace MacroEditorSupport;
using namespace StoreTestSupport;
using Delivery = FakeInputHookSource::Delivery;

namespace {

constexpr quint32 kUp = LowLevelHook::kFlagReleased;

template<typename T>
T* child(QWidget* widget, const char* name)
{
    T* found = widget->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString toast(DMacroPage* page)
{
    return page->findChild<CbNotice*>()->text();
}

} // namespace

class tst_macroRecording : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeInputHookSource> m_source;
    std::unique_ptr<DCustomKeysPage> m_keyPage;
    QPointer<DMacroPage> m_page;
    QByteArray m_path;
    int m_files = 0;

    // A macro file with macro 1 holding `presses` presses of A (marks 1
    // up, delays 10 and 20), and the editor open on it.
    void openEditor(int presses = 1)
    {
        m_path = QFile::encodeName(DDataManager::getInstance()->userConfigDir()
                                   + QStringLiteral("/recording%1.xml").arg(++m_files));
        QVERIFY(COrvaneXML_CreateXMLFile(m_path));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_path, "1", "Macro1"));
        std::list<macroEventItem> events;
        for (int press = 1; press <= presses; ++press) {
            const QByteArray mark = QByteArray::number(press);
            events.push_back(macroEvent(mark, "10", "key", "4", "A", "down"));
            events.push_back(macroEvent(mark, "20", "key", "4", "A", "up"));
        }
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_path, events, "1"));
        m_page = new DMacroPage;
        m_page->setMacroFilePath(m_path.constData());
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
        QTRY_COMPARE(eventRowsOf(m_page).size(), 2 * presses);
    }

    void clickRecord() { QTest::mouseClick(child<QWidget>(m_page, "frame_Record"), Qt::LeftButton); }
    void clickRow(int row) { QTest::mouseClick(eventRowsOf(m_page).at(row), Qt::LeftButton); }
    void tap(quint32 vk)
    {
        m_source->injectKey(vk, 0, 0);
        m_source->injectKey(vk, 0, kUp);
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        DDataManager* data = DDataManager::getInstance();
        data->setVirtualKeyToHidMap({{65, 4}, {66, 5}, {67, 6}});
        data->setKeyNameMap({{4, "A"}, {5, "B"}, {6, "C"}});
    }

    void init()
    {
        m_source = std::make_unique<InstalledHookSource>();
        m_keyPage = std::make_unique<DCustomKeysPage>();
    }

    void cleanup()
    {
        delete m_page.data();
        m_keyPage.reset();
        m_source.reset();
        XmlStore::instance().cache.clear();
    }

    void recordingAppendsPairsAfterTheStoredEvents()
    {
        openEditor();
        QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
        child<QRadioButton>(m_page, "radioButton_NoDelay")->click();
        clickRecord();
        QCOMPARE(toast(m_page), QStringLiteral("Start record macro"));
        QCOMPARE(child<QLabel>(m_page, "label")->text(), QStringLiteral("Stop record"));
        QVERIFY(!child<QWidget>(m_page, "frame_Center")->isEnabled());
        QVERIFY(!child<QWidget>(m_page, "frame_Right")->isEnabled());

        // Keys are kept from the rest of the desktop while recording.
        QCOMPARE(m_source->injectKey(65, 0, 0), Delivery::Swallowed);
        m_source->injectKey(65, 0, kUp);
        tap(66);
        QVERIFY(m_source->injectMouse(LowLevelHook::kMiddleButtonDown));
        QVERIFY(m_source->injectMouse(LowLevelHook::kMiddleButtonUp));
        QCOMPARE(eventRowsOf(m_page).size(), 8);
        // The pointer over the record button: the stopping click is not
        // recorded.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child<QWidget>(m_page, "frame_Record"), &enter);
        m_source->injectMouse(LowLevelHook::kLeftButtonDown);
        m_source->injectMouse(LowLevelHook::kLeftButtonUp);
        clickRecord();

        QCOMPARE(toast(m_page), QStringLiteral("Stop record macro"));
        QCOMPARE(child<QLabel>(m_page, "label")->text(), QStringLiteral("Start record"));
        // Marked upwards from the macro's next mark (2) plus 1.
        const QStringList expected{"1/10/key/4/A/down",
                                   "1/20/key/4/A/up",
                                   "3/0/key/4/A/down",
                                   "3/0/key/4/A/up",
                                   "4/0/key/5/B/down",
                                   "4/0/key/5/B/up",
                                   "5/0/mouse/519/Center Click/down",
                                   "5/0/mouse/520/Center Click/up"};
        QCOMPARE(storedEvents(m_path, "1"), expected);
        QCOMPARE(shownEvents(m_page), expected);
        QCOMPARE(child<QLabel>(m_page, "label_TotalTime")->text(), QStringLiteral("30 MS"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("1"));
        // While the editor stays open the hook stays off between recordings.
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QCOMPARE(m_source->injectKey(65, 0, 0), Delivery::NoHook);
        QVERIFY(child<QWidget>(m_page, "frame_Center")->isEnabled());
    }

    void closingWhileRecordingStoresNothing()
    {
        openEditor();
        QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
        clickRecord();
        QVERIFY(WindowsHookInterface::keyboardHookInstalled());
        tap(66);
        QCOMPARE(eventRowsOf(m_page).size(), 4);
        child<QPushButton>(m_page, "pushButton_Close")->click();
        QTRY_VERIFY(m_page.isNull());
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(storedEvents(m_path, "1"), (QStringList{"1/10/key/4/A/down", "1/20/key/4/A/up"}));
        QCOMPARE(changed.size(), 0);
    }

    // 20 stored presses and 40 rows: the key fields take no further press,
    // a recording no further button, and the user is told.
    void limitsAreTold()
    {
        openEditor(20);
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page));
        auto* enterKey = child<QLineEdit>(m_page, "lineEdit_EnterKey");
        enterKey->setFocus();
        QTRY_VERIFY(WindowsHookInterface::keyboardHookInstalled());
        m_source->injectKey(66, 0, 0);
        QCOMPARE(toast(m_page), QStringLiteral("The record of events has reached the limit"));
        QCOMPARE(enterKey->text(), QString());
        // Only presses are limited; the release is captured as any.
        m_source->injectKey(66, 0, kUp);
        QCOMPARE(enterKey->text(), QStringLiteral("B"));
        child<QLineEdit>(m_page, "lineEdit_DelayNum")->setFocus();

        clickRecord();
        QCOMPARE(toast(m_page), QStringLiteral("Start record macro"));
        // The pointer leaves the record button for the click.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(child<QWidget>(m_page, "frame_Record"), &leave);
        QVERIFY(m_source->injectMouse(LowLevelHook::kRightButtonDown));
        QCOMPARE(toast(m_page), QStringLiteral("The record of events has reached the limit"));
        m_source->injectMouse(LowLevelHook::kRightButtonUp);
        clickRecord();
        QCOMPARE(eventRowsOf(m_page).size(), 40);
        QCOMPARE(storedEvents(m_path, "1").size(), 40);
    }

    // Where only the program's own windows can be listened to, the editor
    // says so beside the record button and on the key fields (whose
    // placeholder keeps the short prompt, which fits them).
    void captureScopeIsTold()
    {
        openEditor();
        QVERIFY(!m_page->findChild<QLabel*>(QStringLiteral("label_CaptureScope")));
        delete m_page.data();
        FakeInputHookSource ownWindows(InputHookSource::Reach::OwnWindowsOnly);
        WindowsHookInterface::setHookSource(&ownWindows);
        openEditor();
        const QString notice = WindowsHookInterface::captureScopeNotice();
        QVERIFY(!notice.isEmpty());
        QCOMPARE(child<QLabel>(m_page, "label_CaptureScope")->text(), notice);
        QVERIFY(child<QLabel>(m_page, "label_CaptureScope")->isVisible());
        for (const char* field : {"lineEdit_EnterKey", "lineEdit_PressKey"}) {
            QCOMPARE(child<QLineEdit>(m_page, field)->toolTip(), notice);
            QCOMPARE(child<QLineEdit>(m_page, field)->placeholderText(), QObject::tr("Please enter a key"));
        }
        delete m_page.data();
        WindowsHookInterface::setHookSource(m_source.get());
    }

    void keyFieldsCaptureWhileFocused()
    {
        openEditor();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page));
        auto* enterKey = child<QLineEdit>(m_page, "lineEdit_EnterKey");
        QVERIFY(enterKey->isReadOnly());
        QVERIFY(child<QLineEdit>(m_page, "lineEdit_PressKey")->isReadOnly());
        enterKey->setFocus();
        QTRY_VERIFY(WindowsHookInterface::keyboardHookInstalled());
        tap(67);
        QCOMPARE(enterKey->text(), QStringLiteral("C"));
        child<QLineEdit>(m_page, "lineEdit_DelayNum")->setFocus();
        QTRY_VERIFY(!WindowsHookInterface::keyboardHookInstalled());

        QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
        child<QPushButton>(m_page, "pushButton_InsertMacro")->click();
        QCOMPARE(toast(m_page), QStringLiteral("Please select a specific location first"));
        clickRow(1);
        child<QRadioButton>(m_page, "radioButton_InsertBefore")->click();
        child<QPushButton>(m_page, "pushButton_InsertMacro")->click();
        QCOMPARE(toast(m_page), QStringLiteral("Insert successful"));
        const QStringList inserted{"1/10/key/4/A/down", "2/0/key/6/C/down", "2/0/key/6/C/up", "1/20/key/4/A/up"};
        QCOMPARE(storedEvents(m_path, "1"), inserted);
        QCOMPARE(shownEvents(m_page), inserted);
        QCOMPARE(changed.size(), 1);

        // The selected release becomes the left button with a delay of 7; its
        // press follows in kind only.
        clickRow(3);
        child<QRadioButton>(m_page, "radioButton_MouseEvent")->click();
        child<QLineEdit>(m_page, "lineEdit_DelayNum")->setText(QStringLiteral("7"));
        child<QPushButton>(m_page, "pushButton_ModifyMacro")->click();
        QCOMPARE(toast(m_page), QStringLiteral("Modify successful"));
        const QStringList changedRows{"1/10/mouse/513/Left Click/down", "2/0/key/6/C/down", "2/0/key/6/C/up",
                                      "1/7/mouse/514/Left Click/up"};
        QCOMPARE(storedEvents(m_path, "1"), changedRows);
        QCOMPARE(shownEvents(m_page), changedRows);
        QCOMPARE(child<QLabel>(m_page, "label_TotalTime")->text(), QStringLiteral("17 MS"));

        // Deleting the inserted release takes its press with it.
        child<QPushButton>(eventRowsOf(m_page).at(2), "pushButton_Delete")->click();
        const QStringList left{"1/10/mouse/513/Left Click/down", "1/7/mouse/514/Left Click/up"};
        QCOMPARE(storedEvents(m_path, "1"), left);
        QCOMPARE(shownEvents(m_page), left);
        QCOMPARE(changed.size(), 3);
    }
};

ORVANE_TEST_MAIN(tst_macroRecording)
#include "tst_macroRecording.moc"
