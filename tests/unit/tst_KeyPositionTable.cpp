#include "support/TestMain.h"

#include "platform/linux/KeyPositionTable.h"

#include <linux/input-event-codes.h>

#include <QSet>

// Each key position against what a US keyboard reports for it through the
// low-level keyboard hook: virtual key, set-1 scan code, extended flag. The
// X keycode side comes from the kernel's own key codes (X adds 8).
class tst_KeyPositionTable : public QObject
{
    Q_OBJECT

private slots:
    void everyRow_data();
    void everyRow();
    void tableHasNoStrayRows();
    void lookupsAgree();
    void xkbNamesNeedNoTerminator();
    void qtKeysTellKeypadFromNavigation_data();
    void qtKeysTellKeypadFromNavigation();
};

namespace {
struct Expected
{
    const char* name;
    int evdevCode;
    int vk;
    int scan;
    bool extended;
};

// clang-format off
const Expected kExpected[] = {
    {"ESC", KEY_ESC, 0x1B, 0x01, false},
    {"FK01", KEY_F1, 0x70, 0x3B, false}, {"FK02", KEY_F2, 0x71, 0x3C, false}, {"FK03", KEY_F3, 0x72, 0x3D, false},
    {"FK04", KEY_F4, 0x73, 0x3E, false}, {"FK05", KEY_F5, 0x74, 0x3F, false}, {"FK06", KEY_F6, 0x75, 0x40, false},
    {"FK07", KEY_F7, 0x76, 0x41, false}, {"FK08", KEY_F8, 0x77, 0x42, false}, {"FK09", KEY_F9, 0x78, 0x43, false},
    {"FK10", KEY_F10, 0x79, 0x44, false}, {"FK11", KEY_F11, 0x7A, 0x57, false}, {"FK12", KEY_F12, 0x7B, 0x58, false},
    {"PRSC", KEY_SYSRQ, 0x2C, 0x37, true}, {"SCLK", KEY_SCROLLLOCK, 0x91, 0x46, false},
    {"PAUS", KEY_PAUSE, 0x13, 0x45, false},
    {"TLDE", KEY_GRAVE, 0xC0, 0x29, false},
    {"AE01", KEY_1, '1', 0x02, false}, {"AE02", KEY_2, '2', 0x03, false}, {"AE03", KEY_3, '3', 0x04, false},
    {"AE04", KEY_4, '4', 0x05, false}, {"AE05", KEY_5, '5', 0x06, false}, {"AE06", KEY_6, '6', 0x07, false},
    {"AE07", KEY_7, '7', 0x08, false}, {"AE08", KEY_8, '8', 0x09, false}, {"AE09", KEY_9, '9', 0x0A, false},
    {"AE10", KEY_0, '0', 0x0B, false}, {"AE11", KEY_MINUS, 0xBD, 0x0C, false}, {"AE12", KEY_EQUAL, 0xBB, 0x0D, false},
    {"BKSP", KEY_BACKSPACE, 0x08, 0x0E, false}, {"TAB", KEY_TAB, 0x09, 0x0F, false},
    {"AD01", KEY_Q, 'Q', 0x10, false}, {"AD02", KEY_W, 'W', 0x11, false}, {"AD03", KEY_E, 'E', 0x12, false},
    {"AD04", KEY_R, 'R', 0x13, false}, {"AD05", KEY_T, 'T', 0x14, false}, {"AD06", KEY_Y, 'Y', 0x15, false},
    {"AD07", KEY_U, 'U', 0x16, false}, {"AD08", KEY_I, 'I', 0x17, false}, {"AD09", KEY_O, 'O', 0x18, false},
    {"AD10", KEY_P, 'P', 0x19, false}, {"AD11", KEY_LEFTBRACE, 0xDB, 0x1A, false},
    {"AD12", KEY_RIGHTBRACE, 0xDD, 0x1B, false}, {"BKSL", KEY_BACKSLASH, 0xDC, 0x2B, false},
    {"CAPS", KEY_CAPSLOCK, 0x14, 0x3A, false},
    {"AC01", KEY_A, 'A', 0x1E, false}, {"AC02", KEY_S, 'S', 0x1F, false}, {"AC03", KEY_D, 'D', 0x20, false},
    {"AC04", KEY_F, 'F', 0x21, false}, {"AC05", KEY_G, 'G', 0x22, false}, {"AC06", KEY_H, 'H', 0x23, false},
    {"AC07", KEY_J, 'J', 0x24, false}, {"AC08", KEY_K, 'K', 0x25, false}, {"AC09", KEY_L, 'L', 0x26, false},
    {"AC10", KEY_SEMICOLON, 0xBA, 0x27, false}, {"AC11", KEY_APOSTROPHE, 0xDE, 0x28, false},
    {"RTRN", KEY_ENTER, 0x0D, 0x1C, false},
    {"LFSH", KEY_LEFTSHIFT, 0xA0, 0x2A, false}, {"LSGT", KEY_102ND, 0xE2, 0x56, false},
    {"AB01", KEY_Z, 'Z', 0x2C, false}, {"AB02", KEY_X, 'X', 0x2D, false}, {"AB03", KEY_C, 'C', 0x2E, false},
    {"AB04", KEY_V, 'V', 0x2F, false}, {"AB05", KEY_B, 'B', 0x30, false}, {"AB06", KEY_N, 'N', 0x31, false},
    {"AB07", KEY_M, 'M', 0x32, false}, {"AB08", KEY_COMMA, 0xBC, 0x33, false}, {"AB09", KEY_DOT, 0xBE, 0x34, false},
    {"AB10", KEY_SLASH, 0xBF, 0x35, false}, {"RTSH", KEY_RIGHTSHIFT, 0xA1, 0x36, false},
    {"LCTL", KEY_LEFTCTRL, 0xA2, 0x1D, false}, {"LWIN", KEY_LEFTMETA, 0x5B, 0x5B, true},
    {"LALT", KEY_LEFTALT, 0xA4, 0x38, false}, {"SPCE", KEY_SPACE, 0x20, 0x39, false},
    {"RALT", KEY_RIGHTALT, 0xA5, 0x38, true}, {"RWIN", KEY_RIGHTMETA, 0x5C, 0x5C, true},
    {"COMP", KEY_COMPOSE, 0x5D, 0x5D, true}, {"RCTL", KEY_RIGHTCTRL, 0xA3, 0x1D, true},
    {"INS", KEY_INSERT, 0x2D, 0x52, true}, {"HOME", KEY_HOME, 0x24, 0x47, true}, {"PGUP", KEY_PAGEUP, 0x21, 0x49, true},
    {"DELE", KEY_DELETE, 0x2E, 0x53, true}, {"END", KEY_END, 0x23, 0x4F, true}, {"PGDN", KEY_PAGEDOWN, 0x22, 0x51, true},
    {"UP", KEY_UP, 0x26, 0x48, true}, {"LEFT", KEY_LEFT, 0x25, 0x4B, true}, {"DOWN", KEY_DOWN, 0x28, 0x50, true},
    {"RGHT", KEY_RIGHT, 0x27, 0x4D, true},
    {"NMLK", KEY_NUMLOCK, 0x90, 0x45, true}, {"KPDV", KEY_KPSLASH, 0x6F, 0x35, true},
    {"KPMU", KEY_KPASTERISK, 0x6A, 0x37, false}, {"KPSU", KEY_KPMINUS, 0x6D, 0x4A, false},
    {"KP7", KEY_KP7, 0x67, 0x47, false}, {"KP8", KEY_KP8, 0x68, 0x48, false}, {"KP9", KEY_KP9, 0x69, 0x49, false},
    {"KPAD", KEY_KPPLUS, 0x6B, 0x4E, false},
    {"KP4", KEY_KP4, 0x64, 0x4B, false}, {"KP5", KEY_KP5, 0x65, 0x4C, false}, {"KP6", KEY_KP6, 0x66, 0x4D, false},
    {"KP1", KEY_KP1, 0x61, 0x4F, false}, {"KP2", KEY_KP2, 0x62, 0x50, false}, {"KP3", KEY_KP3, 0x63, 0x51, false},
    {"KPEN", KEY_KPENTER, 0x0D, 0x1C, true}, {"KP0", KEY_KP0, 0x60, 0x52, false},
    {"KPDL", KEY_KPDOT, 0x6E, 0x53, false},
    // Brazilian, Japanese and Korean keys as a US layout reports them
    {"AB11", KEY_RO, 0xC1, 0x73, false}, {"JPCM", KEY_KPJPCOMMA, 0xC2, 0x7E, false},
    {"AE13", KEY_YEN, 0xFF, 0x7D, false}, {"HKTG", KEY_KATAKANAHIRAGANA, 0xFF, 0x70, false},
    {"HENK", KEY_HENKAN, 0xFF, 0x79, false}, {"MUHE", KEY_MUHENKAN, 0xEB, 0x7B, false},
    {"HNGL", KEY_HANGEUL, 0x15, 0x72, false}, {"HJCV", KEY_HANJA, 0x19, 0x71, false},
    {"MUTE", KEY_MUTE, 0xAD, 0x20, true}, {"VOL-", KEY_VOLUMEDOWN, 0xAE, 0x2E, true},
    {"VOL+", KEY_VOLUMEUP, 0xAF, 0x30, true}, {"I171", KEY_NEXTSONG, 0xB0, 0x19, true},
    {"I172", KEY_PLAYPAUSE, 0xB3, 0x22, true}, {"I173", KEY_PREVIOUSSONG, 0xB1, 0x10, true},
    {"I174", KEY_STOPCD, 0xB2, 0x24, true},
};
// clang-format on
} // namespace

void tst_KeyPositionTable::everyRow_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("xKeycode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    for (const Expected& key : kExpected)
        QTest::newRow(key.name) << QByteArray(key.name) << key.evdevCode + 8 << key.vk << key.scan << key.extended;
}

void tst_KeyPositionTable::everyRow()
{
    QFETCH(QByteArray, name);
    QFETCH(int, xKeycode);
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(bool, extended);

    const KeyPosition* row = KeyPositionTable::byXkbName(name.constData(), static_cast<std::size_t>(name.size()));
    QVERIFY2(row, "no row for this key name");
    QCOMPARE(int(row->xKeycode), xKeycode);
    QCOMPARE(int(row->vkCode), vk);
    QCOMPARE(int(row->scanCode), scan);
    QCOMPARE(row->extended, extended);
    QCOMPARE(KeyPositionTable::byXKeycode(static_cast<quint32>(xKeycode)), row);
}

void tst_KeyPositionTable::tableHasNoStrayRows()
{
    // Every row is one of the expected keys, so the data test above covers
    // the whole table, and no keycode or name appears twice.
    QCOMPARE(KeyPositionTable::rowCount(), std::size(kExpected));
    QSet<int> keycodes;
    QSet<QByteArray> names;
    for (std::size_t i = 0; i < KeyPositionTable::rowCount(); ++i) {
        const KeyPosition& row = KeyPositionTable::rows()[i];
        QVERIFY2(!keycodes.contains(row.xKeycode), row.xkbName);
        QVERIFY2(!names.contains(row.xkbName), row.xkbName);
        keycodes.insert(row.xKeycode);
        names.insert(row.xkbName);
    }
}

void tst_KeyPositionTable::lookupsAgree()
{
    QVERIFY(!KeyPositionTable::byXKeycode(0));
    QVERIFY(!KeyPositionTable::byXKeycode(255));
    QVERIFY(!KeyPositionTable::byXkbName("", 0));
    QVERIFY(!KeyPositionTable::byXkbName("NOPE", 4));
    // The pass-through keys each have exactly one position.
    for (quint32 vk : {20u, 144u, 145u, 162u, 163u}) {
        const KeyPosition* row = KeyPositionTable::byVirtualKey(vk);
        QVERIFY(row);
        QCOMPARE(quint32(row->vkCode), vk);
    }
    // Enter and keypad Enter share the virtual key; only the flag tells them apart.
    const KeyPosition* enter = KeyPositionTable::byXkbName("RTRN", 4);
    const KeyPosition* keypadEnter = KeyPositionTable::byXkbName("KPEN", 4);
    QCOMPARE(enter->vkCode, keypadEnter->vkCode);
    QVERIFY(!enter->extended && keypadEnter->extended);
}

void tst_KeyPositionTable::xkbNamesNeedNoTerminator()
{
    const char full[4] = {'A', 'C', '0', '1'};
    const KeyPosition* row = KeyPositionTable::byXkbName(full, sizeof(full));
    QVERIFY(row);
    QCOMPARE(int(row->vkCode), int('A'));
    const char shortName[4] = {'U', 'P', 0, 0};
    row = KeyPositionTable::byXkbName(shortName, sizeof(shortName));
    QVERIFY(row);
    QCOMPARE(int(row->vkCode), 0x26);
    // A longer name must not match on its first four characters.
    QVERIFY(!KeyPositionTable::byXkbName("AC01X", 5));
}

void tst_KeyPositionTable::qtKeysTellKeypadFromNavigation_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("vk");
    QTest::addColumn<bool>("extended");
    QTest::newRow("Home") << int(Qt::Key_Home) << false << 0x24 << true;
    QTest::newRow("keypad 7 without Num Lock") << int(Qt::Key_Home) << true << 0x67 << false;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << true << 0x67 << false;
    QTest::newRow("7") << int(Qt::Key_7) << false << int('7') << false;
    QTest::newRow("Up") << int(Qt::Key_Up) << false << 0x26 << true;
    QTest::newRow("keypad 8 without Num Lock") << int(Qt::Key_Up) << true << 0x68 << false;
    QTest::newRow("keypad 5 without Num Lock") << int(Qt::Key_Clear) << true << 0x65 << false;
    QTest::newRow("Return") << int(Qt::Key_Return) << false << 0x0D << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 0x0D << true;
    QTest::newRow("slash") << int(Qt::Key_Slash) << false << 0xBF << false;
    QTest::newRow("keypad divide") << int(Qt::Key_Slash) << true << 0x6F << true;
    QTest::newRow("Num Lock marked keypad") << int(Qt::Key_NumLock) << true << 0x90 << true;
}

void tst_KeyPositionTable::qtKeysTellKeypadFromNavigation()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, vk);
    QFETCH(bool, extended);
    const KeyPosition* row = KeyPositionTable::byQtKey(qtKey, keypad);
    QVERIFY(row);
    QCOMPARE(int(row->vkCode), vk);
    QCOMPARE(row->extended, extended);
}

ORVANE_TEST_MAIN(tst_KeyPositionTable)
#include "tst_KeyPositionTable.moc"
