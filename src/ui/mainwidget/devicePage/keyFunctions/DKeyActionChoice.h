#pragma once

#include "profiles/DKeyAction.h"
#include "profiles/DKeyFunctionStore.h"

#include <QObject>
#include <QVector>

#include <cstddef>

class QAbstractButton;
class QWidget;

// The radio buttons of a choice page, one per row of the page's action
// table: shows which row the selected key holds and stores a clicked row at
// once. The page keeps its own slots and relays the signals as its own.
class DKeyActionChoice : public QObject
{
    Q_OBJECT

public:
    // The buttons are the page's children named in the rows; functionCode
    // is what a failed store is reported under.
    template<std::size_t N>
    DKeyActionChoice(QWidget* page, const DKeyAction (&rows)[N], int functionCode)
        : DKeyActionChoice(page, rows, N, functionCode)
    {
    }

    // Takes the selected key and profile from the data manager and checks the
    // button of the key's entry; none when there is no entry of the page's
    // rows. Stores nothing.
    void load();
    // Stores the row of a button of the table, replacing the key's entry of
    // any type. On success the page's update and success signals follow; on
    // failure the failure signal, and the file holds what it held.
    void store(QAbstractButton* button);
    QAbstractButton* checkedButton() const;

    const DKeyFunctionStore& keyStore() const { return m_store; }

    template<typename Page>
    void relayTo(Page* page)
    {
        connect(this, &DKeyActionChoice::sigShoudUpdateKeyboard, page, &Page::sigShoudUpdateKeyboard);
        connect(this, &DKeyActionChoice::sigCustomKeyInfoSaveSuccessful, page, &Page::sigCustomKeyInfoSaveSuccessful);
        connect(this, &DKeyActionChoice::sigCustomKeyInfoSaveFailed, page, &Page::sigCustomKeyInfoSaveFailed);
    }

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private:
    DKeyActionChoice(QWidget* page, const DKeyAction* rows, std::size_t count, int functionCode);
    void clearChecks();

    const DKeyAction* m_rows;
    std::size_t m_count;
    int m_functionCode;
    QVector<QAbstractButton*> m_buttons;
    DKeyFunctionStore m_store;
};
