// The advanced-key editor on the real advanced-key file: its window and
// form, the list and the record on show, creating and deleting (with the
// keys bound to a record), key entry, the MT hold duration, the trigger
// pop-up, the question-mark bubbles, failed writes and closing.
#include "support/ApplicationSetUp.h"
#include "support/DialogAnswers.h"
#include "support/RenderedLook.h"
#include "support/StoreMessageProbe.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "profiles/DSeniorKeyRecords.h"
#include "sdk/store/XmlStore.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/MySlider.h"

#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

using namespace StoreTestSupport;

namespace {

QString configDir()
{
    return DDataManager::getInstance()->userConfigDir();
}

QByteArray seniorKeyFile()
{
    char path[256] = {};
    DDataManager::getInstance()->copySeniorKeyFilePath(path);
    return QByteArray(path);
}

template<typename T>
T* child(QWidget* widget, const char* name)
{
    T* found = widget->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// The rows as "index:name", in list order, the selected one starred.
QStringList rows(DSeniorKeysPage* page)
{
    QStringList out;
    const QLayout* layout = child<QWidget>(page, "scrollAreaWidgetContents_2")->layout();
    for (int i = 0; i < layout->count(); ++i) {
        auto* row = qobject_cast<DSeniorKeyEventListItem*>(layout->itemAt(i)->widget());
        if (!row)
            continue;
        // The state the sheet draws the selection from
        // (tst_DSeniorKeyEventListItem checks the drawing follows it).
        const bool selected = row->findChild<QFrame*>(QStringLiteral("frame_BgABC01"))->property("selected").toBool();
        out << (selected ? QStringLiteral("*") : QString()) + row->findChild<QLabel*>("label_Type")->text();
    }
    return out;
}

// Rows of an earlier reading may still wait for their deletion: only the
// list's own count.
DSeniorKeyEventListItem* row(DSeniorKeysPage* page, const QString& name)
{
    const QLayout* layout = child<QWidget>(page, "scrollAreaWidgetContents_2")->layout();
    for (int i = 0; i < layout->count(); ++i) {
        auto* each = qobject_cast<DSeniorKeyEventListItem*>(layout->itemAt(i)->widget());
        if (each && each->findChild<QLabel*>("label_Type")->text() == name)
            return each;
    }
    qFatal("no row %s", qPrintable(name));
    return nullptr;
}

// The combination a key slot stands for: its text, or its tip when the text
// had to leave some of it out. Whatever it shows fits inside its border.
QString slotCombination(QAbstractButton* button)
{
    const QString shown = button->text();
    if (button->fontMetrics().horizontalAdvance(shown) > button->width() - 2)
        qWarning("%s does not fit its slot", qPrintable(shown));
    return button->toolTip().isEmpty() ? shown : button->toolTip();
}

QString editingPage(DSeniorKeysPage* page)
{
    return child<QStackedWidget>(page, "stackedWidget_2")->currentWidget()->objectName();
}

QString toast(DSeniorKeysPage* page)
{
    return page->findChild<CbNotice*>()->text();
}

QMap<int, seniorKeyInfoStu> stored()
{
    DSeniorKeyRecords records(seniorKeyFile());
    records.load();
    return records.records();
}

QByteArray storedKey(int index, int slot)
{
    return DSeniorKeyRecords::keyText(stored().value(index), slot);
}

QByteArray fileBytes()
{
    XmlStore::instance().cache.clear();
    return readFileBytes(seniorKeyFile());
}

void hover(QWidget* widget, bool enter)
{
    if (enter) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    }
}

void pick(DSeniorKeysPage* page, int usage)
{
    auto* picker = page->findChild<DAllKeysShowPage*>();
    emit picker->sigKeyListClicked(usage, picker->allKeysMap().value(usage));
}

QList<ArrowWidget*> shownBubbles()
{
    QList<ArrowWidget*> out;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* popup = qobject_cast<ArrowWidget*>(widget);
        if (popup && popup->isVisible() && popup->findChild<DSeniorKeysRecordExplainDia*>())
            out << popup;
    }
    return out;
}

} // namespace

class tst_DSeniorKeysPage : public QObject
{
    Q_OBJECT

private:
    QList<QPointer<DSeniorKeysPage>> m_open;

    // Records of the kinds given, indexes 1 and on, in the advanced-key file.
    static void makeRecords(const QList<int>& types)
    {
        DSeniorKeyRecords records(seniorKeyFile());
        QVERIFY(records.load());
        for (int type : types)
            QCOMPARE(int(records.create(type)), int(DSeniorKeyRecords::Result::Done));
    }

    DSeniorKeysPage* openEditor()
    {
        auto* page = new DSeniorKeysPage;
        page->show();
        m_open << page;
        [&] { QTRY_VERIFY(page->findChild<DAllKeysShowPage*>()); }();
        return page;
    }

    static QByteArray layerFile(const char* layer, int profiles)
    {
        const QString folder = configDir() + QStringLiteral("/OV68M/SERIAL1");
        QDir().mkpath(folder);
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(layer));
        [&] { QVERIFY(createLayerFile(path, profiles, 1)); }();
        return path;
    }

    static bool bindKey(const QByteArray& layer, const char* profile, const char* keyCode, int index)
    {
        return COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, profile, keyCode, "K", "40", "1", "1",
                                                         QByteArray::number(index));
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init() { QVERIFY(!emptySeniorKeyFile().isEmpty()); }

    void cleanup()
    {
        for (const QPointer<DSeniorKeysPage>& page : qAsConst(m_open))
            delete page.data();
        m_open.clear();
        XmlStore::instance().cache.setFailCommits(false);
        XmlStore::instance().cache.clear();
        for (const QString& keyboard : QDir(configDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(configDir() + QLatin1Char('/') + keyboard).removeRecursively();
    }

    // Every text of the editor, the MT and TGL pages' too, reads on what is
    // drawn behind it in every theme.
    void textsAreReadable_data() { ThemeUnderTest::addEveryThemeRow(); }
    void textsAreReadable()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope themed(theme);
        makeRecords({1});
        DSeniorKeysPage* page = openEditor();
        QTRY_VERIFY(page->findChild<DAllKeysShowPage*>());
        QTRY_COMPARE(rows(page).size(), 1);
        QStringList failures;
        // The DKS, MT and TGL pages in turn, with the rest of the editor.
        for (const char* name : {"page_DKS", "page_MT", "page_TGL"}) {
            child<QStackedWidget>(page, "stackedWidget_2")->setCurrentWidget(child<QWidget>(page, name));
            failures += ThemeUnderTest::unreadableTexts(page);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // The question marks and the hold duration's handle are drawn in the
    // theme's accent, no other theme's colour left over.
    void marksTakeTheAccent_data() { ThemeUnderTest::addEveryThemeRow(); }
    void marksTakeTheAccent()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope themed(theme);
        DSeniorKeysPage* page = openEditor();
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        const auto drawnIn = [](QWidget* widget, const QColor& colour) {
            const QImage image = widget->grab().toImage();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y).rgb() == colour.rgb())
                        return true;
                }
            }
            return false;
        };
        for (const char* help : {"toolButton_ExplainInfo", "toolButton_ExplainInfo02"})
            QVERIFY2(drawnIn(child<QWidget>(page, help), roles.color(DThemeRoles::AccentText)), help);
        QVERIFY(drawnIn(child<QWidget>(page, "horizontalSlider_HoldDuration"), roles.color(DThemeRoles::Accent)));
    }

    // An advanced-key file found damaged when the editor opens is told as
    // the device page tells it: the file, whether its backup or an empty
    // file took its place, and where the damaged copy went; the list then
    // shows what took its place.
    void damagedFileIsToldInTheEditor_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("count");
        QTest::newRow("restored from its backup") << true << "restored from its backup"
                                                  << "2/40";
        QTest::newRow("started again empty") << false << "started again empty"
                                             << "0/40";
    }
    void damagedFileIsToldInTheEditor()
    {
        QFETCH(bool, backup);
        QFETCH(QString, outcome);
        QFETCH(QString, count);
        // The backup holds the version before the last change: two records.
        makeRecords({DSeniorKeyRecords::kDks, DSeniorKeyRecords::kMt, DSeniorKeyRecords::kTgl});
        const QString path = QFile::decodeName(seniorKeyFile());
        // Damaged copies of earlier cases lie in the same folder.
        const QFileInfo file(path);
        for (const QString& old : file.dir().entryList({file.fileName() + QStringLiteral(".corrupt-*")}))
            QVERIFY(file.dir().remove(old));
        if (!backup)
            QVERIFY(QFile::remove(path + QStringLiteral(".bak")));
        XmlStore::instance().cache.clear();
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("<orvaneStore version=\"1\"><seniorKeys><seniorKey index=\"1\"");
        damaged.close();

        DSeniorKeysPage* page = openEditor();

        const QString problem = StoreMessageProbe::problemWith(page, path, outcome);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), count);
    }

    void windowAndEmptyStore()
    {
        auto* page = new DSeniorKeysPage;
        m_open << page;
        page->show();
        QVERIFY(page->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(page->windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(page->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(page->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(page->size(), QSize(930, 590));
        QCOMPARE(child<QFrame>(page, "frame_Left")->width(), 450);
        QCOMPARE(child<QWidget>(page, "widget_DksSetting")->size(), QSize(450, 230));
        QCOMPARE(child<QFrame>(page, "frame_Title")->height(), 45);
        QVERIFY(child<QRadioButton>(page, "radioButton_DKS")->isChecked());
        QVERIFY(child<QRadioButton>(page, "radioButton_SingleKey")->isChecked());
        // Nothing is read before the form has its geometry.
        QVERIFY(!page->findChild<DDksShowWidget*>());
        QVERIFY(!page->findChild<DAllKeysShowPage*>());
        QTRY_VERIFY(page->findChild<DAllKeysShowPage*>());
        QVERIFY(page->findChild<DDksShowWidget*>());
        QCOMPARE(child<QStackedWidget>(page, "stackedWidget_Left")->currentWidget()->objectName(),
                 QStringLiteral("page_EmptyTipAll"));
        QCOMPARE(child<QLabel>(page, "label_TipInfo")->text(), QStringLiteral("Senior keys is empty"));
        QVERIFY(child<QLabel>(page, "label_TipInfo")->isVisible());
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), QStringLiteral("0/40"));
        QCOMPARE(rows(page), QStringList());
        // Themed: the frame's border and the empty message in the accent.
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        QCOMPARE(RenderedLook::pixel(page, QPoint(0, page->height() / 2)).name(),
                 roles.color(DThemeRoles::Accent).name());
        QCOMPARE(RenderedLook::text(child<QLabel>(page, "label_TipInfo")).name(),
                 roles.color(DThemeRoles::AccentText).name());
    }

    void threeRecordsFirstShown()
    {
        makeRecords({2, 1, 3});
        DSeniorKeysPage* page = openEditor();
        QCOMPARE(rows(page), (QStringList{"*MT1", "DKS2", "TGL3"}));
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), QStringLiteral("3/40"));
        QCOMPARE(editingPage(page), QStringLiteral("page_MT"));
        QCOMPARE(child<QLabel>(page, "label_HoldDuration")->text(), QStringLiteral("10ms"));
        QTest::mouseClick(row(page, "TGL3"), Qt::LeftButton);
        QCOMPARE(rows(page), (QStringList{"MT1", "DKS2", "*TGL3"}));
        QCOMPARE(editingPage(page), QStringLiteral("page_TGL"));
        QTest::mouseClick(row(page, "DKS2"), Qt::LeftButton);
        QCOMPARE(editingPage(page), QStringLiteral("page_DKS"));
        QVERIFY(child<QLabel>(page, "label_Stroke01")->text().contains(QLatin1String(">1.5mm<")));
        QCOMPARE(child<QLabel>(page, "label_Stroke02")->text(), QStringLiteral("3.6mm"));
        QCOMPARE(page->findChild<DDksShowWidget*>()->seniorKeyInfo().index, 2);
    }

    void create_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("MT into an empty store") << QList<int>{} << "radioButton_MT" << QStringList{"*MT1"} << "page_MT";
        QTest::newRow("MT behind a DKS record")
            << QList<int>{1} << "radioButton_MT" << QStringList{"*DKS1", "MT2"} << "page_DKS";
        QTest::newRow("TGL behind an MT record")
            << QList<int>{2} << "radioButton_TGL" << QStringList{"*MT1", "TGL2"} << "page_MT";
        QTest::newRow("DKS, nothing chosen") << QList<int>{3} << "" << QStringList{"*TGL1", "DKS2"} << "page_TGL";
    }
    void create()
    {
        QFETCH(QList<int>, before);
        QFETCH(QString, kind);
        QFETCH(QStringList, after);
        QFETCH(QString, shown);
        makeRecords(before);
        DSeniorKeysPage* page = openEditor();
        if (!kind.isEmpty())
            page->findChild<QRadioButton*>(kind)->click();
        // The kind buttons choose the next record, not the page on show.
        QCOMPARE(editingPage(page), before.isEmpty() ? QStringLiteral("page_DKS") : shown);
        child<QPushButton>(page, "pushButton_NewCreate")->click();
        QCOMPARE(toast(page), QStringLiteral("Create senior keys successful"));
        QCOMPARE(rows(page), after);
        QCOMPARE(editingPage(page), shown);
        const seniorKeyInfoStu made = stored().last();
        QCOMPARE(QString::fromLatin1(made.name), after.last().remove(QLatin1Char('*')));
        QCOMPARE(made.holdDuration, 10);
        QCOMPARE(made.point[0], 15);
    }

    void createUpToForty()
    {
        makeRecords(QVector<int>(39, 1).toList());
        DSeniorKeysPage* page = openEditor();
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), QStringLiteral("39/40"));
        child<QPushButton>(page, "pushButton_NewCreate")->click();
        QCOMPARE(toast(page), QStringLiteral("Create senior keys successful"));
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), QStringLiteral("40/40"));
        QCOMPARE(stored().size(), 40);
        const QByteArray full = fileBytes();
        child<QPushButton>(page, "pushButton_NewCreate")->click();
        QCOMPARE(toast(page), QStringLiteral("The number of senior keys has reached the maximum"));
        QCOMPARE(fileBytes(), full);
        QCOMPARE(rows(page).size(), 40);
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
        makeRecords({1, 1, 1});
        const QByteArray defaultLayer = layerFile("appProfile_Default.xml", 1);
        const QByteArray fnLayer = layerFile("appProfile_FN.xml", 3);
        QVERIFY(bindKey(defaultLayer, "1", "4", 3));
        QVERIFY(bindKey(fnLayer, "3", "5", 3));
        QVERIFY(bindKey(fnLayer, "1", "6", 1));
        DSeniorKeysPage* page = openEditor();
        QTest::mouseClick(row(page, "DKS3"), Qt::LeftButton);
        const QByteArray before = fileBytes();

        QString question;
        DialogAnswers::answerQuestion(page, yes ? QMessageBox::Yes : QMessageBox::No, &question);
        child<QPushButton>(row(page, "DKS3"), "pushButton_DeleteEvent")->click();
        QVERIFY2(question.contains(QLatin1String("2 keys")), qPrintable(question));
        if (!yes) {
            QCOMPARE(rows(page), (QStringList{"DKS1", "DKS2", "*DKS3"}));
            QCOMPARE(fileBytes(), before);
            QCOMPARE(keyEntryOf(defaultLayer, 4, "1"), QStringLiteral("40/1/1/3"));
            QCOMPARE(keyEntryOf(fnLayer, 5, "3"), QStringLiteral("40/1/1/3"));
            return;
        }
        QCOMPARE(toast(page), QStringLiteral("Delete senior keys successful"));
        QCOMPARE(rows(page), (QStringList{"*DKS1", "DKS2"}));
        QCOMPARE(page->findChild<DDksShowWidget*>()->seniorKeyInfo().index, 1);
        QCOMPARE(stored().keys(), (QList<int>{1, 2}));
        QCOMPARE(keyEntryOf(defaultLayer, 4, "1"), QStringLiteral("none"));
        QCOMPARE(keyEntryOf(fnLayer, 5, "3"), QStringLiteral("none"));
        QCOMPARE(keyEntryOf(fnLayer, 6, "1"), QStringLiteral("40/1/1/1"));

        // The index comes back, bound to nothing.
        child<QPushButton>(page, "pushButton_NewCreate")->click();
        QCOMPARE(stored().keys(), (QList<int>{1, 2, 3}));
        QCOMPARE(keyEntryOf(defaultLayer, 4, "1"), QStringLiteral("none"));
        QCOMPARE(keyEntryOf(fnLayer, 5, "3"), QStringLiteral("none"));

        // Bound nowhere: gone at once, without a question.
        question.clear();
        child<QPushButton>(row(page, "DKS2"), "pushButton_DeleteEvent")->click();
        QCOMPARE(toast(page), QStringLiteral("Delete senior keys successful"));
        QVERIFY(question.isEmpty());
        child<QPushButton>(row(page, "DKS3"), "pushButton_DeleteEvent")->click();
        DialogAnswers::answerQuestion(page, QMessageBox::Yes, &question);
        child<QPushButton>(row(page, "DKS1"), "pushButton_DeleteEvent")->click();
        QVERIFY2(question.contains(QLatin1String("1 key")), qPrintable(question));
        QCOMPARE(keyEntryOf(fnLayer, 6, "1"), QStringLiteral("none"));
        QCOMPARE(stored().size(), 0);
        QCOMPARE(child<QStackedWidget>(page, "stackedWidget_Left")->currentWidget()->objectName(),
                 QStringLiteral("page_EmptyTipAll"));
        QCOMPARE(child<QLabel>(page, "label_EventTotalNum")->text(), QStringLiteral("0/40"));
    }

    void keyEntry_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("slotButton");
        QTest::addColumn<bool>("combination");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QStringList>("shown"); // the button after each pick
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("keyText"); // stored; empty: nothing stored
        QTest::addColumn<QString>("rowText");

        QTest::newRow("DKS slot 3, A") << 1 << "toolButton_SeniorKey03" << false << QList<int>{4} << QStringList{"A"}
                                       << 2 << QByteArray("4") << "A";
        QTest::newRow("MT hold") << 2 << "toolButton_HoldKey" << false << QList<int>{5} << QStringList{"B"} << 0
                                 << QByteArray("5") << "B";
        QTest::newRow("MT click") << 2 << "toolButton_ClickKey" << false << QList<int>{5} << QStringList{"B"} << 1
                                  << QByteArray("5") << "B";
        QTest::newRow("TGL") << 3 << "toolButton_TglKey" << false << QList<int>{4} << QStringList{"A"} << 0
                             << QByteArray("4") << "A";
        QTest::newRow("Ctrl, Shift, A") << 1 << "toolButton_SeniorKey01" << true << QList<int>{224, 225, 4}
                                        << QStringList{"L_CTRL", "L_CTRL+L_SHIFT", "L_CTRL+L_SHIFT+A"} << 0
                                        << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
        QTest::newRow("Shift, Ctrl, A: stored in bit order")
            << 2 << "toolButton_ClickKey" << true << QList<int>{225, 224, 4}
            << QStringList{"L_SHIFT", "L_SHIFT+L_CTRL", "L_SHIFT+L_CTRL+A"} << 1 << QByteArray("3,4")
            << "L_CTRL+L_SHIFT+A";
        QTest::newRow("A first does nothing, then Alt, A")
            << 1 << "toolButton_SeniorKey02" << true << QList<int>{4, 226, 4} << QStringList{"", "L_ALT", "L_ALT+A"}
            << 1 << QByteArray("4,4") << "L_ALT+A";
        QTest::newRow("third modifier ignored")
            << 3 << "toolButton_TglKey" << true << QList<int>{224, 225, 226, 4}
            << QStringList{"L_CTRL", "L_CTRL+L_SHIFT", "L_CTRL+L_SHIFT", "L_CTRL+L_SHIFT+A"} << 0 << QByteArray("3,4")
            << "L_CTRL+L_SHIFT+A";
        QTest::newRow("Ctrl twice, A") << 1 << "toolButton_SeniorKey04" << true << QList<int>{224, 224, 4}
                                       << QStringList{"L_CTRL", "L_CTRL", "L_CTRL+A"} << 3 << QByteArray("1,4")
                                       << "L_CTRL+A";
        QTest::newRow("a key the map lacks, then afresh")
            << 1 << "toolButton_SeniorKey01" << true << QList<int>{224, 9999, 4}
            << QStringList{"L_CTRL", "L_CTRL", "L_CTRL"} << 0 << QByteArray() << "";
    }
    void keyEntry()
    {
        QFETCH(int, type);
        QFETCH(QString, slotButton);
        QFETCH(bool, combination);
        QFETCH(QList<int>, picks);
        QFETCH(QStringList, shown);
        QFETCH(int, slot);
        QFETCH(QByteArray, keyText);
        QFETCH(QString, rowText);

        makeRecords({type});
        DSeniorKeysPage* page = openEditor();
        auto* button = page->findChild<QToolButton*>(slotButton);
        if (type == 2 && slot == 1)
            button->click(); // the hold slot is chosen at every selection
        else if (type == 1 && slot != 0)
            button->click();
        if (combination)
            child<QRadioButton>(page, "radioButton_CombinationKeys")->click();
        const QByteArray before = fileBytes();
        for (int i = 0; i < picks.size(); ++i) {
            pick(page, picks.at(i));
            QCOMPARE(slotCombination(button), shown.at(i));
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) <= button->width() - 2);
        }
        const seniorKeyInfoStu record = stored().value(1);
        if (keyText.isEmpty()) {
            QCOMPARE(fileBytes(), before);
            return;
        }
        QCOMPARE(DSeniorKeyRecords::keyText(record, slot), keyText);
        for (int other = 0; other < 4; ++other) {
            if (other != slot)
                QCOMPARE(DSeniorKeyRecords::keyText(record, other), QByteArray());
        }
        QCOMPARE(record.tglKeySet, type == 3 ? 1 : 0);
        const char* const labels[]
            = {"label_SeniorKey01", "label_SeniorKey02", "label_SeniorKey03", "label_SeniorKey04"};
        auto* rowLabel = child<QLabel>(row(page, QString::fromLatin1(record.name)), labels[slot]);
        QCOMPARE(rowLabel->toolTip().isEmpty() ? rowLabel->text() : rowLabel->toolTip(), rowText);
        if (type == 1)
            QCOMPARE(DSeniorKeyRecords::keyText(page->findChild<DDksShowWidget*>()->seniorKeyInfo(), slot), keyText);
    }

    void rightClickClears()
    {
        makeRecords({3, 1});
        DSeniorKeysPage* page = openEditor();
        pick(page, 4);
        QCOMPARE(stored().value(1).tglKeySet, 1);
        auto* tgl = child<QToolButton>(page, "toolButton_TglKey");

        // Away from the key buttons a right click does nothing.
        const QByteArray before = fileBytes();
        QTest::mouseClick(child<QWidget>(page, "frame_TypeSel"), Qt::RightButton);
        hover(tgl, true);
        hover(tgl, false);
        QTest::mouseClick(page, Qt::RightButton, {}, QPoint(5, 300));
        QCOMPARE(fileBytes(), before);
        QCOMPARE(tgl->text(), QStringLiteral("A"));

        hover(tgl, true);
        QTest::mouseClick(tgl, Qt::RightButton);
        QCOMPARE(tgl->text(), QString());
        QCOMPARE(stored().value(1).tglKeySet, 0);
        QCOMPARE(storedKey(1, 0), QByteArray());

        // On a DKS record only the slot under the pointer is cleared.
        QTest::mouseClick(row(page, "DKS2"), Qt::LeftButton);
        pick(page, 4);
        child<QToolButton>(page, "toolButton_SeniorKey02")->click();
        pick(page, 5);
        auto* second = child<QToolButton>(page, "toolButton_SeniorKey02");
        hover(second, true);
        QTest::mouseClick(second, Qt::RightButton);
        QCOMPARE(storedKey(2, 0), QByteArray("4"));
        QCOMPARE(storedKey(2, 1), QByteArray());
        QCOMPARE(second->text(), QString());
        QCOMPARE(DSeniorKeyRecords::keyText(page->findChild<DDksShowWidget*>()->seniorKeyInfo(), 1), QByteArray());
    }

    void holdDuration()
    {
        makeRecords({2});
        DSeniorKeysPage* page = openEditor();
        auto* slider = child<MySlider>(page, "horizontalSlider_HoldDuration");
        auto* label = child<QLabel>(page, "label_HoldDuration");
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 100);
        const QByteArray before = fileBytes();
        slider->setValue(50);
        QCOMPARE(label->text(), QStringLiteral("500ms"));
        QCOMPARE(fileBytes(), before);

        slider->setSliderDown(true);
        slider->setValue(35);
        slider->setSliderDown(false);
        QCOMPARE(label->text(), QStringLiteral("350ms"));
        QCOMPARE(stored().value(1).holdDuration, 350);
        const QByteArray once = fileBytes();
        QVERIFY(once != before);
        slider->setValue(36);
        QCOMPARE(fileBytes(), once);
    }

    void triggerPopUp_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("first point") << "label_Stroke01";
        QTest::newRow("fourth point") << "label_Stroke04";
    }
    void triggerPopUp()
    {
        QFETCH(QString, link);
        makeRecords({1});
        DSeniorKeysPage* page = openEditor();
        QList<QWidget*> overlays;
        for (const char* name : {"label_Stroke01", "label_Stroke04"}) {
            emit child<QLabel>(page, name)->linkActivated(QStringLiteral("Company|1.5mm|"));
            auto* view = page->findChild<DStrokeConfigView*>();
            QVERIFY(view && view->isVisible());
            overlays << page->findChild<QWidget*>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
            QVERIFY(overlays.last()->isVisible());
            QCOMPARE(overlays.last()->size(), page->size());
            QPointer<DStrokeConfigView> guard(view);
            child<QPushButton>(view, "pushButton_Close")->click();
            QTRY_VERIFY(guard.isNull());
            QVERIFY(overlays.last()->isHidden());
        }
        QCOMPARE(overlays.first(), overlays.last());

        emit child<QLabel>(page, qPrintable(link))->linkActivated(QStringLiteral("Company|1.5mm|"));
        auto* view = page->findChild<DStrokeConfigView*>();
        auto* slider = view->findChild<QSlider*>(QStringLiteral("horizontalSlider_StrokeView"));
        slider->setSliderDown(true);
        slider->setValue(20);
        slider->setSliderDown(false);
        QCOMPARE(stored().value(1).point[0], 20);
        QCOMPARE(page->findChild<DDksShowWidget*>()->seniorKeyInfo().point[3], 20);
        QVERIFY(child<QLabel>(page, "label_Stroke01")->text().contains(QLatin1String(">2.0mm<")));
        QVERIFY(child<QLabel>(page, "label_Stroke04")->text().contains(QLatin1String(">2.0mm<")));
        QCOMPARE(child<QLabel>(page, "label_Stroke02")->text(), QStringLiteral("3.6mm"));
        view->close();
        QVERIFY(overlays.first()->isHidden());
    }

    void explanationBubbles()
    {
        DSeniorKeysPage* page = openEditor();
        auto* entryHelp = child<QToolButton>(page, "toolButton_ExplainInfo");
        auto* kindHelp = child<QToolButton>(page, "toolButton_ExplainInfo02");
        hover(kindHelp, false); // nothing made yet: nothing happens
        QCOMPARE(shownBubbles().size(), 0);

        hover(entryHelp, true);
        QCOMPARE(shownBubbles().size(), 1);
        auto* first = shownBubbles().first();
        QCOMPARE(first->size(), QSize(395, 320));
        const QStringList entryLines = first->findChild<QLabel*>("label_KeyRecordExplain")->text().split('\n');
        QCOMPARE(entryLines.size(), 2);
        QVERIFY(entryLines.at(0).startsWith(QLatin1String("When \"Single Key\" is selected")));
        QVERIFY(entryLines.at(1).startsWith(QLatin1String("When \"Key Combination\" is selected")));
        const QPoint tip = entryHelp->mapToGlobal(QPoint(entryHelp->width() / 2, entryHelp->height()));
        QCOMPARE(first->pos(), tip - QPoint(360, entryHelp->height() - 11));

        // Straight from one button to the other: the leave comes first.
        hover(entryHelp, false);
        QCOMPARE(shownBubbles().size(), 0);
        hover(kindHelp, true);
        QCOMPARE(shownBubbles().size(), 1);
        auto* second = shownBubbles().first();
        QVERIFY(second != first);
        const QStringList kindLines = second->findChild<QLabel*>("label_DksMtTglExplain")->text().split('\n');
        QCOMPARE(kindLines.size(), 6);
        QCOMPARE(kindLines.at(0), QStringLiteral("DKS:"));
        QCOMPARE(kindLines.at(2), QStringLiteral("MT:"));
        QCOMPARE(kindLines.at(4), QStringLiteral("TGL:"));
        QCOMPARE(kindLines.at(5), QStringLiteral("Click this key to switch continuous triggering on or off."));
        hover(kindHelp, false);
        hover(entryHelp, true);
        // One bubble per kind, made once.
        QCOMPARE(shownBubbles(), QList<ArrowWidget*>{first});
        hover(entryHelp, false);
    }

    void failedWritesAreTold()
    {
        makeRecords({1, 2});
        DSeniorKeysPage* page = openEditor();
        QTest::mouseClick(row(page, "MT2"), Qt::LeftButton);
        XmlStore::instance().cache.setFailCommits(true);
        pick(page, 4);
        QCOMPARE(toast(page), QStringLiteral("The advanced-key file could not be saved"));
        // Read again: the same record on show, without the key the file lacks.
        QCOMPARE(rows(page), (QStringList{"DKS1", "*MT2"}));
        QCOMPARE(child<QToolButton>(page, "toolButton_HoldKey")->text(), QString());
        child<QPushButton>(page, "pushButton_NewCreate")->click();
        QCOMPARE(toast(page), QStringLiteral("The advanced-key file could not be saved"));
        QCOMPARE(rows(page), (QStringList{"DKS1", "*MT2"}));
        child<QPushButton>(row(page, "DKS1"), "pushButton_DeleteEvent")->click();
        QCOMPARE(toast(page), QStringLiteral("The advanced-key file could not be saved"));
        XmlStore::instance().cache.setFailCommits(false);
        XmlStore::instance().cache.clear();
        QCOMPARE(stored().keys(), (QList<int>{1, 2}));
        QCOMPARE(storedKey(2, 0), QByteArray());
    }

    void everyWayOfClosing_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("create");
        for (bool create : {false, true}) {
            const char* what = create ? ", after a create" : ", after edits only";
            QTest::newRow(qPrintable(QStringLiteral("close button%1").arg(what))) << 0 << create;
            QTest::newRow(qPrintable(QStringLiteral("escape%1").arg(what))) << 1 << create;
            QTest::newRow(qPrintable(QStringLiteral("window system%1").arg(what))) << 2 << create;
        }
    }
    void everyWayOfClosing()
    {
        QFETCH(int, how);
        QFETCH(bool, create);
        makeRecords({1});
        DSeniorKeysPage* page = openEditor();
        QPointer<DSeniorKeysPage> guard(page);
        QSignalSpy changed(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
        QSignalSpy closed(page, &DSeniorKeysPage::sigSeniorKeysPageClose);
        pick(page, 4);
        if (create)
            child<QPushButton>(page, "pushButton_NewCreate")->click();
        if (how == 0)
            child<QPushButton>(page, "pushButton_Close")->click();
        else if (how == 1)
            QTest::keyClick(page, Qt::Key_Escape);
        else
            page->close();
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(changed.count(), create ? 1 : 0);
    }
};

ORVANE_TEST_MAIN(tst_DSeniorKeysPage)
#include "tst_DSeniorKeysPage.moc"
