#pragma once

#include "app/themeColorData.h"

#include <QPalette>

// The application palette of a theme. Widgets without a style sheet of their
// own (file dialogs, message boxes, the tray menu, combo-box pop-ups, spin
// boxes, scroll bars) draw from it, so none of them shows the default light
// look inside a dark theme.
namespace DThemePalette {

QPalette fromTheme(const themeColorData& theme);

} // namespace DThemePalette
