#pragma once

#include <cmath>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend auto operator<=>(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// Working colour, components nominally 0..1.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour mix(Colour a, Colour b, double t) {
    return a * (1 - t) + b * t;
}
Colour rgb(int r, int g, int b);
Colour hsv(double hueDegrees, double saturation, double value);
Rgb toRgb(Colour c);

// Piecewise linear colour gradient; stops in ascending order of `at`.
struct Stop {
    double at;
    Colour colour;
};
Colour ramp(double t, const std::vector<Stop>& stops);

// A colour with straight (not premultiplied) alpha.
struct Paint {
    Colour colour;
    double alpha = 0;
};

struct Point {
    double x = 0;
    double y = 0;
};

class Canvas {
  public:
    Canvas(int width, int height, Colour fill = {});
    int width() const { return width_; }
    int height() const { return height_; }
    Colour& at(int x, int y) { return pixels_[index(x, y)]; }
    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    // Composites premultiplied colour with coverage alpha over the pixel.
    void over(int x, int y, Colour premultiplied, double alpha);
    std::vector<Rgb> toRgb() const;

    // Averages shade() over ss x ss sample points of every pixel in [x0, x1) x [y0, y1)
    // (clipped to the canvas) and composites the result: the anti-aliasing for everything drawn.
    template <class Shader> void paint(int x0, int y0, int x1, int y1, int ss, Shader&& shade) {
        x0 = x0 < 0 ? 0 : x0;
        y0 = y0 < 0 ? 0 : y0;
        x1 = x1 > width_ ? width_ : x1;
        y1 = y1 > height_ ? height_ : y1;
        const double step = 1.0 / ss;
        const double weight = 1.0 / (ss * ss);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                Colour sum;
                double alpha = 0;
                for (int j = 0; j < ss; ++j) {
                    for (int i = 0; i < ss; ++i) {
                        const Paint p = shade(Point{x + (i + 0.5) * step, y + (j + 0.5) * step});
                        sum = sum + p.colour * p.alpha;
                        alpha += p.alpha;
                    }
                }
                if (alpha > 0)
                    over(x, y, sum * weight, alpha * weight);
            }
        }
    }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels; // row-major, top row first

    Rgb colourAt(int x, int y) const {
        return palette[pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)]];
    }
};

// Median cut down to at most maxColours. The fixed colours come first in the palette, in
// order, and pixels of exactly those colours keep them.
IndexedImage quantise(int width, int height, const std::vector<Rgb>& pixels, std::size_t maxColours,
                      const std::vector<Rgb>& fixed);

} // namespace gen
