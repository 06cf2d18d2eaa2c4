#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTextEdit>

DFieldHintColour::DFieldHintColour(QWidget* field)
    : QObject(field)
{
}

void DFieldHintColour::watchFields(QWidget* page)
{
    QList<QWidget*> fields;
    for (QLineEdit* field : page->findChildren<QLineEdit*>())
        fields << field;
    for (QTextEdit* field : page->findChildren<QTextEdit*>())
        fields << field;
    for (QWidget* field : qAsConst(fields)) {
        auto* watcher = new DFieldHintColour(field);
        field->installEventFilter(watcher);
        watcher->apply(field);
    }
}

bool DFieldHintColour::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && !m_applying)
        apply(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void DFieldHintColour::apply(QWidget* field)
{
    const QColor hint = DDataManager::getInstance()->themeRoles().color(DThemeRoles::MutedText);
    QPalette palette = field->palette();
    if (palette.color(QPalette::PlaceholderText) == hint)
        return;
    m_applying = true;
    palette.setColor(QPalette::All, QPalette::PlaceholderText, hint);
    field->setPalette(palette);
    // The field's palette reaches its scroll bars and viewport over what
    // their own rules gave them; polished again, they take their rules.
    for (QWidget* child : field->findChildren<QWidget*>()) {
        child->style()->unpolish(child);
        child->style()->polish(child);
    }
    m_applying = false;
}
