#include "platform/random.h"

namespace orvelle {
namespace {

constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// splitmix64's finaliser: every bit of the result depends on every bit of the input.
uint64_t Mixed(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void Random::Seed(int seed) {
  seed_ = seed;
  // Mixed, so that each seed starts at its own place in the sequence: were the state the seed
  // times the step, seed s after k draws would be seed s + k, and pupils who start a few seconds
  // apart would meet the same problems one or two problems apart.
  state_ = Mixed(kGolden * (static_cast<uint64_t>(static_cast<uint32_t>(seed)) + 1));
}

float Random::Next() {
  if (!script_.empty()) {
    const float v = script_.front();
    script_.pop_front();
    return v;
  }
  // splitmix64: good mixing, same sequence on every machine and library.
  const uint64_t z = Mixed(state_ += kGolden);
  return static_cast<float>(z >> 40) / 16777216.0f;  // 24 bits: exact in a float
}

}  // namespace orvelle
