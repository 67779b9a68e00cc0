// The skin: the sidebar's background strip, the two dark plates, the slide frame, the digital
// time's plate, both clock faces and the two calendar pages.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "resources/artwork/Artwork.h"
#include "resources/artwork/Noise.h"

namespace brivane::artwork {

namespace {

constexpr double Pi = std::numbers::pi;

// A tall charcoal strip with a brushed-metal edge on its left. Everything right of the edge is
// exactly the panel colour, so the plates and frames drawn for it sit on it without a seam.
ui::Bitmap panel() {
    Canvas c(130, 1200, PanelColor);
    const Color edge[] = {rgb(46, 51, 59),    rgb(112, 120, 132), rgb(146, 154, 166),
                          rgb(104, 111, 123), rgb(56, 62, 72),    rgb(27, 31, 37)};
    Noise sheen(7);
    Noise grain(8);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < 6; ++x) {
            // Slow highlights running down the metal, and a fine brushed grain.
            const double t = 0.16 * (sheen.fractal(x * 0.15, y / 90.0, 3) - 0.5) +
                             0.05 * (grain.at(x * 3.7, y * 0.8) - 0.5);
            c.setPixel(x, y, edge[x].shade(x == 5 ? t * 0.2 : t));
        }
    }
    return c.toBitmap(ui::PixelFormat::Bits24);
}

// A dark plate with rounded corners and a light rim, 116 x 70; the last row is never seen.
Canvas plate() {
    Canvas c(116, 70, PanelColor);
    const double x0 = 0.5;
    const double y0 = 0.5;
    const double x1 = 115.5;
    const double y1 = 68.5;
    const double r = 9;
    c.fill(roundRect(x0, y0, x1, y1, r),
           linear({0, 0}, {0, 69},
                  {{0, rgb(138, 148, 164)}, {0.35, rgb(92, 100, 114)}, {1, rgb(58, 64, 74)}}));
    const Shape body = roundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1);
    c.fill(body, linear({0, 1}, {0, 68}, {{0, rgb(42, 47, 56)}, {1, rgb(26, 30, 36)}}));
    // A faint inner light along the top edge and a soft sheen in the middle.
    c.fill(body - roundRect(x0 + 1, y0 + 2, x1 - 1, y1 - 1, r - 1), rgb(255, 255, 255, 0.10));
    c.fill(body, radial({58, 20}, 70, 40, {{0, rgb(255, 255, 255, 0.05)}, {1, rgb(0, 0, 0, 0)}}));
    return c;
}

// The slide frame: light brushed metal around an opening of the key colour that the slide
// (103 x 92 at 5, 6) fills exactly; the rounded outer corners are keyed too.
ui::Bitmap slideFrame() {
    const int w = 114;
    const int h = 104;
    Canvas art(w, h);
    const Shape outer = roundRect(0, 0, w, h, 6);
    const Shape opening = rect(5, 6, 108, 98);
    Noise grain(21);
    art.fill(outer - opening, Paint([&](double x, double y) {
                 const Color base = colorAt({{0, rgb(236, 239, 243)},
                                             {0.45, rgb(196, 201, 209)},
                                             {0.55, rgb(214, 218, 224)},
                                             {1, rgb(160, 166, 176)}},
                                            (x * 0.35 + y) / (w * 0.35 + h));
                 return base.shade(0.08 * (grain.at(x * 0.12, y * 2.1) - 0.5));
             }));
    // Bevel: light on the outer top-left, dark on the outer bottom-right.
    const Shape rim = outer - roundRect(1, 1, w - 1, h - 1, 5);
    art.fill(rim, linear({0, 0}, {w, h},
                         {{0, rgb(255, 255, 255, 0.7)},
                          {0.5, rgb(150, 155, 165, 0.3)},
                          {1, rgb(70, 75, 85, 0.8)}}));
    // A groove around the opening, dark on the top and left where the picture sinks in.
    art.fill(rect(4, 5, 109, 99) - opening,
             linear({4, 5}, {109, 99}, {{0, rgb(62, 67, 77)}, {1, rgb(120, 126, 136)}}));
    art.fill(rect(3, 4, 110, 100) - rect(4, 5, 109, 99), rgb(255, 255, 255, 0.35));
    return keyed(art, Canvas(w, h, PanelColor), Cyan);
}

// The digital time's plate: teal with a light screen that the time is written on.
ui::Bitmap timePlate() {
    Canvas c(85, 35, PanelColor);
    const Shape outer = roundRect(0.5, 0.5, 84.5, 34.5, 7);
    c.fill(outer, linear({0, 0}, {0, 35}, {{0, rgb(118, 206, 210)}, {1, rgb(22, 92, 100)}}));
    const Shape body = roundRect(1.5, 1.5, 83.5, 33.5, 6);
    c.fill(body, linear({0, 1}, {0, 34},
                        {{0, rgb(52, 158, 166)}, {0.5, rgb(30, 124, 133)}, {1, rgb(22, 98, 107)}}));
    // The screen, sunk into the plate: a dark lip above, a light one below.
    c.fill(roundRect(6, 4, 79, 30, 3.5), rgb(10, 58, 64));
    c.fill(roundRect(6, 5, 79, 31, 3.5), rgb(150, 220, 222));
    const Shape screen = roundRect(6.5, 5, 78.5, 30, 3);
    c.fill(screen,
           linear({0, 5}, {0, 30},
                  {{0, rgb(196, 232, 222)}, {0.5, rgb(216, 242, 232)}, {1, rgb(200, 234, 224)}}));
    c.fill(screen - roundRect(6.5, 6, 78.5, 30, 3), rgb(0, 40, 40, 0.25));
    // A soft sheen across the upper half of the plate.
    c.fill(outer & rect(0, 0, 85, 14),
           linear({0, 0}, {0, 14}, {{0, rgb(255, 255, 255, 0.18)}, {1, rgb(255, 255, 255, 0.0)}}));
    return c.toBitmap(ui::PixelFormat::Bits24);
}

// A bar from radius r0 to r1 at the given angle (0 = up, clockwise) around a centre.
Shape radialBar(Pt centre, double angle, double r0, double r1, double width) {
    const Pt dir{std::sin(angle), -std::cos(angle)};
    return bar(centre + dir * r0, centre + dir * r1, width);
}

// The analog clock's face: a red disc with a silver rim and twelve white marks, on corners of
// exactly black (the widget's key colour). No pixel of the face itself is black.
ui::Bitmap clockFace() {
    const int size = 105;
    const Pt c{FaceCentreX, FaceCentreY};
    const double r = FaceRadius;
    Canvas art(size, size);
    // Silver rim with a bright and a dark band, as a turned metal ring catches the light.
    art.fill(disc(c.x, c.y, r), linear({c.x - 30, c.y - 50}, {c.x + 30, c.y + 50},
                                       {{0, rgb(246, 248, 251)},
                                        {0.35, rgb(176, 182, 192)},
                                        {0.5, rgb(226, 230, 236)},
                                        {0.7, rgb(150, 156, 166)},
                                        {1, rgb(96, 102, 112)}}));
    art.fill(ring(c.x, c.y, r - 1.2, r), rgb(40, 44, 52, 0.45));
    art.fill(disc(c.x, c.y, r - 4.2), rgb(58, 20, 22));
    const double face = r - 5.0;
    art.fill(disc(c.x, c.y, face),
             radial({c.x - 10, c.y - 14}, 62,
                    {{0, rgb(238, 66, 58)}, {0.55, rgb(206, 32, 34)}, {1, rgb(138, 14, 20)}}));
    // The face sinks under the rim: a shade along its edge, deeper at the top.
    art.fill(disc(c.x, c.y, face),
             radial({c.x, c.y + 3}, face + 3,
                    {{0, rgb(0, 0, 0, 0)}, {0.8, rgb(0, 0, 0, 0)}, {1, rgb(40, 0, 0, 0.45)}}));
    // Minute ticks, then the hour marks with a soft shadow.
    std::vector<Shape> minuteTicks;
    for (int i = 0; i < 60; ++i)
        if (i % 5 != 0)
            minuteTicks.push_back(radialBar(c, i * Pi / 30, face - 3.6, face - 0.8, 1.1));
    art.fill(anyOf(minuteTicks), rgb(255, 226, 222, 0.55));
    std::vector<Shape> hourMarks;
    for (int i = 0; i < 12; ++i) {
        const bool quarter = i % 3 == 0;
        hourMarks.push_back(radialBar(c, i * Pi / 6, quarter ? face - 12.5 : face - 10, face - 1.2,
                                      quarter ? 3.6 : 2.6));
    }
    const Shape marks = anyOf(hourMarks);
    art.fill(Mask::of(marks, size, size).blurred(0.9).shifted(1, 1), rgb(60, 0, 0, 0.55));
    art.fill(marks, linear({0, c.y - face}, {0, c.y + face},
                           {{0, rgb(255, 255, 255)}, {1, rgb(236, 232, 232)}}));
    // Glass: a gentle highlight over the upper half.
    art.fill(disc(c.x, c.y, face) & ellipse(c.x, c.y - 20, 38, 26),
             linear({0, c.y - face}, {0, c.y + 4},
                    {{0, rgb(255, 255, 255, 0.30)}, {1, rgb(255, 255, 255, 0.0)}}));
    ui::Bitmap out = keyed(art, Canvas(size, size, PanelColor), Black);
    out.setPixelFormat(ui::PixelFormat::Bits32);  // alpha stays 255 everywhere
    return out;
}

// The clock widget's picture before its first tick: a square, light face with tick marks on
// black (keyed) corners.
ui::Bitmap startFace() {
    const int size = 105;
    const Pt c{FaceCentreX, FaceCentreY};
    Canvas art(size, size);
    const Shape outer = roundRect(1, 0, 103, 102, 16);
    art.fill(outer,
             linear({0, 0}, {size, size},
                    {{0, rgb(236, 239, 243)}, {0.5, rgb(178, 184, 194)}, {1, rgb(118, 124, 136)}}));
    const Shape face = roundRect(4.5, 3.5, 99.5, 98.5, 13);
    art.fill(face, linear({0, 3}, {0, 99}, {{0, rgb(250, 251, 252)}, {1, rgb(220, 224, 230)}}));
    art.fill(face - roundRect(4.5, 4.5, 99.5, 98.5, 13), rgb(90, 96, 108, 0.5));
    std::vector<Shape> ticks;
    std::vector<Shape> hours;
    for (int i = 0; i < 60; ++i) {
        if (i % 5 == 0)
            hours.push_back(radialBar(c, i * Pi / 30, 34, 43, i % 15 == 0 ? 3.4 : 2.4));
        else
            ticks.push_back(radialBar(c, i * Pi / 30, 40, 43, 1.1));
    }
    art.fill(anyOf(ticks), rgb(120, 126, 138));
    art.fill(anyOf(hours), rgb(52, 58, 68));
    art.fill(disc(c.x, c.y, 3), rgb(52, 58, 68));
    ui::Bitmap out = keyed(art, Canvas(size, size, PanelColor), Black);
    out.setPixelFormat(ui::PixelFormat::Bits32);
    return out;
}

// A spiral-bound notepad page on the panel colour: a plain white writing area, the wire rings
// along the top and the edges of the pages beneath showing at the bottom.
ui::Bitmap notepad(int w, int h, bool tall) {
    Canvas c(w, h, PanelColor);
    const double top = tall ? 7 : 3;
    const double bottom = h - (tall ? 4 : 3);
    const double left = 2;
    const double right = w - 2;
    // Shadow and the two pages beneath.
    c.fill(Mask::of(roundRect(left + 1, top + 1, right + 0.5, bottom + 3, 3), w, h).blurred(1.0),
           rgb(0, 0, 0, 0.7));
    c.fill(roundRect(left + 1.5, top + 2, right - 1.5, bottom + 2, 3), rgb(178, 184, 194));
    c.fill(roundRect(left + 0.5, top + 1, right - 0.5, bottom + 1, 3), rgb(214, 218, 225));
    const Shape page = roundRect(left, top, right, bottom, 3);
    c.fill(page,
           linear({0, top}, {0, bottom},
                  {{0, rgb(255, 255, 255)}, {0.75, rgb(252, 252, 253)}, {1, rgb(236, 239, 244)}}));
    if (tall) {
        // A thin red rule under the binding, like a desk calendar's header.
        c.fill(rect(left + 4, top + 8, right - 4, top + 9.2), rgb(214, 64, 60, 0.85));
        c.fill(rect(left + 14, 61, right - 14, 62), rgb(190, 198, 210, 0.8));
    }
    // The wire rings: a dark punched hole and a silver loop rising over the top edge.
    const int rings = 11;
    const double first = 9;
    const double step = (w - 2 * first) / (rings - 1);
    const double holeY = top + (tall ? 4.0 : 2.4);
    const double holeR = tall ? 1.5 : 1.1;
    const double wire = tall ? 2.0 : 1.5;
    const double loopTop = tall ? 1.4 : 0.9;
    for (int i = 0; i < rings; ++i) {
        const double x = first + i * step;
        c.fill(disc(x, holeY, holeR), rgb(60, 64, 72));
        const Shape loop = line({x - 0.4, holeY}, {x + 0.5, loopTop}, wire);
        c.fill(line({x - 0.4, holeY + 0.5}, {x + 0.5, loopTop}, wire + 0.9), rgb(30, 33, 40, 0.8));
        c.fill(
            loop,
            linear({x - 1, 0}, {x + 1.5, 0},
                   {{0, rgb(120, 126, 136)}, {0.45, rgb(240, 242, 246)}, {1, rgb(140, 146, 156)}}));
    }
    return c.toBitmap(ui::PixelFormat::Bits24);
}

}  // namespace

void drawSkin(Gallery& gallery) {
    gallery.add("images/panel.bmp", panel());
    const ui::Bitmap plates = plate().toBitmap(ui::PixelFormat::Bits24);
    gallery.add("design/shortcutsimg.bmp", plates);
    gallery.add("design/image1.bmp", plates);
    gallery.add("design/slideimg.bmp", slideFrame());
    gallery.add("design/ceasimg.bmp", timePlate());
    gallery.add("images/ceas2.bmp", clockFace());
    gallery.add("design/image2.bmp", startFace());
    gallery.add("images/calendar.bmp", notepad(110, 119, true));
    gallery.add("images/calendar1.bmp", notepad(110, 49, false));
}

std::string clockSettingsText() {
    // Hands sized to the face: the second hand reaches into the marks, the minute hand to
    // their inner ends, the hour hand about half way.
    std::string text;
    text += "; Brivane's analog clock: where the hands turn and how long and wide they are\n";
    text += "[plugin]\n";
    text += "center x=" + std::to_string(PivotX) + "\n";
    text += "center y=" + std::to_string(PivotY) + "\n";
    text += "radius hour=24\n";
    text += "radius minute=36\n";
    text += "radius second=40\n";
    text += "width hour=4\n";
    text += "width minute=3\n";
    text += "width second=1\n";
    text += "hour color=0\n";
    text += "min color=0\n";
    text += "sec color=0\n";
    text += "alignf=0\n";
    return text;
}

}  // namespace brivane::artwork
