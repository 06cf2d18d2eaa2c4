#pragma once

#include "app/DThemeRoles.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The program's one style sheet. Each part of the program writes its look in
// a template file of the resource folder ":/images/StyleQss/sheets/" (read in
// file-name order), naming colours by role ("color: @text;",
// "background: @devicePanel;") and never by value; the theme fills the roles
// in. Besides the roles a template may name "@theme" (the theme's name in
// image file names, as "Black") and "@font" (the theme's font family), and
// whatever else the caller hands in as `extras`.
//
// The sheet is set once on the application for each theme (DAppStyle), so
// no widget keeps a style sheet of its own and a theme change restyles every
// window in one pass.
namespace DThemeStyleSheet {

// Every template file's text, joined in file-name order; read once.
QString templates();

// `text` with every "@name" replaced by its role's colour or its extra.
// A name that is neither is left as written and listed in `unknown`.
QString fill(const QString& text, const DThemeRoles& roles, const QHash<QString, QString>& extras,
             QStringList* unknown = nullptr);

} // namespace DThemeStyleSheet
