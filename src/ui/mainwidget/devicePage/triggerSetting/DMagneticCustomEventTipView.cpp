#include "ui/mainwidget/devicePage/triggerSetting/DMagneticCustomEventTipView.h"
#include "ui_DMagneticCustomEventTipView.h"

#include <QApplication>
#include <QFontMetrics>

DMagneticCustomEventTipView::DMagneticCustomEventTipView(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMagneticCustomEventTipView)
{
    m_ui->setupUi(this);
}

DMagneticCustomEventTipView::~DMagneticCustomEventTipView()
{
    delete m_ui;
}

void DMagneticCustomEventTipView::setTipInfo(magneticTipInfo info, bool hideLightPress, bool hideHeavyPress)
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    const QFontMetrics metrics(font);
    // Eliding measures in fractions of a pixel: a text that fits exactly
    // would come back shortened, so only a wider one is cut.
    for (QString* detail : {&info.lightPressDetail, &info.heavyPressDetail}) {
        if (metrics.horizontalAdvance(*detail) > kDetailWidth)
            *detail = metrics.elidedText(*detail, Qt::ElideRight, kDetailWidth);
    }

    m_ui->label_1->setText(info.keyName);
    m_ui->label_2->setText(info.lightPressTitle);
    m_ui->label_3->setText(info.lightPressDetail);
    m_ui->label_4->setText(info.heavyPressTitle);
    m_ui->label_5->setText(info.heavyPressDetail);
    m_ui->frame_Center->setVisible(!hideLightPress);
    m_ui->frame_Bottom->setVisible(!hideHeavyPress);
}
