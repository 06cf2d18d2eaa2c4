#include "support/StoreTestSupport.h"

#include <algorithm>

namespace StoreTestSupport {

QByteArray pathIn(const QTemporaryDir& dir, const QString& name)
{
    return QFile::encodeName(dir.filePath(name));
}

bool createLayerFile(const char* path, int profiles, int current)
{
    if (!COrvaneXML_CreateXMLFile(path))
        return false;
    for (int i = 1; i <= profiles; ++i) {
        if (!COrvaneXML_CreateProFileXmlParentNode(path, QByteArray::number(i), "Profile" + QByteArray::number(i), 0))
            return false;
    }
    return current == 0 || COrvaneXML_ModifyXMLFileProfileIndex(path, current);
}

void setText(char* field, std::size_t width, const QByteArray& text)
{
    std::memset(field, 0, width);
    std::memcpy(field, text.constData(), std::min<std::size_t>(width - 1, std::size_t(text.size())));
}

macroEventItem macroEvent(const QByteArray& mark, const QByteArray& delay, const QByteArray& type,
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

std::list<macroEventItem> keyPress(const QByteArray& mark, const QByteArray& usage, const QByteArray& label)
{
    return {macroEvent(mark, "10", "key", usage, label, "down"), macroEvent(mark, "25", "key", usage, label, "up")};
}

QString describe(const macroEventItem& item)
{
    return QStringLiteral("%1/%2/%3/%4/%5/%6")
        .arg(QString::fromUtf8(item.mark), QString::fromUtf8(item.delay), QString::fromUtf8(item.type),
             QString::fromUtf8(item.keyCode), QString::fromUtf8(item.codeName), QString::fromUtf8(item.operateExplain));
}

QStringList describe(const std::list<macroEventItem>& items)
{
    QStringList out;
    for (const macroEventItem& item : items)
        out << describe(item);
    return out;
}

QString describe(const keyOperateInfo& info)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QString::fromUtf8(info.keyCode), QString::fromUtf8(info.keyName), QString::fromUtf8(info.type),
             QString::fromUtf8(info.paramA), QString::fromUtf8(info.paramB), QString::fromUtf8(info.value));
}

QString describe(const colorInfoData& info)
{
    int values[14];
    static_assert(sizeof values == sizeof info, "14 ints");
    std::memcpy(values, &info, sizeof values);
    QStringList out;
    for (int i = 0; i < 14; ++i)
        out << QString::number(values[i]);
    return out.join(QLatin1Char(','));
}

QString describe(const customLightDataItem& item)
{
    return QStringLiteral("%1|%2|%3,%4|%5,%6,%7|%8")
        .arg(QString::fromUtf8(item.keyCode), QString::fromLatin1(item.keyLabel))
        .arg(item.row)
        .arg(item.column)
        .arg(item.red)
        .arg(item.green)
        .arg(item.blue)
        .arg(item.fourthValue);
}

QString describe(const customLightNodeInfo& node)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(QString::fromUtf8(node.index), QString::fromUtf8(node.name), QString::fromUtf8(node.status))
        .arg(node.slot);
}

colorInfoData light(int part, int effect, int brightness, int speed, int red)
{
    return colorInfoData{part, effect, brightness, speed, red, 0, 0, 0, 0, 0, 0, 1, 0, 0};
}

customLightDataItem keyColour(const QByteArray& keyCode, const QByteArray& label, int row, int column, int red,
                              int green, int blue, int fourth)
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

QByteArray readFileBytes(const QByteArray& path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString keyEntryOf(const QByteArray& path, int key, const char* profile)
{
    keyOperateInfo info;
    setText(info.keyCode, "-1");
    COrvaneXML_SelectProFileKeyOperateInfo(path, profile, QByteArray::number(key), &info);
    if (QByteArray(info.keyCode) == "-1")
        return QStringLiteral("none");
    return QStringLiteral("%1/%2/%3/%4")
        .arg(QString::fromLatin1(info.type), QString::fromLatin1(info.paramA), QString::fromLatin1(info.paramB),
             QString::fromUtf8(info.value));
}

QStringList profileNames(const char* path)
{
    std::vector<profileNodeInfo> nodes;
    COrvaneXML_SelectProFileAllNodes(path, &nodes);
    QStringList out;
    for (const profileNodeInfo& node : nodes)
        out << QString::fromStdString(node.index + ":" + node.name);
    return out;
}

QStringList macroNames(const char* path)
{
    std::list<macroNodeInfo> nodes;
    COrvaneXML_SelectMacroAllNodes(path, &nodes);
    QStringList out;
    for (const macroNodeInfo& node : nodes)
        out << QString::fromStdString(node.index + ":" + node.name);
    return out;
}

bool bindKeyToMacro(const char* layerPath, const char* profile, const char* keyCode, const char* macroFile,
                    const QByteArray& macroIndex)
{
    std::list<macroEventItem> events;
    return COrvaneXML_AddProFileMacroWithKeyInfoItem(layerPath, profile, keyCode, "K", "1", "1", "1", macroIndex)
           && COrvaneXML_SelectAllKeyOrMouseEvent(macroFile, macroIndex, &events)
           && COrvaneXML_AddProFileBindMacroItem(layerPath, profile, events, macroIndex, "Macro" + macroIndex);
}

QStringList profileContent(const char* path, const char* index)
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
            colorInfoData info{};
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
    sleepTimeInfo sleep{600, 30};
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

} // namespace StoreTestSupport
