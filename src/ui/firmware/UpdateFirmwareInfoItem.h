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
    // record says the keyboard is offline. A keyboard in its bootloader
    // needs no link: Update writes it straight away.
    void setInfo(const hidStructInfoAll& record, MainHidInterFace* hidInterface, const QString& serialNumber);
    // The row's keyboard at its present place (a new link, its bootloader,
    // back with what it runs now): the new version, the progress and the
    // page shown stay. A serial number not known yet keeps the one known.
    void followDevice(const hidStructInfoAll& record, MainHidInterFace* hidInterface, const QString& serialNumber);
    // Its keyboard is nowhere: nothing to send an upgrade to.
    void detachDevice();
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
    // Made for a keyboard found in its bootloader: its connection is not
    // known, so the keyboard that comes back may be on either.
    bool madeForBootloader() const { return m_madeForBootloader; }

signals:
    void sigStartUpgradeing();

private slots:
    void on_pushButton_Update_clicked();

private:
    // The captions' column as wide as its longest caption in the theme's font.
    void fitCaptionColumn();
    void showDevice(const hidStructInfoAll& record, MainHidInterFace* hidInterface, const QString& serialNumber);
    void updateButton();

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
    // The window lets only the upgrading row start while one runs.
    bool m_enabledByWindow = true;
    bool m_bootloader = false;
    bool m_madeForBootloader = false;
};
