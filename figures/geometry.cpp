// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/geometry.h"

#include <cmath>

#include "figures/figure_util.h"

namespace orvelle {

namespace {

// Stands for a vertical line in the slope variables, as the lines are reported.
constexpr float kVerticalSlope = 1000;

// One line of FindLineIntersection through (x1, y1) and (x2, y2). A vertical line is marked by
// `vertical`, not by its slope, so a line that really has the slope 1000 stays a sloping line.
void PrepareLine(Machine& m, float x1, float y1, float x2, float y2, float& slope, float& intercept,
                 bool& vertical) {
  vertical = false;
  if (y2 == y1) {
    slope = 0;
    intercept = y1;
    return;
  }
  const float s = x2 == x1 ? INFINITY : (y2 - y1) / (x2 - x1);
  if (!std::isfinite(s)) {  // vertical, or too steep for a slope to hold
    slope = kVerticalSlope;
    m.crossX = x1;
    vertical = true;
    return;
  }
  slope = s;
  intercept = y1 - s * x1;
}

}  // namespace

void FindPerpendicularFoot(Machine& m) {
  const float slope = m.segX2 == m.segX1 ? INFINITY : (m.segY2 - m.segY1) / (m.segX2 - m.segX1);
  const float normal = m.segY2 == m.segY1 ? INFINITY : -1 / slope;
  if (!std::isfinite(slope)) {  // vertical (also two equal points)
    m.segPX = m.segX1;
    m.segPY = m.segY3;
  } else if (!std::isfinite(normal)) {  // horizontal
    m.segPX = m.segX3;
    m.segPY = m.segY1;
  } else {
    const float b1 = m.segY1 - slope * m.segX1;
    const float b2 = m.segY3 - normal * m.segX3;
    m.axisXMin = slope;
    m.axisYMin = b1;
    m.axisXMax = normal;
    m.axisYMax = b2;
    m.segPX = -(b1 - b2) / (slope - normal);
    m.segPY = (slope * b2 - normal * b1) / (slope - normal);
  }
  figure::DrawDisc(m, m.segPX, m.segPY, 2, 15);
}

void FindLineIntersection(Machine& m) {
  bool vertical1 = false, vertical2 = false;
  PrepareLine(m, m.segX1, m.segY1, m.segX2, m.segY2, m.slope1, m.intercept1, vertical1);
  PrepareLine(m, m.segX3, m.segY3, m.segX4, m.segY4, m.slope2, m.intercept2, vertical2);
  if (vertical1 && vertical2) return;  // parallel
  if (vertical1) {
    m.crossX = m.segX1;
    m.crossY = m.slope2 * m.crossX + m.intercept2;
    return;
  }
  if (vertical2) {
    m.crossX = m.segX3;
    m.crossY = m.slope1 * m.crossX + m.intercept1;
    return;
  }
  if (m.slope1 == m.slope2) return;  // parallel
  const float ds = m.slope2 - m.slope1, db = m.intercept2 - m.intercept1;
  m.crossX = -db / ds;
  m.crossY = (-m.slope1 * db + m.intercept1 * ds) / ds;
}

void LinePointAtXOrY(Machine& m) {
  const float slope = m.segX2 == m.segX1 ? INFINITY : (m.segY2 - m.segY1) / (m.segX2 - m.segX1);
  if (!std::isfinite(slope)) {  // vertical, or too steep for a slope to hold
    m.originX = m.segX1;
    m.originY = m.segY3;
    return;
  }
  if (m.segY1 == m.segY2) {
    m.originX = m.segX3;
    m.originY = m.segY1;
    return;
  }
  const float c = m.segY1 - slope * m.segX1;
  if (m.segX3 < 0) {
    m.originX = (m.segY3 - c) / slope;
    m.originY = m.segY3;
  }
  if (m.segY3 < 0) {
    m.originX = m.segX3;
    m.originY = slope * m.segX3 + c;
  }
}

}  // namespace orvelle
