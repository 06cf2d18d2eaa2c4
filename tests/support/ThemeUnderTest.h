#pragma once

#include <QStringList>

class QWidget;

// A test run in each of the four themes (Dark, Light, Blue, Pink): the rows
// (column "theme"), the theme put on the whole program for the length of a
// test function, and what a user could not read on it.
namespace ThemeUnderTest {

void addEveryThemeRow();
// Every theme in each language (columns "theme" and "language").
void addEveryThemeRow(const QStringList& languages);

// Loads the theme and sets its sheet on the application; the first theme
// comes back when it goes.
class Scope
{
public:
    explicit Scope(int theme);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

// Every label and button inside `root` that shows a plain text whole on
// screen and whose text is below 4.5:1 against what is drawn behind it, one
// line each ("name \"text\": #ink on #paper is 2.60:1").
QStringList unreadableTexts(QWidget* root);

} // namespace ThemeUnderTest
