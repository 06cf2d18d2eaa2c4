#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Turns udev events into device-change notices. A hidraw node's ids live on
// its hid parent, which is already gone from sysfs when the removal
// arrives; so the identity seen at start and at each arrival is kept by
// syspath, and a removal takes it from there.
class UdevEventTranslator
{
public:
    struct Event
    {
        QByteArray action;
        QByteArray subsystem;
        QByteArray devtype;
        QByteArray syspath;
        QByteArray devnode; // empty when the device has no node
        QString identity; // "vid_XXXX&pid_XXXX" read from the event, empty when unknown
    };

    struct Notice
    {
        int changeType = 0; // 0: no notice
        QString path;
    };

    // Only hidraw nodes and whole USB devices are watched (not every USB
    // interface of them).
    static bool isWatched(const QByteArray& subsystem, const QByteArray& devtype);

    void learn(const QByteArray& syspath, const QString& identity);
    Notice translate(const Event& event);
    int knownDeviceCount() const { return m_identityBySyspath.size(); }

private:
    QHash<QByteArray, QString> m_identityBySyspath;
};
