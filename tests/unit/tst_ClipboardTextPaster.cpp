// Without an X11 display the paster still leaves the text on the
// clipboard, and says that it could not send the keystrokes.
#include "support/TestMain.h"

#include "platform/linux/ClipboardTextPaster.h"

#include <QClipboard>
#include <QGuiApplication>

class tst_ClipboardTextPaster : public QObject
{
    Q_OBJECT

private slots:
    void withoutX11()
    {
        QVERIFY(QGuiApplication::platformName() != QLatin1String("xcb"));
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        ClipboardTextPaster paster;
        QTest::ignoreMessage(QtDebugMsg, "Paste: no X11 display with XTest, the text was only put on the clipboard");
        QVERIFY(!paster.paste(QStringLiteral("Grüße 世界")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Grüße 世界"));
    }

    void platformPasterIsTheClipboardOne() { QVERIFY(dynamic_cast<ClipboardTextPaster*>(TextPaster::current().get())); }
};

ORVANE_TEST_MAIN(tst_ClipboardTextPaster)
#include "tst_ClipboardTextPaster.moc"
