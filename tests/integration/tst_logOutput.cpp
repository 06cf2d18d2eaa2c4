// What the program prints on a terminal: nothing while nothing is wrong, and
// with its categories turned on one whole line per message. The program runs
// in a child process of this test (the same executable with --session), as
// the entry point builds it, on two simulated keyboards.
#include "app/DAppllication.h"
#include "app/DSingleInstanceSegment.h"
#include "app/logCategories.h"
#include "platform/fake/SyntheticLoopbackSource.h"
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QToolButton>

#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const char kSessionOption[] = "--session";
constexpr int kTimeoutMs = 30000;

// A step of the session that did not happen; said on standard error, which
// the test reads anyway.
int failed(const char* step)
{
    std::fprintf(stderr, "session step failed: %s\n", step);
    return 1;
}

template<typename T>
T* child(QWidget* parent, const char* name)
{
    return parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
}

bool click(QWidget* parent, const char* name)
{
    auto* button = child<QAbstractButton>(parent, name);
    if (!button)
        return false;
    button->click();
    return true;
}

// What a user does in a short session: the program starts and lists both
// keyboards, every page is visited, the key map is written to the
// keyboard, the lighting changes, the music effect plays the synthetic
// sound, and the program is quit from its tray menu.
int runSession(DAppllication& app, SyntheticSoundLoopback& loopback)
{
    if (!QTest::qWaitFor([&] { return app.mainWidget() != nullptr; }, kTimeoutMs))
        return failed("main window");
    DMainWidget* window = app.mainWidget();
    DDevicePage* page = window->devicePage();
    const DevicePageProbe probe(*page);
    if (!QTest::qWaitFor([&] { return probe.rows().size() >= 2 && probe.selectedLink(); }, kTimeoutMs))
        return failed("keyboard list");
    if (!QTest::qWaitFor([&] { return !probe.profileFolder().isEmpty(); }, kTimeoutMs))
        return failed("profiles");

    for (const char* button :
         {"toolButton_LightConfig", "toolButton_Performance", "toolButton_TriggerSetting", "toolButton_CustomKey"}) {
        if (!click(page, button))
            return failed(button);
        QCoreApplication::processEvents();
    }

    if (!click(page, "pushButton_Download"))
        return failed("download button");
    // The program shows its English, not the source text.
    const QString written = QCoreApplication::translate("QObject", "Download config successful");
    if (!QTest::qWaitFor([&] { return probe.toast()->text() == written; }, kTimeoutMs))
        return failed("download");

    if (!click(page, "toolButton_LightConfig") || !click(page, "toolButton_Breath"))
        return failed("lighting effect");
    auto* brightness = child<QWidget>(page, "frame_SliderBrightness");
    auto* stepper = brightness ? brightness->findChild<sliderCustomWidget*>() : nullptr;
    if (!stepper)
        return failed("brightness");
    QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(stepper->tickPositions().at(0), stepper->height() / 2));

    loopback.sound()->setTone(440, 0.25);
    if (!click(page, "toolButton_MusicalRhythm"))
        return failed("music effect");
    if (!QTest::qWaitFor([&] { return probe.lightingEngine()->isMusicCaptureRunning() && loopback.lastSource(); },
                         kTimeoutMs))
        return failed("music capture");
    // Two analyses of the sound: after ten packets, and nineteen later.
    loopback.lastSource()->deliverPackets(29);

    // What the tray menu's Quit runs.
    QMetaObject::invokeMethod(window, "onQuitApp");
    return 0;
}

// The program as the entry point builds it, on simulated keyboards and the
// synthetic sound output, with the program's own log output.
int sessionMain(int argc, char* argv[])
{
    installLogOutput();
    TestEnvironment environment;
    initOrvaneResources();
    auto loopback = std::make_shared<SyntheticSoundLoopback>();
    SoundLoopback::install(loopback);
    SimulatorHarness sim;
    sim.plug("OV68M");
    sim.plug("OV84W", true);

    const QString appId = QStringLiteral("VELKOV2.0_1.2.0.1");
    DSingleInstanceSegment segment(appId, QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    const bool alreadyRunning = !segment.create();
    DAppllication app(appId, argc, argv, alreadyRunning, &segment, sim.newDeviceChangeSource());
    if (!linkProgramPictures())
        return failed("keyboard pictures");
    int result = 0;
    QTimer::singleShot(0, &app, [&] {
        result = runSession(app, *loopback);
        if (result)
            QCoreApplication::exit(result);
    });
    const int code = app.exec();
    return result ? result : code;
}

struct SessionOutput
{
    int exitCode = -1;
    QStringList lines;
};

// Runs the session in a child process with `rules` as its logging rules
// (none: the defaults); everything it printed, both channels together.
SessionOutput runSessionProcess(const QString& rules)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    env.remove(QStringLiteral("ORVANE_TRACE_REPORTS"));
    if (!rules.isEmpty())
        env.insert(QStringLiteral("QT_LOGGING_RULES"), rules);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kSessionOption)});
    SessionOutput output;
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        output.exitCode = process.exitCode();
    }
    const QString text = QString::fromLocal8Bit(process.readAll());
    output.lines = text.split(QLatin1Char('\n'));
    if (output.lines.last().isEmpty())
        output.lines.removeLast();
    return output;
}

const QRegularExpression
    kCategoryLine(QStringLiteral("^orvane\\.(link|download|lighting|music|firmware|store|hooks|ui): (warning: )?\\S"));
const QRegularExpression
    kCategoryAnywhere(QStringLiteral("orvane\\.(link|download|lighting|music|firmware|store|hooks|ui): "));

} // namespace

class tst_logOutput : public QObject
{
    Q_OBJECT

private slots:
    void defaultRulesPrintNothing()
    {
        const SessionOutput output = runSessionProcess(QString());
        QCOMPARE(output.lines, QStringList());
        QCOMPARE(output.exitCode, 0);
    }

    // Every line is a message of one category, whole: no line carries a
    // second message's start, none is a torn-off rest. The lines the
    // session must bring are there, each in its part's category.
    void categoriesOnPrintWholeLines()
    {
        const SessionOutput output = runSessionProcess(QStringLiteral("orvane.*=true"));
        QCOMPARE(output.exitCode, 0);
        for (const QString& line : output.lines) {
            QVERIFY2(kCategoryLine.match(line).hasMatch(), qPrintable(line));
            QVERIFY2(line.count(kCategoryAnywhere) == 1, qPrintable(line));
        }
        const QStringList expected{
            QStringLiteral("orvane.ui: ------------------------- *** App Runing *** ------------------------------"),
            QStringLiteral("orvane.link: Open device success"),
            QStringLiteral("orvane.download: -------------------------- *** Onboard Download at laster [ Hid back "
                           "download status ] *** --------------------------"),
            QStringLiteral("orvane.music: ------------- Init [Musical Rhythm] Over ---------------"),
            QStringLiteral("orvane.music: -------------------------*** onSendCaptureAudioData [Runing Deal] "
                           "***-------------------------"),
        };
        for (const QString& line : expected)
            QVERIFY2(output.lines.contains(line), qPrintable(line));
        QCOMPARE(output.lines.count(expected.last()), 2);
    }

    // Long messages of many threads at once: each arrives as one line of
    // its own, none torn or mixed with another.
    void threadsWriteWholeLines()
    {
        constexpr int kThreads = 8;
        constexpr int kMessages = 100;
        const QString payload(6000, QLatin1Char('x'));
        QTemporaryFile file;
        QVERIFY(file.open());
        const int savedError = ::dup(STDERR_FILENO);
        QVERIFY(savedError >= 0);
        QVERIFY(::dup2(file.handle(), STDERR_FILENO) >= 0);
        const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
        installLogOutput();
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t, &payload] {
                for (int m = 0; m < kMessages; ++m)
                    qCWarning(lcLink).noquote() << QStringLiteral("thread %1 message %2").arg(t).arg(m) << payload;
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        qInstallMessageHandler(testHandler);
        ::dup2(savedError, STDERR_FILENO);
        ::close(savedError);

        file.seek(0);
        const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), kThreads * kMessages);
        const QRegularExpression whole(QStringLiteral("^orvane\\.link: warning: thread (\\d) message (\\d+) x{6000}$"));
        QSet<QString> seen;
        for (const QString& line : lines) {
            const QRegularExpressionMatch match = whole.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line.left(100)));
            seen.insert(match.captured(1) + QLatin1Char('/') + match.captured(2));
        }
        QCOMPARE(seen.size(), kThreads * kMessages);
    }
};

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], kSessionOption) == 0)
            return sessionMain(argc, argv);
    }
    TestEnvironment environment;
    initOrvaneResources();
    QApplication app(argc, argv);
    tst_logOutput test;
    QTEST_SET_MAIN_SOURCE_PATH
    return StyleSheetWarnings::exec(&test, argc, argv);
}

#include "tst_logOutput.moc"
