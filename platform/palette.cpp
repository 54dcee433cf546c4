#include "platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvelle {
namespace {

// A blackboard look on white paper: 10 is a dark board green under white and pink (13) text;
// the colours used for text on white (0, 3, 4, 5, 7, 13) are dark enough to read as large text,
// and those that carry pink text (3, 5, 6, 8, 10) darker still; 9 is light enough to read on
// the red bars (4, 12).
constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // 0 black
    {0x1E, 0x3C, 0xB4},  // 1 blue
    {0x1E, 0x8C, 0x32},  // 2 green
    {0x00, 0x4A, 0x58},  // 3 cyan (deep teal)
    {0xC4, 0x1E, 0x1E},  // 4 red
    {0x78, 0x0C, 0x78},  // 5 magenta (deep)
    {0x63, 0x34, 0x10},  // 6 brown
    {0x6C, 0x6C, 0x6C},  // 7 grey
    {0x40, 0x40, 0x40},  // 8 dark grey
    {0xB0, 0xDE, 0xFF},  // 9 light blue
    {0x1E, 0x48, 0x2A},  // 10 green (the board)
    {0xA6, 0xEE, 0xF0},  // 11 light cyan
    {0xD8, 0x40, 0x40},  // 12 light red
    {0xEC, 0x5A, 0xA8},  // 13 magenta (pink, between the dark colours and white)
    {0xF0, 0xC8, 0x00},  // 14 yellow
    {0xFF, 0xFF, 0xFF},  // 15 white, the background
}};

double Linear(uint8_t v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb PaletteColor(int index) { return kPalette[static_cast<size_t>(((index % 16) + 16) % 16)]; }

double RelativeLuminance(Rgb c) {
  return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace orvelle
