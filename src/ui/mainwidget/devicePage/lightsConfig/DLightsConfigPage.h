#pragma once

#include "hid/DLightEffects.h"
#include "hid/lightModeListInfo.h"
#include "profiles/DCustomLightSchemeList.h"
#include "profiles/DProfileSelection.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>

class ArrowWidget;
class DReportFrame;
class DToolTipExplain;
class MainHidInterFace;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class SVColorArea;
class sliderCustomWidget;
class DCustomLightListItem;
class QVBoxLayout;

namespace Ui {
class DLightsConfigPage;
}

// The lighting page hosted by the device page: the keys' or the side light's
// effect with its brightness, speed, direction and colours, each change kept
// in the profile, announced to the device page and sent to the keyboard, and
// the custom light schemes with the keyboard slot they go into.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCustomEffect = DLightEffects::kCustom;
    static constexpr int kPauseBeforeClosingEffectMs = 5;

    explicit DLightsConfigPage(QWidget* parent = nullptr);
    ~DLightsConfigPage() override;

    void retranslate();
    void setTheme();
    void setHidInterface(MainHidInterFace* hidInterface) { m_hidInterface = hidInterface; }
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    void setProfilePath(const char* path) { m_profile.setPath(path); }

    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    void setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side);
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
    int sideEffect() const { return m_sideEffect; }
    bool isKeyboardShown() const { return m_keyboardShown; }
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
    // Uploads the picture's key colours again into the slot in use, if any;
    // false when the keyboard's queue refused it.
    bool resendCustomLight();
    // The toast for a light setting not stored or not sent.
    void tellFailure();
    // False when the keyboard's queue refused a report of the upload.
    bool uploadCustomLightForItem(QString index, int slot);
    bool uploadCustomLightColors(int slot);
    // The scheme rows in list order.
    const QList<DCustomLightListItem*>& customLightRows() const { return m_customRows; }

    void sendKeyboardLightReport(colorInfoData info);
    void sendSideLightReport(colorInfoData info);

    void refreshPresetSwatches();
    QColor presetColour(int n) const;
    void showEffectTip(int tipId);

signals:
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData info);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    // Profile files the store found damaged and set aside, to be explained.
    void sigStoreNotes_LightsConfigPage(QString notes);

public slots:
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameFailed();
    void onCustomLightUsingStatus(bool isUsing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onInstallEventFilterOpen();
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelcSignal(QColor color);
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void onCurIndexChanged_LedDirection(int selIndex);
    void on_lineEdit_R_textChanged(QString text);
    void on_lineEdit_G_textChanged(QString text);
    void on_lineEdit_B_textChanged(QString text);
    void on_toolButton_LightSelectTypeChanged_clicked();
    void on_checkBox_FullColorMode_clicked();

private:
    enum ChangeCode {
        FromKeyboard = -1,
        ColourChange = 0,
        FullColourChange = 1,
        BrightnessChange = 2,
        SpeedChange = 3,
        DirectionChange = 4
    };

    void setTexts();
    // Shows the keyboard part (true) or the side part with the effect the
    // profile has in use for it; false when the side was asked for on a
    // keyboard without side light.
    bool switchPart(bool toKeyboard);
    void showControls(int part, int effect);
    void showEffectName();
    QString shownEffectName(int part, const QString& name) const;
    void loadLightSettings(int part);
    void loadLightSettings(int part, int effect);
    void commitLightChange(int changeCode);
    // The colour shown in the fields, the sample and the checked colour button,
    // which becomes that button's pending colour.
    void showEditedColour(const QColor& colour);
    void showColourFields(const QColor& colour);
    bool isTopColourChecked() const;
    void typedChannel(QLineEdit* field, int channel, const QString& text);
    void applyStepperColours();
    void styleLabels();
    void announceScheme(const DCustomLightSchemeList::Selection& selection);
    void rebuildCustomRows();
    // The rows show the list's statuses, slots and selection.
    void showCustomRowStates();
    int senderRow() const;
    bool sendCustomLightPacket(int slot, int packetNumber, const QByteArray& colourBytes);
    // False, with the failure line written, when the report was not queued.
    bool queueReport(const DReportFrame& report, const char* failureLine);
    QByteArray profileIndexText() const;
    int effectInUse(int part) const;

    Ui::DLightsConfigPage* m_ui;
    DProfileSelection m_profile;
    MainHidInterFace* m_hidInterface = nullptr;
    lightCapabilityInfo m_keyboardModes;
    lightCapabilityInfo m_sideModes;
    colorInfoData m_colorInfo{};
    int m_keyboardEffect = -1;
    int m_sideEffect = -1;
    bool m_keyboardShown = true;
    QColor m_currentColour{0, 0, 0};
    // Top red, green, blue, bottom red, green, blue picked but not yet committed.
    std::array<int, 6> m_pendingColors{};
    bool m_colorAreaPressed = false;
    // What each RGB field last showed or accepted; a refused entry goes back to it.
    std::array<int, 3> m_fieldValues{};
    QStringList m_presetColors;
    SVColorArea* m_colorArea = nullptr;
    sliderCustomWidget* m_brightnessSlider = nullptr;
    sliderCustomWidget* m_speedSlider = nullptr;
    QButtonGroup* m_keyboardGroup = nullptr;
    QButtonGroup* m_sideGroup = nullptr;
    QButtonGroup* m_colourChoiceGroup = nullptr;
    QButtonGroup* m_directionGroup = nullptr;
    // One bubble, made at the first hover and reused.
    ArrowWidget* m_tipBubble = nullptr;
    DToolTipExplain* m_tipText = nullptr;
    QLabel* m_customHint = nullptr;
    DCustomLightSchemeList m_customSchemes;
    QVBoxLayout* m_rowsLayout = nullptr;
    QList<DCustomLightListItem*> m_customRows;
    int m_usingCustomIndex = DCustomLightSchemeList::kNoSlot;
    // Choosing Custom by hand starts on slot 0; a keyboard report keeps its own.
    bool m_resetSlotOnCustom = true;
    int m_loadCount = 0;
};
