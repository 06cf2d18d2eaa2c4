// Macro recording from the hooks' events: the hooks run in the recording
// mode over the fake input source, their events reach the recorder through
// the data manager's relays, as they reach the macro editor, and the clock is
// the test's.
#include "support/ApplicationSetUp.h"
#include "support/InstalledHookSource.h"
#include "support/MacroEditorSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "profiles/DMacroRecorder.h"

#include <memory>

using MacroEditorSupport::describeEvents;

namespace {

using Result = DMacroRecorder::Result;
using Mode = DMacroRecorder::DelayMode;

constexpr quint32 kUp = LowLevelHook::kFlagReleased;

// One step of a case: a key (vk, scan, flags), a mouse message, or the clock
// moving on.
struct Step
{
    enum Kind { Key, Mouse, Wait } kind;
    int a = 0;
    int b = 0;
    int c = 0;
};

Step key(int vk, int flags, int scan = 0)
{
    return {Step::Key, vk, scan, flags};
}
Step mouse(WPARAM message)
{
    return {Step::Mouse, int(message), 0, 0};
}
Step wait(int ms)
{
    return {Step::Wait, ms, 0, 0};
}
QList<Step> tap(int vk)
{
    return {key(vk, 0), key(vk, kUp)};
}

} // namespace

Q_DECLARE_METATYPE(Step)

class tst_DMacroRecorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recording_data();
    void recording();
    void capturedKeyWhenNotRecording();
    void limitRefusalsAreReported();
    void newRecordingForgetsOldPresses();

private:
    // Runs the steps through the hooks; returns each event's result.
    QList<Result> run(const QList<Step>& steps);

    std::unique_ptr<InstalledHookSource> m_source;
    WindowsHookInterface* m_hook = nullptr;
    DMacroRecorder* m_recorder = nullptr;
    qint64 m_now = 1000;
    QList<DMacroRecorder::Outcome> m_outcomes;
};

void tst_DMacroRecorder::initTestCase()
{
    prepareApplicationTest();
}

void tst_DMacroRecorder::init()
{
    m_source = std::make_unique<InstalledHookSource>();
    m_hook = new WindowsHookInterface(this);
    QVERIFY(m_hook->startHook(1));
    m_now = 1000;
    m_outcomes.clear();
    m_recorder = new DMacroRecorder([this] { return m_now; });
    // Usages and labels as the key maps hold them; 90 (Z) is a key the maps
    // do not know.
    const QMap<int, int> toHid{{65, 4},    {66, 5},    {999, 40}, {998, 88}, {981, 135}, {987, 137}, {988, 138},
                               {984, 136}, {986, 139}, {103, 95}, {36, 74},  {255, 200}, {160, 225}};
    const QMap<int, QString> names{{4, "A"},          {5, "B"},        {40, "Enter"}, {88, "Num Enter"},
                                   {135, "Ro"},       {137, "Henkan"}, {138, "Kana"}, {136, "Yen"},
                                   {139, "Muhenkan"}, {95, "Num 7"},   {74, "Home"},  {225, "Shift"}};
    m_recorder->setKeyMaps(names, toHid);
    DDataManager* data = DDataManager::getInstance();
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this,
            [this](int k, int s, int f, int h) { m_outcomes << m_recorder->keyEvent(k, s, f, h); });
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this,
            [this](int, WPARAM message, LPARAM) { m_outcomes << m_recorder->mouseEvent(message); });
}

void tst_DMacroRecorder::cleanup()
{
    disconnect(DDataManager::getInstance(), nullptr, this, nullptr);
    delete m_recorder;
    m_recorder = nullptr;
    delete m_hook;
    m_hook = nullptr;
    m_source.reset();
}

QList<Result> tst_DMacroRecorder::run(const QList<Step>& steps)
{
    m_outcomes.clear();
    for (const Step& step : steps) {
        if (step.kind == Step::Wait)
            m_now += step.a;
        else if (step.kind == Step::Key)
            m_source->injectKey(quint32(step.a), quint32(step.b), quint32(step.c));
        else
            m_source->injectMouse(WPARAM(step.a));
    }
    QList<Result> results;
    for (const DMacroRecorder::Outcome& outcome : qAsConst(m_outcomes))
        results << outcome.result;
    return results;
}

void tst_DMacroRecorder::recording_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("fixedDelay");
    QTest::addColumn<int>("shownRows");
    QTest::addColumn<int>("storedPresses");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("expected");

    const QList<Step> aPauseB = {key(65, 0), wait(30), key(65, kUp), wait(70000), key(66, 0), wait(5), key(66, kUp)};
    QTest::newRow("recorded delays: first 0, a 70 s pause 65535")
        << int(Mode::Recorded) << 0 << 0 << 0 << aPauseB
        << QStringList{"8/0/key/4/A/down", "8/30/key/4/A/up", "9/65535/key/5/B/down", "9/5/key/5/B/up"};
    QTest::newRow("no delay") << int(Mode::None) << 0 << 0 << 0 << aPauseB
                              << QStringList{"8/0/key/4/A/down", "8/0/key/4/A/up", "9/0/key/5/B/down",
                                             "9/0/key/5/B/up"};
    QTest::newRow("default delay 100, the first event too")
        << int(Mode::Fixed) << 100 << 0 << 0 << aPauseB
        << QStringList{"8/100/key/4/A/down", "8/100/key/4/A/up", "9/100/key/5/B/down", "9/100/key/5/B/up"};
    QTest::newRow("default delay with an empty field")
        << int(Mode::Fixed) << 0 << 0 << 0 << tap(65) << QStringList{"8/0/key/4/A/down", "8/0/key/4/A/up"};

    QTest::newRow("main Enter by flags 0 and 0x80")
        << int(Mode::None) << 0 << 0 << 0 << QList<Step>{key(13, 0), key(13, 0x80)}
        << QStringList{"8/0/key/40/Enter/down", "8/0/key/40/Enter/up"};
    QTest::newRow("keypad Enter by flags 1 and 0x81")
        << int(Mode::None) << 0 << 0 << 0 << QList<Step>{key(13, 1), key(13, 0x81)}
        << QStringList{"8/0/key/88/Num Enter/down", "8/0/key/88/Num Enter/up"};
    QTest::newRow("code 255 by scan code, 193, 235")
        << int(Mode::None) << 0 << 0 << 0
        << QList<Step>{key(255, 0, 0x7D), key(255, kUp, 0x7D), key(255, 0, 0x79), key(255, kUp, 0x79),
                       key(255, 0, 0x70), key(255, kUp, 0x70), key(193, 0),       key(193, kUp),
                       key(235, 0),       key(235, kUp)}
        << QStringList{"8/0/key/135/Ro/down",     "8/0/key/135/Ro/up",      "9/0/key/137/Henkan/down",
                       "9/0/key/137/Henkan/up",   "10/0/key/138/Kana/down", "10/0/key/138/Kana/up",
                       "11/0/key/136/Yen/down",   "11/0/key/136/Yen/up",    "12/0/key/139/Muhenkan/down",
                       "12/0/key/139/Muhenkan/up"};
    QTest::newRow("keypad Home with Num Lock off is keypad 7, the extended Home stays")
        << int(Mode::None) << 0 << 0 << 0 << QList<Step>{key(36, 0), key(36, kUp), key(36, 1), key(36, 0x81)}
        << QStringList{"8/0/key/95/Num 7/down", "8/0/key/95/Num 7/up", "9/0/key/74/Home/down", "9/0/key/74/Home/up"};
    QTest::newRow("unknown key: usage -1, no name")
        << int(Mode::None) << 0 << 0 << 0 << tap(90) << QStringList{"8/0/key/-1//down", "8/0/key/-1//up"};
    QTest::newRow("left, middle, right buttons")
        << int(Mode::None) << 0 << 0 << 0
        << QList<Step>{mouse(0x201), mouse(0x202), mouse(0x207), mouse(0x208), mouse(0x204), mouse(0x205)}
        << QStringList{"8/0/mouse/513/Left Click/down",   "8/0/mouse/514/Left Click/up",
                       "9/0/mouse/519/Center Click/down", "9/0/mouse/520/Center Click/up",
                       "10/0/mouse/516/Right Click/down", "10/0/mouse/517/Right Click/up"};
    QTest::newRow("double clicks, wheel, side buttons, moves ignored")
        << int(Mode::None) << 0 << 0 << 0
        << QList<Step>{mouse(0x203),
                       mouse(0x206),
                       mouse(0x209),
                       mouse(LowLevelHook::kWheel),
                       mouse(LowLevelHook::kHorizontalWheel),
                       mouse(LowLevelHook::kExtraButtonDown),
                       mouse(LowLevelHook::kExtraButtonUp),
                       mouse(LowLevelHook::kMouseMove)}
        << QStringList{};
    QTest::newRow("a key held before the start is not recorded on release")
        << int(Mode::None) << 0 << 0 << 0 << QList<Step>{key(65, kUp), mouse(0x202)} << QStringList{};
    QTest::newRow("auto-repeat gives one press")
        << int(Mode::None) << 0 << 0 << 0 << QList<Step>{key(65, 0), key(65, 0), key(65, 0), key(65, kUp)}
        << QStringList{"8/0/key/4/A/down", "8/0/key/4/A/up"};
    QTest::newRow("keys still held at the stop are released with delay 0")
        << int(Mode::Fixed) << 7 << 0 << 0 << QList<Step>{key(160, 0), key(65, 0), mouse(0x201), key(65, kUp)}
        << QStringList{"8/7/key/225/Shift/down", "9/7/key/4/A/down",     "10/7/mouse/513/Left Click/down",
                       "9/7/key/4/A/up",         "8/0/key/225/Shift/up", "10/0/mouse/514/Left Click/up"};
    QTest::newRow("20 presses counting the stored ones; the refused release too")
        << int(Mode::None) << 0 << 0 << 19 << QList<Step>{key(65, 0), key(65, kUp), key(66, 0), key(66, kUp)}
        << QStringList{"8/0/key/4/A/down", "8/0/key/4/A/up"};
    QTest::newRow("button presses do not count against the 20")
        << int(Mode::None) << 0 << 0 << 20 << QList<Step>{mouse(0x201), mouse(0x202), key(65, 0), key(65, kUp)}
        << QStringList{"8/0/mouse/513/Left Click/down", "8/0/mouse/514/Left Click/up"};
    QTest::newRow("40 rows: a press only while its release fits")
        << int(Mode::None) << 0 << 37 << 0 << QList<Step>{key(65, 0), key(66, 0), key(66, kUp), key(65, kUp)}
        << QStringList{"8/0/key/4/A/down", "8/0/key/4/A/up"};
    QTest::newRow("at 39 rows no press is taken")
        << int(Mode::None) << 0 << 39 << 0 << QList<Step>{key(65, 0), key(65, kUp), mouse(0x201), mouse(0x202)}
        << QStringList{};
}

void tst_DMacroRecorder::recording()
{
    QFETCH(int, mode);
    QFETCH(int, fixedDelay);
    QFETCH(int, shownRows);
    QFETCH(int, storedPresses);
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, expected);

    m_recorder->setDelayMode(Mode(mode), fixedDelay);
    m_recorder->setShownMacro(shownRows, storedPresses);
    m_recorder->start(7);
    QVERIFY(m_recorder->isRecording());
    run(steps);
    const QList<DMacroEvent> stopped = m_recorder->stop();
    QCOMPARE(describeEvents(stopped), expected);
    QVERIFY(!m_recorder->isRecording());
    QVERIFY(m_recorder->recorded().isEmpty());
    QVERIFY(shownRows + stopped.size() <= DMacroRecorder::kMaxRows);
}

void tst_DMacroRecorder::capturedKeyWhenNotRecording()
{
    const QList<Result> results = run({key(65, 0), key(65, kUp), key(13, 1), mouse(0x201)});
    QCOMPARE(results, (QList<Result>{Result::Captured, Result::Captured, Result::Captured, Result::Ignored}));
    QCOMPARE(m_outcomes.at(0).usage, 4);
    QCOMPARE(m_outcomes.at(0).name, QStringLiteral("A"));
    QCOMPARE(m_outcomes.at(2).name, QStringLiteral("Num Enter"));
    QVERIFY(m_recorder->stop().isEmpty());

    // The press limit holds for the key fields too.
    m_recorder->setShownMacro(4, 20);
    QCOMPARE(run({key(66, 0), key(66, kUp)}), (QList<Result>{Result::LimitReached, Result::Captured}));
}

void tst_DMacroRecorder::limitRefusalsAreReported()
{
    m_recorder->setDelayMode(Mode::None);
    m_recorder->setShownMacro(0, 19);
    m_recorder->start(0);
    QCOMPARE(run({key(65, 0), key(66, 0), key(66, kUp), key(65, kUp)}),
             (QList<Result>{Result::Recorded, Result::LimitReached, Result::Ignored, Result::Recorded}));
    QCOMPARE(m_recorder->presses(), 20);
    QCOMPARE(m_recorder->recorded().size(), 2);

    m_recorder->cancel();
    m_recorder->setShownMacro(38, 0);
    m_recorder->start(0);
    QCOMPARE(run({mouse(0x201), mouse(0x204), mouse(0x205), mouse(0x202)}),
             (QList<Result>{Result::Recorded, Result::LimitReached, Result::Ignored, Result::Recorded}));
}

void tst_DMacroRecorder::newRecordingForgetsOldPresses()
{
    m_recorder->setDelayMode(Mode::Recorded);
    m_recorder->start(3);
    run({key(65, 0), wait(50)});
    m_recorder->cancel();
    // The hooks went off with the recording; A is released meanwhile.
    m_hook->stopHook();
    QVERIFY(m_hook->startHook(1));
    m_recorder->start(10);
    run({wait(100), key(65, kUp), wait(20), key(66, 0), wait(40), key(66, kUp)});
    QCOMPARE(m_recorder->recordedDelay(), 40);
    QCOMPARE(describeEvents(m_recorder->stop()), (QStringList{"11/0/key/5/B/down", "11/40/key/5/B/up"}));
}

ORVANE_TEST_MAIN(tst_DMacroRecorder)
#include "tst_DMacroRecorder.moc"
