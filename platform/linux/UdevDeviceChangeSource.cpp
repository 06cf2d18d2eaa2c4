#include "platform/linux/UdevDeviceChangeSource.h"

#include "platform/linux/UdevIdentity.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

#include <cerrno>
#include <cstring>

namespace {

QByteArray udevProperty(udev_device* device, const char* name)
{
    return QByteArray(udev_device_get_property_value(device, name));
}

} // namespace

DeviceChangeSource* DeviceChangeSource::createSystemSource(QObject* parent)
{
    return new UdevDeviceChangeSource(parent);
}

UdevDeviceChangeSource::UdevDeviceChangeSource(QObject* parent)
    : DeviceChangeSource(parent)
{
}

UdevDeviceChangeSource::~UdevDeviceChangeSource()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevDeviceChangeSource::start()
{
    if (m_monitor)
        return true;
    m_udev = udev_new();
    if (!m_udev) {
        setErrorText(QStringLiteral("udev_new failed, errno: %1").arg(errno));
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor) {
        setErrorText(QStringLiteral("no udev monitor (%1), errno: %2")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)))
                         .arg(errno));
        return false;
    }
    udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device");
    const int rc = udev_monitor_enable_receiving(m_monitor);
    if (rc < 0) {
        setErrorText(QStringLiteral("udev monitor does not receive, errno: %1").arg(-rc));
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    // Learned after the monitor runs, so a device that comes or goes in
    // between is seen by one of the two.
    learnPresentDevices();
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevDeviceChangeSource::onMonitorReadable);
    return true;
}

void UdevDeviceChangeSource::learnPresentDevices()
{
    udev_enumerate* enumerate = udev_enumerate_new(m_udev);
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_add_match_subsystem(enumerate, "usb");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (!device)
            continue;
        const UdevEventTranslator::Event event = eventOf(device);
        if (UdevEventTranslator::isWatched(event.subsystem, event.devtype))
            m_translator.learn(event.syspath, event.identity);
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
}

QString UdevDeviceChangeSource::identityOf(udev_device* device)
{
    UdevIdentity::Ids ids;
    if (UdevIdentity::fromProduct(udevProperty(device, "PRODUCT"), &ids))
        return identityText(ids.vendorId, ids.productId);
    if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr)) {
        if (UdevIdentity::fromHidId(udevProperty(hid, "HID_ID"), &ids))
            return identityText(ids.vendorId, ids.productId);
    }
    if (UdevIdentity::fromIdTexts(udevProperty(device, "ID_VENDOR_ID"), udevProperty(device, "ID_MODEL_ID"), &ids))
        return identityText(ids.vendorId, ids.productId);
    return QString();
}

UdevEventTranslator::Event UdevDeviceChangeSource::eventOf(udev_device* device)
{
    UdevEventTranslator::Event event;
    event.action = udev_device_get_action(device);
    event.subsystem = udev_device_get_subsystem(device);
    event.devtype = udev_device_get_devtype(device);
    event.syspath = udev_device_get_syspath(device);
    event.devnode = udev_device_get_devnode(device);
    if (UdevEventTranslator::isWatched(event.subsystem, event.devtype))
        event.identity = identityOf(device);
    return event;
}

void UdevDeviceChangeSource::onMonitorReadable()
{
    // One event per wake; the notifier fires again while more wait.
    udev_device* device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const UdevEventTranslator::Notice notice = m_translator.translate(eventOf(device));
    udev_device_unref(device);
    if (notice.changeType != 0)
        emit deviceChanged(notice.changeType, notice.path);
}
