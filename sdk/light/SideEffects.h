#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/EffectSetting.h"
#include "sdk/light/LightGrid.h"

#include <array>
#include <list>

// The side bar's effects. They run along the segments that are really there
// (validStatus 1), in bar order; placeholder segments stay dark. Positions
// below count along those segments, not along the bar's cells.
class SideEffects
{
public:
    static constexpr int kWaveStepsPerSegment = 2;
    static constexpr int kCollisionStepsPerSegment = 2;
    static constexpr int kCollisionTrail = 3;
    static constexpr int kCollisionFlash = 16; // steps the flash lasts
    static constexpr double kCollisionFlashReach = 2.0; // segments each side of the meeting point

    // count is what the application says the list holds; it is trusted only
    // as far as the list and the 60 cells of a frame go.
    void setSegments(int count, const std::list<int>& validFlags);
    void render(const EffectSetting& setting, long long step, lightFrameCell* frame);

    int segmentsInUse() const { return m_inUse; }
    // Where Collision stood in the last frame; all 0 for any other effect.
    const sideCollisionInfo& collision() const { return m_collision; }

private:
    void wave(const EffectSetting& setting, long long step, lightFrameCell* frame) const;
    void collide(const EffectSetting& setting, long long step, lightFrameCell* frame);

    std::array<int, LightGrid::kSideCells> m_cells{}; // cell of each segment in use
    int m_inUse = 0;
    sideCollisionInfo m_collision{};
};
