#include "profiles/DKeyFunctionType.h"

#include "app/DFixedText.h"
#include "sdk/include/orvanesdk_xml.h"

int DKeyFunctionType::of(const keyOperateInfo& record)
{
    bool ok = false;
    const int type = DFixedText::number(record.type, &ok);
    return ok ? type : kNoFunction;
}
