#pragma once

#include <QColor>
#include <QString>

class QWidget;

// The interface icons come in two drawings, "...Def.png" at rest and
// "...Sel.png" when hovered, pressed or selected, each in one colour. A theme
// gives them its own colours: the resting icon takes the theme's text colour
// and the selected one its accent, so an icon is as readable as the text
// beside it on every theme's background.
namespace DThemeIcons {

// A file with the icon of `resource` drawn in `colour` (its shape and
// transparency kept), made once per icon and colour in the user's cache.
// The resource path itself when the copy cannot be made.
QString tinted(const QString& resource, const QColor& colour);

// `styleSheet` with every one-colour icon it names replaced by its copy in
// `rest` (Def) or `accent` (Sel).
QString restyle(const QString& styleSheet, const QColor& rest, const QColor& accent);

// Restyles `root` and every widget inside it. A widget keeps its own sheet as
// written, so a later theme starts again from that and not from an earlier
// theme's copies; a sheet the widget was given since counts as its own.
void applyTo(QWidget* root, const QColor& rest, const QColor& accent);

} // namespace DThemeIcons
