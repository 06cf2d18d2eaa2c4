#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/EffectSetting.h"
#include "sdk/light/KeyboardEffects.h"
#include "sdk/light/LightGrid.h"
#include "sdk/light/PressEffects.h"
#include "sdk/light/SideEffects.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <random>

// Makes the frames of the keyboard and side effects. There is no clock: each
// frame call is one step, and the application calls at the pace the effect's
// speed asks for. The same seed and the same calls give the same frames.
//
// Threads: GUI thread only (checked in debug builds).
class LightEffectGenerator
{
public:
    static constexpr std::uint32_t kDefaultSeed = 0x4c494748u;

    explicit LightEffectGenerator(std::uint32_t seed = kDefaultSeed);
    LightEffectGenerator(const LightEffectGenerator&) = delete;
    LightEffectGenerator& operator=(const LightEffectGenerator&) = delete;

    // The library's instance; prepare() replaces it with a fresh one.
    static LightEffectGenerator& instance();
    static void prepare();

    void setKeyboard(const colorInfoData& record, int supportValue4, const char* modelCode, bool hasSideLight);
    void changeKeyboard(const colorInfoData& record);
    void setSide(const colorInfoData& record, int count, const std::list<int>& validFlags);
    void changeSide(const colorInfoData& record);

    // A key press for the key-press effects, kept until the next keyboard
    // frame; a position outside the grid, or a press while no key-press
    // effect runs, is dropped. When more presses wait than an effect can
    // animate, the oldest is dropped.
    void keyPressed(int row, int column);
    int pendingPressCount() const { return m_pressEffects.pendingCount(); }
    // The i-th waiting press, oldest first.
    KeyPress pendingPress(int i) const;
    // Key-press animations (and Auto Ripple's ripples) running.
    int liveAnimations() const { return m_pressEffects.liveAnimations(); }

    // Makes the next frame and hands it to frameReady before returning.
    void runKeyboard(void (*frameReady)(const lightFrameCell*));
    void runSide(void (*frameReady)(const lightFrameCell*));

    // The full-colour colour of a key in the last keyboard frame: its cell's
    // colour over the bottom colour by the cell's intensity. Black outside
    // the grid.
    lightRgbValue colorMix(int row, int column) const;
    lightRgbValue rippleColor() const;
    sideCollisionInfo sideCollision() const;
    // Row, column, red, green, blue of the ripple Auto Ripple started last;
    // all 0 before its first.
    autoRippleLightConfig autoRippleConfig() const;

    // What the generator was told last.
    const colorInfoData& keyboardRecord() const { return m_keyboardRecord; }
    const colorInfoData& sideRecord() const { return m_sideRecord; }
    bool hasSideLight() const { return m_hasSideLight; }
    const KeyArea& keyArea() const { return m_area; }
    // Steps since the effect (re)started.
    long long keyboardStep() const { return m_keyStep; }
    long long sideStep() const { return m_sideStep; }

private:
    void restartKeyboard();

    std::mt19937 m_random;
    colorInfoData m_keyboardRecord{};
    colorInfoData m_sideRecord{};
    EffectSetting m_keySetting;
    EffectSetting m_sideSetting;
    bool m_hasSideLight = false;
    KeyArea m_area;
    long long m_keyStep = 0;
    long long m_keyTurn = 0;
    long long m_sideStep = 0;
    KeyboardEffects m_keyEffects;
    PressEffects m_pressEffects;
    SideEffects m_sideEffects;
    std::array<lightFrameCell, LightGrid::kKeyCells> m_keyFrame{};
    std::array<lightFrameCell, LightGrid::kSideCells> m_sideFrame{};
};
