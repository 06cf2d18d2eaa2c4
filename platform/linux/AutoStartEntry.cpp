#include "platform/include/AutoStartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

const QLatin1String kGroup("[Desktop Entry]");
const QLatin1String kExecKey("Exec=");

// Inside a quoted Exec argument these four are escaped with a backslash;
// the desktop-entry string rules then double every backslash once more, and
// '%' starts a field code unless doubled.
QString quoteArgument(const QString& argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return quoted;
}

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

} // namespace

AutoStartEntry::AutoStartEntry(const QString& name, const QString& configHome)
    : m_name(name)
{
    const QString home
        = configHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : configHome;
    m_filePath = home + QStringLiteral("/autostart/") + name + QStringLiteral(".desktop");
}

QString AutoStartEntry::filePath() const
{
    return m_filePath;
}

QString AutoStartEntry::execValue(const QString& programPath)
{
    if (programPath.isEmpty() || hasControlCharacter(programPath))
        return QString();
    return quoteArgument(programPath) + QStringLiteral(" --AutoUp");
}

bool AutoStartEntry::exists() const
{
    return QFileInfo::exists(m_filePath);
}

bool AutoStartEntry::isInstalledFor(const QString& programPath) const
{
    const QString wanted = execValue(programPath);
    if (wanted.isEmpty())
        return false;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool inGroup = false;
    bool execMatches = false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == kGroup;
            continue;
        }
        if (!inGroup)
            continue;
        if (line.startsWith(kExecKey))
            execMatches = line.mid(kExecKey.size()) == wanted;
        // A desktop environment's "disable" switch writes these; the entry
        // then no longer starts us, so it does not count as installed.
        else if (line == QLatin1String("Hidden=true") || line == QLatin1String("X-GNOME-Autostart-enabled=false"))
            return false;
    }
    return execMatches;
}

bool AutoStartEntry::install(const QString& programPath)
{
    const QString exec = execValue(programPath);
    if (exec.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << kGroup << '\n'
        << "Type=Application\n"
        << "Name=" << m_name << '\n'
        << kExecKey << exec << '\n'
        << "Terminal=false\n"
        << "X-GNOME-Autostart-enabled=true\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.commit();
}

bool AutoStartEntry::remove()
{
    if (!exists())
        return true;
    return QFile::remove(m_filePath);
}

bool AutoStartEntry::sync(bool enabled, const QString& programPath)
{
    if (!enabled)
        return remove();
    if (isInstalledFor(programPath))
        return true;
    return install(programPath);
}
