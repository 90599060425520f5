#include "players/defaults.h"

#include "players/names.h"

namespace {

TPlayerRecord RecordOfSlowestRun(std::string_view name) {
    TPlayerRecord record = {};
    SetName(record, name);
    for (int32_t i = 0; i < 26; ++i)
        record.Ticks[i] = i * 10000;
    return record;
}

} // namespace

TPlayerRecord DefaultRankingEntry() {
    TPlayerRecord entry = RecordOfSlowestRun("no record");
    entry.SoundOn = 1;
    entry.TimeOn = 1;
    entry.NeedleOn = 0;
    return entry;
}

TPlayerRecord FreshPlayerRecord(std::string_view name, bool soundOn, bool timeOn, bool needleOn) {
    TPlayerRecord record = RecordOfSlowestRun(name);
    record.SoundOn = soundOn;
    record.TimeOn = timeOn;
    record.NeedleOn = needleOn;
    return record;
}
