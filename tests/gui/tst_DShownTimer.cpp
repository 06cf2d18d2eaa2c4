#include "support/TestMain.h"

#include "ui/widgets/DShownTimer.h"

#include <QWidget>

// An animation's timer runs exactly while it is wanted and its widget can
// be seen: each row is a sequence of steps and whether the timer runs after
// each one.
class tst_DShownTimer : public QObject
{
    Q_OBJECT

    enum Step { Want, Unwant, ShowWindow, HideWindow, Minimize, Restore, ShowWidget, HideWidget };
    using Steps = QVector<QPair<int, bool>>;

    static void apply(Step step, QWidget& window, QWidget& animated, DShownTimer& timer)
    {
        switch (step) {
        case Want:
            timer.setWanted(true);
            break;
        case Unwant:
            timer.setWanted(false);
            break;
        case ShowWindow:
            window.show();
            break;
        case HideWindow:
            window.hide();
            break;
        case Minimize:
            window.showMinimized();
            break;
        case Restore:
            window.showNormal();
            break;
        case ShowWidget:
            animated.show();
            break;
        case HideWidget:
            animated.hide();
            break;
        }
    }

private slots:
    void runsWhileWantedAndShown_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("wanted before the window shows")
            << Steps{{Want, false}, {ShowWindow, true}, {Unwant, false}, {Want, true}};
        QTest::newRow("window hidden and shown again")
            << Steps{{ShowWindow, false}, {Want, true}, {HideWindow, false}, {ShowWindow, true}};
        QTest::newRow("window minimized and restored")
            << Steps{{ShowWindow, false}, {Want, true}, {Minimize, false}, {Restore, true}};
        QTest::newRow("wanted while the window is minimized")
            << Steps{{ShowWindow, false}, {Minimize, false}, {Want, false}, {Restore, true}};
        QTest::newRow("the widget itself hidden")
            << Steps{{ShowWindow, false}, {Want, true}, {HideWidget, false}, {ShowWidget, true}};
        QTest::newRow("never wanted") << Steps{{ShowWindow, false}, {HideWindow, false}, {ShowWindow, false}};
    }
    void runsWhileWantedAndShown()
    {
        QFETCH(Steps, steps);
        QWidget window;
        auto* animated = new QWidget(&window);
        auto* timer = new DShownTimer(animated, 20);
        QCOMPARE(timer->parent(), animated);
        QCOMPARE(timer->interval(), 20);
        for (int i = 0; i < steps.size(); ++i) {
            apply(Step(steps[i].first), window, *animated, *timer);
            QVERIFY2(timer->isActive() == steps[i].second, qPrintable(QStringLiteral("after step %1").arg(i + 1)));
        }
    }

    void shownWhenMade()
    {
        QWidget window;
        window.show();
        DShownTimer timer(&window, 50);
        timer.setWanted(true);
        QVERIFY(timer.isActive());
        QSignalSpy ticks(&timer, &QTimer::timeout);
        QVERIFY(ticks.wait(5000));
    }
};

ORVANE_TEST_MAIN(tst_DShownTimer)
#include "tst_DShownTimer.moc"
