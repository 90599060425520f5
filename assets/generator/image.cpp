#include "image.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <stdexcept>

namespace gen {

Colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

Colour hsv(double hueDegrees, double saturation, double value) {
    const double h = std::fmod(std::fmod(hueDegrees, 360.0) + 360.0, 360.0) / 60.0;
    const double c = value * saturation;
    const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    const double m = value - c;
    Colour out;
    switch (static_cast<int>(h)) {
    case 0:
        out = {c, x, 0};
        break;
    case 1:
        out = {x, c, 0};
        break;
    case 2:
        out = {0, c, x};
        break;
    case 3:
        out = {0, x, c};
        break;
    case 4:
        out = {x, 0, c};
        break;
    default:
        out = {c, 0, x};
        break;
    }
    return out + Colour{m, m, m};
}

namespace {

std::uint8_t toByte(double v) {
    const double scaled = std::round(std::clamp(v, 0.0, 1.0) * 255.0);
    return static_cast<std::uint8_t>(scaled);
}

} // namespace

Rgb toRgb(Colour c) {
    return {toByte(c.r), toByte(c.g), toByte(c.b)};
}

Colour ramp(double t, const std::vector<Stop>& stops) {
    if (t <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            return mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / span);
        }
    }
    return stops.back().colour;
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Canvas::over(int x, int y, Colour premultiplied, double alpha) {
    Colour& dst = at(x, y);
    dst = premultiplied + dst * (1 - std::clamp(alpha, 0.0, 1.0));
}

std::vector<Rgb> Canvas::toRgb() const {
    std::vector<Rgb> out;
    out.reserve(pixels_.size());
    for (const Colour& c : pixels_)
        out.push_back(gen::toRgb(c));
    return out;
}

namespace {

struct Entry {
    Rgb colour;
    std::uint64_t count;
};

int channel(Rgb c, int k) {
    return k == 0 ? c.r : k == 1 ? c.g : c.b;
}

struct Box {
    std::vector<Entry> entries;
    std::array<double, 3> mean{};
    std::array<double, 3> variance{}; // weighted sum of squares per channel
    double error = 0;

    void measure() {
        double total = 0;
        mean = {};
        for (const Entry& e : entries) {
            total += static_cast<double>(e.count);
            for (int k = 0; k < 3; ++k)
                mean[k] += static_cast<double>(e.count) * channel(e.colour, k);
        }
        for (double& m : mean)
            m /= total;
        variance = {};
        for (const Entry& e : entries) {
            for (int k = 0; k < 3; ++k) {
                const double d = channel(e.colour, k) - mean[k];
                variance[k] += static_cast<double>(e.count) * d * d;
            }
        }
        error = variance[0] + variance[1] + variance[2];
    }

    Rgb average() const {
        auto byte = [](double v) { return static_cast<std::uint8_t>(std::round(v)); };
        return {byte(mean[0]), byte(mean[1]), byte(mean[2])};
    }
};

// Splits along the channel of largest spread at the weighted median.
std::pair<Box, Box> split(Box box) {
    const int k = static_cast<int>(std::max_element(box.variance.begin(), box.variance.end()) -
                                   box.variance.begin());
    std::sort(box.entries.begin(), box.entries.end(), [k](const Entry& a, const Entry& b) {
        const int ca = channel(a.colour, k);
        const int cb = channel(b.colour, k);
        return ca != cb ? ca < cb : a.colour < b.colour;
    });
    std::uint64_t total = 0;
    for (const Entry& e : box.entries)
        total += e.count;
    std::uint64_t running = 0;
    std::size_t cut = 1;
    for (std::size_t i = 0; i + 1 < box.entries.size(); ++i) {
        running += box.entries[i].count;
        cut = i + 1;
        if (2 * running >= total)
            break;
    }
    Box low;
    Box high;
    low.entries.assign(box.entries.begin(), box.entries.begin() + static_cast<long>(cut));
    high.entries.assign(box.entries.begin() + static_cast<long>(cut), box.entries.end());
    low.measure();
    high.measure();
    return {std::move(low), std::move(high)};
}

int distance2(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return 2 * dr * dr + 4 * dg * dg + db * db; // rough eye weighting
}

} // namespace

IndexedImage quantise(int width, int height, const std::vector<Rgb>& pixels, std::size_t maxColours,
                      const std::vector<Rgb>& fixed) {
    if (fixed.size() > maxColours || maxColours > 256)
        throw std::invalid_argument("palette size");
    std::map<Rgb, std::uint64_t> histogram;
    for (Rgb c : pixels)
        ++histogram[c];

    IndexedImage out;
    out.width = width;
    out.height = height;
    out.palette = fixed;
    std::vector<Entry> rest;
    for (const auto& [colour, count] : histogram) {
        if (std::find(fixed.begin(), fixed.end(), colour) == fixed.end())
            rest.push_back({colour, count});
    }
    const std::size_t room = maxColours - fixed.size();
    if (rest.size() <= room) {
        for (const Entry& e : rest)
            out.palette.push_back(e.colour);
    } else if (room > 0) {
        std::vector<Box> boxes(1);
        boxes[0].entries = std::move(rest);
        boxes[0].measure();
        while (boxes.size() < room) {
            std::size_t worst = 0;
            for (std::size_t i = 1; i < boxes.size(); ++i) {
                if (boxes[i].error > boxes[worst].error)
                    worst = i;
            }
            if (boxes[worst].error <= 0)
                break;
            auto [low, high] = split(std::move(boxes[worst]));
            boxes[worst] = std::move(low);
            boxes.push_back(std::move(high));
        }
        for (const Box& box : boxes)
            out.palette.push_back(box.average());
    }

    std::map<Rgb, std::uint8_t> lookup;
    for (const auto& [colour, count] : histogram) {
        std::size_t best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < out.palette.size(); ++i) {
            const int d = distance2(colour, out.palette[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        lookup[colour] = static_cast<std::uint8_t>(best);
    }
    out.pixels.reserve(pixels.size());
    for (Rgb c : pixels)
        out.pixels.push_back(lookup[c]);
    return out;
}

} // namespace gen
