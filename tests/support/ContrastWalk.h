#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QWidget;

// What a user could not read in a window as it is drawn: every shown
// label, button and item-view cell, its text (and a button's icon) measured
// against what is drawn right behind it, after every style sheet, with the
// guidelines' thresholds: 4.5:1 for text, 3:1 for large text (18 pt, or
// 14 pt bold) and for icons.
namespace ContrastWalk {

struct Finding
{
    // The widget's object names from its window down, classes where it has none.
    QString path;
    // "text \"…\"", "icon" or "cell \"…\"".
    QString what;
    QColor ink;
    QColor paper;
    double ratio = 0;
    double needed = 0;

    QString describe() const;
};

struct Result
{
    QList<Finding> unreadable;
    // How many texts, icons and cells were measured.
    int measured = 0;
};

// Walks `root` and its children. A text is measured by drawing the widget
// with and without it: the pixels that change are the text's, and the one
// that stands out most from what is under it gives the ratio (a glyph's
// solid middle is its colour, whatever the anti-aliasing does at its edge).
// Disabled widgets are left out, as the guidelines leave them.
Result walk(QWidget* root);

// The widget's path as a Finding names it.
QString pathOf(const QWidget* widget);

} // namespace ContrastWalk
