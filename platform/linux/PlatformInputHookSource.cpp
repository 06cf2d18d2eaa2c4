#include "platform/include/InputHookSource.h"

#include "platform/linux/WindowFilterInputHookSource.h"
#include "platform/linux/X11InputHookSource.h"

InputHookSource* InputHookSource::createForPlatform(QObject* parent)
{
    if (X11InputHookSource::isAvailable())
        return new X11InputHookSource(parent);
    return new WindowFilterInputHookSource(parent);
}

void InputHookSource::releaseGrabsForCrash()
{
    X11InputHookSource::closeConnectionsForCrash();
}
