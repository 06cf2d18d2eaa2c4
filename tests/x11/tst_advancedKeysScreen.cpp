#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "profiles/DSeniorKeyRecords.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstring>

// No GL integration: nothing here draws with OpenGL, and the GLX plug-in is
// unloaded before exit with an allocation LeakSanitizer cannot attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {

seniorKeyInfoStu record(int index, int type, const QByteArray& name, const QList<QByteArray>& keys)
{
    seniorKeyInfoStu info;
    std::memset(&info, 0, sizeof info);
    info.index = index;
    info.type = type;
    StoreTestSupport::setText(info.name, name);
    for (int slot = 0; slot < keys.size(); ++slot)
        StoreTestSupport::setText(info.key[slot], keys.at(slot));
    const int actions[16] = {1, 2, 2, 0, 0, 1, 0, 1, 2, 3, 2, 1, 0, 0, 2, 0};
    if (type == 1)
        std::memcpy(info.action, actions, sizeof actions);
    info.point[0] = info.point[3] = 15;
    info.point[1] = info.point[2] = 36;
    info.holdDuration = 10;
    info.tglKeySet = 1;
    return info;
}

} // namespace

// The advanced-key editor's pieces on a real X server, in a dark and a light
// theme and in three languages: list rows, the all-keys picker, the DKS grid
// and the trigger-point pop-up. Every text must fit; the screenshots are
// kept in the build tree for a person to look at.
class tst_advancedKeysScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void piecesOnScreen_data()
    {
        ThemeUnderTest::addEveryThemeRow(
            {QStringLiteral("English"), QStringLiteral("German"), QStringLiteral("Russian")});
    }

    void piecesOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        const ThemeUnderTest::Scope themed(theme);
        const themeColorData colors = DDataManager::getInstance()->themeColors();

        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.setStyleSheet(QStringLiteral("QWidget#window{background: rgb(%1);} QLabel{color: rgb(%2);} "
                                            "QPushButton{color: rgb(%2); border: 1px solid rgb(%3); "
                                            "border-radius: 4px; padding: 2px 4px;}")
                                 .arg(colors.macroCenterBgColor, colors.textDefaultColor, colors.macroBorderColor));
        auto* columns = new QHBoxLayout(&window);
        auto* left = new QVBoxLayout;
        columns->addLayout(left);

        // The picker first, so the rows get its captions as the editor does.
        auto* area = new QScrollArea;
        area->setWidgetResizable(true);
        area->setFixedWidth(300);
        auto* contents = new QWidget;
        auto* contentsLayout = new QVBoxLayout(contents);
        auto* picker = new DAllKeysShowPage(contents);
        contentsLayout->addWidget(picker);
        area->setWidget(contents);
        columns->addWidget(area);

        const QList<seniorKeyInfoStu> records = {record(1, 1, "DKS1", {"4", "3,4", "128,41", "44"}),
                                                 record(2, 2, "MT2", {"225", "41"}), record(3, 3, "TGL3", {"255,29"})};
        for (int i = 0; i < records.size(); ++i) {
            auto* row = new DSeniorKeyEventListItem;
            row->setKeyNameMap(picker->allKeysMap());
            row->setData(records.at(i));
            row->setSelected(i == 0);
            row->setFixedWidth(413);
            left->addWidget(row);
        }
        auto* gridHost = new QWidget;
        gridHost->setFixedSize(380, 170);
        auto* grid = new DDksShowWidget(gridHost);
        grid->resize(380, 170);
        grid->setGridSize(360, 160);
        grid->setSeniorKeyInfo(records.first());
        left->addWidget(gridHost);
        left->addStretch();
        window.resize(760, 520);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* popup = new DStrokeConfigView(&window);
        popup->setSeniorKeyInfo(records.first());
        popup->move(window.mapToGlobal(QPoint(150, 330)));
        popup->show();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QTest::qWait(200);

        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
        const QRect popupArea(popup->mapToGlobal(QPoint(0, 0)), popup->size());
        const QImage popupShot
            = window.screen()
                  ->grabWindow(0, popupArea.x(), popupArea.y(), popupArea.width(), popupArea.height())
                  .toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/advanced-keys-%1-%2.png").arg(theme).arg(language)));
        QVERIFY(popupShot.save(dir + QStringLiteral("/trigger-points-%1-%2.png").arg(theme).arg(language)));

        // Every text shows in full: one-line labels within their width,
        // wrapped ones within their height; a key combination wider than its
        // 60 px label is cut to what fits, its tip telling it whole.
        for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(popup)}) {
            for (QLabel* label : top->findChildren<QLabel*>()) {
                if (!label->isVisibleTo(top) || label->text().isEmpty())
                    continue;
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
                else
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                             qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
            }
        }
        popup->close();
        QCoreApplication::removeTranslator(&translator);
    }

    // The editor itself with a DKS record of taps and holds, an MT and a
    // TGL record on show in turn, and its kind bubble.
    void editorOnScreen_data()
    {
        ThemeUnderTest::addEveryThemeRow(
            {QStringLiteral("English"), QStringLiteral("German"), QStringLiteral("Russian")});
    }

    void editorOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        const ThemeUnderTest::Scope themed(theme);

        DSeniorKeyRecords records{emptySeniorKeyFile()};
        QVERIFY(records.load());
        const QList<seniorKeyInfoStu> made = {record(1, 1, "DKS1", {"4", "3,4", "41", "44"}),
                                              record(2, 2, "MT2", {"225", "41"}), record(3, 3, "TGL3", {"5,29"})};
        for (seniorKeyInfoStu info : made) {
            QCOMPARE(int(records.create(info.type)), int(DSeniorKeyRecords::Result::Done));
            info.tglKeySet = info.type == 3 ? 1 : 0;
            if (info.type == 2)
                info.holdDuration = 350;
            QCOMPARE(int(records.modify(info)), int(DSeniorKeyRecords::Result::Done));
        }

        auto* page = new DSeniorKeysPage;
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QTRY_COMPARE(page->findChildren<DSeniorKeyEventListItem*>().size(), 3);
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        const char* const kinds[] = {"dks", "mt", "tgl"};
        const QList<DSeniorKeyEventListItem*> rows = page->findChildren<DSeniorKeyEventListItem*>();
        for (int i = 0; i < 3; ++i) {
            for (DSeniorKeyEventListItem* row : rows) {
                if (row->findChild<QLabel*>(QStringLiteral("label_Type"))->text() == QLatin1String(made.at(i).name))
                    QTest::mouseClick(row, Qt::LeftButton);
            }
            QTest::qWait(100);
            const QImage shot = page->screen()->grabWindow(page->winId()).toImage();
            QVERIFY(shot.save(
                dir + QStringLiteral("/advanced-key-editor-%1-%2-%3.png").arg(kinds[i]).arg(theme).arg(language)));
            // The texts of the page on show fit.
            QWidget* shown = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_2"))->currentWidget();
            for (QLabel* label : shown->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
                else
                    QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                             qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
            }
        }
        auto* help = page->findChild<QWidget*>(QStringLiteral("toolButton_ExplainInfo02"));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), help->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(help, &enter);
        QTest::qWait(200);
        const QRect around(page->mapToGlobal(QPoint(0, 0)), page->size());
        const QImage bubble
            = page->screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height()).toImage();
        QVERIFY(bubble.save(dir + QStringLiteral("/advanced-key-bubble-%1-%2.png").arg(theme).arg(language)));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(help, &leave);
        delete page;
        QCoreApplication::removeTranslator(&translator);
    }
};

ORVANE_TEST_MAIN(tst_advancedKeysScreen)
#include "tst_advancedKeysScreen.moc"
