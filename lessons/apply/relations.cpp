// The section's frame and its fixed pages: the postage table, the museum fees and the string.
#include "lessons/apply/relations.h"

#include "figures/dotted_arc.h"
#include "figures/grid.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"
#include "platform/palette.h"

namespace orvelle::apply {
namespace {

// --- ① the postage table ---

constexpr BoxStyle kWeightCell{180, 50, 3, 15};
constexpr BoxStyle kChargeCell{120, 50, 3, 15};

struct PostageRow {
  const char* weight;
  const char* charge;
};
constexpr PostageRow kPostage[] = {{"重さ", "料金"}, {"25gまで", "84円"}, {"50gまで", "94円"}};

using enum Place;

// clang-format off
// The two questions of P84Q, left of the table: the sheets, their weight worked out, and the
// charge read off the table (4 g a sheet and 5 g the envelope fall under "25gまで" both times).
constexpr PageText kPostageQuestions[] = {
    {kMargin, 50, 3, "(1)"}, {kIndent, 0, 0, "1枚4gの便せん4枚を、"},
        {kIndent, 50, 0, "重さ5gの封筒で送るときの料金は？"},
        {kKey}, {kIndent, 50, 3, "重さは "}, {kAfter, 0, 0, "4*4+5="},
        {kKey}, {kAfter, 0, 0, "16+5="}, {kAfter, 0, 3, "21 (g)"},
        {kIndent, 50, 0, "だから　"}, {kKey}, {kAfter, 0, 5, "84円"},
    {kKey},
    {kMargin, 90, 3, "(2)"}, {kIndent, 0, 0, "1枚4gの便せん5枚を、"},
        {kIndent, 50, 0, "重さ5gの封筒で送るときの料金は？"},
        {kKey}, {kIndent, 50, 3, "重さは "}, {kAfter, 0, 0, "4*5+5="},
        {kKey}, {kAfter, 0, 0, "20+5="}, {kAfter, 0, 3, "25 (g)"},
        {kIndent, 50, 0, "だから　"}, {kKey}, {kAfter, 0, 5, "84円"},
};
// clang-format on

// --- ⑥ the museum fees ---

constexpr PageText kMuseumFees[] = {
    {kMargin, 0, 0, "例3　ある美術館の入館料は、おとなa円,中学生b円です。"},
    {kMargin, 50, 0, "(1)"},
    {kIndent, 0, 3, "2a+3b<5000 "},
    {kAfter, 0, 0, "はどんなことを表していますか。"},
    {kKey},
    {kIndent, 50, 3, "2a"},
    {kAfter, 0, 0, "…おとな2人の入館料"},
    {kAfter, 50, 3, "3b"},
    {kAfter, 0, 0, "…中学生3人の入館料"},
    {kKey},
    {kIndent, 50, 3, "2a+3b"},
    {kAfter, 0, 0, "…その合計"},
    {kKey},
    {kAfter, 50, 3, "<5000"},
    {kAfter, 0, 0, "…5000円より安いこと だから"},
    {kKey},
    {kIndent, 50, 5, "おとな2人と中学生3人の入館料の合計は、5000円より安いこと"},
    {kKey},
    {kMargin, 50, 0, "(2)"},
    {kIndent, 0, 0, "2a+4b≧5000 "},
    {kAfter, 0, 0, "は?"},
    {kKey},
    {kAfter, 50, 3, "≧5000"},
    {kAfter, 0, 0, "…5000円以上 だから"},
    {kKey},
    {kIndent, 50, 5, "おとな2人と中学生4人の入館料の合計は、5000円以上であること"},
    {kKey},
    {kMargin, 50, 0, "(3)"},
    {kIndent, 0, 0, "a-b=900 "},
    {kAfter, 0, 0, "は?"},
    {kKey},
    {kAfter, 30, 3, "a-b"},
    {kAfter, 0, 0, "…おとな1人と中学生1人の入館料の差 だから"},
    {kKey},
    {kIndent, 50, 5, "おとな1人と中学生1人の入館料の差は、900円であること"},
    {kKey},
    {kMargin, 50, 0, "(4)"},
    {kIndent, 0, 0, "a+b>2000 "},
    {kAfter, 0, 0, "は?"},
    {kKey},
    {kAfter, 50, 3, ">2000"},
    {kAfter, 0, 0, "…2000円より高いこと だから"},
    {kKey},
    {kIndent, 50, 5, "おとな1人と中学生1人の入館料の合計は、2000円より高いこと"},
};

// --- ⑧ the string ---

// The string's ends and the two cuts, in cells of 50 on a grid whose bottom-left is (600, 230):
// two pieces of 3 cells (a m each), 5 cells left over (5 m).
constexpr float kStringU[] = {0, 3, 6, 11};
constexpr float kStringV = 2;

// A dotted arc from point `from` to point `to` with its length: the pieces bulge 20 below the
// string, the whole string 40 above it.
struct StringArc {
  int from, to;
  const char* label;
  float side;
  float pitch;
};
constexpr StringArc kStringArcs[] = {
    {1, 2, "am", 1, -20},
    {2, 3, "am", 1, -20},
    {3, 4, "5m", 1, -20},
    {1, 4, "xm", -1, -40},
};

void DrawString(Machine& m) {
  m.gridOriginX = 600;
  m.gridOriginY = 30;
  m.gridCols = 11;
  m.boxHeight = 4;
  m.lineColor = kBackgroundColor;  // no lines: the grid only places the points
  m.cellSize = 50;
  DrawGrid(m);
  for (int i = 1; i <= 4; ++i) {
    m.figX[i] = kStringU[i - 1];
    m.figY[i] = kStringV;
  }
  for (int i = 1; i <= 4; ++i) {
    m.figX[i] = m.gridBaseX + m.cellSize * m.figX[i];
    m.figY[i] = m.gridBaseY - m.cellSize * m.figY[i];
  }
  m.device.SetDrawWidth(12);
  m.device.Line(m.figX[1], m.figY[1], m.figX[4], m.figY[4], 9);
  m.device.SetDrawWidth(5);
  for (const StringArc& arc : kStringArcs) {
    m.vertexX = m.figX[arc.from];
    m.vertexY = m.figY[arc.from];
    m.pointAX = m.figX[arc.to];
    m.pointAY = m.figY[arc.to];
    m.drawColor = 3;
    m.lineColor = 3;
    m.arcSide = arc.side;
    m.boxWidth = 1;  // a dot every degree
    m.rowPitch = arc.pitch;
    m.figureLabel = arc.label;
    DrawDottedArcLabel(m);
  }
  m.device.SetDrawWidth(3);
}

// clang-format off
// P85 問2's answers: each expression, then what its terms are, a key apart.
constexpr PageText kStringAnswers[] = {
    {kMargin, 0, 3, "教科書P85　問2の答"},
    {kMargin, 70, 3, "(1)"}, {kAfter, 20, 0, "2a+5=x"},
    {kKey},
    {kIndent, 50, 3, "2a"}, {kAfter, 0, 0, "…切り取ったひもの長さ"},
    {kIndent, 50, 3, "5"}, {kAfter, 0, 0, "…残りのひもの長さ"},
    {kIndent, 50, 3, "その和"}, {kAfter, 0, 0, "　だから"},
    {kIndent, 50, 5, "答　全体の長さ"},
    {kKey},
    {kMargin, 70, 3, "(2)"}, {kAfter, 20, 0, "x-2a>0"},
    {kKey},
    {kIndent, 50, 3, "x"}, {kAfter, 0, 0, "…全体の長さ"},
    {kIndent, 50, 3, "2a"}, {kAfter, 0, 0, "…切り取ったひもの長さ"},
    {kIndent, 50, 3, "その差"}, {kAfter, 0, 0, "　だから"},
    {kIndent, 50, 5, "答　残りのひもの長さは0mより長い"},
};
// clang-format on

}  // namespace

void ShowRelationsGoals(Machine& m) {
  ShowGoals(
      m, 32,
      {"1 数量の間の関係を等式や不等式で表そう。", "2 等式や不等式が表す数量の関係を読みとろう。"});
}

void ShowPostageTable(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 81, 30);
  TextStep(m, m.marginX, m.lineY, 3, "教科書P84Q　をやってみよう。");
  m.device.SetDrawWidth(5);  // the table's borders; left so for what follows
  m.coef[1] = m.afterX + 300;
  m.auxNum[1] = m.lineY;
  float top = m.auxNum[1];
  for (const PostageRow& row : kPostage) {
    BoxStep(m, m.coef[1], top, kWeightCell, 0, row.weight);
    BoxStep(m, m.afterX, m.lineY, kChargeCell, 0, row.charge);
    top = m.lineY + 50;
  }
  // The questions from under the title, left of the table.
  StartColumn(m, 40, 81, m.auxNum[1]);
  WriteTexts(m, kPostageQuestions);
}

void ShowMuseumFeesExample(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 81, 30);
  WriteTexts(m, kMuseumFees);
}

void ShowStringCuttingAnswers(Machine& m) {
  ClearPage(m, 1760, 1300);
  DrawString(m);
  StartColumn(m, 40, 60, 30);
  WriteTexts(m, kStringAnswers);
}

}  // namespace orvelle::apply
