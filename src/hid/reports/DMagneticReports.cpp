#include "hid/reports/DMagneticReports.h"

namespace {

constexpr int kRequestLength = 0x18;

} // namespace

DReportFrame DMagneticReports::request(DReportNumbers::MagneticSub sub)
{
    DReportFrame frame(DReportNumbers::kMagnetic, 0, kRequestLength);
    frame.setPayloadByte(0, sub);
    return frame;
}
