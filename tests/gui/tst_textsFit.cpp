// Every page and dialog, in each of the fifteen languages, with the
// program's own fonts: no text is cut, elided or runs out of its widget.
// A failure lists the language, the page, the widget and the pixels missing.
#include "support/ApplicationSetUp.h"
#include "support/KeyCapturePopUp.h"
#include "support/LoadedDevicePage.h"
#include "support/MacroEditorProbe.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/TextFit.h"
#include "support/UpgradeableKeyboards.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DMagneticCustomEventTipView.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/ArrowWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

// Key functions in the order of the key page's function bar.
constexpr int kFunctionIds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 19, 20, 30};

class Findings
{
public:
    explicit Findings(QString language)
        : m_language(std::move(language))
    {
    }

    void check(const QString& page, QWidget* window)
    {
        QCoreApplication::processEvents();
        for (const QString& line : textsThatDoNotFit(window)) {
            const QString entry = QStringLiteral("%1, %2: %3").arg(m_language, page, line);
            if (!m_lines.contains(entry))
                m_lines << entry;
        }
    }

    // The window as shown, then each page of each of its stacks in turn.
    void checkEveryPage(const QString& page, QWidget* window)
    {
        check(page, window);
        for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
            if (!stack->isVisible())
                continue;
            const int shown = stack->currentIndex();
            for (int i = 0; i < stack->count(); ++i) {
                stack->setCurrentIndex(i);
                check(page, window);
            }
            stack->setCurrentIndex(shown);
        }
    }

    // Each hover bubble (a window of its own) that the hovered widgets
    // open; how many opened.
    int checkBubbles(const QString& page, const QList<QWidget*>& hovered)
    {
        int opened = 0;
        for (QWidget* widget : hovered) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(widget, &enter);
            opened += checkOpenBubbles(page + QStringLiteral(" bubble"));
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(widget, &leave);
        }
        return opened;
    }

    // The bubbles (windows of their own) open now; how many.
    int checkOpenBubbles(const QString& page)
    {
        int open = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<ArrowWidget*>(top) && top->isVisible()) {
                check(page, top);
                ++open;
            }
        }
        return open;
    }

    QStringList lines() const { return m_lines; }

private:
    QString m_language;
    QStringList m_lines;
};

QList<QWidget*> visibleButtons(QWidget* window)
{
    QList<QWidget*> buttons;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            buttons << button;
    }
    return buttons;
}

template<typename Page>
void showPage(Page& page, QSize size)
{
    page.resize(size);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
}

} // namespace

class tst_textsFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_layerFile;
    QByteArray m_macroFile;

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(m_dir.isValid());
        m_layerFile = StoreTestSupport::pathIn(m_dir, QStringLiteral("appProfile_Default.xml"));
        QVERIFY(StoreTestSupport::createLayerFile(m_layerFile, 1, 1));
        m_macroFile = StoreTestSupport::pathIn(m_dir, QStringLiteral("macros.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(m_macroFile));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macroFile, "1", "Macro1"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macroFile, StoreTestSupport::keyPress("1", "4", "A"), "1"));
        QVERIFY(!emptySeniorKeyFile().isEmpty());
        DDataManager* data = DDataManager::getInstance();
        data->setHidDeviceType(4);
        data->setMagneticKeyboard(true);
        data->setHasSideLight(true);
        data->setCurrentProfileIndex(1);
        data->setCurrentProfilePath(m_layerFile);
    }

    void everyTextFits_data()
    {
        addEveryLanguageRow();
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        Findings findings(language);
        DDataManager* data = DDataManager::getInstance();

        {
            // The key page at the size the device page gives it, with each
            // key function's page.
            QWidget window;
            auto* layout = new QVBoxLayout(&window);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* page = new DCustomKeysPage(&window);
            layout->addWidget(page);
            page->setProfileIndex(1);
            page->setProfilePath(m_layerFile);
            page->initPageState(0);
            page->retranslate();
            page->setTheme();
            showPage(window, QSize(1096, 251));
            data->setCurrentKey(4, QStringLiteral("A"));
            for (int function : kFunctionIds) {
                page->onCurIndexChanged_Key(function);
                const QWidget* shown
                    = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
                QVERIFY2((function == 0) == (shown->objectName() == QLatin1String("page_Default")),
                         qPrintable(shown->objectName()));
                findings.check(QStringLiteral("key page, function %1").arg(function), &window);
            }
            // The capture pop-ups of the remap and key-combination pages.
            for (int function : {2, 7}) {
                ArrowWidget* popup = openCapturePopUp(*page, function);
                QVERIFY(popup);
                findings.check(QStringLiteral("key capture pop-up %1").arg(function), popup);
                closeCapturePopUp(*popup);
            }
            // The function buttons' tips, once the page listens to hovering.
            QList<QWidget*> functions;
            for (QWidget* button : visibleButtons(&window)) {
                if (button->objectName().startsWith(QLatin1String("toolButton_")))
                    functions << button;
            }
            QVERIFY(functions.size() >= 13);
            QTRY_COMPARE(findings.checkBubbles(QStringLiteral("key page"), {functions.first()}), 1);
            QCOMPARE(findings.checkBubbles(QStringLiteral("key page"), functions), int(functions.size()));
        }
        {
            // The device page on a simulated keyboard, and the caption
            // bubbles of the buttons that open its pages.
            SimulatorHarness sim;
            std::shared_ptr<SimulatedKeyboard> keyboard = sim.plug("OV68M");
            std::unique_ptr<DDevicePage> page = loadedDevicePage();
            QVERIFY(page);
            page->show();
            QVERIFY(QTest::qWaitForWindowExposed(page.get()));
            findings.check(QStringLiteral("device page"), page.get());
            QList<QWidget*> captions;
            for (const char* name : {"toolButton_CustomKey", "toolButton_LightConfig", "toolButton_MacroDialog",
                                     "toolButton_Performance", "toolButton_TriggerSetting", "toolButton_SeniorKey"})
                captions << page->findChild<QWidget*>(QLatin1String(name));
            QVERIFY(!captions.contains(nullptr));
            QCOMPARE(findings.checkBubbles(QStringLiteral("device page"), captions), int(captions.size()));
            auto* profileMenu = page->findChild<QPushButton*>(QStringLiteral("pushButton_ProfileOperate"));
            QVERIFY(profileMenu);
            profileMenu->click();
            QCOMPARE(findings.checkOpenBubbles(QStringLiteral("profile menu")), 1);
        }
        {
            DTriggerSettingPage page;
            page.retranslate();
            showPage(page, QSize(1096, 251));
            for (QCheckBox* box : page.findChildren<QCheckBox*>())
                box->setChecked(true);
            findings.checkEveryPage(QStringLiteral("trigger page"), &page);
            // Each question mark on show opens its explanation.
            int questionMarks = 0;
            for (QWidget* button : visibleButtons(&page))
                questionMarks += button->objectName().contains(QLatin1String("Explain")) ? 1 : 0;
            QVERIFY(questionMarks >= 3);
            QCOMPARE(findings.checkBubbles(QStringLiteral("trigger page"), visibleButtons(&page)), questionMarks);
        }
        {
            DLightsConfigPage page;
            page.retranslate();
            page.setTheme();
            showPage(page, QSize(1096, 251));
            findings.checkEveryPage(QStringLiteral("lighting page"), &page);
            // The page listens to hovering once it has settled.
            QWidget* partSwitch = page.findChild<QWidget*>(QStringLiteral("toolButton_LightSelectTypeChanged"));
            QTRY_COMPARE(findings.checkBubbles(QStringLiteral("lighting page"), {partSwitch}), 1);
            // The part switch and every effect button, those of the other
            // part and of other keyboards included.
            const QList<QAbstractButton*> buttons = page.findChildren<QAbstractButton*>();
            QVERIFY(findings.checkBubbles(QStringLiteral("lighting page"), {buttons.cbegin(), buttons.cend()}) > 20);
        }
        {
            DPerformancePage page;
            page.retranslate();
            showPage(page, QSize(1096, 251));
            findings.checkEveryPage(QStringLiteral("performance page"), &page);
        }
        {
            DSettingsDia dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            findings.checkEveryPage(QStringLiteral("settings"), &dialog);
        }
        {
            DFirwareInfoShow dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            findings.checkEveryPage(QStringLiteral("firmware information"), &dialog);
        }
        {
            // The update window with two keyboards, one behind a receiver.
            QPointer<DUpdateFirmwareDia> window = new DUpdateFirmwareDia;
            window->setDeviceList(upgradeableKeyboards(), {});
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.data()));
            findings.checkEveryPage(QStringLiteral("firmware update"), window.data());
            delete window.data();
        }
        {
            DMagneticCustomEventTipView view;
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            findings.checkEveryPage(QStringLiteral("magnetic key tip"), &view);
        }
        {
            QPointer<DMacroPage> editor = MacroEditorProbe::openMacroEditor(m_macroFile);
            QVERIFY(QTest::qWaitForWindowExposed(editor.data()));
            findings.checkEveryPage(QStringLiteral("macro editor"), editor.data());
            auto* rowMenu = editor->findChild<QPushButton*>(QStringLiteral("pushButton_MacroOperate"));
            QVERIFY(rowMenu);
            rowMenu->click();
            QCOMPARE(findings.checkOpenBubbles(QStringLiteral("macro row menu")), 1);
            delete editor.data();
        }
        {
            QPointer<DSeniorKeysPage> editor = new DSeniorKeysPage;
            editor->show();
            QVERIFY(QTest::qWaitForWindowExposed(editor.data()));
            findings.checkEveryPage(QStringLiteral("advanced-key editor"), editor.data());
            // The trigger-point pop-up, opened from a DKS point's link.
            auto* link = editor->findChild<QLabel*>(QStringLiteral("label_Stroke01"));
            QVERIFY(link);
            QVERIFY(QMetaObject::invokeMethod(link, "linkActivated", Q_ARG(QString, QStringLiteral("Company|1.0mm|"))));
            auto* strokes = editor->findChild<DStrokeConfigView*>();
            QVERIFY(strokes);
            QVERIFY(QTest::qWaitForWindowExposed(strokes));
            findings.checkEveryPage(QStringLiteral("DKS trigger points"), strokes);
            delete editor.data();
        }

        QCoreApplication::removeTranslator(&translator);
        // One line each: a test message of its own is cut short.
        const QStringList lines = findings.lines();
        for (const QString& line : lines)
            qInfo().noquote() << line;
        QVERIFY2(lines.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(lines.size())));
    }
};

ORVANE_TEST_MAIN(tst_textsFit)
#include "tst_textsFit.moc"
