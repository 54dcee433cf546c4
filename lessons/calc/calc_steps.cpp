#include "lessons/calc/calc_steps.h"

#include "figures/dotted_arc.h"
#include "lessons/common/page.h"
#include "lessons/common/steps.h"

namespace orvelle::calc {

void StartExamplePage(Machine& m, const std::string& heading) {
  ClearPage(m, 1320, 1300);
  StartColumn(m, 40, 27, 30);
  TextStep(m, m.marginX, m.lineY, 0, heading);
}

void StartExampleArea(Machine& m) {
  StartColumn(m, 40, 60, 90);
  m.figX[31] = 0;
  m.figY[31] = 90;
  EraseBox(m, m.figX[31], m.figY[31], 2000, 1800);
}

void StartWorking(Machine& m) {
  EraseBox(m, m.markX[31] - 80, m.markY[31], 1320, 1500);
  m.indentX = m.markX[31];
  m.lineY = m.markY[31];
}

void PlusIfPositive(Machine& m, int i) {
  // Once only: example 9's bracket constant has its "+" from the pick already.
  if (m.coef[i] > 0 && !m.coefText[i].starts_with("+")) m.coefText[i] = "+" + m.coefText[i];
}

void UnitCoefficient(Machine& m, int i) {
  if (m.coef[i] == 1) {
    m.coefText[i] = "";
  } else if (m.coef[i] == -1) {
    m.coefText[i] = "-";
  }
}

namespace {

float PickSignedFactor(Machine& m) {
  float factor = RandomPick(m, 5, 1);
  m.coin = RandomPick(m, 2, 0);
  if (m.coin == 0) factor = -factor;
  return factor;
}

}  // namespace

void PickBracketOfMultiples(Machine& m) {
  m.coef[12] = PickSignedFactor(m);
  m.coef[13] = PickSignedFactor(m);
  m.coef[2] = m.coef[12] * m.auxNum[1];
  m.coef[3] = m.coef[13] * m.auxNum[1];
}

void RemovePick(Machine& m, float last) {
  for (m.loopIndex = m.coin; m.loopIndex <= last; m.loopIndex = m.loopIndex + 1) {
    m.figX[m.loopIndex] = m.figX[m.loopIndex + 1];
  }
}

void DistributiveArc(Machine& m, float x1, float y1, float x2, float y2, float color,
                     float height) {
  m.vertexX = x1;
  m.vertexY = y1;
  m.pointAX = x2;
  m.pointAY = y2;
  m.lineColor = color;
  m.arcSide = x2 > x1 ? -1 : 1;  // the side above the chord as it runs
  m.boxWidth = 1;                // a dot every degree
  m.rowPitch = height;
  m.figureLabel = "";
  m.arcExtent = 0;  // the whole half ellipse
  DrawDottedArcLabel(m);
}

}  // namespace orvelle::calc
