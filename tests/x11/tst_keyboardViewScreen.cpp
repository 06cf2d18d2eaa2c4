#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/hidStructInfoAll.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"

#include <QScreen>
#include <QStackedLayout>

#include <cstring>

// No GL integration: the view needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

// The keyboard view on a real X server, stacked with its overlay the way the
// device page holds them, for a magnetic-switch model with a side light. The
// screenshot is kept in the build tree for a person to look at.
class tst_keyboardViewScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(linkProgramPictures()); }

    void keyboardOnScreen_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("clicked");
        QTest::newRow("magnetic with side light") << QByteArray("OV68M") << 8;
        QTest::newRow("ISO Enter, deep notch") << QByteArray("OV84") << 40;
        QTest::newRow("full size, keyboard modes") << QByteArray("OV98M") << 8;
    }
    void keyboardOnScreen()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, clicked);
        QWidget holder;
        holder.setWindowTitle(QStringLiteral("Keyboard view"));
        holder.resize(1104, 477);
        auto* stack = new QStackedLayout(&holder);
        stack->setStackingMode(QStackedLayout::StackAll);
        auto* view = new hidDeviceJoinFrame(&holder);
        auto* overlay = new dragShowArea(&holder);
        stack->addWidget(view);
        stack->addWidget(overlay);

        hidStructInfoAll record;
        std::strncpy(record.modelName, model.constData(), sizeof(record.modelName) - 1);
        view->loadKeyboard(record);
        view->raise();

        keySelectFrame* frame = view->keyFrame();
        frame->setSideLightVisible(true);
        const QList<sideLightButtonCustom*> bars = frame->sideLightButtons();
        for (int i = 0; i < bars.size(); ++i)
            bars.at(i)->setLightColor(QColor::fromHsv(i * 359 / bars.size(), 255, 255));

        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        keyboardButCustom* current = frame->keyButtonMap().value(clicked);
        QTest::mouseClick(current, Qt::LeftButton, Qt::NoModifier, QPoint(current->width() - 8, current->height() - 8));
        QCOMPARE(DDataManager::getInstance()->currentKeyCode(), clicked);
        QTest::qWait(200);

        const QImage shot = holder.screen()->grabWindow(holder.winId()).toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/keyboard-view-%1.png").arg(QString::fromLatin1(model))));

        // Where no marking lies over it, the screen shows the model's picture.
        const QImage picture(view->pictureLayer()->picturePath());
        QVERIFY(!picture.isNull());
        const QPoint pictureOrigin = view->keyboardSpace()->mapTo(&holder, QPoint(0, 0))
                                     + QPoint(keySelectFrame::kMargin, keySelectFrame::kMargin);
        int same = 0;
        int probes = 0;
        for (const keyPositionInfo& place : frame->keyPositionList()) {
            if (place.code == 0 || place.code == clicked)
                continue;
            const QPoint p(place.posX + place.width * 3 / 4, place.posY + place.height * 3 / 4);
            ++probes;
            const QColor a = shot.pixelColor(pictureOrigin + p);
            const QColor b = picture.pixelColor(p);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24)
                ++same;
        }
        QVERIFY2(same >= probes * 9 / 10,
                 qPrintable(QStringLiteral("%1 of %2 keys match the picture").arg(same).arg(probes)));

        // The current key carries its red marking along its right edge, the
        // side bars their colours.
        const QColor marked
            = shot.pixelColor(current->mapTo(&holder, QPoint(current->width() - 1, current->height() / 2)));
        QVERIFY2(marked.red() > 180 && marked.blue() < 120, qPrintable(marked.name()));
        if (frame->hasSideLight()) {
            sideLightButtonCustom* bar = bars.at(bars.size() / 3);
            const QColor lit = shot.pixelColor(bar->mapTo(&holder, QPoint(bar->width() / 2, bar->height() / 2)));
            QVERIFY2(std::max({lit.red(), lit.green(), lit.blue()}) > 150, qPrintable(lit.name()));
        }

        // Zoomed, caps and picture still line up and the bars keep to the frame.
        view->setScale(1.5f, true);
        QTest::qWait(200);
        const QImage zoomed = holder.screen()->grabWindow(holder.winId()).toImage();
        QVERIFY(zoomed.save(dir + QStringLiteral("/keyboard-view-%1-zoom.png").arg(QString::fromLatin1(model))));
        const QPoint zoomOrigin = view->keyboardSpace()->mapTo(&holder, QPoint(0, 0))
                                  + QPoint(keySelectFrame::kMargin, keySelectFrame::kMargin);
        same = 0;
        for (const keyPositionInfo& place : frame->keyPositionList()) {
            if (place.code == 0 || place.code == clicked)
                continue;
            const QPoint p(place.posX + place.width * 3 / 4, place.posY + place.height * 3 / 4);
            const QColor a = zoomed.pixelColor(zoomOrigin + p * 1.5);
            const QColor b = picture.pixelColor(p);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40)
                ++same;
        }
        QVERIFY2(same >= probes * 9 / 10,
                 qPrintable(QStringLiteral("zoomed: %1 of %2 keys match").arg(same).arg(probes)));
        const QRect space(view->keyboardSpace()->mapTo(&holder, QPoint(0, 0)), view->keyboardSpace()->size());
        for (sideLightButtonCustom* segment : bars) {
            const QRect r(segment->mapTo(&holder, QPoint(0, 0)), segment->size());
            QVERIFY(space.contains(r));
            const bool onEdge = r.left() == space.left() || r.right() == space.right() || r.top() == space.top()
                                || r.bottom() == space.bottom();
            QVERIFY(onEdge);
        }
    }
};

ORVANE_TEST_MAIN(tst_keyboardViewScreen)
#include "tst_keyboardViewScreen.moc"
