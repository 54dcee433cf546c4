// Items ②, ③ and ④ of section 3: letters of 4 g in an envelope of 5 g weighed against 25 g, on
// a balance that tilts frame by frame (② and ③) or stands still (④).
#include <span>

#include "lessons/apply/balance.h"
#include "lessons/apply/relations.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::apply {
namespace {

using enum Place;

// How long each frame of a tilt stands: 50 ms, 20 frames a second.
constexpr int kFramePause = 50;

// clang-format off
// ②'s answer: the balance stands level, an equality.
constexpr PageText kEqualityAnswer[] = {
    {kIndent, 50, 7, "<解答>"},
    {kIndent, 50, 3, "つり合う(等しい）ときは、"}, {kAfter, 0, 5, "等号= "},
        {kAfter, 0, 0, "を使って表す。"},
    {kKey},
    {kIndent, 50, 0, "てんびんの左側の重さは"},
    {kIndent, 50, 3, "4x+5(g)"}, {kAfter, 0, 0, " だから"},
    {kIndent, 50, 5, "4x+5=25"},
    {kKey},
    {kIndent, 100, 5, "等式"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "等号="},
        {kAfter, 0, 0, "を使って関係を表した式"},
    {kIndent, 50, 0, "4x+5=25"},
    {kKey},
    {kIndent, 50, 5, "左辺"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "等号"},
        {kAfter, 0, 0, "の左側(4x+5)"},
    {kIndent, 50, 5, "右辺"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "等号"},
        {kAfter, 0, 0, "の右側(25)"},
};

// ③'s answer: the letters are lighter, an inequality.
constexpr PageText kInequalityAnswer[] = {
    {kIndent, 50, 7, "<解答>"},
    {kIndent, 50, 3, "軽い(小さい)ときは、"}, {kAfter, 0, 5, "不等号< "},
        {kAfter, 0, 0, "を使って表す。"},
    {kKey},
    {kIndent, 50, 0, "てんびんの左側の重さは"},
    {kIndent, 50, 3, "4y+5(g)"}, {kAfter, 0, 0, " だから"},
    {kIndent, 50, 5, "4y+5<25"},
    {kKey},
    {kIndent, 100, 5, "不等式"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "不等号<,>"},
        {kAfter, 0, 0, "を使って関係を表した式"},
    {kIndent, 50, 0, "4y+5<25,25>4y+5"},
    {kKey},
    {kIndent, 50, 5, "左辺"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "不等号"},
        {kAfter, 0, 0, "の左側(<は4y+5,>は25)"},
    {kIndent, 50, 5, "右辺"}, {kAfter, 0, 0, "…"}, {kAfter, 0, 3, "不等号"},
        {kAfter, 0, 0, "の右側(<は25,>は4y+5)"},
};
// clang-format on

// ④'s answer, under its two balances.
constexpr PageText kAtMostAtLeastAnswer[] = {
    {kIndent, 50, 5, "以下"},
    {kAfter, 0, 3, "は、等しいか軽いときで、"},
    {kAfter, 0, 5, "不等号≦ "},
    {kAfter, 0, 0, "を使って表す。"},
    {kKey},
    {kIndent, 50, 0, "てんびんの左側の重さは"},
    {kAfter, 0, 3, "4a+5(g)"},
    {kAfter, 0, 0, " だから "},
    {kAfter, 0, 5, "4a+5≦25"},
    {kKey},
    {kIndent, 50, 5, "以上"},
    {kAfter, 0, 3, "は、等しいか重いときで、"},
    {kAfter, 0, 5, "不等号≧ "},
    {kAfter, 0, 0, "を使って表す。"},
    {kKey},
    {kIndent, 50, 0, "25g以上なら　"},
    {kAfter, 0, 3, "4a+5≧25"},
    {kKey},
    {kIndent, 50, 0, "25g"},
    {kAfter, 0, 5, "未満"},
    {kAfter, 0, 0, "なら　"},
    {kAfter, 0, 3, "4a+5<25"},
};

// An example: its question on two lines, the letters it weighs and its answer's texts.
struct BalanceExample {
  const char* question1;
  const char* question2;
  const char* letters;  // the letters' label on the left pan
  float swingBackLast;  // the last frame of the swing back: 8 ends level, 16 the other way down
  std::span<const PageText> answer;
};

constexpr BalanceExample kEquality{"例1　1枚4gの便せんx枚を、重さ5gの封筒に入れると、",
                                   "重さは25gになった。この関係を式に表しなさい。", "便せんx枚", 8,
                                   kEqualityAnswer};
constexpr BalanceExample kInequality{"例1-2　1枚4gの便せんy枚を、重さ5gの封筒に入れると、",
                                     "重さは25gより軽かった。この関係を式に表しなさい。",
                                     "便せんy枚", 16, kInequalityAnswer};
constexpr BalanceExample kAtMostAtLeast{"例2　1枚4gの便せんa枚を、重さ5gの封筒に入れると、",
                                        "重さは25g以下になった。この関係を式に表しなさい。",
                                        "便せんa枚", 0, kAtMostAtLeastAnswer};

// A cleared page with the question; the first balance about (pivotX, pivotY), 150 each way.
void OpenExample(Machine& m, const BalanceExample& e, float pivotX, float pivotY) {
  ClearPage(m, 1320, 1300);
  m.piValue = 3.14159f;
  m.figParam[1] = 150;
  m.figX[0] = pivotX;
  m.figY[0] = pivotY;
  StartColumn(m, 40, 0, 30);
  TextStep(m, m.marginX, m.lineY, 0, e.question1);
  TextStep(m, m.marginX + 81, m.lineY + 50, 0, e.question2);
}

// The tilts of the two runs, one step of p/96 a frame: the left pan sinks to 8 steps down, then
// swings back from there.
float SinkingTilt(const Machine& m) { return m.balanceStep * m.piValue / 96; }
float SwingBackTilt(const Machine& m) {
  return 8 * m.piValue / 96 - m.balanceStep * m.piValue / 96;
}

// Frames 0 to `last`, each the whole figure at the frame's tilt with its labels, then a pause.
// Frame 0 repeats the picture already standing. No key is read: keys typed meanwhile wait.
void RunTilt(Machine& m, float (*tilt)(const Machine&), float last, void (*labels)(Machine&)) {
  for (m.balanceStep = 0; m.balanceStep <= last; m.balanceStep += 1) {
    m.balanceTilt = tilt(m);
    DrawBalance(m);
    labels(m);
    m.device.Pause(kFramePause);
  }
}

// ② and ③: the empty balance, the letters sinking it, the weights, the swing back, the answer.
void ShowAnimatedExample(Machine& m, const BalanceExample& e) {
  OpenExample(m, e, 880, 450);
  m.balanceTilt = 0;
  DrawBalance(m);
  m.columnTopText = e.letters;
  DrawLetterWeightLabels(m);
  Key(m);
  RunTilt(m, SinkingTilt, 8, DrawLetterWeightLabels);
  Key(m);
  DrawWeights(m);
  Key(m);
  RunTilt(m, SwingBackTilt, e.swingBackLast, DrawWeightLabels);
  Key(m);
  WriteTexts(m, e.answer);
}

}  // namespace

void ShowBalanceEquality(Machine& m) { ShowAnimatedExample(m, kEquality); }

void ShowBalanceInequality(Machine& m) { ShowAnimatedExample(m, kInequality); }

void ShowBalanceAtMostAtLeast(Machine& m) {
  OpenExample(m, kAtMostAtLeast, 320, 600);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 7, "<解答>");
  // Level on the left; on the right, tilted 8 steps the other way: the weights go down.
  m.balanceTilt = 0;
  DrawBalance(m);
  m.columnTopText = kAtMostAtLeast.letters;
  DrawWeightLabels(m);
  m.figParam[1] = 150;
  m.figX[0] = 960;
  m.figY[0] = 550;
  m.balanceTilt = -8 * m.piValue / 96;
  DrawBalance(m);
  m.columnTopText = kAtMostAtLeast.letters;
  DrawWeightLabels(m);
  Key(m);
  WriteTexts(m, kAtMostAtLeast.answer);
}

}  // namespace orvelle::apply
