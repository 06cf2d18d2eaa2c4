#include "support/TestMain.h"

#include "ui/widgets/sliderCustomWidget.h"

#include <QMouseEvent>
#include <QSignalSpy>

Q_DECLARE_METATYPE(QList<int>)

class tst_sliderCustomWidget : public QObject
{
    Q_OBJECT

private:
    // The lighting page's slider: 130 pixels, margin 10, five steps, handle
    // on the middle-left position.
    static void setUpFiveSteps(sliderCustomWidget& slider)
    {
        slider.setSliderSize(130, 30);
        slider.setMargin(10);
        slider.setStepCount(5);
        slider.setCurrentIndex(2);
    }

    static void dragTo(sliderCustomWidget& slider, int x, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 15), Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &move);
    }

private slots:
    void ticks_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<int>("trackEnd");
        QTest::newRow("130, 5 steps") << 130 << 10 << 5 << QList<int>{10, 32, 54, 76, 98, 120} << 120;
        QTest::newRow("130, 7 steps leaves a remainder")
            << 130 << 10 << 7 << QList<int>{10, 25, 40, 55, 70, 85, 100, 115} << 115;
        QTest::newRow("200, margin 20, 4 steps") << 200 << 20 << 4 << QList<int>{20, 60, 100, 140, 180} << 180;
        QTest::newRow("one step") << 130 << 10 << 1 << QList<int>{10, 120} << 120;
    }
    void ticks()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(int, steps);
        QFETCH(QList<int>, ticks);
        QFETCH(int, trackEnd);
        sliderCustomWidget slider;
        QCOMPARE(slider.size(), QSize(130, 30));
        QVERIFY(slider.tickPositions().isEmpty());
        slider.setSliderSize(width, 30);
        slider.setMargin(margin);
        slider.setStepCount(steps);
        QCOMPARE(slider.tickPositions(), ticks);
        QCOMPARE(slider.trackEnd(), trackEnd);
    }

    void stepCountWithoutStepsIsIgnored_data()
    {
        QTest::addColumn<int>("steps");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
    }
    void stepCountWithoutStepsIsIgnored()
    {
        QFETCH(int, steps);
        sliderCustomWidget slider;
        slider.setStepCount(5);
        slider.setStepCount(steps);
        QCOMPARE(slider.tickPositions(), (QList<int>{10, 32, 54, 76, 98, 120}));
        slider.setCurrentIndex(1);
        QCOMPARE(slider.handleX(), 32);
    }

    void press_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("handleX");
        QTest::addColumn<int>("index");
        QTest::newRow("4 px right of the handle's tick") << 58 << 54 << 2;
        QTest::newRow("4 px right of a tick on the left") << 36 << 32 << 1;
        QTest::newRow("4 px right of the first tick") << 14 << 10 << 0;
        QTest::newRow("4 px left of the last tick") << 116 << 120 << 5;
        QTest::newRow("5 px left of a tick, left of the handle: one step left") << 27 << 32 << 1;
        QTest::newRow("5 px right of the handle: one step right") << 59 << 76 << 3;
        QTest::newRow("5 px left of the last tick: only one step right") << 115 << 76 << 3;
        QTest::newRow("far left: only one step left") << 0 << 32 << 1;
    }
    void press()
    {
        QFETCH(int, x);
        QFETCH(int, handleX);
        QFETCH(int, index);
        sliderCustomWidget slider;
        setUpFiveSteps(slider);
        QCOMPARE(slider.handleX(), 54);
        QSignalSpy moved(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 15));
        QCOMPARE(slider.handleX(), handleX);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).toInt(), index);
    }

    void pressOnAHandleAwayFromTicksChangesNothing()
    {
        sliderCustomWidget slider;
        slider.setStepCount(5);
        // Widened after the ticks were laid out: the handle lands between ticks.
        slider.setSliderSize(200, 30);
        slider.setCurrentIndex(4);
        QCOMPARE(slider.handleX(), 154);
        QSignalSpy moved(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(154, 15));
        QCOMPARE(slider.handleX(), 154);
        QCOMPARE(moved.count(), 0);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(180, 15));
        QCOMPARE(moved.count(), 0);
    }

    void setCurrentIndexNeverEmits()
    {
        sliderCustomWidget slider;
        slider.setStepCount(5);
        QSignalSpy moved(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        for (int i = 0; i <= 5; ++i) {
            slider.setCurrentIndex(i);
            QCOMPARE(slider.handleX(), slider.tickPositions().at(i));
        }
        QCOMPARE(moved.count(), 0);
    }

    void dragSnapsOnlyNearTicks()
    {
        sliderCustomWidget slider;
        setUpFiveSteps(slider);
        QSignalSpy moved(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);

        dragTo(slider, 33, Qt::LeftButton);
        QCOMPARE(slider.handleX(), 32);
        dragTo(slider, 30, Qt::LeftButton);
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.at(1).at(0).toInt(), 1);

        dragTo(slider, 43, Qt::LeftButton);
        QCOMPARE(slider.handleX(), 32);
        QCOMPARE(moved.count(), 2);

        dragTo(slider, 99, Qt::NoButton);
        QCOMPARE(slider.handleX(), 32);
        QCOMPARE(moved.count(), 2);
    }

    void paintsTrackTicksAndHandle()
    {
        sliderCustomWidget slider;
        setUpFiveSteps(slider);
        slider.setTrackColor(QColor(0, 0, 255));
        slider.setTickColor(QColor(0, 255, 0));
        slider.setHandleColor(QColor(255, 0, 0));
        const QImage image = slider.grab().toImage();
        QCOMPARE(QColor(image.pixel(43, 15)).rgb(), QColor(0, 0, 255).rgb());
        QCOMPARE(QColor(image.pixel(76, 13)).rgb(), QColor(0, 255, 0).rgb());
        const QColor handleCentre(image.pixel(54, 14));
        QVERIFY(handleCentre.red() > 200);
        QVERIFY(handleCentre.green() < 60);
    }
};

ORVANE_TEST_MAIN(tst_sliderCustomWidget)
#include "tst_slidercustomwidget.moc"
