#include "sdk/light/LightEffectSettings.h"

#include <algorithm>

LightEffectSettings& LightEffectSettings::instance()
{
    static LightEffectSettings settings;
    return settings;
}

void LightEffectSettings::setKeyboard(const colorInfoData& info, int supportValue4, const char* modelCode,
                                      bool hasSideLight)
{
    m_keyboard = info;
    m_supportValue4 = supportValue4;
    m_modelCode = modelCode ? modelCode : "";
    m_hasSideLight = hasSideLight;
    ++m_keyboardStarts;
}

void LightEffectSettings::changeKeyboard(const colorInfoData& info)
{
    m_keyboard = info;
    ++m_keyboardChanges;
}

void LightEffectSettings::setSide(const colorInfoData& info, int count, const std::list<int>& validFlags)
{
    m_side = info;
    // The count and the list come separately; never read past the list.
    auto end = validFlags.begin();
    std::advance(end, std::clamp<int>(count, 0, int(validFlags.size())));
    m_sideValidFlags.assign(validFlags.begin(), end);
    ++m_sideStarts;
}

void LightEffectSettings::changeSide(const colorInfoData& info)
{
    m_side = info;
    ++m_sideChanges;
}

lightRgbValue LightEffectSettings::rippleColor() const
{
    return {m_keyboard.topRed, m_keyboard.topGreen, m_keyboard.topBlue};
}
