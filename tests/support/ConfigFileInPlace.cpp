#include "support/ConfigFileInPlace.h"

#include <QFile>
#include <QProcess>
#include <QResource>

// Q_INIT_RESOURCE and its pair name the bundle from the global namespace.
static void takeProgramBundleAway()
{
    Q_CLEANUP_RESOURCE(images);
}

static void putProgramBundleBack()
{
    Q_INIT_RESOURCE(images);
}

ConfigFileInPlace::ConfigFileInPlace(const QString& name, const QByteArray& text)
{
    takeProgramBundleAway();
    if (text.isNull())
        return;
    QFile file(m_dir.filePath(QStringLiteral("file.config")));
    QFile qrc(m_dir.filePath(QStringLiteral("file.qrc")));
    m_rcc = m_dir.filePath(QStringLiteral("file.rcc"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !qrc.open(QIODevice::WriteOnly))
        return;
    file.close();
    qrc.write(QStringLiteral("<RCC><qresource prefix=\"/\"><file alias=\"images/configDir/%1\">file.config"
                             "</file></qresource></RCC>")
                  .arg(name)
                  .toUtf8());
    qrc.close();
    QProcess rcc;
    rcc.setWorkingDirectory(m_dir.path());
    rcc.start(qEnvironmentVariable("ORVANE_RCC"), {"-binary", "file.qrc", "-o", m_rcc});
    m_ready = rcc.waitForFinished(60000) && rcc.exitCode() == 0 && QResource::registerResource(m_rcc);
}

ConfigFileInPlace::~ConfigFileInPlace()
{
    if (m_ready)
        QResource::unregisterResource(m_rcc);
    putProgramBundleBack();
}
