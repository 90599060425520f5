#include "pictures.h"

#include "random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace gen {

namespace {

constexpr int kStripWidth = kFrameSize * kFrames;

const std::vector<Stop>& fireRamp() {
    static const std::vector<Stop> stops{
        {0.00, rgb(0, 0, 0)},      {0.10, rgb(110, 14, 0)},    {0.30, rgb(225, 70, 0)},
        {0.52, rgb(255, 150, 16)}, {0.74, rgb(255, 226, 110)}, {0.90, rgb(255, 255, 255)},
    };
    return stops;
}

// Heat of the fireball in frame f at p (cell coordinates), 0 = nothing.
double fireHeat(int frame, Point p) {
    static constexpr std::array<double, 7> radius{8, 14, 20, 26, 22, 16, 10};
    static constexpr std::array<double, 7> glow{1.25, 1.2, 1.1, 1.0, 0.85, 0.7, 0.58};
    const double dx = p.x - 32;
    const double dy = p.y - 32;
    const double dist = std::hypot(dx, dy);
    if (frame == kFrames - 1) {
        // The last flicker: a small star-shaped spark.
        const double core = std::exp(-(dist / 1.8) * (dist / 1.8));
        auto ray = [](double along, double across, double length) {
            return std::exp(-(across / 0.7) * (across / 0.7)) *
                   std::max(0.0, 1 - std::fabs(along) / length);
        };
        const double u = (dx + dy) / std::numbers::sqrt2;
        const double v = (dx - dy) / std::numbers::sqrt2;
        const double rays =
            std::max({ray(dx, dy, 8), ray(dy, dx, 8), 0.6 * ray(u, v, 5), 0.6 * ray(v, u, 5)});
        return std::max(core, 0.9 * rays);
    }
    const auto f = static_cast<std::size_t>(frame);
    const double phase = frame * 1.7;
    const double nx = dist > 0 ? dx / dist : 0;
    const double ny = dist > 0 ? dy / dist : 0;
    // Ragged rim: noise sampled on the unit circle so it has no seam.
    const double rim = fractalNoise(nx * 3.0 + phase, ny * 3.0 + 5.0, 4, 0xB0B);
    const double edge = std::min(30.0, radius[f] * (0.78 + 0.45 * rim));
    const double s = dist / edge;
    if (s >= 1)
        return 0;
    const double churn = fractalNoise(p.x / 5.0 + phase, p.y / 5.0 - phase, 4, 0xF1E);
    const double heat = (1 - s) * (0.6 + 0.8 * churn) + 0.25 * (1 - s) * (1 - s);
    return std::clamp(heat * glow[f], 0.0, 1.0) * std::min(1.0, (1 - s) * 6);
}

} // namespace

IndexedImage maskOf(int width, int height, const std::vector<Rgb>& sprite) {
    IndexedImage mask;
    mask.width = width;
    mask.height = height;
    mask.palette = {kBlack, kWhite};
    for (Rgb c : sprite)
        mask.pixels.push_back(c == kBlack ? 1 : 0);
    return mask;
}

IndexedImage makeBomb() {
    Canvas canvas(kStripWidth, kFrameSize);
    for (int f = 0; f < kFrames; ++f) {
        const int ox = f * kFrameSize;
        canvas.paint(ox, 0, ox + kFrameSize, kFrameSize, 4, [&](Point p) {
            const double heat = fireHeat(f, {p.x - ox, p.y});
            return Paint{ramp(heat, fireRamp()), heat > 0 ? 1.0 : 0.0};
        });
    }
    std::vector<Rgb> pixels = canvas.toRgb();
    // Faint embers would only widen the mask without being seen.
    for (Rgb& c : pixels) {
        if (c.r + c.g + c.b < 18)
            c = kBlack;
    }
    return quantise(kStripWidth, kFrameSize, pixels, 256, {kBlack, kWhite});
}

std::vector<Rgb> makeRestore() {
    constexpr Rgb kCyan{0, 255, 255};
    std::vector<Rgb> pixels(static_cast<std::size_t>(kStripWidth * kFrameSize), kBlack);
    auto set = [&](int frame, int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= kFrameSize || y >= kFrameSize)
            return;
        pixels[static_cast<std::size_t>(y * kStripWidth + frame * kFrameSize + x)] = c;
    };

    // Frames 0-2: a blade of light sweeping clockwise round the cell, thickest at its head.
    static constexpr std::array<double, 3> span{110, 210, 300};
    static constexpr std::array<double, 3> outer{17, 23, 28};
    static constexpr std::array<double, 3> thickness{6, 9, 12};
    constexpr double kStart = 215; // degrees, lower left
    constexpr int kSamples = 4;
    for (int f = 0; f < 3; ++f) {
        const auto i = static_cast<std::size_t>(f);
        for (int y = 0; y < kFrameSize; ++y) {
            for (int x = 0; x < kFrameSize; ++x) {
                int inside = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double dx = x + (sx + 0.5) / kSamples - 32;
                        const double dy = y + (sy + 0.5) / kSamples - 32;
                        const double r = std::hypot(dx, dy);
                        const double angle = std::atan2(-dy, dx) * 180 / std::numbers::pi;
                        const double swept = std::fmod(kStart - angle + 720, 360.0);
                        if (swept > span[i])
                            continue;
                        const double u = swept / span[i];
                        const double inner =
                            outer[i] - 2.2 - (thickness[i] - 2.2) * std::pow(u, 0.7);
                        if (r <= outer[i] && r >= inner)
                            ++inside;
                    }
                }
                if (2 * inside >= kSamples * kSamples)
                    set(f, x, y, kWhite);
            }
        }
    }

    // Frames 3-7: the blade breaks up into sparkles that drift up and right and die out.
    struct Sparkle {
        Point start;
        Point velocity;
        int size;
        int lifetime;
    };
    Rng rng(0x5EED);
    std::vector<Sparkle> sparkles;
    for (int k = 0; k < 30; ++k) {
        const double a = rng.range(0, 2 * std::numbers::pi);
        // Scattered over the ring the blade left behind.
        const double r = rng.range(8, 22);
        Sparkle s;
        s.start = {29 + r * std::cos(a), 35 + r * std::sin(a)};
        s.velocity = {rng.range(2.0, 4.5), -rng.range(2.0, 4.5)};
        s.size = rng.uniform() < 0.35 ? 2 : 1;
        s.lifetime = 1 + static_cast<int>(rng.uniform() * 5.0); // frames it is seen
        sparkles.push_back(s);
    }
    for (int f = 3; f < kFrames; ++f) {
        const int age = f - 3;
        for (const Sparkle& s : sparkles) {
            if (age >= s.lifetime)
                continue;
            const int x = static_cast<int>(std::lround(s.start.x + s.velocity.x * age));
            const int y = static_cast<int>(std::lround(s.start.y + s.velocity.y * age));
            const int size = std::max(0, s.size - age / 2);
            for (int d = -size; d <= size; ++d) {
                set(f, x + d, y, kCyan);
                set(f, x, y + d, kCyan);
            }
            if (size == 2)
                set(f, x, y, kWhite);
        }
    }
    return pixels;
}

IndexedImage makeTarget() {
    auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    // Corner brackets of the marker.
    auto marker = [&](int x, int y) {
        const bool bars = within(y, 1, 2) || within(y, 29, 30);
        const bool posts = within(y, 3, 10) || within(y, 21, 28);
        return (bars && (within(x, 1, 10) || within(x, 21, 30))) ||
               (posts && (within(x, 1, 2) || within(x, 29, 30)));
    };
    auto mask = [&](int x, int y) {
        return ((within(y, 0, 3) || within(y, 28, 31)) && within(x, 12, 19)) ||
               ((within(y, 4, 11) || within(y, 20, 27)) && within(x, 4, 27)) || within(y, 12, 19);
    };
    IndexedImage out;
    out.width = 32;
    out.height = 64;
    out.palette = {kBlack, kWhite};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 32; ++x)
            out.pixels.push_back((y < 32 ? marker(x, y) : mask(x, y - 32)) ? 1 : 0);
    }
    return out;
}

} // namespace gen
