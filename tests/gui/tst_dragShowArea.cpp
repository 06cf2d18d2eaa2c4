#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"

class tst_dragShowArea : public QObject
{
    Q_OBJECT

private:
    struct Spies
    {
        explicit Spies(dragShowArea* area)
            : rect(area, &dragShowArea::sigDragArea)
            , move(area, &dragShowArea::sigDragShowAreaMouseMovePoint)
            , press(area, &dragShowArea::sigDragAreaMousePressOrRelease)
        {
        }
        QSignalSpy rect;
        QSignalSpy move;
        QSignalSpy press;
    };

    static void moveTo(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent event(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }

    static QList<int> ints(const QList<QVariant>& args)
    {
        QList<int> out;
        for (const QVariant& v : args)
            out << v.toInt();
        return out;
    }

private slots:
    void dragReportsCornersAsDragged_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<int>>("reported");
        QTest::newRow("bottom-right to top-left, not reordered")
            << QPoint(300, 200) << QPoint(100, 50) << QList<int>{300, 200, 100, 50};
        QTest::newRow("release outside is clamped, start is not")
            << QPoint(10, 10) << QPoint(900, -40) << QList<int>{10, 10, 400, 0};
        QTest::newRow("a plain click reports equal corners")
            << QPoint(50, 60) << QPoint(50, 60) << QList<int>{50, 60, 50, 60};
    }
    void dragReportsCornersAsDragged()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QList<int>, reported);
        dragShowArea area;
        area.resize(400, 300);
        area.setDragEnabled(true);
        Spies spies(&area);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, from);
        QVERIFY(area.isDragging());
        moveTo(&area, (from + to) / 2, Qt::LeftButton);
        QCOMPARE(spies.move.count(), 0);
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(spies.rect.count(), 1);
        QCOMPARE(ints(spies.rect.first()), reported);
        moveTo(&area, QPoint(5, 6));
        QCOMPARE(spies.move.count(), 1);
        QCOMPARE(ints(spies.move.first()), (QList<int>{5, 6}));
    }

    void rightClickClearsInAnyState()
    {
        dragShowArea area;
        area.resize(400, 300);
        area.setDragEnabled(true);
        Spies spies(&area);
        QTest::mouseClick(&area, Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
        area.setOneKeyMode(true);
        QTest::mouseClick(&area, Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
        QCOMPARE(spies.rect.count(), 2);
        for (const auto& args : qAsConst(spies.rect))
            QCOMPARE(ints(args), (QList<int>{0, 0, 0, 0}));
        QCOMPARE(spies.press.count(), 0);
    }

    void oneKeyModeReportsPressAndRelease()
    {
        dragShowArea area;
        area.resize(400, 300);
        area.setDragEnabled(true);
        area.setOneKeyMode(true);
        Spies spies(&area);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(40, 41));
        QVERIFY(!area.isDragging());
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, QPoint(42, 43));
        QCOMPARE(spies.press.count(), 2);
        QCOMPARE(spies.press.at(0).at(0).toBool(), true);
        QCOMPARE(spies.press.at(1).at(0).toBool(), false);
        QCOMPARE(spies.move.count(), 1);
        QCOMPARE(ints(spies.move.first()), (QList<int>{42, 43}));
        QCOMPARE(spies.rect.count(), 0);
    }

    void disabledIgnoresEverything()
    {
        dragShowArea area;
        area.resize(400, 300);
        Spies spies(&area);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        moveTo(&area, QPoint(50, 50), Qt::LeftButton);
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        QTest::mouseClick(&area, Qt::RightButton);
        QVERIFY(!area.isDragging());
        QCOMPARE(spies.rect.count() + spies.move.count() + spies.press.count(), 0);
    }

    // The band stays two pixels short of the pointer: 10 px drawn as 8, and
    // a 1 px drag as a band of -1 that covers the start pixel only.
    void rubberBandDrawing_data()
    {
        QTest::addColumn<int>("drag");
        QTest::addColumn<int>("lastFilled");
        QTest::newRow("10 px draws 8") << 10 << 8;
        QTest::newRow("30 px draws 28") << 30 << 28;
    }
    void rubberBandDrawing()
    {
        QFETCH(int, drag);
        QFETCH(int, lastFilled);
        dragShowArea area;
        area.resize(100, 100);
        area.setDragEnabled(true);
        area.setRectColor(0, 255, 0);
        QPalette palette = area.palette();
        palette.setColor(QPalette::Window, Qt::black);
        area.setPalette(palette);
        const QPoint start(20, 20);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, start);
        moveTo(&area, start + QPoint(drag, drag), Qt::LeftButton);
        const QImage image = area.grab().toImage();
        const QColor inside = image.pixelColor(start + QPoint(lastFilled / 2, lastFilled / 2));
        QVERIFY2(inside.green() > 60 && inside.red() == 0, qPrintable(inside.name()));
        QVERIFY(image.pixelColor(start + QPoint(lastFilled, lastFilled / 2)).green() > 100);
        QCOMPARE(image.pixelColor(start + QPoint(lastFilled + 2, lastFilled / 2)), QColor(Qt::black));
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, start + QPoint(drag, drag));
        QCOMPARE(area.grab().toImage().pixelColor(start + QPoint(lastFilled / 2, lastFilled / 2)), QColor(Qt::black));
    }
};

ORVANE_TEST_MAIN(tst_dragShowArea)
#include "tst_dragShowArea.moc"
