#include "support/DialogAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace DialogAnswers {

void answerFileDialog(const QString& path)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    timer->start();
}

void answerQuestion(QObject* owner, const QString& button, QString* text)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* each : box->buttons()) {
            if (each->text() == button) {
                *text = box->text();
                poll->deleteLater();
                each->click();
                return;
            }
        }
    });
    poll->start(20);
}

} // namespace DialogAnswers
