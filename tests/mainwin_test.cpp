#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <tuple>

#include "platform/application.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, OpensOnTheSelectionPanelWithTheClientAreaOfThePlayArea) {
    auto& w = MakeWindow();
    EXPECT_EQ(w.ClientWidth(), 402);
    EXPECT_EQ(w.ClientHeight(), 402);
    EXPECT_EQ(w.Caption(), "Zorvik Vexo");
    EXPECT_TRUE(w.EntryPanel->Visible());
    EXPECT_EQ(w.EntryPanel->Left(), 0);
    EXPECT_EQ(w.EntryPanel->Top(), 0);
    EXPECT_EQ(w.EntryPanel->Width(), 402);
    EXPECT_EQ(w.EntryPanel->Height(), 402);
    EXPECT_EQ(w.EntryPanel->Color(), clBlack);
    EXPECT_EQ(Peer().GameState(), gsEntry);
    ASSERT_EQ(fakes.wave.opened.size(), 1u);
    EXPECT_EQ(fakes.wave.opened[0], "bomb.wav");
}

TEST_F(MainWindowTest, EveryPictureStoreLiesOutsideTheClientArea) {
    auto& w = MakeWindow();
    for (TImage* store : {w.BackgroundImage, w.AlphabetImage, w.BombImage, w.BombMaskImage,
                          w.TargetImage, w.RestoreImage, w.RestoreMaskImage})
        EXPECT_GE(store->Left(), 402);
}

TEST_F(MainWindowTest, ThePicturesHaveTheirSizes) {
    auto& w = MakeWindow();
    const std::tuple<TImage*, int, int> sizes[] = {
        {w.BackgroundImage, 400, 400}, {w.AlphabetImage, 832, 32}, {w.BombImage, 512, 64},
        {w.BombMaskImage, 512, 64},    {w.RestoreImage, 512, 64},  {w.RestoreMaskImage, 512, 64},
        {w.TargetImage, 32, 64},       {w.TitleImage, 250, 150},   {w.OffScreen, 400, 400},
        {w.MainScreen, 400, 400},
    };
    for (auto [image, width, height] : sizes) {
        EXPECT_EQ(image->Canvas().Width(), width);
        EXPECT_EQ(image->Canvas().Height(), height);
        EXPECT_EQ(image->ClientRect(), Rect(0, 0, width, height));
    }
    // Loaded pictures, not blank bitmaps of the layout's sizes.
    EXPECT_EQ(w.TargetImage->Canvas().Pixel(0, 0), clBlack);
    EXPECT_NE(w.BackgroundImage->Canvas().Pixel(0, 0), w.BackgroundImage->Canvas().Pixel(399, 399));
    EXPECT_EQ(w.TitleImage->Canvas().Pixel(0, 0), clBlack);
}

TEST_F(MainWindowTest, SelectionPanelShowsItsControls) {
    auto& w = MakeWindow();
    EXPECT_EQ(Cp932ToUtf8(w.Label1->Caption()), "プレイヤーを選んでください");
    EXPECT_EQ(Cp932ToUtf8(w.Label2->Caption()), "新規登録：");
    EXPECT_EQ(Cp932ToUtf8(w.Enter->Caption()), "決定");
    EXPECT_EQ(Cp932ToUtf8(w.Delete->Caption()), "削除");
    EXPECT_EQ(w.PlayerList->Count(), 0);
    EXPECT_EQ(w.PlayerList->ItemIndex(), -1);
    EXPECT_EQ(w.NewEntry->Text(), "");
    EXPECT_EQ(w.Anime->Interval(), 1);
    EXPECT_TRUE(w.Anime->Enabled());
}

TEST_F(MainWindowTest, MenuItemsStartAsTheLayoutSays) {
    auto& w = MakeWindow();
    struct Item {
        TMenuItem* item;
        const char* caption;
        bool enabled;
        bool checked;
    };
    const Item items[] = {
        {w.mnStartVexo, "タイムトライアルVexo", false, false},
        {w.mnPlayerInfo, "ランキングVexo", false, false},
        {w.mnBar2, "-", true, false},
        {w.mnSound, "効果音", true, true},
        {w.mnShowTime, "タイム表示", true, true},
        {w.mnShowTimeN, "タイム針表示", true, false},
        {w.mnBar3, "-", true, false},
        {w.mnVersionInfo, "バージョン情報", false, false},
        {w.K1, "ヘルプ", true, false},
        {w.N1, "-", true, false},
        {w.mnChangePlayer, "プレイヤー変更", false, false},
        {w.mnEnd, "終了", true, false},
    };
    EXPECT_EQ(Cp932ToUtf8(w.mnMenu->Caption()), "メニュー");
    for (const Item& i : items) {
        SCOPED_TRACE(i.caption);
        EXPECT_EQ(Cp932ToUtf8(i.item->Caption()), i.caption);
        EXPECT_EQ(i.item->Enabled(), i.enabled);
        EXPECT_EQ(i.item->Checked(), i.checked);
    }
}

TEST_F(MainWindowTest, EachOptionMovesItsThreeCopiesTogether) {
    auto& w = MakeWindow();
    struct Option {
        TMenuItem* item;
        bool& field;
        uint8_t& stored;
    };
    const Option options[] = {
        {w.mnSound, Peer().SoundOn(), Peer().Player().SoundOn},
        {w.mnShowTime, Peer().TimeOn(), Peer().Player().TimeOn},
        {w.mnShowTimeN, Peer().NeedleOn(), Peer().Player().NeedleOn},
    };
    for (const Option& o : options) {
        const bool before = o.item->Checked();
        o.item->Click();
        EXPECT_EQ(o.item->Checked(), !before);
        EXPECT_EQ(o.field, !before);
        EXPECT_EQ(o.stored, !before ? 1 : 0);
        o.item->Click();
        EXPECT_EQ(o.item->Checked(), before);
        EXPECT_EQ(o.field, before);
        EXPECT_EQ(o.stored, before ? 1 : 0);
    }
    EXPECT_TRUE(fakes.boxes.empty());
}

TEST_F(MainWindowTest, TheCloseBoxEndsTheWindowWithoutSaving) {
    auto& w = MakeWindow();
    w.Show();
    w.mnSound->Click(); // something a save would store
    w.Window()->close(); // as the close box does
    EXPECT_FALSE(w.Visible());
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
    EXPECT_TRUE(fakes.boxes.empty());
}

TEST_F(MainWindowTest, HelpOpensTopicOneOfTheHelpFile) {
    auto& w = MakeWindow();
    Application->HelpFile = "Zrkvexo.hlp";
    w.K1->Click();
    ASSERT_EQ(fakes.help.size(), 1u);
    EXPECT_EQ(fakes.help[0].file, "Zrkvexo.hlp");
    EXPECT_EQ(fakes.help[0].context, 1);
    EXPECT_EQ(Peer().GameState(), gsEntry);
}

TEST_F(MainWindowTest, KeyPreviewHandsEveryKeyToTheWindowWhateverHasTheFocus) {
    auto& w = MakeWindow();
    std::vector<uint16_t> seen;
    w.OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) { seen.push_back(key); };
    w.Show();
    w.NewEntry->Widget()->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A");
    QCoreApplication::sendEvent(w.Window()->windowHandle(), &press);
    EXPECT_EQ(seen, std::vector<uint16_t>{65});
    EXPECT_EQ(w.NewEntry->Text(), "A"); // the control still gets the key
}

} // namespace
