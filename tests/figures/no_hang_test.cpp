// No input makes a figure routine run for ever: every routine with a loop that an input could
// keep going gets the worst inputs there are, under a time limit.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <future>
#include <limits>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "figures/angles.h"
#include "figures/axes.h"
#include "figures/dotted_arc.h"
#include "figures/factors.h"
#include "figures/graphs.h"
#include "figures/grid.h"
#include "figures/marks.h"
#include "figures/polygon.h"
#include "figures/roots.h"

namespace orvelle {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Runs `body` on a fresh bench and fails (ending the test program, which cannot stop a runaway
// thread otherwise) when it takes longer than the limit.
void WithinTime(const char* what, const std::function<void(Machine&)>& body) {
  auto run = std::async(std::launch::async, [&] {
    test::Bench b;
    body(b.m);
    EXPECT_TRUE(test::AllFinite(b.device)) << what;
  });
  if (run.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << what << " did not end";
    std::fprintf(stderr, "%s did not end\n", what);
    std::_Exit(1);
  }
  run.get();
}

TEST(FigureLoops, DottedArcStepsThatCouldNeverEnd) {
  for (float step : {0.0f, -1.0f, 1e-30f, 1e-6f, kNaN, kInf}) {
    WithinTime("DrawDottedArcLabel", [step](Machine& m) {
      m.vertexX = 100;
      m.vertexY = m.pointAX = m.pointAY = 300;
      m.rowPitch = 1;
      m.arcSide = 1;
      m.boxWidth = step;
      m.figureLabel = "A";
      DrawDottedArcLabel(m);
    });
  }
  WithinTime("DrawDottedArcLabel extent", [](Machine& m) {
    m.pointAX = 10;
    m.rowPitch = 1;
    m.arcSide = -1;
    m.arcExtent = kInf;
    m.boxWidth = 1;
    DrawDottedArcLabel(m);
  });
}

TEST(FigureLoops, RootsAndFactorsOfAnyValue) {
  for (float n : {0.0f, -1.0f, 0.4f, 1e30f, 3.4e38f, kInf, -kInf, kNaN, 16777216.0f}) {
    WithinTime("SimplifyRoot", [n](Machine& m) {
      m.radicand = n;
      SimplifyRoot(m);
    });
    WithinTime("FactorizeNumber", [n](Machine& m) {
      m.factorNumber = n;
      FactorizeNumber(m);
    });
  }
}

TEST(FigureLoops, GridAndAxisRangesThatNeverEnd) {
  for (float count : {1e9f, kInf, kNaN, -1e9f}) {
    WithinTime("DrawGrid", [count](Machine& m) {
      m.gridCols = m.boxHeight = count;
      m.cellSize = 1;
      m.lineColor = 0;
      DrawGrid(m);
    });
  }
  for (float range : {1e9f, 1e20f, kInf}) {
    WithinTime("DrawAxes", [range](Machine& m) {
      m.axisXMin = m.axisYMin = -range;
      m.axisXMax = m.axisYMax = range;
      m.axisXStep = 1e-30f;
      m.axisYStep = 1;
      m.cellSize = 20;
      m.lineColor = 5;
      DrawAxes(m);
      DrawDecimalAxisLabels(m);
      m.graphType = 1;
      m.graphA = 1;
      PlotGraph(m);
    });
  }
}

TEST(FigureLoops, MarkCountsAndPolygons) {
  for (float count : {1e9f, kInf, kNaN, -1e9f}) {
    WithinTime("marks", [count](Machine& m) {
      m.vertexX = m.vertexY = m.pointAY = m.pointBX = 300;
      m.pointAX = 400;
      m.pointBY = 200;
      m.markCount = count;
      m.markRadius = 40;
      DrawAngleMark(m);
      m.segX2 = 100;
      m.markCount = count;
      DrawEqualMarks(m);
      m.polygonVertexCount = count;
      m.figureLabel = "A";
      DrawPolygonFigure(m);
    });
  }
}

}  // namespace
}  // namespace orvelle
