// What the notice after a crash says: that the program ended and where the
// dump of the crash lies, the path shown as the user's system writes it.
#include "support/TestMain.h"

#include "app/crashNotice.h"

#include <QDir>

class tst_crashNoticeText : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("dumpPath");
        QTest::addColumn<QString>("shownPath");
        QTest::newRow("a dump") << "/home/u/.local/share/Orvane/dump/2026-12-11.dmp"
                                << QDir::toNativeSeparators("/home/u/.local/share/Orvane/dump/2026-12-11.dmp");
        // A folder name is text, never markup.
        QTest::newRow("markup in a folder name") << "/tmp/<b>&/x.dmp" << QDir::toNativeSeparators("/tmp/&lt;b&gt;&amp;/x.dmp");
        QTest::newRow("no dump named") << "" << "";
    }
    void text()
    {
        QFETCH(QString, dumpPath);
        QFETCH(QString, shownPath);
        const QString text = crashNoticeText(dumpPath);
        QVERIFY(text.contains(QLatin1String("Conflict, software out of operation!")));
        QCOMPARE(text.contains(QLatin1String("A report of the crash was saved to:")), !dumpPath.isEmpty());
        if (!dumpPath.isEmpty())
            QVERIFY2(text.contains(QStringLiteral("<br>") + shownPath + QStringLiteral("</div>")), qPrintable(text));
        QVERIFY(!text.contains(QLatin1String("<b>&")));
    }
};

ORVANE_TEST_MAIN(tst_crashNoticeText)
#include "tst_crashNoticeText.moc"
