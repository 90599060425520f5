#include <gtest/gtest.h>

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
    EXPECT_EQ(Peer().GameState(), gsEntry);
    ASSERT_EQ(fakes.wave.opened.size(), 1u);
    EXPECT_EQ(fakes.wave.opened[0], "bomb.wav");
}

} // namespace
