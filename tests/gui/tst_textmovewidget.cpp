#include "support/TestMain.h"

#include "ui/widgets/TextMoveWidget.h"

#include <QLabel>
#include <QTimer>

class tst_TextMoveWidget : public QObject
{
    Q_OBJECT

private:
    struct Track
    {
        int min = INT_MAX;
        int max = INT_MIN;
        int turns = 0;
        int wraps = 0;
    };

    static QLabel* labelOf(TextMoveWidget& marquee) { return marquee.findChild<QLabel*>(); }

    // Runs the step slot by hand so the test does not wait on the timer.
    static Track run(TextMoveWidget& marquee, int ticks)
    {
        Track track;
        int last = labelOf(marquee)->x();
        int lastDelta = 0;
        for (int i = 0; i < ticks; ++i) {
            QMetaObject::invokeMethod(&marquee, "updatePos");
            const int x = labelOf(marquee)->x();
            track.min = qMin(track.min, x);
            track.max = qMax(track.max, x);
            const int delta = x - last;
            if (lastDelta != 0 && (delta > 0) != (lastDelta > 0))
                ++track.turns;
            if (qAbs(delta) > 20)
                ++track.wraps;
            lastDelta = delta;
            last = x;
        }
        return track;
    }

    static QString longText() { return QStringLiteral("A keyboard name far too long for its little box"); }

private slots:
    // A marquee nobody can see must not wake the program: its timer runs only
    // while it is shown, also when it is hidden with the window around it.
    void movesOnlyWhileShown()
    {
        QWidget window;
        auto* marquee = new TextMoveWidget(&window);
        marquee->setText(longText());
        auto* timer = marquee->findChild<QTimer*>();
        QVERIFY(timer);
        QVERIFY(!timer->isActive());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(timer->isActive());

        window.hide();
        QVERIFY(!timer->isActive());
        window.show();
        QVERIFY(timer->isActive());
        marquee->hide();
        QVERIFY(!timer->isActive());
    }

    void bounce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");
        QTest::newRow("wider than the widget, step 2") << longText() << 2;
        QTest::newRow("wider than the widget, step 3") << longText() << 3;
        QTest::newRow("narrower than the widget, step 2") << QStringLiteral("K1") << 2;
        QTest::newRow("narrower than the widget, step 3") << QStringLiteral("K1") << 3;
    }
    void bounce()
    {
        QFETCH(QString, text);
        QFETCH(int, step);
        TextMoveWidget marquee;
        marquee.resize(100, 30);
        marquee.setTextFont(QStringLiteral("DejaVu Sans"), 10);
        marquee.setStep(step);
        marquee.setText(text);
        QCOMPARE(labelOf(marquee)->x(), 0);
        QCOMPARE(labelOf(marquee)->width(), labelOf(marquee)->sizeHint().width());

        const int w = marquee.width();
        const int t = marquee.fontMetrics().horizontalAdvance(text);
        const Track track = run(marquee, 4 * (t + w));
        QVERIFY(track.turns >= 3);
        if (t > w) {
            QVERIFY2(track.max >= 10 && track.max < 10 + step, qPrintable(QString::number(track.max)));
            QVERIFY(track.min <= w - t - 10 && track.min > w - t - 10 - step);
        } else {
            QVERIFY(track.max > w - t && track.max <= w - t + step);
            QVERIFY(track.min <= 0 && track.min > -step);
        }
    }

    void runsAcross_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("rightwards") << int(TextMoveWidget::MoveStyle_Right);
        QTest::newRow("leftwards") << int(TextMoveWidget::MoveStyle_Left);
    }
    void runsAcross()
    {
        QFETCH(int, style);
        TextMoveWidget marquee;
        marquee.resize(100, 30);
        marquee.setTextFont(QStringLiteral("DejaVu Sans"), 10);
        marquee.setMoveStyle(TextMoveWidget::MoveStyle(style));
        marquee.setText(QStringLiteral("Orvane K7"));
        const int w = marquee.width();
        const int t = marquee.fontMetrics().horizontalAdvance(QStringLiteral("Orvane K7"));
        QCOMPARE(labelOf(marquee)->x(), style == TextMoveWidget::MoveStyle_Right ? -labelOf(marquee)->width() : w);
        const Track track = run(marquee, 3 * (t + w));
        QCOMPARE(track.turns, 2 * track.wraps);
        QVERIFY(track.wraps >= 2);
        QVERIFY(track.min >= -t - 2);
        QVERIFY(track.max <= w + 2);
    }

    void hoverPausesWhenAsked()
    {
        TextMoveWidget marquee;
        marquee.resize(100, 30);
        marquee.setTextFont(QStringLiteral("DejaVu Sans"), 10);
        marquee.setText(longText());
        marquee.setMouseHoverStop(true);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&marquee, &enter);
        QVERIFY(labelOf(marquee)->font().underline());
        QCOMPARE(marquee.cursor().shape(), Qt::PointingHandCursor);
        const int x = labelOf(marquee)->x();
        run(marquee, 10);
        QCOMPARE(labelOf(marquee)->x(), x);

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&marquee, &leave);
        QVERIFY(!labelOf(marquee)->font().underline());
        QCOMPARE(marquee.cursor().shape(), Qt::ArrowCursor);
        run(marquee, 1);
        QCOMPARE(labelOf(marquee)->x(), x + 2);
    }

    void hoverKeepsMovingByDefault()
    {
        TextMoveWidget marquee;
        marquee.resize(100, 30);
        marquee.setText(longText());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&marquee, &enter);
        QVERIFY(!labelOf(marquee)->font().underline());
        run(marquee, 1);
        QCOMPARE(labelOf(marquee)->x(), 2);
    }

    void timerMovesTheTextAndCentresIt()
    {
        TextMoveWidget marquee;
        marquee.setForeground(QColor(1, 2, 3));
        marquee.setBackground(QColor(4, 5, 6));
        marquee.setTextFont(QStringLiteral("DejaVu Sans"), 12);
        marquee.resize(120, 40);
        marquee.setText(longText());
        marquee.setInterval(5);
        marquee.show();
        QTRY_VERIFY(labelOf(marquee)->x() != 0);
        QCOMPARE(labelOf(marquee)->y(), (40 - marquee.fontMetrics().height()) / 2);
        QCOMPARE(labelOf(marquee)->palette().color(QPalette::WindowText), QColor(1, 2, 3));
        QCOMPARE(marquee.palette().color(QPalette::Window), QColor(4, 5, 6));
        QVERIFY(marquee.autoFillBackground());
        QCOMPARE(labelOf(marquee)->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(labelOf(marquee)->font().pointSize(), 12);
    }
};

ORVANE_TEST_MAIN(tst_TextMoveWidget)
#include "tst_textmovewidget.moc"
