#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

// Start-up visibility of the real program under Xvfb: a start from the
// run-at-log-on entry goes to the tray (or, with no tray to come back from,
// stays reachable), and a second start brings the window back.
class tst_startupWindow : public QObject
{
    Q_OBJECT

private:
    Display* m_display = nullptr;
    Window m_trayOwner = 0;
    std::unique_ptr<TestEnvironment> m_env;

    QString userFile() const { return m_env->appDataDir() + QStringLiteral("/UserConfig/OrvaneConfig.ini"); }

    // Owning the tray selection is all Qt asks of a tray before it docks.
    void provideTray(bool provide)
    {
        const Atom selection = XInternAtom(m_display, "_NET_SYSTEM_TRAY_S0", False);
        XSetSelectionOwner(m_display, selection, provide ? m_trayOwner : None, CurrentTime);
        XSync(m_display, False);
    }

    struct TopLevel
    {
        Window id;
        int width;
        int height;
        bool viewable;
    };

    // The program's top-level windows large enough to be its main window.
    QList<TopLevel> mainWindowsOf(qint64 pid)
    {
        QList<TopLevel> found;
        const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
            return found;
        for (unsigned int i = 0; i < count; ++i) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(m_display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                                   &after, &data)
                    == Success
                && data && items == 1) {
                const unsigned long owner = *reinterpret_cast<unsigned long*>(data);
                XWindowAttributes attributes;
                if (owner == static_cast<unsigned long>(pid)
                    && XGetWindowAttributes(m_display, children[i], &attributes) && attributes.width >= 1000)
                    found.append(
                        {children[i], attributes.width, attributes.height, attributes.map_state == IsViewable});
            }
            if (data)
                XFree(data);
        }
        if (children)
            XFree(children);
        return found;
    }

    bool hasViewableMainWindow(qint64 pid)
    {
        for (const TopLevel& window : mainWindowsOf(pid)) {
            if (window.viewable)
                return true;
        }
        return false;
    }

    // A loaded machine can take a while between creating the window and
    // mapping it, so the state only counts once it has held for a while.
    bool settlesAt(qint64 pid, bool visible)
    {
        constexpr int kHoldMs = 1500;
        constexpr int kGiveUpMs = 20000;
        QElapsedTimer total;
        total.start();
        QElapsedTimer held;
        while (total.elapsed() < kGiveUpMs) {
            if (hasViewableMainWindow(pid) != visible)
                held.invalidate();
            else if (!held.isValid())
                held.start();
            else if (held.elapsed() >= kHoldMs)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        m_display = XOpenDisplay(nullptr);
        QVERIFY2(m_display, "the test runs under Xvfb");
        m_trayOwner = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
    }

    void cleanupTestCase()
    {
        m_env.reset();
        if (m_display) {
            XDestroyWindow(m_display, m_trayOwner);
            XCloseDisplay(m_display);
        }
    }

    void init()
    {
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>();
    }
    void cleanup() { provideTray(false); }

    void startVisibility_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QVariant>("autoStart");
        QTest::addColumn<bool>("autoUp");
        QTest::addColumn<bool>("visible");

        // A first run writes "AutoStart/isAutoStart" as true.
        QTest::newRow("log-on start, first run") << true << QVariant() << true << false;
        QTest::newRow("log-on start, autostart on") << true << QVariant(true) << true << false;
        QTest::newRow("log-on start, autostart off") << true << QVariant(false) << true << true;
        QTest::newRow("plain start, autostart on") << true << QVariant(true) << false << true;
        QTest::newRow("log-on start without a tray stays reachable") << false << QVariant(true) << true << true;
    }

    void startVisibility()
    {
        QFETCH(bool, tray);
        QFETCH(QVariant, autoStart);
        QFETCH(bool, autoUp);
        QFETCH(bool, visible);

        provideTray(tray);
        if (autoStart.isValid()) {
            QVERIFY(QDir().mkpath(QFileInfo(userFile()).path()));
            QSettings(userFile(), QSettings::IniFormat).setValue(QStringLiteral("AutoStart/isAutoStart"), autoStart);
        }

        ProgramRunner first(*m_env);
        first.start(autoUp ? QStringList{QStringLiteral("--AutoUp")} : QStringList());
        const qint64 pid = first.process().processId();
        // The window is shown before it is hidden, so wait for the state to
        // settle. (Probing the local socket would count as a second start and
        // raise the window.)
        QTRY_VERIFY_WITH_TIMEOUT(!mainWindowsOf(pid).isEmpty(), 30000);
        QVERIFY2(settlesAt(pid, visible), "the main window's visibility never settled at the expected state");

        ProgramRunner second(*m_env);
        second.start();
        QCOMPARE(second.waitForExit(30000), 1);
        QTRY_VERIFY_WITH_TIMEOUT(hasViewableMainWindow(pid), 10000);
        QCOMPARE(first.process().state(), QProcess::Running);
    }
};

ORVANE_TEST_MAIN(tst_startupWindow)
#include "tst_startupWindow.moc"
