#pragma once

#include <array>
#include <cstdint>

// How many steps of the keyboard and the side effect are due at a beat of
// the lighting engine. The effect generator moves one step per call and an
// effect's speed is the time between its steps (8 to 28 ms), while a frame is
// only worth colouring when it is shown or sent, once a beat (30 ms). So the
// engine steps each effect at a beat by the steps its interval has made due
// since the last beat, counted from absolute deadlines on the monotonic
// clock: the effects keep their speed whatever the beat, one wake-up moves
// both, and only the last frame of a beat is coloured.
class DLightStepClock
{
public:
    enum Part { Keyboard, Side, kParts };

    // A beat that comes very late (a GUI thread held up) does not make up
    // every step it missed at once: past this many the effect lags instead,
    // as it would with a ticker that waits for its tick to be taken.
    static constexpr int kMostStepsAtOnce = 8;

    DLightStepClock();

    // The effect starts again: its first step is due at `nowNs`.
    void restart(Part part, int64_t nowNs);
    // Steps that follow come this far apart; a step already due stays due.
    void setInterval(Part part, int ms);
    int interval(Part part) const { return m_parts[size_t(part)].intervalMs; }
    // The steps of `part` due at `nowNs` and not yet taken; they are taken.
    int take(Part part, int64_t nowNs);

    static int64_t nowNs();

private:
    struct Steps
    {
        int intervalMs = 0;
        int64_t nextNs = 0; // CLOCK_MONOTONIC; the next step is due then
    };
    std::array<Steps, kParts> m_parts;
};
