#pragma once

#include "profiles/DMacroFile.h"

#include <QString>
#include <QWidget>

class ArrowWidget;

namespace Ui {
class DMacroListItem;
}

// One macro of the editor's list: its name, a click that shows it, a rename
// in place written straight to the macro file, and a menu asking the editor
// to export or delete it.
class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget* parent = nullptr);
    ~DMacroListItem() override;

    // A path longer than the store takes is refused: renames then fail.
    void setMacroFilePath(const char* path);
    void setData(QString index, QString name);
    void setSelected(bool on);

    QString macroIndex() const { return m_macroIndex; }
    // The name on show, which follows a rename.
    QString macroName() const { return m_macroName; }

signals:
    void sigMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void sigExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void sigDeleteMacro(QString strMacroIndex, QString strMacroName);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The macro file did not take the new name; the rename stays open.
    void sigModifyMacroItemNameFailed();

public slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    Ui::DMacroListItem* m_ui;
    DMacroFile m_macroFile;
    QString m_macroName;
    QString m_macroIndex = QStringLiteral("-1");
    ArrowWidget* m_menuPopup = nullptr;
};
