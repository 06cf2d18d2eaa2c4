#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

// No GL integration: the page needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The trigger page on a real X server with quick trigger and separate press
// and release on, in a dark and a light theme and in three languages: every
// text it shows must fit its widget. The screenshots are kept in the build
// tree for a person to look at.
class tst_triggerPageScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void pageOnScreen_data() { addThemeAndLanguageRows(); }

    void pageOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        data->setKeyTravelMaxLevel(40);
        data->setRateOfReturn(8);

        QWidget window;
        window.setWindowTitle(QStringLiteral("Trigger page"));
        window.setStyleSheet(
            QStringLiteral("QWidget#window{background: rgb(%1);}").arg(data->themeColors().deviceRightBgColor));
        window.setObjectName(QStringLiteral("window"));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* page = new DTriggerSettingPage(&window);
        layout->addWidget(page);
        window.resize(1096, 251);
        page->retranslate();
        page->setTheme();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        page->loadSensitivityData();
        // A key set to quick trigger with separate press and release travel.
        data->querySensitivity(1, 0, 0);
        data->relaySensitivityInfo(13, 24, 12, 15, 8);
        QTest::qWait(300);
        for (const char* name : {"checkBox_QuickTrigger", "checkBox_SecondarySensitivity"})
            QVERIFY2(page->findChild<QCheckBox*>(QLatin1String(name))->isChecked(), name);

        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();

        // The calibration steps in their bubble above the question mark, in
        // the same theme and language; every line shows in full.
        auto* explain = page->findChild<QToolButton*>(QStringLiteral("toolButton_Explain"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(explain, &enter);
        QTest::qWait(200);
        const QRect around(explain->mapToGlobal(QPoint(-60, -230)), QSize(420, 250));
        const QImage bubbleShot
            = window.screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height()).toImage();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!qobject_cast<ArrowWidget*>(top))
                continue;
            for (QLabel* label : top->findChildren<QLabel*>()) {
                if (label->isVisibleTo(top))
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
            }
        }
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(explain, &leave);
        QCoreApplication::removeTranslator(&translator);
        data->loadTheme(0);
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/trigger-page-%1-%2.png").arg(theme).arg(language)));
        QVERIFY(bubbleShot.save(dir + QStringLiteral("/trigger-explain-%1-%2.png").arg(theme).arg(language)));

        // The options scroll up and down, never sideways.
        const auto* area = page->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        QVERIFY(area->widget()->width() <= area->viewport()->width());
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (label->isVisibleTo(page) && !label->wordWrap() && !label->text().isEmpty())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
        }
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            if (button->isVisibleTo(page) && !button->text().isEmpty())
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(button->objectName() + QLatin1Char(' ') + button->text()));
        }
    }
};

ORVANE_TEST_MAIN(tst_triggerPageScreen)
#include "tst_triggerPageScreen.moc"
