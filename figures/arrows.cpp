// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#include "figures/arrows.h"

#include <cmath>
#include <vector>

#include "figures/figure_util.h"

namespace orvelle {

namespace {

// The segment from the tail to the tip, and the two strokes of the head at the tip.
void DrawArrow(Machine& m, float tailX, float tailY, float tipX, float tipY) {
  figure::DrawLine(m, tailX, tailY, tipX, tipY, m.lineColor);
  m.segX3 = tipX - tailX;
  m.segY3 = tipY - tailY;
  const float length = std::hypot(m.segX3, m.segY3);
  if (!(length > 0) || !figure::Finite(length)) return;  // a point has no direction for a head
  m.segX4 = m.segX3 / length;
  m.segY4 = m.segY3 / length;
  const float h = m.markRadius;
  m.segPX = tipX - h * m.segX4;
  m.segPY = tipY - h * m.segY4;
  m.pointAX = m.segPX - h / 2 * m.segY4;
  m.pointAY = m.segPY + h / 2 * m.segX4;
  m.pointBX = m.segPX + h / 2 * m.segY4;
  m.pointBY = m.segPY - h / 2 * m.segX4;
  figure::DrawLine(m, m.pointAX, m.pointAY, tipX, tipY, m.lineColor);
  figure::DrawLine(m, m.pointBX, m.pointBY, tipX, tipY, m.lineColor);
}

}  // namespace

void DrawLeftBrace(Machine& m) {
  const int entryWidth = m.device.GetDrawWidth();
  m.savedDrawWidth = static_cast<float>(entryWidth);
  const float x = m.drawX, y = m.drawY;
  const float top = y + 5, bottom = y + m.boxWidth - 10, middle = (top + bottom) / 2;
  const std::vector<Point> brace = {{x + 35, top},   {x + 23, top + 3},    {x + 23, middle - 7},
                                    {x + 8, middle}, {x + 23, middle + 7}, {x + 23, bottom - 3},
                                    {x + 35, bottom}};
  m.device.SetDrawWidth(5);
  bool finite = true;
  for (const Point& p : brace) finite = finite && figure::Finite(p.x, p.y);
  if (finite) m.device.Polyline(brace, figure::Color(m.drawColor));
  m.device.SetDrawWidth(entryWidth);
  m.originX = x + 35;
  m.originY = y + 5;
}

void DrawArrowSegment(Machine& m) {
  const bool headAtV = m.arrowReverse == -1;
  const float vx = m.vertexX, vy = m.vertexY, cx = m.pointCX, cy = m.pointCY;
  if (headAtV) {
    DrawArrow(m, cx, cy, vx, vy);
  } else {
    DrawArrow(m, vx, vy, cx, cy);
  }
  if (m.arrowBothEnds == 2) {
    m.arrowBothEnds = 0;
    if (headAtV) {
      DrawArrow(m, vx, vy, cx, cy);
    } else {
      DrawArrow(m, cx, cy, vx, vy);
    }
  }
  m.arrowReverse = 0;
}

}  // namespace orvelle
