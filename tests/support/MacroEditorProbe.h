#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QByteArray;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class DMacroPage;

// What the macro editor shows, found among its children the way a user sees
// it.
namespace MacroEditorProbe {

// A new editor on the macro file, shown, once it has read the list (200 ms
// after opening): its rows, or the empty page. The caller owns it.
DMacroPage* openMacroEditor(const QByteArray& path);

// The macro rows as "index:name", in list order, the selected one starred.
QStringList macroRows(DMacroPage* page);
// The event rows as "delay explanation", in list order.
QStringList eventTexts(DMacroPage* page);
DMacroListItem* macroRow(DMacroPage* page, const QString& index);
// The object name of the centre column's page: page_catchList while a
// macro with events is on show, page_isEmpty otherwise.
QString centre(DMacroPage* page);
// The text of the editor's toast (the last one shown).
QString toast(DMacroPage* page);

} // namespace MacroEditorProbe
