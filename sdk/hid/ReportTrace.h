#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// ORVANE_TRACE_REPORTS=1 puts every report written to a keyboard and read
// from it on standard error, one line each:
//   orvane-trace <monotonic seconds> <write|read|write-failed|read-failed> <device path>: <hex bytes>
// It is the first thing to turn on when a real keyboard misbehaves. The
// switch is read once at start-up, so with it off a report costs one test of
// a flag.
class ReportTrace
{
public:
    enum class Event { Written, Read, WriteFailed, ReadFailed };

    static bool enabled() { return kEnabled; }
    // One line, written with a single system call so that lines of several
    // I/O threads never interleave.
    static void log(Event event, const std::string& devicePath, const uint8_t* report, size_t size);

private:
    static const bool kEnabled;
};
