#pragma once
// The figures of a run that the results and record screens show.
#include <cstdint>
#include <optional>

#include "platform/canvas.h"

// Colour of a key's interval against the run's average per key (ms):
// yellow when slow, cyan when fast, white otherwise.
TColor IntervalColour(int32_t interval, int32_t average);

// Keys per minute in thousandths (1560000000 = 26 keys x 60000 ms x 1000
// divided by the run time); none for a run time of 0, which has no speed.
std::optional<int32_t> KeysPerMinute(int32_t runTime);

// What the typing-speed lines show in place of a speed that does not exist.
constexpr const char* NoSpeedText = "---";
