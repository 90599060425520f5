#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

inline constexpr int kSampleRate = 22050;

// RIFF WAVE, PCM 16-bit mono at kSampleRate.
void writeWav(const std::string& path, const std::vector<std::int16_t>& samples);

// The bomb going off: a noise burst and a low thump, about a third of a second.
std::vector<std::int16_t> makeExplosion();

} // namespace gen
