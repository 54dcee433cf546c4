#include "lessons/apply/sticks.h"

#include "lessons/apply/cube_sticks.h"
#include "lessons/common/steps.h"

namespace orvelle::apply {
namespace {

// How the second figure of a pupil's way is drawn.
enum class Figure { kGrouped, kSticks };

// A pupil's way of counting: the heading, and the second row of cubes with the sticks that the
// pupil counts set apart.
struct Way {
  const char* heading;
  Figure figure;
  float gapV, colorBack, colorFront, gapH, colorH;  // the stick settings of kSticks
};

constexpr Way kCubeGroups = {"<ろみすさんの考え>", Figure::kGrouped, 0, 0, 0, 0, 0};
// Upright sticks cut loose from the top and bottom faces, the back ones in 3, the front in 7.
constexpr Way kFaces = {"<てむささんの考え>", Figure::kSticks, 15, 3, 7, 0, 0};
// Lengthwise sticks cut loose from the squares, in 3.
constexpr Way kSquares = {"<けぺとむさんの考え>", Figure::kSticks, 0, 0, 0, 15, 3};

// The way's row of cubes with its frame's top-left corner at (x, y), and its continuation mark.
void WayRow(Machine& m, const Way& way, float x, float y) {
  if (way.figure == Figure::kGrouped) {
    m.gridOriginX = x;
    m.gridOriginY = y;
    m.squareCount = 6;
    ComputeCubeRowPoints(m);
    DrawCubeRowGrouped(m);
  } else {
    m.stickGapV = way.gapV;
    m.stickColorBack = way.colorBack;
    m.stickColorFront = way.colorFront;
    m.stickGapH = way.gapH;
    m.stickColorH = way.colorH;
    DrawCubeRowAt(m, x, y);
  }
  DrawContinuationMark(m, 20);
}

// The heading of a way 50 below the last figure, its row of cubes 20 to the right of it (P81 Q).
void WayBesideHeading(Machine& m, const Way& way) {
  m.lineY = m.gridBaseY;
  TextStep(m, m.indentX, m.lineY + 50, 3, way.heading);
  WayRow(m, way, m.afterX + 20, m.lineY);
}

// The opening of items ② to ④: the plain row, the way's heading under it, the way's row under
// the heading; the texts go on 20 below it.
void OpenWay(Machine& m, const Way& way) {
  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
  DrawPlainCubeRow(m, m.lineY);
  m.lineY = m.gridBaseY;
  TextStep(m, m.indentX, m.lineY + 30, 3, way.heading);
  WayRow(m, way, 80, m.lineY + 60);
  Key(m);
}

// A new page with the cursor at its top-left.
void StartPage(Machine& m) {
  ClearPage(m, 1760, 1300);
  m.indentX = 40;
  m.lineY = 30;
}

}  // namespace

void ShowSticksGoals(Machine& m) {
  ShowGoals(m, 32, {"立方体をつなげて", "本棚をつくるとき、必要な棒の本数を求めよう。"});
}

void ShowSticksQuestion(Machine& m) {
  StartPage(m);
  TextStep(m, m.indentX, m.lineY, 7,
           "「教科書P81 Q」立方体をx個つなげてつくるとき、棒は何本必要？");
  DrawPlainCubeRow(m, m.lineY + 60);
  Key(m);
  WayBesideHeading(m, kCubeGroups);
  WayBesideHeading(m, kFaces);
}

void ShowCountByCubeGroups(Machine& m) {
  OpenWay(m, kCubeGroups);
  TextStep(m, m.indentX, m.gridBaseY + 20, 3, "式…");
  TextStep(m, m.afterX, m.lineY, 5, "{12+8(x-1)}本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "立方体の棒は、");
  TextStep(m, m.afterX, m.lineY, 3, "12本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "8本の組は、(x-1)組 だから ");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, "8(x-1)本");
  TextStep(m, m.indentX, m.lineY + 50, 0, "求める棒の本数は ");
  TextStep(m, m.afterX, m.lineY, 5, "{12+8(x-1)}本");
}

void ShowCountByFaces(Machine& m) {
  OpenWay(m, kFaces);
  TextStep(m, m.indentX, m.gridBaseY + 20, 0, "上の面は、(1+3x)本");
  TextStep(m, m.indentX, m.lineY + 50, 0, "下の面も、(1+3x)本 だから");
  Key(m);
  // A second column, right of the figures.
  m.indentX = 760;
  m.lineY = 150;
  TextStep(m, m.indentX, m.lineY + 50, 0, "上下の面の棒は、合わせて");
  TextStep(m, m.indentX, m.lineY + 50, 3, "(1+3x)*2=2+6x(本)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "縦の棒は、(x+1)本が2組で");
  TextStep(m, m.indentX, m.lineY + 50, 3, "(x+1)*2=2x+2(本)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "求める棒の本数は");
  TextStep(m, m.indentX, m.lineY + 50, 0, " (2+6x)+(2x+2)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=6x+2x+2+2");
  TextStep(m, m.indentX, m.lineY + 50, 5, "=8x+4(本)");
}

void ShowCountBySquares(Machine& m) {
  OpenWay(m, kSquares);
  TextStep(m, m.indentX, m.gridBaseY + 20, 3, "式…");
  TextStep(m, m.afterX, m.lineY, 5, "{4(x+1)+4x}本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "正方形の棒は、4本で(x+1)個 だから ");
  TextStep(m, m.afterX, m.lineY, 3, "4(x+1)本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "横の棒は、4本の組がx組 だから ");
  TextStep(m, m.afterX, m.lineY, 3, "4x本");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "求める棒の本数は ");
  TextStep(m, m.afterX, m.lineY, 5, "{4(x+1)+4x}本");
}

void CompareStickCounts(Machine& m) {
  StartPage(m);
  DrawPlainCubeRow(m, m.lineY);
  m.lineY = m.gridBaseY;
  TextStep(m, m.indentX, m.lineY + 30, 3, "それぞれの式を比べていえることは？");
  TextStep(m, m.indentX, m.lineY + 50, 3, "(1)");
  TextStep(m, m.afterX, m.lineY, 0, "12+8(x-1)");
  m.figX[32] = m.drawX;  // where line (1) goes on later
  m.figY[32] = m.drawY;
  TextStep(m, m.indentX, m.lineY + 50, 3, "(2)");
  TextStep(m, m.afterX, m.lineY, 0, "(1+3x)*2+(x+1)*2");
  TextStep(m, m.afterX, m.lineY, 5, "=8x+4(本)");
  TextStep(m, m.indentX, m.lineY + 50, 3, "(3)");
  TextStep(m, m.afterX, m.lineY, 0, "4(x+1)+4x");
  m.figX[31] = m.drawX;  // where line (3) goes on later
  m.figY[31] = m.drawY;
  Key(m);
  TextStep(m, m.figX[32], m.figY[32], 0, "=12+8x-8");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "=8x+4(本)");
  Key(m);
  TextStep(m, m.figX[31], m.figY[31], 0, "=4x+4+4x");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "=8x+4(本)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 3, "①");
  TextStep(m, m.afterX, m.lineY, 5, "どの式も計算した結果は同じ");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 3, "②");
  TextStep(m, m.afterX, m.lineY, 5, "式で考え方がわかる");
}

void ShowTwoTierShelf(Machine& m) {
  StartPage(m);
  TextStep(m, m.indentX, m.lineY, 7, "立方体を2段にしてx個つなげると、棒は何本必要？");
  ClearStickSettings(m);
  DrawCubeRowAt(m, 80, m.lineY + 60);
  // The lower row one unit above the upper row's bottom: its top face is the upper row's bottom.
  DrawCubeRowAt(m, 80, m.gridBaseY - m.cellSize);
  DrawContinuationMark(m, -30);  // one mark for both rows, beside the upper one
  m.lineY = m.gridBaseY;
  Key(m);
  HighlightCubeRowTopFace(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "まん中の面が1つ減るから、");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, " 2*(8x+4)-(1+3x)");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=16x+8-1-3x");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "=16x-3x+8-1");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 5, "=13x+7 (本)");
}

}  // namespace orvelle::apply
