#pragma once

// The macro editor's events as comparable text, "mark/delay/type/code/
// name/direction" per event, whether they are values, stored in a macro file
// or shown as rows of an open editor.

#include "profiles/DMacroEvent.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class DCatchKeyAndMouseItem;
class QWidget;

namespace MacroEditorSupport {

QStringList describeEvents(const QList<DMacroEvent>& events);
// The macro's events in the file, or {"unreadable"}.
QStringList storedEvents(const QByteArray& path, const char* index);
// The event rows of an open editor, top to bottom.
QList<DCatchKeyAndMouseItem*> eventRowsOf(QWidget* editor);
QStringList shownEvents(QWidget* editor);

} // namespace MacroEditorSupport
