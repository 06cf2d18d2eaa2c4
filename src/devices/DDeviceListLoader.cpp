#include "devices/DDeviceListLoader.h"

#include "app/DFixedText.h"
#include "sdk/include/orvanesdk_hid.h"

#include <QtGlobal>

#include <cstring>
#include <list>
#include <map>
#include <string>

namespace {

// The library's texts are NUL-terminated within their field; a record never
// takes more than its own field holds.
template<size_t To, size_t From>
void copyText(char (&to)[To], const char (&from)[From])
{
    const size_t length = qMin<size_t>(To - 1, qstrnlen(from, From));
    std::memcpy(to, from, length);
    to[length] = '\0';
}

void fillFromModel(hidStructInfoAll& record, const hidSupportMapInfo& model)
{
    copyText(record.deviceType, model.deviceType);
    copyText(record.modelName, model.model);
    copyText(record.productName, model.productName);
    copyText(record.likeName, model.likeName);
    record.supportValue0 = model.value0;
    record.supportValue1 = model.value1;
    record.supportValue2 = model.value2;
    record.supportValue3 = model.value3;
    record.layoutNumber = model.layoutNumber;
}

} // namespace

hidStructInfoAll DDeviceListLoader::presentRecord(const hidInfoStu& hid, const hidFirmwareInfoStu& firmware,
                                                  const hidSupportMapInfo& model)
{
    hidStructInfoAll record;
    fillFromModel(record, model);
    copyText(record.hidPath, hid.path);
    copyText(record.modelName, hid.model);
    copyText(record.firmwareVersion, firmware.version);
    copyText(record.firmwareIdPart0, firmware.idSection0);
    copyText(record.firmwareIdPart1, firmware.idSection1);
    copyText(record.firmwareIdPart3, firmware.idSection3);
    record.is24G = hid.is24G;
    // A keyboard behind a receiver counts once its receiver says it is there.
    record.isOnline = hid.is24G ? 0 : 1;
    return record;
}

hidStructInfoAll DDeviceListLoader::offlineRecord(const hidSupportMapInfo& model)
{
    hidStructInfoAll record;
    fillFromModel(record, model);
    return record;
}

DDeviceListLoader::Result DDeviceListLoader::load()
{
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    std::map<std::string, hidSupportMapInfo> models;
    COrvaneHid_GetHidInfoStuMapList(&models);
    const std::map<std::string, hidSupportMapInfo> allModels = models;

    Result result;
    QList<hidStructInfoAll> cable;
    QList<hidStructInfoAll> receiver;
    for (const std::string& path : paths) {
        hidInfoStu hid{};
        hidFirmwareInfoStu firmware{};
        if (COrvaneHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware) == 0)
            continue;
        const std::string code = DFixedText::bytes(hid.model).toStdString();
        auto unmet = models.find(code);
        const bool firstOfModel = unmet != models.end();
        const auto model = firstOfModel ? unmet : allModels.find(code);
        if (!firstOfModel && model == allModels.end())
            continue;

        const hidStructInfoAll record = presentRecord(hid, firmware, model->second);
        const QString key = QString::fromLatin1(record.hidPath);
        if (record.is24G) {
            receiver.append(record);
            if (firstOfModel)
                result.receiverPaths.append(key);
        } else {
            cable.append(record);
        }
        if (firstOfModel)
            models.erase(unmet);
        result.found = true;
        result.present.insert(key, record);
    }

    result.shown = cable + receiver;
    for (const auto& entry : models)
        result.shown.append(offlineRecord(entry.second));
    return result;
}
