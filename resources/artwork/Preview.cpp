// Previews for judging the artwork in place: the sidebar composed from its pictures in both clock
// layouts and once more with every button pressed, and the settings window. Native controls are
// only hinted at and no text is drawn.
#include <cmath>
#include <numbers>

#include "resources/artwork/Artwork.h"

namespace brivane::artwork {

namespace {

// The tops of the widgets that the clock layouts move; lefts never change.
struct Layout {
    bool analog;
    int slideFrame, slide, shortcuts, listBox, playerPlate, search, calendar;
    const char* calendarPicture;
};

constexpr Layout AnalogLayout{true, 118, 124, 224, 295, 390, 462, 495, "images/calendar1.bmp"};
constexpr Layout DigitalLayout{false, 48, 54, 154, 225, 321, 393, 424, "images/calendar.bmp"};

// A hand as the platform's pen draws it: solid, not smoothed.
void hand(ui::Bitmap& face, double angle, int length, int width, ui::Argb color) {
    const Pt from{PivotX + 0.5, PivotY + 0.5};
    const Pt to{from.x + std::round(length * std::cos(angle)),
                from.y + std::round(length * std::sin(angle))};
    const Mask m = Mask::of(line(from, to, std::max(width, 1)), face.width(), face.height(), 1);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (m.at(x, y) > 0.5f) face.setPixel(x, y, color);
}

// The clock face with the hands at 10:08:37, as a tick draws it.
ui::Bitmap clockAt(const Gallery& gallery) {
    ui::Bitmap face = gallery.get("images/ceas2.bmp");
    face.setPixelFormat(ui::PixelFormat::Bits24);
    constexpr double Pi = std::numbers::pi;
    hand(face, 37 * Pi / 30 - Pi / 2, 40, 1, Black);
    hand(face, 10 * Pi / 6 - Pi / 2, 24, 4, Black);
    hand(face, 8 * Pi / 30 - Pi / 2, 36, 3, ui::rgb(48, 140, 198));
    return face;
}

void frame(Canvas& c, int x, int y, int w, int h, Color fill, Color edge) {
    c.fill(rect(x, y, x + w, y + h), edge);
    c.fill(rect(x + 1, y + 1, x + w - 1, y + h - 1), fill);
}

void composeSidebar(Canvas& c, const Gallery& g, const Layout& l, int ox, bool pressed) {
    auto put = [&](const char* path, int x, int y, int w, int h, Blend blend) {
        placePicture(c, g.get(path), ox + x, y, w, h, blend);
    };
    put("images/panel.bmp", 0, 0, 122, 545, Blend::Opaque);
    if (!l.analog) put("design/ceasimg.bmp", 21, 8, 85, 35, Blend::Opaque);
    put("design/slideimg.bmp", 6, l.slideFrame, 114, 104, Blend::Keyed);
    put("design/shortcutsimg.bmp", 6, l.shortcuts, 116, 69, Blend::Opaque);
    put("Slide/10.bmp", 11, l.slide, 103, 92, Blend::Opaque);
    const int p = l.playerPlate;
    put("design/image1.bmp", PlayerPlate.x, p, 116, 69, Blend::Opaque);
    put(pressed ? "images/play1.bmp" : "images/play.bmp", 40, p + 8, 46, 49, Blend::Keyed);
    put(pressed ? "images/open1.bmp" : "images/open.bmp", 14, p + 7, 16, 15, Blend::Keyed);
    put(pressed ? "images/stop1.bmp" : "images/stop.bmp", 14, p + 38, 23, 23, Blend::Opaque);
    put(pressed ? "images/pause1.bmp" : "images/pause.bmp", 88, p + 37, 26, 26, Blend::Keyed);
    const int s = l.shortcuts;
    put("design/image3.bmp", 16, s + 8, 24, 24, Blend::Alpha);
    put("design/image4.bmp", 16, s + 38, 24, 24, Blend::Alpha);
    put("design/image6.bmp", 51, s + 8, 24, 24, Blend::Alpha);
    put(pressed ? "images/remove.bmp" : "images/remove1.bmp", 97, p + 7, 16, 15, Blend::Keyed);
    put(pressed ? "images/websearch1.bmp" : "images/websearch.bmp", 97, l.search, 21, 21,
        Blend::Opaque);
    put("design/image7.bmp", 50, s + 38, 24, 24, Blend::Alpha);
    put("design/image5.bmp", 85, s + 8, 24, 24, Blend::Alpha);
    put("design/image8.bmp", 85, s + 38, 24, 24, Blend::Alpha);
    if (l.analog) placePicture(c, clockAt(g), ox + 10, 8, 105, 105, Blend::Keyed);
    put(pressed ? "images/prev1.bmp" : "images/prev.bmp", 23, p + 20, 16, 16, Blend::Opaque);
    put(pressed ? "images/next1.bmp" : "images/next.bmp", 86, p + 22, 16, 17, Blend::Opaque);
    put(l.calendarPicture, 8, l.calendar, 110, 119, Blend::Opaque);
    // The native controls above everything: the search box and the playlist.
    frame(c, ox + 8, l.search, 90, 21, rgb(255, 255, 255), rgb(122, 138, 153));
    frame(c, ox + 6, l.listBox, 113, 81, rgb(0, 0, 0), rgb(160, 160, 160));
}

}  // namespace

ui::Bitmap sidebarPreview(const Gallery& gallery) {
    Canvas c(122 * 3 + 20, 545, rgb(90, 110, 140));
    composeSidebar(c, gallery, AnalogLayout, 0, false);
    composeSidebar(c, gallery, DigitalLayout, 132, false);
    composeSidebar(c, gallery, AnalogLayout, 264, true);
    return c.toBitmap(ui::PixelFormat::Bits24);
}

ui::Bitmap settingsPreview(const Gallery& gallery) {
    Canvas c(500, 300);
    placePicture(c, gallery.get("design/form3_background.bmp"), 0, 0, 500, 300, Blend::Opaque);
    placePicture(c, gallery.get("design/form3_tile.bmp"), 16, 56, 66, 76, Blend::Keyed);
    placePicture(c, gallery.get("design/form3_digital.bmp"), 100, 64, 50, 49, Blend::Alpha);
    placePicture(c, gallery.get("design/form3_analog.bmp"), 24, 64, 50, 50, Blend::Alpha);
    frame(c, 416, 264, 75, 25, rgb(225, 225, 225), rgb(110, 110, 110));
    return c.toBitmap(ui::PixelFormat::Bits24);
}

}  // namespace brivane::artwork
