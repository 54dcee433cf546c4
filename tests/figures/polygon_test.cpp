// Polygons with labels outside their vertices.
#include "figures/polygon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/log_view.h"
#include "../support/machine.h"
#include "core/measure.h"

namespace orvelle {
namespace {

using test::Strings;

struct Polygon : test::Bench {
  void Set(std::vector<Point> vertices) {
    m.polygonVertexCount = static_cast<float>(vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
      m.polygonVertices(i + 1, 1) = vertices[i].x;
      m.polygonVertices(i + 1, 2) = vertices[i].y;
    }
  }
  void Draw(const std::string& label, float radius = 0) {
    m.figureLabel = label;
    m.markRadius = radius;
    m.figureSize = 2;
    m.lineColor = 6;
    m.drawColor = 1;
    device.ClearLog();
    DrawPolygonFigure(m);
  }
  // The first visible glyph drawn after each label started: one text run per label.
  std::vector<DrawCall> Labels() const { return test::VisibleTexts(device); }
};

// A triangle whose vertices follow each other counterclockwise on the screen.
const std::vector<Point> kTriangle = {{100, 300}, {300, 300}, {200, 100}};

bool Inside(Point p, const std::vector<Point>& t) {
  const auto side = [&](Point a, Point b) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
  };
  const float s1 = side(t[0], t[1]), s2 = side(t[1], t[2]), s3 = side(t[2], t[0]);
  return (s1 > 0 && s2 > 0 && s3 > 0) || (s1 < 0 && s2 < 0 && s3 < 0);
}

TEST(DrawPolygonFigure, SidesAtTheirWidthThenTheWidthFound) {
  Polygon p;
  p.device.SetDrawWidth(5);
  p.Set(kTriangle);
  p.Draw("A");
  EXPECT_EQ(test::Lines(p.device),
            (Strings{"100,300-300,300 w2 c6", "300,300-200,100 w2 c6", "200,100-100,300 w2 c6"}));
  EXPECT_EQ(p.device.GetDrawWidth(), 5);  // although the labels' drawing used savedDrawWidth
  EXPECT_EQ(p.m.savedDrawWidth, 5);
  EXPECT_EQ(p.m.figureLabel, "");
  EXPECT_EQ(test::Pt(p.m.markRadius, p.m.swapRays), "0,0");
  EXPECT_EQ(p.m.loopIndex, 4);
}

TEST(DrawPolygonFigure, LettersFromTheStartLetterOutsideTheTriangle) {
  Polygon p;
  p.Set(kTriangle);
  p.Draw("A");
  const auto labels = p.Labels();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].color, 1);
  // Each label's box (its width by 44) has its centre outside the triangle, near its vertex.
  for (int i = 0; i < 3; ++i) {
    p.m.strArg = labels[i].s;
    MeasureMarkedText(p.m);
    const Point centre{labels[i].x1 + p.m.textWidth / 2, labels[i].y1 + 22};
    EXPECT_FALSE(Inside(centre, kTriangle)) << i;
    EXPECT_LT(std::hypot(centre.x - kTriangle[i].x, centre.y - kTriangle[i].y), 40) << i;
  }
  // Successive letters: the same places with "1" and letterText give the same layout.
  Polygon sides;
  sides.Set(kTriangle);
  sides.m.letterText[1] = "A";
  sides.m.letterText[2] = "B";
  sides.m.letterText[3] = "C";
  sides.Draw("1");
  EXPECT_EQ(test::Texts(sides.device), test::Texts(p.device));
  EXPECT_EQ(test::Chars(p.device), "ABC");
}

TEST(DrawPolygonFigure, NoLabelKeepsTheLabelInputs) {
  Polygon p;
  p.Set(kTriangle);
  p.m.swapRays = 3;
  p.Draw("", 20);
  EXPECT_EQ(p.Calls(Op::kLine).size(), 3u);
  EXPECT_TRUE(p.Labels().empty());
  EXPECT_EQ(p.m.markRadius, 20);
  EXPECT_EQ(p.m.swapRays, 3);
}

TEST(DrawPolygonFigure, QuadrilateralLabelsUseTheNextTwoVertices) {
  Polygon p;
  p.Set({{100, 300}, {300, 300}, {300, 100}, {100, 100}});
  p.Draw("P");
  EXPECT_EQ(p.Calls(Op::kLine).size(), 4u);
  EXPECT_EQ(p.Labels().size(), 4u);
  // The last label, vertex 4, was placed for the rays towards vertices 1 and 2.
  EXPECT_EQ(test::Pt(p.m.vertexX, p.m.vertexY) + " " + test::Pt(p.m.pointAX, p.m.pointAY) + " " +
                test::Pt(p.m.pointBX, p.m.pointBY),
            "100,100 100,300 300,300");
}

TEST(DrawPolygonFigure, EveryLabelAtTheDistanceFromItsVertex) {
  Polygon near, far;
  near.Set(kTriangle);
  far.Set(kTriangle);
  near.Draw("A", 0);
  far.Draw("A", 20);
  const auto a = near.Labels(), b = far.Labels();
  ASSERT_EQ(a.size(), 3u);
  ASSERT_EQ(b.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(std::hypot(b[i].x1 - a[i].x1, b[i].y1 - a[i].y1), 20, 1e-3) << i;
  }
}

TEST(DrawPolygonFigure, VertexCountsOutsideThreeToTenDrawNothing) {
  for (float n : {0.0f, 2.0f, 11.0f, 3.5f}) {
    Polygon p;
    p.Set(kTriangle);
    p.m.polygonVertexCount = n;
    p.Draw("A");
    EXPECT_TRUE(p.device.log().empty()) << n;
    EXPECT_EQ(p.m.figureLabel, "");
  }
}

}  // namespace
}  // namespace orvelle
