#pragma once

#include <QList>
#include <QString>

class ArrowWidget;
class CbNotice;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DDevicePage;
class DLightsConfigPage;
class DPerformancePage;
class DTriggerSettingPage;
class MainHidInterFace;
class QWidget;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;

// Finds what a device page shows among its children, the way a user
// would see it, so tests need no accessor on the page itself. Every
// lookup is made afresh: the picture is rebuilt when a keyboard changes.
class DevicePageProbe
{
public:
    explicit DevicePageProbe(const DDevicePage& page);

    DCustomKeysPage* customKeysPage() const;
    DLightsConfigPage* lightsConfigPage() const;
    DPerformancePage* performancePage() const;
    DTriggerSettingPage* triggerSettingPage() const;
    hidDeviceJoinFrame* picture() const;
    // The widget holding the picture and the drag overlay on top of it.
    QWidget* pictureContainer() const;
    dragShowArea* dragOverlay() const;
    CbNotice* toast() const;
    // The cap the picture shows at a cell of the key grid, or null.
    keyboardButCustom* keyCapAt(int row, int column) const;
    // The hint bubble over a tool button is a window of its own, not a
    // child of the page: the one such window open, or null.
    ArrowWidget* toolTipBubble() const;

    // The rows of the device list, those it shows and those it hides.
    QList<DDeviceListItem*> rows() const;
    // What a row stands for: its keyboard's path, or the model code of a
    // model with no keyboard present.
    static QString rowKey(const DDeviceListItem& row);
    // The row standing for a path or a model code, or null.
    DDeviceListItem* rowOf(const QString& key) const;
    // The row the user sees marked as selected, or null.
    DDeviceListItem* selectedRow() const;
    // The keyboard the hosted pages talk to: the I/O thread the lighting
    // page sends through, and the link that owns it; null when none.
    MainHidInterFace* selectedInterface() const;
    DDeviceKeyboardLink* selectedLink() const;
    // The folder of the selected keyboard's profile files, as the page hands
    // the current profile file to its hosted pages; empty before one opened.
    QString profileFolder() const;
    lightDealMain* lightingEngine() const;
    // The id of the main page whose tool button is checked.
    int checkedMainPage() const;
    // Selects every key of the picture and chooses the static key effect:
    // whether the selection is still there afterwards (false also when
    // nothing could be selected). Only leaving the custom effect, which
    // paints the selected keys, ends the selection this way.
    bool nextEffectKeepsSelection() const;

private:
    void buildHostedPages() const;

    const DDevicePage& m_page;
};
