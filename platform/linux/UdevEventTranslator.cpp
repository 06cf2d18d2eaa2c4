#include "platform/linux/UdevEventTranslator.h"

#include "platform/include/DeviceChangeSource.h"

bool UdevEventTranslator::isWatched(const QByteArray& subsystem, const QByteArray& devtype)
{
    return subsystem == "hidraw" || (subsystem == "usb" && devtype == "usb_device");
}

void UdevEventTranslator::learn(const QByteArray& syspath, const QString& identity)
{
    if (!syspath.isEmpty() && !identity.isEmpty())
        m_identityBySyspath.insert(syspath, identity);
}

UdevEventTranslator::Notice UdevEventTranslator::translate(const Event& event)
{
    Notice notice;
    if (!isWatched(event.subsystem, event.devtype))
        return notice;
    QString identity;
    if (event.action == "add") {
        notice.changeType = DeviceChangeSource::Arrival;
        identity = event.identity;
        learn(event.syspath, identity);
    } else if (event.action == "remove") {
        notice.changeType = DeviceChangeSource::Removal;
        identity = m_identityBySyspath.take(event.syspath);
        if (identity.isEmpty())
            identity = event.identity;
    }
    if (notice.changeType == 0 || identity.isEmpty())
        return Notice();
    const QByteArray& where = event.devnode.isEmpty() ? event.syspath : event.devnode;
    notice.path = QString::fromLocal8Bit(where) + QLatin1Char('#') + identity;
    return notice;
}
