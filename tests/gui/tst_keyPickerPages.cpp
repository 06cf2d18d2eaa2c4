// The remap and key-combination pages over the real profile store, with the
// virtual keyboard they pop up: opening and closing the pop-up with the
// keyboard hook signals, what clicks and captured keys store and show, what
// a stored entry shows when the page loads (values of imported profiles
// included), the failure message of a profile that cannot be written, and
// the key field's hint readable in every theme.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/CurrentProfileLayer.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/SoftKeyLooks.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DKeyFunctionDescriber.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DAppStyle.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace StoreTestSupport;
using SoftKeyLooks::markedLooks;

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;
constexpr int kLeftCtrl = 224;
constexpr int kLeftShift = 225;
constexpr int kLeftAlt = 226;
constexpr int kRightAlt = 230;
constexpr int kRightWin = 231;
constexpr int kF1 = 58;
// A usage no key of the on-screen keyboard has, so it has no label.
constexpr int kUnlabelled = 9999;

QByteArray fileBytes(const QByteArray& path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The key's entry as "type/paramA/paramB/value", or "none".
QString entryOf(const QByteArray& path, int key)
{
    keyOperateInfo info;
    setText(info.keyCode, "-1");
    COrvaneXML_SelectProFileKeyOperateInfo(path, "1", QByteArray::number(key), &info);
    if (QByteArray(info.keyCode) == "-1")
        return QStringLiteral("none");
    return QStringLiteral("%1/%2/%3/%4")
        .arg(QString::fromLatin1(info.type), QString::fromLatin1(info.paramA), QString::fromLatin1(info.paramB),
             QString::fromUtf8(info.value));
}

SoftKeyboardButCustom* keyOf(const QWidget& page, int usage)
{
    for (SoftKeyboardButCustom* key : page.findChildren<SoftKeyboardButCustom*>()) {
        if (key->keyDec() == usage)
            return key;
    }
    return nullptr;
}

// The user tabs onto the field of a page on show.
void focusIn(QWidget* field)
{
    field->window()->show();
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}

// A key as the pointer clicks it on the pop-up, or handed over by the key
// capture for a key the pop-up does not show.
void pick(QWidget& page, int usage, bool captured)
{
    SoftKeyboardButCustom* key = keyOf(page, usage);
    if (captured || !key) {
        if (auto* remap = qobject_cast<DChangeKeyPage*>(&page))
            remap->setCapturedKey(usage);
        else if (auto* combination = qobject_cast<DKeyCombinationPage*>(&page))
            combination->setCapturedKey(usage);
        return;
    }
    QEvent in(QEvent::Enter);
    QCoreApplication::sendEvent(key, &in);
    QTest::mouseClick(key, Qt::LeftButton);
    QEvent out(QEvent::Leave);
    QCoreApplication::sendEvent(key, &out);
}

} // namespace

class tst_keyPickerPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CurrentProfileLayer> m_profile;
    QByteArray m_default;

    bool addEntry(int key, const QByteArray& type, const QByteArray& value)
    {
        return COrvaneXML_AddProFileMacroWithKeyInfoItem(m_default, "1", QByteArray::number(key), "K", type, "1", "1",
                                                         value);
    }

    template<typename Page>
    void popupOpensAndCloses(const char* fieldName)
    {
        Page page;
        page.loadCurrentKeyInfo();
        auto* field = page.template findChild<QLineEdit*>(QLatin1String(fieldName));
        auto* popup = page.template findChild<ArrowWidget*>();
        QVERIFY(field && popup);
        QVERIFY(!popup->isVisible() && !popup->isPopupOpen());
        QSignalSpy hook(&page, &Page::sigMesgStartOrStopHook);

        focusIn(field);
        QVERIFY(popup->isVisible() && popup->isPopupOpen());
        QCOMPARE(popup->size(), QSize(1050, 345));
        const QPoint placed = field->mapToGlobal(QPoint(field->width() / 2, field->height())) - QPoint(357, 375);
        QCOMPARE(popup->pos(), placed);
        QCOMPARE(hook.size(), 1);
        QCOMPARE(hook.at(0).at(0).toBool(), true);

        // Open already: the pop-up stays where it is and the hook is asked once.
        popup->move(placed + QPoint(5, 5));
        focusIn(field);
        QCOMPARE(popup->pos(), placed + QPoint(5, 5));
        QCOMPARE(hook.size(), 1);

        // Losing the activation (the capture's grab, another program used)
        // does not end the listening; its close control does.
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(popup, &deactivate);
        QVERIFY(popup->isVisible() && popup->isPopupOpen());
        QCOMPARE(hook.size(), 1);
        QTest::mouseClick(popup->template findChild<QToolButton*>(QStringLiteral("toolButton_StopListening")),
                          Qt::LeftButton);
        QVERIFY(!popup->isVisible() && !popup->isPopupOpen());
        QCOMPARE(hook.size(), 2);
        QCOMPARE(hook.at(1).at(0).toBool(), false);

        focusIn(field);
        QVERIFY(popup->isVisible());
        QCOMPARE(hook.size(), 3);
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        m_profile = std::make_unique<CurrentProfileLayer>();
        QVERIFY(m_profile->ready());
        m_default = m_profile->path();
        DDataManager* data = DDataManager::getInstance();
        data->setMagneticKeyboard(false);
        data->setCurrentKey(kKeyA, QStringLiteral("A"));
    }
    void cleanup() { m_profile.reset(); }

    // The empty key field's hint, in the theme's muted text whichever theme
    // follows the page's first, reads on the field as drawn.
    void keyFieldHint_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 4; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }
    void keyFieldHint()
    {
        QFETCH(int, theme);
        DChangeKeyPage remap;
        DKeyCombinationPage combination;
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        const QColor muted = data->themeRoles().color(DThemeRoles::MutedText);
        for (QLineEdit* field : {remap.findChild<QLineEdit*>(QStringLiteral("lineEdit_changForKey")),
                                 combination.findChild<QLineEdit*>(QStringLiteral("lineEdit_keyCombination"))}) {
            QVERIFY(!field->placeholderText().isEmpty());
            field->clear();
            field->window()->show();
            QVERIFY(QTest::qWaitForWindowExposed(field->window()));
            QCOMPARE(field->palette().color(QPalette::PlaceholderText), muted);
            const double ratio = ContrastRatio::contrast(muted, RenderedLook::background(field));
            QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QString::number(ratio)));
        }
        data->loadTheme(0);
        DAppStyle::apply(0);
    }

    void remapPopup() { popupOpensAndCloses<DChangeKeyPage>("lineEdit_changForKey"); }
    void combinationPopup() { popupOpensAndCloses<DKeyCombinationPage>("lineEdit_keyCombination"); }

    // Every pick stores at once and the pop-up stays open for the next; the
    // key itself is a target like any other, a key without a label none.
    void remapPicks_data()
    {
        QTest::addColumn<bool>("captured");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stores");
        for (bool captured : {false, true}) {
            const char* how = captured ? "captured" : "clicked";
            QTest::addRow("%s B", how) << captured << QList<int>{kKeyB} << "0/1/1/5"
                                       << "B" << 1;
            QTest::addRow("%s itself", how) << captured << QList<int>{kKeyA} << "0/1/1/4"
                                            << "A" << 1;
            QTest::addRow("%s B then C", how) << captured << QList<int>{kKeyB, kKeyC} << "0/1/1/6"
                                              << "C" << 2;
            QTest::addRow("%s F1", how) << captured << QList<int>{kF1} << "0/1/1/58"
                                        << "F1" << 1;
        }
        QTest::newRow("captured without label") << true << QList<int>{kUnlabelled} << "1/1/1/2"
                                                << "" << 0;
        QTest::newRow("captured B then without label") << true << QList<int>{kKeyB, kUnlabelled} << "0/1/1/5"
                                                       << "B" << 1;
    }
    void remapPicks()
    {
        QFETCH(bool, captured);
        QFETCH(QList<int>, picks);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(int, stores);
        QVERIFY(addEntry(kKeyA, "1", "2"));
        DChangeKeyPage page;
        page.loadCurrentKeyInfo();
        auto* field = page.findChild<QLineEdit*>(QStringLiteral("lineEdit_changForKey"));
        auto* popup = page.findChild<ArrowWidget*>();
        focusIn(field);
        QSignalSpy updated(&page, &DChangeKeyPage::sigShoudUpdateKeyboard);
        QSignalSpy succeeded(&page, &DChangeKeyPage::sigCustomKeyInfoSaveSuccessful);
        for (int usage : picks)
            pick(page, usage, captured);
        QCOMPARE(entryOf(m_default, kKeyA), entry);
        QCOMPARE(field->text(), shown);
        if (!shown.isEmpty())
            QCOMPARE(field->maxLength(), shown.size());
        QCOMPARE(updated.size(), stores);
        QCOMPARE(succeeded.size(), stores);
        for (const QList<QVariant>& update : updated)
            QCOMPARE(update.at(0).toInt(), kKeyA);
        QVERIFY(popup->isVisible());
        QCOMPARE(markedLooks(page), QList<int>());
    }

    // What the field shows for the stored entry when the page loads.
    void remapLoads_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("remap to B") << QByteArray("0") << QByteArray("5") << "B";
        QTest::newRow("remap to the quote key") << QByteArray("0") << QByteArray("52") << "' \"";
        QTest::newRow("remap to Fn") << QByteArray("0") << QByteArray("-10") << "Fn";
        QTest::newRow("remap without label") << QByteArray("0") << QByteArray("9999") << "";
        QTest::newRow("combination") << QByteArray("2") << QByteArray("3,4") << "";
        QTest::newRow("none") << QByteArray() << QByteArray() << "";
    }
    void remapLoads()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        if (!type.isNull())
            QVERIFY(addEntry(kKeyA, type, value));
        DChangeKeyPage page;
        page.loadCurrentKeyInfo();
        QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("lineEdit_changForKey"))->text(), shown);
        QVERIFY(page.findChild<QWidget*>(QStringLiteral("frame_Top2"))->isHidden());
    }

    // Keys in a row, clicked on the pop-up or handed over by the key capture
    // (a key the pop-up does not show always is): what is stored, what the
    // field shows and which keys stay marked.
    void combinationSequences_data()
    {
        QTest::addColumn<bool>("captured");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("marked");
        for (bool captured : {false, true}) {
            const char* how = captured ? "captured" : "clicked";
            QTest::addRow("%s two modifiers and a key", how)
                << captured << QList<int>{kLeftCtrl, kLeftShift, kKeyA} << "2/1/1/3,4"
                << "L_CTRL+L_SHIFT+A" << QList<int>{};
            QTest::addRow("%s right modifiers", how)
                << captured << QList<int>{kRightAlt, kRightWin, kF1} << "2/1/1/192,58"
                << "R_ALT+R_WIN+F1" << QList<int>{};
            QTest::addRow("%s one modifier", how) << captured << QList<int>{kLeftAlt, kKeyB} << "2/1/1/4,5"
                                                  << "L_ALT+B" << QList<int>{};
            QTest::addRow("%s plain key first", how) << captured << QList<int>{kKeyA} << "none"
                                                     << "" << QList<int>{};
            QTest::addRow("%s plain key first, then a combination", how)
                << captured << QList<int>{kKeyC, kLeftCtrl, kKeyB} << "2/1/1/1,5"
                << "L_CTRL+B" << QList<int>{};
            QTest::addRow("%s same modifier twice", how)
                << captured << QList<int>{kLeftCtrl, kLeftCtrl, kKeyA} << "2/1/1/1,4"
                << "L_CTRL+A" << QList<int>{};
            QTest::addRow("%s third modifier refused", how)
                << captured << QList<int>{kLeftCtrl, kLeftShift, kLeftAlt} << "none"
                << "L_CTRL+L_SHIFT" << (captured ? QList<int>{} : QList<int>{kLeftCtrl, kLeftShift});
            QTest::addRow("%s third modifier refused, then a key", how)
                << captured << QList<int>{kLeftCtrl, kLeftShift, kLeftAlt, kKeyA} << "2/1/1/3,4"
                << "L_CTRL+L_SHIFT+A" << QList<int>{};
        }
        QTest::newRow("closing key without label") << true << QList<int>{kLeftCtrl, kUnlabelled} << "none"
                                                   << "L_CTRL" << QList<int>{};
        QTest::newRow("closing key without label, then a combination")
            << false << QList<int>{kLeftCtrl, kUnlabelled, kLeftShift, kKeyB} << "2/1/1/2,5"
            << "L_SHIFT+B" << QList<int>{};
    }
    void combinationSequences()
    {
        QFETCH(bool, captured);
        QFETCH(QList<int>, keys);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QList<int>, marked);
        DKeyCombinationPage page;
        page.loadCurrentKeyInfo();
        auto* field = page.findChild<QLineEdit*>(QStringLiteral("lineEdit_keyCombination"));
        focusIn(field);
        QSignalSpy succeeded(&page, &DKeyCombinationPage::sigCustomKeyInfoSaveSuccessful);
        for (int usage : keys)
            pick(page, usage, captured);
        QCOMPARE(entryOf(m_default, kKeyA), entry);
        QCOMPARE(succeeded.size(), entry == QLatin1String("none") ? 0 : 1);
        QCOMPARE(field->text(), shown);
        if (!shown.isEmpty())
            QCOMPARE(field->maxLength(), shown.size());
        QCOMPARE(markedLooks(page), marked);
    }

    // Closing the pop-up half way keeps what was chosen; marking is on only
    // while it is open.
    void halfBuiltCombinationSurvivesClosing()
    {
        DKeyCombinationPage page;
        page.loadCurrentKeyInfo();
        auto* field = page.findChild<QLineEdit*>(QStringLiteral("lineEdit_keyCombination"));
        auto* popup = page.findChild<ArrowWidget*>();
        focusIn(field);
        pick(page, kLeftCtrl, false);
        QTest::mouseClick(popup->findChild<QToolButton*>(QStringLiteral("toolButton_StopListening")), Qt::LeftButton);
        QVERIFY(!popup->isVisible());
        pick(page, kLeftShift, false);
        QCOMPARE(markedLooks(page), QList<int>({kLeftCtrl}));
        focusIn(field);
        pick(page, kKeyA, false);
        QCOMPARE(entryOf(m_default, kKeyA), QStringLiteral("2/1/1/3,4"));
        QCOMPARE(field->text(), QStringLiteral("L_CTRL+L_SHIFT+A"));
    }

    // The stored value as the field shows it, with the names the key
    // picture's tip uses; values from other sources show what can be read
    // and leave nothing to be stored.
    void combinationLoads_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two and a key") << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
        QTest::newRow("every modifier") << QByteArray("255,44")
                                        << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+Space";
        QTest::newRow("bits above the modifiers") << QByteArray("259,5") << "L_CTRL+L_SHIFT+B";
        QTest::newRow("no comma") << QByteArray("3") << "L_CTRL+L_SHIFT";
        QTest::newRow("letters") << QByteArray("a,b") << "";
        QTest::newRow("key without label") << QByteArray("16,9999") << "R_CTRL";
        QTest::newRow("empty") << QByteArray("") << "";
    }
    void combinationLoads()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        QVERIFY(addEntry(kKeyA, "2", value));
        DKeyCombinationPage page;
        page.loadCurrentKeyInfo();
        auto* field = page.findChild<QLineEdit*>(QStringLiteral("lineEdit_keyCombination"));
        QCOMPARE(field->text(), shown);

        keyOperateInfo info;
        QVERIFY(DKeyFunctionStore::lookUp(m_default.constData(), 1, kKeyA, &info));
        const DKeyFunctionDescriber describer(DDataManager::getInstance()->keyNameMap(), m_default.constData(), "", "");
        QCOMPARE(describer.describe(info).detail, shown);

        // Nothing loaded is taken into a combination: a key alone stores nothing.
        const QByteArray before = fileBytes(m_default);
        focusIn(field);
        pick(page, kKeyB, false);
        QCOMPARE(fileBytes(m_default), before);
    }

    // In the key customisation page: a store the profile cannot take gives
    // the failure message and leaves the file as it was.
    void failedStore_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("remap") << 2 << QList<int>{kKeyB};
        QTest::newRow("combination") << 7 << QList<int>{kLeftCtrl, kKeyB};
    }
    void failedStore()
    {
        QFETCH(int, function);
        QFETCH(QList<int>, keys);
        QVERIFY(addEntry(kKeyA, "0", "6"));
        DCustomKeysPage host;
        host.setProfileIndex(1);
        host.setProfilePath(m_default);
        host.initPageState(0);
        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        host.onCurIndexChanged_Key(function);
        QWidget* shown = host.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"))->currentWidget();
        focusIn(shown->findChild<QLineEdit*>());
        QSignalSpy messages(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        const QByteArray before = fileBytes(m_default);
        {
            LockedFolder lock(m_profile->folder());
            if (!lock.locked())
                QSKIP("This file system cannot lock a folder");
            for (int usage : keys)
                pick(*shown, usage, false);
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(),
                 QStringLiteral("Setting failed because the profile could not be saved"));
        QCOMPARE(fileBytes(m_default), before);
    }
};

ORVANE_TEST_MAIN(tst_keyPickerPages)
#include "tst_keyPickerPages.moc"
