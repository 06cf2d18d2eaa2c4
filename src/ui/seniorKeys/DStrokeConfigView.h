#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QWidget>

class CbNotice;

namespace Ui {
class DStrokeConfigView;
}

// The pop-up that sets the first and fourth trigger points of a DKS record
// together. Each release of the slider handle stores the record; the
// second and third points are never changed here.
class DStrokeConfigView : public QWidget
{
    Q_OBJECT

public:
    explicit DStrokeConfigView(QWidget* parent = nullptr);
    ~DStrokeConfigView() override;

    void setSeniorKeyInfo(seniorKeyInfoStu info);
    seniorKeyInfoStu seniorKeyInfo() const { return m_seniorKeyInfo; }

signals:
    void sigTheDKSStrokeStuChanged();
    void sigTheStrokeConfigViewClose();

public slots:
    void onSliderStrokeViewValue(int Value);
    void onSliderStrokeViewReleased();
    void onSliderStrokeViewPressed();
    void on_pushButton_Close_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setTheme();
    void showPoint(int point);

    Ui::DStrokeConfigView* m_ui;
    CbNotice* m_notice;
    seniorKeyInfoStu m_seniorKeyInfo;
    bool m_closeSignalled = false;
};
