#pragma once

// Frame interval of the keyboard and side effects by effect speed (speed 1
// is the slowest), from the speed maximum the keyboard reported.
class DLightTickInterval
{
public:
    static constexpr int kMinimumMs = 8;
    static constexpr int kMaximumMs = 28;
    static constexpr int kKeyboardDefaultMs = 12;
    static constexpr int kSideDefaultMs = 15;
    static constexpr int kRepaintMs = 30;
    static constexpr int kStreamMs = 30;

    static int keyboard(int speedMax, int speed);
    static int side(int speedMax, int speed);
    static int clamp(int ms);
};
