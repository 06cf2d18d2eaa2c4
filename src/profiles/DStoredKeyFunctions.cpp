#include "profiles/DStoredKeyFunctions.h"

#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>

#include <list>

QList<int> DStoredKeyFunctions::customisedUsages(const char* profilePath, int profileIndex)
{
    std::list<keyOperateInfo> entries;
    COrvaneXML_ProFileKeyInfoSelectAll(profilePath, QByteArray::number(profileIndex).constData(), &entries);
    QList<int> usages;
    for (const keyOperateInfo& entry : entries) {
        // An entry the keyboard gets as the key's own function shows no mark.
        if (DKeyFunctionType::of(entry) == DKeyFunctionType::kNoFunction)
            continue;
        bool ok = false;
        const int usage = DFixedText::number(entry.keyCode, &ok);
        if (ok)
            usages << usage;
    }
    return usages;
}
