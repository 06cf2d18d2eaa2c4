#include "support/TestMain.h"

#include "devices/DDeviceLibraryStartup.h"
#include "devices/DVendorUpgradeLibrary.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/include/orvanesdk_hid.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstring>

namespace {

// Each call is logged by name and then made on the real library.
struct WatchedCalls
{
    QStringList log;
    int hidResult = -1; // -1: the library's own answer
    DDeviceLibraryStartup::Calls calls;

    WatchedCalls()
    {
        const DDeviceLibraryStartup::Calls real;
        calls.versionStr = [this, real](char* b) {
            log << "version";
            return real.versionStr(b);
        };
        calls.xmlInit = [this, real] {
            log << "xmlInit";
            return real.xmlInit();
        };
        calls.hidInit = [this, real] {
            log << "hidInit";
            const int r = real.hidInit();
            return hidResult < 0 ? r : hidResult;
        };
        calls.lightInit = [this, real] {
            log << "lightInit";
            return real.lightInit();
        };
        calls.createMacroFile = [this, real](const char* p) {
            log << "createMacro";
            return real.createMacroFile(p);
        };
        calls.createSeniorKeyFile = [this, real](const char* p) {
            log << "createSeniorKey";
            return real.createSeniorKeyFile(p);
        };
        calls.createSeniorKeyParentNode = [this, real](const char* p) {
            log << "createSeniorKeyParent";
            return real.createSeniorKeyParentNode(p);
        };
        calls.getSupportInfoList = [this, real](std::list<hidSupportInfo>* l) {
            log << "supportList";
            real.getSupportInfoList(l);
        };
        calls.loadUpgradeLibrary = [this] {
            log << "upgradeLibrary";
            return DVendorUpgradeLibrary::load();
        };
    }
};

class NoHidTransport : public HidTransport
{
public:
    bool initialise() override { return false; }
    std::vector<HidDeviceEntry> enumerate() override { return {}; }
    std::unique_ptr<HidConnection> open(const std::string&) override { return nullptr; }
};

const QString kFailureLine = QString::fromLatin1(DVendorUpgradeLibrary::kFailureLine);

} // namespace

class tst_DeviceLibraryStartup : public QObject
{
    Q_OBJECT

private slots:
    void freshFolderCreatesBothFilesInOrder()
    {
        QTemporaryDir dir;
        WatchedCalls watched;
        const DDeviceLibraryStartup::Result r = DDeviceLibraryStartup::run(dir.path(), watched.calls);
        QCOMPARE(watched.log,
                 (QStringList{"version", "xmlInit", "hidInit", "lightInit", "createMacro", "createSeniorKey",
                              "createSeniorKeyParent", "supportList", "upgradeLibrary"}));
        QVERIFY(r.started);
        QVERIFY(r.versionText.startsWith(QLatin1String("OrvaneSDK")));
        QCOMPARE(QString::fromLocal8Bit(r.macroFilePath.data()), dir.path() + "/appMacro.xml");
        QCOMPARE(QString::fromLocal8Bit(r.seniorKeyFilePath.data()), dir.path() + "/SeniorKeyConfig.xml");
        QVERIFY(QFile::exists(dir.path() + "/appMacro.xml"));
        QVERIFY(QFile::exists(dir.path() + "/SeniorKeyConfig.xml"));
        QVERIFY(r.supportList);
        std::list<hidSupportInfo> expected;
        COrvaneHid_GetSupportInfoList(&expected);
        QCOMPARE(r.supportList->size(), expected.size());
        QVERIFY(!r.supportList->empty());
        QVERIFY(r.upgradeEntryPoints.complete());
    }

    void presentFilesAreNotCreatedAgain_data()
    {
        QTest::addColumn<bool>("macroPresent");
        QTest::addColumn<bool>("seniorPresent");
        QTest::addColumn<QStringList>("creations");
        QTest::newRow("both present") << true << true << QStringList{};
        QTest::newRow("advanced-key file missing")
            << true << false << QStringList{"createSeniorKey", "createSeniorKeyParent"};
        QTest::newRow("macro file missing") << false << true << QStringList{"createMacro"};
    }
    void presentFilesAreNotCreatedAgain()
    {
        QFETCH(bool, macroPresent);
        QFETCH(bool, seniorPresent);
        QFETCH(QStringList, creations);
        QTemporaryDir dir;
        {
            WatchedCalls first;
            DDeviceLibraryStartup::run(dir.path(), first.calls);
        }
        const QByteArray macroBefore = [&] {
            QFile f(dir.path() + "/appMacro.xml");
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        if (!macroPresent)
            QVERIFY(QFile::remove(dir.path() + "/appMacro.xml"));
        if (!seniorPresent)
            QVERIFY(QFile::remove(dir.path() + "/SeniorKeyConfig.xml"));
        WatchedCalls watched;
        DDeviceLibraryStartup::run(dir.path(), watched.calls);
        QStringList made;
        for (const QString& c : watched.log) {
            if (c.startsWith(QLatin1String("create")))
                made << c;
        }
        QCOMPARE(made, creations);
        QVERIFY(QFile::exists(dir.path() + "/appMacro.xml"));
        QVERIFY(QFile::exists(dir.path() + "/SeniorKeyConfig.xml"));
        if (macroPresent) {
            QFile f(dir.path() + "/appMacro.xml");
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), macroBefore);
        }
    }

    // Every initialiser runs even when an earlier one failed; then nothing
    // else happens.
    void oneInitialiserFailing()
    {
        QTemporaryDir dir;
        WatchedCalls watched;
        watched.hidResult = 1;
        const DDeviceLibraryStartup::Result r = DDeviceLibraryStartup::run(dir.path(), watched.calls);
        QCOMPARE(watched.log, (QStringList{"version", "xmlInit", "hidInit", "lightInit"}));
        QVERIFY(!r.started);
        QVERIFY(!r.supportList);
        QCOMPARE(r.macroFilePath[0], '\0');
        QCOMPARE(r.seniorKeyFilePath[0], '\0');
        QVERIFY(!r.versionText.isEmpty());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    // The real HID initialiser fails when its transport cannot work at all.
    void hidSubsystemMissing()
    {
        HidTransportRegistry::install(std::make_shared<NoHidTransport>());
        QTemporaryDir dir;
        const DDeviceLibraryStartup::Result r = DDeviceLibraryStartup::run(dir.path());
        HidTransportRegistry::install(nullptr);
        QVERIFY(!r.started);
        QVERIFY(!r.supportList);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void pathsThatDoNotFitAreRefused()
    {
        QTemporaryDir dir;
        // 256 bytes with the file name: one too many for the field.
        QString folder = dir.path() + QLatin1Char('/');
        folder += QString(256 - folder.size() - int(std::strlen("/appMacro.xml")), QLatin1Char('m'));
        QCOMPARE(QFile::encodeName(folder + "/appMacro.xml").size(), 256);
        QVERIFY(QDir().mkpath(folder));
        WatchedCalls watched;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Macro file path does not fit"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Advanced-key file path does not fit"));
        const DDeviceLibraryStartup::Result r = DDeviceLibraryStartup::run(folder, watched.calls);
        QVERIFY(r.started);
        QCOMPARE(r.macroFilePath[0], '\0');
        QCOMPARE(r.seniorKeyFilePath[0], '\0');
        QVERIFY(!watched.log.contains("createMacro"));
        QVERIFY(!watched.log.contains("createSeniorKey"));
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
        QVERIFY(r.supportList);

        DDeviceLibraryStartup::PathField field;
        const QString fits = QString(255, QLatin1Char('x'));
        QVERIFY(DDeviceLibraryStartup::fillPathField(fits, &field));
        QCOMPARE(field[254], 'x');
        QCOMPARE(field[255], '\0');
        QVERIFY(!DDeviceLibraryStartup::fillPathField(fits + "x", &field));
        QCOMPARE(field[0], '\0');
    }

    // All five come from the linked-in firmware layer, so start-up logs no
    // failure line.
    void upgradeEntryPointsAreTheFirmwareLayers()
    {
        static bool failureLogged = false;
        failureLogged = false;
        QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                  failureLogged = failureLogged || text.contains(kFailureLine);
              });
        const DVendorUpgradeLibrary::EntryPoints e = DVendorUpgradeLibrary::load();
        qInstallMessageHandler(previous);
        QVERIFY(!failureLogged);
        QVERIFY(e.loadUfwData == reinterpret_cast<QFunctionPointer>(&JL_loadUfwData));
        QVERIFY(e.getUfwCrc == reinterpret_cast<QFunctionPointer>(&JL_getUfwCrc));
        QVERIFY(e.getUfwPidVid == reinterpret_cast<QFunctionPointer>(&JL_getUfwPidVid));
        QVERIFY(e.upgradeDevice == reinterpret_cast<QFunctionPointer>(&JL_upgradeDevice));
        QVERIFY(e.queryDevicePidVid == reinterpret_cast<QFunctionPointer>(&JL_queryDevicePidVid));
        QVERIFY(e.complete());
    }
};

ORVANE_TEST_MAIN(tst_DeviceLibraryStartup)
#include "tst_DeviceLibraryStartup.moc"
