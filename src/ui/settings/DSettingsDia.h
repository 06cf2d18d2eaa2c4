#pragma once

#include "ui/widgets/DToolDialog.h"

class CbNotice;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The settings dialog as the main window opens it: theme, background image,
// language and the firmware check, each stored in the user settings file
// and reported to the window. The dialog's other settings are not in this
// build.
class DSettingsDia : public DToolDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget* parent = nullptr);

    void showNoUpgradeableDeviceTip();
    CbNotice* toast() const { return m_toast; }

    // What the dialog's controls do, callable without a click.
    void selectTheme(int themeIndex);
    void setBgImageUsing(bool inUse);
    // False, and nothing reported, when the translation did not load.
    bool selectLanguage(int languageIndex);

signals:
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();

protected:
    void aboutToClose() override;

private:
    void retranslate();
    int storedThemeIndex() const;

    QLabel* m_themeLabel = nullptr;
    QComboBox* m_themeBox = nullptr;
    QCheckBox* m_bgImageBox = nullptr;
    QLabel* m_languageLabel = nullptr;
    QComboBox* m_languageBox = nullptr;
    QPushButton* m_firmwareButton = nullptr;
    CbNotice* m_toast = nullptr;
};
