#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "game/ring.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

constexpr int kSide = 400;

TColor Px(TImage* image, int x, int y) {
    return image->Canvas().Pixel(x, y);
}

std::vector<TColor> Pixels(TImage* image) {
    std::vector<TColor> out;
    out.reserve(kSide * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            out.push_back(Px(image, x, y));
    return out;
}

bool Inside(int x, int y, TRect r) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

TRect Square(TRingPoint corner, int side) {
    return Rect(corner.x, corner.y, corner.x + side, corner.y + side);
}

class PlayfieldTest : public WindowTest {
  protected:
    void SetUp() override {
        MakeWindow();
        Peer().StartGame();
        Peer().GameState() = gsReady;
        Peer().TimeOn() = false;
        Peer().NeedleOn() = false;
    }

    TMainWindow& W() { return Window(); }

    // What a sprite leaves over a pixel: its image where its mask is black,
    // the pixel beneath where the mask is white.
    static TColor Sprite(TColor under, TColor mask, TColor image) {
        EXPECT_TRUE(mask == clBlack || mask == clWhite) << std::hex << mask;
        return mask == clBlack ? image : under;
    }

    TColor Background(int x, int y) { return Px(W().BackgroundImage, x, y); }

    TColor Tile(int letter, int u, int v) { return Px(W().AlphabetImage, letter * 32 + u, v); }

    TColor Bomb(int frame, int u, int v, TColor under) {
        return Sprite(under, Px(W().BombMaskImage, frame * 64 + u, v),
                      Px(W().BombImage, frame * 64 + u, v));
    }

    TColor Marker(int u, int v, TColor under) {
        return Sprite(under, Px(W().TargetImage, u, 32 + v), Px(W().TargetImage, u, v));
    }

    // The rectangles that the letters still to type and the marker cover.
    std::vector<TRect> Tiles() {
        std::vector<TRect> tiles;
        for (int j = Peer().HitCount(); j < 26; ++j)
            tiles.push_back(Square(GlyphCorner(j), 32));
        tiles.push_back(Square(GlyphCorner(Peer().HitCount()), 32));
        return tiles;
    }

    static bool Covered(const std::vector<TRect>& tiles, int x, int y) {
        for (const TRect& r : tiles)
            if (Inside(x, y, r))
                return true;
        return false;
    }

    // The pixels that differ between two pictures of the play area.
    static std::vector<std::pair<int, int>> Changed(const std::vector<TColor>& before,
                                                    const std::vector<TColor>& after) {
        std::vector<std::pair<int, int>> out;
        for (int i = 0; i < kSide * kSide; ++i)
            if (before[i] != after[i])
                out.emplace_back(i % kSide, i / kSide);
        return out;
    }

    static TRect Bounds(const std::vector<std::pair<int, int>>& points) {
        TRect r{kSide, kSide, -1, -1};
        for (auto [x, y] : points) {
            r.Left = std::min(r.Left, x);
            r.Top = std::min(r.Top, y);
            r.Right = std::max(r.Right, x + 1);
            r.Bottom = std::max(r.Bottom, y + 1);
        }
        return r;
    }
};

TEST_F(PlayfieldTest, PicturesAreLoaded) {
    // The pixel tests compare against the stores; blank stores would prove nothing.
    EXPECT_NE(Tile(0, 0, 0), Tile(0, 16, 16));
    EXPECT_NE(Background(0, 0), Background(399, 399));
    EXPECT_NE(Px(W().BombMaskImage, 3 * 64 + 32, 32), Px(W().BombMaskImage, 0, 0));
    EXPECT_NE(Px(W().TargetImage, 1, 1), Px(W().TargetImage, 0, 0));
}

TEST_F(PlayfieldTest, FormatSecondsPrintsThreeDecimals) {
    const struct {
        int32_t ms;
        const char* text;
    } cases[] = {
        {0, "0.000"},
        {999, "0.999"},
        {10000, "10.000"},
        {12345, "12.345"},
        {-1, "-0.001"},
        {250000, "250.000"},
        {2147483647, "2147483.647"},
        {-2147483647 - 1, "-2147483.648"},
    };
    for (const auto& c : cases) {
        char buffer[13];
        std::memset(buffer, 'x', sizeof buffer);
        Peer().FormatSeconds(buffer, c.ms);
        EXPECT_STREQ(buffer, c.text) << c.ms;
    }
}

TEST_F(PlayfieldTest, StartOfAGameShowsTheBareBackground) {
    for (int y = 0; y < kSide; y += 7)
        for (int x = 0; x < kSide; x += 7) {
            ASSERT_EQ(Px(W().OffScreen, x, y), Background(x, y)) << x << "," << y;
            ASSERT_EQ(Px(W().MainScreen, x, y), Background(x, y)) << x << "," << y;
        }
}

TEST_F(PlayfieldTest, ReadyRingShowsEveryLetterOnItsPlaceAndTheMarkerOnA) {
    Peer().DrawPlayfield();

    for (int i = 0; i < 26; ++i) {
        const TRingPoint c = GlyphCorner(i);
        for (int v = 0; v < 32; ++v)
            for (int u = 0; u < 32; ++u) {
                const TColor tile = Tile(i, u, v);
                const TColor expected = i == 0 ? Marker(u, v, tile) : tile;
                ASSERT_EQ(Px(W().OffScreen, c.x + u, c.y + v), expected)
                    << "letter " << i << " at " << u << "," << v;
            }
    }
    const auto tiles = Tiles();
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (!Covered(tiles, x, y)) {
                ASSERT_EQ(Px(W().OffScreen, x, y), Background(x, y)) << x << "," << y;
            }
    EXPECT_EQ(Pixels(W().MainScreen), Pixels(W().OffScreen));
}

TEST_F(PlayfieldTest, TypedLetterExplodesInEightFramesThenLeavesTheBackground) {
    Peer().GameState() = gsPlaying;
    Peer().HitCount() = 1;
    Peer().LetterFrame()[0] = 0;
    const TRect blast = Square(BombCorner(0), 64);

    for (int composition = 0; composition < 10; ++composition) {
        SCOPED_TRACE(composition);
        Peer().DrawPlayfield();
        const auto tiles = Tiles();
        for (int y = std::max(blast.Top, 0); y < blast.Bottom; ++y)
            for (int x = blast.Left; x < blast.Right; ++x) {
                if (Covered(tiles, x, y))
                    continue;
                const TColor expected = composition < 8 ? Bomb(composition, x - blast.Left,
                                                               y - blast.Top, Background(x, y))
                                                        : Background(x, y);
                ASSERT_EQ(Px(W().OffScreen, x, y), expected) << x << "," << y;
            }
        EXPECT_EQ(Peer().LetterFrame()[0], std::min(composition + 1, 8));
    }
    EXPECT_EQ(Peer().FirstLiveBomb(), 0);
}

TEST_F(PlayfieldTest, ScanStartsAtTheLatestFinishedExplosion) {
    Peer().GameState() = gsPlaying;
    Peer().HitCount() = 5;
    const int32_t frames[] = {8, 8, 8, 3, 0};
    std::memcpy(Peer().LetterFrame(), frames, sizeof frames);

    Peer().DrawPlayfield();

    EXPECT_EQ(Peer().FirstLiveBomb(), 2);
    const int32_t after[] = {8, 8, 8, 4, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Peer().LetterFrame()[i], after[i]) << i;
    EXPECT_EQ(Peer().LetterFrame()[5], -1);
}

TEST_F(PlayfieldTest, ExplosionsAreCutAtTheLeftAndTopEdges) {
    struct Case {
        int letter;
        int frame;
    };
    for (const Case c : {Case{19, 3}, Case{20, 2}, Case{0, 3}, Case{25, 4}}) {
        SCOPED_TRACE(c.letter);
        Peer().DrawBackground();
        const TRingPoint at = BombCorner(c.letter);
        Peer().DrawBomb(at.x, at.y, c.frame);
        const TRect blast = Square(at, 64);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const TColor expected = Inside(x, y, blast)
                                            ? Bomb(c.frame, x - at.x, y - at.y, Background(x, y))
                                            : Background(x, y);
                ASSERT_EQ(Px(W().OffScreen, x, y), expected) << x << "," << y;
            }
    }
}

TEST_F(PlayfieldTest, RestoreSpriteGoesThroughItsMask) {
    Peer().DrawBackground();
    Peer().DrawRestore(-8, 26, 5);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            TColor expected = Background(x, y);
            if (Inside(x, y, Rect(-8, 26, 56, 90)))
                expected = Sprite(expected, Px(W().RestoreMaskImage, 5 * 64 + x + 8, y - 26),
                                  Px(W().RestoreImage, 5 * 64 + x + 8, y - 26));
            ASSERT_EQ(Px(W().OffScreen, x, y), expected) << x << "," << y;
        }
}

TEST_F(PlayfieldTest, EachCopySetsItsOwnModeAndLeavesTheStatedOne) {
    TCanvas& off = W().OffScreen->Canvas();
    off.CopyMode = SRCINVERT;
    Peer().DrawBackground();
    EXPECT_EQ(off.CopyMode, SRCCOPY);
    EXPECT_EQ(Px(W().OffScreen, 10, 10), Background(10, 10));

    off.CopyMode = SRCAND;
    Peer().DrawLetter(100, 100, 'K');
    EXPECT_EQ(off.CopyMode, SRCCOPY);
    for (int v = 0; v < 32; ++v)
        for (int u = 0; u < 32; ++u)
            ASSERT_EQ(Px(W().OffScreen, 100 + u, 100 + v), Tile(10, u, v)) << u << "," << v;

    off.CopyMode = SRCCOPY;
    Peer().DrawBomb(100, 100, 3);
    EXPECT_EQ(off.CopyMode, SRCINVERT);
    Peer().DrawRestore(100, 100, 3);
    EXPECT_EQ(off.CopyMode, SRCINVERT);

    Peer().DrawPlayfield();
    EXPECT_EQ(off.CopyMode, SRCINVERT);
    W().MainScreen->Canvas().CopyMode = SRCINVERT;
    Peer().PresentScreen();
    EXPECT_EQ(W().MainScreen->Canvas().CopyMode, SRCCOPY);
    EXPECT_EQ(Pixels(W().MainScreen), Pixels(W().OffScreen));
}

TEST_F(PlayfieldTest, AfterZTheMarkerStandsOnePixelLeftOfA) {
    Peer().GameState() = gsFinishing;
    Peer().HitCount() = 26;
    for (int i = 0; i < 26; ++i)
        Peer().LetterFrame()[i] = 8;
    Peer().DrawPlayfield();

    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const TColor under = Background(x, y);
            const TColor expected =
                Inside(x, y, Rect(183, 4, 215, 36)) ? Marker(x - 183, y - 4, under) : under;
            ASSERT_EQ(Px(W().OffScreen, x, y), expected) << x << "," << y;
        }
}

TEST_F(PlayfieldTest, NeedleEndsWhereTheClockPoints) {
    const struct {
        int32_t elapsed;
        int x, y;
    } cases[] = {
        {0, 200, 100},   {125, 270, 129},  {500, 200, 300},  {750, 100, 200},
        {999, 199, 100}, {1250, 300, 200}, {-250, 100, 200},
    };
    Peer().GameState() = gsPlaying;
    Peer().HitCount() = 1;
    Peer().LetterFrame()[0] = 8;
    Peer().DrawPlayfield();
    const auto bare = Pixels(W().OffScreen);
    Peer().NeedleOn() = true;

    for (const auto& c : cases) {
        SCOPED_TRACE(c.elapsed);
        Peer().HitTick()[0] = fakes.clock.now - static_cast<uint32_t>(c.elapsed);
        Peer().DrawPlayfield();
        const auto drawn = Pixels(W().OffScreen);
        // The farthest yellow pixel from the centre is the needle's tip.
        double farthest = -1;
        int tipX = -1, tipY = -1;
        for (auto [x, y] : Changed(bare, drawn)) {
            ASSERT_EQ(drawn[y * kSide + x], clYellow) << x << "," << y;
            const double d = std::hypot(x - 200, y - 200);
            if (d > farthest) {
                farthest = d;
                tipX = x;
                tipY = y;
            }
        }
        EXPECT_NEAR(tipX, c.x, 1);
        EXPECT_NEAR(tipY, c.y, 1);
        EXPECT_NEAR(farthest, 100, 1.5);
    }
}

TEST_F(PlayfieldTest, TimeIsCentredOnTheMiddleAtRow168) {
    const struct {
        TGameState state;
        uint32_t total;
        const char* text;
    } cases[] = {{gsReady, 0, "0.000"}, {gsFinishing, 12345, "12.345"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Peer().GameState() = c.state;
        Peer().HitCount() = c.state == gsReady ? 0 : 26;
        for (int i = 0; i < 26; ++i)
            Peer().LetterFrame()[i] = c.state == gsReady ? -1 : 8;
        Peer().HitTick()[0] = 5000;
        Peer().HitTick()[25] = 5000 + c.total;
        Peer().TimeOn() = false;
        Peer().DrawPlayfield();
        const auto bare = Pixels(W().OffScreen);
        Peer().TimeOn() = true;
        Peer().DrawPlayfield();

        const auto ink = Changed(bare, Pixels(W().OffScreen));
        ASSERT_FALSE(ink.empty());
        const TRect box = Bounds(ink);
        const int w = W().OffScreen->Canvas().TextWidth(c.text);
        EXPECT_EQ(w, 32 * static_cast<int>(std::strlen(c.text)));
        EXPECT_GE(box.Left, 200 - w / 2);
        EXPECT_LE(box.Right, 200 + w / 2);
        EXPECT_NEAR((box.Left + box.Right) / 2.0, 200, 6);
        EXPECT_GE(box.Top, 168);
        EXPECT_LE(box.Bottom, 168 + 64);
        // The glyph edges are smoothed into the background; their cores are white.
        int white = 0;
        for (auto [x, y] : ink)
            white += Px(W().OffScreen, x, y) == clWhite;
        EXPECT_GT(white, static_cast<int>(ink.size()) / 3);
    }
}

class RecordMessageTest : public PlayfieldTest {
  protected:
    void Finish(bool newBest, int32_t newRank) {
        Peer().GameState() = gsFinishing;
        Peer().HitCount() = 26;
        for (int i = 0; i < 26; ++i)
            Peer().LetterFrame()[i] = 8;
        Peer().NewBest() = newBest;
        Peer().NewRank() = newRank;
    }

    std::vector<std::pair<int, int>> InkOf(bool newBest, int32_t newRank, bool timeOn,
                                           bool needleOn) {
        Peer().TimeOn() = timeOn;
        Peer().NeedleOn() = needleOn;
        Finish(false, -1);
        Peer().DrawPlayfield();
        const auto bare = Pixels(W().OffScreen);
        Finish(newBest, newRank);
        Peer().DrawPlayfield();
        return Changed(bare, Pixels(W().OffScreen));
    }
};

TEST_F(RecordMessageTest, NewBestShowsCentredAt152InTheSmallFont) {
    const auto ink = InkOf(true, -1, true, false);
    ASSERT_FALSE(ink.empty());
    const TRect box = Bounds(ink);
    TCanvas& canvas = W().OffScreen->Canvas();
    EXPECT_EQ(canvas.Font.Height, 64);
    canvas.Font.Height = 16;
    const int w = canvas.TextWidth(Cp932("** 最短記録更新!! **"));
    canvas.Font.Height = 64;
    EXPECT_EQ(w, 20 * 8);
    EXPECT_GE(box.Left, 200 - w / 2);
    EXPECT_LE(box.Right, 200 + w / 2);
    EXPECT_GE(box.Top, 152 - 1); // smoothing reaches a row above the cell
    EXPECT_NEAR((box.Left + box.Right) / 2.0, 200, 4);
    EXPECT_LE(box.Bottom, 152 + 16);
}

TEST_F(RecordMessageTest, RankShowsItsPlaceCentredAt232) {
    for (int32_t rank : {0, 9}) {
        SCOPED_TRACE(rank);
        const auto ink = InkOf(false, rank, false, true);
        ASSERT_FALSE(ink.empty());
        const TRect box = Bounds(ink);
        TCanvas& canvas = W().OffScreen->Canvas();
        EXPECT_EQ(canvas.Font.Height, 64);
        canvas.Font.Height = 16;
        const int w = canvas.TextWidth(std::to_string(rank + 1) + Cp932("位にランクイン!!"));
        canvas.Font.Height = 64;
        EXPECT_EQ(w, (rank == 9 ? 2 : 1) * 8 + 7 * 16 + 2 * 8);
        EXPECT_GE(box.Left, 200 - w / 2);
        EXPECT_LE(box.Right, 200 + w / 2);
        EXPECT_GE(box.Top, 232 - 1);
        EXPECT_LE(box.Bottom, 232 + 16);
    }
}

TEST_F(RecordMessageTest, NoMessagesWithTimeAndNeedleOff) {
    EXPECT_TRUE(InkOf(true, 0, false, false).empty());
}

TEST_F(RecordMessageTest, NoMessagesWhileTheClockRuns) {
    Peer().TimeOn() = false;
    Peer().NeedleOn() = true;
    Peer().GameState() = gsPlaying;
    Peer().HitCount() = 1;
    Peer().LetterFrame()[0] = 8;
    Peer().HitTick()[0] = fakes.clock.now;
    Peer().DrawPlayfield();
    const auto bare = Pixels(W().OffScreen);
    Peer().NewBest() = true;
    Peer().NewRank() = 0;
    Peer().DrawPlayfield();
    EXPECT_TRUE(Changed(bare, Pixels(W().OffScreen)).empty());
}

TEST_F(PlayfieldTest, TimeDisplayToggleRedrawsOnlyWhenReady) {
    Peer().TimeOn() = true;
    W().mnShowTime->SetChecked(true);
    W().mnShowTimeN->SetChecked(false);
    Peer().DrawPlayfield();
    const auto withTime = Pixels(W().MainScreen);

    W().mnShowTime->Click();
    const auto withoutTime = Pixels(W().MainScreen);
    EXPECT_FALSE(Changed(withTime, withoutTime).empty());
    EXPECT_EQ(Px(W().MainScreen, 200, 200), Background(200, 200));

    W().mnShowTimeN->Click();
    EXPECT_EQ(Px(W().MainScreen, 200, 150), clYellow);

    Peer().GameState() = gsResults;
    const auto before = Pixels(W().MainScreen);
    W().mnShowTime->Click();
    W().mnShowTimeN->Click();
    EXPECT_EQ(Pixels(W().MainScreen), before);
}

} // namespace
