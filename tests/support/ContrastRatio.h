#pragma once

#include "app/DContrastRatio.h"

// The tests measure with the program's own guideline formula.
namespace ContrastRatio {

using DContrastRatio::contrast;
using DContrastRatio::kLarge;
using DContrastRatio::kText;
using DContrastRatio::luminance;

} // namespace ContrastRatio
