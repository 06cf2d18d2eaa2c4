#include "ui/firmware/DFirwareInfoItem.h"

#include "ui_DFirwareInfoItem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    const QString labelSheet = QStringLiteral("QLabel{color: rgb(180, 180, 180); font: 75 12pt \"Microsoft YaHei\";}");
    ui->label_HidInfo->setStyleSheet(labelSheet);
    ui->label_DataTimeInfo->setStyleSheet(labelSheet);
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(50, 50, 50);}"));
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
