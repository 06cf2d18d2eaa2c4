#pragma once

#include <QPushButton>
#include <QString>

// One key of the all-keys picker: its HID usage and caption. Its look comes
// from the advanced-key editor's QPushButton rules.
class DAllKeysItemKey : public QPushButton
{
    Q_OBJECT

public:
    DAllKeysItemKey();

    void setKeyInfo(int keyDec, QString keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }

private:
    int m_keyDec = 0;
    QString m_keyCharacter;
};
