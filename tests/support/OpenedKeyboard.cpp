#include "support/OpenedKeyboard.h"

#include "hid/MainHidInterFace.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"

#include <QCoreApplication>

OpenedKeyboard::OpenedKeyboard(SimulatorHarness& sim, const char* modelCode, int threadIndex, bool start,
                               bool viaReceiver)
    : m_keyboard(sim.plug(modelCode, viaReceiver))
{
    if (!m_keyboard)
        return;
    m_hid = std::make_unique<MainHidInterFace>(threadIndex, QString::fromLatin1(modelCode));
    m_sink = std::make_unique<ReportSink>(m_hid.get());
    m_open = m_hid->openDevice(QString::fromStdString(sim.pathOf(m_keyboard))) == 0;
    if (m_open && start)
        m_hid->start();
}

OpenedKeyboard::~OpenedKeyboard() = default;
OpenedKeyboard::OpenedKeyboard(OpenedKeyboard&&) noexcept = default;
OpenedKeyboard& OpenedKeyboard::operator=(OpenedKeyboard&&) noexcept = default;

bool OpenedKeyboard::close(unsigned long waitMs)
{
    bool ended = true;
    if (m_hid) {
        m_hid->closeDevice();
        m_hid->quit();
        ended = m_hid->wait(waitMs);
    }
    QCoreApplication::sendPostedEvents();
    return ended;
}
