#include "sdk/hid/ReportTrace.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr char kSwitchName[] = "ORVANE_TRACE_REPORTS";

bool switchIsOn()
{
    const char* value = std::getenv(kSwitchName);
    return value && *value && std::strcmp(value, "0") != 0;
}

const char* eventName(ReportTrace::Event event)
{
    switch (event) {
    case ReportTrace::Event::Written:
        return "write";
    case ReportTrace::Event::Read:
        return "read";
    case ReportTrace::Event::WriteFailed:
        return "write-failed";
    case ReportTrace::Event::ReadFailed:
        return "read-failed";
    }
    return "?";
}

} // namespace

const bool ReportTrace::kEnabled = switchIsOn();

void ReportTrace::log(Event event, const std::string& devicePath, const uint8_t* report, size_t size)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char head[64];
    const int headSize = std::snprintf(head, sizeof head, "orvane-trace %lld.%06ld %s ",
                                       static_cast<long long>(now.tv_sec), now.tv_nsec / 1000, eventName(event));
    std::string line(head, headSize > 0 ? size_t(headSize) : 0);
    line += devicePath;
    line += ':';
    static const char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; report && i < size; ++i) {
        line += ' ';
        line += kDigits[report[i] >> 4];
        line += kDigits[report[i] & 0x0f];
    }
    line += '\n';
    // A trace line lost to a closed standard error is not worth failing for.
    const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
    (void)written;
}
