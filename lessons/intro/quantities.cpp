// Section 3's frame and its fixed worked examples: 例5, 例6 and 例10.
#include "lessons/intro/quantities.h"

#include <string>

#include "figures/dotted_arc.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/program.h"

namespace orvelle::intro {
namespace {

// A figure of the rectangle item: a box filled in colour 9 from (figX(1), figY(1)), and its left
// and bottom sides labelled on dotted arcs outside it.
void LabelledBox(Machine& m, float width, float height, const std::string& left,
                 const std::string& bottom) {
  BoxKept(m, m.figX[1], m.figY[1], {width, height, 0, 9}, 5, "");

  struct Side {
    float x1, y1, x2, y2;
    const std::string& label;
  };
  const Side sides[] = {
      {m.figX[1], m.figY[1], m.figX[1], m.figY[2], left},
      {m.figX[1], m.figY[2], m.figX[2], m.figY[2], bottom},
  };
  for (const Side& side : sides) {
    m.vertexX = side.x1;
    m.vertexY = side.y1;
    m.pointAX = side.x2;
    m.pointAY = side.y2;
    m.lineColor = 3;
    m.drawColor = 0;
    m.arcSide = 1;
    m.boxWidth = 5;    // degrees between the dots
    m.rowPitch = -20;  // a bulge of 20 units
    m.figureLabel = side.label;
    DrawDottedArcLabel(m);
  }
}

}  // namespace

void ShowQuantitiesMenu(Machine& m) {
  RunSection(m, ShowQuantitiesGoals, kQuantities,
             {ShowUnitsExample5, ShowRatioItem, ShowJuiceExample6, ShowSpeedItem,
              ShowCircleExample8, ShowCircleExercise12, ShowRectangleExample10});
}

void ShowQuantitiesGoals(Machine& m) {
  ShowGoals(m, 0,
            {"1 単位をそろえて式に表そう。", "2 割合や速さ、円に関する数量を式に表そう。",
             "3 文字式がどんな数量を表しているか考えよう。"});
}

void ShowUnitsExample5(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "例5 ");
  TextStep(m, m.afterX, m.lineY, 3, "xm");
  TextStep(m, m.afterX, m.lineY, 0, "のひもから");
  TextStep(m, m.afterX, m.lineY, 3, "ycm");
  TextStep(m, m.afterX, m.lineY, 0, "のひもを切り取った。");
  TextStep(m, m.indentX, m.lineY + 50, 0, "① 残ったひもは何");
  TextStep(m, m.afterX, m.lineY, 3, " cm");
  TextStep(m, m.indentX, m.lineY + 50, 0, "② 残ったひもは何");
  TextStep(m, m.afterX, m.lineY, 3, " m");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, "xm=100xcm");
  TextStep(m, m.afterX, m.lineY, 0, " だから ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "①　(100x-y)cm");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 3, "ycm=ﾀy/100ﾀm");
  TextStep(m, m.afterX, m.lineY, 0, " だから ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "②　(x-ﾀy/100ﾀ)m");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, "<注意>");
  TextStep(m, m.afterX, m.lineY, 0, "単位をそろえてから計算");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 0, "教科書P69問8 をしなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, "akg=1000ag");
  TextStep(m, m.afterX, m.lineY, 0, " だから ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "(1)　(1000a+40)g");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 0, "60分間=1時間,1分間=");
  TextStep(m, m.afterX, m.lineY, 3, "ﾀ1/60ﾀ時間");
  TextStep(m, m.afterX, m.lineY, 0, " だから ");
  TextStep(m, m.afterX, m.lineY, 3, "y分間=ﾀy/60ﾀ時間");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, "(2)　(x+ﾀy/60ﾀ)時間");
}

void ShowJuiceExample6(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 72;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 7, "例6 ");
  TextStep(m, m.afterX, m.lineY, 3, "aL");
  TextStep(m, m.afterX, m.lineY, 0, "の飲み物に果汁が");
  TextStep(m, m.afterX, m.lineY, 3, "70％");
  TextStep(m, m.afterX, m.lineY, 0, "の割合でふくまれている。");
  TextStep(m, m.indentX, m.lineY + 50, 0, "果汁の量は？");
  TextStep(m, m.indentX, m.lineY + 50, 7, "<解答>");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, "(飲み物の量)*(割合)");
  TextStep(m, m.afterX, m.lineY, 0, " だから ");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 0, "a*ﾀ70/100ﾀ=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "ﾀ7/10ﾀa (L)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 100, 7, "教科書P69問9 をしなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 80, 3, "(1)");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "x*ﾀ7/100ﾀ=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "ﾀ7/100ﾀx (kg)");
  TextStep(m, m.indentX, m.lineY + 80, 3, "(2)");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "y*ﾀ3/10ﾀ=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "ﾀ3/10ﾀy (円)");
}

void ShowRectangleExample10(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 81;
  m.lineY = 30;
  m.device.SetDrawWidth(5);  // the figures' borders and dots; left so for what follows

  m.figX[1] = 840;
  m.figX[2] = m.figX[1] + 240;
  m.figY[1] = 50;
  m.figY[2] = m.figY[1] + 150;
  LabelledBox(m, 240, 150, "acm", "bcm");

  TextStep(m, m.marginX, m.lineY, 0, "例10 右図の長方形で、");
  TextStep(m, m.marginX, m.lineY + 50, 0, "(1)");
  TextStep(m, m.afterX, m.lineY, 3, "ab");
  TextStep(m, m.afterX, m.lineY, 0, "はどんな数量を表していますか。");
  TextStep(m, m.indentX, m.lineY + 50, 0, "また、");
  TextStep(m, m.afterX, m.lineY, 3, "単位");
  TextStep(m, m.afterX, m.lineY, 0, "は何ですか。");
  m.auxNum[1] = m.lineY + 50;
  TextStep(m, m.marginX, m.lineY + 100, 0, "(2)");
  TextStep(m, m.afterX, m.lineY, 3, "2(a+b)");
  TextStep(m, m.afterX, m.lineY, 0, "はどんな数量を表していますか。");
  TextStep(m, m.indentX, m.lineY + 50, 0, "また、");
  TextStep(m, m.afterX, m.lineY, 3, "単位");
  TextStep(m, m.afterX, m.lineY, 0, "は何ですか。");
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

  Key(m);
  TextStep(m, m.marginX, m.lineY + 50, 0, "(1)4a ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "正方形の周の長さ");
  Key(m);
  TextStep(m, m.afterX + 60, m.lineY, 5, "cm");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 50, 0, "(2)a^2 ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "正方形の面積");
  Key(m);
  TextStep(m, m.afterX + 60, m.lineY, 5, "cm^2");
}

}  // namespace orvelle::intro
