#include "resources/artwork/Canvas.h"

#include <algorithm>
#include <cmath>

namespace brivane::artwork {

int toByte(double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

Color Color::shade(double t) const {
    const double target = t > 0 ? 1.0 : 0.0;
    const double k = std::abs(t);
    return {r + (target - r) * k, g + (target - g) * k, b + (target - b) * k, a};
}

Color mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

// --- paint ----------------------------------------------------------------------------------

Paint::Paint(Color color) : color_(color) {}

Paint::Paint(std::function<Color(double, double)> at) : at_(std::move(at)) {}

Color colorAt(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().t) return stops.front().color;
    if (t >= stops.back().t) return stops.back().color;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].t) {
            const Stop& a = stops[i - 1];
            const Stop& b = stops[i];
            const double span = b.t - a.t;
            return mix(a.color, b.color, span > 0 ? (t - a.t) / span : 1.0);
        }
    }
    return stops.back().color;
}

Paint linear(Pt from, Pt to, std::vector<Stop> stops) {
    const Pt d = to - from;
    const double len2 = d.x * d.x + d.y * d.y;
    return Paint([=](double x, double y) {
        const double t = ((x - from.x) * d.x + (y - from.y) * d.y) / len2;
        return colorAt(stops, t);
    });
}

Paint radial(Pt centre, double rx, double ry, std::vector<Stop> stops) {
    return Paint([=](double x, double y) {
        const double dx = (x - centre.x) / rx;
        const double dy = (y - centre.y) / ry;
        return colorAt(stops, std::sqrt(dx * dx + dy * dy));
    });
}

// --- mask -----------------------------------------------------------------------------------

Mask::Mask(int width, int height)
    : width_(width), height_(height), cover_(std::size_t(width) * height, 0.0f) {}

float Mask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return cover_[std::size_t(y) * width_ + x];
}

Mask Mask::of(const Shape& shape, int width, int height, int samples) {
    Mask m(width, height);
    const int x0 = std::max(0, int(std::floor(shape.box.x0)) - 1);
    const int y0 = std::max(0, int(std::floor(shape.box.y0)) - 1);
    const int x1 = std::min(width, int(std::ceil(shape.box.x1)) + 1);
    const int y1 = std::min(height, int(std::ceil(shape.box.y1)) + 1);
    const double step = 1.0 / samples;
    const float unit = 1.0f / float(samples * samples);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int inside = 0;
            for (int j = 0; j < samples; ++j) {
                const double sy = y + (j + 0.5) * step;
                for (int i = 0; i < samples; ++i)
                    if (shape.contains(x + (i + 0.5) * step, sy)) ++inside;
            }
            m(x, y) = float(inside) * unit;
        }
    }
    return m;
}

Mask Mask::blurred(double sigma) const {
    const int radius = std::max(1, int(std::ceil(sigma * 3)));
    std::vector<float> kernel(std::size_t(2 * radius + 1));
    float sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        kernel[std::size_t(i + radius)] = float(std::exp(-(i * i) / (2 * sigma * sigma)));
        sum += kernel[std::size_t(i + radius)];
    }
    for (auto& k : kernel) k /= sum;
    Mask across(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[std::size_t(i + radius)] * at(x + i, y);
            across(x, y) = v;
        }
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[std::size_t(i + radius)] * across.at(x, y + i);
            out(x, y) = v;
        }
    return out;
}

Mask Mask::shifted(int dx, int dy) const {
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out(x, y) = at(x - dx, y - dy);
    return out;
}

Mask& Mask::times(double factor) {
    for (auto& c : cover_) c = std::clamp(float(c * factor), 0.0f, 1.0f);
    return *this;
}

Mask& Mask::times(const Mask& other) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) (*this)(x, y) = at(x, y) * other.at(x, y);
    return *this;
}

Mask& Mask::minus(const Mask& other) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) (*this)(x, y) = std::max(0.0f, at(x, y) - other.at(x, y));
    return *this;
}

Mask& Mask::plus(const Mask& other) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) (*this)(x, y) = std::min(1.0f, at(x, y) + other.at(x, y));
    return *this;
}

// --- canvas ---------------------------------------------------------------------------------

Canvas::Canvas(int width, int height, Color fill)
    : width_(width),
      height_(height),
      px_(std::size_t(width) * height,
          Color{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a}) {}

Canvas Canvas::from(const ui::Bitmap& bitmap) {
    Canvas c(bitmap.width(), bitmap.height());
    const bool alpha = bitmap.pixelFormat() == ui::PixelFormat::Bits32;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const ui::Argb p = bitmap.pixel(x, y);
            c.setPixel(x, y,
                       Color::rgb(ui::redOf(p), ui::greenOf(p), ui::blueOf(p),
                                  alpha ? ui::alphaOf(p) / 255.0 : 1.0));
        }
    return c;
}

void Canvas::blend(int x, int y, Color c, double coverage) {
    const double a = std::clamp(c.a * coverage, 0.0, 1.0);
    if (a <= 0) return;
    Color& d = px_[index(x, y)];
    d.r = c.r * a + d.r * (1 - a);
    d.g = c.g * a + d.g * (1 - a);
    d.b = c.b * a + d.b * (1 - a);
    d.a = a + d.a * (1 - a);
}

void Canvas::fill(const Shape& shape, const Paint& paint, double opacity) {
    fill(Mask::of(shape, width_, height_), paint, opacity);
}

void Canvas::fill(const Mask& mask, const Paint& paint, double opacity) {
    const int w = std::min(width_, mask.width());
    const int h = std::min(height_, mask.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float m = mask.at(x, y);
            if (m <= 0) continue;
            blend(x, y, paint.at(x + 0.5, y + 0.5), m * opacity);
        }
}

void Canvas::fill(const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) blend(x, y, paint.at(x + 0.5, y + 0.5), 1.0);
}

void Canvas::draw(const Canvas& source, int dx, int dy, double opacity) {
    for (int y = 0; y < source.height_; ++y) {
        const int ty = y + dy;
        if (ty < 0 || ty >= height_) continue;
        for (int x = 0; x < source.width_; ++x) {
            const int tx = x + dx;
            if (tx < 0 || tx >= width_) continue;
            const Color s = source.px_[source.index(x, y)];
            const double a = s.a * opacity;
            if (a <= 0) continue;
            Color& d = px_[index(tx, ty)];
            d.r = s.r * opacity + d.r * (1 - a);
            d.g = s.g * opacity + d.g * (1 - a);
            d.b = s.b * opacity + d.b * (1 - a);
            d.a = a + d.a * (1 - a);
        }
    }
}

Canvas Canvas::crop(int x, int y, int width, int height) const {
    Canvas out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (x + i >= 0 && x + i < width_ && y + j >= 0 && y + j < height_)
                out.px_[out.index(i, j)] = px_[index(x + i, y + j)];
    return out;
}

Mask Canvas::alphaMask() const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) m(x, y) = float(px_[index(x, y)].a);
    return m;
}

Color Canvas::pixel(int x, int y) const {
    const Color p = px_[index(x, y)];
    if (p.a <= 0) return {0, 0, 0, 0};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Canvas::setPixel(int x, int y, Color c) {
    px_[index(x, y)] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

ui::Bitmap Canvas::toBitmap(ui::PixelFormat format) const {
    ui::Bitmap out(width_, height_, format);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Color p = px_[index(x, y)];
            if (format == ui::PixelFormat::Bits24) {
                out.setPixel(x, y, ui::rgb(toByte(p.r), toByte(p.g), toByte(p.b)));
            } else {
                const int a = toByte(p.a);
                const Color s = pixel(x, y);
                out.setPixel(x, y,
                             a == 0 ? 0u : ui::argb(a, toByte(s.r), toByte(s.g), toByte(s.b)));
            }
        }
    return out;
}

ui::Bitmap keyed(const Canvas& art, const Canvas& ground, ui::Argb key) {
    Canvas flat = ground;
    flat.draw(art);
    ui::Bitmap out = flat.toBitmap(ui::PixelFormat::Bits24);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            if (art.alpha(x, y) < 0.5 / 255) {
                out.setPixel(x, y, key);
            } else if (ui::sameRgb(out.pixel(x, y), key)) {
                // One step off the key, so the pixel is still drawn.
                const ui::Argb p = out.pixel(x, y);
                const int b = ui::blueOf(p);
                out.setPixel(x, y, ui::rgb(ui::redOf(p), ui::greenOf(p), b > 0 ? b - 1 : 1));
            }
        }
    return out;
}

void placePicture(Canvas& onto, const ui::Bitmap& picture, int x, int y, int w, int h,
                  Blend blend) {
    if (picture.empty()) return;
    const ui::Argb key = picture.pixel(0, picture.height() - 1);
    const bool alpha = blend == Blend::Alpha && picture.pixelFormat() == ui::PixelFormat::Bits32;
    const int cw = std::min(w, picture.width());
    const int ch = std::min(h, picture.height());
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i) {
            const int tx = x + i;
            const int ty = y + j;
            if (tx < 0 || ty < 0 || tx >= onto.width() || ty >= onto.height()) continue;
            const ui::Argb p = picture.pixel(i, j);
            if (blend == Blend::Keyed && ui::sameRgb(p, key)) continue;
            const Color c = rgb(ui::redOf(p), ui::greenOf(p), ui::blueOf(p),
                                alpha ? ui::alphaOf(p) / 255.0 : 1.0);
            if (c.a >= 1.0) {
                onto.setPixel(tx, ty, c);
            } else {
                Canvas dot(1, 1, c);
                onto.draw(dot, tx, ty);
            }
        }
}

}  // namespace brivane::artwork
