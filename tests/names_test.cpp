#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/text.h"
#include "players/defaults.h"
#include "players/names.h"

namespace {

TEST(PlayerName, ALongNameIsCutTo31BytesAndEndedWithinName) {
    TPlayerRecord r = {};
    r.PlayCount = 0x11223344;
    SetName(r, std::string(40, 'N'));
    EXPECT_EQ(NameOf(r), std::string(31, 'N'));
    EXPECT_EQ(r.Name[31], 0);
    EXPECT_EQ(r.PlayCount, 0x11223344);
}

TEST(PlayerName, TheCutNeverSplitsADoubleByteCharacter) {
    const std::string name = "A" + Cp932("あいうえおかきくけこさしすせそ"); // 1 + 30 bytes
    TPlayerRecord r = {};
    SetName(r, name + Cp932("た"));
    EXPECT_EQ(NameOf(r), name);
    SetName(r, "AB" + Cp932("あいうえおかきくけこさしすせそ"));
    EXPECT_EQ(NameOf(r), "AB" + Cp932("あいうえおかきくけこさしす"
                                      "せ"));
}

TEST(PlayerName, ANewNameClearsTheLeftoversOfTheOld) {
    TPlayerRecord r = {};
    SetName(r, "Longer name");
    SetName(r, "Ann");
    EXPECT_EQ(std::string(r.Name, sizeof r.Name), std::string("Ann") + std::string(29, '\0'));
}

TEST(FreshPlayerRecord, HasNoGamesARunOf250SecondsAndTheGivenOptions) {
    const TPlayerRecord r = FreshPlayerRecord("Kai", false, true, true);
    EXPECT_EQ(NameOf(r), "Kai");
    EXPECT_EQ(r.PlayCount, 0);
    EXPECT_EQ(r.Misses, 0);
    EXPECT_EQ(r.Ticks[0], 0);
    EXPECT_EQ(r.Ticks[13], 130000);
    EXPECT_EQ(r.Ticks[25] - r.Ticks[0], 250000);
    EXPECT_EQ(r.SoundOn, 0);
    EXPECT_EQ(r.TimeOn, 1);
    EXPECT_EQ(r.NeedleOn, 1);
}

} // namespace
