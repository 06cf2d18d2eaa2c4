// The music effect on a real X server, on the device page of a simulated
// keyboard, with a PulseAudio server of the test's own playing a chord into
// its default output: choosing Musical Rhythm starts the capture and the
// preview shows bars, in the default palette and, with full colour off, in
// the top colour; screenshots of both are kept in the build tree for a
// person to look at. Another effect stops the capture and blanks the
// preview. Skipped where the server's programs are missing.
#include "platform/include/SoundLoopback.h"
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LightSettings.h"
#include "support/LoadedDevicePage.h"
#include "support/PrivateSoundServer.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QScreen>

#include <memory>

static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {
constexpr int kLoadTimeoutMs = 20000;
constexpr int kLightsPage = 1;
constexpr int kMusicEffect = 100;
constexpr int kRows = DKeyGrid::kRows;
constexpr int kColumns = DKeyGrid::kColumns;

colorInfoData musicSetting(bool fullColour)
{
    colorInfoData info = fastestWaveSetting(0);
    info.ledType = kMusicEffect;
    info.fullColor = fullColour ? 1 : 0;
    return info;
}

// Bars stand in the preview: some bottom-row key lit, and in more than one
// colour when full colour is on.
bool barsShown(const lightDealMain& engine, bool fullColour)
{
    QSet<QRgb> colours;
    for (int column = 0; column < kColumns; ++column) {
        const QColor colour = engine.keyColor((kRows - 1) * kColumns + column);
        if (colour.alpha() > 0 && colour != QColor(0, 0, 0, 128))
            colours.insert(colour.rgb());
    }
    return fullColour ? colours.size() >= 2 : !colours.isEmpty();
}
} // namespace

class tst_musicBarsScreen : public QObject
{
    Q_OBJECT

    static QVector<QColor> keyColours(const lightDealMain& engine)
    {
        QVector<QColor> colours;
        for (int key = 0; key < kRows * kColumns; ++key)
            colours.append(engine.keyColor(key));
        return colours;
    }

private slots:
    void initTestCase()
    {
        const QString missing = PrivateSoundServer::missingPrograms();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("not installed: ") + missing));
        prepareApplicationTest();
        QVERIFY(linkProgramPictures());
        m_server = std::make_unique<PrivateSoundServer>();
        QVERIFY2(m_server->start(), qPrintable(m_server->log()));
        SoundLoopback::install(nullptr);
        // A chord over the bands: 110, 277, 330 and 659 Hz.
        QVERIFY(m_server->playTones(QStringLiteral("first"), {{110.0, 0.2}, {277.2, 0.15}, {329.6, 0.15}, {659.3, 0.1}},
                                    120));
    }

    void cleanupTestCase()
    {
        m_server.reset();
        SoundLoopback::install(nullptr);
    }

    void barsFollowTheChord()
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
        const lightDealMain* engine = DevicePageProbe(*page).lightingEngine();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);

        for (bool fullColour : {true, false}) {
            emit lights->sigSelectCurrentLightTypeIndex_KB(kMusicEffect, musicSetting(fullColour));
            QVERIFY(engine->isMusicCaptureRunning());
            QTRY_VERIFY_WITH_TIMEOUT(barsShown(*engine, fullColour), 20000);
            QTest::qWait(300);
            const QImage shot = page->screen()->grabWindow(page->winId()).toImage();
            const QString name
                = fullColour ? QStringLiteral("music-bars-palette.png") : QStringLiteral("music-bars-top-colour.png");
            QVERIFY(shot.save(dir + QLatin1Char('/') + name));
        }

        // Another effect stops the capture, and its first frame takes the
        // keys' place at once: no bar stays, blanked or not, and the frames
        // move on.
        const QVector<QColor> bars = keyColours(*engine);
        emit lights->sigSelectCurrentLightTypeIndex_KB(2, fastestWaveSetting(0));
        QVERIFY(!engine->isMusicCaptureRunning());
        const QVector<QColor> first = keyColours(*engine);
        QVERIFY(first != bars);
        QVERIFY(first != QVector<QColor>(kRows * kColumns, QColor(0, 0, 0, 128)));
        QTRY_VERIFY_WITH_TIMEOUT(keyColours(*engine) != first, 20000);
    }

private:
    std::unique_ptr<PrivateSoundServer> m_server;
};

ORVANE_TEST_MAIN(tst_musicBarsScreen)
#include "tst_musicBarsScreen.moc"
