// The key page's one keyboard hook and who takes it: macro recording asked
// through the data manager (with the start's outcome going back to the
// asker), the pass-through for the key-press light effects, and the rule
// that every start stops what ran before. Keys come from a fake input source.
#include "support/ApplicationSetUp.h"
#include "support/FakeInputHookSource.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"

#include <QSignalSpy>

#include <memory>

using Delivery = FakeInputHookSource::Delivery;

namespace {

constexpr quint32 kVkB = 0x42;

} // namespace

class tst_keyHookModes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeInputHookSource> m_source;
    std::unique_ptr<DCustomKeysPage> m_page;

    WindowsHookInterface* hook() const { return m_page->findChild<WindowsHookInterface*>(); }

    // What a key typed now does: swallowed, passed on or not seen at all.
    Delivery typeB()
    {
        const Delivery press = m_source->injectKey(kVkB, 0x30, 0);
        m_source->injectKey(kVkB, 0x30, 0x80);
        return press;
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_source = std::make_unique<FakeInputHookSource>();
        WindowsHookInterface::setHookSource(m_source.get());
        m_page = std::make_unique<DCustomKeysPage>();
    }
    void cleanup()
    {
        m_page.reset();
        WindowsHookInterface::setHookSource(nullptr);
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
        QCOMPARE(hook()->mode(), 1);
        QVERIFY(!m_page->isKeyboardHookEnabled());
        if (outcome) {
            QVERIFY(WindowsHookInterface::mouseHookInstalled());
            QVERIFY(m_source->injectMouse(LowLevelHook::kLeftButtonDown));
            QCOMPARE(typeB(), Delivery::Swallowed);
            QCOMPARE(relayed.size(), 2);
            QCOMPARE(relayed.at(0).at(0).toInt(), int(kVkB));
        } else {
            // A half-made start must not keep the keyboard captured for a
            // recording the editor was told did not start.
            QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
            QVERIFY(!WindowsHookInterface::mouseHookInstalled());
            QCOMPARE(typeB(), Delivery::NoHook);
            QCOMPARE(relayed.size(), 0);
        }
        QCOMPARE(captured.size(), 0);

        QCOMPARE(data->switchMacroRecordHook(false), true);
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(typeB(), Delivery::NoHook);
        // Stopping leaves the mode last asked for.
        QCOMPARE(hook()->mode(), 1);
        // A second stop is just as fine.
        QCOMPARE(data->switchMacroRecordHook(false), true);
    }

    // Whoever asks last owns the hook, in the way it asked.
    void theLastRequestWins()
    {
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(data->switchMacroRecordHook(true));
        m_page->setKeyboardHookEnabled(true);
        QCOMPARE(hook()->mode(), 5);
        QVERIFY(m_page->isKeyboardHookEnabled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(typeB(), Delivery::Passed);

        // Recording on top of running pass-through must get its mouse hook.
        QVERIFY(data->switchMacroRecordHook(true));
        QVERIFY(WindowsHookInterface::mouseHookInstalled());
        QCOMPARE(typeB(), Delivery::Swallowed);
        QCOMPARE(m_source->keyboardInstallCount(), 3);

        m_page->setKeyboardHookEnabled(false);
        QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        QVERIFY(!m_page->isKeyboardHookEnabled());
        QCOMPARE(typeB(), Delivery::NoHook);
    }
};

ORVANE_TEST_MAIN(tst_keyHookModes)
#include "tst_keyHookModes.moc"
