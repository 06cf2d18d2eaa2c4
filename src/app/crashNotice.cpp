#include "app/crashNotice.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/QtLinguist.h"
#include "platform/include/CrashDumpHandler.h"
#include "platform/include/FontSubstitutes.h"

#include <QApplication>
#include <QDir>
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

QString crashNoticeText(const QString& dumpPath)
{
    QString text
        = QStringLiteral("<FONT size=3><div><b>%1</b></div>").arg(QObject::tr("Conflict, software out of operation!"));
    if (!dumpPath.isEmpty())
        text += QStringLiteral("<div>%1<br>%2</div>")
                    .arg(QObject::tr("A report of the crash was saved to:"),
                         QDir::toNativeSeparators(dumpPath).toHtmlEscaped());
    return text;
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

    QMessageBox::critical(nullptr, QObject::tr("Software exit"), crashNoticeText(dumpPath), QMessageBox::Ok);
    return 0;
}
