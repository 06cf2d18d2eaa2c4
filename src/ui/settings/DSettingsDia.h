#pragma once

#include <QDialog>
#include <QString>
#include <QVariant>

class CbNotice;
class QSettings;

namespace Ui {
class DSettingsDia;
}

// The settings dialog: language, start with the system, close to tray, the
// firmware check and the About page. Every choice is stored in the user
// settings file when it is made. The theme and background-image controls
// exist but stay hidden; the theme is read from the settings file.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget* parent = nullptr);
    ~DSettingsDia() override;

    void showNoUpgradeableDeviceTip();

    bool eventFilter(QObject* obj, QEvent* event) override;

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();

private slots:
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString str);
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(QString text);
    void on_comboBox_Theme_currentIndexChanged(QString text);
    void on_pushButton_UpgradeCheck_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckAppUpdate_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QPoint toastCentre() const;
    void setOwnTexts();
    void fillThemeBox();
    void showStoredLanguage();
    void showStoredStartupChoices();
    void loadAboutInfo();
    void setTheme();
    void showFirmwareInfo();
    QString linkText() const;
    // Writes and syncs one key; false when the file did not take it. The
    // settings object is opened afresh then, so it shows what is stored.
    bool storeSetting(const QString& key, const QVariant& value);
    void reopenSettings();
    void showSetConfigResult(bool written);
    void reportClose();

    Ui::DSettingsDia* ui = nullptr;
    CbNotice* m_notice = nullptr;
    QString m_companyLink;
    QString m_companyName;
    QString m_userIniPath;
    QSettings* m_userSettings = nullptr;
    int m_themeIndex = 0;
    bool m_closeReported = false;
};
