#include <gtest/gtest.h>

#include <filesystem>

#include "mainwin/startup.h"
#include "platform/application.h"
#include "platform/keymap.h"
#include "platform/text.h"
#include "support/window_fixture.h"

#include <Qt>

namespace {

class ApplicationTest : public WindowTest {};

TEST_F(ApplicationTest, GuardReportsAnExceptionAndTheProgramGoesOn) {
    Application->Title = "Zorvik Vexo";
    bool after = false;
    Application->Dispatch([] { throw EFOpenError("userdata.dat"); });
    Application->Dispatch([&] { after = true; });
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].Utf8Text(), "ﾌｧｲﾙ userdata.dat は開けません.");
    EXPECT_EQ(fakes.boxes[0].caption, "Zorvik Vexo");
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    EXPECT_TRUE(after);
}

TEST_F(ApplicationTest, GuardStandsBetweenEveryControlAndItsHandler) {
    auto& w = MakeWindow();
    Application->Title = "Zorvik Vexo";
    auto fail = [](TObject*) { throw Exception("boom"); };
    w.Enter->OnClick = fail;
    w.mnSound->OnClick = fail;
    w.Anime->OnTimer = fail;
    w.PlayerList->OnDblClick = fail;
    w.NewEntry->OnKeyPress = [](TObject*, char&) { throw Exception("boom"); };
    w.OnKeyDown = [](TObject*, uint16_t&, TShiftState) { throw Exception("boom"); };
    w.Enter->Click();
    w.mnSound->Click();
    w.Anime->Tick();
    w.PlayerList->DblClick();
    w.NewEntry->KeyPress('\r');
    w.KeyDown(65);
    ASSERT_EQ(fakes.boxes.size(), 6u);
    for (const ShownBox& box : fakes.boxes)
        EXPECT_EQ(box.text, "boom.");
}

TEST_F(ApplicationTest, MessageBoxHasNoIcon) {
    Application->MessageBox(Cp932("プレイヤーを選択してください"), Cp932("エントリー"));
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].Utf8Caption(), "エントリー");
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::None);
}

TEST_F(ApplicationTest, StartUpWithoutASoundDeviceReportsItAndEndsWithExitCodeZero) {
    fakes.wave.failOpen = true;
    fakes.wave.failText = "bomb.wav: no such file";
    WriteDataFile({1, 2, 3}); // a damaged file that must not even be read
    char name[] = "zorvik-vexo";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(RunZorvikVexo(1, argv), 0);
    ASSERT_EQ(fakes.boxes.size(), 1u);
    EXPECT_EQ(fakes.boxes[0].text, "bomb.wav: no such file.");
    EXPECT_EQ(fakes.boxes[0].caption, "Zorvik Vexo");
    EXPECT_EQ(fakes.boxes[0].icon, TBoxIcon::Error);
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(ReadDataFile(), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ApplicationTest, StartUpWithoutASoundDeviceCreatesNoDataFile) {
    fakes.wave.failOpen = true;
    char name[] = "zorvik-vexo";
    char* argv[] = {name, nullptr};
    RunZorvikVexo(1, argv);
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST(KeyMap, KeysBecomeTheirVirtualKeyCodes) {
    struct Case {
        int qt;
        uint16_t vk;
    };
    const Case cases[] = {
        {Qt::Key_A, 65},       {Qt::Key_Z, 90},        {Qt::Key_0, 48},     {Qt::Key_9, 57},
        {Qt::Key_Space, 32},   {Qt::Key_Return, 13},   {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},      {Qt::Key_F1, 112},   {Qt::Key_F12, 123},
        {Qt::Key_Escape, 27},  {Qt::Key_Backspace, 8}, {Qt::Key_Left, 37},  {Qt::Key_Down, 40},
        {Qt::Key_Minus, 189},  {Qt::Key_unknown, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyOf(c.qt), c.vk) << std::hex << c.qt;
}

} // namespace
