#include "resources/artwork/Glyphs.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace brivane::artwork {

namespace {

constexpr double Pi = std::numbers::pi;

struct Glyph {
    std::vector<std::vector<Pt>> strokes;
    double advance;
};

// Joins the points of `b` onto the end of `a`.
std::vector<Pt> join(std::vector<Pt> a, const std::vector<Pt>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One letter with its baseline's left end at x = 0, y = 0 (y grows downward). The strokes run
// along the middle of the pen, so every measure below allows for half the weight.
Glyph glyph(char ch, const Lettering& s) {
    const double h = s.weight / 2;
    const double xh = s.xHeight;
    const double asc = s.ascender;
    const double r = (xh - s.weight) / 2;  // radius of a round small letter's bowl
    const Pt bowl{h + r, -xh / 2};
    switch (ch) {
        case 'G': {
            const double rx = asc * 0.46 - h;
            const double ry = asc / 2 - h;
            const Pt c{h + rx, -asc / 2};
            auto arc = arcPoints(c, rx, ry, -0.72, -2 * Pi, 64);
            arc.push_back({c.x + rx * 0.12, c.y});
            return {{arc, {{c.x + rx, c.y}, {c.x + rx, c.y + ry * 0.55}}}, 2 * (rx + h)};
        }
        case 'a':
        case 'd': {
            const double stemX = bowl.x + r;
            const double stemTop = ch == 'a' ? -xh + h : -asc + h;
            return {{arcPoints(bowl, r, r, 0, 2 * Pi, 64), {{stemX, stemTop}, {stemX, -h}}},
                    2 * r + s.weight};
        }
        case 'g': {
            const double stemX = bowl.x + r;
            const double hookY = xh * 0.18;
            auto stem =
                join({{stemX, -xh + h}}, arcPoints({bowl.x, hookY}, r, r * 0.95, 0, Pi * 0.92, 40));
            return {{arcPoints(bowl, r, r, 0, 2 * Pi, 64), stem}, 2 * r + s.weight};
        }
        case 'e': {
            auto arc = join({{bowl.x - r, bowl.y}, {bowl.x + r, bowl.y}},
                            arcPoints(bowl, r, r, 0, -2 * Pi + 0.78, 64));
            return {{arc}, 2 * r + s.weight};
        }
        case 't': {
            const double stemX = h + 2.2;
            const double hook = r * 0.8;
            auto stem = join({{stemX, -asc * 0.86 + h}},
                             arcPoints({stemX + hook, -h - hook}, hook, hook, Pi, Pi * 0.45, 16));
            return {{stem, {{h, -xh + h}, {stemX + hook + 0.8, -xh + h}}}, stemX + hook + 0.8 + h};
        }
        case 's': {
            const double rx = r * 0.82;
            const double ry = (xh - s.weight) / 4;
            const Pt upper{h + rx, -xh + h + ry};
            const Pt lower{h + rx, -h - ry};
            auto path = join(arcPoints(upper, rx, ry, -0.45, -1.5 * Pi, 32),
                             arcPoints(lower, rx, ry, -0.5 * Pi, Pi - 0.45, 32));
            return {{path}, 2 * rx + s.weight};
        }
        default:
            return {{}, xh * 0.5};
    }
}

}  // namespace

double textWidth(std::string_view text, const Lettering& style) {
    double w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        w += glyph(text[i], style).advance;
        if (i + 1 < text.size()) w += style.tracking;
    }
    return w;
}

Shape letters(std::string_view text, Pt origin, const Lettering& style) {
    std::vector<Shape> parts;
    double x = origin.x;
    for (const char ch : text) {
        const Glyph g = glyph(ch, style);
        for (const auto& path : g.strokes) {
            std::vector<Pt> placed;
            for (Pt p : path) placed.push_back({p.x + x, p.y + origin.y});
            parts.push_back(stroke(placed, style.weight));
        }
        x += g.advance + style.tracking;
    }
    return anyOf(parts);
}

Shape segmentDigit(int digit, Pt origin, const SegmentStyle& s) {
    // Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom left),
    // f (top left), g (middle).
    static constexpr unsigned char Lit[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                              0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const double t = s.thickness;
    const double w = s.width;
    const double hh = s.height / 2;
    const double g = s.gap;
    auto lean = [&](Pt p) {  // slanted, and moved into place
        return Pt{origin.x + p.x + s.slant * (s.height - p.y), origin.y + p.y};
    };
    // A horizontal segment along y from x0 to x1, pointed at both ends.
    auto across = [&](double y, double x0, double x1) {
        return polygon({lean({x0, y}), lean({x0 + t / 2, y - t / 2}), lean({x1 - t / 2, y - t / 2}),
                        lean({x1, y}), lean({x1 - t / 2, y + t / 2}),
                        lean({x0 + t / 2, y + t / 2})});
    };
    auto down = [&](double x, double y0, double y1) {
        return polygon({lean({x, y0}), lean({x + t / 2, y0 + t / 2}), lean({x + t / 2, y1 - t / 2}),
                        lean({x, y1}), lean({x - t / 2, y1 - t / 2}),
                        lean({x - t / 2, y0 + t / 2})});
    };
    const double l = t / 2;
    const double r = w - t / 2;
    const double top = t / 2;
    const double bottom = s.height - t / 2;
    const double mid = hh;
    const Shape segments[7] = {across(top, l + g, r - g),    down(r, top + g, mid - g),
                               down(r, mid + g, bottom - g), across(bottom, l + g, r - g),
                               down(l, mid + g, bottom - g), down(l, top + g, mid - g),
                               across(mid, l + g, r - g)};
    std::vector<Shape> on;
    for (int i = 0; i < 7; ++i)
        if (Lit[digit % 10] & (1 << i)) on.push_back(segments[i]);
    return anyOf(on);
}

Shape segmentColon(double x, Pt origin, const SegmentStyle& s) {
    const double d = s.thickness * 0.62;
    auto dot = [&](double y) {
        return disc(x + origin.x + s.slant * (s.height - y), origin.y + y, d);
    };
    return dot(s.height * 0.3) | dot(s.height * 0.72);
}

}  // namespace brivane::artwork
