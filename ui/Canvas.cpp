#include "ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/platform.h"

namespace brivane::ui {

Rect intersect(Rect a, Rect b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.empty()) return {};
    return r;
}

Rect unite(Rect a, Rect b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

namespace {

Argb blend(Argb over, Argb under) {
    const std::uint32_t a = over >> 24;
    if (a == 255) return over;
    if (a == 0) return under;
    const std::uint32_t na = 255 - a;
    auto channel = [&](int shift) {
        const std::uint32_t o = (over >> shift) & 0xFF;
        const std::uint32_t u = (under >> shift) & 0xFF;
        return ((o * a + u * na + 127) / 255) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// The part of `source` placed at `at` that falls inside both `clip` and the target.
Rect placedArea(const Bitmap& target, const Bitmap& source, Point at, Rect clip) {
    return intersect(intersect(clip, target.bounds()),
                     {at.x, at.y, at.x + source.width(), at.y + source.height()});
}

}  // namespace

void Canvas::fillRect(Rect area, Argb color) {
    const Rect r = intersect(area, target_.bounds());
    for (int y = r.top; y < r.bottom; ++y) std::fill_n(target_.scanLine(y) + r.left, r.width(), color);
}

void Canvas::copy(const Bitmap& source, Point at) {
    const Rect r = placedArea(target_, source, at, target_.bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* from = source.scanLine(y - at.y) + (r.left - at.x);
        std::uint32_t* to = target_.scanLine(y) + r.left;
        for (int i = 0; i < r.width(); ++i) to[i] = from[i] | 0xFF000000u;
    }
}

void Canvas::draw(const Bitmap& source, Point at, Rect clip) {
    const Rect r = placedArea(target_, source, at, clip);
    const bool alpha = source.pixelFormat() == PixelFormat::Bits32;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* from = source.scanLine(y - at.y) + (r.left - at.x);
        std::uint32_t* to = target_.scanLine(y) + r.left;
        if (alpha) {
            for (int i = 0; i < r.width(); ++i) to[i] = blend(from[i], to[i]);
        } else {
            for (int i = 0; i < r.width(); ++i) to[i] = from[i] | 0xFF000000u;
        }
    }
}

void Canvas::drawKeyed(const Bitmap& source, Point at, Rect clip, Argb key) {
    const Rect r = placedArea(target_, source, at, clip);
    const bool alpha = source.pixelFormat() == PixelFormat::Bits32;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* from = source.scanLine(y - at.y) + (r.left - at.x);
        std::uint32_t* to = target_.scanLine(y) + r.left;
        const int n = r.width();
        if (alpha) {
            for (int i = 0; i < n; ++i)
                if (!sameRgb(from[i], key)) to[i] = blend(from[i], to[i]);
        } else {
            // Branch-free, so the compiler can do several pixels at once.
            const std::uint32_t rgbKey = key & 0x00FFFFFFu;
            for (int i = 0; i < n; ++i) {
                const std::uint32_t p = from[i];
                to[i] = (p & 0x00FFFFFFu) == rgbKey ? to[i] : (p | 0xFF000000u);
            }
        }
    }
}

void Canvas::drawStretched(const Bitmap& source, Rect dest, Rect clip, bool keyed, Argb key) {
    if (source.empty() || dest.empty()) return;
    const Rect r = intersect(intersect(clip, target_.bounds()), dest);
    const bool alpha = source.pixelFormat() == PixelFormat::Bits32;
    for (int y = r.top; y < r.bottom; ++y) {
        const int sy = int(std::int64_t(y - dest.top) * source.height() / dest.height());
        const std::uint32_t* from = source.scanLine(sy);
        std::uint32_t* to = target_.scanLine(y);
        for (int x = r.left; x < r.right; ++x) {
            const int sx = int(std::int64_t(x - dest.left) * source.width() / dest.width());
            const Argb p = from[sx];
            if (keyed && sameRgb(p, key)) continue;
            to[x] = alpha ? blend(p, to[x]) : (p | 0xFF000000u);
        }
    }
}

void Canvas::moveTo(int x, int y) { position_ = {x, y}; }

namespace {

__extension__ typedef __int128 Wide;

// round(numerator / denominator) for denominator > 0, halves rounded up.
std::int64_t roundedQuotient(Wide numerator, std::int64_t denominator) {
    Wide twice = 2 * numerator + denominator;
    Wide d = 2 * Wide(denominator);
    Wide q = twice / d;
    if (twice % d != 0 && twice < 0) --q;  // floor
    return std::int64_t(q);
}

void plot(Bitmap& target, std::int64_t x, std::int64_t y, Argb color) {
    if (x < 0 || y < 0 || x >= target.width() || y >= target.height()) return;
    target.setPixel(int(x), int(y), color);
}

// A one-pixel line from `from` towards `to`, leaving out the pixel at `to`. Only the pixels that
// can fall inside the target are visited, however far away the ends lie.
void thinLine(Bitmap& target, Point from, Point to, Argb color) {
    const std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy == 0) return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major0 = xMajor ? x0 : y0, major1 = xMajor ? x1 : y1;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t dMajor = major1 - major0, dMinor = xMajor ? dy : dx;
    const std::int64_t limit = xMajor ? target.width() : target.height();
    // The visited major coordinates: from major0 up to, but without, major1.
    std::int64_t lo = std::min(major0, major1), hi = std::max(major0, major1);
    if (dMajor > 0) --hi; else ++lo;
    lo = std::max<std::int64_t>(lo, 0);
    hi = std::min<std::int64_t>(hi, limit - 1);
    const std::int64_t sign = dMajor > 0 ? 1 : -1;
    for (std::int64_t m = lo; m <= hi; ++m) {
        const std::int64_t minor =
            minor0 + roundedQuotient(Wide(m - major0) * dMinor * sign, dMajor * sign);
        if (xMajor) plot(target, m, minor, color);
        else plot(target, minor, m, color);
    }
}

// A line `width` pixels thick with round ends: every pixel whose centre lies within width / 2 of
// the segment between the two pixel centres.
void thickLine(Bitmap& target, Point from, Point to, int width, Argb color) {
    const double r = width / 2.0;
    const double ax = from.x + 0.5, ay = from.y + 0.5, bx = to.x + 0.5, by = to.y + 0.5;
    const std::int64_t left = std::max<std::int64_t>(0, std::int64_t(std::floor(std::min(ax, bx) - r)));
    const std::int64_t right =
        std::min<std::int64_t>(target.width() - 1, std::int64_t(std::ceil(std::max(ax, bx) + r)));
    const std::int64_t top = std::max<std::int64_t>(0, std::int64_t(std::floor(std::min(ay, by) - r)));
    const std::int64_t bottom =
        std::min<std::int64_t>(target.height() - 1, std::int64_t(std::ceil(std::max(ay, by) + r)));
    const double vx = bx - ax, vy = by - ay;
    const double length2 = vx * vx + vy * vy;
    for (std::int64_t y = top; y <= bottom; ++y) {
        for (std::int64_t x = left; x <= right; ++x) {
            const double px = x + 0.5 - ax, py = y + 0.5 - ay;
            double t = length2 > 0 ? (px * vx + py * vy) / length2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = px - t * vx, ey = py - t * vy;
            if (ex * ex + ey * ey <= r * r) target.setPixel(int(x), int(y), color);
        }
    }
}

}  // namespace

void Canvas::lineTo(int x, int y) {
    const Point to{x, y};
    if (pen.width() <= 1) thinLine(target_, position_, to, pen.color);
    else thickLine(target_, position_, to, pen.width(), pen.color);
    position_ = to;
}

void Canvas::textOut(Point at, Rect clip, const Font& font, const std::string& text) {
    if (text.empty()) return;
    platform::current().drawText(target_.view(), intersect(clip, target_.bounds()), at,
                                 font.spec(), font.color, text);
}

}  // namespace brivane::ui
