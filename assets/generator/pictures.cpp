#include "pictures.h"

#include "font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace gen {

namespace {

// Light falls from the top left, as on the tile bevels.
constexpr Point kLight{-0.6, -0.8};

// Brightness of a stroke pixel from the direction it faces: strokes look rounded.
double relief(const Nearest& n, Point p, double halfWidth, double strength) {
    if (n.distance <= 1e-9)
        return 1;
    const double nx = (p.x - n.point.x) / n.distance;
    const double ny = (p.y - n.point.y) / n.distance;
    const double slope = std::min(1.0, n.distance / halfWidth);
    return 1 + strength * (nx * kLight.x + ny * kLight.y) * slope;
}

int ceilInt(double v) {
    return static_cast<int>(std::ceil(v));
}
int floorInt(double v) {
    return static_cast<int>(std::floor(v));
}

} // namespace

IndexedImage makeBackground() {
    constexpr int kSize = 400;
    constexpr int kLevels = 238;
    IndexedImage out;
    out.width = kSize;
    out.height = kSize;
    // Blue rises one step per level so all 238 entries differ; red and green fall away
    // faster, which keeps the bright corner vivid and the middle a deep blue.
    for (int i = 0; i < kLevels; ++i) {
        const double s = i / double(kLevels - 1);
        out.palette.push_back(toRgb({0.19 * s * s, 0.44 * std::pow(s, 1.5), s}));
    }
    static constexpr std::array<std::array<int, 4>, 4> kBayer{
        {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double level = (1 - (x + y) / double(2 * (kSize - 1))) * (kLevels - 1);
            const double threshold = (kBayer[y % 4][x % 4] + 0.5) / 16.0;
            int index = floorInt(level);
            if (level - index > threshold)
                ++index;
            out.pixels.push_back(static_cast<std::uint8_t>(std::min(index, kLevels - 1)));
        }
    }
    return out;
}

IndexedImage makeAlphabet() {
    constexpr int kTile = 32;
    constexpr int kLetters = 26;
    const Colour lightEdge = rgb(138, 150, 172);
    const Colour lightInner = rgb(98, 108, 130);
    const Colour darkEdge = rgb(16, 19, 26);
    const Colour darkInner = rgb(30, 35, 46);
    Canvas canvas(kTile * kLetters, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile * kLetters; ++x) {
            const int tx = x % kTile;
            const int edge = std::min({tx, y, kTile - 1 - tx, kTile - 1 - y});
            const bool lit = tx + y < kTile - 1;
            Colour c = mix(rgb(64, 73, 92), rgb(44, 51, 66), y / double(kTile - 1));
            if (edge == 0)
                c = lit ? lightEdge : darkEdge;
            else if (edge == 1)
                c = lit ? lightInner : darkInner;
            canvas.at(x, y) = c;
        }
    }

    constexpr double kHalf = 2.3;
    for (int i = 0; i < kLetters; ++i) {
        const std::u32string letter(1, static_cast<char32_t>(U'A' + i));
        StrokeText text(letter, 17, 0);
        text.centreOn(i * kTile + kTile / 2.0, kTile / 2.0);
        const double hue = i * 360.0 / kLetters;
        const Colour top = hsv(hue, 0.30, 1.0);
        const Colour bottom = hsv(hue, 0.85, 0.92);
        const Colour rim = hsv(hue, 0.9, 0.22);
        const int x0 = i * kTile + 2;
        const int x1 = (i + 1) * kTile - 2;
        // Soft drop shadow first, then the letter with a thin dark rim.
        canvas.paint(x0, 2, x1, kTile - 2, 4, [&](Point p) {
            const double d = text.distance({p.x - 1.2, p.y - 1.4}, kHalf + 2);
            return Paint{rgb(0, 0, 0), d < kHalf + 0.9 ? 0.55 : 0.0};
        });
        canvas.paint(x0, 2, x1, kTile - 2, 4, [&](Point p) {
            const Nearest n = text.nearest(p, kHalf + 2);
            if (n.distance >= kHalf + 0.8)
                return Paint{};
            if (n.distance >= kHalf)
                return Paint{rim, 1.0};
            const double t = std::clamp((p.y - text.top()) / text.height(), 0.0, 1.0);
            return Paint{mix(top, bottom, t) * relief(n, p, kHalf, 0.28), 1.0};
        });
    }
    std::vector<Rgb> fixed{toRgb(lightEdge), toRgb(lightInner), toRgb(darkEdge), toRgb(darkInner)};
    return quantise(canvas.width(), canvas.height(), canvas.toRgb(), 256, fixed);
}

IndexedImage makeTitle() {
    constexpr int kWidth = 250;
    constexpr int kHeight = 150;
    Canvas canvas(kWidth, kHeight);

    constexpr double kCap = 34;
    constexpr double kHalf = 4.2;
    StrokeText upper(U"ZORVIK", kCap, 2 * kHalf + 4.5);
    StrokeText lower(U"VEXO", kCap, 2 * kHalf + 4.5);
    upper.centreOn(kWidth / 2.0, 32);
    lower.centreOn(kWidth / 2.0, 84);
    const std::vector<Stop> fill{{0.00, rgb(255, 252, 214)},
                                 {0.30, rgb(255, 214, 60)},
                                 {0.62, rgb(255, 124, 14)},
                                 {1.00, rgb(206, 34, 66)}};
    const double outlineIn = kHalf + 1.1;
    const double outlineOut = kHalf + 2.5;
    const double reach = outlineOut + 7;
    canvas.paint(0, 0, kWidth, 122, 4, [&](Point p) {
        const Nearest a = upper.nearest(p, reach);
        const Nearest b = lower.nearest(p, reach);
        const bool isUpper = a.distance <= b.distance;
        const Nearest& n = isUpper ? a : b;
        const StrokeText& line = isUpper ? upper : lower;
        if (n.distance >= reach)
            return Paint{};
        if (n.distance >= outlineOut) {
            const double fade = std::exp(-(n.distance - outlineOut) / 2.2);
            return Paint{rgb(30, 110, 255), 0.75 * fade};
        }
        if (n.distance >= outlineIn)
            return Paint{rgb(176, 232, 255), 1.0};
        if (n.distance >= kHalf)
            return Paint{rgb(70, 12, 24), 1.0};
        const double t =
            std::clamp((p.y - line.top() + kHalf) / (line.height() + 2 * kHalf), 0.0, 1.0);
        return Paint{ramp(t, fill) * relief(n, p, kHalf, 0.3), 1.0};
    });

    // A thin rule under the name, fading out at both ends.
    canvas.paint(25, 120, 225, 125, 4, [&](Point p) {
        const double fade = 1 - std::pow(std::fabs(p.x - 125) / 100, 2);
        const Colour c = mix(rgb(60, 140, 255), rgb(220, 245, 255), fade);
        return Paint{c, std::fabs(p.y - 122.5) < 0.7 ? std::max(0.0, fade) : 0.0};
    });

    StrokeText credit(U"\u00A9 2026 ZORVIK VEXO TEAM", 7, 3.2, 0.9);
    credit.centreOn(kWidth / 2.0, 136);
    constexpr double kCreditHalf = 0.75;
    canvas.paint(floorInt(credit.left() - 2), floorInt(credit.top() - 2),
                 ceilInt(credit.right() + 2), ceilInt(credit.bottom() + 2), 4, [&](Point p) {
                     const double d = credit.distance(p, 2);
                     return Paint{rgb(206, 214, 230), d < kCreditHalf ? 1.0 : 0.0};
                 });

    return quantise(kWidth, kHeight, canvas.toRgb(), 256, {kBlack, kWhite});
}

IndexedImage makeIcon() {
    constexpr int kSize = 32;
    Canvas canvas(kSize, kSize);
    // A rounded blue plate, lit like the background, so the icon reads on any desktop.
    canvas.paint(0, 0, kSize, kSize, 4, [&](Point p) {
        const double cx = std::clamp(p.x, 6.0, kSize - 6.0);
        const double cy = std::clamp(p.y, 6.0, kSize - 6.0);
        const double d = std::hypot(p.x - cx, p.y - cy);
        if (d >= 5.5)
            return Paint{};
        const double t = (p.x + p.y) / (2.0 * kSize);
        const Colour plate = mix(rgb(44, 104, 240), rgb(8, 18, 70), t);
        return Paint{d >= 4.6 ? rgb(150, 190, 255) : plate, 1.0};
    });
    constexpr double kHalf = 2.4;
    StrokeText z(U"Z", 16, 0);
    StrokeText v(U"V", 16, 0);
    z.translate(4.5 - z.left(), 4.2 - z.top());
    v.translate(kSize - 4.2 - v.right(), kSize - 4.5 - v.bottom());
    auto letter = [&](const StrokeText& text, Colour top, Colour bottom) {
        canvas.paint(0, 0, kSize, kSize, 4, [&](Point p) {
            const Nearest n = text.nearest(p, kHalf + 2);
            if (n.distance >= kHalf + 1.2)
                return Paint{};
            if (n.distance >= kHalf)
                return Paint{rgb(0, 0, 0), 1.0};
            const double t = std::clamp((p.y - text.top()) / text.height(), 0.0, 1.0);
            return Paint{mix(top, bottom, t) * relief(n, p, kHalf, 0.25), 1.0};
        });
    };
    letter(z, rgb(255, 240, 130), rgb(255, 100, 0));
    letter(v, rgb(190, 255, 255), rgb(0, 200, 255));
    return quantise(kSize, kSize, canvas.toRgb(), 16, {kBlack, kWhite});
}

} // namespace gen
