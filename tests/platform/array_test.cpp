#include "platform/array.h"

#include <gtest/gtest.h>

#include <string>

namespace orvelle {
namespace {

TEST(Array, BoundsAreInclusiveAndChecked) {
  Array<float, 50> a;
  EXPECT_EQ(a.size(), 51);
  a[0] = 1;
  a[50] = 2;
  a[49.9f] = 3;  // an index is truncated like every conversion to an integer
  EXPECT_EQ(a[49], 3);
  EXPECT_EQ(a[50], 2);
  try {
    a[51] = 0;
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kSubscriptOutOfRange);
    EXPECT_EQ(e.line, __LINE__ - 4);
  }
  EXPECT_THROW(a[-1], RuntimeError);
  EXPECT_THROW(a[1e20f], RuntimeError);
  EXPECT_THROW(a[NAN], RuntimeError);
}

TEST(Array, TwoDimensions) {
  Array2<float, 10, 2> v;
  v(10, 2) = 5;
  EXPECT_EQ(v(10, 2), 5);
  EXPECT_EQ(v(0, 0), 0);
  EXPECT_THROW(v(11, 0), RuntimeError);
  EXPECT_THROW(v(0, 3), RuntimeError);
  Array<std::string, 3> s;
  for (const auto& t : s) EXPECT_EQ(t, "");
}

}  // namespace
}  // namespace orvelle
