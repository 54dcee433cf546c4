// The walks' items: for each program, every item of every section in order, with the keys it takes
// and its key waits. The walk tests go through them (orvelle_walk_test.cpp, ...), and so do the
// kept-glyph check and the review tools' key-site check.
#include "program_walk.h"

namespace orvelle::test {

std::vector<WalkItem> IntroWalk() {
  return {
      {1, 1, Keys(16), 16},
      {1, 2, Keys(10), 10},
      {1, 3, Keys(13), 13},
      {1, 4, Keys(18), 18},
      {2, 1, Once() + Keys(6), 7},
      {2, 2, Keys(8), 8},
      {2, 3, Once() + Once() + Once() + Keys(1), 4},
      {2, 4, Keys(6), 6},
      {2, 5, Once() + Keys(8) + Once() + Keys(6), 16},
      {2, 6, Once() + Once() + Keys(7), 9},
      {2, 7, Keys(6), 6},
      {2, 8, Once() + Keys(8), 9},
      {3, 1, Keys(10), 10},
      {3, 2, Keys(5) + Twice(4) + Keys(2) + Twice(4), 5 + 8 + 2 + 8},
      {3, 3, Keys(9), 9},
      {3, 4, Twice() + Keys(1) + Twice() + Keys(1) + Twice() + Keys(1) + DrillKeys(4) + Keys(2),
       2 + 1 + 2 + 1 + 2 + 1 + 4 + 2},
      {3, 5, Twice() + Keys(1) + Twice() + Keys(2), 2 + 1 + 2 + 2},
      {3, 6, Twice(2) + Keys(1), 4 + 1},
      {3, 7, Keys(11), 11},
      {4, 1, Keys(9) + Twice(6) + Keys(1) + Twice(6) + Keys(1), 9 + 12 + 1 + 12 + 1},
      {4, 2, Keys(12), 12},
      {4, 3, Keys(18), 18},
      {4, 4, Twice(6) + Keys(11), 12 + 11},
      {5, 1, Keys(14), 14},
      {5, 2, Keys(4), 4},
      {5, 3, Keys(17), 17},
  };
}

std::vector<WalkItem> CalcWalk() {
  return {
      {1, 1, Keys(17), 17},
      {1, 2, Once() + Keys(1) + Once() + Keys(1), 4},
      {1, 3, Keys(12), 12},
      {1, 4, Keys(4) + "2\r" + Keys(2) + "1\r" + Keys(11), 4 + 2 + 11},
      {1, 5, Keys(3) + "2\r" + Keys(3) + "1\r" + Keys(14), 3 + 3 + 14},
      {2, 1, Twice(3) + Keys(1), 6 + 1},
      {2, 2, Keys(24), 24},
      {2, 3, Twice(5) + Keys(1), 10 + 1},
      {2, 4, Keys(23), 23},
      {2, 5, Twice(2), 4},
      {2, 6, Twice(3), 6},
      {3, 1, Twice() + Keys(8), 2 + 8},
      {3, 2, Twice(2) + Keys(12), 4 + 12},
      {3, 3, Keys(9), 9},
      {3, 4, Twice(4) + Keys(1) + Twice(4) + Keys(8), 8 + 1 + 8 + 8},
      {3, 5, Twice(7) + Keys(4), 14 + 4},
      {3, 6, Twice(8) + Keys(3), 16 + 3},
      {3, 7, Twice(3) + Keys(4), 6 + 4},
      {3, 8, Twice(7) + Keys(5), 14 + 5},
      {4, 1, Keys(1), 1},
      {4, 2, Keys(1), 1},
      {4, 3, "", 0},
  };
}

std::vector<WalkItem> ApplyWalk() {
  return {
      {1, 1, Keys(1), 1},
      {1, 2, Keys(4), 4},
      {1, 3, Keys(5), 5},
      {1, 4, Keys(4), 4},
      {1, 5, Keys(6), 6},
      {1, 6, Keys(5), 5},
      {2, 1, Keys(21), 21},
      {2, 2, Keys(4), 4},
      {2, 3, Keys(8), 8},
      // The pupil's own numbers: 5, then -3.
      {2, 4, Keys(6) + "5\r 2\r" + "-3\r 1\r" + Keys(5), 6 + 2 + 5},
      {3, 1, Keys(7), 7},
      {3, 2, Keys(7), 7},
      {3, 3, Keys(7), 7},
      {3, 4, Keys(6), 6},
      {3, 5, Twice() + Keys(4), 2 + 4},
      {3, 6, Keys(13), 13},
      {3, 7, Twice() + Twice(), 4},
      {3, 8, Keys(3), 3},
      {4, 1, Keys(2), 2},
      {4, 2, Keys(3), 3},
      {4, 3, Keys(2), 2},
      {4, 4, Keys(1), 1},
      {5, 1, "", 0},
      {5, 2, "", 0},
      {5, 3, "", 0},
  };
}

}  // namespace orvelle::test
