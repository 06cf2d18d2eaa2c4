#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

class DeviceChangeSource;
class DLoginWidget;
class DMainWidget;
class QLocalServer;
class QtLinguist;
class DSingleInstanceSegment;

// The application object. It decides whether this process is the first
// instance, loads the settings and the language, listens for later starts
// (which raise the window) and creates the main window before the event loop.
class DAppllication : public QApplication
{
    Q_OBJECT

public:
    // `alreadyRunning` is the outcome of the shared-memory test; given the
    // segment, a leftover from a crashed instance is reclaimed when no
    // instance answers. The main window learns of plugs and unplugs from
    // `deviceChangeSource`, which the application takes over.
    DAppllication(const QString& appId, int& argc, char** argv, bool alreadyRunning,
                  DSingleInstanceSegment* segment = nullptr, DeviceChangeSource* deviceChangeSource = nullptr);
    ~DAppllication() override;

    static DAppllication* instance();

    // True when a running instance accepted this process's connection.
    bool otherInstanceAnswered() const { return m_otherInstanceAnswered; }

    QString applicationId() const { return m_appId; }
    QString serverName() const { return m_serverName; }
    QtLinguist* linguist();
    bool setLanguage(int languageIndex);
    DMainWidget* mainWidget() const { return m_mainWidget; }

    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const { return m_activationWindow; }

    // The stored language, or the system's when the key is absent or -1.
    static int resolveLanguageIndex(const QString& userIniPath, int systemLanguageIndex);

    // Brings a window back from the tray or the task bar, in front and active.
    static void raiseWindow(QWidget* window);
    // The notice after a crash (DCrashNotice) in theme `themeIndex`, until
    // the user closes it; the one window of a crash-notice run.
    static void showCrashNoticeWindow(const QString& dumpPath, int themeIndex);

    bool notify(QObject* receiver, QEvent* event) override;

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void initSettingsAndLanguage();
    void initSingleInstanceChannel();
    bool connectToRunningInstance();
    void startLocalServer();
    void createLoginWidget();

    DLoginWidget* m_loginWidget = nullptr;
    DMainWidget* m_mainWidget = nullptr;
    DeviceChangeSource* m_deviceChangeSource = nullptr;
    QtLinguist* m_linguist = nullptr;
    bool m_otherInstanceAnswered = false;
    QLocalServer* m_localServer = nullptr;
    QString m_serverName;
    QWidget* m_windowToRaise = nullptr;

    QString m_appId;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = false;
};
