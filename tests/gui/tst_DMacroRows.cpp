// The two rows of the macro editor: a macro of the list with its menu and
// its rename in place, and one event of the macro on show.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DThemeIcons.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace StoreTestSupport;

namespace {

template<typename T>
T* child(QWidget& widget, const char* name)
{
    T* found = widget.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString shown(DCatchKeyAndMouseItem& row, const char* name)
{
    return child<QLabel>(row, name)->text();
}

// An icon button as it is drawn.
QImage drawn(QWidget* button)
{
    button->ensurePolished();
    return button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// A button of that size drawn with the theme's copy of the icon `name`.
QImage drawnIcon(const QString& name, const QSize& size)
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    QPushButton reference;
    reference.resize(size);
    reference.setStyleSheet(
        DThemeIcons::restyle(QStringLiteral("QPushButton{border-image:url(:/images/macro/%1.png);}").arg(name),
                             roles.color(DThemeRoles::Text), roles.color(DThemeRoles::AccentText)));
    return drawn(&reference);
}

void sendEnter(QWidget* widget)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(widget, &enter);
}

void sendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

} // namespace

class tst_DMacroRows : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void eventIcons_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("explain");
        QTest::addColumn<QString>("kindIcon");
        QTest::addColumn<QString>("directionIcon");

        QTest::newRow("key down") << "key"
                                  << "down"
                                  << "keyboardSel"
                                  << "keyDownSel";
        QTest::newRow("key up") << "key"
                                << "up"
                                << "keyboardSel"
                                << "keyUpDef";
        QTest::newRow("mouse down") << "mouse"
                                    << "down"
                                    << "mouseSel"
                                    << "keyDownSel";
        QTest::newRow("mouse up") << "mouse"
                                  << "up"
                                  << "mouseSel"
                                  << "keyUpDef";
        // The icons compare exactly: anything else is time, the direction as
        // the form left it.
        QTest::newRow("capital M") << "Mouse"
                                   << "down"
                                   << "timeSel"
                                   << "form";
        QTest::newRow("mouse inside a longer type") << "mouses"
                                                    << "down"
                                                    << "timeSel"
                                                    << "form";
        QTest::newRow("key with another direction") << "key"
                                                    << "Down"
                                                    << "keyboardSel"
                                                    << "form";
    }
    void eventIcons()
    {
        QFETCH(QString, type);
        QFETCH(QString, explain);
        QFETCH(QString, kindIcon);
        QFETCH(QString, directionIcon);
        DCatchKeyAndMouseItem row(QStringLiteral("4"));
        auto* kind = child<QPushButton>(row, "pushButton_EventSelect");
        auto* direction = child<QPushButton>(row, "pushButton_EventStatus");
        const QImage formDirection = drawn(direction);
        row.setData(10, type, 4, QStringLiteral("A"), explain);
        QCOMPARE(drawn(kind), drawnIcon(kindIcon, kind->size()));
        if (directionIcon == QLatin1String("form")) {
            QCOMPARE(drawn(direction), formDirection);
            QCOMPARE(drawn(direction), drawnIcon(QStringLiteral("keyUpDef"), direction->size()));
        } else {
            QCOMPARE(drawn(direction), drawnIcon(directionIcon, direction->size()));
        }
    }

    void eventTexts_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("codeName");
        QTest::addColumn<QString>("delayText");
        QTest::addColumn<QString>("text");

        QTest::newRow("key label") << 120 << "key" << QString::fromUtf8("\xC3\x96") << "120 MS"
                                   << QString::fromUtf8("\xC3\x96");
        QTest::newRow("left button") << 0 << "mouse"
                                     << "Left Click"
                                     << "0 MS"
                                     << "Left Click";
        QTest::newRow("left wins over right") << 5 << "mouse"
                                              << "Right or Left"
                                              << "5 MS"
                                              << "Left Click";
        QTest::newRow("middle button") << 5 << "mouse"
                                       << "Center Click"
                                       << "5 MS"
                                       << "Center Click";
        QTest::newRow("right button") << 5 << "mouse"
                                      << "Right Click"
                                      << "5 MS"
                                      << "Right Click";
        QTest::newRow("side in lower case") << 5 << "mouse"
                                            << "left click"
                                            << "5 MS"
                                            << "";
        QTest::newRow("mouse inside a longer type") << 5 << "mouses"
                                                    << "Right Click"
                                                    << "5 MS"
                                                    << "Right Click";
        QTest::newRow("capital M is no mouse") << 5 << "Mouse"
                                               << "Left Click x"
                                               << "5 MS"
                                               << "Left Click x";
        QTest::newRow("negative delay") << -20 << "key"
                                        << "A"
                                        << "-20 MS"
                                        << "A";
    }
    void eventTexts()
    {
        QFETCH(int, delay);
        QFETCH(QString, type);
        QFETCH(QString, codeName);
        QFETCH(QString, delayText);
        QFETCH(QString, text);
        DCatchKeyAndMouseItem row(QStringLiteral("9"));
        row.setData(delay, type, 513, codeName, QStringLiteral("down"));
        QCOMPARE(shown(row, "label_DelayTime"), delayText);
        QCOMPARE(shown(row, "label_CatchEventExplain"), text);
        // The values are kept as given, the mark as constructed.
        QCOMPARE(row.getMark(), QStringLiteral("9"));
        QCOMPARE(row.getDelay(), QString::number(delay));
        QCOMPARE(row.getType(), type);
        QCOMPARE(row.getKeyCode(), QStringLiteral("513"));
        QCOMPARE(row.getCodeName(), codeName);
        QCOMPARE(row.getOperateExplain(), QStringLiteral("down"));
        row.setDelay(0);
        QCOMPARE(shown(row, "label_DelayTime"), QStringLiteral("0 MS"));
        QCOMPARE(row.getDelay(), QStringLiteral("0"));
        QCOMPARE(row.getType(), type);
    }

    void eventLooks_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<bool>("selectedBackground");
        QTest::addColumn<bool>("selectedText");

        QTest::newRow("highlighted") << 0 << true << false;
        QTest::newRow("selected") << 1 << true << true;
        QTest::newRow("highlight taken off") << 2 << false << false;
        QTest::newRow("selection taken off") << 3 << false << false;
    }
    void eventLooks()
    {
        QFETCH(int, look);
        QFETCH(bool, selectedBackground);
        QFETCH(bool, selectedText);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        DCatchKeyAndMouseItem row(QStringLiteral("1"));
        row.setData(1, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
        row.resize(420, 46);
        if (look == 0)
            row.setHighlighted(true);
        else if (look == 1)
            row.setSelected(true);
        else if (look == 2) {
            row.setHighlighted(true);
            row.setHighlighted(false);
        } else {
            row.setSelected(true);
            row.setSelected(false);
        }
        const QColor background
            = roles.color(selectedBackground ? DThemeRoles::MacroRowSelected : DThemeRoles::MacroCenter);
        QCOMPARE(RenderedLook::background(child<QWidget>(row, "frame")).name(), background.name());
        // The delay's cell lets the row show through.
        QCOMPARE(RenderedLook::background(child<QWidget>(row, "frame_2")).name(), background.name());
        const QColor text = roles.color(selectedText ? DThemeRoles::AccentText : DThemeRoles::MacroRowText);
        for (const char* label : {"label_DelayTime", "label_CatchEventExplain"})
            QCOMPARE(RenderedLook::text(child<QWidget>(row, label)).name(), text.name());
    }

    // The delay's cell shows the row's own colour behind it, in every theme
    // and selected or not, and the delay reads on it.
    void delayReadsOnItsRow_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("selected");
        const char* themes[] = {"dark", "light", "blue", "pink"};
        for (int theme = 0; theme < 4; ++theme) {
            QTest::addRow("%s", themes[theme]) << theme << false;
            QTest::addRow("%s, selected", themes[theme]) << theme << true;
        }
    }
    void delayReadsOnItsRow()
    {
        QFETCH(int, theme);
        QFETCH(bool, selected);
        const ThemeUnderTest::Scope themed(theme);
        const DThemeRoles roles = DDataManager::getInstance()->themeRoles();
        DCatchKeyAndMouseItem row(QStringLiteral("1"));
        row.setData(1500, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
        row.setSelected(selected);
        row.resize(420, 46);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        const QImage image = row.grab().toImage();
        auto* delay = child<QLabel>(row, "label_DelayTime");
        const QRect area = QRect(delay->mapTo(&row, QPoint(0, 0)), delay->size()).intersected(image.rect());
        QVERIFY(!area.isEmpty());
        // The text covers a small part of its label: the commonest colour
        // there is what it is drawn on.
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y) | 0xff000000u];
        QRgb commonest = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(commonest))
                commonest = it.key();
        const QColor background(commonest);
        QCOMPARE(background.name(),
                 roles.color(selected ? DThemeRoles::MacroRowSelected : DThemeRoles::MacroCenter).name());
        const QColor text = RenderedLook::text(delay);
        QCOMPARE(text.name(), roles.color(selected ? DThemeRoles::AccentText : DThemeRoles::MacroRowText).name());
        const double ratio = ContrastRatio::contrast(text, background);
        QVERIFY2(
            ratio >= ContrastRatio::kText,
            qPrintable(QStringLiteral("%1 on %2: %3:1").arg(text.name(), background.name()).arg(ratio, 0, 'f', 2)));
    }

    void eventPointerAndButtons()
    {
        DCatchKeyAndMouseItem row(QStringLiteral("6"));
        row.setData(30, QStringLiteral("mouse"), 517, QStringLiteral("Right Click"), QStringLiteral("up"));
        row.resize(420, 46);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy clicked(&row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
        QSignalSpy deleted(&row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
        QSignalSpy entered(&row, &DCatchKeyAndMouseItem::sigMouseEnter);
        QSignalSpy left(&row, &DCatchKeyAndMouseItem::sigMouseLeave);
        auto* deleteButton = child<QPushButton>(row, "pushButton_Delete");
        QVERIFY(deleteButton->isHidden());
        for (const char* hidden : {"label_2", "label_MarkNum"})
            QVERIFY(child<QLabel>(row, hidden)->isHidden());

        sendEnter(&row);
        QVERIFY(deleteButton->isVisible());
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0), (QVariantList{"6", "up"}));

        QTest::mouseClick(deleteButton, Qt::LeftButton);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(clicked.count(), 0);
        // The icons are buttons too and keep the press to themselves.
        QTest::mouseClick(child<QPushButton>(row, "pushButton_EventSelect"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);

        QTest::mousePress(child<QLabel>(row, "label_CatchEventExplain"), Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0), (QVariantList{"30", "mouse", "517", "Right Click", "up"}));

        sendLeave(&row);
        QVERIFY(deleteButton->isHidden());
        QCOMPARE(left.count(), 1);
        QCOMPARE(left.at(0), (QVariantList{"6", "up"}));
    }

    void macroRowDoubleClickIsAClickThenRename()
    {
        DMacroListItem row;
        row.setData(QStringLiteral("3"), QStringLiteral("Burst"));
        row.resize(300, 46);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
        // A double-click arrives as a press and release, then the double-click.
        QTest::mouseClick(child<QLabel>(row, "label_MacroName"), Qt::LeftButton);
        QTest::mouseDClick(child<QLabel>(row, "label_MacroName"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0), (QVariantList{"3", "Burst"}));
        auto* stack = child<QStackedWidget>(row, "stackedWidget");
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
        QCOMPARE(child<QLineEdit>(row, "lineEdit_MacroName")->text(), QStringLiteral("Burst"));

        // The row's buttons keep their presses: no click reaches the list.
        QTest::mouseClick(child<QPushButton>(row, "pushButton_Cancel"), Qt::LeftButton);
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Default"));
        QCOMPARE(clicked.count(), 1);
    }

    void macroRowRename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stored");

        QTest::newRow("a name") << QString::fromUtf8("Sprung \xE2\x9C\x93") << true;
        QTest::newRow("spaces are a name") << "   " << true;
        QTest::newRow("empty") << "" << false;
    }
    void macroRowRename()
    {
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        const QByteArray path = pathIn(m_dir, QStringLiteral("rename%1.xml").arg(QTest::currentDataTag()));
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "2", "Macro2"));
        DMacroListItem row;
        row.setMacroFilePath(path.constData());
        row.setData(QStringLiteral("2"), QStringLiteral("Macro2"));
        QSignalSpy empty(&row, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
        QSignalSpy renamed(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
        row.onMacroModifyNanme();
        child<QLineEdit>(row, "lineEdit_MacroName")->setText(typed);
        child<QPushButton>(row, "pushButton_Save")->click();
        QCOMPARE(renamed.count(), stored ? 1 : 0);
        QCOMPARE(empty.count(), stored ? 0 : 1);
        std::list<macroNodeInfo> nodes;
        QVERIFY(COrvaneXML_SelectMacroAllNodes(path, &nodes));
        QCOMPARE(QString::fromStdString(nodes.front().name), stored ? typed : QStringLiteral("Macro2"));
        QCOMPARE(row.macroName(), stored ? typed : QStringLiteral("Macro2"));
        QCOMPARE(child<QLabel>(row, "label_MacroName")->text(), row.macroName());
        QCOMPARE(child<QStackedWidget>(row, "stackedWidget")->currentWidget()->objectName(),
                 stored ? QStringLiteral("page_Default") : QStringLiteral("page_ModifyName"));

        // Cancel, then rename again: the field starts from the kept name.
        child<QLineEdit>(row, "lineEdit_MacroName")->setText(QStringLiteral("abandoned"));
        child<QPushButton>(row, "pushButton_Cancel")->click();
        row.onMacroModifyNanme();
        QCOMPARE(child<QLineEdit>(row, "lineEdit_MacroName")->text(), row.macroName());
    }

    void macroRowRenameRefusedByTheFile()
    {
        DMacroListItem row;
        row.setMacroFilePath(pathIn(m_dir, QStringLiteral("missing/appMacro.xml")).constData());
        row.setData(QStringLiteral("1"), QStringLiteral("Macro1"));
        QSignalSpy failed(&row, &DMacroListItem::sigModifyMacroItemNameFailed);
        QSignalSpy renamed(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
        row.onMacroModifyNanme();
        child<QLineEdit>(row, "lineEdit_MacroName")->setText(QStringLiteral("Other"));
        child<QPushButton>(row, "pushButton_Save")->click();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(renamed.count(), 0);
        QCOMPARE(row.macroName(), QStringLiteral("Macro1"));
        QCOMPARE(child<QLineEdit>(row, "lineEdit_MacroName")->text(), QStringLiteral("Other"));
    }

    void macroRowMenuActsOnRelease_data()
    {
        QTest::addColumn<QByteArray>("pressOn");
        QTest::addColumn<QByteArray>("releaseOver");
        QTest::addColumn<QString>("acted");

        QTest::newRow("export") << QByteArray("label_Export") << QByteArray("label_Export") << "export";
        QTest::newRow("delete") << QByteArray("label_Delete") << QByteArray("label_Delete") << "delete";
        QTest::newRow("rename") << QByteArray("label_ModifyNanme") << QByteArray("label_ModifyNanme") << "rename";
        QTest::newRow("pressed on export, released over delete")
            << QByteArray("label_Export") << QByteArray("label_Delete") << "export";
    }
    void macroRowMenuActsOnRelease()
    {
        QFETCH(QByteArray, pressOn);
        QFETCH(QByteArray, releaseOver);
        QFETCH(QString, acted);
        // A row that never got its data sends what it was made with.
        DMacroListItem row;
        row.resize(300, 46);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy exported(&row, &DMacroListItem::sigExportMacroChildList);
        QSignalSpy deleted(&row, &DMacroListItem::sigDeleteMacro);
        auto* operate = child<QPushButton>(row, "pushButton_MacroOperate");
        operate->click();
        auto* popup = row.findChild<ArrowWidget*>();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        auto* menu = popup->findChild<macroMenuToolWidget*>();
        QVERIFY(menu);
        auto* pressed = menu->findChild<QLabel*>(QString::fromLatin1(pressOn));
        auto* over = menu->findChild<QLabel*>(QString::fromLatin1(releaseOver));
        QTest::mousePress(pressed, Qt::LeftButton);
        QCOMPARE(exported.count() + deleted.count(), 0);
        QVERIFY(popup->isVisible());
        // Qt gives the release to the label the button went down on.
        QTest::mouseRelease(pressed, Qt::LeftButton, {},
                            pressed->mapFromGlobal(over->mapToGlobal(over->rect().center())));
        QVERIFY(popup->isHidden());
        QCOMPARE(exported.count(), acted == QLatin1String("export") ? 1 : 0);
        QCOMPARE(deleted.count(), acted == QLatin1String("delete") ? 1 : 0);
        if (acted == QLatin1String("export"))
            QCOMPARE(exported.at(0), (QVariantList{"-1", ""}));
        if (acted == QLatin1String("delete"))
            QCOMPARE(deleted.at(0), (QVariantList{"-1", ""}));
        QCOMPARE(child<QStackedWidget>(row, "stackedWidget")->currentWidget()->objectName(),
                 acted == QLatin1String("rename") ? QStringLiteral("page_ModifyName") : QStringLiteral("page_Default"));

        // One bubble per row, shown again.
        operate->click();
        QCOMPARE(row.findChildren<ArrowWidget*>().size(), 1);
        QVERIFY(popup->isVisible());
        popup->hide();
    }

    void macroRowLooks()
    {
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        DMacroListItem row;
        row.resize(300, 46);
        QVERIFY(child<QLabel>(row, "label_BindingStatus")->isHidden());
        QCOMPARE(row.height(), 46);
        QWidget* frame = child<QWidget>(row, "frame_5");
        const QColor selected = roles.color(DThemeRoles::MacroRowSelected);
        QVERIFY(RenderedLook::background(frame).name() != selected.name());
        row.setSelected(true);
        QCOMPARE(RenderedLook::background(frame).name(), selected.name());
        row.setSelected(false);
        QVERIFY(RenderedLook::background(frame).name() != selected.name());
        QCOMPARE(RenderedLook::text(child<QWidget>(row, "label_MacroName")).name(),
                 roles.color(DThemeRoles::MacroRowText).name());
    }
};

ORVANE_TEST_MAIN(tst_DMacroRows)
#include "tst_DMacroRows.moc"
