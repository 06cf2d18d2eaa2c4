#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"

#include <functional>

namespace {

using CapSetup = std::function<void(keyboardButCustom&)>;
using SegmentSetup = std::function<void(sideLightButtonCustom&)>;

struct Probe
{
    QPoint at;
    QColor colour; // invalid: anything but the cap's fill colour
};
using Probes = QVector<Probe>;

const QColor kBackground(0, 0, 0);
const QColor kLight(40, 90, 250);
const QColor kAccent(255, 49, 53);

// What a translucent marking looks like over the black test background.
QColor over(const QColor& fill)
{
    const double a = fill.alphaF();
    return QColor(qRound(fill.red() * a), qRound(fill.green() * a), qRound(fill.blue() * a));
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3
           && std::abs(a.blue() - b.blue()) <= 3;
}

template<typename W>
QImage grabOnBlack(W& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::Button, kBackground);
    widget.setPalette(palette);
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(CapSetup)
Q_DECLARE_METATYPE(SegmentSetup)
Q_DECLARE_METATYPE(Probes)

class tst_keyCaps : public QObject
{
    Q_OBJECT

private slots:
    void capStates_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<CapSetup>("setup");
        QTest::addColumn<Probes>("probes");

        const QSize cap(60, 40);
        const QPoint centre(30, 20);
        const QPoint edge(0, 20);
        const QColor hoverFill = over(QColor(255, 49, 53, 50));
        const QColor clickedFill = over(QColor(255, 128, 0, 50));
        const QColor lockedFill = over(QColor(200, 0, 0, 50));

        QTest::newRow("idle draws nothing")
            << cap << CapSetup([](keyboardButCustom&) {}) << Probes{{centre, kBackground}, {edge, kBackground}};
        QTest::newRow("hover") << cap << CapSetup([](keyboardButCustom& b) { b.setHoverStatus(true); })
                               << Probes{{centre, hoverFill}, {edge, kAccent}};
        QTest::newRow("hover while selection is off draws nothing") << cap << CapSetup([](keyboardButCustom& b) {
            b.setSelectEnabled(false);
            b.setHoverStatus(true);
        }) << Probes{{centre, kBackground}, {edge, kBackground}};
        QTest::newRow("clicked") << cap << CapSetup([](keyboardButCustom& b) { b.setClickedStatus(true, true); })
                                 << Probes{{centre, clickedFill}, {edge, QColor(255, 128, 0)}};
        QTest::newRow("clicked and hovered shows hover") << cap << CapSetup([](keyboardButCustom& b) {
            b.setClickedStatus(true, false);
            b.setHoverStatus(true);
        }) << Probes{{centre, hoverFill}, {edge, kAccent}};
        QTest::newRow("customised, fill forced to alpha 50") << cap << CapSetup([](keyboardButCustom& b) {
            b.setCustomizedBackColor(QColor(30, 200, 35, 255));
            b.setCustomizedBorderColor(QColor(30, 200, 35));
            b.setCustomizedStatus(true);
        }) << Probes{{centre, over(QColor(30, 200, 35, 50))}, {edge, QColor(30, 200, 35)}};
        QTest::newRow("not remappable is red") << cap << CapSetup([](keyboardButCustom& b) {
            b.setRemapEnabled(false);
            b.refresh(0);
        }) << Probes{{centre, lockedFill}, {edge, QColor(200, 0, 0)}};
        QTest::newRow("not remappable hides under the current key") << cap << CapSetup([](keyboardButCustom& b) {
            b.setRemapEnabled(false);
            b.setClickedStatus(true, true);
        }) << Probes{{centre, clickedFill}, {edge, QColor(255, 128, 0)}};
        QTest::newRow("colour view shows the LED colour") << cap << CapSetup([](keyboardButCustom& b) {
            b.setLightColorEnabled(true);
            b.setColorShowMode(true);
            b.setLightColor(kLight);
        }) << Probes{{centre, kLight}, {edge, kLight}};
        QTest::newRow("colour view, black LED, selected: frame only") << cap << CapSetup([](keyboardButCustom& b) {
            b.setLightColorEnabled(true);
            b.setColorShowMode(true);
            b.setLightColor(QColor(0, 0, 0));
            b.setSelectedStatus(true);
        }) << Probes{{centre, kBackground}, {edge, kAccent}};
        QTest::newRow("colour view, selected key framed in the accent") << cap << CapSetup([](keyboardButCustom& b) {
            b.setStateColors(QColor(220, 40, 45), QColor(10, 250, 10));
            b.setLightColorEnabled(true);
            b.setColorShowMode(true);
            b.setLightColor(kLight);
            b.setSelectedStatus(true);
        }) << Probes{{centre, kLight}, {edge, QColor(10, 250, 10)}};
        QTest::newRow("colour view without LED display stays empty") << cap << CapSetup([](keyboardButCustom& b) {
            b.setColorShowMode(true);
            b.setLightColor(kLight);
            b.setLightColorEnabled(true);
            b.refresh(0);
        }) << Probes{{centre, kBackground}, {edge, kBackground}};
        QTest::newRow("colour view without selection: knob stays empty") << cap << CapSetup([](keyboardButCustom& b) {
            b.setKeyInfo(851, QStringLiteral("R_WHEEL_CCW"));
            b.setLightColorEnabled(true);
            b.setSelectEnabled(false);
            b.setColorShowMode(true);
            b.setLightColor(kLight);
        }) << Probes{{centre, kBackground}, {edge, kBackground}};
        QTest::newRow("colour view without selection: plain key filled") << cap << CapSetup([](keyboardButCustom& b) {
            b.setKeyInfo(4, QStringLiteral("A"));
            b.setLightColorEnabled(true);
            b.setSelectEnabled(false);
            b.setColorShowMode(true);
            b.setLightColor(kLight);
        }) << Probes{{centre, kLight}, {edge, kLight}};
        QTest::newRow("calibration beats the colour view") << cap << CapSetup([](keyboardButCustom& b) {
            b.setLightColorEnabled(true);
            b.setColorShowMode(true);
            b.setLightColor(QColor(0, 200, 0));
            b.setClickedStatus(true, false);
            b.setCalibrationShowMode(true);
        }) << Probes{{centre, QColor(0, 200, 0)}, {edge, kAccent}};
        QTest::newRow("calibration without hover or click has no frame") << cap << CapSetup([](keyboardButCustom& b) {
            b.setLightColorEnabled(true);
            b.setLightColor(QColor(0, 200, 0));
            b.setCalibrationShowMode(true);
        }) << Probes{{centre, QColor(0, 200, 0)}, {edge, kBackground}};

        const QSize enter(60, 74);
        const auto notched = [](int shape) {
            return CapSetup([shape](keyboardButCustom& b) {
                b.setFixedKeySize(60, 74);
                b.setSpecialEnter(true);
                b.setSpecialEnterShape(shape);
                b.setSpecialEnterNotch(10, 35);
                b.setHoverStatus(true);
            });
        };
        QTest::newRow("notched Enter: upper row, lower part, cut-away corner")
            << enter << notched(1)
            << Probes{{QPoint(30, 15), hoverFill}, {QPoint(40, 60), hoverFill}, {QPoint(4, 60), QColor()}};
        QTest::newRow("notched Enter with another shape code draws nothing")
            << enter << notched(0) << Probes{{QPoint(30, 15), kBackground}, {QPoint(40, 60), kBackground}};
    }
    void capStates()
    {
        QFETCH(QSize, size);
        QFETCH(CapSetup, setup);
        QFETCH(Probes, probes);
        keyboardButCustom cap;
        cap.setFixedKeySize(size.width(), size.height());
        setup(cap);
        const QImage image = grabOnBlack(cap);
        QCOMPARE(image.size(), size);
        const QColor fill = image.pixelColor(size.width() / 2, 15);
        for (const Probe& probe : probes) {
            const QColor seen = image.pixelColor(probe.at);
            if (probe.colour.isValid()) {
                QVERIFY2(near(seen, probe.colour), qPrintable(QStringLiteral("(%1, %2): %3, expected %4")
                                                                  .arg(probe.at.x())
                                                                  .arg(probe.at.y())
                                                                  .arg(seen.name(), probe.colour.name())));
            } else {
                QVERIFY2(!near(seen, fill), "the cut-away corner must not show the cap's fill");
            }
        }
    }

    // Given the picture it covers, a cap draws it under its marks and hides
    // what lies beneath; a picture that lets anything through, or does not
    // fit the cap, leaves the cap see-through.
    void backdropUnderTheMarks_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("opaque picture of the cap's size") << QSize(60, 40) << 255 << true;
        QTest::newRow("translucent picture") << QSize(60, 40) << 200 << false;
        QTest::newRow("picture of another size") << QSize(50, 40) << 255 << false;
    }
    void backdropUnderTheMarks()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(int, alpha);
        QFETCH(bool, drawn);
        const QColor paper(10, 120, 30);
        keyboardButCustom cap;
        cap.setFixedKeySize(60, 40);
        QPixmap picture(pictureSize);
        picture.fill(QColor(paper.red(), paper.green(), paper.blue(), alpha));
        cap.setBackdrop(picture);
        QCOMPARE(cap.testAttribute(Qt::WA_OpaquePaintEvent), drawn);
        const QColor under = drawn ? paper : kBackground;
        QVERIFY(near(grabOnBlack(cap).pixelColor(30, 20), under));

        cap.setHoverStatus(true);
        const QImage hovered = grabOnBlack(cap);
        const double a = 50 / 255.0;
        const QColor blended(qRound(under.red() + (kAccent.red() - under.red()) * a),
                             qRound(under.green() + (kAccent.green() - under.green()) * a),
                             qRound(under.blue() + (kAccent.blue() - under.blue()) * a));
        QVERIFY2(near(hovered.pixelColor(30, 20), blended), qPrintable(hovered.pixelColor(30, 20).name()));
        QVERIFY(near(hovered.pixelColor(0, 20), kAccent));
    }

    void lightColourNeedsTheDisplayOn()
    {
        keyboardButCustom cap;
        cap.setLightColor(kLight);
        QCOMPARE(cap.lightColor(), QColor(0, 0, 0, 0));
        cap.setLightColorEnabled(true);
        QCOMPARE(cap.lightColor(), QColor(0, 0, 0, 0));
        cap.setLightColor(kLight);
        QCOMPARE(cap.lightColor(), kLight);
        cap.setLightColorBackup(QColor(1, 2, 3));
        QCOMPARE(cap.getLightColorBackup(), QColor(1, 2, 3));
    }

    void notchBeforeSizeUsesTheStartSize()
    {
        keyboardButCustom cap;
        cap.setSpecialEnter(true);
        cap.setSpecialEnterShape(1);
        cap.setSpecialEnterNotch(10, 30);
        // Start size 34 x 38: the lower part starts 10 in and the notch row
        // ends 30 down, so at (5, 33) there is nothing of the cap.
        cap.setHoverStatus(true);
        const QImage image = grabOnBlack(cap);
        QVERIFY(near(image.pixelColor(20, 15), over(QColor(255, 49, 53, 50))));
        QVERIFY(!near(image.pixelColor(4, 36), over(QColor(255, 49, 53, 50))));
    }

    void enterAndLeaveSignalAndMark()
    {
        keyboardButCustom cap;
        QSignalSpy entered(&cap, &keyboardButCustom::sigCustomButMouseEnter);
        QSignalSpy left(&cap, &keyboardButCustom::sigCustomButMouseLeave);
        cap.setSelectEnabled(false);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&cap, &enter);
        QCOMPARE(entered.count(), 1);
        QVERIFY(cap.isHovered());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&cap, &leave);
        QCOMPARE(left.count(), 1);
        QVERIFY(!cap.isHovered());
    }

    void sideSegments_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<SegmentSetup>("setup");
        QTest::addColumn<Probes>("probes");
        const QColor red(255, 0, 0);
        const auto coloured = [red](bool rounded) {
            return SegmentSetup([red, rounded](sideLightButtonCustom& s) {
                s.setRounded(rounded);
                s.setLightColor(red);
            });
        };
        QTest::newRow("horizontal bar: bright middle, dark ends")
            << QSize(60, 10) << coloured(false)
            << Probes{{QPoint(30, 5), red}, {QPoint(0, 5), kBackground}, {QPoint(59, 5), QColor(4, 0, 0)}};
        QTest::newRow("rounded horizontal bar keeps its middle")
            << QSize(60, 10) << coloured(true) << Probes{{QPoint(30, 5), red}, {QPoint(0, 5), kBackground}};
        QTest::newRow("vertical bar fades along its height")
            << QSize(10, 60) << coloured(false)
            << Probes{{QPoint(5, 30), red}, {QPoint(5, 0), kBackground}, {QPoint(5, 15), QColor(128, 0, 0)}};
        QTest::newRow("square segment draws nothing")
            << QSize(10, 10) << coloured(false) << Probes{{QPoint(5, 5), kBackground}};
    }
    void sideSegments()
    {
        QFETCH(QSize, size);
        QFETCH(SegmentSetup, setup);
        QFETCH(Probes, probes);
        sideLightButtonCustom segment;
        segment.setFixedKeySize(size.width(), size.height());
        setup(segment);
        const QImage image = grabOnBlack(segment);
        for (const Probe& probe : probes) {
            const QColor seen = image.pixelColor(probe.at);
            QVERIFY2(std::abs(seen.red() - probe.colour.red()) <= 8 && seen.green() == 0 && seen.blue() == 0,
                     qPrintable(QStringLiteral("(%1, %2): %3, expected %4")
                                    .arg(probe.at.x())
                                    .arg(probe.at.y())
                                    .arg(seen.name(), probe.colour.name())));
        }
    }
};

ORVANE_TEST_MAIN(tst_keyCaps)
#include "tst_keyCaps.moc"
