// The light effect and direction table every lighting list reads: the
// keyboard's effects with their names, starting directions, key-press
// flag and page button, the side effects, the directions, and the names in
// every language.
#include "support/TestMain.h"

#include "app/QtLinguist.h"
#include "hid/DLightEffects.h"
#include "profiles/DDefaultLightRecord.h"
#include "ui/mainwidget/devicePage/DKeyPressEffects.h"

#include <QSet>
#include <QTranslator>

class tst_DLightEffects : public QObject
{
    Q_OBJECT

private:
    static QString builtTranslations() { return QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"); }

private slots:
    void keyboardEffects_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("keyPressDriven");
        QTest::addColumn<bool>("hasButton");
        QTest::newRow("0") << 0 << "Static" << 0 << false << true;
        QTest::newRow("1") << 1 << "Breath" << 0 << false << true;
        QTest::newRow("2") << 2 << "Wave" << 0 << false << true;
        QTest::newRow("3") << 3 << "Neon" << 0 << false << true;
        QTest::newRow("4") << 4 << "Radar" << 6 << false << true;
        QTest::newRow("5") << 5 << "Snake" << 6 << false << true;
        QTest::newRow("6") << 6 << "Reactive" << 0 << true << true;
        QTest::newRow("7") << 7 << "Aurora" << 4 << true << true;
        QTest::newRow("8") << 8 << "Ripple" << 4 << true << true;
        QTest::newRow("9") << 9 << "Twinkle" << 0 << false << true;
        QTest::newRow("10") << 10 << "Custom" << 0 << false << true;
        QTest::newRow("11") << 11 << "Cross" << 0 << true << true;
        QTest::newRow("12") << 12 << "Speed Respond" << 2 << true << true;
        QTest::newRow("13") << 13 << "DPI" << 0 << false << false;
        QTest::newRow("14") << 14 << "Auto Ripple" << 4 << false << true;
        QTest::newRow("15") << 15 << "Striation" << 6 << false << true;
        QTest::newRow("16") << 16 << "Fireworks" << 4 << true << true;
        QTest::newRow("100") << 100 << "Musical Rhythm" << 2 << false << true;
    }

    void keyboardEffects()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(int, direction);
        QFETCH(bool, keyPressDriven);
        QFETCH(bool, hasButton);
        const DLightEffects::KeyboardEffect* row = DLightEffects::keyboardEffect(id);
        QVERIFY(row);
        QCOMPARE(QString::fromLatin1(row->name), name);
        QCOMPARE(DLightEffects::name(DLightEffects::kKeyboardPart, id), name);
        QCOMPARE(DLightEffects::defaultDirection(DLightEffects::kKeyboardPart, id), direction);
        QCOMPARE(DDefaultLightRecord::make(DLightEffects::kKeyboardPart, id).ledDirection, direction);
        QCOMPARE(DLightEffects::isKeyPressDriven(id), keyPressDriven);
        QCOMPARE(DLightEffects::hasButton(id), hasButton);
    }

    // Only the ids of the table: the readers answer "no" for anything else,
    // and the hook follows exactly the key-press-driven ones.
    void readersKnowOnlyTheTable()
    {
        QCOMPARE(int(DLightEffects::keyboardEffects().size()), 18);
        QSet<int> ids;
        QSet<int> pressDriven;
        for (const DLightEffects::KeyboardEffect& row : DLightEffects::keyboardEffects()) {
            ids.insert(row.id);
            if (row.keyPressDriven)
                pressDriven.insert(row.id);
        }
        QCOMPARE(ids.size(), 18);
        QCOMPARE(pressDriven, (QSet<int>{6, 7, 8, 11, 12, 16}));
        for (int id = -2; id <= 130; ++id) {
            QCOMPARE(DKeyPressEffects::isKeyPressDriven(id), pressDriven.contains(id));
            if (ids.contains(id))
                continue;
            QVERIFY(!DLightEffects::keyboardEffect(id));
            QVERIFY(!DLightEffects::hasButton(id));
            QCOMPARE(DLightEffects::name(DLightEffects::kKeyboardPart, id), QString());
            QCOMPARE(DLightEffects::defaultDirection(DLightEffects::kKeyboardPart, id), 0);
        }
    }

    void sideEffectsAndDirections()
    {
        const QStringList sideNames{"Static", "Breath", "Wave", "Collision", "Neon", "Close"};
        QCOMPARE(int(DLightEffects::sideEffects().size()), sideNames.size());
        for (int id = 0; id < sideNames.size(); ++id) {
            QCOMPARE(DLightEffects::name(DLightEffects::kSidePart, id), sideNames[id]);
            QCOMPARE(DLightEffects::defaultDirection(DLightEffects::kSidePart, id), 0);
        }
        QVERIFY(!DLightEffects::sideEffect(6));
        QCOMPARE(DLightEffects::name(DLightEffects::kSidePart, 6), QString());
        // Radar starts clockwise on the keys, but the side has no direction.
        QCOMPARE(DLightEffects::defaultDirection(DLightEffects::kSidePart, 4), 0);

        const QStringList buttons{"pushButton_Right",      "pushButton_Left",   "pushButton_Up", "pushButton_Down",
                                  "pushButton_Dispersion", "pushButton_Gather", "pushButton_CW", "pushButton_UnCW"};
        QCOMPARE(int(DLightEffects::directions().size()), buttons.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(DLightEffects::directions()[size_t(i)].id, i);
            QCOMPARE(QString::fromLatin1(DLightEffects::directions()[size_t(i)].button), buttons[i]);
        }
    }

    // Every language has a text for every effect name, and the readers give it.
    void namesAreTranslated()
    {
        QtLinguist linguist(builtTranslations());
        for (int language = 1; language <= 15; ++language) {
            const QString file = builtTranslations() + QLatin1Char('/') + linguist.languageFile(language);
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
            QStringList names;
            for (const DLightEffects::KeyboardEffect& row : DLightEffects::keyboardEffects())
                names << QString::fromLatin1(row.name);
            for (const DLightEffects::SideEffect& row : DLightEffects::sideEffects())
                names << QString::fromLatin1(row.name);
            for (const QString& name : names) {
                const QString text = translator.translate("QObject", name.toLatin1().constData());
                QVERIFY2(!text.isEmpty(), qPrintable(file + QStringLiteral(": ") + name));
            }
        }
        QVERIFY(linguist.loadLanguage(QtLinguist::German));
        QCOMPARE(DLightEffects::name(DLightEffects::kKeyboardPart, 1), QStringLiteral("Atmen"));
        QCOMPARE(DLightEffects::name(DLightEffects::kSidePart, 3), QStringLiteral("Kollision"));
        QVERIFY(linguist.loadLanguage(QtLinguist::English));
    }
};

ORVANE_TEST_MAIN(tst_DLightEffects)
#include "tst_DLightEffects.moc"
