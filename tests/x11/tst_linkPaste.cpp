// A key whose stored function is a text, pressed on the simulated keyboard,
// types that text into the focused window: the link looks the key up in the
// profile and the X11 paster puts it on the clipboard and sends Ctrl+V
// through XTest.
#include "support/TestMain.h"

#include "hid/DDeviceKeyboardLink.h"
#include "platform/include/TextPaster.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

class tst_linkPaste : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_profile;
    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
    std::unique_ptr<QLineEdit> m_edit;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        m_profile = QFile::encodeName(m_dir.filePath("layer.xml"));
        QVERIFY(StoreTestSupport::createLayerFile(m_profile, 1));

        m_sim.reset(new SimulatorHarness);
        m_keyboard = m_sim->plug("OV61");
        QVERIFY(m_keyboard);
        const hidStructInfoAll info = m_sim->deviceRecord(m_keyboard);
        m_link.reset(new DDeviceKeyboardLink);
        m_link->openDevice(1, info);
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        m_link->setProfilePath(m_profile);
        m_link->setProfileIndex(1);

        m_edit.reset(new QLineEdit);
        m_edit->setGeometry(100, 100, 400, 40);
        m_edit->show();
        m_edit->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_edit.get()));
        m_edit->setFocus();
    }

    void cleanupTestCase()
    {
        m_edit.reset();
        m_link.reset();
        m_keyboard.reset();
        m_sim.reset();
    }

    void paste_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        const QString mixed = QStringLiteral("Grüße, Привет, 世界 & ok");
        QTest::newRow("text") << QByteArray("6") << QStringLiteral("hello there") << true << QString()
                              << QStringLiteral("hello there");
        QTest::newRow("non-Latin text") << QByteArray("6") << mixed << true << QString() << mixed;
        // An empty paste still replaces the selected text.
        QTest::newRow("empty text") << QByteArray("6") << QString() << true << QStringLiteral("selected") << QString();
        QTest::newRow("release does nothing")
            << QByteArray("6") << QStringLiteral("x") << false << QStringLiteral("kept") << QStringLiteral("kept");
        QTest::newRow("other function") << QByteArray("9") << QStringLiteral("7") << true << QStringLiteral("kept")
                                        << QStringLiteral("kept");
    }

    void paste()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, text);
        QFETCH(bool, pressed);
        QFETCH(QString, before);
        QFETCH(QString, after);

        COrvaneXML_DeleteProFileMacroWithKeyInfoItem(m_profile, "1", "4", "A");
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_profile, "1", "4", "A", type, "0", "0", text.toUtf8()));
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        m_edit->setText(before);
        m_edit->selectAll();

        m_keyboard->sendActionReport(4, pressed);
        if (before == after) {
            QTest::qWait(500);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(m_edit->text(), after, 5000);
        }
        QCOMPARE(m_edit->text(), after);
        const bool pasted = pressed && type == "6";
        QCOMPARE(QGuiApplication::clipboard()->text(), pasted ? text : QStringLiteral("earlier"));
    }
};

ORVANE_TEST_MAIN(tst_linkPaste)
#include "tst_linkPaste.moc"
