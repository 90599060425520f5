#include "wav.h"

#include "binary.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen {

void writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.tag("RIFF");
    out.u32(36 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(1); // mono
    out.u32(kSampleRate);
    out.u32(kSampleRate * 2); // bytes per second
    out.u16(2);               // bytes per frame
    out.u16(16);
    out.tag("data");
    out.u32(dataBytes);
    for (std::int16_t s : samples)
        out.i16(s);
    saveFile(path, out.data());
}

std::vector<std::int16_t> makeExplosion() {
    constexpr double kSeconds = 0.35;
    const auto count = static_cast<std::size_t>(kSeconds * kSampleRate);
    std::vector<double> mixed(count);
    Rng rng(0xB00A);
    double low1 = 0;
    double low2 = 0;
    double rumble = 0;
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = rng.range(-1, 1);
        // The blast darkens as it dies: a two-pole low-pass closing from 4 kHz to 300 Hz.
        const double cutoff = 300 + 3700 * std::exp(-t / 0.06);
        const double k = 1 - std::exp(-2 * std::numbers::pi * cutoff / kSampleRate);
        low1 += k * (white - low1);
        low2 += k * (low1 - low2);
        const double kRumble = 1 - std::exp(-2 * std::numbers::pi * 120.0 / kSampleRate);
        rumble += kRumble * (white - rumble);
        const double attack = std::min(1.0, t / 0.002);
        const double burst = low2 * 1.6 * attack * std::exp(-t / 0.075);
        const double roar = rumble * 3.5 * attack * std::exp(-t / 0.14);
        // Thump: a sine gliding from 95 Hz down to 38 Hz.
        const double freq = 38 + 57 * std::exp(-t / 0.05);
        phase += 2 * std::numbers::pi * freq / kSampleRate;
        const double thump = std::sin(phase) * std::min(1.0, t / 0.004) * std::exp(-t / 0.1);
        mixed[i] = burst + roar + 0.9 * thump;
    }
    double peak = 0;
    for (double s : mixed)
        peak = std::max(peak, std::fabs(std::tanh(1.4 * s)));
    std::vector<std::int16_t> samples;
    samples.reserve(count);
    const auto fadeLength = static_cast<std::size_t>(0.02 * kSampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        double s = std::tanh(1.4 * mixed[i]) / peak * 0.9;
        if (i + fadeLength > count)
            s *= static_cast<double>(count - i) / static_cast<double>(fadeLength);
        samples.push_back(static_cast<std::int16_t>(std::lround(s * 32767)));
    }
    return samples;
}

} // namespace gen
