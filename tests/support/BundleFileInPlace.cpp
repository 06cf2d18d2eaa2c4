#include "support/BundleFileInPlace.h"

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

BundleFileInPlace::BundleFileInPlace(const QString& alias, const QByteArray& text, Layer layer)
    : m_layer(layer)
{
    // A path is looked up in the bundles in the order they came: the file's
    // comes before the program's when the program's is put back after it.
    takeProgramBundleAway();
    m_ready = text.isNull() || registerBundleOf(alias, text);
    if (m_layer == Layer::OverProgram)
        putProgramBundleBack();
}

bool BundleFileInPlace::registerBundleOf(const QString& alias, const QByteArray& text)
{
    QFile file(m_dir.filePath(QStringLiteral("file")));
    QFile qrc(m_dir.filePath(QStringLiteral("file.qrc")));
    m_rcc = m_dir.filePath(QStringLiteral("file.rcc"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !qrc.open(QIODevice::WriteOnly))
        return false;
    file.close();
    qrc.write(QStringLiteral("<RCC><qresource prefix=\"/\"><file alias=\"%1\">file</file></qresource></RCC>")
                  .arg(alias.toHtmlEscaped())
                  .toUtf8());
    qrc.close();
    QProcess rcc;
    rcc.setWorkingDirectory(m_dir.path());
    rcc.start(qEnvironmentVariable("ORVANE_RCC"),
              {QStringLiteral("-binary"), QStringLiteral("file.qrc"), QStringLiteral("-o"), m_rcc});
    m_registered = rcc.waitForFinished(60000) && rcc.exitCode() == 0 && QResource::registerResource(m_rcc);
    return m_registered;
}

BundleFileInPlace::~BundleFileInPlace()
{
    if (m_registered)
        QResource::unregisterResource(m_rcc);
    if (m_layer == Layer::Alone)
        putProgramBundleBack();
}
