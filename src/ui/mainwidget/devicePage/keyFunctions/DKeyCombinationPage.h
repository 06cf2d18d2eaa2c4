#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

class ArrowWidget;
class DKeyCapturePopUp;
class DVirtualKeyboardTool;
class QButtonGroup;

namespace Ui {
class DKeyCombinationPage;
}

// The key-function page "Key Combination": the selected key sends one or two
// modifiers together with one other key. The user builds the combination on
// the virtual keyboard that pops up over the key field, which marks the keys
// taken, or by pressing them while it is open; it is stored as soon as its
// last key is chosen.
class DKeyCombinationPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget* parent = nullptr);
    ~DKeyCombinationPage() override;

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
    void addChosenName(const QString& name);
    void clearChosen();
    void store();

    Ui::DKeyCombinationPage* m_ui = nullptr;
    DKeyCapturePopUp* m_capture = nullptr;
    ArrowWidget* m_popup = nullptr;
    DVirtualKeyboardTool* m_virtualKeyboard = nullptr;
    DKeyFunctionStore m_store;
    QMap<int, QString> m_keyNames;
    bool m_composing = false;
    QStringList m_chosenNames;
    int m_chosenCount = 0;
    int m_mask = 0;
    int m_usage = 0;
    QButtonGroup* m_pressModeGroup = nullptr;
    bool m_pressModeSelectable = true;
    bool m_entryFound = false;
};
