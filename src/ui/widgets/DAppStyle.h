#pragma once

#include <QHash>
#include <QString>

class QWidget;

// Puts the loaded theme (DDataManager::loadTheme) on the whole program: the
// one application style sheet filled with the theme's roles, its one-colour
// icons tinted to match, and the application palette. Pages keep no style
// sheets of their own; a state a sheet shows differently (selected, marked,
// on) is a widget property the sheet selects on, set through setState.
namespace DAppStyle {

// The theme's name in image file names ("Black", "Light", "Blue", "Pink",
// "Other"); empty for an index out of range.
QString themeName(int themeIndex);

// What a template may name besides the roles: "@theme", "@font", and
// "@titleImage" and "@mainImage", the pictures of the theme's
// background-image look.
QHash<QString, QString> extras(int themeIndex);

// The filled sheet for the loaded theme; what apply() sets.
QString sheet(int themeIndex);

// Sets sheet and palette on the application; does nothing when the theme's
// sheet is already set.
void apply(int themeIndex);

// Sets `property` of `widget` and, when it changed, has the style read the
// widget's rules again so "[property=value]" selectors follow.
void setState(QWidget* widget, const char* property, const QVariant& value);

} // namespace DAppStyle
