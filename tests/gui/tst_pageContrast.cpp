// Every page and dialog of the program, in each of the four themes, reads:
// the main window on simulated keyboards with each of its tabs and each key
// function's page, the editors, settings, the upgrade window, the messages
// and pop-ups. Every shown label, button and list cell is measured against
// what is drawn behind it (ContrastWalk); a failure names the theme, the
// page, the widget, both colours and the ratio.
#include "support/ApplicationSetUp.h"
#include "support/ContrastWalk.h"
#include "support/DevicePageProbe.h"
#include "support/KeyCapturePopUp.h"
#include "support/MacroEditorProbe.h"
#include "support/RenderedLook.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/UpgradeableKeyboards.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DCrashNotice.h"
#include "ui/widgets/DStoreMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>

namespace {

const char* const kThemes[] = {"dark", "light", "blue", "pink"};

// The key functions in the order of the key page's function bar, and what
// the bar calls them.
struct KeyFunction
{
    int id;
    const char* name;
};
constexpr KeyFunction kKeyFunctions[] = {
    {0, "default"},         {1, "macro"},       {2, "remap"},       {3, "mouse"},       {4, "text"},
    {5, "disable"},         {6, "multimedia"},  {7, "combination"}, {8, "program"},     {9, "hot key"},
    {10, "profile switch"}, {19, "key config"}, {20, "key light"},  {30, "side light"}, {40, "advanced key"},
};

// The pages that are not key functions.
const char* const kPages[] = {
    "device list and title bar",
    "key capture pop-up, remap",
    "key capture pop-up, combination",
    "lighting",
    "lighting, side light",
    "performance",
    "trigger",
    "trigger, every option",
    "tool button tip",
    "profile menu",
    "toast",
    "macro editor",
    "advanced-key editor",
    "DKS trigger points",
    "settings",
    "firmware information",
    "upgrade window",
    "reset question",
    "store message",
    "crash notice",
};

// The windows a page shows, to be measured, and what puts it away again.
struct Shown
{
    QList<QWidget*> windows;
    std::function<void()> close = [] {};
    // Each page of its stacks is shown in turn (dialogs of sections).
    bool everyStackPage = false;
    // What was measured already, of a window that was gone at once.
    std::optional<ContrastWalk::Result> measured;
    // Faults of the page's own besides contrast.
    QStringList faults;
};

// A cell of a list row shows its row through: a box of another colour
// behind a text reads as a fault of its own even where the text stays
// legible (black under the delays of the dark theme).
QStringList cellsOffTheirRow(const QList<DCatchKeyAndMouseItem*>& rows)
{
    QStringList faults;
    for (DCatchKeyAndMouseItem* item : rows) {
        auto* row = item->findChild<QFrame*>(QStringLiteral("frame"));
        if (!row || !row->isVisible())
            continue;
        const QColor paper = RenderedLook::background(row);
        for (QLabel* label : item->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().trimmed().isEmpty())
                continue;
            const QColor under = RenderedLook::background(label);
            if (under != paper)
                faults << QStringLiteral("%1 \"%2\" stands on %3 in a row of %4")
                              .arg(ContrastWalk::pathOf(label), label->text(), under.name(), paper.name());
        }
    }
    return faults;
}

QList<QWidget*> openBubbles()
{
    QList<QWidget*> bubbles;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<ArrowWidget*>(top) && top->isVisible())
            bubbles << top;
    }
    return bubbles;
}

// A window measured as shown, or also with each page of each of its
// visible stacks in turn, as a user would switch to them.
void measure(QWidget* window, bool everyStackPage, ContrastWalk::Result& out)
{
    const auto add = [&out](const ContrastWalk::Result& part) {
        out.measured += part.measured;
        for (const ContrastWalk::Finding& finding : part.unreadable) {
            const bool known = std::any_of(out.unreadable.cbegin(), out.unreadable.cend(),
                                           [&](const auto& seen) { return seen.describe() == finding.describe(); });
            if (!known)
                out.unreadable << finding;
        }
    };
    QCoreApplication::processEvents();
    add(ContrastWalk::walk(window));
    if (!everyStackPage)
        return;
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        if (!stack->isVisible())
            continue;
        const int shown = stack->currentIndex();
        for (int i = 0; i < stack->count(); ++i) {
            if (i == shown)
                continue;
            stack->setCurrentIndex(i);
            QCoreApplication::processEvents();
            add(ContrastWalk::walk(window));
        }
        stack->setCurrentIndex(shown);
    }
}

} // namespace

class tst_pageContrast : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorHarness> m_sim;
    std::unique_ptr<DMainWidget> m_window;
    int m_theme = 0;

    DDevicePage* page() const { return m_window->devicePage(); }
    DCustomKeysPage* keys() const { return DevicePageProbe(*page()).customKeysPage(); }

    template<typename Dialog>
    Dialog* newestChild() const
    {
        const QList<Dialog*> open = m_window->findChildren<Dialog*>();
        return open.isEmpty() ? nullptr : open.last();
    }

    // As the user does it: the settings dialog's theme box.
    void useTheme(int theme)
    {
        if (theme == m_theme)
            return;
        m_window->findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
        QPointer<DSettingsDia> dialog = newestChild<DSettingsDia>();
        QVERIFY(dialog);
        dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Theme"))->setCurrentIndex(theme);
        dialog->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(dialog.isNull());
        m_theme = theme;
    }

    void showMainTab(const char* button)
    {
        page()->findChild<QToolButton*>(QLatin1String(button))->click();
        QCoreApplication::processEvents();
    }

    // The key tab with a key chosen on the picture, on a function's page.
    bool showKeyFunction(int function)
    {
        showMainTab("toolButton_CustomKey");
        keyboardButCustom* cap = DevicePageProbe(*page()).keyCapAt(3, 1);
        if (!cap)
            return false;
        cap->click();
        keys()->onCurIndexChanged_Key(function);
        QCoreApplication::processEvents();
        return true;
    }

    template<typename Dialog>
    Shown openDialog(const std::function<void()>& open)
    {
        open();
        QPointer<Dialog> dialog = newestChild<Dialog>();
        if (!dialog || !QTest::qWaitForWindowExposed(dialog.data()))
            return {};
        return {{dialog.data()}, [dialog] {
                    if (auto* close = dialog
                                          ? dialog->template findChild<QPushButton*>(QStringLiteral("pushButton_Close"))
                                          : nullptr)
                        close->click();
                    QTRY_VERIFY(dialog.isNull() || !dialog->isVisible());
                    delete dialog.data();
                }};
    }

    Shown show(const QString& name)
    {
        for (const KeyFunction& function : kKeyFunctions) {
            if (name == QStringLiteral("key function, %1").arg(QLatin1String(function.name))) {
                if (!showKeyFunction(function.id))
                    return {};
                return {{m_window.get()}};
            }
        }
        if (name == QLatin1String("device list and title bar")) {
            showMainTab("toolButton_CustomKey");
            return {{m_window.get()}};
        }
        if (name.startsWith(QLatin1String("key capture pop-up"))) {
            showKeyFunction(0);
            ArrowWidget* popup = openCapturePopUp(*keys(), name.endsWith(QLatin1String("remap")) ? 2 : 7);
            if (!popup)
                return {};
            return {{popup}, [popup] { closeCapturePopUp(*popup); }};
        }
        const QMap<QString, const char*> tabs{{QStringLiteral("lighting"), "toolButton_LightConfig"},
                                              {QStringLiteral("performance"), "toolButton_Performance"},
                                              {QStringLiteral("trigger"), "toolButton_TriggerSetting"}};
        if (tabs.contains(name)) {
            showMainTab(tabs.value(name));
            return {{m_window.get()}, [this] { showMainTab("toolButton_CustomKey"); }};
        }
        if (name == QLatin1String("lighting, side light")) {
            showMainTab("toolButton_LightConfig");
            auto* part = page()->findChild<QAbstractButton*>(QStringLiteral("toolButton_LightSelectTypeChanged"));
            if (!part || !part->isVisible())
                return {};
            part->click();
            QCoreApplication::processEvents();
            return {{m_window.get()}, [this, part] {
                        part->click();
                        showMainTab("toolButton_CustomKey");
                    }};
        }
        if (name == QLatin1String("trigger, every option")) {
            showMainTab("toolButton_TriggerSetting");
            auto* trigger = DevicePageProbe(*page()).triggerSettingPage();
            // The tallest form: quick trigger with press and release apart.
            for (const char* name : {"checkBox_QuickTrigger", "checkBox_SecondarySensitivity"}) {
                auto* box = trigger->findChild<QCheckBox*>(QLatin1String(name));
                if (!box)
                    return {};
                if (!box->isChecked())
                    box->click();
            }
            QCoreApplication::processEvents();
            return {{m_window.get()}, [this] { showMainTab("toolButton_CustomKey"); }};
        }
        if (name == QLatin1String("DKS trigger points")) {
            Shown editor = openDialog<DSeniorKeysPage>([this] { showMainTab("toolButton_SeniorKey"); });
            QWidget* window = editor.windows.value(0);
            auto* link = window ? window->findChild<QLabel*>(QStringLiteral("label_Stroke01")) : nullptr;
            if (!link)
                return {};
            QMetaObject::invokeMethod(link, "linkActivated", Q_ARG(QString, QStringLiteral("Company|1.0mm|")));
            auto* strokes = window->findChild<DStrokeConfigView*>();
            if (!strokes || !QTest::qWaitForWindowExposed(strokes))
                return {};
            return {{strokes}, [strokes, editor] {
                        strokes->hide();
                        editor.close();
                    }};
        }
        if (name == QLatin1String("firmware information")) {
            QPointer<DFirwareInfoShow> dialog = new DFirwareInfoShow;
            dialog->show();
            if (!QTest::qWaitForWindowExposed(dialog.data()))
                return {};
            return {{dialog.data()}, [dialog] { delete dialog.data(); }};
        }
        if (name == QLatin1String("tool button tip")) {
            page()->showToolButtonTip(0);
            return {openBubbles(), [] {
                        for (QWidget* bubble : openBubbles())
                            bubble->hide();
                    }};
        }
        if (name == QLatin1String("profile menu")) {
            page()->findChild<QPushButton*>(QStringLiteral("pushButton_ProfileOperate"))->click();
            return {openBubbles(), [] {
                        for (QWidget* bubble : openBubbles())
                            bubble->hide();
                    }};
        }
        if (name == QLatin1String("toast")) {
            page()->onEveryPageBackTip(QStringLiteral("Operate successful"));
            return {{m_window.get()}};
        }
        if (name == QLatin1String("macro editor")) {
            Shown shown = openDialog<DMacroPage>([this] { showMainTab("toolButton_MacroDialog"); });
            auto* editor = qobject_cast<DMacroPage*>(shown.windows.value(0));
            // The macro's events on show, one of them selected: the rows'
            // cells are where black boxes once stood behind the delays.
            if (!editor || !QTest::qWaitFor([editor] { return MacroEditorProbe::macroRow(editor, "1"); }))
                return {};
            QTest::mouseClick(MacroEditorProbe::macroRow(editor, "1")->findChild<QLabel*>("label_MacroName"),
                              Qt::LeftButton);
            if (!QTest::qWaitFor([editor] { return MacroEditorProbe::eventTexts(editor).size() == 3; }))
                return {};
            const QList<DCatchKeyAndMouseItem*> events = editor->findChildren<DCatchKeyAndMouseItem*>();
            QTest::mouseClick(events.at(1)->findChild<QLabel*>("label_CatchEventExplain"), Qt::LeftButton);
            QCoreApplication::processEvents();
            shown.faults = cellsOffTheirRow(events);
            shown.faults.removeDuplicates();
            return shown;
        }
        if (name == QLatin1String("advanced-key editor")) {
            Shown shown = openDialog<DSeniorKeysPage>([this] { showMainTab("toolButton_SeniorKey"); });
            shown.everyStackPage = true;
            return shown;
        }
        if (name == QLatin1String("settings")) {
            Shown shown = openDialog<DSettingsDia>(
                [this] { m_window->findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click(); });
            shown.everyStackPage = true;
            return shown;
        }
        if (name == QLatin1String("upgrade window")) {
            QPointer<DUpdateFirmwareDia> window = new DUpdateFirmwareDia;
            window->setDeviceList(upgradeableKeyboards(), {});
            window->show();
            if (!QTest::qWaitForWindowExposed(window.data()))
                return {};
            return {{window.data()}, [window] { delete window.data(); }};
        }
        if (name == QLatin1String("reset question")) {
            // The question is modal: it is measured and answered from inside
            // its own event loop.
            auto measured = std::make_shared<ContrastWalk::Result>();
            QTimer poll;
            poll.setInterval(20);
            connect(&poll, &QTimer::timeout, &poll, [&poll, measured] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !QTest::qWaitForWindowExposed(box))
                    return;
                poll.stop();
                measure(box, false, *measured);
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == QObject::tr("No"))
                        button->click();
                }
            });
            poll.start();
            page()->findChild<QPushButton*>(QStringLiteral("pushButton_Reset"))->click();
            Shown shown;
            if (!poll.isActive())
                shown.measured = *measured;
            return shown;
        }
        if (name == QLatin1String("store message")) {
            QPointer<QMessageBox> box = DStoreMessage::show(
                m_window.get(), QStringLiteral("The profile file appProfile_1.xml could not be read. It was set aside "
                                               "as appProfile_1.xml.damaged and a fresh one took its place."));
            if (!box || !QTest::qWaitForWindowExposed(box.data()))
                return {};
            return {{box.data()}, [box] { delete box.data(); }};
        }
        if (name == QLatin1String("crash notice")) {
            // What the notice run shows.
            QPointer<DCrashNotice> notice
                = new DCrashNotice(QStringLiteral("/home/user/.local/share/orvane/crash-20261211.txt"));
            notice->show();
            if (!QTest::qWaitForWindowExposed(notice.data()))
                return {};
            return {{notice.data()}, [notice] { delete notice.data(); }};
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        rememberProgramVersion();
        QVERIFY(linkProgramPictures());
        m_sim = std::make_unique<SimulatorHarness>();
        QVERIFY(m_sim->plug("OV68M"));
        QVERIFY(m_sim->plug("OV84W", true));
        m_window = std::make_unique<DMainWidget>(m_sim->newDeviceChangeSource());
        QSignalSpy loaded(page(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The list load ends with the firmware check, whatever it found.
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
        // A macro with events of each kind for the editor's lists.
        const QByteArray macros(m_window->macroFilePath());
        QVERIFY(!macros.isEmpty());
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
        std::list<macroEventItem> events;
        events.push_back(StoreTestSupport::macroEvent("1", "10", "key", "4", "A", "down"));
        events.push_back(StoreTestSupport::macroEvent("1", "120", "key", "4", "A", "up"));
        events.push_back(StoreTestSupport::macroEvent("2", "30", "mouse", "1", "Left Click", "down"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, events, "1"));
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_sim.reset();
        DDataManager::getInstance()->loadTheme(0);
    }

    void everyTextReads_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("page");
        for (int theme = 0; theme < 4; ++theme) {
            for (const KeyFunction& function : kKeyFunctions) {
                const QString name = QStringLiteral("key function, %1").arg(QLatin1String(function.name));
                QTest::addRow("%s, %s", kThemes[theme], qPrintable(name)) << theme << name;
            }
            for (const char* name : kPages)
                QTest::addRow("%s, %s", kThemes[theme], name) << theme << QString::fromLatin1(name);
        }
    }
    void everyTextReads()
    {
        QFETCH(int, theme);
        QFETCH(QString, page);
        useTheme(theme);
        const Shown shown = show(page);
        QVERIFY2(!shown.windows.isEmpty() || shown.measured, "the page did not open");
        ContrastWalk::Result result = shown.measured.value_or(ContrastWalk::Result());
        for (QWidget* window : shown.windows)
            measure(window, shown.everyStackPage, result);
        shown.close();
        QVERIFY2(result.measured > 0, "nothing was measured");
        QStringList lines = shown.faults;
        for (const ContrastWalk::Finding& finding : qAsConst(result.unreadable))
            lines << finding.describe();
        // One line each: a test message of its own is cut short.
        for (const QString& line : qAsConst(lines))
            qInfo().noquote() << kThemes[theme] << page << "|" << line;
        QVERIFY2(lines.isEmpty(),
                 qPrintable(QStringLiteral("%1 of %2 unreadable").arg(lines.size()).arg(result.measured)));
    }
};

ORVANE_TEST_MAIN(tst_pageContrast)
#include "tst_pageContrast.moc"
