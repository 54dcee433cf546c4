#include "tools/test_card.h"

#include <vector>

#include "platform/text.h"

namespace orvelle::tools {
namespace {

void Font(Device& d, const char* name, float size, bool bold, bool italic = false) {
  d.SetFontName(name);
  d.SetFontSize(size);
  d.SetFontBold(bold);
  d.SetFontItalic(italic);
}

// Plain text as the menus and prompts draw it: one cell of 16 per character, bold.
void Plain(Device& d, float x, float y, int color, const std::string& s, bool bold = true) {
  Font(d, kGothicFont, 16, bold);
  d.Text(x, y, 1, 1, color, s);
}

// A run of lesson glyphs with the lesson renderer's factors, offsets and advances, so that the
// card shows each face at the scales the lessons use. Returns the pen after the run.
float Glyphs(Device& d, float x, float y, int color, const std::string& run, bool inFraction) {
  float pen = x;
  bool exponent = false;
  for (const std::string& ch : SplitChars(run)) {
    const int width = d.GetDrawWidth();
    if (ch == "^") {
      exponent = true;
      continue;
    }
    Font(d, kGothicFont, 16, true);
    if (exponent) {
      exponent = false;
      if (inFraction) {
        d.SetFontSize(8);
        d.Text(pen, y - 4, 6, 3, color, ch);
      } else {
        d.Text(pen, y, 3, 2, color, ch);
      }
      pen += 24;
    } else if (ch == "a" || ch == "x" || ch == "c") {
      Font(d, kLetterFont, 8, true, true);
      if (inFraction) {
        d.Text(pen + 4, y - 16, 12, 5, color, ch);
      } else {
        d.Text(pen + 4, y - 22, 10, 7, color, ch);
      }
      pen += inFraction ? 32 : 27;
    } else if (ch == "l") {
      Font(d, kEllFont, 16, true);
      d.Text(pen, y, 6, 3, color, ch);
      pen += 32;
    } else if (ch == "+" || ch == "-") {
      d.SetDrawWidth(5);
      if (inFraction) {
        d.Line(pen + 6, y + 14, pen + 26, y + 14, color);
        if (ch == "+") d.Line(pen + 16, y + 4, pen + 16, y + 24, color);
      } else if (ch == "+") {
        d.Line(pen + 4, y + 22, pen + 23, y + 22, color);
        d.Line(pen + 13, y + 10, pen + 13, y + 34, color);
      } else {
        d.Line(pen + 4, y + 20, pen + 23, y + 20, color);
      }
      d.SetDrawWidth(width);
      pen += inFraction ? 32 : 27;
    } else if (ch == "=") {
      d.SetFontSize(14);
      d.Text(pen + 4, y, 3, 3, color, ch);
      pen += 32;
    } else if (ch == "*" && !inFraction) {
      d.Text(pen - 4, y, 2, 3, color, "×");
      pen += 27;
    } else if (CharBytes(ch) == 2) {
      if (inFraction) {
        d.SetFontSize(11);
        d.Text(pen, y, 3, 3, color, ch);
        pen += 38;
      } else {
        d.Text(pen, y, 2, 3, color, ch);
        pen += 34;
      }
    } else if (inFraction) {
      d.Text(pen, y, 4, 2, color, ch);
      pen += 32;
    } else {
      d.Text(pen, y, 3, 3, color, ch);
      pen += 27;
    }
  }
  Font(d, kGothicFont, 16, false);
  return pen;
}

// A fraction: numerator and denominator centred over a bar of width 4.
float Fraction(Device& d, float x, float y, int color, const std::string& top,
               const std::string& bottom) {
  const float topWidth = 32.0f * static_cast<float>(CharLen(top));
  const float bottomWidth = 32.0f * static_cast<float>(CharLen(bottom));
  const float width = (topWidth > bottomWidth ? topWidth : bottomWidth) + 8;
  Glyphs(d, x + (width - topWidth) / 2, y - 10, color, top, true);
  const int saved = d.GetDrawWidth();
  d.SetDrawWidth(4);
  d.Line(x, y + 25, x + width, y + 25, color);
  d.SetDrawWidth(saved);
  Glyphs(d, x + (width - bottomWidth) / 2, y + 30, color, bottom, true);
  return x + width;
}

void Ruler(Device& d, float x, float y, int cells) {
  d.SetDrawWidth(1);
  for (int i = 0; i <= cells; ++i) {
    const float tx = x + 16.0f * static_cast<float>(i);
    d.Line(tx, y, tx, y + (i % 5 == 0 ? 10 : 5), 0);
  }
}

}  // namespace

void DrawTestCard(Device& d) {
  d.Clear();
  d.SetDrawWidth(3);
  Plain(d, 40, 16, 0, "ウィンドウの確認　テストカード　（Ｅｓｃで終了）");

  // Cells of the base font at 1 × 1: 16 units for a wide character, 8 for a narrow one.
  Ruler(d, 40, 48, 40);
  Plain(d, 40, 62, 0, "■■■■■■■■■■□□□□□□□□□□", false);
  Plain(d, 40, 86, 0, "０１２３４５６７８９ＡＢＣａｂｃ漢字かなカナ＋－×÷＝√");
  Plain(d, 40, 110, 0, "0123456789 abcxyz ABC XYZ -./ ﾀﾝｱｲｳ");
  Plain(d, 40, 134, 4, "何かキーを押して下さい。番号を入力して下さい。", false);

  // Lesson glyphs: Gothic digits with italic letters on their baseline, the ell, exponents.
  d.SetDrawWidth(3);
  float pen = Glyphs(d, 40, 200, 0, "5a*3+2x-c=12", false);
  pen = Glyphs(d, pen + 27, 200, 5, "x^2+3x", false);
  pen = Glyphs(d, pen + 27, 200, 3, "２ｘ＋３", false);
  Glyphs(d, pen + 27, 200, 0, "l=4cm", false);

  // Fractions, with their own factors.
  pen = Fraction(d, 40, 300, 0, "2x+3", "5");
  pen = Glyphs(d, pen + 10, 300, 0, "=", false);
  pen = Fraction(d, pen + 10, 300, 5, "a", "4");
  pen = Glyphs(d, pen + 10, 300, 0, "x", false);
  pen = Fraction(d, pen + 30, 300, 3, "x^2", "３");
  Glyphs(d, pen + 30, 300, 13, "(a-c)", false);

  // The main menu's board.
  d.SetDrawWidth(3);
  d.Box(920, 40, 1410, 340, 15, 10);
  Glyphs(d, 950, 60, 15, "＜メニュー＞", false);
  Glyphs(d, 950, 130, 13, "1.文字を使った式", false);
  Glyphs(d, 950, 190, 15, "2.式の計算", false);
  Glyphs(d, 950, 250, 13, "3.終了", false);

  // Boxes with text, as the lessons fill them.
  struct Boxed {
    float x, y, w, h;
    int text, border, fill;
    const char* s;
  };
  const Boxed boxes[] = {
      {40, 400, 390, 48, 0, 3, 13, "P72(基本の問題)"},
      {436, 400, 44, 44, 13, 4, 3, "1"},
      {480, 400, 150, 50, 13, 0, 3, "3x"},
      {630, 400, 150, 50, 13, 0, 5, "-6x"},
      {800, 400, 88, 70, 5, 0, 13, "9"},
      {900, 400, 70, 70, 5, 0, 11, "5"},
      {990, 400, 120, 100, 13, 7, 10, "20"},
      {1130, 400, 240, 50, 13, 7, 8, "封筒"},
      {1130, 450, 240, 50, 13, 7, 6, "手紙"},
  };
  for (const Boxed& b : boxes) {
    d.SetDrawWidth(3);
    d.Box(b.x, b.y, b.x + b.w, b.y + b.h, b.border, b.fill);
    // Measured by drawing far below the screen, as the lessons measure.
    const float textWidth = Glyphs(d, 0, 1800, b.text, b.s, false);
    Glyphs(d, b.x + (b.w - textWidth) / 2, b.y + (b.h - 44) / 2, b.text, b.s, false);
  }

  // Shapes: a circle, an arc and a sector (turns clockwise from +x), a polygon, a polyline.
  d.SetDrawWidth(3);
  d.Circle(100, 580, 40, 1, 0, 0, false, 1);
  d.Circle(200, 580, 40, 4, 0, 0.25f, false, 4);
  d.Circle(300, 580, 40, 0, 0.75f, 1, true, 14);
  d.Circle(380, 580, 4, 5, 0, 0, true, 5);
  d.Polygon({{440, 620}, {470, 540}, {560, 540}, {530, 620}}, 3, 11);
  const float rx = 600, ry = 560;
  d.Polyline({{rx + 4, ry + 36},
              {rx + 8, ry + 24},
              {rx + 16, ry + 40},
              {rx + 24, ry - 4},
              {rx + 32, ry - 4}},
             0);
  d.Line(rx + 28, ry - 4, rx + 80, ry - 4, 0);
  Glyphs(d, rx + 28, ry, 0, "3", false);

  // The palette, with each colour's number.
  for (int c = 0; c < 16; ++c) {
    const float x = 700 + 44.0f * static_cast<float>(c);
    d.SetDrawWidth(1);
    d.Box(x, 540, x + 36, 580, 0, c);
    Plain(d, x + (c < 10 ? 14 : 10), 586, 0, std::to_string(c), false);
  }

  // The bars of the prompts.
  d.SetDrawWidth(2);
  d.Box(96, 700, 400, 736, 13, 12);
  Plain(d, 128, 709, 9, "次のステップは１を入力。");
  d.SetDrawWidth(3);
  d.Box(96, 780, 400, 816, 13, 4);
  Plain(d, 128, 789, 9, "何かキーを押して下さい。");

  Plain(d, kEchoX - 112, kEchoY, 0, "読んだキー：");
  d.SetDrawWidth(3);
}

std::string KeyName(const std::string& key) {
  const int code = CharCode(key);
  switch (code) {
    case 8:
      return "[BS]";
    case 9:
      return "[Tab]";
    case 12:
      return "[FF]";
    case 13:
      return "[Enter]";
    case 27:
      return "[Esc]";
    case 32:
      return "[Space]";
    default:
      break;
  }
  if (code < 32) return "[" + std::to_string(code) + "]";
  return key;
}

void DrawEcho(Device& d, const std::string& keys) {
  std::vector<std::string> names;
  for (const std::string& key : SplitChars(keys)) names.push_back(KeyName(key));
  std::string shown;
  int length = 0;
  // The latest keys that fit on the line.
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    if (length + CharLen(*it) > 60) break;
    shown = *it + shown;
    length += CharLen(*it);
  }
  const int saved = d.GetDrawWidth();
  d.SetDrawWidth(1);
  d.Box(kEchoX, kEchoY - 4, 1430, kEchoY + 20, 15, 15);
  d.SetDrawWidth(saved);
  Plain(d, kEchoX, kEchoY, kEchoColor, shown);
}

}  // namespace orvelle::tools
