// The DKS action grid driven by mouse scripts: taps, hold drags, hold
// removals, and a grid that has no record yet. Cells are 90 x 40 px, so the
// phase columns stand at x 20, 110, 200, 290 and the key rows at y 15, 55,
// 95, 135.
#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "ui/seniorKeys/DDksShowWidget.h"

#include <QMouseEvent>
#include <QSignalSpy>

#include <cstring>

namespace {

using Actions = QVector<int>; // 16 values, key row by key row

seniorKeyInfoStu dksRecord(const Actions& actions)
{
    seniorKeyInfoStu info;
    std::memset(&info, 0, sizeof info);
    info.index = 4;
    info.type = 1;
    std::strcpy(info.name, "DKS4");
    for (int i = 0; i < 16 && i < actions.size(); ++i)
        info.action[i] = actions.at(i);
    info.point[0] = info.point[3] = 15;
    info.point[1] = info.point[2] = 36;
    info.holdDuration = 10;
    return info;
}

Actions actionsOf(const seniorKeyInfoStu& info)
{
    return Actions(info.action, info.action + 16);
}

// Key row `row` set to `values`, the others empty.
Actions onRow(int row, const QList<int>& values)
{
    Actions actions(16, 0);
    for (int p = 0; p < 4; ++p)
        actions[row * 4 + p] = values.at(p);
    return actions;
}

// "m x y" moves, "p x y" presses, "r x y" releases; steps separated by ";".
void play(QWidget& widget, const QString& script)
{
    for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.simplified().split(' ');
        const QPoint pos(parts.at(1).toInt(), parts.at(2).toInt());
        const QEvent::Type type = parts.at(0) == "p"   ? QEvent::MouseButtonPress
                                  : parts.at(0) == "r" ? QEvent::MouseButtonRelease
                                                       : QEvent::MouseMove;
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, pos, widget.mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
}

} // namespace

class tst_DDksShowWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void mouseScripts_data()
    {
        QTest::addColumn<Actions>("before");
        QTest::addColumn<QString>("script");
        QTest::addColumn<Actions>("after");
        QTest::addColumn<int>("signalCount");

        // Taps change the record at the press.
        QTest::newRow("tap on an empty point")
            << onRow(0, {0, 0, 0, 0}) << "m 20 15; p 20 15; r 20 15" << onRow(0, {1, 0, 0, 0}) << 1;
        QTest::newRow("second tap clears it")
            << onRow(0, {1, 0, 0, 0}) << "m 21 14; p 21 14; r 21 14" << onRow(0, {0, 0, 0, 0}) << 1;
        QTest::newRow("tap on phase 3 of key 4")
            << onRow(3, {0, 1, 0, 0}) << "m 290 135; p 290 135; r 290 135" << onRow(3, {0, 1, 0, 1}) << 1;
        QTest::newRow("press between the points")
            << onRow(0, {1, 0, 0, 0}) << "m 60 35; p 60 35; r 60 35" << onRow(0, {1, 0, 0, 0}) << 0;

        // Drags change it at the release.
        QTest::newRow("worked example") << onRow(0, {1, 0, 0, 0}) << "m 25 15; p 25 15; m 74 15; m 164 15; r 164 15"
                                        << onRow(0, {2, 2, 0, 0}) << 1;
        QTest::newRow("worked example, back under 50")
            << onRow(0, {1, 0, 0, 0}) << "m 25 15; p 25 15; m 74 15; m 164 15; m 114 15; m 60 15; r 60 15"
            << onRow(0, {1, 0, 0, 0}) << 1;
        QTest::newRow("to the last phase")
            << onRow(1, {1, 0, 0, 0}) << "m 27 55; p 27 55; m 74 55; m 164 55; m 260 55; r 260 55"
            << onRow(1, {2, 2, 2, 0}) << 1;
        QTest::newRow("a tap at phase 2 stops the bar")
            << onRow(0, {1, 0, 1, 1}) << "m 25 15; p 25 15; m 74 15; m 164 15; m 300 15; r 300 15"
            << onRow(0, {2, 2, 1, 1}) << 1;
        QTest::newRow("a hold from where another ends starts anew")
            << onRow(2, {2, 1, 0, 0}) << "m 115 95; p 115 95; m 165 95; r 165 95" << onRow(2, {2, 3, 0, 0}) << 1;
        QTest::newRow("from phase 2, shrunk: phase 3 kept")
            << onRow(0, {0, 0, 1, 1}) << "m 205 15; p 205 15; m 259 15; m 210 15; r 210 15" << onRow(0, {0, 0, 1, 1})
            << 1;
        QTest::newRow("handle pressed, released unmoved")
            << onRow(0, {1, 0, 0, 0}) << "m 25 15; p 25 15; r 25 15" << onRow(0, {1, 0, 0, 0}) << 0;
        QTest::newRow("drag to the left")
            << onRow(0, {0, 1, 0, 0}) << "m 115 15; p 115 15; m 60 15; m 20 15; r 20 15" << onRow(0, {0, 1, 0, 0}) << 0;
        QTest::newRow("no handle in the last column")
            << onRow(0, {0, 0, 0, 1}) << "m 295 15; p 295 15; m 340 15; r 340 15" << onRow(0, {0, 0, 0, 0}) << 1;
        QTest::newRow("other rows untouched by a drag")
            << Actions{1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0} << "m 25 55; p 25 55; m 74 55; r 74 55"
            << Actions{1, 0, 0, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0} << 1;

        // The removal table: a press on column j of a hold in key row 2.
        struct Removal
        {
            QList<int> row;
            int column;
            QList<int> result;
        };
        const QVector<Removal> removals = {
            {{2, 2, 2, 1}, 0, {0, 0, 0, 1}}, {{2, 2, 2, 1}, 2, {0, 0, 0, 1}}, {{2, 2, 3, 0}, 0, {0, 0, 2, 0}},
            {{2, 2, 3, 0}, 1, {0, 0, 2, 0}}, {{2, 2, 3, 0}, 2, {2, 2, 0, 0}}, {{2, 3, 2, 1}, 0, {0, 2, 2, 1}},
            {{2, 3, 2, 1}, 1, {2, 0, 0, 1}}, {{2, 3, 2, 1}, 2, {2, 0, 0, 1}}, {{2, 3, 3, 0}, 0, {0, 2, 3, 0}},
            {{2, 3, 3, 0}, 1, {2, 0, 2, 0}}, {{2, 3, 3, 0}, 2, {2, 3, 0, 0}}, {{2, 2, 0, 1}, 1, {0, 0, 0, 1}},
            {{2, 2, 1, 0}, 0, {0, 0, 1, 0}}, {{1, 3, 2, 0}, 2, {1, 0, 0, 0}}, {{0, 2, 2, 1}, 1, {0, 0, 0, 1}},
            {{2, 3, 0, 1}, 0, {0, 2, 0, 1}}, {{1, 2, 3, 0}, 1, {1, 0, 2, 0}}, {{1, 3, 3, 1}, 2, {1, 3, 0, 1}},
            {{1, 2, 0, 0}, 1, {1, 0, 0, 0}}, {{0, 0, 2, 1}, 2, {0, 0, 0, 1}}, {{2, 0, 1, 0}, 0, {0, 0, 1, 0}},
        };
        for (const Removal& r : removals) {
            const int x = 20 + r.column * 90 + 40;
            QTest::addRow("remove %d%d%d%d at %d", r.row[0], r.row[1], r.row[2], r.row[3], r.column)
                << onRow(1, r.row) << QStringLiteral("m %1 55; p %1 55; r %1 55").arg(x) << onRow(1, r.result) << 1;
        }
        QTest::newRow("remove: press on a hold's start point")
            << onRow(1, {2, 2, 0, 0}) << "m 20 55; p 20 55; r 20 55" << onRow(1, {0, 0, 0, 0}) << 1;
        QTest::newRow("remove: 8 px off the row line")
            << onRow(1, {2, 0, 0, 0}) << "m 60 63; p 60 63; r 60 63" << onRow(1, {0, 0, 0, 0}) << 1;
        QTest::newRow("no hold under the press")
            << onRow(1, {2, 2, 0, 0}) << "m 240 55; p 240 55; r 240 55" << onRow(1, {2, 2, 0, 0}) << 0;
        QTest::newRow("a lone 3 at phase 0 matches no rule")
            << onRow(1, {3, 0, 0, 0}) << "m 60 55; p 60 55; r 60 55" << onRow(1, {3, 0, 0, 0}) << 0;
        QTest::newRow("removal goes to the pressed row")
            << Actions{0, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0} << "m 60 55; p 60 55; m 60 135; r 60 135"
            << Actions{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0} << 1;
    }

    void mouseScripts()
    {
        QFETCH(Actions, before);
        QFETCH(QString, script);
        QFETCH(Actions, after);
        QFETCH(int, signalCount);

        DDksShowWidget grid;
        grid.resize(380, 170);
        grid.setGridSize(360, 160);
        const seniorKeyInfoStu record = dksRecord(before);
        grid.setSeniorKeyInfo(record);
        QSignalSpy updates(&grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
        QSignalSpy moves(&grid, &DDksShowWidget::sigDksPageMouseMovePointXY);

        play(grid, script);

        QCOMPARE(actionsOf(grid.seniorKeyInfo()), after);
        QCOMPARE(updates.count(), signalCount);
        QCOMPARE(moves.count(), script.count('m'));
        // Only the actions are the grid's to change.
        seniorKeyInfoStu expected = record;
        for (int i = 0; i < 16; ++i)
            expected.action[i] = after.at(i);
        const seniorKeyInfoStu edited = grid.seniorKeyInfo();
        QVERIFY(std::memcmp(&edited, &expected, sizeof expected) == 0);
    }

    // A tap emits at its press; the release adds nothing.
    void oneSignalPerPress()
    {
        DDksShowWidget grid;
        grid.setGridSize(360, 160);
        grid.setSeniorKeyInfo(dksRecord(Actions(16, 0)));
        QSignalSpy updates(&grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
        play(grid, "m 110 95; p 110 95");
        QCOMPARE(updates.count(), 1);
        QCOMPARE(grid.seniorKeyInfo().action[9], 1);
        play(grid, "r 110 95");
        QCOMPARE(updates.count(), 1);
    }

    void withoutRecord()
    {
        const QColor accent = DThemeColor::fromText(DDataManager::getInstance()->themeColors().textCheckedColor);
        DDksShowWidget bare;
        DDksShowWidget held;
        for (DDksShowWidget* grid : {&bare, &held}) {
            grid->resize(380, 170);
            grid->setGridSize(360, 160);
        }
        held.setSeniorKeyInfo(dksRecord(onRow(0, {2, 2, 0, 0})));

        // A hold bar between the first two points shows only with a record.
        const QPoint onBar(65, 15);
        QCOMPARE(held.grab().toImage().pixelColor(onBar).name(), accent.name());
        const QImage bareImage = bare.grab().toImage();
        QVERIFY(bareImage.pixelColor(onBar).name() != accent.name());
        // The grid and its icons are drawn all the same.
        const QColor empty = bareImage.pixelColor(65, 35);
        QVERIFY(bareImage.pixelColor(65, 15) != empty); // a key row's line
        QVERIFY(bareImage.pixelColor(20, 30) != empty); // a phase column's line
        QVERIFY(bareImage.pixelColor(17, 15) != bareImage.pixelColor(65, 15)); // an icon on the line

        QSignalSpy updates(&bare, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
        play(bare, "m 20 15; p 20 15; r 20 15; m 60 55; p 60 55; r 60 55");
        QCOMPARE(updates.count(), 0);
        QCOMPARE(actionsOf(bare.seniorKeyInfo()), Actions(16, 0));
    }
};

ORVANE_TEST_MAIN(tst_DDksShowWidget)
#include "tst_DDksShowWidget.moc"
