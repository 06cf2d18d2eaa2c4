// The key page's write-to-keyboard button shows its whole text in each of
// the fifteen languages, at the size the page has in the window.
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
        for (const char* language : {"Arabic", "Czech", "English", "French", "German", "Italian", "Japanese", "Korean",
                                     "Polish", "Portugal", "Russian", "Spanish", "Ukrainian", "Zh_SM", "Zh_TR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void textFits()
    {
        QFETCH(QString, language);
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
        QVERIFY2(shown >= needed, qPrintable(QStringLiteral("\"%1\": %2 of %3 px").arg(text).arg(shown).arg(needed)));
    }
};

ORVANE_TEST_MAIN(tst_writeButtonFits)
#include "tst_writeButtonFits.moc"
