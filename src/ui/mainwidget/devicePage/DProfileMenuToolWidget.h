#pragma once

#include <QWidget>

namespace Ui {
class DProfileMenuToolWidget;
}

// The profile menu shown in the device page's pop-up bubble: one label per
// profile operation. A click closes the menu first, then asks for the
// operation.
class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DProfileMenuToolWidget(QWidget* parent = nullptr);
    ~DProfileMenuToolWidget() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

private:
    Ui::DProfileMenuToolWidget* m_ui;
};
