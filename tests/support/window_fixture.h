#pragma once
// A real main window under the offscreen platform, in a fresh temporary
// working directory, with every platform service faked.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/mainwin.h"
#include "support/fakes.h"

// Reads the fields that nothing on screen shows, and calls the private operations.
class TMainWindowPeer {
  public:
    explicit TMainWindowPeer(TMainWindow& w) : w_(w) {}
    TGameState& GameState() { return w_.GameState; }
    int32_t& HitCount() { return w_.HitCount; }
    int32_t& FirstLiveBomb() { return w_.FirstLiveBomb; }
    int32_t& RevealCount() { return w_.RevealCount; }
    int32_t& ResultRows() { return w_.ResultRows; }
    int32_t& IntroStep() { return w_.IntroStep; }
    int32_t& InfoStep() { return w_.InfoStep; }
    int32_t& NewRank() { return w_.NewRank; }
    int32_t& MissCount() { return w_.MissCount; }
    int32_t* LetterFrame() { return w_.LetterFrame; }
    uint32_t& LastStepTick() { return w_.LastStepTick; }
    uint32_t& RevealTick() { return w_.RevealTick; }
    uint32_t* HitTick() { return w_.HitTick; }
    bool& SoundOn() { return w_.SoundOn; }
    bool& TimeOn() { return w_.TimeOn; }
    bool& NeedleOn() { return w_.NeedleOn; }
    bool& NewBest() { return w_.NewBest; }
    TPlayerRecord& Player() { return w_.Player; }
    TPlayerRecord* Ranking() { return w_.Ranking; }

    void StartGame() { w_.StartGame(); }
    void DrawPlayfield() { w_.DrawPlayfield(); }
    void FormatSeconds(char* buffer, int32_t ms) { w_.FormatSeconds(buffer, ms); }
    void DrawLetter(int32_t x, int32_t y, char ch) { w_.DrawLetter(x, y, ch); }
    void DrawBackground() { w_.DrawBackground(); }
    void PresentScreen() { w_.PresentScreen(); }
    void DrawBomb(int32_t x, int32_t y, int32_t frame) { w_.DrawBomb(x, y, frame); }
    void DrawRestore(int32_t x, int32_t y, int32_t frame) { w_.DrawRestore(x, y, frame); }
    void ReadPlayerFile() { w_.ReadPlayerFile(); }
    void SavePlayer() { w_.SavePlayer(); }
    void LoadPlayer(const char* name) { w_.LoadPlayer(name); }
    void DeletePlayer(const char* name) { w_.DeletePlayer(name); }

  private:
    TMainWindow& w_;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Constructs the window; the constructor's exceptions pass through.
    TMainWindow& MakeWindow();
    TMainWindow& Window() { return *window_; }
    TMainWindowPeer& Peer() { return *peer_; }

    // The game's data file in the working directory.
    std::filesystem::path DataFile() const { return dir_ / "userdata.dat"; }
    std::vector<uint8_t> ReadDataFile() const;
    void WriteDataFile(const std::vector<uint8_t>& bytes) const;
    const std::filesystem::path& Dir() const { return dir_; }

    // Presses a key as the window's key preview would deliver it.
    void Key(uint16_t key);
    // Advances the fake clock and delivers one timer tick.
    void Tick(uint32_t ms);

    Fakes fakes;

  private:
    std::filesystem::path dir_;
    std::filesystem::path previousDir_;
    std::unique_ptr<TMainWindow> window_;
    std::unique_ptr<TMainWindowPeer> peer_;
};
