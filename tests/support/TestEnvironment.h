#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// Points HOME, the XDG folders and TMPDIR at a fresh temporary folder, so no
// test touches the user's files and parallel tests never share a local-socket
// name or a shared-memory key. Create it before the QApplication.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString root() const;
    QString home() const;
    QString configHome() const; // XDG_CONFIG_HOME
    QString dataHome() const; // XDG_DATA_HOME
    QString tempDir() const; // TMPDIR
    QString appDataDir() const; // what QStandardPaths::AppDataLocation gives the program

    // The environment a child process of the program gets.
    QProcessEnvironment processEnvironment() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedHome, m_savedConfig, m_savedData, m_savedCache, m_savedTmp, m_savedRuntime;
};
