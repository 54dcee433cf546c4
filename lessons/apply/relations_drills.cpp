// Section 3's random drills: ⑤ a sentence about two letters written as a relation, and ⑦ a
// relation between pencil and notebook prices read back in words.
#include <cmath>
#include <string>

#include "core/screen.h"
#include "lessons/apply/relations.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"

namespace orvelle::apply {
namespace {

// --- ⑤ relation sentences ---

// A row of the relation table for the letters A and B: the sentence A + joiner + B + ending,
// the relation A + sign + B and the reversed relation B + reversed + A.
struct Relation {
  const char* joiner;
  const char* ending;
  const char* sign;
  const char* reversed;
};
constexpr Relation kRelations[] = {
    {"と", "は等しい", "=", "="}, {"は", "より小さい", "<", ">"}, {"は", "より大きい", ">", "<"},
    {"は", "以下", "≦", "≧"},     {"は", "以上", "≧", "≦"},       {"は", "未満", "<", ">"},
};

// Two different letters of a, b, x, y (A in coefText(1), B in coefText(2)), the six rows of the
// relation table, and one row picked into coefText(3..5).
void GenerateRelationSentence(Machine& m) {
  static constexpr const char* kPool[] = {"a", "b", "x", "y"};
  for (int i = 1; i <= 4; ++i) m.letterText[i] = kPool[i - 1];
  const int i = ToInt(RandomPick(m, 4, 1));
  m.coefText[1] = m.letterText[i];
  // A leaves the pool; the three letters left keep their order.
  for (int k = i; k <= 3; ++k) m.letterText[k] = m.letterText[k + 1];
  const int j = ToInt(RandomPick(m, 3, 1));
  m.coefText[2] = m.letterText[j];

  const std::string& a = m.coefText[1];
  const std::string& b = m.coefText[2];
  for (int row = 1; row <= 6; ++row) {
    const Relation& r = kRelations[row - 1];
    m.letterText[row] = a + r.joiner + b + r.ending;
    m.signText[row] = a + r.sign + b;
    m.fracText[row] = b + r.reversed + a;
  }
  const int row = ToInt(RandomPick(m, 6, 1));
  m.coefText[3] = m.letterText[row];
  m.coefText[4] = m.signText[row];
  m.coefText[5] = m.fracText[row];
}

void RelationSentencePass(Machine& m) {
  GenerateRelationSentence(m);
  StartColumn(m, 40, 108, 30);
  EraseBox(m, 0, 0, 560, 320);
  TextStep(m, m.marginX, m.lineY, 0, "練習　次の数量の関係を等式か不等式に表しなさい。");
  TextStep(m, m.indentX, m.lineY + 70, 0, m.coefText[3]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5, m.coefText[4]);
  TextStep(m, m.afterX + 40, m.lineY, 0, "または");
  TextStep(m, m.afterX + 40, m.lineY, 5, m.coefText[5]);
}

using enum Place;

// The textbook's P85 問1 under the drill, its answers one key apart.
constexpr PageText kExercise1[] = {
    {kMargin, 70, 7, "教科書P85 問1 をしなさい。"},
    {kKey},
    {kMargin, 60, 3, "(1)"},
    {kIndent, 0, 5, "3x+60=600"},
    {kKey},
    {kMargin, 60, 3, "(2)"},
    {kIndent, 0, 5, "a-2≦5"},
    {kKey},
    {kMargin, 60, 3, "(3)"},
    {kIndent, 0, 5, "a-b≧7"},
    {kKey},
    {kMargin, 70, 3, "(4)"},
    {kIndent, 0, 5, "3x=y+5"},
};

// --- ⑦ price relations ---

// The relation table: a sign and the words that read it after an amount.
struct PriceRelation {
  const char* sign;
  const char* words;
};
constexpr PriceRelation kPriceRelations[] = {
    {"=", "になる。"},     {"<", "より安い。"},   {">", "より高い。"},
    {"≦", "以下である。"}, {"≧", "以上である。"},
};

// Pencils for n notebooks, 1.8 a notebook: 9 and 18 for 5 and 10. Computed as 9n/5, which is
// exact in single precision; 1.8 itself is not, and a product taken from it in double falls just
// short of those two whole numbers.
float Pencils(float notebooks) { return IntPart(9 * notebooks / 5); }

// Both drills' numbers: ① coef(1) pencils and coef(2) notebooks (5..9), ② coef(21) pencils,
// coef(22) notebooks (6..10) and the amount coef(23); their texts; the letters of the prices in
// signText(1) and (2); slot A (coefText(11), (12)) and slot B (coefText(31), (32)), one of them
// "=" and the other an inequality.
void GeneratePrices(Machine& m) {
  m.coef[2] = RandomPick(m, 5, 5);
  m.coef[1] = Pencils(m.coef[2]);
  m.coef[22] = RandomPick(m, 5, 6);
  m.coef[21] = Pencils(m.coef[22]);
  m.coef[23] = 1000 * RandomPick(m, 2, 1);
  NumbersToStrings(m);
  m.coin = RandomPick(m, 2, 1);
  m.signText[1] = m.coin == 1 ? "a" : "x";  // the pencil's price
  m.signText[2] = m.coin == 1 ? "b" : "y";  // the notebook's
  for (int row = 1; row <= 5; ++row) {
    m.letterText[row] = kPriceRelations[row - 1].sign;
    m.fracText[row] = kPriceRelations[row - 1].words;
  }
  m.coin = RandomPick(m, 4, 2);
  m.coefText[31] = m.letterText[ToInt(m.coin)];
  m.coefText[32] = m.fracText[ToInt(m.coin)];
  m.coin = RandomPick(m, 2, 1);
  if (m.coin == 1) {
    m.coefText[11] = m.letterText[1];
    m.coefText[12] = m.fracText[1];
  } else {
    m.coefText[11] = m.coefText[31];
    m.coefText[12] = m.coefText[32];
    m.coefText[31] = m.letterText[1];
    m.coefText[32] = m.fracText[1];
  }
}

std::string Prices(const Machine& m) {
  return "鉛筆1本の値段が" + m.signText[1] + "円、ノート1冊の値段が" + m.signText[2] + "円のとき、";
}

// The top of a problem: heading and prices on one line, the question under them.
void PriceQuestion(Machine& m, const char* heading) {
  TextStep(m, m.marginX, m.lineY, 3, heading);
  TextStep(m, m.indentX, m.lineY, 0, Prices(m));
  TextStep(m, m.indentX, m.lineY + 50, 0, "次の式はどんなことを表していますか。");
}

// ① pencils against notebooks, slot A, at the top; the band of ② starts 70 below the reading.
void PencilsAgainstNotebooks(Machine& m) {
  GeneratePrices(m);
  StartColumn(m, 40, 108, 30);
  EraseBox(m, 0, 0, 1600, 320);
  PriceQuestion(m, "練習①");
  const std::string &pencil = m.signText[1], &notebook = m.signText[2];
  TextStep(m, m.indentX, m.lineY + 60, 0,
           m.coefText[1] + pencil + m.coefText[11] + m.coefText[2] + notebook);
  Key(m);
  TextStep(
      m, m.indentX, m.lineY + 70, 5,
      "鉛筆" + m.coefText[1] + "本の代金は、ノート" + m.coefText[2] + "冊の代金" + m.coefText[12]);
  m.figY[1] = m.lineY + 70;
}

// ② the total against an amount, slot B, in the band under ①.
void TotalAgainstAmount(Machine& m) {
  GeneratePrices(m);
  StartColumn(m, 40, 108, m.figY[1]);
  m.figX[1] = 0;
  m.figX[2] = 1600;
  m.figY[2] = m.figY[1] + 320;
  EraseRect(m, m.figX[1], m.figY[1], m.figX[2], m.figY[2]);
  PriceQuestion(m, "練習②");
  const std::string &pencil = m.signText[1], &notebook = m.signText[2];
  TextStep(
      m, m.indentX, m.lineY + 70, 0,
      m.coefText[21] + pencil + "+" + m.coefText[22] + notebook + m.coefText[31] + m.coefText[23]);
  Key(m);
  TextStep(m, m.indentX, m.lineY + 70, 5,
           "鉛筆" + m.coefText[21] + "本とノート" + m.coefText[22] + "冊の代金の合計は、" +
               m.coefText[23] + "円" + m.coefText[32]);
}

}  // namespace

void DrillRelationSentences(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunDrill(m, RelationSentencePass);
  WriteTexts(m, kExercise1);
}

void DrillPriceRelations(Machine& m) {
  ClearPage(m, 1320, 1300);
  RunDrill(m, PencilsAgainstNotebooks);
  RunDrill(m, TotalAgainstAmount);
  TextStep(m, m.marginX, m.lineY + 70, 7, "教科書P85 問2 をしなさい。");
}

}  // namespace orvelle::apply
