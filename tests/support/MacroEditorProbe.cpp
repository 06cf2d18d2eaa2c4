#include "support/MacroEditorProbe.h"
#include "support/MacroEditorSupport.h"

#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/widgets/CbNotice.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QTest>

namespace MacroEditorProbe {

namespace {

QLayout* listLayout(DMacroPage* page, const char* contents)
{
    QWidget* widget = page->findChild<QWidget*>(QLatin1String(contents));
    return widget ? widget->layout() : nullptr;
}

} // namespace

DMacroPage* openMacroEditor(const QByteArray& path)
{
    auto* page = new DMacroPage;
    page->setMacroFilePath(path.constData());
    page->show();
    QTest::qWaitFor([page] { return !macroRows(page).isEmpty() || centre(page) == QLatin1String("page_isEmpty"); },
                    10000);
    return page;
}

QStringList macroRows(DMacroPage* page)
{
    QStringList out;
    const QLayout* layout = listLayout(page, "scrollAreaWidgetContents_2");
    for (int i = 0; layout && i < layout->count(); ++i) {
        if (auto* row = qobject_cast<DMacroListItem*>(layout->itemAt(i)->widget())) {
            // The state the sheet draws the selection from (tst_DMacroRows
            // checks the drawing follows it).
            const bool selected = row->findChild<QFrame*>(QStringLiteral("frame_5"))->property("selected").toBool();
            out << (selected ? QStringLiteral("*") : QString()) + row->macroIndex() + QLatin1Char(':')
                       + row->macroName();
        }
    }
    return out;
}

QStringList eventTexts(DMacroPage* page)
{
    QStringList out;
    for (DCatchKeyAndMouseItem* row : MacroEditorSupport::eventRowsOf(page))
        out << row->findChild<QLabel*>(QStringLiteral("label_DelayTime"))->text() + QLatin1Char(' ')
                   + row->findChild<QLabel*>(QStringLiteral("label_CatchEventExplain"))->text();
    return out;
}

QString centre(DMacroPage* page)
{
    const QStackedWidget* pages = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_2"));
    return pages && pages->currentWidget() ? pages->currentWidget()->objectName() : QString();
}

DMacroListItem* macroRow(DMacroPage* page, const QString& index)
{
    for (DMacroListItem* row : page->findChildren<DMacroListItem*>()) {
        if (row->macroIndex() == index)
            return row;
    }
    return nullptr;
}

QString toast(DMacroPage* page)
{
    const CbNotice* notice = page->findChild<CbNotice*>();
    return notice ? notice->text() : QString();
}

} // namespace MacroEditorProbe
