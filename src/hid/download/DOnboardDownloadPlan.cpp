#include "hid/download/DOnboardDownloadPlan.h"

#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "hid/reports/DKeyEntryEncoder.h"
#include "hid/reports/DKeyMapReport.h"
#include "hid/reports/DMacroReportEncoder.h"
#include "hid/reports/DSeniorKeyReportEncoder.h"
#include "profiles/DKeyFunctionType.h"

#include <QDebug>
#include <QFile>
#include <QObject>
#include <cstring>
#include <list>

const DOnboardDownloadPlan::Layer DOnboardDownloadPlan::kLayers[2] = {
    {"/appProfile_Default.xml", DKeyMapReport::kDefaultLayer},
    {"/appProfile_FN.xml", DKeyMapReport::kFnLayer},
};

namespace {

constexpr int kMaxPacketBytes = DKeyMapReport::kEntrySize * DKeyMapReport::kEntriesPerReport;

QString keyLabel(const keyOperateInfo& record, int usage)
{
    const QByteArray name = DFixedText::bytes(record.keyName).trimmed();
    if (name.isEmpty())
        return QString::number(usage);
    const QString utf8 = QString::fromUtf8(name);
    // Older labels are Latin-1.
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(name) : utf8;
}

} // namespace

DOnboardDownloadPlan::DOnboardDownloadPlan(const QString& profileFolder, const QVector<int>& usages, bool magnetic,
                                           const QMap<int, seniorKeyInfoStu>& seniorKeys)
    : m_profileFolder(profileFolder)
    , m_usages(usages)
    , m_seniorKeyRecords(seniorKeys)
{
    build(magnetic);
    if (m_status != Status::Ready)
        m_steps.clear();
}

void DOnboardDownloadPlan::build(bool magnetic)
{
    for (const Layer& layer : kLayers) {
        if (!planLayer(layer))
            return;
    }
    if (m_macroKeys > DMacroReportEncoder::kSlotCount) {
        m_status = Status::Refused;
        m_refusal = QObject::tr("%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.", nullptr,
                                m_macroKeys)
                        .arg(DMacroReportEncoder::kSlotCount);
        return;
    }
    if (m_seniorKeyCount > DSeniorKeyReportEncoder::kStoreSlotCount) {
        m_status = Status::Refused;
        m_refusal = QObject::tr("%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.",
                                nullptr, m_seniorKeyCount)
                        .arg(DSeniorKeyReportEncoder::kStoreSlotCount);
        return;
    }
    addPause();
    for (int slot = m_macroKeys; slot < DMacroReportEncoder::kSlotCount; ++slot) {
        for (const DReportFrame& r : DMacroReportEncoder::emptySlotReports(slot))
            add(Step::Macro, r);
    }
    if (magnetic) {
        addPause();
        for (int index = m_seniorKeyCount; index < DSeniorKeyReportEncoder::kStoreSlotCount; ++index)
            add(Step::SeniorKey, DSeniorKeyReportEncoder::emptyReport(index));
    }
}

bool DOnboardDownloadPlan::planLayer(const Layer& layer)
{
    const QByteArray path = QFile::encodeName(m_profileFolder + QLatin1String(layer.fileName));
    if (path.size() > kMaxPathBytes) {
        qCDebug(lcDownload) << "Onboard download: layer file path too long:" << path;
        m_status = Status::Unreadable;
        return false;
    }
    const int profile = COrvaneXML_GetCreateXMLFileProfileIndex(path.constData());
    if (profile == -1) {
        qCDebug(lcDownload) << "Onboard download: no current profile in" << path;
        m_status = Status::Unreadable;
        return false;
    }
    const QByteArray profileText = QByteArray::number(profile);

    std::vector<uint8_t> entries;
    int packet = 0;
    auto flush = [&] {
        add(Step::KeyMap, DKeyMapReport::build(entries, layer.layerCode, packet++));
        entries.clear();
    };
    keyOperateInfo record;
    for (const int usage : m_usages) {
        DKeyEntryEncoder::Entry entry{};
        if (usage != 0) {
            // Nothing of the previous key may show through a field this
            // key's record leaves out.
            std::memset(&record, 0, sizeof record);
            qstrncpy(record.type, QByteArray::number(DKeyFunctionType::kNoFunction).constData(), sizeof record.type);
            COrvaneXML_SelectProFileKeyOperateInfo(path.constData(), profileText.constData(),
                                                   QByteArray::number(usage).constData(), &record);
            int slot = 0;
            switch (DKeyEntryEncoder::slotKindOf(record)) {
            case DKeyEntryEncoder::SlotKind::Macro:
                slot = m_macroKeys++;
                addMacro(path, profileText, record, slot);
                break;
            case DKeyEntryEncoder::SlotKind::AdvancedKey:
                slot = m_seniorKeyCount++;
                addSeniorKey(record, slot);
                break;
            case DKeyEntryEncoder::SlotKind::None:
                break;
            }
            const DKeyEntryEncoder::Result result = DKeyEntryEncoder::encode(record, usage, slot);
            if (result.error == DKeyEntryEncoder::Error::TooManyModifiers)
                refuseCombination(record, usage);
            entry = result.entry;
        }
        if (m_status == Status::Refused)
            return false;
        entries.insert(entries.end(), entry.begin(), entry.end());
        if (int(entries.size()) == kMaxPacketBytes)
            flush();
    }
    if (!entries.empty())
        flush();
    return true;
}

void DOnboardDownloadPlan::addMacro(const QByteArray& path, const QByteArray& profileText, const keyOperateInfo& record,
                                    int slot)
{
    // Past the keyboard's slots only the count matters: the plan is refused.
    if (slot >= DMacroReportEncoder::kSlotCount)
        return;
    const QByteArray macroIndex = DFixedText::bytes(record.value).trimmed();
    std::list<macroEventItem> events;
    QVector<DReportFrame> reports;
    if (COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), profileText.constData(), macroIndex.constData(),
                                                    "", &events)) {
        reports = DMacroReportEncoder::slotReports(slot, events, DFixedText::number(record.paramB),
                                                   DFixedText::number(record.paramA));
    } else {
        qCDebug(lcDownload) << "Onboard download: key" << DFixedText::bytes(record.keyCode) << "is bound to macro"
                            << macroIndex << "which the profile no longer holds; slot" << slot << "sent empty";
        reports = DMacroReportEncoder::emptySlotReports(slot);
    }
    for (const DReportFrame& r : reports)
        add(Step::Macro, r);
}

void DOnboardDownloadPlan::addSeniorKey(const keyOperateInfo& record, int storeIndex)
{
    if (storeIndex >= DSeniorKeyReportEncoder::kStoreSlotCount)
        return;
    const int recordIndex = DFixedText::number(record.value);
    const auto found = m_seniorKeyRecords.constFind(recordIndex);
    if (found == m_seniorKeyRecords.constEnd()) {
        qCDebug(lcDownload) << "Onboard download: key" << DFixedText::bytes(record.keyCode)
                            << "is bound to advanced key" << recordIndex << "which no longer exists; store slot"
                            << storeIndex << "sent empty";
        add(Step::SeniorKey, DSeniorKeyReportEncoder::emptyReport(storeIndex));
        return;
    }
    const DSeniorKeyReportEncoder::Result result = DSeniorKeyReportEncoder::encode(*found, storeIndex);
    if (result.tooManyModifiers) {
        refuseCombination(record, DFixedText::number(record.keyCode));
        return;
    }
    add(Step::SeniorKey, result.report);
}

void DOnboardDownloadPlan::refuseCombination(const keyOperateInfo& record, int usage)
{
    m_status = Status::Refused;
    m_refusal = QObject::tr("The key combination on key %1 holds more than two modifier keys, which the keyboard "
                            "cannot store. Nothing was sent.")
                    .arg(keyLabel(record, usage));
}

void DOnboardDownloadPlan::add(Step::Kind kind, const DReportFrame& report)
{
    Step step;
    step.kind = kind;
    step.report = report;
    m_steps << step;
}

void DOnboardDownloadPlan::addPause()
{
    Step step;
    step.kind = Step::Pause;
    step.pauseMs = kStorePause;
    m_steps << step;
}
