// Section 3 "1次式と数の乗除" of Orvelle Calc (its frame, the tabled examples 6 and 7 and the
// flower bed) and section 4 "P80(基本の問題)" (its sub-menu and its pages of worked problems),
// every answer checked by value.
#include "lessons/calc/multiply_divide.h"

#include "../../support/lesson_test.h"
#include "lessons/calc/calc_problems.h"
#include "lessons/calc/main_menu.h"

namespace orvelle::test {
namespace {

// The line width of the box (x1, y1)-(x2, y2) as last drawn, or -1.
int BoxWidth(const std::vector<DrawCall>& log, float x1, float y1, float x2, float y2, int fill) {
  int width = -1;
  for (const DrawCall& c : log) {
    if (c.op == Op::kBox && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2 && c.fill == fill)
      width = c.width;
  }
  return width;
}

// "n left,top-right,bottom": the dots of dotted arcs in 3 and the box they fill.
std::string DotsBox(const std::vector<DrawCall>& shown) {
  const auto dots = Dots(shown, 3);
  float left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  for (const DrawCall& c : dots) {
    left = std::min(left, c.x1), top = std::min(top, c.y1);
    right = std::max(right, c.x1), bottom = std::max(bottom, c.y1);
  }
  return std::to_string(dots.size()) + " " + Pt(left, top) + "-" + Pt(right, bottom);
}

TEST(CalcSection3, LineWidthOfTheFlowerBedCarriesOverToTheMainMenuAndSection4) {
  // Example 6, back to the main menu, section 4 page 1; the same with the flower bed first.
  const std::string tail = ChooseItem(kCalc, 3, 1) + " 1\r        " + LeaveSection(kCalc, 3) +
                           EnterItem(kCalc, 4, 1) + " " + LeaveProgram(kCalc, 4);
  const std::string flowerBed = ChooseItem(kCalc, 3, 3) + "         ";
  for (const auto& [before, width] : {std::pair{std::string(), 3}, {flowerBed, 5}}) {
    const ProgramRun run("Orvelle Calc", calc::ShowMainMenu,
                         EnterSection(kCalc, 3) + before + tail);
    const auto& log = run.device.log();
    EXPECT_EQ(BoxWidth(log, 0, 90, 2000, 1890, 15), width);  // example 6's area
    EXPECT_EQ(BoxWidth(log, 22, 10, 1342, 610, 10), width);  // the main menu's board
    EXPECT_EQ(BoxWidth(log, 40, 30, 400, 78, 13), width);    // section 4's title
    EXPECT_EQ(run.device.GetDrawWidth(), width);
  }
}

// A drill through the ten rows of a table and past them: pass p shows row p % 10 + 1.
TEST(CalcSection3, Example6RowsThenQuestion8) {
  const DrillRun run(kCalc,
                     DrillScript()
                         .Keys(EnterItem(kCalc, 3, 1))
                         .Passes(11, 1)
                         .Keys("        " + LeaveProgram(kCalc, 3)),
                     [](int pass, const Machine& m, const std::vector<DrawCall>& log) {
                       const int k = pass % 10 + 1;
                       const std::string product = m.coefText[k] + "=";
                       EXPECT_EQ(product, k == 1 ? "5a*3=" : product);
                       EXPECT_TRUE(HasBox(log, 0, 90, 2000, 1890, 15, 15));
                       ExpectSeen(log, {{100, 120, 0, product},
                                        {MarkupEnd(100, product), 120, 5, m.coefText[k + 10]}});
                       EXPECT_TRUE(SameExpression(m.coefText[k], m.coefText[k + 10])) << product;
                     });
  run.ExpectPasses(11);
  EXPECT_EQ(KeyWaits(run.rest), 8);
  ExpectSeen(run.rest, {{40, 200, 5, "係数と数の積に、文字をかける。"},
                        {694, 30, 7, "教科書P77 問8　をやろう。"},
                        {694, 310, 0, " ﾀ1/5ﾀy*5"}});
  // Each answer right after its problem; (5)'s after its working line.
  for (const auto& [y, problem, answer] : {std::tuple{80.0f, " 4a*2=", "8a"},
                                           {130.0f, " (-x)*5=", "-5x"},
                                           {180.0f, " 8*3n=", "24n"},
                                           {230.0f, " (-2)*4a=", "-8a"},
                                           {390.0f, "=ﾀ5/5ﾀy=", "y"},
                                           {460.0f, " (-2x)*7=", "-14x"}}) {
    ExpectSeen(run.rest, {{694, y, 0, problem}, {MarkupEnd(694, problem), y, 5, answer}});
    EXPECT_TRUE(SameExpression(std::string(problem).substr(1), answer)) << problem;
  }
}

TEST(CalcSection3, Example7RowsThenQuestion9InTwoColumns) {
  const DrillRun run(kCalc,
                     DrillScript()
                         .Keys(EnterItem(kCalc, 3, 2))
                         .Passes(11, 2)
                         .Keys(std::string(12, ' ') + LeaveProgram(kCalc, 3)),
                     [](int pass, const Machine& m, const std::vector<DrawCall>& log) {
                       const int k = pass % 10 + 1;
                       const std::string reciprocal = "=" + m.coefText[k + 10] + "=";
                       EXPECT_EQ(m.coefText[k], k == 1 ? "8x/2" : m.coefText[k]);
                       ExpectSeen(log, {{127, 120, 0, m.coefText[k]},
                                        {100, 210, 0, reciprocal},
                                        {MarkupEnd(100, reciprocal), 210, 5, m.coefText[k + 20]}});
                       ExpectSameValues(LettersAt({{'a', 3}, {'b', -2}, {'x', 5}, {'y', 7}}),
                                        {m.coefText[k], m.coefText[k + 10], m.coefText[k + 20]});
                     });
  run.ExpectPasses(11);
  EXPECT_EQ(KeyWaits(run.rest), 12);
  // Question 9: each division, a key, times the reciprocal, a key, the answer after it.
  ExpectSeen(run.rest, {{40, 290, 5, "割り算は逆数をかける。"},
                        {MarkupEnd(694, "=ﾀ3/5ﾀy*(-ﾀ15/2ﾀ)="), 430, 5, "-ﾀ9/2ﾀy"}});
  ExpectWorkingShown(run.rest, {"12x/3", "=12x*ﾀ1/3ﾀ=", "4x"});
  ExpectWorkingShown(run.rest, {"ﾀ4/5ﾀx/10", "=ﾀ4/5ﾀx*ﾀ1/10ﾀ=", "ﾀ2/25ﾀx"});
  ExpectWorkingShown(run.rest, {"4x/ﾀ2/3ﾀ", "=4x*ﾀ3/2ﾀ=", "6x"});
  ExpectWorkingShown(run.rest, {"ﾀ3/5ﾀy/(-ﾀ2/15ﾀ)", "=ﾀ3/5ﾀy*(-ﾀ15/2ﾀ)=", "-ﾀ9/2ﾀy"});
}

TEST(CalcSection3, FlowerBedFigureWorkingAndArcs) {
  const ItemRun item(kCalc, 3, 3, 9);
  const float one = MarkupEnd(MarkupEnd(528, "3(2"), "a+");
  item.Expect({{one, 210, 0, "1)", 3},
               {484, 350, 5, "=6a+3 (m^2)", 5},
               {484, 430, 3, "分配法則を使う！", 9}});
  ExpectWorkingShown(item.log(), {"3(2a+1)", "=3*2a+3*1", "=6a+3 (m^2)"});

  // The cells at width 5: empty on screens 0 (the bed) and 1 (the strip), labelled on screen 4.
  for (int row = 0; row < 3; ++row) {
    const float y = 210 + 70.0f * static_cast<float>(row);
    for (const auto& [x, w, fill, label] :
         {std::tuple{144.0f, 88.0f, 13, "a"}, {232.0f, 88.0f, 13, "a"}, {320.0f, 70.0f, 11, "1"}}) {
      EXPECT_EQ(BoxWidth(item.screens[fill == 13 ? 0 : 1], x, y, x + w, y + 70, fill), 5);
      EXPECT_TRUE(HasBox(item.screens[4], x, y, x + w, y + 70, 0, fill));
      EXPECT_TRUE(DrewMarkup(item.screens[4], x + (w - MarkupEnd(0, label)) / 2, y + 13, 5, label));
    }
  }

  // The arcs' dots in 3 by screen, how many and the box they fill: "3m" left of the bed and
  // "2am" above it; "1m" above the strip; the 3 to 2a; the 3 to 1, twice as high.
  EXPECT_EQ(DotsBox(item.screens[0]), "272 128,194-320,420");
  EXPECT_EQ(DotsBox(item.screens[1]), "91 320,194-390,210");
  EXPECT_EQ(DotsBox(item.screens[7]), "181 538,194-609,210");
  EXPECT_EQ(DotsBox(item.screens[8]), "181 538,178-673,210");
}

// Each page: a few texts where the page puts them, and every question worked to its result, each
// step shown and of the question's value.
TEST(CalcSection4, PagesOfWorkedProblems) {
  const ItemRun one(kCalc, 4, 1, 1), two(kCalc, 4, 2, 1), three(kCalc, 4, 3, 0);
  EXPECT_TRUE(HasBox(three.log(), 466, 30, 510, 74, 4, 3));  // problem 5 on the title's line
  one.Expect({{MarkupEnd(94, " 5x+2x"), 130, 5, "=7x", 0}, {694, 500, 5, "=a-2", 1}});
  const float step3 = MarkupEnd(94, " 6x/3");
  two.Expect({{MarkupEnd(step3, "=6x*ﾀ1/3ﾀ"), 300, 5, "=2x", 0}, {694, 600, 5, "=-5x-3", 1}});
  three.Expect({{40, 100, 3, "(1)", 0}, {654, 470, 5, "=10x-2", 0}});
  for (const auto& [item, workings] :
       {std::pair{&one,
                  std::vector<std::vector<std::string>>{
                      {"5x+2x", "=7x"},
                      {"7x-x", "=6x"},
                      {"2a-4a+5a", "=3a"},
                      {"x-6-2x+8", "=x-2x-6+8", "=-x+2"},
                      {"(6x+5)+(4x-3)", "=6x+5+4x-3", "=6x+4x+5-3", "=10x+2"},
                      {"(4a-3)-(3a-1)", "=(4a-3)+(-3a+1)", "=4a-3-3a+1", "=4a-3a-3+1", "=a-2"}}},
        {&two,
         {{"2x*(-4)", "=-8x"},
          {"30a*ﾀ1/5ﾀ", "=6a"},
          {"6x/3", "=6x*ﾀ1/3ﾀ", "=2x"},
          {"ﾀ2/5ﾀa/10", "=ﾀ2/5ﾀa*ﾀ1/10ﾀ", "=ﾀ1/25ﾀa"},
          {"5(3x+2)", "=15x+10"},
          {"(3a-2)*(-3)", "=-9a+6"},
          {"(10x-25)/5", "=(10x-25)*ﾀ1/5ﾀ", "=10x*ﾀ1/5ﾀ-25*ﾀ1/5ﾀ", "=2x-5"},
          {"(15x+9)/(-3)", "=(15x+9)*(-ﾀ1/3ﾀ)", "=15x*(-ﾀ1/3ﾀ)+9*(-ﾀ1/3ﾀ)", "=-5x-3"}}},
        {&three,
         {{"6(2x-1)+(9x+3)", "=12x-6+9x+3", "=12x+9x-6+3", "=21x-3"},
          {"3(2x+7)-4(3x+2)", "=6x+21-12x-8", "=6x-12x+21-8", "=-6x+13"},
          {"2(a-1)-3(a+4)", "=2a-2-3a-12", "=2a-3a-2-12", "=-a-14"},
          {"5(4x-2)-2(5x-4)", "=20x-10-10x+8", "=20x-10x-10+8", "=10x-2"}}}}) {
    for (const auto& working : workings) ExpectWorkingShown(item->log(), working);
  }
}

}  // namespace
}  // namespace orvelle::test
