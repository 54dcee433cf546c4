#include "platform/recording_device.h"

#include <gtest/gtest.h>

#include <source_location>

#include "platform/error.h"

namespace orvelle {
namespace {

TEST(RecordingDevice, LogsEveryCallWithTheStateInForce) {
  RecordingDevice d;
  d.SetFontName("ｺﾞｼｯｸ");
  d.SetFontBold(true);
  d.SetDrawWidth(3);
  d.Text(128, 666, 1, 1, 9, "何\"\\");
  d.Box(96, 657, 400, 693.5f, 13, 4);
  d.Line(1, 2, 3, 4, 0);
  d.Circle(10, 20, 4, 5, 0, 0, true, 5);
  d.Polyline({{1, 2}, {3, 4}}, 7);
  d.Clear();
  const auto& log = d.log();
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[3].ToString(),
            "text x=128 y=666 sx=1 sy=1 color=9 font=\"ｺﾞｼｯｸ\" size=16 bold=1 italic=0 "
            "s=\"何\\\"\\\\\"");
  EXPECT_EQ(log[4].ToString(), "box x1=96 y1=657 x2=400 y2=693.5 border=13 fill=4 width=3");
  EXPECT_EQ(log[5].ToString(), "line x1=1 y1=2 x2=3 y2=4 color=0 width=3");
  EXPECT_EQ(log[6].ToString(),
            "circle x=10 y=20 r=4 color=5 start=0 end=0 filled=1 fill=5 width=3");
  EXPECT_EQ(log[7].ToString(), "polyline points=1,2;3,4 color=7 width=3");
  EXPECT_EQ(log[8].ToString(), "clear");
}

TEST(RecordingDevice, KeysComeFromTheScriptThenTheRunEnds) {
  RecordingDevice d(DecodeKeyScript("2\\r\\b\\f\\\\ é"));
  std::vector<std::string> keys;
  try {
    for (;;) keys.push_back(d.PollKey());
  } catch (const ProgramEnd&) {
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"2", "\r", "\b", "\f", "\\", " ", "é"}));
  EXPECT_EQ(d.Calls(Op::kKey).back().ToString(), "key s=\"é\"");
  EXPECT_EQ(d.Calls(Op::kKey)[1].ToString(), "key s=\"\\u000d\"");
  EXPECT_THROW(d.WaitForClose(), ProgramEnd);
}

TEST(RecordingDevice, AKeyReadUnderAKeySiteCarriesItsLine) {
  RecordingDevice d("abc");
  const auto outer = std::source_location::current();
  {
    const KeySite site(d, outer);
    d.PollKey();
    {
      const auto inner = std::source_location::current();
      const KeySite nested(d, inner);
      d.PollKey();
      EXPECT_EQ(d.log().back().site,
                "tests/platform/recording_device_test.cpp:" + std::to_string(inner.line()));
    }
  }
  d.PollKey();  // no site: the line is as it always was
  const auto keys = d.Calls(Op::kKey);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].ToString(), "key s=\"a\" at=tests/platform/recording_device_test.cpp:" +
                                    std::to_string(outer.line()));
  EXPECT_EQ(keys[2].ToString(), "key s=\"c\"");
  EXPECT_EQ(d.keySite().line(), 0u);
}

}  // namespace
}  // namespace orvelle
