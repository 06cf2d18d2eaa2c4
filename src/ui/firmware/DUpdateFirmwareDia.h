#pragma once

#include "devices/DUpgradeProgressMark.h"
#include "hid/hidStructInfoAll.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class CbNotice;
class DDeviceKeyboardLink;
class QVBoxLayout;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

// The upgrade window: one row per keyboard the firmware check found, and
// the progress and outcome of the upgrade a row starts. The upgrade itself
// is the main window's; its reports come back through the three report
// operations, on the GUI thread.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget* parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // Replaces the rows, in the list's order. A record without an entry in
    // the link map gets a row that cannot start an upgrade.
    void setDeviceList(const QList<hidStructInfoAll>& records, const QMap<QString, DDeviceKeyboardLink*>& links);
    void clearRows();
    // Brings every row to where its keyboard is now (the keyboards the
    // device page has, with their links, and our bootloaders present), and
    // gives each bootloader no row stands for a row of its own.
    void followDevices(const QMap<QString, hidStructInfoAll>& keyboards,
                       const QMap<QString, DDeviceKeyboardLink*>& links, const QList<hidStructInfoAll>& bootloaders);

    // GUI thread only: the routes' workers report through the main window's
    // relay, which drops their reports once the window is gone.
    void reportProgress(int total, int done);
    void reportSuccess();
    void reportFailure();

    QList<UpdateFirmwareInfoItem*> rows() const { return m_rows; }
    UpdateFirmwareInfoItem* activeRow() const { return m_activeRow; }
    CbNotice* toast() const { return m_notice; }

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();

private slots:
    void onStartUpgradeing();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void on_pushButton_Close_clicked();

private:
    void applyTheme();
    void showToast(const QString& text);
    void addRow(const hidStructInfoAll& record, DDeviceKeyboardLink* link);

    Ui::DUpdateFirmwareDia* ui = nullptr;
    QVBoxLayout* m_rowLayout = nullptr;
    UpdateFirmwareInfoItem* m_activeRow = nullptr;
    QList<UpdateFirmwareInfoItem*> m_rows;
    CbNotice* m_notice = nullptr;
    // Between a start and a success only the active row may start.
    bool m_othersDisabled = false;
    DUpgradeProgressMark m_progressMax;
};
