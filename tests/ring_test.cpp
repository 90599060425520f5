#include <gtest/gtest.h>

#include "game/ring.h"

namespace {

struct Corners {
    int32_t index;
    TRingPoint glyph;
    TRingPoint bomb;
};

// Truncation toward zero shows in the negative explosion corners (-10, not -11)
// and in place 26, a full turn whose sine is a tiny negative number.
const Corners kRing[] = {
    {0, {184, 4}, {168, -12}},    {1, {227, 9}, {211, -6}},     {2, {267, 24}, {251, 8}},
    {3, {303, 49}, {287, 33}},    {4, {332, 81}, {316, 65}},    {5, {352, 120}, {336, 104}},
    {6, {362, 162}, {346, 146}},  {7, {362, 205}, {346, 189}},  {8, {352, 247}, {336, 231}},
    {9, {332, 286}, {316, 270}},  {10, {303, 318}, {287, 302}}, {11, {267, 343}, {251, 327}},
    {12, {227, 358}, {211, 342}}, {13, {184, 364}, {168, 348}}, {14, {140, 358}, {124, 342}},
    {15, {100, 343}, {84, 327}},  {16, {64, 318}, {48, 302}},   {17, {35, 286}, {19, 270}},
    {18, {15, 247}, {0, 231}},    {19, {5, 205}, {-10, 189}},   {20, {5, 162}, {-10, 146}},
    {21, {15, 120}, {0, 104}},    {22, {35, 81}, {19, 65}},     {23, {64, 49}, {48, 33}},
    {24, {100, 24}, {84, 8}},     {25, {140, 9}, {124, -6}},
};

TEST(RingTest, GlyphAndExplosionCornersOfEveryLetter) {
    for (const auto& c : kRing) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(GlyphCorner(c.index), c.glyph);
        EXPECT_EQ(BombCorner(c.index), c.bomb);
    }
}

TEST(RingTest, MarkerAfterZStandsOnePixelLeftOfA) {
    EXPECT_EQ(GlyphCorner(26), (TRingPoint{183, 4}));
}

TEST(RingTest, OtherRadiiCentreTheTileOnTheirRing) {
    for (int32_t i = 0; i < 26; ++i)
        EXPECT_EQ(RingCorner(i, 0.0, GlyphCentring), (TRingPoint{184, 184})) << i;
    EXPECT_EQ(RingCorner(0, 36.0, GlyphCentring), (TRingPoint{184, 148}));
    EXPECT_EQ(RingCorner(13, 36.0, GlyphCentring), (TRingPoint{184, 220}));
    EXPECT_EQ(RingCorner(0, RingRadius, GlyphCentring), GlyphCorner(0));
}

} // namespace
