#pragma once

#include <QObject>
#include <QPointer>

class DUpdateFirmwareDia;

// Carries an upgrade's reports from the worker that writes the image to the
// upgrade window: callable from any thread, delivered on the GUI thread, and
// dropped once the window is gone (it may be closed while an upgrade runs).
// It lives as long as the main window, so a worker never holds a pointer to
// something that can go away.
class DUpgradeReportRelay : public QObject
{
    Q_OBJECT

public:
    explicit DUpgradeReportRelay(QObject* parent = nullptr);

    // GUI thread.
    void setWindow(DUpdateFirmwareDia* window);

    // Any thread.
    void reportProgress(int total, int done);
    void reportSuccess();
    void reportFailure();

private:
    template<typename Call>
    void deliver(Call call);

    QPointer<DUpdateFirmwareDia> m_window;
};
