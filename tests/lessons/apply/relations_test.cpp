// Section 3 "関係の表し方" of Orvelle Apply: its frame, the fixed pages ①, ⑥ and ⑧, and the
// drills ⑤ and ⑦ over many seeded passes: what each relation shown says agrees with its words.
#include "../../support/lesson_test.h"

namespace orvelle::test {
namespace {

// The postage table's cells touching, 300 after the heading; the first and last answers.
TEST(RelationsSection, PostageTable) {
  const ItemRun item(kApply, 3, 1, 7);
  const float table = MarkupEnd(40, "教科書P84Q　をやってみよう。") + 300;
  EXPECT_TRUE(HasBox(item.log(), table + 180, 130, table + 300, 180, 3, 15));
  item.Expect({{MarkupEnd(121, "重さは "), 180, 0, "4*4+5=", 1},
               {MarkupEnd(121, "だから　"), 230, 5, "84円", 3},
               {MarkupEnd(121, "だから　"), 470, 5, "84円", 7}});
}

TEST(RelationsSection, MuseumFees) {
  const float q3 = MarkupEnd(MarkupEnd(121, "a-b=900 "), "は?");
  ItemRun(kApply, 3, 6, 13)
      .Expect({{121, 80, 3, "2a+3b<5000 ", 0},
               {q3 + 30, 380, 3, "a-b", 9},  // 30 after its question, not 50
               {121, 530, 5, "おとな1人と中学生1人の入館料の合計は、2000円より高いこと", 13}});
}

TEST(RelationsSection, StringCutting) {
  const ItemRun item(kApply, 3, 8, 3);
  // The string at width 12 and four arcs of 181 dots, all before the first key; the pieces'
  // lengths under the string, the whole one's above it.
  EXPECT_TRUE(HasLine(item.screens[0], 600, 130, 1150, 130, 9, 12));
  EXPECT_EQ(Dots(item.screens[0], 3).size(), 4 * 181u);
  ExpectSeen(item.screens[0], {{675 - MarkupEnd(0, "am") / 2, 150, 3, "am"},
                               {875 - MarkupEnd(0, "xm") / 2, 46, 3, "xm"}});
  item.Expect({{MarkupEnd(40, "(1)") + 20, 100, 0, "2a+5=x", 0},
               {100, 570, 5, "答　残りのひもの長さは0mより長い", 3}});
}

// The relation each of the program's words states.
const std::map<std::string, std::string> kSignOf = {
    {"は等しい", "="},   {"より小さい", "<"},   {"より大きい", ">"},  {"以下", "≦"},
    {"以上", "≧"},       {"未満", "<"},         {"になる。", "="},    {"より安い。", "<"},
    {"より高い。", ">"}, {"以下である。", "≦"}, {"以上である。", "≧"}};

// Whether u `sign` v says what `words` say of u and v (of v and u when `swapped`).
bool Agree(const std::string& sign, const std::string& words, bool swapped = false) {
  const std::map<std::string, std::string> mirror = {
      {"=", "="}, {"<", ">"}, {">", "<"}, {"≦", "≧"}, {"≧", "≦"}};
  return kSignOf.count(words) && mirror.count(sign) &&
         kSignOf.at(words) == (swapped ? mirror.at(sign) : sign);
}

TEST(RelationSentenceDrill, ThousandPassesWriteWhatTheSentencesSay) {
  std::set<std::string> pairs, rows;
  FromFourClocks(
      kApply,
      DrillScript()
          .Keys(EnterItem(kApply, 3, 5))
          .Passes(250, 1)
          .Keys("    " + LeaveProgram(kApply, 3)),
      [&](int, const Machine& m, const std::vector<DrawCall>& log) {
        // Two different letters of a, b, x, y; the sentence A + "と"/"は" + B + its ending; the
        // relation A sign B and the reversed B sign A, saying the same.
        const std::string a = m.coefText[1], b = m.coefText[2], s = m.coefText[3];
        ASSERT_TRUE(a != b && a.size() == 1 && b.size() == 1) << a << b;
        pairs.insert(a + b);
        const std::string joiner = s.substr(1, 3), ending = s.substr(5);
        ASSERT_EQ(s, a + joiner + b + ending);
        EXPECT_EQ(joiner, ending == "は等しい" ? "と" : "は");
        rows.insert(ending);
        const std::string &r = m.coefText[4], &rev = m.coefText[5];
        ASSERT_TRUE(r.front() == a[0] && r.back() == b[0] && rev.front() == b[0]) << r << rev;
        EXPECT_TRUE(Agree(r.substr(1, r.size() - 2), ending)) << s << " " << r;
        EXPECT_TRUE(Agree(rev.substr(1, rev.size() - 2), ending, true)) << s << " " << rev;
        const float x = MarkupEnd(MarkupEnd(148, r) + 40, "または") + 40;
        ExpectSeen(log, {{148, 100, 0, s}, {148, 170, 5, r}, {x, 170, 5, rev}});
      },
      [](const DrillRun& run) {
        ExpectSeen(run.rest, {{40, 240, 7, "教科書P85 問1 をしなさい。"}, {148, 490, 5, "3x=y+5"}});
      });
  EXPECT_EQ(pairs, (std::set<std::string>{"ab", "ax", "ay", "ba", "bx", "by", "xa", "xb", "xy",
                                          "ya", "yb", "yx"}));
  EXPECT_EQ(rows.size(), 6u);
}

// Drill ① (a pencils' price against n notebooks') then ②'s (their sum against 1000 or 2000 yen).
TEST(PriceRelationDrill, ThousandPassesReadTheirExpressions) {
  std::map<std::string, int> shown[2];
  FromFourClocks(
      kApply,
      DrillScript()
          .Keys(EnterItem(kApply, 3, 7))
          .Passes(125, 1)
          .Passes(125, 1)
          .Keys(LeaveProgram(kApply, 3)),
      [&](int pass, const Machine& m, const std::vector<DrawCall>& log) {
        const bool first = pass < 125;
        const int n = static_cast<int>(m.coef[first ? 2 : 22]);
        const int p = static_cast<int>(m.coef[first ? 1 : 21]), sum = static_cast<int>(m.coef[23]);
        ASSERT_TRUE(first ? n >= 5 && n <= 9 : n >= 6 && n <= 10) << n;
        ASSERT_EQ(p, 9 * n / 5);  // the whole part of 1.8 n, exactly
        ASSERT_TRUE(sum == 1000 || sum == 2000) << sum;
        const std::string pl = m.signText[1], nl = m.signText[2];
        ASSERT_TRUE(pl + nl == "ab" || pl + nl == "xy") << pl << nl;
        // "=" in one slot, an inequality in the other; the words shown say what the sign says.
        EXPECT_NE(m.coefText[11] == "=", m.coefText[31] == "=");
        const std::string sign = m.coefText[first ? 11 : 31], words = m.coefText[first ? 12 : 32];
        EXPECT_TRUE(Agree(sign, words)) << sign << words;
        ++shown[first ? 0 : 1][sign];
        const std::string P = Str(p), N = Str(n);
        ExpectSeen(
            log,
            first ? std::vector<Seen>{{148, 140, 0, P + pl + sign + N + nl},
                                      {148, 210, 5,
                                       "鉛筆" + P + "本の代金は、ノート" + N + "冊の代金" + words}}
                  : std::vector<Seen>{{148, 400, 0, P + pl + "+" + N + nl + sign + Str(sum)},
                                      {148, 470, 5,
                                       "鉛筆" + P + "本とノート" + N + "冊の代金の合計は、" +
                                           Str(sum) + "円" + words}});
      },
      [](const DrillRun& run) {
        ExpectSeen(run.rest, {{40, 540, 7, "教科書P85 問2 をしなさい。"}});
      });
  // Each drill shows "=" about half the time, each inequality about an eighth.
  for (auto& counts : shown) {
    EXPECT_GT(counts["="], 200);
    for (const char* s : {"<", ">", "≦", "≧"}) EXPECT_GT(counts[s], 30) << s;
  }
}

TEST(PriceRelationDrill, FiveAndTenNotebooksTakeNineAndEighteenPencils) {
  // ①: 5 notebooks, a/b, "<" in slot A; ②: 10 notebooks, 2000 yen, "≧" in slot B.
  const DrillRun run = ScriptedDrill(
      kApply,
      DrillScript()
          .Keys(EnterItem(kApply, 3, 7))
          .Pass(1, "1")
          .Pass(1, "1")
          .Keys(LeaveProgram(kApply, 3)),
      {Pick(5, 5, 5), Pick(10, 6, 5), Pick(2, 1, 2), Pick(1, 1, 2), Pick(2, 2, 4), Pick(2, 1, 2),
       Pick(5, 5, 5), Pick(10, 6, 5), Pick(2, 1, 2), Pick(1, 1, 2), Pick(5, 2, 4), Pick(1, 1, 2)});
  ExpectSeen(run.passes.at(0), {{148, 140, 0, "9a<5b"}});
  ExpectSeen(run.passes.at(1), {{148, 400, 0, "18a+10b≧2000"}});
}

}  // namespace
}  // namespace orvelle::test
