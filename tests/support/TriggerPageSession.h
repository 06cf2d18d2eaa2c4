#pragma once

#include "sim/SimulatedKeyboard.h"

#include <QEvent>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class DDevicePage;
class DevicePageProbe;
class SimulatorHarness;

// A magnetic-switch keyboard on the simulated bus, a loaded device page
// showing its trigger page, and the means to work the page as a user does
// (clicks and bands on the picture) and to read the magnetic requests the
// keyboard received, in words:
//   "select 1/2,3/10" (keys as row/column, in column order), "query 3/10",
//   "apply 12 2/4,4/7 20 20 10 10", "calibrate 3/10", "all keys start",
//   "rate 1 8", "shake 1 5", "defaults", "leave".
class TriggerPageSession
{
public:
    static constexpr int kLoadTimeoutMs = 20000;
    static constexpr int kAnswerTimeoutMs = 5000;

    // False when the page did not load or the keyboard's start-up queries
    // were not answered; the session is unusable then.
    // `beforeLoad` sees the keyboard plugged before the program opens it.
    using KeyboardSetUp = std::function<void(const std::shared_ptr<SimulatedKeyboard>&)>;
    bool start(const char* modelCode = "OV82M", bool viaReceiver = false, const KeyboardSetUp& beforeLoad = {});
    TriggerPageSession();
    ~TriggerPageSession();
    TriggerPageSession(const TriggerPageSession&) = delete;
    TriggerPageSession& operator=(const TriggerPageSession&) = delete;

    SimulatorHarness& sim() const { return *m_sim; }
    SimulatedKeyboard& keyboard() const { return *m_keyboard; }
    const std::shared_ptr<SimulatedKeyboard>& keyboardPointer() const { return m_keyboard; }
    DDevicePage& page() const { return *m_page; }
    DevicePageProbe probe() const;
    QString toast() const;
    // A widget of the trigger page's form by its object name.
    template<typename T>
    T* triggerChild(const char* name) const
    {
        return triggerPage()->findChild<T*>(QLatin1String(name));
    }
    void showPage(const char* toolButton);

    // Every magnetic request since the last call, closed by a key query of
    // the page's own for row 0, column 0 (left out; its answer shows key
    // 0/0 on the trigger page). Empty and a failed check on time-out.
    QStringList requestsSent();
    // Waits for exactly these requests since the last call, without a query
    // of its own.
    void expectSent(const QStringList& expected);
    // The magnetic requests since the last call, as far as they came.
    QStringList newRequests() const;
    // Forgets what was received so far.
    void markSent();

    // The overlay's point over a key cap: its centre, or the given point of it.
    QPoint overlayPointOf(int row, int column, QPoint ofCap = QPoint()) const;
    // The keys touch each other: a band starts beside them. The overlay's
    // rectangle all key caps take, and a point left of it at the height of
    // the row's first key.
    QRect keysArea() const;
    QPoint besideTheKeys(int row) const;
    // The keys a band between the two points takes in: those whose top-left
    // corner lies inside, as "row/column", sorted.
    QStringList keysWithCornerIn(QPoint a, QPoint b) const;
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) const;
    void click(QPoint at) const;
    void clickKey(int row, int column) const;
    void drag(QPoint from, QPoint to) const;
    // The keys selected on the picture as "row/column", sorted.
    QStringList selectedOnPicture() const;

    static QString keyName(int row, int column);
    static QString describe(const SimulatedKeyboard::Report& request);

private:
    QWidget* triggerPage() const;

    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<DDevicePage> m_page;
    size_t m_mark = 0;
};
