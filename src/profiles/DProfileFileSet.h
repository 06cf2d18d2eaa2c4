#pragma once

#include "hid/hidStructInfoAll.h"

#include <QByteArray>
#include <QString>

class DProfileLightDefaults;

// The profile files of one keyboard: a folder per model and serial number
// under the user configuration folder, holding one file per key layer. Each
// layer file lists its own profiles (1 to 10) and its own current profile.
class DProfileFileSet
{
public:
    enum Layer { DefaultLayer = 0, FnLayer = 1, MagneticLayer = 2 };
    enum class OpenResult { Opened, NotAKeyboard, NoSerialNumber, FolderFailed, PathTooLong, FileFailed };

    // Every path is handed to the profile store in buffers of this size.
    static constexpr int kPathBufferSize = 256;

    static QString layerFileName(int layer);
    static QString keyboardFolder(const QString& userConfigDir, const QString& modelCode, const QString& serial);

    // Opens the set, creating the folder and whatever layer file is missing.
    // Every layer file comes out listing at least one profile and naming a
    // listed one as current, including a file the store had to replace with
    // an empty one. Without a usable serial number nothing is made: the
    // folder would otherwise be shared by keyboards of one model.
    OpenResult open(const QString& userConfigDir, const hidStructInfoAll& record, const QString& serial, bool magnetic,
                    const DProfileLightDefaults& defaults);

    QString folder() const { return m_folder; }
    // After FolderFailed, PathTooLong or FileFailed: the folder or file that
    // could not be made or used.
    QString failedPath() const { return m_failedPath; }
    int layerCount() const { return m_layerCount; }
    // Local 8-bit, shorter than kPathBufferSize; empty before open() succeeded.
    QByteArray layerPath(int layer) const;

    // A listed profile as the file's current one: the one it names, else the
    // first listed, which is then written back. -1 when the file lists none.
    static int ensureListedCurrent(const char* layerPath);

private:
    bool prepareLayerFile(const QByteArray& path, int layer, const DProfileLightDefaults& defaults) const;

    QString m_folder;
    QString m_failedPath;
    int m_layerCount = 0;
};
