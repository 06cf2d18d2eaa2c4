#include "support/HookReports.h"

HookReports hookReportsOf(const QSignalSpy& spy)
{
    HookReports reports;
    for (const QList<QVariant>& args : spy)
        reports << QVector<int>{args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()};
    return reports;
}
