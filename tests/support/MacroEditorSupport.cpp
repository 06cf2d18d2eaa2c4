#include "support/MacroEditorSupport.h"

#include "support/StoreTestSupport.h"

#include "ui/macro/DCatchKeyAndMouseItem.h"

#include <QLayout>
#include <QWidget>

namespace MacroEditorSupport {

QStringList describeEvents(const QList<DMacroEvent>& events)
{
    std::list<macroEventItem> items;
    for (const DMacroEvent& event : events) {
        macroEventItem item{};
        if (!event.toItem(&item))
            return {"unstorable"};
        items.push_back(item);
    }
    return StoreTestSupport::describe(items);
}

QStringList storedEvents(const QByteArray& path, const char* index)
{
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(path, index, &events))
        return {"unreadable"};
    return StoreTestSupport::describe(events);
}

QList<DCatchKeyAndMouseItem*> eventRowsOf(QWidget* editor)
{
    QList<DCatchKeyAndMouseItem*> rows;
    auto* list = editor->findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_3"));
    if (!list || !list->layout())
        return rows;
    const QLayout* layout = list->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* row = qobject_cast<DCatchKeyAndMouseItem*>(layout->itemAt(i)->widget()))
            rows << row;
    }
    return rows;
}

QStringList shownEvents(QWidget* editor)
{
    QStringList out;
    for (DCatchKeyAndMouseItem* row : eventRowsOf(editor))
        out << QStringList{row->getMark(),    row->getDelay(),    row->getType(),
                           row->getKeyCode(), row->getCodeName(), row->getOperateExplain()}
                   .join(QLatin1Char('/'));
    return out;
}

} // namespace MacroEditorSupport
