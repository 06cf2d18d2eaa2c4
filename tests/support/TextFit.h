#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The texts shown in and under a window that do not fit the room they have
// on screen: a label, button, check box or radio button whose text is wider
// than the widget (or than what its ancestors leave visible of it), a
// word-wrapped label taller than its widget, a line edit whose placeholder
// is elided. One line per text: widget, text, needed and available pixels.
QStringList textsThatDoNotFit(QWidget* window);
