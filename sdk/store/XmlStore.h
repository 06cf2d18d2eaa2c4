#pragma once

#include "KeyFunctionStore.h"
#include "LightStore.h"
#include "MacroStore.h"
#include "ProfileStore.h"
#include "SeniorKeyStore.h"
#include "StoreFileCache.h"

// The one profile store of the process, behind the COrvaneXML_ functions.
// Owned by the GUI thread: every call asserts it in debug builds.
class XmlStore
{
public:
    static XmlStore& instance();

    StoreFileCache cache;
    ProfileStore profiles {cache};
    KeyFunctionStore keys {cache};
    LightStore lights {cache};
    MacroStore macros {cache};
    SeniorKeyStore seniorKeys {cache};

    // Asserts (debug builds) that the caller runs on the application's thread.
    static void checkThread();
};
