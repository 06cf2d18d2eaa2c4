#pragma once

#include "hid/MainHidInterFace.h"
#include "hid/hidStructInfoAll.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class UpdateFirmwareInfoItem;
}

// One keyboard of the upgrade window: its name, current and new version,
// the progress of its upgrade, and the button that starts it (or "Complete").
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateFirmwareInfoItem(QWidget* parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    // `hidInterface` may be null (a keyboard without an open link): the row
    // then shows the keyboard but never offers its button, nor while the
    // record says the keyboard is offline.
    void setInfo(const hidStructInfoAll& record, MainHidInterFace* hidInterface, const QString& serialNumber);
    void setUpdateEnabled(bool enabled);
    void setProgress(int n);
    void showCompletePage();
    void showUpdatePage();
    void retranslate();

    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    QString hidPath() const { return m_hidPath; }
    QString serialNumber() const { return m_serialNumber; }
    QString modelName() const { return m_modelName; }
    int usbOrDongle() const { return m_usbOrDongle; }
    QString newVersion() const { return m_newVersion; }

signals:
    void sigStartUpgradeing();

private slots:
    void on_pushButton_Update_clicked();

private:
    void applyTheme();

    Ui::UpdateFirmwareInfoItem* ui = nullptr;
    // The link of a keyboard pulled out while the window is open ends, and
    // its I/O thread with it.
    QPointer<MainHidInterFace> m_hidInterface;
    QString m_hidPath;
    QString m_serialNumber;
    QString m_modelName;
    int m_usbOrDongle = 0;
    QString m_newVersion;
    bool m_busy = false;
    bool m_available = false;
};
