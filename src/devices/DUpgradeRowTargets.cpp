#include "devices/DUpgradeRowTargets.h"

#include <QSet>

namespace {

using Device = DUpgradeRowTargets::Device;
using Row = DUpgradeRowTargets::Row;

bool fits(const Row& row, const Device& keyboard)
{
    return keyboard.model == row.device.model && (row.fromBootloader || keyboard.viaReceiver == row.device.viaReceiver);
}

} // namespace

DUpgradeRowTargets::Plan DUpgradeRowTargets::plan(const QList<Row>& rows, const QList<Device>& keyboards,
                                                  const QList<Device>& bootloaders)
{
    Plan plan;
    QSet<QString> held;
    for (int i = 0; i < rows.size(); ++i)
        plan.rows.append(Target{});

    // First every row whose device is still where it was.
    for (int i = 0; i < rows.size(); ++i) {
        const QString& path = rows.at(i).device.path;
        for (const Device& keyboard : keyboards) {
            if (keyboard.path == path && keyboard.model == rows.at(i).device.model)
                plan.rows[i] = {Kind::Keyboard, path};
        }
        for (const Device& bootloader : bootloaders) {
            if (bootloader.path == path)
                plan.rows[i] = {Kind::Bootloader, path};
        }
        if (plan.rows.at(i).kind != Kind::None)
            held.insert(path);
    }

    // Then the rows whose device moved: a keyboard with the row's serial
    // number, any other of its kind, its bootloader.
    for (int i = 0; i < rows.size(); ++i) {
        if (plan.rows.at(i).kind != Kind::None)
            continue;
        const Row& row = rows.at(i);
        const Device* chosen = nullptr;
        for (const Device& keyboard : keyboards) {
            if (held.contains(keyboard.path) || !fits(row, keyboard))
                continue;
            const bool sameSerial
                = !row.device.serialNumber.isEmpty() && keyboard.serialNumber == row.device.serialNumber;
            if (sameSerial || !chosen)
                chosen = &keyboard;
            if (sameSerial)
                break;
        }
        if (chosen) {
            plan.rows[i] = {Kind::Keyboard, chosen->path};
            held.insert(chosen->path);
            continue;
        }
        for (const Device& bootloader : bootloaders) {
            if (!held.contains(bootloader.path) && bootloader.model == row.device.model) {
                plan.rows[i] = {Kind::Bootloader, bootloader.path};
                held.insert(bootloader.path);
                break;
            }
        }
    }

    for (const Device& bootloader : bootloaders) {
        if (!held.contains(bootloader.path))
            plan.newBootloaders << bootloader.path;
    }
    return plan;
}
