#pragma once

#include <QWidget>

class QLabel;

// One line of explanation, the content of a hover bubble.
class DToolTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DToolTipExplain(QWidget* parent = nullptr);

    void setExplainText(QString text);

private:
    QLabel* m_label;
};
