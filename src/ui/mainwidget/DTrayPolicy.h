#pragma once

// What hiding the main window means. Without a system tray (a bare X server,
// GNOME without its tray extension) a hidden window could only come back
// through a second start of the program, so it is minimised instead.
namespace DTrayPolicy {

enum class Action {
    Hide,
    Minimize,
    Quit,
};

Action forHideRequest(bool trayAvailable);
Action forCloseButton(bool closeToTray, bool trayAvailable);

} // namespace DTrayPolicy
