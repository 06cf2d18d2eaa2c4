#include "ui/mainwidget/devicePage/triggerSetting/DKeyCalibrationExplainDia.h"
#include "ui_DKeyCalibrationExplainDia.h"

DKeyCalibrationExplainDia::DKeyCalibrationExplainDia(int type, QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyCalibrationExplainDia)
{
    m_ui->setupUi(this);
    switch (type) {
    case KeyCalibration:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_1);
        m_ui->label_1->setText(QObject::tr("1.Into key calibration mode first;"));
        m_ui->label_2->setText(QObject::tr("2.Select one key;"));
        m_ui->label_3->setText(QObject::tr("3.Clicked \"Start calibration\";"));
        m_ui->label_4->setText(QObject::tr("4.Press the selected key;"));
        m_ui->label_5->setText(QObject::tr("5.Return key calibration results;"));
        break;
    case QuickTrigger:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_2);
        m_ui->label_6->setText(
            QObject::tr("When enabled, the quick trigger will only terminate when you completely release the button.")
            + QLatin1Char('\n')
            + QObject::tr("When disabled, the key is released until the axis triggers the travel and terminates the "
                          "quick trigger."));
        break;
    case PressDuration:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_3);
        m_ui->label_7->setText(QObject::tr("Set the required press key duration for triggering."));
        break;
    case AllKeysCalibration:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_4);
        m_ui->label_8->setText(
            QObject::tr("When all keys calibration is enabled, please press all keys to complete the calibration."));
        break;
    default:
        break;
    }
}

DKeyCalibrationExplainDia::~DKeyCalibrationExplainDia()
{
    delete m_ui;
}
