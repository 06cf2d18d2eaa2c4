#include "support/TestMain.h"

#include "devices/DUpgradeDeviceName.h"
#include "devices/DUpgradeRowTargets.h"

using Device = DUpgradeRowTargets::Device;
using Row = DUpgradeRowTargets::Row;
using Kind = DUpgradeRowTargets::Kind;
using Devices = QList<Device>;
using Rows = QList<Row>;
// Per row: "k:<path>" a keyboard, "b:<path>" a bootloader, "-" nothing.
using Targets = QStringList;

Q_DECLARE_METATYPE(Device)
Q_DECLARE_METATYPE(Row)

namespace {

Device cable(const char* path, const char* model = "OV68M", const char* serial = "")
{
    return {QLatin1String(path), QLatin1String(model), false, QLatin1String(serial)};
}

Device receiver(const char* path, const char* model = "OV68M", const char* serial = "")
{
    return {QLatin1String(path), QLatin1String(model), true, QLatin1String(serial)};
}

Device bootloader(const char* path, const char* model = "OV68M")
{
    return {QLatin1String(path), QLatin1String(model), false, QString()};
}

} // namespace

class tst_DUpgradeRowTargets : public QObject
{
    Q_OBJECT

private slots:
    void plan_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Devices>("keyboards");
        QTest::addColumn<Devices>("bootloaders");
        QTest::addColumn<Targets>("targets");
        QTest::addColumn<QStringList>("newBootloaders");

        QTest::newRow("still there") << Rows{{cable("a"), false}} << Devices{cable("a"), cable("b")} << Devices{}
                                     << Targets{"k:a"} << QStringList{};
        QTest::newRow("re-plugged at a new path")
            << Rows{{cable("a", "OV68M", "S1"), false}} << Devices{cable("b", "OV68M", "S1")} << Devices{}
            << Targets{"k:b"} << QStringList{};
        QTest::newRow("the one with its serial number first")
            << Rows{{cable("a", "OV68M", "S2"), false}} << Devices{cable("b", "OV68M", "S1"), cable("c", "OV68M", "S2")}
            << Devices{} << Targets{"k:c"} << QStringList{};
        QTest::newRow("not one another row holds")
            << Rows{{cable("a"), false}, {cable("b"), false}} << Devices{cable("b"), cable("c")} << Devices{}
            << Targets{"k:c", "k:b"} << QStringList{};
        QTest::newRow("not the other connection")
            << Rows{{cable("a"), false}} << Devices{receiver("b")} << Devices{} << Targets{"-"} << QStringList{};
        QTest::newRow("not another model")
            << Rows{{cable("a"), false}} << Devices{cable("b", "OV61M")} << Devices{} << Targets{"-"} << QStringList{};
        QTest::newRow("gone into its bootloader")
            << Rows{{cable("a"), false}} << Devices{} << Devices{bootloader("x")} << Targets{"b:x"} << QStringList{};
        QTest::newRow("back from its bootloader, either connection")
            << Rows{{bootloader("x"), true}} << Devices{receiver("b")} << Devices{} << Targets{"k:b"} << QStringList{};
        QTest::newRow("a bootloader of another model gets a row of its own")
            << Rows{{cable("a"), false}} << Devices{} << Devices{bootloader("x", "OV61M")} << Targets{"-"}
            << QStringList{"x"};
        QTest::newRow("a bootloader no row stands for")
            << Rows{{cable("a"), false}} << Devices{cable("a")} << Devices{bootloader("x"), bootloader("y")}
            << Targets{"k:a"} << QStringList{"x", "y"};
        QTest::newRow("bootloader row keeps its bootloader")
            << Rows{{bootloader("x"), true}} << Devices{cable("b")} << Devices{bootloader("x")} << Targets{"b:x"}
            << QStringList{};
    }
    void plan()
    {
        QFETCH(Rows, rows);
        QFETCH(Devices, keyboards);
        QFETCH(Devices, bootloaders);
        QFETCH(Targets, targets);
        QFETCH(QStringList, newBootloaders);
        const DUpgradeRowTargets::Plan plan = DUpgradeRowTargets::plan(rows, keyboards, bootloaders);
        Targets got;
        for (const DUpgradeRowTargets::Target& target : plan.rows) {
            if (target.kind == Kind::None)
                got << QStringLiteral("-");
            else
                got << (target.kind == Kind::Keyboard ? QStringLiteral("k:") : QStringLiteral("b:")) + target.path;
        }
        QCOMPARE(got, targets);
        QCOMPARE(plan.newBootloaders, newBootloaders);
    }

    void deviceName_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("like");
        QTest::addColumn<QString>("name");
        QTest::newRow("product name holds the display name") << "Orvane Swift 68 HE"
                                                             << "Swift 68 HE"
                                                             << "Orvane Swift 68 HE";
        QTest::newRow("maker and display name") << "Orvane"
                                                << "Swift 68 HE"
                                                << "Orvane Swift 68 HE";
        QTest::newRow("display name holds the product name") << "Swift"
                                                             << "Orvane Swift 68 HE"
                                                             << "Orvane Swift 68 HE";
        QTest::newRow("no display name") << "Orvane Swift 68 HE"
                                         << ""
                                         << "Orvane Swift 68 HE";
        QTest::newRow("no product name") << ""
                                         << "Swift 68 HE"
                                         << "Swift 68 HE";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "";
    }
    void deviceName()
    {
        QFETCH(QString, product);
        QFETCH(QString, like);
        QFETCH(QString, name);
        QCOMPARE(DUpgradeDeviceName::of(product, like), name);
    }
};

ORVANE_TEST_MAIN(tst_DUpgradeRowTargets)
#include "tst_DUpgradeRowTargets.moc"
