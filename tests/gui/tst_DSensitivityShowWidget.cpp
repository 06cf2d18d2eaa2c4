#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/triggerSetting/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTravelScale.h"

#include <QImage>
#include <QMap>
#include <QMouseEvent>
#include <QSignalSpy>

namespace {

// The trigger page's holder: 168 x 140 with a 38-pixel bar, so x0 = 65 and
// x1 = 103; with ten levels the boundaries lie 14 pixels apart from y 19.
constexpr int kWidth = 168;
constexpr int kHeight = 140;
constexpr int kBarWidth = 38;
constexpr int kCentre = kWidth / 2;
constexpr int kBarLeft = kCentre - kBarWidth / 2;
constexpr int kBarRight = kCentre + kBarWidth / 2;

int boundary10(int level)
{
    return 5 + level * 14;
}

struct Levels
{
    int common;
    int press;
    int release;
};

void prepare(DSensitivityShowWidget& widget, int count, int mode, bool keepApart, Levels levels)
{
    widget.resize(kWidth, kHeight);
    widget.setShowSize(kWidth, kHeight);
    widget.setLevelCount(count);
    widget.setLevelInset(kBarWidth);
    widget.setSeparateMode(mode);
    widget.setQuickTriggerMode(keepApart);
    widget.setCommonLevel(levels.common);
    widget.setPressLevel(levels.press);
    widget.setReleaseLevel(levels.release);
}

// What one repaint reports: handle -> level, and how many reports came.
QMap<int, int> drawnLevels(DSensitivityShowWidget& widget, int* reports = nullptr)
{
    QSignalSpy spy(&widget, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    widget.grab();
    QMap<int, int> levels;
    for (const QList<QVariant>& report : spy)
        levels.insert(report.at(0).toInt(), report.at(1).toInt());
    if (reports)
        *reports = spy.count();
    return levels;
}

QColor pixelAt(DSensitivityShowWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

// A move with the left button held, delivered straight to the widget.
void dragTo(QWidget& widget, const QPoint& point)
{
    QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

using Gesture = QList<QPoint>; // a press at the first point, moves to the others, a release

} // namespace

class tst_DSensitivityShowWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void scaleGeometry()
    {
        DTravelScale scale;
        scale.setLevelCount(10, kHeight);
        QCOMPARE(scale.segmentHeight(), 12);
        QVector<int> expected;
        for (int k = 1; k <= 9; ++k)
            expected << boundary10(k);
        QCOMPARE(scale.boundaries(), expected);

        QCOMPARE(DTravelScale::millimetres(15), QStringLiteral("1.5mm"));

        // No level count yet: nothing to stand on, and no division by zero.
        for (int count : {0, 1}) {
            DTravelScale none;
            none.setLevelCount(count, kHeight);
            QVERIFY(!none.hasBoundaries());
        }
    }

    void gradient_data()
    {
        QTest::addColumn<QColor>("live");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<int>>("steps");
        QTest::addColumn<QColor>("tenth");
        QTest::newRow("default colours") << QColor(255, 143, 31) << 10 << QVector<int>{12, 7, 1} << QColor(147, 80, 22);
        QTest::newRow("dark blue") << QColor(0, 0, 20) << 10 << QVector<int>{0, 0, 0} << QColor(0, 0, 20);
        QTest::newRow("no levels") << QColor(255, 143, 31) << 0 << QVector<int>{0, 0, 0} << QColor(255, 143, 31);
    }

    void gradient()
    {
        QFETCH(QColor, live);
        QFETCH(int, count);
        QFETCH(QVector<int>, steps);
        QFETCH(QColor, tenth);
        const DTravelScale::Gradient g = DTravelScale::gradient(live, count);
        QCOMPARE((QVector<int>{g.step[0], g.step[1], g.step[2]}), steps);
        QCOMPARE(g.colorAt(9), tenth);
        // A keyboard byte can reach 255: the colour never leaves 0..255.
        const QColor far = g.colorAt(255);
        QVERIFY(far.isValid());
        QVERIFY(far.red() >= 0 && far.green() >= 0 && far.blue() >= 0);
    }

    void handles_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("keepApart");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("handle");
        QTest::addColumn<int>("level");

        // Common handle (mode 0) starts on level 5.
        QTest::newRow("on a boundary") << 0 << false << Gesture{{kCentre, boundary10(3)}} << 1 << 3;
        QTest::newRow("half-way goes to the lower boundary")
            << 0 << false << Gesture{{kCentre, boundary10(3) + 7}} << 1 << 4;
        QTest::newRow("nearer the upper boundary") << 0 << false << Gesture{{kCentre, boundary10(3) + 6}} << 1 << 3;
        QTest::newRow("above the first clamps to 1") << 0 << false << Gesture{{kCentre, 0}} << 1 << 1;
        QTest::newRow("below the last clamps to N - 1") << 0 << false << Gesture{{kCentre, kHeight - 1}} << 1 << 9;
        QTest::newRow("drag the common handle")
            << 0 << false << Gesture{{kCentre, boundary10(5)}, {kCentre, 100}} << 1 << 7;

        // Mode 1: press handle on level 5, release handle on level 4.
        const QPoint onPress(kBarLeft - 15, boundary10(5));
        const QPoint onRelease(kBarRight + 12, boundary10(4));
        QTest::newRow("drag press freely") << 1 << false << Gesture{onPress, {onPress.x(), 40}} << 0 << 3;
        QTest::newRow("press may not pass release") << 1 << true << Gesture{onPress, {onPress.x(), 40}} << 0 << 5;
        QTest::newRow("press may not meet release")
            << 1 << true << Gesture{onPress, {onPress.x(), boundary10(4)}} << 0 << 5;
        QTest::newRow("press moves down while kept apart")
            << 1 << true << Gesture{onPress, {onPress.x(), boundary10(8)}} << 0 << 8;
        QTest::newRow("release may not pass press") << 1 << true << Gesture{onRelease, {onRelease.x(), 100}} << 2 << 4;
        QTest::newRow("release moves up while kept apart")
            << 1 << true << Gesture{onRelease, {onRelease.x(), boundary10(2)}} << 2 << 2;
        // A press in the left strip away from the handle moves it there, and
        // the move that follows is no drag.
        QTest::newRow("strip press jumps without dragging")
            << 1 << false << Gesture{{kBarLeft - 5, 110}, {kBarLeft - 5, 20}} << 0 << 8;
        QTest::newRow("press on the bar moves nothing")
            << 1 << false << Gesture{{kCentre, 20}, {kCentre, 120}} << 0 << 5;
    }

    void handles()
    {
        QFETCH(int, mode);
        QFETCH(bool, keepApart);
        QFETCH(Gesture, gesture);
        QFETCH(int, handle);
        QFETCH(int, level);

        DSensitivityShowWidget widget;
        prepare(widget, 10, mode, keepApart, {5, 5, 4});
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));

        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, gesture.first());
        widget.grab();
        for (int i = 1; i < gesture.size(); ++i) {
            dragTo(widget, gesture.at(i));
            widget.grab();
        }
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, gesture.last());

        const QMap<int, int> levels = drawnLevels(widget);
        QCOMPARE(levels.value(handle, -1), level);
        // The label says the level the page sends for the handle.
        QCOMPARE(widget.handleLabel(DSensitivityShowWidget::Handle(handle)), DTravelScale::millimetres(level));
        if (mode == 1 && keepApart)
            QVERIFY(levels.value(0) > levels.value(2));
    }

    // The page learns the levels only from these reports, so every repaint
    // reports every drawn handle, whatever caused it.
    void everyRepaintReportsEveryHandle()
    {
        DSensitivityShowWidget widget;
        prepare(widget, 10, 0, false, {6, 5, 4});
        int reports = 0;
        QCOMPARE(drawnLevels(widget, &reports), (QMap<int, int>{{1, 6}}));
        QCOMPARE(reports, 1);

        widget.setSeparateMode(1);
        widget.setLiveTravel(3);
        QCOMPARE(drawnLevels(widget, &reports), (QMap<int, int>{{0, 5}, {2, 4}}));
        QCOMPARE(reports, 2);
        QCOMPARE(drawnLevels(widget, &reports), (QMap<int, int>{{0, 5}, {2, 4}}));
        QCOMPARE(reports, 2);
        // Both labels measure from the top, as the levels the keyboard is sent.
        QCOMPARE(widget.handleLabel(DSensitivityShowWidget::PressHandle), QStringLiteral("0.5mm"));
        QCOMPARE(widget.handleLabel(DSensitivityShowWidget::ReleaseHandle), QStringLiteral("0.4mm"));
    }

    void liveTravelIsDrawnInTheGradient()
    {
        DSensitivityShowWidget widget;
        prepare(widget, 10, 0, false, {5, 5, 5});
        widget.setShowColors(QColor(92, 92, 126), QColor(255, 143, 31), QColor(70, 70, 70), QColor(255, 143, 31),
                             QColor(26, 27, 49));
        widget.setLiveTravel(3);
        const int x = kBarLeft + 4;
        const auto segmentMiddle = [](int i) { return 5 + i * 14 + 6; };
        QCOMPARE(pixelAt(widget, x, segmentMiddle(0)), QColor(255, 143, 31));
        QCOMPARE(pixelAt(widget, x, segmentMiddle(2)), QColor(255 - 24, 143 - 14, 31 - 2));
        QCOMPARE(pixelAt(widget, x, segmentMiddle(3)), QColor(92, 92, 126));

        widget.setIndicatorFlag(false);
        QCOMPARE(pixelAt(widget, x, segmentMiddle(0)), QColor(92, 92, 126));
    }

    // Before the keyboard told its levels the page passes one level and
    // levels 0 and -1; a keyboard byte can report a travel of 255.
    void oddInputsDrawWithoutFault_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("live");
        QTest::addColumn<int>("reports");
        QTest::addColumn<int>("level");
        QTest::newRow("no levels") << 0 << 5 << 0 << 0;
        QTest::newRow("one level") << 1 << 5 << 0 << 0;
        QTest::newRow("two levels") << 2 << 5 << 1 << 1;
        QTest::newRow("travel 255") << 10 << 255 << 1 << 5;
    }

    void oddInputsDrawWithoutFault()
    {
        QFETCH(int, count);
        QFETCH(int, live);
        QFETCH(int, reports);
        QFETCH(int, level);
        DSensitivityShowWidget widget;
        // Taller than the bar, so a travel past the bar would show below it.
        widget.resize(kWidth, 300);
        widget.setShowSize(kWidth, kHeight);
        widget.setLevelCount(count);
        widget.setLevelInset(kBarWidth);
        widget.setCommonLevel(count / 2);
        widget.setPressLevel(count / 2 - 1);
        widget.setReleaseLevel(count / 2);
        widget.setLiveTravel(live);
        int drawn = -1;
        const QMap<int, int> levels = drawnLevels(widget, &drawn);
        QCOMPARE(drawn, reports);
        if (reports)
            QCOMPARE(levels.value(1), level);
        // The middle of where a fifteenth segment would lie stays background.
        QCOMPARE(pixelAt(widget, kBarLeft + 4, 5 + 14 * 14 + 6), QColor(26, 27, 49));
    }
};

ORVANE_TEST_MAIN(tst_DSensitivityShowWidget)
#include "tst_DSensitivityShowWidget.moc"
