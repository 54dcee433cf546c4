// Every worked line of Orvelle Calc's pages, read back from the screen, holds: each "=" joins two
// equal expressions, and a line that starts with "=" equals the line it goes on from.
#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"

namespace orvelle::test {
namespace {

std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

TEST(CalcWorkedPages, EveryEqualityHolds) {
  const std::string twice = DrillKeys(2);
  const struct {
    int section, item, keyWaits;
    std::string keys;  // spaces when ""
    size_t equalities;
  } pages[] = {
      {1, 1, 17, "", 2},
      {1, 3, 12, "", 3},
      {1, 4, 17, Spaces(4) + "2\r" + Spaces(2) + "1\r" + Spaces(11), 10},
      {1, 5, 20, Spaces(3) + "2\r" + Spaces(3) + "1\r" + Spaces(14), 20},
      {2, 2, 24, "", 20},
      {2, 4, 23, "", 27},
      {3, 1, 10, twice + Spaces(8), 9},
      {3, 2, 16, DrillKeys(2, 2) + Spaces(12), 12},
      {3, 3, 9, "", 2},
      {3, 4, 25, DrillKeys(2, 4) + Spaces(1) + DrillKeys(2, 4) + Spaces(8), 14},
      {3, 5, 18, DrillKeys(2, 7) + Spaces(4), 8},
      {3, 6, 19, DrillKeys(2, 8) + Spaces(3), 12},
      {3, 7, 10, DrillKeys(2, 3) + Spaces(4), 12},
      {3, 8, 19, DrillKeys(2, 7) + Spaces(5), 18},
      {4, 1, 1, "", 12},
      {4, 2, 1, "", 14},
      {4, 3, 0, "", 12},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE("item " + Str(p.section) + "-" + Str(p.item));
    const ItemRun item(kCalc, p.section, p.item, p.keyWaits, p.keys);
    ExpectEqualitiesHold(item.log(), p.equalities);
  }
}

}  // namespace
}  // namespace orvelle::test
