#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"

#include <QLabel>
#include <QSignalSpy>

class tst_DProfileMenuToolWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void releaseOnALabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("create") << "label_CreateNew"
                                << "Create" << QByteArray(SIGNAL(sigProfileCreate()));
        QTest::newRow("delete") << "label_Delete"
                                << "Delete" << QByteArray(SIGNAL(sigProfileDelete()));
        QTest::newRow("export") << "label_Export"
                                << "Export" << QByteArray(SIGNAL(sigProfileExport()));
        QTest::newRow("import") << "label_Import"
                                << "Import" << QByteArray(SIGNAL(sigProfileImport()));
        QTest::newRow("new name") << "label_ModifyNanme"
                                  << "Modify Name" << QByteArray(SIGNAL(sigProfileModifyName()));
    }

    // The menu closes before the operation is asked for, and only the
    // clicked entry's operation is.
    void releaseOnALabel()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QByteArray, signal);
        DProfileMenuToolWidget menu;
        menu.show();
        QLabel* entry = menu.findChild<QLabel*>(label);
        QVERIFY(entry);
        QCOMPARE(entry->text(), text);

        const QByteArray all[]
            = {SIGNAL(sigCloseMenuWidow()), SIGNAL(sigProfileCreate()), SIGNAL(sigProfileDelete()),
               SIGNAL(sigProfileExport()),  SIGNAL(sigProfileImport()), SIGNAL(sigProfileModifyName())};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QByteArray& name : all)
            spies.emplace_back(new QSignalSpy(&menu, name.constData()));
        QTest::mousePress(entry, Qt::LeftButton);
        for (const auto& spy : spies)
            QCOMPARE(spy->count(), 0);
        QTest::mouseRelease(entry, Qt::LeftButton);
        for (std::size_t i = 0; i < spies.size(); ++i)
            QCOMPARE(spies[i]->count(), (i == 0 || all[i] == signal) ? 1 : 0);
    }

    void closeComesFirst()
    {
        DProfileMenuToolWidget menu;
        QStringList order;
        connect(&menu, &DProfileMenuToolWidget::sigCloseMenuWidow, [&] { order << "close"; });
        connect(&menu, &DProfileMenuToolWidget::sigProfileExport, [&] { order << "export"; });
        QTest::mouseRelease(menu.findChild<QLabel*>("label_Export"), Qt::LeftButton);
        QCOMPARE(order, (QStringList{"close", "export"}));
        // A release elsewhere on the menu asks for nothing.
        QTest::mouseRelease(&menu, Qt::LeftButton);
        QCOMPARE(order.size(), 2);
    }

    // Every entry reads on the menu in every theme, in the theme's font.
    void themedLabels_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void themedLabels()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope inUse(theme);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        DProfileMenuToolWidget menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QList<QLabel*> labels = menu.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 5);
        for (QLabel* label : labels) {
            QCOMPARE(RenderedLook::text(label), roles.color(DThemeRoles::MacroRowText));
            QCOMPARE(RenderedLook::background(label), roles.color(DThemeRoles::MacroLeft));
            QVERIFY(ContrastRatio::contrast(RenderedLook::text(label), RenderedLook::background(label))
                    >= ContrastRatio::kText);
            QCOMPARE(label->font().family(), DDataManager::getInstance()->themeColors().textFont);
        }
    }
};

ORVANE_TEST_MAIN(tst_DProfileMenuToolWidget)
#include "tst_DProfileMenuToolWidget.moc"
