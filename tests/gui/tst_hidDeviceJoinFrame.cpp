#include "support/PaintCounter.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/hidStructInfoAll.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"

#include <QFrame>
#include <QStackedLayout>

#include <cstring>
#include <memory>

namespace {

hidStructInfoAll recordFor(const char* model)
{
    hidStructInfoAll record;
    std::strncpy(record.modelName, model, sizeof(record.modelName) - 1);
    std::strncpy(record.hidPath, "sim:vid_1209&pid_0002&mi_01", sizeof(record.hidPath) - 1);
    return record;
}

QByteArray key(int x, int y, int w, int h, int dec)
{
    return QByteArray("{\"PosX\":") + QByteArray::number(x) + ",\"PosY\":" + QByteArray::number(y)
           + ",\"Width\":" + QByteArray::number(w) + ",\"Height\":" + QByteArray::number(h)
           + ",\"Dec\":" + QByteArray::number(dec) + ",\"qtDec\":0,\"Character\":\"k\"}";
}

const QByteArray kEmpty
    = "{\"PosX\":-1,\"PosY\":-1,\"Width\":0,\"Height\":0,\"Dec\":0,\"qtDec\":0,\"Character\":\"-\"}";

// Grid row 0: two keys. Grid row 1 starts with an empty slot.
const QByteArray kBoard = "{\"Keyboard\":{\"sideLightHave\":0,\"hidDeviceType\":4},"
                          "\"EveryKeyInfo_Row01\":["
                          + key(0, 0, 40, 40, 41) + "," + key(50, 0, 40, 40, 58)
                          + "],"
                            "\"EveryKeyInfo_Row02\":["
                          + kEmpty + "," + key(20, 50, 40, 40, 30) + "," + key(70, 50, 7, 40, 31) + "]}";

class ViewFixture
{
public:
    explicit ViewFixture(const char* model, const QByteArray& layout = QByteArray())
    {
        view.resize(1104, 477);
        view.loadKeyboard(recordFor(model));
        if (!layout.isEmpty())
            view.keyFrame()->parseKeyboardInfo(layout.constData());
        view.show();
        QTest::qWaitForWindowExposed(&view);
        origin = view.keyboardSpace()->mapTo(&view, QPoint(0, 0));
    }

    // A point of the picture at zoom 1.0, in view coordinates.
    QPoint at(int x, int y) const { return origin + QPoint(x + 10, y + 10); }
    keyboardButCustom* cap(int usage) const { return view.keyFrame()->keyButtonMap().value(usage); }
    keyPositionInfo place(int usage) const
    {
        for (const keyPositionInfo& p : view.keyFrame()->keyPositionList())
            if (p.code == usage)
                return p;
        return keyPositionInfo();
    }

    hidDeviceJoinFrame view;
    QPoint origin;
};

} // namespace

class tst_hidDeviceJoinFrame : public QObject
{
    Q_OBJECT

private slots:
    void loadsThePictureAndSizesTheFrame()
    {
        ViewFixture f("OV68M");
        const QSize picture = hidDeviceJoinFrame::pictureSize(QStringLiteral("OV68M"));
        QVERIFY(picture.width() > 0);
        QCOMPARE(f.view.keyboardSpace()->size(), picture + QSize(20, 20));
        QCOMPARE(f.view.pictureLayer()->picturePath(),
                 DDataManager::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_OV68M.png"));
        QCOMPARE(DDataManager::getInstance()->keySelectFrame(), f.view.keyFrame());
        // Caps line up with the picture: both sit 10 px inside the frame.
        const QPoint escPicture = f.view.pictureLayer()
                                      ->findChild<QFrame*>(QStringLiteral("frame"))
                                      ->mapTo(f.view.keyboardSpace(), QPoint(0, 0));
        QCOMPARE(escPicture, QPoint(10, 10));
        const keyPositionInfo esc = f.place(41);
        QVERIFY(esc.width > 0);
        QCOMPARE(f.cap(41)->mapTo(f.view.keyboardSpace(), QPoint(0, 0)), QPoint(esc.posX + 10, esc.posY + 10));
        // The keyboard sits centred in the view.
        const QRect space(f.origin, f.view.keyboardSpace()->size());
        QVERIFY(std::abs(space.center().x() - f.view.width() / 2) <= 12);
    }

    void unknownModelGivesAnEmptyFrame()
    {
        ViewFixture f("NO_SUCH_MODEL");
        QCOMPARE(f.view.keyboardSpace()->size(), QSize(20, 20));
        QVERIFY(f.view.keyFrame()->keyButtonList().isEmpty());
    }

    void keyboardModePictures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("mode 0") << 0 << QStringLiteral("_0");
        QTest::newRow("mode 1") << 1 << QStringLiteral("_1");
        QTest::newRow("mode 2") << 2 << QStringLiteral("_2");
        QTest::newRow("mode 7 is the plain picture") << 7 << QString();
    }
    void keyboardModePictures()
    {
        QFETCH(int, mode);
        QFETCH(QString, suffix);
        ViewFixture f("OV98M");
        f.view.setKeyboardImageMode(mode);
        const QString path = f.view.pictureLayer()->picturePath();
        QCOMPARE(path, DDataManager::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_OV98M") + suffix
                           + QStringLiteral(".png"));
        QCOMPARE(f.view.pictureLayer()->modelName(), QStringLiteral("OV98M"));
    }

    void zoomRule_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("result");
        QTest::newRow("7.4375 becomes 8") << 7.4375f << 8;
        QTest::newRow("12.375 becomes 12") << 12.375f << 12;
        QTest::newRow("whole") << 40.0f << 40;
        QTest::newRow("first decimal 4") << 3.4f << 4;
        QTest::newRow("first decimal 3") << 3.39f << 3;
    }
    void zoomRule()
    {
        QFETCH(float, value);
        QFETCH(int, result);
        QCOMPARE(hidDeviceJoinFrame::scaled(value), result);
    }

    void zoomMovesCapsAndSideBars()
    {
        ViewFixture f("OV68M");
        const QSize base = f.view.keyboardSpace()->size() - QSize(20, 20);
        f.view.setScale(1.5f, true);
        QCOMPARE(f.view.keyboardSpace()->size(), QSize(hidDeviceJoinFrame::scaled(base.width() * 1.5f) + 20,
                                                       hidDeviceJoinFrame::scaled(base.height() * 1.5f) + 20));
        const keyPositionInfo esc = f.place(41);
        QCOMPARE(f.cap(41)->geometry(),
                 QRect(hidDeviceJoinFrame::scaled(esc.posX * 1.5f) + 10,
                       hidDeviceJoinFrame::scaled(esc.posY * 1.5f) + 10, hidDeviceJoinFrame::scaled(esc.width * 1.5f),
                       hidDeviceJoinFrame::scaled(esc.height * 1.5f)));
        // Right-hand bars keep to the frame's right edge at every zoom.
        const int frameWidth = f.view.keyboardSpace()->width();
        for (const keyPositionInfo& led : f.view.keyFrame()->sideLightPositionList()) {
            sideLightButtonCustom* bar = f.view.keyFrame()->sideLightButtonMap().value(led.code);
            if (led.sidePosition == 2)
                QCOMPARE(bar->geometry().left(), frameWidth - 10);
            if (led.sidePosition == 1)
                QCOMPARE(bar->geometry().left(), 0);
        }
        // Out-of-range factors stay within the zoom buttons' range.
        auto spaceAt = [&base](float factor) {
            return QSize(hidDeviceJoinFrame::scaled(base.width() * factor) + 20,
                         hidDeviceJoinFrame::scaled(base.height() * factor) + 20);
        };
        f.view.setScale(9.0f, true);
        QCOMPARE(f.view.keyboardSpace()->size(), spaceAt(2.0f));
        QCOMPARE(f.cap(41)->geometry().topLeft(), QPoint(hidDeviceJoinFrame::scaled(esc.posX * 2.0f) + 10,
                                                         hidDeviceJoinFrame::scaled(esc.posY * 2.0f) + 10));
        f.view.setScale(0.0f, true);
        QCOMPARE(f.view.keyboardSpace()->size(), spaceAt(1.0f));
        QCOMPARE(f.cap(41)->geometry().topLeft(), QPoint(hidDeviceJoinFrame::scaled(esc.posX * 1.0f) + 10,
                                                         hidDeviceJoinFrame::scaled(esc.posY * 1.0f) + 10));
    }

    // A cap that changes colour repaints alone: it draws its own part of the
    // picture, so neither the picture nor anything beneath it is drawn
    // again. Unmarked, a cap shows exactly the picture it covers, at every
    // zoom.
    void capsRepaintAloneOverThePicture_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("zoom 1.0") << 1.0f;
        QTest::newRow("zoom 1.5") << 1.5f;
    }
    void capsRepaintAloneOverThePicture()
    {
        QFETCH(float, zoom);
        ViewFixture f("OV68M");
        f.view.setScale(zoom, true);
        auto* frame = f.view.pictureLayer()->findChild<QFrame*>(QStringLiteral("frame"));
        QVERIFY(frame);
        QTRY_COMPARE(frame->size(), f.view.keyboardSpace()->size() - QSize(20, 20));
        const QImage picture = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int usage : {4, 41, 44}) {
            keyboardButCustom* cap = f.cap(usage);
            QVERIFY(cap);
            const QImage drawn = cap->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(drawn, picture.copy(cap->geometry().translated(-10, -10)));
        }

        // Whatever the zoom left to be drawn is drawn before counting.
        f.view.repaint();
        QCoreApplication::processEvents();
        keyboardButCustom* lit = f.cap(4);
        PaintCounter pictureFrame(frame);
        PaintCounter view(&f.view);
        PaintCounter capPaints(lit);
        lit->setLightColorEnabled(true);
        lit->setColorShowMode(true);
        lit->setLightColor(QColor(40, 90, 250));
        QTRY_VERIFY(capPaints.paints > 0);
        QCoreApplication::processEvents();
        QCOMPARE(pictureFrame.paints, 0);
        QCOMPARE(view.paints, 0);
        const QColor centre = lit->grab().toImage().pixelColor(lit->width() / 2, lit->height() / 2);
        QCOMPARE(centre.rgb(), QColor(40, 90, 250).rgb());
    }

    void zoomUsesTheRoundingRule()
    {
        ViewFixture f("OV68M", kBoard);
        f.view.setScale(1.0625f, true);
        QCOMPARE(f.cap(31)->width(), 8);
    }

    void rectangleSelection_data()
    {
        QTest::addColumn<QRect>("corners"); // x1, y1 from topLeft, x2, y2 from bottomRight, in picture pixels
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("top-left to bottom-right") << QRect(QPoint(-2, -2), QPoint(55, 5)) << QList<int>{41, 58};
        QTest::newRow("bottom-right to top-left") << QRect(QPoint(55, 5), QPoint(-2, -2)) << QList<int>{41, 58};
        QTest::newRow("a sliver with the corner selects") << QRect(QPoint(45, -5), QPoint(52, 2)) << QList<int>{58};
        QTest::newRow("most of a key without its corner does not")
            << QRect(QPoint(2, 2), QPoint(45, 45)) << QList<int>{};
        QTest::newRow("empty slots are never selected")
            << QRect(QPoint(-20, -20), QPoint(100, 100)) << QList<int>{41, 58, 30, 31};
    }
    void rectangleSelection()
    {
        QFETCH(QRect, corners);
        QFETCH(QList<int>, selected);
        ViewFixture f("OV68M", kBoard);
        QSignalSpy changed(&f.view, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
        const QPoint a = f.at(corners.left(), corners.top());
        const QPoint b = f.at(corners.right(), corners.bottom());
        f.view.selectKeysInRect(a.x(), a.y(), b.x(), b.y());
        QList<int> got;
        for (keyboardButCustom* cap : f.view.selectedKeys()) {
            got << cap->keyCode();
            QVERIFY(cap->isSelected());
        }
        QCOMPARE(got, selected);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toInt(), 0);
        QCOMPARE(changed.first().at(1).toInt(), -1);

        f.view.selectKeysInRect(0, 0, 0, 0);
        QVERIFY(f.view.selectedKeys().isEmpty());
        QVERIFY(!f.cap(41)->isSelected());
    }

    void hoverAndPressToggle()
    {
        ViewFixture f("OV68M", kBoard);
        QSignalSpy onKey(&f.view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
        QSignalSpy changed(&f.view, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);

        f.view.setMousePressed(true);
        f.view.setMousePressed(false);
        QCOMPARE(changed.count(), 0); // no hovered key, nothing to toggle

        const QPoint esc = f.at(20, 20);
        f.view.onMouseMovePoint(esc.x(), esc.y(), 4);
        QCOMPARE(f.view.hoveredKey(), f.cap(41));
        QVERIFY(f.cap(41)->isHovered());
        QCOMPARE(onKey.last().at(0).toBool(), true);

        const QPoint f1 = f.at(70, 20);
        f.view.onMouseMovePoint(f1.x(), f1.y(), 4);
        QCOMPARE(f.view.hoveredKey(), f.cap(58));
        QVERIFY(!f.cap(41)->isHovered());
        QCOMPARE(onKey.last().at(0).toBool(), true);

        f.view.setMousePressed(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last(), (QList<QVariant>{1, 1, 0, 1}));
        // While the press is held, moves are ignored.
        const int reports = onKey.count();
        f.view.onMouseMovePoint(esc.x(), esc.y(), 4);
        QCOMPARE(onKey.count(), reports);
        QCOMPARE(f.view.hoveredKey(), f.cap(58));
        f.view.setMousePressed(false);

        f.view.setMousePressed(true);
        QCOMPARE(changed.last(), (QList<QVariant>{1, -1, 0, 1}));
        f.view.setMousePressed(false);
        QVERIFY(f.view.selectedKeys().isEmpty());

        const QPoint gap = f.at(45, 20); // between the two caps
        f.view.onMouseMovePoint(gap.x(), gap.y(), 4);
        QCOMPARE(onKey.last().at(0).toBool(), false);
        QVERIFY(!f.view.hoveredKey());
        QVERIFY(!f.cap(58)->isHovered());
    }

    void rowStartingWithAnEmptySlotStillHovers()
    {
        ViewFixture f("OV68M", kBoard);
        const QPoint one = f.at(40, 70);
        f.view.onMouseMovePoint(one.x(), one.y(), 1);
        QCOMPARE(f.view.hoveredKey(), f.cap(30));
        f.view.setMousePressed(true);
        f.view.setMousePressed(false);
        QCOMPARE(f.view.selectedKeys(), (QList<keyboardButCustom*>{f.cap(30)}));
    }

    void realLayoutHoverFindsEveryKey()
    {
        ViewFixture f("OV84");
        int found = 0;
        for (const keyPositionInfo& place : f.view.keyFrame()->keyPositionList()) {
            if (place.code == 0)
                continue;
            const QPoint centre = f.at(place.posX + place.width - 8, place.posY + 8);
            f.view.onMouseMovePoint(centre.x(), centre.y(), 1);
            QCOMPARE(f.view.hoveredKey(), f.cap(place.code));
            ++found;
        }
        QCOMPARE(found, 85);
    }

    void colourModeDropsTheSelection()
    {
        ViewFixture f("OV68M", kBoard);
        const QPoint a = f.at(-5, -5);
        const QPoint b = f.at(100, 100);
        f.view.selectKeysInRect(a.x(), a.y(), b.x(), b.y());
        QCOMPARE(f.view.selectedKeys().size(), 4);
        f.view.exitColorShowMode();
        QCOMPARE(f.view.selectedKeys().size(), 4);
        f.view.setColorShowMode(true);
        QVERIFY(f.view.selectedKeys().isEmpty());
        QVERIFY(f.cap(41)->isColorShowMode());
        QVERIFY(!f.cap(41)->isSelected());
        f.view.exitColorShowMode();
        QVERIFY(!f.cap(41)->isColorShowMode());
    }

    // The overlay and the view wired as the device page wires them on the
    // trigger page: a drag selects a rectangle, a press over a key toggles it.
    void overlayDrivesTheView()
    {
        QWidget holder;
        holder.resize(1104, 477);
        auto* stack = new QStackedLayout(&holder);
        stack->setStackingMode(QStackedLayout::StackAll);
        auto* view = new hidDeviceJoinFrame(&holder);
        auto* overlay = new dragShowArea(&holder);
        stack->addWidget(view);
        stack->addWidget(overlay);
        view->loadKeyboard(recordFor("OV82M"));
        overlay->raise();
        overlay->setDragEnabled(true);
        connect(overlay, &dragShowArea::sigDragArea, view, &hidDeviceJoinFrame::selectKeysInRect);
        connect(overlay, &dragShowArea::sigDragShowAreaMouseMovePoint, view,
                [view](int x, int y) { view->onMouseMovePoint(x, y, 4); });
        connect(overlay, &dragShowArea::sigDragAreaMousePressOrRelease, view, &hidDeviceJoinFrame::setMousePressed);
        connect(view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, overlay, &dragShowArea::setOneKeyMode);
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));

        const QPoint origin = view->keyboardSpace()->mapTo(&holder, QPoint(10, 10));
        auto placeOf = [view](int usage) {
            for (const keyPositionInfo& p : view->keyFrame()->keyPositionList())
                if (p.code == usage)
                    return p;
            return keyPositionInfo();
        };
        auto send = [overlay](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, at, overlay->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(overlay, &event);
        };

        // Drag from just above-left of Q to just below-right of E's corner:
        // the corners of Q, W and E lie inside.
        const keyPositionInfo q = placeOf(20);
        const keyPositionInfo e = placeOf(8);
        const QPoint from = origin + QPoint(q.posX - 3, q.posY - 3);
        const QPoint to = origin + QPoint(e.posX + 3, e.posY + 3);
        send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        QVERIFY(!overlay->isOneKeyMode());
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QList<int> selected;
        for (keyboardButCustom* cap : view->selectedKeys())
            selected << cap->keyCode();
        QCOMPARE(selected, (QList<int>{20, 26, 8}));

        // Over a key the overlay switches to one-key mode and a click toggles it.
        const QPoint onA = origin + QPoint(placeOf(4).posX + 12, placeOf(4).posY + 12);
        send(QEvent::MouseMove, onA, Qt::NoButton, Qt::NoButton);
        QVERIFY(overlay->isOneKeyMode());
        send(QEvent::MouseButtonPress, onA, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, onA, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(view->selectedKeys().size(), 4);
        QCOMPARE(view->selectedKeys().last()->keyCode(), 4);

        // A right click clears.
        send(QEvent::MouseButtonPress, onA, Qt::RightButton, Qt::RightButton);
        QVERIFY(view->selectedKeys().isEmpty());
    }

    void deletingTheViewLeavesNoDanglingCaps()
    {
        auto view = std::make_unique<hidDeviceJoinFrame>();
        view->loadKeyboard(recordFor("OV82M"));
        QCOMPARE(DDataManager::getInstance()->keyButtonList().size(), 132);
        view.reset();
        QVERIFY(DDataManager::getInstance()->keyButtonList().isEmpty());
        QVERIFY(DDataManager::getInstance()->keyButtonMap().isEmpty());
        QVERIFY(!DDataManager::getInstance()->keySelectFrame());
    }
};

ORVANE_TEST_MAIN(tst_hidDeviceJoinFrame)
#include "tst_hidDeviceJoinFrame.moc"
