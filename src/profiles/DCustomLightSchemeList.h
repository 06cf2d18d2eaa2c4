#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QString>
#include <QVector>

#include <list>
#include <optional>

// The custom light schemes of a profile as the lighting page lists them,
// with the one selected and which of them occupy the keyboard's two custom
// slots. The caller keeps the slot the page works on and hands it in; the
// rows a page shows follow schemes() and selectedRow().
class DCustomLightSchemeList
{
public:
    static constexpr int kNoSlot = -1;
    static constexpr char kUsingStatus[] = "Using";
    static constexpr char kUnusingStatus[] = "UnUsing";

    struct Scheme
    {
        QString index;
        QString name;
        QString status;
        int slot = kNoSlot;

        bool isUsing() const { return status == QLatin1String(kUsingStatus); }
    };

    // A scheme became the selected one: what the page announces.
    struct Selection
    {
        int slot;
        QString index;
        QString name;
    };

    // Marking a scheme "Using" moved a slot from one scheme to another.
    struct SlotHandOver
    {
        int releasedRow;
        int takenRow;
        int slot;
    };

    // Lists the store's schemes anew and selects the first "Using" one in
    // the slot the page works on.
    std::optional<Selection> rebuild(const std::list<customLightNodeInfo>& nodes, int& usingSlot);
    // A row was picked: the page now works on its slot. Nothing is announced
    // when it was selected already.
    std::optional<Selection> select(int row, int& usingSlot);
    // A row's "Using" box was checked: it is selected, and when both slots
    // are taken it takes over the slot the page works on from the scheme
    // holding it. With fewer schemes in use nothing moves.
    std::optional<SlotHandOver> markUsing(int row, bool isUsing, int& usingSlot);

    const QVector<Scheme>& schemes() const { return m_schemes; }
    int selectedRow() const { return m_selectedRow; }
    const Scheme* selectedScheme() const;

private:
    bool validRow(int row) const { return row >= 0 && row < m_schemes.size(); }
    int usingRowWithSlot(int slot) const;

    QVector<Scheme> m_schemes;
    int m_selectedRow = -1;
};
