// The balance of section 3 of Orvelle Apply, and the examples ② to ④ that tilt it.
#include "lessons/apply/balance.h"

#include "../../support/lesson_test.h"

namespace orvelle::test {
namespace {

constexpr float kStep = 3.14159f / 96;  // one frame of a tilt

void Balance(Bench& b, float tilt) {
  b.m.figX[0] = 880;
  b.m.figY[0] = 450;
  b.m.figParam[1] = 150;
  b.m.balanceTilt = tilt;
  apply::DrawBalance(b.m);
}

TEST(Balance, PointsAtTheTiltsTheExamplesUse) {
  // After the erase, the beam in 4, the pans and their posts in 7, at width 12; the fulcrum in 5
  // on 4 at width 3, left so. Tilted 8 frames, the lower end is level with the fulcrum's base.
  const std::pair<int, Strings> cases[] = {
      {0,
       {"730,450-1030,450 w12 c4", "610,420-850,420 w12 c7", "910,420-1150,420 w12 c7",
        "730,450-730,420 w12 c7", "1030,450-1030,420 w12 c7"}},
      {8,
       {"735.11,488.82-1024.89,411.18 w12 c4", "615.11,458.82-855.11,458.82 w12 c7",
        "904.89,381.18-1144.89,381.18 w12 c7", "735.11,488.82-735.11,458.82 w12 c7",
        "1024.89,411.18-1024.89,381.18 w12 c7"}},
      {-8,
       {"735.11,411.18-1024.89,488.82 w12 c4", "615.11,381.18-855.11,381.18 w12 c7",
        "904.89,458.82-1144.89,458.82 w12 c7", "735.11,411.18-735.11,381.18 w12 c7",
        "1024.89,488.82-1024.89,458.82 w12 c7"}},
  };
  for (const auto& [steps, lines] : cases) {
    Bench b;
    Balance(b, static_cast<float>(steps) * kStep);
    EXPECT_EQ(Boxes(b.device), Strings{"490,220-1260,550 b15 f15 w3"});
    EXPECT_EQ(Lines(b.device), lines);
    EXPECT_EQ(Sigs(b.device, Op::kPolygon), Strings{"910,488.82;850,488.82;880,450 w3 c5"});
    EXPECT_EQ(b.m.device.GetDrawWidth(), 3);
  }
}

// The envelope and the letters stacked on the left pan, which starts at 610 (p is not quite pi:
// 0.0004 off); the weights 20 and 5 on the right one, at 910 and 1060; all at about 420.
TEST(Balance, LabelsStandOnThePans) {
  Bench b;
  Balance(b, 0);
  b.m.columnTopText = "便せんx枚";
  apply::DrawWeightLabels(b.m);
  const float x = b.m.figX[3], y = b.m.figY[3];
  const auto& log = b.device.log();
  EXPECT_TRUE(HasBox(log, x, y - 50, x + 240, y, 7, 8) &&
              HasBox(log, x, y - 100, x + 240, y - 50, 7, 6));
  EXPECT_TRUE(HasBox(log, 910, 320, 1030, 420, 7, 10) && HasBox(log, 1060, 370, 1120, 420, 7, 10));
  ExpectSeen(log, {{x + (240 - MarkupEnd(0, "便せんx枚")) / 2, y - 97, 13, "便せんx枚"},
                   {910 + (120 - MarkupEnd(0, "20")) / 2, 348, 13, "20"}});
}

// The frames of a log: each beam's tilt in steps of p/96 (left end down: positive), and a "p"
// for each pause of 50 ms after it.
std::string Frames(const std::vector<DrawCall>& log) {
  std::string frames;
  for (const auto& c : log) {
    if (c.op == Op::kLine && c.color == 4 && c.width == 12) {
      const float tilt = std::atan2(c.y1 - c.y2, c.x2 - c.x1);
      frames += " " + std::to_string(std::lround(tilt / kStep));
    } else if (c.op == Op::kPause) {
      frames += c.value == 50 ? "p" : "?";
    }
  }
  return frames;
}

TEST(BalanceExamples, EqualitySinksAndSettlesInequalityGoesOnDown) {
  for (int item : {2, 3}) {
    const bool eq = item == 2;
    const ItemRun run(kApply, 3, item, 7);
    // The sinking run after the first key, the swing back after the third; no other pauses.
    EXPECT_EQ(Frames(run.screens[0]), " 0");
    EXPECT_EQ(Frames(run.screens[1]), " 0p 1p 2p 3p 4p 5p 6p 7p 8p");
    EXPECT_EQ(Frames(run.screens[3]), eq ? " 8p 7p 6p 5p 4p 3p 2p 1p 0p"
                                         : " 8p 7p 6p 5p 4p 3p 2p 1p 0p -1p -2p -3p -4p -5p -6p "
                                           "-7p -8p");
    const std::string all = Frames(run.log());
    EXPECT_EQ(std::count(all.begin(), all.end(), 'p'), eq ? 18 : 26);
    // The weights come onto the raised right pan, 38.8 + 30 above the pivot, before the swing.
    Strings boxes;
    for (const auto& c : run.screens[2]) boxes.push_back(c.op == Op::kBox ? BoxSig(c) : "");
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "904.89,281.18-1024.89,381.18 b7 f10 w3"),
              boxes.end());
    run.Expect({{40, 130, 7, "<解答>", 4},
                {40, 480, 0, eq ? "4x+5=25" : "4y+5<25,25>4y+5", 6},
                {40, 580, 5, "右辺", 7}});
  }
}

TEST(BalanceExamples, AtMostAtLeastOnTwoStillBalances) {
  const ItemRun item(kApply, 3, 4, 6);
  EXPECT_EQ(Frames(item.log()), " 0 -8");
  // The first erase runs off the left edge; the second cuts 20 off the first right pan (to 590).
  EXPECT_TRUE(HasBox(item.screens[1], -70, 370, 700, 700, 15, 15));
  EXPECT_TRUE(HasBox(item.screens[1], 570, 320, 1340, 650, 15, 15));
  item.Expect({{40, 130, 7, "<解答>", 1},
               {MarkupEnd(40, "以下は、等しいか軽いときで、"), 180, 5, "不等号≦ ", 2},
               {MarkupEnd(40, "25g未満なら　"), 380, 3, "4a+5<25", 6}});
}

}  // namespace
}  // namespace orvelle::test
