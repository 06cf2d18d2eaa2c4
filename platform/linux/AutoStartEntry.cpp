#include "platform/include/AutoStartEntry.h"

#include "platform/linux/PlatformLogCategories.h"

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

// A desktop-entry string value: a line break, tab or backslash is written
// as its escape, so one value stays one line.
QString escapeValue(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
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

void AutoStartEntry::setDescription(const QString& displayName, const QString& comment, const QString& iconPath)
{
    m_described = true;
    m_displayName = displayName;
    m_comment = comment;
    m_iconPath = iconPath;
}

QStringList AutoStartEntry::descriptionLines() const
{
    QStringList lines{QStringLiteral("Name=") + escapeValue(m_displayName.isEmpty() ? m_name : m_displayName)};
    if (!m_comment.isEmpty())
        lines << QStringLiteral("Comment=") + escapeValue(m_comment);
    if (!m_iconPath.isEmpty())
        lines << QStringLiteral("Icon=") + escapeValue(m_iconPath);
    return lines;
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
    QStringList described;
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
        else if (line.startsWith(QLatin1String("Name=")) || line.startsWith(QLatin1String("Comment="))
                 || line.startsWith(QLatin1String("Icon=")))
            described << line;
        // A desktop environment's "disable" switch writes these; the entry
        // then no longer starts us, so it does not count as installed.
        else if (line == QLatin1String("Hidden=true") || line == QLatin1String("X-GNOME-Autostart-enabled=false"))
            return false;
    }
    // Without a description only the command is ours to check.
    return execMatches && (!m_described || described == descriptionLines());
}

bool AutoStartEntry::install(const QString& programPath)
{
    if (const char* problem = nameableProblem(programPath)) {
        qCWarning(platformLcUi, "The autostart entry is not written: %s (%s)", problem, qUtf8Printable(programPath));
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
    out << kGroup << '\n' << "Type=Application\n";
    for (const QString& line : descriptionLines())
        out << line << '\n';
    out << kExecKey << exec << '\n'
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
