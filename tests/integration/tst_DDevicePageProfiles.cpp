// Loading a keyboard on the device page and its profiles, against the
// simulated bus through the real I/O threads: the picture and controls of
// the keyboard's kind, the profile file set, the current profile in the
// pages, the lighting engine, and the profile operations with the reports
// they send.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "profiles/DMacroBindings.h"
#include "profiles/DMacroFile.h"
#include "sdk/include/StoreFileChecks.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/CbNotice.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <cstring>
#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;

QStringList comboNames(DDevicePage& page)
{
    auto* combo = page.findChild<QComboBox*>(QStringLiteral("comboBox_profileList"));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << QStringLiteral("%1:%2").arg(combo->itemData(i).toInt()).arg(combo->itemText(i));
    return names << QStringLiteral("current ") + combo->currentText();
}

// The profile folder of the plugged keyboard, after a load that made it.
QString profileFolderOfAFirstLoad()
{
    const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
    return page ? DevicePageProbe(*page).profileFolder() : QString();
}

// What the page told the user about the keyboard's files, in full.
QString storeMessage(DDevicePage& page)
{
    auto* box = page.findChild<QMessageBox*>(QStringLiteral("storeMessage"));
    return box && box->isVisible() ? box->text() : QString();
}

bool isShown(DDevicePage& page, const char* name)
{
    return !page.findChild<QWidget*>(QLatin1String(name))->isHidden();
}

QStringList layerFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("appProfile_*.xml")}, QDir::Files, QDir::Name);
}

} // namespace

class tst_DDevicePageProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void loading_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<bool>("sideLight");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("power");
        QTest::newRow("magnetic switches, side light")
            << QByteArray("OV68M") << true << true
            << QStringList{"appProfile_Default.xml", "appProfile_FN.xml", "appProfile_Magnetic.xml"} << false;
        // A cable-only keyboard has no battery level to show.
        QTest::newRow("ordinary, cable only, no side light")
            << QByteArray("OV84") << false << false << QStringList{"appProfile_Default.xml", "appProfile_FN.xml"}
            << false;
        QTest::newRow("ordinary with a receiver, side light")
            << QByteArray("OV84W") << false << true << QStringList{"appProfile_Default.xml", "appProfile_FN.xml"}
            << true;
    }

    void loading()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, magnetic);
        QFETCH(bool, sideLight);
        QFETCH(QStringList, files);
        QFETCH(bool, power);
        SimulatorHarness sim;
        auto keyboard = sim.plug(model.constData());
        QVERIFY(keyboard);
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DDataManager* data = DDataManager::getInstance();

        // Picture with its overlay in one container.
        QVERIFY(DevicePageProbe(*page).picture());
        QCOMPARE(DevicePageProbe(*page).picture()->parentWidget(), DevicePageProbe(*page).pictureContainer());
        QCOMPARE(DevicePageProbe(*page).dragOverlay()->parentWidget(), DevicePageProbe(*page).pictureContainer());
        QCOMPARE(DevicePageProbe(*page).pictureContainer()->parentWidget()->objectName(),
                 QStringLiteral("hidDeviceShowFrame"));
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("label_Multiple"))->text(), QStringLiteral("1.0"));
        const QList<keyboardButCustom*> caps = data->keyButtonList();
        QVERIFY(caps.size() >= 6 * 22);
        // The lighting engine gets the caps laid out row by row.
        lightDealMain* light = DevicePageProbe(*page).lightingEngine();
        QCOMPARE(light->keyCapGrid()[0][0], caps[0]);
        QCOMPARE(light->keyCapGrid()[3][5], caps[3 * 22 + 5]);
        QCOMPARE(light->keyCapGrid()[5][21], caps[131]);

        // Controls of the keyboard's kind.
        QCOMPARE(isShown(*page, "toolButton_TriggerSetting"), magnetic);
        QCOMPARE(isShown(*page, "toolButton_SeniorKey"), magnetic);
        for (const char* indicator : {"frame_8", "frame_6", "frame_Battery"})
            QCOMPARE(isShown(*page, indicator), power);
        QCOMPARE(page->findChild<QWidget*>(QStringLiteral("frame_7"))->minimumWidth(), magnetic ? 295 : 200);
        QCOMPARE(DevicePageProbe(*page).customKeysPage()->currentLayer(), magnetic ? 0 : 999);
        QCOMPARE(data->isMagneticKeyboard(), magnetic);
        QCOMPARE(data->hasSideLight(), sideLight);
        QCOMPARE(data->currentDeviceName(), QString::fromLatin1(model));

        // The keyboard's own profile files, profile 1 current everywhere.
        const QString serial = QString::fromStdString(keyboard->serialNumber());
        QCOMPARE(QFileInfo(DevicePageProbe(*page).profileFolder()).fileName(), serial);
        QCOMPARE(DevicePageProbe(*page).profileFolder(),
                 data->userConfigDir() + QLatin1Char('/') + model + QLatin1Char('/') + serial);
        QCOMPARE(layerFiles(DevicePageProbe(*page).profileFolder()), files);
        const QByteArray defaultFile
            = QFile::encodeName(DevicePageProbe(*page).profileFolder() + "/appProfile_Default.xml");
        QCOMPARE(QByteArray(page->profilePath()), defaultFile);
        QCOMPARE(page->profileIndex(), 1);
        DDeviceKeyboardLink* link = DevicePageProbe(*page).selectedLink();
        QVERIFY(link);
        QCOMPARE(link, page->deviceLinkMap().value(QString::fromStdString(sim.pathOf(keyboard))));
        QCOMPARE(QByteArray(link->profilePath()), defaultFile);
        QCOMPARE(QByteArray(DevicePageProbe(*page).lightsConfigPage()->profilePath()), defaultFile);
        QCOMPARE(QByteArray(DevicePageProbe(*page).performancePage()->profilePath()), defaultFile);
        char current[DDataManager::kPathBufferSize] = {};
        data->copyCurrentProfilePath(current);
        QCOMPARE(QByteArray(current), defaultFile);
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "current Profile1"}));
        QVERIFY(link->lightInfoSaved());
        QCOMPARE(DevicePageProbe(*page).lightsConfigPage()->keyboardCapability().lightTypeList,
                 link->keyboardModes().lightTypeList);

        // The lighting engine runs on the loaded picture; the page opens on
        // the keys, which show no frames.
        QVERIFY(light->isKeyboardLightRunning());
        QVERIFY(!light->isUiUpdateEnabled());
        QVERIFY(light->isLightSynchronizing());
        // It took the stored keyboard setting of the current profile.
        const int storedEffect = COrvaneXML_SelectProFileMouseLightTypeUsingIndex(defaultFile, "1", 0);
        colorInfoData stored{};
        QVERIFY(COrvaneXML_SelectProfileColorDataInfo(defaultFile, "1", 0, storedEffect, &stored));
        const colorInfoData taken = light->keyboardColorInfo();
        QVERIFY(std::memcmp(&taken, &stored, sizeof stored) == 0);
        QCOMPARE(light->keyCapGrid()[2][3], caps[2 * 22 + 3]);
        QVERIFY(DevicePageProbe(*page).selectedRow());
        QCOMPARE(light->musicLayoutNumber(), DevicePageProbe(*page).selectedRow()->deviceInfo().layoutNumber);
        QCOMPARE(light->hidInterface(), link->hidInterface());
        page->stopLightThreadsIfRunning();
        QVERIFY(!light->isKeyboardLightRunning());
        QVERIFY(!light->isLightSynchronizing());

        // The key page reads a clicked key's function from the Default file.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(defaultFile, "1", "4", "A", "3", "1", "1", "2"));
        data->setCurrentKey(4, QStringLiteral("A"));
        QCOMPARE(DevicePageProbe(*page)
                     .customKeysPage()
                     ->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))
                     ->currentWidget()
                     ->objectName(),
                 QStringLiteral("page_Multimedia"));
    }

    // A second keyboard replaces the picture, overlay and container; a load
    // of a keyboard seen before opens its files again unchanged.
    void secondKeyboardReplacesThePicture()
    {
        SimulatorHarness sim;
        auto first = sim.plug("OV68M");
        auto second = sim.plug("OV84");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QVERIFY(DevicePageProbe(*page).selectedRow());
        const hidStructInfoAll firstRecord = DevicePageProbe(*page).selectedRow()->deviceInfo();
        QPointer<hidDeviceJoinFrame> oldPicture = DevicePageProbe(*page).picture();
        QPointer<dragShowArea> oldOverlay = DevicePageProbe(*page).dragOverlay();
        QPointer<QWidget> oldContainer = DevicePageProbe(*page).pictureContainer();
        QVERIFY(oldPicture);
        const QString firstFolder = DevicePageProbe(*page).profileFolder();
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(page->profilePath(), "1", "Kept"));

        hidStructInfoAll other;
        for (const hidStructInfoAll& record : page->deviceInfoMap()) {
            if (qstrcmp(record.hidPath, firstRecord.hidPath) != 0)
                other = record;
        }
        QVERIFY(other.hidPath[0]);
        page->onHidItemMouseClicked(other);
        QVERIFY(!oldPicture);
        QVERIFY(!oldOverlay);
        QVERIFY(!oldContainer);
        QVERIFY(DevicePageProbe(*page).profileFolder() != firstFolder);
        QVERIFY(!isShown(*page, "toolButton_TriggerSetting"));

        page->onHidItemMouseClicked(firstRecord);
        QCOMPARE(DevicePageProbe(*page).profileFolder(), firstFolder);
        QCOMPARE(comboNames(*page), (QStringList{"1:Kept", "current Kept"}));
    }

    void profileOperationsOnThePage()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->onProfileCreate();
        page->onProfileCreate();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Create profile successful"));
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "2:Profile2", "3:Profile3", "current Profile1"}));

        // The user picks a profile in the list.
        auto* combo = page->findChild<QComboBox*>(QStringLiteral("comboBox_profileList"));
        combo->setCurrentIndex(2);
        QCOMPARE(page->profileIndex(), 3);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(page->profilePath()), 3);
        DDeviceKeyboardLink* link = DevicePageProbe(*page).selectedLink();
        QVERIFY(link);
        QCOMPARE(link->profileIndex(), 3);

        // The keyboard asks for a profile this file does not list: ignored.
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Profile switch to 7 ignored")));
        emit link->sigCustomEventChangProfile(7);
        QCOMPARE(page->profileIndex(), 3);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(page->profilePath()), 3);
        emit link->sigCustomEventChangProfile(2);
        QCOMPARE(page->profileIndex(), 2);
        QCOMPARE(comboNames(*page).last(), QStringLiteral("current Profile2"));

        // A new name; an empty one keeps the naming page open.
        auto* stack = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_2"));
        page->onProfileModifyName();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
        auto* edit = page->findChild<QLineEdit*>(QStringLiteral("lineEdit_profileName"));
        QCOMPARE(edit->text(), QStringLiteral("Profile2"));
        edit->clear();
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("pushButton_Save")), Qt::LeftButton);
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Profile name can't empty"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
        edit->setText(QStringLiteral("Game"));
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("pushButton_Save")), Qt::LeftButton);
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ProfileList"));
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "2:Game", "3:Profile3", "current Game"}));

        // Deleting the current profile makes the first one current.
        page->onProfileDelete();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Delete profile successful"));
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "3:Profile3", "current Profile1"}));
        QCOMPARE(page->profileIndex(), 1);
    }

    // A macro deleted in the editor takes its keys' functions with it; when
    // the editor closes, the picture stops marking those keys as changed.
    void keyMarksFollowTheMacroEditor()
    {
        using namespace StoreTestSupport;
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString folder = DevicePageProbe(*page).profileFolder();
        QDir config(folder);
        QVERIFY(config.cdUp() && config.cdUp()); // <config>/<model>/<serial>

        const QTemporaryDir macroFolder;
        DMacroFile macros(pathIn(macroFolder, QStringLiteral("appMacro.xml")));
        QVERIFY(COrvaneXML_CreateXMLFile(macros.path()));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros.path(), "1", "Macro1"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros.path(), keyPress("1", "4", "A"), "1"));
        const QByteArray profile = QByteArray::number(page->profileIndex());
        QVERIFY(bindKeyToMacro(page->profilePath(), profile.constData(), "5", macros.path(), "1"));

        const QMap<int, keyboardButCustom*> caps = DDataManager::getInstance()->keyButtonMap();
        QVERIFY(caps.value(5));
        page->onMacroPageClose();
        QVERIFY(caps.value(5)->isCustomized());

        QVERIFY(DMacroBindings::removeMacro(macros, config.absolutePath(), 1));
        QVERIFY(caps.value(5)->isCustomized()); // the editor is still open
        page->onMacroPageClose();
        QVERIFY(!caps.value(5)->isCustomized());
    }

    // Modify Name in the menu bubble: the field has the keyboard at once;
    // typing replaces the name, Enter stores it, Escape leaves it as it was.
    void renameFromTheKeyboard_data()
    {
        QTest::addColumn<int>("finishKey");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("enter stores") << int(Qt::Key_Return) << "Work";
        QTest::newRow("escape cancels") << int(Qt::Key_Escape) << "Profile1";
    }
    void renameFromTheKeyboard()
    {
        QFETCH(int, finishKey);
        QFETCH(QString, expectedName);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->show();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));

        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("pushButton_ProfileOperate")), Qt::LeftButton);
        auto* modify = page->findChild<QLabel*>(QStringLiteral("label_ModifyNanme"));
        QVERIFY(modify);
        QTRY_VERIFY(modify->isVisible());
        QTest::mouseClick(modify, Qt::LeftButton);

        auto* edit = page->findChild<QLineEdit*>(QStringLiteral("lineEdit_profileName"));
        auto* stack = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_2"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        // Typed into the window, as a keyboard does: the focus decides.
        QWindow* window = page->windowHandle();
        for (const QChar c : QStringLiteral("Work"))
            QTest::keyClick(window, c.toLatin1());
        QCOMPARE(edit->text(), QStringLiteral("Work"));
        QTest::keyClick(window, Qt::Key(finishKey));

        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ProfileList"));
        QCOMPARE(comboNames(*page).last(), QStringLiteral("current ") + expectedName);
    }

    // The keyboard restores its trigger settings first, then, after the
    // pause, gets the reset report; the profile keeps index and name.
    void resetOfAMagneticKeyboard()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(page->profilePath(), "1", "Mine"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(page->profilePath(), "1", "4", "A", "0", "1", "1", "5"));
        keyboard->clearLog();

        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("Whether to reset the current profile?"));
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("Yes"))
                    button->click();
            }
        });
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("pushButton_Reset")), Qt::LeftButton);
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Operate successful"));
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->factoryResets(), 1, 5000);

        int64_t restoreAt = -1;
        int64_t resetAt = -1;
        for (const SimulatedKeyboard::LoggedReport& report : keyboard->receivedReports()) {
            if (report.bytes[1] == 0x29 && report.bytes[5] == 0x18 && report.bytes[6] == 0x06 && restoreAt < 0)
                restoreAt = report.timeNs;
            if (report.bytes[1] == 0x13 && report.bytes[2] == 0 && resetAt < 0)
                resetAt = report.timeNs;
        }
        QVERIFY(restoreAt > 0);
        QVERIFY(resetAt > restoreAt);
        QVERIFY2(resetAt - restoreAt >= 240 * 1000000LL, qPrintable(QString::number(resetAt - restoreAt)));
        QCOMPARE(comboNames(*page), (QStringList{"1:Mine", "current Mine"}));
        std::list<keyOperateInfo> keys;
        COrvaneXML_ProFileKeyInfoSelectAll(page->profilePath(), "1", &keys);
        QVERIFY(keys.empty());
    }

    void resetAnsweredNoChangesNothing()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(page->profilePath(), "1", "4", "A", "0", "1", "1", "5"));
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("No"))
                    button->click();
            }
        });
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("pushButton_Reset")), Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(keyboard->factoryResets(), 0);
        std::list<keyOperateInfo> keys;
        COrvaneXML_ProFileKeyInfoSelectAll(page->profilePath(), "1", &keys);
        QCOMPARE(int(keys.size()), 1);
    }

    // Without its serial number the keyboard gets no folder; its profiles
    // are opened once it answers.
    void noSerialNumberNoFolder()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        keyboard->setSilentCommand(0x14, true);
        const auto folders = [] {
            return QDir(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/OV84"))
                .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        };
        const QStringList before = folders();
        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QCOMPARE(DevicePageProbe(*page).toast()->text(),
                 QStringLiteral("The keyboard is not ready yet; it will be loaded as soon as it answers"));
        QVERIFY(DevicePageProbe(*page).profileFolder().isEmpty());
        QCOMPARE(QByteArray(page->profilePath()), QByteArray());
        QCOMPARE(folders(), before);

        keyboard->setSilentCommand(0x14, false);
        keyboard->sendSerialNumberReport();
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).profileFolder().isEmpty(), 10000);
        QCOMPARE(QFileInfo(DevicePageProbe(*page).profileFolder()).fileName(),
                 QString::fromStdString(keyboard->serialNumber()));
        QCOMPARE(layerFiles(DevicePageProbe(*page).profileFolder()),
                 (QStringList{"appProfile_Default.xml", "appProfile_FN.xml"}));
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "current Profile1"}));
        QVERIFY(DevicePageProbe(*page).lightingEngine()->isKeyboardLightRunning());
    }

    // A layer file found damaged at load is set aside, and the user is told
    // where it went.
    void damagedFileIsReported()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const QString folder = profileFolderOfAFirstLoad();
        QVERIFY(!folder.isEmpty());
        const QString file = folder + QStringLiteral("/appProfile_Default.xml");
        QFile::remove(file + QStringLiteral(".bak"));
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("<orvaneStore version=\"1\"><profiles><profile index=\"1\"");
        damaged.close();

        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);

        QVERIFY(page);
        const QStringList aside = QDir(folder).entryList({QStringLiteral("appProfile_Default.xml.corrupt-*")});
        QCOMPARE(aside.size(), 1);
        // The whole place of the damaged copy, until the user closes it.
        const QString message = storeMessage(*page);
        QVERIFY2(message.contains(QDir(folder).filePath(aside.first())), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("appProfile_Default.xml")), qPrintable(message));
        QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "current Profile1"}));
    }

    // A file at the store's own name that holds nothing of the store (and
    // has no backup) is set aside and started again in the same run; one
    // that still cannot be opened is explained in the window.
    void unreadableFilesAreRecoveredOrExplained_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("told");
        QTest::newRow("empty, no backup") << "empty" << true << "appProfile_Default.xml.corrupt-";
        QTest::newRow("NUL-filled, no backup") << "nul" << true << "appProfile_Default.xml.corrupt-";
        QTest::newRow("a folder in its place") << "folder" << true << "appProfile_Default.xml.corrupt-";
        QTest::newRow("too large") << "large" << false
                                   << QStringLiteral("is larger than %1 MB").arg(kStoreMaxFileMegabytes);
    }
    void unreadableFilesAreRecoveredOrExplained()
    {
        QFETCH(QString, damage);
        QFETCH(bool, opened);
        QFETCH(QString, told);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV84");
        const QString folder = profileFolderOfAFirstLoad();
        QVERIFY(!folder.isEmpty());
        const QString file = folder + QStringLiteral("/appProfile_Default.xml");
        QVERIFY(QFile::remove(file + QStringLiteral(".bak")));
        QByteArray bytes;
        if (damage == QLatin1String("nul")) {
            bytes = QByteArray(4096, '\0');
        } else if (damage == QLatin1String("large")) {
            QFile original(file);
            QVERIFY(original.open(QIODevice::ReadOnly));
            bytes = original.readAll();
            bytes.insert(bytes.indexOf("<orvaneStore"),
                         "<!--" + QByteArray(kStoreMaxFileMegabytes * 1024 * 1024, ' ') + "-->");
        }
        if (damage == QLatin1String("folder")) {
            QVERIFY(QFile::remove(file));
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(bytes);
        }

        const std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString message = storeMessage(*page);
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("appProfile_Default.xml")), qPrintable(message));
        if (opened) {
            QCOMPARE(comboNames(*page), (QStringList{"1:Profile1", "current Profile1"}));
            QVERIFY(QFileInfo(file).isFile());
        } else {
            QVERIFY2(message.contains(file), qPrintable(message));
            // Refused, not touched.
            QCOMPARE(QFileInfo(file).size(), qint64(bytes.size()));
        }
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageProfiles)
#include "tst_DDevicePageProfiles.moc"
