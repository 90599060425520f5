#include "mainwin/mainwin.h"

#include "game/figures.h"
#include "game/ranking.h"
#include "game/recordlines.h"
#include "platform/text.h"
#include "platform/ticks.h"
#include "players/names.h"

namespace {

struct TSlidingLine {
    std::string text;
    int32_t y;
    int32_t enterStep;
    int32_t restX;
};

} // namespace

void TMainWindow::RecordScreenFrame() {
    static const std::string playCount = Cp932("プレイ回数：");
    static const std::string bestTime = Cp932("最短タイム：");
    static const std::string perKey = Cp932("１打平均   ：");
    static const std::string speed = Cp932("タイプ速度：");
    static const std::string seconds = Cp932("秒");
    static const std::string perMinute = Cp932("打/分");
    static const std::string heading = Cp932("ランキング");

    const int32_t n = InfoStep;
    const int32_t best = RunTime(Player);
    const auto keysPerMinute = KeysPerMinute(best);

    const TSlidingLine lines[] = {
        {std::string(NameOf(Player)), 8, 0, 8},
        {playCount + std::to_string(Player.PlayCount), 32, 3, 16},
        {bestTime + SecondsText(best) + seconds, 56, 6, 16},
        {perKey + SecondsText(best / 26) + seconds, 80, 9, 16},
        {speed + (keysPerMinute ? SecondsText(*keysPerMinute) : NoSpeedText) + perMinute, 104, 12,
         16},
        {heading, 128, 15, 8},
    };

    TCanvas& canvas = OffScreen->Canvas();
    DrawBackground();
    for (const TSlidingLine& line : lines)
        if (n >= line.enterStep)
            canvas.TextOut(SlideInX(line.restX, line.enterStep, n), line.y, line.text);
    for (int32_t k = 0; k < 10; ++k) {
        const int32_t enterStep = 18 + 3 * k;
        if (n < enterStep)
            break;
        const TPlayerRecord& entry = Ranking[k];
        const int32_t runTime = RunTime(entry);
        canvas.TextOut(
            SlideInX(16, enterStep, n), 152 + 24 * k,
            RankingLine(k + 1, std::string(NameOf(entry)), SecondsText(runTime), entry.Misses));
    }
    PresentScreen();
    ++InfoStep;
    LastStepTick = GetTickCount();
}
