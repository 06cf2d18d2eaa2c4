// The notice after a crash: what it says, the report's path as a field the
// user can select and copy, readable in every theme, above other windows.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/widgets/DCrashNotice.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class tst_crashNoticeWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void saysWhereTheReportIs_data()
    {
        QTest::addColumn<QString>("dumpPath");
        QTest::newRow("a dump") << "/home/u/.local/share/Orvane/dump/2026-12-11.dmp";
        // A folder name is text, never markup.
        QTest::newRow("markup in a folder name") << "/tmp/<b>&/x.dmp";
        QTest::newRow("no dump named") << "";
    }
    void saysWhereTheReportIs()
    {
        QFETCH(QString, dumpPath);
        DCrashNotice notice(dumpPath);
        auto* heading = notice.findChild<QLabel*>(QStringLiteral("label_Heading"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Conflict, software out of operation!"));
        QCOMPARE(notice.windowTitle(), QStringLiteral("Software exit"));
        auto* place = notice.findChild<QLabel*>(QStringLiteral("label_DumpPlace"));
        auto* field = notice.findChild<QLineEdit*>(QStringLiteral("lineEdit_DumpPath"));
        QCOMPARE(place != nullptr, !dumpPath.isEmpty());
        QCOMPARE(field != nullptr, !dumpPath.isEmpty());
        QCOMPARE(notice.pathField(), field);
        if (!field)
            return;
        QCOMPARE(place->text(), QStringLiteral("A report of the crash was saved to:"));
        QCOMPARE(place->textFormat(), Qt::PlainText);
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->text(), QDir::toNativeSeparators(dumpPath));
        field->selectAll();
        QCOMPARE(field->selectedText(), QDir::toNativeSeparators(dumpPath));
        // The whole path shows without scrolling the field.
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) < field->width());
    }

    void closesWithItsButton()
    {
        DCrashNotice notice(QStringLiteral("/tmp/x.dmp"));
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        auto* ok = notice.findChild<QPushButton*>(QStringLiteral("pushButton_Ok"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!notice.isVisible());
        QCOMPARE(notice.result(), int(QDialog::Accepted));
    }

    // A program started again while the notice is open must not hide it.
    void staysAboveOtherWindows()
    {
        DCrashNotice notice(QString{});
        QVERIFY(notice.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(notice.isWindow());
    }

    void readableInEveryTheme_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void readableInEveryTheme()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope inUse(theme);
        DCrashNotice notice(QStringLiteral("/home/u/.local/share/Orvane/dump/2026-12-11.dmp"));
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        // The theme's dialog colour, not the window system's grey.
        const QColor surface = RenderedLook::background(&notice);
        QCOMPARE(surface, roles.color(DThemeRoles::DialogSurface));
        for (QWidget* part : notice.findChildren<QWidget*>()) {
            if (!qobject_cast<QLabel*>(part) && !qobject_cast<QLineEdit*>(part) && !qobject_cast<QPushButton*>(part))
                continue;
            const QColor text = RenderedLook::text(part);
            const QColor behind = RenderedLook::background(part);
            const double ratio = ContrastRatio::contrast(text, behind);
            QVERIFY2(ratio >= ContrastRatio::kText,
                     qPrintable(QStringLiteral("%1: %2 on %3 is %4")
                                    .arg(part->objectName(), text.name(), behind.name())
                                    .arg(ratio)));
        }
    }
};

ORVANE_TEST_MAIN(tst_crashNoticeWindow)
#include "tst_crashNoticeWindow.moc"
