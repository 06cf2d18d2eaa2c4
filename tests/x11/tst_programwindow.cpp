#include "support/TestMain.h"

#include "app/DUserSettingsKeys.h"
#include "platform/include/AutoStartEntry.h"
#include "support/ProgramRunner.h"
#include "support/X11Windows.h"
#include "ui/mainwidget/DFrameGeometry.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <memory>

// The built program on a bare X server: its window, its first start and the
// run-at-log-on entry, seen from outside the process.
class tst_ProgramWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;

    QString userIni() const
    {
        return m_env->dataHome() + QStringLiteral("/orvane-keyboard/UserConfig/OrvaneConfig.ini");
    }
    AutoStartEntry entry() const { return AutoStartEntry(QStringLiteral("orvane-keyboard"), m_env->configHome()); }

    static QVector<X11Windows::Window> waitForWindow(const X11Windows& x11, qint64 pid)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            const QVector<X11Windows::Window> windows = x11.mappedWindowsOf(pid);
            if (!windows.isEmpty())
                return windows;
            QTest::qWait(50);
        }
        return {};
    }

    // Starts the program, waits for its window, asks it to close the way a
    // window manager would, and checks it ended normally.
    void runOnce(const X11Windows& x11, X11Windows::Window* shown = nullptr, QByteArray* output = nullptr)
    {
        ProgramRunner runner(*m_env);
        runner.process().setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("ORVANE_REPORT_EXPOSED"), QStringLiteral("1"));
        QProcess& process = runner.start({}, &extra);
        const QVector<X11Windows::Window> windows = waitForWindow(x11, process.processId());
        QCOMPARE(windows.size(), 1);
        if (shown)
            *shown = windows.first();
        if (output) {
            QTRY_VERIFY_WITH_TIMEOUT((*output += process.readAllStandardOutput()).contains(DMainWidget::kExposedMarker),
                                     10000);
        }
        x11.requestClose(process.processId());
        QCOMPARE(runner.waitForExit(15000), 0);
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void firstStartShowsTheFramelessWindow()
    {
        X11Windows x11;
        QVERIFY(x11.isOpen());
        X11Windows::Window window;
        QByteArray output;
        runOnce(x11, &window, &output);
        QVERIFY(window.undecorated);
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(window.geometry.size(), DFrameGeometry::minimumWindowSize(screen));
        QSettings defaults(QStringLiteral(":/images/configDir/OrvaneDefaultConfig.ini"), QSettings::IniFormat);
        defaults.setIniCodec("UTF-8");
        QCOMPARE(window.title, defaults.value(QStringLiteral("CompanyName/ComName")).toString());

        // The first start wrote its keys and the run-at-log-on entry for the
        // program's own path.
        QSettings settings(userIni(), QSettings::IniFormat);
        for (const QString& key :
             {DUserSettingsKeys::kAutoStart, DUserSettingsKeys::kMinimizeToTray, DUserSettingsKeys::kCloseToTray})
            QCOMPARE(settings.value(key).toString(), QStringLiteral("true"));
        const QString program = QFileInfo(ProgramRunner::programPath()).canonicalFilePath();
        QVERIFY(entry().isInstalledFor(program));
    }

    // Qt's X11 integration would load an OpenGL driver (Mesa's software
    // one here, some 40 MB) that the program never draws with: started
    // as a user starts it, the program maps none.
    void noOpenGlDriverIsLoaded()
    {
        X11Windows x11;
        QVERIFY(x11.isOpen());
        const QByteArray testSetting = qgetenv("QT_XCB_GL_INTEGRATION");
        qunsetenv("QT_XCB_GL_INTEGRATION");
        ProgramRunner runner(*m_env);
        QProcess& process = runner.start();
        if (!testSetting.isNull())
            qputenv("QT_XCB_GL_INTEGRATION", testSetting);
        QVERIFY(!waitForWindow(x11, process.processId()).isEmpty());
        QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libQt5XcbQpa")); // the X11 integration itself is there
        // Qt's own libraries link the GL dispatch (libGL, libGLX); what
        // costs is a vendor's GLX library and the driver it loads.
        for (const char* library : {"libGLX_", "_dri.so", "libEGL_"})
            QVERIFY2(!mapped.contains(library), library);
        x11.requestClose(process.processId());
        QCOMPARE(runner.waitForExit(15000), 0);
    }

    void laterStartsFollowTheSetting()
    {
        X11Windows x11;
        runOnce(x11);
        const QString program = QFileInfo(ProgramRunner::programPath()).canonicalFilePath();
        QVERIFY(entry().isInstalledFor(program));

        {
            QSettings settings(userIni(), QSettings::IniFormat);
            settings.setValue(DUserSettingsKeys::kAutoStart, false);
            settings.setValue(DUserSettingsKeys::kCloseToTray, false);
        }
        runOnce(x11);
        QVERIFY(!entry().exists());
        QSettings settings(userIni(), QSettings::IniFormat);
        // Existing keys are never rewritten by a start.
        QCOMPARE(settings.value(DUserSettingsKeys::kAutoStart).toString(), QStringLiteral("false"));
        QCOMPARE(settings.value(DUserSettingsKeys::kCloseToTray).toString(), QStringLiteral("false"));

        // Turned on again by hand, and the entry deleted behind our back
        // comes back at the next start.
        settings.setValue(DUserSettingsKeys::kAutoStart, true);
        settings.sync();
        runOnce(x11);
        QVERIFY(entry().isInstalledFor(program));
    }
};

ORVANE_TEST_MAIN(tst_ProgramWindow)
#include "tst_programwindow.moc"
