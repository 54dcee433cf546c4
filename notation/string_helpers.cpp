#include "notation/string_helpers.h"

#include <cmath>
#include <string_view>

#include "platform/number.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// Removes every occurrence of each of the given characters from strArg.
void RemoveEach(Machine& m, std::initializer_list<std::string_view> marks) {
  for (const std::string_view mark : marks) {
    for (int at = CharFind(m.strArg, mark); at != 0; at = CharFind(m.strArg, mark)) {
      m.strArg = CharLeft(m.strArg, at - 1) + CharMid(m.strArg, at + 1);
    }
  }
}

// Drops the first character of strArg when it is one of the given signs.
void DropLeading(Machine& m, std::initializer_list<std::string_view> signs) {
  m.strLength = static_cast<float>(CharLen(m.strArg));
  const std::string first = CharLeft(m.strArg, 1);
  for (const std::string_view sign : signs) {
    if (first == sign) {
      m.strArg = CharMid(m.strArg, 2);
      return;
    }
  }
}

// Past this every whole number no longer has a float of its own, and the count would take long.
constexpr float kLargestCountable = 16777216;  // 2^24

}  // namespace

void StripMarkup(Machine& m) { RemoveEach(m, {"^", "ﾝ", "ﾀ", "="}); }

void StripBracketsAndPlus(Machine& m) { RemoveEach(m, {"(", ")", "+"}); }

void StripPlusSign(Machine& m) { DropLeading(m, {"+"}); }

void StripSign(Machine& m) { DropLeading(m, {"+", "-"}); }

void ParenthesizeIfMinus(Machine& m) {
  if (CharFind(m.strArg, "-") != 0) m.strArg = "(" + m.strArg + ")";
}

void ListDivisorPairs(Machine& m) {
  m.numArg = std::fabs(m.numArg);
  m.coin = 0;
  m.squareCount = 0;
  if (!std::isfinite(m.numArg) || m.numArg > kLargestCountable) return;
  // The first pass runs even below 1: 0 has the one pair (1, 0). Only the first pairs fit into
  // figX and figY; the count goes on.
  const int last = static_cast<int>(IntPart(m.numArg));
  int divisor = 1;
  int count = 0;
  do {
    const float cofactor = m.numArg / static_cast<float>(divisor);
    if (cofactor - IntPart(cofactor) == 0) {
      ++count;
      if (count <= decltype(m.figX)::bound()) {
        m.figX[count] = static_cast<float>(divisor);
        m.figY[count] = cofactor;
      }
    }
    ++divisor;
  } while (divisor <= last);
  m.loopIndex = static_cast<float>(divisor);
  m.coin = static_cast<float>(count);
  m.squareCount = static_cast<float>(ToInt(m.coin / 2));
}

}  // namespace orvelle
