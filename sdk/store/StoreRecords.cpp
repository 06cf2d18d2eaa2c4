#include "sdk/store/StoreRecords.h"

#include "sdk/store/StoreText.h"

#include <string>

void StoreRecords::fill(keyOperateInfo* record, const StoreKeyFunction& key)
{
    StoreText::toField(record->keyCode, std::to_string(key.keyCode));
    StoreText::toField(record->keyName, key.keyName);
    StoreText::toField(record->type, key.type);
    StoreText::toField(record->paramA, key.paramA);
    StoreText::toField(record->paramB, key.paramB);
    StoreText::toField(record->value, key.value);
}

void StoreRecords::fill(macroEventItem* record, const StoreMacroEvent& event)
{
    StoreText::toField(record->mark, event.mark);
    StoreText::toField(record->delay, event.delay);
    StoreText::toField(record->type, event.type);
    StoreText::toField(record->keyCode, event.keyCode);
    StoreText::toField(record->codeName, event.codeName);
    StoreText::toField(record->operateExplain, event.operateExplain);
}

void StoreRecords::fill(customLightDataItem* record, const StoreSchemeKeyColour& colour)
{
    StoreText::toField(record->keyCode, colour.keyCode);
    StoreText::toField(record->keyLabel, colour.keyLabel);
    record->row = colour.row;
    record->column = colour.column;
    record->red = colour.red;
    record->green = colour.green;
    record->blue = colour.blue;
    record->fourthValue = colour.fourthValue;
}

void StoreRecords::fill(customLightNodeInfo* record, const StoreCustomScheme& scheme)
{
    StoreText::toField(record->index, std::to_string(scheme.index));
    StoreText::toField(record->name, scheme.name);
    StoreText::toField(record->status, scheme.status);
    record->slot = scheme.slot;
}

StoreMacroEvent StoreRecords::event(const macroEventItem& record)
{
    StoreMacroEvent event;
    event.mark = StoreText::field(record.mark);
    event.delay = StoreText::field(record.delay);
    event.type = StoreText::field(record.type);
    event.keyCode = StoreText::field(record.keyCode);
    event.codeName = StoreText::field(record.codeName);
    event.operateExplain = StoreText::field(record.operateExplain);
    return event;
}

StoreSchemeKeyColour StoreRecords::colour(const customLightDataItem& record)
{
    StoreSchemeKeyColour colour;
    colour.keyCode = StoreText::field(record.keyCode);
    colour.keyLabel = StoreText::field(record.keyLabel);
    colour.row = record.row;
    colour.column = record.column;
    colour.red = record.red;
    colour.green = record.green;
    colour.blue = record.blue;
    colour.fourthValue = record.fourthValue;
    return colour;
}
