// The few letters and digits the artwork writes: a geometric stroked lettering for headings and
// seven-segment digits for clock displays.
#pragma once

#include <string_view>

#include "resources/artwork/Shapes.h"

namespace brivane::artwork {

struct Lettering {
    double xHeight = 16;    // height of the small letters
    double ascender = 24;   // height of the capitals and the tall letters
    double weight = 3.6;    // stroke width
    double tracking = 2.6;  // extra space between letters
};

// The width of `text` set in the lettering (the letters drawn are G, a, d, e, g, s, t).
double textWidth(std::string_view text, const Lettering& style);
// The text as one shape, its baseline starting at `origin`.
Shape letters(std::string_view text, Pt origin, const Lettering& style);

struct SegmentStyle {
    double width = 7;        // a digit's width
    double height = 13;      // a digit's height
    double thickness = 1.8;  // a segment's thickness
    double gap = 0.35;       // space between neighbouring segments
    double slant = 0.0;      // how far the top leans right, as a share of the height
};

// A seven-segment digit with its top-left corner at `origin`.
Shape segmentDigit(int digit, Pt origin, const SegmentStyle& style);
// The two dots of a clock's colon, centred on x.
Shape segmentColon(double x, Pt origin, const SegmentStyle& style);

}  // namespace brivane::artwork
