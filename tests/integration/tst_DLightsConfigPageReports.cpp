// The lighting page's reports on their way to the simulated keyboard,
// through a real I/O thread: the side effect report and what the keyboard
// answers for it afterwards, the one failure line without an open keyboard,
// and an upload of painted keys carrying their custom colours while the
// preview shows them darker.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "hid/DInputReportReader.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DLinkReports.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <cstring>
#include <memory>

namespace {

constexpr int kTimeoutMs = 20000;
constexpr int kRows = 6;
constexpr int kColumns = 22;

QStringList g_messages;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_messages << text;
}

// The debug lines written while it runs.
QStringList messagesOf(const std::function<void()>& run)
{
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    run();
    qInstallMessageHandler(previous);
    return g_messages;
}

colorInfoData sideRecord(int effect)
{
    // part, effect, brightness, speed, top, bottom, direction, full colour, extra, reserved
    return colorInfoData{1, effect, 2, 5, 10, 20, 30, 40, 50, 60, 3, 1, 7, 0};
}

bool sameRecord(const colorInfoData& a, const colorInfoData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class tst_DLightsConfigPageReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void theSideReportRoundTrips_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("answeredFullColour");
        QTest::newRow("Collision") << 3 << 1;
        // Static shows one colour: the flag goes out, and comes back, cleared.
        QTest::newRow("Static") << 0 << 0;
    }

    void theSideReportRoundTrips()
    {
        QFETCH(int, effect);
        QFETCH(int, answeredFullColour);
        SimulatorHarness sim;
        OpenedKeyboard opened(sim, "OV68M", 0);
        QVERIFY(opened.isOpen());
        DLightsConfigPage page;
        page.setHidInterface(opened.hid());
        const colorInfoData sent = sideRecord(effect);

        const QStringList lines = messagesOf([&] { page.sendSideLightReport(sent); });

        QCOMPARE(lines.filter(QStringLiteral("[Write")), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(opened.keyboard()->receivedCount(0x07), 1, kTimeoutMs);
        QCOMPARE(int(opened.keyboard()->sideLightReport()[5]), 0x0D);
        QCOMPARE(opened.hid()->queueCmdReport(DLinkReports::sideLightConfigInquiry()), 0);
        auto answer = [&opened]() -> const ReportSink::Arrival* {
            for (const ReportSink::Arrival& arrival : opened.sink()->data) {
                if (uint8_t(arrival.bytes[1]) == 0x08)
                    return &arrival;
            }
            return nullptr;
        };
        QTRY_VERIFY_WITH_TIMEOUT(answer(), kTimeoutMs);
        const colorInfoData answered
            = DInputReportReader::readLightConfig(reinterpret_cast<const uchar*>(answer()->bytes.constData()), 1);
        colorInfoData expected = sent;
        expected.fullColor = answeredFullColour;
        QVERIFY(sameRecord(answered, expected));
        // The keys' setting is another record.
        QCOMPARE(opened.keyboard()->receivedCount(0x06), 0);
    }

    // No keyboard, or one whose interface was closed: the report is lost
    // with one line, and the keyboard hears nothing.
    void withoutAnOpenKeyboardOneLine()
    {
        SimulatorHarness sim;
        OpenedKeyboard opened(sim, "OV82", 0);
        QVERIFY(opened.isOpen());
        QVERIFY(opened.close(5000));
        const int before = int(opened.keyboard()->receivedReports().size());
        for (MainHidInterFace* hid : {static_cast<MainHidInterFace*>(nullptr), opened.hid()}) {
            DLightsConfigPage page;
            page.setHidInterface(hid);
            const QStringList lines = messagesOf([&] { page.sendSideLightReport(sideRecord(2)); });
            QCOMPARE(lines, QStringList{QStringLiteral("USB serial port [Write Side Led] Failed ...")});
        }
        QTest::qWait(50);
        QCOMPARE(int(opened.keyboard()->receivedReports().size()), before);
    }

    // The preview is darker than the scheme (the engine dims the LED colours
    // by the brightness); painting still puts the scheme's own colours into
    // the keyboard's slot.
    void paintingUploadsTheCustomColours()
    {
        SimulatorHarness sim;
        std::shared_ptr<SimulatedKeyboard> keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kTimeoutMs);
        QVERIFY(page);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        keyboard->showCustomSlot(1);
        QTRY_COMPARE_WITH_TIMEOUT(lights->usingCustomIndex(), 1, kTimeoutMs);

        QList<keyboardButCustom*> caps;
        for (int cell = 0; cell < kRows * kColumns; ++cell)
            caps << DevicePageProbe(*page).keyCapAt(cell / kColumns, cell % kColumns);
        QVERIFY(!caps.contains(nullptr));
        keyboardButCustom* target = nullptr;
        keyboardButCustom* dimmed = nullptr;
        for (keyboardButCustom* cap : caps) {
            if (cap->keyCode() == 0)
                continue;
            if (!target && cap->lightColorBackup() == QColor(0, 0, 0))
                target = cap;
            else if (!dimmed && cap->lightColorBackup() != QColor(0, 0, 0))
                dimmed = cap;
        }
        QVERIFY(target && dimmed);
        hidDeviceJoinFrame* picture = DevicePageProbe(*page).picture();
        const QPoint corner = target->mapTo(picture, QPoint(0, 0));
        picture->selectKeysInRect(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        QCOMPARE(picture->selectedKeys(), QList<keyboardButCustom*>{target});
        const QColor scheme = dimmed->lightColorBackup();
        dimmed->setLightColor(QColor(scheme.red() / 4, scheme.green() / 4, scheme.blue() / 4));
        QVERIFY(dimmed->lightColor() != scheme);

        QTest::qWait(100);
        const int uploadsBefore = keyboard->lighting().wholeUploads();
        colorInfoData picked{};
        picked.ledType = DLightsConfigPage::kCustomEffect;
        picked.topRed = 10;
        picked.topGreen = 200;
        picked.topBlue = 30;
        emit lights->sigLightConfigHaveChanged_Custom(0, picked);

        QTRY_COMPARE_WITH_TIMEOUT(keyboard->lighting().wholeUploads(), uploadsBefore + 1, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->lighting().customSlot(1)->effect.has_value(), kTimeoutMs);
        std::vector<uint8_t> custom;
        for (const keyboardButCustom* cap : caps) {
            const QColor colour = cap->lightColorBackup();
            custom.insert(custom.end(), {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())});
        }
        const SimulatedLighting lighting = keyboard->lighting();
        QCOMPARE(lighting.brokenUploads(), 0);
        QCOMPARE(lighting.customSlot(1)->colours(), custom);
        const int at = int(caps.indexOf(dimmed)) * 3;
        QCOMPARE(QColor(custom[size_t(at)], custom[size_t(at + 1)], custom[size_t(at + 2)]), scheme);
        QCOMPARE(target->lightColorBackup(), QColor(10, 200, 30));
    }
};

ORVANE_TEST_MAIN(tst_DLightsConfigPageReports)
#include "tst_DLightsConfigPageReports.moc"
