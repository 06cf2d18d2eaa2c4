// The live preview on a real X server: a simulated keyboard with a side
// light, Wave on the keys and the side bar, two screenshots a second apart
// kept in the build tree for a person to look at.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LightSettings.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QScreen>

#include <memory>

static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kLightsPage = 1;

// The screen under each widget's centre.
QVector<QRgb> pixelsUnder(const QImage& shot, const QWidget& window, const QList<QWidget*>& widgets)
{
    QVector<QRgb> pixels;
    for (const QWidget* widget : widgets)
        pixels.append(shot.pixel(widget->mapTo(&window, widget->rect().center())));
    return pixels;
}

} // namespace

class tst_lightPreviewScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(linkProgramPictures());
    }

    void waveMovesOverKeysAndSideBar()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M"));
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->resize(1104, 600);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        page->onCurIndexChangedMainPage(kLightsPage);
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        emit lights->sigSelectCurrentLightTypeIndex_KB(2, fastestWaveSetting(0));
        emit lights->sigSelectCurrentLightTypeIndex_Side(2, fastestWaveSetting(1));
        QTest::qWait(500);

        const lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        QList<QWidget*> caps;
        for (const auto& row : engine->keyCapGrid())
            for (keyboardButCustom* cap : row)
                if (cap && cap->isVisible())
                    caps.append(cap);
        QList<QWidget*> segments;
        for (sideLightButtonCustom* segment : engine->sideLightButtons())
            if (segment->isVisible())
                segments.append(segment);
        QVERIFY(!caps.isEmpty());
        QVERIFY(!segments.isEmpty());

        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        const QImage first = page->screen()->grabWindow(page->winId()).toImage();
        QTest::qWait(1000);
        const QImage second = page->screen()->grabWindow(page->winId()).toImage();
        QVERIFY(first.save(dir + QStringLiteral("/light-preview-wave-1.png")));
        QVERIFY(second.save(dir + QStringLiteral("/light-preview-wave-2.png")));

        QVERIFY(pixelsUnder(first, *page, caps) != pixelsUnder(second, *page, caps));
        QVERIFY(pixelsUnder(first, *page, segments) != pixelsUnder(second, *page, segments));
    }
};

ORVANE_TEST_MAIN(tst_lightPreviewScreen)
#include "tst_lightPreviewScreen.moc"
