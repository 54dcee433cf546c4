#include "lessons/apply/balance.h"

#include <cmath>

#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::apply {
namespace {

// Every label has text colour 13 and border 7.
constexpr float kLabelText = 13;
constexpr BoxStyle kEnvelope{240, 50, 7, 8};
constexpr BoxStyle kLetters{240, 50, 7, 6};
constexpr BoxStyle kWeight20{120, 100, 7, 10};
constexpr BoxStyle kWeight5{60, 50, 7, 10};

}  // namespace

void DrawBalance(Machine& m) {
  m.piValue = 3.14159f;
  const float x0 = m.figX[0], y0 = m.figY[0];
  const float k = m.figParam[1], t = m.balanceTilt, p = m.piValue;
  // Wide enough for a label on a pan raised by the largest tilt (p/12) and for the fulcrum.
  EraseRect(m, x0 - 390, y0 - 230, x0 + 380, y0 + 100);

  m.figX[1] = x0 + k * std::cos(p + t);
  m.figY[1] = y0 - k * std::sin(p + t);
  m.figX[2] = x0 + k * std::cos(t);
  m.figY[2] = y0 - k * std::sin(t);
  // Each pan 240 long, centred 30 above its end of the beam, level at any tilt.
  m.figX[3] = m.figX[1] - 120;
  m.figX[4] = m.figX[1] + 120;
  m.figY[3] = m.figY[1] - 30;
  m.figX[5] = m.figX[2] - 120;
  m.figX[6] = m.figX[2] + 120;
  m.figY[5] = m.figY[2] - 30;
  // The fulcrum's base lies as low as a beam end at the largest tilt, p/12.
  m.figX[7] = x0 - 30;
  m.figX[8] = x0 + 30;
  m.figY[7] = y0 + k * std::sin(p / 12);

  m.device.SetDrawWidth(12);
  m.device.Line(m.figX[1], m.figY[1], m.figX[2], m.figY[2], 4);
  m.device.Line(m.figX[3], m.figY[3], m.figX[4], m.figY[3], 7);
  m.device.Line(m.figX[5], m.figY[5], m.figX[6], m.figY[5], 7);
  m.device.Line(m.figX[1], m.figY[1], m.figX[1], m.figY[3], 7);
  m.device.Line(m.figX[2], m.figY[2], m.figX[2], m.figY[5], 7);
  m.device.SetDrawWidth(3);  // left so: the figure always leaves width 3
  m.device.Polygon({{m.figX[8], m.figY[7]}, {m.figX[7], m.figY[7]}, {x0, y0}}, 5, 4);
}

void DrawLetterWeightLabels(Machine& m) {
  BoxKept(m, m.figX[3], m.figY[3] - 50, kEnvelope, kLabelText, "封筒");
  BoxKept(m, m.figX[3], m.figY[3] - 100, kLetters, kLabelText, m.columnTopText);
}

void DrawWeightLabels(Machine& m) {
  DrawLetterWeightLabels(m);
  DrawWeights(m);
}

void DrawWeights(Machine& m) {
  // The 20 at the pan's left end, the 5 30 after it.
  BoxKept(m, m.figX[5], m.figY[5] - 100, kWeight20, kLabelText, "20");
  BoxKept(m, m.figX[5] + 150, m.figY[5] - 50, kWeight5, kLabelText, "5");
}

}  // namespace orvelle::apply
