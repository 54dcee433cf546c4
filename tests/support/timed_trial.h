// A trial's verdict and how long it took to come.
#pragma once

#include <chrono>
#include <functional>

#include "platform/trial.h"

namespace orvelle::test {

struct Timed {
  Verdict verdict;
  double seconds;
};

inline Timed Timing(const std::function<Verdict()>& what) {
  const auto start = std::chrono::steady_clock::now();
  Verdict verdict = what();
  return {verdict, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

}  // namespace orvelle::test
