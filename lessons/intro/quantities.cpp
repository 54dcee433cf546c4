// Section 3's frame and its fixed worked examples: 例5, 例6 and 例10.
#include "lessons/intro/quantities.h"

#include <string>

#include "figures/dotted_arc.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::intro {
namespace {

using enum Place;

// A side of a figure from (x1, y1) to (x2, y2), labelled on a dotted arc outside it.
void SideLabel(Machine& m, float x1, float y1, float x2, float y2, const std::string& label) {
  m.vertexX = x1;
  m.vertexY = y1;
  m.pointAX = x2;
  m.pointAY = y2;
  m.lineColor = 3;
  m.drawColor = 0;
  m.arcSide = 1;
  m.boxWidth = 5;    // degrees between the dots
  m.rowPitch = -20;  // a bulge of 20 units
  m.figureLabel = label;
  DrawDottedArcLabel(m);
}

// A figure of the rectangle item: a box filled in colour 9 from (figX(1), figY(1)), and its left
// and bottom sides labelled on dotted arcs outside it.
void LabelledBox(Machine& m, float width, float height, const std::string& left,
                 const std::string& bottom) {
  BoxKept(m, m.figX[1], m.figY[1], {width, height, 0, 9}, 5, "");
  SideLabel(m, m.figX[1], m.figY[1], m.figX[1], m.figY[2], left);
  SideLabel(m, m.figX[1], m.figY[2], m.figX[2], m.figY[2], bottom);
}

// clang-format off
// 例5: a string of x m less y cm, in cm and in m; then P69 問8.
constexpr PageText kUnits[] = {
    {kMargin, 0, 0, "例5 "}, {kAfter, 0, 3, "xm"}, {kAfter, 0, 0, "のひもから"},
        {kAfter, 0, 3, "ycm"}, {kAfter, 0, 0, "のひもを切り取った。"},
    {kMargin, 50, 0, "① 残ったひもは何"}, {kAfter, 0, 3, " cm"},
    {kMargin, 50, 0, "② 残ったひもは何"}, {kAfter, 0, 3, " m"},
    {kKey},
    {kMargin, 50, 3, "xm=100xcm"}, {kAfter, 0, 0, " だから "}, {kKey},
        {kAfter, 0, 5, "①　(100x-y)cm"},
    {kKey},
    {kMargin, 80, 3, "ycm=ﾀy/100ﾀm"}, {kAfter, 0, 0, " だから "}, {kKey},
        {kAfter, 0, 5, "②　(x-ﾀy/100ﾀ)m"},
    {kKey},
    {kMargin, 70, 5, "<注意>"}, {kAfter, 0, 0, "単位をそろえてから計算"},
    {kKey},
    {kMargin, 70, 0, "教科書P69問8 をしなさい。"},
    {kKey},
    {kMargin, 50, 3, "akg=1000ag"}, {kAfter, 0, 0, " だから "}, {kKey},
        {kAfter, 0, 5, "(1)　(1000a+40)g"},
    {kKey},
    {kMargin, 70, 0, "60分間=1時間,1分間="}, {kAfter, 0, 3, "ﾀ1/60ﾀ時間"},
        {kAfter, 0, 0, " だから "}, {kAfter, 0, 3, "y分間=ﾀy/60ﾀ時間"},
    {kKey},
    {kMargin, 70, 5, "(2)　(x+ﾀy/60ﾀ)時間"},
};

// 例6: 70 % of a L of drink; then P69 問9.
constexpr PageText kJuice[] = {
    {kMargin, 0, 7, "例6 "}, {kAfter, 0, 3, "aL"}, {kAfter, 0, 0, "の飲み物に果汁が"},
        {kAfter, 0, 3, "70％"}, {kAfter, 0, 0, "の割合でふくまれている。"},
    {kIndent, 50, 0, "果汁の量は？"},
    {kIndent, 50, 7, "<解答>"},
    {kKey},
    {kIndent, 50, 3, "(飲み物の量)*(割合)"}, {kAfter, 0, 0, " だから "},
    {kKey},
    {kIndent, 80, 0, "a*ﾀ70/100ﾀ="}, {kKey}, {kAfter, 0, 5, "ﾀ7/10ﾀa (L)"},
    {kKey},
    {kIndent, 100, 7, "教科書P69問9 をしなさい。"},
    {kKey},
    {kIndent, 80, 3, "(1)"}, {kKey}, {kAfter, 0, 0, "x*ﾀ7/100ﾀ="}, {kKey},
        {kAfter, 0, 5, "ﾀ7/100ﾀx (kg)"},
    {kIndent, 80, 3, "(2)"}, {kKey}, {kAfter, 0, 0, "y*ﾀ3/10ﾀ="}, {kKey},
        {kAfter, 0, 5, "ﾀ3/10ﾀy (円)"},
};

// 例10's two questions on the rectangle, each leaving a line for its answer.
constexpr PageText kRectangleArea[] = {
    {kMargin, 0, 0, "例10 右図の長方形で、"},
    {kMargin, 50, 0, "(1)"}, {kAfter, 0, 3, "ab"}, {kAfter, 0, 0, "はどんな数量を表していますか。"},
    {kIndent, 50, 0, "また、"}, {kAfter, 0, 3, "単位"}, {kAfter, 0, 0, "は何ですか。"},
};

constexpr PageText kRectanglePerimeter[] = {
    {kMargin, 100, 0, "(2)"}, {kAfter, 0, 3, "2(a+b)"},
        {kAfter, 0, 0, "はどんな数量を表していますか。"},
    {kIndent, 50, 0, "また、"}, {kAfter, 0, 3, "単位"}, {kAfter, 0, 0, "は何ですか。"},
};

// P70 問13 on the square, under its pointer.
constexpr PageText kSquare[] = {
    {kKey},
    {kMargin, 50, 0, "(1)4a "}, {kKey}, {kAfter, 0, 5, "正方形の周の長さ"},
        {kKey}, {kAfter, 60, 5, "cm"},
    {kKey},
    {kMargin, 50, 0, "(2)a^2 "}, {kKey}, {kAfter, 0, 5, "正方形の面積"},
        {kKey}, {kAfter, 60, 5, "cm^2"},
};
// clang-format on

}  // namespace

void ShowQuantitiesGoals(Machine& m) {
  ShowGoals(m, 0,
            {"1 単位をそろえて式に表そう。", "2 割合や速さ、円に関する数量を式に表そう。",
             "3 文字式がどんな数量を表しているか考えよう。"});
}

void ShowUnitsExample5(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  WriteTexts(m, kUnits);
}

void ShowJuiceExample6(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 72, 30);
  WriteTexts(m, kJuice);
}

void ShowRectangleExample10(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 81, 30);
  m.device.SetDrawWidth(5);  // the figures' borders and dots; left so for what follows

  m.figX[1] = 840;
  m.figX[2] = m.figX[1] + 240;
  m.figY[1] = 50;
  m.figY[2] = m.figY[1] + 150;
  LabelledBox(m, 240, 150, "acm", "bcm");

  // Each answer goes on the line its question left.
  WriteTexts(m, kRectangleArea);
  m.auxNum[1] = m.lineY + 50;
  WriteTexts(m, kRectanglePerimeter);
  m.auxNum[2] = m.lineY + 50;
  Key(m);
  TextStep(m, m.indentX, m.auxNum[1], 5, "長方形の面積");
  Key(m);
  TextStep(m, m.afterX + 60, m.lineY, 5, "cm^2");
  Key(m);
  TextStep(m, m.indentX, m.auxNum[2], 5, "長方形の周の長さ");
  Key(m);
  TextStep(m, m.afterX + 60, m.lineY, 5, "cm");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 70, 7, "教科書P70 問13 をしなさい。");

  // The square stands 240 after the pointer, from 100 above its line down to the next line.
  m.figX[1] = m.afterX + 240;
  m.figX[2] = m.figX[1] + 150;
  m.figY[1] = m.lineY - 100;
  m.figY[2] = m.figY[1] + 150;
  LabelledBox(m, 150, 150, "acm", "acm");
  WriteTexts(m, kSquare);
}

void EraseDrillArea(Machine& m, float x1, float y1, float x2, float y2) {
  m.figX[1] = x1;
  m.figY[1] = y1;
  m.figX[2] = x2;
  m.figY[2] = y2;
  EraseRect(m, m.figX[1], m.figY[1], m.figX[2], m.figY[2]);
}

}  // namespace orvelle::intro
