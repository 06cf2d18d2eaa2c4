#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// A dialog the main window lays over itself: a frameless tool window with a
// translucent background that deletes itself when closed. It paints its own
// rounded panel in the theme's settings colours, with a caption and a close
// button; the close button reports through aboutToClose() and then closes.
class DToolDialog : public QWidget
{
    Q_OBJECT

public:
    explicit DToolDialog(QWidget* parent, const QSize& size);

    QPushButton* closeButton() const { return m_closeButton; }
    void setCaption(const QString& caption);

protected:
    // Called by the close button just before the dialog closes.
    virtual void aboutToClose() = 0;
    QVBoxLayout* contentLayout() const { return m_content; }
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_caption = nullptr;
    QPushButton* m_closeButton = nullptr;
    QVBoxLayout* m_content = nullptr;
};
