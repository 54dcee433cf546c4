// Section 2's drill items (①, ③, ⑤, ⑥ and ⑧): their problem tables, the flash drills that
// show them, and the rules and worked answers that follow.
#include <string>

#include "core/screen.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/steps.h"
#include "lessons/intro/writing_rules.h"
#include "lessons/intro/writing_rules_flash.h"
#include "platform/number.h"

namespace orvelle::intro {
namespace {

using enum Place;

// The drills' columns: items ① and ③ work from indentX alone (an indent of 0), items ⑤, ⑥ and ⑧
// from the columns at 40 and 640 with their indent 54 in.

// --- ① products ---

const FlashDrill kProducts = {
    .column = {40, 0, FlashTop::kPage},
    .heading = {"Q1　積の表し方のきまりをみつけよう。", 40, 0},
    .erase = {0, 600, 60, 140},
    .question = {80, 80},
    .box = {120, 50},
    .pick = FlashPick::kNone,
    .columns = FlashColumns::kGenerated,
    .generate = GenerateProduct,
};

// --- ③ letter order, brackets, fractional factors ---

constexpr FlashProblem kLetterOrder[] = {
    {"a*b", "ab"},        {"b*a", "ab"},        {"y*x", "xy"},    {"a*b*c", "abc"},
    {"b*a*c", "abc"},     {"x*a*y*b", "abxy"},  {"x*3*y", "3xy"}, {"b*a*5", "5ab"},
    {"y*(-3)*x", "-3xy"}, {"x*a*(-2)", "-2ax"},
};

constexpr FlashProblem kBrackets[] = {
    {"5*(a+b)", "5(a+b)"},     {"(x+y)*3", "3(x+y)"},     {"(n-5)*2", "2(n-5)"},
    {"3*(a+3)", "3(a+3)"},     {"(a-b)*5", "5(a-b)"},     {"-5*(a+b)", "-5(a+b)"},
    {"(x+y)*(-3)", "-3(x+y)"}, {"(n-5)*(-2)", "-2(n-5)"}, {"-3*(a+3)", "-3(a+3)"},
    {"(a-b)*(-5)", "-5(a-b)"},
};

constexpr FlashProblem kFractionFactors[] = {
    {"ﾀ3/5ﾀ*x", "ﾀ3/5ﾀx"},           {"x*ﾀ2/7ﾀ", "ﾀ2/7ﾀx"},
    {"a*ﾀ1/5ﾀ", "ﾀ1/5ﾀa"},           {"ﾀ2/7ﾀ*(a+b)", "ﾀ2/7ﾀ(a+b)"},
    {"(x-y)*ﾀ3/4ﾀ", "ﾀ3/4ﾀ(x-y)"},   {"-ﾀ3/5ﾀ*x", "-ﾀ3/5ﾀx"},
    {"x*(-ﾀ2/7ﾀ)", "-ﾀ2/7ﾀx"},       {"a*(-ﾀ1/5ﾀ)", "-ﾀ1/5ﾀa"},
    {"-ﾀ2/7ﾀ*(a+b)", "-ﾀ2/7ﾀ(a+b)"}, {"(x-y)*(-ﾀ3/4ﾀ)", "-ﾀ3/4ﾀ(x-y)"},
};

const FlashDrill kLetterOrderDrill = {
    .column = {40, 0, FlashTop::kPage},
    .heading = {"Q1　きまりをみつけよう。", 40, 0},
    .erase = {0, 600, 60, 140},
    .question = {80, 80},
    .box = {120, 50},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kLetterOrder,
};

// 80 below the letter-order rule, whose y is kept in figY(31).
const FlashDrill kBracketsDrill = {
    .column = {40, 0, FlashTop::kBelowRule},
    .heading = {"Q2　きまりをみつけよう。", 40, 80},
    .erase = {0, 640, 60, 140},
    .question = {80, 80},
    .box = {210, 50},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kBrackets,
};

// The right column; boxes tall enough for the stacked fractions.
const FlashDrill kFractionFactorsDrill = {
    .column = {680, 0, FlashTop::kPage},
    .heading = {"Q3　きまりをみつけよう。", 680, 0},
    .erase = {680, 1600, 60, 200},
    .question = {720, 90},
    .box = {210, 90},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kFractionFactors,
};

// --- ⑤ the factor 1, and powers ---

constexpr FlashProblem kFactorOne[] = {
    {"1*a", "a"},         {"b*1", "b"},          {"x*1", "x"},     {"y*1+1", "y+1"},
    {"0.1*a", "0.1a"},    {"(-1)*a", "-a"},      {"b*(-1)", "-b"}, {"x*(-1)", "-x"},
    {"y*(-1)-1", "-y-1"}, {"(-0.1)*a", "-0.1a"},
};

constexpr FlashProblem kPowers[] = {
    {"x*x*x", "x^3"},    {"x*4*x", "4x^2"},       {"x*x*y*y*y", "x^2y^3"}, {"a*a", "a^2"},
    {"a*a*b", "a^2b"},   {"a*5*a*a", "5a^3"},     {"a*a*(-3)", "-3a^2"},   {"x*y*x*(-2)", "-2x^2y"},
    {"a*a*1*b", "a^2b"}, {"x*(-1)*y*x", "-x^2y"},
};

const FlashDrill kFactorOneDrill = {
    .column = {40, 54, FlashTop::kPage},
    .heading = {"Q1　きまりをみつけよう。", 94, 0},
    .erase = {0, 600, 60, 140},
    .question = {134, 80},
    .box = {120, 50},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kFactorOne,
};

// The right column; its erase box leaves the left column alone.
const FlashDrill kPowersDrill = {
    .column = {640, 54, FlashTop::kPage},
    .heading = {"Q2　きまりをみつけよう。", 694, 0},
    .erase = {694, 1600, 60, 140},
    .question = {734, 80},
    .box = {150, 50},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kPowers,
};

// --- ⑥ quotients ---

constexpr FlashProblem kQuotients[] = {
    {"a/9", "ﾀa/9ﾀ"},       {"x/4", "ﾀx/4ﾀ"},       {"3x/4", "ﾀ3x/4ﾀ"},     {"-3a/4", "-ﾀ3a/4ﾀ"},
    {"(x+3)/2", "ﾀx+3/2ﾀ"}, {"(a-2)/5", "ﾀa-2/5ﾀ"}, {"(x+y)/5", "ﾀx+y/5ﾀ"}, {"(a-b)/2", "ﾀa-b/2ﾀ"},
    {"2ab/5", "ﾀ2ab/5ﾀ"},   {"-5x/2", "-ﾀ5x/2ﾀ"},
};

constexpr FlashProblem kQuotientSigns[] = {
    {"a/(-9)", "-ﾀa/9ﾀ", "ﾀa/-9ﾀ"},
    {"x/(-4)", "-ﾀx/4ﾀ", "ﾀx/-4ﾀ"},
    {"3x/(-4)", "-ﾀ3x/4ﾀ", "ﾀ3x/-4ﾀ"},
    {"-3a/(-4)", "ﾀ3a/4ﾀ", "ﾀ-3a/-4ﾀ"},
    {"x/1", "x", "ﾀx/1ﾀ"},
    {"-x/1", "-x", "ﾀ-x/1ﾀ"},
    {"-x/(-1)", "x", "ﾀ-x/-1ﾀ"},
    {"a/(-1)", "-a", "ﾀa/-1ﾀ"},
    {"-2x/(-7)", "ﾀ2x/7ﾀ", "ﾀ-2x/-7ﾀ"},
    {"-3a/(-1)", "3a", "ﾀ-3a/-1ﾀ"},
};

const FlashDrill kQuotientsDrill = {
    .column = {40, 54, FlashTop::kPage},
    .heading = {"Q1　きまりをみつけよう。", 40, 0},
    .erase = {0, 720, 60, 200},
    .question = {80, 90},
    .box = {210, 90},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kQuestionFirst,
    .table = kQuotients,
};

// 80 below the quotients' rule, whose y is kept in figY(31); the quotient, its fraction, the
// answer.
const FlashDrill kQuotientSignsDrill = {
    .column = {40, 54, FlashTop::kBelowRule},
    .heading = {"Q2　きまりをみつけよう。", 40, 80},
    .erase = {0, 720, 50, 200},
    .question = {40, 80},
    .box = {150, 90},
    .pick = FlashPick::kRuleTen,
    .columns = FlashColumns::kWithFraction,
    .table = kQuotientSigns,
};

// --- ⑧ back to "*" and "/" ---

constexpr FlashProblem kSymbolWriting[] = {
    {"3xy", "3*x*y"},       {"abc", "a*b*c"},        {"-5xy", "-5*x*y"},
    {"5(a+b)", "5*(a+b)"},  {"-3(x+y)", "-3*(x+y)"}, {"-2(n-5)", "-2*(n-5)"},
    {"x^3", "x*x*x"},       {"-2x^2y", "-2*x*x*y"},  {"-x^2y^3", "-1*x*x*y*y*y"},
    {"-a^2", "-1*a*a"},     {"ﾀa/9ﾀ", "a/9"},        {"ﾀ3x/4ﾀ", "3*x/4"},
    {"-ﾀ3a/4ﾀ", "-3*a/4"},  {"ﾀx+3/2ﾀ", "(x+3)/2"},  {"ﾀ1/2ﾀ(a-b)", "1/2*(a-b)"},
    {"ﾀa+b/5ﾀ", "(a+b)/5"}, {"x-ﾀy/7ﾀ", "x-y/7"},    {"3a-2b", "3*a-2*b"},
    {"x^2-y^2", "x*x-y*y"}, {"-5+ﾀm/5ﾀ", "-5+m/5"},
};

const FlashDrill kSymbolWritingDrill = {
    .column = {40, 54, FlashTop::kPage},
    .heading = {"Q 次の式を,*や/の記号を使って表しなさい。", 40, 0},
    .erase = {0, 1200, 60, 200},
    .question = {80, 90},
    .box = {kBoxFitsAnswer, 90},
    .pick = FlashPick::kTwentyFreely,
    .columns = FlashColumns::kAnswerFirst,
    .table = kSymbolWriting,
};

// --- the worked pages after the drills ---

// Item ①'s 例1: the change from 1000 yen.
constexpr PageText kChange[] = {
    {kMargin, 70, 0, "例1　1000円出して、1個a円の"},
    {kMargin, 50, 0, "品物を2個買ったときのおつりは？"},
    {kKey},
    {kMargin, 50, 3, "おつり=1000-(代金)"},
    {kMargin, 50, 3, "代金=(単価)*(個数)"},
    {kAfter, 30, 0, "だから"},
    {kKey},
    {kMargin, 50, 0, "(1000-a*2)円="},
    {kKey},
    {kAfter, 0, 5, "(1000-2a)円"},
};

// Item ⑧'s P68 問7, two problems a line: the right-hand label 80 after the left-hand answer,
// its question right after the label.
// clang-format off
constexpr PageText kExercise7[] = {
    {kKey},
    {kMargin, 90, 7, "教科書P68問7 をしなさい。"},
    {kKey},
    {kMargin, 80, 3, "(1)"}, {kInset, 27, 0, "6ab="}, {kKey}, {kAfter, 0, 5, "6*a*b"},
        {kAfter, 80, 3, "(2)"}, {kAfter, 0, 0, "5x^2="}, {kKey}, {kAfter, 0, 5, "5*x*x"},
    {kMargin, 80, 3, "(3)"}, {kInset, 27, 0, "ﾀ2x/7ﾀ="}, {kKey}, {kAfter, 0, 5, "2*x/7"},
        {kAfter, 80, 3, "(4)"}, {kAfter, 0, 0, "a-ﾀb/2ﾀ="}, {kKey}, {kAfter, 0, 5, "a-b/2"},
    {kMargin, 80, 3, "(5)"}, {kInset, 27, 0, "ﾀm+n/4ﾀ="}, {kKey}, {kAfter, 0, 5, "(m+n)/4"},
        {kAfter, 80, 3, "(6)"}, {kAfter, 0, 0, "ﾀ1/5ﾀ(a-b)="}, {kKey}, {kAfter, 0, 5, "1/5*(a-b)"},
};
// clang-format on

}  // namespace

void GenerateProduct(Machine& m) {
  m.coef[1] = RandomPick(m, 18, 2);
  m.coin = RandomPick(m, 2, 1);
  if (m.coin == 1) m.coef[1] = -m.coef[1];
  NumbersToStrings(m);
  // After a letter a negative factor is bracketed: a*(-7).
  m.coefText[2] = m.coef[1] < 0 ? "(" + m.coefText[1] + ")" : m.coefText[1];
  m.letterText[1] = "a";
  m.letterText[2] = "b";
  m.letterText[3] = "x";
  m.letterText[4] = "y";
  m.coin = RandomPick(m, 4, 1);
  m.coefText[11] = m.letterText[ToInt(m.coin)];
  m.coin = RandomPick(m, 2, 1);
  if (m.coin == 1) {
    m.signText[1] = m.coefText[1] + "*" + m.coefText[11];
  } else {
    m.signText[1] = m.coefText[11] + "*" + m.coefText[2];
  }
  m.signText[2] = m.coefText[1] + m.coefText[11];
}

void ShowRule1ProductDrill(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunFlashDrill(m, kProducts);
  TextStep(m, m.indentX + 80, m.lineY + 80, 5, "<積の表し方>");
  Key(m);
  TextStep(m, m.indentX + 40, m.lineY + 60, 3, "①*は省いて書く");
  Key(m);
  TextStep(m, m.indentX + 40, m.lineY + 60, 3, "③数を文字の前に書く");
  Key(m);

  // Example 1 to the right of the drill.
  StartColumn(m, 520, 0, 30);
  WriteTexts(m, kChange);
}

void ShowRule2Drills(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunFlashDrill(m, kLetterOrderDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "アルファベット順に書く");
  TextStep(m, m.afterX, m.lineY, 3, "(例外もある)");
  m.figY[31] = m.lineY;

  RunFlashDrill(m, kBracketsDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "( )は1つの文字と同じ");

  RunFlashDrill(m, kFractionFactorsDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "分数も整数と同じ");
  TextStep(m, m.indentX, m.lineY + 50, 3, "(文字は真ん中の棒の横に書く)");
  Key(m);
  TextStep(m, 40, 500, 7, "教科書P67 問2 をしなさい。");
}

void ShowRule3Drills(Machine& m) {
  static constexpr WorkedAnswer kExercise3[] = {
      {"(1)", 50, "y*1=", "y"},
      {"(2)", 50, "(-4)*x=", "-4x"},
      {"(3)", 50, "b*(-1)=", "-b"},
      {"(4)", 50, "a*(-2)+1=", "-2a+1"},
      {"(5)", 50, "x*(-1)+y*11=", "-x+11y"},
      {"(6)", 50, "b-0.1*a=", "b-0.1a"},
  };
  static constexpr WorkedAnswer kExercise4[] = {
      {"(1)", 50, "b*b*b=", "b^3"},
      {"(2)", 50, "x*x*3=", "3x^2"},
      {"(3)", 50, "x*y*y=", "xy^2"},
      {"(4)", 50, "a*b*a*a*b=", "a^3b^2"},
  };

  ClearPage(m, 1320, 1300);
  RunFlashDrill(m, kFactorOneDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "1は書かない");
  TextStep(m, m.afterX, m.lineY, 3, "(0.1は書く)");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 60, 7, "教科書P67  問3 をしなさい。");
  Key(m);
  WorkedAnswers(m, kExercise3);

  RunFlashDrill(m, kPowersDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "累乗の指数を使って書く");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 60, 3, "教科書P67 問4 をしなさい。");
  Key(m);
  WorkedAnswers(m, kExercise4);
}

void ShowRule4QuotientDrills(Machine& m) {
  static constexpr WorkedAnswer kExercise5[] = {
      {"(1)", 80, "x/7=", "ﾀx/7ﾀ"},
      {"(2)", 80, "5x/2=", "ﾀ5x/2ﾀ"},
      {"(3)", 80, "(a+b)/6=", "ﾀa+b/6ﾀ"},
      {"(4)", 80, "a/(-3)=ﾀa/-3ﾀ=", "-ﾀa/3ﾀ"},
  };

  ClearPage(m, 1320, 1300);
  RunFlashDrill(m, kQuotientsDrill);
  TextStep(m, m.indentX + 40, m.lineY + 80, 5, "分数の形で書く");
  TextStep(m, m.marginX, m.lineY + 80, 7, "ﾀx/4ﾀ=ﾀ1/4ﾀx,ﾀ3x/4ﾀ=ﾀ3/4ﾀx でもよい");
  m.figY[31] = m.lineY;

  RunFlashDrill(m, kQuotientSignsDrill);
  TextStep(m, m.marginX, m.lineY + 80, 5, "- が奇数のとき、- をつける");
  Key(m);

  StartColumn(m, 640, 54, 30);
  TextStep(m, m.marginX, m.lineY, 7, "教科書P68問5 をしなさい。");
  Key(m);
  WorkedAnswers(m, kExercise5);
  Key(m);
  TextStep(m, m.marginX, m.lineY + 70, 7, "教科書P68 問6 をしなさい。");
}

void ShowSymbolWritingDrill(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunFlashDrill(m, kSymbolWritingDrill);
  WriteTexts(m, kExercise7);
}

}  // namespace orvelle::intro
