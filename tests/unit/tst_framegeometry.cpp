#include "support/TestMain.h"

#include "ui/mainwidget/DFrameGeometry.h"

using namespace DFrameGeometry;

class tst_FrameGeometry : public QObject
{
    Q_OBJECT

    // A 1280 x 715 window at (100, 200): right() is 1379, bottom() is 914.
    const QRect window{QPoint(100, 200), QSize(1280, 715)};

private slots:
    void hitTest_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("code");
        QTest::newRow("top-left corner pixel") << QPoint(100, 200) << int(TopLeft);
        QTest::newRow("4 px inside top-left") << QPoint(104, 204) << int(TopLeft);
        QTest::newRow("5 px inside top-left") << QPoint(105, 205) << int(None);
        QTest::newRow("4 px in x, 5 px in y: left") << QPoint(104, 205) << int(Left);
        QTest::newRow("5 px in x, 4 px in y: top") << QPoint(105, 204) << int(Top);
        QTest::newRow("bottom-right corner pixel") << QPoint(1379, 914) << int(BottomRight);
        QTest::newRow("4 px inside bottom-right") << QPoint(1375, 910) << int(BottomRight);
        QTest::newRow("5 px inside bottom-right") << QPoint(1374, 909) << int(None);
        QTest::newRow("bottom-left") << QPoint(102, 912) << int(BottomLeft);
        QTest::newRow("top-right") << QPoint(1377, 202) << int(TopRight);
        QTest::newRow("left edge") << QPoint(101, 500) << int(Left);
        QTest::newRow("right edge") << QPoint(1378, 500) << int(Right);
        QTest::newRow("top edge") << QPoint(700, 203) << int(Top);
        QTest::newRow("bottom edge") << QPoint(700, 911) << int(Bottom);
        QTest::newRow("middle") << QPoint(700, 500) << int(None);
        QTest::newRow("just outside left") << QPoint(99, 500) << int(None);
        QTest::newRow("just outside bottom") << QPoint(700, 915) << int(None);
        // Single edges test one coordinate only.
        QTest::newRow("left band far above") << QPoint(102, 10) << int(Left);
        QTest::newRow("top band far right") << QPoint(3000, 201) << int(Top);
    }
    void hitTest()
    {
        QFETCH(QPoint, cursor);
        QFETCH(int, code);
        QCOMPARE(DFrameGeometry::hitTest(window, cursor), code);
    }

    void cursorFor_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shape");
        QTest::newRow("top") << int(Top) << int(Qt::SizeVerCursor);
        QTest::newRow("bottom") << int(Bottom) << int(Qt::SizeVerCursor);
        QTest::newRow("left") << int(Left) << int(Qt::SizeHorCursor);
        QTest::newRow("right") << int(Right) << int(Qt::SizeHorCursor);
        QTest::newRow("top-left") << int(TopLeft) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left") << int(BottomLeft) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right") << int(BottomRight) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right") << int(TopRight) << int(Qt::SizeBDiagCursor);
        QTest::newRow("none") << int(None) << int(Qt::ArrowCursor);
        QTest::newRow("out of range") << 9 << int(Qt::ArrowCursor);
        QTest::newRow("negative") << -1 << int(Qt::ArrowCursor);
    }
    void cursorFor()
    {
        QFETCH(int, code);
        QFETCH(int, shape);
        QCOMPARE(int(DFrameGeometry::cursorFor(code)), shape);
    }

    void resized_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("expected");
        // The window is 1400 x 800 at (100, 200): right 1499, bottom 999.
        QTest::newRow("bottom grows") << int(Bottom) << QPoint(700, 1100) << QRect(100, 200, 1400, 900);
        QTest::newRow("right grows") << int(Right) << QPoint(1600, 500) << QRect(100, 200, 1500, 800);
        QTest::newRow("top up") << int(Top) << QPoint(700, 150) << QRect(QPoint(100, 150), QPoint(1499, 999));
        QTest::newRow("top down within minimum")
            << int(Top) << QPoint(700, 250) << QRect(QPoint(100, 250), QPoint(1499, 999));
        QTest::newRow("top stops at minimum")
            << int(Top) << QPoint(700, 284) << QRect(QPoint(100, 200), QPoint(1499, 999));
        QTest::newRow("top just above minimum")
            << int(Top) << QPoint(700, 283) << QRect(QPoint(100, 283), QPoint(1499, 999));
        QTest::newRow("left out") << int(Left) << QPoint(50, 500) << QRect(QPoint(50, 200), QPoint(1499, 999));
        QTest::newRow("left stops at minimum")
            << int(Left) << QPoint(219, 500) << QRect(QPoint(100, 200), QPoint(1499, 999));
        QTest::newRow("top-left") << int(TopLeft) << QPoint(90, 190) << QRect(QPoint(90, 190), QPoint(1499, 999));
        QTest::newRow("bottom-left") << int(BottomLeft) << QPoint(80, 1050)
                                     << QRect(QPoint(80, 200), QPoint(1499, 1049));
        QTest::newRow("bottom-right") << int(BottomRight) << QPoint(1600, 1050)
                                      << QRect(QPoint(100, 200), QPoint(1599, 1049));
        QTest::newRow("top-right") << int(TopRight) << QPoint(1600, 180) << QRect(QPoint(100, 180), QPoint(1599, 999));
        QTest::newRow("none") << int(None) << QPoint(5000, 5000) << QRect(100, 200, 1400, 800);
    }
    void resized()
    {
        QFETCH(int, code);
        QFETCH(QPoint, cursor);
        QFETCH(QRect, expected);
        const QRect start(100, 200, 1400, 800);
        QCOMPARE(DFrameGeometry::resized(start, code, cursor, QSize(1280, 715)), expected);
    }

    void minimumWindowSize_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("full HD") << QSize(1920, 1080) << QSize(1280, 715);
        QTest::newRow("one wider") << QSize(1921, 1080) << QSize(1450, 810);
        QTest::newRow("one taller") << QSize(1920, 1081) << QSize(1450, 810);
        QTest::newRow("laptop") << QSize(1366, 728) << QSize(1280, 715);
        QTest::newRow("4K") << QSize(3840, 2100) << QSize(1450, 810);
    }
    void minimumWindowSize()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, minimum);
        QCOMPARE(DFrameGeometry::minimumWindowSize(available), minimum);
    }
};

ORVANE_TEST_MAIN(tst_FrameGeometry)
#include "tst_framegeometry.moc"
