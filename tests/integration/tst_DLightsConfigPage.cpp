// The lighting page through its form on a loaded device page, against the
// simulated keyboard behind the real I/O thread and the real profile store:
// choosing and tuning effects, the colours, the part switch, what the
// keyboard reports itself, texts, theme and hover tips.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "profiles/DDefaultLightRecord.h"
#include "sdk/include/orvanesdk_xml.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightsConfig/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightsConfig/SVColorArea.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <list>
#include <memory>

Q_DECLARE_METATYPE(colorInfoData)

namespace {

constexpr int kTimeoutMs = 20000;

using Report = SimulatedKeyboard::Report;

// Set-effect reports (sub-command 0) of one command the keyboard got.
QList<Report> effectReports(const SimulatedKeyboard& keyboard, uint8_t command)
{
    QList<Report> list;
    for (const SimulatedKeyboard::LoggedReport& logged : keyboard.receivedReports()) {
        if (logged.bytes[1] == command && logged.bytes[2] == 0)
            list << logged.bytes;
    }
    return list;
}

struct Rig
{
    explicit Rig(const char* model = "OV68M")
        : keyboard(sim.plug(model))
        , page(loadedDevicePage(kTimeoutMs))
    {
    }

    // Shows the device page on its lighting tab with `effect` as the stored
    // keyboard effect, and empties the keyboard's log.
    bool open(int effect)
    {
        if (!page)
            return false;
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            return false;
        lights = DevicePageProbe(*page).lightsConfigPage();
        // The setting starts as a new one would, whatever the keyboard had.
        const colorInfoData fresh = DDefaultLightRecord::make(0, effect);
        if (COrvaneXML_IsProFileAlreadyHaveLightInfo(page->profilePath(), index(), 0, effect))
            COrvaneXML_ModifyProFileLightInfoItem(page->profilePath(), index(), 0, effect, fresh);
        else
            COrvaneXML_AddProFileLightInfoItem(page->profilePath(), index(), fresh);
        COrvaneXML_ModifyProFileMouseLightUsingIndex(page->profilePath(), index(), 0, effect);
        page->findChild<QToolButton*>(QStringLiteral("toolButton_LightConfig"))->click();
        QTest::qWait(100);
        keyboard->clearLog();
        return true;
    }
    QByteArray index() const { return QByteArray::number(page->profileIndex()); }
    template<typename T>
    T* child(const char* name) const
    {
        T* found = lights->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no child %s", name);
        return found;
    }
    bool shown(const char* name) const { return child<QWidget>(name)->isVisibleTo(lights); }
    colorInfoData stored(int part, int effect) const
    {
        colorInfoData record{};
        record.ledType = -1;
        COrvaneXML_SelectProfileColorDataInfo(page->profilePath(), index(), part, effect, &record);
        return record;
    }
    QList<Report> keyboardReports() const { return effectReports(*keyboard, 0x06); }
    bool waitForReports(uint8_t command, int count) const
    {
        return QTest::qWaitFor([&] { return effectReports(*keyboard, command).size() >= count; }, kTimeoutMs);
    }

    SimulatorHarness sim;
    std::shared_ptr<SimulatedKeyboard> keyboard;
    std::unique_ptr<DDevicePage> page;
    DLightsConfigPage* lights = nullptr;
};

// The eight direction buttons, by direction id.
const QStringList kDirectionButtons{QStringLiteral("pushButton_Right"),      QStringLiteral("pushButton_Left"),
                                    QStringLiteral("pushButton_Up"),         QStringLiteral("pushButton_Down"),
                                    QStringLiteral("pushButton_Dispersion"), QStringLiteral("pushButton_Gather"),
                                    QStringLiteral("pushButton_CW"),         QStringLiteral("pushButton_UnCW")};

QStringList shownDirections(const Rig& rig)
{
    QStringList shown;
    if (!rig.shown("frame_DirectionMain"))
        return shown;
    for (const QString& name : kDirectionButtons) {
        if (rig.shown(qPrintable(name)))
            shown << name;
    }
    return shown;
}

// Clicks the stepper at tick `position`.
void clickStepper(sliderCustomWidget* stepper, int position)
{
    QTest::mouseClick(stepper, Qt::LeftButton, {},
                      QPoint(stepper->tickPositions().at(position), stepper->height() / 2));
}

QPoint ringPoint(double degreesFromLeft)
{
    // 50 px from the picker's centre, on the ring; 0 is straight left, 90 the bottom.
    const double radians = qDegreesToRadians(degreesFromLeft);
    return QPoint(60 - qRound(50 * std::cos(radians)), 60 + qRound(50 * std::sin(radians)));
}

// Takes a light setting out of the profile file behind the store's back.
bool removeSetting(const char* path, int part, int effect)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const QRegularExpression setting(QStringLiteral("<light part=\"%1\" effect=\"%2\"[^>]*/>").arg(part).arg(effect));
    if (!text.contains(setting))
        return false;
    text.remove(setting);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.toUtf8()) > 0;
}

void typeInto(QLineEdit* field, const QString& text)
{
    QApplication::setActiveWindow(field->window());
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    // All at once, as a paste: one change of the text.
    field->selectAll();
    field->insert(text);
}

} // namespace

class tst_DLightsConfigPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        qRegisterMetaType<colorInfoData>();
    }

    // Entering with Wave stored: its button, its name, six directions, and
    // the keyboard hears it once.
    void enteringWithWave()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(0));
        QSignalSpy chosen(rig.lights, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        COrvaneXML_ModifyProFileMouseLightUsingIndex(rig.page->profilePath(), rig.index(), 0, 2);
        rig.lights->loadProfileLightType();

        QVERIFY(rig.child<QToolButton>("toolButton_Wave")->isChecked());
        QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("Wave"));
        QCOMPARE(shownDirections(rig), (QStringList{"pushButton_Right", "pushButton_Left", "pushButton_Up",
                                                    "pushButton_Down", "pushButton_Dispersion", "pushButton_Gather"}));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().at(0).toInt(), 2);
        QVERIFY(rig.waitForReports(0x06, 1));
        QTest::qWait(200);
        QCOMPARE(rig.keyboardReports().size(), 1);
        QCOMPARE(int(rig.keyboardReports().first()[6]), 2);
    }

    void controlsPerEffect_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<QStringList>("directions");
        QTest::addColumn<bool>("colours");
        QTest::addColumn<bool>("brightness");
        const QStringList none;
        const QStringList turn{"pushButton_CW", "pushButton_UnCW"};
        const QStringList line{"pushButton_Right", "pushButton_Left",       "pushButton_Up",
                               "pushButton_Down",  "pushButton_Dispersion", "pushButton_Gather"};
        struct Row
        {
            const char* button;
            int effect;
            bool speed;
            QStringList directions;
            bool colours;
        };
        const QList<Row> keyboard{{"toolButton_Static", 0, false, none, false},
                                  {"toolButton_Breath", 1, true, none, true},
                                  {"toolButton_Wave", 2, true, line, true},
                                  {"toolButton_Neon", 3, true, none, true},
                                  {"toolButton_Radar", 4, true, turn, true},
                                  {"toolButton_Snack", 5, true, turn, true},
                                  {"toolButton_Reactive", 6, true, none, true},
                                  {"toolButton_Aurora", 7, true, {"pushButton_Dispersion", "pushButton_Gather"}, true},
                                  {"toolButton_Ripple", 8, true, none, true},
                                  {"toolButton_Twinkle", 9, true, none, true},
                                  {"toolButton_CustomLed", 10, false, none, false},
                                  {"toolButton_Cross", 11, true, none, true},
                                  {"toolButton_SpeedRespond", 12, false, {"pushButton_Up", "pushButton_Down"}, true},
                                  {"toolButton_AutoRipple", 14, true, none, true},
                                  {"toolButton_Striation", 15, true, turn, true},
                                  {"toolButton_Fireworks", 16, true, none, true},
                                  {"toolButton_MusicalRhythm", 100, false, none, true}};
        for (const Row& row : keyboard)
            QTest::addRow("keyboard %d", row.effect)
                << 0 << row.button << row.effect << row.speed << row.directions << row.colours << true;
        const QList<Row> side{
            {"toolButton_SideStatic", 0, false, none, false}, {"toolButton_SideBreath", 1, true, none, true},
            {"toolButton_SideWave", 2, true, none, true},     {"toolButton_SideCollision", 3, true, none, true},
            {"toolButton_SideNeon", 4, true, none, true},     {"toolButton_SideClose", 5, false, none, false}};
        for (const Row& row : side)
            QTest::addRow("side %d", row.effect)
                << 1 << row.button << row.effect << row.speed << row.directions << row.colours << (row.effect != 5);
    }

    // Each effect shows the controls that change it and no others; the
    // keyboard gets the effect, and DPI is never offered.
    void controlsPerEffect()
    {
        QFETCH(int, part);
        QFETCH(QString, button);
        QFETCH(int, effect);
        QFETCH(bool, speed);
        QFETCH(QStringList, directions);
        QFETCH(bool, colours);
        QFETCH(bool, brightness);
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(0));
        QVERIFY(!rig.shown("toolButton_MouseDPI"));
        if (part == 1) {
            rig.child<QToolButton>("toolButton_LightSelectTypeChanged")->click();
            QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
                     QStringLiteral("page_SideLightMode"));
        }
        auto* effectButton = rig.child<QToolButton>(qPrintable(button));
        QVERIFY(effectButton->isVisibleTo(rig.lights));
        effectButton->click();

        QVERIFY(effectButton->isChecked());
        QCOMPARE(rig.shown("frame_Brightness"), brightness);
        QCOMPARE(rig.shown("frame_Speed"), speed);
        QCOMPARE(shownDirections(rig), directions);
        QCOMPARE(rig.shown("frame_23"), colours);
        QCOMPARE(rig.shown("frame_25"), colours);
        // Every effect but the side light's Close takes a colour.
        const bool picker = !(part == 1 && effect == 5);
        QCOMPARE(rig.shown("frame_24"), picker);
        QCOMPARE(rig.shown("frame_8"), picker);
        QCOMPARE(rig.stored(part, effect).ledType, effect);
        const uint8_t command = part == 0 ? 0x06 : 0x07;
        QVERIFY(rig.waitForReports(command, 1));
        const Report sent = effectReports(*rig.keyboard, command).last();
        QCOMPARE(int(sent[6]), effect);
        // Static never sends full colour, whatever the setting holds.
        QCOMPARE(int(sent[16]), effect == 0 ? 0 : rig.stored(part, effect).fullColor);
    }

    // Brightness position 0 is level 1: change code 2, wire value 0, stored.
    void brightnessStepper()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QSignalSpy changed(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        auto* stepper = rig.child<QFrame>("frame_SliderBrightness")->findChild<sliderCustomWidget*>();
        clickStepper(stepper, 0);

        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toInt(), 2);
        QCOMPARE(changed.first().at(1).value<colorInfoData>().ledBrightness, 1);
        QCOMPARE(rig.stored(0, 2).ledBrightness, 1);
        QVERIFY(rig.waitForReports(0x06, 1));
        QCOMPARE(int(rig.keyboardReports().last()[7]), 0);
    }

    // Turning the knob shows the darker colour on every repaint and commits
    // it once, when the mouse is let go.
    void knobCommitsAtRelease()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QSignalSpy changed(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        SVColorArea* picker = rig.lights->findChild<SVColorArea*>();
        auto* red = rig.child<QLineEdit>("lineEdit_R");
        QCOMPARE(red->text(), QStringLiteral("255"));

        QTest::mousePress(picker, Qt::LeftButton, {}, ringPoint(0));
        QTest::qWait(50);
        const QString atLeft = red->text();
        QCOMPARE(atLeft, QString::number(int((100 - 25) * 2.55)));
        QMouseEvent move(QEvent::MouseMove, ringPoint(90), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picker, &move);
        QTest::qWait(50);
        QCOMPARE(red->text(), QString::number(int((100 - 50) * 2.55)));
        QCOMPARE(rig.child<QLineEdit>("lineEdit_G")->text(), QStringLiteral("0"));
        QCOMPARE(RenderedLook::background(rig.child<QPushButton>("pushButton_TopColor")), QColor(127, 0, 0));
        QCOMPARE(changed.count(), 0);
        QTest::qWait(200);
        QVERIFY(rig.keyboardReports().isEmpty());

        QTest::mouseRelease(picker, Qt::LeftButton, {}, ringPoint(90));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toInt(), 0);
        QCOMPARE(rig.stored(0, 2).topRed, 127);
        QVERIFY(rig.waitForReports(0x06, 1));
        QTest::qWait(200);
        QCOMPARE(rig.keyboardReports().size(), 1);
        QCOMPARE(int(rig.keyboardReports().first()[9]), 127);
    }

    // A swatch press takes its preset as the edited colour and commits it.
    void swatchCommitsItsColour()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QTest::qWait(600); // the page watches the swatches half a second after it is made
        rig.child<QPushButton>("pushButton_BottomColor")->click();
        QTest::mouseClick(rig.child<QLabel>("label_Color13"), Qt::LeftButton);
        const colorInfoData stored = rig.stored(0, 2);
        QCOMPARE(QColor(stored.bottomRed, stored.bottomGreen, stored.bottomBlue), QColor(0, 0, 255));
        QCOMPARE(QColor(stored.topRed, stored.topGreen, stored.topBlue), QColor(255, 0, 0));
        QVERIFY(rig.waitForReports(0x06, 1));
        QCOMPARE(int(rig.keyboardReports().last()[14]), 255);
    }

    // Under Custom a committed colour is announced, sent, and then handed on
    // to paint the selected keys.
    void colourUnderCustom()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(10));
        QTest::qWait(600);
        QStringList order;
        connect(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged, this,
                [&](int code, colorInfoData) { order << QStringLiteral("changed %1").arg(code); });
        connect(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
                [&](int code, colorInfoData info) {
                    order << QStringLiteral("custom %1 %2").arg(code).arg(info.topGreen);
                });
        QTest::mouseClick(rig.child<QLabel>("label_Color07"), Qt::LeftButton);
        QCOMPARE(order, (QStringList{"changed 0", "custom 0 255"}));
        QVERIFY(rig.waitForReports(0x06, 1));
        QCOMPARE(int(rig.keyboardReports().last()[6]), 10);
        QCOMPARE(int(rig.keyboardReports().last()[10]), 255);
    }

    void typedChannels_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("committed");
        QTest::newRow("accepted") << "17"
                                  << "17" << true;
        QTest::newRow("too big stands as the top") << "300"
                                                   << "255" << true;
        QTest::newRow("negative") << "-5"
                                  << "0" << false;
        QTest::newRow("not a number") << "x"
                                      << "0" << false;
    }

    // A channel takes a whole number 0..255; anything else puts back what
    // the field held and commits nothing.
    void typedChannels()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, committed);
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        auto* red = rig.child<QLineEdit>("lineEdit_R");
        auto* green = rig.child<QLineEdit>("lineEdit_G");
        typeInto(red, QStringLiteral("17"));
        QCOMPARE(rig.stored(0, 2).topRed, 17);
        QSignalSpy changed(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged);

        typeInto(green, typed);
        QCOMPARE(green->text(), shown);
        QCOMPARE(changed.count(), committed ? 1 : 0);
        const colorInfoData stored = rig.stored(0, 2);
        QCOMPARE(stored.topRed, 17);
        QCOMPARE(stored.topGreen, committed ? shown.toInt() : 0);
    }

    void typedKeyByKey_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in range") << "17"
                                  << "17";
        QTest::newRow("999 is the top, never 99") << "999"
                                                  << "255";
        QTest::newRow("256") << "256"
                             << "255";
        QTest::newRow("a letter is refused") << "2x"
                                             << "2";
    }

    // Typed key by key, as a user does: the field and the keyboard end on
    // the same value, never on the first digits of a number too big.
    void typedKeyByKey()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        auto* red = rig.child<QLineEdit>("lineEdit_R");
        typeInto(red, QString());
        red->clear();
        QTest::keyClicks(red, keys);
        QCOMPARE(red->text(), shown);
        QCOMPARE(rig.stored(0, 2).topRed, shown.toInt());
        QTRY_COMPARE_WITH_TIMEOUT(rig.keyboardReports().isEmpty() ? -1 : int(rig.keyboardReports().last()[9]),
                                  shown.toInt(), kTimeoutMs);
    }

    // Tab goes from red to green to blue.
    void tabOrderOfTheColourFields()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        auto* red = rig.child<QLineEdit>("lineEdit_R");
        typeInto(red, QString());
        QTest::keyClick(red, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.child<QWidget>("lineEdit_G"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.child<QWidget>("lineEdit_B"));
    }

    // The part switch on a keyboard without side light only says so.
    void noSideLight()
    {
        Rig rig("OV61M");
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QVERIFY(!rig.shown("frame_B"));
        QSignalSpy told(rig.lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        QSignalSpy changed(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        const colorInfoData before = rig.lights->currentColorInfo();
        rig.child<QToolButton>("toolButton_LightSelectTypeChanged")->click();

        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().at(0).toString(), QStringLiteral("The device has no atmosphere lamp"));
        QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
                 QStringLiteral("page_KeyboardLightMode"));
        QCOMPARE(rig.lights->currentColorInfo().ledType, before.ledType);
        QCOMPARE(changed.count(), 0);
        QTest::qWait(200);
        QVERIFY(effectReports(*rig.keyboard, 0x07).isEmpty());
    }

    // What the keyboard offers decides the buttons; no side list, no switch.
    void capability()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        lightCapabilityInfo keyboard;
        keyboard.lightTypeList = {0, 2, 13};
        keyboard.speedMax = 0;
        keyboard.brightnessMax = 3;
        auto* speed = rig.child<QFrame>("frame_SliderSpeed")->findChild<sliderCustomWidget*>();
        auto* brightness = rig.child<QFrame>("frame_SliderBrightness")->findChild<sliderCustomWidget*>();
        const QList<int> speedTicks = speed->tickPositions();
        rig.lights->setLightCapability(keyboard, lightCapabilityInfo());
        QStringList visible;
        for (QToolButton* button : rig.child<QWidget>("page_KeyboardLightMode")
                                       ->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (button->isVisibleTo(rig.lights))
                visible << button->objectName();
        }
        visible.sort();
        QCOMPARE(visible, (QStringList{"toolButton_CustomLed", "toolButton_MusicalRhythm", "toolButton_Static",
                                       "toolButton_Wave"}));
        QVERIFY(!rig.shown("frame_B"));
        // A maximum of 0 leaves the speed steps as they were.
        rig.lights->loadProfileLightType();
        QCOMPARE(speed->tickPositions(), speedTicks);
        QCOMPARE(brightness->tickPositions().size(), 4);
    }

    // The keyboard's own change of its side light brings the side part up.
    void sideReportShowsTheSide()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QSignalSpy changed(rig.lights, &DLightsConfigPage::sigLightConfigHaveChanged);
        SimulatedLighting::Setting setting;
        setting.effect = 4;
        setting.brightness = 2;
        setting.speed = 1;
        rig.keyboard->changeSideLight(setting);

        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), kTimeoutMs);
        QCOMPARE(changed.first().at(0).toInt(), -1);
        const colorInfoData reported = changed.first().at(1).value<colorInfoData>();
        QCOMPARE(reported.lightPart, 1);
        QCOMPARE(reported.ledType, 4);
        QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
                 QStringLiteral("page_SideLightMode"));
        QVERIFY(rig.child<QToolButton>("toolButton_SideNeon")->isChecked());
        QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("Side light: Neon"));
        QTest::qWait(200);
        QVERIFY(effectReports(*rig.keyboard, 0x07).isEmpty());
    }

    // A setting the profile lost is written again by the next change; a
    // change the store cannot write says so.
    void lostSettingIsStoredAgain()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QVERIFY(removeSetting(rig.page->profilePath(), 0, 2));
        QCOMPARE(rig.stored(0, 2).ledType, -1);
        rig.child<QPushButton>("pushButton_Up")->click();
        QCOMPARE(rig.stored(0, 2).ledType, 2);
        QCOMPARE(rig.stored(0, 2).ledDirection, 2);

        QSignalSpy told(rig.lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        {
            LockedFolder lock(QFileInfo(QString::fromLocal8Bit(rig.page->profilePath())).absolutePath());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            rig.child<QPushButton>("pushButton_Down")->click();
        }
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().at(0).toString(),
                 QStringLiteral("The light setting could not be saved or sent to the keyboard."));
    }

    // A change the keyboard's queue refuses is still kept, and said; a
    // profile file found damaged on the way is explained.
    void refusedReportAndDamagedFile()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QSignalSpy told(rig.lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        QSignalSpy notes(rig.lights, &DLightsConfigPage::sigStoreNotes_LightsConfigPage);
        MainHidInterFace* hid = rig.lights->hidInterface();
        rig.lights->setHidInterface(nullptr);
        rig.child<QPushButton>("pushButton_Up")->click();
        rig.lights->setHidInterface(hid);
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().at(0).toString(),
                 QStringLiteral("The light setting could not be saved or sent to the keyboard."));
        QCOMPARE(rig.stored(0, 2).ledDirection, 2);
        QCOMPARE(notes.count(), 0);

        QFile file(QString::fromLocal8Bit(rig.page->profilePath()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a profile");
        file.close();
        rig.child<QPushButton>("pushButton_Down")->click();
        QCOMPARE(notes.count(), 1);
        QVERIFY(!notes.first().at(0).toString().isEmpty());
    }

    // The texts follow the language; the fields keep the edited colour.
    void retranslateKeepsTheColour()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        rig.lights->retranslate();
        QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("Wave"));
        QCOMPARE(rig.child<QLineEdit>("lineEdit_R")->text(), QStringLiteral("255"));
        QCOMPARE(rig.child<QLineEdit>("lineEdit_G")->text(), QStringLiteral("0"));
        QCOMPARE(rig.child<QLabel>("label_24")->text(), QStringLiteral("Brightness:"));
        // The DPI button names no effect of its own, only its name.
        rig.child<QToolButton>("toolButton_MouseDPI")->click();
        QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("DPI"));
        QCOMPARE(rig.lights->keyboardEffect(), 2);
        // A stored DPI is named as such; a page that never loaded says Wave.
        COrvaneXML_ModifyProFileMouseLightUsingIndex(rig.page->profilePath(), rig.index(), 0, 13);
        rig.lights->loadProfileLightType();
        rig.lights->retranslate();
        QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("DPI"));
        DLightsConfigPage fresh;
        fresh.retranslate();
        QCOMPARE(fresh.findChild<QLabel*>(QStringLiteral("label_LightMode"))->text(), QStringLiteral("Wave"));
    }

    // Every theme restyles the page from the application sheet: texts,
    // fields and frames in its roles, the swatches in their light colours
    // and nothing else of their own.
    void themes()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        DDataManager* data = DDataManager::getInstance();
        for (int theme = 0; theme < 5; ++theme) {
            data->loadTheme(theme);
            DAppStyle::apply(theme);
            const themeColorData colours = data->themeColors();
            const DThemeRoles& roles = data->themeRoles();
            rig.page->setTheme();
            QCOMPARE(RenderedLook::text(rig.child<QLineEdit>("lineEdit_R")).rgb(), roles.color(DThemeRoles::Text).rgb());
            QCOMPARE(RenderedLook::text(rig.child<QLabel>("label_24")).rgb(), roles.color(DThemeRoles::Text).rgb());
            QCOMPARE(RenderedLook::text(rig.child<QLabel>("label_LightMode")).rgb(),
                     roles.color(DThemeRoles::AccentText).rgb());
            for (const char* framed : {"frame_3", "label_LightMode"}) {
                QWidget* w = rig.child<QWidget>(framed);
                QCOMPARE(RenderedLook::pixel(w, QPoint(w->width() / 2, 1)).rgb(),
                         roles.color(DThemeRoles::DeviceBorder).rgb());
            }
            QCOMPARE(rig.child<QLabel>("label_Color01")->styleSheet(), QStringLiteral("background-color: #ff0000;"));
            QCOMPARE(rig.child<QLineEdit>("lineEdit_R")->styleSheet(), QString());
            // The steppers paint their handle in the theme's colour: its
            // centre, somewhere down the handle's column, is that colour.
            const QColor handle = DThemeColor::fromText(colours.deviceSliderEllipseColor);
            for (const char* holder : {"frame_SliderBrightness", "frame_SliderSpeed"}) {
                auto* stepper = rig.child<QFrame>(holder)->findChild<sliderCustomWidget*>();
                const QImage painted = stepper->grab().toImage();
                int nearest = 3 * 255;
                for (int y = 0; y < painted.height(); ++y) {
                    const QColor c = painted.pixelColor(stepper->handleX(), y);
                    nearest = std::min(nearest, std::abs(c.red() - handle.red()) + std::abs(c.green() - handle.green())
                                                    + std::abs(c.blue() - handle.blue()));
                }
                // The centre is blended a little with what lies below.
                const bool found = nearest <= 80;
                QVERIFY2(found, qPrintable(QStringLiteral("%1 in theme %2").arg(QLatin1String(holder)).arg(theme)));
            }
        }
        data->loadTheme(0);
        DAppStyle::apply(0);
    }

    // The setting names keep their size in the languages with long words:
    // their column widens instead, and every name fits in it.
    void longSettingNamesKeepTheirSize()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        for (const char* language : {"German", "Russian"}) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
            rig.lights->retranslate();
            QCoreApplication::removeTranslator(&translator);
            rig.lights->resize(1100, 300);
            rig.lights->layout()->activate();
            for (const char* name : {"label_24", "label_25", "label_26"}) {
                auto* label = rig.child<QLabel>(name);
                QVERIFY2(label->text().endsWith(QLatin1Char(':')), qPrintable(label->text()));
                QCOMPARE(label->font().pointSize(), 12);
                // The stepper beside the name starts after it.
                QWidget* stepper = label->parentWidget()->findChild<sliderCustomWidget*>();
                if (stepper)
                    QVERIFY(stepper->mapTo(rig.lights, QPoint(0, 0)).x()
                            >= label->mapTo(rig.lights, QPoint(label->width(), 0)).x());
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(QStringLiteral("%1 %2 %3 %4").arg(language, label->text())
                                        .arg(label->fontMetrics().horizontalAdvance(label->text()))
                                        .arg(label->width())));
            }
        }
        rig.lights->retranslate();
    }

    // Hovering an effect button shows its name above it in one bubble,
    // reused for every hover.
    // The page says what its less obvious controls do: where each direction
    // runs, how a custom scheme is painted, what a row's box does; Enter
    // keeps a scheme's new name.
    void pageTellsWhatItDoes()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QStringList tips;
        for (const QString& name : kDirectionButtons)
            tips << rig.child<QPushButton>(qPrintable(name))->toolTip();
        QCOMPARE(tips, (QStringList{"To the right", "To the left", "Upwards", "Downwards", "Outwards from the center",
                                    "Inwards to the center", "Clockwise", "Counterclockwise"}));

        rig.child<QToolButton>("toolButton_CustomLed")->click();
        auto* hint = rig.child<QLabel>("label_CustomHint");
        QVERIFY(hint->isVisibleTo(rig.lights));
        QCOMPARE(hint->text(), QStringLiteral("Select keys on the picture, then pick a color."));
        QTRY_VERIFY(!rig.lights->customLightRows().isEmpty());
        DCustomLightListItem* row = rig.lights->customLightRows().first();
        QCOMPARE(row->findChild<QCheckBox*>(QStringLiteral("checkBox"))->toolTip(),
                 QStringLiteral("Use this scheme on the keyboard"));

        QSignalSpy renamed(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
        QTest::mouseDClick(row, Qt::LeftButton);
        auto* edit = row->findChild<QLineEdit*>(QStringLiteral("lineEdit_CustomItemName"));
        QVERIFY(edit->isVisibleTo(row));
        edit->setText(QStringLiteral("Evening"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(row->customLightName(), QStringLiteral("Evening"));
        QVERIFY(!edit->isVisibleTo(row));
        std::list<customLightNodeInfo> nodes;
        COrvaneXML_SelectProFileCustomLightAllNodes(rig.page->profilePath(), rig.index(), &nodes);
        bool stored = false;
        for (const customLightNodeInfo& node : nodes)
            stored = stored || (QString::fromUtf8(node.index) == row->customLightIndex()
                                && QString::fromUtf8(node.name) == QStringLiteral("Evening"));
        QVERIFY(stored);
    }

    // The disc marks the colour being edited: the loaded top colour, a typed
    // one, the bottom colour when that is chosen.
    void discMarksTheEditedColour()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        auto* disc = rig.child<QFrame>("frame_Color")->findChild<SVColorArea*>();
        const colorInfoData stored = rig.stored(0, 2);
        QCOMPARE(disc->markedColor(), QColor(stored.topRed, stored.topGreen, stored.topBlue));
        typeInto(rig.child<QLineEdit>("lineEdit_B"), QStringLiteral("200"));
        QCOMPARE(disc->markedColor(), QColor(stored.topRed, stored.topGreen, 200));
        rig.child<QPushButton>("pushButton_BottomColor")->click();
        QCOMPARE(disc->markedColor(), QColor(stored.bottomRed, stored.bottomGreen, stored.bottomBlue));
    }

    void hoverTips()
    {
        Rig rig;
        QVERIFY(rig.page);
        QVERIFY(rig.open(2));
        QTest::qWait(600);
        auto* cross = rig.child<QToolButton>("toolButton_Cross");
        auto* switchButton = rig.child<QToolButton>("toolButton_LightSelectTypeChanged");
        const auto hover = [](QWidget* widget, QEvent::Type type) {
            QEvent event(type);
            QApplication::sendEvent(widget, &event);
        };
        const auto bubbles = [] {
            QList<ArrowWidget*> list;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* bubble = qobject_cast<ArrowWidget*>(top))
                    list << bubble;
            }
            return list;
        };
        const auto bubbleText = [&bubbles] {
            for (ArrowWidget* bubble : bubbles()) {
                if (bubble->isVisible()) {
                    for (QLabel* label : bubble->findChildren<QLabel*>())
                        return label->text();
                }
            }
            return QString();
        };
        const int before = bubbles().size();
        hover(cross, QEvent::Enter);
        QCOMPARE(bubbleText(), QStringLiteral("Cross"));
        ArrowWidget* shown = nullptr;
        for (ArrowWidget* bubble : bubbles())
            shown = bubble->isVisible() ? bubble : shown;
        QVERIFY(shown);
        const QPoint crossCentre = cross->mapToGlobal(cross->rect().center());
        QVERIFY(shown->geometry().top() < cross->mapToGlobal(QPoint(0, 0)).y());
        QVERIFY(shown->geometry().left() < crossCentre.x() && crossCentre.x() < shown->geometry().right());
        hover(cross, QEvent::Leave);
        QVERIFY(!shown->isVisible());
        hover(switchButton, QEvent::Enter);
        QCOMPARE(bubbleText(), QStringLiteral("Keyboard/Ambient"));
        hover(switchButton, QEvent::Leave);

        const int objects = rig.lights->findChildren<QObject*>().size();
        for (int i = 0; i < 1000; ++i) {
            hover(cross, QEvent::Enter);
            hover(cross, QEvent::Leave);
        }
        QCoreApplication::processEvents();
        QCOMPARE(bubbles().size(), before + 1);
        QCOMPARE(rig.lights->findChildren<QObject*>().size(), objects);
    }
};

ORVANE_TEST_MAIN(tst_DLightsConfigPage)
#include "tst_DLightsConfigPage.moc"
