// The glyph renderer: the one place that knows how each single character of the mark-up looks.
// Every glyph is placed relative to the pen; the pen only ever moves to the right.
#include <string>
#include <vector>

#include "notation/markup.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr const char* kBaseFont = "ゴシック";
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

 private:
  Machine& m_;
  int color_;
};

// Draws m.glyph by the first row of the case table that applies. Returns false for the marks and
// line shapes that take no overbar (they look after radicalBarX themselves).
bool DrawOneGlyph(Machine& m, GlyphPen& pen) {
  Device& d = m.device;
  const std::string& g = m.glyph;
  const bool inFraction = m.inFraction == 1;

  if (g == "^") {
    m.superscriptNext = 1;
    return false;
  }
  if (g == "\\") {
    m.raisedNext = 1;
    return false;
  }
  if (g == "ﾝ") {
    m.radicalMode = 0;
    return false;
  }
  if (g == "√") {
    // The sign ends where its overbar begins: inside a fraction at its last point, outside it
    // 4 units before, so that the bar overlaps the sign's top.
    d.SetDrawWidth(3);
    pen.Shape(inFraction ? kSmallRadical : kRadical);
    pen.Advance(inFraction ? 26 : 28);
    m.radicalMode = inFraction ? 11 : 1;
    m.radicalBarX = m.glyphPenX;
    return false;
  }
  if (g == "&" || g == "＃") {
    d.SetDrawWidth(5);
    pen.Shape(g == "&" ? kAmpersandShape : kHashShape);
    pen.Advance(36);
    d.SetDrawWidth(3);
    m.radicalBarX = m.glyphPenX;
    return false;
  }

  m.glyphBytes = static_cast<float>(CharBytes(g));

  if (g == ".") {
    pen.Text(-3, 14, 3, 2);
    pen.Advance(8);
  } else if (g == "'" || g == "°") {
    pen.Text(0, 0, 3, 3);
    pen.Advance(12);
  } else if (g == "(" && m.tallParens == 1) {
    pen.Text(-4, -6, 3, 4);
    pen.Advance(27);
  } else if (g == ")" && m.tallParens == 1) {
    pen.Text(6, -6, 3, 4);
    pen.Advance(27);
    m.tallParens = 0;
  } else if (g == "=") {
    d.SetFontSize(14);
    pen.Text(4, 0, 3, 3);
    pen.Advance(32);
    d.SetFontSize(kBaseSize);
  } else if (m.raisedNext == 1) {
    d.SetFontSize(8);
    pen.Text(0, -10, 6, 3);
    pen.Advance(24);
    m.raisedNext = 0;
    d.SetFontSize(kBaseSize);
  } else if (m.superscriptNext == 1 && inFraction) {
    d.SetFontSize(8);
    pen.Text(0, -4, 6, 3);
    pen.Advance(24);
    m.superscriptNext = 0;
    d.SetFontSize(kBaseSize);
  } else if (m.superscriptNext == 1) {
    pen.Text(0, 0, 3, 2);
    pen.Advance(24);
    m.superscriptNext = 0;
  } else if (g == "a" || g == "x" || g == "c") {
    // The letters of algebra, in a serif italic.
    d.SetFontName("Times New Roman");
    d.SetFontSize(8);
    d.SetFontItalic(true);
    if (inFraction) {
      pen.Text(4, -16, 12, 5);
      pen.Advance(32);
    } else {
      pen.Text(4, -22, 10, 7);
      pen.Advance(27);
    }
    d.SetFontName(kBaseFont);
    d.SetFontSize(kBaseSize);
    d.SetFontItalic(false);
  } else if (g == "l") {
    // The script ell. The glyphs after it in the same run stay bold like every other glyph.
    d.SetFontName("MT Extra");
    d.SetFontSize(16);
    d.SetFontBold(true);
    pen.Text(0, 0, 6, 3);
    pen.Advance(32);
    d.SetFontName(kBaseFont);
    d.SetFontSize(kBaseSize);
  } else if ((g == "-" || g == "+") && inFraction) {
    d.SetDrawWidth(5);
    pen.Stroke(6, 14, 20, 0);
    if (g == "+") pen.Stroke(16, 4, 0, 20);
    pen.Advance(32);
    d.SetDrawWidth(3);
  } else if (g == "-") {
    d.SetDrawWidth(5);
    pen.Stroke(4, 20, 19, 0);
    pen.Advance(27);
    d.SetDrawWidth(3);
  } else if (g == "+") {
    d.SetDrawWidth(5);
    pen.Stroke(4, 22, 19, 0);
    pen.Stroke(13, 10, 0, 24);
    pen.Advance(27);
    d.SetDrawWidth(3);
  } else if ((g == "×" || g == "÷" || g == "±") && !inFraction) {
    pen.Text(-4, 0, 2, 3);
    pen.Advance(27);
  } else if (g == " ") {
    pen.Advance(27);
  } else if (m.glyphBytes == 2 && inFraction) {
    d.SetFontSize(11);
    pen.Text(0, 0, 3, 3);
    pen.Advance(38);
    d.SetFontSize(kBaseSize);
  } else if (m.glyphBytes == 2) {
    pen.Text(0, 0, 2, 3);
    pen.Advance(34);
  } else if (inFraction) {
    pen.Text(0, 0, 4, 2);
    pen.Advance(32);
  } else {
    pen.Text(0, 0, 3, 3);
    pen.Advance(27);
  }
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
  d.SetFontName(kBaseFont);
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
