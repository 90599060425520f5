#include "random.h"

#include <cmath>

namespace gen {

namespace {

double lattice(std::int64_t x, std::int64_t y, std::uint64_t seed) {
    Rng rng(seed ^ (static_cast<std::uint64_t>(x) * 0x8CB92BA72F3D8DD7ULL) ^
            (static_cast<std::uint64_t>(y) * 0xD6E8FEB86659FD93ULL));
    return rng.uniform();
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double valueNoise(double x, double y, std::uint64_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = lattice(ix, iy, seed) * (1 - tx) + lattice(ix + 1, iy, seed) * tx;
    const double bottom = lattice(ix, iy + 1, seed) * (1 - tx) + lattice(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint64_t seed) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint64_t>(i));
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

} // namespace gen
