#pragma once

#include "sdk/hid/HidTransport.h"
#include "sim/SimulatedBootloader.h"
#include "sim/SimulatedKeyboard.h"

#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The simulated USB bus: plugs and unplugs keyboards (on the cable or behind
// their 2.4 GHz receiver), and serves them to the device library as a HID
// transport. Each keyboard presents three interfaces, like the real ones;
// only the catalogue's report interface speaks the protocol.
class SimulatedBus : public HidTransport
{
public:
    // arrived: true for a plug, false for an unplug. Called on the thread
    // that made the change (an unplug mid-transfer: the I/O thread).
    using ChangeListener = std::function<void(bool arrived, const std::string& path)>;

    SimulatedBus() = default;
    ~SimulatedBus() override;
    SimulatedBus(const SimulatedBus&) = delete;
    SimulatedBus& operator=(const SimulatedBus&) = delete;

    // The version an upgradeable keyboard reports when told to run older
    // firmware than the program carries.
    static constexpr const char* kOlderFirmwareVersion = "V1.0";

    // Null for a model code the catalogue does not know, or a receiver
    // plug of a model without a receiver. An upgradeable keyboard reports
    // its built-in image's version unless `firmwareVersion` says otherwise;
    // the others report "V1.0.<product id mod 10>". A keyboard gets a serial
    // number of its own unless `serialNumber` names the one it keeps.
    std::shared_ptr<SimulatedKeyboard> plug(const QString& modelCode, bool viaReceiver = false,
                                            const std::optional<std::string>& firmwareVersion = std::nullopt,
                                            const std::string& serialNumber = {});
    // A HID device that is no catalogue model; returns its path.
    std::string plugForeign(uint16_t vendorId, uint16_t productId, int interfaceNumber);
    // A keyboard in its upgrade mode, with the catalogue's upgrade-mode id
    // on one interface; null for a model that is not upgradeable. A keyboard
    // told 0x0A becomes one by itself; a test plugs one to bring a keyboard
    // back whose power failed mid-write. After a reset it leaves and the
    // keyboard comes back running what it was given, with the serial number
    // it had: `serialNumber`, else that of the keyboard of this model and
    // connection whose bootloader lost its power, else a new one.
    std::shared_ptr<SimulatedBootloader> plugBootloader(const QString& modelCode, bool viaReceiver = false,
                                                        const std::string& runningVersion = kOlderFirmwareVersion,
                                                        const std::string& serialNumber = {});
    // The faults of the bootloaders plugged from now on.
    void setBootloaderFaults(const SimulatedBootloader::Faults& faults);
    std::vector<std::shared_ptr<SimulatedBootloader>> bootloaders() const;
    // Every bootloader the bus has had, gone ones included.
    std::vector<std::shared_ptr<SimulatedBootloader>> allBootloaders() const;
    std::string pathOf(const std::shared_ptr<SimulatedBootloader>& bootloader) const;
    void unplug(const std::shared_ptr<SimulatedKeyboard>& keyboard);
    void unplugPath(const std::string& path);
    std::vector<std::shared_ptr<SimulatedKeyboard>> keyboards() const;
    // The path of its report interface; empty when not plugged.
    std::string pathOf(const std::shared_ptr<SimulatedKeyboard>& keyboard) const;
    void setChangeListener(ChangeListener listener);

    std::vector<HidDeviceEntry> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& path) override;
    // Connections the host opened to keyboards over the bus's life.
    int openCount() const;

    // The keyboards plugged from now on keep their on-board memory in this
    // folder across program starts, per model and serial number.
    void setMemoryFolder(const QString& folder);

    // Reads ORVANE_SIMULATE ("<code>,<code>@24g", "@oldfw" for a keyboard
    // running older firmware than the program carries, "@fresh" for one
    // back in its factory state): plugs those keyboards, keeping their
    // memory in `memoryFolder`, and installs the bus as the library's
    // transport. Null when the variable is unset or names no known model.
    static std::shared_ptr<SimulatedBus> installFromEnvironment(const QString& memoryFolder);
    // Plugs the keyboards a model list names ("OV68M,OV84W@24g@oldfw"); returns how many.
    int plugModelList(const QString& modelList);

private:
    struct Device
    {
        std::shared_ptr<SimulatedKeyboard> keyboard; // null for a foreign device or a bootloader
        std::shared_ptr<SimulatedBootloader> bootloader;
        std::vector<HidDeviceEntry> interfaces;
        std::string reportPath;
    };

    void notify(bool arrived, const std::string& path);
    void removeDevice(const SimulatedKeyboard* keyboard, const std::string& path);
    void enterBootloader(const SimulatedKeyboard* keyboard);
    void leaveBootloader(const SimulatedBootloader* bootloader, SimulatedBootloader::Event event);

    mutable std::mutex m_mutex;
    std::vector<Device> m_devices;
    ChangeListener m_listener;
    int m_plugCounter = 0;
    int m_openCount = 0;
    SimulatedBootloader::Faults m_bootloaderFaults;
    QString m_memoryFolder; // empty: the keyboards forget at the end of the bus
    std::vector<std::shared_ptr<SimulatedBootloader>> m_allBootloaders;
    // What a keyboard keeps over its bootloader: its serial number (in its
    // flash, which an upgrade does not touch) and its stateOnHandshake.
    struct Kept
    {
        const SimulatedBootloader* bootloader = nullptr;
        QString model;
        bool viaReceiver = false;
        bool handshake = false;
        std::string serialNumber;
    };
    std::vector<Kept> m_kept;
    // Of bootloaders that lost their power, until they are plugged again.
    std::vector<Kept> m_unpowered;
};
