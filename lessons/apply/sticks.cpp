#include "lessons/apply/sticks.h"

#include "lessons/apply/cube_sticks.h"
#include "lessons/common/page.h"
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
  StartColumn(m, 40, 0, m.gridBaseY);
  TextStep(m, m.marginX, m.lineY + 50, 3, way.heading);
  WayRow(m, way, m.afterX + 20, m.lineY);
}

// The opening of items ② to ④: the plain row, the way's heading under it, the way's row under
// the heading; the column then starts under that row, its texts 20 below it.
void OpenWay(Machine& m, const Way& way) {
  ClearPage(m, 1760, 1300);
  DrawPlainCubeRow(m, 30);
  StartColumn(m, 40, 0, m.gridBaseY);
  TextStep(m, m.marginX, m.lineY + 30, 3, way.heading);
  WayRow(m, way, 80, m.lineY + 60);
  Key(m);
  StartColumn(m, 40, 0, m.gridBaseY);
}

using enum Place;

// clang-format off
constexpr PageText kCountByCubeGroups[] = {
    {kMargin, 20, 3, "式…"}, {kAfter, 0, 5, "{12+8(x-1)}本"},
    {kKey},
    {kMargin, 50, 0, "立方体の棒は、"}, {kAfter, 0, 3, "12本"},
    {kKey},
    {kMargin, 50, 0, "8本の組は、(x-1)組 だから "}, {kKey}, {kAfter, 0, 3, "8(x-1)本"},
    {kMargin, 50, 0, "求める棒の本数は "}, {kAfter, 0, 5, "{12+8(x-1)}本"},
};

constexpr PageText kTopAndBottomFaces[] = {
    {kMargin, 20, 0, "上の面は、(1+3x)本"},
    {kMargin, 50, 0, "下の面も、(1+3x)本 だから"},
    {kKey},
};

// Right of the figures.
constexpr PageText kCountByFaces[] = {
    {kMargin, 50, 0, "上下の面の棒は、合わせて"},
    {kMargin, 50, 3, "(1+3x)*2=2+6x(本)"},
    {kKey},
    {kMargin, 50, 0, "縦の棒は、(x+1)本が2組で"},
    {kMargin, 50, 3, "(x+1)*2=2x+2(本)"},
    {kKey},
    {kMargin, 50, 0, "求める棒の本数は"},
    {kMargin, 50, 0, " (2+6x)+(2x+2)"},
    {kKey},
    {kMargin, 50, 0, "=6x+2x+2+2"},
    {kMargin, 50, 5, "=8x+4(本)"},
};

constexpr PageText kCountBySquares[] = {
    {kMargin, 20, 3, "式…"}, {kAfter, 0, 5, "{4(x+1)+4x}本"},
    {kKey},
    {kMargin, 50, 0, "正方形の棒は、4本で(x+1)個 だから "}, {kAfter, 0, 3, "4(x+1)本"},
    {kKey},
    {kMargin, 50, 0, "横の棒は、4本の組がx組 だから "}, {kAfter, 0, 3, "4x本"},
    {kKey},
    {kMargin, 50, 0, "求める棒の本数は "}, {kAfter, 0, 5, "{4(x+1)+4x}本"},
};

// What the three expressions, worked out, show.
constexpr PageText kWhatTheyShow[] = {
    {kKey},
    {kMargin, 70, 3, "①"}, {kAfter, 0, 5, "どの式も計算した結果は同じ"},
    {kKey},
    {kMargin, 70, 3, "②"}, {kAfter, 0, 5, "式で考え方がわかる"},
};

// Under the two rows, once the shared face is shown.
constexpr PageText kTwoTierCount[] = {
    {kMargin, 50, 0, "まん中の面が1つ減るから、"},
    {kKey},
    {kMargin, 50, 3, " 2*(8x+4)-(1+3x)"},
    {kKey},
    {kMargin, 50, 0, "=16x+8-1-3x"},
    {kKey},
    {kMargin, 50, 0, "=16x-3x+8-1"},
    {kKey},
    {kMargin, 50, 5, "=13x+7 (本)"},
};
// clang-format on

}  // namespace

void ShowSticksGoals(Machine& m) {
  ShowGoals(m, 32, {"立方体をつなげて", "本棚をつくるとき、必要な棒の本数を求めよう。"});
}

void ShowSticksQuestion(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  TextStep(m, m.marginX, m.lineY, 7,
           "「教科書P81 Q」立方体をx個つなげてつくるとき、棒は何本必要？");
  DrawPlainCubeRow(m, m.lineY + 60);
  Key(m);
  WayBesideHeading(m, kCubeGroups);
  WayBesideHeading(m, kFaces);
}

void ShowCountByCubeGroups(Machine& m) {
  OpenWay(m, kCubeGroups);
  WriteTexts(m, kCountByCubeGroups);
}

void ShowCountByFaces(Machine& m) {
  OpenWay(m, kFaces);
  WriteTexts(m, kTopAndBottomFaces);
  StartColumn(m, 760, 0, 150);
  WriteTexts(m, kCountByFaces);
}

void ShowCountBySquares(Machine& m) {
  OpenWay(m, kSquares);
  WriteTexts(m, kCountBySquares);
}

void CompareStickCounts(Machine& m) {
  ClearPage(m, 1760, 1300);
  DrawPlainCubeRow(m, 30);
  StartColumn(m, 40, 0, m.gridBaseY);
  TextStep(m, m.marginX, m.lineY + 30, 3, "それぞれの式を比べていえることは？");
  TextStep(m, m.marginX, m.lineY + 50, 3, "(1)");
  TextStep(m, m.afterX, m.lineY, 0, "12+8(x-1)");
  m.figX[32] = m.drawX;  // where line (1) goes on later
  m.figY[32] = m.drawY;
  TextStep(m, m.marginX, m.lineY + 50, 3, "(2)");
  TextStep(m, m.afterX, m.lineY, 0, "(1+3x)*2+(x+1)*2");
  TextStep(m, m.afterX, m.lineY, 5, "=8x+4(本)");
  TextStep(m, m.marginX, m.lineY + 50, 3, "(3)");
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
  WriteTexts(m, kWhatTheyShow);
}

void ShowTwoTierShelf(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 0, 30);
  TextStep(m, m.marginX, m.lineY, 7, "立方体を2段にしてx個つなげると、棒は何本必要？");
  ClearStickSettings(m);
  DrawCubeRowAt(m, 80, m.lineY + 60);
  // The lower row one unit above the upper row's bottom: its top face is the upper row's bottom.
  DrawCubeRowAt(m, 80, m.gridBaseY - m.cellSize);
  DrawContinuationMark(m, -30);  // one mark for both rows, beside the upper one
  Key(m);
  HighlightCubeRowTopFace(m);
  StartColumn(m, 40, 0, m.gridBaseY);
  WriteTexts(m, kTwoTierCount);
}

}  // namespace orvelle::apply
