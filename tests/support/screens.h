#pragma once
// What the timed screens should look like, drawn independently of the game:
// texts over the background in the screens' font, and data files of records.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/mainwin.h"
#include "platform/canvas.h"

namespace screentest {

struct TShownText {
    std::string utf8;
    int x;
    int y;
    TColor colour = clWhite;
};

// The 16-pixel white bold fixed-pitch font of the results and record screens.
TFont ScreenFont(TColor colour = clWhite);

// The window's background picture with the texts drawn on it in ScreenFont.
std::unique_ptr<TBitmap> BackgroundWith(TMainWindow& w, const std::vector<TShownText>& texts);

// Pixels of area (cut to both canvases) in which the two canvases differ.
int DifferingPixels(const TCanvas& a, const TCanvas& b, const TRect& area);

// Width of a text in ScreenFont.
int ScreenTextWidth(const std::string& utf8);

// A record as the data file holds it: cp932 name, play count, a stored run of
// runTime ms from a first stamp of start, mistypes and options.
TPlayerRecord MakeRecord(const std::string& utf8Name, int32_t playCount = 0,
                         int32_t runTime = 250000, int32_t misses = 0, bool soundOn = true,
                         bool timeOn = true, bool needleOn = false, int32_t start = 0);

// The ranking of a fresh start: ten "no record" entries of 250 s.
std::vector<TPlayerRecord> DefaultRanking();

// The bytes of a data file with these players and this ranking (ten entries).
std::vector<uint8_t> DataFileOf(const std::vector<TPlayerRecord>& players,
                                const std::vector<TPlayerRecord>& ranking);

struct TDataFileContent {
    std::vector<TPlayerRecord> players;
    std::vector<TPlayerRecord> ranking;
};
// Parses the bytes of a data file; fails the test when their length does not fit.
TDataFileContent ParseDataFile(const std::vector<uint8_t>& bytes);

// The text of a record's name, up to its zero byte.
std::string RecordName(const TPlayerRecord& record);

} // namespace screentest
