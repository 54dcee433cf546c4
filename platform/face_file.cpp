#include "platform/face_file.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace orvelle {

cairo_font_face_t* FaceOfFile(const std::string& file, int index) {
  FcPattern* p = FcPatternCreate();
  FcPatternAddString(p, FC_FILE, reinterpret_cast<const FcChar8*>(file.c_str()));
  FcPatternAddInteger(p, FC_INDEX, index);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(p);
  FcPatternDestroy(p);
  return face;
}

cairo_scaled_font_t* UnitFont(cairo_font_face_t* face) {
  cairo_matrix_t unit;
  cairo_matrix_init_identity(&unit);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_scaled_font_t* font = cairo_scaled_font_create(face, &unit, &unit, options);
  cairo_font_options_destroy(options);
  return font;
}

Glyph LookUp(cairo_scaled_font_t* font, char32_t c) {
  Glyph g;
  if (!font || cairo_scaled_font_status(font) != CAIRO_STATUS_SUCCESS) return g;
  char utf8[5] = {};
  int n = 0;
  if (c < 0x80) {
    utf8[n++] = static_cast<char>(c);
  } else if (c < 0x800) {
    utf8[n++] = static_cast<char>(0xC0 | (c >> 6));
    utf8[n++] = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    utf8[n++] = static_cast<char>(0xE0 | (c >> 12));
    utf8[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    utf8[n++] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    utf8[n++] = static_cast<char>(0xF0 | (c >> 18));
    utf8[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    utf8[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    utf8[n++] = static_cast<char>(0x80 | (c & 0x3F));
  }
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(font, 0, 0, utf8, n, &glyphs, &count, nullptr, nullptr,
                                       nullptr) == CAIRO_STATUS_SUCCESS &&
      count == 1) {
    g.index = glyphs[0].index;
    g.found = g.index != 0;
    cairo_text_extents_t e;
    cairo_scaled_font_glyph_extents(font, glyphs, 1, &e);
    g.advance = e.x_advance;
  }
  cairo_glyph_free(glyphs);
  return g;
}

}  // namespace orvelle
