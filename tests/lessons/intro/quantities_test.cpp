// Section 3 "数量の表し方、よみ方" of Orvelle: its frame and the fixed worked examples.
#include "lessons/intro/quantities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../../support/lesson_run.h"
#include "../../support/markup_value.h"
#include "lessons/intro/main_menu.h"

namespace orvelle {
namespace {

using test::ItemRun;
using test::kIntro;
using test::MarkupEnd;

TEST(QuantitiesSection, Example5UnitsBroughtTogether) {
  const float xm = MarkupEnd(40, "例5 ");
  const float then1 = MarkupEnd(40, "xm=100xcm");
  const float then2 = MarkupEnd(40, "ycm=ﾀy/100ﾀm");
  const float frac = MarkupEnd(40, "60分間=1時間,1分間=");
  const ItemRun item(kIntro, 3, 1, 10);
  item.Expect({
      {40, 30, 0, "例5 ", 0},
      {xm, 30, 3, "xm", 0},
      {MarkupEnd(40, "② 残ったひもは何"), 130, 3, " m", 0},
      {40, 180, 3, "xm=100xcm", 1},
      {then1, 180, 0, " だから ", 1},
      {MarkupEnd(then1, " だから "), 180, 5, "①　(100x-y)cm", 2},
      {40, 260, 3, "ycm=ﾀy/100ﾀm", 3},
      {MarkupEnd(then2, " だから "), 260, 5, "②　(x-ﾀy/100ﾀ)m", 4},
      {MarkupEnd(40, "<注意>"), 330, 0, "単位をそろえてから計算", 5},
      {40, 450, 3, "akg=1000ag", 7},
      {MarkupEnd(MarkupEnd(40, "akg=1000ag"), " だから "), 450, 5, "(1)　(1000a+40)g", 8},
      {frac, 520, 3, "ﾀ1/60ﾀ時間", 9},
      {MarkupEnd(MarkupEnd(frac, "ﾀ1/60ﾀ時間"), " だから "), 520, 3, "y分間=ﾀy/60ﾀ時間", 9},
      {40, 590, 5, "(2)　(x+ﾀy/60ﾀ)時間", 10},
  });
  // What is left of the string in cm is 100 times what is left in m.
  EXPECT_TRUE(test::SameExpression("100x-y", "100(x-ﾀy/100ﾀ)"));
}

TEST(QuantitiesSection, Example6JuiceAndExercise9) {
  const float al = MarkupEnd(40, "例6 ");
  const float x1 = MarkupEnd(112, "(1)");
  const float x2 = MarkupEnd(112, "(2)");
  const ItemRun item(kIntro, 3, 3, 9);
  item.Expect({
      {40, 30, 7, "例6 ", 0},
      {al, 30, 3, "aL", 0},
      {112, 130, 7, "<解答>", 0},
      {112, 180, 3, "(飲み物の量)*(割合)", 1},
      {112, 260, 0, "a*ﾀ70/100ﾀ=", 2},
      {MarkupEnd(112, "a*ﾀ70/100ﾀ="), 260, 5, "ﾀ7/10ﾀa (L)", 3},
      {112, 440, 3, "(1)", 5},
      {x1, 440, 0, "x*ﾀ7/100ﾀ=", 6},
      // "(2)" comes with the answer of (1), without a key between them.
      {MarkupEnd(x1, "x*ﾀ7/100ﾀ="), 440, 5, "ﾀ7/100ﾀx (kg)", 7},
      {112, 520, 3, "(2)", 7},
      {MarkupEnd(x2, "y*ﾀ3/10ﾀ="), 520, 5, "ﾀ3/10ﾀy (円)", 9},
  });
  // Each share in letter notation is the product it rewrites.
  const test::Screen screen(item.log());
  for (const auto& [product, share] : {std::pair{"a*ﾀ70/100ﾀ=", "ﾀ7/10ﾀa (L)"},
                                       {"x*ﾀ7/100ﾀ=", "ﾀ7/100ﾀx (kg)"},
                                       {"y*ﾀ3/10ﾀ=", "ﾀ3/10ﾀy (円)"}}) {
    EXPECT_TRUE(screen.Shows(product) && screen.Shows(share)) << product;
    EXPECT_TRUE(test::SameExpression(product, share)) << product;
  }
}

TEST(QuantitiesSection, Example10RectangleAndSquare) {
  const ItemRun item(kIntro, 3, 7, 11);
  const auto& log = item.log();
  const float square = MarkupEnd(40, "教科書P70 問13 をしなさい。") + 240;
  const float a2 = MarkupEnd(40, "(2)a^2 ");
  item.Expect({
      {40, 30, 0, "例10 右図の長方形で、", 0},
      {MarkupEnd(40, "(1)"), 80, 3, "ab", 0},
      {MarkupEnd(121, "また、"), 130, 3, "単位", 0},
      {121, 180, 5, "長方形の面積", 1},
      {MarkupEnd(121, "長方形の面積") + 60, 180, 5, "cm^2", 2},
      {MarkupEnd(40, "(2)"), 230, 3, "2(a+b)", 0},
      {121, 330, 5, "長方形の周の長さ", 3},
      {MarkupEnd(121, "長方形の周の長さ") + 60, 330, 5, "cm", 4},
      {40, 400, 7, "教科書P70 問13 をしなさい。", 5},
      {40, 450, 0, "(1)4a ", 6},
      {40, 500, 0, "(2)a^2 ", 9},
      {a2, 500, 5, "正方形の面積", 10},
      {MarkupEnd(a2, "正方形の面積") + 60, 500, 5, "cm^2", 11},
  });

  // The rectangle (840, 50)-(1080, 200) drawn first, at width 5; the square 240 after the end
  // of the pointer, from y 300 to 450. Both border 0, fill 9.
  const auto& first = item.screens[0];
  const auto rect = std::find_if(first.begin(), first.end(),
                                 [](const DrawCall& c) { return c.op == Op::kBox && c.fill == 9; });
  ASSERT_NE(rect, first.end());
  EXPECT_TRUE(test::HasBox({rect, rect + 1}, 840, 50, 1080, 200, 0, 9));
  EXPECT_EQ(rect->width, 5);
  EXPECT_FALSE(test::DrewMarkup({first.begin(), rect}, 40, 30, 0, "例10 右図の長方形で、"));
  EXPECT_TRUE(test::HasBox(log, square, 300, square + 150, 450, 0, 9));
  // Four dotted arcs (each a half turn in 5-degree steps), labelled outside the figures.
  int dots = 0, labels = 0;
  for (const auto& c : log) {
    dots += c.op == Op::kCircle && c.r == 0.5f && c.color == 3;
    if (c.op == Op::kText && c.s == "m" && c.color == 0 &&
        c.y1 < 900) {  // not off-screen measuring
      ++labels;
      const bool leftOfRect = c.x1 < 840 && c.y1 > 50 && c.y1 < 200;
      const bool belowRect = c.y1 > 200 && c.y1 < 300 && c.x1 > 840 && c.x1 < 1080;
      const bool leftOfSquare = c.x1 < square && c.y1 > 300 && c.y1 < 450;
      const bool belowSquare = c.y1 > 450 && c.x1 > square && c.x1 < square + 150;
      EXPECT_TRUE(leftOfRect || belowRect || leftOfSquare || belowSquare) << c.x1 << "," << c.y1;
    }
  }
  EXPECT_EQ(dots, 4 * 37);
  EXPECT_EQ(labels, 4);
  // Nothing erases the rectangle from then until the item is over (its 11 keys).
  std::vector<DrawCall> shown(rect, first.end());
  for (size_t k = 1; k <= 11; ++k)
    shown.insert(shown.end(), item.screens[k].begin(), item.screens[k].end());
  for (const auto& c : shown) {
    EXPECT_FALSE(c.op == Op::kBox && c.fill == 15 && c.x1 < 1080 && c.x2 > 840 && c.y1 < 200 &&
                 c.y2 > 50)
        << c.ToString();
  }
}

}  // namespace
}  // namespace orvelle
