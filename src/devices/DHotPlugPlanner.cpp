#include "devices/DHotPlugPlanner.h"

#include <algorithm>

DHotPlugPlanner::Step DHotPlugPlanner::nextStep(QStringList knownPaths, QStringList presentPaths)
{
    std::sort(knownPaths.begin(), knownPaths.end());
    std::sort(presentPaths.begin(), presentPaths.end());
    for (const QString& path : knownPaths) {
        if (!std::binary_search(presentPaths.cbegin(), presentPaths.cend(), path))
            return {Change::Removal, path};
    }
    for (const QString& path : presentPaths) {
        if (!std::binary_search(knownPaths.cbegin(), knownPaths.cend(), path))
            return {Change::Arrival, path};
    }
    return {};
}

bool DHotPlugPlanner::selectsArrival(int presentCount, bool is24G, bool anySelected)
{
    if (is24G)
        return false;
    return presentCount == 1 || !anySelected;
}

QString DHotPlugPlanner::replacementAfterRemoval(QList<Candidate> candidates, const QMap<QString, int>& receiverStates)
{
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.path < b.path; });
    for (const Candidate& c : candidates) {
        if (!c.is24G || receiverStates.value(c.path, -1) == 0)
            return c.path;
    }
    return QString();
}

QStringList DHotPlugPlanner::rowOrder(QList<Row> rows, const QString& selectedKey)
{
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    QString selectedModel;
    bool hasSelection = false;
    for (const Row& r : rows) {
        if (!selectedKey.isEmpty() && r.key == selectedKey) {
            selectedModel = r.modelName;
            hasSelection = true;
        }
    }
    QStringList first;
    QStringList second;
    QStringList third;
    if (hasSelection)
        first << selectedKey;
    for (const Row& r : rows) {
        if (hasSelection && r.key == selectedKey)
            continue;
        if (!r.online) {
            third << r.key;
            continue;
        }
        if (hasSelection && r.modelName.compare(selectedModel, Qt::CaseInsensitive) == 0)
            continue;
        (r.is24G ? second : first) << r.key;
    }
    return first + second + third;
}
