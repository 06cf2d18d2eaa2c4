// The all-keys picker: the shipped list in its three groups, the captions,
// what a click reports, and how lists that are missing, not JSON or
// incomplete end. Other lists are put in place of the program's bundle for
// one picker at a time.
#include "support/ApplicationSetUp.h"
#include "support/ConfigFileInPlace.h"
#include "support/EmittedSignals.h"
#include "support/TestMain.h"

#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"

#include <QLabel>
#include <QSignalSpy>

#include <memory>

namespace {

using Captions = QMap<int, QString>;

struct Key
{
    int usage;
    const char* caption;
};

// The list as shipped: group, then keys in order.
const QVector<QVector<Key>> kShipped = {
    {{225, "L_Shift"},
     {229, "R_Shift"},
     {224, "L_Ctrl"},
     {228, "R_Ctrl"},
     {226, "L_Alt"},
     {230, "R_Alt"},
     {227, "L_Win"}},
    {{4, "A"},   {5, "B"},   {6, "C"},   {7, "D"},   {8, "E"},   {9, "F"},   {10, "G"},  {11, "H"},
     {12, "I"},  {13, "J"},  {14, "K"},  {15, "L"},  {16, "M"},  {17, "N"},  {18, "O"},  {19, "P"},
     {20, "Q"},  {21, "R"},  {22, "S"},  {23, "T"},  {24, "U"},  {25, "V"},  {26, "W"},  {27, "X"},
     {28, "Y"},  {29, "Z"},  {98, "0"},  {89, "1"},  {90, "2"},  {91, "3"},  {92, "4"},  {93, "5"},
     {94, "6"},  {95, "7"},  {96, "8"},  {97, "9"},  {39, "0)"}, {30, "1!"}, {31, "2@"}, {32, "3#"},
     {33, "4$"}, {34, "5%"}, {35, "6^"}, {36, "7&"}, {37, "8*"}, {38, "9("}},
    {{58, "F1"},    {59, "F2"},       {60, "F3"},     {61, "F4"},    {62, "F5"},     {63, "F6"},      {64, "F7"},
     {65, "F8"},    {66, "F9"},       {67, "F10"},    {68, "F11"},   {69, "F12"},    {70, "PrtSc"},   {71, "ScrLk"},
     {72, "Pause"}, {74, "Home"},     {75, "PgUp"},   {78, "PgDn"},  {73, "Ins"},    {76, "Del"},     {77, "End"},
     {87, "Num.+"}, {86, "Num.-"},    {85, "Num.*"},  {84, "Num./"}, {83, "Num.Lk"}, {88, "Num.Ent"}, {99, "Num.Del"},
     {82, "Up"},    {81, "Down"},     {80, "Left"},   {79, "Right"}, {41, "Esc"},    {53, "`~"},      {43, "Tab"},
     {57, "Caps"},  {42, "Back"},     {45, "-_"},     {46, "=+"},    {47, "[{"},     {48, "]}"},      {49, "\\|"},
     {51, "; :"},   {52, "' \""},     {40, "Enter"},  {54, ",<"},    {55, ".>"},     {56, "/?"},      {44, "Space"},
     {101, "Menu"}, {145, "Chinese"}, {144, "Kr/En"}, {137, "K14"},  {100, "K45"},   {135, "K56"},    {139, "K131"},
     {138, "K132"}, {136, "K133"}}};

const char* const kGroups[] = {"widget_KeyCombination", "widget_NormalKeys", "widget_SpecialKeys"};

QList<DAllKeysItemKey*> buttonsOf(const DAllKeysShowPage& page, int group)
{
    return page.findChild<QWidget*>(QLatin1String(kGroups[group]))->findChildren<DAllKeysItemKey*>();
}

} // namespace

class tst_DAllKeysShowPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY2(QFileInfo(qEnvironmentVariable("ORVANE_RCC")).isExecutable(), "ORVANE_RCC names Qt's rcc");
    }

    void shippedList()
    {
        EmittedSignals emitted;
        DAllKeysShowPage page;
        QCOMPARE(emitted.of(&page).count("sigAllKeysInfoAlreadyLoadedA()"), 1);

        QMap<int, QString> expected;
        for (int group = 0; group < 3; ++group) {
            const QList<DAllKeysItemKey*> buttons = buttonsOf(page, group);
            QCOMPARE(buttons.size(), kShipped.at(group).size());
            for (int i = 0; i < buttons.size(); ++i) {
                const Key& key = kShipped.at(group).at(i);
                QCOMPARE(buttons.at(i)->keyDec(), key.usage);
                QCOMPARE(buttons.at(i)->keyCharacter(), QString::fromLatin1(key.caption));
                QCOMPARE(buttons.at(i)->text(), QString::fromLatin1(key.caption));
                QVERIFY(buttons.at(i)->minimumSize() == QSize(30, 30));
                expected.insert(key.usage, QString::fromLatin1(key.caption));
            }
        }
        QCOMPARE(expected.size(), 111);
        QCOMPARE(page.allKeysMap(), expected);
        QCOMPARE(page.allKeysMap().value(49), QStringLiteral("\\|"));
        QCOMPARE(page.allKeysMap().value(52), QStringLiteral("' \""));
    }

    void clicks()
    {
        DAllKeysShowPage page;
        page.resize(432, 516);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy spy(&page, &DAllKeysShowPage::sigKeyListClicked);

        DAllKeysItemKey* quote = buttonsOf(page, 2).at(43);
        DAllKeysItemKey* shift = buttonsOf(page, 0).at(0);
        QTest::mouseClick(quote, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QVariantList{52, QStringLiteral("' \"")}));
        QTest::mouseClick(shift, Qt::LeftButton);
        QTest::mouseClick(shift, Qt::LeftButton);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(1), (QVariantList{225, QStringLiteral("L_Shift")}));
        QCOMPARE(spy.at(2), spy.at(1));
    }

    void otherLists_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("loaded"); // sigAllKeysInfoAlreadyLoadedA emitted
        QTest::addColumn<QList<int>>("group0");
        QTest::addColumn<QList<int>>("group1");
        QTest::addColumn<QList<int>>("group2");
        QTest::addColumn<Captions>("map");

        QTest::newRow("no list") << QByteArray() << false << QList<int>() << QList<int>() << QList<int>() << Captions();
        QTest::newRow("not JSON") << QByteArray("EveryKeyInfo_Row01: [") << true << QList<int>() << QList<int>()
                                  << QList<int>() << Captions();
        QTest::newRow("empty text") << QByteArray("") << true << QList<int>() << QList<int>() << QList<int>()
                                    << Captions();
        QTest::newRow("second row missing")
            << QByteArray(R"({"EveryKeyInfo_Row01":[{"Dec":225,"Character":"L_Shift"}],)"
                          R"("EveryKeyInfo_Row03":[{"Dec":41,"Character":"Esc"},{"Dec":43,"Character":"Tab"}]})")
            << true << QList<int>{225} << QList<int>() << QList<int>{41, 43}
            << Captions{{225, "L_Shift"}, {41, "Esc"}, {43, "Tab"}};
        QTest::newRow("usage twice: two buttons, the later caption")
            << QByteArray(R"({"EveryKeyInfo_Row02":[{"Dec":4,"Character":"A"}],)"
                          R"("EveryKeyInfo_Row03":[{"Dec":4,"Character":"a"}]})")
            << true << QList<int>() << QList<int>{4} << QList<int>{4} << Captions{{4, "a"}};
        QTest::newRow("elements without Dec or Character are skipped")
            << QByteArray(R"({"EveryKeyInfo_Row01":[{"Dec":5},{"Character":"X"},{"Dec":"6","Character":"Y"},)"
                          R"({"Dec":7,"Character":8},{"Dec":9,"Character":"F"},17]})")
            << true << QList<int>{9} << QList<int>() << QList<int>() << Captions{{9, "F"}};
        QTest::newRow("rows that are not arrays")
            << QByteArray(R"({"EveryKeyInfo_Row01":{"Dec":4,"Character":"A"},"EveryKeyInfo_Row02":"A"})") << true
            << QList<int>() << QList<int>() << QList<int>() << Captions();
    }

    void otherLists()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, loaded);
        QFETCH(QList<int>, group0);
        QFETCH(QList<int>, group1);
        QFETCH(QList<int>, group2);
        QFETCH(Captions, map);

        std::unique_ptr<DAllKeysShowPage> page;
        EmittedSignals emitted;
        {
            ConfigFileInPlace list(QStringLiteral("AllKeysInfo.config"), text);
            QVERIFY(text.isNull() || list.ready());
            if (text.isNull())
                QTest::ignoreMessage(
                    QtDebugMsg, "------------------------ loadKeyboardInfo => fp == NULL -------------------------");
            page = std::make_unique<DAllKeysShowPage>();
        }
        QCOMPARE(emitted.of(page.get()).count("sigAllKeysInfoAlreadyLoadedA()"), loaded ? 1 : 0);
        const QList<int> groups[] = {group0, group1, group2};
        for (int group = 0; group < 3; ++group) {
            QList<int> usages;
            for (DAllKeysItemKey* button : buttonsOf(*page, group))
                usages << button->keyDec();
            QCOMPARE(usages, groups[group]);
        }
        QCOMPARE(page->allKeysMap(), map);
        // The three captions are there whatever the list held.
        QCOMPARE(page->findChild<QLabel*>("label_17")->text(), QStringLiteral("Special Keys"));
    }
};

ORVANE_TEST_MAIN(tst_DAllKeysShowPage)
#include "tst_DAllKeysShowPage.moc"
