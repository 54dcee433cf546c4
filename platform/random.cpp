#include "platform/random.h"

namespace orvelle {

void Random::Seed(int seed) {
  seed_ = seed;
  state_ = 0x9E3779B97F4A7C15ull * (static_cast<uint64_t>(static_cast<uint32_t>(seed)) + 1);
}

float Random::Next() {
  if (!script_.empty()) {
    const float v = script_.front();
    script_.pop_front();
    return v;
  }
  // splitmix64: good mixing, same sequence on every machine and library.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) / 16777216.0f;  // 24 bits: exact in a float
}

}  // namespace orvelle
