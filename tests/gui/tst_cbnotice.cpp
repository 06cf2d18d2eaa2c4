#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"

#include "ui/widgets/CbNotice.h"
#include "ui/widgets/CbNoticeInterface.h"

#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QSignalSpy>

class tst_CbNotice : public QObject
{
    Q_OBJECT

private:
    // A shown owner window and a toast inside it, as the pages have them.
    struct OwnedNotice
    {
        QWidget owner;
        CbNotice* notice;
        QSignalSpy finished;
        OwnedNotice()
            : notice(new CbNotice(&owner))
            , finished(notice, &CbNotice::sigFinished)
        {
            owner.resize(600, 300);
            owner.show();
        }
    };

    static QGraphicsOpacityEffect* effectOf(CbNotice& notice)
    {
        return qobject_cast<QGraphicsOpacityEffect*>(notice.graphicsEffect());
    }
    static QPropertyAnimation* animationOf(CbNotice& notice) { return notice.findChild<QPropertyAnimation*>(); }

private slots:
    void startsHiddenWithDefaults()
    {
        QWidget owner;
        owner.resize(600, 300);
        CbNotice notice(&owner);
        QVERIFY(notice.isHidden());
        QCOMPARE(notice.font().family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(notice.font().pixelSize(), 20);
        QVERIFY(effectOf(notice));
        QCOMPARE(effectOf(notice)->opacity(), 1.0);
    }

    void sizeAndPlacement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("empty text") << QString() << QPoint(300, 150);
        QTest::newRow("short") << QStringLiteral("Operate successful") << QPoint(200, 100);
        QTest::newRow("long stays on one line")
            << QStringLiteral("Download config successful, and this line is much longer than the window")
            << QPoint(100, 50);
        QTest::newRow("near the bottom edge") << QStringLiteral("Set config success") << QPoint(300, 295);
        QTest::newRow("near the left edge") << QStringLiteral("Set config success") << QPoint(10, 150);
    }
    void sizeAndPlacement()
    {
        QFETCH(QString, text);
        QFETCH(QPoint, centre);
        QWidget owner;
        owner.resize(600, 300);
        owner.show();
        CbNotice notice(&owner);
        notice.showNoticeTextAt(text, centre);

        const int w = notice.fontMetrics().horizontalAdvance(text) + 36;
        QCOMPARE(notice.size(), QSize(w, 40));
        QCOMPARE(notice.minimumSize(), notice.maximumSize());
        // Moved in whole where the centre would cut it off at an edge.
        const QPoint wanted(centre.x() - w / 2, centre.y() - 20);
        QCOMPARE(notice.pos(), QPoint(qBound(0, wanted.x(), qMax(0, 600 - w)), qBound(0, wanted.y(), 300 - 40)));
        if (w <= 600)
            QVERIFY(owner.rect().contains(notice.geometry()));
        QVERIFY(notice.isVisible());
        if (text.isEmpty())
            QCOMPARE(notice.size(), QSize(36, 40));
    }

    void defaultAnchorIsInParentCoordinates()
    {
        QWidget window;
        QWidget owner(&window);
        owner.setGeometry(300, 200, 600, 420);
        CbNotice notice(&owner);
        notice.showNoticeText(QStringLiteral("abc"));
        const int w = notice.width();
        QCOMPARE(notice.pos(), QPoint(300 - w / 2, 280 - 20));
        // A null point falls back to the same anchor.
        const QPoint before = notice.pos();
        notice.showNoticeTextAt(QStringLiteral("abc"), QPoint());
        QCOMPARE(notice.pos(), before);
    }

    void showNoticeRepeatsTheCurrentText()
    {
        QWidget owner;
        owner.resize(600, 300);
        CbNotice notice(&owner);
        notice.showNoticeTextAt(QStringLiteral("first"), QPoint(100, 100));
        notice.setFontPixelSize(40);
        notice.showNotice();
        // The bigger font must widen the toast; an old fixed size must not stick.
        QCOMPARE(notice.width(), notice.fontMetrics().horizontalAdvance(QStringLiteral("first")) + 36);
        QVERIFY(!notice.isHidden());
    }

    void opacityCurve_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<double>("opacity");
        QTest::newRow("start") << 0 << 1.0;
        QTest::newRow("still opaque at 1.2 s") << 1200 << 1.0;
        QTest::newRow("fade begins at 1.3 s") << 1300 << 1.0;
        QTest::newRow("half way through the fade") << 1800 << 0.5;
        QTest::newRow("nearly gone") << 2200 << 0.1;
    }
    void opacityCurve()
    {
        QFETCH(int, ms);
        QFETCH(double, opacity);
        QWidget owner;
        owner.resize(600, 300);
        CbNotice notice(&owner);
        notice.showNoticeText(QStringLiteral("x"));
        QPropertyAnimation* animation = animationOf(notice);
        QVERIFY(animation);
        QCOMPARE(animation->duration(), 2300);
        QCOMPARE(animation->endValue().toDouble(), 0.0);
        animation->pause();
        animation->setCurrentTime(ms);
        QVERIFY(qAbs(effectOf(notice)->opacity() - opacity) < 1e-6);
    }

    // Every cycle ends with one sigFinished no earlier than 2.3 s after the
    // last show, whether it ran alone, was restarted or was clicked away.
    void cycle_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("click");
        QTest::newRow("runs its course") << false << false;
        QTest::newRow("second message restarts it") << true << false;
        QTest::newRow("click hides early") << false << true;
    }
    void cycle()
    {
        QFETCH(bool, restart);
        QFETCH(bool, click);
        OwnedNotice owned;
        CbNotice& notice = *owned.notice;
        QElapsedTimer clock;
        clock.start();
        notice.showNoticeText(QStringLiteral("Operate successful"));
        QTest::qWait(600);
        QVERIFY(notice.isVisible());
        if (clock.elapsed() < 1250)
            QCOMPARE(effectOf(notice)->opacity(), 1.0);
        if (restart) {
            clock.restart();
            CbNoticeInterface* asInterface = &notice;
            asInterface->showNoticeTextAt(QStringLiteral("second message"), QPoint(250, 120));
            QCOMPARE(notice.width(), notice.fontMetrics().horizontalAdvance(QStringLiteral("second message")) + 36);
        }
        if (click) {
            QTest::mouseClick(&notice, Qt::LeftButton);
            QVERIFY(notice.isHidden());
        }
        QCOMPARE(owned.finished.count(), 0);
        QVERIFY(owned.finished.wait(3000));
        QVERIFY(clock.elapsed() >= 2250);
        QCOMPARE(owned.finished.count(), 1);
        QVERIFY(notice.isHidden());
    }

    void paintsRoundedBubbleInTheColours()
    {
        QWidget owner;
        owner.resize(600, 300);
        CbNotice notice(&owner);
        notice.setBackgroundColor(QColor(10, 200, 30));
        notice.setTextColor(QColor(250, 250, 250));
        notice.showNoticeTextAt(QStringLiteral("   "), QPoint(200, 100));
        QImage image(notice.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        // Radius 22: the corner pixel stays empty, the middle is filled.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(QColor(image.pixel(notice.width() / 2, 5)).rgb(), QColor(10, 200, 30).rgb());
    }

    // Without colours of its own a toast takes the loaded theme's, whose
    // text reads on the fill.
    void themeColoursByDefault()
    {
        prepareApplicationTest();
        QWidget owner;
        owner.resize(600, 300);
        CbNotice notice(&owner);
        notice.setBackgroundColor(QColor(10, 200, 30));
        notice.setTheme(DDataManager::getInstance()->themeColors());
        notice.showNoticeTextAt(QStringLiteral("   "), QPoint(200, 100));
        QImage image(notice.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        QCOMPARE(QColor(image.pixel(notice.width() / 2, 5)).rgb(), roles.color(DThemeRoles::Toast).rgb());
        QVERIFY(ContrastRatio::contrast(roles.color(DThemeRoles::ToastText), roles.color(DThemeRoles::Toast))
                >= ContrastRatio::kText);
    }
};

ORVANE_TEST_MAIN(tst_CbNotice)
#include "tst_cbnotice.moc"
