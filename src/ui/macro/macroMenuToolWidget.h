#pragma once

#include <QWidget>

namespace Ui {
class macroMenuToolWidget;
}

// The menu of a macro row, shown in its pop-up bubble. An entry acts when
// the mouse button is released on it: the menu asks to be closed first, then
// for the entry's operation.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget* parent = nullptr);
    ~macroMenuToolWidget() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

private:
    Ui::macroMenuToolWidget* m_ui;
};
