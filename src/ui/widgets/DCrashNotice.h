#pragma once

#include <QDialog>

class QLineEdit;

// What the program shows after it crashed: that it ended and where the
// report of the crash lies, the path in a field the user can select and
// copy. It stays above other windows, so a program started again meanwhile
// cannot hide it.
class DCrashNotice : public QDialog
{
    Q_OBJECT

public:
    // An empty path: the crashed run named no report.
    explicit DCrashNotice(const QString& dumpPath, QWidget* parent = nullptr);

    QLineEdit* pathField() const { return m_path; }

private:
    QLineEdit* m_path = nullptr;
};
