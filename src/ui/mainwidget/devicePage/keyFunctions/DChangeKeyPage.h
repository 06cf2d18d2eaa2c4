#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QMap>
#include <QString>
#include <QWidget>

class ArrowWidget;
class DKeyCapturePopUp;
class DVirtualKeyboardTool;
class QButtonGroup;

namespace Ui {
class DChangeKeyPage;
}

// The key-function page "Remap Key": the selected key sends another key.
// Asking through the key field opens the virtual keyboard over it; each key
// picked there, or pressed while it is open, is stored at once and the
// keyboard stays open for the next pick.
class DChangeKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget* parent = nullptr);
    ~DChangeKeyPage() override;

    void retranslate();
    void setTheme();
    void loadCurrentKeyInfo();
    // The light/heavy press choice stays hidden: the page works on the layer
    // shown only, whatever the argument.
    void setPressModeVisible(bool visible);
    void setCapturedKey(int keyDec);

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigMesgStartOrStopHook(bool isStartHook);

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);
    void onArrowWidgetHide();
    void onSoftKeyboardClicked_VirtualKB(int keyDec);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);

private:
    void store();

    Ui::DChangeKeyPage* m_ui = nullptr;
    DKeyCapturePopUp* m_capture = nullptr;
    ArrowWidget* m_popup = nullptr;
    DVirtualKeyboardTool* m_virtualKeyboard = nullptr;
    DKeyFunctionStore m_store;
    int m_target = -1;
    QMap<int, QString> m_keyNames;
    QButtonGroup* m_pressModeGroup = nullptr;
    bool m_pressModeSelectable = true;
    bool m_entryFound = false;
};
