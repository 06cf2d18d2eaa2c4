#include "devices/DDeviceLibraryStartup.h"

#include "app/logCategories.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDebug>
#include <QFile>

#include <cstring>

DDeviceLibraryStartup::Calls::Calls()
    : versionStr(COrvaneSDK_VersionStr)
    , xmlInit(COrvaneXML_Init)
    , hidInit(COrvaneHid_Init)
    , lightInit(COrvaneLight_Init)
    , createMacroFile(COrvaneXML_CreateXMLFile)
    , createSeniorKeyFile(COrvaneXML_SeniorKey_CreateXMLFile)
    , createSeniorKeyParentNode(COrvaneXML_SeniorKey_CreateProFileXmlParentNode)
    , getSupportInfoList(COrvaneHid_GetSupportInfoList)
    , loadUpgradeLibrary([] { return DVendorUpgradeLibrary::load(); })
{
}

bool DDeviceLibraryStartup::fillPathField(const QString& path, PathField* field)
{
    field->fill('\0');
    const QByteArray encoded = QFile::encodeName(path);
    // A cut path would name some other file; better none at all.
    if (encoded.isEmpty() || encoded.size() >= int(field->size()) || encoded.contains('\0'))
        return false;
    std::memcpy(field->data(), encoded.constData(), size_t(encoded.size()));
    return true;
}

DDeviceLibraryStartup::Result DDeviceLibraryStartup::run(const QString& userConfigDir, const Calls& calls)
{
    Result result;
    std::array<char, 1024> version{};
    calls.versionStr(version.data());
    version.back() = '\0';
    result.versionText = QString::fromLocal8Bit(version.data());

    const int xml = calls.xmlInit();
    const int hid = calls.hidInit();
    const int light = calls.lightInit();
    if (xml != 0 || hid != 0 || light != 0) {
        qCWarning(lcLink) << "Device library did not start: xml" << xml << "hid" << hid << "light" << light;
        return result;
    }
    result.started = true;

    if (fillPathField(userConfigDir + QLatin1String(kMacroFileName), &result.macroFilePath)) {
        if (!QFile::exists(QFile::decodeName(result.macroFilePath.data())))
            calls.createMacroFile(result.macroFilePath.data());
    } else {
        qCWarning(lcLink) << "Macro file path does not fit the library's path field:" << userConfigDir;
    }
    if (fillPathField(userConfigDir + QLatin1String(kSeniorKeyFileName), &result.seniorKeyFilePath)) {
        if (!QFile::exists(QFile::decodeName(result.seniorKeyFilePath.data()))) {
            calls.createSeniorKeyFile(result.seniorKeyFilePath.data());
            calls.createSeniorKeyParentNode(result.seniorKeyFilePath.data());
        }
    } else {
        qCWarning(lcLink) << "Advanced-key file path does not fit the library's path field:" << userConfigDir;
    }

    result.supportList = std::make_unique<std::list<hidSupportInfo>>();
    calls.getSupportInfoList(result.supportList.get());
    result.upgradeEntryPoints = calls.loadUpgradeLibrary();
    return result;
}
