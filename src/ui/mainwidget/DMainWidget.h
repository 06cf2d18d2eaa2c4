#pragma once

#include <QWidget>

// The application's only top-level window: frameless, with its own title bar,
// borders that resize it, and a tray icon.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget* parent = nullptr);
    ~DMainWidget() override;

    // Called for every mouse move anywhere in the application, with the
    // event's global position; only the cursor changes.
    void updateEdgeCursor(int x, int y);

private:
    bool m_leftPressed = false;
};
