#pragma once
// The generator's own random numbers: SplitMix64, written out here so that
// the same seed gives the same maze with every compiler and library.

#include <cstdint>

namespace tools {

class SplitMix64 {
 public:
  explicit SplitMix64(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  // A number from 0 to count - 1, every one equally likely: draws that fall
  // in the short last stretch of the 64-bit range are drawn again.
  int Below(int count) {
    const uint64_t n = static_cast<uint64_t>(count);
    const uint64_t rest = (0 - n) % n;  // 2^64 mod n
    uint64_t draw = Next();
    while (draw < rest) draw = Next();
    return static_cast<int>(draw % n);
  }

 private:
  uint64_t state_;
};

}  // namespace tools
