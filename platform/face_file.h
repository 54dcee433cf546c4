// A face opened straight from its font file with cairo, and its glyphs looked up: what the
// program does with each face it draws with, and what the font trial does with each first.
#pragma once

#include <cairo.h>

#include <string>

namespace orvelle {

struct Glyph {
  unsigned long index = 0;
  double advance = 0;  // in ems of the regular face
  bool found = false;
};

// The face of font `index` in `file`, without a configuration's synthetic styles (the canvas
// draws those).
cairo_font_face_t* FaceOfFile(const std::string& file, int index);

// A scaled font of the face at 1 em, unhinted, for glyph lookup and exact advances.
cairo_scaled_font_t* UnitFont(cairo_font_face_t* face);

// The glyph of a character in `font` at 1 em; not found where the font failed to load.
Glyph LookUp(cairo_scaled_font_t* font, char32_t c);

}  // namespace orvelle
