#pragma once

#include "sdk/include/orvanesdk_light.h"

#include <list>
#include <string>

// What the effect generator was last told for the keyboard and the side
// light. The frames themselves are not generated yet: this keeps the
// settings the application hands over so that they can be checked.
class LightEffectSettings
{
public:
    static LightEffectSettings& instance();

    void setKeyboard(const colorInfoData& info, int supportValue4, const char* modelCode, bool hasSideLight);
    void changeKeyboard(const colorInfoData& info);
    void setSide(const colorInfoData& info, int count, const std::list<int>& validFlags);
    void changeSide(const colorInfoData& info);
    lightRgbValue rippleColor() const;

    const colorInfoData& keyboard() const { return m_keyboard; }
    const colorInfoData& side() const { return m_side; }
    int supportValue4() const { return m_supportValue4; }
    const std::string& modelCode() const { return m_modelCode; }
    bool hasSideLight() const { return m_hasSideLight; }
    const std::list<int>& sideValidFlags() const { return m_sideValidFlags; }
    // Calls since start: a restart counts in keyboardStarts, a parameter
    // change in keyboardChanges.
    int keyboardStarts() const { return m_keyboardStarts; }
    int keyboardChanges() const { return m_keyboardChanges; }
    int sideStarts() const { return m_sideStarts; }
    int sideChanges() const { return m_sideChanges; }

private:
    colorInfoData m_keyboard{};
    colorInfoData m_side{};
    int m_supportValue4 = 0;
    std::string m_modelCode;
    bool m_hasSideLight = false;
    std::list<int> m_sideValidFlags;
    int m_keyboardStarts = 0;
    int m_keyboardChanges = 0;
    int m_sideStarts = 0;
    int m_sideChanges = 0;
};
