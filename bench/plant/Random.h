#pragma once

#include <cstdint>

namespace mesbench {

// A small, fast generator with a fixed seed, so that every plant of one size is the
// same plant (splitmix64).
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A whole number in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // True with the given chance in percent.
    bool percent(int chance) { return below(100) < chance; }

  private:
    std::uint64_t state_;
};

}  // namespace mesbench
