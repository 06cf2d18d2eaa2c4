#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// While it lives, ":/images/configDir/<name>" holds the given text, or
// nothing at all for a null text: the program's bundle is taken away and a
// bundle of that one file, made by rcc, stands in. Needs ORVANE_RCC to name
// Qt's rcc.
class ConfigFileInPlace
{
public:
    ConfigFileInPlace(const QString& name, const QByteArray& text);
    ~ConfigFileInPlace();

    ConfigFileInPlace(const ConfigFileInPlace&) = delete;
    ConfigFileInPlace& operator=(const ConfigFileInPlace&) = delete;

    bool ready() const { return m_ready; }

private:
    QTemporaryDir m_dir;
    QString m_rcc;
    bool m_ready = false;
};
