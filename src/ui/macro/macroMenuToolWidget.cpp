#include "ui/macro/macroMenuToolWidget.h"

#include "ui_macroMenuToolWidget.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::macroMenuToolWidget)
{
    m_ui->setupUi(this);
    m_ui->label_Export->setText(QObject::tr("Export"));
    m_ui->label_Delete->setText(QObject::tr("Delete"));
    m_ui->label_ModifyNanme->setText(QObject::tr("Modify Name"));
    for (QLabel* label : {m_ui->label_Export, m_ui->label_Delete, m_ui->label_ModifyNanme})
        label->installEventFilter(this);
}

macroMenuToolWidget::~macroMenuToolWidget()
{
    delete m_ui;
}

bool macroMenuToolWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The release goes to the label the button went down on, so pressing on
    // one entry and releasing over another acts on the first.
    if (event->type() == QEvent::MouseButtonRelease) {
        emit sigCloseMenuWidow();
        if (watched == m_ui->label_Export)
            emit sigMacroExport();
        else if (watched == m_ui->label_Delete)
            emit sigMacroDelete();
        else if (watched == m_ui->label_ModifyNanme)
            emit sigMacroModifyNanme();
    }
    return QWidget::eventFilter(watched, event);
}
