#pragma once

#include <QWidget>

class QLabel;

// The three-line tip of a key on the keyboard picture: key name, function
// category and the function's detail.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    // The detail line never grows wider than this; longer ones are elided.
    static constexpr int kMaxDetailWidth = 215;

    explicit DCustomEventTipExplain(QWidget* parent = nullptr);

    // remappable is false for a key whose function cannot be changed; such a
    // key, and the Fn key, are shown highlighted.
    void setTipInfo(QString keyName, QString category, QString detail, bool remappable);

private:
    QLabel* m_keyNameLabel;
    QLabel* m_categoryLabel;
    QLabel* m_detailLabel;
};
