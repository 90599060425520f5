#pragma once
// Where the letters stand: 26 places on a circle around the centre of the
// play area, A at the top, going clockwise.
#include <cstdint>

struct TRingPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const TRingPoint&) const = default;
};

constexpr double RingRadius = 180.0;
// c = 200 - side / 2 centres a square picture of that side on a ring point.
constexpr double GlyphCentring = 184.0; // 32-pixel tiles and the target marker
constexpr double BombCentring = 168.0;  // 64-pixel explosions

// The angle of place i, clockwise from straight up. Place 26 is a full turn.
double RingAngle(int32_t index);

// Top-left corner of a picture centred on place i of a ring of the given
// radius; truncated toward zero, so corners left of or above the play area
// come out one pixel closer to it than rounding down would put them.
TRingPoint RingCorner(int32_t index, double radius, double centring);

TRingPoint GlyphCorner(int32_t index);
TRingPoint BombCorner(int32_t index);
