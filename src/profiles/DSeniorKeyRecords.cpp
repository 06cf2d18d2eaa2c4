#include "profiles/DSeniorKeyRecords.h"

#include "app/DFixedText.h"
#include "app/DKeyCombinationText.h"
#include "app/logCategories.h"

#include <QDebug>

#include <cstring>
#include <iterator>
#include <list>

namespace {

constexpr const char* kTypeWords[] = {"DKS", "MT", "TGL"};

constexpr int kFirstModifierUsage = 224; // L_CTRL .. R_WIN are 224 .. 231
constexpr int kLastModifierUsage = 231;

bool isKnownType(int type)
{
    return type >= DSeniorKeyRecords::kDks && type <= DSeniorKeyRecords::kTgl;
}

// A decimal number of one to three digits from 1 to 255, nothing else.
bool byteNumber(const QByteArray& text, int* value)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    *value = text.toInt();
    return *value >= 1 && *value <= 255;
}

template<std::size_t N>
bool isTerminated(const char (&field)[N])
{
    return std::memchr(field, '\0', N) != nullptr;
}

} // namespace

DSeniorKeyRecords::DSeniorKeyRecords(const QByteArray& filePath)
    : m_filePath(filePath)
{
}

bool DSeniorKeyRecords::load()
{
    std::list<seniorKeyInfoStu> list;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(m_filePath.constData(), &list)) {
        m_lastError
            = QStringLiteral("the advanced-key file %1 could not be read").arg(QString::fromLocal8Bit(m_filePath));
        return false;
    }
    m_records.clear();
    m_loadProblems.clear();
    for (const seniorKeyInfoStu& record : list) {
        m_records.insert(record.index, record);
        for (const QString& problem : problems(record)) {
            m_loadProblems << QStringLiteral("record %1: %2").arg(record.index).arg(problem);
            qCWarning(lcStore).noquote() << "Advanced-key file: record" << record.index << "kept as read," << problem;
        }
    }
    return true;
}

int DSeniorKeyRecords::nextIndex() const
{
    return m_records.isEmpty() ? 1 : m_records.lastKey() + 1;
}

DSeniorKeyRecords::Result DSeniorKeyRecords::create(int type, seniorKeyInfoStu* created)
{
    if (m_records.size() >= kMaxRecords)
        return fail(Result::LimitReached, QStringLiteral("the file already holds %1 advanced keys").arg(kMaxRecords));
    if (!isKnownType(type))
        return fail(Result::Malformed, QStringLiteral("type %1 is not 1 (DKS), 2 (MT) or 3 (TGL)").arg(type));
    const seniorKeyInfoStu record = newRecord(type, nextIndex());
    if (!COrvaneXML_SeniorKey_AddInfoItem(m_filePath.constData(), type, record))
        return fail(Result::StoreFailed, QStringLiteral("the store did not add record %1").arg(record.index));
    m_records.insert(record.index, record);
    if (created)
        *created = record;
    m_lastError.clear();
    return Result::Done;
}

DSeniorKeyRecords::Result DSeniorKeyRecords::modify(const seniorKeyInfoStu& record)
{
    const QStringList faults = problems(record);
    if (!faults.isEmpty())
        return fail(Result::Malformed,
                    QStringLiteral("record %1 not written: %2").arg(record.index).arg(faults.join("; ")));
    if (!COrvaneXML_SeniorKey_ModifyInfoItem(m_filePath.constData(), record.type, record))
        return fail(Result::StoreFailed, QStringLiteral("the store did not replace record %1").arg(record.index));
    m_records.insert(record.index, record);
    m_lastError.clear();
    return Result::Done;
}

DSeniorKeyRecords::Result DSeniorKeyRecords::remove(int type, int index)
{
    if (!COrvaneXML_SeniorKey_DeleteInfoItem(m_filePath.constData(), type, index))
        return fail(Result::StoreFailed,
                    QStringLiteral("the store did not delete record %1 of type %2").arg(index).arg(type));
    m_records.remove(index);
    m_lastError.clear();
    return Result::Done;
}

QByteArray DSeniorKeyRecords::nameFor(int type, int index)
{
    if (!isKnownType(type))
        return QByteArray();
    return QByteArray(kTypeWords[type - kDks]) + QByteArray::number(index);
}

seniorKeyInfoStu DSeniorKeyRecords::newRecord(int type, int index)
{
    seniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.index = index;
    const QByteArray name = nameFor(type, index);
    std::memcpy(record.name, name.constData(), std::size_t(qMin(name.size(), int(sizeof record.name) - 1)));
    record.type = type;
    std::copy(std::begin(kDefaultPoints), std::end(kDefaultPoints), record.point);
    record.holdDuration = kMinHoldDuration;
    return record;
}

QStringList DSeniorKeyRecords::problems(const seniorKeyInfoStu& record)
{
    QStringList found;
    if (record.index < 1)
        found << QStringLiteral("index %1 is below 1").arg(record.index);
    if (!isKnownType(record.type))
        found << QStringLiteral("type %1 is not 1 (DKS), 2 (MT) or 3 (TGL)").arg(record.type);
    if (!isTerminated(record.name))
        found << QStringLiteral("the name does not end within its %1 bytes").arg(sizeof record.name);
    for (int slot = 0; slot < kKeySlots; ++slot) {
        if (!isTerminated(record.key[slot]))
            found << QStringLiteral("key %1 does not end within its %2 bytes").arg(slot).arg(sizeof record.key[slot]);
        else if (!isValidKeyText(keyText(record, slot)))
            found << QStringLiteral("key %1 \"%2\" is neither a usage nor mask,usage")
                         .arg(slot)
                         .arg(QString::fromLatin1(keyText(record, slot)));
    }
    for (int i = 0; i < kKeySlots * kPhases; ++i) {
        if (record.action[i] < 0 || record.action[i] > 3)
            found << QStringLiteral("action %1 is %2, not 0 to 3").arg(i).arg(record.action[i]);
    }
    for (int i = 0; i < kPhases; ++i) {
        if (record.point[i] < kMinPoint || record.point[i] > kMaxPoint)
            found << QStringLiteral("trigger point %1 is %2, not %3 to %4")
                         .arg(i)
                         .arg(record.point[i])
                         .arg(kMinPoint)
                         .arg(kMaxPoint);
    }
    if (record.holdDuration < kMinHoldDuration || record.holdDuration > kMaxHoldDuration
        || record.holdDuration % kMinHoldDuration != 0)
        found << QStringLiteral("hold duration %1 ms is not a multiple of %2 from %2 to %3")
                     .arg(record.holdDuration)
                     .arg(kMinHoldDuration)
                     .arg(kMaxHoldDuration);
    if (record.tglKeySet != 0 && record.tglKeySet != 1)
        found << QStringLiteral("tglKeySet %1 is neither 0 nor 1").arg(record.tglKeySet);
    return found;
}

QByteArray DSeniorKeyRecords::keyText(const seniorKeyInfoStu& record, int slot)
{
    if (slot < 0 || slot >= kKeySlots)
        return QByteArray();
    return DFixedText::bytes(record.key[slot]);
}

bool DSeniorKeyRecords::isValidKeyText(const QByteArray& text)
{
    if (text.isEmpty())
        return true;
    const QList<QByteArray> parts = text.split(',');
    int mask = 0;
    int usage = 0;
    if (parts.size() == 1)
        return byteNumber(parts.at(0), &usage);
    return parts.size() == 2 && byteNumber(parts.at(0), &mask) && byteNumber(parts.at(1), &usage)
           && (usage < kFirstModifierUsage || usage > kLastModifierUsage);
}

QString DSeniorKeyRecords::displayText(const QByteArray& keyText, const QMap<int, QString>& captions)
{
    const QString text = QString::fromUtf8(keyText);
    if (!text.contains(QLatin1Char(','))) {
        return captions.value(text.toInt());
    }
    const QStringList parts = text.split(QLatin1Char(','));
    const int mask = parts.at(0).toInt();
    const int usage = parts.at(1).toInt();
    // A negative mask names no modifier rather than all of them.
    return DKeyCombinationText::text(mask < 0 ? 0 : mask, &usage, captions);
}

QString DSeniorKeyRecords::pointText(int point)
{
    return QString::number(double(float(point) / 10.0f), 'f', 1) + QStringLiteral("mm");
}

DSeniorKeyRecords::Result DSeniorKeyRecords::fail(Result result, const QString& error)
{
    m_lastError = error;
    qCDebug(lcStore).noquote() << "Advanced-key file:" << error;
    return result;
}
