#include "ui/mainwidget/DTrayPolicy.h"

namespace DTrayPolicy {

Action forHideRequest(bool trayAvailable)
{
    return trayAvailable ? Action::Hide : Action::Minimize;
}

Action forCloseButton(bool closeToTray, bool trayAvailable)
{
    return closeToTray ? forHideRequest(trayAvailable) : Action::Quit;
}

} // namespace DTrayPolicy
