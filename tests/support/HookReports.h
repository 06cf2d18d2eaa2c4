#pragma once

#include <QList>
#include <QSignalSpy>
#include <QVector>

// The key reports a spy on the hook's key signal caught, as
// {keyCode, scCode, flag, hookFlag} rows that compare in one go.
using HookReports = QList<QVector<int>>;

HookReports hookReportsOf(const QSignalSpy& spy);
