#include "profiles/DCustomLightSchemeList.h"

#include "app/DFixedText.h"
#include "sdk/include/StoreWriteBatch.h"

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
    SlotHandOver handOver{{}, row, usingSlot};
    for (int other = 0; other < m_schemes.size(); ++other) {
        Scheme& scheme = m_schemes[other];
        if (other != row && scheme.isUsing() && scheme.slot == usingSlot) {
            scheme.status = QLatin1String(kUnusingStatus);
            scheme.slot = kNoSlot;
            handOver.releasedRows << other;
        }
    }
    m_schemes[row].status = QLatin1String(kUsingStatus);
    m_schemes[row].slot = usingSlot;
    return handOver;
}

QString DCustomLightSchemeList::fitName(const QString& name)
{
    constexpr int kNameBytes = int(sizeof(customLightNodeInfo::name)) - 1;
    int bytes = 0;
    int end = 0;
    while (end < name.size()) {
        const bool pair = name.at(end).isHighSurrogate() && end + 1 < name.size() && name.at(end + 1).isLowSurrogate();
        const int units = pair ? 2 : 1;
        const int size = name.mid(end, units).toUtf8().size();
        if (bytes + size > kNameBytes)
            break;
        bytes += size;
        end += units;
    }
    return name.left(end);
}

bool DCustomLightSchemeList::rename(const char* profilePath, int profileIndex, const QString& schemeIndex,
                                    const QString& name)
{
    if (name.isEmpty() || fitName(name) != name)
        return false;
    const QByteArray profile = QByteArray::number(profileIndex);
    COrvaneXML_ModifyProFileCustomLightNodeName(profilePath, profile.constData(), schemeIndex.toLatin1().constData(),
                                                name.toUtf8().constData());
    // The store's answer alone does not say the name survived its field.
    std::list<customLightNodeInfo> nodes;
    COrvaneXML_SelectProFileCustomLightAllNodes(profilePath, profile.constData(), &nodes);
    for (const customLightNodeInfo& node : nodes) {
        if (DFixedText::utf8(node.index) == schemeIndex)
            return DFixedText::utf8(node.name) == name;
    }
    return false;
}

bool DCustomLightSchemeList::store(const char* profilePath, int profileIndex, const SlotHandOver& handOver) const
{
    const QByteArray profile = QByteArray::number(profileIndex);
    const auto write = [&](int row) {
        const Scheme& scheme = m_schemes.at(row);
        return COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(profilePath, profile.constData(),
                                                                  scheme.index.toUtf8().constData(),
                                                                  scheme.status.toUtf8().constData(), scheme.slot);
    };
    StoreWriteBatch batch;
    bool stored = validRow(handOver.takenRow);
    for (int released : handOver.releasedRows)
        stored = stored && validRow(released) && write(released);
    stored = stored && write(handOver.takenRow);
    if (!stored) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

void DCustomLightSchemeList::restore(const QVector<Scheme>& schemes, int selectedRow)
{
    m_schemes = schemes;
    m_selectedRow = selectedRow;
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
