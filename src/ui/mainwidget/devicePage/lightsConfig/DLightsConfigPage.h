#pragma once

#include "mainwidget/devicePage/DProfileSelection.h"
#include "mainwidget/devicePage/lightDeal/lightModeListInfo.h"
#include "orvanesdk_xml.h"

#include <QString>
#include <QWidget>

class MainHidInterFace;

// The lighting page hosted by the device page. So far it offers the page
// protocol, the I/O thread it will queue its light reports on, and the
// signals the device page listens to.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void setHidInterface(MainHidInterFace* hidInterface) { m_hidInterface = hidInterface; }
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    void setProfilePath(const char* path) { m_profile.setPath(path); }

    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    void setLightCapability(lightModeListInfo keyboard, lightModeListInfo side)
    {
        m_keyboardModes = std::move(keyboard);
        m_sideModes = std::move(side);
    }
    lightModeListInfo keyboardCapability() const { return m_keyboardModes; }
    lightModeListInfo sideCapability() const { return m_sideModes; }
    // The custom scheme in use; the scheme list is not built yet, so the first.
    int currentCustomLightIndex() const { return 0; }

    // Shows the current profile's stored light settings.
    void loadProfileLightType();
    // The keyboard changed its light itself: show the stored setting of that part.
    void applyDeviceLightChange(int part, int effect);
    int loadCount() const { return m_loadCount; }
    int profileIndex() const { return m_profile.index(); }
    const char* profilePath() const { return m_profile.path(); }

signals:
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData info);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void sigSomeMessageTip_LightsConfigPage(QString strTip);

private:
    DProfileSelection m_profile;
    MainHidInterFace* m_hidInterface = nullptr;
    lightModeListInfo m_keyboardModes;
    lightModeListInfo m_sideModes;
    int m_loadCount = 0;
};
