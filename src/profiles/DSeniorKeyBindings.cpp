#include "profiles/DSeniorKeyBindings.h"

#include "profiles/DKeyFunctionType.h"
#include "profiles/DSeniorKeyRecords.h"

#include "sdk/include/StoreWriteBatch.h"

bool DSeniorKeyBindings::find(const QString& userConfigDir, int index, QList<Binding>* out)
{
    return DMacroBindings::findKeys(userConfigDir, DKeyFunctionType::kAdvancedKey, index, out);
}

bool DSeniorKeyBindings::removeRecord(DSeniorKeyRecords& records, const QString& userConfigDir, int type, int index)
{
    QList<Binding> bindings;
    if (!find(userConfigDir, index, &bindings))
        return false;
    if (!bindings.isEmpty()) {
        StoreWriteBatch batch;
        if (!DMacroBindings::unbind(bindings)) {
            batch.abandon();
            return false;
        }
        if (!batch.commit())
            return false;
    }
    return records.remove(type, index) == DSeniorKeyRecords::Result::Done;
}
