#include "core/startup.h"

#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "platform/array.h"
#include "platform/number.h"

namespace orvelle {
namespace {

using test::ProgramRun;

void NoMenu(Machine&) {}

TEST(StartProgram, StepsInOrder) {
  ProgramRun run("Orvelle Calc", NoMenu, "", "10:20:30");
  EXPECT_EQ(run.status, 0);
  // Nothing is drawn by start-up itself (ErrorScreen.ErrorDuringStartUp: the handler is first).
  std::vector<std::string> log;
  for (const auto& c : run.device.log()) log.push_back(c.ToString());
  EXPECT_EQ(
      log, (std::vector<std::string>{"mapmode value=1", "maximize", "font s=\"ｺﾞｼｯｸ\"",
                                     "fontsize size=16", "width value=3", "clock s=\"10:20:30\""}));
}

TEST(StartProgram, LeavesTheStateTheMenusExpect) {
  for (const char* title : {"Orvelle", "Orvelle Calc", "Orvelle Apply"}) {
    ProgramRun run(title, NoMenu, "", "23:59:59");
    const Machine& m = run.m;
    EXPECT_EQ(m.clockSeed, 141);
    EXPECT_EQ(m.drawColor, 4);
    EXPECT_EQ(test::Pt(m.entryX, m.entryY), "1056,648");
    EXPECT_EQ(m.titleText, title);
    EXPECT_EQ(run.device.font().name, "ｺﾞｼｯｸ");
    EXPECT_EQ(run.device.font().size, 16);
    EXPECT_EQ(run.device.GetDrawWidth(), 3);
  }
  ProgramRun midnight("Orvelle", NoMenu, "", "00:00:00");
  EXPECT_EQ(midnight.m.clockSeed, 0);
}

TEST(StartProgram, SameClockSumSameRandomSequence) {
  ProgramRun a("Orvelle", NoMenu, "", "10:20:30");
  ProgramRun b("Orvelle", NoMenu, "", "12:18:30");
  ProgramRun c("Orvelle", NoMenu, "", "12:18:31");
  EXPECT_EQ(test::Pt(a.m.clockSeed, b.m.clockSeed), "60,60");
  bool differs = false;
  for (int i = 0; i < 20; ++i) {
    const float x = a.m.Rnd();
    EXPECT_EQ(x, b.m.Rnd());
    differs |= x != c.m.Rnd();
  }
  EXPECT_TRUE(differs);
}

// The menu sees every array empty, even after an earlier use of the same machine.
TEST(StartProgram, ArraysStartEmpty) {
  RecordingDevice device;
  Machine m(device);
  m.coef[80] = 3;
  m.coefText[5] = "9x+3";
  m.polygonVertices(10, 2) = 1;
  StartProgram(m, "Orvelle", [](Machine& mm) {
    for (float v : mm.coef) EXPECT_EQ(v, 0);
    for (const auto& s : mm.coefText) EXPECT_EQ(s, "");
    for (const auto& row : mm.polygonVertices)
      for (float v : row) EXPECT_EQ(v, 0);
    for (float v : mm.auxNum) EXPECT_EQ(v, 0);
    for (const auto& s : mm.signText) EXPECT_EQ(s, "");
    for (const auto& s : mm.letterText) EXPECT_EQ(s, "");
    for (const auto& s : mm.fracText) EXPECT_EQ(s, "");
    for (float v : mm.markX) EXPECT_EQ(v, 0);
    for (float v : mm.figParam) EXPECT_EQ(v, 0);
  });
  // Indices from 0 to their bound: figX and figY 0..50, polygonVertices 11 x 3.
  EXPECT_EQ(test::Pt(m.figX.size(), m.figY.size()), "51,51");
  EXPECT_EQ(test::Pt(m.polygonVertices.bound1(), m.polygonVertices.bound2()), "10,2");
  EXPECT_EQ(test::Pt(m.coef.size(), m.signText.size()), "81,41");
  EXPECT_EQ(test::Pt(m.letterText.size(), m.fracText.size()), "21,11");
  EXPECT_THROW(m.figX[51], RuntimeError);
}

TEST(SeedRandomFromClock, RepeatsTheSeedingStep) {
  RecordingDevice device;
  device.SetClock("01:02:03");
  Machine m(device);
  SeedRandomFromClock(m);
  EXPECT_EQ(m.clockSeed, 6);
  const float first = m.Rnd();
  SeedRandomFromClock(m);
  EXPECT_EQ(m.Rnd(), first);
}

TEST(FlushKeys, ReadsUntilNoKeyIsWaiting) {
  RecordingDevice device;
  Machine m(device);
  device.SetKeyList({"a", "b", "c", "", "d"});
  FlushKeys(m);
  EXPECT_EQ(m.keyText, "");
  EXPECT_EQ(device.keysRead(), 3);
  EXPECT_EQ(m.device.PollKey(), "d");  // a key typed later is not lost
  device.SetKeyList({""});
  FlushKeys(m);
  EXPECT_EQ(m.keyText, "");
}

}  // namespace
}  // namespace orvelle
