#include "platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvelle {
namespace {

// A blackboard look on white paper. Small text (the plain 16-unit face: bars, prompts, sub-menu
// lines, the entry field, the error message) needs 4.5:1 on its fill, large text 3:1. The error
// message is pink (13) on white, so 13 is a deep pink; pink text also stands on the board green
// (10) and on the fills 3, 5, 6 and 8, which are therefore dark (relative luminance at most
// 0.027); 9 reads on both red bars (4, 12) and still shows on white, where the lessons draw arcs,
// fills and the balance's string in it, so the bars are a deep red.
constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // 0 black
    {0x1E, 0x3C, 0xB4},  // 1 blue
    {0x1E, 0x8C, 0x32},  // 2 green
    {0x00, 0x30, 0x48},  // 3 cyan (deep teal)
    {0x6E, 0x0E, 0x0E},  // 4 red (deep)
    {0x54, 0x06, 0x54},  // 5 magenta (deep plum)
    {0x46, 0x24, 0x09},  // 6 brown
    {0x6C, 0x6C, 0x6C},  // 7 grey
    {0x2D, 0x2D, 0x2D},  // 8 dark grey
    {0x6E, 0xB0, 0xEC},  // 9 light blue
    {0x12, 0x33, 0x1E},  // 10 green (the board)
    {0xA6, 0xEE, 0xF0},  // 11 light cyan
    {0x7A, 0x10, 0x10},  // 12 light red
    {0xD4, 0x35, 0x85},  // 13 magenta (a deep pink)
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
