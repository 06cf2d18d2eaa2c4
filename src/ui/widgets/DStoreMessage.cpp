#include "ui/widgets/DStoreMessage.h"

#include <QMessageBox>

QMessageBox* DStoreMessage::show(QWidget* parent, const QString& text)
{
    const QString name = QStringLiteral("storeMessage");
    auto* box = parent->findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly);
    QString shown = text;
    if (box) {
        shown = box->text() + QStringLiteral("\n\n") + text;
    } else {
        box = new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, parent);
        box->setObjectName(name);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->setTextFormat(Qt::PlainText);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    box->setText(shown);
    box->show();
    return box;
}
