#include "figures/match_squares.h"

#include <cmath>

#include "figures/figure_util.h"
#include "figures/grid.h"

namespace orvelle {

void DrawMatchSquares(Machine& m) {
  const float n = m.squareCount;
  // Beyond nine squares the label points (from index 21) would overwrite the bottom corners.
  if (!(n >= 1 && n <= 9) || n != std::floor(n)) return;

  m.gridCols = n;
  m.boxHeight = 1;
  m.cellSize = 100;
  m.lineColor = 15;
  DrawGrid(m);

  // Corners in square units, x to the right and y up: the top row 0..n, the bottom row n+1..2n+1.
  m.figX[0] = 0;
  m.figY[0] = 1;
  m.figX[n + 1] = 0;
  m.figY[n + 1] = 0;
  figure::CountedLoop(m.loopIndex, 1, n, 1, [&](float i) {
    m.figX[i] = m.figX[i - 1] + 1;
    m.figX[n + 1 + i] = m.figX[i];
    m.figY[i] = 1;
    m.figY[n + 1 + i] = 0;
  });
  figure::CountedLoop(m.loopIndex, 0, 2 * n + 1, 1, [&](float k) {
    m.figX[k] = m.gridBaseX + m.cellSize * m.figX[k];
    m.figY[k] = m.gridBaseY - m.cellSize * m.figY[k];
  });
  // A label point in each square: its centre moved 19 left and 22 up.
  figure::CountedLoop(m.loopIndex, 1, n, 1, [&](float i) {
    m.figX[20 + i] = (m.figX[i - 1] + m.figX[i]) / 2 - 19;
    m.figY[20 + i] = (m.figY[0] + m.figY[n + 1]) / 2 - 22;
  });

  m.device.SetDrawWidth(7);
  // Right to left, so a shared stick ends in the colour of the square on its left.
  figure::CountedLoop(m.loopIndex, n, 1, -1, [&](float i) {
    m.lineColor = std::fmod(i + n, 2.0f) == 0 ? m.highlightMode : 0;
    const float c = m.lineColor;
    const float right = m.figX[i], left = m.figX[i - 1];
    const float top = m.figY[i], bottom = m.figY[n + i];
    figure::DrawLine(m, right, top + 8, right, m.figY[n + 1 + i] - 8, c);
    figure::DrawLine(m, right - 8, top, left + 8, top, c);
    figure::DrawLine(m, left, top + 8, m.figX[n + i], bottom - 8, c);
    figure::DrawLine(m, right - 8, bottom, m.figX[n + i] + 8, bottom, c);
  });
}

}  // namespace orvelle
