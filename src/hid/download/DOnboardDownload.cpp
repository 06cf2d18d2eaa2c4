#include "hid/download/DOnboardDownload.h"

#include "app/DEventWait.h"
#include "app/logCategories.h"
#include "hid/MainHidInterFace.h"

#include <QDebug>

namespace {

constexpr int kWritePollMs = 2;

const char* failureLine(DOnboardDownloadPlan::Step::Kind kind)
{
    switch (kind) {
    case DOnboardDownloadPlan::Step::KeyMap:
        return "USB serial port [Write keyboard Onboard-data] Failed ...";
    case DOnboardDownloadPlan::Step::Macro:
        return "USB serial port [Write keyboard Macro-data list Failed ...";
    case DOnboardDownloadPlan::Step::SeniorKey:
        return "USB serial port [Write SeniorKes-data] Failed ...";
    case DOnboardDownloadPlan::Step::Pause:
        break;
    }
    return "";
}

} // namespace

DOnboardDownload::DOnboardDownload(QObject* parent)
    : QObject(parent)
{
}

void DOnboardDownload::setHidInterface(MainHidInterFace* hidInterface)
{
    m_hid = hidInterface;
}

void DOnboardDownload::onRuningOnboard0x19Cmd()
{
    m_macroAcked = true;
}

void DOnboardDownload::onRuningOnboardDownloadStatus(int statusNun)
{
    m_downloadStatus = statusNun;
}

DOnboardDownload::Outcome DOnboardDownload::run(const QString& profileFolder, const QVector<int>& usages, bool magnetic,
                                                const QByteArray& seniorKeyPath)
{
    // The acknowledgement waits process events, so a second start could
    // arrive from inside this one.
    if (m_running)
        return Outcome::Busy;
    m_running = true;
    m_attempts = 0;
    m_message.clear();
    if (magnetic)
        loadSeniorKeys(seniorKeyPath);

    Attempt result = Attempt::Failed;
    while (m_attempts < kMaxAttempts) {
        ++m_attempts;
        result = runAttempt(profileFolder, usages, magnetic);
        if (result != Attempt::Failed)
            break;
        if (m_attempts < kMaxAttempts)
            qCDebug(lcDownload,
                    "-------------------------- *** Onboard Download [Try again] *** --------------------------");
    }
    qCDebug(lcDownload, "-------------------------- *** Onboard Download at laster [ Hid back download status ] *** "
                        "--------------------------");
    m_running = false;

    switch (result) {
    case Attempt::Succeeded:
        m_message = QObject::tr("Download config successful");
        return Outcome::Successful;
    case Attempt::Refused:
        return Outcome::Refused;
    case Attempt::Failed:
        break;
    }
    m_message = QObject::tr("Download config failed, Please try again");
    return Outcome::Failed;
}

void DOnboardDownload::loadSeniorKeys(const QByteArray& path)
{
    m_seniorKeyMap.clear();
    if (path.isEmpty() || path.size() > DOnboardDownloadPlan::kMaxPathBytes)
        return;
    std::map<int, seniorKeyInfoStu> records;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(path.constData(), &records))
        return;
    for (const auto& [index, record] : records)
        m_seniorKeyMap.insert(index, record);
}

void DOnboardDownload::resetAttempt()
{
    m_macroAcked = true;
    m_macroDownloadOk = true;
    m_macroSent = false;
    m_reportRefused = false;
    m_downloadStatus = -1;
    m_lastMacroReport = DReportFrame();
}

DOnboardDownload::Attempt DOnboardDownload::runAttempt(const QString& profileFolder, const QVector<int>& usages,
                                                       bool magnetic)
{
    resetAttempt();
    const DOnboardDownloadPlan plan(profileFolder, usages, magnetic, m_seniorKeyMap);
    if (plan.status() == DOnboardDownloadPlan::Status::Refused) {
        qCDebug(lcDownload) << "Onboard download refused:" << plan.refusal();
        m_message = plan.refusal();
        return Attempt::Refused;
    }
    if (plan.status() == DOnboardDownloadPlan::Status::Unreadable)
        return Attempt::Failed;
    if (!interfaceOpen()) {
        qCDebug(lcDownload, "Onboard download: no keyboard to write to");
        return Attempt::Failed;
    }
    const int failuresBefore = m_hid->writeFailureCount();

    for (const DOnboardDownloadPlan::Step& step : plan.steps()) {
        switch (step.kind) {
        case DOnboardDownloadPlan::Step::KeyMap:
            if (m_macroDownloadOk && !queue(step.report))
                qCDebug(lcDownload, "%s", failureLine(step.kind));
            break;
        case DOnboardDownloadPlan::Step::Macro:
            if (m_macroDownloadOk)
                sendMacroReportAcked(step.report);
            break;
        case DOnboardDownloadPlan::Step::SeniorKey:
            if (!queue(step.report))
                qCDebug(lcDownload, "%s", failureLine(step.kind));
            break;
        case DOnboardDownloadPlan::Step::Pause:
            // The keyboard stores what it got before the slots are cleared.
            DEventWait::until(step.pauseMs, [] { return false; });
            break;
        }
    }
    // The last macro report counts like every other.
    if (m_macroSent)
        awaitAcknowledgement();
    const bool written = waitForWrites();
    const int writeFailures = interfaceOpen() ? m_hid->writeFailureCount() - failuresBefore : 0;
    qCDebug(lcDownload) << "Onboard download attempt" << m_attempts << "macros acknowledged:" << m_macroDownloadOk
                        << "all written:" << written << "write failures:" << writeFailures;
    const bool ok = m_macroDownloadOk && !m_reportRefused && written && writeFailures == 0;
    return ok ? Attempt::Succeeded : Attempt::Failed;
}

bool DOnboardDownload::awaitAcknowledgement()
{
    int sends = 1;
    while (m_macroDownloadOk) {
        DEventWait::until(kAckWaitMs, [this] { return m_macroAcked || !m_macroDownloadOk; });
        if (m_macroAcked || !m_macroDownloadOk)
            break;
        if (sends == kMaxSends) {
            qCDebug(lcDownload) << "Onboard download: macro report of slot" << m_lastMacroReport[2] << "packet"
                                << m_lastMacroReport[4] << "unacknowledged after" << kMaxSends << "sends";
            m_macroDownloadOk = false;
            break;
        }
        ++sends;
        if (!queue(m_lastMacroReport))
            qCDebug(lcDownload, "%s", failureLine(DOnboardDownloadPlan::Step::Macro));
    }
    return m_macroDownloadOk;
}

void DOnboardDownload::sendMacroReportAcked(const DReportFrame& report)
{
    if (!awaitAcknowledgement())
        return;
    m_lastMacroReport = report;
    m_macroAcked = false;
    m_macroSent = true;
    if (!queue(report))
        qCDebug(lcDownload, "%s", failureLine(DOnboardDownloadPlan::Step::Macro));
}

bool DOnboardDownload::queue(const DReportFrame& report)
{
    if (interfaceOpen() && m_hid->queueCmdReport(report) == 0)
        return true;
    // The keyboard is gone or closed: the rest of the attempt cannot
    // reach it either.
    m_reportRefused = true;
    m_macroDownloadOk = false;
    return false;
}

bool DOnboardDownload::waitForWrites()
{
    // The I/O thread counts its writes down without telling anyone, so
    // this wait looks again every few milliseconds.
    DEventWait::until(
        kWriteWaitMs, [this] { return !interfaceOpen() || m_hid->pendingCmdReports() == 0; }, kWritePollMs);
    return interfaceOpen() && m_hid->pendingCmdReports() == 0;
}

bool DOnboardDownload::interfaceOpen() const
{
    return m_hid && m_hid->isOpen();
}
