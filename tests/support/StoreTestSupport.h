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

inline QByteArray pathIn(const QTemporaryDir& dir, const QString& name)
{
    return QFile::encodeName(dir.filePath(name));
}

inline void setText(char* field, std::size_t width, const QByteArray& text)
{
    std::memset(field, 0, width);
    std::memcpy(field, text.constData(), std::min<std::size_t>(width - 1, std::size_t(text.size())));
}

template<std::size_t N>
void setText(char (&field)[N], const QByteArray& text)
{
    setText(field, N, text);
}

inline macroEventItem macroEvent(const QByteArray& mark, const QByteArray& delay, const QByteArray& type,
                            const QByteArray& keyCode, const QByteArray& codeName, const QByteArray& explain)
{
    macroEventItem item;
    std::memset(&item, 0, sizeof item);
    setText(item.mark, mark);
    setText(item.delay, delay);
    setText(item.type, type);
    setText(item.keyCode, keyCode);
    setText(item.codeName, codeName);
    setText(item.operateExplain, explain);
    return item;
}

// A press and its release of one key.
inline std::list<macroEventItem> keyPress(const QByteArray& mark, const QByteArray& usage, const QByteArray& label)
{
    return {macroEvent(mark, "10", "key", usage, label, "down"), macroEvent(mark, "25", "key", usage, label, "up")};
}

inline QString describe(const macroEventItem& item)
{
    return QStringLiteral("%1/%2/%3/%4/%5/%6")
        .arg(QString::fromUtf8(item.mark), QString::fromUtf8(item.delay), QString::fromUtf8(item.type),
             QString::fromUtf8(item.keyCode), QString::fromUtf8(item.codeName),
             QString::fromUtf8(item.operateExplain));
}

inline QStringList describe(const std::list<macroEventItem>& items)
{
    QStringList out;
    for (const macroEventItem& item : items)
        out << describe(item);
    return out;
}

inline QString describe(const keyOperateInfo& info)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QString::fromUtf8(info.keyCode), QString::fromUtf8(info.keyName), QString::fromUtf8(info.type),
             QString::fromUtf8(info.paramA), QString::fromUtf8(info.paramB), QString::fromUtf8(info.value));
}

inline QString describe(const colorInfoData& info)
{
    int values[14];
    static_assert(sizeof values == sizeof info, "14 ints");
    std::memcpy(values, &info, sizeof values);
    QStringList out;
    for (int i = 0; i < 14; ++i)
        out << QString::number(values[i]);
    return out.join(QLatin1Char(','));
}

inline QString describe(const customLightDataItem& item)
{
    return QStringLiteral("%1|%2|%3,%4|%5,%6,%7|%8")
        .arg(QString::fromUtf8(item.keyCode), QString::fromLatin1(item.keyLabel))
        .arg(item.row).arg(item.column).arg(item.red).arg(item.green).arg(item.blue).arg(item.fourthValue);
}

inline QString describe(const customLightNodeInfo& node)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(QString::fromUtf8(node.index), QString::fromUtf8(node.name), QString::fromUtf8(node.status))
        .arg(node.slot);
}

inline colorInfoData light(int part, int effect, int brightness = 3, int speed = 3, int red = 255)
{
    return colorInfoData {part, effect, brightness, speed, red, 0, 0, 0, 0, 0, 0, 1, 0, 0};
}

inline customLightDataItem keyColour(const QByteArray& keyCode, const QByteArray& label, int row, int column,
                                     int red, int green, int blue, int fourth = 128)
{
    customLightDataItem item;
    std::memset(&item, 0, sizeof item);
    setText(item.keyCode, keyCode);
    setText(item.keyLabel, label);
    item.row = row;
    item.column = column;
    item.red = red;
    item.green = green;
    item.blue = blue;
    item.fourthValue = fourth;
    return item;
}

inline QStringList profileNames(const char* path)
{
    std::vector<profileNodeInfo> nodes;
    COrvaneXML_SelectProFileAllNodes(path, &nodes);
    QStringList out;
    for (const profileNodeInfo& node : nodes)
        out << QString::fromStdString(node.index + ":" + node.name);
    return out;
}

// Everything a profile holds, read back through the same calls the program
// uses, as one comparable list of lines.
inline QStringList profileContent(const char* path, const char* index)
{
    QStringList out;
    std::list<keyOperateInfo> keys;
    COrvaneXML_ProFileKeyInfoSelectAll(path, index, &keys);
    QStringList keyLines;
    for (const keyOperateInfo& key : keys) {
        keyLines << QStringLiteral("key ") + describe(key);
        if (QByteArray(key.type) == "1") {
            std::list<macroEventItem> events;
            COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, index, key.value, "", &events);
            keyLines << QStringLiteral("bound ") + QString::fromUtf8(key.value) + QLatin1Char(' ')
                            + describe(events).join(QLatin1Char(';'));
        }
    }
    keyLines.sort();
    out << keyLines;
    for (int part = 0; part <= 2; ++part) {
        out << QStringLiteral("inUse %1 %2")
                   .arg(part)
                   .arg(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, index, part));
        for (int effect = 0; effect <= 20; ++effect) {
            colorInfoData info {};
            if (COrvaneXML_SelectProfileColorDataInfo(path, index, part, effect, &info))
                out << QStringLiteral("light ") + describe(info);
        }
    }
    std::list<customLightNodeInfo> schemes;
    COrvaneXML_SelectProFileCustomLightAllNodes(path, index, &schemes);
    for (const customLightNodeInfo& scheme : schemes) {
        out << QStringLiteral("scheme ") + describe(scheme);
        std::list<customLightDataItem> colours;
        COrvaneXML_ProFileCustomLightInfoSelectAll(path, index, scheme.index, &colours);
        for (const customLightDataItem& colour : colours)
            out << QStringLiteral("  colour ") + describe(colour);
    }
    sleepTimeInfo sleep {600, 30};
    COrvaneXML_GetProFileIntoSleepTimeInfo(path, index, &sleep);
    out << QStringLiteral("sleep %1 %2").arg(sleep.lightSleepSeconds).arg(sleep.keyboardSleepMinutes);
    functionLockInfo locks;
    for (char* field : {locks.altTab, locks.altF4, locks.shiftTab, locks.windowsKey})
        setText(field, 8, "0");
    COrvaneXML_GetProFileFunctionInfo(path, index, &locks);
    out << QStringLiteral("locks %1 %2 %3 %4")
               .arg(QString::fromLatin1(locks.altTab), QString::fromLatin1(locks.altF4),
                    QString::fromLatin1(locks.shiftTab), QString::fromLatin1(locks.windowsKey));
    return out;
}

}
