#include "game/figures.h"

TColor IntervalColour(int32_t interval, int32_t average) {
    if (static_cast<double>(interval) > 1.5 * static_cast<double>(average))
        return clYellow;
    if (interval < average / 2)
        return clAqua;
    return clWhite;
}

std::optional<int32_t> KeysPerMinute(int32_t runTime) {
    if (runTime == 0)
        return std::nullopt;
    return 1560000000 / runTime;
}

int32_t RecordRunTime(const TPlayerRecord& record) {
    return static_cast<int32_t>(static_cast<uint32_t>(record.Ticks[25]) -
                                static_cast<uint32_t>(record.Ticks[0]));
}
