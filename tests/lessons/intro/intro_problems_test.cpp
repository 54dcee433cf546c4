// Section 5 "P72(基本の問題)" of Orvelle: its sub-menu and the three pages of worked answers.
#include "lessons/intro/intro_problems.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/machine.h"
#include "../../support/screen.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::DrewMarkup;
using test::KeyWaits;
using test::MarkupEnd;
using test::ProgramRun;

ProgramRun RunItem(int item, int keys) {
  return ProgramRun("Orvelle", intro::ShowMainMenu,
                    "5\r" + std::to_string(item) + "\r" + std::string(keys, ' ') + "4\r6\r");
}

// Whether a box (x, y) w x h with the given colours was drawn, its text centred in it.
bool DrewTextBox(const RecordingDevice& d, float x, float y, float w, float h, int border, int fill,
                 int color, const std::string& text) {
  bool box = false;
  for (const auto& c : d.Calls("box")) {
    box |= c.x1 == x && c.y1 == y && c.x2 == x + w && c.y2 == y + h && c.color == border &&
           c.fill == fill;
  }
  const float textX = x + (w - MarkupEnd(0, text)) / 2;
  return box && DrewMarkup(d.log(), textX, y + static_cast<int>((h - 44) / 2), color, text);
}

int SubMenuLines(const RecordingDevice& d) {
  int n = 0;
  for (const auto& c : d.Texts()) n += c.s == "①" && c.x1 == 16 && c.y1 == 666 ? 1 : 0;
  return n;
}

TEST(IntroProblemsSection, NoAimsOnlyTheSubMenu) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, "5\r5\r0\r4\r6\r");
  EXPECT_EQ(SubMenuLines(run.device), 3);  // 5 and 0 read again
  for (const auto& c : run.device.Texts()) EXPECT_NE(c.s, "め");
  bool line = false;
  for (const auto& c : run.device.Texts()) line |= c.s == "④" && c.y1 == 666 && c.color == 0;
  EXPECT_TRUE(line);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_EQ(run.status, 0);
}

TEST(IntroProblemsSection, Problems1And2) {
  ProgramRun run = RunItem(1, 14);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 14);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewTextBox(run.device, 40, 30, 360, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(run.device, 40, 80, 44, 44, 4, 3, 13, "1"));
  EXPECT_TRUE(DrewTextBox(run.device, 600, 80, 44, 44, 4, 3, 13, "2"));
  struct Row {
    float x, y;
    const char* label;
    const char* expression;
    const char* answer;
  };
  // The first row, a row 80 below the one before, the last of problem 1, and problem 2's first.
  const Row rows[] = {
      {40, 130, "(1)", "b*9", "=9b"},          {40, 510, "(8)", "3x/2", "=ﾀ3x/2ﾀ"},
      {40, 590, "(9)", "(a-2)/3", "=ﾀa-2/3ﾀ"}, {600, 130, "(1)", "5xy", "=5*x*y"},
      {600, 340, "(4)", "ﾀ6/xﾀ", "=6/x"},
  };
  for (const Row& r : rows) {
    EXPECT_TRUE(DrewMarkup(log, r.x, r.y, 3, r.label)) << r.label << " " << r.y;
    EXPECT_TRUE(DrewMarkup(log, r.x + 87, r.y, 0, r.expression)) << r.expression;
    EXPECT_TRUE(DrewMarkup(log, MarkupEnd(r.x + 87, r.expression), r.y, 5, r.answer)) << r.answer;
  }
  // Each answer comes one key after its expression.
  const auto parts = test::SplitAtKeys(log);
  for (size_t k = 0; k < parts.size(); ++k) {
    if (DrewMarkup(parts[k], 127, 130, 0, "b*9")) {
      EXPECT_FALSE(DrewMarkup(parts[k], MarkupEnd(127, "b*9"), 130, 5, "=9b"));
      ASSERT_LT(k + 1, parts.size());
      EXPECT_TRUE(DrewMarkup(parts[k + 1], MarkupEnd(127, "b*9"), 130, 5, "=9b"));
    }
  }
}

TEST(IntroProblemsSection, Problem3) {
  ProgramRun run = RunItem(2, 4);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 4);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewTextBox(run.device, 40, 30, 396, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(run.device, 40, 80, 44, 44, 4, 3, 13, "3"));
  EXPECT_TRUE(DrewMarkup(log, 40, 130, 3, "(1)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(127, "90*x+50*y"), 130, 5, "=90x+50y (円)"));
  EXPECT_TRUE(DrewMarkup(log, 40, 210, 3, "(2)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(127, "a/10"), 210, 5, "=ﾀa/10ﾀ (g)"));
  EXPECT_TRUE(DrewMarkup(log, 127, 280, 0, "x*2+y"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(127, "(x+y)*2"), 330, 5, "=2(x+y)"));
}

TEST(IntroProblemsSection, Problems4And5AlignUnderTheExpressions) {
  ProgramRun run = RunItem(3, 17);
  const auto& log = run.device.log();
  EXPECT_EQ(KeyWaits(log), 17);
  EXPECT_FALSE(run.device.KeysLeft());
  EXPECT_TRUE(DrewTextBox(run.device, 40, 30, 396, 48, 3, 13, 0, "P72(基本の問題)"));
  EXPECT_TRUE(DrewTextBox(run.device, 40, 80, 44, 44, 4, 3, 13, "4"));
  EXPECT_TRUE(DrewTextBox(run.device, 648, 80, 44, 44, 4, 3, 13, "5"));

  const float a1 = MarkupEnd(40, "(1)2a");
  EXPECT_TRUE(DrewMarkup(log, a1, 130, 0, "=2*(-6)"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a1, "=2*(-6)"), 130, 5, "=-12"));
  const float a2 = MarkupEnd(40, "(2)-3a+5");
  EXPECT_TRUE(DrewMarkup(log, 40, 190, 3, "(2)-3a+5"));
  EXPECT_TRUE(DrewMarkup(log, a2, 190, 0, "=-3*(-6)+5"));
  EXPECT_TRUE(DrewMarkup(log, a2, 240, 0, "=18+5"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a2, "=18+5"), 240, 5, "=23"));
  const float a3 = MarkupEnd(40, "(3)ﾀ18/aﾀ");
  EXPECT_TRUE(DrewMarkup(log, 40, 320, 3, "(3)ﾀ18/aﾀ"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a3, "=ﾀ18/-6ﾀ"), 320, 5, "=-3"));
  const float a4 = MarkupEnd(40, "(4)-2a^2");
  EXPECT_TRUE(DrewMarkup(log, 40, 400, 3, "(4)-2a^2"));
  EXPECT_TRUE(DrewMarkup(log, a4, 400, 0, "=-2*(-6)^2"));
  EXPECT_TRUE(DrewMarkup(log, a4, 450, 0, "=-2*36"));
  EXPECT_TRUE(DrewMarkup(log, MarkupEnd(a4, "=-2*36"), 450, 5, "=-72"));

  struct Question {
    float y;
    const char* expression;
    const char* substituted;
    const char* further;
    const char* value;
  };
  const Question problem5[] = {
      {130, "(1)-x+5y", "=-3+5*(-2)", "=-3-10=", "-13"},
      {240, "(2)3x-4y", "=3*3-4*(-2)", "=9+8=", "17"},
      {350, "(3)-7x+y^2", "=-7*3+(-2)^2", "=-21+4=", "-17"},
  };
  const auto parts = test::SplitAtKeys(log);
  for (const Question& q : problem5) {
    const float end = MarkupEnd(648, q.expression);
    EXPECT_TRUE(DrewMarkup(log, 648, q.y, 3, q.expression));
    EXPECT_TRUE(DrewMarkup(log, end, q.y, 0, q.substituted));
    EXPECT_TRUE(DrewMarkup(log, end, q.y + 50, 0, q.further));
    const float valueX = MarkupEnd(end, q.further);
    EXPECT_TRUE(DrewMarkup(log, valueX, q.y + 50, 5, q.value));
    // The value comes with the line before it, without a key between them.
    for (const auto& part : parts) {
      if (DrewMarkup(part, end, q.y + 50, 0, q.further)) {
        EXPECT_TRUE(DrewMarkup(part, valueX, q.y + 50, 5, q.value)) << q.value;
      }
    }
  }
}

TEST(IntroProblemsSection, AnItemChosenTwiceIsDrawnAnew) {
  ProgramRun run("Orvelle", intro::ShowMainMenu, "5\r2\r    2\r    4\r6\r");
  EXPECT_EQ(KeyWaits(run.device.log()), 8);
  int pages = 0;
  for (const auto& c : run.device.Calls("box")) {
    pages += c.x1 == 0 && c.y1 == 0 && c.x2 == 1760 && c.y2 == 1800 && c.fill == 15 ? 1 : 0;
  }
  EXPECT_EQ(pages, 2 + 2 + 1);  // the menu's two fills, two pages, the menu again
  EXPECT_FALSE(run.device.KeysLeft());
}

}  // namespace
}  // namespace orvelle
