#include "core/screen.h"

#include "core/plain_text.h"
#include "platform/palette.h"

namespace orvelle {

void ClearLessonArea(Machine& m) {
  m.device.Box(0, 54, 1440, 900, kBackgroundColor, kBackgroundColor);
}

void ClearRightOfEntry(Machine& m) {
  m.drawX = m.entryX + 80;
  m.drawY = m.entryY - 72;
  m.device.Box(m.drawX, m.drawY, m.drawX + 1440, m.drawY + 90, kBackgroundColor, kBackgroundColor);
}

void NumbersToStrings(Machine& m) {
  for (m.charIndex = 1; m.charIndex <= 80; m.charIndex += 1) {
    m.coefText[m.charIndex] = BareNumberText(m, m.coef[m.charIndex]);
  }
  for (m.charIndex = 1; m.charIndex <= 40; m.charIndex += 1) {
    m.signText[m.charIndex] = BareNumberText(m, m.auxNum[m.charIndex]);
  }
}

void MapLetterKey(Machine& m) {
  static constexpr const char* kLetterKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  m.letterKeyHit = 0;
  for (int i = 0; i < 10; ++i) {
    if (m.keyText == kLetterKeys[i]) {
      m.letterKeyHit = 1;
      m.letterKeyIndex = static_cast<float>(i + 1);
      return;
    }
  }
}

}  // namespace orvelle
