#pragma once

#include "hid/hidStructInfoAll.h"

#include <QMetaType>
#include <QSize>
#include <QString>
#include <QWidget>

namespace Ui {
class DDeviceListItem;
}

// One row of the device list: the keyboard's picture, product name and
// display name with its connection. A press hands the row's record to the
// device page, which decides what it means.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRowWidth = 190;
    static constexpr int kRowHeight = 140;

    explicit DDeviceListItem(QWidget* parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(hidStructInfoAll info);
    void setSelected(bool selected);
    void setOnline(int state);
    void setTheme();

    hidStructInfoAll deviceInfo() const { return m_info; }
    int onlineState() const { return m_onlineState; }
    bool isSelected() const { return m_selected; }

    // The picture file of a model: beside the program, never a resource.
    static QString pictureFile(const QString& modelCode);
    // The box a model's picture is scaled into.
    static QSize pictureBox(const QString& modelCode);
    // The display name with its connection, as the row shows it.
    static QString displayName(const hidStructInfoAll& info);

signals:
    void sigHidItemMouseClicked(hidStructInfoAll hidStuInfo);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Ui::DDeviceListItem* m_ui = nullptr;
    QWidget* m_offlineOverlay = nullptr;
    int m_onlineState = 0;
    hidStructInfoAll m_info;
    bool m_selected = false;
};
