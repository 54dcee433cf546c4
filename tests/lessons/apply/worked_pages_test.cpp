// Every worked line of Orvelle Apply's pages, read back from the screen, holds: each "=" joins two
// equal expressions, and a line that starts with "=" equals the line it goes on from; where a
// page works out values, at those values. (The relations of section 3 state equations: their
// tests read them against their words.)
#include "../../support/lesson_test.h"
#include "../../support/page_reading.h"

namespace orvelle::test {
namespace {

TEST(ApplyWorkedPages, EveryEqualityHolds) {
  // A 3 works its expressions at x = -3 without saying so on its page; B 3 (2) ends on the
  // equation ab/100 = 1000, which holds for a = 100 yen and b = 1000 g.
  const Letters a3 = LettersAt({{'x', -3}, {'y', 5}, {'a', 7}, {'b', 11}});
  const Letters b3 = LettersAt({{'a', 100}, {'b', 1000}, {'p', 7}, {'x', 3}});
  const struct {
    int section, item, keyWaits;
    std::string keys;  // spaces when ""
    size_t equalities;
    const Letters* at;  // nullptr: as expressions
  } pages[] = {
      {1, 3, 5, "", 4, nullptr},
      {1, 5, 6, "", 5, nullptr},
      {1, 6, 5, "", 3, nullptr},
      {2, 1, 21, "", 7, nullptr},  // the table of multiples: 3k = 3 × k
      {2, 4, 13, std::string(6, ' ') + "5\r 2\r-3\r 1\r" + std::string(5, ' '), 7, nullptr},
      {3, 1, 7, "", 4, nullptr},
      {4, 1, 2, "", 10, &a3},
      {4, 2, 3, "", 27, nullptr},
      {4, 3, 2, "", 1, nullptr},
      {5, 1, 0, "", 20, nullptr},  // at a = -3, then at a = 3, as the page says
      {5, 2, 0, "", 9, nullptr},
      {5, 3, 0, "", 4, &b3},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE("item " + Str(p.section) + "-" + Str(p.item));
    const ItemRun item(kApply, p.section, p.item, p.keyWaits, p.keys);
    if (p.at) {
      ExpectEqualitiesHold(item.log(), p.equalities, *p.at);
    } else {
      ExpectEqualitiesHold(item.log(), p.equalities);
    }
  }
}

}  // namespace
}  // namespace orvelle::test
