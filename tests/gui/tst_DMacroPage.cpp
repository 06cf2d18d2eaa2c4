// The macro editor on a real macro file: its window, its looks in the dark
// theme, the list of macros and what adding, renaming, clearing and
// deleting do to the file, to the keys bound to a macro and to the screen.
#include "support/ApplicationSetUp.h"
#include "support/DialogAnswers.h"
#include "support/MacroEditorProbe.h"
#include "support/MacroEditorSupport.h"
#include "support/RenderedLook.h"
#include "support/StoreMessageProbe.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "profiles/DBoundMacroRefresh.h"
#include "sdk/store/XmlStore.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/widgets/CbNotice.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>

using namespace MacroEditorProbe;
using namespace StoreTestSupport;
using MacroEditorSupport::eventRowsOf;

namespace {

QString configDir()
{
    return DDataManager::getInstance()->userConfigDir();
}

template<typename T>
T* child(QWidget* widget, const char* name)
{
    T* found = widget->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

int fileEvents(const QByteArray& path, const char* index)
{
    std::list<macroEventItem> events;
    return COrvaneXML_SelectAllKeyOrMouseEvent(path, index, &events) ? int(events.size()) : -1;
}

} // namespace

class tst_DMacroPage : public QObject
{
    Q_OBJECT

private:
    int m_files = 0;
    QList<QPointer<DMacroPage>> m_open;

    // A macro file holding macros `indexes`, macro n with n presses of A.
    QByteArray macroFile(const QList<int>& indexes)
    {
        const QByteArray path = QFile::encodeName(configDir() + QStringLiteral("/macros%1.xml").arg(++m_files));
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            for (int index : indexes) {
                const QByteArray text = QByteArray::number(index);
                QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, text, "Macro" + text));
                std::list<macroEventItem> events;
                for (int press = 1; press <= index; ++press) {
                    const QByteArray mark = QByteArray::number(press);
                    events.push_back(macroEvent(mark, "10", "key", "4", "A", "down"));
                    events.push_back(macroEvent(mark, "20", "key", "4", "A", "up"));
                }
                QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, text));
            }
        }();
        return path;
    }

    DMacroPage* openEditor(const QByteArray& path)
    {
        DMacroPage* page = openMacroEditor(path);
        m_open << page;
        return page;
    }

    static QByteArray layerFile(const QString& keyboard, const char* layer, int profiles)
    {
        const QString folder = configDir() + QLatin1Char('/') + keyboard;
        QDir().mkpath(folder);
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(layer));
        [&] { QVERIFY(createLayerFile(path, profiles, 1)); }();
        return path;
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void cleanup()
    {
        for (const QPointer<DMacroPage>& page : qAsConst(m_open))
            delete page.data();
        m_open.clear();
        XmlStore::instance().cache.setFailCommits(false);
        XmlStore::instance().cache.clear();
        for (const QString& keyboard : QDir(configDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(configDir() + QLatin1Char('/') + keyboard).removeRecursively();
    }

    // A macro file found damaged when the editor opens is told as the device
    // page tells it: the file, whether its backup or an empty file took its
    // place, and where the damaged copy went, in a box that stays.
    void damagedFileIsToldInTheEditor_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("restored from its backup")
            << true << "restored from its backup" << QStringList{"*1:Macro1", "2:Macro2"};
        QTest::newRow("started again empty") << false << "started again empty" << QStringList();
    }
    void damagedFileIsToldInTheEditor()
    {
        QFETCH(bool, backup);
        QFETCH(QString, outcome);
        QFETCH(QStringList, rows);
        const QByteArray path = macroFile({1, 2});
        // The backup holds the version before the last change.
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "3", "Macro3"));
        if (!backup)
            QVERIFY(QFile::remove(QFile::decodeName(path) + QStringLiteral(".bak")));
        XmlStore::instance().cache.clear();
        QFile damaged(QFile::decodeName(path));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("<orvaneStore version=\"1\"><macros><macro index=\"1\"");
        damaged.close();

        DMacroPage* page = openEditor(path);

        const QString problem = StoreMessageProbe::problemWith(page, QFile::decodeName(path), outcome);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(macroRows(page), rows);
    }

    void windowAndColumns()
    {
        DMacroPage* page = openEditor(macroFile({1}));
        QVERIFY(page->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(page->windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(page->testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(page->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(page->size(), QSize(1050, 690));
        QCOMPARE(child<QFrame>(page, "frame_Left")->maximumWidth(), 315);
        QCOMPARE(child<QFrame>(page, "frame_Center")->maximumWidth(), 420);
        QCOMPARE(child<QFrame>(page, "frame_Right")->maximumWidth(), 315);
        QVERIFY(!child<QRadioButton>(page, "radioButton_Delay")->isVisible());
        QVERIFY(!child<QWidget>(page, "page_Delay")->isVisible());
        for (int i = 0; i < 3; ++i) {
            child<QRadioButton>(page, i == 1 ? "radioButton_Mouse" : "radioButton_Key")->click();
            QVERIFY(!child<QWidget>(page, "page_Delay")->isVisible());
        }
        auto* delay = child<QLineEdit>(page, "lineEdit_DefaultDelayNum");
        delay->clear();
        QTest::keyClicks(delay, QStringLiteral("65535"));
        QCOMPARE(delay->text(), QStringLiteral("65535"));
        delay->clear();
        QTest::keyClicks(delay, QStringLiteral("65536"));
        QCOMPARE(delay->text(), QStringLiteral("6553"));
        delay->clear();
        QTest::keyClicks(delay, QStringLiteral("-+a"));
        QCOMPARE(delay->text(), QString());
    }

    void everyWayOfClosingReportsOnce_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("window system") << 2;
        QTest::newRow("destroyed with its owner") << 3;
    }
    void everyWayOfClosingReportsOnce()
    {
        QFETCH(int, how);
        DMacroPage* page = openEditor(macroFile({}));
        QPointer<DMacroPage> guard(page);
        DDataManager* data = DDataManager::getInstance();
        QSignalSpy hooks(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord);
        QSignalSpy closed(page, &DMacroPage::sigMacroPageClose);
        if (how == 0)
            child<QPushButton>(page, "pushButton_Close")->click();
        else if (how == 1)
            QTest::keyClick(page, Qt::Key_Escape);
        else if (how == 2)
            page->close();
        else
            delete page;
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(closed.count(), 1);
        QVERIFY(hooks.count() >= 1);
        QCOMPARE(hooks.last(), QVariantList{false});
    }

    void darkThemeLooks()
    {
        DDataManager::getInstance()->loadTheme(0);
        DMacroPage* page = openEditor(macroFile({1, 2}));
        const QImage shot = page->grab().toImage();
        // Transparent outside the rounded frame, a 1-pixel orange border on
        // the title colour inside it.
        QCOMPARE(qAlpha(shot.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shot.pixel(1049, 689)), 0);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        const QRgb accent = roles.color(DThemeRoles::Accent).rgb();
        const QRgb title = roles.color(DThemeRoles::DialogTitle).rgb();
        QCOMPARE(QColor(shot.pixel(0, 345)).rgb(), accent);
        QCOMPARE(QColor(shot.pixel(4, 345)).rgb(), title);
        QCOMPARE(QColor(shot.pixel(525, 689)).rgb(), accent);
        // 12-pixel corners: the diagonal leaves the frame's curve near 3.5 px.
        QCOMPARE(qAlpha(shot.pixel(2, 2)), 0);
        QCOMPARE(QColor(shot.pixel(6, 6)).rgb(), title);

        CbNotice* notice = page->findChild<CbNotice*>();
        child<QPushButton>(page, "pushButton_Add")->click();
        QVERIFY(notice->isVisible());
        QImage bubble(notice->size(), QImage::Format_ARGB32);
        bubble.fill(Qt::transparent);
        notice->render(&bubble, QPoint(), QRegion(), QWidget::DrawChildren);
        // The toast is opaque, so its text reads whatever lies below it.
        const QColor fill = bubble.pixelColor(notice->width() / 2, 3);
        QVERIFY2(qAbs(fill.red() - 42) <= 1 && qAbs(fill.green() - 42) <= 1 && qAbs(fill.blue() - 70) <= 1
                     && fill.alpha() == 255,
                 qPrintable(fill.name(QColor::HexArgb)));

        // Both lists carry the thin themed scroll bar.
        for (const char* list : {"scrollArea_2", "scrollArea_3"}) {
            QScrollBar* bar = child<QScrollArea>(page, list)->verticalScrollBar();
            bar->ensurePolished();
            QCOMPARE(bar->sizeHint().width(), 4);
        }
    }

    // Every text of the editor reads on what is drawn behind it in every
    // theme, with an event selected and the record button recording; the
    // headings are in the accent.
    void textsReadInEveryTheme_data() { ThemeUnderTest::addEveryThemeRow(); }
    void textsReadInEveryTheme()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope themed(theme);
        DMacroPage* page = openEditor(macroFile({2}));
        QTRY_COMPARE(eventRowsOf(page).size(), 4);
        DCatchKeyAndMouseItem* event = eventRowsOf(page).at(1);
        QTRY_VERIFY(event->isVisible());
        QTest::mouseClick(event->findChild<QLabel*>(QStringLiteral("label_CatchEventExplain")), Qt::LeftButton);

        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        for (const char* heading : {"label_MacroGroup", "label_10", "label_12", "label_InsertMacro", "label_Property"})
            QCOMPARE(RenderedLook::text(child<QLabel>(page, heading)).name(),
                     roles.color(DThemeRoles::AccentText).name());
        const QStringList failures = ThemeUnderTest::unreadableTexts(page);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void macrosInFileOrderFirstShown()
    {
        const QByteArray path = macroFile({2, 1});
        COrvaneXML_ModifyMacroNodeName(path, "1", "\xD0\x9C\xD0\xB0\xD0\xBA\xD1\x80\xD0\xBE");
        DMacroPage* page = openEditor(path);
        QCOMPARE(macroRows(page),
                 (QStringList{"*1:" + QString::fromUtf8("\xD0\x9C\xD0\xB0\xD0\xBA\xD1\x80\xD0\xBE"), "2:Macro2"}));
        QCOMPARE(centre(page), QStringLiteral("page_catchList"));
        QCOMPARE(eventTexts(page), (QStringList{"10 MS A", "20 MS A"}));
        QCOMPARE(child<QLabel>(page, "label_TotalTime")->text(), QStringLiteral("30 MS"));

        QTest::mouseClick(macroRow(page, "2")->findChild<QLabel*>(QStringLiteral("label_MacroName")), Qt::LeftButton);
        QCOMPARE(macroRows(page).at(1), QStringLiteral("*2:Macro2"));
        QCOMPARE(eventRowsOf(page).size(), 4);
        QCOMPARE(child<QLabel>(page, "label_TotalTime")->text(), QStringLiteral("60 MS"));
    }

    void anEmptyFile()
    {
        DMacroPage* page = openEditor(macroFile({}));
        QVERIFY(macroRows(page).isEmpty());
        QCOMPARE(centre(page), QStringLiteral("page_isEmpty"));
        QCOMPARE(child<QLabel>(page, "label_14")->text(), QStringLiteral("Record is empty"));
        child<QPushButton>(page, "pushButton_ClearMacroLst")->click();
        QCOMPARE(toast(page), QStringLiteral("Please select a macro first"));
    }

    void addTakesTheSmallestFreeIndex_data()
    {
        QTest::addColumn<QList<int>>("existing");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("after 1, 2, 3") << QList<int>{1, 2, 3}
                                       << QStringList{"*1:Macro1", "2:Macro2", "3:Macro3", "4:Macro4"};
        QTest::newRow("before 2, 3") << QList<int>{2, 3} << QStringList{"*1:Macro1", "2:Macro2", "3:Macro3"};
        QTest::newRow("between 1 and 3") << QList<int>{1, 3} << QStringList{"*1:Macro1", "2:Macro2", "3:Macro3"};
        QTest::newRow("empty file") << QList<int>{} << QStringList{"*1:Macro1"};
    }
    void addTakesTheSmallestFreeIndex()
    {
        QFETCH(QList<int>, existing);
        QFETCH(QStringList, rows);
        const QByteArray path = macroFile(existing);
        DMacroPage* page = openEditor(path);
        child<QPushButton>(page, "pushButton_Add")->click();
        QCOMPARE(toast(page), QStringLiteral("Add macro successful"));
        QCOMPARE(macroRows(page), rows);
        QCOMPARE(macroNames(path).size(), rows.size());
    }

    void deleteShownOtherAndLast()
    {
        const QByteArray path = macroFile({1, 2, 3});
        DMacroPage* page = openEditor(path);
        QSignalSpy changed(page, &DMacroPage::sigMacroListHaveChanged);
        // Show macro 3 and select its second event.
        QTest::mouseClick(macroRow(page, "3")->findChild<QLabel*>(QStringLiteral("label_MacroName")), Qt::LeftButton);
        DCatchKeyAndMouseItem* selected = eventRowsOf(page).at(1);
        QTest::mouseClick(selected->findChild<QLabel*>(QStringLiteral("label_CatchEventExplain")), Qt::LeftButton);
        QWidget* selectedFrame = selected->findChild<QFrame*>(QStringLiteral("frame"));
        QTRY_VERIFY(selectedFrame->isVisible());
        const QColor selectedLook = RenderedLook::background(selectedFrame);
        QCOMPARE(selectedLook.name(),
                 DDataManager::getInstance()->themeRoles().color(DThemeRoles::MacroRowSelected).name());

        // Another macro: the one on show and its selected event stay.
        macroRow(page, "1")->onMacroDelete();
        QCOMPARE(toast(page), QStringLiteral("Delete macro successful"));
        QCOMPARE(macroRows(page), (QStringList{"2:Macro2", "*3:Macro3"}));
        QCOMPARE(eventRowsOf(page).size(), 6);
        QCOMPARE(eventRowsOf(page).at(1), selected);
        QCOMPARE(RenderedLook::background(selectedFrame), selectedLook);
        QCOMPARE(macroNames(path), (QStringList{"2:Macro2", "3:Macro3"}));

        // The one on show: the first remaining one is shown.
        macroRow(page, "3")->onMacroDelete();
        QTRY_COMPARE(macroRows(page), QStringList{"*2:Macro2"});
        QCOMPARE(eventRowsOf(page).size(), 4);
        QCOMPARE(changed.count(), 0);

        // The last one: nothing on show, and the change is told.
        macroRow(page, "2")->onMacroDelete();
        QTRY_VERIFY(macroRows(page).isEmpty());
        QCOMPARE(centre(page), QStringLiteral("page_isEmpty"));
        QCOMPARE(child<QLabel>(page, "label_TotalTime")->text(), QStringLiteral("0 MS"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0), (QVariantList{"", ""}));
        QVERIFY(macroNames(path).isEmpty());
    }

    void renameToasts()
    {
        const QByteArray path = macroFile({1});
        DMacroPage* page = openEditor(path);
        DMacroListItem* row = macroRow(page, "1");
        row->onMacroModifyNanme();
        auto* edit = row->findChild<QLineEdit*>(QStringLiteral("lineEdit_MacroName"));
        edit->clear();
        row->findChild<QPushButton*>(QStringLiteral("pushButton_Save"))->click();
        QCOMPARE(toast(page), QStringLiteral("Macro name can't be empty"));
        edit->setText(QStringLiteral("Combo"));
        row->findChild<QPushButton*>(QStringLiteral("pushButton_Save"))->click();
        QCOMPARE(toast(page), QStringLiteral("Modify macro name successful"));
        QCOMPARE(macroNames(path), QStringList{"1:Combo"});

        // Clear keeps the name the row shows.
        child<QPushButton>(page, "pushButton_ClearMacroLst")->click();
        QCOMPARE(macroNames(path), QStringList{"1:Combo"});
    }

    void clearEmptiesTheMacroAndItsBoundCopy()
    {
        const QByteArray path = macroFile({1, 2, 3});
        const QByteArray layer = layerFile(QStringLiteral("OV68M/SERIAL1"), "appProfile_Default.xml", 1);
        QVERIFY(bindKeyToMacro(layer, "1", "4", path, "2"));
        DMacroPage* page = openEditor(path);
        // What the main window does with the change: the device page
        // refreshes the copy of the current profile.
        connect(page, &DMacroPage::sigMacroListHaveChanged, page,
                [&](QString index, QString) { DBoundMacroRefresh::refresh(layer, 1, path, index.toLatin1()); });
        QSignalSpy changed(page, &DMacroPage::sigMacroListHaveChanged);
        QTest::mouseClick(macroRow(page, "2")->findChild<QLabel*>(QStringLiteral("label_MacroName")), Qt::LeftButton);
        child<QPushButton>(page, "pushButton_ClearMacroLst")->click();
        QCOMPARE(toast(page), QStringLiteral("Clear record macro successful"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0), (QVariantList{"2", "Macro2"}));
        QCOMPARE(centre(page), QStringLiteral("page_isEmpty"));
        QCOMPARE(child<QLabel>(page, "label_TotalTime")->text(), QStringLiteral("0 MS"));
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Macro2", "3:Macro3"}));
        QCOMPARE(fileEvents(path, "2"), 0);
        QCOMPARE(fileEvents(path, "3"), 6);
        std::list<macroEventItem> copy;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "2", "", &copy));
        QVERIFY(copy.empty());
    }

    void aFailedWriteIsToldAndNothingIsLost()
    {
        const QByteArray path = macroFile({1, 2});
        DMacroPage* page = openEditor(path);
        QSignalSpy changed(page, &DMacroPage::sigMacroListHaveChanged);
        XmlStore::instance().cache.setFailCommits(true);
        child<QPushButton>(page, "pushButton_ClearMacroLst")->click();
        QCOMPARE(toast(page), QStringLiteral("The macro file could not be saved"));
        QCOMPARE(eventRowsOf(page).size(), 2);
        child<QPushButton>(page, "pushButton_Add")->click();
        QCOMPARE(toast(page), QStringLiteral("The macro file could not be saved"));
        macroRow(page, "2")->onMacroDelete();
        QCOMPARE(toast(page), QStringLiteral("The macro file could not be saved"));
        XmlStore::instance().cache.setFailCommits(false);
        QCOMPARE(macroRows(page), (QStringList{"*1:Macro1", "2:Macro2"}));
        QCOMPARE(changed.count(), 0);
        XmlStore::instance().cache.clear();
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Macro2"}));
        QCOMPARE(fileEvents(path, "1"), 2);
    }

    void deleteWithBoundKeys_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteWithBoundKeys()
    {
        QFETCH(bool, yes);
        const QByteArray path = macroFile({1, 2, 3});
        const QByteArray defaultLayer = layerFile(QStringLiteral("OV68M/SERIAL1"), "appProfile_Default.xml", 1);
        const QByteArray fnLayer = layerFile(QStringLiteral("OV68M/SERIAL1"), "appProfile_FN.xml", 4);
        QVERIFY(bindKeyToMacro(defaultLayer, "1", "4", path, "3"));
        QVERIFY(bindKeyToMacro(fnLayer, "4", "5", path, "3"));
        DMacroPage* page = openEditor(path);
        QString question;
        DialogAnswers::answerQuestion(page, yes ? QMessageBox::Yes : QMessageBox::No, &question);
        macroRow(page, "3")->onMacroDelete();
        QVERIFY2(question.contains(QLatin1String("2 key")), qPrintable(question));
        keyOperateInfo key;
        std::list<macroEventItem> copy;
        if (yes) {
            QCOMPARE(toast(page), QStringLiteral("Delete macro successful"));
            QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Macro2"}));
            QVERIFY(!COrvaneXML_SelectProFileKeyOperateInfo(defaultLayer, "1", "4", &key));
            QVERIFY(!COrvaneXML_SelectProFileKeyOperateInfo(fnLayer, "4", "5", &key));
            QVERIFY(!COrvaneXML_ProFileMacroWithKeyInfoSelectAll(defaultLayer, "1", "3", "", &copy));
            QVERIFY(!COrvaneXML_ProFileMacroWithKeyInfoSelectAll(fnLayer, "4", "3", "", &copy));
        } else {
            QCOMPARE(macroRows(page).size(), 3);
            QCOMPARE(macroNames(path).size(), 3);
            QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(defaultLayer, "1", "4", &key));
            QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(fnLayer, "4", "5", &key));
            QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(fnLayer, "4", "3", "", &copy));
        }

        // A macro bound nowhere goes at once, without a question.
        question.clear();
        macroRow(page, "2")->onMacroDelete();
        QCOMPARE(toast(page), QStringLiteral("Delete macro successful"));
        QVERIFY(question.isEmpty());
        QVERIFY(!macroNames(path).contains(QStringLiteral("2:Macro2")));
    }
};

ORVANE_TEST_MAIN(tst_DMacroPage)
#include "tst_DMacroPage.moc"
