// End to end under X11 against the simulated keyboard, through the pages:
// a text given to a key on the text page is typed into the focused window
// when the keyboard reports the key, and a program chosen on the
// application-launch page runs when the keyboard reports its key.
#include "support/ApplicationSetUp.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"

#include <QApplication>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <memory>

// No GL integration: nothing here draws with OpenGL.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

class tst_textAndLaunchKeys : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_profile;
    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<DDeviceKeyboardLink> m_link;

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        prepareApplicationTest();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        m_profile = QFile::encodeName(m_dir.filePath("layer.xml"));
        QVERIFY(StoreTestSupport::createLayerFile(m_profile, 1, 1));
        DDataManager* data = DDataManager::getInstance();
        data->setCurrentProfileIndex(1);
        QVERIFY(data->setCurrentProfilePath(m_profile));

        m_sim.reset(new SimulatorHarness);
        m_keyboard = m_sim->plug("OV61");
        QVERIFY(m_keyboard);
        m_link.reset(new DDeviceKeyboardLink);
        m_link->openDevice(1, m_sim->deviceRecord(m_keyboard));
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        m_link->setProfilePath(m_profile);
        m_link->setProfileIndex(1);
    }

    void cleanupTestCase()
    {
        m_link.reset();
        m_keyboard.reset();
        m_sim.reset();
    }

    void textTypedIntoTheFocusedWindow()
    {
        DDataManager::getInstance()->setCurrentKey(4, QStringLiteral("A"));
        DKeyWithTextPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.loadCurrentKeyInfo();
        auto* editor = page.findChild<QTextEdit*>(QStringLiteral("textEdit_keyText"));
        // QTest types ASCII keys only: the other characters come as an
        // input method would hand them over.
        editor->insertPlainText(QStringLiteral("Grüße, мир"));
        QTest::keyClick(editor, Qt::Key_Return);
        editor->insertPlainText(QStringLiteral("世界"));
        QTest::keyClicks(editor, QStringLiteral(" & <ok>"));
        page.findChild<QPushButton*>(QStringLiteral("pushButton_OK"))->click();
        const QString expected = QStringLiteral("Grüße, мир\n世界 & <ok>");
        QCOMPARE(StoreTestSupport::keyEntryOf(m_profile, 4), QStringLiteral("6/1/1/") + expected);

        QPlainTextEdit target;
        target.setGeometry(100, 100, 400, 200);
        target.show();
        target.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&target));
        target.setFocus();
        m_keyboard->sendActionReport(4, true);
        QTRY_COMPARE_WITH_TIMEOUT(target.toPlainText(), expected, 5000);
    }

    void programChosenThenRun()
    {
        const QString marker = m_dir.filePath(QStringLiteral("ran"));
        const QString script = m_dir.filePath(QStringLiteral("Программа mit Ä.sh"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho ran > '" + QFile::encodeName(marker) + "'\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser));

        DDataManager::getInstance()->setCurrentKey(5, QStringLiteral("B"));
        DKeyWithAppPage page;
        page.loadCurrentKeyInfo();
        // Answered once it is up, however long that takes.
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, &page, [&answer, script] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                dialog->selectFile(script);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        answer.start();
        page.findChild<QPushButton*>(QStringLiteral("pushButton_selectAppPath"))->click();
        QCOMPARE(StoreTestSupport::keyEntryOf(m_profile, 5), QStringLiteral("8/1/1/") + script);

        m_keyboard->sendActionReport(5, true);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
    }
};

ORVANE_TEST_MAIN(tst_textAndLaunchKeys)
#include "tst_textAndLaunchKeys.moc"
