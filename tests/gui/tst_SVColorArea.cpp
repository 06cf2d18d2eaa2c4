#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/lightsConfig/SVColorArea.h"

#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The colour picker offscreen: where a press picks and where it turns the
// knob, the knob's positions around the ring, and the picked colour, which
// here can only come from the picker's own drawing.
class tst_SVColorArea : public QObject
{
    Q_OBJECT

private:
    static void press(SVColorArea& picker, const QPoint& point)
    {
        QCursor::setPos(picker.mapToGlobal(point));
        QTest::mousePress(&picker, Qt::LeftButton, {}, point);
    }

private slots:
    void pressDistance_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("picks");
        QTest::newRow("39 px above") << QPoint(60, 21) << true;
        QTest::newRow("40 px above") << QPoint(60, 20) << false;
        QTest::newRow("39 px left") << QPoint(21, 60) << true;
        QTest::newRow("40 px left") << QPoint(20, 60) << false;
    }

    // Nearer than 40 px to the centre picks a colour; from 40 px on the
    // press turns the knob.
    void pressDistance()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, picks);
        SVColorArea picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QSignalSpy picked(&picker, &SVColorArea::sigGetRGB);
        QSignalSpy pressed(&picker, &SVColorArea::sigMouseIsPress);
        press(picker, point);
        QCOMPARE(picked.count(), picks ? 1 : 0);
        QCOMPARE(picker.knobValue() > 0, !picks);
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, point);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(pressed.at(0).at(0).toBool(), true);
        QCOMPARE(pressed.at(1).at(0).toBool(), false);
    }

    void knobPositions_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<double>("value");
        // The ring's centre for pointing is (59, 59).
        QTest::newRow("left") << QPoint(9, 59) << 25.0;
        QTest::newRow("bottom") << QPoint(59, 109) << 50.0;
        QTest::newRow("right") << QPoint(109, 59) << 75.0;
    }

    // The knob follows the pointer round the ring and reports its value on
    // every repaint.
    void knobPositions()
    {
        QFETCH(QPoint, point);
        QFETCH(double, value);
        SVColorArea picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QSignalSpy status(&picker, &SVColorArea::sigMoveingStatus);
        QTest::mousePress(&picker, Qt::LeftButton, {}, point);
        QCOMPARE(picker.knobValue(), value);
        QTRY_VERIFY(!status.isEmpty());
        QCOMPARE(status.last().at(0).toInt(), int(value));
        QCOMPARE(status.last().at(1).toInt(), int(-3.6 * value));
        // A repaint with nothing moved reports again.
        const int reports = status.count();
        picker.repaint();
        QCOMPARE(status.count(), reports + 1);
    }

    // A drag that began in the disc never turns the knob; a press in the
    // disc puts the knob back to the top.
    void dragFromTheDisc()
    {
        SVColorArea picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(9, 59));
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(9, 59));
        QCOMPARE(picker.knobValue(), 25.0);
        press(picker, QPoint(60, 60));
        QCOMPARE(picker.knobValue(), 0.0);
        for (const QPoint& point : {QPoint(60, 20), QPoint(9, 59), QPoint(59, 109)}) {
            QMouseEvent move(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&picker, &move);
        }
        QCOMPARE(picker.knobValue(), 0.0);
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(59, 109));
    }

    void pickedColour_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("centre") << QPoint(60, 60);
        QTest::newRow("upper left") << QPoint(40, 38);
        QTest::newRow("right") << QPoint(92, 62);
        QTest::newRow("below") << QPoint(58, 95);
    }

    // The picked colour is the disc's colour under the pointer, with its text.
    void pickedColour()
    {
        QFETCH(QPoint, point);
        SVColorArea picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QColor drawn = picker.grab().toImage().pixelColor(point);
        QSignalSpy picked(&picker, &SVColorArea::sigGetRGB);
        QSignalSpy text(&picker, &SVColorArea::sigGetHexRGB);
        press(picker, point);
        QCOMPARE(picked.count(), 1);
        const QColor got(picked.first().at(0).toInt(), picked.first().at(1).toInt(), picked.first().at(2).toInt());
        QCOMPARE(got, QColor(drawn.rgb()));
        QCOMPARE(text.first().at(0).toString(), drawn.name().toUpper());
    }

    void hexText()
    {
        QCOMPARE(SVColorArea::hexText(5, 10, 255), QStringLiteral("#050AFF"));
        QCOMPARE(SVColorArea::hexText(0, 0, 0), QStringLiteral("#000000"));
    }

    void markerPoint_data()
    {
        QTest::addColumn<QColor>("colour");
        for (const QColor& colour : {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0),
                                     QColor(0, 255, 255), QColor(255, 0, 255), QColor(255, 128, 0),
                                     QColor(90, 0, 200), QColor(255, 128, 128), QColor(20, 60, 40)})
            QTest::addRow("%s", qPrintable(colour.name())) << colour;
    }

    // The marker stands where the disc shows the colour's hue and
    // saturation (its brightness is the knob's).
    void markerPoint()
    {
        QFETCH(QColor, colour);
        SVColorArea picker;
        const QImage disc = picker.grab().toImage();
        const QPointF point = SVColorArea::markerPoint(colour);
        QVERIFY(QLineF(point, QPointF(60, 60)).length() < SVColorArea::kDiscRadius);
        const QColor shown = disc.pixelColor(point.toPoint()).toHsv();
        const int hueApart = std::abs(shown.hsvHue() - colour.hsvHue());
        QVERIFY2(std::min(hueApart, 360 - hueApart) <= 8,
                 qPrintable(QStringLiteral("%1 shown at (%2, %3) as %4")
                                .arg(colour.name())
                                .arg(point.x())
                                .arg(point.y())
                                .arg(shown.name())));
        QVERIFY2(std::abs(shown.hsvSaturation() - colour.hsvSaturation()) <= 40,
                 qPrintable(QStringLiteral("%1 saturation %2, shown %3")
                                .arg(colour.name())
                                .arg(colour.hsvSaturation())
                                .arg(shown.hsvSaturation())));
    }

    // Colours without a hue sit in the white centre; nothing is marked
    // until the page gives a colour, and the mark is drawn on the disc.
    void markerDrawn()
    {
        for (const QColor& grey : {QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128)})
            QCOMPARE(SVColorArea::markerPoint(grey), QPointF(60, 60));
        SVColorArea picker;
        QVERIFY(!picker.markedColor().isValid());
        const QImage plain = picker.grab().toImage();
        const QColor blue(0, 0, 255);
        picker.setMarkedColor(blue);
        const QImage marked = picker.grab().toImage();
        const QPoint point = SVColorArea::markerPoint(blue).toPoint();
        int changed = 0;
        for (int dx = -6; dx <= 6; ++dx)
            for (int dy = -6; dy <= 6; ++dy)
                changed += plain.pixel(point + QPoint(dx, dy)) != marked.pixel(point + QPoint(dx, dy)) ? 1 : 0;
        QVERIFY(changed > 10);
        picker.setMarkedColor(QColor());
        QCOMPARE(picker.grab().toImage(), plain);
    }
};

ORVANE_TEST_MAIN(tst_SVColorArea)
#include "tst_SVColorArea.moc"
