#pragma once

#include "profiles/DProfileSelection.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>
#include <QString>

// What every key-function page does with the profile store: it works on the
// key selected on the keyboard picture, in the current profile of the layer
// shown, reads that key's entry and replaces it. Pages keep their own copy of
// the selection, taken when they are shown, so a later key click or profile
// switch cannot redirect a store the user made for this key. GUI thread only.
class DKeyFunctionStore
{
public:
    // Takes the selected key, its label, the current profile index and the
    // current layer's path from the data manager. False when the path does
    // not fit: the page is then without a file, reads nothing and stores
    // nothing, rather than writing to a cut-off name.
    bool takeSelection();
    // Forgets the key; the profile and file stay.
    void clearKey();

    int keyCode() const { return m_keyCode; }
    QString keyLabel() const { return m_keyLabel; }
    bool hasKey() const { return m_keyCode != -1; }
    int profileIndex() const { return m_profile.index(); }
    const char* path() const { return m_profile.path(); }
    bool hasFile() const { return m_profile.path()[0] != '\0'; }

    // The key's entry. False, with the record's key code left at "-1", when
    // the profile holds none or cannot be read: both show as no function.
    bool load(keyOperateInfo* info) const;

    // Replaces the key's entry: the old one is deleted and the new one added
    // in one write, so the file never holds the key without an entry half
    // way. True only when the file holds the new entry; on false the file is
    // as it was.
    bool save(int type, const QByteArray& paramA, const QByteArray& paramB, const QByteArray& value) const;
    // Gives the key back its own function by deleting its entry. A macro
    // binding that no other key of the profile uses takes the profile's copy
    // of the macro with it, in the same write. True when the file holds no
    // entry for the key afterwards (also when it had none).
    bool reset() const;

    // The entry of a key in a layer file's profile, for readers that hold no
    // selection; false, with the key code left at "-1", as load() says.
    static bool lookUp(const char* path, int profileIndex, int keyCode, keyOperateInfo* info);
    // An entry's type, read as the download reads it (DKeyFunctionType::of).
    static int typeOf(const keyOperateInfo& info);

private:
    QByteArray profileText() const { return QByteArray::number(m_profile.index()); }
    QByteArray keyText() const { return QByteArray::number(m_keyCode); }

    DProfileSelection m_profile;
    int m_keyCode = -1;
    QString m_keyLabel;
};
