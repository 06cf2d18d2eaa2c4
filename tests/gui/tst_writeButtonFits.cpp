// The key page's write-to-keyboard button shows its whole text in each of
// the fifteen languages, at the size the page has in the window, and that
// text is the language's write verb (never a download to the computer).
#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"

#include <QPushButton>
#include <QTranslator>

class tst_writeButtonFits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void textFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("verb");
        // Russian and Ukrainian take the verb alone to fit; Chinese says
        // "download" for the on-board write, as the glossary has it.
        const char* const rows[][2] = {
            {"Arabic", "الكتابة إلى لوحة المفاتيح"},
            {"Czech", "Zapsat do klávesnice"},
            {"English", "Write to Keyboard"},
            {"French", "Écrire dans le clavier"},
            {"German", "In Tastatur schreiben"},
            {"Italian", "Scrivi sulla tastiera"},
            {"Japanese", "キーボードに書き込む"},
            {"Korean", "키보드에 저장"},
            {"Polish", "Zapisz w klawiaturze"},
            {"Portugal", "Gravar no teclado"},
            {"Russian", "Записать"},
            {"Spanish", "Escribir en el teclado"},
            {"Ukrainian", "Записати"},
            {"Zh_SM", "下载"},
            {"Zh_TR", "下載"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
    }
    void textFits()
    {
        QFETCH(QString, language);
        QFETCH(QString, verb);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DCustomKeysPage page;
        page.retranslate();
        page.setTheme();
        page.resize(1020, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* button = page.findChild<QPushButton*>(QStringLiteral("pushButton_Download"));
        QVERIFY(button);
        const QString text = button->text();
        const int shown = button->width();
        const int needed = button->sizeHint().width();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, verb);
        QVERIFY2(shown >= needed, qPrintable(QStringLiteral("\"%1\": %2 of %3 px").arg(text).arg(shown).arg(needed)));
    }
};

ORVANE_TEST_MAIN(tst_writeButtonFits)
#include "tst_writeButtonFits.moc"
