// The key-function pages whose buttons each store one fixed entry
// (shortcuts, mouse, multimedia, disable, keyboard-lighting and side-lighting
// actions, keyboard functions), over the real profile store: what a click
// stores, which button a stored entry checks, what stays hidden, how the
// choices look in every theme, and, in the key customisation page, the
// failure message of a profile that cannot be written and the disable page's
// Cancel.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/CurrentProfileLayer.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>

#include <functional>
#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;

// One page under test, reached through the operations every page offers.
struct Page
{
    std::unique_ptr<QWidget> widget;
    std::function<void()> load;
    std::function<void()> retranslate;
};

template<typename T>
Page make()
{
    auto* page = new T;
    return {std::unique_ptr<QWidget>(page), [page] { page->loadCurrentKeyInfo(); }, [page] { page->retranslate(); }};
}

Page makePage(const QString& name)
{
    if (name == QLatin1String("DHotKeyPage"))
        return make<DHotKeyPage>();
    if (name == QLatin1String("DMouseKeyPage"))
        return make<DMouseKeyPage>();
    if (name == QLatin1String("DMultimediaPage"))
        return make<DMultimediaPage>();
    if (name == QLatin1String("DKeyDisablePage"))
        return make<DKeyDisablePage>();
    if (name == QLatin1String("DKeyboardLightCustomEventPage"))
        return make<DKeyboardLightCustomEventPage>();
    if (name == QLatin1String("DSideLightCustomEventPage"))
        return make<DSideLightCustomEventPage>();
    return make<DKeyConfigFunctionPage>();
}

bool addEntry(const QByteArray& path, int key, const QByteArray& type, const QByteArray& paramB,
              const QByteArray& value)
{
    return COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", QByteArray::number(key), "K", type, "1", paramB, value);
}

// The checked radio button's name, hidden ones included; empty when none.
QString checkedButton(QWidget* page)
{
    QStringList checked;
    for (auto* button : page->findChildren<QRadioButton*>()) {
        if (button->isChecked())
            checked << button->objectName();
    }
    return checked.join(QLatin1Char('+'));
}

// The most solid colour of `area` of the widget as drawn: the core of its
// text's strokes.
QColor inkIn(QWidget* widget, const QRect& area, const QColor& ground)
{
    QWidget* top = widget->window();
    const QImage image = top->grab(QRect(widget->mapTo(top, area.topLeft()), area.size())).toImage();
    QColor ink = ground;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor here = image.pixelColor(x, y);
            if (ContrastRatio::contrast(here, ground) > ContrastRatio::contrast(ink, ground))
                ink = here;
        }
    }
    return ink;
}

QStringList hiddenOn(QWidget* page)
{
    QStringList hidden;
    for (auto* button : page->findChildren<QRadioButton*>()) {
        if (button->isHidden())
            hidden << button->objectName();
    }
    hidden.sort();
    return hidden;
}

} // namespace

class tst_choicePages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CurrentProfileLayer> m_profile;
    QByteArray m_default;

    static void useTheme(int theme)
    {
        DDataManager::getInstance()->loadTheme(theme);
        DAppStyle::apply(theme);
    }

    void selectKey(int key)
    {
        DDataManager::getInstance()->setCurrentKey(key, key == kKeyA ? QStringLiteral("A") : QStringLiteral("B"));
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_profile = std::make_unique<CurrentProfileLayer>();
        QVERIFY(m_profile->ready());
        m_default = m_profile->path();
        DDataManager* data = DDataManager::getInstance();
        data->setMagneticKeyboard(false);
        data->setHidDeviceType(2);
        selectKey(kKeyA);
    }
    void cleanup() { m_profile.reset(); }

    // Every visible button stores exactly its row, replacing an entry of
    // another type; the key's update comes before the success, and a click
    // on the checked button stores again.
    void storeOnClick_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        const struct
        {
            const char* page;
            const char* before;
            const char* button;
            const char* entry;
        } rows[] = {
            {"DHotKeyPage", "", "radioButton_CloseWindow", "9/1/1/0"},
            {"DHotKeyPage", "", "radioButton_ShowDesktop", "9/1/1/2"},
            {"DHotKeyPage", "", "radioButton_OpenMyComputer", "9/1/1/3"},
            {"DHotKeyPage", "", "radioButton_LockingComputer", "9/1/1/4"},
            {"DHotKeyPage", "", "radioButton_Copy", "9/1/1/5"},
            {"DHotKeyPage", "", "radioButton_Cut", "9/1/1/6"},
            {"DHotKeyPage", "", "radioButton_Paste", "9/1/1/7"},
            {"DHotKeyPage", "", "radioButton_Find", "9/1/1/8"},
            {"DHotKeyPage", "", "radioButton_CreateNew", "9/1/1/9"},
            {"DHotKeyPage", "", "radioButton_Print", "9/1/1/10"},
            {"DHotKeyPage", "", "radioButton_Save", "9/1/1/11"},
            {"DMouseKeyPage", "", "radioButton_mouseLeft", "4/1/1/0"},
            {"DMouseKeyPage", "", "radioButton_mouseCenter", "4/1/1/1"},
            {"DMouseKeyPage", "", "radioButton_mouseRight", "4/1/1/2"},
            {"DMouseKeyPage", "", "radioButton_mouseScrollUp", "4/1/1/3"},
            {"DMouseKeyPage", "", "radioButton_mouseScrollDown", "4/1/1/4"},
            {"DMouseKeyPage", "", "radioButton_Forward", "4/1/1/5"},
            {"DMouseKeyPage", "", "radioButton_Backward", "4/1/1/6"},
            {"DMultimediaPage", "", "radioButton_volAdd", "3/1/1/0"},
            {"DMultimediaPage", "", "radioButton_volLower", "3/1/1/1"},
            {"DMultimediaPage", "", "radioButton_mute", "3/1/1/2"},
            {"DMultimediaPage", "", "radioButton_playOrPause", "3/1/1/3"},
            {"DMultimediaPage", "", "radioButton_next", "3/1/1/4"},
            {"DMultimediaPage", "", "radioButton_previous", "3/1/1/5"},
            {"DMultimediaPage", "", "radioButton_videoStop", "3/1/1/6"},
            {"DMultimediaPage", "", "radioButton_Player", "3/1/1/8"},
            {"DMultimediaPage", "", "radioButton_Calculator", "3/1/1/9"},
            {"DMultimediaPage", "", "radioButton_Computer", "3/1/1/10"},
            {"DMultimediaPage", "", "radioButton_Browser", "3/1/1/11"},
            {"DMultimediaPage", "", "radioButton_Email", "3/1/1/12"},
            {"DMultimediaPage", "", "radioButton_ScreenBrightnessAdd", "3/1/1/13"},
            {"DMultimediaPage", "", "radioButton_ScreenBrightnessLess", "3/1/1/14"},
            {"DMultimediaPage", "", "radioButton_wwwSearch", "3/1/1/15"},
            {"DKeyDisablePage", "", "pushButton_OK", "5/1/1/-1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_AllLightList", "20/1/1/2"},
            {"DKeyboardLightCustomEventPage", "radioButton_CloseBackLight", "radioButton_StaticMode", "20/1/1/3"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_BrightnessUp", "21/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_BrightnessDown", "21/1/1/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_SpeedAdd", "22/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_SpeedLessen", "22/1/1/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_DirectionAddOne", "23/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_DirectionLessenOne", "23/1/1/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_DirectionLoop", "23/1/1/2"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_FullColor", "24/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_TopColor", "24/1/1/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_BottomColor", "24/1/1/2"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_CloseAll", "26/1/0/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_CloseBackLight", "26/1/0/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_StopBackLight", "26/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_LightRecording", "27/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_IntoCustomLight01", "25/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_IntoCustomLight02", "25/1/1/1"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_OverallLightList", "20/1/1/0"},
            {"DKeyboardLightCustomEventPage", "", "radioButton_InteractionLightList", "20/1/1/1"},
            {"DSideLightCustomEventPage", "", "radioButton_AllLightList", "30/1/1/2"},
            {"DSideLightCustomEventPage", "", "radioButton_BrightnessUp", "31/1/1/0"},
            {"DSideLightCustomEventPage", "", "radioButton_BrightnessDown", "31/1/1/1"},
            {"DSideLightCustomEventPage", "radioButton_CloseSideLight", "radioButton_SpeedAdd", "32/1/1/0"},
            {"DSideLightCustomEventPage", "", "radioButton_SpeedLessen", "32/1/1/1"},
            {"DSideLightCustomEventPage", "", "radioButton_FullColor", "33/1/1/0"},
            {"DSideLightCustomEventPage", "", "radioButton_TopColor", "33/1/1/1"},
            {"DSideLightCustomEventPage", "", "radioButton_BottomColor", "33/1/1/2"},
            {"DSideLightCustomEventPage", "", "radioButton_CloseSideLight", "34/1/0/2"},
            {"DSideLightCustomEventPage", "", "radioButton_StopSideLight", "34/1/1/0"},
            {"DKeyConfigFunctionPage", "", "radioButton_SwitchLoopWin", "19/1/2/0"},
            {"DKeyConfigFunctionPage", "", "radioButton_LockKeyboard", "19/1/0/0"},
            {"DKeyConfigFunctionPage", "", "radioButton_PowerQuery", "19/1/10/0"},
            {"DKeyConfigFunctionPage", "", "radioButton_USB", "19/1/11/2,0"},
            {"DKeyConfigFunctionPage", "", "radioButton_24G", "19/1/11/1,0"},
            {"DKeyConfigFunctionPage", "", "radioButton_Pattern1", "19/1/11/0,0"},
            {"DKeyConfigFunctionPage", "", "radioButton_Pattern2", "19/1/11/0,1"},
            {"DKeyConfigFunctionPage", "", "radioButton_Pattern3", "19/1/11/0,2"},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(row.page, row.button)))
                << row.page << row.before << row.button << row.entry;
    }
    void storeOnClick()
    {
        QFETCH(QString, page);
        QFETCH(QString, before);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QVERIFY(addEntry(m_default, kKeyA, "6", "1", "some text"));
        QVERIFY(addEntry(m_default, kKeyB, "1", "1", "2"));
        Page tested = makePage(page);
        tested.load();
        QStringList emitted;
        connect(tested.widget.get(), SIGNAL(sigShoudUpdateKeyboard(int)), this, SLOT(noteUpdate(int)));
        connect(tested.widget.get(), SIGNAL(sigCustomKeyInfoSaveSuccessful()), this, SLOT(noteSuccess()));
        m_emitted = &emitted;
        if (!before.isEmpty())
            tested.widget->findChild<QAbstractButton*>(before)->click();
        emitted.clear();
        auto* clicked = tested.widget->findChild<QAbstractButton*>(button);
        QVERIFY(clicked);
        QVERIFY(!clicked->isHidden());
        clicked->click();
        QCOMPARE(emitted, QStringList({QStringLiteral("update 4"), QStringLiteral("success")}));
        QCOMPARE(keyEntryOf(m_default, kKeyA), entry);
        QCOMPARE(keyEntryOf(m_default, kKeyB), QStringLiteral("1/1/1/2"));

        // Clicking the checked button stores the same entry again, once.
        clicked->click();
        QCOMPARE(emitted.size(), 4);
        QCOMPARE(keyEntryOf(m_default, kKeyA), entry);
        const QStringList fields = entry.split(QLatin1Char('/'));
        QCOMPARE(COrvaneXML_GetProFileValueNum(m_default, "1", fields.at(0).toLatin1(), fields.at(3).toLatin1()), 1);
        m_emitted = nullptr;
    }

    // What a stored entry checks: nothing for no entry or another type, also
    // right after a key that showed a check; the row's button otherwise; a
    // hidden button for the entries the page keeps hidden. A load never
    // writes the file.
    void loadChecks_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("paramB");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("visible");
        const struct
        {
            const char* page;
            const char* type;
            const char* paramB;
            const char* value;
            const char* checked;
            bool visible;
        } rows[] = {
            {"DHotKeyPage", "", "", "", "", false},
            {"DHotKeyPage", "3", "1", "0", "", false},
            {"DHotKeyPage", "9", "1", "0", "radioButton_CloseWindow", true},
            {"DHotKeyPage", "9", "1", "9", "radioButton_CreateNew", true},
            {"DHotKeyPage", "9", "1", "10", "radioButton_Print", true},
            {"DHotKeyPage", "9", "1", "1", "", false},
            {"DHotKeyPage", "9", "1", "12", "", false},
            {"DMouseKeyPage", "", "", "", "", false},
            {"DMouseKeyPage", "4", "1", "5", "radioButton_Forward", true},
            {"DMouseKeyPage", "4", "1", "6", "radioButton_Backward", true},
            {"DMouseKeyPage", "4", "1", "7", "radioButton_SniperKey", false},
            {"DMouseKeyPage", "4", "1", "8", "", false},
            {"DMouseKeyPage", "3", "1", "0", "", false},
            {"DMultimediaPage", "3", "1", "11", "radioButton_Browser", true},
            {"DMultimediaPage", "3", "1", "12", "radioButton_Email", true},
            {"DMultimediaPage", "3", "1", "7", "", false},
            {"DMultimediaPage", "3", "1", "16", "", false},
            {"DMultimediaPage", "4", "1", "0", "", false},
            {"DKeyboardLightCustomEventPage", "", "", "", "", false},
            {"DKeyboardLightCustomEventPage", "20", "1", "3", "radioButton_StaticMode", true},
            {"DKeyboardLightCustomEventPage", "21", "1", "2", "", false},
            {"DKeyboardLightCustomEventPage", "25", "1", "1", "radioButton_IntoCustomLight02", true},
            {"DKeyboardLightCustomEventPage", "26", "0", "0", "radioButton_CloseAll", true},
            {"DKeyboardLightCustomEventPage", "26", "0", "1", "radioButton_CloseBackLight", true},
            {"DKeyboardLightCustomEventPage", "26", "1", "7", "radioButton_StopBackLight", true},
            {"DKeyboardLightCustomEventPage", "26", "0", "2", "", false},
            {"DKeyboardLightCustomEventPage", "27", "0", "5", "radioButton_LightRecording", true},
            {"DKeyboardLightCustomEventPage", "30", "1", "2", "", false},
            {"DSideLightCustomEventPage", "", "", "", "", false},
            {"DSideLightCustomEventPage", "30", "1", "2", "radioButton_AllLightList", true},
            {"DSideLightCustomEventPage", "30", "1", "0", "radioButton_OverallLightList", false},
            {"DSideLightCustomEventPage", "33", "1", "1", "radioButton_TopColor", true},
            {"DSideLightCustomEventPage", "34", "0", "0", "radioButton_CloseSideLight", true},
            {"DSideLightCustomEventPage", "34", "0", "1", "radioButton_CloseSideLight", true},
            {"DSideLightCustomEventPage", "34", "0", "2", "radioButton_CloseSideLight", true},
            {"DSideLightCustomEventPage", "34", "1", "2", "radioButton_StopSideLight", true},
            {"DSideLightCustomEventPage", "20", "1", "2", "", false},
            {"DKeyConfigFunctionPage", "", "", "", "", false},
            {"DKeyConfigFunctionPage", "19", "11", "2,1", "radioButton_USB", true},
            {"DKeyConfigFunctionPage", "19", "11", "1,0", "radioButton_24G", true},
            {"DKeyConfigFunctionPage", "19", "11", "0,1", "radioButton_Pattern2", true},
            {"DKeyConfigFunctionPage", "19", "11", "0,3", "", false},
            {"DKeyConfigFunctionPage", "19", "11", "ab,1", "radioButton_Pattern2", true},
            {"DKeyConfigFunctionPage", "19", "11", "2", "", false},
            {"DKeyConfigFunctionPage", "19", "8", "1", "radioButton_FNLayer", false},
            {"DKeyConfigFunctionPage", "19", "0", "5", "radioButton_LockKeyboard", true},
            {"DKeyConfigFunctionPage", "19", "10", "3", "radioButton_PowerQuery", true},
            {"DKeyConfigFunctionPage", "19", "2", "0", "radioButton_SwitchLoopWin", true},
            {"DKeyConfigFunctionPage", "19", "2", "1", "radioButton_LockWin", false},
            {"DKeyConfigFunctionPage", "9", "1", "0", "", false},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2/%3/%4").arg(row.page, row.type, row.paramB, row.value)))
                << row.page << row.type << row.paramB << row.value << row.checked << row.visible;
    }
    void loadChecks()
    {
        QFETCH(QString, page);
        QFETCH(QString, type);
        QFETCH(QString, paramB);
        QFETCH(QString, value);
        QFETCH(QString, checked);
        QFETCH(bool, visible);
        Page tested = makePage(page);
        tested.widget->show();
        // Key B shows a check first, from the page's own first button.
        selectKey(kKeyB);
        tested.load();
        const QList<QRadioButton*> buttons = tested.widget->findChildren<QRadioButton*>();
        QRadioButton* first = nullptr;
        for (QRadioButton* button : buttons) {
            if (!button->isHidden()) {
                first = button;
                break;
            }
        }
        QVERIFY(first);
        first->click();
        QVERIFY(!checkedButton(tested.widget.get()).isEmpty());

        if (!type.isEmpty())
            QVERIFY(addEntry(m_default, kKeyA, type.toLatin1(), paramB.toLatin1(), value.toLatin1()));
        const QByteArray before = readFileBytes(m_default);
        selectKey(kKeyA);
        tested.load();
        QCOMPARE(checkedButton(tested.widget.get()), checked);
        if (!checked.isEmpty())
            QCOMPARE(tested.widget->findChild<QRadioButton*>(checked)->isVisible(), visible);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // Buttons the pages keep hidden, and the keyboard functions that follow
    // the device type at every load; language and theme change none of it.
    void hiddenButtons_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QList<int>>("deviceTypes");
        QTest::addColumn<QStringList>("hidden");
        const QStringList alwaysHidden = {"radioButton_DefaultLayer", "radioButton_FN1Layer", "radioButton_FNLayer",
                                          "radioButton_LockWin", "radioButton_UnlockWin"};
        QStringList withoutConnections
            = alwaysHidden + QStringList{"radioButton_24G",      "radioButton_Pattern1",   "radioButton_Pattern2",
                                         "radioButton_Pattern3", "radioButton_PowerQuery", "radioButton_USB"};
        withoutConnections.sort();
        QTest::newRow("mouse") << "DMouseKeyPage" << QList<int>{2} << QStringList{"radioButton_SniperKey"};
        QTest::newRow("side light") << "DSideLightCustomEventPage" << QList<int>{2}
                                    << QStringList{"radioButton_InteractionLightList", "radioButton_OverallLightList"};
        QTest::newRow("keyboard light") << "DKeyboardLightCustomEventPage" << QList<int>{2} << QStringList();
        QTest::newRow("shortcuts") << "DHotKeyPage" << QList<int>{2} << QStringList();
        QTest::newRow("multimedia") << "DMultimediaPage" << QList<int>{2} << QStringList();
        QTest::newRow("key config, type 2") << "DKeyConfigFunctionPage" << QList<int>{2} << alwaysHidden;
        QTest::newRow("key config, type 3 after 4") << "DKeyConfigFunctionPage" << QList<int>{4, 3} << alwaysHidden;
        QTest::newRow("key config, type 4") << "DKeyConfigFunctionPage" << QList<int>{2, 4} << withoutConnections;
        QTest::newRow("key config, type 5") << "DKeyConfigFunctionPage" << QList<int>{5} << withoutConnections;
    }
    void hiddenButtons()
    {
        QFETCH(QString, page);
        QFETCH(QList<int>, deviceTypes);
        QFETCH(QStringList, hidden);
        Page tested = makePage(page);
        for (int deviceType : deviceTypes) {
            DDataManager::getInstance()->setHidDeviceType(deviceType);
            tested.load();
        }
        QCOMPARE(hiddenOn(tested.widget.get()), hidden);
        tested.retranslate();
        useTheme(1);
        QCOMPARE(hiddenOn(tested.widget.get()), hidden);
        useTheme(0);
    }

    // The disable page's label shows the key loaded last, also after a
    // language change; Cancel stores nothing.
    void disableLabelAndCancel()
    {
        QVERIFY(addEntry(m_default, kKeyA, "3", "1", "2"));
        DKeyDisablePage page;
        QSignalSpy cancelled(&page, &DKeyDisablePage::sigClickedCancel);
        QSignalSpy saved(&page, &DKeyDisablePage::sigCustomKeyInfoSaveSuccessful);
        page.loadCurrentKeyInfo();
        selectKey(kKeyB);
        page.loadCurrentKeyInfo();
        auto* label = page.findChild<QLabel*>(QStringLiteral("label_KeyChar"));
        QCOMPARE(label->text(), QStringLiteral("B"));
        page.retranslate();
        QCOMPARE(label->text(), QStringLiteral("B"));
        const QByteArray before = readFileBytes(m_default);
        page.findChild<QPushButton*>(QStringLiteral("pushButton_Cancel"))->click();
        QCOMPARE(cancelled.size(), 1);
        QCOMPARE(saved.size(), 0);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // In every theme a page's choices show which one is taken: the taken
    // one's text in the accent and its ring filled, the others' rings drawn;
    // text and rings read on the page as drawn.
    void choicesInEveryTheme_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("theme");
        for (const char* page : {"DHotKeyPage", "DMouseKeyPage", "DMultimediaPage", "DKeyboardLightCustomEventPage",
                                 "DSideLightCustomEventPage", "DKeyConfigFunctionPage"}) {
            for (int theme = 0; theme < 4; ++theme)
                QTest::addRow("%s theme %d", page, theme) << QString::fromLatin1(page) << theme;
        }
    }
    void choicesInEveryTheme()
    {
        QFETCH(QString, page);
        QFETCH(int, theme);
        useTheme(theme);
        Page tested = makePage(page);
        tested.load();
        tested.widget->resize(900, 300);
        tested.widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(tested.widget.get()));
        QList<QRadioButton*> shown;
        for (QRadioButton* button : tested.widget->findChildren<QRadioButton*>()) {
            if (button->isVisible())
                shown << button;
        }
        QVERIFY(shown.size() >= 2);
        shown.first()->setChecked(true);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        QStringList faults;
        for (QRadioButton* button : qAsConst(shown)) {
            const bool taken = button == shown.first();
            const QColor ground = RenderedLook::background(button);
            QStyleOptionButton option;
            option.initFrom(button);
            const QColor text = inkIn(
                button, button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button), ground);
            if (text != roles.color(taken ? DThemeRoles::AccentText : DThemeRoles::Text))
                faults << button->objectName() + QStringLiteral(": text ") + text.name();
            if (ContrastRatio::contrast(text, ground) < ContrastRatio::kText)
                faults << button->objectName() + QStringLiteral(": text on ground ")
                              + QString::number(ContrastRatio::contrast(text, ground));
            const QRect ring = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
            const QColor centre = RenderedLook::pixel(button, ring.center());
            const QColor edge = RenderedLook::pixel(button, QPoint(ring.left() + 1, ring.center().y()));
            if (ContrastRatio::contrast(edge, ground) < ContrastRatio::kLarge)
                faults << button->objectName() + QStringLiteral(": ring ") + edge.name() + QStringLiteral(" on ")
                              + ground.name();
            const double fill = ContrastRatio::contrast(centre, ground);
            if (taken ? fill < ContrastRatio::kLarge : centre != ground)
                faults << button->objectName() + QStringLiteral(": centre ") + centre.name() + QStringLiteral(" on ")
                              + ground.name();
        }
        useTheme(0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // In the key customisation page: a store the profile cannot take gives
    // the failure message, no success, the file as it was and the buttons
    // showing what is stored.
    void failedStore_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("shortcuts") << 9 << "9/1/1/5"
                                   << "radioButton_Copy"
                                   << "radioButton_Paste";
        QTest::newRow("mouse") << 3 << "4/1/1/0"
                               << "radioButton_mouseLeft"
                               << "radioButton_mouseRight";
        QTest::newRow("multimedia") << 6 << "3/1/1/2"
                                    << "radioButton_mute"
                                    << "radioButton_Player";
        QTest::newRow("disable") << 5 << "3/1/1/2"
                                 << ""
                                 << "pushButton_OK";
        QTest::newRow("keyboard light") << 20 << "26/1/1/0"
                                        << "radioButton_StopBackLight"
                                        << "radioButton_CloseAll";
        QTest::newRow("side light") << 30 << "34/1/0/2"
                                    << "radioButton_CloseSideLight"
                                    << "radioButton_StopSideLight";
        QTest::newRow("key config") << 19 << "19/1/11/0,2"
                                    << "radioButton_Pattern3"
                                    << "radioButton_USB";
    }
    void failedStore()
    {
        QFETCH(int, function);
        QFETCH(QString, stored);
        QFETCH(QString, checked);
        QFETCH(QString, clicked);
        const QStringList fields = stored.split(QLatin1Char('/'));
        QVERIFY(addEntry(m_default, kKeyA, fields.at(0).toLatin1(), fields.at(2).toLatin1(), fields.at(3).toLatin1()));
        DDataManager::getInstance()->setHasSideLight(true);
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        selectKey(kKeyA);
        host.onCurIndexChanged_Key(function);
        auto* shown = host.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
        QCOMPARE(checkedButton(shown), checked);
        QSignalSpy messages(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        const QByteArray before = readFileBytes(m_default);
        {
            LockedFolder lock(m_profile->folder());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            shown->findChild<QAbstractButton*>(clicked)->click();
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(keyEntryOf(m_default, kKeyA), stored);
        QCOMPARE(checkedButton(shown), checked);
        DDataManager::getInstance()->setHasSideLight(false);
    }

    // Cancel on the disable page opens the Default page, also when no key
    // is selected any more.
    void disableCancelOpensDefault()
    {
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        selectKey(kKeyA);
        host.onCurIndexChanged_Key(5);
        auto* stack = host.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Disable"));
        DDataManager::getInstance()->clearCurrentKey();
        const QByteArray before = readFileBytes(m_default);
        stack->currentWidget()->findChild<QPushButton*>(QStringLiteral("pushButton_Cancel"))->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Default"));
        QCOMPARE(readFileBytes(m_default), before);
    }

public slots:
    void noteUpdate(int key)
    {
        if (m_emitted)
            *m_emitted << QStringLiteral("update %1").arg(key);
    }
    void noteSuccess()
    {
        if (m_emitted)
            *m_emitted << QStringLiteral("success");
    }

private:
    QStringList* m_emitted = nullptr;
};

ORVANE_TEST_MAIN(tst_choicePages)
#include "tst_choicePages.moc"
