#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QAbstractButton>
#include <QWidget>

DKeyActionChoice::DKeyActionChoice(QWidget* page, const DKeyAction* rows, std::size_t count, int functionCode)
    : QObject(page)
    , m_rows(rows)
    , m_count(count)
    , m_functionCode(functionCode)
{
    for (std::size_t row = 0; row < count; ++row) {
        auto* button = page->findChild<QAbstractButton*>(QLatin1String(rows[row].button));
        Q_ASSERT(button);
        m_buttons << button;
    }
}

void DKeyActionChoice::load()
{
    m_store.takeSelection();
    clearChecks();
    keyOperateInfo entry;
    if (!m_store.load(&entry))
        return;
    const int row = DKeyAction::rowOf(m_rows, m_count, entry);
    if (row >= 0)
        m_buttons.at(row)->setChecked(true);
}

void DKeyActionChoice::store(QAbstractButton* button)
{
    const int row = m_buttons.indexOf(button);
    if (row < 0)
        return;
    const DKeyAction& action = m_rows[row];
    if (!m_store.save(action.type, QByteArrayLiteral("1"), action.storedParamB(), action.storedValue())) {
        emit sigCustomKeyInfoSaveFailed(m_functionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

QAbstractButton* DKeyActionChoice::checkedButton() const
{
    for (QAbstractButton* button : m_buttons) {
        if (button->isChecked())
            return button;
    }
    return nullptr;
}

void DKeyActionChoice::clearChecks()
{
    // A checked auto-exclusive button refuses to be unchecked on its own.
    for (QAbstractButton* button : m_buttons) {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}
