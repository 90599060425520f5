#include "mainwin/mainwin.h"

#include "game/figures.h"
#include "game/ranking.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace {

constexpr uint32_t ResultsPace = 80;
constexpr int32_t RestoreOver = 8;
constexpr int32_t FinalFrame = 9; // in LetterFrame[25]

int32_t Column(int32_t letter) {
    return letter / 9;
}
int32_t Row(int32_t letter) {
    return letter % 9;
}

} // namespace

void TMainWindow::ResultsTick() {
    // Each letter is revealed once more time has passed than the player took for it.
    if (RevealCount < 26) {
        const auto sinceReveal = TickDifference(GetTickCount(), RevealTick);
        const auto interval = TickDifference(HitTick[RevealCount], HitTick[RevealCount - 1]);
        if (sinceReveal > interval) {
            ++RevealCount;
            RevealTick = GetTickCount();
        }
    }
    if (LetterFrame[25] == FinalFrame)
        return;
    if (GetTickCount() - LastStepTick <= ResultsPace)
        return;
    if (LetterFrame[25] == RestoreOver)
        LetterFrame[25] = FinalFrame;
    DrawResultsFrame();
    PresentScreen();
    LastStepTick = GetTickCount();
}

void TMainWindow::DrawResultsFrame() {
    static const std::string rankedIn = Cp932("位にランクイン!!");
    static const std::string newBest = Cp932("** 最短記録更新!! **");
    static const std::string clearTime = Cp932("クリアタイム：");
    static const std::string perKey = Cp932("１打平均　　：");
    static const std::string speed = Cp932("タイプ速度　：");
    static const std::string seconds = Cp932("秒");
    static const std::string misses = Cp932("(誤打");
    static const std::string perMinute = Cp932("打/分");
    static const std::string hitSpace = "Hit space key.";

    TCanvas& canvas = OffScreen->Canvas();
    DrawBackground();
    canvas.Font.Height = 16;
    const auto total = TickDifference(HitTick[25], HitTick[0]);
    const int32_t avg = total / 26;

    for (int32_t i = 0; i < ResultRows; ++i) {
        const int32_t x = 133 * Column(i);
        const int32_t y = 34 * Row(i);
        DrawLetter(x + 8, y + 8, static_cast<char>('A' + i));
        const std::string time = SecondsText(TickDifference(HitTick[i], HitTick[0]));
        const int32_t w = canvas.TextWidth(time);
        canvas.TextOut(x + 42, y + 16, time);
        if (i >= 1) {
            const auto d = TickDifference(HitTick[i], HitTick[i - 1]);
            canvas.Font.Color = IntervalColour(d, avg);
            canvas.TextOut(x + w + 50, y, ">" + SecondsText(d));
            canvas.Font.Color = clWhite;
        }
    }

    for (int32_t j = 0; j < RevealCount; ++j) {
        if (LetterFrame[j] >= 2)
            ResultRows = j + 1;
        if (LetterFrame[j] < RestoreOver) {
            DrawRestore(133 * Column(j) - 8, 34 * Row(j) - 8, LetterFrame[j]);
            ++LetterFrame[j];
        }
    }

    if (NewRank != -1) {
        const std::string t = std::to_string(NewRank + 1) + rankedIn;
        canvas.TextOut(392 - canvas.TextWidth(t), 328, t);
    }
    if (NewBest)
        canvas.TextOut(8, 328, newBest);
    canvas.TextOut(8, 344,
                   clearTime + SecondsText(total) + seconds + misses + std::to_string(MissCount) +
                       ")");
    canvas.TextOut(8, 360, perKey + SecondsText(total / 26) + seconds);
    const auto keysPerMinute = KeysPerMinute(total);
    canvas.TextOut(8, 376,
                   speed + (keysPerMinute ? SecondsText(*keysPerMinute) : NoSpeedText) + perMinute);
    if (LetterFrame[25] == FinalFrame)
        canvas.TextOut(392 - canvas.TextWidth(hitSpace), 376, hitSpace);
}
