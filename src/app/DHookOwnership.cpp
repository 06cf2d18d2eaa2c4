#include "app/DHookOwnership.h"

DHookOwnership::DHookOwnership(int passThroughMode)
    : m_passThroughMode(passThroughMode)
{
}

void DHookOwnership::take(int mode)
{
    m_takers.removeAll(mode);
    m_takers.append(mode);
}

void DHookOwnership::release(int mode)
{
    m_takers.removeAll(mode);
}

void DHookOwnership::setPassThroughWanted(bool wanted)
{
    m_passThroughWanted = wanted;
}

int DHookOwnership::modeToRun() const
{
    if (!m_takers.isEmpty())
        return m_takers.last();
    return m_passThroughWanted ? m_passThroughMode : kNoMode;
}
