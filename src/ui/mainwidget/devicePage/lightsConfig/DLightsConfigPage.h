#pragma once

#include "hid/DLightEffects.h"
#include "hid/lightModeListInfo.h"
#include "profiles/DCustomLightSchemeList.h"
#include "profiles/DProfileSelection.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class DReportFrame;
class MainHidInterFace;

// The lighting page hosted by the device page. So far it offers the page
// protocol, the keyboard effect in use with its stored setting, the custom
// light schemes with the keyboard slot they go into, the light reports it
// queues, and the signals the device page listens to. Its form comes later.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCustomEffect = DLightEffects::kCustom;
    static constexpr int kPauseBeforeClosingEffectMs = 5;

    explicit DLightsConfigPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void setHidInterface(MainHidInterFace* hidInterface) { m_hidInterface = hidInterface; }
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    void setProfilePath(const char* path) { m_profile.setPath(path); }

    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    void setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side)
    {
        m_keyboardModes = std::move(keyboard);
        m_sideModes = std::move(side);
    }
    lightCapabilityInfo keyboardCapability() const { return m_keyboardModes; }
    lightCapabilityInfo sideCapability() const { return m_sideModes; }

    // Takes up the keyboard effect the profile has in use, as if it had been
    // chosen, and sends it to the keyboard.
    void loadProfileLightType();
    // The keyboard changed its light itself: show the stored setting of that part.
    void applyDeviceLightChange(int part, int effect);
    // The keyboard switched to the custom scheme in its slot customIndex.
    void applyDeviceCustomLightChange(int part, int effect, int customIndex);
    int loadCount() const { return m_loadCount; }
    int profileIndex() const { return m_profile.index(); }
    const char* profilePath() const { return m_profile.path(); }
    int keyboardEffect() const { return m_keyboardEffect; }
    colorInfoData currentColorInfo() const { return m_colorInfo; }

    // The selected scheme's number; -1, which names no scheme, while none is
    // selected, so painted keys are not stored under a scheme nobody chose.
    int currentCustomLightIndex() const;
    int usingCustomIndex() const { return m_usingCustomIndex; }
    const DCustomLightSchemeList& customLightSchemes() const { return m_customSchemes; }
    void loadCustomLightList();
    // What a scheme row does when it is clicked, and when its "Using" box is checked.
    void selectCustomLight(int row);
    void setCustomLightUsing(int row, bool isUsing);
    // Uploads the picture's key colours again into the slot in use, if any.
    void resendCustomLight();
    void uploadCustomLightForItem(QString index, int slot);
    void uploadCustomLightColors(int slot);

    void sendKeyboardLightReport(colorInfoData info);
    void sendSideLightReport(colorInfoData info);

signals:
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData info);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void sigSomeMessageTip_LightsConfigPage(QString strTip);

private:
    void chooseKeyboardEffect(int effect);
    void loadLightSettings(int part, int effect);
    void announceScheme(const DCustomLightSchemeList::Selection& selection);
    void sendCustomLightPacket(int slot, int packetNumber, const QByteArray& colourBytes);
    // False, with the failure line written, when the report was not queued.
    bool queueReport(const DReportFrame& report, const char* failureLine);
    QByteArray profileIndexText() const;
    int effectInUse(int part) const;

    DProfileSelection m_profile;
    MainHidInterFace* m_hidInterface = nullptr;
    lightCapabilityInfo m_keyboardModes;
    lightCapabilityInfo m_sideModes;
    colorInfoData m_colorInfo{};
    int m_keyboardEffect = -1;
    DCustomLightSchemeList m_customSchemes;
    int m_usingCustomIndex = DCustomLightSchemeList::kNoSlot;
    // Choosing Custom by hand starts on slot 0; a keyboard report keeps its own.
    bool m_resetSlotOnCustom = true;
    int m_loadCount = 0;
};
