// The plain rules behind the device page's state, zoom, light, drag and
// macro slots: battery view, zoom limits, key-press effects, the band of
// the selection overlay, and the refresh of a profile's bound-macro copy.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "profiles/DBoundMacroRefresh.h"
#include "ui/mainwidget/devicePage/DChargingDisplay.h"
#include "ui/mainwidget/devicePage/DDragRectangle.h"
#include "ui/mainwidget/devicePage/DKeyPressEffects.h"
#include "ui/mainwidget/devicePage/DPictureZoom.h"

#include <QTemporaryDir>

using namespace StoreTestSupport;

class tst_devicePageSlotRules : public QObject
{
    Q_OBJECT

private slots:
    // The overlay's band as the rectangle the picture selects in.
    void dragRectangle_data()
    {
        QTest::addColumn<QList<int>>("drag");
        QTest::addColumn<QString>("band");
        QTest::newRow("top left to bottom right") << QList<int>{10, 20, 110, 90} << "10 20 110 90";
        QTest::newRow("bottom right to top left") << QList<int>{110, 90, 10, 20} << "10 20 110 90";
        QTest::newRow("bottom left to top right") << QList<int>{10, 90, 110, 20} << "10 20 110 90";
        QTest::newRow("top right to bottom left") << QList<int>{110, 20, 10, 90} << "10 20 110 90";
        QTest::newRow("no width") << QList<int>{50, 20, 50, 90} << "0 0 0 0";
        QTest::newRow("no height") << QList<int>{10, 40, 110, 40} << "0 0 0 0";
        QTest::newRow("click without a drag") << QList<int>{50, 40, 50, 40} << "none";
        QTest::newRow("click on the left edge") << QList<int>{0, 40, 0, 40} << "0 0 0 0";
        QTest::newRow("right button") << QList<int>{0, 0, 0, 0} << "0 0 0 0";
    }
    void dragRectangle()
    {
        QFETCH(QList<int>, drag);
        QFETCH(QString, band);
        const DDragRectangle::Band b = DDragRectangle::fromDrag(drag[0], drag[1], drag[2], drag[3]);
        QCOMPARE(b.select ? QStringLiteral("%1 %2 %3 %4").arg(b.left).arg(b.top).arg(b.right).arg(b.bottom)
                          : QStringLiteral("none"),
                 band);
    }

    void reportConcernsSelected_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("receiverFlag");
        QTest::addColumn<QString>("sn");
        QTest::addColumn<bool>("concerns");
        QTest::newRow("cable, selected") << 0 << 0 << "SN-A" << true;
        QTest::newRow("cable, flag ignored") << 0 << 1 << "SN-A" << true;
        QTest::newRow("receiver, connected") << 1 << 0 << "SN-A" << true;
        QTest::newRow("receiver, keyboard away") << 1 << 1 << "SN-A" << false;
        QTest::newRow("another keyboard") << 0 << 0 << "SN-B" << false;
        QTest::newRow("no serial number") << 0 << 0 << "" << false;
    }
    void reportConcernsSelected()
    {
        QFETCH(int, mode);
        QFETCH(int, receiverFlag);
        QFETCH(QString, sn);
        QFETCH(bool, concerns);
        QCOMPARE(DChargingDisplay::concernsSelected(mode, receiverFlag, sn, QStringLiteral("SN-A")), concerns);
        QVERIFY(!DChargingDisplay::concernsSelected(mode, receiverFlag, sn, QString()));
    }

    void batteryView_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("electricity");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<bool>("text");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("animating");
        QTest::newRow("charging") << 1 << 40 << true << false << 40 << true;
        QTest::newRow("full") << 2 << 37 << true << true << 100 << false;
        QTest::newRow("discharging") << 0 << 23 << false << true << 23 << false;
        QTest::newRow("unknown status") << 7 << 55 << false << true << 55 << false;
    }
    void batteryView()
    {
        QFETCH(int, status);
        QFETCH(int, electricity);
        QFETCH(bool, mark);
        QFETCH(bool, text);
        QFETCH(int, level);
        QFETCH(bool, animating);
        const DChargingDisplay::View view = DChargingDisplay::viewOf(status, electricity);
        QCOMPARE(view.chargingMarkShown, mark);
        QCOMPARE(view.levelTextShown, text);
        QCOMPARE(view.animating, animating);
        if (!animating)
            QCOMPARE(view.level, level);
    }

    void modeText()
    {
        QCOMPARE(DChargingDisplay::modeText(0), QStringLiteral("USB"));
        QCOMPARE(DChargingDisplay::modeText(1), QStringLiteral("2.4G"));
        QCOMPARE(DChargingDisplay::modeText(3), QStringLiteral("2.4G"));
    }

    // 100 steps of 50 ms: empty to full in five seconds, then round again.
    void animationSteps()
    {
        QList<int> levels;
        int step = 0;
        for (int i = 0; i < 102; ++i) {
            levels << step;
            step = DChargingDisplay::nextAnimationStep(step);
        }
        QCOMPARE(levels.at(99), 99);
        QCOMPARE(levels.at(100), 0);
        QCOMPARE(levels.at(101), 1);
        QCOMPARE(100 * DChargingDisplay::kAnimationIntervalMs, 5000);
    }

    void zoomLimits()
    {
        float scale = 1.0f;
        QString label = DPictureZoom::labelText(scale);
        QCOMPARE(label, QStringLiteral("1.0"));
        QVERIFY(!DPictureZoom::zoom(&scale, label, false));
        for (int i = 0; i < 10; ++i) {
            QVERIFY(DPictureZoom::zoom(&scale, label, true));
            label = DPictureZoom::labelText(scale);
        }
        QCOMPARE(label, QStringLiteral("2.0"));
        const float top = scale;
        QVERIFY(!DPictureZoom::zoom(&scale, label, true));
        QCOMPARE(scale, top);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(DPictureZoom::zoom(&scale, label, false));
            label = DPictureZoom::labelText(scale);
        }
        QCOMPARE(label, QStringLiteral("1.0"));
        QVERIFY(!DPictureZoom::zoom(&scale, label, false));
        // A label that lost its text still cannot take the picture past the limits.
        float high = 2.0f;
        QVERIFY(!DPictureZoom::zoom(&high, QString(), true));
        QCOMPARE(high, 2.0f);
    }

    void keyPressEffects()
    {
        const QList<int> driven{6, 7, 8, 11, 12, 16};
        for (int id = -1; id <= 20; ++id)
            QCOMPARE(DKeyPressEffects::isKeyPressDriven(id), driven.contains(id));
    }

    void boundMacroRefresh()
    {
        QTemporaryDir dir;
        const QByteArray layer = pathIn(dir, QStringLiteral("layer.xml"));
        const QByteArray macros = pathIn(dir, QStringLiteral("macro.xml"));
        QVERIFY(createLayerFile(layer, 2));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "3", "Three"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("1", "4", "A"), "3"));

        // Profile 1 binds key B to macro 3 with the macro's first version.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, "1", "5", "B", "1", "1", "1", "3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(layer, "1", keyPress("1", "4", "A"), "3", "Macro3"));
        // The editor changes the macro.
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("2", "6", "C"), "3"));
        std::list<macroEventItem> edited;
        QVERIFY(COrvaneXML_SelectAllKeyOrMouseEvent(macros, "3", &edited));
        QCOMPARE(edited.size(), std::size_t(4));

        QVERIFY(!DBoundMacroRefresh::refresh(layer, 2, macros, "3"));
        std::list<macroEventItem> copy2;
        COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "2", "3", "", &copy2);
        QVERIFY(copy2.empty());

        QVERIFY(!DBoundMacroRefresh::refresh(layer, 1, macros, "4"));
        QVERIFY(DBoundMacroRefresh::refresh(layer, 1, macros, "3"));
        std::list<macroEventItem> copy1;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", &copy1));
        QCOMPARE(describe(copy1), describe(edited));

        // A macro the macro file no longer has leaves the profile's copy.
        QVERIFY(COrvaneXML_DeleteMacroNode(macros, "3"));
        QVERIFY(!DBoundMacroRefresh::refresh(layer, 1, macros, "3"));
        std::list<macroEventItem> kept;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", &kept));
        QCOMPARE(describe(kept), describe(edited));
        QCOMPARE(DBoundMacroRefresh::tagOf("12"), QByteArray("Macro12"));
    }
};

ORVANE_TEST_MAIN(tst_devicePageSlotRules)
#include "tst_devicePageSlotRules.moc"
