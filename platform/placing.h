// Where the glyphs of a text fall, which drawing and measuring share: each glyph of the text's
// face (or of the Gothic face, for a character the face lacks) in its cell of the text
// statement, with its size and origin in pixels.
#pragma once

#include <string>
#include <vector>

#include "platform/device.h"
#include "platform/glyph_cache.h"

namespace orvelle {

// The glyphs of `s` drawn at (x, y) magnified `scaleX` × `scaleY` in `font`, at `scale` pixels
// to the unit; `boxes` finds the outlines' boxes that centre a glyph on its place. None for a
// text wholly off the screen.
std::vector<GlyphDraw> PlaceText(double scale, GlyphCache& boxes, float x, float y, int scaleX,
                                 int scaleY, const std::string& s, const FontState& font);

}  // namespace orvelle
