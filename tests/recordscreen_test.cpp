#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/recordlines.h"
#include "platform/text.h"
#include "support/screens.h"
#include "support/window_fixture.h"

using namespace screentest;

namespace {

TEST(SlideInX, SixMovesOf75PixelsFromBeyondTheRightEdgeThenRest) {
    const int32_t name[] = {408, 333, 258, 183, 108, 33, 8, 8, 8};
    const int32_t entry[] = {416, 341, 266, 191, 116, 41, 16, 16, 16};
    for (int32_t moves = 0; moves < 9; ++moves) {
        EXPECT_EQ(SlideInX(8, 0, moves), name[moves]) << moves;
        EXPECT_EQ(SlideInX(16, 21, 21 + moves), entry[moves]) << moves;
    }
}

TEST(RankingLine, ColumnsAreBytesOfTheCodePage932Text) {
    struct Case {
        int32_t place;
        std::string name; // utf-8
        std::string seconds;
        int32_t misses;
        std::string expected; // utf-8
    };
    const Case cases[] = {
        // 250.000 is written whole, seven characters in the six-column field
        {1, "no record", "250.000", 0, " 1                        no record  250.000 秒 誤打 0"},
        // a Japanese name of 8 bytes takes 8 of the 32 columns
        {2, "山田太郎", "12.345", 3, " 2                         山田太郎  12.345 秒 誤打 3"},
        {10, "Taro", "9.876", 12, "10                             Taro   9.876 秒 誤打 12"},
    };
    for (const Case& c : cases) {
        const std::string line = RankingLine(c.place, Cp932(c.name), c.seconds, c.misses);
        EXPECT_EQ(Cp932ToUtf8(line), c.expected);
        // The time always ends at byte 43 (or later when longer than six).
        EXPECT_EQ(line.find(c.seconds) + c.seconds.size(),
                  std::max<size_t>(43, 37 + c.seconds.size()));
    }
}

TEST(RankingLine, EntriesLineUpInTheFixedPitchFont) {
    // Names of the same number of bytes make lines of the same pixel width.
    const std::string japanese = RankingLine(1, Cp932("山田太郎"), "12.345", 3);
    const std::string ascii = RankingLine(1, "Yamada T", "12.345", 3);
    const std::string mixed = RankingLine(1, Cp932("ﾀﾛｳ田中"), "12.345", 3); // 3 + 4 bytes + pad
    TBitmap bitmap(1, 1);
    bitmap.Canvas().Font = ScreenFont();
    EXPECT_EQ(bitmap.Canvas().TextWidth(japanese), bitmap.Canvas().TextWidth(ascii));
    EXPECT_EQ(japanese.size(), ascii.size());
    EXPECT_EQ(bitmap.Canvas().TextWidth(mixed), bitmap.Canvas().TextWidth(ascii));
}

class RecordScreenTest : public WindowTest {
  protected:
    // A stored player confirmed from the list, its game started and then the
    // record screen opened from the menu.
    void OpenRecordScreen(const TPlayerRecord& player,
                          const std::vector<TPlayerRecord>& ranking = DefaultRanking()) {
        WriteDataFile(DataFileOf({player}, ranking));
        MakeWindow();
        Window().PlayerList->SetItemIndex(0);
        Window().Enter->Click();
        ASSERT_EQ(Peer().GameState(), gsIntro);
        Window().mnPlayerInfo->Click();
        ASSERT_EQ(Peer().GameState(), gsRanking);
    }

    // Steps until the step n has been drawn.
    void StepThrough(int32_t n) {
        for (int guard = 0; Peer().InfoStep() <= n && guard < 100; ++guard)
            Tick(51);
        ASSERT_GT(Peer().InfoStep(), n);
    }

    // The lines of the screen at step n.
    static std::vector<TShownText> LinesAt(int32_t n, const std::vector<std::string>& texts) {
        struct Place {
            int y, enter, rest;
        };
        std::vector<Place> places = {{8, 0, 8},   {32, 3, 16},   {56, 6, 16},
                                     {80, 9, 16}, {104, 12, 16}, {128, 15, 8}};
        for (int k = 0; k < 10; ++k)
            places.push_back({152 + 24 * k, 18 + 3 * k, 16});
        std::vector<TShownText> lines;
        for (size_t i = 0; i < texts.size(); ++i)
            if (n >= places[i].enter)
                lines.push_back(
                    {texts[i], SlideInX(places[i].rest, places[i].enter, n), places[i].y});
        return lines;
    }

    int DifferingFromExpected(int32_t n, const std::vector<std::string>& texts) {
        return DifferingPixels(Window().OffScreen->Canvas(),
                               BackgroundWith(Window(), LinesAt(n, texts))->Canvas(),
                               Rect(0, 0, 400, 400));
    }

    static std::vector<std::string> DefaultPlayerTexts(const std::string& name) {
        std::vector<std::string> texts = {name,
                                          "プレイ回数：0",
                                          "最短タイム：250.000秒",
                                          "１打平均   ：9.615秒",
                                          "タイプ速度：6.240打/分",
                                          "ランキング"};
        for (int k = 1; k <= 10; ++k)
            texts.push_back(Cp932ToUtf8(RankingLine(k, "no record", "250.000", 0)));
        return texts;
    }
};

TEST_F(RecordScreenTest, ADefaultPlayersRecordAndTheDefaultRankingSlideIn) {
    OpenRecordScreen(MakeRecord("Taro"));
    const auto texts = DefaultPlayerTexts("Taro");
    for (int32_t n : {0, 1, 5, 6, 14, 20, 33, 50, 51}) {
        StepThrough(n);
        EXPECT_EQ(DifferingFromExpected(n, texts), 0) << "step " << n;
    }
    EXPECT_EQ(Peer().InfoStep(), 52);
}

TEST_F(RecordScreenTest, TheFirstStepShowsOnlyTheBackground) {
    OpenRecordScreen(MakeRecord("Taro"));
    StepThrough(0);
    EXPECT_EQ(DifferingPixels(Window().OffScreen->Canvas(), BackgroundWith(Window(), {})->Canvas(),
                              Rect(0, 0, 400, 400)),
              0)
        << "the name enters at x 408, beyond the edge";
}

TEST_F(RecordScreenTest, StepsComeOnlyAfterMoreThan50MsAndStopAfterStep51) {
    OpenRecordScreen(MakeRecord("Taro"));
    Tick(50);
    EXPECT_EQ(Peer().InfoStep(), 0);
    Tick(1);
    EXPECT_EQ(Peer().InfoStep(), 1);
    StepThrough(51);
    const uint32_t lastStep = Peer().LastStepTick();
    for (int i = 0; i < 5; ++i)
        Tick(1000);
    EXPECT_EQ(Peer().InfoStep(), 52);
    EXPECT_EQ(Peer().LastStepTick(), lastStep);
    EXPECT_EQ(DifferingFromExpected(51, DefaultPlayerTexts("Taro")), 0);
}

TEST_F(RecordScreenTest, RankingEntriesShowTheirNamesTimesAndMistypes) {
    std::vector<TPlayerRecord> ranking = DefaultRanking();
    ranking[0] = MakeRecord("山田太郎", 4, 12345, 3, true, true, false, 123456);
    ranking[1] = MakeRecord("Taro", 9, 98765, 12);
    OpenRecordScreen(MakeRecord("山田太郎", 4, 12345, 3), ranking);
    std::vector<std::string> texts = {"山田太郎",
                                      "プレイ回数：4",
                                      "最短タイム：12.345秒",
                                      "１打平均   ：0.474秒",
                                      "タイプ速度：126.366打/分",
                                      "ランキング",
                                      " 1                         山田太郎  12.345 秒 誤打 3",
                                      " 2                             Taro  98.765 秒 誤打 12"};
    for (int k = 3; k <= 10; ++k)
        texts.push_back(Cp932ToUtf8(RankingLine(k, "no record", "250.000", 0)));
    StepThrough(51);
    EXPECT_EQ(DifferingFromExpected(51, texts), 0);
}

TEST_F(RecordScreenTest, ABestRunOfNoTimeShowsNoSpeed) {
    OpenRecordScreen(MakeRecord("Taro", 1, 0));
    StepThrough(51);
    auto texts = DefaultPlayerTexts("Taro");
    texts[1] = "プレイ回数：1";
    texts[2] = "最短タイム：0.000秒";
    texts[3] = "１打平均   ：0.000秒";
    texts[4] = "タイプ速度：---打/分";
    EXPECT_EQ(DifferingFromExpected(51, texts), 0);
}

} // namespace
