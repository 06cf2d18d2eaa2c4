#include "platform/include/SystemVersion.h"

int windowsVersionCode(int platformId, int major, int minor, std::FILE* out)
{
    if (platformId != kWindowsNtPlatformId)
        return 0;
    for (const WindowsVersionRow& row : kWindowsVersionTable) {
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
    constexpr int kNotWindowsNt = 0;
    return windowsVersionCode(kNotWindowsNt, 0, 0);
}
