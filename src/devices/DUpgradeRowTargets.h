#pragma once

#include <QList>
#include <QString>

// Which device each row of the upgrade window stands for now. A keyboard
// leaves while it is upgraded (for its bootloader, and back with a new path)
// and may be plugged again while the window stays open: a row keeps its
// keyboard through all of that, and a bootloader of one of our models that
// no row stands for gets a row of its own.
class DUpgradeRowTargets
{
public:
    struct Device
    {
        QString path;
        QString model;
        bool viaReceiver = false;
        QString serialNumber; // empty while not known
    };
    struct Row
    {
        Device device; // what the row stood for until now
        bool fromBootloader = false; // made for a bootloader: its connection is not known
    };
    enum class Kind { Keyboard, Bootloader, None };
    struct Target
    {
        Kind kind = Kind::None;
        QString path;
    };
    struct Plan
    {
        QList<Target> rows; // one per row, in row order
        QStringList newBootloaders; // paths that get a row of their own
    };

    // Rows keep the device at their path; a row whose device is gone takes
    // a keyboard of its model (and connection, when the row knows it) that
    // no other row holds, the one with its serial number first, else a
    // bootloader of its model; a row with neither stands for nothing.
    static Plan plan(const QList<Row>& rows, const QList<Device>& keyboards, const QList<Device>& bootloaders);
};
