// The text-entry page over the real profile store: what OK stores, what
// the editor takes in at its limits (and says when it refuses), what a load
// shows, Cancel, the hint and scroll bar in each theme, and a profile that
// cannot be written.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/CurrentProfileLayer.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextEdit>

#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4;
const QString kCut = QStringLiteral("The text is too long, the part that does not fit was not added");

QTextEdit* editor(QWidget* page)
{
    return page->findChild<QTextEdit*>(QStringLiteral("textEdit_keyText"));
}

void paste(QTextEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    edit->paste();
}

} // namespace

class tst_textPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CurrentProfileLayer> m_profile;
    QByteArray m_default;

    std::unique_ptr<DCustomKeysPage> openHost()
    {
        auto host = std::make_unique<DCustomKeysPage>();
        host->setProfileIndex(1);
        host->setProfilePath(m_default);
        host->initPageState(0);
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        host->onCurIndexChanged_Key(4);
        host->show();
        return host;
    }
    static QWidget* shown(DCustomKeysPage* host)
    {
        return host->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_profile = std::make_unique<CurrentProfileLayer>();
        QVERIFY(m_profile->ready());
        m_default = m_profile->path();
    }
    void cleanup() { m_profile.reset(); }

    // Edits, then OK: the message of the host and what the file holds.
    void edits_data()
    {
        const QString cjk = QString(QChar(0x5DE5));
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("pasteAt");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("empty") << ""
                               << ""
                               << "" << -1 << "" << 0 << QStringList{"Setting failed because the text is empty"};
        QTest::newRow("three spaces") << ""
                                      << "   "
                                      << "" << -1 << "   " << 3 << QStringList{"Operate successful"};
        QTest::newRow("lines") << ""
                               << "" << QStringLiteral("Zeile 1\nстрока 2\n") << 0
                               << QStringLiteral("Zeile 1\nстрока 2\n") << 17 << QStringList{"Operate successful"};
        QTest::newRow("5000 stay, one more refused")
            << QString(5000, 'a') << "b"
            << "" << -1 << QString(5000, 'a') << 5000 << QStringList{kCut, "Operate successful"};
        QTest::newRow("6000 pasted") << ""
                                     << "" << QString(6000, 'p') << 0 << QString(5000, 'p') << 5000
                                     << QStringList{kCut, "Operate successful"};
        QTest::newRow("100 pasted at 0 of 4950")
            << QString(4950, 'a') << "" << QString(100, 'p') << 0 << QString(50, 'p') + QString(4950, 'a') << 50
            << QStringList{kCut, "Operate successful"};
        QTest::newRow("emoji counts two") << QString(4999, 'a') << "" << emoji << 4999 << QString(4999, 'a') << 4999
                                          << QStringList{kCut, "Operate successful"};
        QTest::newRow("1706 CJK stay, 1707th refused")
            << QString(1706, cjk[0]) << "" << cjk << 1706 << QString(1706, cjk[0]) << 1706
            << QStringList{kCut, "Operate successful"};
    }
    void edits()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(int, pasteAt);
        QFETCH(QString, kept);
        QFETCH(int, cursor);
        QFETCH(QStringList, messages);
        if (!before.isEmpty())
            QVERIFY(
                COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", "6", "1", "1", before.toUtf8()));
        auto host = openHost();
        QSignalSpy told(host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        QTextEdit* edit = editor(shown(host.get()));
        QCOMPARE(edit->toPlainText(), before);
        QCOMPARE(edit->textCursor().position(), before.size());
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        if (pasteAt >= 0) {
            QTextCursor at = edit->textCursor();
            at.setPosition(pasteAt);
            edit->setTextCursor(at);
            paste(edit, pasted);
        }
        QCOMPARE(edit->toPlainText(), kept);
        QCOMPARE(edit->textCursor().position(), cursor);
        const QByteArray file = readFileBytes(m_default);
        shown(host.get())->findChild<QPushButton*>(QStringLiteral("pushButton_OK"))->click();
        QStringList said;
        for (const QList<QVariant>& message : told) {
            if (!message.at(0).toString().isEmpty())
                said << message.at(0).toString();
        }
        QCOMPARE(said, messages);
        if (kept.isEmpty()) {
            QCOMPARE(readFileBytes(m_default), file);
        } else {
            keyOperateInfo info;
            QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(m_default, "1", "4", &info));
            QCOMPARE(QByteArray(info.type), QByteArray("6"));
            QCOMPARE(QString::fromUtf8(info.value), kept);
        }
    }

    // A load shows only a stored text, as plain text, with the editor's
    // focus; a stored text past the limit shows its beginning and stores
    // nothing.
    void load_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup stays text") << "6"
                                           << "<b>x</b>"
                                           << "<b>x</b>";
        QTest::newRow("another function") << "8"
                                          << "/bin/true"
                                          << "";
        QTest::newRow("5100 stored") << "6" << QString(5100, 'z') << QString(5000, 'z');
    }
    void load()
    {
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", type.toLatin1(), "1", "1",
                                                          value.toUtf8()));
        const QByteArray file = readFileBytes(m_default);
        DKeyWithTextPage page;
        QSignalSpy failed(&page, &DKeyWithTextPage::sigCustomKeyInfoSaveFailed);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.activateWindow();
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        page.loadCurrentKeyInfo();
        QCOMPARE(editor(&page)->toPlainText(), shown);
        QTRY_VERIFY(editor(&page)->hasFocus());
        QCOMPARE(failed.size(), 0);
        QCOMPARE(readFileBytes(m_default), file);
    }

    // Cancel stores nothing and says nothing but Cancel.
    void cancel()
    {
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        DKeyWithTextPage page;
        page.loadCurrentKeyInfo();
        QTest::keyClicks(editor(&page), QStringLiteral("typed"));
        QSignalSpy cancelled(&page, &DKeyWithTextPage::sigClickedCancel);
        QSignalSpy saved(&page, &DKeyWithTextPage::sigCustomKeyInfoSaveSuccessful);
        QSignalSpy updated(&page, &DKeyWithTextPage::sigShoudUpdateKeyboard);
        QSignalSpy failed(&page, &DKeyWithTextPage::sigCustomKeyInfoSaveFailed);
        const QByteArray file = readFileBytes(m_default);
        page.findChild<QPushButton*>(QStringLiteral("pushButton_Cancel"))->click();
        QCOMPARE(cancelled.size(), 1);
        QCOMPARE(saved.size() + updated.size() + failed.size(), 0);
        QCOMPARE(readFileBytes(m_default), file);
    }

    // Whichever theme follows the page's first, the empty editor's hint
    // reads on the editor as drawn, and the hint's palette leaves the scroll
    // bar its sheet: the handle is drawn in the theme's handle colour on its
    // track.
    void themeReachesEditor_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 4; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }
    void themeReachesEditor()
    {
        QFETCH(int, theme);
        DKeyWithTextPage page;
        page.resize(500, 250);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        const DThemeRoles& roles = data->themeRoles();
        QTextEdit* edit = editor(&page);
        QCOMPARE(edit->palette().color(QPalette::PlaceholderText), roles.color(DThemeRoles::MutedText));
        const QColor ground = RenderedLook::background(edit->viewport());
        const double ratio = ContrastRatio::contrast(edit->palette().color(QPalette::PlaceholderText), ground);
        QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QString::number(ratio)));

        edit->setPlainText(QStringLiteral("line\n").repeated(40));
        QScrollBar* bar = edit->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        bar->setValue(0);
        QCOMPARE(bar->width(), 4);
        const QColor handle = RenderedLook::pixel(bar, QPoint(bar->width() / 2, 6));
        const QColor track = RenderedLook::pixel(bar, QPoint(bar->width() / 2, bar->height() - 6));
        QVERIFY(handle != track);
        const QColor expected = roles.color(DThemeRoles::ScrollHandle);
        if (expected.alpha() == 255)
            QCOMPARE(handle, expected);
        data->loadTheme(0);
        DAppStyle::apply(0);
    }

    // A profile that cannot be written: the failure message, the entry kept.
    void failedStore()
    {
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", "4", "A", "6", "1", "1", "old"));
        auto host = openHost();
        QSignalSpy told(host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        QTest::keyClicks(editor(shown(host.get())), QStringLiteral(" and new"));
        const QByteArray file = readFileBytes(m_default);
        {
            LockedFolder lock(m_profile->folder());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            shown(host.get())->findChild<QPushButton*>(QStringLiteral("pushButton_OK"))->click();
        }
        QCOMPARE(told.last().at(0).toString(), QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(readFileBytes(m_default), file);
        QCOMPARE(keyEntryOf(m_default, kKeyA), QStringLiteral("6/1/1/old"));
    }
};

ORVANE_TEST_MAIN(tst_textPage)
#include "tst_textPage.moc"
