#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The decisions of the device page's hot-plug refresh, apart from the
// widgets: which change to apply next so that the keyboards the page knows
// become the ones present, which keyboard to select, and the order of the
// list rows afterwards.
//
// A refresh applies one change, enumerates again and goes on until the
// known paths agree with the present ones, so keyboards plugged in or out
// together (or while a link is being opened) are all taken in; the number of
// rounds is bounded so a device that keeps coming and going cannot hold the
// page.
class DHotPlugPlanner
{
public:
    enum class Change { None, Arrival, Removal };

    struct Step
    {
        Change change = Change::None;
        QString path;
    };

    // Rounds of one refresh: enough for every known and every present
    // keyboard to change once, and a few more for late arrivals.
    static int maxRounds(int knownCount, int presentCount) { return knownCount + presentCount + 4; }

    // Gone keyboards first (the first in ascending path order), so a
    // keyboard that came back under a new path is closed before it is
    // opened again; then the first new path.
    static Step nextStep(QStringList knownPaths, QStringList presentPaths);

    // An arriving cable keyboard is selected when it is the only one
    // present or when none is selected; a receiver keyboard waits for its
    // receiver to report it.
    static bool selectsArrival(int presentCount, bool is24G, bool anySelected);

    struct Candidate
    {
        QString path;
        bool is24G = false;
    };
    // The keyboard to select after the selected one was pulled out: the
    // first (ascending path order) on a cable, or behind a receiver whose
    // last state said it is connected (0). A receiver keyboard that has not
    // reported a state yet is not taken. Empty when none qualifies.
    static QString replacementAfterRemoval(QList<Candidate> candidates, const QMap<QString, int>& receiverStates);

    struct Row
    {
        QString key; // the row's key in the row map
        bool online = false;
        bool is24G = false;
        QString modelName;
    };
    // The rows to show, in order: the selected row, the other online cable
    // keyboards, the online receiver keyboards, the offline rows. While a
    // keyboard is selected, other online rows of its model are left out
    // (the selected row stands for its model). Rows not returned are hidden.
    static QStringList rowOrder(QList<Row> rows, const QString& selectedKey);
};
