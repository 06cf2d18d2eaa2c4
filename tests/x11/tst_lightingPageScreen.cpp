#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/lightsConfig/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightsConfig/SVColorArea.h"
#include "ui/widgets/ArrowWidget.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

#include <memory>

// No GL integration: the page needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The lighting page on a real X server, hosted by the device page of a
// simulated keyboard with side light: the keys' Wave and the side part, in a
// dark and a light theme and in three languages. Every text must fit its
// widget; the screenshots stay in the build tree for a person to look at.
// The colour pick reads the screen here, not the picker's own drawing.
class tst_lightingPageScreen : public QObject
{
    Q_OBJECT

private:
    static void checkTextsFit(QWidget* page)
    {
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(page) || label->text().isEmpty())
                continue;
            // A wrapping label fits when its lines fit its height.
            if (label->wordWrap())
                QVERIFY2(label->fontMetrics()
                                 .boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text())
                                 .height()
                             <= label->contentsRect().height(),
                         qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
            else
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
        }
    }

    // The device page in the current language and theme, on screen.
    static std::unique_ptr<DDevicePage> shownDevicePage()
    {
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        if (!page)
            return nullptr;
        page->retranslate();
        page->setTheme();
        page->resize(1280, 960);
        page->show();
        return QTest::qWaitForWindowExposed(page.get()) ? std::move(page) : nullptr;
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(linkProgramPictures());
    }

    void pageOnScreen_data() { addThemeAndLanguageRows(); }

    void pageOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);

        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = shownDevicePage();
        QVERIFY(page);
        COrvaneXML_ModifyProFileMouseLightUsingIndex(page->profilePath(), QByteArray::number(page->profileIndex()), 0,
                                                     2);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        QTest::qWait(400);
        QVERIFY(lights->findChild<QToolButton*>(QStringLiteral("toolButton_Wave"))->isChecked());
        checkTextsFit(lights);
        const QImage keys = page->screen()->grabWindow(page->winId()).toImage();

        // An effect's name in its bubble above the button, in full.
        QTest::qWait(600); // the page watches its buttons half a second after it is made
        auto* speedRespond = lights->findChild<QToolButton*>(QStringLiteral("toolButton_SpeedRespond"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(speedRespond, &enter);
        QTest::qWait(200);
        const QRect around(speedRespond->mapToGlobal(QPoint(-80, -110)), QSize(320, 140));
        const QImage bubbleShot
            = page->screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height()).toImage();
        bool bubbleShown = false;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* bubble = qobject_cast<ArrowWidget*>(top);
            if (!bubble || !bubble->isVisible())
                continue;
            bubbleShown = true;
            checkTextsFit(bubble);
        }
        QVERIFY(bubbleShown);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(speedRespond, &leave);

        lights->findChild<QToolButton*>(QStringLiteral("toolButton_LightSelectTypeChanged"))->click();
        lights->findChild<QToolButton*>(QStringLiteral("toolButton_SideBreath"))->click();
        QTest::qWait(300);
        QVERIFY(!lights->isKeyboardShown());
        checkTextsFit(lights);
        const QImage side = page->screen()->grabWindow(page->winId()).toImage();

        QCoreApplication::removeTranslator(&translator);
        data->loadTheme(0);
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(keys.save(dir + QStringLiteral("/lighting-keys-%1-%2.png").arg(theme).arg(language)));
        QVERIFY(bubbleShot.save(dir + QStringLiteral("/lighting-tip-%1-%2.png").arg(theme).arg(language)));
        QVERIFY(side.save(dir + QStringLiteral("/lighting-side-%1-%2.png").arg(theme).arg(language)));
    }

    void customSchemesOnScreen_data() { addThemeAndLanguageRows(); }

    // The Custom effect with its list of schemes, one of them renamed in its
    // row, and keys painted with a colour.
    void customSchemesOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);

        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = shownDevicePage();
        QVERIFY(page);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        DLightsConfigPage* lights = DevicePageProbe(*page).lightsConfigPage();
        lights->findChild<QToolButton*>(QStringLiteral("toolButton_CustomLed"))->click();
        QTest::qWait(300);
        QVERIFY(lights->customLightRows().size() > 1);
        DCustomLightListItem* row = lights->customLightRows().at(1);
        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
        QTest::qWait(100);
        const QImage renaming = page->screen()->grabWindow(page->winId()).toImage();
        row->findChild<QPushButton*>(QStringLiteral("pushButton_Cancel"))->click();
        DevicePageProbe(*page).picture()->selectKeysInRect(0, 0, 400, 120);
        colorInfoData picked{};
        picked.topGreen = 200;
        picked.topBlue = 255;
        emit lights->sigLightConfigHaveChanged_Custom(0, picked);
        QTest::qWait(400);
        checkTextsFit(lights);
        const QImage custom = page->screen()->grabWindow(page->winId()).toImage();

        QCoreApplication::removeTranslator(&translator);
        data->loadTheme(0);
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(custom.save(dir + QStringLiteral("/lighting-custom-%1-%2.png").arg(theme).arg(language)));
        QVERIFY(renaming.save(dir + QStringLiteral("/lighting-rename-%1-%2.png").arg(theme).arg(language)));
    }

    // A press in the disc reports the screen's pixel under the pointer,
    // which is the disc's colour there.
    void pickReadsTheScreen_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("upper left") << QPoint(40, 38);
        QTest::newRow("right") << QPoint(92, 62);
        QTest::newRow("below") << QPoint(58, 95);
    }
    void pickReadsTheScreen()
    {
        QFETCH(QPoint, point);
        SVColorArea picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QTest::qWait(100);
        const QPoint global = picker.mapToGlobal(point);
        const QColor onScreen = picker.screen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage().pixelColor(0, 0);
        const QColor drawn = picker.grab().toImage().pixelColor(point);
        QCOMPARE(onScreen.rgb(), drawn.rgb());
        QSignalSpy picked(&picker, &SVColorArea::sigGetRGB);
        QSignalSpy text(&picker, &SVColorArea::sigGetHexRGB);
        QCursor::setPos(global);
        QTRY_COMPARE(QCursor::pos(), global);
        QTest::mousePress(&picker, Qt::LeftButton, {}, point);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(QColor(picked.first().at(0).toInt(), picked.first().at(1).toInt(), picked.first().at(2).toInt()),
                 QColor(onScreen.rgb()));
        QCOMPARE(text.first().at(0).toString(), onScreen.name().toUpper());
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, point);
    }
};

ORVANE_TEST_MAIN(tst_lightingPageScreen)
#include "tst_lightingPageScreen.moc"
