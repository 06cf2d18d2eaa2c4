#pragma once

#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>
#include <QWidget>

class QAction;
class QMenu;
class QPushButton;
class QSettings;

namespace Ui {
class DMainWidget;
}

// The application's only top-level window: frameless, dragged by its own
// title bar, resized by its borders, with a tray icon that hides and restores
// it. The device page fills the area below the title bar.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget* parent = nullptr);
    ~DMainWidget() override;

    // Printed on standard output at the first paint when the environment has
    // ORVANE_REPORT_EXPOSED, so a start-up benchmark can time the window.
    static constexpr const char* exposedMarker = "orvane: main window exposed";

    // The one main window, or null before it exists.
    static DMainWidget* instance();

    // Called for every mouse move anywhere in the application, with the
    // event's global position; only the cursor changes.
    void updateEdgeCursor(int x, int y);

    // Puts the window away to the tray; without a tray it is minimised, so it
    // stays reachable from the task bar.
    void hideToTray();

    bool hasTrayIcon() const { return m_trayIcon != nullptr; }
    bool isDeviceListShown() const { return m_deviceListShown; }
    int resizeEdge() const { return m_resizeEdge; }
    QString userIniPath() const { return m_userIniPath; }

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

private slots:
    void onMinApp();
    void onQuitApp();
    void onReturnHidLikeName(QString productName, QString likeName);
    void omUpdataAllUI();
    void onChangAppTheme(int themeIndex);
    void onClickCtrlHidListStatusBut();
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readDefaultsFile();
    void applyStartupSettings();
    void createTray();
    void retranslateTray();
    void placeListToggleButton();
    void setListToggleLook(bool listShown);
    QRect globalWindowRect() const;
    void quitApplication();

    Ui::DMainWidget* ui = nullptr;
    QPushButton* m_listToggleButton = nullptr;
    bool m_deviceListShown = true;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftPressed = false;
    int m_resizeEdge = 8;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_minimizeAction = nullptr;
    QAction* m_maximizeAction = nullptr;
    QAction* m_revertAction = nullptr;
    QAction* m_quitAction = nullptr;
    QString m_titleText;
    QString m_userIniPath;
    QSettings* m_userSettings = nullptr;
    QString m_productName = QStringLiteral("HID");
    QString m_likeName = QStringLiteral("RGB");
    bool m_firstPaintDone = false;
};
