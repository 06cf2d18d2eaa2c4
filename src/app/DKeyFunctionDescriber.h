#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

struct keyOperateInfo;

// Turns a key's stored function into the two texts of the key picture's hover
// tip: a category ("Macro", "Keyboard Light", ...) and a detail line naming
// the function. Macro, profile and advanced-key names are read from their
// files on every call, so a rename shows at the next hover without a cache to
// keep in step. GUI thread only, like the profile store it reads.
class DKeyFunctionDescriber
{
public:
    struct Description
    {
        QString category;
        QString detail;
    };

    DKeyFunctionDescriber(const QMap<int, QString>& keyNames, const char* currentProfilePath, const char* macroFilePath,
                          const char* seniorKeyFilePath);

    Description describe(const keyOperateInfo& info) const;

    // The number at the start of a text, as atoi reads it (leading blanks, a
    // sign, digits; 0 when there is none), clamped to the int range.
    static int leadingNumber(const QByteArray& text);

private:
    QString keyLabel(int usage) const;
    QString combinationText(const QByteArray& value) const;
    QString macroName(int macroIndex) const;
    QString profileName(const QByteArray& profileIndex) const;
    QString seniorKeyName(int recordIndex) const;

    QMap<int, QString> m_keyNames;
    QByteArray m_currentProfilePath;
    QByteArray m_macroFilePath;
    QByteArray m_seniorKeyFilePath;
};
