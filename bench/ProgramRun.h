#pragma once

// Running the whole program as a child on an X display, each start with
// fresh settings folders, beside its baseline: an empty Qt window started
// the same way by the benchmark itself.

#include "app/graphicsIntegration.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcessEnvironment>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace programRun {

inline constexpr const char* kBaselineArg = "--baseline-child";

class BaselineWindow : public QWidget
{
protected:
    // Reports its first paint as the program reports its main window's.
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), QColor(26, 27, 49));
        if (!m_reported) {
            m_reported = true;
            std::printf("%s\n", DMainWidget::kExposedMarker);
            std::fflush(stdout);
        }
    }

private:
    bool m_reported = false;
};

// The benchmark's own child: an empty frameless window of the main
// window's size, started as the program starts.
inline int runBaselineChild(int argc, char** argv)
{
    skipUnusedOpenGl();
    QApplication app(argc, argv);
    BaselineWindow window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.resize(1280, 715);
    window.show();
    return app.exec();
}

inline QProcessEnvironment freshEnvironment(const QString& root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const char* const folders[][2]
        = {{"HOME", "home"},  {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"XDG_CACHE_HOME", "cache"},
           {"TMPDIR", "tmp"}, {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& folder : folders) {
        const QString path = root + QLatin1Char('/') + QLatin1String(folder[1]);
        QDir().mkpath(path);
        env.insert(QLatin1String(folder[0]), path);
    }
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("ORVANE_REPORT_EXPOSED"), QStringLiteral("1"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

// Without DISPLAY, runs the benchmark again under xvfb-run with the same
// arguments; returns when there is a display (or the new run could not start).
inline void ensureDisplay(int argc, char** argv, const char* name)
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariableIsSet("ORVANE_BENCH_XVFB"))
        return;
    setenv("ORVANE_BENCH_XVFB", "1", 1);
    std::vector<char*> args = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                               const_cast<char*>("-screen 0 1600x1000x24")};
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());
    std::fprintf(stderr, "%s: ", name);
    std::perror("xvfb-run");
}

} // namespace programRun
