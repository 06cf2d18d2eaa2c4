#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"

#include "ui_DProfileMenuToolWidget.h"

#include <QEvent>

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DProfileMenuToolWidget)
{
    m_ui->setupUi(this);
    m_ui->label_CreateNew->setText(tr("Create"));
    m_ui->label_Delete->setText(tr("Delete"));
    m_ui->label_Export->setText(tr("Export"));
    m_ui->label_Import->setText(tr("Import"));
    m_ui->label_ModifyNanme->setText(tr("Modify Name"));
    for (QLabel* label :
         {m_ui->label_CreateNew, m_ui->label_Delete, m_ui->label_Export, m_ui->label_Import, m_ui->label_ModifyNanme})
        label->installEventFilter(this);
}

DProfileMenuToolWidget::~DProfileMenuToolWidget()
{
    delete m_ui;
}

bool DProfileMenuToolWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        using Signal = void (DProfileMenuToolWidget::*)();
        const std::pair<QObject*, Signal> entries[] = {
            {m_ui->label_CreateNew, &DProfileMenuToolWidget::sigProfileCreate},
            {m_ui->label_Delete, &DProfileMenuToolWidget::sigProfileDelete},
            {m_ui->label_Export, &DProfileMenuToolWidget::sigProfileExport},
            {m_ui->label_Import, &DProfileMenuToolWidget::sigProfileImport},
            {m_ui->label_ModifyNanme, &DProfileMenuToolWidget::sigProfileModifyName},
        };
        for (const auto& entry : entries) {
            if (entry.first == watched) {
                emit sigCloseMenuWidow();
                emit(this->*entry.second)();
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
