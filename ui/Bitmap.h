// A picture in memory: 32-bit pixels (0xAARRGGBB, so B, G, R, A in memory), rows top to bottom,
// with the pixel format the picture is said to have. A 24-bit picture ignores its alpha bytes and
// is always drawn opaque; a 32-bit picture is drawn through its alpha channel.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace brivane::ui {

using Argb = platform::Argb;
using Rect = platform::Rect;
using Point = platform::Point;

constexpr Argb rgb(int r, int g, int b) {
    return 0xFF000000u | (std::uint32_t(r & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) |
           std::uint32_t(b & 0xFF);
}
constexpr Argb argb(int a, int r, int g, int b) {
    return (std::uint32_t(a & 0xFF) << 24) | (rgb(r, g, b) & 0x00FFFFFFu);
}
// A Windows COLORREF (0x00BBGGRR) as an opaque colour.
constexpr Argb fromColorRef(std::uint32_t colorRef) {
    return rgb(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}
constexpr int redOf(Argb c) { return int((c >> 16) & 0xFF); }
constexpr int greenOf(Argb c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Argb c) { return int(c & 0xFF); }
constexpr int alphaOf(Argb c) { return int(c >> 24); }
constexpr bool sameRgb(Argb a, Argb b) { return ((a ^ b) & 0x00FFFFFFu) == 0; }

enum class PixelFormat { Bits24, Bits32 };

class Bitmap {
public:
    Bitmap() = default;
    // A picture of the given size, filled with `fill`.
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bits24,
           Argb fill = 0xFF000000u);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    PixelFormat pixelFormat() const { return format_; }
    // Converting to 24 bits drops the alpha channel: every pixel becomes opaque, keeping its
    // colour bytes as they are (as the system's own conversion does).
    void setPixelFormat(PixelFormat format);

    // Changes the size; kept pixels stay where they are, new ones are black.
    void resize(int width, int height);

    Argb pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
    void setPixel(int x, int y, Argb color) { pixels_[std::size_t(y) * width_ + x] = color; }
    std::uint32_t* scanLine(int y) { return pixels_.data() + std::size_t(y) * width_; }
    const std::uint32_t* scanLine(int y) const { return pixels_.data() + std::size_t(y) * width_; }
    std::vector<std::uint32_t>& pixels() { return pixels_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    platform::PixelView view() { return {pixels_.data(), width_, height_, width_}; }
    platform::ConstPixelView view() const { return {pixels_.data(), width_, height_, width_}; }
    platform::ConstPixelView constView() const { return view(); }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bits24;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace brivane::ui
