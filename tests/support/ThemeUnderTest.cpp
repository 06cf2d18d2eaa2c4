#include "support/ThemeUnderTest.h"

#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"

#include "app/DDataManager.h"
#include "ui/widgets/DAppStyle.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTextDocument>
#include <QtTest>

namespace ThemeUnderTest {

namespace {
const char* const kNames[] = {"dark", "light", "blue", "pink"};
} // namespace

void addEveryThemeRow()
{
    QTest::addColumn<int>("theme");
    for (int theme = 0; theme < 4; ++theme)
        QTest::newRow(kNames[theme]) << theme;
}

void addEveryThemeRow(const QStringList& languages)
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("language");
    for (int theme = 0; theme < 4; ++theme) {
        for (const QString& language : languages)
            QTest::addRow("%s %s", kNames[theme], qPrintable(language)) << theme << language;
    }
}

Scope::Scope(int theme)
{
    DDataManager::getInstance()->loadTheme(theme);
    DAppStyle::apply(theme);
}

Scope::~Scope()
{
    DDataManager::getInstance()->loadTheme(0);
    DAppStyle::apply(0);
}

namespace {

// Inside every ancestor up to its window: a list scrolled away is not drawn.
bool shownWhole(QWidget* widget)
{
    QWidget* window = widget->window();
    const QRect at(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (QWidget* above = widget->parentWidget(); above && above != window; above = above->parentWidget()) {
        if (!QRect(above->mapTo(window, QPoint(0, 0)), above->size()).contains(at))
            return false;
    }
    return true;
}

void check(QWidget* widget, const QString& text, QStringList& out)
{
    if (!widget->isVisible() || text.trimmed().isEmpty() || !shownWhole(widget))
        return;
    const QColor ink = RenderedLook::text(widget);
    const QColor paper = RenderedLook::background(widget);
    const double ratio = ContrastRatio::contrast(ink, paper);
    if (ratio < ContrastRatio::kText)
        out << QStringLiteral("%1 \"%2\": %3 on %4 is %5:1")
                   .arg(widget->objectName(), text, ink.name(), paper.name())
                   .arg(ratio, 0, 'f', 2);
}

} // namespace

QStringList unreadableTexts(QWidget* root)
{
    QStringList out;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        // A rich text names its own colours.
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
            continue;
        check(label, label->text(), out);
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        check(button, button->text(), out);
    return out;
}

} // namespace ThemeUnderTest
