#include "game/ring.h"

#include <cmath>

namespace {
constexpr double Pi = 3.141592653589793;
}

double RingAngle(int32_t index) {
    return index * (1.0 / 26) * 2 * Pi;
}

TRingPoint RingCorner(int32_t index, double radius, double centring) {
    const double t = RingAngle(index);
    return {static_cast<int32_t>(std::sin(t) * radius + centring),
            static_cast<int32_t>(centring - std::cos(t) * radius)};
}

TRingPoint GlyphCorner(int32_t index) {
    return RingCorner(index, RingRadius, GlyphCentring);
}

TRingPoint BombCorner(int32_t index) {
    return RingCorner(index, RingRadius, BombCentring);
}
