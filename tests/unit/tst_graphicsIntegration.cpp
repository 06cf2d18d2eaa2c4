#include "support/TestMain.h"

#include "app/graphicsIntegration.h"

// The program asks Qt for no OpenGL integration unless the user chose one.
class tst_graphicsIntegration : public QObject
{
    Q_OBJECT

    QByteArray m_saved;
    bool m_wasSet = false;

private slots:
    void init()
    {
        m_wasSet = qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
        m_saved = qgetenv("QT_XCB_GL_INTEGRATION");
    }
    void cleanup()
    {
        if (m_wasSet)
            qputenv("QT_XCB_GL_INTEGRATION", m_saved);
        else
            qunsetenv("QT_XCB_GL_INTEGRATION");
    }

    void userChoiceIsKept_data()
    {
        QTest::addColumn<bool>("userSet");
        QTest::addColumn<QByteArray>("userValue");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("not set: none") << false << QByteArray() << QByteArray("none");
        QTest::newRow("GLX chosen") << true << QByteArray("xcb_glx") << QByteArray("xcb_glx");
        QTest::newRow("EGL chosen") << true << QByteArray("xcb_egl") << QByteArray("xcb_egl");
        QTest::newRow("set empty: Qt's default") << true << QByteArray("") << QByteArray("");
    }
    void userChoiceIsKept()
    {
        QFETCH(bool, userSet);
        QFETCH(QByteArray, userValue);
        QFETCH(QByteArray, expected);
        if (userSet)
            qputenv("QT_XCB_GL_INTEGRATION", userValue);
        else
            qunsetenv("QT_XCB_GL_INTEGRATION");
        skipUnusedOpenGl();
        QVERIFY(qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"));
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), expected);
    }
};

ORVANE_TEST_MAIN(tst_graphicsIntegration)
#include "tst_graphicsIntegration.moc"
