#include "platform/include/KeyboardSettingsLauncher.h"

#include "platform/linux/PlatformLogCategories.h"

#include <QDebug>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <array>

namespace {

struct SettingsProgram
{
    const char* desktop; // as XDG_CURRENT_DESKTOP names it, lower case
    const char* program;
    std::array<const char*, 2> arguments;
};

// In the order tried when the running desktop has none of its own.
constexpr SettingsProgram kSettingsPrograms[] = {
    {"gnome", "gnome-control-center", {"keyboard", nullptr}},
    {"kde", "systemsettings", {"kcm_keyboard", nullptr}},
    {"kde", "systemsettings5", {"kcm_keyboard", nullptr}},
    {"kde", "kcmshell5", {"kcm_keyboard", nullptr}},
    {"xfce", "xfce4-keyboard-settings", {nullptr, nullptr}},
    {"x-cinnamon", "cinnamon-settings", {"keyboard", nullptr}},
    {"mate", "mate-keyboard-properties", {nullptr, nullptr}},
    {"lxqt", "lxqt-config-input", {nullptr, nullptr}},
    {"lxde", "lxinput", {nullptr, nullptr}},
};

} // namespace

KeyboardSettingsLauncher::KeyboardSettingsLauncher(const QStringList& searchPaths, const QString& desktop)
    : m_searchPaths(searchPaths)
{
    const QString current = desktop.isEmpty()
                                ? QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CURRENT_DESKTOP"))
                                : desktop;
    // The variable is a colon-separated list, as "ubuntu:GNOME".
    for (const QString& name : current.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        m_desktops << name.trimmed().toLower();
}

KeyboardSettingsLauncher::Command KeyboardSettingsLauncher::find() const
{
    Command fallback;
    for (const SettingsProgram& entry : kSettingsPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(entry.program), m_searchPaths);
        if (path.isEmpty())
            continue;
        Command command{path, {}};
        for (const char* argument : entry.arguments) {
            if (argument)
                command.arguments << QString::fromLatin1(argument);
        }
        if (m_desktops.contains(QString::fromLatin1(entry.desktop)))
            return command;
        if (!fallback.isValid())
            fallback = command;
    }
    return fallback;
}

bool KeyboardSettingsLauncher::launch() const
{
    const Command command = find();
    if (!command.isValid()) {
        qCDebug(platformLcUi) << "Keyboard settings: no settings program of a known desktop is installed";
        return false;
    }
    if (!QProcess::startDetached(command.program, command.arguments)) {
        qCDebug(platformLcUi) << "Keyboard settings: could not start" << command.program;
        return false;
    }
    return true;
}
