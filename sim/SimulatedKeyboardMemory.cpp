#include "sim/SimulatedKeyboardMemory.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <mutex>

namespace {

constexpr int kMaxPayload = 58;
constexpr int kSettingSize = 12;
constexpr int kKeySettingSize = 5;

QString hex(const uint8_t* bytes, size_t count)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), int(count)).toHex());
}

QString hex(const std::vector<uint8_t>& bytes)
{
    return hex(bytes.data(), bytes.size());
}

// Nothing when the value is no hex text of at most `maxSize` bytes.
std::optional<std::vector<uint8_t>> bytesOf(const QJsonValue& value, int maxSize)
{
    if (!value.isString())
        return std::nullopt;
    const QByteArray text = value.toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(text);
    if (bytes.size() > maxSize || bytes.toHex() != text.toLower())
        return std::nullopt;
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

template<size_t N>
bool fill(const QJsonValue& value, std::array<uint8_t, N>& to)
{
    const auto bytes = bytesOf(value, int(N));
    if (!bytes || bytes->size() != N)
        return false;
    std::copy(bytes->begin(), bytes->end(), to.begin());
    return true;
}

QString settingText(const SimulatedLighting::Setting& s)
{
    const uint8_t b[kSettingSize] = {s.effect,    s.brightness, s.speed,     s.top[0],    s.top[1],     s.top[2],
                                     s.bottom[0], s.bottom[1],  s.bottom[2], s.direction, s.fullColour, s.extra};
    return hex(b, sizeof b);
}

bool settingOf(const QJsonValue& value, SimulatedLighting::Setting& s)
{
    std::array<uint8_t, kSettingSize> b{};
    if (!fill(value, b))
        return false;
    s.effect = b[0];
    s.brightness = b[1];
    s.speed = b[2];
    std::copy_n(b.begin() + 3, 3, s.top.begin());
    std::copy_n(b.begin() + 6, 3, s.bottom.begin());
    s.direction = b[9];
    s.fullColour = b[10];
    s.extra = b[11];
    return true;
}

QJsonObject packetsText(const std::map<int, std::map<int, std::vector<uint8_t>>>& all)
{
    QJsonObject outer;
    for (const auto& [which, packets] : all) {
        QJsonObject inner;
        for (const auto& [packet, payload] : packets)
            inner.insert(QString::number(packet), hex(payload));
        outer.insert(QString::number(which), inner);
    }
    return outer;
}

bool numberOf(const QString& key, int& number)
{
    bool ok = false;
    number = key.toInt(&ok);
    return ok && number >= 0 && number <= 255;
}

bool packetsOf(const QJsonValue& value, std::map<int, std::map<int, std::vector<uint8_t>>>& all)
{
    const QJsonObject outer = value.toObject();
    for (auto it = outer.begin(); it != outer.end(); ++it) {
        int which = 0;
        if (!numberOf(it.key(), which) || !it.value().isObject())
            return false;
        const QJsonObject inner = it.value().toObject();
        for (auto p = inner.begin(); p != inner.end(); ++p) {
            int packet = 0;
            const auto payload = bytesOf(p.value(), kMaxPayload);
            if (!numberOf(p.key(), packet) || !payload)
                return false;
            all[which][packet] = *payload;
        }
    }
    return true;
}

// The keyboards' serial numbers are whatever the host wrote; only plain
// ones become part of a file name as they stand.
QString fileNamePart(const std::string& serial)
{
    const QString text = QString::fromStdString(serial);
    bool plain = !text.isEmpty();
    for (QChar c : text)
        plain = plain && c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'));
    return plain ? text : QStringLiteral("x") + QString::fromLatin1(QByteArray::fromStdString(serial).toHex());
}

// The last text written for one keyboard: a change that changes nothing
// kept is not written again.
struct Written
{
    std::mutex mutex;
    QByteArray text;
};

} // namespace

SimulatedKeyboardMemory::SimulatedKeyboardMemory(const QString& folder)
    : m_folder(folder)
{
}

QString SimulatedKeyboardMemory::filePath(const SimulatedKeyboard& keyboard) const
{
    return m_folder + QLatin1Char('/') + keyboard.model().code + QLatin1Char('-')
           + fileNamePart(keyboard.serialNumber()) + QStringLiteral(".json");
}

QByteArray SimulatedKeyboardMemory::encode(const SimulatedKeyboard::Memory& memory)
{
    QJsonObject root;
    const SimulatedLighting::Kept& light = memory.lighting;
    root.insert(QStringLiteral("keyboardSetting"), settingText(light.keyboard));
    root.insert(QStringLiteral("sideSetting"), settingText(light.side));
    root.insert(QStringLiteral("keyboardSetReport"), hex(light.keyboardSet.data(), light.keyboardSet.size()));
    root.insert(QStringLiteral("sideSetReport"), hex(light.sideSet.data(), light.sideSet.size()));
    QJsonObject keptSlots;
    for (const auto& [slot, kept] : light.customSlots) {
        QJsonObject one;
        QJsonArray packets;
        for (const std::vector<uint8_t>& packet : kept.packets)
            packets.append(hex(packet));
        one.insert(QStringLiteral("packets"), packets);
        if (kept.effect)
            one.insert(QStringLiteral("effectReport"), hex(kept.effect->data(), kept.effect->size()));
        keptSlots.insert(QString::number(slot), one);
    }
    root.insert(QStringLiteral("customSlots"), keptSlots);
    root.insert(QStringLiteral("shownSlot"), light.shownSlot);
    root.insert(QStringLiteral("keyMaps"), packetsText(memory.keyMaps));
    root.insert(QStringLiteral("macros"), packetsText(memory.macros));
    QJsonObject advanced;
    for (const auto& [slot, payload] : memory.advancedKeys)
        advanced.insert(QString::number(slot), hex(payload));
    root.insert(QStringLiteral("advancedKeys"), advanced);
    std::vector<uint8_t> keys;
    for (int row = 0; row < SimulatedMagnetic::kRows; ++row) {
        for (int column = 0; column < SimulatedMagnetic::kColumns; ++column) {
            const SimulatedMagnetic::KeySetting k = memory.magnetic.key(row, column);
            keys.insert(keys.end(), {k.mode, k.press, k.release, k.quickPress, k.quickRelease});
        }
    }
    root.insert(QStringLiteral("magneticKeys"), hex(keys));
    root.insert(QStringLiteral("levels"), memory.magnetic.value(SimulatedMagnetic::Levels));
    root.insert(QStringLiteral("rateOfReturn"), memory.magnetic.value(SimulatedMagnetic::RateOfReturn));
    root.insert(QStringLiteral("antiShake"), memory.magnetic.value(SimulatedMagnetic::AntiShake));
    root.insert(QStringLiteral("lockFlags"), hex(memory.lockFlags.data(), memory.lockFlags.size()));
    root.insert(QStringLiteral("lightSleep"), memory.lightSleep);
    root.insert(QStringLiteral("keyboardSleep"), memory.keyboardSleep);
    root.insert(QStringLiteral("prohibitSleep"), memory.prohibitSleep);
    return QJsonDocument(root).toJson();
}

std::optional<SimulatedKeyboard::Memory> SimulatedKeyboardMemory::decode(const QByteArray& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    SimulatedKeyboard::Memory memory;
    SimulatedLighting::Kept& light = memory.lighting;
    bool ok = settingOf(root.value(QStringLiteral("keyboardSetting")), light.keyboard)
              && settingOf(root.value(QStringLiteral("sideSetting")), light.side)
              && fill(root.value(QStringLiteral("keyboardSetReport")), light.keyboardSet)
              && fill(root.value(QStringLiteral("sideSetReport")), light.sideSet)
              && fill(root.value(QStringLiteral("lockFlags")), memory.lockFlags)
              && packetsOf(root.value(QStringLiteral("keyMaps")), memory.keyMaps)
              && packetsOf(root.value(QStringLiteral("macros")), memory.macros);
    const QJsonObject keptSlots = root.value(QStringLiteral("customSlots")).toObject();
    for (auto it = keptSlots.begin(); ok && it != keptSlots.end(); ++it) {
        int slot = 0;
        const QJsonObject one = it.value().toObject();
        const QJsonArray packets = one.value(QStringLiteral("packets")).toArray();
        ok = numberOf(it.key(), slot) && packets.size() == SimulatedLighting::kCustomPackets;
        SimulatedLighting::CustomSlot& kept = light.customSlots[slot];
        for (int i = 0; ok && i < packets.size(); ++i) {
            const auto colours = bytesOf(packets.at(i), kMaxPayload);
            ok = colours.has_value();
            if (ok)
                kept.packets[size_t(i)] = *colours;
        }
        if (ok && one.contains(QStringLiteral("effectReport"))) {
            kept.effect = SimulatedLighting::Report{};
            ok = fill(one.value(QStringLiteral("effectReport")), *kept.effect);
        }
    }
    light.shownSlot = root.value(QStringLiteral("shownSlot")).toInt(-1);
    const QJsonObject advanced = root.value(QStringLiteral("advancedKeys")).toObject();
    for (auto it = advanced.begin(); ok && it != advanced.end(); ++it) {
        int slot = 0;
        const auto payload = bytesOf(it.value(), kMaxPayload);
        ok = numberOf(it.key(), slot) && payload;
        if (ok)
            memory.advancedKeys[slot] = *payload;
    }
    const auto keys = bytesOf(root.value(QStringLiteral("magneticKeys")),
                              SimulatedMagnetic::kRows * SimulatedMagnetic::kColumns * kKeySettingSize);
    ok = ok && keys && keys->size() == size_t(SimulatedMagnetic::kRows * SimulatedMagnetic::kColumns * kKeySettingSize);
    for (int row = 0; ok && row < SimulatedMagnetic::kRows; ++row) {
        for (int column = 0; column < SimulatedMagnetic::kColumns; ++column) {
            const uint8_t* k = keys->data() + (row * SimulatedMagnetic::kColumns + column) * kKeySettingSize;
            memory.magnetic.setKey(row, column, {k[0], k[1], k[2], k[3], k[4]});
        }
    }
    for (const auto& [name, sub] :
         {std::pair{"levels", SimulatedMagnetic::Levels}, std::pair{"rateOfReturn", SimulatedMagnetic::RateOfReturn},
          std::pair{"antiShake", SimulatedMagnetic::AntiShake}}) {
        const int value = root.value(QLatin1String(name)).toInt(-1);
        ok = ok && value >= 0 && value <= 255;
        memory.magnetic.setValue(sub, uint8_t(value));
    }
    memory.lightSleep = root.value(QStringLiteral("lightSleep")).toInt(-1);
    memory.keyboardSleep = root.value(QStringLiteral("keyboardSleep")).toInt(-1);
    memory.prohibitSleep = root.value(QStringLiteral("prohibitSleep")).toInt(-1);
    ok = ok && memory.lightSleep >= 0 && memory.keyboardSleep >= 0 && memory.prohibitSleep >= 0;
    if (!ok)
        return std::nullopt;
    return memory;
}

bool SimulatedKeyboardMemory::load(SimulatedKeyboard& keyboard) const
{
    QFile file(filePath(keyboard));
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "simulated keyboard: cannot read its memory" << file.fileName();
        return false;
    }
    const std::optional<SimulatedKeyboard::Memory> memory = decode(file.readAll());
    if (!memory) {
        qWarning() << "simulated keyboard: its memory is unreadable, it starts in its factory state" << file.fileName();
        return false;
    }
    keyboard.restoreMemory(*memory);
    return true;
}

void SimulatedKeyboardMemory::keep(const std::shared_ptr<SimulatedKeyboard>& keyboard, bool fresh) const
{
    if (fresh)
        keyboard->restoreFactoryState();
    else
        load(*keyboard);
    auto written = std::make_shared<Written>();
    const std::weak_ptr<SimulatedKeyboard> weak = keyboard;
    const SimulatedKeyboardMemory memory = *this;
    const auto write = [memory, weak, written] {
        const std::shared_ptr<SimulatedKeyboard> kept = weak.lock();
        if (!kept)
            return;
        std::lock_guard<std::mutex> lock(written->mutex);
        const QByteArray text = encode(kept->memory());
        if (text == written->text)
            return;
        QDir().mkpath(memory.m_folder);
        QSaveFile file(memory.filePath(*kept));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
            qWarning() << "simulated keyboard: cannot write its memory" << file.fileName();
            return;
        }
        written->text = text;
    };
    // What it holds now is what a later start finds, fresh or loaded.
    write();
    keyboard->setMemoryChangeListener(write);
}
