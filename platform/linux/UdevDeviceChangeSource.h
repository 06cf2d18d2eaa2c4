#pragma once

#include "platform/include/DeviceChangeSource.h"
#include "platform/linux/UdevEventTranslator.h"

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

// Device-change notices from udev: a monitor on the hidraw nodes and the USB
// devices, read when its socket becomes readable. The path of a notice is
// the device node followed by "#" and the USB identity, e.g.
// "/dev/hidraw3#vid_1209&pid_0002".
class UdevDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT

public:
    explicit UdevDeviceChangeSource(QObject* parent = nullptr);
    ~UdevDeviceChangeSource() override;

    bool start() override;

    // Known identities, by syspath: for the tests and the debug output.
    int knownDeviceCount() const { return m_translator.knownDeviceCount(); }

private slots:
    void onMonitorReadable();

private:
    void learnPresentDevices();
    // Empty when the device carries no USB identity.
    static QString identityOf(udev_device* device);
    static UdevEventTranslator::Event eventOf(udev_device* device);

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    UdevEventTranslator m_translator;
};
