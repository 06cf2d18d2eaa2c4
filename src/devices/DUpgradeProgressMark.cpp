#include "devices/DUpgradeProgressMark.h"

#include <QtGlobal>

int DUpgradeProgressMark::percent(int total, int done)
{
    if (total <= 0)
        return -1;
    const qint64 value = qint64(done) * 100 / total;
    return int(qBound<qint64>(0, value, 100));
}

int DUpgradeProgressMark::next(int total, int done)
{
    const int value = percent(total, done);
    if (value <= m_shown)
        return -1;
    m_shown = value;
    return value;
}
