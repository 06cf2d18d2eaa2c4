// The program started again on the same simulated keyboard finds what was
// applied before, as with a real keyboard's on-board memory: the light
// effect with its colours on the lighting page, and a key's trigger travel
// on the trigger page.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/TestMain.h"
#include "support/TriggerPageSession.h"

#include "sim/SimulatedKeyboardMemory.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

namespace {

constexpr int kNeon = 3;
const QColor kColour(10, 200, 30);
const std::string kSerial = "5a0000restartedsimulatedkeyboard";

// As a user types into a field: focused, all of it at once.
void typeInto(QWidget* page, const char* name, const QString& text)
{
    auto* field = page->findChild<QLineEdit*>(QLatin1String(name));
    QApplication::setActiveWindow(field->window());
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    field->insert(text);
}

QColor topColour(const colorInfoData& info)
{
    return QColor(info.topRed, info.topGreen, info.topBlue);
}

} // namespace

class tst_restartOnSimulatedKeyboards : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_memory;

    // One program start on the keyboard: it comes with what it kept.
    bool start(TriggerPageSession& session)
    {
        return session.start("OV68M", false, [this](const std::shared_ptr<SimulatedKeyboard>& keyboard) {
            keyboard->setSerialNumberRaw(kSerial);
            SimulatedKeyboardMemory(m_memory.path()).keep(keyboard);
        });
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void restartFindsWhatWasApplied()
    {
        QByteArray kept;
        {
            TriggerPageSession first;
            QVERIFY(start(first));
            SimulatedKeyboard& keyboard = first.keyboard();
            QCOMPARE(int(keyboard.lighting().keyboardSetting().effect), 1); // Breath from the factory

            first.showPage("toolButton_LightConfig");
            DLightsConfigPage* lights = first.probe().lightsConfigPage();
            lights->findChild<QToolButton*>(QStringLiteral("toolButton_Neon"))->click();
            typeInto(lights, "lineEdit_R", QString::number(kColour.red()));
            typeInto(lights, "lineEdit_G", QString::number(kColour.green()));
            typeInto(lights, "lineEdit_B", QString::number(kColour.blue()));
            QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().keyboardSetting().effect == kNeon
                                         && keyboard.lighting().keyboardSetting().top
                                                == (std::array<uint8_t, 3>{10, 200, 30}),
                                     TriggerPageSession::kAnswerTimeoutMs);

            first.showPage("toolButton_TriggerSetting");
            first.markSent();
            first.clickKey(2, 3);
            first.expectSent({"select 2/3", "query 2/3"});
            QTRY_VERIFY_WITH_TIMEOUT(first.triggerChild<QPushButton>("pushButton_TriggerApply")->isEnabled(),
                                     TriggerPageSession::kAnswerTimeoutMs);
            first.triggerChild<QCheckBox>("checkBox_QuickTrigger")->click();
            first.triggerChild<QSlider>("horizontalSlider_PressReleaseJourney")->setValue(15);
            first.triggerChild<QPushButton>("pushButton_TriggerApply")->click();
            first.expectSent({"apply 12 2/3 20 20 15 15"});
            kept = SimulatedKeyboardMemory::encode(keyboard.memory());
        }

        TriggerPageSession again;
        QVERIFY(start(again));
        // The keyboard holds what it was last given, before and after the
        // program's start-up talk with it.
        QCOMPARE(SimulatedKeyboardMemory::encode(again.keyboard().memory()), kept);

        again.showPage("toolButton_LightConfig");
        DLightsConfigPage* lights = again.probe().lightsConfigPage();
        QTRY_COMPARE_WITH_TIMEOUT(lights->keyboardEffect(), kNeon, TriggerPageSession::kAnswerTimeoutMs);
        QCOMPARE(topColour(lights->currentColorInfo()), kColour);

        again.showPage("toolButton_TriggerSetting");
        again.markSent();
        again.clickKey(2, 3);
        again.expectSent({"select 2/3", "query 2/3"});
        QTRY_VERIFY_WITH_TIMEOUT(again.triggerChild<QCheckBox>("checkBox_QuickTrigger")->isChecked(),
                                 TriggerPageSession::kAnswerTimeoutMs);
        QCOMPARE(again.triggerChild<QSlider>("horizontalSlider_PressReleaseJourney")->value(), 15);
        QCOMPARE(again.triggerChild<QLabel>("label_Journey3")->text(), QStringLiteral("1.5mm"));
        QVERIFY((again.keyboard().magnetic().key(2, 3) == SimulatedMagnetic::KeySetting{12, 20, 20, 15, 15}));
    }
};

ORVANE_TEST_MAIN(tst_restartOnSimulatedKeyboards)
#include "tst_restartOnSimulatedKeyboards.moc"
