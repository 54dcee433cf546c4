#include "platform/placing.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <string_view>

#include "platform/draw_limits.h"
#include "platform/fonts.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// The code point at s[i], moving i past it; malformed bytes give U+FFFD.
char32_t NextCodePoint(const std::string& s, size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
  if (b >= 0x80 && extra == 0) {
    ++i;
    return 0xFFFD;
  }
  ++i;
  for (; extra > 0; --extra) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    ++i;
  }
  return c;
}

}  // namespace

std::vector<GlyphDraw> PlaceText(double scale, GlyphCache& boxes, float x, float y, int scaleX,
                                 int scaleY, const std::string& s, const FontState& font) {
  assert(OnDrawingThread());
  std::vector<GlyphDraw> placed;
  if (s.empty() || !(font.size > 0) || !Finite({x, y, font.size})) return placed;
  const int across = std::clamp(scaleX, 1, kMaxFactor);
  const int down = std::clamp(scaleY, 1, kMaxFactor);
  const double cellW = std::min(kMaxCell, static_cast<double>(font.size) * across);
  const double cellH = std::min(kMaxCell, static_cast<double>(font.size) * down);
  const Face& face = FindFace(font.name, font.bold, font.italic);
  const Face& gothic = FindFace(kGothicFont, font.bold, font.italic);

  double pen = x;
  for (size_t i = 0; i < s.size();) {
    const size_t from = i;
    char32_t c = NextCodePoint(s, i);
    if (face.ellForL && c == U'l') c = U'\u2113';
    const Face* f = &face;
    Glyph g = face.Find(c);
    if (!g.found && f != &gothic) {
      // A character the face lacks comes from the Gothic face, which has the most.
      const Glyph other = gothic.Find(c);
      if (other.found) {
        f = &gothic;
        g = other;
      }
    }
    const CellFit& fit = f->fit;
    const double own = g.advance * fit.emAcross * cellW;
    double advance = own, offset = 0;
    if (fit.cellAdvance) {
      advance = CharBytes(std::string_view(s).substr(from, i - from)) == 1 ? cellW / 2 : cellW;
      offset = (advance - own) / 2;  // a glyph narrower or wider than its cell is centred in it
    }
    if (g.found) {
      placed.push_back({f, g.index, fit.emAcross * cellW * scale, fit.emDown * cellH * scale,
                        (pen + offset) * scale, (y + fit.BaselineAt(down) * cellH) * scale});
      if (const std::optional<double> centre = fit.InkCentreAt(across)) {
        // The glyph's ink centred on its place, whatever its own origin.
        GlyphDraw& d = placed.back();
        const GlyphBox box = boxes.Box(d);
        if (box.x1 > box.x0) {
          d.x = (pen + offset + *centre * cellW) * scale - (box.x0 + box.x1) / 2;
        }
      }
    }
    pen += advance;
  }
  // Text off the screen (the lessons measure a text by drawing it far below) costs nothing.
  if (pen + cellH < 0 || x - cellH > kScreenWidth || y + 2 * cellH < 0 ||
      y - cellH > kScreenHeight) {
    placed.clear();
  }
  return placed;
}

}  // namespace orvelle
