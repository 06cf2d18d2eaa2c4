#include "app/DAppllication.h"

#include "app/DDataManager.h"
#include "app/DEventWait.h"
#include "app/DLoginWidget.h"
#include "app/DSingleInstanceSegment.h"
#include "app/DStartupSettings.h"
#include "app/DUserSettingsKeys.h"
#include "app/QtLinguist.h"
#include "app/logCategories.h"
#include "platform/include/DeviceChangeSource.h"
#include "platform/include/LocalSocketUser.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/DCrashNotice.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QSettings>
#include <QTextStream>

namespace {
// A local connection is made by the kernel at once, or refused, whatever the
// other instance is busy with; only a full backlog makes it wait. The text
// sent is a few bytes that fit the socket's buffer. Neither may hold this
// start's thread longer than a frame or two.
constexpr int kConnectTimeoutMs = 100;
constexpr int kWriteTimeoutMs = 100;
// A first instance that holds the segment but does not listen yet is still
// starting; it gets this many more connection attempts, this far apart.
constexpr int kStartingInstanceRetries = 6;
constexpr int kStartingInstanceRetryMs = 500;
} // namespace

DAppllication::DAppllication(const QString& appId, int& argc, char** argv, bool alreadyRunning,
                             DSingleInstanceSegment* segment, DeviceChangeSource* deviceChangeSource)
    : QApplication(argc, argv)
    , m_deviceChangeSource(deviceChangeSource)
    , m_appId(appId)
{
    // Made before the application object, so it had no parent to take.
    if (m_deviceChangeSource)
        m_deviceChangeSource->setParent(this);

    // Pages still draw from qrand(), which this seeds.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(static_cast<uint>(QDateTime::currentMSecsSinceEpoch()));
    QT_WARNING_POP

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    if (!alreadyRunning)
        initSettingsAndLanguage();

    initSingleInstanceChannel();
    if (alreadyRunning && !m_otherInstanceAnswered) {
        // The segment exists but nobody listens: a crashed instance left it
        // behind, the first instance is still starting, or another program's
        // key happens to collide with ours. Nobody else serves this name, so
        // once a starting instance had its time this one takes over.
        if (!segment || !segment->reclaimStale()) {
            for (int i = 0; i < kStartingInstanceRetries && !m_otherInstanceAnswered; ++i) {
                DEventWait::until(kStartingInstanceRetryMs, [] { return false; });
                connectToRunningInstance();
            }
            if (!m_otherInstanceAnswered)
                qCDebug(lcUi) << "Single instance: the segment is held but nobody answers; starting all the same";
        }
        if (!m_otherInstanceAnswered) {
            alreadyRunning = false;
            initSettingsAndLanguage();
        }
    }

    if (m_otherInstanceAnswered)
        return;
    startLocalServer();
    createLoginWidget();
}

DAppllication::~DAppllication()
{
    // The windows go while the application still exists: the device page
    // joins every keyboard's I/O thread on its way out, which must happen
    // before the device library's own state is torn down at exit.
    delete m_mainWidget;
    m_mainWidget = nullptr;
    m_windowToRaise = nullptr;
    delete m_loginWidget;
    m_loginWidget = nullptr;
    delete m_linguist;
}

DAppllication* DAppllication::instance()
{
    return static_cast<DAppllication*>(QCoreApplication::instance());
}

QtLinguist* DAppllication::linguist()
{
    if (!m_linguist)
        m_linguist = new QtLinguist();
    return m_linguist;
}

bool DAppllication::setLanguage(int languageIndex)
{
    return linguist()->loadLanguage(languageIndex);
}

void DAppllication::setActivationWindow(QWidget* window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

int DAppllication::resolveLanguageIndex(const QString& userIniPath, int systemLanguageIndex)
{
    if (!QFileInfo(userIniPath).dir().exists())
        return systemLanguageIndex;
    const QSettings user(userIniPath, QSettings::IniFormat);
    const QVariant stored = user.value(DUserSettingsKeys::kLanguageIndex);
    bool ok = false;
    const int index = stored.toInt(&ok);
    if (!ok || index == -1)
        return systemLanguageIndex;
    return index;
}

void DAppllication::initSettingsAndLanguage()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, true);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setQuitOnLastWindowClosed(true);

    DDataManager::getInstance()->logStartBanner();
    const int systemIndex = linguist()->systemLanguageIndex();

    const QString userIniPath = DDataManager::userSettingsPath();
    const int index = resolveLanguageIndex(userIniPath, systemIndex);
    linguist()->loadLanguage(index);
    QSettings(userIniPath, QSettings::IniFormat).setValue(DUserSettingsKeys::kLanguageIndex, index);

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::initSingleInstanceChannel()
{
    m_otherInstanceAnswered = false;
    m_localServer = nullptr;
    m_windowToRaise = nullptr;
    // In the user's own runtime folder: another user of the machine can
    // neither take the name first nor connect to it.
    m_serverName = LocalSocketUser::serverPath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    connectToRunningInstance();
}

bool DAppllication::connectToRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    // Only our own user's instance hears our argument and stops this start.
    if (!LocalSocketUser::peerIsCurrentUser(socket.socketDescriptor())) {
        qCWarning(lcUi) << "Single instance:" << m_serverName << "is served by another user; not counted as running";
        socket.abort();
        return false;
    }
    m_otherInstanceAnswered = true;
    const QStringList args = QCoreApplication::arguments();
    QTextStream stream(&socket);
    stream << (args.size() >= 2 ? args.last() : QString());
    stream.flush();
    socket.waitForBytesWritten(kWriteTimeoutMs);
    return true;
}

void DAppllication::startLocalServer()
{
    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    m_localServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_localServer->listen(m_serverName)) {
        if (m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
            // A crashed instance left its socket file behind.
            QLocalServer::removeServer(m_serverName);
            m_localServer->listen(m_serverName);
        }
    }
}

void DAppllication::newLocalConnection()
{
    QLocalSocket* socket = m_localServer->nextPendingConnection();
    if (!socket)
        return;
    // The text is not used: the connection itself is the wake-up, so
    // nothing is waited for (a silent peer must not hold the window).
    const bool ours = LocalSocketUser::peerIsCurrentUser(socket->socketDescriptor());
    socket->abort();
    socket->deleteLater();

    if (ours && m_windowToRaise)
        raiseWindow(m_windowToRaise);
}

void DAppllication::raiseWindow(QWidget* window)
{
    window->raise();
    window->activateWindow();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
}

void DAppllication::createLoginWidget()
{
    m_loginWidget = new DLoginWidget();
    setActivationWindow(m_loginWidget, true);
    connect(m_loginWidget, &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished);
    m_loginWidget->autoLogin();
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    m_loginWidget->fadeOut();

    m_mainWidget = new DMainWidget(m_deviceChangeSource);
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    m_windowToRaise = m_mainWidget;
    setActivationWindow(m_mainWidget, true);

    const QSettings user(DDataManager::userSettingsPath(), QSettings::IniFormat);
    const QString commandLine = QCoreApplication::arguments().join(QLatin1Char(' '));
    if (DStartupSettings::isAutoStart(user) && commandLine.contains(QLatin1String("AutoUp")))
        m_mainWidget->hideToTray();
}

bool DAppllication::notify(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPos();
        m_mainWidget->updateEdgeCursor(global.x(), global.y());
    }
    return QApplication::notify(receiver, event);
}

void DAppllication::showCrashNoticeWindow(const QString& dumpPath, int themeIndex)
{
    DAppStyle::apply(themeIndex);
    DCrashNotice notice(dumpPath);
    notice.show();
    notice.raise();
    notice.activateWindow();
    notice.exec();
}
