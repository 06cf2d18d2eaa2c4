#include "platform/include/KeySwallowPolicy.h"

#include <algorithm>

bool KeySwallowPolicy::isPassThroughKey(quint32 vkCode)
{
    return std::find(passThroughKeys.begin(), passThroughKeys.end(), vkCode) != passThroughKeys.end();
}
