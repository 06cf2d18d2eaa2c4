#pragma once

// Helpers for the profile-store tests: records built and described the way
// callers build and read them, through the flat API only.

#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstring>
#include <list>

namespace StoreTestSupport {

QByteArray pathIn(const QTemporaryDir& dir, const QString& name);

// A layer file as the device page creates one: profiles "1" to `profiles`
// named "Profile1" and on, and, when `current` is not 0, that profile
// chosen. False at the first call the store refuses.
bool createLayerFile(const char* path, int profiles, int current = 0);

// The fixed-width text fields of the records, zero-filled and cut to fit.
void setText(char* field, std::size_t width, const QByteArray& text);
template<std::size_t N>
void setText(char (&field)[N], const QByteArray& text)
{
    setText(field, N, text);
}

macroEventItem macroEvent(const QByteArray& mark, const QByteArray& delay, const QByteArray& type,
                          const QByteArray& keyCode, const QByteArray& codeName, const QByteArray& explain);
// A press and its release of one key.
std::list<macroEventItem> keyPress(const QByteArray& mark, const QByteArray& usage, const QByteArray& label);
colorInfoData light(int part, int effect, int brightness = 3, int speed = 3, int red = 255);
customLightDataItem keyColour(const QByteArray& keyCode, const QByteArray& label, int row, int column, int red,
                              int green, int blue, int fourth = 128);

QString describe(const macroEventItem& item);
QStringList describe(const std::list<macroEventItem>& items);
QString describe(const keyOperateInfo& info);
QString describe(const colorInfoData& info);
QString describe(const customLightDataItem& item);
QString describe(const customLightNodeInfo& node);

// A file's bytes as they are on disk; empty when it cannot be read.
QByteArray readFileBytes(const QByteArray& path);
// The key's entry in a profile as "type/paramA/paramB/value" (the value
// read as UTF-8), or "none".
QString keyEntryOf(const QByteArray& path, int key, const char* profile = "1");

QStringList profileNames(const char* path);
// The macros of a macro file as "index:name", in file order.
QStringList macroNames(const char* path);
// Key `keyCode` of the profile plays the macro, and the profile keeps its
// copy of the macro's events, as the macro binding page leaves them. False
// at the first call the store refuses.
bool bindKeyToMacro(const char* layerPath, const char* profile, const char* keyCode, const char* macroFile,
                    const QByteArray& macroIndex);
// Everything a profile holds, read back through the same calls the program
// uses, as one comparable list of lines.
QStringList profileContent(const char* path, const char* index);

} // namespace StoreTestSupport
