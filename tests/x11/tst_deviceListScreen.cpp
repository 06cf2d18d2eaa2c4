#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QDir>
#include <QFrame>
#include <QScreen>
#include <QSignalSpy>

static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The program's window on a real X server with a cable keyboard and one
// behind its receiver: both are listed, the cable one first and selected.
// The screenshot is kept in the build tree for a person to look at.
class tst_deviceListScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(linkProgramPictures()); }

    void bothKeyboardsListedFirstSelected()
    {
        SimulatorHarness sim;
        auto cable = sim.plug("OV68M");
        auto receiver = sim.plug("OV84W", true);
        // Like a real one, the receiver reports its keyboard with the handshake.
        receiver->setStateOnHandshake(true);

        DMainWidget window(sim.newDeviceChangeSource());
        // Watched before the window is shown: on a busy machine the list can
        // finish loading while the window is still being exposed.
        DDevicePage* page = window.devicePage();
        QSignalSpy loaded(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        window.resize(1280, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(loaded.count() > 0 || loaded.wait(20000));
        DDeviceListItem* cableRow = DevicePageProbe(*page).rowOf(QString::fromStdString(sim.pathOf(cable)));
        DDeviceListItem* receiverRow = DevicePageProbe(*page).rowOf(QString::fromStdString(sim.pathOf(receiver)));
        QVERIFY(cableRow && receiverRow);
        QTRY_VERIFY_WITH_TIMEOUT(receiverRow->isVisible(), 20000);
        QVERIFY(cableRow->isVisible());
        QVERIFY(cableRow->y() < receiverRow->y());
        QCOMPARE(DevicePageProbe(*page).selectedRow(), cableRow);
        QTest::qWait(300);

        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/device-list.png")));

        // On screen, the selected row's picture has the accent border and
        // the other's has none.
        const QColor accent = DThemeColor::fromText(DDataManager::getInstance()->themeColors().textCheckedColor);
        auto borderPixel = [&](DDeviceListItem* row) {
            auto* frame = row->findChild<QFrame*>(QStringLiteral("frame_DeviceImageBg"));
            const QPoint at = frame->mapTo(&window, QPoint(0, frame->height() / 2)) * shot.devicePixelRatio();
            return QColor(shot.pixel(at));
        };
        QCOMPARE(borderPixel(cableRow).rgb(), accent.rgb());
        QVERIFY(borderPixel(receiverRow).rgb() != accent.rgb());
    }
};

ORVANE_TEST_MAIN(tst_deviceListScreen)
#include "tst_deviceListScreen.moc"
