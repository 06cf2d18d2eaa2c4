#include "platform/include/AutoStartEntry.h"

#include <QDebug>
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
// the desktop-entry string rules then double every backslash once more.
// ('%' never gets here: see nameableProblem.)
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
    return quoted;
}

// Why an entry could not start exactly this program, or null when it can.
// The desktop-entry rules allow no field code inside a quoted argument, so a
// '%' cannot be written there at all (session starters refuse "%%" in
// quotes), and an entry is UTF-8 text, so a path whose bytes are not UTF-8
// would name another file.
const char* nameableProblem(const QString& programPath)
{
    if (programPath.isEmpty())
        return "no program path";
    for (const QChar c : programPath) {
        if (c.category() == QChar::Other_Control)
            return "a control character in the program path";
        if (c == QLatin1Char('%'))
            return "a '%' in the program path";
        if (c == QChar::ReplacementCharacter)
            return "a program path that is not UTF-8";
    }
    if (QFile::decodeName(QFile::encodeName(programPath)) != programPath)
        return "a program path that is not UTF-8";
    return nullptr;
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
    if (nameableProblem(programPath))
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
    if (const char* problem = nameableProblem(programPath)) {
        qWarning("The autostart entry is not written: %s (%s)", problem, qUtf8Printable(programPath));
        return false;
    }
    const QString exec = execValue(programPath);
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
