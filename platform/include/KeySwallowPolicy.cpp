#include "platform/include/KeySwallowPolicy.h"

#include <algorithm>

bool KeySwallowPolicy::isPassThroughKey(quint32 vkCode)
{
    return std::find(kPassThroughKeys.begin(), kPassThroughKeys.end(), vkCode) != kPassThroughKeys.end();
}
