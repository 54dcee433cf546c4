// Sections 4 "P86(章の問題A)" and 5 "P87(章の問題B)" of Orvelle Apply: the sub-menus, each
// answer screen's texts where the page places them, every working checked by its value, and the
// half-disc figure.
#include "lessons/apply/chapter_problems.h"

#include "../../support/lesson_test.h"
#include "lessons/apply/main_menu.h"

namespace orvelle::test {
namespace {

// A text as the page gives it: x > 0 where it starts, x <= 0 right after the text before and
// -x further on; colour 0 lines that start with a blank are expressions, and the "=" lines
// after one are its working.
struct Row {
  float x, y;
  int color;
  const char* text;
};

// x = -3 is the value problem A 3 substitutes; the other workings hold for any values.
const Letters kAt = LettersAt({{'x', -3}, {'y', 5}, {'a', 7}, {'b', 11}});

void ExpectPage(const ItemRun& item, int screen, std::initializer_list<Row> rows,
                bool workings = true) {
  float after = 0;
  std::string expression;
  for (const Row& r : rows) {
    const float x = r.x > 0 ? r.x : after - r.x;
    item.Expect({{x, r.y, r.color, r.text, screen}});
    after = MarkupEnd(x, r.text);
    if (!workings) continue;
    if (r.color == 0 && r.text[0] == ' ') expression = r.text + 1;
    if (r.text[0] == '=') {
      EXPECT_NEAR(MarkupValue(r.text, kAt), MarkupValue(expression, kAt), 1e-9)
          << expression << " " << r.text;
    }
  }
}

// Whether the boxed problem number stands with its top-left at (x, y).
bool NumberBox(const ItemRun& item, float x, float y) {
  return HasBox(item.log(), x, y, x + 44, y + 44, 4, 3);
}

TEST(ApplyChapterProblems, A123) {
  const ItemRun item(kApply, 4, 1, 2);
  EXPECT_TRUE(HasBox(item.log(), 40, 30, 436, 78, 3, 13));
  EXPECT_TRUE(NumberBox(item, 40, 80) && NumberBox(item, 40, 300) && NumberBox(item, 694, 30));
  // clang-format off
  ExpectPage(item, 0, {
      {40, 130, 3, "(1)"}, {94, 130, 0, " -7x"}, {0, 130, 5, "=(-7)*x"},
      {40, 190, 3, "(2)"}, {94, 190, 0, " a^2b^3"}, {0, 190, 5, "=a*a*b*b*b"},
      {40, 250, 3, "(3)"}, {94, 250, 0, " ﾀx+y/3ﾀ"}, {0, 250, 5, "=(x+y)/3"}});
  ExpectPage(item, 1, {
      {40, 360, 3, "(1)"}, {94, 360, 0, " 2x-y"}, {-20, 360, 3, "項…"}, {0, 360, 5, "2x,-y"},
      {94, 410, 3, "xの係数…"}, {0, 410, 5, "2"}, {-20, 410, 3, "yの係数…"}, {0, 410, 5, "-1"},
      {40, 490, 3, "(2)"}, {94, 490, 0, " -ﾀ3/4ﾀa+ﾀb/5ﾀ"}, {-20, 490, 3, "項…"},
      {0, 490, 5, "-ﾀ3/4ﾀa,ﾀb/5ﾀ"}, {94, 560, 3, "aの係数…"}, {0, 560, 5, "-ﾀ3/4ﾀ"},
      {-20, 560, 3, "bの係数…"}, {0, 560, 5, "ﾀ1/5ﾀ"}});
  ExpectPage(item, 2, {
      {640, 90, 3, "(1)"}, {694, 90, 0, " 3x-2"}, {694, 140, 0, "=3*(-3)-2"},
      {694, 190, 0, "=-9-2"}, {694, 240, 5, "=-11"},
      {640, 300, 3, "(2)"}, {694, 300, 0, " 2x^2-x"}, {694, 350, 0, "=2*(-3)^2-(-3)"},
      {694, 400, 0, "=2*9+3"}, {694, 450, 0, "=18+3"}, {694, 500, 5, "=21"}});
  // clang-format on
}

TEST(ApplyChapterProblems, A45ClearsOneColumnAtATime) {
  const ItemRun item(kApply, 4, 2, 3);
  EXPECT_TRUE(NumberBox(item, 40, 80) && NumberBox(item, 560, 30));
  EXPECT_TRUE(HasBox(item.screens[2], 0, 80, 600, 1880, 15, 15));
  EXPECT_TRUE(HasBox(item.screens[3], 640, 0, 1840, 1800, 15, 15));
  // clang-format off
  ExpectPage(item, 0, {
      {40, 130, 3, "(1)"}, {94, 130, 0, " 6y-7y"}, {0, 130, 5, "=-y"},
      {40, 190, 3, "(2)"}, {94, 190, 0, " -6x+5x-x"}, {0, 190, 5, "=-2x"},
      {40, 250, 3, "(3)"}, {94, 250, 0, " (a-4)+(3a+5)"}, {94, 300, 0, "=a-4+3a+5"},
      {94, 350, 0, "=a+3a-4+5"}, {94, 400, 5, "=4a+1"},
      {40, 460, 3, "(4)"}, {94, 460, 0, " (-2a-4)-(4-2a)"}, {94, 510, 0, "=-2a-4-4+2a"},
      {94, 560, 0, "=-2a+2a-4-4"}, {94, 610, 5, "=-8"}});
  ExpectPage(item, 1, {
      {640, 30, 3, "(1)"}, {694, 30, 0, " 2x*(-ﾀ1/4ﾀ)"}, {0, 30, 5, "=-ﾀ1/2ﾀx"},
      {640, 90, 3, "(2)"}, {694, 90, 0, " -6(2x-7)"}, {0, 90, 5, "=-12x+42"},
      {640, 150, 3, "(3)"}, {694, 150, 0, " (ﾀ5/6ﾀx-ﾀ3/4ﾀ)*12"},
      {694, 220, 0, "=ﾀ5/6ﾀx*12-ﾀ3/4ﾀ*12"}, {694, 290, 0, "=ﾀ5/1ﾀx*2-ﾀ3/1ﾀ*3"},
      {694, 350, 5, "=10x-9"},
      {640, 410, 3, "(4)"}, {694, 410, 0, " ﾀ2a-7/4ﾀ*(-16)"}, {694, 480, 0, "=(2a-7)*(-4)"},
      {694, 540, 5, "=-8a+28"}});
  ExpectPage(item, 2, {
      {40, 90, 3, "(5)"}, {94, 90, 0, " (-27x+36)/(-9)"}, {94, 160, 0, "=(-27x+36)*(-ﾀ1/9ﾀ)"},
      {94, 230, 0, "=-27x*(-ﾀ1/9ﾀ)+36*(-ﾀ1/9ﾀ)"}, {94, 290, 5, "=3x-4"},
      {40, 360, 3, "(6)"}, {94, 360, 0, " 2(3a-7)+5(-a+3)"}, {94, 410, 0, "=6a-14-5a+15"},
      {94, 460, 0, "=6a-5a-14+15"}, {94, 510, 5, "=a+1"}});
  ExpectPage(item, 3, {
      {640, 100, 3, "(7)"}, {694, 100, 0, " 3(2a-4)-4(a-5)"}, {694, 150, 0, "=6a-12-4a+20"},
      {694, 200, 0, "=6a-4a-12+20"}, {694, 250, 5, "=2a+8"},
      {640, 320, 3, "(8)"}, {694, 320, 0, " 2(6x-5)-4(3x-2)"}, {694, 370, 0, "=12x-10-12x+8"},
      {694, 420, 0, "=12x-12x-10+8"}, {694, 470, 5, "=-2"}});
  // clang-format on
}

TEST(ApplyChapterProblems, SemicircleOutlinedByItsDiameterAndArc) {
  const ItemRun item(kApply, 4, 3, 2);
  EXPECT_TRUE(NumberBox(item, 466, 30));
  item.Expect({{94, 250, 5, "答 (16+4a)cm^2", 0},
               {MarkupEnd(94, " 2rは 2*半径 だから "), 490, 3, "直径", 1},
               {94, 610, 5, "答 半円の周の長さ", 2}});
  // The half-disc, the dotted radius under it (every 5 degrees from 0 to 180, at most 20 below
  // the diameter), the whole circle, at width 5; the diameter and the arc over it in 5 one key
  // later each.
  Strings shapes;  // the circles of radius 165, screen by screen; "dots" for a run of dots
  for (size_t k = 0; k < 3; ++k) {
    for (const auto& c : item.screens[k]) {
      if (c.op == Op::kCircle && c.r == 165) shapes.push_back(Str(k) + ": " + CircleSig(c));
      if (c.op != Op::kCircle || c.r != 0.5f) continue;
      if (shapes.back() != "dots") shapes.push_back("dots");
      EXPECT_TRUE(c.color == 3 && c.x1 > 956.99f && c.x1 < 1122.01f && c.y1 > 329.99f &&
                  c.y1 < 350.01f)
          << CircleSig(c);
    }
  }
  EXPECT_EQ(shapes, (Strings{"0: 957,330 r165 c0 0.5-1 f13 w5", "dots", "0: 957,330 r165 c0 w5",
                             "2: 957,330 r165 c5 0.5-1 w5"}));
  EXPECT_EQ(Dots(item.screens[0]).size(), 37u);
  EXPECT_TRUE(HasLine(item.screens[1], 792, 330, 1122, 330, 5, 5));
}

TEST(ApplyChapterProblems, A7ReadsTheExpressionPartByPart) {
  const ItemRun item(kApply, 4, 4, 1);
  EXPECT_TRUE(NumberBox(item, 466, 30));
  item.Expect({{94, 100, 0, "1000-(3a+b)", 0},
               {MarkupEnd(40, "1000-…"), 460, 3, "1000円と代金の差", 1},
               {94, 530, 5, "答 鉛筆3本とノート1冊を買い、1000円出したときのおつり　", 1}});
}

TEST(ApplyChapterProblems, B1ValuesAtMinusThreeAndThree) {
  const ItemRun item(kApply, 5, 1, 0);
  EXPECT_TRUE(HasBox(item.log(), 40, 30, 436, 78, 3, 13) && NumberBox(item, 40, 80));
  // clang-format off
  ExpectPage(item, 0, {
      {40, 130, 3, "ア"}, {94, 130, 3, " -a"}, {94, 180, 0, "①a=-3 のとき"},
      {94, 230, 0, " -a=-(-3)"}, {0, 230, 3, "=3"}, {94, 280, 0, "②a=3 のとき"},
      {94, 330, 0, " -a"}, {0, 330, 3, "=-3"},
      {40, 400, 3, "イ"}, {94, 400, 3, " a^2"}, {94, 450, 0, "①a=-3 のとき"},
      {94, 500, 0, " a^2=(-3)^2"}, {0, 500, 3, "=9"}, {94, 550, 0, "②a=3 のとき"},
      {94, 600, 0, " a^2=3^2"}, {0, 600, 3, "=9"},
      {480, 30, 3, "ウ"}, {534, 30, 3, " -a^2"}, {534, 80, 0, "①a=-3 のとき "},
      {0, 80, 3, "-a^2"}, {0, 80, 0, "=-(-3)^2"}, {0, 80, 3, "=-9"},
      {534, 130, 0, "②a=3 のとき "}, {0, 130, 3, "-a^2"}, {0, 130, 0, "=-3^2"}, {0, 130, 3, "=-9"},
      {480, 200, 3, "エ"}, {534, 200, 3, " (-a)^2"}, {-50, 200, 0, "①a=-3 のとき"},
      {534, 250, 0, " (-a)^2={-(-3)}^2=3^2"}, {0, 250, 3, "=9"},
      {534, 300, 0, "②a=3 のとき "}, {0, 300, 3, "(-a)^2"}, {0, 300, 0, "=(-3)^2"},
      {0, 300, 3, "=9"},
      {480, 370, 3, "オ"}, {534, 370, 3, " -(-a)"}, {-50, 370, 0, "①a=-3 のとき"},
      {534, 420, 0, " -(-a)=-{-(-3)}"}, {0, 420, 3, "=-3"},
      {534, 470, 0, "②a=3 のとき"}, {0, 470, 3, "-(-a)"}, {0, 470, 0, "=-(-3)"}, {0, 470, 3, "=3"},
      {480, 540, 5, "答　イ,エ"}}, false);
  // clang-format on
  // The answer names the expressions positive at a = -3 and at a = 3.
  std::string positive;
  for (const auto& [label, e] :
       {std::pair{"ア", "-a"}, {"イ", "a^2"}, {"ウ", "-a^2"}, {"エ", "(-a)^2"}, {"オ", "-(-a)"}}) {
    if (MarkupValue(e, LettersAt({{'a', -3}})) > 0 && MarkupValue(e, LettersAt({{'a', 3}})) > 0)
      positive += (positive.empty() ? "" : ",") + std::string(label);
  }
  EXPECT_EQ(positive, "イ,エ");
}

TEST(ApplyChapterProblems, B2AndB3) {
  const ItemRun two(kApply, 5, 2, 0);
  EXPECT_TRUE(NumberBox(two, 466, 30));
  // clang-format off
  ExpectPage(two, 0, {
      {40, 100, 3, "(1)"}, {94, 100, 0, " ﾀ1/2ﾀ(3x-1)-ﾀ1/3ﾀ(5x-7)"},
      {94, 180, 0, "=ﾀ3/6ﾀ(3x-1)-ﾀ2/6ﾀ(5x-7)"}, {94, 260, 0, "=ﾀ9/6ﾀx-ﾀ3/6ﾀ-ﾀ10/6ﾀx+ﾀ14/6ﾀ"},
      {94, 340, 0, "=ﾀ9/6ﾀx-ﾀ10/6ﾀx-ﾀ3/6ﾀ+ﾀ14/6ﾀ"}, {94, 420, 5, "=-ﾀ1/6ﾀx+ﾀ11/6ﾀ"},
      {640, 60, 3, "(2)"}, {694, 60, 0, " ﾀa+1/4ﾀ-ﾀa-2/6ﾀ"}, {694, 140, 0, "=ﾀ1/4ﾀ(a+1)-ﾀ1/6ﾀ(a-2)"},
      {694, 220, 0, "=ﾀ3/12ﾀ(a+1)-ﾀ2/12ﾀ(a-2)"}, {694, 300, 0, "=ﾀ3/12ﾀa+ﾀ3/12ﾀ-ﾀ2/12ﾀa+ﾀ4/12ﾀ"},
      {694, 380, 0, "=ﾀ3/12ﾀa-ﾀ2/12ﾀa+ﾀ3/12ﾀ+ﾀ4/12ﾀ"}, {694, 460, 5, "=ﾀ1/12ﾀa+ﾀ7/12ﾀ"}});
  const ItemRun three(kApply, 5, 3, 0);
  EXPECT_TRUE(NumberBox(three, 40, 100));
  ExpectPage(three, 0, {
      {114, 100, 3, "(1)"}, {0, 100, 0, " p％=ﾀp/100ﾀ だから 増えた人数は x*ﾀp/100ﾀ="},
      {0, 100, 3, "ﾀpx/100ﾀ(人)"},
      {94, 170, 0, "今年の人数は　"}, {0, 170, 3, "x+ﾀpx/100ﾀ(人)"}, {0, 170, 0, " だから"},
      {94, 240, 5, "答 x+ﾀpx/100ﾀ≧400　"}, {-60, 240, 3, "(1+ﾀp/100ﾀ)x≧400  でもよい"},
      {40, 330, 3, "(2)"}, {94, 330, 0, " 1gの単価は a*ﾀ1/100ﾀ="}, {0, 330, 3, "ﾀa/100ﾀ(円)"},
      {94, 400, 0, "bgの代金は ﾀa/100ﾀ*b="}, {0, 400, 3, "ﾀab/100ﾀ(円)"}, {0, 400, 0, " だから"},
      {94, 470, 5, "答 ﾀab/100ﾀ=1000　"}}, false);
  // clang-format on
  EXPECT_TRUE(SameExpression("x+ﾀpx/100ﾀ", "(1+ﾀp/100ﾀ)x"));  // (1)'s two answers agree
}

}  // namespace
}  // namespace orvelle::test
