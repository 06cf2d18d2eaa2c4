#include "profiles/DKeyAction.h"

#include "app/DFixedText.h"
#include "app/DKeyFunctionDescriber.h"
#include "profiles/DKeyFunctionType.h"

#include <QString>
#include <QStringList>

namespace {

int numberIn(const QByteArray& field)
{
    return DKeyFunctionDescriber::leadingNumber(field);
}

} // namespace

QByteArray DKeyAction::storedParamB() const
{
    return QByteArray::number(paramB);
}

QByteArray DKeyAction::storedValue() const
{
    if (channel == kNoChannel)
        return QByteArray::number(value);
    return QByteArray::number(value) + ',' + QByteArray::number(channel);
}

bool DKeyAction::matches(const keyOperateInfo& entry) const
{
    if (DKeyFunctionType::of(entry) != type)
        return false;
    const int storedParamB = numberIn(DFixedText::bytes(entry.paramB));
    switch (read) {
    case kValue:
        return numberIn(DFixedText::bytes(entry.value)) == value;
    case kParamBAndValue:
        return storedParamB == paramB && numberIn(DFixedText::bytes(entry.value)) == value;
    case kParamB:
        return storedParamB == paramB;
    case kTypeOnly:
        return true;
    case kConnectionMode:
    case kConnectionChannel: {
        if (storedParamB != paramB)
            return false;
        // Without a comma there is no channel to read, and such a value was
        // never written by a choice page: it picks no row.
        const QStringList parts = DFixedText::utf8(entry.value).split(QLatin1Char(','));
        if (parts.size() < 2)
            return false;
        // A part that is no number reads as mode or channel 0.
        if (parts.at(0).toInt(nullptr, 10) != value)
            return false;
        return read == kConnectionMode || parts.at(1).toInt(nullptr, 10) == channel;
    }
    }
    return false;
}

int DKeyAction::rowOf(const DKeyAction* rows, std::size_t count, const keyOperateInfo& entry)
{
    for (std::size_t row = 0; row < count; ++row) {
        if (rows[row].matches(entry))
            return int(row);
    }
    return -1;
}
