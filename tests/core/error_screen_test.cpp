// A run-time error anywhere ends on the error screen: one clear, one message, then nothing but
// waiting for the window to close.
#include <gtest/gtest.h>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/startup.h"
#include "platform/number.h"

namespace orvelle {
namespace {

using test::ProgramRun;

int indexLine = 0;
int divideLine = 0;

void MenuWithBadIndex(Machine& m) {
  m.device.Text(0, 0, 1, 1, 0, "メニュー");
  m.device.PollKey();
  indexLine = __LINE__ + 1;
  m.coef[81] = 1;
}

void MenuDividingByZero(Machine& m) {
  m.device.PollKey();
  divideLine = __LINE__ + 1;
  m.drawX = CheckedDivide(1, m.drawY);
}

// From the last clear on: one clear, then the one message, whatever keys come.
void ExpectErrorScreen(const ProgramRun& run, int line, int code) {
  EXPECT_EQ(run.status, 0);
  const auto& log = run.device.log();
  size_t first = 0;
  for (size_t i = 0; i < log.size(); ++i) {
    if (log[i].op == Op::kClear) first = i;
  }
  std::vector<std::string> after;
  for (size_t i = first; i < log.size(); ++i) {
    const DrawCall& c = log[i];
    if (c.op == Op::kText) {
      after.push_back(test::Pt(c.x1, c.y1) + " " + std::to_string(c.scaleX) + "x" +
                      std::to_string(c.scaleY) + " c" + std::to_string(c.color) + " " + c.s);
    } else if (c.op != Op::kKey) {
      after.push_back(OpName(c.op));
    }
  }
  EXPECT_EQ(after, (std::vector<std::string>{
                       "clear", "288,432 1x1 c13 " + NumberToText(static_cast<float>(line)) + "," +
                                    NumberToText(static_cast<float>(code)) +
                                    "エラーが発生しました。マウスで×をクリックして下さい。"}));
  EXPECT_EQ(test::Pt(run.m.clockSeed, run.m.errorCode), test::Pt(line, code));
  EXPECT_FALSE(run.device.KeysLeft());
}

TEST(ErrorScreen, SubscriptOutOfRange) {
  ProgramRun run("Orvelle", MenuWithBadIndex, "1xyz\r");
  ExpectErrorScreen(run, indexLine, kSubscriptOutOfRange);
  EXPECT_EQ(run.device.keysRead(), 5);  // later keys read and ignored, then the run ends
}

TEST(ErrorScreen, DivisionByZero) {
  ProgramRun run("Orvelle Calc", MenuDividingByZero, "1ab");
  ExpectErrorScreen(run, divideLine, kDivisionByZero);
}

TEST(ErrorScreen, MessageTextForLine120Code11) {
  RecordingDevice device;
  Machine m(device);
  device.SetFontName("Times New Roman");
  device.SetFontItalic(true);
  EXPECT_THROW(ErrorHandler(m, RuntimeError(11, 120)), ProgramEnd);
  const auto texts = device.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].s, " 120, 11エラーが発生しました。マウスで×をクリックして下さい。");
  // No font is set: the message comes out in the state the error found.
  EXPECT_EQ(texts[0].font.name, "Times New Roman");
  EXPECT_TRUE(texts[0].font.italic);
}

TEST(ErrorScreen, ErrorDuringStartUp) {
  struct FailingDevice : RecordingDevice {
    void MaximizeWindow() override { Raise(kIllegalFunctionCall); }
  } device;
  device.SetKeys("k");
  Machine m(device);
  EXPECT_EQ(StartProgram(m, "Orvelle", [](Machine&) { FAIL(); }), 0);
  const auto texts = device.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].s.find(", 5エラー"), std::string::npos);
}

TEST(ErrorScreen, AnyOtherExceptionIsCaughtToo) {
  ProgramRun run(
      "Orvelle", [](Machine&) { throw std::logic_error("x"); }, "");
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.device.Texts().size(), 1u);
  EXPECT_EQ(run.device.Texts()[0].s.substr(0, 6), " 0, 51");
}

TEST(ProgramEnd, ExhaustedKeyScriptEndsWithoutTheErrorScreen) {
  ProgramRun run(
      "Orvelle",
      [](Machine& m) {
        for (;;) m.device.PollKey();
      },
      "12345");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.device.Texts().empty());
  EXPECT_EQ(run.device.keysRead(), 5);
}

}  // namespace
}  // namespace orvelle
