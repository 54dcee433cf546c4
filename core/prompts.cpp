#include "core/prompts.h"

#include "core/number_entry.h"
#include "core/plain_text.h"
#include "platform/text.h"

namespace orvelle {
namespace {

constexpr int kBackground = 15;
constexpr int kBarBorder = 13;
constexpr int kBarText = 9;

void Fill(Machine& m, float x1, float y1, float x2, float y2) {
  m.device.Box(x1, y1, x2, y2, kBackground, kBackground);
}

// Polls until a key comes; nothing typed earlier is dropped first.
void WaitForKey(Machine& m) {
  do {
    m.keyText = m.device.PollKey();
  } while (m.keyText.empty());
}

}  // namespace

void WaitAnyKey(Machine& m) {
  m.savedColor = m.drawColor;
  m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
  const float color = m.drawColor;
  const int width = m.device.GetDrawWidth();
  m.device.SetDrawWidth(3);
  m.device.Box(96, 657, 400, 693, kBarBorder, 4);
  m.drawColor = kBarText;
  m.drawX = 128;
  m.drawY = 666;
  m.drawText = "何かキーを押して下さい。";
  DrawText(m);
  WaitForKey(m);
  Fill(m, 0, 657, 400, 693);
  m.drawColor = color;
  m.device.SetDrawWidth(width);
}

void NextStepPrompt(Machine& m) {
  m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
  const int width = m.device.GetDrawWidth();
  m.device.SetDrawWidth(2);
  m.device.Box(96, 639, 400, 675, kBarBorder, 12);
  m.drawColor = kBarText;
  m.drawX = 128;
  m.drawY = 648;
  m.drawText = "次のステップは１を入力。";
  DrawText(m);
  InputNumberField(m);
  ParseNumberEntry(m);
  Fill(m, m.entryX - 48, m.entryY - 9, m.entryX + 112, m.entryY + 18);
  Fill(m, 96, 639, 400, 675);
  m.device.SetDrawWidth(width);
}

void PromptBottomAndReadNumber(Machine& m) {
  m.drawColor = 0;
  m.drawX = 16;
  m.drawY = 666;
  DrawText(m);
  InputNumberField(m);
  ParseNumberEntry(m);
}

void ClearBottomStrip(Machine& m) { Fill(m, 0, 657, 992, 720); }

void PromptAndReadNumber(Machine& m) {
  m.drawColor = 5;
  // A text of n characters ends 80 left of the field, 32 before its label.
  m.drawX = m.entryX - 16 * static_cast<float>(CharLen(m.drawText) + 5);
  m.drawY = m.entryY;
  DrawText(m);
  InputNumberField(m);
  ParseNumberEntry(m);
}

void EraseEntryLine(Machine& m) {
  Fill(m, m.entryX - 640, m.entryY - 8, m.entryX + 416, m.entryY + 42);
}

void ShowMessageUntilKey(Machine& m) {
  m.savedColor = m.drawColor;
  m.savedDrawWidth = static_cast<float>(m.device.GetDrawWidth());
  const float color = m.drawColor;
  const int width = m.device.GetDrawWidth();
  m.device.SetDrawWidth(3);
  m.device.Box(16, 657, 496, 693, kBarBorder, 4);
  m.drawColor = kBarText;
  m.drawX = 48;
  m.drawY = 666;
  DrawText(m);
  WaitForKey(m);
  ClearBottomStrip(m);
  m.drawColor = color;
  m.device.SetDrawWidth(width);
}

}  // namespace orvelle
