#include "ui/firmware/DFirwareInfoItem.h"

#include "ui_DFirwareInfoItem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
}

DFirwareInfoItem::~DFirwareInfoItem()
{
    delete ui;
}

void DFirwareInfoItem::setInfo(QString idText, QString versionText)
{
    const int hyphen = idText.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(hyphen < 0 ? idText : idText.mid(hyphen + 1));
    ui->label_DataTimeInfo->setText(versionText);
}

void DFirwareInfoItem::setLines(const QString& first, const QString& second)
{
    ui->label_HidInfo->setText(first);
    ui->label_DataTimeInfo->setText(second);
}
