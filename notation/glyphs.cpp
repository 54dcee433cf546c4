// The glyph renderer: the one place that knows how each single character of the mark-up looks.
// Every glyph is placed relative to the pen; the pen only ever moves to the right.
#include <string>
#include <vector>

#include "notation/markup.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr float kBaseSize = 16;

// The radical signs and the two parallelograms, as offsets from the pen.
const std::vector<Point> kSmallRadical = {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}};
const std::vector<Point> kRadical = {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}};
const std::vector<Point> kAmpersandShape = {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}};
const std::vector<Point> kHashShape = {{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}};

// A character of the mark-up that stands for a symbol of its own.
std::string Substitute(std::string g) {
  if (g == "%") g = "°";
  if (g == "*") g = "×";
  if (g == "/") g = "÷";
  if (g == "@") g = "±";
  if (g == "!") g = "√";
  return g;
}

class GlyphPen {
 public:
  explicit GlyphPen(Machine& m) : m_(m), color_(ToInt(m.drawColor)) {}

  // The current glyph as text, `dx`, `dy` from the pen, magnified h x v.
  void Text(float dx, float dy, int h, int v) {
    m_.device.Text(m_.glyphPenX + dx, m_.glyphPenY + dy, h, v, color_, m_.glyph);
  }
  // A stroke from (dx, dy) off the pen, `w` across and `h` down.
  void Stroke(float dx, float dy, float w, float h) {
    const float x = m_.glyphPenX + dx;
    const float y = m_.glyphPenY + dy;
    m_.device.Line(x, y, x + w, y + h, color_);
  }
  void Shape(const std::vector<Point>& offsets) {
    std::vector<Point> points;
    points.reserve(offsets.size());
    for (const Point& p : offsets) points.push_back({m_.glyphPenX + p.x, m_.glyphPenY + p.y});
    m_.device.Polyline(points, color_);
  }
  void Overbar(float above) {
    m_.device.SetDrawWidth(3);
    m_.device.Line(m_.radicalBarX, m_.drawY - above, m_.glyphPenX, m_.drawY - above, color_);
  }
  void Advance(float by) { m_.glyphPenX += by; }
  // The glyph as text, then the pen moved on by `advance`.
  void Put(float dx, float dy, int h, int v, float advance) {
    Text(dx, dy, h, v);
    Advance(advance);
  }

 private:
  Machine& m_;
  int color_;
};

// A row of a glyph table: the case it covers, and how the glyph is drawn in that case.
struct GlyphCase {
  bool (*applies)(const Machine& m);
  void (*draw)(Machine& m, GlyphPen& pen);
};

bool InFraction(const Machine& m) { return m.inFraction == 1; }

// The glyph put by the pen at font size `size`.
void SizedText(Machine& m, GlyphPen& pen, float size, float dx, float dy, int h, int v,
               float advance) {
  m.device.SetFontSize(size);
  pen.Put(dx, dy, h, v, advance);
  m.device.SetFontSize(kBaseSize);
}

// The marks and line shapes. They take no overbar: they look after radicalBarX themselves.
const GlyphCase kMarks[] = {
    {[](const Machine& m) { return m.glyph == "^"; },
     [](Machine& m, GlyphPen&) { m.superscriptNext = 1; }},
    {[](const Machine& m) { return m.glyph == "\\"; },
     [](Machine& m, GlyphPen&) { m.raisedNext = 1; }},
    {[](const Machine& m) { return m.glyph == "ﾝ"; },
     [](Machine& m, GlyphPen&) { m.radicalMode = 0; }},
    {[](const Machine& m) { return m.glyph == "√"; },
     [](Machine& m, GlyphPen& pen) {
       // The sign ends where its overbar begins: inside a fraction at its last point, outside
       // it 4 units before, so that the bar overlaps the sign's top.
       m.device.SetDrawWidth(3);
       pen.Shape(InFraction(m) ? kSmallRadical : kRadical);
       pen.Advance(InFraction(m) ? 26 : 28);
       m.radicalMode = InFraction(m) ? 11 : 1;
       m.radicalBarX = m.glyphPenX;
     }},
    {[](const Machine& m) { return m.glyph == "&" || m.glyph == "＃"; },
     [](Machine& m, GlyphPen& pen) {
       m.device.SetDrawWidth(5);
       pen.Shape(m.glyph == "&" ? kAmpersandShape : kHashShape);
       pen.Advance(36);
       m.device.SetDrawWidth(3);
       m.radicalBarX = m.glyphPenX;
     }},
};

// Every other glyph; the last row takes what no row before it took.
const GlyphCase kGlyphs[] = {
    {[](const Machine& m) { return m.glyph == "."; },
     [](Machine&, GlyphPen& pen) { pen.Put(-3, 14, 3, 2, 8); }},
    {[](const Machine& m) { return m.glyph == "'" || m.glyph == "°"; },
     [](Machine&, GlyphPen& pen) { pen.Put(0, 0, 3, 3, 12); }},
    {[](const Machine& m) { return m.glyph == "(" && m.tallParens == 1; },
     [](Machine&, GlyphPen& pen) { pen.Put(-4, -6, 3, 4, 27); }},
    {[](const Machine& m) { return m.glyph == ")" && m.tallParens == 1; },
     [](Machine& m, GlyphPen& pen) {
       pen.Put(6, -6, 3, 4, 27);
       m.tallParens = 0;
     }},
    {[](const Machine& m) { return m.glyph == "="; },
     [](Machine& m, GlyphPen& pen) { SizedText(m, pen, 14, 4, 0, 3, 3, 32); }},
    {[](const Machine& m) { return m.raisedNext == 1; },
     [](Machine& m, GlyphPen& pen) {
       SizedText(m, pen, 8, 0, -10, 6, 3, 24);
       m.raisedNext = 0;
     }},
    {[](const Machine& m) { return m.superscriptNext == 1 && InFraction(m); },
     [](Machine& m, GlyphPen& pen) {
       SizedText(m, pen, 8, 0, -4, 6, 3, 24);
       m.superscriptNext = 0;
     }},
    {[](const Machine& m) { return m.superscriptNext == 1; },
     [](Machine& m, GlyphPen& pen) {
       pen.Put(0, 0, 3, 2, 24);
       m.superscriptNext = 0;
     }},
    {[](const Machine& m) { return m.glyph == "a" || m.glyph == "x" || m.glyph == "c"; },
     [](Machine& m, GlyphPen& pen) {
       // The letters of algebra, in a serif italic.
       Device& d = m.device;
       d.SetFontName(kLetterFont);
       d.SetFontSize(8);
       d.SetFontItalic(true);
       if (InFraction(m)) {
         pen.Put(4, -16, 12, 5, 32);
       } else {
         pen.Put(4, -22, 10, 7, 27);
       }
       d.SetFontName(kGothicFont);
       d.SetFontSize(kBaseSize);
       d.SetFontItalic(false);
     }},
    {[](const Machine& m) { return m.glyph == "l"; },
     [](Machine& m, GlyphPen& pen) {
       // The script ell. The glyphs after it in the same run stay bold like every other glyph.
       Device& d = m.device;
       d.SetFontName(kEllFont);
       d.SetFontSize(16);
       d.SetFontBold(true);
       pen.Put(0, 0, 6, 3, 32);
       d.SetFontName(kGothicFont);
       d.SetFontSize(kBaseSize);
     }},
    {[](const Machine& m) { return (m.glyph == "-" || m.glyph == "+") && InFraction(m); },
     [](Machine& m, GlyphPen& pen) {
       m.device.SetDrawWidth(5);
       pen.Stroke(6, 14, 20, 0);
       if (m.glyph == "+") pen.Stroke(16, 4, 0, 20);
       pen.Advance(32);
       m.device.SetDrawWidth(3);
     }},
    {[](const Machine& m) { return m.glyph == "-"; },
     [](Machine& m, GlyphPen& pen) {
       m.device.SetDrawWidth(5);
       pen.Stroke(4, 20, 19, 0);
       pen.Advance(27);
       m.device.SetDrawWidth(3);
     }},
    {[](const Machine& m) { return m.glyph == "+"; },
     [](Machine& m, GlyphPen& pen) {
       m.device.SetDrawWidth(5);
       pen.Stroke(4, 22, 19, 0);
       pen.Stroke(13, 10, 0, 24);
       pen.Advance(27);
       m.device.SetDrawWidth(3);
     }},
    {[](const Machine& m) {
       return (m.glyph == "×" || m.glyph == "÷" || m.glyph == "±") && !InFraction(m);
     },
     [](Machine&, GlyphPen& pen) { pen.Put(-4, 0, 2, 3, 27); }},
    {[](const Machine& m) { return m.glyph == " "; },
     [](Machine&, GlyphPen& pen) { pen.Advance(27); }},
    {[](const Machine& m) { return m.glyphBytes == 2 && InFraction(m); },
     [](Machine& m, GlyphPen& pen) { SizedText(m, pen, 11, 0, 0, 3, 3, 38); }},
    {[](const Machine& m) { return m.glyphBytes == 2; },
     [](Machine&, GlyphPen& pen) { pen.Put(0, 0, 2, 3, 34); }},
    {InFraction, [](Machine&, GlyphPen& pen) { pen.Put(0, 0, 4, 2, 32); }},
    {[](const Machine&) { return true; }, [](Machine&, GlyphPen& pen) { pen.Put(0, 0, 3, 3, 27); }},
};

// Draws by the first row of `table` that applies; false when none does.
template <size_t N>
bool DrawByFirstCase(const GlyphCase (&table)[N], Machine& m, GlyphPen& pen) {
  for (const GlyphCase& row : table) {
    if (row.applies(m)) {
      row.draw(m, pen);
      return true;
    }
  }
  return false;
}

// Draws m.glyph by the first row of the glyph tables that applies. Returns false for the marks
// and line shapes, which take no overbar.
bool DrawOneGlyph(Machine& m, GlyphPen& pen) {
  if (DrawByFirstCase(kMarks, m, pen)) return false;
  m.glyphBytes = static_cast<float>(CharBytes(m.glyph));
  DrawByFirstCase(kGlyphs, m, pen);
  return true;
}

}  // namespace

void DrawGlyphs(Machine& m) {
  Device& d = m.device;
  m.glyphPenX = m.drawX;
  m.glyphPenY = m.drawY;
  m.savedDrawWidth = static_cast<float>(d.GetDrawWidth());
  m.glyphRun = m.strArg;
  m.glyphRunLength = static_cast<float>(CharLen(m.glyphRun));
  d.SetFontName(kGothicFont);
  d.SetFontSize(kBaseSize);
  d.SetFontBold(true);

  GlyphPen pen(m);
  // An empty run draws nothing, moves nothing and leaves the flags as they are.
  for (m.charIndex = 1; m.charIndex <= m.glyphRunLength; m.charIndex += 1) {
    m.glyph = Substitute(CharMid(m.glyphRun, static_cast<int>(m.charIndex), 1));
    if (!DrawOneGlyph(m, pen)) continue;
    // An open radical's overbar runs from the sign's end to the pen after this glyph.
    if (m.radicalMode == 1) {
      pen.Overbar(4);
    } else if (m.radicalMode == 11) {
      pen.Overbar(6);
    } else if (m.radicalMode == 22 && m.inFraction != 1) {
      pen.Overbar(14);
    } else {
      m.radicalBarX = m.glyphPenX;
    }
  }

  m.drawX = m.glyphPenX;
  m.drawY = m.glyphPenY;
  d.SetFontBold(false);
  d.SetDrawWidth(static_cast<int>(m.savedDrawWidth));
}

}  // namespace orvelle
