#pragma once
// The lines of the player record and ranking screen, which slide in from the
// right one after the other.
#include <cstdint>
#include <string>

// x of a line that comes to rest at restX and enters at step enterStep, at
// step n (n >= enterStep): six moves of 75 pixels from restX + 400.
int32_t SlideInX(int32_t restX, int32_t enterStep, int32_t n);

// "%2d %32s  %6s 秒 誤打 %d" in code page 932; widths count bytes, so with a
// fixed-pitch font the entries line up. seconds is the formatted run time.
std::string RankingLine(int32_t place, const std::string& name, const std::string& seconds,
                        int32_t misses);
