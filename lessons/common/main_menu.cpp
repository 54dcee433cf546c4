#include "lessons/common/main_menu.h"

#include <string>
#include <vector>

#include "core/plain_text.h"
#include "core/prompts.h"
#include "core/screen.h"
#include "notation/markup.h"
#include "platform/palette.h"

namespace orvelle {
namespace {

void FillWindow(Machine& m) { m.device.Box(0, 0, 1760, 1800, kBackgroundColor, kBackgroundColor); }

void DrawMenu(Machine& m, const std::vector<std::string>& lines) {
  ClearLessonArea(m);
  FillWindow(m);
  m.device.Box(22, 10, 22 + 1320, 10 + 600, 15, 10);  // the board
  m.drawColor = 15;
  m.drawX = 264;
  m.drawY = 30;
  m.drawText = "＜" + m.titleText + "　メニュー＞";
  DrawMarkupText(m);
  for (size_t i = 0; i < lines.size(); ++i) {
    m.drawColor = i % 2 == 0 ? 13 : 15;  // items 1, 3, 5, … in 13
    m.drawX = 44;
    m.drawY = 120 + 60 * static_cast<float>(i);
    m.drawText = lines[i];
    DrawMarkupText(m);
  }
}

}  // namespace

void RunMainMenu(Machine& m, const ProgramDescription& program, std::source_location where) {
  std::vector<std::string> lines;
  for (const SectionDescription& section : program.sections) lines.emplace_back(section.menuLine);
  for (const char* line : program.closingLines) lines.emplace_back(line);
  const int last = program.MenuEnd();
  m.entryX = 1056;
  m.entryY = 648;
  for (;;) {
    DrawMenu(m, lines);
    m.drawColor = 0;
    m.drawX = m.entryX - 240;
    m.drawY = m.entryY;
    m.drawText = "番号を入力して下さい。";
    DrawText(m);
    PromptAndReadNumber(m, where);
    EraseEntryLine(m);
    if (m.enteredValue == static_cast<float>(last)) return;
    const int item = MenuItemOf(m.enteredValue, last);
    if (item == 0) continue;
    FillWindow(m);
    const auto k = static_cast<size_t>(item - 1);
    if (k < program.sections.size()) RunSection(m, program.sections[k]);
  }
}

}  // namespace orvelle
