// One frame of each effect the generator draws, as the median of many
// frames: the frame call and, as the colouring asks in full colour, one
// colour mix per key. The key-press effects run with 16 live animations,
// the most they keep: 16 presses before the first frame and one more before
// each frame after, so every frame starts one and ends the oldest. The budget is the fastest effect tick, 8 ms; the
// baseline of the same run is a frame of an effect that draws nothing, so
// the second ratio says what the effect's own drawing costs.
//
// Usage: bench_lightEffects [frames]   (default 3000)

#include "sdk/include/orvanesdk_hid.h"
#include "sdk/include/orvanesdk_light.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <vector>

namespace {

constexpr double kTickMicroseconds = 8000.0;
constexpr int kCustom = 10; // draws nothing

struct Effect
{
    int part;
    int id;
    const char* name;
};

constexpr Effect kEffects[] = {
    {0, 0, "Static"},    {0, 1, "Breath"},         {0, 2, "Wave"},       {0, 3, "Neon"},        {0, 4, "Radar"},
    {0, 5, "Snake"},     {0, 9, "Twinkle"},        {0, 15, "Striation"}, {1, 0, "side Static"}, {1, 1, "side Breath"},
    {1, 2, "side Wave"}, {1, 3, "side Collision"}, {1, 4, "side Neon"},
    {0, 6, "Reactive"},  {0, 7, "Aurora"},         {0, 8, "Ripple"},     {0, 11, "Cross"},      {0, 12, "Speed Respond"},
    {0, 14, "Auto Ripple"}, {0, 16, "Fireworks"},
};

bool takesPresses(int id)
{
    return id == 6 || id == 7 || id == 8 || id == 11 || id == 12 || id == 16;
}

int g_press = 0;
void pressAKey()
{
    ++g_press;
    COrvaneHid_keyClickedSendXY(g_press % 6, (g_press * 5) % 21);
}

int g_sink = 0;
void keepFrame(const lightFrameCell* frame)
{
    g_sink += frame[0].intensity;
}

colorInfoData record(int part, int id)
{
    colorInfoData r{};
    r.lightPart = part;
    r.ledType = id;
    r.topRed = 255;
    r.bottomBlue = 40;
    r.fullColor = 1;
    r.ledDirection = id == 2 || id == 7 ? 4 : 6; // Dispersion for Wave and Aurora: the radial one
    return r;
}

double medianFrameMicroseconds(int part, int id, int frames)
{
    if (part == 0)
        COrvaneHid_SetKeyboardColorInfoDataStu(record(part, id), 0, "OV104", true);
    else
        COrvaneHid_SetSideColorInfoDataStu(record(part, id), 51, std::list<int>(51, 1));
    const bool presses = part == 0 && takesPresses(id);
    for (int p = 0; presses && p < 16; ++p)
        pressAKey();
    std::vector<qint64> samples;
    samples.reserve(size_t(frames));
    QElapsedTimer timer;
    for (int f = 0; f < frames; ++f) {
        if (presses && f > 0)
            pressAKey();
        timer.start();
        if (part == 0) {
            COrvaneHid_keyboardLightColorRuning(keepFrame);
            for (int row = 0; row < 6; ++row) {
                for (int column = 0; column < 22; ++column)
                    g_sink += COrvaneHid_lightColorMix(row, column).red;
            }
        } else {
            COrvaneHid_sideLightColorRuning(keepFrame);
        }
        samples.push_back(timer.nsecsElapsed());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(100, std::atoi(argv[1])) : 3000;
    if (COrvaneLight_Init() != 0)
        return 1;
    const double baseline = medianFrameMicroseconds(0, kCustom, frames);
    std::printf("baseline (a frame that draws nothing, with its colour mixes): %.2f us\n", baseline);
    std::printf("%-16s %12s %14s %14s\n", "effect", "median us", "of 8 ms tick", "x baseline");
    std::fflush(stdout);
    for (const Effect& e : kEffects) {
        const double us = medianFrameMicroseconds(e.part, e.id, frames);
        std::printf("%-16s %12.2f %13.3f%% %14.2f\n", e.name, us, 100.0 * us / kTickMicroseconds,
                    baseline > 0 ? us / baseline : 0.0);
    }
    return g_sink == -1 ? 2 : 0;
}
