// Section 2's frame and its worked pages (items ②, ④ and ⑦); the drill items are in
// writing_rules_drills.cpp.
#include "lessons/intro/writing_rules.h"

#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "lessons/intro/program.h"

namespace orvelle::intro {

void ShowWritingRulesMenu(Machine& m) {
  RunSection(
      m, ShowWritingRulesGoals, kWritingRules,
      {ShowRule1ProductDrill, ShowStampsExample, ShowRule2Drills, ShowExercise2Answers,
       ShowRule3Drills, ShowRule4QuotientDrills, ShowExercise6AndSummary, ShowSymbolWritingDrill});
}

void ShowWritingRulesGoals(Machine& m) {
  ShowGoals(m, 0, {"文字式での積や累乗、商の表し方にしたがって、式を表そう。"});
}

void ShowStampsExample(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 36;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 0, "例 52円切手をx枚と82円切手をy枚");
  TextStep(m, m.indentX, m.lineY + 50, 0, "買ったときの代金の合計は？");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 3, "代金の合計=(52円切手の代金)+(82円切手の代金)");
  TextStep(m, m.indentX, m.lineY + 50, 3, "代金=(単価)*(枚数)");
  TextStep(m, m.afterX + 30, m.lineY, 0, "だから");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 50, 0, "(52*x+82*y)円=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "(52x+82y)円");
  Key(m);

  TextStep(m, m.indentX, m.lineY + 70, 7, "教科書P66 問1 をしなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 3, "(1)");
  TextStep(m, m.afterX + 10, m.lineY, 0, "(80-2*a)cm=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "(80-2a)cm");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 3, "(2)");
  TextStep(m, m.afterX + 10, m.lineY, 0, "(a*3+b*2)g");
  TextStep(m, m.afterX, m.lineY, 0, "=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "(3a+2b)g");
}

void ShowExercise2Answers(Machine& m) {
  static constexpr WorkedAnswer kRows[] = {
      {"(1)", 60, "x*y=", "xy"},         {"(2)", 60, "c*a*b=", "abc"},
      {"(3)", 60, "a*x*2=", "2ax"},      {"(4)", 60, "(a-b)*5=", "5(a-b)"},
      {"(5)", 90, "ﾀ2/3ﾀ*a=", "ﾀ2/3ﾀa"}, {"(6)", 90, "x*ﾀ7/4ﾀ=", "ﾀ7/4ﾀx"},
  };

  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 54;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 3, "問2 解答");
  WorkedAnswers(m, kRows);
}

void ShowExercise6AndSummary(Machine& m) {
  // A rule of the summary: its number and text on one line; an example after it on the same
  // line, or on a line of its own `lineDy` lower (a stacked fraction needs 60).
  struct Rule {
    const char* number;
    const char* text;
    const char* line;  // "" when there is none
    float lineColor;
    float lineDy;
    const char* after;  // "" when there is none
  };
  static constexpr Rule kRules[] = {
      {"①", "*は省いて書く", "", 0, 0, "(a*b=ab)"},
      {"②", "文字と数の積では、", "数を文字の前に書く", 3, 50, "(2*x=2x)"},
      {"③", "文字はa,b,c…順に書く", "", 0, 0, "(ba→ab)"},
      {"④", "1と文字の積は1を書かない。", "(1a=a -1x=-x)", 0, 50, ""},
      {"⑤", "同じ文字の積は、指数を使って書く", "(a*a=a^2)", 0, 50, ""},
      {"⑥", "÷は使わないで、分数の形で書く", "(x/3=ﾀx/3ﾀ)", 0, 60, ""},
  };

  ClearPage(m, 1760, 1300);
  m.marginX = 40;
  m.indentX = m.marginX + 54;
  m.lineY = 30;
  TextStep(m, m.marginX, m.lineY, 3, "教科書P68問6　解答");
  TextStep(m, m.marginX, m.lineY + 75, 3, "(1)");
  Key(m);
  TextStep(m, m.indentX + 27, m.lineY, 0, "a/3=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "ﾀa/3ﾀ (L)");
  TextStep(m, m.marginX, m.lineY + 80, 3, "(2)");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "(15+10+x)/3");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "=(25+x)/3");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, "=ﾀ25+x/3ﾀ (点)");
  Key(m);

  m.indentX = 600;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 5, "<文字式の表し方>");
  for (const Rule& rule : kRules) {
    TextStep(m, m.indentX, m.lineY + 50, 0, rule.number);
    TextStep(m, m.afterX, m.lineY, 3, rule.text);
    if (*rule.line) TextStep(m, m.indentX + 36, m.lineY + rule.lineDy, rule.lineColor, rule.line);
    if (*rule.after) TextStep(m, m.afterX, m.lineY, 0, rule.after);
  }
}

}  // namespace orvelle::intro
