#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One event of the macro on show: its delay, icons for the kind and the
// direction, and a short text. It keeps the event's values as text for the
// editor to read back, and reports a click, a delete request and the
// pointer entering or leaving it (the editor then highlights the partner).
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget* parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setDelay(int delay);
    void setHighlighted(bool on);
    void setSelected(bool on);

    QString getMark() const { return m_mark; }
    QString getDelay() const { return m_delay; }
    QString getType() const { return m_type; }
    QString getKeyCode() const { return m_keyCode; }
    QString getCodeName() const { return m_codeName; }
    QString getOperateExplain() const { return m_operateExplain; }

signals:
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);
    void sigDeleteKeyAndMouseEvent();
    void sigMouseEnter(QString selectMark, QString selectOperateExplain);
    void sigMouseLeave(QString selectMark, QString selectOperateExplain);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    // "rest", "highlighted" (the event under the pointer) or "selected".
    void applyLook(const QString& look);

    Ui::DCatchKeyAndMouseItem* m_ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
};
