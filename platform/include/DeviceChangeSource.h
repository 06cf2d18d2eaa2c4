#pragma once

#include <QObject>
#include <QString>

// Where the program learns that a device was plugged in or pulled out. Each
// notice carries a path text with the device's USB identity in the form
// "vid_XXXX&pid_XXXX" (upper-case hexadecimal), so the window can tell the
// supported keyboards and the bootloaders apart by their ids. Notices are
// delivered on the thread that owns the source (the GUI thread).
class DeviceChangeSource : public QObject
{
    Q_OBJECT

public:
    enum ChangeType { Arrival = 11, Removal = 12 };

    explicit DeviceChangeSource(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    ~DeviceChangeSource() override = default;

    // Starts listening; false when the system offers no notices, and then
    // errorText() says why.
    virtual bool start() = 0;
    QString errorText() const { return m_errorText; }

    // The operating system's own source.
    static DeviceChangeSource* createSystemSource(QObject* parent = nullptr);

    // The identity part of a notice path: "vid_1209&pid_000D".
    static QString identityText(quint16 vendorId, quint16 productId);

signals:
    void deviceChanged(int changeType, const QString& devicePath);

protected:
    void setErrorText(const QString& text) { m_errorText = text; }

private:
    QString m_errorText;
};
