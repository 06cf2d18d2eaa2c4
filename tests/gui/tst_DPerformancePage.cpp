#include "support/ApplicationSetUp.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/widgets/DAppStyle.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstring>

namespace {

struct StoredLocks
{
    QByteArray altTab, altF4, shiftTab, windowsKey;
};

StoredLocks storedLocks(const QByteArray& path, const char* index)
{
    functionLockInfo info;
    std::memset(&info, 0, sizeof info);
    COrvaneXML_GetProFileFunctionInfo(path.constData(), index, &info);
    return {info.altTab, info.altF4, info.shiftTab, info.windowsKey};
}

QString modelOfferingProhibitSleep(bool offers)
{
    for (const ModelInfo& model : ModelCatalogue::instance().models()) {
        if (model.prohibitSleep == offers && !model.isMagnetic())
            return model.code;
    }
    return QString();
}

} // namespace

class tst_DPerformancePage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_layer;

    template<typename T>
    static T* child(DPerformancePage& page, const char* name)
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        if (!widget)
            qWarning() << "no child" << name;
        return widget;
    }

    // A keyboard with the sleep group: not magnetic, layout type 3.
    static void selectPlainKeyboard(const QString& model = QStringLiteral("OV84"))
    {
        DDataManager* data = DDataManager::getInstance();
        data->setMagneticKeyboard(false);
        data->setHidDeviceType(3);
        data->setCurrentDeviceName(model);
        data->setProhibitSleep(0);
    }

    void openPage(DPerformancePage& page, int profile = 1)
    {
        page.setProfilePath(m_layer.constData());
        page.setProfileIndex(profile);
        page.show();
        page.loadPerformanceSettings();
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        m_layer = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
        QVERIFY(StoreTestSupport::createLayerFile(m_layer, 2));
    }

    void init()
    {
        selectPlainKeyboard();
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(m_layer, "1", "0", "0", "0", "0"));
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(m_layer, "2", "0", "0", "0", "0"));
    }

    void form_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("lock title") << "label"
                                    << "If Win Lock is on:";
        QTest::newRow("windows key") << "checkBox_disableWindowsKey"
                                     << "Disable Windows key";
        QTest::newRow("shift+tab") << "checkBox_disableSHIFT_TAB"
                                   << "Disable SHIFT+TAB";
        QTest::newRow("alt+tab") << "checkBox_disableALT_TAB"
                                 << "Disable ALT+TAB";
        QTest::newRow("alt+f4") << "checkBox_disableALT_F4"
                                << "Disable ALT+F4";
        QTest::newRow("light title") << "label_2"
                                     << "Light into sleep:";
        QTest::newRow("light unit") << "label_3"
                                    << "Second";
        QTest::newRow("keyboard title") << "label_5"
                                        << "Keyboard into sleep:";
        QTest::newRow("keyboard unit") << "label_4"
                                       << "Minute";
        QTest::newRow("prohibit") << "checkBox_ProhibitSleep"
                                  << "Prohibit Sleep";
        QTest::newRow("submit") << "pushButton_SubmitSleepTime"
                                << "Submit";
        QTest::newRow("properties") << "pushButton_keyboardProperties"
                                    << "Keyboard properties";
        QTest::newRow("restore") << "pushButton_Restore"
                                 << "Reset current profile";
    }
    void form()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        DPerformancePage page;
        QWidget* widget = page.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->property("text").toString(), text);
        QCOMPARE(page.profileIndex(), 1);
        QCOMPARE(child<QLineEdit>(page, "lineEdit_LightSleep")->placeholderText(), QStringLiteral("0~60000"));
        QCOMPARE(child<QLineEdit>(page, "lineEdit_KeyboardSleep")->placeholderText(), QStringLiteral("5~1000"));
        QCOMPARE(child<QFrame>(page, "frame_Left")->width(), 300);
        QCOMPARE(child<QFrame>(page, "frame_Center")->width(), 310);
        QCOMPARE(child<QFrame>(page, "frame_Right")->width(), 285);
        // The icon comes with the theme's sheet.
        child<QPushButton>(page, "pushButton_Restore")->ensurePolished();
        QVERIFY(!child<QPushButton>(page, "pushButton_Restore")->icon().isNull());
    }

    // Each box alone: the store keeps Alt+Tab, Alt+F4, Shift+Tab, Windows
    // key; the signal carries Windows key, Shift+Tab, Alt+Tab, Alt+F4.
    void lockBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QList<int>>("emitted");
        QTest::newRow("alt+tab") << "checkBox_disableALT_TAB" << QByteArray("1000") << QList<int>{0, 0, 1, 0};
        QTest::newRow("alt+f4") << "checkBox_disableALT_F4" << QByteArray("0100") << QList<int>{0, 0, 0, 1};
        QTest::newRow("shift+tab") << "checkBox_disableSHIFT_TAB" << QByteArray("0010") << QList<int>{0, 1, 0, 0};
        QTest::newRow("windows key") << "checkBox_disableWindowsKey" << QByteArray("0001") << QList<int>{1, 0, 0, 0};
    }
    void lockBox()
    {
        QFETCH(QString, box);
        QFETCH(QByteArray, stored);
        QFETCH(QList<int>, emitted);
        DPerformancePage page;
        openPage(page);
        QSignalSpy spy(&page, &DPerformancePage::sigLockWinKeyAbout);
        auto* check = page.findChild<QCheckBox*>(box);
        QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(6, check->height() / 2));
        QVERIFY(check->isChecked());
        QCOMPARE(spy.count(), 1);
        QList<int> args;
        for (const QVariant& v : spy.first())
            args << v.toInt();
        QCOMPARE(args, emitted);
        const StoredLocks locks = storedLocks(m_layer, "1");
        QCOMPARE(locks.altTab + locks.altF4 + locks.shiftTab + locks.windowsKey, stored);
        QCOMPARE(storedLocks(m_layer, "2").altTab + storedLocks(m_layer, "2").windowsKey, QByteArray("00"));

        // Unchecking stores and sends all-off.
        QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(6, check->height() / 2));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last(), (QList<QVariant>{0, 0, 0, 0}));
        const StoredLocks cleared = storedLocks(m_layer, "1");
        QCOMPARE(cleared.altTab + cleared.altF4 + cleared.shiftTab + cleared.windowsKey, QByteArray("0000"));
    }

    // Loading sets every box both ways and says nothing to the keyboard; a
    // check left from another profile is not stored by the next click.
    void loadShowsStoredLocks()
    {
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(m_layer, "1", "1", "1", "1", "1"));
        DPerformancePage page;
        QSignalSpy spy(&page, &DPerformancePage::sigLockWinKeyAbout);
        openPage(page, 1);
        const char* boxes[] = {"checkBox_disableWindowsKey", "checkBox_disableSHIFT_TAB", "checkBox_disableALT_TAB",
                               "checkBox_disableALT_F4"};
        for (const char* name : boxes)
            QVERIFY2(child<QCheckBox>(page, name)->isChecked(), name);

        page.setProfileIndex(2);
        QVERIFY(child<QCheckBox>(page, "checkBox_disableALT_TAB")->isChecked()); // nothing reloads by itself
        page.loadPerformanceSettings();
        for (const char* name : boxes)
            QVERIFY2(!child<QCheckBox>(page, name)->isChecked(), name);
        QCOMPARE(spy.count(), 0);

        auto* altF4 = child<QCheckBox>(page, "checkBox_disableALT_F4");
        QTest::mouseClick(altF4, Qt::LeftButton, Qt::NoModifier, QPoint(6, altF4->height() / 2));
        const StoredLocks second = storedLocks(m_layer, "2");
        QCOMPARE(second.altTab + second.altF4 + second.shiftTab + second.windowsKey, QByteArray("0100"));
        const StoredLocks first = storedLocks(m_layer, "1");
        QCOMPARE(first.altTab + first.altF4 + first.shiftTab + first.windowsKey, QByteArray("1111"));
    }

    void sleepTimesShown_data()
    {
        QTest::addColumn<int>("storedLight");
        QTest::addColumn<int>("storedKeyboard");
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("keyboard");
        QTest::newRow("never stored") << -1 << -1 << "600"
                                      << "30";
        QTest::newRow("stored") << 120 << 10 << "120"
                                << "10";
    }
    void sleepTimesShown()
    {
        QFETCH(int, storedLight);
        QFETCH(int, storedKeyboard);
        QFETCH(QString, light);
        QFETCH(QString, keyboard);
        QTemporaryDir dir;
        const QByteArray layer = QFile::encodeName(dir.filePath(QStringLiteral("layer.xml")));
        QVERIFY(StoreTestSupport::createLayerFile(layer, 1));
        if (storedLight >= 0)
            QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(layer, "1", storedLight, storedKeyboard));
        DPerformancePage page;
        page.setProfilePath(layer.constData());
        page.loadPerformanceSettings();
        QCOMPARE(child<QLineEdit>(page, "lineEdit_LightSleep")->text(), light);
        QCOMPARE(child<QLineEdit>(page, "lineEdit_KeyboardSleep")->text(), keyboard);

        // A language change re-applies the form and then the loaded values.
        child<QLineEdit>(page, "lineEdit_LightSleep")->setText(QStringLiteral("7"));
        page.retranslate();
        QCOMPARE(child<QLineEdit>(page, "lineEdit_LightSleep")->text(), light);
        QCOMPARE(child<QLabel>(page, "label_3")->text(), QStringLiteral("Second"));
    }

    void submit_data()
    {
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<bool>("prohibit");
        QTest::addColumn<QList<int>>("emitted");
        QTest::newRow("600 and 30") << "600"
                                    << "30" << false << QList<int>{600, 1800, 0};
        QTest::newRow("prohibited") << "600"
                                    << "30" << true << QList<int>{600, 1800, 1};
        QTest::newRow("empty fields") << ""
                                      << "" << false << QList<int>{0, 0, 0};
        QTest::newRow("below the keyboard minimum") << "10"
                                                    << "4" << false << QList<int>{10, 240, 0};
        QTest::newRow("largest") << "60000"
                                 << "1000" << false << QList<int>{60000, 60000, 0};
    }
    void submit()
    {
        QFETCH(QString, light);
        QFETCH(QString, keyboard);
        QFETCH(bool, prohibit);
        QFETCH(QList<int>, emitted);
        QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(m_layer, "1", 111, 22));
        DPerformancePage page;
        openPage(page);
        child<QLineEdit>(page, "lineEdit_LightSleep")->setText(light);
        child<QLineEdit>(page, "lineEdit_KeyboardSleep")->setText(keyboard);
        child<QCheckBox>(page, "checkBox_ProhibitSleep")->setChecked(prohibit);
        QSignalSpy spy(&page, &DPerformancePage::sigLightAndKeyboardSleepTime);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_SubmitSleepTime"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QList<int> args;
        for (const QVariant& v : spy.first())
            args << v.toInt();
        QCOMPARE(args, emitted);
        // The page itself stores no sleep time.
        sleepTimeInfo stored{-1, -1};
        QVERIFY(COrvaneXML_GetProFileIntoSleepTimeInfo(m_layer.constData(), "1", &stored));
        QCOMPARE(stored.lightSleepSeconds, 111);
        QCOMPARE(stored.keyboardSleepMinutes, 22);
    }

    void validatorsWhileTyping_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("light within") << "lineEdit_LightSleep"
                                      << "60000"
                                      << "60000";
        QTest::newRow("light above") << "lineEdit_LightSleep"
                                     << "60001"
                                     << "6000";
        QTest::newRow("light letters") << "lineEdit_LightSleep"
                                       << "1a2"
                                       << "12";
        QTest::newRow("light negative") << "lineEdit_LightSleep"
                                        << "-5"
                                        << "5";
        QTest::newRow("keyboard within") << "lineEdit_KeyboardSleep"
                                         << "1000"
                                         << "1000";
        QTest::newRow("keyboard above") << "lineEdit_KeyboardSleep"
                                        << "1001"
                                        << "100";
        QTest::newRow("keyboard below minimum still typed") << "lineEdit_KeyboardSleep"
                                                            << "4"
                                                            << "4";
    }
    void validatorsWhileTyping()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DPerformancePage page;
        page.show();
        auto* edit = page.findChild<QLineEdit*>(field);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    // Every label, box and button of the page shows its whole text in each
    // of the fifteen languages, at the page's design width.
    void everyTextFits_data()
    {
        addEveryLanguageRow();
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DPerformancePage page;
        page.retranslate();
        page.setTheme();
        page.resize(1096, 250);
        openPage(page);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QStringList cut;
        const QList<QWidget*> widgets = page.findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            const bool textual = qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)
                                 || qobject_cast<QPushButton*>(widget);
            if (!textual || !widget->isVisible() || widget->property("text").toString().isEmpty())
                continue;
            if (widget->width() < widget->sizeHint().width())
                cut << QStringLiteral("%1 \"%2\": %3 of %4 px")
                           .arg(widget->objectName(), widget->property("text").toString())
                           .arg(widget->width())
                           .arg(widget->sizeHint().width());
        }
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void sleepGroupVisibility_data()
    {
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("shown");
        QTest::newRow("plain keyboard") << false << 3 << true;
        QTest::newRow("type 2") << false << 2 << true;
        QTest::newRow("magnetic") << true << 4 << false;
        QTest::newRow("device type 5") << false << 5 << false;
    }
    void sleepGroupVisibility()
    {
        QFETCH(bool, magnetic);
        QFETCH(int, deviceType);
        QFETCH(bool, shown);
        DPerformancePage page;
        DDataManager::getInstance()->setMagneticKeyboard(!magnetic);
        DDataManager::getInstance()->setHidDeviceType(deviceType == 5 ? 3 : 5);
        openPage(page);
        DDataManager::getInstance()->setMagneticKeyboard(magnetic);
        DDataManager::getInstance()->setHidDeviceType(deviceType);
        page.loadPerformanceSettings();
        QCOMPARE(child<QFrame>(page, "frame_Center")->isVisible(), shown);
        QVERIFY(child<QFrame>(page, "frame_Left")->isVisible());
    }

    void prohibitSleep_data()
    {
        QTest::addColumn<bool>("offering");
        QTest::addColumn<int>("keyboardState");
        QTest::addColumn<bool>("frameShown");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("offering model, prohibited") << true << 1 << true << true << true;
        QTest::newRow("offering model, allowed") << true << 0 << true << false << false;
        QTest::newRow("other model, prohibited") << false << 1 << false << false << false;
        QTest::newRow("other model, allowed") << false << 0 << false << false << false;
    }
    void prohibitSleep()
    {
        QFETCH(bool, offering);
        QFETCH(int, keyboardState);
        QFETCH(bool, frameShown);
        QFETCH(bool, checked);
        QFETCH(bool, readOnly);
        const QString model = modelOfferingProhibitSleep(offering);
        QVERIFY(!model.isEmpty());
        QCOMPARE(DPerformancePage::offersProhibitSleep(model), offering);
        DPerformancePage page;
        // Start from the opposite state so every field has to be set.
        selectPlainKeyboard(modelOfferingProhibitSleep(!offering));
        DDataManager::getInstance()->setProhibitSleep(1 - keyboardState);
        openPage(page);
        selectPlainKeyboard(model);
        DDataManager::getInstance()->setProhibitSleep(keyboardState);
        page.loadPerformanceSettings();
        QCOMPARE(child<QFrame>(page, "frame_ProhibitSleep")->isVisible(), frameShown);
        QCOMPARE(child<QCheckBox>(page, "checkBox_ProhibitSleep")->isChecked(), checked);
        QCOMPARE(child<QLineEdit>(page, "lineEdit_KeyboardSleep")->isReadOnly(), readOnly);
    }

    void prohibitModelNamesCompareExactly()
    {
        const QString model = modelOfferingProhibitSleep(true);
        QVERIFY(DPerformancePage::offersProhibitSleep(model));
        QVERIFY(!DPerformancePage::offersProhibitSleep(model.toLower()));
        QVERIFY(!DPerformancePage::offersProhibitSleep(model + QLatin1Char(' ')));
        QVERIFY(!DPerformancePage::offersProhibitSleep(QString()));
    }

    void prohibitBoxOnlyTogglesTheField()
    {
        selectPlainKeyboard(modelOfferingProhibitSleep(true));
        DPerformancePage page;
        openPage(page);
        QSignalSpy sleepSpy(&page, &DPerformancePage::sigLightAndKeyboardSleepTime);
        QSignalSpy lockSpy(&page, &DPerformancePage::sigLockWinKeyAbout);
        auto* box = child<QCheckBox>(page, "checkBox_ProhibitSleep");
        auto* keyboard = child<QLineEdit>(page, "lineEdit_KeyboardSleep");
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
        QVERIFY(keyboard->isReadOnly());
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QVERIFY(!keyboard->isReadOnly());
        QCOMPARE(sleepSpy.count() + lockSpy.count(), 0);
        QCOMPARE(DDataManager::getInstance()->prohibitSleep(), 0);
    }

    void restoreButton()
    {
        DPerformancePage page;
        openPage(page);
        auto* button = child<QPushButton>(page, "pushButton_Restore");
        QVERIFY(!button->isVisible());
        QSignalSpy spy(&page, &DPerformancePage::sigResetoreCurrentProfile);
        button->click();
        QCOMPARE(spy.count(), 1);
    }

    void profilePathTooLong()
    {
        DPerformancePage page;
        QVERIFY(page.setProfilePath(m_layer.constData()));
        QCOMPARE(QByteArray(page.profilePath()), m_layer);
        const QByteArray longest(DPerformancePage::kProfilePathSize - 1, 'a');
        QVERIFY(page.setProfilePath(longest.constData()));
        QCOMPARE(QByteArray(page.profilePath()), longest);
        QVERIFY(page.setProfilePath(m_layer.constData()));
        const QByteArray tooLong(DPerformancePage::kProfilePathSize, 'a');
        QVERIFY(!page.setProfilePath(tooLong.constData()));
        QCOMPARE(QByteArray(page.profilePath()), QByteArray());

        // A click then stores nothing into the file the page had before.
        page.show();
        auto* box = child<QCheckBox>(page, "checkBox_disableWindowsKey");
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QCOMPARE(storedLocks(m_layer, "1").windowsKey, QByteArray("0"));
        QVERIFY(page.setProfilePath(nullptr));
        QCOMPARE(QByteArray(page.profilePath()), QByteArray());
    }

    void keyboardPropertiesButton()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        QFile program(bin.filePath(QStringLiteral("xfce4-keyboard-settings")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\nPATH=/usr/bin:/bin\nsleep 2\ntouch '" + QFile::encodeName(marker) + "'\n");
        program.close();
        QVERIFY(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QByteArray savedPath = qgetenv("PATH");

        qputenv("PATH", QFile::encodeName(bin.filePath(QStringLiteral("nothing-here"))));
        {
            DPerformancePage page;
            openPage(page);
            QVERIFY(!child<QPushButton>(page, "pushButton_keyboardProperties")->isVisible());
        }

        qputenv("PATH", QFile::encodeName(bin.path()));
        DPerformancePage page;
        openPage(page);
        auto* button = child<QPushButton>(page, "pushButton_keyboardProperties");
        QVERIFY(button->isVisible());
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        const qint64 elapsed = timer.elapsed();
        qputenv("PATH", savedPath);
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
        QVERIFY(!QFile::exists(marker));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 15000);
    }

    void theme()
    {
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(1);
        DAppStyle::apply(1);
        const DThemeRoles roles = data->themeRoles();
        DPerformancePage page;
        page.resize(900, 600);
        page.setTheme();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // The Light theme's colours, drawn: texts and the boxes' frames.
        QCOMPARE(RenderedLook::text(child<QLabel>(page, "label")).rgb(), roles.color(DThemeRoles::Text).rgb());
        QCOMPARE(RenderedLook::text(child<QLineEdit>(page, "lineEdit_LightSleep")).rgb(),
                 roles.color(DThemeRoles::Text).rgb());
        QCheckBox* box = page.findChildren<QCheckBox*>().value(0);
        QVERIFY(box);
        box->setChecked(false);
        QCOMPARE(RenderedLook::text(box).rgb(), roles.color(DThemeRoles::Text).rgb());
        QFrame* left = child<QFrame>(page, "frame_Left");
        QCOMPARE(RenderedLook::pixel(left, QPoint(left->width() / 2, 1)).rgb(),
                 roles.color(DThemeRoles::DeviceBorder).rgb());
        QCOMPARE(child<QLabel>(page, "label")->font().pointSize(), 11);
        QCOMPARE(child<QLabel>(page, "label_3")->font().pointSize(), 10);
        data->loadTheme(0);
        DAppStyle::apply(0);
    }
};

ORVANE_TEST_MAIN(tst_DPerformancePage)
#include "tst_DPerformancePage.moc"
