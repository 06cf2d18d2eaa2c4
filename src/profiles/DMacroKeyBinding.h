#pragma once

#include <QByteArray>

class DKeyFunctionStore;

// Binds the selected key to a macro of the macro file. The profile plays
// its own copy of the macro's events ("Macro<n>"), renewed from the macro
// file at every binding (a macro the file no longer holds plays from the
// copy the profile has). The key's entry and the copy are written together
// or not at all, so the profile never holds a binding without its copy or a
// copy made for a binding that failed.
class DMacroKeyBinding
{
public:
    // Play modes as stored in paramB.
    enum PlayMode { kPlayOnce = 1, kPlayCount = 2, kPlayToggle = 3, kPlayWhileHeld = 4 };
    static constexpr int kMinCount = 1;
    static constexpr int kMaxCount = 255;

    // True when the profile file holds the binding (and the copy it needs).
    // A count outside 1 to 255 in mode 2, a mode outside 1 to 4 or a macro
    // index below 1 is refused and stores nothing; the modes other than 2
    // store count 1.
    static bool bind(const DKeyFunctionStore& key, const QByteArray& macroFilePath, int mode, int count,
                     int macroIndex);
};
