#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include "app/DDataManager.h"
#include "app/DEventWait.h"
#include "hid/DLightEffects.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DCustomLightReport.h"
#include "hid/reports/DLightReportBuilder.h"
#include "profiles/DDefaultLightRecord.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"

#include <QDebug>

#include <list>

namespace {

constexpr int kKeyboardPart = DLightEffects::kKeyboardPart;
constexpr int kSidePart = DLightEffects::kSidePart;
constexpr char kLedFailure[] = "USB serial port [Write Led] Failed ...";
constexpr char kSideLedFailure[] = "USB serial port [Write Side Led] Failed ...";
constexpr char kCustomLedFailure[] = "USB serial port [Write custom-Led] Failed ...";
// The name a scheme is announced with when it takes over a keyboard slot.
constexpr char kTakenSlotName[] = "CustomLight";

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget* parent)
    : QWidget(parent)
{
}

void DLightsConfigPage::retranslate() { }

void DLightsConfigPage::setTheme() { }

void DLightsConfigPage::loadProfileLightType()
{
    ++m_loadCount;
    // The key tab turns the caps' LED colours off; this page shows them.
    for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
        if (cap)
            cap->setLightColorEnabled(true);
    }
    m_keyboardEffect = effectInUse(kKeyboardPart);
    if (DLightEffects::hasButton(m_keyboardEffect))
        chooseKeyboardEffect(m_keyboardEffect);
}

void DLightsConfigPage::applyDeviceLightChange(int part, int effect)
{
    Q_UNUSED(effect)
    // The link has already stored what the keyboard reported; the page only
    // reads it back and passes it on, without echoing it to the keyboard.
    const int shownPart = part == kKeyboardPart ? kKeyboardPart : kSidePart;
    const int inUse = effectInUse(shownPart);
    if (shownPart == kKeyboardPart)
        m_keyboardEffect = inUse;
    loadLightSettings(shownPart, inUse);
    emit sigLightConfigHaveChanged(-1, m_colorInfo);
}

void DLightsConfigPage::applyDeviceCustomLightChange(int part, int effect, int customIndex)
{
    Q_UNUSED(part)
    Q_UNUSED(effect)
    m_usingCustomIndex = customIndex;
    m_resetSlotOnCustom = false;
    chooseKeyboardEffect(kCustomEffect);
    m_resetSlotOnCustom = true;
    emit sigLightConfigHaveChanged(-1, m_colorInfo);
}

void DLightsConfigPage::chooseKeyboardEffect(int effect)
{
    m_keyboardEffect = effect;
    if (effect == kCustomEffect) {
        if (m_resetSlotOnCustom)
            m_usingCustomIndex = 0;
        loadCustomLightList();
    }
    loadLightSettings(kKeyboardPart, m_keyboardEffect);
    if (m_keyboardEffect == kCustomEffect) {
        if (const DCustomLightSchemeList::Scheme* scheme = m_customSchemes.selectedScheme())
            announceScheme({scheme->slot, scheme->index, scheme->name});
    }
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardEffect, m_colorInfo);
    if (m_colorInfo.lightPart == kKeyboardPart)
        sendKeyboardLightReport(m_colorInfo);
}

void DLightsConfigPage::loadLightSettings(int part, int effect)
{
    // No effect in use: nothing to show, and no setting to invent for it.
    if (effect < 0)
        return;
    const char* path = m_profile.path();
    const QByteArray index = profileIndexText();
    colorInfoData record{};
    if (!COrvaneXML_SelectProfileColorDataInfo(path, index.constData(), part, effect, &record)) {
        record = DDefaultLightRecord::make(part, effect);
        COrvaneXML_AddProFileLightInfoItem(path, index.constData(), record);
    }
    m_colorInfo = record;
    COrvaneXML_ModifyProFileMouseLightUsingIndex(path, index.constData(), part, effect);
}

int DLightsConfigPage::currentCustomLightIndex() const
{
    const DCustomLightSchemeList::Scheme* scheme = m_customSchemes.selectedScheme();
    bool ok = false;
    const int index = scheme ? scheme->index.toInt(&ok) : -1;
    return ok ? index : -1;
}

void DLightsConfigPage::loadCustomLightList()
{
    std::list<customLightNodeInfo> nodes;
    COrvaneXML_SelectProFileCustomLightAllNodes(m_profile.path(), profileIndexText().constData(), &nodes);
    if (const auto selection = m_customSchemes.rebuild(nodes, m_usingCustomIndex))
        announceScheme(*selection);
}

void DLightsConfigPage::selectCustomLight(int row)
{
    if (const auto selection = m_customSchemes.select(row, m_usingCustomIndex))
        announceScheme(*selection);
}

void DLightsConfigPage::setCustomLightUsing(int row, bool isUsing)
{
    const auto handOver = m_customSchemes.markUsing(row, isUsing, m_usingCustomIndex);
    if (!handOver)
        return;
    const DCustomLightSchemeList::Scheme& released = m_customSchemes.schemes().at(handOver->releasedRow);
    const DCustomLightSchemeList::Scheme& taken = m_customSchemes.schemes().at(handOver->takenRow);
    const char* path = m_profile.path();
    const QByteArray index = profileIndexText();
    COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(path, index.constData(), released.index.toUtf8().constData(),
                                                       DCustomLightSchemeList::kUnusingStatus,
                                                       DCustomLightSchemeList::kNoSlot);
    COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(path, index.constData(), taken.index.toUtf8().constData(),
                                                       DCustomLightSchemeList::kUsingStatus, handOver->slot);
    const QString takenIndex = taken.index;
    announceScheme({handOver->slot, takenIndex, QString::fromLatin1(kTakenSlotName)});
    uploadCustomLightForItem(takenIndex, handOver->slot);
}

void DLightsConfigPage::announceScheme(const DCustomLightSchemeList::Selection& selection)
{
    emit sigCustomLightItemHaveChanged(selection.slot, selection.index, selection.name);
}

void DLightsConfigPage::resendCustomLight()
{
    if (m_usingCustomIndex != DCustomLightSchemeList::kNoSlot)
        uploadCustomLightColors(m_usingCustomIndex);
}

void DLightsConfigPage::uploadCustomLightForItem(QString index, int slot)
{
    Q_UNUSED(index)
    uploadCustomLightColors(slot);
}

void DLightsConfigPage::uploadCustomLightColors(int slot)
{
    // The custom colours, not the LED colours: those are the preview, which
    // the engine darkens by the brightness and the keyboard darkens again.
    QVector<QColor> colours;
    for (const keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList())
        colours << (cap ? cap->lightColorBackup() : QColor(Qt::black));
    const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
    for (int packet = 0; packet < packets.size(); ++packet)
        sendCustomLightPacket(slot, packet, packets[packet]);
    DEventWait::until(kPauseBeforeClosingEffectMs, [] { return false; });
    queueReport(DLightReportBuilder::uploadClosingEffect(m_colorInfo), kLedFailure);
}

void DLightsConfigPage::sendCustomLightPacket(int slot, int packetNumber, const QByteArray& colourBytes)
{
    queueReport(DCustomLightReport::build(slot, packetNumber, colourBytes), kCustomLedFailure);
}

void DLightsConfigPage::sendKeyboardLightReport(colorInfoData info)
{
    queueReport(DLightReportBuilder::keyboardEffect(info, DLightReportBuilder::currentStamp()), kLedFailure);
}

void DLightsConfigPage::sendSideLightReport(colorInfoData info)
{
    queueReport(DLightReportBuilder::sideEffect(info, DLightReportBuilder::currentStamp()), kSideLedFailure);
}

int DLightsConfigPage::effectInUse(int part) const
{
    return COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profile.path(), profileIndexText().constData(), part);
}

QByteArray DLightsConfigPage::profileIndexText() const
{
    return QByteArray::number(m_profile.index());
}

bool DLightsConfigPage::queueReport(const DReportFrame& report, const char* failureLine)
{
    // Without a keyboard the page is not shown; a report then is lost like
    // one for a closed keyboard.
    if (m_hidInterface && m_hidInterface->queueCmdReport(report) >= 0)
        return true;
    qDebug("%s", failureLine);
    return false;
}
