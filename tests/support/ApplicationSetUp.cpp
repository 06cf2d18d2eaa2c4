#include "support/ApplicationSetUp.h"

#include "support/StyleSheetWarnings.h"

#include "app/DDataManager.h"
#include "app/DUserSettingsKeys.h"
#include "hid/hidStructInfoAll.h"
#include "ui/widgets/DAppStyle.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QSettings>
#include <QTest>
#include <QTranslator>

#include <list>

void prepareApplicationTest()
{
    qRegisterMetaType<hidStructInfoAll>();
    // The sheet applied next is the first one read: its warnings count.
    StyleSheetWarnings::watch();
    DDataManager::getInstance()->loadTheme(0);
    // Pages take their look from the application's sheet, as in the program.
    DAppStyle::apply(0);
}

void rememberProgramVersion()
{
    const QSettings defaults(DDataManager::defaultConfigFile(), QSettings::IniFormat);
    QSettings user(DDataManager::userSettingsPath(), QSettings::IniFormat);
    user.setValue(DUserSettingsKeys::kRememberedVersion, defaults.value(DUserSettingsKeys::kAppVersion));
    user.sync();
}

bool linkProgramPictures()
{
    const QString images = QCoreApplication::applicationDirPath() + QStringLiteral("/images");
    return QFileInfo::exists(images) || QFile::link(QStringLiteral(ORVANE_TEST_BIN_DIR "/images"), images)
           || QFileInfo::exists(images);
}

void addEveryLanguageRow()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"Arabic", "Czech", "English", "French", "German", "Italian", "Japanese", "Korean",
                                 "Polish", "Portugal", "Russian", "Spanish", "Ukrainian", "Zh_SM", "Zh_TR"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void addThemeAndLanguageRows()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("language");
    for (int theme : {0, 1}) {
        for (const char* language : {"English", "German", "Russian"})
            QTest::addRow("theme %d %s", theme, language) << theme << QString::fromLatin1(language);
    }
}

bool installTranslation(QTranslator& translator, const QString& language)
{
    if (!translator.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/") + language + QStringLiteral(".qm")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

QByteArray emptySeniorKeyFile()
{
    DDataManager* data = DDataManager::getInstance();
    const QByteArray path = QFile::encodeName(data->userConfigDir() + QStringLiteral("/SeniorKeyConfig.xml"));
    std::list<seniorKeyInfoStu> records;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(path.constData(), &records)
        && !(COrvaneXML_SeniorKey_CreateXMLFile(path.constData())
             && COrvaneXML_SeniorKey_CreateProFileXmlParentNode(path.constData())))
        return QByteArray();
    for (const seniorKeyInfoStu& record : records) {
        if (!COrvaneXML_SeniorKey_DeleteInfoItem(path.constData(), record.type, record.index))
            return QByteArray();
    }
    return data->setSeniorKeyFilePath(path.constData()) ? path : QByteArray();
}
