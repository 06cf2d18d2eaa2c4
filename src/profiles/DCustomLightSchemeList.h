#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QList>
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

    // Marking a scheme "Using" gave it a slot; the schemes that held that
    // slot before were released.
    struct SlotHandOver
    {
        QList<int> releasedRows;
        int takenRow;
        int slot;
    };

    // The longest name the store's 64-byte field holds: at most 63 bytes of
    // UTF-8, cut between characters.
    static QString fitName(const QString& name);
    // Renames a scheme in the profile file and reads it back: true only when
    // the file holds exactly that name now.
    static bool rename(const char* profilePath, int profileIndex, const QString& schemeIndex, const QString& name);

    // Lists the store's schemes anew and selects the first "Using" one in
    // the slot the page works on.
    std::optional<Selection> rebuild(const std::list<customLightNodeInfo>& nodes, int& usingSlot);
    // A row was picked: the page now works on its slot. Nothing is announced
    // when it was selected already.
    std::optional<Selection> select(int row, int& usingSlot);
    // A row's "Using" box was checked: it is selected and takes the slot the
    // page works on (0 when there is none yet); every other scheme holding
    // that slot lets go of it, so each slot keeps exactly one holder even in
    // a profile that had none or two.
    std::optional<SlotHandOver> markUsing(int row, bool isUsing, int& usingSlot);

    // Writes a hand-over's statuses and slots to the profile file in one
    // write: all of them, or, on false, none.
    bool store(const char* profilePath, int profileIndex, const SlotHandOver& handOver) const;
    // Puts back what schemes() and selectedRow() were, when a change could
    // not be stored.
    void restore(const QVector<Scheme>& schemes, int selectedRow);

    const QVector<Scheme>& schemes() const { return m_schemes; }
    int selectedRow() const { return m_selectedRow; }
    const Scheme* selectedScheme() const;

private:
    bool validRow(int row) const { return row >= 0 && row < m_schemes.size(); }
    int usingRowWithSlot(int slot) const;

    QVector<Scheme> m_schemes;
    int m_selectedRow = -1;
};
