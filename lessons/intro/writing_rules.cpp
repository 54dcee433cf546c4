// Section 2's frame and its worked pages (items ②, ④ and ⑦); the drill items are in
// writing_rules_drills.cpp.
#include "lessons/intro/writing_rules.h"

#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::intro {

void ShowWritingRulesGoals(Machine& m) {
  ShowGoals(m, 0, {"文字式での積や累乗、商の表し方にしたがって、式を表そう。"});
}

namespace {

using enum Place;

// 例: the price of stamps, then P66 問1.
// clang-format off
constexpr PageText kStamps[] = {
    {kMargin, 0, 0, "例 52円切手をx枚と82円切手をy枚"},
    {kIndent, 50, 0, "買ったときの代金の合計は？"},
    {kKey},
    {kIndent, 50, 3, "代金の合計=(52円切手の代金)+(82円切手の代金)"},
    {kIndent, 50, 3, "代金=(単価)*(枚数)"}, {kAfter, 30, 0, "だから"},
    {kKey},
    {kIndent, 50, 0, "(52*x+82*y)円="}, {kKey}, {kAfter, 0, 5, "(52x+82y)円"},
    {kKey},
    {kIndent, 70, 7, "教科書P66 問1 をしなさい。"},
    {kKey},
    {kIndent, 60, 3, "(1)"}, {kAfter, 10, 0, "(80-2*a)cm="}, {kKey}, {kAfter, 0, 5, "(80-2a)cm"},
    {kKey},
    {kIndent, 70, 3, "(2)"}, {kAfter, 10, 0, "(a*3+b*2)g"}, {kAfter, 0, 0, "="},
        {kKey}, {kAfter, 0, 5, "(3a+2b)g"},
};
// clang-format on

// clang-format off
// P68 問6 worked, a key before each step.
constexpr PageText kExercise6[] = {
    {kMargin, 0, 3, "教科書P68問6　解答"},
    {kMargin, 75, 3, "(1)"}, {kKey}, {kInset, 27, 0, "a/3="}, {kKey}, {kAfter, 0, 5, "ﾀa/3ﾀ (L)"},
    {kMargin, 80, 3, "(2)"}, {kKey}, {kAfter, 0, 0, "(15+10+x)/3"},
        {kKey}, {kIndent, 60, 0, "=(25+x)/3"},
        {kKey}, {kIndent, 70, 5, "=ﾀ25+x/3ﾀ (点)"},
    {kKey},
};

// The summary of the rules, all at once: each rule's number and text, its example after it or
// on a line of its own under the text (a stacked fraction 60 lower).
constexpr PageText kSummary[] = {
    {kMargin, 0, 5, "<文字式の表し方>"},
    {kMargin, 50, 0, "①"}, {kAfter, 0, 3, "*は省いて書く"}, {kAfter, 0, 0, "(a*b=ab)"},
    {kMargin, 50, 0, "②"}, {kAfter, 0, 3, "文字と数の積では、"},
        {kIndent, 50, 3, "数を文字の前に書く"}, {kAfter, 0, 0, "(2*x=2x)"},
    {kMargin, 50, 0, "③"}, {kAfter, 0, 3, "文字はa,b,c…順に書く"}, {kAfter, 0, 0, "(ba→ab)"},
    {kMargin, 50, 0, "④"}, {kAfter, 0, 3, "1と文字の積は1を書かない。"},
        {kIndent, 50, 0, "(1a=a -1x=-x)"},
    {kMargin, 50, 0, "⑤"}, {kAfter, 0, 3, "同じ文字の積は、指数を使って書く"},
        {kIndent, 50, 0, "(a*a=a^2)"},
    {kMargin, 50, 0, "⑥"}, {kAfter, 0, 3, "÷は使わないで、分数の形で書く"},
        {kIndent, 60, 0, "(x/3=ﾀx/3ﾀ)"},
};
// clang-format on

}  // namespace

void ShowStampsExample(Machine& m) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 36, 30);
  WriteTexts(m, kStamps);
}

void ShowExercise2Answers(Machine& m) {
  static constexpr WorkedAnswer kRows[] = {
      {"(1)", 60, "x*y=", "xy"},         {"(2)", 60, "c*a*b=", "abc"},
      {"(3)", 60, "a*x*2=", "2ax"},      {"(4)", 60, "(a-b)*5=", "5(a-b)"},
      {"(5)", 90, "ﾀ2/3ﾀ*a=", "ﾀ2/3ﾀa"}, {"(6)", 90, "x*ﾀ7/4ﾀ=", "ﾀ7/4ﾀx"},
  };

  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 54, 30);
  TextStep(m, m.marginX, m.lineY, 3, "問2 解答");
  WorkedAnswers(m, kRows);
}

void ShowExercise6AndSummary(Machine& m) {
  ClearPage(m, 1760, 1300);
  StartColumn(m, 40, 54, 30);
  WriteTexts(m, kExercise6);
  StartColumn(m, 600, 36, 30);
  WriteTexts(m, kSummary);
}

}  // namespace orvelle::intro
