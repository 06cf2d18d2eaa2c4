// The key page's hook around the real macro editor on a device page with a
// simulated keyboard: off while the editor is open, between recordings and
// after a key field lost the focus; after the editor closes, however it was
// closed and whatever it was doing, back in pass-through for a key-press
// light effect and off for any other. Keys come from a fake input source.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/InstalledHookSource.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <memory>

using namespace StoreTestSupport;
using Delivery = FakeInputHookSource::Delivery;

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr quint32 kVkB = 0x42;

enum class Closing { FromKeyField, DuringRecording, AfterRecording };

} // namespace

Q_DECLARE_METATYPE(Closing)

class tst_macroEditorPassThrough : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeInputHookSource> m_source;

    Delivery typeB()
    {
        const Delivery press = m_source->injectKey(kVkB, 0x30, 0);
        m_source->injectKey(kVkB, 0x30, 0x80);
        return press;
    }

    static void clickRecord(DMacroPage* editor)
    {
        QTest::mouseClick(editor->findChild<QWidget*>(QStringLiteral("frame_Record")), Qt::LeftButton);
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_source = std::make_unique<InstalledHookSource>();
    }
    void cleanup()
    {
        m_source.reset();
    }

    void hookAroundTheEditor_data()
    {
        QTest::addColumn<int>("effectId");
        QTest::addColumn<Closing>("closing");
        QTest::addColumn<bool>("passThrough");
        for (int effectId : {7, 1}) {
            const QString name = QStringLiteral("effect %1, ").arg(effectId);
            QTest::newRow(qPrintable(name + QStringLiteral("closed from a key field")))
                << effectId << Closing::FromKeyField << (effectId == 7);
            QTest::newRow(qPrintable(name + QStringLiteral("closed while recording")))
                << effectId << Closing::DuringRecording << (effectId == 7);
            QTest::newRow(qPrintable(name + QStringLiteral("closed after a recording")))
                << effectId << Closing::AfterRecording << (effectId == 7);
        }
    }
    void hookAroundTheEditor()
    {
        QFETCH(int, effectId);
        QFETCH(Closing, closing);
        QFETCH(bool, passThrough);
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        colorInfoData effect{};
        effect.ledType = effectId;
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(effectId, effect);
        QCOMPARE(keys->isKeyboardHookEnabled(), effectId == 7);

        const QByteArray macros
            = QFile::encodeName(DDataManager::getInstance()->userConfigDir()
                                + QStringLiteral("/passThrough%1.xml").arg(QTest::currentDataTag()));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
        // As the main window opens the editor.
        page->findChild<QToolButton*>(QStringLiteral("toolButton_MacroDialog"))->click();
        QPointer<DMacroPage> editor = new DMacroPage;
        connect(editor, &DMacroPage::sigMacroPageClose, page.get(), &DDevicePage::onMacroPageClose);
        editor->setMacroFilePath(macros.constData());
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_COMPARE(editor->findChildren<DMacroListItem*>().size(), 1);
        QCOMPARE(typeB(), Delivery::NoHook);

        // A key field takes the hook while it has the focus, and gives it up.
        auto* keyField = editor->findChild<QLineEdit*>(QStringLiteral("lineEdit_PressKey"));
        keyField->setFocus();
        QTRY_VERIFY(keyField->hasFocus());
        QCOMPARE(typeB(), Delivery::Swallowed);
        editor->findChild<QLineEdit*>(QStringLiteral("lineEdit_DefaultDelayNum"))->setFocus();
        QTRY_VERIFY(!keyField->hasFocus());
        QCOMPARE(typeB(), Delivery::NoHook);
        QVERIFY(!keys->isKeyboardHookEnabled());

        if (closing == Closing::FromKeyField) {
            editor->findChild<QLineEdit*>(QStringLiteral("lineEdit_EnterKey"))->setFocus();
            QCOMPARE(typeB(), Delivery::Swallowed);
        } else {
            clickRecord(editor);
            QCOMPARE(typeB(), Delivery::Swallowed);
            if (closing == Closing::AfterRecording) {
                clickRecord(editor);
                // Stopped, the editor still open: off.
                QCOMPARE(typeB(), Delivery::NoHook);
                QVERIFY(!keys->isKeyboardHookEnabled());
            }
        }
        editor->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(editor.isNull());
        QCoreApplication::processEvents();

        QCOMPARE(keys->isKeyboardHookEnabled(), passThrough);
        QCOMPARE(typeB(), passThrough ? Delivery::Passed : Delivery::NoHook);
        QVERIFY(!WindowsHookInterface::mouseHookInstalled());
        Q_UNUSED(keyboard)
    }
};

ORVANE_TEST_MAIN(tst_macroEditorPassThrough)
#include "tst_macroEditorPassThrough.moc"
