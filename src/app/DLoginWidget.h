#pragma once

#include <QWidget>

namespace Ui {
class DLoginWidget;
}

// The start-up window. It is never shown: it exists to deliver
// sigLoginFinished, which creates the main window.
class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget* parent = nullptr);
    ~DLoginWidget() override;

    void autoLogin();
    void fadeOut();

signals:
    void sigLoginFinished(bool);

private slots:
    void on_pushButton_Login_clicked();

private:
    Ui::DLoginWidget* m_ui;
};
