#include "lessons/apply/cube_sticks.h"

#include "figures/grid.h"
#include "platform/number.h"
#include "platform/palette.h"

namespace orvelle::apply {
namespace {

// One unit of the figure: a cube is 3 units wide, its depth 1 unit across and up.
constexpr float kUnit = 35;

int Joints(Machine& m) { return ToInt(m.squareCount); }

// The table entry of joint i of edge row r (1 back top, 2 front top, 3 back bottom,
// 4 front bottom).
int At(Machine& m, int r, int i) { return (r - 1) * Joints(m) + i; }

void Stick(Machine& m, int from, int to, float color) {
  m.device.Line(m.figX[from], m.figY[from], m.figX[to], m.figY[to], ToInt(color));
}

// The depth sticks at joint i: back top to front top, front bottom to back bottom.
void DepthSticks(Machine& m, int i, float color) {
  Stick(m, At(m, 1, i), At(m, 2, i), color);
  Stick(m, At(m, 4, i), At(m, 3, i), color);
}

// The upright stick from row `top` to row `top` + 2 at joint i, `gap` short at both ends.
void Vertical(Machine& m, int top, int i, float gap, float color) {
  const int a = At(m, top, i);
  const int b = At(m, top + 2, i);
  m.device.Line(m.figX[a], m.figY[a] + gap, m.figX[b], m.figY[b] - gap, ToInt(color));
}

// The stick of row r between joints i − 1 and i, drawn from joint i: `gapRight` short at its
// right end, `gapLeft` at its left.
void Horizontal(Machine& m, int r, int i, float gapRight, float gapLeft, float color) {
  const int a = At(m, r, i);
  const int b = At(m, r, i - 1);
  m.device.Line(m.figX[a] - gapRight, m.figY[a], m.figX[b] + gapLeft, m.figY[b], ToInt(color));
}

}  // namespace

void ComputeCubeRowPoints(Machine& m) {
  const int n = Joints(m);
  m.gridCols = 3 * m.squareCount;
  m.boxHeight = 4;
  m.cellSize = kUnit;
  m.lineColor = kBackgroundColor;  // the frame is not drawn: only its base point is wanted
  DrawGrid(m);
  for (int i = 1; i <= n; ++i) {
    const float front = 3 * static_cast<float>(i - 1);
    m.figX[At(m, 1, i)] = front + 1;
    m.figX[At(m, 2, i)] = front;
    m.figX[At(m, 3, i)] = front + 1;
    m.figX[At(m, 4, i)] = front;
  }
  for (int i = 1; i <= n; ++i) {
    m.figY[At(m, 1, i)] = 4;
    m.figY[At(m, 2, i)] = 3;
    m.figY[At(m, 3, i)] = 1;
    m.figY[At(m, 4, i)] = 0;
  }
  for (int k = 1; k <= 4 * n; ++k) {
    m.figX[k] = m.gridBaseX + m.cellSize * m.figX[k];
    m.figY[k] = m.gridBaseY - m.cellSize * m.figY[k];
  }
}

void DrawCubeRowSticks(Machine& m) {
  const int n = Joints(m);
  m.device.SetDrawWidth(7);
  for (int i = 1; i <= n; ++i) DepthSticks(m, i, 0);
  for (int i = 1; i <= n; ++i) {
    Vertical(m, 1, i, m.stickGapV, m.stickColorBack);
    Vertical(m, 2, i, m.stickGapV, m.stickColorFront);
  }
  for (int i = 2; i <= n; ++i) {
    for (int r = 1; r <= 4; ++r) Horizontal(m, r, i, m.stickGapH, m.stickGapH, m.stickColorH);
  }
}

void DrawCubeRowGrouped(Machine& m) {
  const int n = Joints(m);
  // The first cube (joints 1 and 2) in 0; from joint 3 on, the groups alternate 3, 0, 3, ….
  const auto color = [](int i) -> float { return i <= 2 || i % 2 == 0 ? 0 : 3; };
  m.device.SetDrawWidth(7);
  for (int i = 1; i <= n; ++i) {
    DepthSticks(m, i, color(i));
    Vertical(m, 1, i, 0, color(i));
    Vertical(m, 2, i, 0, color(i));
  }
  for (int i = 2; i <= n; ++i) {
    const float gap = i == 2 ? 0 : 15;  // each further group stands apart from the cube before
    for (int r = 1; r <= 4; ++r) Horizontal(m, r, i, 0, gap, color(i));
  }
}

void HighlightCubeRowTopFace(Machine& m) {
  const int n = Joints(m);
  m.device.SetDrawWidth(7);
  for (int i = 1; i <= n; ++i) Stick(m, At(m, 1, i), At(m, 2, i), 3);
  for (int i = 2; i <= n; ++i) {
    for (int r = 1; r <= 2; ++r) Horizontal(m, r, i, m.stickGapH, m.stickGapH, 3);
  }
}

void DrawContinuationMark(Machine& m, float dy) {
  m.device.Text(m.figX[6] + 20, m.figY[6] + dy, 5, 5, 0, "…");
}

void ClearStickSettings(Machine& m) {
  m.stickGapV = 0;
  m.stickColorBack = 0;
  m.stickColorFront = 0;
  m.stickGapH = 0;
  m.stickColorH = 0;
}

void DrawCubeRowAt(Machine& m, float x, float y) {
  m.gridOriginX = x;
  m.gridOriginY = y;
  m.squareCount = 6;
  ComputeCubeRowPoints(m);
  DrawCubeRowSticks(m);
}

void DrawPlainCubeRow(Machine& m, float y) {
  ClearStickSettings(m);
  DrawCubeRowAt(m, 80, y);
  DrawContinuationMark(m, 20);
}

}  // namespace orvelle::apply
