#pragma once

#include "hid/hidStructInfoAll.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct hidFirmwareInfoStu;
struct hidInfoStu;
struct hidSupportMapInfo;

// Builds the device records of the device list from what the device
// library reports: the present keyboards of supported models, cable first,
// then those behind a receiver, then an offline record for every supported
// model that is not present.
class DDeviceListLoader
{
public:
    struct Result
    {
        // Cable, then receiver, then offline records: the order of the rows.
        QList<hidStructInfoAll> shown;
        // Present keyboards by path.
        QMap<QString, hidStructInfoAll> present;
        // Receiver keyboards to watch for their receiver's state; a second
        // keyboard of a model met before is not among them.
        QStringList receiverPaths;
        bool found = false;
    };

    // Asks the library for the present paths and the model table.
    static Result load();

    static hidStructInfoAll presentRecord(const hidInfoStu& hid, const hidFirmwareInfoStu& firmware,
                                          const hidSupportMapInfo& model);
    static hidStructInfoAll offlineRecord(const hidSupportMapInfo& model);
};
