// The on-board download through the real I/O thread against the simulated
// keyboard: what the keyboard stores afterwards equals what the profile
// holds, acknowledgements lost once or for good, write failures, refusals
// and a keyboard that is not there.
#include "support/ReportBytes.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "support/SimulatorHarness.h"

#include <QTemporaryDir>
#include <memory>

using namespace ReportBytes;
using namespace StoreTestSupport;
using Outcome = DOnboardDownload::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

// Keys 4.. with no function of their own, as far as the list goes, after
// the given first entries: plain keys but for the three media keys.
QByteArray keyMap(const QByteArray& first, int keys)
{
    QByteArray out = first;
    for (int i = first.size() / 4; i < keys; ++i) {
        const int usage = 4 + i;
        if (usage == 127)
            out += hex("07 12 00 00");
        else if (usage == 128)
            out += hex("07 10 00 00");
        else if (usage == 129)
            out += hex("07 11 00 00");
        else
            out += hex("00") + char(usage) + hex("00 00");
    }
    return out;
}

QVector<int> usagesFrom4(int keys)
{
    QVector<int> usages;
    for (int i = 0; i < keys; ++i)
        usages << 4 + i;
    return usages;
}

} // namespace

class tst_DOnboardDownload : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
    MainHidInterFace* m_hid = nullptr; // the link's
    std::unique_ptr<DOnboardDownload> m_download;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QByteArray m_seniorPath;
    bool m_magnetic = false;

    QByteArray layerPath(int layer) const
    {
        return QFile::encodeName(m_folder + QLatin1String(DOnboardDownloadPlan::kLayers[layer].fileName));
    }

    // The keyboard as the device page opens it: through its link, whose
    // dispatcher turns the keyboard's 0x19 reports into acknowledgements.
    void openKeyboard(const char* model, bool magnetic)
    {
        m_magnetic = magnetic;
        m_keyboard = m_sim->plug(model);
        QVERIFY(m_keyboard);
        const hidStructInfoAll info = m_sim->deviceRecord(m_keyboard);
        m_link = std::make_unique<DDeviceKeyboardLink>();
        connect(m_link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, m_download.get(),
                &DOnboardDownload::onRuningOnboard0x19Cmd);
        m_link->openDevice(0, info);
        m_hid = m_link->hidInterface();
        QVERIFY(m_hid && m_hid->isOpen());
        m_download->setHidInterface(m_hid);
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        m_keyboard->clearLog();
    }

    void bind(int layer, int usage, const char* type, const char* paramA, const char* paramB, const char* value,
              const char* name = "")
    {
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layerPath(layer).constData(), "1",
                                                          QByteArray::number(usage).constData(), name, type, paramA,
                                                          paramB, value));
    }

    void bindMacro(int layer, const char* index, const QByteArray& usage)
    {
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(layerPath(layer).constData(), "1", keyPress("1", usage, "K"), index,
                                                   "Macro"));
    }

    void addSeniorKey(int index, int type, const QByteArray& key0, const QByteArray& key1, int hold)
    {
        seniorKeyInfoStu r;
        std::memset(&r, 0, sizeof r);
        r.index = index;
        r.type = type;
        setText(r.name, "Adv" + QByteArray::number(index));
        setText(r.key[0], key0);
        setText(r.key[1], key1);
        const int points[4] = {15, 36, 36, 15};
        std::memcpy(r.point, points, sizeof points);
        r.action[0] = 1;
        r.action[3] = 2;
        r.holdDuration = hold;
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_seniorPath.constData(), type, r));
    }

    Outcome download(int keys = 16) { return m_download->run(m_folder, usagesFrom4(keys), m_magnetic, m_seniorPath); }

    QList<QByteArray> received(uint8_t command) const
    {
        return receivedBytesWhere(*m_keyboard, [command](const auto& r) { return r[1] == command; });
    }

    void verifyMacroSlotsCleared(int from)
    {
        for (int slot = from; slot < 10; ++slot)
            QCOMPARE(bytesOf(m_keyboard->macroSlot(slot)), QByteArray(256, '\0'));
    }

    void verifySeniorSlotsCleared(int from)
    {
        for (int slot = from; slot < 40; ++slot)
            QCOMPARE(bytesOf(m_keyboard->advancedKeySlot(slot)), QByteArray(50, '\0'));
    }

private slots:
    void init();
    void cleanup();
    void keyboardHoldsWhatTheProfileHolds();
    void fullKeyListOnAKeyboardWithoutMagneticSwitches();
    void acknowledgementFaults_data();
    void acknowledgementFaults();
    void writeFailures_data();
    void writeFailures();
    void refusedBeforeAnythingIsSent_data();
    void refusedBeforeAnythingIsSent();
    void noCurrentProfileFailsAfterTwoAttempts();
    void noKeyboard();
    void keyboardPulledMidDownload();
    void advancedKeySlotsClearedWhenNoneIsBound();
    void secondStartWhileRunningDoesNothing();
};

void tst_DOnboardDownload::init()
{
    m_sim = std::make_unique<SimulatorHarness>();
    m_download = std::make_unique<DOnboardDownload>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path();
    for (int layer = 0; layer < 2; ++layer) {
        const QByteArray path = layerPath(layer);
        QVERIFY(createLayerFile(path, 1, 1));
    }
    m_seniorPath = QFile::encodeName(m_dir->filePath(QStringLiteral("SeniorKeyConfig.xml")));
    QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(m_seniorPath.constData()));
    QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(m_seniorPath.constData()));
}

void tst_DOnboardDownload::cleanup()
{
    m_link.reset();
    m_hid = nullptr;
    QCoreApplication::sendPostedEvents();
    m_download.reset();
    m_keyboard.reset();
    m_sim.reset();
    m_dir.reset();
}

void tst_DOnboardDownload::keyboardHoldsWhatTheProfileHolds()
{
    openKeyboard("OV68M", true);
    bind(0, 4, "0", "0", "0", "5");
    bind(0, 5, "1", "3", "2", "1");
    bind(0, 6, "1", "1", "4", "2");
    bind(0, 7, "40", "0", "0", "1");
    bind(0, 8, "2", "0", "0", "3,4");
    bind(0, 9, "3", "0", "0", "0");
    bind(1, 4, "1", "1", "1", "1");
    bind(1, 5, "40", "0", "0", "2");
    bind(1, 6, "19", "0", "11", "0,2");
    bindMacro(0, "1", "4");
    bindMacro(0, "2", "5");
    bindMacro(1, "1", "6"); // the FN layer's own copy of macro 1
    addSeniorKey(1, 1, "4", "", 10);
    addSeniorKey(2, 2, "4", "5", 200);

    QCOMPARE(download(), Outcome::Successful);
    QCOMPARE(m_download->message(), QStringLiteral("Download config successful"));
    QCOMPARE(m_download->attemptsMade(), 1);

    QCOMPARE(bytesOf(m_keyboard->keyMap(0)).toHex(' '),
             keyMap(hex("00 05 00 00 10 05 00 00 10 06 01 00 17 00 00 00 13 E0 E1 04 07 10 00 00"), 16).toHex(' '));
    QCOMPARE(bytesOf(m_keyboard->keyMap(2)).toHex(' '),
             keyMap(hex("10 04 02 00 17 01 00 00 11 0B 00 02"), 16).toHex(' '));

    // Three macro keys fill slots 0 to 2 (header, then the stream); the
    // rest are cleared.
    QCOMPARE(bytesOf(m_keyboard->macroSlot(0)).toHex(' '),
             padded(hex("00 01 00 08 00 03 00 00 04 10 00 19 04 00 00 00"), 256).toHex(' '));
    QCOMPARE(bytesOf(m_keyboard->macroSlot(1)).toHex(' '),
             padded(hex("00 03 00 08 00 01 00 00 05 10 00 19 05 00 00 00"), 256).toHex(' '));
    QCOMPARE(bytesOf(m_keyboard->macroSlot(2)).toHex(' '),
             padded(hex("00 00 00 08 00 01 00 00 06 10 00 19 06 00 00 00"), 256).toHex(' '));
    verifyMacroSlotsCleared(3);

    QCOMPARE(bytesOf(m_keyboard->advancedKeySlot(0)).toHex(' '),
             padded(hex("01 0F 24 24 0F 00 04 00 00 01 00 00 02"), 50).toHex(' '));
    QCOMPARE(bytesOf(m_keyboard->advancedKeySlot(1)).toHex(' '),
             padded(hex("02 00 04 00 00 00 05 00 00 14"), 50).toHex(' '));
    verifySeniorSlotsCleared(2);

    // Every report once: nothing was resent.
    QCOMPARE(received(0x17).size(), 4);
    QCOMPARE(received(0x18).size(), 50);
    QCOMPARE(received(0x2A).size(), 40);
}

void tst_DOnboardDownload::fullKeyListOnAKeyboardWithoutMagneticSwitches()
{
    openKeyboard("OV68", false);
    QCOMPARE(download(132), Outcome::Successful);
    // A keyboard without magnetic switches has no advanced-key slots to
    // clear, so none of their reports (nor the pause before them) is sent.
    QCOMPARE(received(0x2A).size(), 0);
    const QList<QByteArray> packets = received(0x17);
    QCOMPARE(packets.size(), 20);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(int(uint8_t(packets[i][2])), i < 10 ? 0 : 2);
        QCOMPARE(int(uint8_t(packets[i][4])), i % 10);
        QCOMPARE(int(uint8_t(packets[i][5])), i % 10 == 9 ? 24 : 56);
    }
    QCOMPARE(bytesOf(m_keyboard->keyMap(0)).toHex(' '), keyMap({}, 132).toHex(' '));
    QCOMPARE(bytesOf(m_keyboard->keyMap(2)).toHex(' '), keyMap({}, 132).toHex(' '));
    QCOMPARE(received(0x2A).size(), 0);
    verifyMacroSlotsCleared(0);
}

void tst_DOnboardDownload::acknowledgementFaults_data()
{
    QTest::addColumn<int>("dropFrom"); // the n-th acknowledgement from the start
    QTest::addColumn<int>("dropCount"); // and how many in a row; -1: none at all
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("macroReports");

    QTest::newRow("every report acknowledged") << 0 << 0 << Outcome::Successful << 1 << 50;
    QTest::newRow("one lost acknowledgement is resent") << 7 << 1 << Outcome::Successful << 1 << 51;
    QTest::newRow("seventh report never acknowledged, second attempt")
        << 7 << 4 << Outcome::Successful << 2 << 6 + 4 + 50;
    QTest::newRow("last report never acknowledged, second attempt")
        << 50 << 4 << Outcome::Successful << 2 << 49 + 4 + 50;
    QTest::newRow("no acknowledgement at all") << 1 << -1 << Outcome::Failed << 2 << 8;
}

void tst_DOnboardDownload::acknowledgementFaults()
{
    QFETCH(int, dropFrom);
    QFETCH(int, dropCount);
    QFETCH(Outcome, outcome);
    QFETCH(int, attempts);
    QFETCH(int, macroReports);

    openKeyboard("OV68M", true);
    if (dropCount < 0)
        m_keyboard->setSilentCommand(0x18, true);
    else
        m_keyboard->dropAcknowledgements(dropFrom, dropCount);

    QCOMPARE(download(), outcome);
    QCOMPARE(m_download->attemptsMade(), attempts);
    QCOMPARE(m_download->message(), outcome == Outcome::Successful
                                        ? QStringLiteral("Download config successful")
                                        : QStringLiteral("Download config failed, Please try again"));
    const QList<QByteArray> macros = received(0x18);
    QCOMPARE(macros.size(), macroReports);
    // Each attempt starts again from the Default layer's first packet.
    QCOMPARE(received(0x17).size(), 4 * attempts);
    QCOMPARE(received(0x2A).size(), 40 * attempts);
    if (dropCount > 0) {
        // The report whose acknowledgement went missing is what is resent,
        // at most three times.
        for (int i = dropFrom; i < dropFrom + std::min(dropCount, 3); ++i)
            QCOMPARE(macros[i], macros[dropFrom - 1]);
    }
    if (outcome == Outcome::Successful) {
        QCOMPARE(bytesOf(m_keyboard->keyMap(0)), keyMap({}, 16));
        verifyMacroSlotsCleared(0);
        verifySeniorSlotsCleared(0);
    } else {
        // Only the first macro report went out, four times per attempt.
        for (const QByteArray& r : macros)
            QCOMPARE(r, macros.front());
    }
}

void tst_DOnboardDownload::writeFailures_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("count"); // -1: every write of that command fails
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("attempts");

    // The keyboard acknowledges every macro report it got; the key maps it
    // never got still make the download fail.
    QTest::newRow("every key-map write fails") << 0x17 << -1 << Outcome::Failed << 2;
    QTest::newRow("every advanced-key write fails") << 0x2A << -1 << Outcome::Failed << 2;
    QTest::newRow("one key-map write fails") << 0x17 << 1 << Outcome::Successful << 2;
    QTest::newRow("one advanced-key write fails") << 0x2A << 1 << Outcome::Successful << 2;
    QTest::newRow("one macro write fails") << 0x18 << 1 << Outcome::Successful << 2;
    QTest::newRow("every macro write fails") << 0x18 << -1 << Outcome::Failed << 2;
}

void tst_DOnboardDownload::writeFailures()
{
    QFETCH(int, command);
    QFETCH(int, count);
    QFETCH(Outcome, outcome);
    QFETCH(int, attempts);

    openKeyboard("OV68M", true);
    m_keyboard->failCommandWrites(uint8_t(command), count);
    const int failuresBefore = m_hid->writeFailureCount();
    QCOMPARE(download(), outcome);
    QCOMPARE(m_download->attemptsMade(), attempts);
    QVERIFY(m_hid->writeFailureCount() > failuresBefore);
    if (outcome == Outcome::Successful) {
        // The second attempt wrote everything.
        QCOMPARE(bytesOf(m_keyboard->keyMap(0)), keyMap({}, 16));
        QCOMPARE(bytesOf(m_keyboard->keyMap(2)), keyMap({}, 16));
        verifyMacroSlotsCleared(0);
        verifySeniorSlotsCleared(0);
    }
}

void tst_DOnboardDownload::refusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<int>("seniorKeys");
    QTest::addColumn<QString>("combination");
    QTest::addColumn<QString>("message");

    QTest::newRow("eleven macro keys") << 11 << 0 << ""
                                       << "11 keys are bound to macros, but the keyboard holds 10. Nothing was sent.";
    QTest::newRow("41 advanced keys")
        << 0 << 41 << ""
        << "41 keys are bound to advanced keys, but the keyboard holds 40. Nothing was sent.";
    QTest::newRow("three modifiers")
        << 0 << 0 << "7,4"
        << "The key combination on key Tab holds more than two modifier keys, which the keyboard cannot store. "
           "Nothing was sent.";
}

void tst_DOnboardDownload::refusedBeforeAnythingIsSent()
{
    QFETCH(int, macroKeys);
    QFETCH(int, seniorKeys);
    QFETCH(QString, combination);
    QFETCH(QString, message);

    openKeyboard("OV68M", true);
    for (int i = 0; i < macroKeys; ++i)
        bind(i % 2, 4 + i / 2, "1", "1", "1", "1");
    bindMacro(0, "1", "4");
    bindMacro(1, "1", "4");
    addSeniorKey(1, 3, "4", "", 10);
    for (int i = 0; i < seniorKeys; ++i)
        bind(i % 2, 10 + i / 2, "40", "0", "0", "1");
    if (!combination.isEmpty())
        bind(1, 43, "2", "0", "0", qPrintable(combination), "Tab");

    QCOMPARE(m_download->run(m_folder, usagesFrom4(40), true, m_seniorPath), Outcome::Refused);
    QCOMPARE(m_download->message(), message);
    QCOMPARE(m_download->attemptsMade(), 1);
    QCOMPARE(received(0x17).size() + received(0x18).size() + received(0x2A).size(), 0);
}

void tst_DOnboardDownload::noCurrentProfileFailsAfterTwoAttempts()
{
    openKeyboard("OV68M", true);
    QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(layerPath(1).constData(), -1));
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_download->attemptsMade(), 2);
    QCOMPARE(m_download->message(), QStringLiteral("Download config failed, Please try again"));
    QCOMPARE(received(0x17).size() + received(0x18).size() + received(0x2A).size(), 0);
}

void tst_DOnboardDownload::noKeyboard()
{
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_download->attemptsMade(), 2);

    // An interface that was closed refuses every report.
    openKeyboard("OV68M", true);
    m_hid->closeDevice();
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(received(0x17).size() + received(0x18).size() + received(0x2A).size(), 0);
}

void tst_DOnboardDownload::keyboardPulledMidDownload()
{
    openKeyboard("OV68M", true);
    bind(0, 4, "1", "1", "1", "1");
    bindMacro(0, "1", "4");
    m_keyboard->unplugAfterWrites(3);
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_download->message(), QStringLiteral("Download config failed, Please try again"));
}

void tst_DOnboardDownload::advancedKeySlotsClearedWhenNoneIsBound()
{
    openKeyboard("OV68M", true);
    addSeniorKey(1, 3, "4", "", 10);
    bind(0, 4, "40", "0", "0", "1");
    QCOMPARE(download(), Outcome::Successful);
    QCOMPARE(bytesOf(m_keyboard->advancedKeySlot(0)).toHex(' '), padded(hex("03 00 04 00 00"), 50).toHex(' '));

    QVERIFY(COrvaneXML_DeleteProFileMacroWithKeyInfoItem(layerPath(0).constData(), "1", "4", ""));
    m_keyboard->clearLog();
    QCOMPARE(download(), Outcome::Successful);
    const QList<QByteArray> seniorKeys = received(0x2A);
    QCOMPARE(seniorKeys.size(), 40);
    for (int i = 0; i < 40; ++i)
        QCOMPARE(int(uint8_t(seniorKeys[i][2])), i);
    verifySeniorSlotsCleared(0);
}

void tst_DOnboardDownload::secondStartWhileRunningDoesNothing()
{
    openKeyboard("OV68M", true);
    Outcome inner = Outcome::Successful;
    // Runs inside the first acknowledgement wait.
    QTimer::singleShot(0, m_download.get(), [&] { inner = download(); });
    QCOMPARE(download(), Outcome::Successful);
    QCOMPARE(inner, Outcome::Busy);
    QCOMPARE(received(0x18).size(), 50);
    QVERIFY(!m_download->isRunning());
}

ORVANE_TEST_MAIN(tst_DOnboardDownload)
#include "tst_DOnboardDownload.moc"
