#include "core/number_entry.h"

#include "core/plain_text.h"
#include "platform/number.h"
#include "platform/palette.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr int kMaxChars = 10;    // once this many stand in the field, the next key clears it
constexpr int kCursorColor = 5;  // the cursor dot and the echoed characters

// The keys that clear the field (Backspace, and code 12) and the one that ends the entry.
constexpr const char* kBackspace = "\x08";
constexpr const char* kFormFeed = "\x0c";
constexpr const char* kEnter = "\x0d";

void DrawCursor(Machine& m, int color) {
  m.device.Circle(m.cursorX + 8, m.cursorY + 8, 4, color, 0, 0, true, color);
}

// Empties the field and puts the cursor back on its first cell.
void ClearField(Machine& m) {
  m.device.Box(m.entryX, m.entryY - 8, m.entryX + 192, m.entryY + 22, kBackgroundColor,
               kBackgroundColor);
  m.entryText.clear();
  m.cursorX = m.entryX;
  m.cursorY = m.entryY;
  m.keyText.clear();
}

// The keys the field takes: "-", ".", "/" and the digits, which lie together in code order.
bool IsNumberKey(const std::string& key) {
  return CharLen(key) == 1 && CompareText(key, "-") >= 0 && CompareText(key, "9") <= 0;
}

// A fraction whose part after the first "/" is 0 (or missing) has no value.
bool HasZeroDivisor(const std::string& text) {
  const int slash = CharFind(text, "/");
  return slash != 0 && TextToNumber(CharMid(text, slash + 1)) == 0;
}

}  // namespace

void InputNumberField(Machine& m, std::source_location where) {
  m.cursorX = m.entryX;
  m.cursorY = m.entryY;
  m.entryText.clear();
  m.drawColor = 0;
  m.drawX = m.cursorX - 48;
  m.drawY = m.cursorY;
  m.drawText = "入力";
  DrawText(m);
  NumberKeyLoop(m, where);
  m.device.Box(m.entryX - 48, m.entryY - 8, m.entryX + 192, m.entryY + 22, kBackgroundColor,
               kBackgroundColor);
}

void NumberKeyLoop(Machine& m, std::source_location where) {
  const KeySite site(m.device, where);
  while (true) {
    // Drawn before and erased after every empty poll: that is the blinking.
    DrawCursor(m, kCursorColor);
    m.keyText = m.device.PollKey();
    if (m.keyText.empty()) {
      DrawCursor(m, kBackgroundColor);
      continue;
    }
    if (m.keyText == kBackspace || m.keyText == kFormFeed || CharLen(m.entryText) >= kMaxChars) {
      ClearField(m);
      continue;
    }
    if (m.keyText == kEnter) {
      if (HasZeroDivisor(m.entryText)) {
        // No value to give: the pupil types again, as after Backspace.
        ClearField(m);
        continue;
      }
      DrawCursor(m, kBackgroundColor);
      return;
    }
    if (IsNumberKey(m.keyText)) {
      DrawCursor(m, kBackgroundColor);
      m.drawColor = kCursorColor;
      m.strArg = m.keyText;
      m.drawX = m.cursorX;
      m.drawY = m.cursorY;
      DrawChars(m);
      m.cursorX = m.charPenX;
      m.entryText += m.keyText;
    }
    // Any other key is ignored and the dot stays.
  }
}

void ParseNumberEntry(Machine& m) {
  m.textLength = static_cast<float>(CharLen(m.entryText));
  m.symbolsPos = static_cast<float>(CharFind(m.entryText, "/"));
  if (m.symbolsPos == 0) {
    m.enteredValue = TextToNumber(m.entryText);
    return;
  }
  const int slash = ToInt(m.symbolsPos);
  m.strArg = CharLeft(m.entryText, slash - 1);
  m.glyph = CharRight(m.entryText, ToInt(m.textLength) - slash);
  const float divisor = TextToNumber(m.glyph);
  // The field never confirms a zero divisor; such a text keeps the value there was.
  if (divisor == 0) return;
  m.enteredValue = TextToNumber(m.strArg) / divisor;
}

}  // namespace orvelle
