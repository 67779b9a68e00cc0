// The six shortcut icons on the shortcut plate: 24 x 24, drawn through their own alpha channel,
// each with a soft shadow so that it stands off the dark plate.
#include <cmath>
#include <functional>
#include <vector>

#include "resources/artwork/Artwork.h"

namespace brivane::artwork {

namespace {

constexpr int Size = 24;

// The icon drawn by `draw`, with its shadow under it.
ui::Bitmap withShadow(const std::function<void(Canvas&)>& draw) {
    Canvas icon(Size, Size);
    draw(icon);
    Canvas out(Size, Size);
    out.fill(icon.alphaMask().blurred(0.8).shifted(0, 1), rgb(0, 0, 0, 0.65));
    out.draw(icon);
    return out.toBitmap(ui::PixelFormat::Bits32);
}

void recycleBin(Canvas& c) {
    const Color steel = rgb(178, 194, 212);
    const std::vector<Stop> cylinder{
        {0, steel.shade(-0.35)}, {0.35, steel.shade(0.55)}, {0.7, steel}, {1, steel.shade(-0.45)}};
    // The body, narrowing toward the bottom, then its ribs.
    const Shape body = polygon({{5.5, 7}, {18.5, 7}, {17.2, 21.6}, {6.8, 21.6}}) |
                       roundRect(6.8, 19.5, 17.2, 22, 1.5);
    c.fill(body, linear({5.5, 0}, {18.5, 0}, cylinder));
    c.fill(body - polygon({{6.5, 7}, {17.5, 7}, {16.3, 21}, {7.7, 21}}), rgb(60, 72, 88, 0.7));
    for (const double x : {9.4, 12.0, 14.6}) {
        const double lean = (x - 12.0) * 0.12;
        c.fill(line({x, 9.2}, {x - lean, 19.4}, 1.3), rgb(84, 100, 120, 0.85));
        c.fill(line({x + 0.8, 9.2}, {x + 0.8 - lean, 19.4}, 0.6), rgb(255, 255, 255, 0.5));
    }
    // The lid and its handle.
    c.fill(roundRect(9, 1.6, 15, 4.4, 1.2) - roundRect(10.4, 2.8, 13.6, 5, 0.6), rgb(96, 110, 128));
    const Shape lid = roundRect(3.8, 3.8, 20.2, 7.4, 1.4);
    c.fill(lid, linear({3.8, 0}, {20.2, 0}, cylinder));
    c.fill(lid - roundRect(4.6, 4.6, 19.4, 6.6, 1.0), rgb(60, 72, 88, 0.75));
    c.fill(roundRect(4.6, 4.6, 19.4, 5.4, 0.5), rgb(255, 255, 255, 0.55));
}

void fileSearch(Canvas& c) {
    // A page with a folded corner and lines of text.
    const Shape page = polygon({{3.5, 1.5}, {13.5, 1.5}, {18.5, 6.5}, {18.5, 21.5}, {3.5, 21.5}});
    c.fill(page, rgb(96, 104, 118));
    const Shape paper = polygon({{4.5, 2.5}, {13, 2.5}, {17.5, 7}, {17.5, 20.5}, {4.5, 20.5}});
    c.fill(paper, linear({0, 2}, {0, 21}, {{0, rgb(255, 255, 255)}, {1, rgb(226, 232, 240)}}));
    c.fill(polygon({{13, 2.5}, {17.5, 7}, {13, 7}}), rgb(196, 204, 216));
    for (const double y : {6.0, 8.5, 11.0, 13.5})
        c.fill(rect(6.3, y, y < 7 ? 11.5 : 15.7, y + 1), rgb(150, 162, 180));
    // A magnifying glass over its lower right.
    const Pt g{14.2, 14.6};
    c.fill(line({g.x + 3.2, g.y + 3.2}, {21.6, 21.6}, 3.4), rgb(50, 42, 38));
    c.fill(line({g.x + 3.6, g.y + 3.6}, {21.0, 21.0}, 1.2), rgb(140, 118, 100));
    c.fill(disc(g.x, g.y, 3.6), radial({g.x - 1.3, g.y - 1.4}, 4.8,
                                       {{0, rgb(255, 255, 255, 0.95)},
                                        {0.5, rgb(170, 210, 250, 0.7)},
                                        {1, rgb(90, 150, 230, 0.7)}}));
    c.fill(ring(g.x, g.y, 3.5, 5.2),
           linear({0, g.y - 5}, {0, g.y + 5}, {{0, rgb(88, 136, 220)}, {1, rgb(28, 60, 140)}}));
}

void programs(Canvas& c) {
    // A disc standing behind an open box.
    const Pt d{15.0, 8.0};
    c.fill(disc(d.x, d.y, 7.2), rgb(120, 128, 140));
    c.fill(disc(d.x, d.y, 6.6) - disc(d.x, d.y, 1.4), Paint([d](double x, double y) {
               // A silver face with a rainbow sheen running around it.
               const double a = std::atan2(y - d.y, x - d.x);
               const Color sheen = colorAt({{0, rgb(255, 170, 200)},
                                            {0.33, rgb(170, 240, 200)},
                                            {0.66, rgb(170, 200, 255)},
                                            {1, rgb(255, 170, 200)}},
                                           (a + 3.14159265) / 6.2831853);
               return mix(rgb(236, 240, 246), sheen, 0.45 + 0.25 * std::sin(a * 2));
           }));
    c.fill(ring(d.x, d.y, 1.4, 2.6), rgb(200, 206, 216));
    // The box: top, left and right faces, and the tape.
    const Pt top{10, 10.5};
    const Shape left = polygon({{1.5, 12.5}, {10, 16}, {10, 22.5}, {1.5, 19}});
    const Shape right = polygon({{10, 16}, {18.5, 12.5}, {18.5, 19}, {10, 22.5}});
    const Shape lid = polygon({{1.5, 12.5}, {top.x, 9}, {18.5, 12.5}, {10, 16}});
    c.fill(lid, rgb(248, 212, 150));
    c.fill(left, linear({0, 12}, {0, 22}, {{0, rgb(222, 162, 84)}, {1, rgb(196, 134, 60)}}));
    c.fill(right, linear({0, 12}, {0, 22}, {{0, rgb(186, 122, 52)}, {1, rgb(152, 96, 40)}}));
    c.fill(stroke({{1.5, 12.5}, {10, 16}, {18.5, 12.5}}, 0.7), rgb(255, 236, 200, 0.9));
    c.fill(stroke({{10, 16}, {10, 22.5}}, 0.7), rgb(120, 76, 30, 0.6));
    c.fill(polygon({{5.0, 10.9}, {8.2, 9.6}, {16.0, 12.8}, {12.8, 14.2}}), rgb(200, 150, 90, 0.7));
    // A green plus: install.
    c.fill(disc(18, 18.5, 5.2), rgb(20, 90, 30));
    c.fill(disc(18, 18.5, 4.4),
           radial({18, 20}, 5.5, {{0, rgb(120, 220, 100)}, {1, rgb(40, 150, 50)}}));
    c.fill(rect(15.7, 17.8, 20.3, 19.2) | rect(17.3, 16.2, 18.7, 20.8), rgb(255, 255, 255));
}

void mediaPlayer(Canvas& c) {
    const Pt m{12, 12};
    c.fill(disc(m.x, m.y, 11),
           linear({0, 1}, {0, 23}, {{0, rgb(96, 160, 250)}, {1, rgb(20, 60, 160)}}));
    c.fill(disc(m.x, m.y, 8.6), rgb(120, 50, 0, 0.8));
    c.fill(disc(m.x, m.y, 8.0),
           radial({m.x, m.y + 4}, 11,
                  {{0, rgb(255, 214, 80)}, {0.6, rgb(250, 150, 30)}, {1, rgb(220, 96, 16)}}));
    const Shape play = polygon({{9.4, 7.4}, {16.8, 12}, {9.4, 16.6}}) |
                       stroke({{9.4, 7.4}, {16.8, 12}, {9.4, 16.6}, {9.4, 7.4}}, 1.2);
    c.fill(Mask::of(play, Size, Size).blurred(0.5).shifted(0, 1), rgb(120, 50, 0, 0.5));
    c.fill(play, rgb(255, 255, 255));
    c.fill(disc(m.x, m.y, 10.4) & ellipse(m.x, m.y - 5, 8, 5.5),
           linear({0, 1}, {0, 11}, {{0, rgb(255, 255, 255, 0.55)}, {1, rgb(255, 255, 255, 0.0)}}));
}

void notepad(Canvas& c) {
    // A lined page with a blue binding strip.
    c.fill(roundRect(2.5, 2.5, 17.5, 22.5, 1.5), rgb(110, 104, 80));
    const Shape page = roundRect(3.3, 3.3, 16.7, 21.7, 1);
    c.fill(page, linear({0, 3}, {0, 22}, {{0, rgb(255, 252, 226)}, {1, rgb(244, 234, 190)}}));
    c.fill(rect(3.3, 3.3, 16.7, 6.3) & page,
           linear({0, 3}, {0, 6.3}, {{0, rgb(90, 150, 230)}, {1, rgb(40, 90, 180)}}));
    for (const double y : {9.0, 12.0, 15.0, 18.0})
        c.fill(rect(5, y, 15, y + 1), rgb(140, 170, 215));
    c.fill(rect(6.5, 6.3, 7.3, 21.7), rgb(230, 120, 120, 0.7));
    // A pencil across it.
    const Pt tip{9.0, 20.0};
    const Pt back{21.5, 5.0};
    const Pt along = (back - tip) * (1.0 / std::hypot(back.x - tip.x, back.y - tip.y));
    const Pt across{-along.y, along.x};
    auto at = [&](double t, double s) { return tip + along * t + across * s; };
    c.fill(polygon({at(0, 0), at(4.2, 1.75), at(4.2, -1.75)}), rgb(236, 204, 160));
    c.fill(polygon({at(0, 0), at(1.5, 0.62), at(1.5, -0.62)}), rgb(50, 50, 56));
    c.fill(polygon({at(4.2, 1.75), at(15.5, 1.75), at(15.5, -1.75), at(4.2, -1.75)}),
           linear(at(0, 1.75), at(0, -1.75),
                  {{0, rgb(200, 130, 10)}, {0.5, rgb(255, 210, 60)}, {1, rgb(230, 160, 20)}}));
    c.fill(polygon({at(15.5, 1.75), at(17.0, 1.75), at(17.0, -1.75), at(15.5, -1.75)}),
           rgb(190, 196, 206));
    c.fill(polygon({at(17.0, 1.75), at(18.6, 1.75), at(18.6, -1.75), at(17.0, -1.75)}) |
               disc(at(18.6, 0).x, at(18.6, 0).y, 1.75),
           rgb(236, 120, 140));
}

void calculator(Canvas& c) {
    const Shape body = roundRect(3.5, 1.5, 20.5, 22.5, 2.2);
    c.fill(body, rgb(36, 40, 48));
    c.fill(roundRect(4.3, 2.3, 19.7, 21.7, 1.6),
           linear({0, 2}, {0, 22}, {{0, rgb(132, 140, 154)}, {1, rgb(78, 84, 96)}}));
    c.fill(roundRect(5.5, 3.5, 18.5, 8.5, 0.8), rgb(40, 56, 44));
    c.fill(roundRect(6, 4, 18, 8, 0.6),
           linear({0, 4}, {0, 8}, {{0, rgb(200, 232, 176)}, {1, rgb(158, 200, 132)}}));
    c.fill(rect(11.5, 5.2, 12.5, 7.0) | rect(13.5, 5.2, 16.5, 6.0) | rect(15.5, 6.0, 16.5, 7.0) |
               rect(13.5, 6.5, 15.5, 7.0),
           rgb(40, 60, 40, 0.8));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            const double x = 5.5 + col * 4.5;
            const double y = 10.0 + row * 3.0;
            const bool equals = row == 3 && col == 2;
            c.fill(roundRect(x, y + 0.4, x + 3.6, y + 2.6, 0.6), rgb(20, 24, 30, 0.8));
            c.fill(roundRect(x, y, x + 3.6, y + 2.2, 0.6),
                   equals ? rgb(250, 150, 40) : rgb(232, 236, 242));
        }
}

}  // namespace

void drawShortcutIcons(Gallery& gallery) {
    gallery.add("design/image3.bmp", withShadow(recycleBin));
    gallery.add("design/image4.bmp", withShadow(fileSearch));
    gallery.add("design/image6.bmp", withShadow(programs));
    gallery.add("design/image5.bmp", withShadow(mediaPlayer));
    gallery.add("design/image7.bmp", withShadow(notepad));
    gallery.add("design/image8.bmp", withShadow(calculator));
}

}  // namespace brivane::artwork
