#pragma once

#include <cstdio>

// A small code for the Windows generation the program runs on: 1 XP,
// 2 Server 2003, 3 Vista/2008, 4 Windows 7/2008 R2, 5 Windows 8 and later
// (reported as 6.2), 0 anything else. High-DPI scaling stays off only for XP.
struct WindowsVersionRow
{
    int major;
    int minor;
    const char* text;
    int code;
};

constexpr int kWindowsNtPlatformId = 2;

constexpr WindowsVersionRow kWindowsVersionTable[] = {
    {5, 1, "xp\n", 1},
    {5, 2, "windows 2003\n", 2},
    {6, 0, "vista and 2008\n", 3},
    {6, 1, "2008 R2 and Windows 7\n", 4},
    {6, 2, "Windows 10\n", 5},
};

// Maps a reported platform id and version; prints the row's text to `out`.
int windowsVersionCode(int platformId, int major, int minor, std::FILE* out = stdout);

// The code for the running system. Linux is not a Windows NT platform, so it
// is 0: never XP, and high-DPI scaling is always on.
int systemVersionCode();
