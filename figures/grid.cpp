#include "figures/grid.h"

#include "figures/figure_util.h"
#include "platform/palette.h"

namespace orvelle {

namespace {

// Line `index` of the grid: every fifth one, counted from the left or bottom edge, is thick.
void SetGridLineStyle(Machine& m, float index, float& color) {
  const bool thick = static_cast<long long>(index) % 5 == 0;
  m.device.SetDrawWidth(thick ? 3 : 1);
  color = thick ? m.fillColor : m.lineColor;
}

}  // namespace

void DrawGrid(Machine& m) {
  const int entryWidth = m.device.GetDrawWidth();
  m.savedDrawWidth = static_cast<float>(entryWidth);
  m.piValue = figure::kPi;
  m.gridLeftX = m.gridOriginX;
  m.gridTopY = m.gridOriginY;
  m.gridRightX = m.gridLeftX + m.cellSize * m.gridCols;
  m.gridBottomY = m.gridTopY + m.cellSize * m.boxHeight;
  m.gridBaseX = m.gridLeftX;
  m.gridBaseY = m.gridBottomY;
  if (m.lineColor == kBackgroundColor) {  // only the base point is wanted
    m.device.SetDrawWidth(entryWidth);
    return;
  }
  m.fillColor = 14;
  figure::CountedLoop(m.loopIndex, 0, m.gridCols, 1, [&](float i) {
    float color = 0;
    SetGridLineStyle(m, i, color);
    const float x = m.gridLeftX + m.cellSize * i;
    figure::DrawLine(m, x, m.gridTopY, x, m.gridBottomY, color);
  });
  figure::CountedLoop(m.loopIndex, 0, m.boxHeight, 1, [&](float j) {
    float color = 0;
    SetGridLineStyle(m, j, color);
    const float y = m.gridBottomY - m.cellSize * j;
    figure::DrawLine(m, m.gridLeftX, y, m.gridRightX, y, color);
  });
  m.device.SetDrawWidth(entryWidth);
}

}  // namespace orvelle
