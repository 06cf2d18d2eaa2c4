#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_records.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/widgets/ArrowWidget.h"

#include <QLabel>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

hidInfoStu recordFor(const char* model)
{
    hidInfoStu info{};
    std::strncpy(info.model, model, sizeof(info.model) - 1);
    return info;
}

QByteArray key(int x, int y, int dec, const char* label, int w = 30)
{
    return QByteArray("{\"PosX\":") + QByteArray::number(x) + ",\"PosY\":" + QByteArray::number(y)
           + ",\"Width\":" + QByteArray::number(w) + ",\"Height\":30,\"Dec\":" + QByteArray::number(dec)
           + ",\"qtDec\":0,\"Character\":\"" + label + "\"}";
}

QByteArray led(int index, int valid, int side)
{
    return QByteArray("{\"PosX\":-10,\"PosY\":") + QByteArray::number(index * 20)
           + ",\"Width\":10,\"Height\":18,\"Index\":" + QByteArray::number(index)
           + ",\"validStatus\":" + QByteArray::number(valid) + ",\"SidePosition\":" + QByteArray::number(side) + "}";
}

// A small board: Esc, A, Fn, the quote key and a non-remappable candidate.
const QByteArray kSmallBoard = "{\"Keyboard\":{\"sideLightHave\":1,\"specialEnterKey\":0,\"hidDeviceType\":3},"
                               "\"EveryKeyInfo_Row00\":["
                               + led(1, 1, 1) + "," + led(2, 0, 0) + "," + led(3, 1, 1)
                               + "],"
                                 "\"EveryKeyInfo_Row01\":["
                               + key(0, 0, 41, "Esc") + "," + key(40, 0, 4, "A") + "," + key(80, 0, -10, "Fn") + ","
                               + key(120, 0, 52, "\\\"")
                               + "],"
                                 "\"EveryKeyInfo_Row03\":["
                               + key(0, 80, 0, "-") + "," + key(40, 80, 5, "B") + "]}";

} // namespace

class tst_keySelectFrame : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DDataManager* data = DDataManager::getInstance();
        data->setCalibrating(false);
        data->clearCurrentKey();
    }

    void buildsEveryModelOfTheCatalogue_data()
    {
        QTest::addColumn<QString>("code");
        for (const ModelInfo& model : ModelCatalogue::instance().models())
            QTest::newRow(qPrintable(model.code)) << model.code;
    }
    void buildsEveryModelOfTheCatalogue()
    {
        QFETCH(QString, code);
        const ModelInfo* model = ModelCatalogue::instance().find(code);
        keySelectFrame frame;
        QSignalSpy loaded(&frame, &keySelectFrame::sigKeyboardAlreadyLoad);
        frame.loadKeyboard(recordFor(qPrintable(code)));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(frame.modelName(), code);

        const QList<keyboardButCustom*> caps = frame.keyButtonList();
        QCOMPARE(caps.size(), 132);
        QCOMPARE(frame.keyPositionList().size(), 132);
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 22; ++c) {
                keyboardButCustom* cap = frame.capAt(r, c);
                QVERIFY(cap);
                QCOMPARE(caps.at(r * 22 + c), cap);
                QCOMPARE(cap->getRowIndex(), r);
                QCOMPARE(cap->getColumnIndex(), c);
                const keyPositionInfo& place = frame.keyPositionList().at(r * 22 + c);
                QCOMPARE(cap->keyCode(), place.code);
                if (place.code != 0) {
                    QCOMPARE(cap->geometry(), QRect(place.posX + 10, place.posY + 10, place.width, place.height));
                    QCOMPARE(frame.keyButtonMap().value(place.code), cap);
                }
            }
        }
        QCOMPARE(frame.hidDeviceType(), model->layoutDeviceType);
        QCOMPARE(frame.hasSideLight(), model->hasSideLight());
        QCOMPARE(frame.sideLightButtons().size(), model->sideLightCount);

        DDataManager* data = DDataManager::getInstance();
        QCOMPARE(data->keySelectFrame(), &frame);
        QCOMPARE(data->keyButtonList(), caps);
        QCOMPARE(data->keyButtonMap(), frame.keyButtonMap());
        QCOMPARE(data->hidDeviceType(), model->layoutDeviceType);
        QCOMPARE(data->hasSpecialEnterKey(), frame.hasSpecialEnterKey());

        keyboardButCustom* enter = frame.keyButtonMap().value(40);
        QVERIFY(enter);
        QCOMPARE(enter->isSpecialEnter(), frame.hasSpecialEnterKey());
        if (frame.hasSpecialEnterKey())
            QCOMPARE(enter->enterNotch(), QPoint(10, model->deepEnterNotch ? 35 : 30));
    }

    // Rows the description leaves out get no caps, and a row ends where its
    // array ends: the small board has four caps in row 1 and two in row 3.
    void capsOnlyForTheEntriesOfTheDescription()
    {
        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        const QList<keyboardButCustom*> caps = frame.keyButtonList();
        QCOMPARE(caps.size(), 6);
        QCOMPARE(frame.keyPositionList().size(), 6);
        QCOMPARE(frame.findChildren<keyboardButCustom*>().size(), 6);
        const QVector<QPair<int, int>> places{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {2, 0}, {2, 1}};
        const QVector<int> usages{41, 4, -10, 52, 0, 5};
        for (int i = 0; i < caps.size(); ++i) {
            QCOMPARE(caps.at(i)->getRowIndex(), places.at(i).first);
            QCOMPARE(caps.at(i)->getColumnIndex(), places.at(i).second);
            QCOMPARE(caps.at(i)->keyCode(), usages.at(i));
            QCOMPARE(frame.capAt(places.at(i).first, places.at(i).second), caps.at(i));
        }
        QVERIFY(!frame.capAt(0, 4));
        QVERIFY(!frame.capAt(1, 0));
        QVERIFY(!frame.capAt(2, 2));
        QVERIFY(!frame.capAt(5, 21));
        QCOMPARE(DDataManager::getInstance()->keyButtonList(), caps);
    }

    void missingDescriptionBuildsNothing()
    {
        keySelectFrame frame;
        DDataManager::getInstance()->setHidDeviceType(77);
        QSignalSpy loaded(&frame, &keySelectFrame::sigKeyboardAlreadyLoad);
        frame.loadKeyboard(recordFor("NO_SUCH_MODEL"));
        QCOMPARE(loaded.count(), 0);
        QVERIFY(frame.keyButtonList().isEmpty());
        QCOMPARE(DDataManager::getInstance()->hidDeviceType(), 77);
        frame.parseKeyboardInfo("{ not json");
        QCOMPARE(loaded.count(), 0);
        QVERIFY(frame.findChildren<keyboardButCustom*>().isEmpty());
    }

    void sideLightsFollowTheHeader()
    {
        keySelectFrame frame;
        QByteArray withoutFlag = kSmallBoard;
        withoutFlag.replace("\"sideLightHave\":1", "\"sideLightHave\":0");
        frame.parseKeyboardInfo(withoutFlag.constData());
        QVERIFY(!frame.hasSideLight());
        QVERIFY(frame.sideLightButtons().isEmpty());
        frame.setSideLightVisible(true);
        QVERIFY(frame.findChildren<sideLightButtonCustom*>().isEmpty());

        keySelectFrame lit;
        lit.parseKeyboardInfo(kSmallBoard.constData());
        QVERIFY(lit.hasSideLight());
        QCOMPARE(lit.sideLightButtons().size(), 3);
        QCOMPARE(lit.sideLightButtonMap().value(3)->geometry(), QRect(0, 70, 10, 18));
        for (sideLightButtonCustom* segment : lit.sideLightButtons())
            QVERIFY(segment->isHidden());
        lit.setSideLightVisible(true);
        QVERIFY(!lit.sideLightButtonMap().value(1)->isHidden());
        QVERIFY(lit.sideLightButtonMap().value(2)->isHidden());
        QVERIFY(!lit.sideLightButtonMap().value(3)->isHidden());
        lit.setSideLightVisible(false);
        QVERIFY(lit.sideLightButtonMap().value(1)->isHidden());
    }

    void clicks_data()
    {
        QTest::addColumn<bool>("calibrating");
        QTest::addColumn<int>("usage");
        QTest::addColumn<bool>("remappable");
        QTest::addColumn<bool>("becomesCurrent");
        QTest::addColumn<QString>("label");
        QTest::newRow("plain key") << false << 4 << true << true << QStringLiteral("A");
        QTest::newRow("quote key gets its label") << false << 52 << true << true << QStringLiteral("' \"");
        QTest::newRow("Fn is ignored") << false << -10 << true << false << QString();
        QTest::newRow("non-remappable is ignored") << false << 4 << false << false << QString();
        QTest::newRow("calibration takes Fn") << true << -10 << true << true << QString();
        QTest::newRow("calibration takes non-remappable") << true << 5 << false << true << QString();
    }
    void clicks()
    {
        QFETCH(bool, calibrating);
        QFETCH(int, usage);
        QFETCH(bool, remappable);
        QFETCH(bool, becomesCurrent);
        QFETCH(QString, label);

        DDataManager* data = DDataManager::getInstance();
        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        frame.resize(300, 200);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        keyboardButCustom* esc = frame.keyButtonMap().value(41);
        QTest::mouseClick(esc, Qt::LeftButton);
        QCOMPARE(frame.clickedKey(), esc);

        QSignalSpy selected(data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        QSignalSpy calibration(data, &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
        data->setCalibrating(calibrating);
        keyboardButCustom* cap = frame.keyButtonMap().value(usage);
        QVERIFY(cap);
        cap->setRemapEnabled(remappable);
        QTest::mouseClick(cap, Qt::LeftButton);

        if (!becomesCurrent) {
            QCOMPARE(frame.clickedKey(), esc);
            QVERIFY(esc->isClicked());
            QVERIFY(!cap->isClicked());
            QCOMPARE(selected.count(), 0);
            QCOMPARE(calibration.count(), 0);
            return;
        }
        QCOMPARE(frame.clickedKey(), cap);
        QVERIFY(cap->isClicked());
        QVERIFY(!esc->isClicked());
        if (calibrating) {
            QCOMPARE(selected.count(), 0);
            QCOMPARE(calibration.count(), 1);
            QCOMPARE(calibration.first().at(0).toInt(), cap->getRowIndex());
            QCOMPARE(calibration.first().at(1).toInt(), cap->getColumnIndex());
        } else {
            QCOMPARE(selected.count(), 1);
            QCOMPARE(selected.first().at(0).toInt(), usage);
            QCOMPARE(selected.first().at(1).toString(), label);
            QCOMPARE(data->currentKeyCode(), usage);
        }
        // The current key again: nothing repeats.
        QTest::mouseClick(cap, Qt::LeftButton);
        QCOMPARE(selected.count(), calibrating ? 0 : 1);
        QCOMPARE(calibration.count(), calibrating ? 1 : 0);
    }

    void hoverTip_data()
    {
        QTest::addColumn<int>("usage");
        QTest::addColumn<bool>("remappable");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("plain key shows its name")
            << 4 << true << QStringList{QStringLiteral("A"), QStringLiteral("Default"), QStringLiteral("A")};
        QTest::newRow("Fn cannot be remapped")
            << -10 << true
            << QStringList{QStringLiteral("Fn"), QStringLiteral("Default"), QStringLiteral("Cannot remapped")};
        QTest::newRow("locked key cannot be remapped")
            << 41 << false
            << QStringList{QStringLiteral("Esc"), QStringLiteral("Default"), QStringLiteral("Cannot remapped")};
    }
    void hoverTip()
    {
        QFETCH(int, usage);
        QFETCH(bool, remappable);
        QFETCH(QStringList, texts);
        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        frame.resize(300, 200);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        keyboardButCustom* cap = frame.keyButtonMap().value(usage);
        cap->setRemapEnabled(remappable);

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(cap, &enter);
        QWidget* popup = frame.hoverPopup();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->width(), 260);
        const QPoint anchor = cap->mapToGlobal(QPoint(cap->width() / 2, cap->height()));
        QCOMPARE(popup->pos(), anchor - QPoint(130, cap->height() + popup->height()));
        QStringList shown;
        for (QLabel* label : popup->findChildren<QLabel*>()) {
            shown << label->text();
            // Every line lies whole in the bubble's body, above the band of
            // its shadow and arrow.
            const QRect at(label->mapTo(popup, QPoint(0, 0)), label->size());
            QVERIFY2(at.top() >= 15 && at.bottom() < popup->height() - 15,
                     qPrintable(QStringLiteral("%1 at %2..%3 of %4")
                                    .arg(label->objectName())
                                    .arg(at.top())
                                    .arg(at.bottom())
                                    .arg(popup->height())));
        }
        QCOMPARE(shown, texts);

        // Entering another cap without leaving replaces the tip.
        QApplication::sendEvent(frame.keyButtonMap().value(5), &enter);
        QVERIFY(frame.hoverPopup());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->isVisible() && w->inherits("ArrowWidget"); }),
                 1);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(frame.keyButtonMap().value(5), &leave);
        QVERIFY(!frame.hoverPopup());
        QVERIFY(!frame.hoverTip());
    }

    void hoverTipShowsTheStoredFunction()
    {
        QTemporaryDir dir;
        const QByteArray profile = QFile::encodeName(dir.filePath(QStringLiteral("appProfile_Default.xml")));
        QVERIFY(StoreTestSupport::createLayerFile(profile, 1));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(profile.constData(), "1", "4", "A", "9", "0", "0", "4"));
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(data->setCurrentProfilePath(profile.constData()));
        data->setCurrentProfileIndex(1);

        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto shownFor = [&frame](int usage) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(frame.keyButtonMap().value(usage), &enter);
            QStringList shown;
            for (QLabel* label : frame.hoverPopup()->findChildren<QLabel*>())
                shown << label->text();
            return shown;
        };
        QCOMPARE(shownFor(4),
                 (QStringList{QStringLiteral("A"), QStringLiteral("Shortcuts"), QStringLiteral("Lock computer")}));
        QCOMPARE(shownFor(5), (QStringList{QStringLiteral("B"), QStringLiteral("Default"), QStringLiteral("B")}));

        // While calibrating nothing is looked up.
        data->setCalibrating(true);
        QCOMPARE(shownFor(4), (QStringList{QStringLiteral("A"), QStringLiteral("Default"), QStringLiteral("A")}));
        data->setCalibrating(false);
        QVERIFY(data->setCurrentProfilePath(""));
    }

    void displayModesReachEveryCap()
    {
        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        keyboardButCustom* a = frame.keyButtonMap().value(4);
        a->setSelectedStatus(true);
        a->setClickedStatus(true, false);
        frame.show();
        QTest::mouseClick(a, Qt::LeftButton);
        frame.setKeysColorShowMode(true);
        QVERIFY(a->isColorShowMode());
        QVERIFY(!a->isSelected());
        QVERIFY(!a->isClicked());
        QVERIFY(!frame.clickedKey());
        frame.setKeysState(false, false);
        QVERIFY(!a->isColorShowMode());
        QVERIFY(!a->isSelectEnabled());
        frame.setKeysSelectEnabled(true);
        QVERIFY(a->isSelectEnabled());
    }

    void theDataManagerForgetsCapsOfADeletedFrame()
    {
        DDataManager* data = DDataManager::getInstance();
        auto first = std::make_unique<keySelectFrame>();
        first->parseKeyboardInfo(kSmallBoard.constData());
        auto second = std::make_unique<keySelectFrame>();
        second->parseKeyboardInfo(kSmallBoard.constData());
        QCOMPARE(data->keySelectFrame(), second.get());

        // An older frame going away leaves the newer picture's caps alone.
        first.reset();
        QCOMPARE(data->keySelectFrame(), second.get());
        QCOMPARE(data->keyButtonList().size(), 6);

        second.reset();
        QVERIFY(!data->keySelectFrame());
        QVERIFY(data->keyButtonList().isEmpty());
        QVERIFY(data->keyButtonMap().isEmpty());
    }

    void reloadingReplacesTheCaps()
    {
        keySelectFrame frame;
        frame.parseKeyboardInfo(kSmallBoard.constData());
        frame.parseKeyboardInfo(kSmallBoard.constData());
        QCOMPARE(frame.findChildren<keyboardButCustom*>().size(), 6);
        QCOMPARE(frame.findChildren<sideLightButtonCustom*>().size(), 3);
        QCOMPARE(DDataManager::getInstance()->keyButtonList(), frame.keyButtonList());
    }
};

ORVANE_TEST_MAIN(tst_keySelectFrame)
#include "tst_keySelectFrame.moc"
