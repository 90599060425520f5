#include "support/screens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/controls.h"
#include "platform/text.h"

namespace screentest {

TFont ScreenFont(TColor colour) {
    TFont font;
    font.Color = colour;
    font.Height = 16;
    font.Pitch = fpFixed;
    font.Bold = true;
    return font;
}

std::unique_ptr<TBitmap> BackgroundWith(TMainWindow& w, const std::vector<TShownText>& texts) {
    auto bitmap = std::make_unique<TBitmap>(400, 400);
    TCanvas& canvas = bitmap->Canvas();
    canvas.CopyRect(Rect(0, 0, 400, 400), w.BackgroundImage->Canvas(), Rect(0, 0, 400, 400));
    canvas.Brush.Style = bsClear;
    for (const TShownText& text : texts) {
        canvas.Font = ScreenFont(text.colour);
        canvas.TextOut(text.x, text.y, Cp932(text.utf8));
    }
    return bitmap;
}

int DifferingPixels(const TCanvas& a, const TCanvas& b, const TRect& area) {
    int differing = 0;
    const int right = std::min({area.Right, a.Width(), b.Width()});
    const int bottom = std::min({area.Bottom, a.Height(), b.Height()});
    for (int y = std::max(area.Top, 0); y < bottom; ++y)
        for (int x = std::max(area.Left, 0); x < right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                ++differing;
    return differing;
}

int ScreenTextWidth(const std::string& utf8) {
    TBitmap bitmap(1, 1);
    bitmap.Canvas().Font = ScreenFont();
    return bitmap.Canvas().TextWidth(Cp932(utf8));
}

TPlayerRecord MakeRecord(const std::string& utf8Name, int32_t playCount, int32_t runTime,
                         int32_t misses, bool soundOn, bool timeOn, bool needleOn, int32_t start) {
    TPlayerRecord record;
    std::memset(&record, 0, sizeof record);
    const std::string name = Cp932(utf8Name);
    std::memcpy(record.Name, name.data(), std::min<size_t>(name.size(), 31));
    record.PlayCount = playCount;
    record.Misses = misses;
    for (int32_t i = 0; i < 26; ++i)
        record.Ticks[i] = start + static_cast<int32_t>(static_cast<int64_t>(runTime) * i / 25);
    record.SoundOn = soundOn;
    record.TimeOn = timeOn;
    record.NeedleOn = needleOn;
    return record;
}

std::vector<TPlayerRecord> DefaultRanking() {
    return std::vector<TPlayerRecord>(10, MakeRecord("no record"));
}

std::vector<uint8_t> DataFileOf(const std::vector<TPlayerRecord>& players,
                                const std::vector<TPlayerRecord>& ranking) {
    std::vector<uint8_t> bytes(4 + sizeof(TPlayerRecord) * (players.size() + 10));
    const auto count = static_cast<int32_t>(players.size());
    std::memcpy(bytes.data(), &count, 4);
    uint8_t* out = bytes.data() + 4;
    for (const TPlayerRecord& record : players) {
        std::memcpy(out, &record, sizeof record);
        out += sizeof record;
    }
    for (size_t k = 0; k < 10; ++k) {
        std::memcpy(out, &ranking.at(k), sizeof(TPlayerRecord));
        out += sizeof(TPlayerRecord);
    }
    return bytes;
}

TDataFileContent ParseDataFile(const std::vector<uint8_t>& bytes) {
    TDataFileContent content;
    if (bytes.size() < 4 + 1480) {
        ADD_FAILURE() << "data file of " << bytes.size() << " bytes";
        return content;
    }
    int32_t count = 0;
    std::memcpy(&count, bytes.data(), 4);
    if (count < 0 || bytes.size() != 4 + 148 * static_cast<size_t>(count) + 1480) {
        ADD_FAILURE() << "data file of " << bytes.size() << " bytes counts " << count;
        return content;
    }
    const uint8_t* in = bytes.data() + 4;
    auto next = [&in] {
        TPlayerRecord record;
        std::memcpy(&record, in, sizeof record);
        in += sizeof record;
        return record;
    };
    for (int32_t i = 0; i < count; ++i)
        content.players.push_back(next());
    for (int k = 0; k < 10; ++k)
        content.ranking.push_back(next());
    return content;
}

std::string RecordName(const TPlayerRecord& record) {
    return std::string(record.Name, strnlen(record.Name, sizeof record.Name));
}

} // namespace screentest
