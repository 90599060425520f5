#include <cmath>
#include <cstdio>
#include <string>

#include "game/ranking.h"
#include "game/ring.h"
#include "mainwin/mainwin.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr const char* Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Frame `frame` of a strip of 64 x 64 sprites: the mask with AND, then the
// image with XOR, so only the sprite's own shape changes the canvas.
void DrawSprite(TCanvas& canvas, int32_t x, int32_t y, int32_t frame, TCanvas& mask,
                TCanvas& image) {
    const TRect dest = Rect(x, y, x + 64, y + 64);
    const TRect cell = Rect(frame * 64, 0, (frame + 1) * 64, 64);
    canvas.CopyMode = SRCAND;
    canvas.CopyRect(dest, mask, cell);
    canvas.CopyMode = SRCINVERT;
    canvas.CopyRect(dest, image, cell);
}

} // namespace

void TMainWindow::DrawBackground() {
    TCanvas& canvas = OffScreen->Canvas();
    canvas.CopyMode = SRCCOPY;
    canvas.CopyRect(MainScreen->ClientRect(), BackgroundImage->Canvas(),
                    BackgroundImage->ClientRect());
}

void TMainWindow::DrawLetter(int32_t x, int32_t y, char ch) {
    TCanvas& canvas = OffScreen->Canvas();
    canvas.CopyMode = SRCCOPY;
    canvas.CopyRect(Rect(x, y, x + 32, y + 32), AlphabetImage->Canvas(),
                    Rect((ch - 65) * 32, 0, (ch - 64) * 32, 32));
}

void TMainWindow::DrawBomb(int32_t x, int32_t y, int32_t frame) {
    DrawSprite(OffScreen->Canvas(), x, y, frame, BombMaskImage->Canvas(), BombImage->Canvas());
}

void TMainWindow::DrawRestore(int32_t x, int32_t y, int32_t frame) {
    DrawSprite(OffScreen->Canvas(), x, y, frame, RestoreMaskImage->Canvas(),
               RestoreImage->Canvas());
}

void TMainWindow::CopyToScreen(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    TCanvas& screen = MainScreen->Canvas();
    const TRect area = Rect(left, top, right, bottom);
    screen.CopyMode = SRCCOPY;
    screen.CopyRect(area, OffScreen->Canvas(), area);
}

void TMainWindow::PresentScreen() {
    CopyToScreen(0, 0, 400, 400);
}

void TMainWindow::FormatSeconds(char* buffer, int32_t milliseconds) {
    // 13 bytes hold the longest text, "-2147483.648", and its zero.
    std::snprintf(buffer, 13, "%#.3f", milliseconds * 0.001);
}

void TMainWindow::DrawPlayfield() {
    TCanvas& canvas = OffScreen->Canvas();

    DrawBackground();

    for (int32_t p = FirstLiveBomb; p < HitCount; ++p) {
        if (LetterFrame[p] == 8) {
            FirstLiveBomb = p;
            continue;
        }
        const TRingPoint corner = BombCorner(p);
        DrawBomb(corner.x, corner.y, LetterFrame[p]);
        ++LetterFrame[p];
    }

    for (int32_t j = HitCount; j < 26; ++j) {
        const TRingPoint corner = GlyphCorner(j);
        DrawLetter(corner.x, corner.y, Letters[j]);
    }

    const TRingPoint target = GlyphCorner(HitCount);
    const TRect marker = Rect(target.x, target.y, target.x + 32, target.y + 32);
    canvas.CopyMode = SRCAND;
    canvas.CopyRect(marker, TargetImage->Canvas(), Rect(0, 32, 32, 64));
    canvas.CopyMode = SRCINVERT;
    canvas.CopyRect(marker, TargetImage->Canvas(), Rect(0, 0, 32, 32));

    if (TimeOn || NeedleOn) {
        int32_t elapsed = 0;
        if (GameState == gsPlaying) {
            elapsed = TickDifference(GetTickCount(), HitTick[0]);
        } else {
            if (NewBest) {
                canvas.Font.Height = 16;
                const std::string message = Cp932("** 最短記録更新!! **");
                canvas.TextOut(200 - canvas.TextWidth(message) / 2, 152, message);
                canvas.Font.Height = 64;
            }
            if (NewRank != -1) {
                canvas.Font.Height = 16;
                const std::string message = std::to_string(NewRank + 1) + Cp932("位にランクイン!!");
                canvas.TextOut(200 - canvas.TextWidth(message) / 2, 232, message);
                canvas.Font.Height = 64;
            }
            elapsed = TickDifference(HitTick[25], HitTick[0]);
        }

        char text[13];
        FormatSeconds(text, elapsed);
        const int w = canvas.TextWidth(text);

        if (NeedleOn) {
            canvas.MoveTo(200, 200);
            const int32_t a = elapsed % 1000;
            const double angle = a * 0.001 * 2 * Pi;
            canvas.LineTo(static_cast<int>(std::sin(angle) * 100 + 200),
                          static_cast<int>(200 - std::cos(angle) * 100));
        }
        if (TimeOn)
            canvas.TextOut(200 - w / 2, 168, text);
    }

    PresentScreen();
}
