#pragma once

#include "app/DHookOwnership.h"
#include "app/WindowsHookInterface.h"
#include "profiles/DProfileSelection.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class ArrowWidget;
class QButtonGroup;
class QMovie;
class DChangProfilePage;
class DChangeKeyPage;
class DHotKeyPage;
class DKeyCombinationPage;
class DKeyConfigFunctionPage;
class DKeyDisablePage;
class DKeyWithAppPage;
class DKeyWithTextPage;
class DKeyboardLightCustomEventPage;
class DMacroCmdPage;
class DMouseKeyPage;
class DMultimediaPage;
class DResetDefaultPage;
class DSeniorKeysBindingPage;
class DSideLightCustomEventPage;

namespace Ui {
class DCustomKeysPage;
}

// The key tab of the device page. It hosts the fifteen key-function pages,
// opens the one of the function a clicked key holds, marks on the keyboard
// picture the keys that carry a function, turns the pages' outcomes into
// messages for the device page's toast, and asks the device page to switch
// layers and to write the configuration into the keyboard.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget* parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslate();
    void setTheme();
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    // A path that does not fit leaves the page without a file: a key click
    // then finds no function rather than reading another keyboard's file.
    void setProfilePath(const char* path) { m_profile.setPath(path); }
    // The start state whenever the tab is shown: no key, the Default page,
    // the given layer's button checked (0 Default, 1 FN).
    void initPageState(int layer);
    // After a keyboard was loaded: the Default page, and the function list
    // adapted to the keyboard kind.
    void resetKeyPage();
    // 0 for a magnetic-switch keyboard on its Default layer, 1 on its FN
    // layer, 999 for any other keyboard.
    void setCurrentLayer(int layer);
    int currentLayer() const { return m_currentLayer; }
    void stopDownloadAnimation();

    // The key-press lighting effects need the keys typed anywhere: true asks
    // for the hook in pass-through mode, which runs while no key capture or
    // macro recording holds it; false gives that wish up.
    void setKeyboardHookEnabled(bool on, int unused = 0);
    bool isKeyboardHookEnabled() const { return m_hookRunning && m_hookMode == kPassThroughMode; }
    // Macro recording takes the hook over until it lets go; the outcome goes
    // to the data manager, which answers the macro editor's request with it.
    void setMacroRecordHookEnabled(bool start);

    void showFunctionTip(int functionId);
    bool hasLightPressFunction(int keyDec) const;
    bool hasHeavyPressFunction(int keyDec) const;

signals:
    void sigAutoIntoCustomKeysPage();
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigInteractLightsPointXY(int indexX, int indexY);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    // Files the store set aside, told whole (names and where the damaged
    // copies went), apart from the short tips.
    void sigStoreNotes_CustomKeysPage(QString notes);
    void sigTheKeyboardIntoDownloading();
    // A capture pop-up closed and took the hook down with it; whoever runs
    // the light effects decides whether pass-through comes back.
    void sigKeyCaptureClosed();

public slots:
    void onInstallEventFilterOpen();
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onKeyboardAlreadyLoad(int keyDec);
    void onShoudUpdateKeyboard(int keyDec);
    void onCustomKeyInfoSaveSuccessful();
    void onClickedCancel();
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onSeniorKeysListItemHaveChanged();
    void on_pushButton_Download_clicked();
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onMesgStartOrStopHook(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kMacroRecordMode = 1;
    static constexpr int kRemapCaptureMode = 2;
    static constexpr int kCombinationCaptureMode = 3;
    static constexpr int kPassThroughMode = 5;

    struct HostedPage
    {
        QWidget* page = nullptr;
        std::function<void()> load;
        std::function<void()> retranslate;
        std::function<void()> setTheme;
    };

    template<typename Page>
    Page* addPage(int row);
    void checkLayerButton(int layer);
    void openDefaultPage();
    // Marks the key cap of a key after a store; `customized` says whether
    // the mark shows.
    void markKey(int keyDec, bool customized);
    int functionIdOf(QObject* button) const;
    // Emits the message, together with any profile file the store had to
    // set aside since the last message, as one toast.
    void tell(const QString& message);
    // Files set aside during a store are told with the store's outcome,
    // which follows at once; on their own when no outcome follows.
    void noteRecoveredFiles();
    // Runs the hook in the mode its ownership asks for now; false when
    // that mode could not be started.
    bool runOwnedHook();
    // A key pressed anywhere lights up where it sits on the picture.
    void passKeyToLighting(int usage);

    Ui::DCustomKeysPage* m_ui = nullptr;
    // The program's one hook object: the hooks follow the latest one made.
    WindowsHookInterface m_hook;
    int m_hookMode = WindowsHookInterface::kNoMode;
    bool m_hookRunning = false;
    DHookOwnership m_hookOwnership{kPassThroughMode};
    DProfileSelection m_profile;
    ArrowWidget* m_tipBubble = nullptr;
    QMovie* m_loadingMovie = nullptr;
    bool m_downloading = false;
    QButtonGroup* m_functionGroup = nullptr;
    QButtonGroup* m_layerGroup = nullptr;
    HostedPage m_pages[15];
    DResetDefaultPage* m_resetDefaultPage = nullptr;
    DMacroCmdPage* m_macroCmdPage = nullptr;
    DChangeKeyPage* m_changeKeyPage = nullptr;
    DMouseKeyPage* m_mouseKeyPage = nullptr;
    DKeyWithTextPage* m_keyWithTextPage = nullptr;
    DKeyDisablePage* m_keyDisablePage = nullptr;
    DMultimediaPage* m_multimediaPage = nullptr;
    DKeyCombinationPage* m_keyCombinationPage = nullptr;
    DHotKeyPage* m_hotKeyPage = nullptr;
    DChangProfilePage* m_changProfilePage = nullptr;
    DKeyWithAppPage* m_keyWithAppPage = nullptr;
    DKeyboardLightCustomEventPage* m_keyboardLightPage = nullptr;
    DSideLightCustomEventPage* m_sideLightPage = nullptr;
    DKeyConfigFunctionPage* m_keyConfigFunctionPage = nullptr;
    DSeniorKeysBindingPage* m_seniorKeysBindingPage = nullptr;
    bool m_forceSelect = false;
    int m_functionCode = -1;
    int m_currentLayer = 0;
    QStringList m_pendingNotes;
};
