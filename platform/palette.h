// The 16 colours of the screen, in the classic order, and what makes a text legible on a fill.
#pragma once

#include <cstdint>

namespace orvelle {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

// The background: the screen's colour, and what erases.
constexpr int kBackgroundColor = 15;

// Palette numbers 0..15 (15 is the background). Any other number wraps into that range.
Rgb PaletteColor(int index);

// The relative luminance of a colour (0 black .. 1 white) and the contrast ratio of two colours
// (1 .. 21), as the usual legibility guidelines define them.
double RelativeLuminance(Rgb c);
double ContrastRatio(Rgb a, Rgb b);

}  // namespace orvelle
