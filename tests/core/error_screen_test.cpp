// A run-time error anywhere ends on the error screen: one clear, one message, then nothing but
// waiting for the window to close.
#include <gtest/gtest.h>

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

// Everything the program drew after the error, and the keys it read there.
std::vector<DrawCall> AfterError(const RecordingDevice& d) {
  const auto& log = d.log();
  size_t first = 0;
  for (size_t i = 0; i < log.size(); ++i) {
    if (log[i].op == "clear") first = i;
  }
  return {log.begin() + static_cast<long>(first), log.end()};
}

void ExpectErrorScreen(const ProgramRun& run, int line, int code) {
  EXPECT_EQ(run.status, 0);
  const auto after = AfterError(run.device);
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after[0].op, "clear");
  int texts = 0;
  for (const auto& c : after) {
    if (c.op == "key") continue;
    if (c.op == "text") {
      ++texts;
      EXPECT_EQ(c.x1, 288);
      EXPECT_EQ(c.y1, 432);
      EXPECT_EQ(c.scaleX, 1);
      EXPECT_EQ(c.scaleY, 1);
      EXPECT_EQ(c.color, 13);
      EXPECT_EQ(c.s, NumberToText(static_cast<float>(line)) + "," +
                         NumberToText(static_cast<float>(code)) +
                         "エラーが発生しました。マウスで×をクリックして下さい。");
    } else {
      EXPECT_EQ(c.op, "clear");
    }
  }
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(run.m.clockSeed, line);
  EXPECT_EQ(run.m.errorCode, code);
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
