// The main window with the two default simulated keyboards on an X server
// with a window manager (openbox) and no compositing manager, where every
// pop-up with a shape is cut to it: the first toast after start, toasts in
// the macro and advanced-key editors, and every shaped pop-up opened and
// closed. The window keeps repainting, the heap stays where it was, every
// pop-up keeps its shape and nothing black shows around it.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/KeyCapturePopUp.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "platform/include/CompositingManager.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"

#include <QAbstractButton>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>

#include <X11/Xlib.h>

#include <malloc.h>
#include <memory>
#include <string>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_HEAP_FROM_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_HEAP_FROM_ASAN 1
#endif
#ifdef ORVANE_HEAP_FROM_ASAN
// The sanitizer runtime's own count; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

// No GL integration: nothing here draws with OpenGL, and the GLX plug-in is
// unloaded before exit with an allocation LeakSanitizer cannot attribute.
static const bool kNoGlIntegration = qputenv("QT_XCB_GL_INTEGRATION", "none");

namespace {

constexpr int kLoadTimeoutMs = 30000;
// A toast shows for a few seconds and fades for one.
constexpr int kToastTimeoutMs = 15000;
// What the heap may have grown by after a round of toasts and pop-ups: the
// fault this guards against took a gigabyte a second.
constexpr qint64 kFewMegabytes = 8LL * 1024 * 1024;
constexpr int kUsageS = 22;

// Bytes the program holds on the heap now (under AddressSanitizer without
// its quarantine of freed blocks).
qint64 liveHeapBytes()
{
#ifdef ORVANE_HEAP_FROM_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

// Whether a window manager holds the screen's manager selection.
bool windowManagerRunning()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const std::string selection = "WM_S" + std::to_string(DefaultScreen(display));
    const bool owned = XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None;
    XCloseDisplay(display);
    return owned;
}

QImage grabArea(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QRect globalRect(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// A toast shows and fades, and the window under it repaints: what the
// screen shows where the toast stood changes once it is gone.
void toastShowsAndFades(CbNotice* toast)
{
    QVERIFY(toast);
    QTRY_VERIFY_WITH_TIMEOUT(toast->isVisible(), kToastTimeoutMs);
    QSignalSpy finished(toast, &CbNotice::sigFinished);
    const QRect area = globalRect(toast);
    const QImage shown = grabArea(area);
    QVERIFY(finished.wait(kToastTimeoutMs));
    QVERIFY(!toast->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(grabArea(area) != shown, kToastTimeoutMs);
}

void closeByButton(QWidget* dialog)
{
    QPointer<QWidget> guard(dialog);
    dialog->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
    QTRY_VERIFY(guard.isNull());
}

// The bubble on show, a window of its own.
ArrowWidget* shownBubble()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* arrow = qobject_cast<ArrowWidget*>(top); arrow && arrow->isVisible())
            return arrow;
    }
    return nullptr;
}

// Hovers over a widget whose bubble shows while the pointer is there.
ArrowWidget* hoverBubble(QWidget* over)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(over, &enter);
    return shownBubble();
}

void leave(QWidget* over)
{
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(over, &left);
}

bool isShaped(const QWidget* widget)
{
    return widget->findChild<DPopupShape*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

// A shown pop-up is cut to what it paints: its shape covers its middle
// but not its corners, which show what lies behind (never black).
void checkShape(QWidget* popup)
{
    QVERIFY2(isShaped(popup), popup->metaObject()->className());
    QTRY_VERIFY2(!popup->mask().isEmpty(), popup->metaObject()->className());
    const QRegion shape = popup->mask();
    const QRect whole = popup->rect();
    QVERIFY2(shape.intersects(
                 whole.adjusted(whole.width() / 3, whole.height() / 3, -whole.width() / 3, -whole.height() / 3)),
             popup->metaObject()->className());
    for (const QPoint corner : {whole.topLeft(), whole.topRight(), whole.bottomLeft(), whole.bottomRight()})
        QVERIFY2(!shape.contains(corner), popup->metaObject()->className());
}

// The same on a white ground: the corners outside the shape show the ground.
void checkShapeOnWhite(QWidget* popup, QWidget& ground)
{
    popup->move(ground.geometry().topLeft() + QPoint(40, 40));
    popup->show();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    checkShape(popup);
    const QRect area = globalRect(popup);
    const QPoint inside = popup->mask().boundingRect().center();
    QTRY_VERIFY2(QColor(grabArea(area).pixel(inside)) != QColor(Qt::white), popup->metaObject()->className());
    for (const QPoint corner : {QPoint(0, 0), QPoint(area.width() - 1, 0), QPoint(0, area.height() - 1),
                                QPoint(area.width() - 1, area.height() - 1)})
        QTRY_COMPARE(QColor(grabArea(area).pixel(corner)), QColor(Qt::white));
    popup->hide();
}

} // namespace

class tst_popupsWithoutCompositor : public QObject
{
    Q_OBJECT

    QProcess m_windowManager;
    std::unique_ptr<SimulatorHarness> m_sim;
    std::unique_ptr<DMainWidget> m_window;
    qint64 m_heapAtStart = 0;

    DDevicePage& page() { return *m_window->devicePage(); }

    void heapStaysWithinAFewMegabytes(const char* after)
    {
        const qint64 grown = liveHeapBytes() - m_heapAtStart;
        QVERIFY2(grown < kFewMegabytes,
                 qPrintable(QStringLiteral("%1: the heap grew by %2 bytes").arg(after).arg(grown)));
    }

private slots:
    void initTestCase()
    {
        rememberProgramVersion();
        prepareApplicationTest();
        QVERIFY(linkProgramPictures());
        m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY2(m_windowManager.waitForStarted(), "openbox is one of the test dependencies");
        QTRY_VERIFY_WITH_TIMEOUT(windowManagerRunning(), kLoadTimeoutMs);
        QVERIFY(!compositingManagerRunning());

        m_sim = std::make_unique<SimulatorHarness>();
        QVERIFY(m_sim->plug("OV68M"));
        QVERIFY(m_sim->plug("OV84W", true));
        m_window = std::make_unique<DMainWidget>(m_sim->newDeviceChangeSource());
        QSignalSpy loaded(m_window->devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(!loaded.isEmpty() || loaded.wait(kLoadTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(page()).selectedLink(), kLoadTimeoutMs);
        m_heapAtStart = liveHeapBytes();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_sim.reset();
        m_windowManager.terminate();
        m_windowManager.waitForFinished();
    }

    // The first thing after start: key S gets the shortcut Copy, whose
    // toast shows over the window and fades.
    void firstToastAfterStart()
    {
        QVERIFY(selectKeyS());
        DCustomKeysPage* keys = DevicePageProbe(page()).customKeysPage();
        keys->findChild<QToolButton*>(QStringLiteral("toolButton_Shortcuts"))->click();
        keys->findChild<QAbstractButton*>(QStringLiteral("radioButton_Copy"))->click();
        toastShowsAndFades(DevicePageProbe(page()).toast());
        heapStaysWithinAFewMegabytes("the first toast");
    }

private:
    // Key S alone selected on the picture, as a click on it leaves it.
    bool selectKeyS()
    {
        keyboardButCustom* capS = nullptr;
        for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
            if (cap && cap->keyCode() == kUsageS)
                capS = cap;
        }
        if (!capS)
            return false;
        hidDeviceJoinFrame* picture = DevicePageProbe(page()).picture();
        const QPoint corner = capS->mapTo(picture, QPoint(0, 0));
        picture->selectKeysInRect(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        return picture->selectedKeys() == QList<keyboardButCustom*>{capS};
    }

private slots:
    // A toast in each editor: a macro added, an advanced key created.
    void toastsInTheEditors()
    {
        emit page().sigShowMacroPage();
        DMacroPage* macros = m_window->findChildren<DMacroPage*>().value(0);
        QVERIFY(macros);
        QVERIFY(QTest::qWaitForWindowExposed(macros));
        checkShape(macros);
        macros->findChild<QPushButton*>(QStringLiteral("pushButton_Add"))->click();
        toastShowsAndFades(macros->findChild<CbNotice*>());
        closeByButton(macros);

        emit page().sigShowSeniorKeysPage();
        DSeniorKeysPage* advanced = m_window->findChildren<DSeniorKeysPage*>().value(0);
        QVERIFY(advanced);
        QVERIFY(QTest::qWaitForWindowExposed(advanced));
        checkShape(advanced);
        advanced->findChild<QPushButton*>(QStringLiteral("pushButton_NewCreate"))->click();
        toastShowsAndFades(advanced->findChild<CbNotice*>(QString(), Qt::FindDirectChildrenOnly));
        closeByButton(advanced);

        // The settings dialog has rounded corners too.
        m_window->findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
        DSettingsDia* settings = m_window->findChildren<DSettingsDia*>().value(0);
        QVERIFY(settings);
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        checkShape(settings);
        settings->close();
        heapStaysWithinAFewMegabytes("the editors' toasts");
    }

    // Every shaped pop-up, opened the way the user opens it where that is
    // short, then each of them shown on a white ground.
    void everyShapedPopUpKeepsItsShape()
    {
        // The capture pop-ups open on a key field of the page on show.
        QVERIFY(selectKeyS());
        DDataManager::getInstance()->setCurrentKey(kUsageS, QStringLiteral("S"));
        DCustomKeysPage* keys = DevicePageProbe(page()).customKeysPage();
        QTRY_VERIFY(keys->isVisible());
        for (int function : {2, 7}) {
            ArrowWidget* capture = openCapturePopUp(*keys, function);
            QVERIFY(capture);
            QVERIFY(QTest::qWaitForWindowExposed(capture));
            checkShape(capture);
            closeCapturePopUp(*capture);
            QTRY_VERIFY(!capture->isVisible());
        }

        // The bubbles over the window's tool buttons and the key functions.
        page().showToolButtonTip(0);
        ArrowWidget* toolTip = DevicePageProbe(page()).toolTipBubble();
        QVERIFY(toolTip);
        QVERIFY(QTest::qWaitForWindowExposed(toolTip));
        checkShape(toolTip);
        toolTip->hide();
        auto* shortcuts = keys->findChild<QToolButton*>(QStringLiteral("toolButton_Shortcuts"));
        ArrowWidget* functionTip = hoverBubble(shortcuts);
        QVERIFY(functionTip);
        QVERIFY(QTest::qWaitForWindowExposed(functionTip));
        checkShape(functionTip);
        leave(shortcuts);
        QTRY_VERIFY(!functionTip->isVisible());

        // The advanced-key editor's bubbles and its trigger pop-up.
        emit page().sigShowSeniorKeysPage();
        DSeniorKeysPage* advanced = m_window->findChildren<DSeniorKeysPage*>().value(0);
        QVERIFY(advanced);
        QVERIFY(QTest::qWaitForWindowExposed(advanced));
        for (const char* name : {"toolButton_ExplainInfo", "toolButton_ExplainInfo02"}) {
            auto* help = advanced->findChild<QWidget*>(QLatin1String(name));
            QVERIFY(help);
            ArrowWidget* bubble = hoverBubble(help);
            QVERIFY2(bubble, name);
            QVERIFY(QTest::qWaitForWindowExposed(bubble));
            checkShape(bubble);
            leave(help);
            QTRY_VERIFY(!bubble->isVisible());
        }
        QVERIFY(QMetaObject::invokeMethod(advanced, "onLickActivited_Stroke01", Q_ARG(QString, QString())));
        auto* trigger = advanced->findChild<DStrokeConfigView*>();
        QVERIFY(trigger);
        QVERIFY(QTest::qWaitForWindowExposed(trigger));
        checkShape(trigger);
        closeByButton(trigger);
        closeByButton(advanced);

        // Every shaped pop-up the window has made by now, bubbles and
        // on-screen keyboards included, on a white ground.
        QWidget ground;
        ground.setWindowFlags(Qt::FramelessWindowHint);
        ground.setAutoFillBackground(true);
        QPalette white = ground.palette();
        white.setColor(QPalette::Window, Qt::white);
        ground.setPalette(white);
        ground.setGeometry(QGuiApplication::primaryScreen()->geometry());
        ground.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ground));
        int checked = 0;
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* popup = qobject_cast<ArrowWidget*>(widget);
            if (!popup || !isShaped(popup))
                continue;
            checkShapeOnWhite(popup, ground);
            ++checked;
        }
        // The two on-screen keyboards and the two bubbles of the window.
        QVERIFY2(checked >= 4, qPrintable(QString::number(checked)));
        ground.hide();
        heapStaysWithinAFewMegabytes("the pop-ups");
    }
};

ORVANE_TEST_MAIN(tst_popupsWithoutCompositor)
#include "tst_popupsWithoutCompositor.moc"
