#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/filestream.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "support/screens.h"
#include "support/window_fixture.h"

using namespace screentest;

namespace {

class SelectionTest : public WindowTest {
  protected:
    // The four ways a user confirms on the selection panel.
    struct Confirmation {
        const char* how;
        std::function<void(TMainWindow&)> run;
    };
    static std::vector<Confirmation> Confirmations() {
        return {
            {"the button", [](TMainWindow& w) { w.Enter->Click(); }},
            {"Enter in the edit box", [](TMainWindow& w) { w.NewEntry->KeyPress(13); }},
            {"Enter in the list", [](TMainWindow& w) { w.PlayerList->KeyPress(13); }},
            {"space in the list", [](TMainWindow& w) { w.PlayerList->KeyPress(32); }},
            {"a double click", [](TMainWindow& w) { w.PlayerList->DblClick(); }},
        };
    }

    void Type(const std::string& utf8) { Window().NewEntry->SetTextUtf8(utf8); }
    void Confirm() { Window().Enter->Click(); }

    void ExpectPlayerCommandsEnabled(bool enabled) {
        auto& w = Window();
        EXPECT_EQ(w.mnStartVexo->Enabled(), enabled);
        EXPECT_EQ(w.mnPlayerInfo->Enabled(), enabled);
        EXPECT_EQ(w.mnChangePlayer->Enabled(), enabled);
        EXPECT_EQ(w.mnVersionInfo->Enabled(), enabled);
    }

    void ExpectStillSelecting() {
        EXPECT_EQ(Peer().GameState(), gsEntry);
        EXPECT_TRUE(Window().EntryPanel->Visible());
        ExpectPlayerCommandsEnabled(false);
    }

    void ExpectGameStarted() {
        EXPECT_EQ(Peer().GameState(), gsIntro);
        EXPECT_FALSE(Window().EntryPanel->Visible());
        EXPECT_TRUE(Window().GamePanel->Visible());
        ExpectPlayerCommandsEnabled(true);
    }

    void ExpectRecord(const TPlayerRecord& actual, const TPlayerRecord& expected) {
        EXPECT_EQ(RecordName(actual), RecordName(expected));
        EXPECT_EQ(actual.PlayCount, expected.PlayCount);
        EXPECT_EQ(actual.Misses, expected.Misses);
        for (int i = 0; i < 26; ++i)
            EXPECT_EQ(actual.Ticks[i], expected.Ticks[i]) << i;
        EXPECT_EQ(actual.SoundOn, expected.SoundOn);
        EXPECT_EQ(actual.TimeOn, expected.TimeOn);
        EXPECT_EQ(actual.NeedleOn, expected.NeedleOn);
    }
};

TEST_F(SelectionTest, ConfirmingWithNoNameAndNoSelectionAsksForAPlayer) {
    for (const Confirmation& c : Confirmations()) {
        fakes.boxes.clear();
        MakeWindow();
        c.run(Window());
        ASSERT_EQ(fakes.boxes.size(), 1u) << c.how;
        EXPECT_EQ(fakes.boxes[0].Utf8Text(), "プレイヤーを選択してください");
        EXPECT_EQ(fakes.boxes[0].Utf8Caption(), "エントリー");
        EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::None);
        ExpectStillSelecting();
        EXPECT_FALSE(std::filesystem::exists(DataFile()));
    }
}

TEST_F(SelectionTest, OtherKeysConfirmNothing) {
    WriteDataFile(DataFileOf({MakeRecord("Hanako")}, DefaultRanking()));
    auto& w = MakeWindow();
    w.PlayerList->SetItemIndex(0);
    w.PlayerList->KeyPress('a');
    w.PlayerList->KeyPress(9);
    w.NewEntry->KeyPress(32); // a space belongs to the name being typed
    w.NewEntry->KeyPress('a');
    EXPECT_TRUE(fakes.boxes.empty());
    ExpectStillSelecting();
}

TEST_F(SelectionTest, ATypedNameRegistersAFreshPlayerWithTheWindowsOptions) {
    auto& w = MakeWindow();
    w.mnShowTimeN->Click(); // options of the window: sound, time and needle on
    Type("Taro");
    w.NewEntry->KeyPress(13);

    const TPlayerRecord fresh = MakeRecord("Taro", 0, 250000, 0, true, true, true);
    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 1u);
    ExpectRecord(file.players[0], fresh);
    ExpectRecord(Peer().Player(), fresh);
    EXPECT_TRUE(w.mnShowTimeN->Checked());
    EXPECT_EQ(w.NewEntry->Text(), "Taro") << "the text stays";
    EXPECT_EQ(w.PlayerList->Count(), 0) << "listed from the next start";
    ExpectGameStarted();
}

TEST_F(SelectionTest, TypedTextWinsOverTheListSelection) {
    for (const Confirmation& c : Confirmations()) {
        WriteDataFile(
            DataFileOf({MakeRecord("Hanako", 3, 50000, 1, false, false, true)}, DefaultRanking()));
        auto& w = MakeWindow();
        w.PlayerList->SetItemIndex(0);
        Type("Taro");
        c.run(w);
        const auto file = ParseDataFile(ReadDataFile());
        ASSERT_EQ(file.players.size(), 2u) << c.how;
        EXPECT_EQ(RecordName(file.players[0]), "Hanako");
        EXPECT_EQ(RecordName(file.players[1]), "Taro");
        EXPECT_EQ(RecordName(Peer().Player()), "Taro") << c.how;
        EXPECT_TRUE(w.mnSound->Checked()) << "Hanako's options were not loaded";
        ExpectGameStarted();
    }
}

TEST_F(SelectionTest, ASelectedNameLoadsThatPlayersRecordAndOptions) {
    for (const Confirmation& c : Confirmations()) {
        const TPlayerRecord hanako = MakeRecord("Hanako", 3, 50000, 1, false, true, true);
        const auto bytes = DataFileOf({MakeRecord("Taro"), hanako}, DefaultRanking());
        WriteDataFile(bytes);
        auto& w = MakeWindow();
        w.PlayerList->SetItemIndex(1);
        c.run(w);
        ExpectRecord(Peer().Player(), hanako);
        EXPECT_FALSE(w.mnSound->Checked()) << c.how;
        EXPECT_TRUE(w.mnShowTime->Checked());
        EXPECT_TRUE(w.mnShowTimeN->Checked());
        EXPECT_EQ(ReadDataFile(), bytes) << "choosing a player saves nothing";
        EXPECT_TRUE(fakes.boxes.empty());
        ExpectGameStarted();
    }
}

TEST_F(SelectionTest, RegisteringAStoredNameAgainResetsItInPlace) {
    WriteDataFile(
        DataFileOf({MakeRecord("Taro", 7, 12000, 2), MakeRecord("Hanako", 3)}, DefaultRanking()));
    MakeWindow();
    Type("Taro");
    Confirm();
    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 2u);
    ExpectRecord(file.players[0], MakeRecord("Taro"));
    ExpectRecord(file.players[1], MakeRecord("Hanako", 3));
}

TEST_F(SelectionTest, AnEmptyNameInTheListIsChosenLikeAnyOther) {
    WriteDataFile(DataFileOf({MakeRecord("Taro"), MakeRecord("", 5)}, DefaultRanking()));
    auto& w = MakeWindow();
    ASSERT_EQ(w.PlayerList->Count(), 2);
    EXPECT_EQ(w.PlayerList->Item(1), "");
    w.PlayerList->SetItemIndex(1);
    w.PlayerList->KeyPress(13);
    EXPECT_TRUE(fakes.boxes.empty());
    EXPECT_EQ(Peer().Player().PlayCount, 5);
    ExpectGameStarted();
}

TEST_F(SelectionTest, ANameOf31BytesIsStoredAndListedWhole) {
    std::string name;
    for (int i = 0; i < 15; ++i)
        name += "あ";
    name += "a";
    ASSERT_EQ(Cp932(name).size(), 31u);
    MakeWindow();
    Type(name);
    Confirm();
    ExpectGameStarted();
    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 1u);
    EXPECT_EQ(RecordName(file.players[0]), Cp932(name));
    EXPECT_EQ(file.players[0].Name[31], 0);

    auto& next = MakeWindow();
    ASSERT_EQ(next.PlayerList->Count(), 1);
    EXPECT_EQ(next.PlayerList->Item(0), Cp932(name));
}

TEST_F(SelectionTest, NamesThatDoNotFitARecordAreRefusedBeforeAnythingIsSaved) {
    std::string doubleBytes16, doubleBytes15;
    for (int i = 0; i < 16; ++i)
        doubleBytes16 += "あ";
    for (int i = 0; i < 15; ++i)
        doubleBytes15 += "漢";
    struct Case {
        std::string name;
        const char* message;
    };
    const char* tooLong = "名前が長すぎます。半角31文字(全角15文字)までにしてください";
    const char* badCharacter = "名前に使えない文字が含まれています";
    const Case cases[] = {
        {"abcdefghijklmnopqrstuvwxyz012345", tooLong}, // 32 bytes
        {doubleBytes16, tooLong},                      // 32 bytes
        {doubleBytes15 + "ab", tooLong},               // 32 bytes
        {"Taro\xF0\x9F\x98\x80", badCharacter},        // an emoji
        {"한글", badCharacter},                        // Hangul has no code page 932 form
        {"Ta\tro", badCharacter},
    };
    const auto bytes = DataFileOf({MakeRecord("Hanako")}, DefaultRanking());
    for (const Case& c : cases) {
        WriteDataFile(bytes);
        fakes.boxes.clear();
        auto& w = MakeWindow();
        Type(c.name);
        const std::string typed = w.NewEntry->Text();
        Confirm();
        ASSERT_EQ(fakes.boxes.size(), 1u) << c.name;
        EXPECT_EQ(fakes.boxes[0].Utf8Text(), c.message) << c.name;
        EXPECT_EQ(fakes.boxes[0].Utf8Caption(), "エントリー");
        EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::None);
        EXPECT_EQ(ReadDataFile(), bytes) << c.name;
        EXPECT_EQ(RecordName(Peer().Player()), "") << c.name;
        EXPECT_EQ(w.NewEntry->Text(), typed) << "the text stays for correction";
        ExpectStillSelecting();
    }
}

TEST_F(SelectionTest, AStoredNameIsChosenAndDeletedByItsOwnBytesEvenWhenTheyDoNotConvert) {
    // A name cut after the lead byte of a double-byte character, as another
    // program may have stored it, beside a player with an empty name.
    TPlayerRecord cut = MakeRecord("", 4);
    std::memcpy(cut.Name, "ab\x82", 4);
    WriteDataFile(DataFileOf({MakeRecord("", 9), cut}, DefaultRanking()));
    auto& w = MakeWindow();
    ASSERT_EQ(w.PlayerList->Count(), 2);
    EXPECT_EQ(w.PlayerList->Item(1), "ab\x82");

    w.PlayerList->SetItemIndex(1);
    Confirm();
    EXPECT_TRUE(fakes.boxes.empty());
    EXPECT_EQ(Peer().Player().PlayCount, 4) << "that player, not the empty-named one";

    w.mnChangePlayer->Click();
    w.PlayerList->SetItemIndex(1);
    w.Delete->Click();
    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 1u);
    EXPECT_EQ(file.players[0].PlayCount, 9) << "the empty-named player stays";
}

TEST_F(SelectionTest, DeletingWithNoSelectionDoesNothing) {
    const auto bytes = DataFileOf({MakeRecord("A"), MakeRecord("B")}, DefaultRanking());
    WriteDataFile(bytes);
    auto& w = MakeWindow();
    w.Delete->Click();
    EXPECT_EQ(w.PlayerList->Count(), 2);
    EXPECT_EQ(ReadDataFile(), bytes);
    EXPECT_TRUE(fakes.boxes.empty());
}

TEST_F(SelectionTest, DeletingRemovesThePlayerFromListAndFileAndKeepsItsRankingEntries) {
    std::vector<TPlayerRecord> ranking = DefaultRanking();
    ranking[0] = MakeRecord("B", 2, 30000, 1);
    WriteDataFile(DataFileOf({MakeRecord("A"), MakeRecord("B", 2), MakeRecord("C")}, ranking));
    auto& w = MakeWindow();
    w.PlayerList->SetItemIndex(1);
    w.Delete->Click();
    ASSERT_EQ(w.PlayerList->Count(), 2);
    EXPECT_EQ(w.PlayerList->Item(0), "A");
    EXPECT_EQ(w.PlayerList->Item(1), "C");
    const auto file = ParseDataFile(ReadDataFile());
    ASSERT_EQ(file.players.size(), 2u);
    EXPECT_EQ(RecordName(file.players[0]), "A");
    EXPECT_EQ(RecordName(file.players[1]), "C");
    ASSERT_EQ(file.ranking.size(), 10u);
    ExpectRecord(file.ranking[0], ranking[0]);
    EXPECT_TRUE(fakes.boxes.empty());
    ExpectStillSelecting();
}

TEST_F(SelectionTest, ChangingPlayerDuringAGameDropsIt) {
    auto& w = MakeWindow();
    Type("Taro");
    Confirm();
    const auto saved = ReadDataFile();
    for (int i = 0; i < 6; ++i)
        Tick(51);
    ASSERT_EQ(Peer().GameState(), gsReady);
    for (char letter : {'A', 'B', 'C'})
        Key(VkLetter(letter));
    ASSERT_EQ(Peer().GameState(), gsPlaying);

    w.mnChangePlayer->Click();
    ExpectStillSelecting();
    EXPECT_FALSE(w.GamePanel->Visible());
    EXPECT_EQ(w.NewEntry->Text(), "Taro");
    EXPECT_EQ(Peer().Player().PlayCount, 0);
    EXPECT_EQ(ReadDataFile(), saved);

    // Back on the panel, the keys and the timer do nothing.
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        Key(VkLetter(letter));
    Tick(1000);
    EXPECT_EQ(Peer().GameState(), gsEntry);
    EXPECT_EQ(ReadDataFile(), saved);
}

TEST_F(SelectionTest, AStoredNameMissingFromTheFileIsToldAndTheGameStartsAllTheSame) {
    WriteDataFile(DataFileOf({MakeRecord("Taro", 4)}, DefaultRanking()));
    auto& w = MakeWindow();
    WriteDataFile(DataFileOf({MakeRecord("Hanako")}, DefaultRanking())); // changed from outside
    w.PlayerList->SetItemIndex(0);
    Confirm();
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].Utf8Text(), "プレイヤーデータが見つかりません");
    EXPECT_EQ(RecordName(Peer().Player()), "");
    ExpectGameStarted();
}

TEST_F(SelectionTest, AFailedLoadOrSaveStartsNoGame) {
    WriteDataFile(DataFileOf({MakeRecord("Taro")}, DefaultRanking()));
    auto& w = MakeWindow();
    const auto bytes = ReadDataFile();

    FailNextFileOp(TFileOp::Open);
    w.PlayerList->SetItemIndex(0);
    Confirm();
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    ExpectStillSelecting();

    fakes.boxes.clear();
    FailNextFileOp(TFileOp::Create);
    w.PlayerList->SetItemIndex(-1);
    Type("Hanako");
    Confirm();
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    ExpectStillSelecting();
    EXPECT_EQ(ReadDataFile(), bytes);
    ClearFileFaults();
}

// Keys as a user types them into the shown window: through the key preview
// to the window's handler and then to whatever control has the focus.
class FocusedSelectionTest : public SelectionTest {
  protected:
    void Press(int qtKey, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QCoreApplication::sendEvent(Window().Window()->windowHandle(), &press);
    }
    void RunIntro() {
        for (int i = 0; i < 6; ++i)
            Tick(51);
        ASSERT_EQ(Peer().GameState(), gsReady);
    }
};

TEST_F(FocusedSelectionTest, AGameStartedFromTheListTakesTheSpaceBarForItsOwn) {
    WriteDataFile(DataFileOf({MakeRecord("Taro", 3)}, DefaultRanking()));
    auto& w = MakeWindow();
    w.Show();
    w.PlayerList->Widget()->setFocus();
    w.PlayerList->SetItemIndex(0);
    Press(Qt::Key_Space, " ");
    ExpectGameStarted();
    RunIntro();
    Press(Qt::Key_Space, " ");
    EXPECT_EQ(Peer().GameState(), gsRanking) << "the hidden list must not confirm again";
}

TEST_F(FocusedSelectionTest, KeysOfAGameStartedFromTheEditBoxStayOutOfIt) {
    auto& w = MakeWindow();
    w.Show();
    w.NewEntry->Widget()->setFocus();
    Type("Taro");
    Press(Qt::Key_Return, "\r");
    ExpectGameStarted();
    const auto saved = ReadDataFile();
    RunIntro();
    Press(Qt::Key_A, "a");
    Press(Qt::Key_B, "b");
    Press(Qt::Key_Return, "\r"); // a mistype, not a new registration
    EXPECT_EQ(Peer().GameState(), gsPlaying);
    EXPECT_EQ(Peer().MissCount(), 1);
    EXPECT_EQ(w.NewEntry->Text(), "Taro");
    EXPECT_EQ(ReadDataFile(), saved);
}

} // namespace
