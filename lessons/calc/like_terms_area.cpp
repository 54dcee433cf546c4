// The area diagram of aL + bL: each term a box one letter high and its coefficient wide.
#include "lessons/calc/like_terms_area.h"

#include <cmath>
#include <string>

#include "figures/dotted_arc.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {
namespace {

constexpr float kUnit = 50;  // the width of one unit of coefficient, and the height of a box

// Sides of the arcs: every width edge runs from left to right, every height edge downwards.
constexpr float kAbove = -1;
constexpr float kBelow = 1;
constexpr float kLeft = 1;

// Dot steps in degrees: a term's width, a height, the sum's width.
constexpr float kTermStep = 8;
constexpr float kHeightStep = 18;
constexpr float kSumStep = 5;

// How the bottom row puts the two terms together.
enum class Layout {
  kJoined,        // b > 0: end to end
  kNegativeOver,  // b < 0 and |b| ≤ a: the negative box over the left end of the positive one
  kPositiveOver,  // |b| > a: the positive box over the left end of the negative one
};

// The bottom row: figX(6) to figX(10) (figX(5) is the figure's left edge) and the colours.
// Colour 3 is a positive quantity, 5 a negative one.
struct BottomRow {
  float x6, x7, x8, x9, x10;
  float firstTerm, secondTerm, backFill, frontFill;
};

BottomRow BottomRowOf(Layout layout, float x0, float wa, float wb) {
  switch (layout) {
    case Layout::kJoined:
      return {x0 + wa, x0 + wa, x0 + wa + wb, x0, x0 + wa + wb, 3, 3, 3, 3};
    case Layout::kNegativeOver:
      return {x0 + wa, x0, x0 + wb, x0 + wb, x0 + wa, 3, 5, 3, 5};
    case Layout::kPositiveOver:
      break;
  }
  return {x0 + wb, x0, x0 + wa, x0 + wa, x0 + wb, 3, 5, 5, 3};
}

// A box of the figure at (x, y): 50 high, border 0, its text in 13. A box of no width is left
// out (only inputs the lessons never pass give one).
void AreaBox(Machine& m, float x, float y, float width, float fill, const std::string& text) {
  if (!(width > 0)) return;
  BoxKept(m, x, y, {width, kUnit, 0, fill}, 13, text);
}

// A dotted arc of bulge 10 over the edge from (x1, y1) to (x2, y2), dots in 7 every `step`
// degrees, labelled in `color`.
void Arc(Machine& m, float x1, float y1, float x2, float y2, float side, float step, float color,
         const std::string& label) {
  m.vertexX = x1;
  m.vertexY = y1;
  m.pointAX = x2;
  m.pointAY = y2;
  m.rowPitch = -10;  // the arc gives back 10, which passed again would mean a bulge of 160
  m.arcSide = side;
  m.arcExtent = 0;
  m.boxWidth = step;  // the boxes' width is the arcs' dot step
  m.lineColor = 7;
  m.drawColor = color;
  m.figureLabel = label;
  DrawDottedArcLabel(m);
}

// The width of the edge from x1 to x2 at height y, above or below it; none for no width.
void WidthArc(Machine& m, float x1, float x2, float y, float side, float step, float color,
              const std::string& label) {
  if (!(x2 > x1)) return;
  Arc(m, x1, y, x2, y, side, step, color, label);
}

// The height of the box whose left edge runs from (x, top) to (x, bottom), on its left.
void HeightArc(Machine& m, float x, float top, float bottom, float color,
               const std::string& label) {
  Arc(m, x, top, x, bottom, kLeft, kHeightStep, color, label);
}

}  // namespace

void DrawLikeTermsArea(Machine& m) {
  m.device.SetDrawWidth(5);  // left so
  const float x0 = m.figX[1], y0 = m.figY[1];
  const float a = m.coef[1], b = m.coef[2];
  const float wa = kUnit * a, wb = kUnit * std::fabs(b);
  m.figX[2] = x0 + wa;
  m.figX[3] = m.figX[2] + 60;
  m.figX[4] = m.figX[3] + wb;
  const Layout layout = b > 0               ? Layout::kJoined
                        : std::fabs(b) <= a ? Layout::kNegativeOver
                                            : Layout::kPositiveOver;
  const BottomRow row = BottomRowOf(layout, x0, wa, wb);
  m.figX[5] = x0;
  m.figX[6] = row.x6;
  m.figX[7] = row.x7;
  m.figX[8] = row.x8;
  m.figX[9] = row.x9;
  m.figX[10] = row.x10;
  m.firstTermColor = row.firstTerm;
  m.secondTermColor = row.secondTerm;
  m.bottomBackFill = row.backFill;
  m.bottomFrontFill = row.frontFill;
  m.figY[2] = y0 + kUnit;
  m.figY[3] = m.figY[2] + 70;
  m.figY[4] = m.figY[3] + kUnit;

  // The two terms, 60 apart.
  const std::string& L = m.letterText[1];
  AreaBox(m, m.figX[1], m.figY[1], wa, 3, m.coefText[11] + L);
  WidthArc(m, m.figX[1], m.figX[2], m.figY[1], kAbove, kTermStep, m.firstTermColor, m.coefText[1]);
  HeightArc(m, m.figX[1], m.figY[1], m.figY[2], m.firstTermColor, L);
  AreaBox(m, m.figX[3], m.figY[1], wb, m.secondTermColor, m.coefText[22] + L);
  WidthArc(m, m.figX[3], m.figX[4], m.figY[1], kAbove, kTermStep, m.secondTermColor, m.coefText[2]);
  HeightArc(m, m.figX[3], m.figY[1], m.figY[2], m.secondTermColor, L);
  Key(m);

  // Put together: the back box, the front box after it or over its left end, then the arcs and
  // the sum's box.
  AreaBox(m, m.figX[5], m.figY[3], m.figX[6] - m.figX[5], m.bottomBackFill, "");
  AreaBox(m, m.figX[7], m.figY[3], m.figX[8] - m.figX[7], m.bottomFrontFill, "");
  const std::string sum = m.coefText[13] + m.letterText[2];
  switch (layout) {
    case Layout::kJoined:
      HeightArc(m, m.figX[5], m.figY[3], m.figY[4], 3, L);
      WidthArc(m, m.figX[5], m.figX[6], m.figY[3], kAbove, kTermStep, 3, m.coefText[1]);
      WidthArc(m, m.figX[7], m.figX[8], m.figY[3], kAbove, kTermStep, 3, m.coefText[2]);
      WidthArc(m, m.figX[9], m.figX[10], m.figY[4], kBelow, kSumStep, 3, m.coefText[3]);
      // The sum stands in the second term's part; the first term's part stays blank.
      AreaBox(m, m.figX[7], m.figY[3], m.figX[10] - m.figX[7], 3, sum);
      break;
    case Layout::kNegativeOver:
      HeightArc(m, m.figX[5], m.figY[3], m.figY[4], 3, L);
      WidthArc(m, m.figX[5], m.figX[6], m.figY[4], kBelow, kTermStep, 3, m.coefText[1]);
      WidthArc(m, m.figX[7], m.figX[8], m.figY[3], kAbove, kTermStep, 5, m.coefText[2]);
      WidthArc(m, m.figX[9], m.figX[10], m.figY[3], kAbove, kSumStep, 3, m.coefText[3]);
      AreaBox(m, m.figX[9], m.figY[3], m.figX[10] - m.figX[9], 3, sum);
      break;
    case Layout::kPositiveOver:
      HeightArc(m, m.figX[5], m.figY[3], m.figY[4], 5, L);
      WidthArc(m, m.figX[5], m.figX[6], m.figY[4], kBelow, kTermStep, 5, m.coefText[2]);
      WidthArc(m, m.figX[7], m.figX[8], m.figY[3], kAbove, kTermStep, 3, m.coefText[1]);
      WidthArc(m, m.figX[9], m.figX[10], m.figY[3], kAbove, kSumStep, 5, m.coefText[3]);
      AreaBox(m, m.figX[9], m.figY[3], m.figX[10] - m.figX[9], 5, sum);
      break;
  }
}

}  // namespace orvelle::calc
