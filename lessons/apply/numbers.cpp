#include "lessons/apply/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/prompts.h"
#include "core/screen.h"
#include "lessons/apply/program.h"
#include "lessons/common/page.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle::apply {
namespace {

// A set drawn first with its positive numbers only, room left before them, then erased and
// drawn whole.
void GrowingSet(Machine& m, float color, const std::string& positives, const std::string& whole) {
  TextStep(m, m.indentX, m.lineY + 50, color, positives);
  Key(m);
  EraseBox(m, m.indentX, m.lineY - 4, 1320, 55);
  TextStep(m, m.indentX, m.lineY, color, whole);
  Key(m);
}

// Rows first..last of a column of the multiples table, from coefText: row i at lineY + 50i.
// The table leaves the cursor where it was.
void TableColumn(Machine& m, float x, float color, int first, int last) {
  for (int i = first; i <= last; ++i) {
    TextKept(m, x, m.lineY + 50 * static_cast<float>(i), color, m.coefText[i]);
  }
}

// The typed number as the field reads it, in double precision: a "/" divides the part before it
// by the part after it.
double TypedNumber(const Machine& m) {
  const int slash = CharFind(m.entryText, "/");
  if (slash == 0) return TextToDouble(m.entryText);
  const double divisor = TextToDouble(CharMid(m.entryText, slash + 1));
  if (divisor == 0) return m.enteredValue;  // the field never confirms such a text
  return TextToDouble(CharLeft(m.entryText, slash - 1)) / divisor;
}

// A number of the pupil's pair as a pupil writes it: a whole number with all its digits, any
// other in fixed notation with up to 10 significant digits and no "0" before the point (".5"),
// never in exponent form; 0 never signed.
std::string PairText(double v) {
  if (v == 0) return "0";
  char buf[64];
  if (v == std::floor(v)) {
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.9e", std::fabs(v));  // d.ddddddddde±XX
  std::string digits = buf[0] + std::string(buf + 2, 9);
  const int exponent = std::atoi(buf + 12);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int n = static_cast<int>(digits.size());
  std::string fixed;
  if (exponent < 0) {
    fixed = "." + std::string(-exponent - 1, '0') + digits;
  } else if (n <= exponent + 1) {
    fixed = digits + std::string(exponent + 1 - n, '0');
  } else {
    fixed = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  return (v < 0 ? "-" : "") + fixed;
}

// n + 1 or 2n + 1 as the pupil's own working gives it: the binary form of a typed decimal is not
// exact, so -1.000001 + 1 comes out as -.0000009999999999...; rounded at the tenth significant
// digit of n, the last digit n itself shows. Only where n is near -1 or -1/2 does that digit lie
// below the result's own tenth.
double RoundAsTyped(double v, double n) {
  if (n == 0) return v;
  const double step = std::pow(10.0, std::floor(std::log10(std::fabs(n))) - 9);
  return std::round(v / step) * step;
}

// One pass of the pupil's pairs, on the line under "③": the pair, one key later the sum.
void ShowTypedPair(Machine& m) {
  EraseBox(m, 0, m.markY[1], 1600, 120);
  TextStep(m, m.indentX, m.markY[1], 0, "④ ");
  InputConsecutivePair(m);
  TextStep(m, m.afterX, m.markY[1], 0, m.coefText[1] + m.coefText[2] + "=");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 3, m.coefText[4]);
}

}  // namespace

void ShowNumbersMenu(Machine& m) {
  RunSection(m, ShowNumbersGoals, kNumbers,
             {ShowMultiplesItem, ShowEvenNumbersItem, ShowOddNumbersItem, ShowConsecutiveSumItem});
}

void ShowNumbersGoals(Machine& m) { ShowGoals(m, 0, {"文字式を利用して、整数の性質を調べよう。"}); }

void ShowMultiplesItem(Machine& m) {
  // Textbook P83 問1: the multiple, one key later what it stands for.
  struct Exercise {
    const char* label;
    const char* multiple;
    const char* answer;
  };
  static constexpr Exercise kExercises[] = {{"(1)", "5n ", "5の倍数"}, {"(2)", "9n ", "9の倍数"}};
  static constexpr const char* kFactors[] = {"(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3"};

  ClearPage(m, 1320, 1300);
  m.indentX = 44;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "課題1　nを整数とするとき、3の倍数をnを使って表しなさい。");
  Key(m);
  GrowingSet(m, 3, "n=｛            1,2,3,…｝", "n=｛…-3,-2,-1,0,1,2,3,…｝");
  GrowingSet(m, 5, "３の倍数=｛            3,6,9,…｝", "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝");

  // The table, rows 1 to 9 under the sets: 3k for k = -3..3 between two "…", "=3*", then k.
  m.coefText[1] = " …";
  for (int i = 2; i <= 8; ++i) m.coefText[i] = NumberToText(3 * static_cast<float>(i - 5));
  m.coefText[9] = " …";
  TableColumn(m, m.indentX, 5, 1, 9);
  Key(m);
  for (int i = 2; i <= 8; ++i) m.coefText[i] = "=3*";
  TableColumn(m, m.indentX + 88, 0, 2, 8);
  Key(m);
  for (int i = 2; i <= 8; ++i) m.coefText[i] = kFactors[i - 2];
  for (int i = 2; i <= 8; ++i) {
    TableColumn(m, 220, 3, i, i);
    Key(m);
  }

  // The rule, right of the table.
  m.marginX = 440;
  m.lineY = 150;
  TextStep(m, m.marginX, m.lineY + 50, 0, "3の倍数は、");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "3*整数　");
  TextStep(m, m.afterX, m.lineY, 0, "の形で表せるから、");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 50, 5, "3n ");
  TextStep(m, m.afterX, m.lineY, 0, "は");
  TextStep(m, m.afterX, m.lineY, 3, "3の倍数");
  TextStep(m, m.afterX, m.lineY, 0, "を表している。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 70, 7, "教科書P83 問1をしなさい。");
  for (const Exercise& e : kExercises) {
    Key(m);
    TextStep(m, m.marginX, m.lineY + 50, 7, e.label);
    TextStep(m, m.afterX, m.lineY, 0, e.multiple);
    Key(m);
    TextStep(m, m.afterX, m.lineY, 5, e.answer);
  }
}

void ShowEvenNumbersItem(Machine& m) {
  ClearPage(m, 1320, 1300);
  m.indentX = 44;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "課題2　偶数をnを使って表しなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 90, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 90, 0, "偶数は、");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "2*整数　");
  TextStep(m, m.afterX, m.lineY, 0, "の形をしているから、");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 90, 0, "偶数は、");
  TextStep(m, m.afterX, m.lineY, 5, "2n　");
  TextStep(m, m.afterX, m.lineY, 0, "と表すことができる。");
}

void ShowOddNumbersItem(Machine& m) {
  ClearPage(m, 1760, 1800);
  m.indentX = 44;
  m.lineY = 30;
  TextStep(m, m.indentX, m.lineY, 0, "課題3　奇数をnを使って表しなさい。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "奇数は、");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "偶数＋１　");
  TextStep(m, m.afterX, m.lineY, 0, "の形をしているから、");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "2n+1　");
  TextStep(m, m.afterX, m.lineY, 0, "と表すことができる。");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 0, "奇数は、");
  TextStep(m, m.afterX, m.lineY, 5, "2n-1　");
  TextStep(m, m.afterX, m.lineY, 0, "と表すこともできる。");
}

void InputConsecutivePair(Machine& m) {
  m.drawText = "小さい方の整数を入力して下さい。";
  PromptBottomAndReadNumber(m);
  ClearBottomStrip(m);
  m.coef[1] = m.enteredValue;
  m.coef[2] = m.coef[1] + 1;
  m.coef[4] = m.coef[1] + m.coef[2];
  NumbersToStrings(m);
  // Single precision holds neither 999999999 nor 16777217: the texts come from the typed number
  // in double, where every number the field takes and its neighbour are exact.
  const double n = TypedNumber(m);
  m.coefText[1] = PairText(n);
  const double next = RoundAsTyped(n + 1, n);
  m.coefText[2] = next < 0 ? "+(" + PairText(next) + ")" : "+" + PairText(next);
  m.coefText[4] = PairText(RoundAsTyped(n + (n + 1), n));
}

void ShowConsecutiveSumItem(Machine& m) {
  struct Sum {
    const char* pair;
    const char* sum;
  };
  static constexpr Sum kSums[] = {{"① 1+2=", "3"}, {"② 2+3=", "5"}, {"③ 3+4=", "7"}};

  ClearPage(m, 1600, 1800);
  StartColumn(m, 40, 27, 30);
  m.device.SetDrawWidth(5);  // left at 5 for what comes after
  TextStep(m, m.marginX, m.lineY, 3, "Q 2つの続いた整数の和はどんな数?");
  for (const Sum& s : kSums) {
    Key(m);
    TextStep(m, m.indentX, m.lineY + 60, 0, s.pair);
    Key(m);
    TextStep(m, m.afterX, m.lineY, 3, s.sum);
  }

  m.markY[1] = m.lineY + 60;
  RunDrill(m, ShowTypedPair);

  TextKept(m, m.marginX + 360, m.markY[1] - 60, 7, "予想…2つの続いた整数の和は奇数になる。");
  Key(m);
  TextStep(m, m.marginX, m.lineY + 70, 3, "nが整数");
  TextStep(m, m.afterX, m.lineY, 0, "のとき、2つの続いた整数は、");
  TextStep(m, m.afterX, m.lineY, 3, "n,n+1");
  TextStep(m, m.afterX, m.lineY, 0, " と表される。");
  TextStep(m, m.marginX, m.lineY + 50, 0, "この2数の和はどんな数? 計算してみよう！");
  Key(m);
  TextStep(m, m.indentX, m.lineY + 60, 3, "n+(n+1)");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 0, "=n+n+1");
  Key(m);
  TextStep(m, m.afterX, m.lineY, 5, "=2n+1");
  Key(m);
  TextStep(m, m.afterX + 60, m.lineY, 3, "奇数");
}

}  // namespace orvelle::apply
