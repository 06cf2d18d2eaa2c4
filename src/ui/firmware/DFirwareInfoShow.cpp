#include "ui/firmware/DFirwareInfoShow.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "devices/DFirmwareInfoLine.h"
#include "sdk/include/orvanesdk_hid.h"
#include "ui/firmware/DFirwareInfoItem.h"
#include "ui/widgets/DPopupShape.h"

#include "ui_DFirwareInfoShow.h"

#include <QPushButton>
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
    // The program's own frame, as its other dialogs have: no system title
    // bar, the in-dialog title strip with a close button instead.
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::FramelessWindowHint);
    DPopupShape::apply(this);
    setWindowTitle(QObject::tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->label_10->setText(QObject::tr("Firmware Info"));
    auto* close = new QPushButton(ui->frame_26);
    close->setObjectName(QStringLiteral("pushButton_Close"));
    close->setFixedSize(20, 20);
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QStringLiteral(
        "QPushButton{border-image: url(:/images/mainpage/closeWindowDef.png);}"
        "QPushButton:hover, QPushButton:pressed{border-image: url(:/images/mainpage/closeWindowSel.png);}"));
    ui->horizontalLayout_15->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    ui->frame_2->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_2{background-color: rgb(%1); border: 1px solid rgb(%2); border-top: none;"
                       " border-bottom-left-radius: 12px; border-bottom-right-radius: 12px;}"),
        {theme.settingsBgColor, theme.textCheckedColor}));
    ui->scrollAreaWidgetContents_2->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}"), {theme.settingsBgColor}));
    ui->scrollArea_2->setStyleSheet(QStringLiteral(
        "QScrollArea#scrollArea_2, QWidget#qt_scrollarea_viewport{background: transparent; border: none;}"));
    ui->frame_26->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral(
            "QFrame#frame_26{background-color: rgb(%1); border: 1px solid rgb(%2);"
            " border-bottom: 2px solid rgb(%3); border-top-left-radius: 12px; border-top-right-radius: 12px;}"
            "QLabel#label_10{color: rgb(%2); font: 75 12pt \"%4\";}"),
        {theme.settingsBgColor, theme.textCheckedColor, theme.settingsBorderColor, theme.textFont}));

    QTimer::singleShot(kLoadDelayMs, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow()
{
    delete ui;
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    // One row per model and connection, in the order of their names.
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
        const DFirmwareInfoLine line = DFirmwareInfoLine::of(hid, firmware);
        // Of two keyboards alike, the one listed later gives the details.
        infoMap.insert(line.name + QLatin1Char('\n') + line.connection, line.details);
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
        row->setLines(it.key().section(QLatin1Char('\n'), 0, 0), it.value());
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
