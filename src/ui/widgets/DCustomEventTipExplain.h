#pragma once

#include <QWidget>

class QLabel;

// The three-line tip of a key on the keyboard picture: key name, function
// category and the function's detail.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    // The tip is this wide unless a text needs more; it then grows with the
    // text up to kMaxDetailWidth, so no translation is cut off. Only longer
    // texts (names and texts the user typed) are elided.
    static constexpr int kLabelWidth = 230;
    static constexpr int kMaxDetailWidth = 400;

    explicit DCustomEventTipExplain(QWidget* parent = nullptr);

    // remappable is false for a key whose function cannot be changed; such a
    // key, and the Fn key, are shown highlighted.
    void setTipInfo(QString keyName, QString category, QString detail, bool remappable);

private:
    QLabel* m_keyNameLabel;
    QLabel* m_categoryLabel;
    QLabel* m_detailLabel;
};
