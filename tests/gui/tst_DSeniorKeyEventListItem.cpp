// The advanced-key list row: which key labels each kind shows and how they
// read, what a click and the delete button report, and the two looks.
#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <cstring>

using StoreTestSupport::setText;

namespace {

seniorKeyInfoStu record(int index, int type, const QByteArray& name, const QList<QByteArray>& keys, int tglKeySet = 0)
{
    seniorKeyInfoStu info;
    std::memset(&info, 0, sizeof info);
    info.index = index;
    info.type = type;
    setText(info.name, name);
    for (int slot = 0; slot < keys.size() && slot < 4; ++slot)
        setText(info.key[slot], keys.at(slot));
    info.point[0] = info.point[3] = 15;
    info.point[1] = info.point[2] = 36;
    info.holdDuration = 10;
    info.tglKeySet = tglKeySet;
    return info;
}

const QMap<int, QString> kCaptions{{4, "A"}, {5, "B"}, {41, "Esc"}, {44, "Space"}};

QList<QLabel*> keyLabels(DSeniorKeyEventListItem& row)
{
    QList<QLabel*> labels;
    for (const char* name : {"label_SeniorKey01", "label_SeniorKey02", "label_SeniorKey03", "label_SeniorKey04"})
        labels << row.findChild<QLabel*>(QLatin1String(name));
    return labels;
}

// What a key label stands for: its text, or its tip when the text had to
// leave some of the combination out.
QString combination(QLabel* label)
{
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

} // namespace

class tst_DSeniorKeyEventListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void labels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QByteArray>>("keys");
        QTest::addColumn<int>("tglKeySet");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown"); // one text per visible label

        QTest::newRow("DKS: four labels") << 1 << QList<QByteArray>{"4", "3,4", "128,41", ""} << 0 << "DKS3"
                                          << QStringList{"A", "L_CTRL+L_SHIFT+A", "R_WIN+Esc", ""};
        QTest::newRow("DKS: usage the map lacks") << 1 << QList<QByteArray>{"6", "0,44", "", "1,999"} << 0 << "DKS3"
                                                  << QStringList{"", "Space", "", "L_CTRL"};
        QTest::newRow("MT: two labels") << 2 << QList<QByteArray>{"41", "5", "4", "4"} << 0 << "MT3"
                                        << QStringList{"Esc", "B"};
        QTest::newRow("TGL, no key chosen: one empty label")
            << 3 << QList<QByteArray>{"4"} << 0 << "TGL3" << QStringList{""};
        QTest::newRow("TGL, key chosen") << 3 << QList<QByteArray>{"4"} << 1 << "TGL3" << QStringList{"A"};
        QTest::newRow("TGL, tglKeySet other than 1") << 3 << QList<QByteArray>{"4"} << 2 << "TGL3" << QStringList{""};
    }

    void labels()
    {
        QFETCH(int, type);
        QFETCH(QList<QByteArray>, keys);
        QFETCH(int, tglKeySet);
        QFETCH(QString, name);
        QFETCH(QStringList, shown);

        DSeniorKeyEventListItem row;
        row.setKeyNameMap(kCaptions);
        // A row shows the newest record whole, whatever it showed before.
        row.setData(record(1, 1, "DKS1", {"5", "5", "5", "5"}));
        row.setData(record(3, type, name.toLatin1(), keys, tglKeySet));
        row.show();

        QCOMPARE(row.findChild<QLabel*>("label_Type")->text(), name);
        const QList<QLabel*> labels = keyLabels(row);
        for (int slot = 0; slot < 4; ++slot) {
            QCOMPARE(labels.at(slot)->isVisible(), slot < shown.size());
            if (slot < shown.size())
                QCOMPARE(combination(labels.at(slot)), shown.at(slot));
        }
    }

    // A kind this program does not know: no name, the labels as they were.
    void unknownKind()
    {
        DSeniorKeyEventListItem row;
        row.setKeyNameMap(kCaptions);
        row.setData(record(2, 2, "MT2", {"4", "41"}));
        row.setData(record(2, 9, "XX2", {"5", "5", "5", "5"}));
        row.show();
        QCOMPARE(row.findChild<QLabel*>("label_Type")->text(), QString());
        const QList<QLabel*> labels = keyLabels(row);
        QCOMPARE(labels.at(0)->text(), QStringLiteral("A"));
        QCOMPARE(labels.at(1)->text(), QStringLiteral("Esc"));
        for (QLabel* label : labels)
            QVERIFY(label->isVisible());
    }

    void reports_data()
    {
        QTest::addColumn<bool>("onDelete");
        QTest::newRow("click on the row") << false;
        QTest::newRow("click on the delete button") << true;
    }

    void reports()
    {
        QFETCH(bool, onDelete);
        DSeniorKeyEventListItem row;
        row.resize(413, 45);
        row.setData(record(7, 2, "MT7", {"4", "5"}));
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy clicks(&row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick);
        QSignalSpy deletes(&row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem);

        QWidget* target = onDelete ? static_cast<QWidget*>(row.findChild<QPushButton*>("pushButton_DeleteEvent"))
                                   : row.findChild<QLabel*>("label_SeniorKey01");
        QTest::mouseClick(target, Qt::LeftButton);

        if (onDelete) {
            QCOMPARE(clicks.count(), 0);
            QCOMPARE(deletes.count(), 1);
            QCOMPARE(deletes.at(0), (QVariantList{2, 7}));
        } else {
            QCOMPARE(clicks.count(), 1);
            QCOMPARE(clicks.at(0), QVariantList{7});
            QCOMPARE(deletes.count(), 0);
        }
    }

    // Selected, the row keeps its fill under the pointer; otherwise the
    // pointer lights it.
    void selectionLooks()
    {
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        DSeniorKeyEventListItem row;
        row.resize(413, 45);
        row.setData(record(1, 3, "TGL1", {}));
        auto* panel = row.findChild<QFrame*>("frame_BgABC01");
        auto* left = row.findChild<QFrame*>("frame_Left");
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        // A point of the panel's fill clear of its rounded corners and texts.
        const QPoint fill = left->geometry().topLeft() + QPoint(4, 2);
        const auto filled = [panel, fill] { return panel->grab().toImage().pixelColor(fill).name(); };
        const QString selected = roles.color(DThemeRoles::MacroRowSelected).name();
        const QString hovered = roles.color(DThemeRoles::MacroRowHover).name();

        row.setSelected(true);
        QCOMPARE(filled(), selected);
        panel->setAttribute(Qt::WA_UnderMouse, true);
        QCOMPARE(filled(), selected);

        row.setSelected(false);
        QCOMPARE(filled(), hovered);
        panel->setAttribute(Qt::WA_UnderMouse, false);
        QVERIFY(filled() != selected);
        QVERIFY(filled() != hovered);
    }

    // A combination wider than its slot shows its ends and tells the whole
    // of it in the slot's tip; one that fits has no tip.
    void longCombinationIsElided()
    {
        DSeniorKeyEventListItem row;
        row.setKeyNameMap(kCaptions);
        row.resize(413, 45);
        row.setData(record(1, 2, "MT1", {"15,4", "4"}));
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        auto* hold = row.findChild<QLabel*>("label_SeniorKey01");
        auto* click = row.findChild<QLabel*>("label_SeniorKey02");
        QCOMPARE(hold->toolTip(), QStringLiteral("L_CTRL+L_SHIFT+L_ALT+L_WIN+A"));
        QVERIFY(hold->text().contains(QChar(0x2026)));
        QVERIFY(hold->text().endsWith(QLatin1String("+A")));
        QVERIFY(hold->fontMetrics().horizontalAdvance(hold->text()) <= hold->width());
        QCOMPARE(click->text(), QStringLiteral("A"));
        QCOMPARE(click->toolTip(), QString());
    }
};

ORVANE_TEST_MAIN(tst_DSeniorKeyEventListItem)
#include "tst_DSeniorKeyEventListItem.moc"
