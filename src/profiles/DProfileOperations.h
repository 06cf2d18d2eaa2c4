#pragma once

#include "profiles/DProfileLightDefaults.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The profile operations of the device page on one layer file: create,
// delete, rename, switch, reset, export and import. Each call reports what
// happened; message() turns that into the text the user sees.
class DProfileOperations
{
public:
    static constexpr int kMaxProfiles = 10;

    enum class Result {
        Created,
        Deleted,
        Renamed,
        Switched,
        ResetDone,
        Exported,
        Imported,
        MaximumReached,
        IndexExists,
        KeepOne,
        NodeMissing,
        EmptyName,
        UnknownProfile,
        TargetExists,
        NoDirectory,
        NoImportFile,
        CreateFailed,
        DeleteFailed,
        RenameFailed,
        ResetFailed,
        ExportFailed,
        ImportFailed,
        ImportTooLarge,
        ImportDeclined,
    };

    // Asked before a profile whose keys start programs is imported, with what
    // each such key runs; false imports nothing.
    using ProgramsQuestion = std::function<bool(const QStringList& programs)>;

    DProfileOperations(const char* layerPath, const DProfileLightDefaults& defaults);

    static QString message(Result result);

    std::vector<profileNodeInfo> profiles() const;
    // Empty, with *found false, when the file does not list the profile.
    QString profileName(int profileIndex, bool* found = nullptr) const;
    bool isListed(int profileIndex) const;

    // A new profile after the last one listed; the current one stays.
    Result create(int* newIndex = nullptr);
    // Deletes the profile; the first one left becomes current.
    Result remove(int profileIndex, int* newCurrent = nullptr);
    Result rename(int profileIndex, const QString& name);
    // Only a profile the file lists can become current.
    Result switchTo(int profileIndex);
    // Same index and name, default content.
    Result reset(int profileIndex);

    // A file name for an exported profile that stays inside the chosen folder
    // and is not hidden.
    static QString exportFileName(const QString& profileName, int profileIndex);
    // Writes the profile alone into directory/<name>.xml. An existing file is
    // left as it is (TargetExists, with *target set) unless replaceExisting.
    Result exportTo(int profileIndex, const QString& directory, bool replaceExisting, QString* target = nullptr);
    // Adds the last profile of the chosen file as a new profile of this one;
    // *newIndex is its index once Imported. When its keys start programs,
    // askPrograms is asked first, before anything is stored (ImportDeclined
    // on No). What is asked about and what is imported are one copy of the
    // file, so a file changed in between cannot slip anything past.
    Result importFrom(const QString& chosenFile, int* newIndex = nullptr, const ProgramsQuestion& askPrograms = {});

    // What the keys of a profile of this file run, one entry per key that
    // starts a program (see DLaunchTargetText): an imported profile could
    // otherwise start programs the user never chose.
    QStringList programsOpenedBy(int profileIndex) const;

private:
    const char* path() const { return m_path.constData(); }

    QByteArray m_path;
    DProfileLightDefaults m_defaults;
};
