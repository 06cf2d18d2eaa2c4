// The FN layer against simulated keyboards of every magnetic-switch model of
// the catalogue and one without magnetic switches: the keys the firmware
// keeps for its own Fn functions (its customisable-key report) say they
// cannot be remapped there and cannot be chosen, every other key takes a
// remap that reaches the keyboard's FN key map with Download, and back on
// the Default layer the kept keys are free again.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/KeyMapOnKeyboard.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace KeyMapOnKeyboard;

namespace {
// A loaded machine answers late; the waits end when what they wait for
// comes, this only keeps a broken run from hanging.
constexpr int kPatienceMs = 30000;

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;

// The texts of the tip shown while the pointer is on the cap.
QStringList hoverTexts(keyboardButCustom* cap)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(cap, &enter);
    QStringList texts;
    if (QWidget* popup = DDataManager::getInstance()->keySelectFrame()->hoverPopup()) {
        for (QLabel* label : popup->findChildren<QLabel*>())
            texts << label->text();
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(cap, &leave);
    return texts;
}

// What each watched cap showed when it was last painted: whether it takes a
// function, as the picture draws a key that takes none differently.
class PaintedRemapState : public QObject
{
public:
    void watch(keyboardButCustom* cap)
    {
        cap->installEventFilter(this);
        m_painted.remove(cap);
    }
    // -1 before the cap was painted, else its state then (0 or 1).
    int painted(keyboardButCustom* cap) const { return m_painted.value(cap, -1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted.insert(watched, static_cast<keyboardButCustom*>(watched)->isRemapEnabled() ? 1 : 0);
        return false;
    }

private:
    QHash<QObject*, int> m_painted;
};

} // namespace

class tst_fnLayerKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void walkTheFnLayer_data()
    {
        QTest::addColumn<QString>("model");
        const ModelCatalogue& catalogue = ModelCatalogue::instance();
        int magnetic = 0;
        for (const ModelInfo& model : catalogue.models()) {
            if (model.isMagnetic() && model.deviceType == QLatin1String("keyboard")) {
                QTest::newRow(qPrintable(model.code)) << model.code;
                ++magnetic;
            }
        }
        QVERIFY(magnetic > 0);
        QVERIFY(!catalogue.find(QStringLiteral("OV84W"))->isMagnetic());
        QTest::newRow("OV84W") << QStringLiteral("OV84W");
    }

    void walkTheFnLayer()
    {
        QFETCH(QString, model);
        SimulatorHarness sim;
        auto keyboard = sim.plug(model.toLatin1().constData());
        QVERIFY(keyboard);
        std::unique_ptr<DDevicePage> page = loadedDevicePage();
        QVERIFY(page && keyboardReady(*page));
        page->show();
        DevicePageProbe probe(*page);
        DCustomKeysPage* keys = probe.customKeysPage();
        DDataManager* data = DDataManager::getInstance();
        const auto& kept = keyboard->model().fnLayerKeys;
        QVERIFY(!kept.empty());

        // The keyboard names the keys it keeps when the link asks, after
        // its light lists.
        QTRY_COMPARE_WITH_TIMEOUT(probe.selectedLink()->customizableKeys().size(), int(kept.size()), kPatienceMs);
        PaintedRemapState paints;
        for (const auto& [row, column] : kept) {
            QVERIFY(probe.keyCapAt(row, column));
            paints.watch(probe.keyCapAt(row, column));
        }
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_FnLayer"))->click();
        QCOMPARE(page->currentLayer(), 1);
        // The picture shows at once which keys take no function here.
        for (const auto& [row, column] : kept)
            QTRY_COMPARE_WITH_TIMEOUT(paints.painted(probe.keyCapAt(row, column)), 0, kPatienceMs);
        int keptOnPicture = 0;
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 22; ++column) {
                keyboardButCustom* cap = probe.keyCapAt(row, column);
                if (!cap)
                    continue;
                const bool isKept = std::find(kept.begin(), kept.end(), std::make_pair(row, column)) != kept.end();
                QVERIFY2(cap->isRemapEnabled() != isKept, qPrintable(QStringLiteral("%1,%2").arg(row).arg(column)));
                keptOnPicture += isKept;
                if (!isKept)
                    continue;
                // Chosen on the picture, it does not become the key to edit.
                QTest::mouseClick(cap, Qt::LeftButton);
                QCOMPARE(data->currentKeyCode(), -1);
                QVERIFY(hoverTexts(cap).contains(QStringLiteral("Cannot remapped")));
            }
        }
        QCOMPARE(keptOnPicture, int(kept.size()));

        // A key outside the map: chosen on the picture, remapped to B on the
        // virtual keyboard, and written into the FN key map only.
        keyboardButCustom* capA = data->keyButtonMap().value(kKeyA);
        QVERIFY(capA && capA->isRemapEnabled());
        QVERIFY(!hoverTexts(capA).contains(QStringLiteral("Cannot remapped")));
        QTest::mouseClick(capA, Qt::LeftButton);
        QCOMPARE(data->currentKeyCode(), kKeyA);
        keys->findChild<QToolButton*>(QStringLiteral("toolButton_RemapKey"))->click();
        QVERIFY(
            pickOnScreen(keys->findChild<QWidget*>(QStringLiteral("page_RemapKey")), "lineEdit_changForKey", {kKeyB}));
        QVERIFY(capA->isCustomized());
        QCOMPARE(download(*page), QStringLiteral("Download config successful"));
        QCOMPARE(keyEntry(*keyboard, kFnLayer, kKeyA).toHex(' '), QByteArray("00 05 00 00"));
        QCOMPARE(keyEntry(*keyboard, kDefaultLayer, kKeyA).toHex(' '), QByteArray("00 04 00 00"));

        // On the Default layer every key takes a function again.
        keys->findChild<QPushButton*>(QStringLiteral("pushButton_DefaultLayer"))->click();
        QCOMPARE(page->currentLayer(), 0);
        for (const auto& [row, column] : kept) {
            keyboardButCustom* cap = probe.keyCapAt(row, column);
            QVERIFY(cap);
            QVERIFY(cap->isRemapEnabled());
            QTRY_COMPARE_WITH_TIMEOUT(paints.painted(cap), 1, kPatienceMs);
        }
    }
};

ORVANE_TEST_MAIN(tst_fnLayerKeys)
#include "tst_fnLayerKeys.moc"
