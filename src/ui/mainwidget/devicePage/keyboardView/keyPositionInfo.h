#pragma once

// A key or side-LED slot of the key-layout description, exactly as read
// (without the picture margin). code is the HID usage of a key or the LED
// number of a side LED.
struct keyPositionInfo
{
    static constexpr int kKeyMark = 999;
    static constexpr int kSideLightMark = 777;

    int code = 0;
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int kindMark = 0;
    int sidePosition = 0;
};
