// Orvelle Calc's main menu and section 1, items ① to ③: bad numbers ask again at both menus,
// the match-stick question, the drills on terms and coefficients, and the worked answers of
// exercise 1, each answer checked by its value.
#include "lessons/calc/terms.h"

#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"
#include "lessons/calc/main_menu.h"

namespace orvelle::test {
namespace {

// The coefficient of `letter` in a linear expression: its value at letter 1 less that at 0.
double Coefficient(const std::string& text, char letter) {
  return MarkupValue(text, LettersAt({{letter, 1}})) - MarkupValue(text, LettersAt({}));
}

// Whether the terms "t1,t2,..." add up to the expression.
bool TermsMakeUp(const std::string& terms, const std::string& expression) {
  std::string sum = "(";
  for (char c : terms) sum += c == ',' ? std::string(")+(") : std::string(1, c);
  return SameExpression(sum + ")", expression);
}

TEST(CalcSection1, P73QuestionThreeWaysToCountSticks) {
  const ItemRun item(kCalc, 1, 1, 17);
  const std::string conclusion = "x+(x+1)+x=1+3x ,4x-(x-1)=1+3x";
  item.Expect({{40, 30, 0, "教科書P73Q をやってみよう。", 0},
               {760, 80, 3, "4x-(x-1)", 3},
               {MarkupEnd(640, "だから、"), 520, 5, "{4x-(x-1)}", 16},
               {MarkupEnd(40, conclusion), 580, 3, " となるのかな?", 17}});
}

// What the three ways say, quantity after quantity, read from the screens: for rows of 2, 5 and
// 9 squares, the values of the expressions are those of the row's 1+3x sticks counted each way.
TEST(CalcSection1, P73QuestionEachWaySaysWhatItCounts) {
  const ItemRun item(kCalc, 1, 1, 17);
  auto said = Expressions(ReadTexts(item.Page()));
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.front(), "73");  // the heading's page number
  said.erase(said.begin());
  for (const double x : {2.0, 5.0, 9.0}) {
    const double row = 1 + 3 * x;
    // The three ways; the top x, the sides x+1, the bottom x; x squares of 4, x-1 sides shared;
    // the two sums equal to the first way's.
    const std::vector<double> says = {row,   row,   row, x,   x + 1, x,   row, x,
                                      4 * x, x - 1, row, row, row,   row, row};
    std::vector<double> values;
    for (const std::string& e : said) values.push_back(MarkupValue(e, LettersAt({{'x', x}})));
    EXPECT_EQ(values, says) << "at x = " << x;
  }
}

// The terms drill past its tenth problem, the coefficient drill for 1000 passes: each problem
// in turn, its answer right by value, the letter one of the five.
TEST(CalcSection1, TermsAndCoefficientDrills) {
  constexpr int kTerms = 11, kCoefficients = 1000;
  DrillScript s;
  s.Keys(EnterItem(kCalc, 1, 2)).Passes(kTerms, 1).Keys(" ").Passes(kCoefficients, 1);
  s.Keys(" " + LeaveProgram(kCalc, 1));
  int letters[5] = {};
  const DrillRun run(kCalc, s, [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
    const Screen screen(log);
    const int k = (pass < kTerms ? pass : pass - kTerms) % 10 + 1;
    ASSERT_EQ(m.exerciseNo, k);
    const std::string written = m.coefText[10 + k], answer = m.coefText[20 + k];
    if (pass < kTerms) {
      const std::string expression = m.coefText[k];
      EXPECT_TRUE(screen.Drew(127, 110, 0, expression) && screen.Drew(100, 190, 0, "=" + written) &&
                  screen.Drew(100, 270, 3, "項…" + answer));
      EXPECT_TRUE(SameExpression(expression, written) && TermsMakeUp(answer, expression))
          << expression;
      EXPECT_TRUE(k != 1 || expression == "9x+3");
      return;
    }
    const float pick = m.letterPick;
    ASSERT_TRUE(pick >= 1 && pick <= 5 && pick == static_cast<int>(pick)) << pick;
    ++letters[static_cast<int>(pick) - 1];
    const std::string letter = k == 9    ? "x"
                               : k == 10 ? "a"
                                         : std::string(1, "abcxy"[static_cast<int>(pick) - 1]);
    const std::string term = written + (k > 8 ? "" : letter);
    EXPECT_TRUE(screen.Drew(600, 30, 0, "問②　" + letter + "の係数をいいなさい。") &&
                screen.Drew(687, 110, 0, term) && screen.Drew(660, 190, 3, "係数…" + answer));
    EXPECT_NEAR(Coefficient(term, letter[0]), MarkupValue(answer, {}), 1e-9) << term;
  });
  run.ExpectPasses(kTerms + kCoefficients);
  for (int n : letters) EXPECT_GT(n, kCoefficients / 8);
  ExpectSeen(run.rest, {{600, 270, 5, "係数"}, {600, 360, 7, "教科書P74 問1 をしなさい。"}});
}

TEST(CalcSection1, Exercise1AnswersByValue) {
  const ItemRun item(kCalc, 1, 3, 12);
  item.Expect({{40, 30, 3, "問1　解答", 0}, {40, 290, 3, "(2)", 3}, {600, 60, 3, "(3)", 6}});
  // Each expression (and its second form), a key, its terms, a key each, the coefficients of its
  // two letters: each drawn after the one before, and right by value.
  int screen = 0;
  for (const auto& [x, y, written, terms, termsY, coefY, letters, first, second] :
       {std::tuple{94.0f, 105.0f, "4x+y=4x+1y", "4x,y", 155.0f, 205.0f, "xy", "4", "1"},
        {94.0f, 290.0f, "7x-2y", "7x,-2y", 340.0f, 390.0f, "xy", "7", "-2"},
        {654.0f, 60.0f, "-x+ﾀ2/3ﾀy+5=-1x+ﾀ2/3ﾀy+5", "-x,ﾀ2/3ﾀy,5", 140.0f, 220.0f, "xy", "-1",
         "ﾀ2/3ﾀ"},
        {654.0f, 305.0f, "5a-ﾀb/4ﾀ-ﾀ1/3ﾀ=5a-ﾀ1/4ﾀb-ﾀ1/3ﾀ", "5a,-ﾀb/4ﾀ,-ﾀ1/3ﾀ", 395.0f, 475.0f, "ab",
         "5", "-ﾀ1/4ﾀ"}}) {
    const std::string w = written, e = w.substr(0, w.find('='));
    const std::string of1 = std::string(1, letters[0]) + "の係数…";
    const std::string of2 = std::string(1, letters[1]) + "の係数…";
    const float x1 = MarkupEnd(x, of1), x2 = MarkupEnd(x1, first) + 27;
    item.Expect({{x + 27, y, 0, w, screen},
                 {MarkupEnd(x, "項…"), termsY, 5, terms, screen + 1},
                 {x1, coefY, 5, first, screen + 2},
                 {MarkupEnd(x2, of2), coefY, 5, second, screen + 3}});
    EXPECT_TRUE(SameExpression(e, w.substr(w.find('=') + 1)) && TermsMakeUp(terms, e)) << e;
    EXPECT_EQ(Coefficient(e, letters[0]), MarkupValue(first, {})) << e;
    EXPECT_NEAR(Coefficient(e, letters[1]), MarkupValue(second, {}), 1e-9) << e;
    screen += 3;
  }
}

int MenusDrawn(const std::vector<DrawCall>& log) {
  int n = 0;
  for (const auto& c : log) n += c.op == Op::kBox && c.x1 == 22 && c.y1 == 10 && c.fill == 10;
  return n;
}

// Every menu from one key script: out-of-range numbers, nothing, a long digit string (the
// eleventh digit clears the field) and "1/0" (cleared, reading goes on) ask again; a fraction
// counts by its value; the aims come once an entry; the main menu's last number ends the
// program.
TEST(CalcMenus, BadChoicesAskAgainAtEveryMenu) {
  const std::string bad = "0\r-1\r\r12345678901\r1/0\r";
  // Numbers typed at a menu that ends at `end`: the number after it, and the half after it; the
  // end itself typed as a fraction.
  const auto past = [&](int end) { return Typed(end + 1) + std::to_string(end) + ".5\r"; };
  const auto half = [](int end) { return std::to_string(2 * end) + "/2\r"; };
  const int end = kCalc.MenuEnd();
  const auto sub = [](int section) { return kCalc.SubMenuEnd(section); };
  const std::string keys =
      bad + past(end) + Typed(end - 1) + "2.5\r" +         // main menu, blank item, 2
      "0\r-1\r" + past(sub(2)) + "0.5\r" + half(sub(2)) +  // section 2
      EnterSection(kCalc, 1) + bad + past(sub(1)) + LeaveSection(kCalc, 1) +  // section 1
      EnterSection(kCalc, 1) + "2.5\r 1\r  1\r " + LeaveSection(kCalc, 1) +   // 2.5 runs item 2
      EnterSection(kCalc, 3) + bad + past(sub(3)) + "3\r         " + LeaveSection(kCalc, 3) +
      EnterSection(kCalc, 4) + bad + past(sub(4)) + "3/3\r " + half(sub(4)) + EndProgram(kCalc) +
      "X";
  ProgramRun run("Orvelle Calc", calc::ShowMainMenu, keys);
  const auto& log = run.device.log();
  // Each menu: drawn on entry, again for six of its seven bad entries and after an item.
  EXPECT_EQ(MenusDrawn(log), 1 + 6 + 1 + 5);  // item 5 and five returns from sections
  EXPECT_EQ(SubMenuLines(log, kCalc.SubMenuLine(1)), 1 + 6 + 1 + 1);
  EXPECT_EQ(SubMenuLines(log, kCalc.SubMenuLine(2)), 1 + 5);
  EXPECT_EQ(SubMenuLines(log, kCalc.SubMenuLine(3)), 1 + 6 + 1);
  EXPECT_EQ(SubMenuLines(log, kCalc.SubMenuLine(4)), 1 + 6 + 1);
  const Screen screen(log);
  EXPECT_EQ(screen.Count(44, 240, 3, "<めあて>"), 1 + 2 + 1);  // sections 2, 1 twice, 3
  EXPECT_EQ(screen.Count(76, 370, 0, "2　文字の部分が同じ項をまとめよう。"), 2);
  EXPECT_EQ(screen.Count(40, 30, 0, "問①　次の式の項をいいなさい。"), 1);
  EXPECT_TRUE(screen.Drew(484, 430, 3, "分配法則を使う！") && screen.Drew(640, 300, 3, "(2)"));
  EXPECT_EQ(KeyWaits(log), 4 + 9 + 1);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.device.keysRead(), static_cast<int>(keys.size()) - 1);  // "X" is never read
  EXPECT_FALSE(ShowedErrorScreen(log));
}

}  // namespace
}  // namespace orvelle::test
