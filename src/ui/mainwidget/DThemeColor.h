#pragma once

#include <QColor>
#include <QString>

namespace DThemeColor {

// A theme colour text ("r,g,b" or "r,g,b,a") as an opaque colour: the first
// three comma-separated fields are read as decimal integers, a missing or
// unreadable field counting 0.
QColor fromText(const QString& text);

}
