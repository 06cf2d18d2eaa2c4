#include "support/ApplicationSetUp.h"

#include "app/DDataManager.h"
#include "hid/hidStructInfoAll.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>

void prepareApplicationTest()
{
    qRegisterMetaType<hidStructInfoAll>();
    DDataManager::getInstance()->loadTheme(0);
}

bool linkProgramPictures()
{
    const QString images = QCoreApplication::applicationDirPath() + QStringLiteral("/images");
    return QFileInfo::exists(images) || QFile::link(QStringLiteral(ORVANE_TEST_BIN_DIR "/images"), images)
           || QFileInfo::exists(images);
}
