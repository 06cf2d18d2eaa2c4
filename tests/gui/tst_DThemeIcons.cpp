#include "support/TestMain.h"

#include "ui/widgets/DThemeIcons.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QStandardPaths>

// Tinted copies of the one-colour icons in the user's cache.
class tst_DThemeIcons : public QObject
{
    Q_OBJECT

    static constexpr const char* kIcon = ":/images/listCtrlHideDef.png";

    static QStringList cacheFiles()
    {
        QStringList files;
        QDirIterator it(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }

    // Every pixel the icon draws takes the colour; its shape is the icon's.
    static void verifyTinted(const QString& copy, const QColor& colour)
    {
        const QImage original = QImage(QLatin1String(kIcon)).convertToFormat(QImage::Format_ARGB32);
        const QImage tinted = QImage(copy).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(tinted.size(), original.size());
        int drawn = 0;
        for (int y = 0; y < tinted.height(); ++y) {
            for (int x = 0; x < tinted.width(); ++x) {
                const QColor pixel = tinted.pixelColor(x, y);
                QVERIFY(qAbs(pixel.alpha() - original.pixelColor(x, y).alpha()) <= 1);
                if (pixel.alpha() == 255) {
                    ++drawn;
                    QCOMPARE(pixel.rgb(), colour.rgb());
                }
            }
        }
        QVERIFY(drawn > 0);
    }

private slots:
    void copyDrawnOnceAndRedrawnWhenEmpty()
    {
        const QColor colour(12, 200, 90);
        const QString copy = DThemeIcons::tinted(QLatin1String(kIcon), colour);
        QVERIFY(copy.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)));
        verifyTinted(copy, colour);
        QCOMPARE(cacheFiles(), QStringList{copy});
        const QDateTime written = QFileInfo(copy).lastModified();

        // Found again, not drawn again.
        QCOMPARE(DThemeIcons::tinted(QLatin1String(kIcon), colour), copy);
        QCOMPARE(QFileInfo(copy).lastModified(), written);

        // A copy a power cut left empty is drawn again, in its place.
        QFile empty(copy);
        QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.close();
        QCOMPARE(DThemeIcons::tinted(QLatin1String(kIcon), colour), copy);
        verifyTinted(copy, colour);
        QCOMPARE(cacheFiles(), QStringList{copy});
    }

    void eachColourItsOwnCopy()
    {
        const QString red = DThemeIcons::tinted(QLatin1String(kIcon), Qt::red);
        const QString blue = DThemeIcons::tinted(QLatin1String(kIcon), Qt::blue);
        QVERIFY(red != blue);
        verifyTinted(red, Qt::red);
        verifyTinted(blue, Qt::blue);
    }

    void restyleNamesTheCopies()
    {
        const QString sheet = DThemeIcons::restyle(
            QStringLiteral("QPushButton{border-image: url(:/images/listCtrlHideDef.png);}"
                           "QPushButton:hover{border-image: url(:/images/listCtrlHideSel.png);}"),
            Qt::red, Qt::blue);
        QVERIFY(!sheet.contains(QLatin1String(":/images/")));
        QCOMPARE(sheet.count(QStringLiteral("url(")), 2);
    }
};

ORVANE_TEST_MAIN(tst_DThemeIcons)
#include "tst_DThemeIcons.moc"
