#pragma once

#include "sim/SimulatedKeyboard.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// The on-board memory of simulated keyboards across program starts, like
// that of real ones: one file per model and serial number in a folder, so
// trying the program without hardware behaves as with it.
class SimulatedKeyboardMemory
{
public:
    explicit SimulatedKeyboardMemory(const QString& folder);

    QString filePath(const SimulatedKeyboard& keyboard) const;
    // Gives the keyboard what it kept when it was last used (a fresh one, or
    // one whose file cannot be read, stays in its factory state), then
    // writes every change it makes. `fresh`: back to its factory state
    // first, whatever it kept.
    void keep(const std::shared_ptr<SimulatedKeyboard>& keyboard, bool fresh = false) const;

    // The file's text and back; nothing for a file that is not one.
    static QByteArray encode(const SimulatedKeyboard::Memory& memory);
    static std::optional<SimulatedKeyboard::Memory> decode(const QByteArray& text);

private:
    bool load(SimulatedKeyboard& keyboard) const;

    QString m_folder;
};
