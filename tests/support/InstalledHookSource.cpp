#include "support/InstalledHookSource.h"

#include "app/WindowsHookInterface.h"

InstalledHookSource::InstalledHookSource(Reach reach)
    : FakeInputHookSource(reach)
{
    WindowsHookInterface::setHookSource(this);
}

InstalledHookSource::~InstalledHookSource()
{
    WindowsHookInterface::setHookSource(nullptr);
}
