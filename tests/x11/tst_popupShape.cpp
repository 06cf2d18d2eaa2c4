// A pop-up with rounded corners and a shadow on an X server without a
// compositing manager: no black box around it; what lies behind shows
// through the parts it does not paint.
#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "platform/include/CompositingManager.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

class tst_popupShape : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void noBlackBoxWithoutCompositing()
    {
        // Bare Xvfb runs no compositing manager.
        QVERIFY(!compositingManagerRunning());

        QWidget behind;
        behind.setAutoFillBackground(true);
        QPalette white = behind.palette();
        white.setColor(QPalette::Window, Qt::white);
        behind.setPalette(white);
        behind.setGeometry(0, 0, 600, 400);
        behind.show();
        QVERIFY(QTest::qWaitForWindowExposed(&behind));

        ArrowWidget tip(ArrowWidget::ArrowBottom, nullptr);
        tip.setPopupSize(250, 70);
        tip.setArrowX(30);
        tip.setContentWidget(new QLabel(QStringLiteral("Tip")));
        tip.move(100, 100);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QTest::qWait(300);

        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/popup-without-compositing.png")));

        const QPoint origin = tip.geometry().topLeft();
        // The shape is where the bubble is drawn: no window ground shows
        // inside it.
        const QColor ground = tip.palette().color(QPalette::Window);
        // The shadow band's outer corner is not painted: the window behind shows.
        QCOMPARE(QColor(shot.pixel(origin + QPoint(1, 1))), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(origin + QPoint(tip.width() - 2, 1))), QColor(Qt::white));
        // The bubble itself is painted in its colour, edge to edge (the
        // shadow band is 15 pixels wide), with no black or white inside.
        const QColor body = shot.pixel(origin + QPoint(tip.width() / 2, tip.height() / 2 - 10));
        QVERIFY2(body != QColor(Qt::black) && body != QColor(Qt::white), qPrintable(body.name()));
        for (const QPoint inside : {QPoint(15 + 8, 15 + 3), QPoint(tip.width() - 15 - 8, 15 + 3),
                                    QPoint(tip.width() - 15 - 3, tip.height() / 2), QPoint(tip.width() / 2, 15 + 2)})
            QCOMPARE(QColor(shot.pixel(origin + inside)), body);
        QVERIFY(body != ground);
    }

    // A toast of its own window fades out through its opacity effect, which
    // stays: the toast shows, fades and ends without a black box.
    void toastWithoutCompositing()
    {
        QWidget behind;
        behind.setAutoFillBackground(true);
        QPalette white = behind.palette();
        white.setColor(QPalette::Window, Qt::white);
        behind.setPalette(white);
        behind.setGeometry(QGuiApplication::primaryScreen()->geometry());
        behind.show();
        QVERIFY(QTest::qWaitForWindowExposed(&behind));

        CbNotice toast;
        toast.setBackgroundColor(QColor(42, 42, 70));
        toast.setTextColor(QColor(255, 143, 31));
        QSignalSpy finished(&toast, &CbNotice::sigFinished);
        toast.showNoticeText(QStringLiteral("Download config successful"));
        QVERIFY(QTest::qWaitForWindowExposed(&toast));
        QTest::qWait(200);
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QPoint origin = toast.geometry().topLeft();
        QCOMPARE(QColor(shot.pixel(origin)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(origin + QPoint(toast.width() - 1, toast.height() - 1))), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(origin + QPoint(toast.width() / 2, 3))), QColor(42, 42, 70));
        QVERIFY(finished.wait(10000));
    }
};

ORVANE_TEST_MAIN(tst_popupShape)
#include "tst_popupShape.moc"
