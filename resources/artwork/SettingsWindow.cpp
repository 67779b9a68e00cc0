// The settings window's pictures: its background with the heading, the highlight tile behind a
// choice, and the two choices' icons (an analog and a digital clock).
#include <cmath>
#include <numbers>
#include <vector>

#include "resources/artwork/Artwork.h"
#include "resources/artwork/Glyphs.h"

namespace brivane::artwork {

namespace {

constexpr double Pi = std::numbers::pi;

// Bands from top to bottom: a near-black edge (rows 0-1), the dark heading band (2-51), a light
// line (52), the lighter centre band (53-250), a light line (251), the dark foot band (252-297)
// and a near-black edge (298-299); a shaded column at the left and right.
ui::Bitmap background() {
    const int w = 500;
    const int h = 300;
    Canvas c(w, h);
    auto band = [&](int y0, int y1, Color top, Color bottom) {
        c.fill(rect(0, y0, w, y1),
               linear({0, double(y0)}, {0, double(y1)}, {{0, top}, {1, bottom}}));
    };
    const Color edge = rgb(8, 18, 20);
    const Color line = rgb(176, 232, 230);
    band(0, 2, edge, edge);
    band(2, 52, rgb(40, 118, 124), rgb(14, 62, 68));
    band(52, 53, line, line);
    band(53, 251, rgb(126, 196, 196), rgb(92, 166, 168));
    band(251, 252, line, line);
    band(252, 298, rgb(26, 88, 94), rgb(12, 50, 56));
    band(298, 300, edge, edge);
    // A sheen over the upper half of the heading band, and a soft light in the centre band.
    c.fill(rect(0, 2, w, 26),
           linear({0, 2}, {0, 26}, {{0, rgb(255, 255, 255, 0.16)}, {1, rgb(255, 255, 255, 0.02)}}));
    c.fill(
        rect(0, 53, w, 251),
        radial({250, 60}, 320, 150, {{0, rgb(255, 255, 255, 0.16)}, {1, rgb(255, 255, 255, 0.0)}}));
    c.fill(rect(0, 53, w, 56),
           linear({0, 53}, {0, 56}, {{0, rgb(0, 40, 44, 0.25)}, {1, rgb(0, 40, 44, 0.0)}}));
    // The heading: dark letters in a light glow.
    const Lettering style{14, 22, 3.4, 2.4};
    const double width = textWidth("Gadgets", style);
    const Shape heading = letters("Gadgets", {std::round(w / 2.0 - width / 2), 36}, style);
    const Mask ink = Mask::of(heading, w, h);
    Mask glow = ink.blurred(2.4);
    c.fill(glow.times(2.6), rgb(196, 255, 248, 0.85));
    c.fill(ink, linear({0, 14}, {0, 46}, {{0, rgb(14, 56, 60)}, {1, rgb(4, 26, 30)}}));
    // The shaded left and right edges.
    c.fill(rect(0, 2, 1, 298), rgb(0, 0, 0, 0.35));
    c.fill(rect(w - 1, 2, w, 298), rgb(0, 0, 0, 0.5));
    return c.toBitmap(ui::PixelFormat::Bits24);
}

// The highlight tile: corners cut off diagonally by two pixels and left pure white (the key),
// a one-pixel light cyan outline, and a gradient from light to deeper cyan inside.
ui::Bitmap tile() {
    const int w = 66;
    const int h = 76;
    ui::Bitmap out(w, h);
    const std::vector<Stop> fill{{0, rgb(214, 252, 252)}, {1, rgb(72, 198, 212)}};
    const ui::Argb outline = ui::rgb(226, 255, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Steps from the nearest corner along both edges.
            const int cx = std::min(x, w - 1 - x);
            const int cy = std::min(y, h - 1 - y);
            const int corner = cx + cy;
            if (corner < 2) {
                out.setPixel(x, y, White);
            } else if (corner == 2 || cx == 0 || cy == 0) {
                out.setPixel(x, y, outline);
            } else {
                const Color c = colorAt(fill, (y - 1) / double(h - 3));
                out.setPixel(x, y, ui::rgb(toByte(c.r), toByte(c.g), toByte(c.b)));
            }
        }
    return out;
}

// An icon of 50 x 50 with a soft shadow under it.
ui::Bitmap iconWithShadow(const Canvas& icon) {
    Canvas out(icon.width(), icon.height());
    out.fill(icon.alphaMask().blurred(1.2).shifted(0, 1), rgb(0, 30, 34, 0.55));
    out.draw(icon);
    return out.toBitmap(ui::PixelFormat::Bits32);
}

// A hand from the centre at `angle` (0 = up, clockwise), tapering to its tip.
Shape clockHand(Pt c, double angle, double length, double tail, double width) {
    const Pt dir{std::sin(angle), -std::cos(angle)};
    const Pt side{-dir.y, dir.x};
    const Pt tip = c + dir * length;
    const Pt back = c - dir * tail;
    return polygon({back + side * (width / 2), tip + side * (width * 0.2),
                    tip - side * (width * 0.2), back - side * (width / 2)}) |
           disc(tip.x, tip.y, width * 0.2);
}

ui::Bitmap analogIcon() {
    const Pt c{25, 24.5};
    Canvas icon(50, 50);
    icon.fill(disc(c.x, c.y, 22.5),
              linear({0, 2}, {0, 47}, {{0, rgb(120, 150, 160)}, {1, rgb(24, 50, 60)}}));
    icon.fill(disc(c.x, c.y, 21.5), linear({8, 4}, {42, 46},
                                           {{0, rgb(246, 250, 252)},
                                            {0.45, rgb(176, 196, 204)},
                                            {0.6, rgb(214, 228, 232)},
                                            {1, rgb(104, 128, 140)}}));
    icon.fill(disc(c.x, c.y, 18.6), rgb(40, 70, 80));
    icon.fill(disc(c.x, c.y, 18),
              radial({c.x, c.y - 6}, 24, {{0, rgb(255, 255, 255)}, {1, rgb(214, 228, 232)}}));
    std::vector<Shape> ticks;
    for (int i = 0; i < 12; ++i) {
        const double a = i * Pi / 6;
        const Pt dir{std::sin(a), -std::cos(a)};
        const bool quarter = i % 3 == 0;
        ticks.push_back(bar(c + dir * (quarter ? 12.5 : 14), c + dir * 16.6, quarter ? 2.2 : 1.4));
    }
    icon.fill(anyOf(ticks), rgb(36, 60, 70));
    // Ten past ten, with a red second hand.
    const Shape hands =
        clockHand(c, 10 * Pi / 6 + Pi / 36, 9.5, 2, 3.0) | clockHand(c, 2 * Pi / 6, 14, 2.5, 2.4);
    icon.fill(Mask::of(hands, 50, 50).blurred(0.7).shifted(0, 1), rgb(0, 0, 0, 0.3));
    icon.fill(hands, rgb(28, 44, 52));
    icon.fill(line(c - Pt{std::sin(4.1), -std::cos(4.1)} * 4,
                   c + Pt{std::sin(4.1), -std::cos(4.1)} * 15, 0.9),
              rgb(220, 40, 40));
    icon.fill(disc(c.x, c.y, 1.8), rgb(220, 40, 40));
    icon.fill(disc(c.x, c.y, 18) & ellipse(c.x, c.y - 8, 15, 10),
              linear({0, 6}, {0, 24}, {{0, rgb(255, 255, 255, 0.5)}, {1, rgb(255, 255, 255, 0)}}));
    return iconWithShadow(icon);
}

ui::Bitmap digitalIcon() {
    Canvas icon(50, 50);
    // A teal case with a light screen, like the sidebar's digital time.
    icon.fill(roundRect(1.5, 8.5, 48.5, 41.5, 6),
              linear({0, 8}, {0, 42}, {{0, rgb(126, 212, 216)}, {1, rgb(18, 84, 92)}}));
    icon.fill(roundRect(2.5, 9.5, 47.5, 40.5, 5),
              linear({0, 9}, {0, 41}, {{0, rgb(56, 162, 170)}, {1, rgb(22, 96, 106)}}));
    icon.fill(roundRect(5, 12, 45, 37, 3), rgb(10, 56, 62));
    icon.fill(roundRect(5, 13, 45, 38, 3), rgb(150, 220, 222));
    const Shape screen = roundRect(5.5, 13, 44.5, 37, 2.5);
    icon.fill(screen, linear({0, 13}, {0, 37}, {{0, rgb(198, 234, 224)}, {1, rgb(214, 242, 232)}}));
    // 12:45 in seven-segment digits, over the faint marks of the unlit segments.
    const SegmentStyle style{7.2, 16, 2.1, 0.3, 0.07};
    const double y = 17.0;
    const double xs[4] = {6.4, 14.8, 26.4, 35.0};
    const int digits[4] = {1, 2, 4, 5};
    std::vector<Shape> lit;
    std::vector<Shape> unlit;
    for (int i = 0; i < 4; ++i) {
        lit.push_back(segmentDigit(digits[i], {xs[i], y}, style));
        unlit.push_back(segmentDigit(8, {xs[i], y}, style));
    }
    lit.push_back(segmentColon(24.2, {0, y}, style));
    icon.fill(anyOf(unlit), rgb(20, 60, 60, 0.08));
    icon.fill(Mask::of(anyOf(lit), 50, 50).blurred(0.6).shifted(0, 1), rgb(0, 40, 40, 0.25));
    icon.fill(anyOf(lit), rgb(16, 34, 38));
    icon.fill(roundRect(2.5, 9.5, 47.5, 24, 5), rgb(255, 255, 255, 0.12));
    return iconWithShadow(icon);
}

}  // namespace

void drawSettingsWindow(Gallery& gallery) {
    gallery.add("design/form3_background.bmp", background());
    gallery.add("design/form3_tile.bmp", tile());
    gallery.add("design/form3_analog.bmp", analogIcon());
    gallery.add("design/form3_digital.bmp", digitalIcon());
}

}  // namespace brivane::artwork
