#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>

// No GL integration: the page needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// Every key-function page in the key customisation page on a real X server,
// for a magnetic-switch keyboard (device type 4) and a wireless-capable one
// (type 2), in the four themes and three languages: every label shows its
// whole height; on the keyboard-lighting and keyboard-function pages every
// button's text fits it, within the page's width and without overlapping
// another. The screenshots are kept in the build tree for a person to look
// at.
class tst_keyFunctionPagesScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void pagesOnScreen_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("language");
        for (const auto& [model, deviceType] : {std::pair<const char*, int>{"OV68M", 4}, {"OV84", 2}}) {
            for (int theme = 0; theme < 4; ++theme) {
                for (const char* language : {"English", "German", "Russian"})
                    QTest::addRow("%s theme %d %s", model, theme, language)
                        << QString::fromLatin1(model) << deviceType << theme << QString::fromLatin1(language);
            }
        }
    }
    void pagesOnScreen()
    {
        QFETCH(QString, model);
        QFETCH(int, deviceType);
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        QTemporaryDir dir;
        const QByteArray path = StoreTestSupport::pathIn(dir, QStringLiteral("appProfile_Default.xml"));
        QVERIFY(StoreTestSupport::createLayerFile(path, 1, 1));
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        data->setHidDeviceType(deviceType);
        data->setMagneticKeyboard(deviceType == 4);
        data->setHasSideLight(true);
        data->setCurrentProfileIndex(1);
        data->setCurrentProfilePath(path);

        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.setWindowTitle(QStringLiteral("Key functions"));
        // What lies behind the key customisation page in the main window.
        window.setStyleSheet(
            QStringLiteral("QWidget#window{background: %1;}").arg(data->themeRoles().css(DThemeRoles::MainSurface)));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* page = new DCustomKeysPage(&window);
        layout->addWidget(page);
        window.resize(1097, 250);
        page->setProfileIndex(1);
        page->setProfilePath(path);
        page->initPageState(0);
        page->retranslate();
        page->setTheme();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        data->setCurrentKey(4, QStringLiteral("A"));

        const QString shots = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(shots);
        const std::pair<int, const char*> shown[]
            = {{20, "keyboard-light"}, {19, "key-config"},   {30, "side-light"}, {1, "macro"},
               {2, "remap"},           {3, "mouse"},         {4, "text"},        {5, "disable"},
               {6, "multimedia"},      {7, "combination"},   {8, "launch"},      {9, "shortcut"},
               {10, "profile-switch"}, {40, "advanced-key"}, {0, "reset"}};
        for (const auto& [function, name] : shown) {
            page->onCurIndexChanged_Key(function);
            QWidget* current
                = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
            QTest::qWait(50);
            const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
            QVERIFY(shot.save(
                shots
                + QStringLiteral("/%1-%2-theme%3-%4.png").arg(QLatin1String(name), model).arg(theme).arg(language)));
            for (QLabel* label : current->findChildren<QLabel*>()) {
                if (label->isVisible() && !label->text().isEmpty())
                    QVERIFY2(label->sizeHint().height() <= label->height(),
                             qPrintable(QStringLiteral("%1 \"%2\": %3 high, needs %4")
                                            .arg(label->objectName(), label->text())
                                            .arg(label->height())
                                            .arg(label->sizeHint().height())));
            }
            if (function != 20 && function != 19)
                continue;

            QList<QRect> placed;
            for (QRadioButton* button : current->findChildren<QRadioButton*>()) {
                if (!button->isVisible())
                    continue;
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(QStringLiteral("%1 \"%2\": %3 wide, needs %4")
                                        .arg(button->objectName(), button->text())
                                        .arg(button->width())
                                        .arg(button->sizeHint().width())));
                // Within the page (a scroll area may scroll down, not sideways).
                const QRect onPage(button->mapTo(current, QPoint(0, 0)), button->size());
                QVERIFY2(onPage.right() < current->width(), qPrintable(button->objectName()));
                bool scrolled = false;
                for (QWidget* up = button->parentWidget(); up && up != current; up = up->parentWidget())
                    scrolled = scrolled || qobject_cast<QScrollArea*>(up);
                QVERIFY2(scrolled || onPage.bottom() < current->height(), qPrintable(button->objectName()));
                for (const QRect& other : placed)
                    QVERIFY2(!other.intersects(onPage), qPrintable(button->objectName()));
                placed << onPage;
            }
            QVERIFY(placed.size() >= 2);
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

ORVANE_TEST_MAIN(tst_keyFunctionPagesScreen)
#include "tst_keyFunctionPagesScreen.moc"
