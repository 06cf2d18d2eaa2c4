#pragma once

#include <QString>

// What the key customisation page and its key-function pages agree on
// beyond their signals: the function codes a page reports failures under,
// the reasons it gives, and the look of the light/heavy press choice that
// three pages carry.
namespace DKeyFunctionPages {

// The host's function codes (not the stored type codes: macro and remap are
// the other way round there).
enum FunctionCode : int {
    kMacroFunctionCode = 0,
    kRemapFunctionCode = 1,
    kCombinationFunctionCode = 2,
    kMultimediaFunctionCode = 3,
    kMouseFunctionCode = 4,
    kDisableFunctionCode = 5,
    kTextFunctionCode = 6,
    kProfileSwitchFunctionCode = 7,
    kLaunchFunctionCode = 8,
    kShortcutFunctionCode = 9,
    kResetFunctionCode = 10,
    kKeyConfigFunctionCode = 19,
    kKeyboardLightFunctionCode = 20,
    kSideLightFunctionCode = 30,
    kAdvancedKeyFunctionCode = 40,
};

// The second argument of sigCustomKeyInfoSaveFailed.
enum FailureReason : int {
    // The page refused by itself: the reset page had no key, the text page
    // an empty text.
    kRefusedByPage = 0,
    // The profile file could not be written; it holds what it held before.
    kProfileNotSaved = 1,
};

// The press-mode radio buttons in the active theme.
QString pressModeStyleSheet();

} // namespace DKeyFunctionPages
