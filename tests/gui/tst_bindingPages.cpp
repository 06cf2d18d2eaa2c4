// The pages that bind a key to something kept elsewhere: a macro of the
// macro file with its play mode (and the profile's own copy of the macro),
// a profile to switch to, and an advanced key. Over the real profile store:
// what a load shows, what each user action stores, and, in the key
// customisation page, the messages of a store that fails or cannot be made.
#include "support/ApplicationSetUp.h"
#include "support/CurrentProfileLayer.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>

#include <cstring>
#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;

bool putEntry(const QByteArray& path, int key, const QString& entry, const char* profile = "1")
{
    const QStringList f = entry.split(QLatin1Char('/'));
    return COrvaneXML_AddProFileMacroWithKeyInfoItem(path, profile, QByteArray::number(key), "K", f.at(0).toLatin1(),
                                                     f.at(1).toLatin1(), f.at(2).toLatin1(), f.at(3).toLatin1());
}

// The profile's copy of a macro, event by event; empty when it has none.
QStringList copyOf(const QByteArray& path, const char* macro, const char* profile = "1")
{
    std::list<macroEventItem> events;
    COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, profile, macro, "", &events);
    return describe(events);
}

QStringList macroEvents(const QByteArray& macroFile, const char* macro)
{
    std::list<macroEventItem> events;
    COrvaneXML_SelectAllKeyOrMouseEvent(macroFile, macro, &events);
    return describe(events);
}

seniorKeyInfoStu advancedKey(int index, const QByteArray& name)
{
    seniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.index = index;
    record.type = 1;
    setText(record.name, name);
    const int points[4] = {15, 36, 36, 15};
    std::memcpy(record.point, points, sizeof points);
    setText(record.key[0], "4");
    record.action[0] = 1;
    record.holdDuration = 10;
    return record;
}

// A pick in a combo box as the user makes it: the entry becomes current and
// is reported as activated, also when it was current already.
void pick(QComboBox* box, int item)
{
    box->setCurrentIndex(item);
    emit box->activated(item);
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i) + QLatin1Char('=') + box->itemData(i).toString();
    return items;
}

} // namespace

class tst_bindingPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CurrentProfileLayer> m_profile;
    QByteArray m_default;
    QByteArray m_macros;
    QByteArray m_advanced;

    void selectKey(int key)
    {
        DDataManager::getInstance()->setCurrentKey(key, key == kKeyA ? QStringLiteral("A") : QStringLiteral("B"));
    }
    static QComboBox* macroBox(QWidget* page) { return page->findChild<QComboBox*>(QStringLiteral("comboBox_Macro")); }
    static QLineEdit* countField(QWidget* page)
    {
        return page->findChild<QLineEdit*>(QStringLiteral("lineEdit_playMany"));
    }
    static QString checkedMode(QWidget* page)
    {
        QStringList checked;
        for (auto* button : page->findChildren<QRadioButton*>()) {
            if (button->isChecked())
                checked << button->objectName();
        }
        return checked.join(QLatin1Char('+'));
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_profile = std::make_unique<CurrentProfileLayer>(3);
        QVERIFY(m_profile->ready());
        m_default = m_profile->path();
        m_macros = m_profile->pathOf(QStringLiteral("macro.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(m_macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macros, "1", "First"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macros, keyPress("1", "4", "A"), "1"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macros, "3", "Third"));
        std::list<macroEventItem> third = keyPress("1", "5", "B");
        third.splice(third.end(), keyPress("2", "6", "C"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macros, third, "3"));
        m_advanced = m_profile->pathOf(QStringLiteral("seniorKeys.xml"));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(m_advanced));
        DDataManager* data = DDataManager::getInstance();
        QVERIFY(data->setMacroFilePath(m_macros));
        QVERIFY(data->setSeniorKeyFilePath(m_advanced));
        data->setMagneticKeyboard(false);
        selectKey(kKeyA);
    }
    void cleanup() { m_profile.reset(); }

    // What a load shows for the key's entry; a load never writes.
    void macroLoad_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("countEnabled");
        QTest::addColumn<QString>("macro");
        // Nothing is bound yet: no macro is offered as if chosen.
        QTest::newRow("no entry") << ""
                                  << "radioButton_playOne"
                                  << "1" << false << "";
        QTest::newRow("another function") << "9/1/1/3"
                                          << "radioButton_playOne"
                                          << "1" << false << "";
        QTest::newRow("once") << "1/1/1/3"
                              << "radioButton_playOne"
                              << "1" << false << "Third";
        QTest::newRow("many") << "1/7/2/3"
                              << "radioButton_playMany"
                              << "7" << true << "Third";
        QTest::newRow("toggle") << "1/1/3/1"
                                << "radioButton_playKeyPressRelStop"
                                << "1" << false << "First";
        QTest::newRow("while held") << "1/5/4/3"
                                    << "radioButton_playWhellKeyPress"
                                    << "1" << false << "Third";
        QTest::newRow("mode 0") << "1/1/0/3"
                                << "radioButton_playOne"
                                << "1" << false << "Third";
        QTest::newRow("mode 9") << "1/1/9/3"
                                << "radioButton_playOne"
                                << "1" << false << "Third";
        QTest::newRow("macro not in the file") << "1/4/2/8"
                                               << "radioButton_playMany"
                                               << "4" << true << "";
    }
    void macroLoad()
    {
        QFETCH(QString, stored);
        QFETCH(QString, mode);
        QFETCH(QString, count);
        QFETCH(bool, countEnabled);
        QFETCH(QString, macro);
        DMacroCmdPage page;
        // Key B leaves another mode and count on show first.
        QVERIFY(putEntry(m_default, kKeyB, QStringLiteral("1/9/2/1")));
        selectKey(kKeyB);
        page.loadCurrentKeyInfo();
        QCOMPARE(checkedMode(&page), QStringLiteral("radioButton_playMany"));
        if (!stored.isEmpty())
            QVERIFY(putEntry(m_default, kKeyA, stored));
        QSignalSpy saved(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
        const QByteArray before = readFileBytes(m_default);
        selectKey(kKeyA);
        page.loadCurrentKeyInfo();
        QCOMPARE(checkedMode(&page), mode);
        QCOMPARE(countField(&page)->text(), count);
        QCOMPARE(countField(&page)->isEnabled(), countEnabled);
        QCOMPARE(macroBox(&page)->currentText(), macro);
        QCOMPARE(itemsOf(macroBox(&page)), QStringList({"First=1", "Third=3"}));
        QCOMPARE(saved.size(), 0);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // User actions, one after another, and the key's entry after each
    // ("-" for an action that must store nothing, "refused" for one that
    // stores nothing and asks for a macro first).
    void macroStore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("entries");
        // A mode clicked before any macro was picked waits for the pick.
        QTest::newRow("once") << "" << QStringList{"mode radioButton_playOne", "pick 0"}
                              << QStringList{"refused", "1/1/1/1"};
        QTest::newRow("many") << "" << QStringList{"mode radioButton_playMany", "pick 0"}
                              << QStringList{"refused", "1/1/2/1"};
        QTest::newRow("toggle") << "" << QStringList{"mode radioButton_playKeyPressRelStop", "pick 0"}
                                << QStringList{"refused", "1/1/3/1"};
        QTest::newRow("while held") << "" << QStringList{"mode radioButton_playWhellKeyPress", "pick 0"}
                                    << QStringList{"refused", "1/1/4/1"};
        QTest::newRow("count typed before the pick")
            << "" << QStringList{"mode radioButton_playMany", "clear", "type 4", "pick 1"}
            << QStringList{"refused", "-", "refused", "1/4/2/3"};
        QTest::newRow("first macro picked") << "" << QStringList{"pick 0"} << QStringList{"1/1/1/1"};
        QTest::newRow("another macro") << "" << QStringList{"pick 1"} << QStringList{"1/1/1/3"};
        QTest::newRow("stored macro chosen again")
            << "1/1/3/3" << QStringList{"pick 1", "pick 1"} << QStringList{"1/1/3/3", "1/1/3/3"};
        QTest::newRow("mode keeps the chosen macro")
            << "" << QStringList{"pick 1", "mode radioButton_playWhellKeyPress"} << QStringList{"1/1/1/3", "1/1/4/3"};
        QTest::newRow("typing 1 then 2") << ""
                                         << QStringList{"pick 0", "mode radioButton_playMany", "clear", "type 1",
                                                        "type 2"}
                                         << QStringList{"1/1/1/1", "1/1/2/1", "-", "1/1/2/1", "1/12/2/1"};
        QTest::newRow("counts out of range")
            << "1/25/2/3" << QStringList{"clear", "type 0", "clear", "type 2", "type 5", "type 6"}
            << QStringList{"-", "-", "-", "1/2/2/3", "1/25/2/3", "-"};
        QTest::newRow("mode 2 after an unfinished count")
            << "1/25/2/3" << QStringList{"type 9", "mode radioButton_playOne", "mode radioButton_playMany"}
            << QStringList{"-", "1/1/1/3", "1/25/2/3"};
        QTest::newRow("modes 1, 3, 4 store count 1")
            << "1/17/2/3"
            << QStringList{"mode radioButton_playOne", "mode radioButton_playKeyPressRelStop",
                           "mode radioButton_playWhellKeyPress"}
            << QStringList{"1/1/1/3", "1/1/3/3", "1/1/4/3"};
        QTest::newRow("bound macro not in the file")
            << "1/4/2/8" << QStringList{"mode radioButton_playOne"} << QStringList{"1/1/1/8"};
        QTest::newRow("other function replaced")
            << "9/1/1/3" << QStringList{"mode radioButton_playKeyPressRelStop", "pick 0"}
            << QStringList{"refused", "1/1/3/1"};
    }
    void macroStore()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, entries);
        if (!stored.isEmpty()) {
            QVERIFY(putEntry(m_default, kKeyA, stored));
            const QByteArray macro = stored.section(QLatin1Char('/'), 3).toLatin1();
            QVERIFY(
                COrvaneXML_AddProFileBindMacroItem(m_default, "1", keyPress("1", "4", "A"), macro, "Macro" + macro));
        }
        QVERIFY(putEntry(m_default, kKeyB, QStringLiteral("6/1/1/text")));
        DMacroCmdPage page;
        page.show();
        page.loadCurrentKeyInfo();
        QSignalSpy updated(&page, &DMacroCmdPage::sigShoudUpdateKeyboard);
        QSignalSpy saved(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
        QSignalSpy failed(&page, &DMacroCmdPage::sigCustomKeyInfoSaveFailed);
        int stores = 0;
        int refusals = 0;
        for (int step = 0; step < actions.size(); ++step) {
            const QString action = actions.at(step);
            const QString argument = action.section(QLatin1Char(' '), 1);
            const QString before = keyEntryOf(m_default, kKeyA);
            if (action.startsWith(QLatin1String("mode"))) {
                page.findChild<QRadioButton*>(argument)->click();
            } else if (action.startsWith(QLatin1String("pick"))) {
                pick(macroBox(&page), argument.toInt());
            } else if (action == QLatin1String("clear")) {
                countField(&page)->selectAll();
                QTest::keyClick(countField(&page), Qt::Key_Backspace);
            } else {
                QTest::keyClicks(countField(&page), argument);
            }
            if (entries.at(step) == QLatin1String("-")) {
                QCOMPARE(keyEntryOf(m_default, kKeyA), before);
            } else if (entries.at(step) == QLatin1String("refused")) {
                QCOMPARE(keyEntryOf(m_default, kKeyA), before);
                ++refusals;
                QCOMPARE(failed.size(), refusals);
                QCOMPARE(failed.last().at(0).toInt(), 0);
                QCOMPARE(failed.last().at(1).toInt(), 4);
            } else {
                ++stores;
                QCOMPARE(keyEntryOf(m_default, kKeyA), entries.at(step));
            }
            QCOMPARE(saved.size(), stores);
            QCOMPARE(updated.size(), stores);
        }
        QCOMPARE(failed.size(), refusals);
        QCOMPARE(keyEntryOf(m_default, kKeyB), QStringLiteral("6/1/1/text"));
        if (stores > 0)
            QCOMPARE(updated.last().at(0).toInt(), kKeyA);
    }

    // The profile's copy of a macro: made with the first binding, renewed
    // from the macro file by every later one, replaced when no key of the
    // profile used it.
    void macroCopies()
    {
        DMacroCmdPage page;
        page.loadCurrentKeyInfo();
        pick(macroBox(&page), 1);
        QCOMPARE(keyEntryOf(m_default, kKeyA), QStringLiteral("1/1/1/3"));
        const QStringList third = macroEvents(m_macros, "3");
        QCOMPARE(third.size(), 4);
        QCOMPARE(copyOf(m_default, "3"), third);

        // The macro changes in the file; a second key bound to it renews the
        // profile's copy, which the first key plays as well.
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_macros, keyPress("3", "7", "D"), "3"));
        const QStringList changed = macroEvents(m_macros, "3");
        QCOMPARE(changed.size(), 6);
        selectKey(kKeyB);
        page.loadCurrentKeyInfo();
        pick(macroBox(&page), 1);
        QCOMPARE(keyEntryOf(m_default, kKeyB), QStringLiteral("1/1/1/3"));
        QCOMPARE(copyOf(m_default, "3"), changed);
        page.findChild<QRadioButton*>(QStringLiteral("radioButton_playMany"))->click();
        QCOMPARE(copyOf(m_default, "3"), changed);

        // Profile 2 holds a copy no key uses: the first binding replaces it.
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(m_default, "2", keyPress("1", "9", "F"), "3", "Macro3"));
        DDataManager::getInstance()->setCurrentProfileIndex(2);
        selectKey(kKeyA);
        page.loadCurrentKeyInfo();
        pick(macroBox(&page), 1);
        QCOMPARE(keyEntryOf(m_default, kKeyA, "2"), QStringLiteral("1/1/1/3"));
        QCOMPARE(copyOf(m_default, "3", "2"), macroEvents(m_macros, "3"));
        QCOMPARE(copyOf(m_default, "3", "2").size(), 6);
        QCOMPARE(copyOf(m_default, "3"), changed);
        DDataManager::getInstance()->setCurrentProfileIndex(1);
    }

    // A play mode clicked while there is nothing to bind stores nothing and
    // the key customisation page asks for what is missing: a macro recorded
    // at all, or one picked from those there are (the first of the list is
    // no pick of the user's).
    void aModeWithoutAMacroAsksForOne_data()
    {
        QTest::addColumn<bool>("macrosRecorded");
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("message");
        QTest::newRow("no macro recorded") << false << 0 << 2 << "Please record a macro first";
        QTest::newRow("none picked yet") << true << 2 << 4 << "Please select a macro first";
    }
    void aModeWithoutAMacroAsksForOne()
    {
        QFETCH(bool, macrosRecorded);
        QFETCH(int, offered);
        QFETCH(int, reason);
        QFETCH(QString, message);
        if (!macrosRecorded) {
            const QByteArray empty = m_profile->pathOf(QStringLiteral("noMacros.xml"));
            QVERIFY(COrvaneXML_CreateXMLFile(empty));
            QVERIFY(DDataManager::getInstance()->setMacroFilePath(empty));
        }
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        selectKey(kKeyA);
        host.onCurIndexChanged_Key(1);
        auto* page = host.findChild<DMacroCmdPage*>();
        QCOMPARE(macroBox(page)->count(), offered);
        QCOMPARE(macroBox(page)->currentIndex(), -1);
        QSignalSpy failed(page, &DMacroCmdPage::sigCustomKeyInfoSaveFailed);
        QSignalSpy messages(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        const QByteArray before = readFileBytes(m_default);
        page->findChild<QRadioButton*>(QStringLiteral("radioButton_playKeyPressRelStop"))->click();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), 0);
        QCOMPARE(failed.at(0).at(1).toInt(), reason);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), message);
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(copyOf(m_default, "1"), QStringList());
    }

    // The profiles of the active file in file order; a stored target shows
    // under its present name; every pick stores the profile's index.
    void profileSwitch_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("entry");
        QTest::newRow("no entry, pick the first") << ""
                                                  << "Profile1" << 0 << "7/1/1/1";
        QTest::newRow("another function") << "9/1/1/2"
                                          << "Profile1" << 2 << "7/1/1/3";
        QTest::newRow("target renamed") << "7/1/1/2"
                                        << "Renamed" << 2 << "7/1/1/3";
        QTest::newRow("target shown, picked again") << "7/1/1/3"
                                                    << "Profile3" << 2 << "7/1/1/3";
        QTest::newRow("target gone, first picked") << "7/1/1/9"
                                                   << "Profile1" << 0 << "7/1/1/1";
    }
    void profileSwitch()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(int, picked);
        QFETCH(QString, entry);
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(m_default, "2", "Renamed"));
        if (!stored.isEmpty())
            QVERIFY(putEntry(m_default, kKeyA, stored));
        DChangProfilePage page;
        auto* box = page.findChild<QComboBox*>(QStringLiteral("comboBox_Profile"));
        QSignalSpy updated(&page, &DChangProfilePage::sigShoudUpdateKeyboard);
        QSignalSpy saved(&page, &DChangProfilePage::sigCustomKeyInfoSaveSuccessful);
        const QByteArray before = readFileBytes(m_default);
        page.loadCurrentKeyInfo();
        QCOMPARE(itemsOf(box), QStringList({"Profile1=1", "Renamed=2", "Profile3=3"}));
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(saved.size(), 0);
        pick(box, picked);
        QCOMPARE(keyEntryOf(m_default, kKeyA), entry);
        QCOMPARE(updated.size(), 1);
        QCOMPARE(saved.size(), 1);
        // Its colours follow the theme as the other pages' do.
        DDataManager::getInstance()->loadTheme(3);
        DAppStyle::apply(3);
        QCOMPARE(RenderedLook::text(box), DDataManager::getInstance()->themeRoles().color(DThemeRoles::Text));
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
        QCOMPARE(RenderedLook::text(box), DDataManager::getInstance()->themeRoles().color(DThemeRoles::Text));
    }

    // Advanced keys listed by index; the bound one found by its index, also
    // beside another of the same name; a pick stores type 40 with the index.
    void advancedKeys_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shownItem");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("entry");
        QTest::newRow("no entry") << "" << 0 << 2 << "40/1/1/7";
        QTest::newRow("another function") << "1/1/1/3" << 0 << 0 << "40/1/1/2";
        QTest::newRow("bound to 5") << "40/1/1/5" << 1 << 2 << "40/1/1/7";
        QTest::newRow("bound to 7, picked again") << "40/1/1/7" << 2 << 2 << "40/1/1/7";
        QTest::newRow("same name, higher index") << "40/1/1/9" << 3 << 3 << "40/1/1/9";
        QTest::newRow("bound key gone") << "40/1/1/4" << 0 << 1 << "40/1/1/5";
    }
    void advancedKeys()
    {
        QFETCH(QString, stored);
        QFETCH(int, shownItem);
        QFETCH(int, picked);
        QFETCH(QString, entry);
        for (const auto& [index, name] :
             {std::pair<int, QByteArray>{7, "Seven"}, {2, "Same"}, {5, "Five"}, {9, "Same"}}) {
            QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_advanced, 1, advancedKey(index, name)));
        }
        if (!stored.isEmpty())
            QVERIFY(putEntry(m_default, kKeyA, stored));
        DSeniorKeysBindingPage page;
        auto* box = page.findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QSignalSpy updated(&page, &DSeniorKeysBindingPage::sigShoudUpdateKeyboard);
        QSignalSpy saved(&page, &DSeniorKeysBindingPage::sigCustomKeyInfoSaveSuccessful);
        const QByteArray before = readFileBytes(m_default);
        page.loadCurrentKeyInfo();
        QCOMPARE(itemsOf(box), QStringList({"Same=2", "Five=5", "Seven=7", "Same=9"}));
        QCOMPARE(box->currentIndex(), shownItem);
        QCOMPARE(readFileBytes(m_default), before);
        pick(box, picked);
        QCOMPARE(keyEntryOf(m_default, kKeyA), entry);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(updated.size(), 1);
        QCOMPARE(updated.at(0).at(0).toInt(), kKeyA);
    }

    // No advanced keys to read: an empty list, and nothing can be stored.
    void advancedKeysUnreadable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing file") << "missing.xml";
        QTest::newRow("no records") << "seniorKeys.xml";
        QTest::newRow("not a store file") << "garbage.xml";
    }
    void advancedKeysUnreadable()
    {
        QFETCH(QString, file);
        QFile garbage(QFile::decodeName(m_profile->pathOf(QStringLiteral("garbage.xml"))));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x01\x02 not xml");
        garbage.close();
        QVERIFY(DDataManager::getInstance()->setSeniorKeyFilePath(m_profile->pathOf(file)));
        DSeniorKeysBindingPage page;
        auto* box = page.findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QSignalSpy saved(&page, &DSeniorKeysBindingPage::sigCustomKeyInfoSaveSuccessful);
        const QByteArray before = readFileBytes(m_default);
        page.loadCurrentKeyInfo();
        QCOMPARE(box->count(), 0);
        emit box->activated(0);
        emit box->activated(-1);
        QCOMPARE(saved.size(), 0);
        QCOMPARE(readFileBytes(m_default), before);
    }

    // A changed advanced-key list refills the page while it is on show.
    void advancedKeysChangedWhileShown()
    {
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_advanced, 1, advancedKey(1, "One")));
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        selectKey(kKeyA);
        host.onCurIndexChanged_Key(40);
        auto* box = host.findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QCOMPARE(itemsOf(box), QStringList({"One=1"}));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_advanced, 1, advancedKey(2, "Two")));
        DDataManager::getInstance()->notifySeniorKeysListChanged();
        QCOMPARE(itemsOf(box), QStringList({"One=1", "Two=2"}));
    }

    // A store the profile cannot take: the failure message, no success, the
    // entry and the macro copies as they were.
    void failedStore_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("action");
        QTest::newRow("macro, first binding") << 1 << "9/1/1/5"
                                              << "pick comboBox_Macro 1";
        QTest::newRow("macro, mode") << 1 << "1/1/1/1"
                                     << "mode radioButton_playWhellKeyPress";
        QTest::newRow("profile switch") << 10 << "7/1/1/1"
                                        << "pick comboBox_Profile 2";
        QTest::newRow("advanced key") << 40 << "40/1/1/1"
                                      << "pick comboBox_SeniorKeys 0";
    }
    void failedStore()
    {
        QFETCH(int, function);
        QFETCH(QString, stored);
        QFETCH(QString, action);
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_advanced, 1, advancedKey(1, "One")));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_advanced, 1, advancedKey(2, "Two")));
        if (stored.startsWith(QLatin1String("1/")))
            QVERIFY(bindKeyToMacro(m_default, "1", QByteArray::number(kKeyA), m_macros, "1"));
        else
            QVERIFY(putEntry(m_default, kKeyA, stored));
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        selectKey(kKeyA);
        host.onCurIndexChanged_Key(function);
        QWidget* shown = host.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
        QSignalSpy messages(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        const QByteArray before = readFileBytes(m_default);
        const QStringList copiesBefore = copyOf(m_default, "1") + copyOf(m_default, "3");
        const QStringList words = action.split(QLatin1Char(' '));
        {
            LockedFolder lock(m_profile->folder());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            if (words.at(0) == QLatin1String("pick"))
                pick(shown->findChild<QComboBox*>(words.at(1)), words.at(2).toInt());
            else
                shown->findChild<QRadioButton*>(words.at(1))->click();
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(readFileBytes(m_default), before);
        QCOMPARE(keyEntryOf(m_default, kKeyA), stored);
        QCOMPARE(copyOf(m_default, "1") + copyOf(m_default, "3"), copiesBefore);
    }

    // A language change re-sets the texts and keeps what the page shows.
    void macroRetranslateKeepsState()
    {
        QVERIFY(putEntry(m_default, kKeyA, QStringLiteral("1/12/2/3")));
        DMacroCmdPage page;
        page.loadCurrentKeyInfo();
        QSignalSpy saved(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
        page.retranslate();
        QCOMPARE(countField(&page)->text(), QStringLiteral("12"));
        QCOMPARE(checkedMode(&page), QStringLiteral("radioButton_playMany"));
        QCOMPARE(macroBox(&page)->currentText(), QStringLiteral("Third"));
        QCOMPARE(page.findChild<QRadioButton*>(QStringLiteral("radioButton_playKeyPressRelStop"))->text(),
                 QStringLiteral("Continous playback on/off"));
        QCOMPARE(saved.size(), 0);
    }
};

ORVANE_TEST_MAIN(tst_bindingPages)
#include "tst_bindingPages.moc"
