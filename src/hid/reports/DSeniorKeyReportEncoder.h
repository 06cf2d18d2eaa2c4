#pragma once

#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <array>

// The 0x2A report that fills one of the magnetic keyboard's advanced-key
// store slots from an advanced-key record (DKS, mod-tap or toggle).
class DSeniorKeyReportEncoder
{
public:
    static constexpr int kStoreSlotCount = 40;

    enum Type { Dks = 1, ModTap = 2, Toggle = 3 };

    struct Result
    {
        DReportFrame report;
        // A key of the record combines more modifiers than the report
        // carries; such a record is not sent.
        bool tooManyModifiers = false;
    };

    static Result encode(const seniorKeyInfoStu& record, int storeIndex);
    static DReportFrame emptyReport(int storeIndex);
    // The four bytes of one of the record's key texts.
    static std::array<uint8_t, 4> keyEntry(const char (&keyText)[16], bool* tooManyModifiers);
};
