// The style sheets of the advanced-key editor and the macro editor are all
// understood: opening either in any theme prints no style-sheet warning
// (a sheet Qt cannot parse is dropped whole, and its widget falls back to
// the platform look).
#include "support/ApplicationSetUp.h"
#include "support/MacroEditorProbe.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/store/XmlStore.h"
#include "ui/macro/DMacroPage.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QDir>
#include <QPointer>
#include <memory>

using namespace MacroEditorProbe;
using namespace StoreTestSupport;

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collectStyleSheetWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("QCssParser")) || message.contains(QLatin1String("Could not parse")))
        g_warnings << message;
    if (g_previous)
        g_previous(type, context, message);
}

// A sheet's values are read when a widget is polished and drawn; hidden
// pages of stacked widgets are polished here too, as a user would open them.
void polishAndDraw(QWidget* top)
{
    top->ensurePolished();
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        widget->ensurePolished();
        widget->grab();
    }
}

QByteArray macroFileWithEvents()
{
    static int files = 0;
    const QByteArray path = QFile::encodeName(DDataManager::getInstance()->userConfigDir()
                                              + QStringLiteral("/warnings%1.xml").arg(++files));
    [&] {
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        std::list<macroEventItem> events;
        events.push_back(macroEvent("1", "10", "key", "4", "A", "down"));
        events.push_back(macroEvent("1", "20", "key", "4", "A", "up"));
        events.push_back(macroEvent("2", "30", "mouse", "1", "Left Click", "down"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, "1"));
    }();
    return path;
}

} // namespace

class tst_styleSheetWarnings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        g_previous = qInstallMessageHandler(collectStyleSheetWarnings);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previous);
        DDataManager::getInstance()->loadTheme(0);
    }

    void init() { g_warnings.clear(); }

    void cleanup()
    {
        XmlStore::instance().cache.clear();
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
    }

    void editorsOpenWithoutWarnings_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("advanced");
        const char* themes[] = {"dark", "light", "blue", "pink"};
        for (int theme = 0; theme < 4; ++theme) {
            QTest::addRow("advanced keys, %s", themes[theme]) << theme << true;
            QTest::addRow("macros, %s", themes[theme]) << theme << false;
        }
    }
    void editorsOpenWithoutWarnings()
    {
        QFETCH(int, theme);
        QFETCH(bool, advanced);
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadTheme(theme);
        DAppStyle::apply(theme);
        std::unique_ptr<QWidget> editor;
        if (advanced) {
            QVERIFY(!emptySeniorKeyFile().isEmpty());
            auto* page = new DSeniorKeysPage;
            editor.reset(page);
            page->show();
            // The form's own sheets are on show until the editor has loaded.
            QVERIFY(QTest::qWaitForWindowExposed(page));
            polishAndDraw(page);
            QTRY_VERIFY(page->findChild<DAllKeysShowPage*>());
        } else {
            DMacroPage* page = openMacroEditor(macroFileWithEvents());
            editor.reset(page);
            QTRY_COMPARE(eventTexts(page).size(), 3);
        }
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        polishAndDraw(editor.get());
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    }
};

ORVANE_TEST_MAIN(tst_styleSheetWarnings)
#include "tst_styleSheetWarnings.moc"
