#include "support/PaintCounter.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/widgets/ArrowWidget.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QSignalSpy>

class tst_ArrowWidget : public QObject
{
    Q_OBJECT

private slots:
    void outline_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("arrowX");
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<QPointF>("justInsideTip");
        QTest::addColumn<QPointF>("beyondTip");
        QTest::addColumn<QPointF>("besideArrowOffBody");
        // A 300 x 200 bubble.
        QTest::newRow("top, a = 50") << 0 << 50 << QRectF(15, 15, 270, 170) << QPointF(57, 15.8) << QPointF(57, 14.5)
                                     << QPointF(100, 24.5);
        QTest::newRow("top, a = 120") << 0 << 120 << QRectF(15, 15, 270, 170) << QPointF(127, 15.8)
                                      << QPointF(127, 14.5) << QPointF(50, 24.5);
        QTest::newRow("bottom, a = 50") << 1 << 50 << QRectF(15, 15, 270, 185) << QPointF(57, 199.2)
                                        << QPointF(57, 200.5) << QPointF(100, 185.5);
        QTest::newRow("bottom, a = 200") << 1 << 200 << QRectF(15, 15, 270, 185) << QPointF(207, 199.2)
                                         << QPointF(207, 200.5) << QPointF(100, 185.5);
        QTest::newRow("no arrow: the body's own top edge")
            << 2 << 50 << QRectF(15, 15, 270, 170) << QPointF(57, 15.8) << QPointF(57, 14.5) << QPointF(100, 14.5);
    }
    void outline()
    {
        QFETCH(int, side);
        QFETCH(int, arrowX);
        QFETCH(QRectF, bounds);
        QFETCH(QPointF, justInsideTip);
        QFETCH(QPointF, beyondTip);
        QFETCH(QPointF, besideArrowOffBody);
        const QPainterPath path = ArrowWidget::bubblePath(side, 300, 200, arrowX);
        QCOMPARE(path.boundingRect(), bounds);
        QVERIFY(path.contains(justInsideTip));
        QVERIFY(!path.contains(beyondTip));
        QVERIFY(!path.contains(besideArrowOffBody));
        // The body itself always spans the middle.
        QVERIFY(path.contains(QPointF(150, 100)));
    }

    void topBodyStartsBelowTheArrow()
    {
        const QPainterPath path = ArrowWidget::bubblePath(0, 300, 200, 50);
        QVERIFY(!path.contains(QPointF(150, 24.5)));
        QVERIFY(path.contains(QPointF(150, 25.5)));
        QVERIFY(path.contains(QPointF(150, 184.5)));
        QVERIFY(!path.contains(QPointF(150, 185.5)));
        // The arrow's base sits on the body between a and a + 15.
        QVERIFY(path.contains(QPointF(51, 24.8)));
        QVERIFY(path.contains(QPointF(64, 24.8)));
    }

    void windowAndThemeColour()
    {
        ArrowWidget bubble(0);
        const Qt::WindowFlags flags = bubble.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::ToolTip);
        QVERIFY(bubble.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(qAbs(bubble.windowOpacity() - 0.9) < 0.01);
        auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(bubble.graphicsEffect());
        QVERIFY(shadow);
        QCOMPARE(shadow->blurRadius(), 15.0);
        QCOMPARE(shadow->offset(), QPointF(0, 0));
        QCOMPARE(shadow->color(), QColor(Qt::gray));

        // The theme's bubble colour, until the owner gives one.
        QCOMPARE(bubble.backgroundColor(), DDataManager::getInstance()->themeRoles().color(DThemeRoles::Bubble));
        bubble.setBackgroundColor(1, 2, 3);
        QCOMPARE(bubble.backgroundColor(), QColor(1, 2, 3, 255));
    }

    void contentMargins_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("top");
        QTest::newRow("arrow on top") << 0 << 25;
        QTest::newRow("arrow at the bottom") << 1 << 15;
        QTest::newRow("no arrow") << 7 << 15;
    }
    void contentMargins()
    {
        QFETCH(int, side);
        QFETCH(int, top);
        ArrowWidget bubble(side);
        auto* content = new QWidget;
        bubble.setContentWidget(content);
        auto* box = qobject_cast<QHBoxLayout*>(bubble.layout());
        QVERIFY(box);
        QCOMPARE(box->contentsMargins(), QMargins(15, top, 15, 15));
        QCOMPARE(box->spacing(), 0);
        QCOMPARE(content->parentWidget(), &bubble);
    }

    void paintsTheBubble()
    {
        ArrowWidget bubble(0);
        bubble.setPopupSize(300, 200);
        QCOMPARE(bubble.size(), QSize(300, 200));
        bubble.setBackgroundColor(10, 200, 30);
        const QImage image = bubble.grab().toImage();
        QCOMPARE(QColor(image.pixel(150, 100)).rgb(), QColor(10, 200, 30).rgb());
        QCOMPARE(QColor(image.pixel(57, 20)).rgb(), QColor(10, 200, 30).rgb());
        QVERIFY(QColor(image.pixel(100, 18)).rgb() != QColor(10, 200, 30).rgb());
    }

    void arrowMovesOnlyAtTheNextPaint()
    {
        ArrowWidget bubble(0);
        bubble.setPopupSize(300, 200);
        PaintCounter counter;
        bubble.installEventFilter(&counter);
        bubble.show();
        QTRY_VERIFY(counter.paints > 0);
        // Let the paints of showing the window settle first.
        int settled;
        do {
            settled = counter.paints;
            QTest::qWait(100);
        } while (settled != counter.paints);
        counter.paints = 0;
        bubble.setArrowX(150);
        QTest::qWait(100);
        QCOMPARE(counter.paints, 0);
        bubble.setBackgroundColor(10, 200, 30);
        QTRY_VERIFY(counter.paints > 0);
        const QImage image = bubble.grab().toImage();
        QCOMPARE(QColor(image.pixel(157, 20)).rgb(), QColor(10, 200, 30).rgb());
    }

    void hidesOnDeactivation()
    {
        ArrowWidget bubble(1);
        QSignalSpy hidden(&bubble, &ArrowWidget::sigArrowWidgetHide);
        bubble.show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&bubble, &activate);
        QVERIFY(bubble.isVisible());
        QCOMPARE(hidden.count(), 0);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&bubble, &deactivate);
        QVERIFY(bubble.isHidden());
        QCOMPARE(hidden.count(), 1);
    }

    void reportsMouseEnterAndLeave()
    {
        ArrowWidget bubble(0);
        QSignalSpy entered(&bubble, &ArrowWidget::sigArrowWidgetMouseEnter);
        QSignalSpy left(&bubble, &ArrowWidget::sigArrowWidgetMouseLeave);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&bubble, &enter);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 0);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&bubble, &leave);
        QCOMPARE(left.count(), 1);
        QCOMPARE(entered.count(), 1);
    }
};

ORVANE_TEST_MAIN(tst_ArrowWidget)
#include "tst_arrowwidget.moc"
