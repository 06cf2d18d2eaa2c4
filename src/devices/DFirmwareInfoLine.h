#pragma once

#include <QString>

struct hidFirmwareInfoStu;
struct hidInfoStu;

// One device of "Firmware Info" as a person reads it: the model's name, then
// the connection and the firmware version with its build date.
class DFirmwareInfoLine
{
public:
    QString name; // the catalogue's product name, else the raw identification
    QString connection; // "Cable" or "2.4 GHz receiver", translated
    QString details; // "Cable · V1.2 · 2026-01-15"

    static DFirmwareInfoLine of(const hidInfoStu& hid, const hidFirmwareInfoStu& firmware);
};
