#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class DSeniorKeyEventListItem;
}

// One row of the advanced-key editor's list: the record's name, the keys it
// binds and a delete button. The row only shows and reports; the editor
// stores and deletes.
class DSeniorKeyEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeyEventListItem(QWidget* parent = nullptr);
    ~DSeniorKeyEventListItem() override;

    void setKeyNameMap(QMap<int, QString> map);
    void setData(seniorKeyInfoStu info);
    void setSelected(bool on);
    QString keyDisplayText(QString keyText) const;

signals:
    void sigSeniorKeyEventItemClick(int bindingIndex);
    void sigDeleteSeniorKeyEventItem(int keyType, int bindingIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private slots:
    void on_pushButton_DeleteEvent_clicked();

private:
    Ui::DSeniorKeyEventListItem* m_ui;
    QMap<int, QString> m_keyNameMap;
    seniorKeyInfoStu m_info;
};
