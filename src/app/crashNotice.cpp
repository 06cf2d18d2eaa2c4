#include "app/crashNotice.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/QtLinguist.h"
#include "platform/include/CrashDumpHandler.h"
#include "platform/include/FontSubstitutes.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
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
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], kCrashNoticeOption) == 0)
            CrashDumpHandler::nameFrames(QFile::decodeName(argv[i + 1]));
    }
    QApplication app(argc, argv);
    installWindowsFontSubstitutes();

    // Only reads the settings: this run must not change what the crashed
    // instance left.
    const QString userIniPath = DDataManager::userSettingsPath();
    QtLinguist linguist;
    linguist.loadLanguage(DAppllication::resolveLanguageIndex(userIniPath, linguist.systemLanguageIndex()));

    QMessageBox::critical(
        nullptr, QObject::tr("Software exit"),
        QStringLiteral("<FONT size=3><div><b>%1</b></div>").arg(QObject::tr("Conflict, software out of operation!")),
        QMessageBox::Ok);
    return 0;
}
