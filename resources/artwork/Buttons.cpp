// The player's buttons and the search button, each normal and lit (pressed).
//
// Every button is drawn over the very pixels it covers in the sidebar: the player plate for the
// player's buttons, the panel for the search button. The keyed buttons (play, open, pause,
// remove) put their key colour wherever the button leaves the plate untouched, and their soft
// edges are blended toward the plate, so they sit on it without a fringe. The opaque buttons
// (stop, prev, next) carry the plate itself, with the keyed buttons already on it, as their
// ground.
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "resources/artwork/Artwork.h"

namespace brivane::artwork {

namespace {

const Color SymbolWhite = rgb(252, 252, 252);

// A round glossy button of radius r centred on c. A lit button is brighter and glows.
void roundButton(Canvas& art, Pt c, double r, Color base, bool lit) {
    const int w = art.width();
    const int h = art.height();
    if (lit) {
        // The glow fades out inside the picture, so that no edge of the picture cuts it off,
        // and stays clear of the corners (the keyed buttons take their key from the
        // bottom-left one).
        const double reach = std::min({r + 3.5, c.x, w - c.x, c.y, h - c.y});
        Mask glow = Mask::of(disc(c.x, c.y, r + 0.8), w, h).blurred(0.8 + r * 0.12);
        glow.times(1.5).times(Mask::of(disc(c.x, c.y, reach - 0.6), w, h).blurred(0.6));
        art.fill(glow, base.shade(0.35).withAlpha(0.9));
    } else {
        art.fill(Mask::of(disc(c.x, c.y + 0.9, r), w, h).blurred(0.6 + r * 0.04),
                 rgb(0, 0, 0, 0.6));
    }
    const Color b = lit ? base.shade(0.14) : base;
    art.fill(disc(c.x, c.y, r),
             linear({0, c.y - r}, {0, c.y + r}, {{0, b.shade(-0.25)}, {1, b.shade(-0.62)}}));
    const double inner = r - (r > 9 ? 1.2 : 0.9);
    art.fill(disc(c.x, c.y, inner), radial({c.x, c.y + r * 0.6}, r * 1.45,
                                           {{0, b.shade(0.32)}, {0.55, b}, {1, b.shade(-0.32)}}));
    // A gloss over the upper half.
    art.fill(disc(c.x, c.y, inner) & ellipse(c.x, c.y - r * 0.45, r * 0.8, r * 0.56),
             linear({0, c.y - r}, {0, c.y},
                    {{0, rgb(255, 255, 255, lit ? 0.65 : 0.55)}, {1, rgb(255, 255, 255, 0.04)}}));
}

// A white symbol with a faint shadow under it.
void symbol(Canvas& art, const Shape& shape, double shadow = 0.35) {
    art.fill(Mask::of(moved(shape, {0, 0.7}), art.width(), art.height()).blurred(0.5),
             rgb(0, 0, 0, shadow));
    art.fill(shape, SymbolWhite);
}

// A triangle with rounded corners.
Shape roundedTriangle(Pt a, Pt b, Pt c, double rounding) {
    return polygon({a, b, c}) | stroke({a, b, c, a}, rounding);
}

using DrawButton = std::function<void(Canvas&, bool lit)>;

// The player plate as the sidebar shows it.
Canvas plateCanvas(const Gallery& gallery) {
    return Canvas::from(gallery.get("design/image1.bmp"));
}

// A keyed picture of w x h: the button over the plate at `at`, the key colour around it.
ui::Bitmap keyedButton(const Canvas& plate, Spot at, int w, int h, ui::Argb key, bool lit,
                       const DrawButton& draw) {
    Canvas art(w, h);
    draw(art, lit);
    ui::Bitmap picture = keyed(art, plate.crop(at.x, at.y, w, h), key);
    if (!ui::sameRgb(picture.pixel(0, h - 1), key))
        throw std::logic_error("a keyed button reaches its bottom-left corner");
    return picture;
}

// An opaque picture of w x h: the button over whatever lies beneath it at `at`.
ui::Bitmap opaqueButton(const Canvas& ground, Spot at, int w, int h, bool lit,
                        const DrawButton& draw) {
    Canvas art(w, h);
    draw(art, lit);
    Canvas flat = ground.crop(at.x, at.y, w, h);
    flat.draw(art);
    return flat.toBitmap(ui::PixelFormat::Bits24);
}

void play(Canvas& art, bool lit) {
    const Pt c{23, 24};
    roundButton(art, c, 19, rgb(44, 168, 72), lit);
    symbol(art,
           roundedTriangle({c.x - 4.6, c.y - 8.6}, {c.x + 8.8, c.y}, {c.x - 4.6, c.y + 8.6}, 2.6));
}

// The open button stays inside x < 9 or y < 13 of its picture: the prev button's picture,
// which is opaque, covers the rest of that corner.
void open(Canvas& art, bool lit) {
    const Pt c{8, 7};
    roundButton(art, c, 6, rgb(140, 84, 210), lit);
    symbol(art,
           roundedTriangle({c.x - 2.8, c.y + 1.0}, {c.x + 2.8, c.y + 1.0}, {c.x, c.y - 2.6}, 0.6) |
               rect(c.x - 3.1, c.y + 2.0, c.x + 3.1, c.y + 3.3),
           0.3);
}

void stop(Canvas& art, bool lit) {
    const Pt c{11.5, 11.5};
    roundButton(art, c, 10, rgb(216, 50, 46), lit);
    symbol(art, roundRect(c.x - 3.6, c.y - 3.6, c.x + 3.6, c.y + 3.6, 1.2));
}

// The pause button keeps its top row clear: the next button's picture covers it.
void pause(Canvas& art, bool lit) {
    const Pt c{13, 13.5};
    roundButton(art, c, 11, rgb(50, 110, 226), lit);
    symbol(art, roundRect(c.x - 4.6, c.y - 5.2, c.x - 1.4, c.y + 5.2, 0.8) |
                    roundRect(c.x + 1.4, c.y - 5.2, c.x + 4.6, c.y + 5.2, 0.8));
}

void remove(Canvas& art, bool lit) {
    const Pt c{8, 7.5};
    roundButton(art, c, 6.4, rgb(242, 134, 26), lit);
    symbol(art, roundRect(c.x - 3.4, c.y - 1.1, c.x + 3.4, c.y + 1.1, 0.7), 0.3);
}

void chevronButton(Canvas& art, bool lit, bool right) {
    const Pt c{8, 8};
    roundButton(art, c, 6.6, rgb(34, 138, 222), lit);
    const double s = right ? 1 : -1;
    symbol(
        art,
        stroke({{c.x - 1.3 * s, c.y - 3.1}, {c.x + 1.8 * s, c.y}, {c.x - 1.3 * s, c.y + 3.1}}, 1.9),
        0.3);
}

// The search button beside the search box: a grey magnifying glass on a dark key. The box
// covers the picture's first column, so the button starts at the second.
void search(Canvas& art, bool lit) {
    const Shape key = roundRect(1.5, 0.5, 20.5, 20.5, 4);
    art.fill(key, linear({0, 0}, {0, 21},
                         lit ? std::vector<Stop>{{0, rgb(132, 142, 158)}, {1, rgb(82, 90, 104)}}
                             : std::vector<Stop>{{0, rgb(96, 104, 118)}, {1, rgb(50, 56, 66)}}));
    const Shape inside = roundRect(2.5, 1.5, 19.5, 19.5, 3);
    art.fill(inside, linear({0, 1}, {0, 20},
                            lit ? std::vector<Stop>{{0, rgb(78, 86, 100)}, {1, rgb(48, 54, 64)}}
                                : std::vector<Stop>{{0, rgb(46, 51, 60)}, {1, rgb(26, 30, 36)}}));
    const Pt g{10.0, 9.2};
    const Color metal = lit ? rgb(246, 248, 250) : rgb(178, 184, 194);
    art.fill(
        Mask::of(ring(g.x, g.y + 0.8, 3.3, 5.4) | line({13.7, 13.6}, {16.8, 16.7}, 2.8), 21, 21)
            .blurred(0.6),
        rgb(0, 0, 0, 0.6));
    art.fill(disc(g.x, g.y, 3.4), radial({g.x - 1.2, g.y - 1.4}, 4.5,
                                         {{0, rgb(255, 255, 255, lit ? 0.55 : 0.35)},
                                          {1, rgb(150, 170, 200, lit ? 0.3 : 0.12)}}));
    art.fill(line({13.4, 13.2}, {16.6, 16.4}, 2.8), metal.shade(-0.25));
    art.fill(ring(g.x, g.y, 3.3, 5.3),
             linear({0, g.y - 5}, {0, g.y + 5}, {{0, metal.shade(0.3)}, {1, metal.shade(-0.2)}}));
}

}  // namespace

void drawPlayerButtons(Gallery& gallery) {
    const Canvas plate = plateCanvas(gallery);
    auto addKeyed = [&](const char* path, Spot at, int w, int h, ui::Argb key, bool lit,
                        const DrawButton& draw) {
        gallery.add(path, keyedButton(plate, at, w, h, key, lit, draw));
    };
    addKeyed("images/play.bmp", PlayOnPlate, 48, 48, Magenta, false, play);
    addKeyed("images/play1.bmp", PlayOnPlate, 48, 48, Magenta, true, play);
    addKeyed("images/open.bmp", OpenOnPlate, 16, 15, Magenta, false, open);
    addKeyed("images/open1.bmp", OpenOnPlate, 17, 17, Magenta, true, open);
    addKeyed("images/pause.bmp", PauseOnPlate, 26, 26, Magenta, false, pause);
    addKeyed("images/pause1.bmp", PauseOnPlate, 26, 26, Magenta, true, pause);
    addKeyed("images/remove1.bmp", RemoveOnPlate, 16, 16, Black, false, remove);
    addKeyed("images/remove.bmp", RemoveOnPlate, 16, 16, Black, true, remove);

    // The plate with the keyed buttons on it, as the opaque buttons' ground.
    Canvas scene = plate;
    placePicture(scene, gallery.get("images/play.bmp"), PlayOnPlate.x, PlayOnPlate.y, 46, 49,
                 Blend::Keyed);
    placePicture(scene, gallery.get("images/open.bmp"), OpenOnPlate.x, OpenOnPlate.y, 16, 15,
                 Blend::Keyed);
    placePicture(scene, gallery.get("images/pause.bmp"), PauseOnPlate.x, PauseOnPlate.y, 26, 26,
                 Blend::Keyed);
    placePicture(scene, gallery.get("images/remove1.bmp"), RemoveOnPlate.x, RemoveOnPlate.y, 16, 15,
                 Blend::Keyed);
    auto addOpaque = [&](const char* path, Spot at, int w, int h, bool lit,
                         const DrawButton& draw) {
        gallery.add(path, opaqueButton(scene, at, w, h, lit, draw));
    };
    addOpaque("images/stop.bmp", StopOnPlate, 23, 23, false, stop);
    addOpaque("images/stop1.bmp", StopOnPlate, 24, 24, true, stop);
    auto prev = [](Canvas& art, bool lit) { chevronButton(art, lit, false); };
    auto next = [](Canvas& art, bool lit) { chevronButton(art, lit, true); };
    addOpaque("images/prev.bmp", PrevOnPlate, 16, 16, false, prev);
    addOpaque("images/prev1.bmp", PrevOnPlate, 16, 16, true, prev);
    addOpaque("images/next.bmp", NextOnPlate, 16, 16, false, next);
    addOpaque("images/next1.bmp", NextOnPlate, 16, 16, true, next);

    // The search button sits on the panel, which is plain there.
    const Canvas panel = Canvas::from(gallery.get("images/panel.bmp"));
    for (const bool lit : {false, true}) {
        ui::Bitmap glass = opaqueButton(panel, SearchButton, 21, 21, lit, search);
        if (!lit) glass.setPixelFormat(ui::PixelFormat::Bits32);  // opaque, alpha 255
        gallery.add(lit ? "images/websearch1.bmp" : "images/websearch.bmp", std::move(glass));
    }
}

}  // namespace brivane::artwork
