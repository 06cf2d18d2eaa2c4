#include "support/TestMain.h"

#include "ui/widgets/FlowLayout.h"

#include <QPointer>
#include <QSpacerItem>

Q_DECLARE_METATYPE(QList<QSize>)
Q_DECLARE_METATYPE(QList<QPoint>)

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<QList<QPoint>>("positions");
        QTest::addColumn<int>("height");
        const QList<QSize> three40{{40, 20}, {40, 20}, {40, 20}};
        QTest::newRow("100 wide: two, then the third wraps")
            << 100 << 0 << three40 << QList<QPoint>{{0, 0}, {50, 0}, {0, 30}} << 50;
        QTest::newRow("90 wide: one a row") << 90 << 0 << three40 << QList<QPoint>{{0, 0}, {0, 30}, {0, 60}} << 80;
        QTest::newRow("140 wide: the third just misses")
            << 140 << 0 << three40 << QList<QPoint>{{0, 0}, {50, 0}, {0, 30}} << 50;
        QTest::newRow("141 wide: one row") << 141 << 0 << three40 << QList<QPoint>{{0, 0}, {50, 0}, {100, 0}} << 20;
        QTest::newRow("margin 5") << 110 << 5 << three40 << QList<QPoint>{{5, 5}, {55, 5}, {5, 35}} << 60;
        QTest::newRow("row height is the tallest item")
            << 100 << 0 << QList<QSize>{{40, 20}, {40, 35}, {40, 10}} << QList<QPoint>{{0, 0}, {50, 0}, {0, 45}} << 55;
        QTest::newRow("an item wider than the row still gets a row")
            << 100 << 0 << QList<QSize>{{150, 20}, {40, 20}} << QList<QPoint>{{0, 0}, {0, 30}} << 50;
    }
    void placement()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(QList<QSize>, sizes);
        QFETCH(QList<QPoint>, positions);
        QFETCH(int, height);
        QWidget host;
        auto* flow = new FlowLayout(&host, margin, 10, 10);
        QList<QWidget*> items;
        for (const QSize& size : sizes) {
            auto* item = new QWidget(&host);
            item->setFixedSize(size);
            flow->addWidget(item);
            items.append(item);
        }
        QCOMPARE(flow->count(), sizes.size());
        QVERIFY(flow->hasHeightForWidth());
        QCOMPARE(flow->heightForWidth(width), height);
        // Asking for a height moves nothing.
        for (QWidget* item : qAsConst(items))
            QCOMPARE(item->pos(), QPoint(0, 0));

        flow->setGeometry(QRect(0, 0, width, 300));
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i)->pos(), positions.at(i));
            QCOMPARE(items.at(i)->size(), sizes.at(i));
        }
    }

    void sizes()
    {
        QWidget host;
        auto* flow = new FlowLayout(&host, 4, 10, 10);
        for (const QSize& size : {QSize(40, 20), QSize(30, 35)}) {
            auto* item = new QWidget(&host);
            item->setFixedSize(size);
            flow->addWidget(item);
        }
        QCOMPARE(flow->minimumSize(), QSize(48, 43));
        QCOMPARE(flow->sizeHint(), flow->minimumSize());
        QCOMPARE(flow->expandingDirections(), Qt::Orientations());
    }

    void itemsAreOwned()
    {
        QWidget host;
        auto* flow = new FlowLayout(&host, 0, 0, 0);
        QPointer<QWidget> child = new QWidget(&host);
        flow->addWidget(child);
        flow->addItem(new QSpacerItem(10, 10));
        QCOMPARE(flow->itemAt(1)->spacerItem() != nullptr, true);
        QCOMPARE(flow->itemAt(2), nullptr);
        QCOMPARE(flow->takeAt(5), nullptr);
        QCOMPARE(flow->takeAt(-1), nullptr);
        QLayoutItem* taken = flow->takeAt(1);
        QVERIFY(taken && taken->spacerItem());
        delete taken;
        QCOMPARE(flow->count(), 1);
        delete flow;
        // The layout deletes its items, never the widgets they stand for.
        QVERIFY(!child.isNull());
    }

    void styleSpacingWithoutWidgets()
    {
        // A layout without parent and a spacer without widget must still find
        // a spacing to use.
        FlowLayout flow(nullptr, 0, -1, -1);
        flow.addItem(new QSpacerItem(40, 20));
        flow.addItem(new QSpacerItem(40, 20));
        flow.setGeometry(QRect(0, 0, 300, 100));
        QCOMPARE(flow.itemAt(0)->geometry(), QRect(0, 0, 40, 20));
        QCOMPARE(flow.itemAt(1)->geometry().y(), 0);
        QVERIFY(flow.itemAt(1)->geometry().x() >= 39);
    }
};

ORVANE_TEST_MAIN(tst_FlowLayout)
#include "tst_flowlayout.moc"
