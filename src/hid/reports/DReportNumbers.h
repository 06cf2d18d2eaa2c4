#pragma once

#include <cstdint>

// The keyboard protocol's numbers, each named once: what we send in byte 1
// of a command report, what the keyboard answers in byte 1 of an input
// report, the sub-commands of byte 2 where one command does several things,
// and the magnetic-switch sub-commands of byte 6 that queries and answers
// share.
namespace DReportNumbers {

// Byte 0 of every command report a builder makes.
constexpr uint8_t kCommandReportId = 0x01;

enum Command : uint8_t {
    kHandshake = 0x00,
    kSideEffectListInquiry = 0x01,
    kKeyEcho = 0x03,
    kFullKeyEcho = 0x04,
    // Sub-command 1 inquires the current setting instead of setting it.
    kKeyboardEffect = 0x06,
    kSideEffect = 0x07,
    kCustomColours = 0x08,
    kKeyboardEffectListInquiry = 0x09,
    // The keyboard leaves its normal mode and comes back in upgrade mode.
    kEnterBootloader = 0x0A,
    kCustomizableKeysInquiry = 0x0D,
    // The colours of a light frame, packet by packet, over a cable.
    kLightStream = 0x0E,
    kDeviceSettings = 0x13,
    kSerialNumberInquiry = 0x14,
    kSerialNumberWrite = 0x15,
    // Light synchronisation on or off, and its keep-alive.
    kLightSynchronize = 0x16,
    kKeyMap = 0x17,
    kMacro = 0x18,
    // The compact light frame a keyboard behind the receiver takes.
    kReceiverLightFrame = 0x28,
    kMagnetic = 0x29,
    kAdvancedKey = 0x2A,
};

enum Input : uint8_t {
    kStateReport = 0x01,
    kSideEffectList = 0x02,
    kKeyReport = 0x04,
    kFullKeyReport = 0x05,
    kIgnoredReport = 0x06,
    kKeyboardLightConfig = 0x07,
    kSideLightConfig = 0x08,
    kCustomLightSlot = 0x09,
    kKeyboardEffectList = 0x0A,
    kAnswerNumber = 0x0B,
    kTextReport = 0x0D,
    kCustomizableKeys = 0x0E,
    kSleepAnswer = 0x14,
    kSerialNumberAnswer = 0x15,
    kDownloadMarker = 0x18,
    kMacroAcknowledgement = 0x19,
    kPcKeyAction = 0x20,
    kMagneticAnswer = 0x21,
};

// Byte 2 of the device settings command.
enum DeviceSettingsSub : uint8_t {
    kSettingsGeneral = 0x00, // reset and key locks
    kSettingsSleepSet = 0x01,
    kSettingsSleepInquiry = 0x02,
};

// Byte 2 of the sleep answer.
enum SleepAnswerSub : uint8_t {
    kSleepSetDone = 0x00,
    kSleepTimes = 0x02,
};

enum MagneticSub : uint8_t {
    kLiveTravel = 0x01,
    kKeySelection = 0x02,
    kTravelDisplayEnd = 0x03,
    kTravelLevels = 0x04,
    kKeyTravelInfo = 0x05,
    kRestoreDefaultSensitivity = 0x06,
    kKeyCalibration = 0x07,
    kAllKeysCalibration = 0x08,
    kRateOfReturn = 0x09,
    kAntiShake = 0x0A,
};

} // namespace DReportNumbers
