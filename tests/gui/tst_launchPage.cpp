// The application-launch page over the real profile store: the file chosen
// in the dialog is stored at once as its absolute path; Cancel stores
// nothing; the path field shows the stored path and cannot be typed into;
// a profile that cannot be written keeps its entry and says so.
#include "support/ApplicationSetUp.h"
#include "support/CurrentProfileLayer.h"
#include "support/DialogAnswers.h"
#include "support/LockedFolder.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4;

QTextEdit* pathField(QWidget* page)
{
    return page->findChild<QTextEdit*>(QStringLiteral("textEdit_appPath"));
}

QPushButton* selectButton(QWidget* page)
{
    return page->findChild<QPushButton*>(QStringLiteral("pushButton_selectAppPath"));
}

} // namespace

class tst_launchPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CurrentProfileLayer> m_profile;
    QByteArray m_default;

    QString makeFile(const QString& name)
    {
        QFile file(QFile::decodeName(m_profile->pathOf(name)));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write("#!/bin/sh\n");
        return QFileInfo(file).absoluteFilePath();
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        prepareApplicationTest();
    }

    void init()
    {
        m_profile = std::make_unique<CurrentProfileLayer>();
        QVERIFY(m_profile->ready());
        m_default = m_profile->path();
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
    }
    void cleanup() { m_profile.reset(); }

    // What a choice stores and shows; a path is stored exactly as chosen,
    // in UTF-8; the same file chosen again stores again.
    void chooseStores_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "tool.sh";
        QTest::newRow("non-ASCII") << QStringLiteral("Прога ü 工具.sh");
        QTest::newRow("spaces") << "my tool";
    }
    void chooseStores()
    {
        QFETCH(QString, name);
        const QString chosen = makeFile(name);
        QVERIFY(!chosen.isEmpty());
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", "3", "1", "1", "2"));
        DKeyWithAppPage page;
        page.loadCurrentKeyInfo();
        QCOMPARE(pathField(&page)->toPlainText(), QString());
        QSignalSpy updated(&page, &DKeyWithAppPage::sigShoudUpdateKeyboard);
        QSignalSpy saved(&page, &DKeyWithAppPage::sigCustomKeyInfoSaveSuccessful);
        for (int round = 1; round <= 2; ++round) {
            DialogAnswers::answerFileDialog(chosen);
            selectButton(&page)->click();
            QCOMPARE(keyEntryOf(m_default, kKeyA), QStringLiteral("8/1/1/") + chosen);
            QCOMPARE(pathField(&page)->toPlainText(), chosen);
            QCOMPARE(saved.size(), round);
            QCOMPARE(updated.size(), round);
            QCOMPARE(updated.last().at(0).toInt(), kKeyA);
        }
        keyOperateInfo info;
        QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(m_default, "1", "4", &info));
        QCOMPARE(QByteArray(info.value), chosen.toUtf8());
        // And it loads back unchanged, as plain text.
        DKeyWithAppPage other;
        other.loadCurrentKeyInfo();
        QCOMPARE(other.findChild<QTextEdit*>()->toPlainText(), chosen);
    }

    // Cancel leaves field and entry as they were and emits nothing.
    void cancelChangesNothing()
    {
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", "8", "1", "1", "/bin/true"));
        DKeyWithAppPage page;
        page.loadCurrentKeyInfo();
        QSignalSpy saved(&page, &DKeyWithAppPage::sigCustomKeyInfoSaveSuccessful);
        QSignalSpy failed(&page, &DKeyWithAppPage::sigCustomKeyInfoSaveFailed);
        const QByteArray before = readFileBytes(m_default);
        DialogAnswers::answerFileDialog(QString());
        selectButton(&page)->click();
        QCOMPARE(saved.size(), 0);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(pathField(&page)->toPlainText(), QStringLiteral("/bin/true"));
    }

    // The field shows only a stored launch, never rich text, and cannot be
    // typed into; another function shows the empty field and its hint.
    void loadShows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("launch") << "8"
                                << "/usr/bin/app"
                                << "/usr/bin/app";
        QTest::newRow("markup stays text") << "8"
                                           << "/tmp/<b>x</b>"
                                           << "/tmp/<b>x</b>";
        QTest::newRow("text function") << "6"
                                       << "hello"
                                       << "";
        QTest::newRow("no entry") << ""
                                  << ""
                                  << "";
    }
    void loadShows()
    {
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        DKeyWithAppPage page;
        // Another key leaves a path on show first.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "5", "B", "8", "1", "1", "/other"));
        DDataManager::getInstance()->setCurrentKey(5, QStringLiteral("B"));
        page.loadCurrentKeyInfo();
        QCOMPARE(pathField(&page)->toPlainText(), QStringLiteral("/other"));
        if (!type.isEmpty())
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", type.toLatin1(), "1", "1",
                                                              value.toUtf8()));
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        const QByteArray before = readFileBytes(m_default);
        page.loadCurrentKeyInfo();
        QCOMPARE(pathField(&page)->toPlainText(), shown);
        QVERIFY(!pathField(&page)->placeholderText().isEmpty());
        page.show();
        pathField(&page)->setFocus();
        QTest::keyClicks(pathField(&page), QStringLiteral("typed"));
        QCOMPARE(pathField(&page)->toPlainText(), shown);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // In the key customisation page: a profile that cannot be written gives
    // the failure message and keeps the stored entry on show and on file.
    void failedStore()
    {
        const QString chosen = makeFile(QStringLiteral("tool.sh"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", "8", "1", "1", "/bin/true"));
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QWidget* shown = host.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
        QCOMPARE(shown->objectName(), QStringLiteral("page_OpenApp"));
        QSignalSpy messages(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        const QByteArray before = readFileBytes(m_default);
        {
            LockedFolder lock(m_profile->folder());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            DialogAnswers::answerFileDialog(chosen);
            selectButton(shown)->click();
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(keyEntryOf(m_default, kKeyA), QStringLiteral("8/1/1//bin/true"));
        QCOMPARE(pathField(shown)->toPlainText(), QStringLiteral("/bin/true"));
    }
};

ORVANE_TEST_MAIN(tst_launchPage)
#include "tst_launchPage.moc"
