#pragma once

#include <QMessageBox>
#include <QString>

class QObject;

// Answers to the modal dialogs a widget opens, given from a timer as a user
// would give them, so the widget's call returns and nothing hangs.
namespace DialogAnswers {

// Answers the next file dialog: picks `path` (a file or a folder), or
// cancels when it is empty. It keeps answering until the dialog has closed.
void answerFileDialog(const QString& path);
// Answers the next question box with the button of that text, or with that
// standard button; the question's text lands in *text. The poll lives with
// `owner`.
void answerQuestion(QObject* owner, const QString& button, QString* text);
void answerQuestion(QObject* owner, QMessageBox::StandardButton button, QString* text);

} // namespace DialogAnswers
