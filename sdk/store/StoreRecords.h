#pragma once

#include "sdk/store/StoreDocument.h"

// Moves data between the fixed-width records callers own and the document.
// Texts longer than a field are cut at a character boundary.
class StoreRecords
{
public:
    static void fill(keyOperateInfo* record, const StoreKeyFunction& key);
    static void fill(macroEventItem* record, const StoreMacroEvent& event);
    static void fill(customLightDataItem* record, const StoreSchemeKeyColour& colour);
    static void fill(customLightNodeInfo* record, const StoreCustomScheme& scheme);

    static StoreMacroEvent event(const macroEventItem& record);
    static StoreSchemeKeyColour colour(const customLightDataItem& record);
};
