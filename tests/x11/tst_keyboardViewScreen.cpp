#include "TestMain.h"

#include "DDataManager.h"
#include "mainwidget/devicePage/hidStructInfoAll.h"
#include "mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "resourceInit.h"

#include <QScreen>
#include <QStackedLayout>

#include <cstring>

// No GL integration: the view needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool noGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The keyboard view on a real X server, stacked with its overlay the way the
// device page holds them, for a magnetic-switch model with a side light. The
// screenshot is kept in the build tree for a person to look at.
class tst_keyboardViewScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initOrvaneResources();
        // The pictures live beside the program; this test runs from its own
        // folder, so it borrows the program's.
        const QString images = QCoreApplication::applicationDirPath() + QStringLiteral("/images");
        if (!QFileInfo::exists(images))
            QVERIFY(QFile::link(QStringLiteral(ORVANE_TEST_BIN_DIR "/images"), images));
    }

    void magneticModelWithSideLight()
    {
        const char model[] = "OV68M";
        QWidget holder;
        holder.setWindowTitle(QStringLiteral("Keyboard view"));
        holder.resize(1104, 477);
        auto *stack = new QStackedLayout(&holder);
        stack->setStackingMode(QStackedLayout::StackAll);
        auto *view = new hidDeviceJoinFrame(&holder);
        auto *overlay = new dragShowArea(&holder);
        stack->addWidget(view);
        stack->addWidget(overlay);

        hidStructInfoAll record;
        std::strncpy(record.modelName, model, sizeof(record.modelName) - 1);
        view->loadKeyboard(record);
        view->raise();

        keySelectFrame *frame = view->keyFrame();
        QVERIFY(frame->hasSideLight());
        frame->setSideLightVisible(true);
        const QList<sideLightButtonCustom *> bars = frame->sideLightButtons();
        for (int i = 0; i < bars.size(); ++i)
            bars.at(i)->setLightColor(QColor::fromHsv(i * 359 / bars.size(), 255, 255));

        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        QTest::mouseClick(frame->keyButtonMap().value(8), Qt::LeftButton); // E becomes the current key
        QCOMPARE(DDataManager::getInstance()->currentKeyCode(), 8);
        QTest::qWait(200);

        const QImage shot = holder.screen()->grabWindow(holder.winId()).toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/keyboard-view-%1.png").arg(QLatin1String(model))));

        // Where no marking lies over it, the screen shows the model's picture.
        const QImage picture(view->pictureLayer()->picturePath());
        QVERIFY(!picture.isNull());
        const QPoint pictureOrigin =
            view->keyboardSpace()->mapTo(&holder, QPoint(0, 0)) + QPoint(keySelectFrame::kMargin, keySelectFrame::kMargin);
        int same = 0;
        int probes = 0;
        for (const keyPositionInfo &place : frame->keyPositionList()) {
            if (place.code == 0 || place.code == 8)
                continue;
            const QPoint p(place.posX + place.width / 2, place.posY + place.height / 3);
            ++probes;
            const QColor a = shot.pixelColor(pictureOrigin + p);
            const QColor b = picture.pixelColor(p);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24)
                ++same;
        }
        QVERIFY2(same >= probes * 9 / 10, qPrintable(QStringLiteral("%1 of %2 keys match the picture").arg(same).arg(probes)));

        // The current key carries its orange-red marking, the side bars their colours.
        keyboardButCustom *e = frame->keyButtonMap().value(8);
        const QColor marked = shot.pixelColor(e->mapTo(&holder, QPoint(1, e->height() / 2)));
        QVERIFY2(marked.red() > 180 && marked.blue() < 120, qPrintable(marked.name()));
        sideLightButtonCustom *bar = bars.at(bars.size() / 3);
        const QColor lit = shot.pixelColor(bar->mapTo(&holder, QPoint(bar->width() / 2, bar->height() / 2)));
        QVERIFY2(std::max({lit.red(), lit.green(), lit.blue()}) > 150, qPrintable(lit.name()));
    }
};

ORVANE_TEST_MAIN(tst_keyboardViewScreen)
#include "tst_keyboardViewScreen.moc"
