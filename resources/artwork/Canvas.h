// The drawing surface of the artwork program: colours, coverage masks and a canvas that composes
// paint through masks, all in floating point, turned into the kit's bitmaps at the end.
#pragma once

#include <functional>
#include <vector>

#include "resources/artwork/Shapes.h"
#include "ui/Bitmap.h"

namespace brivane::artwork {

// A colour with straight (not premultiplied) alpha; every component from 0 to 1.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    // From 8-bit components.
    static Color rgb(int red, int green, int blue, double alpha = 1.0) {
        return {red / 255.0, green / 255.0, blue / 255.0, alpha};
    }
    Color withAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Moves the colour toward white (t > 0) or toward black (t < 0), keeping alpha.
    Color shade(double t) const;
};

inline Color rgb(int red, int green, int blue, double alpha = 1.0) {
    return Color::rgb(red, green, blue, alpha);
}

// Linear mix of two colours: t = 0 gives a, t = 1 gives b.
Color mix(Color a, Color b, double t);

// What a fill puts down at each pixel: evaluated at the pixel's centre.
class Paint {
public:
    Paint(Color color);  // NOLINT: a plain colour is the common paint
    explicit Paint(std::function<Color(double, double)> at);
    Color at(double x, double y) const { return at_ ? at_(x, y) : color_; }

private:
    Color color_;
    std::function<Color(double, double)> at_;
};

struct Stop {
    double t;
    Color color;
};

// A gradient along the line from `from` to `to`, clamped beyond its ends.
Paint linear(Pt from, Pt to, std::vector<Stop> stops);
// A gradient out from `centre`, reaching the last stop at radius rx across and ry down.
Paint radial(Pt centre, double rx, double ry, std::vector<Stop> stops);
inline Paint radial(Pt centre, double r, std::vector<Stop> stops) {
    return radial(centre, r, r, std::move(stops));
}
// The colour at t of a list of stops sorted by t.
Color colorAt(const std::vector<Stop>& stops, double t);

// How much of each pixel something covers, from 0 to 1.
class Mask {
public:
    Mask(int width, int height);
    // The coverage of `shape`, from samples x samples points per pixel.
    static Mask of(const Shape& shape, int width, int height, int samples = 8);

    int width() const { return width_; }
    int height() const { return height_; }
    float at(int x, int y) const;  // 0 outside the mask
    float& operator()(int x, int y) { return cover_[std::size_t(y) * width_ + x]; }

    // A Gaussian blur with the given standard deviation in pixels.
    Mask blurred(double sigma) const;
    // The mask moved by whole pixels.
    Mask shifted(int dx, int dy) const;
    // Pointwise operations.
    Mask& times(double factor);
    Mask& times(const Mask& other);
    Mask& minus(const Mask& other);
    Mask& plus(const Mask& other);

private:
    int width_;
    int height_;
    std::vector<float> cover_;
};

// A picture being drawn: premultiplied colours, rows top to bottom.
class Canvas {
public:
    Canvas(int width, int height, Color fill = Color{0, 0, 0, 0});
    // A canvas holding a bitmap's pixels (a 24-bit bitmap is opaque).
    static Canvas from(const ui::Bitmap& bitmap);

    int width() const { return width_; }
    int height() const { return height_; }

    void fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    void fill(const Mask& mask, const Paint& paint, double opacity = 1.0);
    // Paints every pixel.
    void fill(const Paint& paint);
    // Draws another canvas over this one with its top-left corner at (dx, dy).
    void draw(const Canvas& source, int dx = 0, int dy = 0, double opacity = 1.0);
    // The part of this canvas at (x, y) of the given size.
    Canvas crop(int x, int y, int width, int height) const;

    // The canvas's alpha channel as a mask.
    Mask alphaMask() const;

    // The colour at a pixel, straight alpha.
    Color pixel(int x, int y) const;
    double alpha(int x, int y) const { return px_[index(x, y)].a; }
    void setPixel(int x, int y, Color color);

    // The canvas as a 24-bit bitmap (flattened over black where not opaque) or a 32-bit one
    // with straight alpha.
    ui::Bitmap toBitmap(ui::PixelFormat format) const;

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * width_ + x; }
    void blend(int x, int y, Color c, double coverage);

    int width_;
    int height_;
    std::vector<Color> px_;  // premultiplied
};

// Flattens `art` over `ground` (a canvas of the same size) into a 24-bit bitmap in which every
// pixel that `art` leaves untouched has exactly the colour `key`, and no other pixel has it.
ui::Bitmap keyed(const Canvas& art, const Canvas& ground, ui::Argb key);

// How an image widget draws its picture.
enum class Blend {
    Opaque,  // every pixel
    Keyed,   // every pixel but those of the key colour (the picture's bottom-left pixel)
    Alpha,   // through the picture's alpha channel
};

// Draws a picture as an image widget at (x, y) of size w x h does: unscaled from its top-left
// corner and clipped to the widget.
void placePicture(Canvas& onto, const ui::Bitmap& picture, int x, int y, int w, int h, Blend blend);

// The 8-bit value of a component from 0 to 1.
int toByte(double v);

}  // namespace brivane::artwork
