#include "ui/seniorKeys/DAllKeysItemKey.h"

DAllKeysItemKey::DAllKeysItemKey()
    : QPushButton(nullptr)
{
}

void DAllKeysItemKey::setKeyInfo(int keyDec, QString keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    setText(m_keyCharacter);
}
