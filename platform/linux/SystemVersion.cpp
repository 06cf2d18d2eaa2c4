#include "platform/include/SystemVersion.h"

int windowsVersionCode(int platformId, int major, int minor, std::FILE* out)
{
    if (platformId != windowsNtPlatformId)
        return 0;
    for (const WindowsVersionRow& row : windowsVersionTable) {
        if (row.major == major && row.minor == minor) {
            if (out)
                std::fputs(row.text, out);
            return row.code;
        }
    }
    return 0;
}

int systemVersionCode()
{
    constexpr int notWindowsNt = 0;
    return windowsVersionCode(notWindowsNt, 0, 0);
}
