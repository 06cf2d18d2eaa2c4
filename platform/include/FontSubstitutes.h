#pragma once

// Style sheets and themes name Windows font families; map them to the Noto
// CJK families so text renders with a font that covers every language.
// Safe to call more than once.
void installWindowsFontSubstitutes();
