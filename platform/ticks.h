#pragma once
// The system tick counter: 32-bit milliseconds of a monotonic clock, wrapping.
#include <cstdint>
#include <functional>

uint32_t GetTickCount();

// Replaces the clock (tests); an empty function restores the real one.
void SetTickSource(std::function<uint32_t()> source);
