#include "core/plain_text.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// The conversion tables: the character at position p of a half-width string becomes the
// character at position p of its full-width partner. "A" becomes the Greek capital alpha and
// "x" the Greek chi, as the programs have always shown them; "ﾀ" (the fraction mark) becomes a
// horizontal bar.
constexpr const char* kHalfWidthLetters = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
constexpr const char* kFullWidthLetters = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
constexpr const char* kHalfWidthSymbols =
    " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
constexpr const char* kFullWidthSymbols =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒ"
    "ｓｔｕｖｗ△：";

constexpr float kCell = 16;          // every character takes one cell of this width
constexpr float kRaise = 4;          // a narrow character is drawn this much higher
const std::string kFullStop = "．";  // drawn 4 to the left of its cell and takes no cell

}  // namespace

void ToFullWidthChar(Machine& m) {
  m.lettersPos = static_cast<float>(CharFind(kHalfWidthLetters, m.glyph));
  if (m.lettersPos != 0) m.glyph = CharMid(kFullWidthLetters, ToInt(m.lettersPos), 1);
  // A letter replaced above is wide and so is never found below.
  m.symbolsPos = static_cast<float>(CharFind(kHalfWidthSymbols, m.glyph));
  if (m.symbolsPos != 0) m.glyph = CharMid(kFullWidthSymbols, ToInt(m.symbolsPos), 1);
}

void RemoveSpaces(Machine& m) {
  // Byte 32 never occurs inside a multi-byte character, so wide characters pass through whole.
  std::erase(m.strArg, ' ');
}

std::string BareNumberText(Machine& m, float value) {
  m.strArg = NumberToText(value);
  RemoveSpaces(m);
  return m.strArg;
}

void DrawChars(Machine& m) {
  RemoveSpaces(m);
  m.strLength = static_cast<float>(CharLen(m.strArg));
  m.charPenX = m.drawX;
  m.device.SetFontBold(true);
  // The loop tests its limit after each pass: an empty text (a space that DrawText handed over
  // alone) still takes one blank cell.
  m.charIndex = 1;
  do {
    m.glyph = CharMid(m.strArg, ToInt(m.charIndex), 1);
    if (m.glyph == "^") {
      m.superscriptNext = 1;
    } else {
      if (m.superscriptNext != 1) {
        ToFullWidthChar(m);
      } else {
        m.superscriptNext = 0;  // the exponent stays half-width
      }
      m.raiseBy = CharBytes(m.glyph) == 1 ? kRaise : 0;
      if (m.glyph == kFullStop) m.charPenX -= 4;
      if (!m.glyph.empty()) {
        m.device.Text(m.charPenX, m.drawY - m.raiseBy, 1, 1, ToInt(m.drawColor), m.glyph);
      }
      if (m.glyph == kFullStop) m.charPenX -= 12;
      m.charPenX += kCell;
    }
    m.charIndex += 1;
  } while (m.charIndex <= m.strLength);
}

void DrawText(Machine& m) {
  while (true) {
    m.textLength = static_cast<float>(CharLen(m.drawText));
    if (m.textLength == 0) return;
    m.strArg = CharLeft(m.drawText, 1);
    m.drawText = CharRight(m.drawText, ToInt(m.textLength) - 1);
    if (m.strArg == "^") {
      m.superscriptNext = 1;
      continue;
    }
    DrawChars(m);
    m.drawX = m.charPenX;
  }
}

}  // namespace orvelle
