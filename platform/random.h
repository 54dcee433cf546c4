// The random generator: deterministic for a seed, values k / 2^24 in [0, 1), so that
// IntPart(Next() * n) < n for every n a lesson uses. Tests can script the values it gives.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace orvelle {

class Random {
 public:
  explicit Random(int seed = 0) { Seed(seed); }

  void Seed(int seed);
  float Next();

  // The next values to give, in order, before the generator is asked again.
  void Script(const std::vector<float>& values) { script_.assign(values.begin(), values.end()); }
  int seed() const { return seed_; }

 private:
  uint64_t state_ = 0;
  int seed_ = 0;
  std::deque<float> script_;
};

}  // namespace orvelle
