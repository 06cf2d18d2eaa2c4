#include "profiles/DCustomLightSchemeList.h"

#include "app/DFixedText.h"

#include <algorithm>

std::optional<DCustomLightSchemeList::Selection>
DCustomLightSchemeList::rebuild(const std::list<customLightNodeInfo>& nodes, int& usingSlot)
{
    m_schemes.clear();
    m_selectedRow = -1;
    for (const customLightNodeInfo& node : nodes) {
        Scheme scheme{DFixedText::utf8(node.index), DFixedText::utf8(node.name), DFixedText::utf8(node.status),
                      node.slot};
        if (m_selectedRow < 0 && scheme.isUsing() && scheme.slot == usingSlot) {
            m_selectedRow = m_schemes.size();
            usingSlot = scheme.slot;
        }
        m_schemes.append(scheme);
    }
    if (const Scheme* selected = selectedScheme())
        return Selection{selected->slot, selected->index, selected->name};
    return std::nullopt;
}

std::optional<DCustomLightSchemeList::Selection> DCustomLightSchemeList::select(int row, int& usingSlot)
{
    if (!validRow(row))
        return std::nullopt;
    const Scheme& scheme = m_schemes[row];
    usingSlot = scheme.isUsing() ? scheme.slot : kNoSlot;
    if (row == m_selectedRow)
        return std::nullopt;
    m_selectedRow = row;
    return Selection{scheme.slot, scheme.index, scheme.name};
}

std::optional<DCustomLightSchemeList::SlotHandOver> DCustomLightSchemeList::markUsing(int row, bool isUsing,
                                                                                      int& usingSlot)
{
    if (!validRow(row))
        return std::nullopt;
    m_selectedRow = row;
    if (!isUsing)
        return std::nullopt;
    if (usingSlot == kNoSlot)
        usingSlot = 0;
    const int inUse
        = int(std::count_if(m_schemes.cbegin(), m_schemes.cend(), [](const Scheme& s) { return s.isUsing(); }));
    const int slot0 = usingRowWithSlot(0);
    const int slot1 = usingRowWithSlot(1);
    if (inUse != 2 || slot0 < 0 || slot1 < 0)
        return std::nullopt;

    const int released = usingSlot == 0 ? slot0 : slot1;
    m_schemes[released].status = QLatin1String(kUnusingStatus);
    m_schemes[released].slot = kNoSlot;
    m_schemes[row].status = QLatin1String(kUsingStatus);
    m_schemes[row].slot = usingSlot;
    return SlotHandOver{released, row, usingSlot};
}

const DCustomLightSchemeList::Scheme* DCustomLightSchemeList::selectedScheme() const
{
    return validRow(m_selectedRow) ? &m_schemes[m_selectedRow] : nullptr;
}

int DCustomLightSchemeList::usingRowWithSlot(int slot) const
{
    for (int row = 0; row < m_schemes.size(); ++row) {
        if (m_schemes[row].isUsing() && m_schemes[row].slot == slot)
            return row;
    }
    return -1;
}
