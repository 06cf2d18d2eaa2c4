#pragma once

// Frame interval of the keyboard and side effects by effect speed (speed 1
// is the slowest), from the speed maximum the keyboard reported.
class lightTickInterval
{
public:
    static constexpr int minimumMs = 8;
    static constexpr int maximumMs = 28;
    static constexpr int keyboardDefaultMs = 12;
    static constexpr int sideDefaultMs = 15;

    static int keyboard(int speedMax, int speed);
    static int side(int speedMax, int speed);
    static int clamp(int ms);
};
