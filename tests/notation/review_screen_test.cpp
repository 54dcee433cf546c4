// A review screen of lesson lines drawn with the mark-up, written as a PNG into the build tree
// (tests/review/markup.png beside the test program) to be looked at; the test checks what can be
// checked on the pixels: the italic letters and the exponent stand on the digits' line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "../support/machine.h"
#include "core/text_boxes.h"
#include "notation/labels.h"
#include "notation/markup.h"
#include "platform/canvas.h"
#include "platform/palette.h"

namespace orvelle {
namespace {

std::filesystem::path ReviewDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (ec ? std::filesystem::current_path() : exe.parent_path()) / "review";
}

struct ReviewScreen : test::Bench {
  Canvas canvas{1};

  ReviewScreen() {
    device.OnDraw([this](const DrawCall& c) { canvas.Draw(c); });
  }
  float Line(const std::string& text, float x, float y, int color = 0) {
    m.drawText = text;
    m.drawX = x;
    m.drawY = y;
    m.drawColor = static_cast<float>(color);
    DrawMarkupText(m);
    return m.drawX;
  }
  // The first and last rows with ink in the columns [x0, x1) from y 72 to 180 (below the first
  // line, above the third), or -1, -1.
  std::pair<int, int> Rows(int x0, int x1) const {
    int top = -1, bottom = -1;
    for (int y = 72; y < 180; ++y) {
      for (int x = x0; x < x1; ++x) {
        const Rgb p = canvas.Pixel(x, y);
        if (p.r < 128 && p.g < 128 && p.b < 128) {
          if (top < 0) top = y;
          bottom = y;
        }
      }
    }
    return {top, bottom};
  }
};

TEST(ReviewScreen, LessonLinesReadAsClassroomMathematics) {
  ReviewScreen s;
  s.Line("教科書P73Q をやってみよう。", 40, 20, 7);
  s.Line("5a*3", 40, 100);
  s.Line("=", s.m.drawX, 100);
  s.Line("15a", s.m.drawX, 100);
  s.Line("x^2y^3", 400, 100);
  s.Line("=6a+3 (m^2)", 700, 100);
  s.Line("-ﾀx/5ﾀa-ﾀ1/7ﾀb", 40, 220);
  s.Line("4x/ﾀ2/3ﾀ", 400, 220);
  s.Line("=4x*ﾀ3/2ﾀ=6x", s.m.drawX, 220);
  s.Line("ﾀ2x+3/5ﾀ", 900, 220);
  s.Line("!3ﾝ+√12ﾝ", 40, 360);
  s.Line("#ﾀ1/2ﾀﾝ", 400, 340);
  s.Line("ﾀ1/x^2ﾀ+ﾀ!2ﾝ/2ﾀ", 600, 340);
  s.Line("ﾀ12/-4ﾀ=-3", 900, 340);
  s.Line("l=2πr 180%", 40, 480);
  s.Line("c=a@b", 400, 480);
  s.Line("ﾀ道のり/速さﾀ=時間", 700, 460, 4);
  s.m.boxWidth = 300;
  s.m.boxHeight = 50;
  s.m.lineColor = 13;
  s.m.fillColor = 11;
  s.m.drawColor = 0;
  s.m.drawX = 40;
  s.m.drawY = 600;
  s.m.strArg = "(20x+15)/5";
  DrawTextInBox(s.m);
  s.m.boxWidth = 200;
  s.m.strArg = "ﾀ3/4ﾀx";
  DrawTextInBox(s.m);
  s.m.drawX = 600;
  s.m.drawY = 600;
  s.m.strArg = "3x (a)";
  DrawLabelInBox(s.m);
  s.Line("3a-2a=(3-2)a=a", 40, 720);

  const auto dir = ReviewDir();
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(s.canvas.WritePng((dir / "markup.png").string()));

  // The second line stands at y 100.
  // "5a*3" at x 40: the 5's cell is 40..67, the a's 67..94, the 3's 121..148.
  const auto five = s.Rows(40, 67), a = s.Rows(67, 94), three = s.Rows(121, 148);
  ASSERT_GE(five.second, 0);
  ASSERT_GE(a.second, 0);
  EXPECT_NEAR(a.second, five.second, 2) << "the italic a does not sit on the digits' line";
  EXPECT_EQ(three.second, five.second);
  EXPECT_GT(a.first, five.first + 5);  // a lower-case letter: its top well below the digit's

  // "x^2y^3" at x 400: the x on the line, the exponent 2 above the x's top.
  const auto x = s.Rows(400, 427), two = s.Rows(427, 451);
  EXPECT_NEAR(x.second, five.second, 2) << "the italic x does not sit on the digits' line";
  EXPECT_LT(two.second, x.second - 10) << "the exponent is not raised";
  EXPECT_LT(two.first, x.first);
}

}  // namespace
}  // namespace orvelle
