#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/settings/DSettingsDia.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QTranslator>

// No GL integration: nothing here draws with OpenGL, and the GLX plug-in is
// unloaded before exit with an allocation LeakSanitizer cannot attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The settings dialog's two pages on a real X server, in a dark and a light
// theme and in the long-worded and right-to-left languages. Every text must
// fit; the screenshots are kept in the build tree for a person to look at.
class tst_settingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void pagesOnScreen_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("language");
        for (int theme : {0, 1}) {
            for (const char* language : {"English", "German", "Russian", "Arabic"})
                QTest::addRow("theme %d %s", theme, language) << theme << QString::fromLatin1(language);
        }
    }
    void pagesOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager::getInstance()->loadTheme(theme);

        // The main window's overlay dims what lies below; a plain backdrop
        // of that colour stands in for it.
        QWidget backdrop;
        backdrop.setObjectName(QStringLiteral("backdrop"));
        backdrop.setStyleSheet(QStringLiteral("QWidget#backdrop{background: rgb(60, 60, 70);}"));
        backdrop.resize(760, 560);
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        auto* dialog = new DSettingsDia(&backdrop);
        dialog->move(backdrop.mapToGlobal(QPoint(30, 30)));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));

        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        for (const char* page : {"pushButton_General", "pushButton_About"}) {
            dialog->findChild<QAbstractButton*>(QLatin1String(page))->click();
            QTest::qWait(150);
            const QRect area(dialog->mapToGlobal(QPoint(0, 0)), dialog->size());
            const QImage shot
                = dialog->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
            QVERIFY(shot.save(dir + QStringLiteral("/settings-%1-%2-%3.png").arg(page + 11).arg(theme).arg(language)));

            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty() || label->textFormat() == Qt::RichText
                    || label->text().contains(QLatin1Char('<')))
                    continue;
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
            }
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                if (!button->isVisible() || button->text().isEmpty())
                    continue;
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(button->objectName() + QLatin1Char(' ') + button->text()));
            }
        }
        dialog->close();
        QCoreApplication::removeTranslator(&translator);
        DDataManager::getInstance()->loadTheme(0);
    }
};

ORVANE_TEST_MAIN(tst_settingsScreen)
#include "tst_settingsScreen.moc"
