#include "support/DialogAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace DialogAnswers {

void answerFileDialog(const QString& path)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            // selectFile() leaves the name field alone while it has the
            // focus, and accept() then finds no file and keeps the dialog
            // open; the field takes the whole path instead.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name)
                name->setText(path);
            else
                dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }
        // A dialog that is still open is answered again on the next tick.
        if (dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
    });
    poll->start();
}

namespace {

using ButtonOf = std::function<QAbstractButton*(QMessageBox*)>;

void answerQuestionWith(QObject* owner, const ButtonOf& buttonOf, QString* text)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [poll, buttonOf, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QAbstractButton* button = buttonOf(box);
        if (!button)
            return;
        *text = box->text();
        poll->stop();
        poll->deleteLater();
        button->click();
    });
    poll->start(20);
}

} // namespace

void answerQuestion(QObject* owner, const QString& button, QString* text)
{
    answerQuestionWith(
        owner,
        [button](QMessageBox* box) -> QAbstractButton* {
            for (QAbstractButton* each : box->buttons()) {
                if (each->text() == button)
                    return each;
            }
            return nullptr;
        },
        text);
}

void answerQuestion(QObject* owner, QMessageBox::StandardButton button, QString* text)
{
    answerQuestionWith(
        owner, [button](QMessageBox* box) -> QAbstractButton* { return box->button(button); }, text);
}

} // namespace DialogAnswers
