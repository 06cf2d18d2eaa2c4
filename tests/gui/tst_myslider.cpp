#include "support/TestMain.h"

#include "ui/widgets/MySlider.h"

#include <QWheelEvent>

namespace {
// Stands in for the trigger page: counts the slider's press notices and any
// wheel event that leaks through.
class PressListener : public QWidget
{
public:
    int pressNotices = 0;
    int wheels = 0;
    int valueSeenAtNotice = -1;
    MySlider* slider = nullptr;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User + 1) {
            ++pressNotices;
            valueSeenAtNotice = slider->value();
            return true;
        }
        if (e->type() == QEvent::Wheel)
            ++wheels;
        return QWidget::event(e);
    }
};
} // namespace

class tst_MySlider : public QObject
{
    Q_OBJECT

private:
    struct Host
    {
        PressListener page;
        MySlider* slider;
        Host(int value)
            : slider(new MySlider(&page))
        {
            page.slider = slider;
            page.resize(300, 60);
            slider->setOrientation(Qt::Horizontal);
            slider->setRange(0, 100);
            slider->setValue(value);
            slider->setGeometry(0, 0, 200, 30);
            page.show();
        }
    };

private slots:
    void pressZone_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("11 px left of the handle") << 10 << 5 << 89 << false;
        QTest::newRow("10 px left of the handle") << 10 << 5 << 90 << true;
        QTest::newRow("on the handle") << 10 << 5 << 100 << true;
        QTest::newRow("5 px right of the handle") << 10 << 5 << 105 << true;
        QTest::newRow("6 px right of the handle") << 10 << 5 << 106 << false;
        QTest::newRow("far right on the groove") << 10 << 5 << 190 << false;
        QTest::newRow("zero tolerance, on the handle") << 0 << 0 << 100 << true;
        QTest::newRow("zero tolerance, 1 px off") << 0 << 0 << 101 << false;
        QTest::newRow("wide tolerance") << 60 << 60 << 45 << true;
    }
    void pressZone()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, x);
        QFETCH(bool, accepted);
        Host host(50);
        host.slider->setPressTolerance(left, right);
        QTest::mousePress(host.slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 15));
        // Delivered inside the press, before any event loop runs.
        QCOMPARE(host.page.pressNotices, accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(host.page.valueSeenAtNotice, 50);
        QCOMPARE(host.slider->value(), 50);
        QTest::mouseRelease(host.slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 15));
        QCOMPARE(host.slider->value(), 50);
    }

    void emptyRangeDoesNotDivideByZero()
    {
        Host host(0);
        host.slider->setRange(0, 0);
        QTest::mousePress(host.slider, Qt::LeftButton, Qt::NoModifier, QPoint(3, 15));
        QCOMPARE(host.page.pressNotices, 1);
        QTest::mousePress(host.slider, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
        QCOMPARE(host.page.pressNotices, 1);
    }

    void wheelChangesNothingAndStaysPut_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("delta");
        QTest::newRow("middle, up") << 50 << 120;
        QTest::newRow("middle, down") << 50 << -120;
        QTest::newRow("at the top, up") << 100 << 120;
    }
    void wheelChangesNothingAndStaysPut()
    {
        QFETCH(int, value);
        QFETCH(int, delta);
        Host host(value);
        const QPointF pos(100, 15);
        QWheelEvent wheel(pos, host.slider->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(host.slider, &wheel);
        QCOMPARE(host.slider->value(), value);
        QCOMPARE(host.page.wheels, 0);
    }
};

ORVANE_TEST_MAIN(tst_MySlider)
#include "tst_myslider.moc"
