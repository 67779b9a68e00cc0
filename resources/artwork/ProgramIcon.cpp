// The program icon: the sidebar itself in miniature, a dark rounded panel with the red clock on
// top, a slide below it and the player's coloured buttons, at 48, 32 and 16 pixels, each written
// at 32 bits with alpha, at 8 bits (a palette fitted to the picture) and at 4 bits (the standard
// sixteen colours, drawn flat); the palettized images show black where the icon is transparent.
#include <cmath>
#include <string>
#include <vector>

#include "resources/artwork/Artwork.h"
#include "resources/artwork/Palette.h"

namespace brivane::artwork {

namespace {

// The standard sixteen colours that the 4-bit images use.
const Color VgaBlack = rgb(0, 0, 0);
const Color VgaRed = rgb(255, 0, 0);
const Color VgaGreen = rgb(0, 128, 0);
const Color VgaLime = rgb(0, 255, 0);
const Color VgaBlue = rgb(0, 0, 255);
const Color VgaYellow = rgb(255, 255, 0);
const Color VgaSilver = rgb(192, 192, 192);
const Color VgaGrey = rgb(128, 128, 128);
const Color VgaWhite = rgb(255, 255, 255);

// Where the parts of the icon go at one size.
struct IconPlan {
    int size;
    Box panel;
    double panelRadius;
    Pt clock;
    double clockRadius;
    Box slide;
    double dotY;
    double dotRadius;
    double dotSpacing;
};

// Draws the icon smooth (gradients, soft edges) or, for the 16-colour images, flat: solid
// colours of the standard palette and hard edges.
class IconPainter {
public:
    IconPainter(int size, bool flat) : canvas_(size, size), flat_(flat) {}
    void fill(const Shape& shape, const Paint& smooth, Color flat) {
        if (flat_)
            canvas_.fill(Mask::of(shape, canvas_.width(), canvas_.height(), 1), flat);
        else
            canvas_.fill(shape, smooth);
    }
    bool flat() const { return flat_; }
    const Canvas& canvas() const { return canvas_; }

private:
    Canvas canvas_;
    bool flat_;
};

Canvas drawIcon(const IconPlan& p, bool flat) {
    IconPainter c(p.size, flat);
    const Box b = p.panel;
    c.fill(roundRect(b.x0, b.y0, b.x1, b.y1, p.panelRadius),
           linear({0, b.y0}, {0, b.y1}, {{0, rgb(170, 180, 196)}, {1, rgb(76, 84, 98)}}),
           VgaSilver);
    c.fill(roundRect(b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1, p.panelRadius - 1),
           linear({0, b.y0}, {0, b.y1}, {{0, rgb(48, 54, 64)}, {1, rgb(24, 28, 34)}}), VgaBlack);

    // The clock: silver rim, red face, white marks (at the largest size) and white hands.
    const Pt k = p.clock;
    const double r = p.clockRadius;
    c.fill(disc(k.x, k.y, r),
           linear({0, k.y - r}, {0, k.y + r}, {{0, rgb(250, 252, 255)}, {1, rgb(130, 136, 148)}}),
           VgaWhite);
    const double face = r - r * 0.16;
    c.fill(disc(k.x, k.y, face),
           radial({k.x - face * 0.3, k.y - face * 0.4}, face * 1.5,
                  {{0, rgb(246, 80, 70)}, {1, rgb(176, 20, 26)}}),
           VgaRed);
    const double w = std::max(1.0, std::round(r * 0.14));
    if (p.size >= 48) {
        std::vector<Shape> marks;
        for (const Pt d : {Pt{0, -1}, Pt{1, 0}, Pt{0, 1}, Pt{-1, 0}})
            marks.push_back(bar(k + d * (face * 0.62), k + d * (face * 0.95), w));
        c.fill(anyOf(marks), rgb(255, 255, 255), VgaWhite);
    }
    // The hands at four o'clock: the minute hand up, the hour hand toward the four.
    c.fill(
        line(k, k + Pt{0, -0.78} * face, w) | line(k, k + Pt{0.87, 0.5} * (face * 0.55), w * 1.3),
        rgb(255, 255, 255), VgaWhite);

    // The slide: a little landscape in a light frame.
    const Box sl = p.slide;
    c.fill(rect(sl.x0 - 1, sl.y0 - 1, sl.x1 + 1, sl.y1 + 1), rgb(214, 220, 230), VgaSilver);
    c.fill(rect(sl.x0, sl.y0, sl.x1, sl.y1),
           linear({0, sl.y0}, {0, sl.y1}, {{0, rgb(60, 130, 220)}, {1, rgb(160, 210, 250)}}),
           VgaBlue);
    const double hw = sl.x1 - sl.x0;
    const double hh = sl.y1 - sl.y0;
    c.fill(
        below(
            [=](double x) { return sl.y0 + hh * (0.62 - 0.22 * std::sin((x - sl.x0) / hw * 3.0)); },
            sl),
        rgb(64, 168, 72), VgaGreen);
    c.fill(disc(sl.x1 - hw * 0.25, sl.y0 + hh * 0.3, hh * 0.16), rgb(255, 236, 140), VgaYellow);

    // The player's buttons.
    const Color dots[3] = {rgb(216, 50, 46), rgb(44, 168, 72), rgb(50, 110, 226)};
    const Color flatDots[3] = {VgaRed, VgaLime, VgaBlue};
    const double midX = (b.x0 + b.x1) / 2;
    for (int i = 0; i < 3; ++i) {
        const double x = midX + (i - 1) * p.dotSpacing;
        const double rr = i == 1 ? p.dotRadius * 1.25 : p.dotRadius;
        c.fill(disc(x, p.dotY, rr), dots[i].shade(-0.3), flatDots[i]);
        if (!c.flat())
            c.fill(disc(x, p.dotY, rr - 0.7),
                   linear({0, p.dotY - rr}, {0, p.dotY + rr},
                          {{0, dots[i].shade(0.35)}, {1, dots[i]}}),
                   flatDots[i]);
    }
    return c.canvas();
}

// The 16-pixel icon, drawn pixel by pixel: at this size shapes come out soft, so the panel,
// the clock, the slide and the buttons are set on the pixel grid by hand.
constexpr const char* Small[16] = {
    "...SSSSSSSSSS...",  //
    "..SKKKLLLLKKKS..",  //
    "..SKKLRRRRLKKS..",  //
    "..SKLRRWRRRLKS..",  //
    "..SKLRRWRRRLKS..",  //
    "..SKLRRWWWRLKS..",  //
    "..SKLRRRRRRLKS..",  //
    "..SKKLrRRrLKKS..",  //
    "..SKKKLLLLKKKS..",  //
    "..SKKKKKKKKKKS..",  //
    "..SKFFFFFFFFKS..",  //
    "..SKFBBBBBBFKS..",  //
    "..SKFGGGGGGFKS..",  //
    "..SKFFFFFFFFKS..",  //
    "..sKRRKEEKPPKs..",  //
    "...ssssssssss...",  //
};

struct SmallColour {
    char code;
    Color smooth;
    Color flat;
};

const SmallColour SmallColours[] = {
    {'S', rgb(150, 160, 176), VgaSilver}, {'s', rgb(92, 100, 114), VgaGrey},
    {'K', rgb(34, 39, 47), VgaBlack},     {'L', rgb(214, 220, 230), VgaSilver},
    {'R', rgb(222, 48, 44), VgaRed},      {'r', rgb(168, 26, 30), VgaRed},
    {'W', rgb(255, 255, 255), VgaWhite},  {'F', rgb(200, 206, 216), VgaSilver},
    {'B', rgb(80, 150, 235), VgaBlue},    {'G', rgb(60, 168, 70), VgaGreen},
    {'E', rgb(44, 180, 72), VgaLime},     {'P', rgb(60, 120, 236), VgaBlue},
};

Canvas drawSmallIcon(bool flat) {
    Canvas c(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (const SmallColour& sc : SmallColours)
                if (Small[y][x] == sc.code) c.setPixel(x, y, flat ? sc.flat : sc.smooth);
    return c;
}

}  // namespace

void drawProgramIcon(Gallery& gallery) {
    const IconPlan plans[] = {
        {48, {9, 1, 39, 47}, 6, {23.5, 13.5}, 10.5, {14, 27, 34, 36}, 41.5, 2.6, 7.5},
        {32, {6, 0, 26, 32}, 4, {15.5, 9.5}, 6.5, {9, 18.5, 23, 24}, 27.5, 1.8, 5.0},
    };
    auto add = [&](int size, const Canvas& smooth, const Canvas& flat) {
        const std::string base = "icon/icon" + std::to_string(size) + "_";
        gallery.add(base + "32.bmp", smooth.toBitmap(ui::PixelFormat::Bits32));
        // Without alpha, what lies outside the panel is black.
        const ui::Bitmap opaque = smooth.toBitmap(ui::PixelFormat::Bits24);
        gallery.addFile(base + "8.bmp", encodePalettized(opaque, 8, adaptivePalette(opaque, 256)));
        gallery.addFile(base + "4.bmp", encodePalettized(flat.toBitmap(ui::PixelFormat::Bits24), 4,
                                                         windowsPalette16()));
    };
    for (const IconPlan& plan : plans) add(plan.size, drawIcon(plan, false), drawIcon(plan, true));
    add(16, drawSmallIcon(false), drawSmallIcon(true));
}

}  // namespace brivane::artwork
