#pragma once

#include "hid/reports/DReportFrame.h"

// The magnetic-switch requests (command 0x29): one sub-command in byte 6
// names what is asked or ended; the keyboard answers the queries with the
// same sub-command.
class DMagneticReports
{
public:
    static DReportFrame request(DReportNumbers::MagneticSub sub);
};
