#include "mainwin/mainwin.h"
#include "platform/sysquery.h"
#include "sysinfo/lines.h"

namespace {

// Centres the line on x = 200, at y = titleHeight + offset.
void DrawInfoLine(TCanvas& canvas, int titleHeight, int offset, const std::string& line) {
    const int tw = canvas.TextWidth(line);
    canvas.TextOut(200 - tw / 2, titleHeight + offset, line);
}

} // namespace

void TMainWindow::mnVersionInfoClick(TObject*) {
    TCanvas& canvas = OffScreen->Canvas();
    const TRect title = TitleImage->ClientRect();
    const int w = title.Width();
    const int h = title.Height();

    DrawBackground();
    canvas.CopyRect(Rect(200 - w / 2, 50, 200 + w / 2, 50 + h), TitleImage->Canvas(), title);

    TOSVersionInfo version;
    version.Size = sizeof(TOSVersionInfo);
    std::string versionLine;
    if (GetVersionEx(version)) {
        canvas.Font.Height = 16;
        versionLine = VersionLine(version);
    } else {
        // The five lines are laid out 24 pixels apart for this height, failure or not.
        canvas.Font.Height = 16;
        versionLine = VersionFailedLine();
    }
    DrawInfoLine(canvas, h, 58, versionLine);

    DrawInfoLine(canvas, h, 82, KeyboardText(GetKeyboardType(0)));

    TMemoryStatus memory;
    GlobalMemoryStatus(memory);
    DrawInfoLine(canvas, h, 106, MemoryLoadLine(memory.MemoryLoad));
    DrawInfoLine(canvas, h, 130, PhysicalMemoryLine(memory));
    DrawInfoLine(canvas, h, 154, PageFileLine(memory));

    PresentScreen();
    GameState = gsSystemInfo;
}
