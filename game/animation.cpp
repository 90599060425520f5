#include "mainwin/mainwin.h"

#include "game/ring.h"
#include "platform/ticks.h"

namespace {

constexpr uint32_t IntroPace = 50;
constexpr uint32_t ExplosionPace = 80;
constexpr uint32_t RecordScreenPace = 50;
constexpr int32_t IntroSteps = 6;
constexpr int32_t RecordScreenSteps = 52;

// Strictly more than pace milliseconds since the last step, as a wrapping difference.
bool StepDue(uint32_t lastStepTick, uint32_t pace) {
    return GetTickCount() - lastStepTick > pace;
}

} // namespace

void TMainWindow::AnimeTimer(TObject*) {
    switch (GameState) {
    case gsIntro:
        if (StepDue(LastStepTick, IntroPace))
            IntroFrame();
        break;
    case gsPlaying:
    case gsFinishing:
        if (StepDue(LastStepTick, ExplosionPace))
            ExplosionFrame();
        break;
    case gsResults:
        ResultsTick();
        break;
    case gsRanking:
        if (InfoStep < RecordScreenSteps && StepDue(LastStepTick, RecordScreenPace))
            RecordScreenFrame();
        break;
    case gsEntry:
    case gsReady:
    case gsSystemInfo:
        break;
    }
}

void TMainWindow::IntroFrame() {
    DrawBackground();
    const double r = IntroStep * 0.2 * RingRadius;
    for (int32_t l = 0; l < 26; ++l) {
        const TRingPoint corner = RingCorner(l, r, GlyphCentring);
        DrawLetter(corner.x, corner.y, static_cast<char>('A' + l));
    }
    PresentScreen();
    ++IntroStep;
    if (IntroStep == IntroSteps) {
        DrawPlayfield();
        GameState = gsReady;
    }
    LastStepTick = GetTickCount();
}

void TMainWindow::ExplosionFrame() {
    DrawPlayfield();
    if (LetterFrame[25] == 8) {
        RevealCount = 1;
        ResultRows = 0;
        RevealTick = GetTickCount();
        for (int32_t& frame : LetterFrame)
            frame = 0;
        GameState = gsResults;
    }
    LastStepTick = GetTickCount();
}

std::string TMainWindow::SecondsText(int32_t milliseconds) {
    char buffer[16] = {};
    FormatSeconds(buffer, milliseconds);
    return buffer;
}
