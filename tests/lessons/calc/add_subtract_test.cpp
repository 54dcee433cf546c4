// Section 2 "1次式の加減" of Orvelle Calc: the sub-menu, the four random drills over many passes
// (each problem's sum or difference right, the columns cell by cell), the examples the textbook
// prints, and the worked answers of P76 checked by value.
#include "lessons/calc/add_subtract.h"

#include <array>

#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"
#include "platform/text.h"

namespace orvelle::test {
namespace {

// `s` filled out to `n` cells with leading blanks.
std::string Cells(const std::string& s, int n) {
  return std::string(static_cast<size_t>(std::max(0, n - CharLen(s))), ' ') + s;
}

// A line from (x, y): its pieces ("|" between them) one after the other, in `color` and 3 by
// turns.
void ExpectLine(const std::vector<DrawCall>& log, float x, float y, int color,
                const std::string& line) {
  const Screen screen(log);
  for (size_t from = 0, k = 0;; ++k) {
    const size_t bar = line.find('|', from);
    const std::string piece = line.substr(from, bar - from);
    EXPECT_TRUE(screen.Drew(x, y, k % 2 ? 3 : color, piece)) << piece << " of " << line;
    if (bar == std::string::npos) return;
    x = MarkupEnd(x, piece);
    from = bar + 1;
  }
}

struct Drill {
  int item, keyWaits, closingKeys;  // a pass's key waits, the closing's
  bool minus, column;
  Seen last;  // the closing's last text
};
const Drill kDrills[] = {{1, 3, 1, false, false, {100, 465, 7, "教科書P76 問4　をやろう。"}},
                         {3, 5, 1, true, false, {100, 515, 7, "教科書P76 問6,問7　をやろう。"}},
                         {5, 2, 0, false, true, {40, 400, 3, "①それぞれの項を縦にたす。"}},
                         {6, 3, 0, true, true, {40, 450, 3, "②それぞれの項を縦にたす。"}}};

// 10,000 pairs of each item: the ranges, the tie rule, the letters and signs about as often as
// each other; the problem, and its sum or difference, as the pupil writes them; the columns'
// rows and answer six cells wide, the letter in the third. One drill a test, so that the four
// run side by side.
class AddSubtractDrill : public testing::TestWithParam<Drill> {};
void PrintTo(const Drill& drill, std::ostream* out) { *out << "item " << drill.item; }

TEST_P(AddSubtractDrill, TenThousandPasses) {
  constexpr int kPasses = 10000;
  const Drill& drill = GetParam();
  int letters[4] = {}, negative = 0;
  const DrillRun run(
      kCalc,
      DrillScript()
          .Keys(EnterItem(kCalc, 2, drill.item))
          .Passes(kPasses, drill.keyWaits)
          .Keys(std::string(drill.closingKeys, ' ') + LeaveProgram(kCalc, 2)),
      [&](int, const Machine& m, const std::vector<DrawCall>& log) {
        const float a = m.coef[1], b = m.coef[2], c = m.coef[3], d = m.coef[4];
        for (float v : {a, b, c, d}) ASSERT_EQ(v, std::trunc(v));
        ASSERT_TRUE(a >= 1 && a <= 10 && b >= 2 && b <= 10 && d >= 2 && d <= 10);
        ASSERT_TRUE(std::abs(c) >= 1 && std::abs(c) <= 9);
        EXPECT_NE(a, std::abs(c));                // so a + c is never 0
        EXPECT_TRUE(a < 10 || std::abs(c) == 9);  // 10: both picks 9, the first raised
        const std::string L = m.letterText[1];
        const size_t letter = L.size() == 1 ? std::string("xyab").find(L) : std::string::npos;
        ASSERT_LT(letter, 4u) << L;
        ++letters[letter];
        negative += c < 0;
        const float c2 = drill.minus ? -c : c, d2 = drill.minus ? -d : d;
        const std::string first = "(" + Coef(a) + L + Signed(b) + ")";
        const std::string second = "(" + Coef(c2) + L + Signed(d2) + ")";
        const std::string op = drill.minus ? "-" : "+", sum = Coef(a + c) + L + Signed(b + d);
        EXPECT_TRUE(SameExpression(first + op + second, sum));
        ExpectLine(log, 127, 90, 0, first + (drill.item == 1 ? op : "|" + op + "|") + second);
        if (!drill.column) {
          ExpectLine(log, 100, drill.minus ? 305 : 255, 5, "=" + sum);
          return;
        }
        ExpectLine(log, 154, 170, 0, Cells(Coef(a), 2) + L + Cells(Signed(b), 3));
        ExpectLine(log, 154, 220, 0, Cells(Coef(c2), 2) + L + Cells(Signed(d2), 3));
        ExpectLine(log, 154, 270, 3, Cells(Coef(a + c), 2) + L + "|" + Cells(Signed(b + d), 3));
        if (drill.minus)
          ExpectLine(log, 100, 195, 3, "+ " + std::string(c2 > 0 ? "-" : "+") + "  +");
      });
  run.ExpectPasses(kPasses);
  ExpectSeen(run.rest, {drill.last});
  for (int n : letters) EXPECT_NEAR(n, kPasses / 4, kPasses / 50);
  EXPECT_NEAR(negative, kPasses / 2, kPasses / 50);
}

INSTANTIATE_TEST_SUITE_P(Section2, AddSubtractDrill, testing::ValuesIn(kDrills),
                         [](const auto& info) { return "Item" + std::to_string(info.param.item); });

// The examples the textbook prints, from the generator's scripted values a, b, |c|, d, the sign
// coin and the letter (2 to 5: x, y, a, b); a = |c| is raised by the tie rule. The problem at
// (127, 90), each line ("/" between them) under it at 100, the last in 5.
TEST(AddSubtractDrills, WorkedItemsPrintTheTextbooksExamples) {
  // clang-format off
  const std::tuple<int, std::array<int, 6>, std::string> printed[] = {
      {1, {3, 5, 2, 7, 1, 2}, "(3x+5)+(-2x+7)/=3x+5-2x+7/=3x-2x+5+7/=x+12"},
      {1, {3, 5, 1, 7, 0, 2}, "(3x+5)+(x+7)/=3x+5+x+7/=3x+x+5+7/=4x+12"},
      {3, {3, 5, 4, 7, 0, 2}, "(3x+5)|-|(-4x-7)/=(3x+5)|+|(|4x+7|)/=3x+5+4x+7/=3x+4x+5+7/=7x+12"},
      {3, {2, 6, 5, 3, 1, 4}, "(2a+6)|-|(5a-3)/=(2a+6)|+|(|-5a+3|)/=2a+6-5a+3/=2a-5a+6+3/=-3a+9"},
      {3, {1, 4, 2, 9, 1, 3}, "(y+4)|-|(2y-9)/=(y+4)|+|(|-2y+9|)/=y+4-2y+9/=y-2y+4+9/=-y+13"},
      {3, {5, 10, 1, 2, 0, 5}, "(5b+10)|-|(-b-2)/=(5b+10)|+|(|b+2|)/=5b+10+b+2/=5b+b+10+2/=6b+12"},
      {3, {9, 2, 9, 10, 1, 2}, "(10x+2)|-|(9x-10)/=(10x+2)|+|(|-9x+10|)/=10x+2-9x+10/=10x-9x+2+10/=x+12"}};
  // clang-format on
  for (const auto& [item, picks, lines] : printed) {
    const int low[] = {1, 2, 1, 2, 0, 2}, n[] = {9, 9, 9, 9, 2, 4};
    std::vector<float> random;
    for (int i = 0; i < 6; ++i) random.push_back(Pick(picks[i], low[i], n[i]));
    const DrillRun run = ScriptedDrill(
        kCalc, DrillScript().Keys(EnterItem(kCalc, 2, item)).Passes(1, item == 1 ? 3 : 5), random);
    float y = 90;
    for (size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
      to = lines.find('/', from);
      ExpectLine(run.passes.at(0), from ? 100 : 127, y, to == std::string::npos ? 5 : 0,
                 lines.substr(from, to - from));
      y += item == 3 && !from ? 50 : 55;
    }
  }
}

// Every working line and result of a page of worked answers, read back from the screen, has the
// value of the problem it works: the last text from the heading on that does not start with "="
// (its label, in 3, left out). The page holds `problems` problems and `steps` such values.
void ExpectWorkedByValue(const std::vector<DrawCall>& log, int problems, int steps) {
  std::string problem;
  int problemsRead = 0, stepsRead = 0;
  bool page = false;
  for (const ReadText& t : ReadTexts(log)) {
    page = page || t.text.find("解答") != std::string::npos;
    const bool ascii = std::ranges::all_of(t.text, [](char c) { return c > 0; });
    if (!page || !ascii) continue;  // the headings and menus
    if (!t.text.starts_with("=")) {
      problem.clear();
      for (size_t i = 0; i < t.text.size(); ++i) {
        if (t.colors.at(i) == 0) problem += t.text[i];
      }
      ++problemsRead;
      continue;
    }
    for (size_t from = 1, to = 0; to != std::string::npos; from = to + 1) {
      to = t.text.find('=', from);
      const std::string step = t.text.substr(from, to - from);
      EXPECT_TRUE(SameExpression(problem, step)) << problem << " " << step;
      ++stepsRead;
    }
  }
  EXPECT_EQ(problemsRead, problems);
  EXPECT_EQ(stepsRead, steps);
}

// P76 exercises 4 to 7: their headings, the first and last results where the page puts them.
TEST(AddSubtractSection, Exercise4To7Answers) {
  const ItemRun exercise4(kCalc, 2, 2, 24);
  ExpectWorkedByValue(exercise4.log(), 7, 21);
  exercise4.Expect({{94, 30, 3, "教科書P76 問4　解答", 0},
                    {MarkupEnd(94, "=4a+3a+5-1"), 180, 5, "=7a+4", 4},
                    {640, 400, 7, "教科書P76 問5　をやろう。", 20},
                    {MarkupEnd(694, "=-x+4x-8+2"), 550, 5, "=3x-6", 24}});
  const ItemRun exercise6(kCalc, 2, 4, 23);
  ExpectWorkedByValue(exercise6.log(), 7, 28);
  exercise6.Expect({{MarkupEnd(94, "=9a-2a+7-3"), 210, 5, "=7a+4", 3},
                    {94, 15, 3, "教科書P76 問7　解答", 19},  // on a page of its own
                    {MarkupEnd(94, "=7x+3x-3+3"), 215, 5, "=10x", 23}});
}

}  // namespace
}  // namespace orvelle::test
