#pragma once

#include "image.h"

#include <string_view>
#include <vector>

namespace gen {

struct Segment {
    Point a;
    Point b;
};

struct Nearest {
    double distance;
    Point point; // closest point on a stroke centre line
};

// A line of text in our stroke font, as centre lines in pixel space. Strokes are drawn by
// distance to these lines, which gives round caps and joins for free.
class StrokeText {
  public:
    // capHeight is the height of a capital's centre lines; tracking the gap between glyphs.
    // Known characters: A-Z, 0 2 6, space, parentheses and the copyright sign.
    StrokeText(std::u32string_view text, double capHeight, double tracking, double xScale = 1.0);

    // Bounds of the centre lines (the ink reaches half a stroke further).
    double left() const { return left_; }
    double top() const { return top_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }
    double width() const { return right_ - left_; }
    double height() const { return bottom_ - top_; }

    void translate(double dx, double dy);
    void centreOn(double x, double y);

    // Nearest centre line point; beyond `reach` the answer is only known to be >= reach.
    Nearest nearest(Point p, double reach) const;
    double distance(Point p, double reach) const { return nearest(p, reach).distance; }

  private:
    struct Part {
        std::vector<Segment> segments;
        double left, top, right, bottom;
    };
    std::vector<Part> parts_;
    double left_ = 0;
    double top_ = 0;
    double right_ = 0;
    double bottom_ = 0;
};

} // namespace gen
