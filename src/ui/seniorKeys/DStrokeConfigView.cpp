#include "ui/seniorKeys/DStrokeConfigView.h"
#include "app/logCategories.h"
#include "ui_DStrokeConfigView.h"

#include "app/DDataManager.h"
#include "profiles/DSeniorKeyRecords.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"

#include <QCloseEvent>
#include <QDebug>

#include <cstring>

DStrokeConfigView::DStrokeConfigView(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DStrokeConfigView)
{
    std::memset(&m_seniorKeyInfo, 0, sizeof m_seniorKeyInfo);
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    DPopupShape::apply(this);
    setFixedSize(460, 150);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(14);

    m_ui->label->setText(QObject::tr("Trigger points for DKS actions"));
    m_ui->horizontalSlider_StrokeView->setMaximum(DSeniorKeyRecords::kMaxPoint);
    m_ui->horizontalSlider_StrokeView->setMinimum(DSeniorKeyRecords::kMinPoint);
    m_ui->horizontalSlider_StrokeView->setValue(DSeniorKeyRecords::kMinPoint);
    m_ui->horizontalSlider_StrokeView->setPressTolerance(10, 4);
    connect(m_ui->horizontalSlider_StrokeView, &QSlider::valueChanged, this,
            &DStrokeConfigView::onSliderStrokeViewValue);
    connect(m_ui->horizontalSlider_StrokeView, &QSlider::sliderReleased, this,
            &DStrokeConfigView::onSliderStrokeViewReleased);
    connect(m_ui->horizontalSlider_StrokeView, &QSlider::sliderPressed, this,
            &DStrokeConfigView::onSliderStrokeViewPressed);
    m_ui->label_StrokeView->setText(QStringLiteral("1.0mm"));
    setTheme();
}

DStrokeConfigView::~DStrokeConfigView()
{
    delete m_ui;
}

void DStrokeConfigView::setTheme()
{
    // The colours come from the application's sheet (70-seniorkeys.qss).
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    m_ui->label->setFont(font);
    m_ui->label_StrokeView->setFont(font);
}

void DStrokeConfigView::showPoint(int point)
{
    // The slider cannot show a point outside its range; the read-out still
    // names the record's own value until the handle moves.
    m_ui->horizontalSlider_StrokeView->setValue(point);
    m_ui->label_StrokeView->setText(DSeniorKeyRecords::pointText(point));
}

void DStrokeConfigView::setSeniorKeyInfo(seniorKeyInfoStu info)
{
    m_seniorKeyInfo = info;
    showPoint(m_seniorKeyInfo.point[0]);
}

void DStrokeConfigView::onSliderStrokeViewValue(int Value)
{
    m_ui->label_StrokeView->setText(DSeniorKeyRecords::pointText(Value));
}

void DStrokeConfigView::onSliderStrokeViewPressed()
{
    qCDebug(lcUi) << "------------------------- *** [DStrokeConfigView::onSliderStrokeViewPressed] Pressed *** "
                     "-------------------------";
}

void DStrokeConfigView::onSliderStrokeViewReleased()
{
    qCDebug(lcUi) << "------------------------- *** [DStrokeConfigView::onSliderStrokeViewReleased] Released *** "
                     "-------------------------";
    const int point = m_ui->horizontalSlider_StrokeView->value();
    char path[256] = {};
    DDataManager::getInstance()->copySeniorKeyFilePath(path);

    seniorKeyInfoStu changed = m_seniorKeyInfo;
    changed.point[0] = point;
    changed.point[3] = point;
    DSeniorKeyRecords records{QByteArray(path)};
    if (records.modify(changed) == DSeniorKeyRecords::Result::Done) {
        m_seniorKeyInfo = changed;
        // The read-out names what is now stored, also after an unmoved
        // release that brought a point from beyond the slider into its range.
        m_ui->label_StrokeView->setText(DSeniorKeyRecords::pointText(point));
        emit sigTheDKSStrokeStuChanged();
        return;
    }
    // Showing points the file lacks would let the user believe they are on
    // the keyboard after the next download.
    m_notice->showNoticeTextAt(QObject::tr("The advanced-key file could not be saved"), rect().center());
    showPoint(m_seniorKeyInfo.point[0]);
}

void DStrokeConfigView::on_pushButton_Close_clicked()
{
    close();
}

void DStrokeConfigView::closeEvent(QCloseEvent* event)
{
    qCDebug(lcUi) << "------------------------- *** [DStrokeConfigView] closeEvent *** -------------------------";
    // Every way of closing takes the host's overlay away, not only the button.
    if (!m_closeSignalled) {
        m_closeSignalled = true;
        emit sigTheStrokeConfigViewClose();
    }
    event->accept();
}
