#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "game/figures.h"
#include "platform/keys.h"
#include "support/screens.h"
#include "support/window_fixture.h"

using namespace screentest;

namespace {

TEST(IntervalColour, SlowKeysAreYellowFastOnesCyanAgainstTheAveragePerKey) {
    struct Case {
        int32_t total, interval;
        TColor colour;
    };
    const Case cases[] = {
        // avg 100: yellow above 150, cyan below 50
        {2600, 151, clYellow},
        {2600, 150, clWhite},
        {2600, 50, clWhite},
        {2600, 49, clAqua},
        // avg 99: yellow above 148.5, cyan below 99 / 2 = 49
        {2599, 149, clYellow},
        {2599, 148, clWhite},
        {2599, 49, clWhite},
        {2599, 48, clAqua},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntervalColour(c.interval, c.total / 26), c.colour)
            << "total " << c.total << ", interval " << c.interval;
}

TEST(KeysPerMinute, IsInThousandthsAndUndefinedForARunOfNoTime) {
    EXPECT_EQ(KeysPerMinute(10000), 156000);
    EXPECT_EQ(KeysPerMinute(250000), 6240);
    EXPECT_EQ(KeysPerMinute(2600), 600000);
    EXPECT_EQ(KeysPerMinute(0), std::nullopt);
}

class ResultsTest : public WindowTest {
  protected:
    // A game just over, as the switch to the results leaves it: stamps made
    // from the 25 intervals between the keys.
    void EnterResults(const std::vector<uint32_t>& intervals, int32_t misses = 0,
                      bool newBest = false, int32_t newRank = -1) {
        ASSERT_EQ(intervals.size(), 25u);
        MakeWindow();
        auto& p = Peer();
        p.StartGame(); // sets up the canvas as for every game
        p.HitTick()[0] = fakes.clock.now - 100000;
        for (int i = 1; i < 26; ++i)
            p.HitTick()[i] = p.HitTick()[i - 1] + intervals[i - 1];
        p.HitCount() = 26;
        p.MissCount() = misses;
        p.NewBest() = newBest;
        p.NewRank() = newRank;
        p.GameState() = gsResults;
        p.RevealCount() = 1;
        p.ResultRows() = 0;
        p.RevealTick() = fakes.clock.now;
        p.LastStepTick() = fakes.clock.now;
        for (int i = 0; i < 26; ++i)
            p.LetterFrame()[i] = 0;
    }

    // One results frame, with the reveal check of its tick.
    void Frame() { Tick(81); }

    // Ticks until the final frame is on the screen; how many frames it took.
    int RunToFinalFrame() {
        int frames = 0;
        while (Peer().LetterFrame()[25] != 9 && frames < 1000) {
            Frame();
            ++frames;
        }
        EXPECT_EQ(Peer().LetterFrame()[25], 9);
        return frames;
    }

    const TCanvas& Screen() { return Window().OffScreen->Canvas(); }

    // The region of the record messages and the figure lines, below the rows.
    static TRect FigureLines() { return Rect(0, 328, 400, 400); }
};

std::vector<uint32_t> Intervals(uint32_t each) {
    return std::vector<uint32_t>(25, each);
}

// B-A, C-B, D-C, E-D as given, the rest equal, adding up to total.
std::vector<uint32_t> IntervalsFor(uint32_t total, std::vector<uint32_t> first) {
    const uint32_t rest = total - std::accumulate(first.begin(), first.end(), 0u);
    const uint32_t each = rest / static_cast<uint32_t>(25 - first.size());
    uint32_t left = rest;
    while (first.size() < 24) {
        first.push_back(each);
        left -= each;
    }
    first.push_back(left);
    return first;
}

TEST_F(ResultsTest, LettersAreRevealedAtThePlayersOwnPace) {
    // A 2 s pause between B and C shows as a 2 s pause in the replay.
    std::vector<uint32_t> intervals = Intervals(100);
    intervals[1] = 2000;
    EnterResults(intervals);
    auto& p = Peer();
    EXPECT_EQ(p.RevealCount(), 1) << "A is revealed with the switch";

    Tick(100);
    EXPECT_EQ(p.RevealCount(), 1) << "exactly the player's interval is not enough";
    Tick(1);
    EXPECT_EQ(p.RevealCount(), 2);

    Tick(1000);
    Tick(1000);
    EXPECT_EQ(p.RevealCount(), 2) << "C waits out the pause";
    Tick(1);
    EXPECT_EQ(p.RevealCount(), 3);
}

TEST_F(ResultsTest, KeysFasterThanTheTicksAreRevealedOneATick) {
    EnterResults(Intervals(1));
    for (int32_t expected = 2; expected <= 26; ++expected) {
        Tick(50);
        EXPECT_EQ(Peer().RevealCount(), expected);
    }
    Tick(50);
    EXPECT_EQ(Peer().RevealCount(), 26);
}

TEST_F(ResultsTest, FramesComeOnlyAfterMoreThan80Ms) {
    EnterResults(Intervals(100000));
    const uint32_t before = Peer().LastStepTick();
    Tick(80);
    EXPECT_EQ(Peer().LastStepTick(), before);
    EXPECT_EQ(Peer().LetterFrame()[0], 0);
    Tick(1);
    EXPECT_EQ(Peer().LastStepTick(), fakes.clock.now);
    EXPECT_EQ(Peer().LetterFrame()[0], 1);
}

TEST_F(ResultsTest, ALettersRowAppearsFromItsThirdRestoreFrame) {
    EnterResults(Intervals(100000)); // only A is revealed
    const int32_t rowsAfterFrame[] = {0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
    const int32_t restoreFrameAfter[] = {1, 2, 3, 4, 5, 6, 7, 8, 8, 8};
    for (int frame = 0; frame < 10; ++frame) {
        Frame();
        EXPECT_EQ(Peer().ResultRows(), rowsAfterFrame[frame]) << "frame " << frame + 1;
        EXPECT_EQ(Peer().LetterFrame()[0], restoreFrameAfter[frame]) << "frame " << frame + 1;
    }
    EXPECT_EQ(Peer().LetterFrame()[1], 0) << "B is not revealed yet";
}

TEST_F(ResultsTest, FigureLinesAndRecordMessages) {
    struct Case {
        bool newBest;
        int32_t newRank;
        std::vector<TShownText> messages;
    };
    const int rankWidth = ScreenTextWidth("1位にランクイン!!");
    const Case cases[] = {
        {true, 0, {{"** 最短記録更新!! **", 8, 328}, {"1位にランクイン!!", 392 - rankWidth, 328}}},
        {false, -1, {}},
    };
    for (const Case& c : cases) {
        EnterResults(Intervals(104), 3, c.newBest, c.newRank); // total 2600 ms
        Frame();
        std::vector<TShownText> expected = c.messages;
        expected.push_back({"クリアタイム：2.600秒(誤打3)", 8, 344});
        expected.push_back({"１打平均　　：0.100秒", 8, 360});
        expected.push_back({"タイプ速度　：600.000打/分", 8, 376});
        EXPECT_EQ(
            DifferingPixels(Screen(), BackgroundWith(Window(), expected)->Canvas(), FigureLines()),
            0)
            << "new best " << c.newBest << ", rank " << c.newRank;
    }
}

TEST_F(ResultsTest, HitSpaceKeyOnlyOnTheFinalFrameWhichThenStays) {
    EnterResults(Intervals(1)); // total 25 ms
    const std::vector<TShownText> lines = {
        {"クリアタイム：0.025秒(誤打0)", 8, 344},
        {"１打平均　　：0.000秒", 8, 360},
        {"タイプ速度　：62400.000打/分", 8, 376},
    };
    std::vector<TShownText> final = lines;
    final.push_back({"Hit space key.", 392 - ScreenTextWidth("Hit space key."), 376});

    int frames = 0;
    while (Peer().LetterFrame()[25] < 8) {
        Frame();
        ASSERT_LT(++frames, 100);
        EXPECT_EQ(
            DifferingPixels(Screen(), BackgroundWith(Window(), lines)->Canvas(), FigureLines()), 0)
            << "frame " << frames;
    }
    Frame();
    EXPECT_EQ(Peer().LetterFrame()[25], 9);
    EXPECT_EQ(Peer().ResultRows(), 26);
    EXPECT_EQ(DifferingPixels(Screen(), BackgroundWith(Window(), final)->Canvas(), FigureLines()),
              0);

    TBitmap shown(400, 400);
    shown.Canvas().CopyRect(Rect(0, 0, 400, 400), Screen(), Rect(0, 0, 400, 400));
    const uint32_t lastStep = Peer().LastStepTick();
    for (int i = 0; i < 5; ++i)
        Tick(1000);
    EXPECT_EQ(Peer().LastStepTick(), lastStep);
    EXPECT_EQ(DifferingPixels(Screen(), shown.Canvas(), Rect(0, 0, 400, 400)), 0);
    EXPECT_EQ(DifferingPixels(Window().MainScreen->Canvas(), shown.Canvas(), Rect(0, 0, 400, 400)),
              0);
}

TEST_F(ResultsTest, IntervalsAreColouredAgainstTheAverageAndAHasNone) {
    EnterResults(IntervalsFor(2600, {151, 150, 50, 49}));
    RunToFinalFrame();
    struct Row {
        int letter;
        const char* time;
        const char* interval;
        TColor colour;
    };
    const Row rows[] = {
        {1, "0.151", ">0.151", clYellow},
        {2, "0.301", ">0.150", clWhite},
        {3, "0.351", ">0.050", clWhite},
        {4, "0.400", ">0.049", clAqua},
    };
    for (const Row& row : rows) {
        const int x = ScreenTextWidth(row.time) + 50, y = 34 * row.letter;
        const TShownText interval{row.interval, x, y, row.colour};
        const TRect area = Rect(x, y, x + ScreenTextWidth(row.interval), y + 16);
        EXPECT_EQ(DifferingPixels(Screen(), BackgroundWith(Window(), {interval})->Canvas(), area),
                  0)
            << "letter " << row.letter;
    }

    // The row of A: its time 0.000 and nothing to the right of it.
    const TShownText time{"0.000", 42, 16};
    const TRect timeArea = Rect(42, 16, 42 + ScreenTextWidth("0.000"), 33);
    EXPECT_EQ(DifferingPixels(Screen(), BackgroundWith(Window(), {time})->Canvas(), timeArea), 0);
    EXPECT_EQ(DifferingPixels(Screen(), BackgroundWith(Window(), {})->Canvas(),
                              Rect(42 + ScreenTextWidth("0.000") + 8, 0, 133, 16)),
              0);
}

TEST_F(ResultsTest, ARunOfNoTimeShowsNoSpeedAndTheReplayGoesOn) {
    EnterResults(Intervals(0));
    Frame();
    const std::vector<TShownText> expected = {
        {"クリアタイム：0.000秒(誤打0)", 8, 344},
        {"１打平均　　：0.000秒", 8, 360},
        {"タイプ速度　：---打/分", 8, 376},
    };
    EXPECT_EQ(
        DifferingPixels(Screen(), BackgroundWith(Window(), expected)->Canvas(), FigureLines()), 0);
    RunToFinalFrame();
    EXPECT_EQ(Peer().RevealCount(), 26);
    Key(VK_SPACE);
    EXPECT_EQ(Peer().GameState(), gsIntro);
}

} // namespace
