// The on-screen keyboard and the virtual keyboard pop-up around it: the
// shipped US description and the tables it gives the data manager, the key
// captions, descriptions that are missing or not JSON, marking by clicks,
// the hover and theme looks, and what the pop-up reports.
#include "support/ApplicationSetUp.h"
#include "support/BundleFileInPlace.h"
#include "support/RenderedLook.h"
#include "support/SoftKeyLooks.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "platform/linux/KeyPositionTable.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/DSoftKeyboardPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"

#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTranslator>

#include <algorithm>
#include <cstring>
#include <memory>

using SoftKeyLooks::markedLooks;
using SoftKeyLooks::showsMarkedLook;

namespace {

constexpr int kLeftCtrl = 224;
constexpr int kLeftShift = 225;
constexpr int kLeftAlt = 226;
constexpr int kRightCtrl = 228;
constexpr int kRightAlt = 230;
constexpr int kKeyA = 4;
// In a click sequence: clearMarkedKeys(), and markKey(usage) for -usage.
constexpr int kClear = 0;

QList<SoftKeyboardButCustom*> keysOf(const QWidget& page)
{
    return page.findChildren<SoftKeyboardButCustom*>();
}

SoftKeyboardButCustom* keyOf(const QWidget& page, int usage)
{
    for (SoftKeyboardButCustom* key : keysOf(page)) {
        if (key->keyDec() == usage)
            return key;
    }
    return nullptr;
}

void hover(SoftKeyboardButCustom* key, bool in)
{
    QEvent event(in ? QEvent::Enter : QEvent::Leave);
    QCoreApplication::sendEvent(key, &event);
}

// A click as the pointer gives it: in, click, out.
void clickWithPointer(SoftKeyboardButCustom* key)
{
    hover(key, true);
    QTest::mouseClick(key, Qt::LeftButton);
    hover(key, false);
}

void resetTables()
{
    DDataManager::getInstance()->setKeyNameMap({{1, QStringLiteral("before")}});
    DDataManager::getInstance()->setVirtualKeyToHidMap({{1, 1}});
}

} // namespace

class tst_softKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY2(QFileInfo(qEnvironmentVariable("ORVANE_RCC")).isExecutable(), "ORVANE_RCC names Qt's rcc");
    }
    void init() { DDataManager::getInstance()->loadTheme(0); }

    // 112 keys in rows of 16 to 22, each on the page, none over another,
    // and the two tables: every key's label plus Fn, and one virtual-key
    // code per key, the Enter keys with their own codes.
    void shippedDescription()
    {
        resetTables();
        DSoftKeyboardPage page;
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        page.loadKeyboardInfo(QStringLiteral("US"));
        QCOMPARE(loaded.size(), 1);

        const QList<SoftKeyboardButCustom*> keys = keysOf(page);
        QCOMPARE(keys.size(), 112);
        const QRect area(0, 0, 1000, 245);
        QCOMPARE(page.size(), area.size());
        const QMap<int, QString> names = DDataManager::getInstance()->keyNameMap();
        QCOMPARE(names.size(), 113);
        QCOMPARE(names.value(-10), QStringLiteral("Fn"));
        for (int i = 0; i < keys.size(); ++i) {
            const SoftKeyboardButCustom* key = keys.at(i);
            QVERIFY2(area.contains(key->geometry()), qPrintable(key->text()));
            QVERIFY2(key->width() >= 30 && key->height() >= 30, qPrintable(key->text()));
            QCOMPARE(names.value(key->keyDec()), key->keyCharacter());
            for (int j = i + 1; j < keys.size(); ++j)
                QVERIFY2(!key->geometry().intersects(keys.at(j)->geometry()),
                         qPrintable(key->text() + QLatin1Char('/') + keys.at(j)->text()));
        }

        DKeyLayoutDescription description;
        QVERIFY(description.parse(DKeyLayoutDescription::readResource(QStringLiteral("softKeyInfoNormalUS.config"), ""),
                                  0, 7));
        QVERIFY(!description.hasRow(0) && !description.hasRow(7));
        for (int row = 1; row <= 6; ++row) {
            QVERIFY(description.row(row).size() >= 16 && description.row(row).size() <= 22);
            for (const DKeyLayoutEntry& entry : description.row(row))
                QVERIFY(!DKeyLayoutDescription::isEmptySlot(entry));
        }

        const QMap<int, int> virtualKeys = DDataManager::getInstance()->virtualKeyToHidMap();
        QCOMPARE(virtualKeys.size(), 112);
        QCOMPARE(virtualKeys.value(999), 40);
        QCOMPARE(virtualKeys.value(998), 88);
        const QList<int> usages = virtualKeys.values();
        QCOMPARE(QSet<int>(usages.begin(), usages.end()).size(), 112);
    }

    // A key pressed names the usage of the same key clicked: every position
    // of the hook's table but the Enter keys (own codes), the international
    // keys (picked on screen only) and the media keys has its code here.
    void hookCodesNameTheClickedKey()
    {
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        const QMap<int, int> virtualKeys = DDataManager::getInstance()->virtualKeyToHidMap();
        const char* const offScreen[] = {"RTRN", "KPEN", "AB11", "JPCM", "AE13", "HKTG", "HENK", "MUHE", "HNGL",
                                         "HJCV", "MUTE", "VOL-", "VOL+", "I171", "I172", "I173", "I174"};
        QSet<int> usages;
        for (std::size_t i = 0; i < KeyPositionTable::rowCount(); ++i) {
            const KeyPosition& position = KeyPositionTable::rows()[i];
            bool skipped = false;
            for (const char* name : offScreen)
                skipped = skipped || std::strcmp(name, position.xkbName) == 0;
            if (skipped)
                continue;
            QVERIFY2(virtualKeys.contains(position.vkCode), position.xkbName);
            usages << virtualKeys.value(position.vkCode);
        }
        QCOMPARE(usages.size(), 103);
        QCOMPARE(virtualKeys.value(KeyPositionTable::byXkbName("LSGT", 4)->vkCode), 100);
        QCOMPARE(virtualKeys.value(KeyPositionTable::byXkbName("KP7", 3)->vkCode), 95);
        QCOMPARE(virtualKeys.value(KeyPositionTable::byXkbName("HOME", 4)->vkCode), 74);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("usage");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reported");
        QTest::newRow("left Alt") << "English" << kLeftAlt << "Alt"
                                  << "Alt";
        QTest::newRow("right Alt") << "English" << kRightAlt << "Alt"
                                   << "Alt";
        QTest::newRow("7") << "English" << 36 << "7&&"
                           << "7";
        QTest::newRow("quote") << "English" << 52 << "' \""
                               << "' \"";
        QTest::newRow("backslash") << "English" << 49 << "\\|"
                                   << "\\|";
        QTest::newRow("ISO key") << "English" << 100 << "K45"
                                 << "K45";
        QTest::newRow("Chinese") << "English" << 145 << "Chinese"
                                 << "Chinese";
        QTest::newRow("Chinese, German") << "German" << 145 << "Chinesisch"
                                         << "Chinesisch";
        QTest::newRow("Korean/English, Russian") << "Russian" << 144 << "Кор./Англ."
                                                 << "Кор./Англ.";
        QTest::newRow("letter") << "Russian" << kKeyA << "A"
                                << "A";
    }
    void captions()
    {
        QFETCH(QString, language);
        QFETCH(int, usage);
        QFETCH(QString, shown);
        QFETCH(QString, reported);
        QTranslator translator;
        if (language != QLatin1String("English"))
            QVERIFY(installTranslation(translator, language));
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        QCoreApplication::removeTranslator(&translator);
        SoftKeyboardButCustom* key = keyOf(page, usage);
        QVERIFY(key);
        QCOMPARE(key->text(), shown);
        QCOMPARE(key->keyCharacter(), reported);
        QCOMPARE(DDataManager::getInstance()->keyNameMap().value(usage), reported);
        page.setMarkMode(1);
        page.setMarkEnabled(true);
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        QTest::mouseClick(key, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), usage);
        QCOMPARE(clicked.at(0).at(1).toString(), reported);
    }

    // What other layout codes would load: their file, and the three labels
    // the code-91 description gets on top of the international keys'.
    void otherLayoutCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("usage");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("fixedUp");
        QTest::newRow("US quote") << 31 << "softKeyInfoNormalUS.config" << 52 << "' \""
                                  << "' \"";
        QTest::newRow("US bracket") << 31 << "softKeyInfoNormalUS.config" << 47 << "["
                                    << "[";
        QTest::newRow("91 bracket") << 91 << "softKeyInfoNormal_91.config" << 47 << "[" << QString::fromUtf8("´ `");
        QTest::newRow("91 semicolon") << 91 << "softKeyInfoNormal_91.config" << 51 << ";" << QString::fromUtf8("Ç");
        QTest::newRow("91 quote") << 91 << "softKeyInfoNormal_91.config" << 52 << "' \""
                                  << "~^";
        QTest::newRow("91 Chinese") << 91 << "softKeyInfoNormal_91.config" << 145 << "x"
                                    << "Chinese";
        QTest::newRow("91 letter") << 91 << "softKeyInfoNormal_91.config" << kKeyA << "A"
                                   << "A";
    }
    void otherLayoutCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, file);
        QFETCH(int, usage);
        QFETCH(QString, label);
        QFETCH(QString, fixedUp);
        QCOMPARE(DSoftKeyboardPage::descriptionFileName(code), file);
        QCOMPARE(DSoftKeyboardPage::fixedUpLabel(code, usage, label), fixedUp);
    }

    // A description that is not there or not JSON builds nothing, reports
    // nothing and leaves the data manager's tables as they were; keys of an
    // earlier load are gone.
    void unusableDescription_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("{\"EveryKeyInfo_Row01\": [");
        QTest::newRow("array") << QByteArray("[{\"Dec\": 4}]");
    }
    void unusableDescription()
    {
        QFETCH(QByteArray, text);
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        QCOMPARE(keysOf(page).size(), 112);
        resetTables();
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        {
            BundleFileInPlace description(QStringLiteral("images/configDir/softKeyInfoNormalUS.config"), text);
            QVERIFY(text.isNull() || description.ready());
            page.loadKeyboardInfo(QStringLiteral("US"));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(keysOf(page).size(), 0);
        QCOMPARE(loaded.size(), 0);
        const QMap<int, QString> namesBefore{{1, QStringLiteral("before")}};
        const QMap<int, int> virtualKeysBefore{{1, 1}};
        QCOMPARE(DDataManager::getInstance()->keyNameMap(), namesBefore);
        QCOMPARE(DDataManager::getInstance()->virtualKeyToHidMap(), virtualKeysBefore);
    }

    // A small description of its own is read as it stands.
    void smallDescription()
    {
        const QByteArray text
            = "{\"EveryKeyInfo_Row00\": [{\"PosX\": 0, \"PosY\": 0, \"Width\": 40, \"Height\": 40, "
              "\"Dec\": 9, \"qtDec\": 70, \"Character\": \"F\"}],"
              "\"EveryKeyInfo_Row02\": [{\"PosX\": 50, \"PosY\": 60, \"Width\": 40, \"Height\": 35, "
              "\"Dec\": 4, \"qtDec\": 65, \"Character\": \"A\"}, {\"PosX\": 95, \"PosY\": 60, "
              "\"Width\": 40, \"Height\": 35, \"Dec\": 52, \"qtDec\": 222, \"Character\": \"\\\"\"}]}";
        resetTables();
        DSoftKeyboardPage page;
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        {
            BundleFileInPlace description(QStringLiteral("images/configDir/softKeyInfoNormalUS.config"), text);
            QVERIFY(description.ready());
            page.loadKeyboardInfo(QStringLiteral("any name"));
        }
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(keysOf(page).size(), 2);
        QCOMPARE(keyOf(page, 4)->geometry(), QRect(50, 60, 40, 35));
        const QMap<int, QString> names{{-10, QStringLiteral("Fn")}, {4, QStringLiteral("A")}, {52, "' \""}};
        const QMap<int, int> virtualKeys{{65, 4}, {222, 52}};
        QCOMPARE(DDataManager::getInstance()->keyNameMap(), names);
        QCOMPARE(DDataManager::getInstance()->virtualKeyToHidMap(), virtualKeys);
    }

    // Clicks in a row (0 clears the marks, -usage asks to show that key
    // plain): which keys show the marked look afterwards. Every click is
    // reported.
    void marking_data()
    {
        QTest::addColumn<int>("markMode");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QList<int>>("sequence");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("mode 0") << 0 << true << QList<int>{kLeftCtrl, kLeftShift, kKeyA} << QList<int>{};
        QTest::newRow("marking off") << 1 << false << QList<int>{kLeftCtrl, kKeyA} << QList<int>{};
        QTest::newRow("three modifiers") << 1 << true << QList<int>{kLeftCtrl, kLeftShift, kLeftAlt}
                                         << QList<int>{kLeftCtrl, kLeftShift};
        QTest::newRow("letter after two")
            << 1 << true << QList<int>{kLeftCtrl, kLeftShift, kKeyA} << QList<int>{kKeyA, kLeftCtrl, kLeftShift};
        QTest::newRow("two anew after clearing")
            << 1 << true << QList<int>{kLeftCtrl, kLeftShift, kClear, kLeftAlt, kRightCtrl, kRightAlt}
            << QList<int>{kLeftAlt, kRightCtrl};
        QTest::newRow("same modifier twice")
            << 1 << true << QList<int>{kLeftCtrl, kLeftCtrl, kLeftShift} << QList<int>{kLeftCtrl};
        QTest::newRow("markKey keeps a marked key")
            << 1 << true << QList<int>{kLeftCtrl, -kLeftCtrl} << QList<int>{kLeftCtrl};
    }
    void marking()
    {
        QFETCH(int, markMode);
        QFETCH(bool, enabled);
        QFETCH(QList<int>, sequence);
        QFETCH(QList<int>, marked);
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        page.setMarkMode(markMode);
        page.setMarkEnabled(enabled);
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        QList<int> clicks;
        for (int step : sequence) {
            if (step == kClear) {
                page.clearMarkedKeys();
            } else if (step < 0) {
                page.markKey(-step);
            } else {
                clickWithPointer(keyOf(page, step));
                clicks << step;
            }
        }
        QCOMPARE(markedLooks(page), marked);
        QCOMPARE(clicked.size(), clicks.size());
        for (int i = 0; i < clicks.size(); ++i)
            QCOMPARE(clicked.at(i).at(0).toInt(), clicks.at(i));
    }

    // The look under the pointer, and markKey taking it back from a key the
    // combination refused while the pointer still rests on it.
    void hoverLooks()
    {
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        page.setMarkMode(1);
        SoftKeyboardButCustom* a = keyOf(page, kKeyA);
        hover(a, true);
        QVERIFY(showsMarkedLook(a));
        page.markKey(kKeyA);
        QVERIFY2(showsMarkedLook(a), "marking is off: markKey changes nothing");
        hover(a, false);
        QVERIFY(!showsMarkedLook(a));

        page.setMarkEnabled(true);
        for (int usage : {kLeftCtrl, kLeftShift})
            clickWithPointer(keyOf(page, usage));
        SoftKeyboardButCustom* alt = keyOf(page, kLeftAlt);
        hover(alt, true);
        QTest::mouseClick(alt, Qt::LeftButton);
        QVERIFY(showsMarkedLook(alt));
        page.markKey(kLeftAlt);
        QVERIFY(!showsMarkedLook(alt));
        page.markKey(kLeftCtrl);
        page.markKey(12345);
        QCOMPARE(markedLooks(page), QList<int>({kLeftCtrl, kLeftShift}));
        page.clearMarkedKeys();
        QCOMPARE(markedLooks(page), QList<int>());
    }

    // A theme change keeps the marks, in the new theme's accent colour.
    void themeChangeKeepsMarks()
    {
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        page.setMarkMode(1);
        page.setMarkEnabled(true);
        clickWithPointer(keyOf(page, kLeftCtrl));
        DDataManager* data = DDataManager::getInstance();
        const QColor before = data->themeRoles().color(DThemeRoles::KeySelected);
        data->loadTheme(2);
        const QColor accent = data->themeRoles().color(DThemeRoles::KeySelected);
        QVERIFY(accent != before);
        page.setTheme();
        QCOMPARE(markedLooks(page), QList<int>({kLeftCtrl}));
        // The caption takes the accent too, not the bottom line alone: its
        // inkiest pixel lies nearer the accent than the plain caption colour.
        SoftKeyboardButCustom* ctrl = keyOf(page, kLeftCtrl);
        const QImage drawn = ctrl->grab().toImage();
        const QColor cap = data->themeRoles().color(DThemeRoles::KeyCap);
        const QColor plain = data->themeRoles().color(DThemeRoles::KeyCapText);
        const auto distance = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        };
        QColor inkiest = cap;
        // Inside the rounded corners and above the bottom line.
        for (int y = 3; y + 3 < drawn.height(); ++y) {
            for (int x = 3; x + 3 < drawn.width(); ++x) {
                const QColor seen = drawn.pixelColor(x, y);
                if (distance(seen, cap) > distance(inkiest, cap))
                    inkiest = seen;
            }
        }
        QVERIFY2(distance(inkiest, accent) < distance(inkiest, plain), qPrintable(inkiest.name()));
        QCOMPARE(RenderedLook::background(keyOf(page, kKeyA)).rgb(),
                 data->themeRoles().color(DThemeRoles::KeyCap).rgb());
    }

    // A reload drops the marks with the keys: two modifiers can be marked at
    // once, and clearing touches no deleted key.
    void reloadDropsMarks()
    {
        DSoftKeyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("US"));
        page.setMarkMode(1);
        page.setMarkEnabled(true);
        for (int usage : {kLeftCtrl, kLeftShift})
            clickWithPointer(keyOf(page, usage));
        page.loadKeyboardInfo(QStringLiteral("US"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(keysOf(page).size(), 112);
        QCOMPARE(markedLooks(page), QList<int>());
        for (int usage : {kLeftAlt, kRightCtrl})
            clickWithPointer(keyOf(page, usage));
        QCOMPARE(markedLooks(page), QList<int>({kLeftAlt, kRightCtrl}));
        page.clearMarkedKeys();
        QCOMPARE(markedLooks(page), QList<int>());
    }

    // The pop-up reports each click as the usage alone in both modes; mode 0
    // never marks.
    void popupReportsClicks_data()
    {
        QTest::addColumn<int>("markMode");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("mode 0") << 0 << QList<int>{};
        QTest::newRow("mode 1") << 1 << QList<int>{kKeyA, kLeftCtrl};
    }
    void popupReportsClicks()
    {
        QFETCH(int, markMode);
        QFETCH(QList<int>, marked);
        DVirtualKeyboardTool tool(markMode);
        QCOMPARE(tool.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Virtual Keyboard"));
        tool.setMarkEnabled(true);
        QSignalSpy clicked(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
        for (int usage : {kLeftCtrl, kKeyA})
            clickWithPointer(keyOf(tool, usage));
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.at(0), QVariantList({kLeftCtrl}));
        QCOMPARE(clicked.at(1), QVariantList({kKeyA}));
        QCOMPARE(markedLooks(tool), marked);
        tool.clearMarkedKeys();
        QCOMPARE(markedLooks(tool), QList<int>());
    }

    // A language change translates the title; the keys keep the language
    // they were loaded in.
    void retranslateChangesTheTitleOnly()
    {
        DVirtualKeyboardTool tool(0);
        QTranslator translator;
        QVERIFY(installTranslation(translator, QStringLiteral("German")));
        tool.retranslate();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(tool.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Virtuelle Tastatur"));
        QCOMPARE(keyOf(tool, 145)->text(), QStringLiteral("Chinese"));
    }
};

ORVANE_TEST_MAIN(tst_softKeyboard)
#include "tst_softKeyboard.moc"
