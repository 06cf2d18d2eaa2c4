// Opening a stored program or document path: programs are started directly
// (never through a shell), launcher entries start their program, documents
// and folders go to the desktop's handler, and paths that are not absolute
// or do not exist are refused.
#include "support/TestMain.h"

#include "platform/linux/DesktopProgramOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class tst_DesktopProgramOpener : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    UrlCatcher m_catcher;

    QString marker() const { return m_dir.filePath(QStringLiteral("ran")); }

    // A program that leaves a marker file when it runs.
    QString writeFile(const QString& name, const QByteArray& content, bool executable)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(content);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        m_catcher.urls.clear();
        QFile::remove(marker());
    }

    void open_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("ran");
        QTest::addColumn<bool>("handedToDesktop");

        QTest::newRow("program") << "program" << true << true << false;
        QTest::newRow("program with shell characters in its name") << "shellName" << true << true << false;
        QTest::newRow("launcher entry") << "launcher" << true << true << false;
        QTest::newRow("document") << "document" << true << false << true;
        QTest::newRow("folder") << "folder" << true << false << true;
        QTest::newRow("executable bit on a document") << "notProgram" << true << false << true;
        QTest::newRow("missing") << "missing" << false << false << false;
        QTest::newRow("relative") << "relative" << false << false << false;
        QTest::newRow("bare name on PATH") << "bare" << false << false << false;
        QTest::newRow("empty") << "empty" << false << false << false;
    }

    void open()
    {
        QFETCH(QString, kind);
        QFETCH(bool, opened);
        QFETCH(bool, ran);
        QFETCH(bool, handedToDesktop);

        const QByteArray script = "#!/bin/sh\necho run > '" + QFile::encodeName(marker()) + "'\n";
        QString path;
        if (kind == "program")
            path = writeFile("program.sh", script, true);
        else if (kind == "shellName")
            path = writeFile("a b;touch pwned", script, true);
        else if (kind == "launcher")
            path = writeFile("tool.desktop",
                             "[Desktop Entry]\nType=Application\nName=Tool\nExec=\""
                                 + QFile::encodeName(writeFile("launched.sh", script, true)) + "\"\n",
                             false);
        else if (kind == "document")
            path = writeFile("notes.txt", "text", false);
        else if (kind == "folder")
            path = m_dir.path();
        else if (kind == "notProgram")
            path = writeFile("photo.dat", "not a program", true);
        else if (kind == "missing")
            path = m_dir.filePath("nothing.sh");
        else if (kind == "relative")
            path = QStringLiteral("bin/true");
        else if (kind == "bare")
            path = QStringLiteral("true");
        QVERIFY(kind == "empty" || !path.isEmpty());

        DesktopProgramOpener opener;
        QCOMPARE(opener.open(path), opened);
        if (ran)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker()), 5000);
        else
            QTest::qWait(200);
        QCOMPARE(QFile::exists(marker()), ran);
        QVERIFY(!QFile::exists(m_dir.filePath("pwned")) && !QFile::exists("pwned"));
        QCOMPARE(m_catcher.urls, handedToDesktop ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    }
};

ORVANE_TEST_MAIN(tst_DesktopProgramOpener)
#include "tst_DesktopProgramOpener.moc"
