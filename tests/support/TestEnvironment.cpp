#include "support/TestEnvironment.h"

#include <QDir>

namespace {
void setPath(const char* name, const QString& value)
{
    qputenv(name, QFile::encodeName(value));
}
} // namespace

TestEnvironment::TestEnvironment()
    : m_dir(QDir::tempPath() + QStringLiteral("/orvane-test-XXXXXX"))
    , m_savedHome(qgetenv("HOME"))
    , m_savedConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_savedData(qgetenv("XDG_DATA_HOME"))
    , m_savedCache(qgetenv("XDG_CACHE_HOME"))
    , m_savedTmp(qgetenv("TMPDIR"))
    , m_savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    QDir root(m_dir.path());
    for (const char* sub : {"home", "config", "data", "cache", "tmp", "runtime"})
        root.mkpath(QLatin1String(sub));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setPath("HOME", home());
    setPath("XDG_CONFIG_HOME", configHome());
    setPath("XDG_DATA_HOME", dataHome());
    setPath("XDG_CACHE_HOME", root.filePath(QStringLiteral("cache")));
    setPath("TMPDIR", tempDir());
    setPath("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")));
}

TestEnvironment::~TestEnvironment()
{
    qputenv("HOME", m_savedHome);
    qputenv("XDG_CONFIG_HOME", m_savedConfig);
    qputenv("XDG_DATA_HOME", m_savedData);
    qputenv("XDG_CACHE_HOME", m_savedCache);
    qputenv("TMPDIR", m_savedTmp);
    qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
}

QString TestEnvironment::root() const
{
    return m_dir.path();
}
QString TestEnvironment::home() const
{
    return m_dir.filePath(QStringLiteral("home"));
}
QString TestEnvironment::configHome() const
{
    return m_dir.filePath(QStringLiteral("config"));
}
QString TestEnvironment::dataHome() const
{
    return m_dir.filePath(QStringLiteral("data"));
}
QString TestEnvironment::tempDir() const
{
    return m_dir.filePath(QStringLiteral("tmp"));
}

QString TestEnvironment::appDataDir() const
{
    // The program sets no organisation name, so the folder bears its file name.
    return dataHome() + QStringLiteral("/orvane-keyboard");
}

QProcessEnvironment TestEnvironment::processEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("TMPDIR"), tempDir());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
    return env;
}
