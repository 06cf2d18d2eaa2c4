#include "support/TriggerPageSession.h"

#include "app/DDataManager.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/CbNotice.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

// The keys of a request's bitmap (bytes 7 to 28) in column order; the
// two high bits show as rows 6 and 7.
QString bitmapKeys(const SimulatedKeyboard::Report& r)
{
    QStringList keys;
    for (int column = 0; column < 22; ++column) {
        for (int row = 0; row < 8; ++row) {
            if (r[size_t(7 + column)] >> row & 1)
                keys << TriggerPageSession::keyName(row, column);
        }
    }
    return keys.isEmpty() ? QStringLiteral("none") : keys.join(',');
}

} // namespace

bool TriggerPageSession::start(const char* modelCode, bool viaReceiver, const KeyboardSetUp& beforeLoad)
{
    DDataManager* data = DDataManager::getInstance();
    data->setKeyTravelMaxLevel(0);
    data->setRateOfReturn(0);
    data->setKeyAntiShake(0);
    data->setCalibrating(false);
    m_sim = std::make_unique<SimulatorHarness>();
    m_keyboard = m_sim->plug(modelCode, viaReceiver);
    if (!m_keyboard)
        return false;
    // Every calibration answer is due at once.
    m_keyboard->editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationStepMs(0); });
    if (beforeLoad)
        beforeLoad(m_keyboard);
    m_page = loadedDevicePage(kLoadTimeoutMs);
    if (!m_page)
        return false;
    m_page->resize(1400, 860);
    m_page->show();
    if (!QTest::qWaitForWindowExposed(m_page.get()))
        return false;
    // Behind the receiver a keyboard counts once the receiver reports it.
    if (viaReceiver) {
        m_keyboard->sendStateReport();
        if (!QTest::qWaitFor([this] { return probe().selectedInterface() != nullptr; }, kLoadTimeoutMs))
            return false;
    }
    // The link's start-up queries have been answered.
    if (!QTest::qWaitFor([data] { return data->keyTravelMaxLevel() == 40 && data->rateOfReturn() == 1; },
                         kLoadTimeoutMs))
        return false;
    showPage("toolButton_TriggerSetting");
    markSent();
    return probe().checkedMainPage() == 4;
}

TriggerPageSession::TriggerPageSession() = default;

TriggerPageSession::~TriggerPageSession()
{
    m_page.reset();
    m_keyboard.reset();
    m_sim.reset();
    DDataManager::getInstance()->setCalibrating(false);
}

DevicePageProbe TriggerPageSession::probe() const
{
    return DevicePageProbe(*m_page);
}

QString TriggerPageSession::toast() const
{
    return probe().toast()->text();
}

void TriggerPageSession::showPage(const char* toolButton)
{
    m_page->findChild<QToolButton*>(QLatin1String(toolButton))->click();
}

QString TriggerPageSession::keyName(int row, int column)
{
    return QStringLiteral("%1/%2").arg(row).arg(column);
}

QString TriggerPageSession::describe(const SimulatedKeyboard::Report& r)
{
    QString text;
    switch (r[6]) {
    case 0x00:
    case 0x01:
    case 0x0C:
    case 0x0D:
        text = QStringLiteral("apply %1 %2 %3 %4 %5 %6")
                   .arg(r[6])
                   .arg(bitmapKeys(r))
                   .arg(r[29])
                   .arg(r[30])
                   .arg(r[31])
                   .arg(r[32]);
        break;
    case 0x02:
        text = QStringLiteral("select ") + bitmapKeys(r);
        break;
    case 0x03:
        text = QStringLiteral("leave");
        break;
    case 0x05:
        text = QStringLiteral("query ") + keyName(r[7], r[8]);
        break;
    case 0x06:
        text = QStringLiteral("defaults");
        break;
    case 0x07:
        text = QStringLiteral("calibrate ") + keyName(r[7], r[8]);
        break;
    case 0x08:
        text = r[7] == 0 ? QStringLiteral("all keys start") : QStringLiteral("all keys stop");
        break;
    case 0x09:
        text = QStringLiteral("rate %1 %2").arg(r[7]).arg(r[8]);
        break;
    case 0x0A:
        text = QStringLiteral("shake %1 %2").arg(r[7]).arg(r[8]);
        break;
    default:
        text = QStringLiteral("sub %1").arg(r[6]);
        break;
    }
    return r[5] == 0x18 ? text : text + QStringLiteral(" (length %1)").arg(r[5]);
}

QStringList TriggerPageSession::newRequests() const
{
    QStringList requests;
    const std::vector<SimulatedKeyboard::LoggedReport> log = m_keyboard->receivedReports();
    for (size_t i = m_mark; i < log.size(); ++i) {
        if (log[i].bytes[0] == 0x01 && log[i].bytes[1] == 0x29)
            requests << describe(log[i].bytes);
    }
    return requests;
}

void TriggerPageSession::expectSent(const QStringList& expected)
{
    QTRY_COMPARE_WITH_TIMEOUT(newRequests(), expected, kAnswerTimeoutMs);
    markSent();
}

QWidget* TriggerPageSession::triggerPage() const
{
    return probe().triggerSettingPage();
}

void TriggerPageSession::markSent()
{
    m_mark = m_keyboard->receivedReports().size();
}

QStringList TriggerPageSession::requestsSent()
{
    m_page->onQueryDynamicDisplaySensitivityNum(0, 0);
    const bool closed = QTest::qWaitFor([this] { return newRequests().endsWith("query 0/0"); }, kAnswerTimeoutMs);
    QStringList requests = newRequests();
    markSent();
    if (!closed) {
        QTest::qFail("the closing query did not reach the keyboard", __FILE__, __LINE__);
        return {};
    }
    requests.removeLast();
    return requests;
}

QPoint TriggerPageSession::overlayPointOf(int row, int column, QPoint ofCap) const
{
    keyboardButCustom* cap = probe().keyCapAt(row, column);
    if (!cap)
        return QPoint(-1, -1);
    const QPoint at = ofCap.isNull() ? cap->rect().center() : ofCap;
    return probe().dragOverlay()->mapFromGlobal(cap->mapToGlobal(at));
}

QRect TriggerPageSession::keysArea() const
{
    QRect area;
    dragShowArea* overlay = probe().dragOverlay();
    for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
        if (cap->getKeyDec() != 0 && cap->width() > 0 && cap->height() > 0)
            area |= QRect(overlay->mapFromGlobal(cap->mapToGlobal(QPoint(0, 0))), cap->size());
    }
    return area;
}

QPoint TriggerPageSession::besideTheKeys(int row) const
{
    return QPoint(keysArea().left() - 3, overlayPointOf(row, 0).y());
}

QStringList TriggerPageSession::keysWithCornerIn(QPoint a, QPoint b) const
{
    const QRect band = QRect(a, b).normalized();
    QStringList keys;
    dragShowArea* overlay = probe().dragOverlay();
    for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
        if (cap->getKeyDec() != 0 && band.contains(overlay->mapFromGlobal(cap->mapToGlobal(QPoint(0, 0)))))
            keys << keyName(cap->getRowIndex(), cap->getColumnIndex());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void TriggerPageSession::mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) const
{
    dragShowArea* overlay = probe().dragOverlay();
    QMouseEvent event(type, at, overlay->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(overlay, &event);
}

void TriggerPageSession::click(QPoint at) const
{
    mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void TriggerPageSession::clickKey(int row, int column) const
{
    click(overlayPointOf(row, column));
}

void TriggerPageSession::drag(QPoint from, QPoint to) const
{
    mouse(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QStringList TriggerPageSession::selectedOnPicture() const
{
    QStringList keys;
    for (const keyboardButCustom* cap : probe().picture()->selectedKeys())
        keys << keyName(cap->getRowIndex(), cap->getColumnIndex());
    std::sort(keys.begin(), keys.end());
    return keys;
}
