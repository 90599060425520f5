#include "font.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <stdexcept>

namespace gen {

namespace {

// A glyph's centre lines in a box one unit high, y down.
struct Glyph {
    std::vector<Segment> segments;
    double advance = 0; // used only by glyphs without ink
};

class Builder {
  public:
    Builder& line(std::initializer_list<Point> points) {
        for (auto it = points.begin(); it + 1 < points.end(); ++it)
            glyph_.segments.push_back({*it, *(it + 1)});
        return *this;
    }

    // Elliptic arc; angles in degrees counter-clockwise from the right, as on paper.
    Builder& arc(double cx, double cy, double rx, double ry, double from, double to) {
        const int steps = std::max(6, static_cast<int>(std::ceil(std::fabs(to - from) / 5.0)));
        auto at = [&](int i) {
            const double a = (from + (to - from) * i / steps) * std::numbers::pi / 180.0;
            return Point{cx + rx * std::cos(a), cy - ry * std::sin(a)};
        };
        for (int i = 0; i < steps; ++i)
            glyph_.segments.push_back({at(i), at(i + 1)});
        return *this;
    }

    Glyph done() { return std::move(glyph_); }

  private:
    Glyph glyph_;
};

std::map<char32_t, Glyph> makeFont() {
    std::map<char32_t, Glyph> f;
    f[U'A'] = Builder().line({{0, 1}, {0.4, 0}, {0.8, 1}}).line({{0.14, 0.7}, {0.66, 0.7}}).done();
    f[U'B'] = Builder()
                  .line({{0.38, 0.48}, {0, 0.48}})
                  .line({{0.34, 0}, {0, 0}, {0, 1}})
                  .arc(0.34, 0.24, 0.26, 0.24, 90, -90)
                  .line({{0, 1}, {0.38, 1}})
                  .arc(0.38, 0.74, 0.28, 0.26, -90, 90)
                  .done();
    f[U'C'] = Builder().arc(0.42, 0.5, 0.42, 0.5, 48, 312).done();
    f[U'D'] = Builder()
                  .line({{0.3, 0}, {0, 0}, {0, 1}, {0.3, 1}})
                  .arc(0.3, 0.5, 0.42, 0.5, -90, 90)
                  .done();
    f[U'E'] =
        Builder().line({{0.6, 0}, {0, 0}, {0, 1}, {0.6, 1}}).line({{0, 0.5}, {0.48, 0.5}}).done();
    f[U'F'] = Builder().line({{0.6, 0}, {0, 0}, {0, 1}}).line({{0, 0.5}, {0.48, 0.5}}).done();
    f[U'G'] = Builder()
                  .arc(0.42, 0.5, 0.42, 0.5, 45, 360)
                  .line({{0.84, 0.5}, {0.84, 0.56}})
                  .line({{0.84, 0.56}, {0.48, 0.56}})
                  .done();
    f[U'H'] = Builder()
                  .line({{0, 0}, {0, 1}})
                  .line({{0.7, 0}, {0.7, 1}})
                  .line({{0, 0.5}, {0.7, 0.5}})
                  .done();
    f[U'I'] = Builder()
                  .line({{0, 0}, {0.4, 0}})
                  .line({{0.2, 0}, {0.2, 1}})
                  .line({{0, 1}, {0.4, 1}})
                  .done();
    f[U'J'] = Builder()
                  .line({{0.25, 0}, {0.58, 0}})
                  .line({{0.58, 0}, {0.58, 0.7}})
                  .arc(0.3, 0.7, 0.28, 0.3, 0, -165)
                  .done();
    f[U'K'] = Builder()
                  .line({{0, 0}, {0, 1}})
                  .line({{0.66, 0}, {0, 0.62}})
                  .line({{0.24, 0.4}, {0.7, 1}})
                  .done();
    f[U'L'] = Builder().line({{0, 0}, {0, 1}, {0.6, 1}}).done();
    f[U'M'] = Builder().line({{0, 1}, {0, 0}, {0.42, 0.68}, {0.84, 0}, {0.84, 1}}).done();
    f[U'N'] = Builder().line({{0, 1}, {0, 0}, {0.7, 1}, {0.7, 0}}).done();
    f[U'O'] = Builder().arc(0.44, 0.5, 0.44, 0.5, 0, 360).done();
    f[U'P'] = Builder()
                  .line({{0, 1}, {0, 0}, {0.36, 0}})
                  .arc(0.36, 0.27, 0.28, 0.27, 90, -90)
                  .line({{0.36, 0.54}, {0, 0.54}})
                  .done();
    f[U'Q'] = Builder().arc(0.44, 0.5, 0.44, 0.5, 0, 360).line({{0.5, 0.7}, {0.88, 1.02}}).done();
    f[U'R'] = Builder()
                  .line({{0, 1}, {0, 0}, {0.36, 0}})
                  .arc(0.36, 0.27, 0.28, 0.27, 90, -90)
                  .line({{0.36, 0.54}, {0, 0.54}})
                  .line({{0.3, 0.54}, {0.68, 1}})
                  .done();
    f[U'S'] =
        Builder().arc(0.35, 0.25, 0.33, 0.25, 25, 270).arc(0.35, 0.75, 0.35, 0.25, 90, -155).done();
    f[U'T'] = Builder().line({{0, 0}, {0.72, 0}}).line({{0.36, 0}, {0.36, 1}}).done();
    f[U'U'] = Builder()
                  .line({{0, 0}, {0, 0.64}})
                  .arc(0.35, 0.64, 0.35, 0.36, 180, 360)
                  .line({{0.7, 0.64}, {0.7, 0}})
                  .done();
    f[U'V'] = Builder().line({{0, 0}, {0.4, 1}, {0.8, 0}}).done();
    f[U'W'] = Builder().line({{0, 0}, {0.25, 1}, {0.5, 0.32}, {0.75, 1}, {1.0, 0}}).done();
    f[U'X'] = Builder().line({{0, 0}, {0.72, 1}}).line({{0.72, 0}, {0, 1}}).done();
    f[U'Y'] =
        Builder().line({{0, 0}, {0.38, 0.5}, {0.76, 0}}).line({{0.38, 0.5}, {0.38, 1}}).done();
    f[U'Z'] = Builder().line({{0, 0}, {0.7, 0}, {0, 1}, {0.7, 1}}).done();
    f[U'0'] = Builder().arc(0.32, 0.5, 0.32, 0.5, 0, 360).done();
    f[U'2'] = Builder()
                  .arc(0.31, 0.3, 0.3, 0.3, 160, -35)
                  .line({{0.556, 0.472}, {0, 1}, {0.64, 1}})
                  .done();
    f[U'6'] =
        Builder().arc(0.33, 0.69, 0.32, 0.31, 0, 360).arc(0.66, 0.69, 0.65, 0.69, 95, 180).done();
    f[U'('] = Builder().arc(0.55, 0.5, 0.5, 0.62, 125, 235).done();
    f[U')'] = Builder().arc(-0.25, 0.5, 0.5, 0.62, 55, -55).done();
    f[U'\u00A9'] =
        Builder().arc(0.5, 0.5, 0.5, 0.5, 0, 360).arc(0.52, 0.5, 0.22, 0.24, 50, 310).done();
    Glyph space;
    space.advance = 0.45;
    f[U' '] = space;
    return f;
}

const Glyph& glyphFor(char32_t c) {
    static const std::map<char32_t, Glyph> font = makeFont();
    const auto it = font.find(c);
    if (it == font.end())
        throw std::invalid_argument("no glyph for a character");
    return it->second;
}

double distanceToSegment(Point p, const Segment& s, Point& closest) {
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    closest = {s.a.x + t * dx, s.a.y + t * dy};
    return std::hypot(p.x - closest.x, p.y - closest.y);
}

} // namespace

StrokeText::StrokeText(std::u32string_view text, double capHeight, double tracking, double xScale) {
    double pen = 0;
    bool first = true;
    for (char32_t c : text) {
        const Glyph& glyph = glyphFor(c);
        if (glyph.segments.empty()) {
            pen += glyph.advance * capHeight * xScale + tracking;
            continue;
        }
        double minX = std::numeric_limits<double>::max();
        double maxX = std::numeric_limits<double>::lowest();
        for (const Segment& s : glyph.segments) {
            minX = std::min({minX, s.a.x, s.b.x});
            maxX = std::max({maxX, s.a.x, s.b.x});
        }
        Part part;
        part.left = part.top = std::numeric_limits<double>::max();
        part.right = part.bottom = std::numeric_limits<double>::lowest();
        for (const Segment& s : glyph.segments) {
            auto place = [&](Point q) {
                return Point{pen + (q.x - minX) * capHeight * xScale, q.y * capHeight};
            };
            const Segment placed{place(s.a), place(s.b)};
            part.segments.push_back(placed);
            for (Point q : {placed.a, placed.b}) {
                part.left = std::min(part.left, q.x);
                part.right = std::max(part.right, q.x);
                part.top = std::min(part.top, q.y);
                part.bottom = std::max(part.bottom, q.y);
            }
        }
        if (first) {
            left_ = part.left;
            top_ = part.top;
            right_ = part.right;
            bottom_ = part.bottom;
            first = false;
        }
        left_ = std::min(left_, part.left);
        top_ = std::min(top_, part.top);
        right_ = std::max(right_, part.right);
        bottom_ = std::max(bottom_, part.bottom);
        parts_.push_back(std::move(part));
        pen += (maxX - minX) * capHeight * xScale + tracking;
    }
}

void StrokeText::translate(double dx, double dy) {
    for (Part& part : parts_) {
        for (Segment& s : part.segments) {
            s.a.x += dx;
            s.a.y += dy;
            s.b.x += dx;
            s.b.y += dy;
        }
        part.left += dx;
        part.right += dx;
        part.top += dy;
        part.bottom += dy;
    }
    left_ += dx;
    right_ += dx;
    top_ += dy;
    bottom_ += dy;
}

void StrokeText::centreOn(double x, double y) {
    translate(x - (left_ + right_) / 2, y - (top_ + bottom_) / 2);
}

Nearest StrokeText::nearest(Point p, double reach) const {
    Nearest best{reach, p};
    for (const Part& part : parts_) {
        if (p.x < part.left - best.distance || p.x > part.right + best.distance ||
            p.y < part.top - best.distance || p.y > part.bottom + best.distance)
            continue;
        for (const Segment& s : part.segments) {
            Point q;
            const double d = distanceToSegment(p, s, q);
            if (d < best.distance)
                best = {d, q};
        }
    }
    return best;
}

} // namespace gen
