// From the advanced-key editor to the keyboard: records made in the editor
// (keys, a combination, DKS actions drawn on the grid, trigger points, a
// hold duration), bound to keys of the profile as the binding page binds
// them, then the on-board download through the real I/O thread: the
// simulated keyboard's advanced-key slots hold exactly those records.
#include "support/ApplicationSetUp.h"
#include "support/ReportBytes.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "profiles/DSeniorKeyRecords.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace ReportBytes;
using namespace StoreTestSupport;

namespace {

QByteArray seniorKeyFile()
{
    char path[256] = {};
    DDataManager::getInstance()->copySeniorKeyFilePath(path);
    return QByteArray(path);
}

void pick(DSeniorKeysPage* page, int usage)
{
    auto* picker = page->findChild<DAllKeysShowPage*>();
    emit picker->sigKeyListClicked(usage, picker->allKeysMap().value(usage));
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void selectRow(DSeniorKeysPage* page, const char* name)
{
    // Rows of an earlier reading may still wait for their deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (DSeniorKeyEventListItem* row : page->findChildren<DSeniorKeyEventListItem*>()) {
        if (row->findChild<QLabel*>(QStringLiteral("label_Type"))->text() == QLatin1String(name))
            QTest::mouseClick(row, Qt::LeftButton);
    }
}

} // namespace

class tst_advancedKeysRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void editorToKeyboard()
    {
        QVERIFY(!emptySeniorKeyFile().isEmpty());

        auto* page = new DSeniorKeysPage;
        page->show();
        QTRY_VERIFY(page->findChild<DAllKeysShowPage*>());
        auto* create = page->findChild<QPushButton*>(QStringLiteral("pushButton_NewCreate"));
        create->click();
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_MT"))->click();
        create->click();
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_TGL"))->click();
        create->click();

        // DKS1: A in the first slot, Ctrl+Shift+B in the second; on the
        // grid a hold from phase 0 to 2 in the first row, a tap at phase 3
        // in the second; both outer trigger points at 2.0 mm.
        selectRow(page, "DKS1");
        pick(page, 4);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_SeniorKey02"))->click();
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_CombinationKeys"))->click();
        for (int usage : {224, 225, 5})
            pick(page, usage);
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_SingleKey"))->click();
        auto* grid = page->findChild<DDksShowWidget*>();
        const QWidget* host = page->findChild<QWidget*>(QStringLiteral("widget_DksDrawPage"));
        const int cellWidth = host->width() / 4;
        const int cellHeight = host->height() / 4;
        const auto at
            = [&](double column, int row) { return QPoint(20 + int(column * cellWidth), 15 + row * cellHeight); };
        for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            mouse(grid, type, at(0, 0));
        // The drag starts on the tap's right edge.
        mouse(grid, QEvent::MouseMove, at(0, 0) + QPoint(5, 0));
        mouse(grid, QEvent::MouseButtonPress, at(0, 0) + QPoint(5, 0));
        mouse(grid, QEvent::MouseMove, at(0.6, 0));
        mouse(grid, QEvent::MouseMove, at(1.6, 0));
        mouse(grid, QEvent::MouseButtonRelease, at(1.6, 0));
        for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            mouse(grid, type, at(3, 1));
        emit page->findChild<QLabel*>(QStringLiteral("label_Stroke01"))->linkActivated(QString());
        auto* view = page->findChild<DStrokeConfigView*>();
        QVERIFY(view);
        auto* pointSlider = view->findChild<QSlider*>(QStringLiteral("horizontalSlider_StrokeView"));
        pointSlider->setSliderDown(true);
        pointSlider->setValue(20);
        pointSlider->setSliderDown(false);
        view->close();

        // MT2: L_Shift held, Esc clicked, 350 ms.
        selectRow(page, "MT2");
        pick(page, 225);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_ClickKey"))->click();
        pick(page, 41);
        auto* hold = page->findChild<QSlider*>(QStringLiteral("horizontalSlider_HoldDuration"));
        hold->setSliderDown(true);
        hold->setValue(35);
        hold->setSliderDown(false);

        // TGL3: Space.
        selectRow(page, "TGL3");
        pick(page, 44);
        delete page;

        const QMap<int, seniorKeyInfoStu> made = [] {
            DSeniorKeyRecords again(seniorKeyFile());
            again.load();
            return again.records();
        }();
        QCOMPARE(made.keys(), (QList<int>{1, 2, 3}));
        const seniorKeyInfoStu dks = made.value(1);
        QCOMPARE(QByteArray(dks.key[1]), QByteArray("3,5"));
        QStringList actions;
        for (int a : dks.action)
            actions << QString::number(a);
        QCOMPARE(actions.join(QLatin1Char(' ')), QStringLiteral("2 2 0 0 0 0 0 1 0 0 0 0 0 0 0 0"));

        // Bound as the binding page binds them, then downloaded.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        for (int layer = 0; layer < 2; ++layer) {
            const QByteArray path
                = QFile::encodeName(folder + QLatin1String(DOnboardDownloadPlan::kLayers[layer].fileName));
            QVERIFY(createLayerFile(path, 1, 1));
            if (layer == 0) {
                for (int index = 1; index <= 3; ++index)
                    QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", QByteArray::number(3 + index), "",
                                                                      "40", "1", "1", QByteArray::number(index)));
            }
        }
        SimulatorHarness sim;
        std::shared_ptr<SimulatedKeyboard> keyboard = sim.plug("OV68M");
        QVERIFY(keyboard);
        DOnboardDownload download;
        DDeviceKeyboardLink link;
        connect(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, &download,
                &DOnboardDownload::onRuningOnboard0x19Cmd);
        link.openDevice(0, sim.deviceRecord(keyboard));
        download.setHidInterface(link.hidInterface());
        QTRY_VERIFY_WITH_TIMEOUT(link.isReady(), 5000);
        QVector<int> usages;
        for (int usage = 4; usage < 20; ++usage)
            usages << usage;
        QCOMPARE(download.run(folder, usages, true, seniorKeyFile()), DOnboardDownload::Outcome::Successful);

        QCOMPARE(bytesOf(keyboard->advancedKeySlot(0)).toHex(' '),
                 padded(hex("01 14 24 24 14 00 04 00 00 02 02 00 00 13 E0 E1 05 00 00 00 01"), 50).toHex(' '));
        QCOMPARE(bytesOf(keyboard->advancedKeySlot(1)).toHex(' '),
                 padded(hex("02 00 E1 00 00 00 29 00 00 23"), 50).toHex(' '));
        QCOMPARE(bytesOf(keyboard->advancedKeySlot(2)).toHex(' '), padded(hex("03 00 2C 00 00"), 50).toHex(' '));
        for (int slot = 3; slot < 40; ++slot)
            QCOMPARE(bytesOf(keyboard->advancedKeySlot(slot)), QByteArray(50, '\0'));
    }
};

ORVANE_TEST_MAIN(tst_advancedKeysRoad)
#include "tst_advancedKeysRoad.moc"
