#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"

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

// The keyboard-lighting and keyboard-function pages in the key
// customisation page on a real X server, for a magnetic-switch keyboard
// (device type 4) and a wireless-capable one (type 2), in a dark and a light
// theme and three languages: every button's text fits it, within the page's
// width and without overlapping another. The screenshots are kept in the build tree for a person to
// look at.
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
            for (int theme : {0, 1}) {
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
        data->setHidDeviceType(deviceType);
        data->setMagneticKeyboard(deviceType == 4);
        data->setHasSideLight(true);
        data->setCurrentProfileIndex(1);
        data->setCurrentProfilePath(path);

        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.setWindowTitle(QStringLiteral("Key functions"));
        window.setStyleSheet(
            QStringLiteral("QWidget#window{background: rgb(%1);}").arg(data->themeColors().deviceRightBgColor));
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
        const std::pair<int, const char*> shown[] = {{20, "keyboard-light"}, {19, "key-config"}};
        for (const auto& [function, name] : shown) {
            page->onCurIndexChanged_Key(function);
            // The keyboard-lighting page's scroll bar follows 200 ms later.
            QTest::qWait(300);
            QWidget* current
                = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
            const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
            QVERIFY(shot.save(
                shots
                + QStringLiteral("/%1-%2-theme%3-%4.png").arg(QLatin1String(name), model).arg(theme).arg(language)));

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
