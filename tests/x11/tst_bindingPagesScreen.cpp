#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/DAppStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstring>

// No GL integration: the page needs none, and the GLX plug-in is unloaded
// before exit with an allocation LeakSanitizer can no longer attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {

using namespace StoreTestSupport;

// Every label and radio button of the page shows its whole text.
void verifyTextsFit(QWidget* page)
{
    for (QRadioButton* button : page->findChildren<QRadioButton*>()) {
        QVERIFY2(button->sizeHint().width() <= button->width(),
                 qPrintable(QStringLiteral("%1 \"%2\": %3 wide, needs %4")
                                .arg(button->objectName(), button->text())
                                .arg(button->width())
                                .arg(button->sizeHint().width())));
        QVERIFY2(button->mapTo(page, QPoint(button->width(), 0)).x() <= page->width(),
                 qPrintable(button->objectName()));
    }
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->isVisible())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
    }
}

} // namespace

// The macro binding page with its macro list open, the advanced-key
// binding page, the profile-switch, application-launch and text pages, in
// the key customisation page on a real X server, in the four themes
// and three languages: texts fit, the open list shows its entries below the
// box. The screenshots are kept in the build tree for a person to look at.
class tst_bindingPagesScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void pagesOnScreen_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("language");
        for (int theme = 0; theme < 4; ++theme) {
            for (const char* language : {"English", "German", "Russian"})
                QTest::addRow("theme %d %s", theme, language) << theme << QString::fromLatin1(language);
        }
    }
    void pagesOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        QTemporaryDir dir;
        const QByteArray path = pathIn(dir, QStringLiteral("appProfile_Default.xml"));
        QVERIFY(createLayerFile(path, 1, 1));
        const QByteArray macros = pathIn(dir, QStringLiteral("macro.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        for (int index = 1; index <= 12; ++index)
            QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, QByteArray::number(index),
                                                        "Macro " + QByteArray::number(index)));
        const QByteArray advanced = pathIn(dir, QStringLiteral("seniorKeys.xml"));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(advanced));
        seniorKeyInfoStu record;
        std::memset(&record, 0, sizeof record);
        record.index = 1;
        record.type = 1;
        setText(record.name, "DKS1");
        const int points[4] = {15, 36, 36, 15};
        std::memcpy(record.point, points, sizeof points);
        record.holdDuration = 10;
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(advanced, 1, record));

        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        data->setHidDeviceType(4);
        data->setMagneticKeyboard(true);
        data->setCurrentProfileIndex(1);
        data->setCurrentProfilePath(path);
        QVERIFY(data->setMacroFilePath(macros));
        QVERIFY(data->setSeniorKeyFilePath(advanced));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "1", "5", "2", "3"));

        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.setWindowTitle(QStringLiteral("Binding pages"));
        // What lies behind the key customisation page in the main window.
        window.setStyleSheet(
            QStringLiteral("QWidget#window{background: %1;}").arg(data->themeRoles().css(DThemeRoles::MainSurface)));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* page = new DCustomKeysPage(&window);
        layout->addWidget(page);
        window.resize(1097, 250);
        window.move(0, 0);
        page->setProfileIndex(1);
        page->setProfilePath(path);
        page->initPageState(0);
        page->retranslate();
        page->setTheme();
        page->resetKeyPage();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        data->setCurrentKey(4, QStringLiteral("A"));

        const QString shots = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(shots);
        auto* stack = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget_Customize"));
        const auto shotName = [&](const char* name) {
            return shots + QStringLiteral("/%1-theme%2-%3.png").arg(QLatin1String(name)).arg(theme).arg(language);
        };

        // The key holds a macro: its page opens by itself.
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Macro"));
        QTest::qWait(50);
        verifyTextsFit(stack->currentWidget());
        auto* macroBox = stack->currentWidget()->findChild<QComboBox*>(QStringLiteral("comboBox_Macro"));
        QCOMPARE(macroBox->currentText(), QStringLiteral("Macro 3"));
        // The theme reaches the controls inside the page's scroll area, also
        // when the theme came before the page was first shown.
        auto* count = stack->currentWidget()->findChild<QLineEdit*>(QStringLiteral("lineEdit_playMany"));
        QCOMPARE(count->palette().color(QPalette::Base), data->themeRoles().color(DThemeRoles::DevicePanel));
        // Scrolled to the list, closed, then open.
        stack->currentWidget()->findChild<QScrollArea*>()->ensureWidgetVisible(macroBox);
        QTest::qWait(50);
        QVERIFY(window.screen()->grabWindow(window.winId()).toImage().save(shotName("macro-page-closed")));
        macroBox->showPopup();
        QTRY_VERIFY(macroBox->view()->isVisible());
        QTest::qWait(300);
        const QRect popup(macroBox->view()->window()->geometry());
        QVERIFY(popup.width() >= macroBox->width());
        // The page and its open list, each where it stands on the screen.
        QWidget* list = macroBox->view()->window();
        const QRect both = window.geometry().united(popup);
        QImage shot(both.size(), QImage::Format_RGB32);
        shot.fill(Qt::black);
        {
            QPainter painter(&shot);
            painter.drawPixmap(window.geometry().topLeft() - both.topLeft(),
                               window.screen()->grabWindow(window.winId()));
            painter.drawPixmap(popup.topLeft() - both.topLeft(), list->screen()->grabWindow(list->winId()));
        }
        QVERIFY(shot.save(shotName("macro-page")));
        macroBox->hidePopup();
        QTRY_VERIFY(!macroBox->view()->isVisible());

        page->onCurIndexChanged_Key(40);
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_SeniorKeysBind"));
        QTest::qWait(100);
        verifyTextsFit(stack->currentWidget());
        auto* advancedBox = stack->currentWidget()->findChild<QComboBox*>(QStringLiteral("comboBox_SeniorKeys"));
        QCOMPARE(advancedBox->currentText(), QStringLiteral("DKS1"));
        QVERIFY(window.screen()->grabWindow(window.winId()).toImage().save(shotName("advanced-key-page")));

        // A key holding a profile switch opens its page, in its fixed colours.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "5", "B", "7", "1", "1", "1"));
        data->setCurrentKey(5, QStringLiteral("B"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_SwitchProfile"));
        QTest::qWait(100);
        verifyTextsFit(stack->currentWidget());
        QCOMPARE(stack->currentWidget()->findChild<QComboBox*>(QStringLiteral("comboBox_Profile"))->currentText(),
                 QStringLiteral("Profile1"));
        QVERIFY(window.screen()->grabWindow(window.winId()).toImage().save(shotName("profile-switch-page")));

        // A key that launches a program shows its path.
        const QByteArray program = "/home/пользователь/Programme/Übersicht/long-named-tool.sh";
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "6", "C", "8", "1", "1", program));
        data->setCurrentKey(6, QStringLiteral("C"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_OpenApp"));
        QTest::qWait(100);
        verifyTextsFit(stack->currentWidget());
        auto* button = stack->currentWidget()->findChild<QPushButton*>(QStringLiteral("pushButton_selectAppPath"));
        QVERIFY(button->sizeHint().width() <= button->width());
        QVERIFY(window.screen()->grabWindow(window.winId()).toImage().save(shotName("launch-page")));

        // A key that types a text shows it; a long one scrolls in the editor.
        QString text;
        for (int line = 1; line <= 8; ++line)
            text += QStringLiteral("Zeile %1: Grüße, привет, 世界\n").arg(line);
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "7", "D", "6", "1", "1", text.toUtf8()));
        data->setCurrentKey(7, QStringLiteral("D"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Text"));
        QTest::qWait(100);
        verifyTextsFit(stack->currentWidget());
        QVERIFY(window.screen()->grabWindow(window.winId()).toImage().save(shotName("text-page")));
        for (QPushButton* okOrCancel : stack->currentWidget()->findChildren<QPushButton*>())
            QVERIFY2(okOrCancel->sizeHint().width() <= okOrCancel->width(),
                     qPrintable(QStringLiteral("%1: %2 wide, needs %3")
                                    .arg(okOrCancel->text())
                                    .arg(okOrCancel->width())
                                    .arg(okOrCancel->sizeHint().width())));
        QCoreApplication::removeTranslator(&translator);
    }
};

ORVANE_TEST_MAIN(tst_bindingPagesScreen)
#include "tst_bindingPagesScreen.moc"
