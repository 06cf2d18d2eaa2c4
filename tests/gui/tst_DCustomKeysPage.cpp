// The key customisation page over the real profile store and temporary
// layer files: the function list, opening the page of a clicked key's
// stored function (with the magnetic layer's fallback), the messages, the
// key marks, the Default page's reset with the profile's macro copies, the
// failure path of a profile that cannot be written, and the form.
#include "support/ApplicationSetUp.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DAppStyle.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;

bool addEntry(const QByteArray& path, const char* profile, int key, const QByteArray& type,
              const QByteArray& value = "7")
{
    return COrvaneXML_AddProFileMacroWithKeyInfoItem(path, profile, QByteArray::number(key), "K", type, "1", "1",
                                                     value);
}

bool hasEntry(const QByteArray& path, const char* profile, int key)
{
    keyOperateInfo info;
    setText(info.keyCode, "-1");
    COrvaneXML_SelectProFileKeyOperateInfo(path, profile, QByteArray::number(key), &info);
    return QByteArray(info.keyCode) != "-1";
}

// The colour of a key cap's border over black: what its mark shows.
QColor capBorder(keyboardButCustom& cap)
{
    QPalette palette = cap.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Button, Qt::black);
    cap.setPalette(palette);
    return cap.grab().toImage().pixelColor(0, cap.height() / 2);
}

} // namespace

class tst_DCustomKeysPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_default, m_fn, m_magnetic;
    std::unique_ptr<DCustomKeysPage> m_page;
    std::unique_ptr<keyboardButCustom> m_capA;

    template<typename T = QWidget>
    T* child(const char* name) const
    {
        return m_page->findChild<T*>(QLatin1String(name));
    }
    QString shownPage() const
    {
        return child<QStackedWidget>("stackedWidget_Customize")->currentWidget()->objectName();
    }
    QString checkedFunction() const
    {
        for (auto* button : m_page->findChildren<QToolButton*>()) {
            if (button->objectName().startsWith(QLatin1String("toolButton_")) && button->isChecked())
                return button->objectName();
        }
        return {};
    }
    // The key label of the page's side column (the Default page has its own).
    QString keyLabel() const
    {
        // Its frame's name is used again inside the remap page.
        for (auto* label : m_page->findChildren<QLabel*>(QStringLiteral("label_KeyChar"))) {
            if (label->parentWidget()->objectName() == QLatin1String("frame_6"))
                return label->text();
        }
        return QStringLiteral("no key label");
    }
    // The Default page's OK (the disable page has one too).
    QPushButton* resetPageOk() const
    {
        return child<QWidget>("page_Default")->findChild<QPushButton*>(QStringLiteral("pushButton_OK"));
    }
    // The key label of the Default page.
    QString resetPageKey() const
    {
        return child<QWidget>("page_Default")->findChild<QLabel*>(QStringLiteral("label_KeyChar"))->text();
    }
    void openLayer(const QByteArray& path)
    {
        DDataManager::getInstance()->setCurrentProfilePath(path);
        m_page->setProfilePath(path);
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_default = pathIn(*m_dir, QStringLiteral("appProfile_Default.xml"));
        m_fn = pathIn(*m_dir, QStringLiteral("appProfile_FN.xml"));
        m_magnetic = pathIn(*m_dir, QStringLiteral("appProfile_Magnetic.xml"));
        for (const QByteArray& path : {m_default, m_fn, m_magnetic})
            QVERIFY(createLayerFile(path, 2, 1));
        DDataManager* data = DDataManager::getInstance();
        data->setCurrentProfileIndex(1);
        data->setMagneticProfilePath(m_magnetic);
        data->setMagneticKeyboard(false);
        data->setDefaultLayerSelected(true);
        data->setHasSideLight(false);
        m_capA = std::make_unique<keyboardButCustom>();
        m_capA->setKeyInfo(kKeyA, QStringLiteral("A"));
        m_capA->setFixedKeySize(40, 40);
        data->setKeyButtonMap({{kKeyA, m_capA.get()}});
        data->setKeyButtonList({m_capA.get()});
        m_page = std::make_unique<DCustomKeysPage>();
        m_page->setProfileIndex(1);
        openLayer(m_default);
        m_page->initPageState(0);
    }
    void cleanup()
    {
        m_page.reset();
        DDataManager::getInstance()->setKeyButtonMap({});
        DDataManager::getInstance()->setKeyButtonList({});
        DDataManager::getInstance()->clearCurrentKey();
        m_capA.reset();
    }

    void functionTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("stackPage");
        const struct
        {
            int id;
            const char* button;
            const char* page;
        } rows[] = {
            {0, "toolButton_Default", "page_Default"},
            {1, "toolButton_Macro", "page_Macro"},
            {2, "toolButton_RemapKey", "page_RemapKey"},
            {3, "toolButton_Mouse", "page_Mouse"},
            {4, "toolButton_Text", "page_Text"},
            {5, "toolButton_Disable", "page_Disable"},
            {6, "toolButton_Multimedia", "page_Multimedia"},
            {7, "toolButton_CombinationKey", "page_CombinationKey"},
            {8, "toolButton_OpenApp", "page_OpenApp"},
            {9, "toolButton_Shortcuts", "page_Shortcuts"},
            {10, "toolButton_SwitchProfile", "page_SwitchProfile"},
            {19, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout"},
            {20, "toolButton_KBLightAbout", "page_KeyboardLightAbout"},
            {30, "toolButton_SideLightAbout", "page_SideLightAbout"},
            {40, "toolButton_SeniorKeys", "page_SeniorKeysBind"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.button) << row.id << QString::fromLatin1(row.button) << QString::fromLatin1(row.page);
        // Ids outside the table change nothing.
        QTest::newRow("id 11") << 11 << QStringLiteral("toolButton_Mouse") << QStringLiteral("page_Mouse");
        QTest::newRow("id -1") << -1 << QStringLiteral("toolButton_Mouse") << QStringLiteral("page_Mouse");
    }
    void functionTable()
    {
        QFETCH(int, id);
        QFETCH(QString, button);
        QFETCH(QString, stackPage);
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

        // Without a key every choice is refused.
        m_page->onCurIndexChanged_Key(id == 0 ? 3 : id);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("Please select one Key first"));
        QCOMPARE(checkedFunction(), QStringLiteral("toolButton_Default"));
        QCOMPARE(shownPage(), QStringLiteral("page_Default"));

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        m_page->onCurIndexChanged_Key(3);
        m_page->onCurIndexChanged_Key(id);
        QCOMPARE(checkedFunction(), button);
        QCOMPARE(shownPage(), stackPage);
        QCOMPARE(m_page->findChild<QButtonGroup*>()->checkedButton()->objectName(), button);
        QCOMPARE(messages.size(), 1);
        // Choosing loads the page for the key: the Default page shows it.
        if (id == 0)
            QCOMPARE(resetPageKey(), QStringLiteral("A"));
        // Nothing was stored by choosing.
        QVERIFY(!hasEntry(m_default, "1", kKeyA));
    }

    void keyClickOpensStoredFunction_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("page");
        QTest::newRow("none") << -1 << QStringLiteral("page_Default");
        const struct
        {
            int first, last;
            const char* page;
        } rows[] = {
            {0, 0, "page_RemapKey"},
            {1, 1, "page_Macro"},
            {2, 2, "page_CombinationKey"},
            {3, 3, "page_Multimedia"},
            {4, 4, "page_Mouse"},
            {5, 5, "page_Disable"},
            {6, 6, "page_Text"},
            {7, 7, "page_SwitchProfile"},
            {8, 8, "page_OpenApp"},
            {9, 9, "page_Shortcuts"},
            {19, 19, "page_KeyConfigFunctionAbout"},
            {20, 27, "page_KeyboardLightAbout"},
            {30, 34, "page_SideLightAbout"},
            {40, 40, "page_SeniorKeysBind"},
        };
        for (const auto& row : rows) {
            for (int type = row.first; type <= row.last; ++type)
                QTest::newRow(qPrintable(QStringLiteral("type %1").arg(type))) << type << QString::fromLatin1(row.page);
        }
    }
    void keyClickOpensStoredFunction()
    {
        QFETCH(int, type);
        QFETCH(QString, page);
        if (type >= 0)
            QVERIFY(addEntry(m_default, "1", kKeyA, QByteArray::number(type)));
        const QByteArray before = readFileBytes(m_default);
        QSignalSpy intoPage(m_page.get(), &DCustomKeysPage::sigAutoIntoCustomKeysPage);
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("Ä"));
        QCOMPARE(intoPage.size(), 1);
        QCOMPARE(keyLabel(), QStringLiteral("Ä"));
        QCOMPARE(shownPage(), page);
        QCOMPARE(messages.size(), 0);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // On magnetic-switch keyboards a key without an entry in the layer shown
    // opens the page of its heavy-press entry; the layer's entry wins.
    void magneticLayerFallback_data()
    {
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<bool>("fnLayer");
        QTest::addColumn<int>("layerType");
        QTest::addColumn<int>("magneticType");
        QTest::addColumn<QString>("page");
        QTest::newRow("magnetic only") << true << false << -1 << 4 << "page_Mouse";
        QTest::newRow("magnetic only, FN layer") << true << true << -1 << 4 << "page_Mouse";
        QTest::newRow("both: the layer wins") << true << false << 3 << 4 << "page_Multimedia";
        QTest::newRow("not magnetic") << false << false << -1 << 4 << "page_Default";
    }
    void magneticLayerFallback()
    {
        QFETCH(bool, magnetic);
        QFETCH(bool, fnLayer);
        QFETCH(int, layerType);
        QFETCH(int, magneticType);
        QFETCH(QString, page);
        DDataManager::getInstance()->setMagneticKeyboard(magnetic);
        const QByteArray layer = fnLayer ? m_fn : m_default;
        openLayer(layer);
        // The magnetic file's profile "1" counts whatever profile is shown.
        DDataManager::getInstance()->setCurrentProfileIndex(2);
        m_page->setProfileIndex(2);
        if (layerType >= 0)
            QVERIFY(addEntry(layer, "2", kKeyA, QByteArray::number(layerType)));
        QVERIFY(addEntry(m_magnetic, "1", kKeyA, QByteArray::number(magneticType)));
        const QByteArray before = readFileBytes(m_magnetic);
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QCOMPARE(shownPage(), page);
        QCOMPARE(readFileBytes(m_magnetic), before);
    }

    // An entry of an unknown kind leaves the page on show, loaded for the new
    // key: its next store goes to that key.
    void unknownTypeKeepsPageForNewKey()
    {
        QVERIFY(addEntry(m_default, "1", kKeyB, "28"));
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QCOMPARE(shownPage(), QStringLiteral("page_Default"));
        DDataManager::getInstance()->setCurrentKey(kKeyB, QStringLiteral("B"));
        QCOMPARE(shownPage(), QStringLiteral("page_Default"));
        QCOMPARE(resetPageKey(), QStringLiteral("B"));
        resetPageOk()->click();
        QVERIFY(!hasEntry(m_default, "1", kKeyB));
    }

    void messages_data()
    {
        QTest::addColumn<int>("operateType");
        QTest::addColumn<int>("errorIndex");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty text") << 6 << 0 << "Setting failed because the text is empty";
        QTest::newRow("no key") << 10 << 0 << "Please select one Key first";
        QTest::newRow("not saved") << 3 << 1 << "Setting failed because the profile could not be saved";
        QTest::newRow("reset not saved") << 10 << 1 << "Setting failed because the profile could not be saved";
        QTest::newRow("other") << 3 << 0 << "Unknow";
        QTest::newRow("other reason") << 6 << 7 << "Unknow";
    }
    void messages()
    {
        QFETCH(int, operateType);
        QFETCH(int, errorIndex);
        QFETCH(QString, message);
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        auto* mouse = m_page->findChild<DMouseKeyPage*>();
        emit mouse->sigCustomKeyInfoSaveFailed(operateType, errorIndex);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), message);

        emit mouse->sigCustomKeyInfoSaveSuccessful();
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Operate successful"));
        // Remaps and key combinations are stored key after key, silently;
        // their failures are told.
        const int count = messages.size();
        emit m_page->findChild<DChangeKeyPage*>()->sigCustomKeyInfoSaveSuccessful();
        emit m_page->findChild<DKeyCombinationPage*>()->sigCustomKeyInfoSaveSuccessful();
        QCOMPARE(messages.size(), count);
        emit m_page->findChild<DKeyCombinationPage*>()->sigCustomKeyInfoSaveFailed(2, 1);
        QCOMPARE(messages.size(), count + 1);
    }

    // The mark a key cap gets after a store and after a reset.
    void keyMarks_data()
    {
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<bool>("defaultLayer");
        QTest::addColumn<bool>("lightEntry");
        QTest::addColumn<bool>("heavyEntry");
        QTest::addColumn<bool>("heavyColour");
        QTest::addColumn<bool>("markedAfterReset");
        QTest::newRow("plain keyboard") << false << true << true << true << false << false;
        QTest::newRow("magnetic, default layer, light entry") << true << true << true << false << false << true;
        QTest::newRow("magnetic, default layer, heavy entry") << true << true << false << true << true << false;
        QTest::newRow("magnetic, default layer, both") << true << true << true << true << true << true;
        QTest::newRow("magnetic, FN layer") << true << false << true << true << false << false;
        QTest::newRow("magnetic, default layer, none") << true << true << false << false << false << false;
    }
    void keyMarks()
    {
        QFETCH(bool, magnetic);
        QFETCH(bool, defaultLayer);
        QFETCH(bool, lightEntry);
        QFETCH(bool, heavyEntry);
        QFETCH(bool, heavyColour);
        QFETCH(bool, markedAfterReset);
        DDataManager* data = DDataManager::getInstance();
        data->setMagneticKeyboard(magnetic);
        data->setDefaultLayerSelected(defaultLayer);
        if (lightEntry)
            QVERIFY(addEntry(m_default, "1", kKeyA, "3"));
        if (heavyEntry)
            QVERIFY(addEntry(m_magnetic, "1", kKeyA, "3"));
        const QColor mark
            = heavyColour ? data->customKeyMarkColor() : DThemeColor::fromText(data->themeColors().textCheckedColor);

        emit m_page->findChild<DMouseKeyPage*>()->sigShoudUpdateKeyboard(kKeyA);
        QCOMPARE(capBorder(*m_capA), mark);
        // The Default page's refresh keeps the mark only while the layer file
        // still holds a light-press entry.
        emit m_page->findChild<DResetDefaultPage*>()->sigShoudUpdateKeyboard(kKeyA);
        QCOMPARE(capBorder(*m_capA), markedAfterReset ? mark : QColor(Qt::black));
        // A key without a cap is passed over.
        emit m_page->findChild<DMouseKeyPage*>()->sigShoudUpdateKeyboard(kKeyB);
    }

    void resetPage()
    {
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        auto* reset = m_page->findChild<DResetDefaultPage*>();
        QSignalSpy updated(reset, &DResetDefaultPage::sigShoudUpdateKeyboard);
        QSignalSpy saved(reset, &DResetDefaultPage::sigCustomKeyInfoSaveSuccessful);
        QSignalSpy failed(reset, &DResetDefaultPage::sigCustomKeyInfoSaveFailed);
        auto* ok = resetPageOk();
        QCOMPARE(resetPageKey(), QStringLiteral("NULL"));

        // Without a key.
        ok->click();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0), (QVariantList{10, 0}));
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Please select one Key first"));
        QCOMPARE(updated.size(), 0);

        // A key without an entry still gets both signals, in order.
        QObject::connect(reset, &DResetDefaultPage::sigShoudUpdateKeyboard, reset, [&] { QCOMPARE(saved.size(), 0); });
        DDataManager::getInstance()->setCurrentKey(kKeyB, QStringLiteral("B"));
        const QByteArray before = readFileBytes(m_default);
        ok->click();
        QCOMPARE(updated.size(), 1);
        QCOMPARE(updated.at(0).at(0).toInt(), kKeyB);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Operate successful"));
        QCOMPARE(readFileBytes(m_default), before);
    }

    // A macro binding takes the profile's copy of its macro along only when
    // no other key of the profile uses that macro.
    void resetMacroBinding_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::newRow("only user") << false;
        QTest::newRow("shared") << true;
    }
    void resetMacroBinding()
    {
        QFETCH(bool, shared);
        QVERIFY(addEntry(m_default, "1", kKeyA, "1", "3"));
        QVERIFY(addEntry(m_default, "1", 30, "4", "3"));
        if (shared)
            QVERIFY(addEntry(m_default, "1", kKeyB, "1", "3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(m_default, "1", keyPress("1", "4", "A"), "3", "Macro3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(m_default, "1", keyPress("1", "5", "B"), "4", "Macro4"));

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QCOMPARE(shownPage(), QStringLiteral("page_Macro"));
        m_page->onCurIndexChanged_Key(0);
        resetPageOk()->click();

        QVERIFY(!hasEntry(m_default, "1", kKeyA));
        QVERIFY(hasEntry(m_default, "1", 30));
        std::list<macroEventItem> copy3, copy4;
        COrvaneXML_ProFileMacroWithKeyInfoSelectAll(m_default, "1", "3", "", &copy3);
        COrvaneXML_ProFileMacroWithKeyInfoSelectAll(m_default, "1", "4", "", &copy4);
        QCOMPARE(copy3.empty(), !shared);
        QCOMPARE(copy4.size(), std::size_t(2));
    }

    // A profile that cannot be written: the failure message, no success
    // signal, no mark, the file as it was and the page showing what is stored.
    void failedReset()
    {
        QVERIFY(addEntry(m_default, "1", kKeyA, "3"));
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        m_page->onCurIndexChanged_Key(0);
        const QByteArray before = readFileBytes(m_default);
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        QSignalSpy saved(m_page->findChild<DResetDefaultPage*>(), &DResetDefaultPage::sigCustomKeyInfoSaveSuccessful);
        {
            LockedFolder lock(m_dir->path());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            resetPageOk()->click();
        }
        QCOMPARE(saved.size(), 0);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(readFileBytes(m_default), before);
        QVERIFY(hasEntry(m_default, "1", kKeyA));
        QCOMPARE(capBorder(*m_capA), QColor(Qt::black));
        QCOMPARE(resetPageKey(), QStringLiteral("A"));
    }

    // A page without a file writes nowhere and says so.
    void resetWithoutFile()
    {
        DDataManager::getInstance()->setCurrentProfilePath("");
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        resetPageOk()->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
    }

    // A damaged layer file found while a key is looked up is told at once.
    void setAsideFileIsTold()
    {
        QFile damaged(QFile::decodeName(m_fn));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("<not-a-profile");
        damaged.close();
        openLayer(m_fn);
        QSignalSpy messages(m_page.get(), &DCustomKeysPage::sigStoreNotes_CustomKeysPage);
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.at(0).at(0).toString().contains(QLatin1String("appProfile_FN.xml")),
                 qPrintable(messages.at(0).at(0).toString()));
    }

    void pageState()
    {
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(addEntry(m_default, "1", kKeyA, "4"));
        data->setCurrentKey(kKeyA, QStringLiteral("A"));
        QCOMPARE(shownPage(), QStringLiteral("page_Mouse"));
        m_capA->setLightColorEnabled(true);

        data->setHasSideLight(true);
        m_page->initPageState(1);
        QCOMPARE(shownPage(), QStringLiteral("page_Default"));
        QCOMPARE(checkedFunction(), QStringLiteral("toolButton_Default"));
        QCOMPARE(keyLabel(), QStringLiteral("NULL"));
        QCOMPARE(resetPageKey(), QStringLiteral("NULL"));
        QCOMPARE(data->currentKeyCode(), -1);
        QVERIFY(child<QPushButton>("pushButton_FnLayer")->isChecked());
        QVERIFY(!child<QPushButton>("pushButton_DefaultLayer")->isChecked());
        QVERIFY(!child<QToolButton>("toolButton_SideLightAbout")->isHidden());
        m_page->initPageState(7);
        QVERIFY(child<QPushButton>("pushButton_FnLayer")->isChecked());
        data->setHasSideLight(false);
        m_page->initPageState(0);
        QVERIFY(child<QPushButton>("pushButton_DefaultLayer")->isChecked());
        QVERIFY(child<QToolButton>("toolButton_SideLightAbout")->isHidden());
        QVERIFY(child<QToolButton>("toolButton_SwitchProfile")->isHidden());

        // The layer buttons ask the device page to switch.
        QSignalSpy layers(m_page.get(), &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
        child<QPushButton>("pushButton_FnLayer")->click();
        child<QPushButton>("pushButton_DefaultLayer")->click();
        QCOMPARE(layers.size(), 2);
        QCOMPARE(layers.at(0).at(0).toInt(), 1);
        QCOMPARE(layers.at(1).at(0).toInt(), 0);

        // resetKeyPage adapts the list to the keyboard kind.
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        for (bool magnetic : {true, false}) {
            data->setMagneticKeyboard(magnetic);
            m_page->setCurrentLayer(magnetic ? 0 : 999);
            m_page->onCurIndexChanged_Key(3);
            m_page->resetKeyPage();
            QCOMPARE(shownPage(), QStringLiteral("page_Default"));
            QCOMPARE(child<QToolButton>("toolButton_SeniorKeys")->isHidden(), !magnetic);
            // The dividing line shows beside the advanced keys' button only.
            auto* line = child<QFrame>("frame_Line");
            const QColor drawn = RenderedLook::pixel(line, QPoint(0, line->height() / 2));
            const QColor border = data->themeRoles().color(DThemeRoles::DeviceBorder);
            QCOMPARE(drawn.rgb() == border.rgb(), magnetic);
            // The press choice stays hidden whatever the layer.
            QVERIFY(child<QWidget>("page_Default")->findChild<QWidget*>(QStringLiteral("frame_Top2"))->isHidden());
        }
    }

    void languageChangeKeepsKeyLabel()
    {
        QCOMPARE(keyLabel(), QStringLiteral("NULL"));
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("Ö"));
        m_page->onCurIndexChanged_Key(0);
        m_page->retranslate();
        QCOMPARE(keyLabel(), QStringLiteral("Ö"));
        QCOMPARE(resetPageKey(), QStringLiteral("Ö"));
        QVERIFY(child<QLabel>("label_Loading")->movie());
        QCOMPARE(child<QPushButton>("pushButton_Download")->text(), QStringLiteral("Download"));
    }

    void download()
    {
        QSignalSpy asked(m_page.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
        auto* loading = child<QLabel>("label_Loading");
        QVERIFY(loading->movie()->isValid());
        auto* button = child<QPushButton>("pushButton_Download");
        button->click();
        QCOMPARE(asked.size(), 1);
        QVERIFY(!loading->isHidden());
        QCOMPARE(loading->movie()->state(), QMovie::Running);
        // Leaving the tab and coming back keeps the download's mark.
        m_page->initPageState(0);
        button->click();
        QCOMPARE(asked.size(), 1);
        m_page->stopDownloadAnimation();
        QVERIFY(loading->isHidden());
        QCOMPARE(loading->movie()->state(), QMovie::NotRunning);
        button->click();
        QCOMPARE(asked.size(), 2);
    }

    void functionTips()
    {
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        auto* macro = child<QToolButton>("toolButton_Macro");
        auto* mouse = child<QToolButton>("toolButton_Mouse");
        // What the page does half a second after it was made.
        m_page->onInstallEventFilterOpen();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(macro, &enter);
        QApplication::sendEvent(mouse, &enter);
        const QList<ArrowWidget*> bubbles = [] {
            QList<ArrowWidget*> found;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* bubble = qobject_cast<ArrowWidget*>(window); bubble && bubble->isVisible())
                    found << bubble;
            }
            return found;
        }();
        QCOMPARE(bubbles.size(), 1);
        ArrowWidget* bubble = bubbles.first();
        QCOMPARE(bubble->size(), QSize(250, 70));
        QVERIFY(bubble->findChild<QLabel*>());
        QCOMPARE(bubble->findChild<QLabel*>()->text(), QStringLiteral("Mouse"));
        const QPoint bottomCentre = mouse->mapToGlobal(QPoint(mouse->width() / 2, mouse->height()));
        QCOMPARE(bubble->pos(), bottomCentre - QPoint(38, mouse->height() + 74));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(mouse, &leave);
        QVERIFY(!bubble->isVisible());
    }

    // Each function button shows its selected picture while hovered, pressed
    // or checked, and exactly one is checked.
    void functionButtonPictures()
    {
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        QList<QToolButton*> buttons;
        for (QAbstractButton* button : m_page->findChild<QButtonGroup*>()->buttons())
            buttons << qobject_cast<QToolButton*>(button);
        QCOMPARE(buttons.size(), 15);
        // The pictures are the application sheet's: a resting one, and a
        // selected one shared by hover, press and check.
        const QString sheet = qApp->styleSheet();
        for (QToolButton* button : buttons) {
            QVERIFY2(button->styleSheet().isEmpty(), qPrintable(button->objectName()));
            const QString name = QRegularExpression::escape(button->objectName());
            const QRegularExpression rest(QStringLiteral("QToolButton#%1,?[^{]*\\{\\s*border-image: url\\(\"?([^\")]*Def\\.png)").arg(name));
            const QRegularExpression picked(QStringLiteral("QToolButton#%1:hover,[^{]*:checked \\{\\s*border-image: url\\(\"?([^\")]*Sel\\.png)").arg(name));
            const QRegularExpressionMatch restMatch = rest.match(sheet);
            const QRegularExpressionMatch pickedMatch = picked.match(sheet);
            QVERIFY2(restMatch.hasMatch() && pickedMatch.hasMatch(), qPrintable(button->objectName()));
            QVERIFY2(!QPixmap(restMatch.captured(1)).isNull(), qPrintable(restMatch.captured(1)));
            QVERIFY2(!QPixmap(pickedMatch.captured(1)).isNull(), qPrintable(pickedMatch.captured(1)));
            button->click();
            int checked = 0;
            for (QToolButton* other : buttons)
                checked += other->isChecked() ? 1 : 0;
            QCOMPARE(checked, 1);
            QVERIFY(button->isChecked());
        }
        QVERIFY(!QPixmap(QStringLiteral(":/images/deviceLed/LightDownSel.png")).isNull());
    }

    // The page keeps no colour of its own: a theme change repaints it from
    // the application sheet.
    void backgroundFollowsTheTheme()
    {
        auto* frame = child<QFrame>("frame_Bg01");
        QCOMPARE(frame->styleSheet(), QString());
        QStringList seen;
        for (int theme : {1, 0}) {
            DDataManager::getInstance()->loadTheme(theme);
            DAppStyle::apply(theme);
            m_page->setTheme();
            const QColor panel = DDataManager::getInstance()->themeRoles().color(DThemeRoles::DevicePanel);
            QCOMPARE(RenderedLook::background(frame).rgb(), panel.rgb());
            seen << panel.name();
        }
        QVERIFY(seen.at(0) != seen.at(1));
        // The function buttons keep their pictures, drawn.
        auto* macro = child<QToolButton>("toolButton_Macro");
        macro->setChecked(false);
        const QImage drawn = macro->grab().toImage();
        bool inked = false;
        for (int i = 0; i < drawn.width() * drawn.height() && !inked; ++i)
            inked = drawn.pixelColor(i % drawn.width(), i / drawn.width()) != drawn.pixelColor(0, 0);
        QVERIFY(inked);
    }
};

ORVANE_TEST_MAIN(tst_DCustomKeysPage)
#include "tst_DCustomKeysPage.moc"
