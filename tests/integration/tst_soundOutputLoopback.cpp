// The loopback capture against a PulseAudio server of the test's own: a
// tone in the default sink reaches its band through the engine, a new
// default output is followed, and a stop returns within its bound while the
// server is stalled. Skipped where the server's programs are missing.
#include "platform/include/SoundLoopback.h"
#include "support/MusicEngine.h"
#include "support/PrivateSoundServer.h"
#include "support/TestMain.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <memory>

using namespace MusicEngine;

namespace {
constexpr int kWaitMs = 15000;

// Bands at level 4 or more: only `band`.
bool onlyBandLit(const lightDealMain& engine, int band)
{
    for (int b = 0; b < kBands; ++b) {
        if ((bandLevels(engine)[b] >= 4) != (b == band))
            return false;
    }
    return true;
}
} // namespace

class tst_soundOutputLoopback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString missing = PrivateSoundServer::missingPrograms();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("not installed: ") + missing));
        m_server = std::make_unique<PrivateSoundServer>();
        QVERIFY2(m_server->start(), qPrintable(m_server->log()));
        // The platform's own loopback, on the private server.
        SoundLoopback::install(nullptr);
    }

    void cleanupTestCase()
    {
        m_server.reset();
        SoundLoopback::install(nullptr);
    }

    void followsTheDefaultOutput()
    {
        lightDealMain engine;
        setUp(engine);
        QVERIFY(m_server->playTones(QStringLiteral("first"), {{binFrequency(44), 0.25}}));
        engine.setKeyboardColorInfo(setting());
        QVERIFY(engine.isMusicCaptureRunning());
        QTRY_VERIFY_WITH_TIMEOUT(onlyBandLit(engine, 5), kWaitMs);
        QCOMPARE(bandLevels(engine)[5], 5);

        // The other sink becomes the default and plays another band.
        m_server->stopTones();
        QVERIFY(m_server->playTones(QStringLiteral("second"), {{binFrequency(14), 0.25}}));
        QVERIFY(m_server->setDefaultSink(QStringLiteral("second")));
        QTRY_VERIFY_WITH_TIMEOUT(onlyBandLit(engine, 1), kWaitMs);
        QVERIFY(engine.isMusicCaptureRunning());
        m_server->stopTones();
        engine.setKeyboardColorInfo(setting(2));
        QVERIFY(!engine.isMusicCaptureRunning());
    }

    // Without a server the start fails at once or tells its failure soon
    // after; either way the source ends stopped.
    void startWithoutServer()
    {
        const QByteArray address = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/native");
        std::unique_ptr<SoundLoopbackSource> source(SoundLoopback::current()->createSource(nullptr));
        QSignalSpy failed(source.get(), &SoundLoopbackSource::failed);
        if (source->start() == 0)
            QVERIFY(failed.wait(kWaitMs));
        QVERIFY(!source->isRunning());
        qputenv("PULSE_SERVER", address);
    }

    // Choosing the effect while the server is stalled does not wait for it:
    // the capture is being set up when the call returns, and it runs once
    // the server goes on.
    void startWhileTheServerIsStalled()
    {
        lightDealMain engine;
        setUp(engine);
        QVERIFY(m_server->playTones(QStringLiteral("first"), {{binFrequency(44), 0.25}}));
        QVERIFY(m_server->setDefaultSink(QStringLiteral("first")));
        m_server->pause();
        engine.setKeyboardColorInfo(setting());
        QVERIFY(engine.isMusicCaptureRunning());
        m_server->resume();
        QTRY_VERIFY_WITH_TIMEOUT(onlyBandLit(engine, 5), kWaitMs);
        m_server->stopTones();
        engine.setKeyboardColorInfo(setting(2));
    }

    // The server dies and a new one comes up at the same address while the
    // effect stays chosen: the bars drop, and follow the new server's sound.
    void followsARestartedServer()
    {
        lightDealMain engine;
        setUp(engine);
        QVERIFY(m_server->playTones(QStringLiteral("first"), {{binFrequency(44), 0.25}}));
        engine.setKeyboardColorInfo(setting());
        QTRY_VERIFY_WITH_TIMEOUT(onlyBandLit(engine, 5), kWaitMs);

        m_server->kill();
        QTRY_VERIFY_WITH_TIMEOUT(bandLevels(engine)[5] == 0, kWaitMs);
        QVERIFY(engine.isMusicRunning());

        QVERIFY2(m_server->start(), qPrintable(m_server->log()));
        QVERIFY(m_server->playTones(QStringLiteral("first"), {{binFrequency(14), 0.25}}));
        QTRY_VERIFY_WITH_TIMEOUT(onlyBandLit(engine, 1), kWaitMs);
        QVERIFY(engine.isMusicCaptureRunning());
        m_server->stopTones();
        engine.setKeyboardColorInfo(setting(2));
        QVERIFY(!engine.isMusicCaptureRunning());
    }

    // A stalled server does not hold up a stop; nothing arrives after it.
    void stopWhileTheServerIsStalled()
    {
        QVERIFY(m_server->setDefaultSink(QStringLiteral("second")));
        std::unique_ptr<SoundLoopbackSource> source(SoundLoopback::current()->createSource(nullptr));
        int packets = 0;
        connect(source.get(), &SoundLoopbackSource::packetCaptured, this, [&packets](const QByteArray& bytes) {
            QVERIFY(bytes.size() > 0);
            QCOMPARE(bytes.size() % 4, 0);
            ++packets;
        });
        QCOMPARE(source->start(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(source->defaultOutputName(), QStringLiteral("second"), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(packets > 10, kWaitMs);
        m_server->pause();
        QElapsedTimer clock;
        clock.start();
        source->stop();
        const qint64 elapsed = clock.elapsed();
        m_server->resume();
        QVERIFY2(elapsed < SoundLoopbackSource::kStopBoundMs, qPrintable(QString::number(elapsed)));
        QVERIFY(!source->isRunning());
        QCoreApplication::processEvents();
        const int afterStop = packets;
        QTest::qWait(300);
        QCOMPARE(packets, afterStop);
    }

private:
    std::unique_ptr<PrivateSoundServer> m_server;
};

ORVANE_TEST_MAIN(tst_soundOutputLoopback)
#include "tst_soundOutputLoopback.moc"
