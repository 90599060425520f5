#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "platform/keys.h"
#include "platform/sysquery.h"
#include "platform/text.h"
#include "support/window_fixture.h"
#include "sysinfo/lines.h"

namespace {

TEST(SysInfoLines, PlatformNames) {
    const std::vector<std::pair<uint32_t, std::string>> cases = {
        {0, "Windows3.1"}, {1, "Windows95"}, {2, "WindowsNT"},
        {3, "不明なOS"},   {99, "不明なOS"}, {0xFFFFFFFFu, "不明なOS"},
    };
    for (const auto& [id, name] : cases)
        EXPECT_EQ(Cp932ToUtf8(PlatformName(id)), name) << id;
    EXPECT_EQ(PlatformName(PLATFORM_LINUX), Cp932("不明なOS"));
}

TEST(SysInfoLines, KeyboardTexts) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "キーボード情報の取得に失敗"}, {1, "IBM PC/XT互換 83キーボード"},
        {2, "Olivetti ICO 102キーボード"}, {3, "IBM AT互換 84キーボード"},
        {4, "IBM拡張 101,102キーボード"},  {5, "Nokia 1050互換キーボード"},
        {6, "Nokia 9140互換キーボード"},   {7, "日本語キーボード"},
        {8, "未知のキーボード"},           {9, "未知のキーボード"},
        {255, "未知のキーボード"},         {-1, "未知のキーボード"},
    };
    for (const auto& [type, text] : cases)
        EXPECT_EQ(Cp932ToUtf8(KeyboardText(type)), text) << type;
}

TOSVersionInfo Version(uint32_t platform, uint32_t major, uint32_t minor, const char* sp,
                       uint32_t build) {
    TOSVersionInfo v;
    v.Size = sizeof v;
    v.PlatformId = platform;
    v.MajorVersion = major;
    v.MinorVersion = minor;
    v.BuildNumber = build;
    std::strncpy(v.ServicePack, sp, sizeof v.ServicePack - 1);
    return v;
}

TEST(SysInfoLines, VersionLineFormat) {
    struct Case {
        TOSVersionInfo version;
        std::string line;
    };
    const std::vector<Case> cases = {
        {Version(2, 4, 0, "Service Pack 6", 1381), "WindowsNT 4.0Service Pack 6(Build 1381)"},
        {Version(2, 5, 1, "", 2600), "WindowsNT 5.1(Build 2600)"},
        // The build number is the whole field, high word and all.
        {Version(1, 4, 10, " A ", 0x040A08AEu), "Windows95 4.10 A (Build 67766446)"},
        {Version(0, 3, 10, "", 0xFFFFFFFFu), "Windows3.1 3.10(Build 4294967295)"},
        {Version(PLATFORM_LINUX, 6, 18, " Debian GNU/Linux 12 ", 44),
         "不明なOS 6.18 Debian GNU/Linux 12 (Build 44)"},
        {Version(7, 0, 0, "", 0), "不明なOS 0.0(Build 0)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cp932ToUtf8(VersionLine(c.version)), c.line);
    EXPECT_EQ(Cp932ToUtf8(VersionFailedLine()), "OS情報の取得に失敗");
}

TEST(SysInfoLines, VersionLineStopsAtTheEndOfAnUnterminatedServicePack) {
    TOSVersionInfo v = Version(2, 4, 0, "", 1);
    std::memset(v.ServicePack, 'x', sizeof v.ServicePack);
    EXPECT_EQ(VersionLine(v), "WindowsNT 4.0" + std::string(128, 'x') + "(Build 1)");
}

TEST(SysInfoLines, MegabytesWithSixDecimals) {
    const std::vector<std::pair<uint64_t, std::string>> cases = {
        {0, "0.000000"},
        {1, "0.000001"},
        {1048576, "1.000000"},
        {33030144, "31.500000"},
        {4294967295u, "4095.999999"},
        {4294967296u, "4096.000000"},
        {24ull << 30, "24576.000000"},
        {0xFFFFFFFFFFFFFFFFull, "17592186044416.000000"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Megabytes(bytes), text) << bytes;
}

TEST(SysInfoLines, MemoryLines) {
    TMemoryStatus m;
    m.MemoryLoad = 37;
    m.TotalPhys = 24ull << 30;
    m.AvailPhys = 33030144;
    m.TotalPageFile = 4294967295u;
    m.AvailPageFile = 0;
    EXPECT_EQ(Cp932ToUtf8(MemoryLoadLine(m.MemoryLoad)), "メモリ使用率：37%");
    EXPECT_EQ(Cp932ToUtf8(MemoryLoadLine(0)), "メモリ使用率：0%");
    EXPECT_EQ(Cp932ToUtf8(MemoryLoadLine(100)), "メモリ使用率：100%");
    EXPECT_EQ(Cp932ToUtf8(PhysicalMemoryLine(m)),
              "物理メモリ (残り / 総量)：31.500000 / 24576.000000 MB");
    EXPECT_EQ(Cp932ToUtf8(PageFileLine(m)), "仮想メモリ (残り / 総量)：0.000000 / 4095.999999 MB");
}

TEST(SysInfoLines, MegabytesIgnoreTheUsersDecimalComma) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string text = Megabytes(33030144);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(text, "31.500000");
}

constexpr TColor kBackground = 0x402010;
constexpr TColor kTitle = 0x0000C0;
constexpr int kTitleHeight = 150;

class SysInfoScreenTest : public WindowTest {
  protected:
    SysInfoScreenTest() {
        SetSystemQueries({[this](TOSVersionInfo& v) {
                              sizeSeen = v.Size;
                              ++versionQueries;
                              if (!versionOk)
                                  return false;
                              v = version;
                              return true;
                          },
                          [this](int flag) {
                              flagSeen = flag;
                              return keyboardType;
                          },
                          [this](TMemoryStatus& m) {
                              m = memory;
                              ++memoryQueries;
                          }});
        MakeWindow();
        // The pictures as solid colours, so that every pixel of the screen is known.
        FillCanvas(Window().BackgroundImage->Canvas(), kBackground);
        FillCanvas(Window().TitleImage->Canvas(), kTitle);
        Peer().StartGame();
    }
    ~SysInfoScreenTest() override { SetSystemQueries({}); }

    static void FillCanvas(TCanvas& canvas, TColor colour) {
        const TBrush brush = canvas.Brush;
        canvas.Brush = {colour, bsSolid};
        canvas.FillRect(Rect(0, 0, canvas.Width(), canvas.Height()));
        canvas.Brush = brush;
    }

    std::vector<std::string> LinesFor(const std::string& versionLine) const {
        return {versionLine, KeyboardText(keyboardType), MemoryLoadLine(memory.MemoryLoad),
                PhysicalMemoryLine(memory), PageFileLine(memory)};
    }

    // Background, the 250 by 150 title at (75, 50), and each line centred on
    // x = 200 at y = 208, 232, 256, 280, 304, drawn in the 16-pixel white font.
    void ExpectScreen(const std::vector<std::string>& lines) {
        TBitmap expected(400, 400);
        TCanvas& e = expected.Canvas();
        FillCanvas(e, kBackground);
        e.Brush = {kTitle, bsSolid};
        e.FillRect(Rect(75, 50, 325, 200));
        e.Font = Window().OffScreen->Canvas().Font;
        e.Font.Height = 16;
        e.Brush.Style = bsClear;
        const int ys[] = {208, 232, 256, 280, 304};
        for (size_t i = 0; i < lines.size(); ++i)
            e.TextOut(200 - e.TextWidth(lines[i]) / 2, ys[i], lines[i]);

        const TCanvas& actual = Window().OffScreen->Canvas();
        int mismatches = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (actual.Pixel(x, y) != e.Pixel(x, y) && mismatches++ == 0)
                    ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
        EXPECT_EQ(mismatches, 0);
    }

    int WhitePixelsIn(int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += Window().OffScreen->Canvas().Pixel(x, y) == clWhite;
        return count;
    }

    void Open() { Window().mnVersionInfoClick(Window().mnVersionInfo); }

    TOSVersionInfo version = Version(PLATFORM_LINUX, 6, 18, " Debian GNU/Linux 12 ", 44);
    bool versionOk = true;
    int keyboardType = 7;
    TMemoryStatus memory{3, 24ull << 30, 23ull << 30, 26ull << 30, 25ull << 30};
    uint32_t sizeSeen = 0;
    int flagSeen = -1;
    int versionQueries = 0;
    int memoryQueries = 0;
};

TEST_F(SysInfoScreenTest, ShowsTitleAndFiveCentredLines) {
    Open();
    EXPECT_EQ(sizeSeen, 148u);
    EXPECT_EQ(flagSeen, 0);
    ExpectScreen(LinesFor(VersionLine(version)));
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);

    // The title's exact rectangle, (75, 50) to (325, 200).
    const TCanvas& screen = Window().OffScreen->Canvas();
    EXPECT_EQ(screen.Pixel(75, 50), kTitle);
    EXPECT_EQ(screen.Pixel(324, 199), kTitle);
    EXPECT_EQ(screen.Pixel(74, 50), kBackground);
    EXPECT_EQ(screen.Pixel(75, 49), kBackground);
    EXPECT_EQ(screen.Pixel(325, 199), kBackground);
    EXPECT_EQ(screen.Pixel(324, 200), kBackground);

    // Every line is inked, and only within its 24-pixel row.
    for (int y : {208, 232, 256, 280, 304})
        EXPECT_GT(WhitePixelsIn(0, y, 400, y + 17), 0) << y;
    EXPECT_EQ(WhitePixelsIn(0, 0, 400, 208), 0);
    EXPECT_EQ(WhitePixelsIn(0, 321, 400, 400), 0);
}

TEST_F(SysInfoScreenTest, LineIsCentredByItsMeasuredWidth) {
    // One narrow and one wide line in the same 16-pixel font: each starts at 200 - width / 2.
    keyboardType = 7;
    Open();
    TCanvas& c = Window().OffScreen->Canvas();
    ASSERT_EQ(c.Font.Height, 16);
    const std::string keyboard = KeyboardText(7);
    const int left = 200 - c.TextWidth(keyboard) / 2;
    EXPECT_EQ(WhitePixelsIn(0, 232, left, 249), 0);
    EXPECT_EQ(WhitePixelsIn(left + c.TextWidth(keyboard), 232, 400, 249), 0);
    EXPECT_GT(WhitePixelsIn(left, 232, left + c.TextWidth(keyboard), 249), 0);
}

TEST_F(SysInfoScreenTest, ChangesOnlyTheFontHeight) {
    Open();
    const TCanvas& c = Window().OffScreen->Canvas();
    EXPECT_EQ(c.Font.Height, 16);
    EXPECT_EQ(c.Font.Color, clWhite);
    EXPECT_TRUE(c.Font.Bold);
    EXPECT_EQ(c.Font.Pitch, fpFixed);
    EXPECT_EQ(c.Brush.Style, bsClear);
    EXPECT_EQ(c.Pen.Color, clYellow);
    EXPECT_EQ(c.Pen.Width, 2);
    EXPECT_EQ(c.CopyMode, SRCCOPY);
}

TEST_F(SysInfoScreenTest, FailedQueriesGiveTheirTextsInThe16PixelFont) {
    versionOk = false;
    keyboardType = 0;
    Open();
    EXPECT_EQ(Window().OffScreen->Canvas().Font.Height, 16);
    ExpectScreen(LinesFor(VersionFailedLine()));
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);
}

TEST_F(SysInfoScreenTest, MemoryAbove4GiBShowsTrueMegabytes) {
    memory = {81, 64ull << 30, 12ull << 30, 80ull << 30, 28ull << 30};
    Open();
    ExpectScreen(LinesFor(VersionLine(version)));
    EXPECT_EQ(Cp932ToUtf8(PhysicalMemoryLine(memory)),
              "物理メモリ (残り / 総量)：12288.000000 / 65536.000000 MB");
}

TEST_F(SysInfoScreenTest, LineWiderThanThePlayAreaIsClippedAtBothEdges) {
    std::memset(version.ServicePack, 'W', 100);
    Open();
    TCanvas& c = Window().OffScreen->Canvas();
    ASSERT_GT(c.TextWidth(VersionLine(version)), 400);
    EXPECT_GT(WhitePixelsIn(0, 208, 8, 225), 0);
    EXPECT_GT(WhitePixelsIn(392, 208, 400, 225), 0);
    ExpectScreen(LinesFor(VersionLine(version)));
}

TEST_F(SysInfoScreenTest, OpeningAgainDrawsAfreshWithNewReadings) {
    Open();
    memory.MemoryLoad = 99;
    memory.AvailPhys = 1ull << 30;
    keyboardType = 4;
    Open();
    EXPECT_EQ(versionQueries, 2);
    EXPECT_EQ(memoryQueries, 2);
    ExpectScreen(LinesFor(VersionLine(version)));
}

TEST_F(SysInfoScreenTest, IsPresentedWhole) {
    Open();
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 400; x += 3)
            ASSERT_EQ(Window().MainScreen->Canvas().Pixel(x, y),
                      Window().OffScreen->Canvas().Pixel(x, y))
                << x << ", " << y;
}

TEST_F(SysInfoScreenTest, EndsARunningGameWithoutSavingOrCounting) {
    Peer().GameState() = gsReady;
    Key(VkLetter('A'));
    Key(VkLetter('B'));
    ASSERT_EQ(Peer().GameState(), gsPlaying);
    const std::vector<uint8_t> file = ReadDataFile();
    const TPlayerRecord player = Peer().Player();

    Open();
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);
    // Letters no longer count, neither as hits nor as mistypes, and the timer leaves the screen.
    Key(VkLetter('C'));
    Key(VkLetter('Q'));
    Tick(200);
    EXPECT_EQ(Peer().HitCount(), 2);
    EXPECT_EQ(Peer().MissCount(), 0);
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);
    ExpectScreen(LinesFor(VersionLine(version)));
    EXPECT_EQ(ReadDataFile(), file);
    EXPECT_EQ(std::memcmp(&Peer().Player(), &player, sizeof player), 0);

    Key(VK_SPACE);
    EXPECT_EQ(Peer().GameState(), gsIntro);
    EXPECT_EQ(Peer().HitCount(), 0);
}

TEST_F(SysInfoScreenTest, AFinishedGameKeepsWhatItsZRecorded) {
    Peer().GameState() = gsReady;
    for (char c = 'A'; c <= 'Z'; ++c) {
        fakes.clock.Advance(100);
        Key(VkLetter(c));
    }
    ASSERT_EQ(Peer().GameState(), gsFinishing);
    const std::vector<uint8_t> file = ReadDataFile();
    const int32_t playCount = Peer().Player().PlayCount;

    Open();
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);
    EXPECT_EQ(Peer().Player().PlayCount, playCount);
    EXPECT_EQ(ReadDataFile(), file);
}

TEST_F(SysInfoScreenTest, ReplacesEveryScreen) {
    for (TGameState state :
         {gsIntro, gsReady, gsPlaying, gsFinishing, gsResults, gsRanking, gsSystemInfo}) {
        Peer().GameState() = state;
        FillCanvas(Window().OffScreen->Canvas(), clWhite);
        Open();
        EXPECT_EQ(Peer().GameState(), gsSystemInfo) << state;
        ExpectScreen(LinesFor(VersionLine(version)));
    }
}

TEST_F(SysInfoScreenTest, MenuCommandOpensTheScreen) {
    Peer().GameState() = gsPlaying;
    Window().mnVersionInfo->SetEnabled(true);
    Window().mnVersionInfo->Click();
    EXPECT_EQ(Peer().GameState(), gsSystemInfo);
    EXPECT_EQ(versionQueries, 1);
    EXPECT_TRUE(fakes.boxes.empty());
}

} // namespace
