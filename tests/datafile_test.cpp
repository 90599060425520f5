#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "mainwin/startup.h"
#include "platform/application.h"
#include "platform/exception.h"
#include "platform/filestream.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A record whose every field tells it apart from the others: seed shows in the
// counts and in every stamp.
TPlayerRecord Record(std::string_view name, int32_t seed, uint8_t sound = 1, uint8_t time = 1,
                     uint8_t needle = 0) {
    TPlayerRecord r = {};
    std::memcpy(r.Name, name.data(), name.size());
    r.PlayCount = seed;
    r.Misses = seed + 1;
    for (int32_t i = 0; i < 26; ++i)
        r.Ticks[i] = seed * 100000 + i * 997;
    r.SoundOn = sound;
    r.TimeOn = time;
    r.NeedleOn = needle;
    return r;
}

Bytes BytesOf(const TPlayerRecord& r) {
    const auto* p = reinterpret_cast<const uint8_t*>(&r);
    return Bytes(p, p + sizeof r);
}

void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

Bytes CountBytes(int32_t n) {
    const auto u = static_cast<uint32_t>(n);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
            static_cast<uint8_t>(u >> 24)};
}

std::vector<TPlayerRecord> StoredRanking() {
    std::vector<TPlayerRecord> ranking;
    for (int32_t i = 0; i < 10; ++i)
        ranking.push_back(Record("R" + std::to_string(i), 50 + i));
    return ranking;
}

Bytes FileOf(const std::vector<TPlayerRecord>& players,
             const std::vector<TPlayerRecord>& ranking = StoredRanking()) {
    Bytes out = CountBytes(static_cast<int32_t>(players.size()));
    for (const auto& p : players)
        Append(out, BytesOf(p));
    for (const auto& r : ranking)
        Append(out, BytesOf(r));
    return out;
}

// A default ranking entry, byte by byte as the file stores it.
Bytes DefaultEntryBytes() {
    Bytes entry(148, 0);
    std::memcpy(entry.data(), "no record", 9);
    for (uint32_t i = 0; i < 26; ++i) {
        const uint32_t t = i * 10000;
        for (uint32_t b = 0; b < 4; ++b)
            entry[40 + 4 * i + b] = static_cast<uint8_t>(t >> (8 * b));
    }
    entry[144] = 1;
    entry[145] = 1;
    entry[146] = 0;
    return entry;
}

std::vector<std::string> ListedNames(TMainWindow& w) {
    std::vector<std::string> names;
    for (int i = 0; i < w.PlayerList->Count(); ++i)
        names.push_back(w.PlayerList->Item(i));
    return names;
}

std::string Utf8Message(const std::exception& e) {
    return Cp932ToUtf8(e.what());
}

// Shows a case of a table by its `what`, in the test's listing too.
template <class T>
requires requires(const T& c) {
    c.what;
}
void PrintTo(const T& c, std::ostream* os) {
    *os << c.what;
}

// Names each case of a table after its `what`.
struct ByWhat {
    template <class T> std::string operator()(const ::testing::TestParamInfo<T>& p) const {
        std::string name = p.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    }
};

class DataFileTest : public WindowTest {
  protected:
    // A window started on a file holding these players and StoredRanking().
    TMainWindow& StartWith(const std::vector<TPlayerRecord>& players) {
        WriteDataFile(FileOf(players));
        return MakeWindow();
    }

    void SetPlayer(const TPlayerRecord& r) { Peer().Player() = r; }

    // Every file in the working directory but the ones the game itself keeps.
    std::vector<std::string> StrayFiles() const {
        std::vector<std::string> stray;
        for (const auto& entry : std::filesystem::directory_iterator(Dir()))
            if (entry.path().filename() != "userdata.dat")
                stray.push_back(entry.path().filename().string());
        return stray;
    }
};

TEST_F(DataFileTest, WithoutAFileStartsWithAnEmptyListAndTenDefaultEntriesAndCreatesNothing) {
    auto& w = MakeWindow();
    EXPECT_EQ(w.PlayerList->Count(), 0);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(BytesOf(Peer().Ranking()[i]), DefaultEntryBytes()) << "place " << i;
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(DataFileTest, StartListsTheStoredNamesInFileOrderAndTakesTheStoredRanking) {
    auto stored = StoredRanking();
    stored[3].Pad = 0x77; // read as it lies, not interpreted
    std::memcpy(stored[3].Name, "R3\0left", 7);
    WriteDataFile(FileOf({Record("Zed", 1), Record("", 2), Record("Amy", 3)}, stored));
    auto& w = MakeWindow();
    EXPECT_EQ(ListedNames(w), (std::vector<std::string>{"Zed", "", "Amy"}));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(BytesOf(Peer().Ranking()[i]), BytesOf(stored[i])) << "place " << i;
    EXPECT_EQ(Peer().Player().Name[0], 0) << "the start chooses no player";
}

TEST_F(DataFileTest, ListsJapaneseNamesAsTheirCodePage932Bytes) {
    const std::string name = Cp932("山田太郎");
    auto& w = StartWith({Record(name, 1)});
    EXPECT_EQ(ListedNames(w), std::vector<std::string>{name});
}

TEST_F(DataFileTest, FirstSaveWithoutAFileWritesOneRecordAndTheDefaultRanking) {
    MakeWindow();
    const TPlayerRecord player = Record("Kai", 7, 0, 1, 1);
    SetPlayer(player);
    Peer().SavePlayer();

    Bytes expected = CountBytes(1);
    Append(expected, BytesOf(player));
    for (int i = 0; i < 10; ++i)
        Append(expected, DefaultEntryBytes());
    ASSERT_EQ(expected.size(), 1632u);
    EXPECT_EQ(ReadDataFile(), expected);
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
}

struct SaveCase {
    const char* what;
    std::vector<TPlayerRecord> stored;
    TPlayerRecord player;
    std::vector<TPlayerRecord> expected;
};

class SaveTest : public DataFileTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, ReplacesEveryMatchInPlaceOrAppendsLast) {
    const SaveCase& c = GetParam();
    StartWith(c.stored);
    SetPlayer(c.player);
    Peer().SavePlayer();
    EXPECT_EQ(ReadDataFile(), FileOf(c.expected));
}

TPlayerRecord WithLeftovers(TPlayerRecord r, std::string_view leftovers) {
    std::memcpy(r.Name + std::strlen(r.Name) + 1, leftovers.data(), leftovers.size());
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveTest,
    ::testing::Values(SaveCase{"stored name is replaced where it stands",
                               {Record("Ann", 1), Record("Bob", 2), Record("Cid", 3)},
                               Record("Bob", 9, 0, 0, 1),
                               {Record("Ann", 1), Record("Bob", 9, 0, 0, 1), Record("Cid", 3)}},
                      SaveCase{"new name goes last, the others untouched to the last byte",
                               {WithLeftovers(Record("Ann", 1), "old"), Record("Bob", 2)},
                               Record("Dee", 4),
                               {WithLeftovers(Record("Ann", 1), "old"), Record("Bob", 2),
                                Record("Dee", 4)}},
                      SaveCase{"first save of the empty name appends it",
                               {Record("Ann", 1)},
                               Record("", 0),
                               {Record("Ann", 1), Record("", 0)}},
                      SaveCase{"a stored empty name is replaced",
                               {Record("", 5), Record("Ann", 1)},
                               Record("", 0, 0, 0, 0),
                               {Record("", 0, 0, 0, 0), Record("Ann", 1)}},
                      SaveCase{"case makes another player",
                               {Record("Bob", 2)},
                               Record("bob", 3),
                               {Record("Bob", 2), Record("bob", 3)}},
                      SaveCase{"a trailing blank makes another player",
                               {Record("Bob", 2)},
                               Record("Bob ", 3),
                               {Record("Bob", 2), Record("Bob ", 3)}},
                      SaveCase{"leftovers after the name do not make another player",
                               {WithLeftovers(Record("Bob", 2), "xyz")},
                               WithLeftovers(Record("Bob", 3), "abc"),
                               {WithLeftovers(Record("Bob", 3), "abc")}},
                      SaveCase{"every stored copy of a name is replaced",
                               {Record("Ann", 1), Record("Bob", 2), Record("Ann", 3)},
                               Record("Ann", 8),
                               {Record("Ann", 8), Record("Bob", 2), Record("Ann", 8)}}),
    ByWhat());

TEST_F(DataFileTest, SaveWritesTheRankingFromMemory) {
    StartWith({Record("Ann", 1)});
    Peer().Ranking()[0] = Record("Ann", 20);
    SetPlayer(Record("Ann", 2));
    Peer().SavePlayer();
    auto ranking = StoredRanking();
    ranking[0] = Record("Ann", 20);
    EXPECT_EQ(ReadDataFile(), FileOf({Record("Ann", 2)}, ranking));
}

TEST_F(DataFileTest, WrittenRecordsCarryAZeroPadByte) {
    auto stored = Record("Ann", 1);
    stored.Pad = 0x5A;
    StartWith({stored});
    auto player = Record("Bob", 2);
    player.Pad = 0xA5;
    SetPlayer(player);
    Peer().SavePlayer();

    const Bytes file = ReadDataFile();
    ASSERT_EQ(file.size(), 1484u + 2 * 148u);
    for (size_t record = 0; record < 12; ++record)
        EXPECT_EQ(file[4 + record * 148 + 147], 0) << "record " << record;
}

TEST_F(DataFileTest, ANameFillingAllOfNameIsCutTo31BytesAndNothingSpills) {
    MakeWindow();
    TPlayerRecord player = Record("", 6);
    std::memset(player.Name, 'X', sizeof player.Name);
    SetPlayer(player);
    Peer().SavePlayer();

    TPlayerRecord expected = player;
    expected.Name[31] = 0;
    const Bytes file = ReadDataFile();
    ASSERT_EQ(file.size(), 1632u);
    EXPECT_EQ(Bytes(file.begin() + 4, file.begin() + 152), BytesOf(expected));
    EXPECT_EQ(Bytes(file.begin() + 152, file.begin() + 300), DefaultEntryBytes());
}

TEST_F(DataFileTest, AStoredNameWithoutItsZeroIsListedWithinItsRecord) {
    TPlayerRecord stored = Record("", 1);
    std::memset(stored.Name, 'Y', sizeof stored.Name);
    auto& w = StartWith({stored, Record("Ann", 2)});
    EXPECT_EQ(ListedNames(w), (std::vector<std::string>{std::string(32, 'Y'), "Ann"}));
}

TEST_F(DataFileTest, ASavedPlayerIsListedAtTheNextStart) {
    StartWith({Record("Ann", 1)});
    SetPlayer(Record("Bob", 2));
    Peer().SavePlayer();
    auto& w = MakeWindow();
    EXPECT_EQ(ListedNames(w), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST_F(DataFileTest, ExitSavesTheCurrentPlayerAndClosesTheWindow) {
    auto& w = StartWith({Record("Ann", 1)});
    bool closed = false;
    w.OnClosed = [&] { closed = true; };
    w.Show();
    SetPlayer(Record("Ann", 4, 0, 0, 1));
    w.mnEnd->Click();
    EXPECT_TRUE(closed);
    EXPECT_EQ(ReadDataFile(), FileOf({Record("Ann", 4, 0, 0, 1)}));
    EXPECT_TRUE(fakes.boxes.empty());
}

TEST_F(DataFileTest, ExitBeforeAnyPlayerIsChosenStoresAnEmptyNamedRecord) {
    auto& w = StartWith({Record("Ann", 1)});
    w.mnEnd->Click();
    EXPECT_EQ(ReadDataFile(), FileOf({Record("Ann", 1), TPlayerRecord{}}));
}

struct LoadCase {
    const char* what;
    uint8_t sound, time, needle;
};

class LoadTest : public DataFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, MakesTheStoredRecordThePlayerAndItsOptionsTheWindows) {
    const LoadCase& c = GetParam();
    auto& w = StartWith({Record("Ann", 1), Record("Bob", 2, c.sound, c.time, c.needle)});
    Peer().LoadPlayer("Bob");
    EXPECT_EQ(BytesOf(Peer().Player()), BytesOf(Record("Bob", 2, c.sound, c.time, c.needle)));
    EXPECT_EQ(Peer().SoundOn(), c.sound != 0);
    EXPECT_EQ(Peer().TimeOn(), c.time != 0);
    EXPECT_EQ(Peer().NeedleOn(), c.needle != 0);
    EXPECT_EQ(w.mnSound->Checked(), c.sound != 0);
    EXPECT_EQ(w.mnShowTime->Checked(), c.time != 0);
    EXPECT_EQ(w.mnShowTimeN->Checked(), c.needle != 0);
    EXPECT_TRUE(fakes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Options, LoadTest,
                         ::testing::Values(LoadCase{"AllOff", 0, 0, 0}, LoadCase{"AllOn", 1, 1, 1},
                                           LoadCase{"OnlyNeedle", 0, 0, 1},
                                           LoadCase{"AsAtStart", 1, 1, 0}),
                         ByWhat());

TEST_F(DataFileTest, LoadTakesTheFirstOfTwoEqualNames) {
    StartWith({Record("Ann", 1), Record("Ann", 2)});
    Peer().LoadPlayer("Ann");
    EXPECT_EQ(Peer().Player().PlayCount, 1);
}

TEST_F(DataFileTest, LoadOfANameNotStoredSaysSoAndChangesNothing) {
    auto& w = StartWith({Record("Ann", 1, 0, 0, 1)});
    w.mnShowTimeN->Click();
    const TPlayerRecord before = Peer().Player();
    Peer().LoadPlayer("ann");

    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].Utf8Text(), "プレイヤーデータが見つかりません");
    EXPECT_EQ(fakes.boxes[0].Utf8Caption(), "予想外のエラー");
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::None);
    EXPECT_EQ(BytesOf(Peer().Player()), BytesOf(before));
    EXPECT_TRUE(Peer().SoundOn());
    EXPECT_TRUE(Peer().TimeOn());
    EXPECT_TRUE(Peer().NeedleOn());
    EXPECT_TRUE(w.mnSound->Checked());
    EXPECT_TRUE(w.mnShowTime->Checked());
    EXPECT_TRUE(w.mnShowTimeN->Checked());
}

TEST_F(DataFileTest, LoadWithoutAFileRaisesTheOpenError) {
    MakeWindow();
    try {
        Peer().LoadPlayer("Ann");
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(Utf8Message(e), "ﾌｧｲﾙ userdata.dat は開けません");
    }
    EXPECT_TRUE(fakes.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

struct DeleteCase {
    const char* what;
    std::vector<TPlayerRecord> stored;
    const char* name;
    std::vector<TPlayerRecord> expected;
};

class DeleteTest : public DataFileTest, public ::testing::WithParamInterface<DeleteCase> {};

// Pad bytes and leftovers after the names: a deletion writes the ranking back as it was read.
std::vector<TPlayerRecord> RankingWithLeftovers() {
    auto ranking = StoredRanking();
    for (auto& entry : ranking) {
        entry = WithLeftovers(entry, "junk");
        entry.Pad = 0xEE;
    }
    ranking[9] = Record("Bob", 99); // a deleted player's entries stay
    return ranking;
}

TEST_P(DeleteTest, RemovesTheNameAndKeepsTheOthersInOrderAndTheRankingAsRead) {
    const DeleteCase& c = GetParam();
    WriteDataFile(FileOf(c.stored, RankingWithLeftovers()));
    MakeWindow();
    Peer().DeletePlayer(c.name);
    EXPECT_EQ(ReadDataFile(), FileOf(c.expected, RankingWithLeftovers()));
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
}

const std::vector<TPlayerRecord> ABC = {Record("Ann", 1), Record("Bob", 2), Record("Cid", 3)};

INSTANTIATE_TEST_SUITE_P(
    Places, DeleteTest,
    ::testing::Values(DeleteCase{"First", ABC, "Ann", {Record("Bob", 2), Record("Cid", 3)}},
                      DeleteCase{"Middle", ABC, "Bob", {Record("Ann", 1), Record("Cid", 3)}},
                      DeleteCase{"Last", ABC, "Cid", {Record("Ann", 1), Record("Bob", 2)}},
                      DeleteCase{"Only", {Record("Bob", 2)}, "Bob", {}},
                      DeleteCase{
                          "EmptyName", {Record("", 0), Record("Ann", 1)}, "", {Record("Ann", 1)}},
                      DeleteCase{"NoLongerStored", ABC, "Dee", ABC},
                      DeleteCase{"StoredTwice",
                                 {Record("Bob", 1), Record("Ann", 2), Record("Bob", 3)},
                                 "Bob",
                                 {Record("Ann", 2)}}),
    ByWhat());

TEST_F(DataFileTest, DeleteOnlyRecordLeavesTheCountZeroFollowedByTheRanking) {
    StartWith({Record("Bob", 2)});
    Peer().DeletePlayer("Bob");
    const Bytes file = ReadDataFile();
    ASSERT_EQ(file.size(), 1484u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), CountBytes(0));
}

TEST_F(DataFileTest, DeleteWhenTheFileIsGoneWritesNothing) {
    StartWith({Record("Bob", 2)});
    std::filesystem::remove(DataFile());
    Peer().DeletePlayer("Bob");
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
    EXPECT_TRUE(fakes.boxes.empty());
}

struct DamagedCase {
    const char* what;
    Bytes bytes;
};

Bytes WithCount(Bytes file, int32_t count) {
    const Bytes n = CountBytes(count);
    std::copy(n.begin(), n.end(), file.begin());
    return file;
}

Bytes Resized(Bytes file, size_t size) {
    file.resize(size, 0);
    return file;
}

std::vector<TPlayerRecord> Players(int32_t n) {
    std::vector<TPlayerRecord> players;
    for (int32_t i = 0; i < n; ++i)
        players.push_back(Record("P" + std::to_string(i), i));
    return players;
}

std::vector<DamagedCase> DamagedFiles() {
    const Bytes two = FileOf(Players(2));
    return {
        {"Empty", {}},
        {"CountCutShort", {1, 0}},
        {"NegativeCount", WithCount(two, -1)},
        {"CountOf257WithAllItsRecords", FileOf(Players(257))},
        {"OneByteShort", Resized(two, two.size() - 1)},
        {"OneByteLong", Resized(two, two.size() + 1)},
        {"CountAboveItsRecords", WithCount(two, 3)},
        {"CountBelowItsRecords", WithCount(two, 1)},
        {"NoRanking", Resized(two, 4 + 2 * 148)},
    };
}

class DamagedFileTest : public DataFileTest, public ::testing::WithParamInterface<DamagedCase> {
  protected:
    // Starts on a sound file, then the file is damaged from outside.
    void StartThenDamage() {
        StartWith({Record("P0", 0), Record("P1", 1)});
        WriteDataFile(GetParam().bytes);
    }

    template <class Operation> void ExpectRefused(Operation operation) {
        const TPlayerRecord before = Peer().Player();
        try {
            operation();
            FAIL() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(Utf8Message(e), "ﾌｧｲﾙ userdata.dat は壊れています");
        }
        EXPECT_EQ(ReadDataFile(), GetParam().bytes);
        EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
        EXPECT_EQ(BytesOf(Peer().Player()), BytesOf(before));
        EXPECT_TRUE(fakes.boxes.empty());
    }
};

TEST_P(DamagedFileTest, StartUpRefusesIt) {
    WriteDataFile(GetParam().bytes);
    try {
        MakeWindow();
        FAIL() << "the window started";
    } catch (const Exception& e) {
        EXPECT_EQ(Utf8Message(e), "ﾌｧｲﾙ userdata.dat は壊れています");
    }
    EXPECT_EQ(ReadDataFile(), GetParam().bytes);
}

TEST_P(DamagedFileTest, SaveRefusesIt) {
    StartThenDamage();
    SetPlayer(Record("P1", 5));
    ExpectRefused([&] { Peer().SavePlayer(); });
}

TEST_P(DamagedFileTest, LoadRefusesIt) {
    StartThenDamage();
    ExpectRefused([&] { Peer().LoadPlayer("P0"); });
    EXPECT_TRUE(Window().mnSound->Checked());
    EXPECT_FALSE(Window().mnShowTimeN->Checked());
}

TEST_P(DamagedFileTest, DeleteRefusesIt) {
    StartThenDamage();
    ExpectRefused([&] { Peer().DeletePlayer("P0"); });
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest, ::testing::ValuesIn(DamagedFiles()), ByWhat());

class StartUpDeathTest : public DataFileTest {
  protected:
    // Runs the whole start-up; true when it returned 0 after one error report.
    bool StartEndsWithTheReport(const std::string& utf8Text) {
        char name[] = "zorvik-vexo";
        char* argv[] = {name, nullptr};
        const int rc = RunZorvikVexo(1, argv);
        return rc == 0 && fakes.boxes.size() == 1 && fakes.boxes[0].Utf8Text() == utf8Text &&
               fakes.boxes[0].Utf8Caption() == "Zorvik Vexo" &&
               fakes.boxes[0].icon == TBoxIcon::Error;
    }
};

TEST_F(StartUpDeathTest, ADamagedFileEndsTheStartWithTheErrorReport) {
    const Bytes damaged = WithCount(FileOf(Players(1)), -5);
    WriteDataFile(damaged);
    EXPECT_EXIT(std::_Exit(StartEndsWithTheReport("ﾌｧｲﾙ userdata.dat は壊れています.") ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadDataFile(), damaged);
}

TEST_F(DataFileTest, TheTableOf256TakesNoNewPlayer) {
    const std::vector<TPlayerRecord> full = Players(256);
    const Bytes before = FileOf(full);
    StartWith(full);
    SetPlayer(Record("P256", 1));
    try {
        Peer().SavePlayer();
        FAIL() << "saved a 257th player";
    } catch (const Exception& e) {
        EXPECT_EQ(Utf8Message(e), "これ以上プレイヤーを登録できません（最大 256 人）");
    }
    EXPECT_EQ(ReadDataFile(), before);
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
}

TEST_F(DataFileTest, TheTableOf256StillSavesAStoredPlayer) {
    std::vector<TPlayerRecord> full = Players(256);
    StartWith(full);
    SetPlayer(Record("P255", 1000));
    Peer().SavePlayer();
    full[255] = Record("P255", 1000);
    EXPECT_EQ(ReadDataFile(), FileOf(full));
}

struct FaultCase {
    const char* what;
    TFileOp op;
    int skip;
    const char* message;
};

const char* const CreateText = "ﾌｧｲﾙ userdata.dat を作成できません";
const char* const WriteText = "ﾌｧｲﾙ userdata.dat に書き込めません";

// Every save and deletion writes the count first, then at least one record,
// and the ranking from the fourth write on.
std::vector<FaultCase> WriteFaults() {
    return {
        {"CreatingTheFile", TFileOp::Create, 0, CreateText},
        {"WritingTheCount", TFileOp::Write, 0, WriteText},
        {"WritingARecord", TFileOp::Write, 1, WriteText},
        {"WritingTheRanking", TFileOp::Write, 3, WriteText},
        {"FlushingToTheDisk", TFileOp::Flush, 0, WriteText},
        {"PuttingItInPlace", TFileOp::Rename, 0, CreateText},
    };
}

class FailedWriteTest : public DataFileTest, public ::testing::WithParamInterface<FaultCase> {
  protected:
    void ExpectOldFileAndReport(const Bytes& before) {
        EXPECT_EQ(ReadDataFile(), before);
        EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
        ASSERT_EQ(fakes.boxes.size(), 1u);
        EXPECT_EQ(fakes.boxes[0].Utf8Text(), std::string(GetParam().message) + ".");
        EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    }
};

TEST_P(FailedWriteTest, ExitKeepsTheOldFileReportsItAndStaysOpen) {
    const std::vector<TPlayerRecord> stored = {Record("Ann", 1)};
    auto& w = StartWith(stored);
    bool closed = false;
    w.OnClosed = [&] { closed = true; };
    w.Show();
    SetPlayer(Record("Bob", 2));
    FailNextFileOp(GetParam().op, GetParam().skip);
    w.mnEnd->Click();
    ExpectOldFileAndReport(FileOf(stored));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(w.Visible());
}

TEST_P(FailedWriteTest, DeleteKeepsTheOldFile) {
    const std::vector<TPlayerRecord> stored = {Record("Ann", 1), Record("Bob", 2),
                                               Record("Cid", 3)};
    StartWith(stored);
    FailNextFileOp(GetParam().op, GetParam().skip);
    Application->Dispatch([&] { Peer().DeletePlayer("Cid"); });
    ExpectOldFileAndReport(FileOf(stored));
}

TEST_P(FailedWriteTest, FirstSaveLeavesNoFile) {
    MakeWindow();
    SetPlayer(Record("Ann", 1));
    FailNextFileOp(GetParam().op, GetParam().skip);
    Application->Dispatch([&] { Peer().SavePlayer(); });
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
    ASSERT_EQ(fakes.boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedWriteTest, ::testing::ValuesIn(WriteFaults()), ByWhat());

TEST_F(DataFileTest, SaveThatCannotOpenTheFileWritesNothing) {
    const Bytes before = FileOf({Record("Ann", 1)});
    StartWith({Record("Ann", 1)});
    SetPlayer(Record("Bob", 2));
    FailNextFileOp(TFileOp::Open);
    EXPECT_THROW(Peer().SavePlayer(), EFOpenError);
    EXPECT_EQ(ReadDataFile(), before);
    EXPECT_EQ(StrayFiles(), std::vector<std::string>{});
}

TEST_F(DataFileTest, AShortReadStopsTheOperationBeforeAnythingChanges) {
    const std::vector<TPlayerRecord> stored = {Record("Ann", 1), Record("Bob", 2, 0, 0, 1)};
    const Bytes before = FileOf(stored);
    auto& w = StartWith(stored);
    SetPlayer(Record("Ann", 5));

    FailNextFileOp(TFileOp::Read, 2); // the count, Ann, then Bob comes short
    EXPECT_THROW(Peer().SavePlayer(), EReadError);
    FailNextFileOp(TFileOp::Read, 2);
    EXPECT_THROW(Peer().LoadPlayer("Bob"), EReadError);
    FailNextFileOp(TFileOp::Read, 3); // the ranking comes short
    EXPECT_THROW(Peer().DeletePlayer("Ann"), EReadError);

    EXPECT_EQ(ReadDataFile(), before);
    EXPECT_EQ(BytesOf(Peer().Player()), BytesOf(Record("Ann", 5)));
    EXPECT_TRUE(w.mnSound->Checked());
}

TEST_F(DataFileTest, AFileThatCannotBeOpenedEndsTheStart) {
    WriteDataFile(FileOf({Record("Ann", 1)}));
    FailNextFileOp(TFileOp::Open);
    try {
        MakeWindow();
        FAIL() << "the window started";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(Utf8Message(e), "ﾌｧｲﾙ userdata.dat は開けません");
    }
}

} // namespace
