#include "profiles/DMacroFile.h"

#include "sdk/include/StoreWriteBatch.h"

#include <QSet>

#include <list>

namespace {

// Indexes and marks cross the store boundary as decimal text.
QByteArray indexText(const QString& index)
{
    return index.toLatin1();
}

} // namespace

DMacroFile::DMacroFile(const QByteArray& path)
    : m_path(path.size() <= kMaxPathBytes && !path.contains('\0') ? path : QByteArray())
{
}

bool DMacroFile::macros(QList<Macro>* out) const
{
    std::list<macroNodeInfo> nodes;
    if (!out || !isUsable() || !COrvaneXML_SelectMacroAllNodes(m_path.constData(), &nodes))
        return false;
    out->clear();
    for (const macroNodeInfo& node : nodes)
        out->append({QString::fromUtf8(node.index.c_str()), QString::fromUtf8(node.name.c_str())});
    return true;
}

bool DMacroFile::events(const QString& index, QList<DMacroEvent>* out) const
{
    std::list<macroEventItem> items;
    if (!out || !isUsable()
        || !COrvaneXML_SelectAllKeyOrMouseEvent(m_path.constData(), indexText(index).constData(), &items))
        return false;
    *out = DMacroEvent::fromItems(items);
    return true;
}

int DMacroFile::nextEventMark(const QString& index) const
{
    std::list<macroEventItem> items;
    if (!isUsable() || !COrvaneXML_SelectAllKeyOrMouseEvent(m_path.constData(), indexText(index).constData(), &items))
        return -1;
    return DMacroEvent::nextEventMark(items);
}

int DMacroFile::smallestFreeIndex(const QList<Macro>& macros)
{
    QSet<int> used;
    for (const Macro& macro : macros) {
        bool ok = false;
        const int index = macro.index.toInt(&ok, 10);
        if (ok && index > 0)
            used.insert(index);
    }
    // At most macros.size() numbers are taken, so this ends by size() + 1.
    int index = 1;
    while (used.contains(index))
        ++index;
    return index;
}

QString DMacroFile::defaultName(int index)
{
    return QStringLiteral("Macro%1").arg(index);
}

bool DMacroFile::add(Macro* created)
{
    QList<Macro> listed;
    if (!macros(&listed))
        return false;
    const int index = smallestFreeIndex(listed);
    const Macro macro{QString::number(index), defaultName(index)};
    if (!COrvaneXML_CreateMacroXmlParentNode(m_path.constData(), indexText(macro.index).constData(),
                                             macro.name.toUtf8().constData()))
        return false;
    if (created)
        *created = macro;
    return true;
}

bool DMacroFile::rename(const QString& index, const QString& name)
{
    return isUsable()
           && COrvaneXML_ModifyMacroNodeName(m_path.constData(), indexText(index).constData(),
                                             name.toUtf8().constData());
}

bool DMacroFile::clear(const QString& index, const QString& name)
{
    bool ok = false;
    const int number = index.toInt(&ok, 10);
    // The store deletes an index it does not hold without complaint but
    // creates none below 1; refused here, the create below cannot fail
    // once the delete went through.
    if (!isUsable() || !ok || number < 1)
        return false;
    const QByteArray macro = QByteArray::number(number);
    // Delete and create reach the file as one write: the macro is never
    // missing from the file in between.
    StoreWriteBatch batch;
    const bool changed
        = COrvaneXML_DeleteMacroNode(m_path.constData(), macro.constData())
          && COrvaneXML_CreateMacroXmlParentNode(m_path.constData(), macro.constData(), name.toUtf8().constData());
    return batch.commit() && changed;
}

bool DMacroFile::remove(const QString& index)
{
    return isUsable() && COrvaneXML_DeleteMacroNode(m_path.constData(), indexText(index).constData());
}
