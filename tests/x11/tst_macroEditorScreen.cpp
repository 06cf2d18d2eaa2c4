// The macro editor on a real X server in every theme, in English and in
// Russian (its longest texts): a macro with key, mouse and delay events, one
// event selected and its partner lit, the row menu open. Each is saved as a
// screenshot, and every text on show fits and reads on what is behind it.
#include "support/ApplicationSetUp.h"
#include "support/MacroEditorProbe.h"
#include "support/MacroEditorSupport.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>

#include <memory>

using namespace MacroEditorProbe;
using namespace MacroEditorSupport;
using namespace StoreTestSupport;

namespace {

QByteArray macroFile()
{
    static int files = 0;
    const QByteArray path = QFile::encodeName(DDataManager::getInstance()->userConfigDir()
                                              + QStringLiteral("/screen%1.xml").arg(++files));
    [&] {
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "2", "Copy and paste"));
        std::list<macroEventItem> events;
        events.push_back(macroEvent("1", "10", "key", "4", "A", "down"));
        events.push_back(macroEvent("1", "1500", "key", "4", "A", "up"));
        events.push_back(macroEvent("2", "30", "mouse", "513", "Left Click", "down"));
        events.push_back(macroEvent("2", "65535", "mouse", "513", "Left Click", "up"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, "1"));
    }();
    return path;
}

// A one-line text wider than its label, or a wrapped one higher.
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
        if (!fits)
            cut << label->objectName() + QLatin1Char(' ') + label->text();
    }
    return cut;
}

} // namespace

class tst_macroEditorScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void editorOnScreen_data()
    {
        ThemeUnderTest::addEveryThemeRow({QStringLiteral("English"), QStringLiteral("Russian")});
    }
    void editorOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        const ThemeUnderTest::Scope themed(theme);

        std::unique_ptr<DMacroPage> page(openMacroEditor(macroFile()));
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        QTRY_COMPARE(eventTexts(page.get()).size(), 4);
        const QList<DCatchKeyAndMouseItem*> events = eventRowsOf(page.get());
        QTRY_VERIFY(events.at(2)->isVisible());
        QTest::mouseClick(events.at(2)->findChild<QLabel*>(QStringLiteral("label_CatchEventExplain")), Qt::LeftButton);
        QTest::qWait(100);
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        const QRect around(page->mapToGlobal(QPoint(0, 0)), page->size());
        const auto shoot = [&](const char* what) {
            const QImage shot
                = page->screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height()).toImage();
            QVERIFY(shot.save(dir + QStringLiteral("/macro-editor-%1-%2-%3.png").arg(what).arg(theme).arg(language)));
        };
        shoot("events");
        QStringList faults = cutTexts(page.get());
        faults += ThemeUnderTest::unreadableTexts(page.get());

        // The row's menu, in its bubble.
        DMacroListItem* row = macroRow(page.get(), QStringLiteral("1"));
        row->findChild<QPushButton*>(QStringLiteral("pushButton_MacroOperate"))->click();
        auto* menu = row->findChild<ArrowWidget*>();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::qWait(100);
        shoot("menu");
        faults += cutTexts(menu);
        faults += ThemeUnderTest::unreadableTexts(menu);
        menu->hide();

        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

ORVANE_TEST_MAIN(tst_macroEditorScreen)
#include "tst_macroEditorScreen.moc"
