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
