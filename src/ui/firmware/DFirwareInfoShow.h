#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

// "Firmware Info": one row per model and connection among the keyboards the
// device library lists when the dialog opens, sorted by name: the model's
// name, then connection, firmware version and build date. It only shows;
// the list is read once, shortly after construction.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget* parent = nullptr);
    ~DFirwareInfoShow() override;

public slots:
    void onLoadingFirmwareInfo();

private:
    void addFirmwareRows(QMap<QString, QString> infoMap);
    void clearFirmwareRows();

    Ui::DFirwareInfoShow* ui = nullptr;
    QVBoxLayout* m_rowLayout = nullptr;
};
