#include "ui/firmware/DFirwareInfoItem.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"

#include "ui_DFirwareInfoItem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    // The dialog's theme: the name stands out, the details read quieter.
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    ui->label_HidInfo->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 75 11pt \"%2\";}"), {theme.textCheckedColor, theme.textFont}));
    ui->label_DataTimeInfo->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 50 10pt \"%2\";}"), {theme.textDefaultColor, theme.textFont}));
    ui->frame->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(%1);}"), {theme.settingsBorderColor}));
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
