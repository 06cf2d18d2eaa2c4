#include "support/TestMain.h"

#include "platform/include/AutoStartEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// What a desktop environment does with an Exec value: undo the string
// escapes of the desktop-entry format, then split the quoted arguments.
// Written from the format's rules, independently of the writer.
QStringList decodeExec(const QString& value, bool* ok)
{
    *ok = true;
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == QLatin1Char('\\'))
                unescaped += QLatin1Char('\\');
            else if (next == QLatin1Char('s'))
                unescaped += QLatin1Char(' ');
            else
                unescaped += QLatin1Char('\\') + QString(next);
        } else {
            unescaped += value[i];
        }
    }
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool inArgument = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < unescaped.size()) {
                current += unescaped[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')) {
                *ok = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char(' ')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            // Outside quotes these would need quoting; a space-free plain word is fine.
            if (QStringLiteral("\"'\\><~|&;$*?#()`").contains(c))
                *ok = false;
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        *ok = false;
    if (inArgument)
        arguments << current;
    for (QString& argument : arguments) {
        // Field codes: "%%" is a literal percent; any other "%x" would be expanded.
        QString plain;
        for (int i = 0; i < argument.size(); ++i) {
            if (argument[i] == QLatin1Char('%')) {
                if (i + 1 < argument.size() && argument[i + 1] == QLatin1Char('%')) {
                    plain += QLatin1Char('%');
                    ++i;
                } else {
                    *ok = false;
                }
            } else {
                plain += argument[i];
            }
        }
        argument = plain;
    }
    return arguments;
}

QString readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QString execLine(const QString& fileText)
{
    for (const QString& line : fileText.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return QString();
}

} // namespace

class tst_AutoStartEntry : public QObject
{
    Q_OBJECT

private slots:
    void execValueRoundTrips_data()
    {
        QTest::addColumn<QString>("programPath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/usr/bin/orvane-keyboard"
                               << "\"/usr/bin/orvane-keyboard\" --AutoUp";
        QTest::newRow("spaces") << "/opt/My Apps/orvane-keyboard"
                                << "\"/opt/My Apps/orvane-keyboard\" --AutoUp";
        QTest::newRow("dollar") << "/home/a$b/orvane"
                                << "\"/home/a\\\\$b/orvane\" --AutoUp";
        QTest::newRow("double quote") << "/tmp/say \"hi\"/orvane"
                                      << "\"/tmp/say \\\\\"hi\\\\\"/orvane\" --AutoUp";
        QTest::newRow("backtick") << "/tmp/`x`/orvane"
                                  << "\"/tmp/\\\\`x\\\\`/orvane\" --AutoUp";
        QTest::newRow("backslash") << "/tmp/back\\slash/orvane"
                                   << "\"/tmp/back\\\\\\\\slash/orvane\" --AutoUp";
        QTest::newRow("non-latin") << QStringLiteral("/home/用户/orvane")
                                   << QStringLiteral("\"/home/用户/orvane\" --AutoUp");
    }
    void execValueRoundTrips()
    {
        QFETCH(QString, programPath);
        QFETCH(QString, expected);
        const QString exec = AutoStartEntry::execValue(programPath);
        QCOMPARE(exec, expected);
        bool ok = false;
        const QStringList arguments = decodeExec(exec, &ok);
        QVERIFY2(ok, qPrintable(exec));
        QCOMPARE(arguments, QStringList({programPath, QStringLiteral("--AutoUp")}));
    }

    void execValueRefusesWhatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("programPath");
        QTest::newRow("empty") << QString();
        QTest::newRow("newline") << "/tmp/a\nExec=/bin/evil";
        QTest::newRow("carriage return") << "/tmp/a\rb";
        QTest::newRow("tab") << "/tmp/a\tb";
        // No field code may stand inside quotes, "%%" included: the session
        // would refuse the entry, so it would silently never start us.
        QTest::newRow("percent") << "/tmp/100%/orvane";
        // What a path of Latin-1 bytes decodes to: the entry would name
        // another file.
        QTest::newRow("not UTF-8") << QFile::decodeName(QByteArray("/opt/caf\xe9/orvane"));
    }
    void execValueRefusesWhatCannotBeWritten()
    {
        QFETCH(QString, programPath);
        QVERIFY(AutoStartEntry::execValue(programPath).isEmpty());
        QTemporaryDir config;
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), config.path());
        QVERIFY(!entry.install(programPath));
        QVERIFY(!entry.sync(true, programPath));
        QVERIFY(!QFile::exists(entry.filePath()));
    }

    void installWritesAStartableEntry()
    {
        QTemporaryDir config;
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), config.path());
        QCOMPARE(entry.filePath(), config.path() + "/autostart/orvane-keyboard.desktop");
        QVERIFY(!entry.exists());
        const QString program = QStringLiteral("/opt/Orvane Keyboard/orvane-keyboard");
        QVERIFY(entry.install(program));
        const QString text = readAll(entry.filePath());
        QVERIFY(text.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(text.contains(QLatin1String("\nType=Application\n")));
        QVERIFY(text.contains(QLatin1String("\nName=orvane-keyboard\n")));
        QCOMPARE(execLine(text), QStringLiteral("\"/opt/Orvane Keyboard/orvane-keyboard\" --AutoUp"));
        QVERIFY(entry.isInstalledFor(program));
        QVERIFY(!entry.isInstalledFor(QStringLiteral("/usr/bin/orvane-keyboard")));
    }

    // The entry a desktop lists: the program's display name, a line about
    // it and its icon; the desktop's own validator finds nothing to report.
    void describedEntryIsValid()
    {
        QTemporaryDir config;
        const QString icon = config.path() + QStringLiteral("/orvane-keyboard.png");
        writeFile(icon, QStringLiteral("not looked at"));
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), config.path());
        entry.setDescription(QStringLiteral("Orvane Keyboard"), QStringLiteral("Keys\tand\nlights \\ more"), icon);
        const QString program = QStringLiteral("/opt/Orvane Keyboard/orvane-keyboard");
        QVERIFY(entry.install(program));
        const QString text = readAll(entry.filePath());
        QVERIFY(text.contains(QLatin1String("\nName=Orvane Keyboard\n")));
        QVERIFY(text.contains(QLatin1String("\nComment=Keys\\tand\\nlights \\\\ more\n")));
        QVERIFY(text.contains(QStringLiteral("\nIcon=") + icon + QLatin1Char('\n')));
        QVERIFY(entry.isInstalledFor(program));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is not installed (scripts/install-deps)");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {entry.filePath()});
        QVERIFY(validate.waitForFinished(30000));
        const QString report = QString::fromUtf8(validate.readAll());
        QVERIFY2(report.isEmpty(), qPrintable(report));
        QCOMPARE(validate.exitCode(), 0);

        // An entry of an earlier version, without the description, is out of
        // date and gets rewritten.
        AutoStartEntry older(QStringLiteral("orvane-keyboard"), config.path());
        QVERIFY(older.install(program));
        QVERIFY(!entry.isInstalledFor(program));
        QVERIFY(entry.sync(true, program));
        QVERIFY(entry.isInstalledFor(program));
    }

    void defaultFolderIsTheXdgConfigHome()
    {
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"));
        QCOMPARE(entry.filePath(),
                 QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/autostart/orvane-keyboard.desktop");
    }

    // The file as it stands before sync(), what sync() is asked, and whether
    // the file must be rewritten (a hand-made marker line then disappears).
    void syncAgreesWithTheSetting_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("existsAfter");
        QTest::addColumn<bool>("rewritten");
        const QString current
            = "[Desktop Entry]\nType=Application\nName=x\nExec=\"/opt/o/orvane-keyboard\" --AutoUp\nComment=marker\n";
        QTest::newRow("absent, on") << QString() << true << true << true;
        QTest::newRow("absent, off") << QString() << false << false << false;
        QTest::newRow("current, on: untouched") << current << true << true << false;
        QTest::newRow("current, off: removed") << current << false << false << false;
        QTest::newRow("moved program")
            << "[Desktop Entry]\nExec=\"/old/place/orvane-keyboard\" --AutoUp\nComment=marker\n"
            << true << true << true;
        QTest::newRow("unquoted old form") << "[Desktop Entry]\nExec=/opt/o/orvane-keyboard --AutoUp\nComment=marker\n"
                                           << true << true << true;
        QTest::newRow("disabled by the desktop") << current + "Hidden=true\n" << true << true << true;
        QTest::newRow("gnome switch off") << current + "X-GNOME-Autostart-enabled=false\n" << true << true << true;
        QTest::newRow("exec in another group")
            << "[Desktop Action x]\nExec=\"/opt/o/orvane-keyboard\" --AutoUp\nComment=marker\n"
            << true << true << true;
    }
    void syncAgreesWithTheSetting()
    {
        QFETCH(QString, before);
        QFETCH(bool, enabled);
        QFETCH(bool, existsAfter);
        QFETCH(bool, rewritten);
        QTemporaryDir config;
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), config.path());
        if (!before.isNull())
            writeFile(entry.filePath(), before);
        const QString program = QStringLiteral("/opt/o/orvane-keyboard");
        QVERIFY(entry.sync(enabled, program));
        QCOMPARE(entry.exists(), existsAfter);
        if (!existsAfter)
            return;
        const QString after = readAll(entry.filePath());
        QCOMPARE(execLine(after), AutoStartEntry::execValue(program));
        QCOMPARE(after.contains(QLatin1String("Comment=marker")), !rewritten && !before.isNull());
        QVERIFY(entry.isInstalledFor(program));
    }

    void unwritableFolderIsReported()
    {
        QTemporaryDir config;
        // A file where the autostart folder should be.
        writeFile(config.path() + "/autostart", QStringLiteral("not a folder"));
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), config.path());
        QVERIFY(!entry.install(QStringLiteral("/usr/bin/orvane-keyboard")));
        QVERIFY(!entry.sync(true, QStringLiteral("/usr/bin/orvane-keyboard")));
        // Nothing to remove counts as done.
        QVERIFY(entry.sync(false, QStringLiteral("/usr/bin/orvane-keyboard")));
    }
};

ORVANE_TEST_MAIN(tst_AutoStartEntry)
#include "tst_autostartentry.moc"
