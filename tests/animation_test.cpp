#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/keys.h"
#include "support/screens.h"
#include "support/window_fixture.h"

using namespace screentest;

namespace {

class AnimationTest : public WindowTest {
  protected:
    // A new player registered from the panel: the game's intro begins.
    void Register(const std::string& name = "Taro") {
        MakeWindow();
        Window().NewEntry->SetTextUtf8(name);
        Window().NewEntry->KeyPress(13);
        ASSERT_EQ(Peer().GameState(), gsIntro);
    }

    void RunIntro() {
        for (int i = 0; i < 6; ++i)
            Tick(51);
        ASSERT_EQ(Peer().GameState(), gsReady);
    }

    // Types A to Z, `interval` ms apart, with a timer tick after each key.
    void TypeAlphabet(uint32_t interval) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            Key(VkLetter(letter));
            if (letter != 'Z')
                Tick(interval);
        }
        ASSERT_EQ(Peer().GameState(), gsFinishing);
    }

    // Pixels of the 32 x 32 tile of letter l at (x, y) of the off-screen image
    // that differ from the letter picture; those under a tile in `above` are skipped.
    int TileDiffers(int x, int y, int l, const std::vector<std::pair<int, int>>& above = {}) {
        const TCanvas& screen = Window().OffScreen->Canvas();
        const TCanvas& letters = Window().AlphabetImage->Canvas();
        int differing = 0;
        for (int dy = 0; dy < 32; ++dy)
            for (int dx = 0; dx < 32; ++dx) {
                const int px = x + dx, py = y + dy;
                const bool covered = std::any_of(above.begin(), above.end(), [&](auto corner) {
                    return px >= corner.first && px < corner.first + 32 && py >= corner.second &&
                           py < corner.second + 32;
                });
                if (!covered && screen.Pixel(px, py) != letters.Pixel(32 * l + dx, dy))
                    ++differing;
            }
        return differing;
    }

    int ScreenDiffersFromPresented() {
        return DifferingPixels(Window().OffScreen->Canvas(), Window().MainScreen->Canvas(),
                               Rect(0, 0, 400, 400));
    }
};

TEST_F(AnimationTest, AStepComesOnlyWhenMoreThanItsPaceHasPassed) {
    struct Case {
        TGameState state;
        uint32_t pace;
    };
    const Case cases[] = {
        {gsIntro, 50}, {gsPlaying, 80}, {gsFinishing, 80}, {gsResults, 80}, {gsRanking, 50},
    };
    for (const Case& c : cases) {
        Register();
        auto& p = Peer();
        p.GameState() = c.state;
        p.HitCount() = c.state == gsFinishing ? 26 : 1;
        p.RevealCount() = 1;
        for (int i = 0; i < 26; ++i)
            p.LetterFrame()[i] = 0;
        p.LastStepTick() = fakes.clock.now;
        const uint32_t before = p.LastStepTick();
        Tick(c.pace);
        EXPECT_EQ(p.LastStepTick(), before) << "state " << c.state << ": exactly the pace";
        Tick(1);
        EXPECT_EQ(p.LastStepTick(), fakes.clock.now) << "state " << c.state << ": one more ms";
    }
}

TEST_F(AnimationTest, ThePaceIsMeasuredAcrossAWrapOfTheTickCounter) {
    Register();
    fakes.clock.now = 20;
    Peer().LastStepTick() = 0xFFFFFFF0u; // 36 ms before now
    Tick(14);
    EXPECT_EQ(Peer().IntroStep(), 0);
    Tick(1);
    EXPECT_EQ(Peer().IntroStep(), 1);
}

TEST_F(AnimationTest, TheSelectionReadyAndSystemInformationScreensDoNotAnimate) {
    for (TGameState state : {gsEntry, gsReady, gsSystemInfo}) {
        Register();
        Peer().GameState() = state;
        TBitmap before(400, 400);
        before.Canvas().CopyRect(Rect(0, 0, 400, 400), Window().OffScreen->Canvas(),
                                 Rect(0, 0, 400, 400));
        const uint32_t lastStep = Peer().LastStepTick();
        for (int i = 0; i < 3; ++i)
            Tick(10000);
        EXPECT_EQ(Peer().LastStepTick(), lastStep) << state;
        EXPECT_EQ(Peer().GameState(), state);
        EXPECT_EQ(
            DifferingPixels(Window().OffScreen->Canvas(), before.Canvas(), Rect(0, 0, 400, 400)), 0)
            << state;
    }
}

TEST_F(AnimationTest, TheFirstIntroFrameShowsOnlyZAtTheCentre) {
    Register();
    Tick(51);
    EXPECT_EQ(Peer().IntroStep(), 1);
    auto expected = BackgroundWith(Window(), {});
    expected->Canvas().CopyRect(Rect(184, 184, 216, 216), Window().AlphabetImage->Canvas(),
                                Rect(25 * 32, 0, 26 * 32, 32));
    EXPECT_EQ(
        DifferingPixels(Window().OffScreen->Canvas(), expected->Canvas(), Rect(0, 0, 400, 400)), 0);
    EXPECT_EQ(ScreenDiffersFromPresented(), 0);
}

TEST_F(AnimationTest, TheLettersSpreadOutStepByStep) {
    Register();
    Tick(51);
    Tick(51); // radius 36: A's corner lies above all others
    EXPECT_EQ(Window().OffScreen->Canvas().Pixel(184, 148),
              Window().AlphabetImage->Canvas().Pixel(0, 0));
    EXPECT_EQ(Window().OffScreen->Canvas().Pixel(183, 148),
              Window().BackgroundImage->Canvas().Pixel(183, 148));
    Tick(51);
    Tick(51);
    Tick(51); // radius 144: each later letter covers the earlier ones
    EXPECT_EQ(Peer().IntroStep(), 5);
    const std::vector<std::pair<int, int>> corners = {
        {184, 40},  {218, 44},  {250, 56},  {279, 76},  {302, 102}, {318, 132}, {326, 166},
        {326, 201}, {318, 235}, {302, 265}, {279, 291}, {250, 311}, {218, 323}, {184, 328},
        {149, 323}, {117, 311}, {88, 291},  {65, 265},  {49, 235},  {41, 201},  {41, 166},
        {49, 132},  {65, 102},  {88, 76},   {117, 56},  {149, 44}};
    for (int l = 0; l < 26; ++l) {
        const std::vector<std::pair<int, int>> later(corners.begin() + l + 1, corners.end());
        EXPECT_EQ(TileDiffers(corners[l].first, corners[l].second, l, later), 0) << "letter " << l;
    }
    EXPECT_EQ(ScreenDiffersFromPresented(), 0);

    Tick(51);
    EXPECT_EQ(Peer().IntroStep(), 6);
    EXPECT_EQ(Peer().GameState(), gsReady);
    // The sixth step shows the ring of the game at once.
    EXPECT_EQ(TileDiffers(140, 9, 25), 0);
    EXPECT_EQ(ScreenDiffersFromPresented(), 0);
    Tick(10000);
    EXPECT_EQ(Peer().IntroStep(), 6);
}

TEST_F(AnimationTest, TheResultsComeWithTheEighthExplosionStepAfterZAndKeysWaitMeanwhile) {
    Register();
    RunIntro();
    TypeAlphabet(100);
    auto& p = Peer();
    const int32_t misses = p.MissCount();
    Tick(80);
    EXPECT_EQ(p.LetterFrame()[25], 0) << "80 ms are not enough";
    for (int step = 1; step <= 7; ++step) {
        Tick(1 + (step == 1 ? 0 : 80));
        EXPECT_EQ(p.GameState(), gsFinishing) << "step " << step;
        Key(VK_SPACE);
        Key(VkLetter('A'));
        EXPECT_EQ(p.GameState(), gsFinishing) << "keys do nothing meanwhile";
    }
    EXPECT_EQ(p.MissCount(), misses);
    Tick(81);
    EXPECT_EQ(p.GameState(), gsResults);
    EXPECT_EQ(p.RevealCount(), 1);
    EXPECT_EQ(p.ResultRows(), 0);
    EXPECT_EQ(p.RevealTick(), fakes.clock.now);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(p.LetterFrame()[i], 0) << i;
}

TEST_F(AnimationTest, AWholeGameFromThePanelToHitSpaceKeyAndTheNextGame) {
    Register("Taro");
    RunIntro();
    TypeAlphabet(30); // 750 ms
    for (int i = 0; i < 500 && Peer().LetterFrame()[25] != 9; ++i)
        Tick(81);
    ASSERT_EQ(Peer().GameState(), gsResults);
    ASSERT_EQ(Peer().LetterFrame()[25], 9);

    const std::string hit = "Hit space key.";
    const std::vector<TShownText> bottom = {
        {"タイプ速度　：2080.000打/分", 8, 376},
        {hit, 392 - ScreenTextWidth(hit), 376},
    };
    EXPECT_EQ(DifferingPixels(Window().MainScreen->Canvas(),
                              BackgroundWith(Window(), bottom)->Canvas(), Rect(0, 376, 400, 400)),
              0);

    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 1u);
    EXPECT_EQ(file.players[0].PlayCount, 1);
    EXPECT_EQ(file.players[0].Ticks[25] - file.players[0].Ticks[0], 750);

    Key(VK_SPACE);
    EXPECT_EQ(Peer().GameState(), gsIntro);
    RunIntro();
}

} // namespace
