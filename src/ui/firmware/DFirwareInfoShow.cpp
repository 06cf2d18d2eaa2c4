#include "ui/firmware/DFirwareInfoShow.h"

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
    ui->horizontalLayout_15->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

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
