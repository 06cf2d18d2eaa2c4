#pragma once

class ArrowWidget;
class CbNotice;
class DCustomKeysPage;
class DDevicePage;
class DLightsConfigPage;
class DPerformancePage;
class DTriggerSettingPage;
class QWidget;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;

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

private:
    const DDevicePage& m_page;
};
