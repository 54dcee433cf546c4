#include "core/startup.h"

#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// Every shared array as start-up allocates it: numbers 0, texts empty.
void AllocateArrays(Shared& s) {
  s.signText = {};
  s.auxNum = {};
  s.coefText = {};
  s.coef = {};
  s.polygonVertices = {};
  s.figX = {};
  s.figY = {};
  s.figParam = {};
  s.letterText = {};
  s.fracText = {};
  s.markX = {};
  s.markY = {};
}

}  // namespace

void SeedRandomFromClock(Machine& m) {
  const std::string time = m.device.Clock();
  m.clockSeed = TextToNumber(CharMid(time, 1, 2)) + TextToNumber(CharMid(time, 4, 2)) +
                TextToNumber(CharMid(time, 7, 2));
  m.random.Seed(ToInt(m.clockSeed));
}

int StartProgram(Machine& m, const std::string& title, MainMenu mainMenu) {
  try {
    // The error screen answers every run-time error from here on, start-up's own steps included.
    try {
      m.device.SetMapMode(1);
      m.device.MaximizeWindow();
      m.device.SetFontName(kStartFont);
      m.device.SetFontSize(16);
      m.device.SetDrawWidth(3);
      SeedRandomFromClock(m);
      m.drawColor = 4;
      m.entryX = 1056;
      m.entryY = 648;
      m.titleText = title;
      AllocateArrays(m);
      mainMenu(m);
    } catch (const ProgramEnd&) {
      throw;
    } catch (const RuntimeError& error) {
      ErrorHandler(m, error);
    } catch (...) {
      ErrorHandler(m, RuntimeError(kInternalError, 0));
    }
  } catch (const ProgramEnd&) {
  }
  return 0;
}

void ErrorHandler(Machine& m, const RuntimeError& error) {
  try {
    m.device.Clear();
    m.clockSeed = static_cast<float>(error.line);
    m.strArg = NumberToText(m.clockSeed);
    m.errorCode = static_cast<float>(error.code);
    m.glyph = NumberToText(m.errorCode);
    m.device.Text(
        288, 432, 1, 1, 13,
        m.strArg + "," + m.glyph + "エラーが発生しました。マウスで×をクリックして下さい。");
  } catch (const RuntimeError&) {
    // Nothing more can be reported than what is already on the screen.
  }
  m.device.WaitForClose();
  throw ProgramEnd{};  // the wait above ends only this way
}

void FlushKeys(Machine& m) {
  do {
    m.keyText = m.device.PollKey();
  } while (!m.keyText.empty());
}

}  // namespace orvelle
