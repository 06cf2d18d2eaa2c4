// The keyboard picture and the themed icons come from files whose paths go
// into style sheets: the program's own folder and the user's cache folder.
// Run from folders whose names hold characters a style sheet treats
// specially, both still show.
#include "support/TestMain.h"

#include "app/DStyleSheetUrl.h"
#include "hid/hidStructInfoAll.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui/widgets/DThemeIcons.h"

#include <QDir>
#include <QDirIterator>
#include <QFrame>
#include <QProcess>
#include <QPushButton>

#include <cstring>
#include <unistd.h>

namespace {

// Set in the copy of this test started from an oddly named folder.
const char kCheckHere[] = "ORVANE_CHECK_FROM_THIS_FOLDER";

// How far two pictures differ: the mean of every pixel's largest channel
// difference, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32).scaled(left.size());
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return sum / (double(left.width()) * left.height());
}

} // namespace

class tst_pathsInStyleSheets : public QObject
{
    Q_OBJECT

private slots:
    // The url the parser reads back is the path, whatever it holds.
    void urlsAreReadBackExactly_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "/opt/orvane/images/a.png";
        QTest::newRow("quote") << "/opt/it\"s/a.png";
        QTest::newRow("backslash before quote") << "/opt/a\\\"b/a.png";
        QTest::newRow("line break") << "/opt/new\nline/a.png";
    }
    void urlsAreReadBackExactly()
    {
        QFETCH(QString, path);
        const QString url = DStyleSheetUrl::of(path);
        QVERIFY(url.startsWith(QLatin1String("url(\"")) && url.endsWith(QLatin1String("\")")));
        // Undo the escapes as the parser does: a backslash takes the next
        // character as it stands.
        QString read;
        const QString inner = url.mid(5, url.size() - 7);
        for (int i = 0; i < inner.size(); ++i) {
            if (inner.at(i) == QLatin1Char('\\') && i + 1 < inner.size())
                ++i;
            else
                QVERIFY2(inner.at(i) != QLatin1Char('"'), qPrintable(url));
            read += inner.at(i);
        }
        QCOMPARE(read, path);
    }

    void pictureAndIconsFromAnyFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << QStringLiteral("it\"s");
        QTest::newRow("apostrophe") << QStringLiteral("it's");
        QTest::newRow("dollar") << QStringLiteral("$HOME");
        QTest::newRow("percent") << QStringLiteral("100%");
        QTest::newRow("backtick") << QStringLiteral("back`tick");
        QTest::newRow("backslash") << QStringLiteral("back\\slash");
        QTest::newRow("French") << QStringLiteral("T\u00e9l\u00e9chargements");
        QTest::newRow("German umlaut") << QStringLiteral("M\u00fcnchen");
        QTest::newRow("sharp s") << QStringLiteral("Stra\u00dfe");
        QTest::newRow("space and brackets") << QStringLiteral("my (old) files");
    }

    // This test, started again from a folder of that name beside which lies
    // what lies beside the program, with the user's cache folder under it.
    void pictureAndIconsFromAnyFolder()
    {
        QFETCH(QString, name);
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/oddFolders/") + name;
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));
        const QString self = folder + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        // A hard link: the started copy's own path is the folder's, not
        // where a symbolic link would lead.
        QVERIFY2(::link(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(),
                        QFile::encodeName(self).constData())
                     == 0,
                 std::strerror(errno));
        const QDir beside(QStringLiteral(ORVANE_TEST_BIN_DIR));
        for (const QString& entry : beside.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY(QFile::link(beside.filePath(entry), folder + QLatin1Char('/') + entry));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kCheckHere), folder + QStringLiteral("/cache"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(self, {QStringLiteral("checkFromThisFolder")});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(QDir(folder).removeRecursively());
    }

    // Only in the started copy: the keyboard picture shows what its file
    // holds, and a themed icon is drawn in the theme's colour.
    void checkFromThisFolder()
    {
        const QString cache = qEnvironmentVariable(kCheckHere);
        if (cache.isEmpty())
            QSKIP("runs in the copy started from an oddly named folder");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));

        hidStructInfoAll record;
        std::strncpy(record.modelName, "OV68M", sizeof(record.modelName) - 1);
        std::strncpy(record.hidPath, "sim:vid_1209&pid_0002&mi_01", sizeof(record.hidPath) - 1);
        hidDeviceJoinFrame view;
        view.resize(1104, 477);
        view.loadKeyboard(record);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString picturePath = view.pictureLayer()->picturePath();
        QVERIFY2(picturePath.startsWith(QCoreApplication::applicationDirPath()), qPrintable(picturePath));
        const QImage picture(picturePath);
        QVERIFY2(!picture.isNull(), qPrintable(picturePath));
        auto* frame = view.pictureLayer()->findChild<QFrame*>(QStringLiteral("frame"));
        QVERIFY(frame);
        const QImage shown = frame->grab().toImage();
        // Against an empty frame the picture differs a lot; shown, it
        // differs only by scaling.
        QImage empty(shown.size(), QImage::Format_RGB32);
        empty.fill(frame->palette().color(frame->backgroundRole()));
        QVERIFY(meanDifference(empty, picture) > 20);
        QVERIFY2(meanDifference(shown, picture) < 8, qPrintable(QString::number(meanDifference(shown, picture))));

        QPushButton button;
        button.resize(40, 40);
        button.setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/mainpage/closeWindowDef.png);}"));
        DThemeIcons::applyTo(&button, QColor(255, 0, 0), QColor(0, 0, 255));
        // The sheet names the copy drawn into the cache folder.
        QDirIterator copies(cache, {QStringLiteral("closeWindowDef.png")}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(copies.hasNext());
        QVERIFY2(button.styleSheet().contains(DStyleSheetUrl::of(copies.next())), qPrintable(button.styleSheet()));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        const QImage icon = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int red = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb p = icon.pixel(x, y);
                red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
            }
        }
        QVERIFY2(red > 20, qPrintable(button.styleSheet()));
    }
};

ORVANE_TEST_MAIN(tst_pathsInStyleSheets)
#include "tst_pathsInStyleSheets.moc"
