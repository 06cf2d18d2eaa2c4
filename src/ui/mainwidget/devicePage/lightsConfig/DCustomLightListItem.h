#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCustomLightListItem;
}

// One custom light scheme of the lighting page's list: its name with the
// "Using" box, a rename in place written straight to the profile file, and
// a press reported to the page. The page keeps the list's order, selection
// and slots; the row only shows them.
class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomLightListItem(QWidget* parent = nullptr);
    ~DCustomLightListItem() override;

    void setItemInfo(QString index, QString name, QString status, int slot);
    void setSelectedLook(bool selected);
    void setUsingChecked(bool checked);
    // The hover text of the "Using" box in the language now chosen.
    void retranslate();

    QString customLightIndex() const { return m_customLightIndex; }
    QString customLightName() const { return m_customLightName; }
    QString usingStatus() const { return m_usingStatus; }
    int flagIndex() const { return m_flagIndex; }
    bool selectedLook() const { return m_selectedLook; }
    void setUsingStatus(QString status) { m_usingStatus = status; }
    void setFlagIndex(int slot) { m_flagIndex = slot; }

signals:
    void sigCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    // The profile file did not take the new name; the rename stays open.
    void sigModifyCustomLightItemNameFailed();
    void sigCustomLightUsingStatus(bool isUsing);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void onNameEdited(const QString& text);

private:
    Ui::DCustomLightListItem* m_ui;
    bool m_selectedLook = false;
    QString m_customLightIndex = QStringLiteral("-1");
    QString m_customLightName;
    QString m_usingStatus;
    int m_flagIndex = -1;
};
