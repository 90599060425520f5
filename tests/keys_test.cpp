#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/ranking.h"
#include "platform/filestream.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

constexpr int kSide = 400;

std::vector<TColor> Pixels(TImage* image) {
    std::vector<TColor> out;
    out.reserve(kSide * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            out.push_back(image->Canvas().Pixel(x, y));
    return out;
}

TPlayerRecord Record(const char* name, int32_t runTime, int32_t start = 0) {
    TPlayerRecord r = {};
    std::strncpy(r.Name, name, sizeof r.Name - 1);
    for (int32_t i = 0; i < 26; ++i)
        r.Ticks[i] = start + runTime * i / 25;
    r.SoundOn = 1;
    r.TimeOn = 1;
    return r;
}

class KeysTest : public WindowTest {
  protected:
    void SetUp() override {
        MakeWindow();
        Peer().Player() = Record("taro", 250000);
        Peer().Player().PlayCount = 4;
        for (int32_t k = 0; k < RankingSize; ++k)
            Peer().Ranking()[k] = Record("no record", 250000);
    }

    // A game started and its intro over, as the timer would leave it.
    void Ready() {
        Peer().StartGame();
        Peer().GameState() = gsReady;
    }

    // Types A to Z, each key `interval` ms after the one before.
    void PlayGame(uint32_t interval) {
        Key(VkLetter('A'));
        for (char c = 'B'; c <= 'Z'; ++c) {
            fakes.clock.Advance(interval);
            Key(VkLetter(c));
        }
    }

    // A game of exactly `total` ms.
    void PlayGameOf(uint32_t total) {
        Key(VkLetter('A'));
        for (char c = 'B'; c <= 'Y'; ++c) {
            fakes.clock.Advance(total / 25);
            Key(VkLetter(c));
        }
        fakes.clock.Advance(total - 24 * (total / 25));
        Key(VkLetter('Z'));
    }

    int32_t& Rank() { return Peer().NewRank(); }
};

struct KeyCase {
    TGameState state;
    uint16_t key;
    TGameState after;
    int32_t hits; // HitCount afterwards
    int32_t misses;
    int plays;
};

// In gsPlaying the game is at B (HitCount 1).
const KeyCase kKeyTable[] = {
    {gsEntry, VkLetter('A'), gsEntry, 0, 0, 0},
    {gsEntry, VK_SPACE, gsEntry, 0, 0, 0},
    {gsIntro, VkLetter('A'), gsIntro, 0, 0, 0},
    {gsIntro, VK_SPACE, gsIntro, 0, 0, 0},
    {gsReady, VkLetter('A'), gsPlaying, 1, 0, 1},
    {gsReady, VK_SPACE, gsRanking, 0, 0, 0},
    {gsReady, VkLetter('B'), gsReady, 0, 0, 0},
    {gsReady, VK_SHIFT, gsReady, 0, 0, 0},
    {gsPlaying, VkLetter('B'), gsPlaying, 2, 0, 1},
    {gsPlaying, VkLetter('A'), gsPlaying, 1, 1, 0},
    {gsPlaying, VkLetter('C'), gsPlaying, 1, 1, 0},
    {gsPlaying, VK_SPACE, gsPlaying, 1, 1, 0},
    {gsPlaying, VK_SHIFT, gsPlaying, 1, 1, 0},
    {gsPlaying, VK_F1, gsPlaying, 1, 1, 0},
    {gsFinishing, VkLetter('A'), gsFinishing, 26, 0, 0},
    {gsFinishing, VK_SPACE, gsFinishing, 26, 0, 0},
    {gsResults, VK_SPACE, gsIntro, 0, 0, 0},
    {gsResults, VkLetter('A'), gsResults, 26, 0, 0},
    {gsRanking, VK_SPACE, gsIntro, 0, 0, 0},
    {gsRanking, VkLetter('A'), gsRanking, 0, 0, 0},
    {gsSystemInfo, VK_SPACE, gsIntro, 0, 0, 0},
    {gsSystemInfo, VK_RETURN, gsSystemInfo, 0, 0, 0},
};

TEST_F(KeysTest, KeyTableOverAllStates) {
    for (const KeyCase& c : kKeyTable) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " key " << c.key);
        Peer().StartGame();
        Peer().GameState() = c.state;
        Peer().InfoStep() = 7;
        if (c.state == gsPlaying) {
            Peer().HitCount() = 1;
            Peer().LetterFrame()[0] = 3;
        }
        if (c.state == gsFinishing || c.state == gsResults)
            Peer().HitCount() = 26;
        fakes.wave.playing = false;
        const int playsBefore = fakes.wave.plays;

        Key(c.key);

        EXPECT_EQ(Peer().GameState(), c.after);
        EXPECT_EQ(Peer().HitCount(), c.hits);
        EXPECT_EQ(Peer().MissCount(), c.misses);
        EXPECT_EQ(fakes.wave.plays - playsBefore, c.plays);
        EXPECT_EQ(Peer().InfoStep(), c.state == gsReady && c.after == gsRanking ? 0 : 7);
    }
}

TEST_F(KeysTest, WholeGameStampsEveryKeyAndEndsWithinTheKeyOfZ) {
    Ready();
    const uint32_t start = fakes.clock.now;
    PlayGame(300);

    EXPECT_EQ(Peer().GameState(), gsFinishing);
    EXPECT_EQ(Peer().HitCount(), 26);
    EXPECT_EQ(Peer().MissCount(), 0);
    for (int32_t i = 0; i < 26; ++i) {
        EXPECT_EQ(Peer().HitTick()[i], start + 300u * static_cast<uint32_t>(i)) << i;
        EXPECT_EQ(Peer().LetterFrame()[i], 0) << i;
    }
    EXPECT_EQ(Peer().Player().PlayCount, 5);
    EXPECT_TRUE(Peer().NewBest());
    EXPECT_EQ(Rank(), 0);
    EXPECT_EQ(RunTime(Peer().Player()), 7500);

    // Keys after Z change nothing.
    Key(VkLetter('A'));
    Key(VK_SPACE);
    EXPECT_EQ(Peer().GameState(), gsFinishing);
    EXPECT_EQ(Peer().MissCount(), 0);
}

TEST_F(KeysTest, RepeatsAndModifiersAreMistypesTheLetterStillCounts) {
    Ready();
    Key(VkLetter('A'));
    Key(VkLetter('A')); // an automatic repeat of A
    Key(VK_SHIFT);
    Key(VkLetter('B'));
    EXPECT_EQ(Peer().HitCount(), 2);
    EXPECT_EQ(Peer().MissCount(), 2);
}

TEST_F(KeysTest, MistypeFlashesTheScreenWhiteAndLeavesOffScreen) {
    Ready();
    Key(VkLetter('A'));
    Peer().DrawPlayfield();
    const auto off = Pixels(Window().OffScreen);

    Key(VkLetter('Q'));

    EXPECT_EQ(Peer().MissCount(), 1);
    EXPECT_EQ(Pixels(Window().OffScreen), off);
    EXPECT_EQ(Pixels(Window().MainScreen), std::vector<TColor>(kSide * kSide, clWhite));
}

TEST_F(KeysTest, SoundRestartsForEveryCorrectKey) {
    Ready();
    Key(VkLetter('A'));
    EXPECT_EQ(fakes.wave.plays, 1);
    EXPECT_EQ(fakes.wave.stops, 0);

    // The last sound has not ended yet: rewound, then played again.
    Key(VkLetter('B'));
    EXPECT_EQ(fakes.wave.plays, 2);
    EXPECT_EQ(fakes.wave.stops, 1);

    // The last sound has ended: played without a rewind.
    fakes.wave.playing = false;
    Key(VkLetter('C'));
    EXPECT_EQ(fakes.wave.plays, 3);
    EXPECT_EQ(fakes.wave.stops, 1);

    Key(VkLetter('X')); // a mistype is silent
    EXPECT_EQ(fakes.wave.plays, 3);
}

TEST_F(KeysTest, SoundOffKeepsEveryKeySilent) {
    Window().mnSound->Click();
    ASSERT_FALSE(Peer().SoundOn());
    Ready();
    PlayGame(100);
    EXPECT_EQ(Peer().GameState(), gsFinishing);
    EXPECT_EQ(fakes.wave.plays, 0);
    EXPECT_EQ(fakes.wave.stops, 0);
}

TEST_F(KeysTest, StartGameResetsTheGameAndSetsUpTheCanvas) {
    Ready();
    Key(VkLetter('A'));
    Key(VkLetter('Z'));
    Peer().NewBest() = true;
    Peer().NewRank() = 3;
    Peer().IntroStep() = 6;
    Peer().FirstLiveBomb() = 1;
    TCanvas& canvas = Window().OffScreen->Canvas();
    canvas.Font.Height = 16;
    canvas.Font.Color = clAqua;
    fakes.clock.Advance(1234);

    Window().mnStartVexo->SetEnabled(true);
    Window().mnStartVexo->Click();

    EXPECT_EQ(Peer().GameState(), gsIntro);
    EXPECT_EQ(Peer().IntroStep(), 0);
    EXPECT_EQ(Peer().HitCount(), 0);
    EXPECT_EQ(Peer().FirstLiveBomb(), 0);
    EXPECT_FALSE(Peer().NewBest());
    EXPECT_EQ(Peer().NewRank(), -1);
    EXPECT_EQ(Peer().MissCount(), 0);
    for (int32_t i = 0; i < 26; ++i) {
        EXPECT_EQ(Peer().LetterFrame()[i], -1) << i;
        EXPECT_EQ(Peer().HitTick()[i], 0u) << i;
    }
    EXPECT_EQ(Peer().LastStepTick(), fakes.clock.now);
    EXPECT_EQ(Peer().Player().PlayCount, 4); // the interrupted game is not counted

    EXPECT_EQ(canvas.Font.Color, clWhite);
    EXPECT_EQ(canvas.Font.Height, 64);
    EXPECT_EQ(canvas.Font.Pitch, fpFixed);
    EXPECT_TRUE(canvas.Font.Bold);
    EXPECT_EQ(canvas.Brush.Style, bsClear);
    EXPECT_EQ(canvas.Pen.Color, clYellow);
    EXPECT_EQ(canvas.Pen.Width, 2);

    EXPECT_TRUE(Window().GamePanel->Visible());
    EXPECT_EQ(Window().GamePanel->Left(), 0);
    EXPECT_EQ(Window().GamePanel->Top(), 0);
    EXPECT_FALSE(Window().EntryPanel->Visible());
}

TEST_F(KeysTest, PlayerInfoShowsTheBackgroundAndLeavesTheStepTick) {
    Ready();
    Peer().InfoStep() = 52;
    const uint32_t lastStep = Peer().LastStepTick();
    fakes.clock.Advance(500);

    Key(VK_SPACE);

    EXPECT_EQ(Peer().GameState(), gsRanking);
    EXPECT_EQ(Peer().InfoStep(), 0);
    EXPECT_EQ(Peer().LastStepTick(), lastStep);
    EXPECT_EQ(Window().OffScreen->Canvas().Font.Height, 16);
    EXPECT_EQ(Pixels(Window().MainScreen), Pixels(Window().BackgroundImage));
}

TEST_F(KeysTest, PlayCountFromADamagedFileStaysAtItsLargestValue) {
    Peer().Player().PlayCount = 2147483647;
    Ready();
    PlayGame(100);
    EXPECT_EQ(Peer().Player().PlayCount, 2147483647);
}

TEST_F(KeysTest, TickCounterWrappingMidGameDoesNoHarm) {
    Ready();
    fakes.clock.now = 0xFFFFFFFFu - 4000u;
    PlayGame(400); // 10 s, across the wrap

    EXPECT_LT(Peer().HitTick()[25], Peer().HitTick()[0]);
    EXPECT_TRUE(Peer().NewBest());
    EXPECT_EQ(RunTime(Peer().Player()), 10000);
    EXPECT_EQ(Rank(), 0);
    EXPECT_EQ(RunTime(Peer().Ranking()[0]), 10000);
}

struct EndCase {
    const char* what;
    int32_t best;
    int32_t ranking[RankingSize];
    uint32_t game;
    bool newBest;
    int32_t rank;
};

const EndCase kEndCases[] = {
    {"equal to the best, not ranked",
     10000,
     {9000, 9000, 9000, 9000, 9000, 9000, 9000, 9000, 9000, 9000},
     10000,
     false,
     -1},
    {"equal to an entry goes in below it",
     5000,
     {5000, 10000, 20000, 20000, 20000, 20000, 20000, 20000, 20000, 20000},
     10000,
     false,
     2},
    {"as slow as the tenth",
     5000,
     {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000},
     10000,
     false,
     -1},
    {"faster than every entry",
     250000,
     {20000, 21000, 22000, 23000, 24000, 25000, 26000, 27000, 28000, 29000},
     10000,
     true,
     0},
    {"faster than the tenth only",
     250000,
     {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10001},
     10000,
     true,
     9},
    {"slower than the best but ranked",
     5000,
     {4000, 6000, 9000, 12000, 13000, 14000, 15000, 16000, 17000, 18000},
     8000,
     false,
     2},
    {"a new best that is not ranked",
     250000,
     {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000},
     10000,
     true,
     -1},
};

TEST_F(KeysTest, EndOfGameUpdatesTheBestRunAndTheRanking) {
    for (const EndCase& c : kEndCases) {
        SCOPED_TRACE(c.what);
        TPlayerRecord player = Record("taro", c.best, 777);
        player.PlayCount = 4;
        player.Misses = 9;
        player.NeedleOn = 1;
        Peer().Player() = player;
        TPlayerRecord ranking[RankingSize];
        for (int32_t k = 0; k < RankingSize; ++k) {
            const std::string name = "r" + std::to_string(k);
            ranking[k] = Record(name.c_str(), c.ranking[k], 100 * k);
            Peer().Ranking()[k] = ranking[k];
        }
        Ready();
        fakes.clock.Advance(5000);

        Key(VkLetter('A'));
        Key(VK_SHIFT);
        Key(VkLetter('C'));
        for (char l = 'B'; l <= 'Y'; ++l) {
            fakes.clock.Advance(c.game / 25);
            Key(VkLetter(l));
        }
        fakes.clock.Advance(c.game - 24 * (c.game / 25));
        Key(VkLetter('Z'));

        ASSERT_EQ(Peer().GameState(), gsFinishing);
        EXPECT_EQ(Peer().NewBest(), c.newBest);
        EXPECT_EQ(Rank(), c.rank);

        TPlayerRecord game = player;
        game.PlayCount = 5;
        for (int32_t i = 0; i < 26; ++i)
            game.Ticks[i] = static_cast<int32_t>(Peer().HitTick()[i]);
        game.Misses = 2;
        ASSERT_EQ(RunTime(game), static_cast<int32_t>(c.game));

        const TPlayerRecord& now = Peer().Player();
        const TPlayerRecord& expected = c.newBest ? game : [&] {
            TPlayerRecord p = player;
            p.PlayCount = 5;
            return p;
        }();
        EXPECT_EQ(std::memcmp(&now, &expected, sizeof now), 0);

        for (int32_t k = 0; k < RankingSize; ++k) {
            SCOPED_TRACE(k);
            const TPlayerRecord& want = c.rank == -1 || k < c.rank ? ranking[k]
                                        : k == c.rank              ? game
                                                                   : ranking[k - 1];
            EXPECT_EQ(std::memcmp(&Peer().Ranking()[k], &want, sizeof want), 0)
                << Peer().Ranking()[k].Name;
        }
    }
}

// The saves at the end of a game, seen in the bytes of the data file.
class EndOfGameSaveTest : public KeysTest {
  protected:
    void SetUp() override {
        KeysTest::SetUp();
        Peer().Player() = Record("taro", 20000, 50);
        Peer().Player().PlayCount = 4;
        for (int32_t k = 0; k < RankingSize; ++k)
            Peer().Ranking()[k] = Record("no record", 10000 + 1000 * k);
        Peer().SavePlayer();
        stored_ = ReadDataFile();
        ASSERT_EQ(stored_.size(), 4u + 148u * 11u);
        Ready();
    }

    static TPlayerRecord At(const std::vector<uint8_t>& file, size_t index) {
        TPlayerRecord r;
        std::memcpy(&r, file.data() + 4 + 148 * index, sizeof r);
        return r;
    }
    // Record 0 is the player, 1 to 10 the ranking.
    TPlayerRecord StoredPlayer() { return At(ReadDataFile(), 0); }
    TPlayerRecord StoredEntry(int32_t k) { return At(ReadDataFile(), 1 + static_cast<size_t>(k)); }

    std::vector<uint8_t> stored_;
};

TEST_F(EndOfGameSaveTest, NeitherBestNorRankedSavesNothing) {
    PlayGameOf(20000); // as fast as the best and as the tenth entry is not enough
    EXPECT_FALSE(Peer().NewBest());
    EXPECT_EQ(Rank(), -1);
    EXPECT_EQ(Peer().Player().PlayCount, 5);
    EXPECT_EQ(ReadDataFile(), stored_);
}

TEST_F(EndOfGameSaveTest, RankedOnlySavesOnceWithTheRaisedPlayCount) {
    const TPlayerRecord faster = Record("taro", 14000, 50);
    std::memcpy(Peer().Player().Ticks, faster.Ticks, sizeof faster.Ticks);
    FailNextFileOp(TFileOp::Create, 1); // a second save would fail
    PlayGameOf(15500);
    EXPECT_TRUE(fakes.boxes.empty());
    EXPECT_FALSE(Peer().NewBest());
    EXPECT_EQ(Rank(), 6);
    EXPECT_EQ(StoredPlayer().PlayCount, 5);
    EXPECT_EQ(RunTime(StoredPlayer()), 14000);
    EXPECT_EQ(RunTime(StoredEntry(6)), 15500);
    EXPECT_STREQ(StoredEntry(6).Name, "taro");
    EXPECT_EQ(RunTime(StoredEntry(9)), 18000); // the former ninth
}

TEST_F(EndOfGameSaveTest, NewBestAndRankedSavesTwice) {
    FailNextFileOp(TFileOp::Create, 1);
    PlayGameOf(12000);

    // The first save went through with the new best and the old ranking.
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    EXPECT_EQ(RunTime(StoredPlayer()), 12000);
    EXPECT_EQ(StoredPlayer().PlayCount, 5);
    EXPECT_STREQ(StoredEntry(3).Name, "no record");
    EXPECT_EQ(Peer().GameState(), gsFinishing);
    EXPECT_EQ(Rank(), 3);

    // Without the fault the second save stores the ranking too.
    Peer().SavePlayer();
    EXPECT_STREQ(StoredEntry(3).Name, "taro");
    EXPECT_EQ(RunTime(StoredEntry(3)), 12000);
    EXPECT_EQ(RunTime(StoredEntry(4)), 13000);
}

TEST_F(EndOfGameSaveTest, FailingBestSaveStopsBeforeTheRanking) {
    FailNextFileOp(TFileOp::Create);
    PlayGameOf(12000);

    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    EXPECT_EQ(ReadDataFile(), stored_);
    EXPECT_EQ(Peer().GameState(), gsFinishing);
    EXPECT_EQ(Peer().Player().PlayCount, 5);
    EXPECT_TRUE(Peer().NewBest());
    EXPECT_EQ(RunTime(Peer().Player()), 12000);
    EXPECT_EQ(Rank(), -1);
    EXPECT_EQ(RunTime(Peer().Ranking()[3]), 13000);
}

} // namespace
