#pragma once

#include "sdk/store/KeyFunctionStore.h"
#include "sdk/store/LightStore.h"
#include "sdk/store/MacroStore.h"
#include "sdk/store/ProfileStore.h"
#include "sdk/store/SeniorKeyStore.h"
#include "sdk/store/StoreFileCache.h"

// The one profile store of the process, behind the COrvaneXML_ functions.
// Owned by the GUI thread: every call asserts it in debug builds.
class XmlStore
{
public:
    static XmlStore& instance();

    StoreFileCache cache;
    ProfileStore profiles{cache};
    KeyFunctionStore keys{cache};
    LightStore lights{cache};
    MacroStore macros{cache};
    SeniorKeyStore seniorKeys{cache};

    // Asserts (debug builds) that the caller runs on the application's thread.
    static void checkThread();
};
