#pragma once

#include <cstdint>

namespace gen {

// splitmix64: tiny and fully specified, so the assets come out the same on every run.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

  private:
    std::uint64_t state_;
};

// Smooth value noise in [0, 1) on a unit lattice.
double valueNoise(double x, double y, std::uint64_t seed);

// Octaves of value noise, each twice the frequency and half the weight; result in [0, 1).
double fractalNoise(double x, double y, int octaves, std::uint64_t seed);

} // namespace gen
