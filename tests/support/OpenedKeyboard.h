#pragma once

#include <climits>
#include <memory>

class MainHidInterFace;
class ReportSink;
class SimulatedKeyboard;
class SimulatorHarness;

// A simulated keyboard opened by an I/O thread of its own, whose input
// reports a ReportSink keeps: where the device-side tests start. The
// thread runs until close(); a test that leaves it running leaves the rest
// to MainHidInterFace's own destructor, as the program would.
class OpenedKeyboard
{
public:
    // Plugs the model on the harness's bus and opens it on I/O thread
    // `threadIndex`, started unless `start` is false.
    OpenedKeyboard(SimulatorHarness& sim, const char* modelCode, int threadIndex, bool start = true,
                   bool viaReceiver = false);
    ~OpenedKeyboard();
    OpenedKeyboard(OpenedKeyboard&&) noexcept;
    OpenedKeyboard& operator=(OpenedKeyboard&&) noexcept;

    // Plugged and opened.
    bool isOpen() const { return m_open; }
    // Null when the catalogue has no such model.
    const std::shared_ptr<SimulatedKeyboard>& keyboard() const { return m_keyboard; }
    MainHidInterFace* hid() const { return m_hid.get(); }
    ReportSink* sink() const { return m_sink.get(); }

    // Closes the device and ends the thread, if there is one, then lets the
    // sink free the reports still on their way. Whether the thread ended in
    // time.
    bool close(unsigned long waitMs = ULONG_MAX);

private:
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<MainHidInterFace> m_hid;
    std::unique_ptr<ReportSink> m_sink;
    bool m_open = false;
};
