#include "core/prompts.h"

#include "core/number_entry.h"
#include "core/plain_text.h"
#include "platform/palette.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr int kBarBorder = 13;
constexpr int kBarText = 9;

// A bar that waits for any key: a box in 4 between x `left` and `right`, its text 32 in from its
// left edge; the area erased after the key runs from x 0 to `eraseRight`, y 657 to `eraseBottom`.
struct KeyBar {
  float left, right;
  float eraseRight, eraseBottom;
};
constexpr KeyBar kAnyKeyBar = {96, 400, 400, 693};
constexpr KeyBar kMessageBar = {16, 496, 992, 720};  // erases the whole bottom strip

void Fill(Machine& m, float x1, float y1, float x2, float y2) {
  m.device.Box(x1, y1, x2, y2, kBackgroundColor, kBackgroundColor);
}

// Polls until a key comes; nothing typed earlier is dropped first.
void WaitForKey(Machine& m, const std::source_location& where) {
  const KeySite site(m.device, where);
  do {
    m.keyText = m.device.PollKey();
  } while (m.keyText.empty());
}

// drawText in the bar until any key; keyText = the key. drawColor and the line width are given
// back as they were.
void ShowKeyBar(Machine& m, const KeyBar& bar, const std::source_location& where) {
  m.savedColor = m.drawColor;
  m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
  const float color = m.drawColor;
  const int width = m.device.GetDrawWidth();
  m.device.SetDrawWidth(3);
  m.device.Box(bar.left, 657, bar.right, 693, kBarBorder, 4);
  m.drawColor = kBarText;
  m.drawX = bar.left + 32;
  m.drawY = 666;
  DrawText(m);
  WaitForKey(m, where);
  Fill(m, 0, 657, bar.eraseRight, bar.eraseBottom);
  m.drawColor = color;
  m.device.SetDrawWidth(width);
}

}  // namespace

void WaitAnyKey(Machine& m, std::source_location where) {
  m.drawText = "何かキーを押して下さい。";
  ShowKeyBar(m, kAnyKeyBar, where);
}

void NextStepPrompt(Machine& m, std::source_location where) {
  m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
  const int width = m.device.GetDrawWidth();
  m.device.SetDrawWidth(2);
  m.device.Box(96, 639, 400, 675, kBarBorder, 12);
  m.drawColor = kBarText;
  m.drawX = 128;
  m.drawY = 648;
  m.drawText = "次のステップは１を入力。";
  DrawText(m);
  InputNumberField(m, where);
  ParseNumberEntry(m);
  Fill(m, m.entryX - 48, m.entryY - 9, m.entryX + 112, m.entryY + 18);
  Fill(m, 96, 639, 400, 675);
  m.device.SetDrawWidth(width);
}

void PromptBottomAndReadNumber(Machine& m, std::source_location where) {
  m.drawColor = 0;
  m.drawX = 16;
  m.drawY = 666;
  DrawText(m);
  InputNumberField(m, where);
  ParseNumberEntry(m);
}

void ClearBottomStrip(Machine& m) { Fill(m, 0, 657, 992, 720); }

void PromptAndReadNumber(Machine& m, std::source_location where) {
  m.drawColor = 5;
  // A text of n characters ends 80 left of the field, 32 before its label.
  m.drawX = m.entryX - 16 * static_cast<float>(CharLen(m.drawText) + 5);
  m.drawY = m.entryY;
  DrawText(m);
  InputNumberField(m, where);
  ParseNumberEntry(m);
}

void EraseEntryLine(Machine& m) {
  Fill(m, m.entryX - 640, m.entryY - 8, m.entryX + 416, m.entryY + 42);
}

void ShowMessageUntilKey(Machine& m, std::source_location where) {
  ShowKeyBar(m, kMessageBar, where);
}

}  // namespace orvelle
