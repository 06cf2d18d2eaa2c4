#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QColor>
#include <QString>
#include <QVector>

// What every new or reset profile gets before the user touches it: the
// default light settings of the three light parts and five custom light
// schemes, the first two coloured from the built-in scheme file that fits the
// keyboard's key grid. Also stores the scheme the user painted on the picture.
class DProfileLightDefaults
{
public:
    static constexpr int kSchemeCount = 5;

    // A key cap of the picture as a painted scheme keeps it.
    struct PaintedKey
    {
        int keyCode = 0;
        QString keyLabel;
        int row = 0;
        int column = 0;
        QColor colour;
    };

    DProfileLightDefaults(int layoutNumber, const QString& modelCode, bool lightSynchronize);

    // The built-in scheme file (a name under ":/images/configDir/") for a key
    // grid; a model file of the layout's model table wins over the layout's.
    static QString defaultSchemeFileName(int layoutNumber, const QString& modelCode);

    void addDefaultLightInfo(const char* profilePath, int profileIndex) const;
    void addDefaultCustomLights(const char* profilePath, int profileIndex) const;
    // False when the scheme file gave no key colours or one could not be stored.
    bool fillDefaultCustomLight(const char* profilePath, int profileIndex, int schemeIndex) const;

    // Replaces the scheme's key colours with the painted keys' colours, in
    // the order given; black keys are left out. Nothing changes when the
    // scheme cannot be emptied first.
    static bool saveCustomLight(const char* profilePath, int profileIndex, int schemeIndex,
                                const QVector<PaintedKey>& keys);

private:
    int m_layoutNumber;
    QString m_modelCode;
    bool m_lightSynchronize;
};
