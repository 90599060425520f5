#include "platform/keys.h"
#include <limits>

#include "game/ranking.h"
#include "mainwin/mainwin.h"
#include "platform/ticks.h"

void TMainWindow::StartGame() {
    GamePanel->SetLeft(0);
    GamePanel->SetTop(0);
    GamePanel->Show();
    EntryPanel->Hide();

    GameState = gsIntro;
    IntroStep = 0;
    HitCount = 0;
    FirstLiveBomb = 0;
    NewBest = false;
    NewRank = -1;
    MissCount = 0;

    for (int32_t i = 0; i < 26; ++i) {
        LetterFrame[i] = -1;
        HitTick[i] = 0;
    }

    TCanvas& canvas = OffScreen->Canvas();
    canvas.Font.Color = clWhite;
    canvas.Font.Height = 64;
    canvas.Font.Pitch = fpFixed;
    canvas.Font.Bold = true;
    canvas.Brush.Style = bsClear;
    canvas.Pen.Color = clYellow;
    canvas.Pen.Width = 2;

    DrawBackground();
    PresentScreen();

    LastStepTick = GetTickCount();
}

void TMainWindow::FormKeyDown(TObject*, uint16_t& Key, TShiftState) {
    const uint32_t now = GetTickCount();

    switch (GameState) {
    case gsReady:
        if (Key == VkLetter('A'))
            StartClock(now);
        else if (Key == VK_SPACE)
            mnPlayerInfoClick(this);
        break;
    case gsPlaying:
        if (Key == 65 + HitCount)
            CorrectKey(now);
        else
            Mistype();
        break;
    case gsResults:
    case gsRanking:
    case gsSystemInfo:
        if (Key == VK_SPACE)
            StartGame();
        break;
    case gsEntry:
    case gsIntro:
    case gsFinishing:
        break;
    }
}

void TMainWindow::StartClock(uint32_t now) {
    HitTick[0] = now;
    GameState = gsPlaying;
    if (SoundOn)
        Sound->Play();
    LetterFrame[0] = 0;
    HitCount = 1;
}

void TMainWindow::CorrectKey(uint32_t now) {
    HitTick[HitCount] = now;
    if (SoundOn) {
        // Each hit sounds from its beginning, cutting off the one before.
        if (Sound->Mode() == mpPlaying)
            Sound->SetPosition(0);
        Sound->Play();
    }
    LetterFrame[HitCount] = 0;
    ++HitCount;
    if (HitCount == 26)
        EndGame();
}

void TMainWindow::Mistype() {
    ++MissCount;
    // The visible image only: the next animation step presents OffScreen again.
    TCanvas& screen = MainScreen->Canvas();
    screen.Brush.Color = clWhite;
    screen.FillRect(MainScreen->ClientRect());
}

void TMainWindow::EndGame() {
    GameState = gsFinishing;
    // A damaged file may hold the largest count already: it stays there.
    if (Player.PlayCount < std::numeric_limits<int32_t>::max())
        ++Player.PlayCount;

    const int32_t total = TickDifference(HitTick[25], HitTick[0]);
    const int32_t best = RunTime(Player);
    if (total < best) {
        NewBest = true;
        for (int32_t i = 0; i < 26; ++i)
            Player.Ticks[i] = static_cast<int32_t>(HitTick[i]);
        Player.Misses = MissCount;
        SavePlayer();
    }

    const int32_t k = RankingPlace(Ranking, total);
    if (k == -1)
        return;
    TPlayerRecord entry = Player;
    for (int32_t i = 0; i < 26; ++i)
        entry.Ticks[i] = static_cast<int32_t>(HitTick[i]);
    entry.Misses = MissCount;
    InsertIntoRanking(Ranking, k, entry);
    NewRank = k;
    SavePlayer();
}

void TMainWindow::mnPlayerInfoClick(TObject*) {
    InfoStep = 0;
    OffScreen->Canvas().Font.Height = 16;
    DrawBackground();
    PresentScreen();
    GameState = gsRanking;
}

void TMainWindow::mnStartVexoClick(TObject*) {
    StartGame();
}
