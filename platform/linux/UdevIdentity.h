#pragma once

#include <QByteArray>
#include <QtGlobal>

// Reads a device's USB vendor and product id from the texts udev gives in
// its event properties. Every reader returns false for a text it does not
// fully understand, so a strange property never yields a made-up identity.
class UdevIdentity
{
public:
    struct Ids
    {
        quint16 vendorId = 0;
        quint16 productId = 0;
    };

    // PRODUCT of a usb_device: "1209/2/100" (hexadecimal, no padding).
    static bool fromProduct(const QByteArray& text, Ids* ids);
    // HID_ID of the hid parent of a hidraw node: "0003:00001209:00000002".
    static bool fromHidId(const QByteArray& text, Ids* ids);
    // ID_VENDOR_ID and ID_MODEL_ID: "1209" and "0002".
    static bool fromIdTexts(const QByteArray& vendorText, const QByteArray& productText, Ids* ids);

private:
    static bool hexId(const QByteArray& text, int maxDigits, quint16* id);
};
