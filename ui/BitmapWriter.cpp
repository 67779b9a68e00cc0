// Writing .bmp files: uncompressed and bottom-up, 24 bits with an info header, or 32 bits with a
// V5 header whose masks name the alpha channel.
#include "ui/BitmapFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace brivane::ui {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBitmapFile(const Bitmap& bitmap) {
    const bool alpha = bitmap.pixelFormat() == PixelFormat::Bits32;
    const std::uint32_t headerSize = alpha ? 124 : 40;
    const std::uint32_t rowBytes = alpha ? std::uint32_t(bitmap.width()) * 4
                                         : (std::uint32_t(bitmap.width()) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(bitmap.height());
    const std::uint32_t offset = 14 + headerSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);

    put32(out, headerSize);
    put32(out, std::uint32_t(bitmap.width()));
    put32(out, std::uint32_t(bitmap.height()));
    put16(out, 1);
    put16(out, alpha ? 32 : 24);
    put32(out, alpha ? 3 : 0);  // BI_BITFIELDS : BI_RGB
    put32(out, imageBytes);
    put32(out, 3780);  // 96 pixels per inch
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    if (alpha) {
        put32(out, 0x00FF0000);  // red
        put32(out, 0x0000FF00);  // green
        put32(out, 0x000000FF);  // blue
        put32(out, 0xFF000000);  // alpha
        put32(out, 0x73524742);  // 'sRGB'
        for (int i = 0; i < 9; ++i) put32(out, 0);  // end points
        put32(out, 0);  // gamma red, green, blue
        put32(out, 0);
        put32(out, 0);
        put32(out, 4);  // intent: LCS_GM_IMAGES
        put32(out, 0);  // profile data
        put32(out, 0);  // profile size
        put32(out, 0);  // reserved
    }

    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const std::uint32_t* row = bitmap.scanLine(y);
        std::size_t written = 0;
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t p = row[x];
            out.push_back(std::uint8_t(p));
            out.push_back(std::uint8_t(p >> 8));
            out.push_back(std::uint8_t(p >> 16));
            written += 3;
            if (alpha) {
                out.push_back(std::uint8_t(p >> 24));
                ++written;
            }
        }
        for (; written < rowBytes; ++written) out.push_back(0);
    }
    return out;
}

void saveBitmapFile(const Bitmap& bitmap, const std::string& path) {
    const std::vector<std::uint8_t> bytes = encodeBitmapFile(bitmap);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw BitmapError("Cannot write file \"" + path + "\". " + std::strerror(errno));
}

}  // namespace brivane::ui
