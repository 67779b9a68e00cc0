#include "ui/Bitmap.h"

#include <algorithm>

namespace brivane::ui {

Bitmap::Bitmap(int width, int height, PixelFormat format, Argb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      format_(format),
      pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

void Bitmap::setPixelFormat(PixelFormat format) {
    if (format == PixelFormat::Bits24) {
        for (auto& p : pixels_) p |= 0xFF000000u;
    }
    format_ = format;
}

void Bitmap::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    std::vector<std::uint32_t> next(std::size_t(width) * std::size_t(height), 0xFF000000u);
    const int w = std::min(width, width_);
    const int h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(scanLine(y), w, next.data() + std::size_t(y) * width);
    pixels_ = std::move(next);
    width_ = width;
    height_ = height;
}

}  // namespace brivane::ui
