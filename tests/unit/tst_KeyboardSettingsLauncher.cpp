#include "support/TestMain.h"

#include "platform/include/KeyboardSettingsLauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A stand-in settings program that notes its name and arguments in marker;
// with a `gate`, only once that file exists (or after 30 s).
void writeProgram(const QTemporaryDir& dir, const QString& name, const QString& marker, const QString& gate = QString())
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray script = "#!/bin/sh\nPATH=/usr/bin:/bin\n";
    if (!gate.isEmpty())
        script += "i=0\nwhile [ ! -e '" + QFile::encodeName(gate)
                  + "' ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n";
    script += "echo \"$0 $*\" > '" + QFile::encodeName(marker) + "'\n";
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace

class tst_KeyboardSettingsLauncher : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing installed") << QStringList() << "GNOME" << QString() << QStringList();
        QTest::newRow("GNOME") << QStringList{"gnome-control-center"} << "GNOME"
                               << "gnome-control-center" << QStringList{"keyboard"};
        QTest::newRow("desktop list") << QStringList{"systemsettings", "gnome-control-center"} << "ubuntu:GNOME"
                                      << "gnome-control-center" << QStringList{"keyboard"};
        QTest::newRow("Plasma 5 before other desktops")
            << QStringList{"gnome-control-center", "systemsettings5", "xfce4-keyboard-settings"} << "KDE"
            << "systemsettings5" << QStringList{"kcm_keyboard"};
        QTest::newRow("Xfce") << QStringList{"gnome-control-center", "xfce4-keyboard-settings"} << "XFCE"
                              << "xfce4-keyboard-settings" << QStringList();
        QTest::newRow("Cinnamon") << QStringList{"cinnamon-settings", "mate-keyboard-properties"} << "X-Cinnamon"
                                  << "cinnamon-settings" << QStringList{"keyboard"};
        QTest::newRow("unknown desktop takes the first found")
            << QStringList{"lxinput", "mate-keyboard-properties"} << "Hyprland"
            << "mate-keyboard-properties" << QStringList();
        QTest::newRow("desktop without its program takes another") << QStringList{"lxqt-config-input"} << "GNOME"
                                                                   << "lxqt-config-input" << QStringList();
        QTest::newRow("an unrelated program is not a settings program")
            << QStringList{"keyboard-settings"} << "GNOME" << QString() << QStringList();
    }
    void choice()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, desktop);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        for (const QString& name : installed)
            writeProgram(dir, name, dir.filePath(QStringLiteral("marker")));
        const KeyboardSettingsLauncher launcher({dir.path()}, desktop);
        const KeyboardSettingsLauncher::Command command = launcher.find();
        QCOMPARE(command.isValid(), !program.isEmpty());
        QCOMPARE(launcher.isAvailable(), !program.isEmpty());
        if (program.isEmpty()) {
            QVERIFY(!launcher.launch());
            return;
        }
        QCOMPARE(command.program, dir.filePath(program));
        QCOMPARE(command.arguments, arguments);
    }

    // The settings window stays open as long as the user likes: starting it
    // must return while the program still runs, and the program must go on
    // on its own.
    void launchesDetachedWithoutWaiting()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("marker"));
        const QString gate = dir.filePath(QStringLiteral("gate"));
        writeProgram(dir, QStringLiteral("gnome-control-center"), marker, gate);
        const KeyboardSettingsLauncher launcher({dir.path()}, QStringLiteral("GNOME"));
        QVERIFY(launcher.launch());
        QVERIFY(!QFile::exists(marker));
        QFile open(gate);
        QVERIFY(open.open(QIODevice::WriteOnly));
        open.close();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, 60000);
        QFile file(marker);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(),
                 QFile::encodeName(dir.filePath(QStringLiteral("gnome-control-center"))) + " keyboard");
    }

    void desktopFromEnvironment()
    {
        QTemporaryDir dir;
        writeProgram(dir, QStringLiteral("gnome-control-center"), dir.filePath(QStringLiteral("m")));
        writeProgram(dir, QStringLiteral("xfce4-keyboard-settings"), dir.filePath(QStringLiteral("m")));
        const QByteArray saved = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        const QString chosen = KeyboardSettingsLauncher({dir.path()}).find().program;
        if (saved.isNull())
            qunsetenv("XDG_CURRENT_DESKTOP");
        else
            qputenv("XDG_CURRENT_DESKTOP", saved);
        QCOMPARE(chosen, dir.filePath(QStringLiteral("xfce4-keyboard-settings")));
    }
};

ORVANE_TEST_MAIN(tst_KeyboardSettingsLauncher)
#include "tst_KeyboardSettingsLauncher.moc"
