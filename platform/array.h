// Fixed-bound arrays, indexed 0..bound inclusive, with checked access.
#pragma once

#include <array>
#include <cmath>
#include <source_location>
#include <type_traits>
#include <utility>

#include "platform/error.h"

namespace orvelle {

// An index taken from any number; it remembers the statement that used it, so an index out of
// range reports that statement's line.
struct Index {
  int value = -1;
  std::source_location where;

  template <class N>
  requires std::is_arithmetic_v<N> Index(
      N n, std::source_location loc = std::source_location::current())  // NOLINT: implicit
      : where(loc) {
    if constexpr (std::is_floating_point_v<N>) {
      // Truncated like every conversion to an integer; a value no int can hold is simply out of
      // range.
      value = (std::isfinite(n) && n > -1e9 && n < 1e9) ? static_cast<int>(n) : -1;
    } else {
      value = (std::cmp_greater_equal(n, -1000000000) && std::cmp_less_equal(n, 1000000000))
                  ? static_cast<int>(n)
                  : -1;
    }
  }
};

template <class T, int Bound>
class Array {
 public:
  static constexpr int kBound = Bound;

  T& operator[](Index i) { return items_[Checked(i)]; }
  const T& operator[](Index i) const { return items_[Checked(i)]; }
  static constexpr int bound() { return Bound; }
  static constexpr int size() { return Bound + 1; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static int Checked(const Index& i) {
    if (i.value < 0 || i.value > Bound) Raise(kSubscriptOutOfRange, i.where);
    return i.value;
  }
  std::array<T, Bound + 1> items_{};
};

// Two-dimensional: (first, second), each 0..its bound inclusive.
template <class T, int Bound1, int Bound2>
class Array2 {
 public:
  T& operator()(Index i, Index j) { return rows_[i][j]; }
  const T& operator()(Index i, Index j) const { return rows_[i][j]; }
  static constexpr int bound1() { return Bound1; }
  static constexpr int bound2() { return Bound2; }
  auto begin() { return rows_.begin(); }
  auto end() { return rows_.end(); }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }

 private:
  Array<Array<T, Bound2>, Bound1> rows_{};
};

}  // namespace orvelle
