#pragma once

#include <QString>

class ArrowWidget;
class DVirtualKeyboardTool;
class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QWidget;

// What the key customisation page and its key-function pages agree on
// beyond their signals: the function codes a page reports failures under,
// the reasons it gives, and what of their look no style sheet gives.
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
    // The macro page has no macro to bind: the macro file holds none.
    kNoMacro = 2,
    // The text page took in only the part of a typed or pasted text that
    // fits the key's record; nothing was stored.
    kTextCut = 3,
    // The macro page offers macros, but the user has not picked one yet.
    kNoMacroChosen = 4,
};

// The light/heavy press choice of a page as one group (ids 0 and 1), light
// press checked.
QButtonGroup* pressModeGroup(QWidget* page, QRadioButton* lightPress, QRadioButton* heavyPress);

// The remap and key-combination pages pick keys on a virtual keyboard that
// pops up over their key field.
// The bubble around the keyboard, child of the page; hidden until opened.
ArrowWidget* createKeyboardPopup(QWidget* page, DVirtualKeyboardTool* keyboard);
// Shows the bubble over the field, its arrow pointing at it.
void openKeyboardPopup(ArrowWidget* popup, QLineEdit* field);
// Puts a text into a key field, which is never shorter than the text.
void showInKeyField(QLineEdit* field, const QString& text);
// The bubble around the virtual keyboard in the active theme.
void setKeyboardPopupTheme(ArrowWidget* popup);

} // namespace DKeyFunctionPages
