#pragma once

// What the profile store accepts as its files, and what it can tell about a
// file it cannot use. Beside orvanesdk_xml.h; GUI thread only, like every
// store function.

// Profile indexes run from 1 to this; a file listing another is damaged, and
// no profile is created or imported beyond it.
constexpr int kStoreMaxProfileIndex = 99999;

// Store files and import sources larger than this are refused unread, and
// a change that would make a store file larger is refused unwritten.
constexpr int kStoreMaxFileMegabytes = 4;

// Whether the store's latest write was refused because the file would have
// become larger than kStoreMaxFileMegabytes; the file was left as it was.
bool COrvaneXML_LastWriteTooLarge();

// The program's own data folder: a file at one of the store's own names in it
// (appProfile_Default.xml, appProfile_FN.xml, appProfile_Magnetic.xml,
// appMacro.xml, SeniorKeyConfig.xml) is the store's whatever it holds, so one
// that cannot be read is recovered like a damaged store file. Other files are
// only refused when they were never store files.
void COrvaneXML_SetOwnFolder(const char* folder);

// Whether the store can read a file now and, when not, why.
enum storeFileState {
    StoreFileReadable = 0,
    StoreFileMissing = 1, // nothing there (or a folder or device that is not ours)
    StoreFileUnreadable = 2, // cannot be opened, or a damaged file that could not be set aside
    StoreFileDamaged = 3, // not a store file, or damaged; just set aside when it was ours
    StoreFileTooLarge = 4 // larger than the store reads
};
int COrvaneXML_FileState(const char* path);
