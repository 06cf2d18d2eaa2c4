#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DFirwareInfoItem;
}

// One row of "Firmware Info": the device's name, then what it runs.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirwareInfoItem(QWidget* parent = nullptr);
    ~DFirwareInfoItem() override;

    // The first line shows what follows the id's first "-" (all of it when
    // there is none).
    void setInfo(QString idText, QString versionText);
    // Both lines as they stand.
    void setLines(const QString& first, const QString& second);

private:
    Ui::DFirwareInfoItem* ui = nullptr;
};
