#include "app/crashNotice.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/DUserSettingsKeys.h"
#include "app/QtLinguist.h"
#include "app/resourceInit.h"
#include "platform/include/CrashDumpHandler.h"
#include "platform/include/FontSubstitutes.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <cstring>

const char kCrashNoticeOption[] = "--CrashNotice";

bool isCrashNoticeRun(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kCrashNoticeOption) == 0)
            return true;
    }
    return false;
}

int showCrashNotice(int& argc, char** argv)
{
    // The dump the crashed instance wrote follows the option.
    QString dumpPath;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], kCrashNoticeOption) == 0) {
            dumpPath = QFile::decodeName(argv[i + 1]);
            CrashDumpHandler::nameFrames(dumpPath);
        }
    }
    QApplication app(argc, argv);
    installWindowsFontSubstitutes();

    // Only reads the settings: this run must not change what the crashed
    // instance left.
    const QString userIniPath = DDataManager::userSettingsPath();
    QtLinguist linguist;
    linguist.loadLanguage(DAppllication::resolveLanguageIndex(userIniPath, linguist.systemLanguageIndex()));

    // In the user's theme, which the data manager loads as it starts.
    initOrvaneResources();
    DDataManager::getInstance();
    DAppllication::showCrashNoticeWindow(
        dumpPath, QSettings(userIniPath, QSettings::IniFormat).value(DUserSettingsKeys::kThemeIndex, 0).toInt());
    return 0;
}
