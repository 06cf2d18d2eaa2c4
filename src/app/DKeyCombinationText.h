#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The readable form of a key combination as stored, "mask,usage": the names
// of the modifiers in the mask's low byte (the HID modifier byte, bit 0
// L_CTRL to bit 7 R_WIN), then the key's caption, joined by "+". The hover
// tips and the advanced-key editor show combinations alike.
class DKeyCombinationText
{
public:
    // Names of the set bits among the eight modifier bits, in bit order;
    // higher bits are never looked at.
    static QStringList modifierNames(int mask);

    // The modifier names, then the caption of `usage` when `captions` holds
    // it; a null `usage` pointer leaves the key out.
    static QString text(int mask, const int* usage, const QMap<int, QString>& captions);

    // The text of a stored value, read as far as it goes: each part is its
    // leading number, and a value without a comma names no key.
    static QString storedText(const QByteArray& value, const QMap<int, QString>& captions);
};
