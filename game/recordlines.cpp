#include "game/recordlines.h"

#include <cstdio>

#include "platform/text.h"

int32_t SlideInX(int32_t restX, int32_t enterStep, int32_t n) {
    const int32_t moves = n - enterStep;
    if (moves >= 6)
        return restX;
    return restX + 400 - 75 * moves;
}

std::string RankingLine(int32_t place, const std::string& name, const std::string& seconds,
                        int32_t misses) {
    static const std::string unitsAndMisses = Cp932("秒 誤打 ");
    char head[64];
    std::snprintf(head, sizeof head, "%2d %32s  %6s ", static_cast<int>(place), name.c_str(),
                  seconds.c_str());
    return head + unitsAndMisses + std::to_string(misses);
}
