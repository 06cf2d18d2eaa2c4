#include "ui/firmware/DFirwareInfoShow.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DThemeColor.h"
#include "sdk/include/orvanesdk_hid.h"
#include "ui/firmware/DFirwareInfoItem.h"

#include "ui_DFirwareInfoShow.h"

#include <QTimer>

#include <cstring>
#include <list>
#include <string>

namespace {
constexpr int kLoadDelayMs = 200;
} // namespace

DFirwareInfoShow::DFirwareInfoShow(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(QObject::tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->frame_26->hide();

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    ui->frame_2->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_2{border: none; border-top: 2px solid rgb(%1);}"), {theme.settingsBorderColor}));
    ui->scrollAreaWidgetContents_2->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}"), {theme.settingsBgColor}));
    ui->frame_26->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_26{background-color: rgb(%1); border-bottom: 2px solid rgb(%2);}"
                       "QLabel#label_10{color: rgb(%3);}"),
        {theme.settingsBgColor, theme.settingsBorderColor, theme.textDefaultColor}));

    QTimer::singleShot(kLoadDelayMs, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow()
{
    delete ui;
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    QMap<QString, QString> infoMap;
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    for (const std::string& path : paths) {
        hidInfoStu hid;
        hidFirmwareInfoStu firmware;
        std::memset(&hid, 0, sizeof hid);
        std::memset(&firmware, 0, sizeof firmware);
        // The path goes back as the library gave it: a conversion could
        // change a byte and name another device, or none.
        if (COrvaneHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware) == 0)
            continue;
        const QString idText = DFixedText::utf8(firmware.idSection0) + DFixedText::utf8(firmware.idSection1)
                               + DFixedText::utf8(firmware.idSection2) + DFixedText::utf8(firmware.idSection3)
                               + QLatin1Char(',') + DFixedText::utf8(firmware.model);
        infoMap.insert(idText, DFixedText::utf8(firmware.version) + QStringLiteral("---")
                                   + DFixedText::utf8(firmware.buildDate));
    }
    addFirmwareRows(infoMap);
}

void DFirwareInfoShow::addFirmwareRows(QMap<QString, QString> infoMap)
{
    clearFirmwareRows();
    if (!m_rowLayout)
        return;
    for (auto it = infoMap.constBegin(); it != infoMap.constEnd(); ++it) {
        auto* row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfo(it.key(), it.value());
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, row);
    }
}

void DFirwareInfoShow::clearFirmwareRows()
{
    m_rowLayout = qobject_cast<QVBoxLayout*>(ui->scrollAreaWidgetContents_2->layout());
    if (!m_rowLayout)
        return;
    // The closing spacer stays last, so the rows pack at the top.
    for (int n = m_rowLayout->count() - 1; n > 0; --n) {
        QLayoutItem* item = m_rowLayout->takeAt(0);
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}
