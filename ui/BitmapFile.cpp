// Reading .bmp files.
//
// A file is a BITMAPFILEHEADER ("BM", the file size, the offset of the pixels), then one of the
// bitmap headers (core 12 bytes; OS/2 2.x 16 or 64; info 40; V2 52; V3 56; V4 108; V5 124), then
// the bit-field masks when an info header asks for them, then the colour table, then the pixels.
// Every size and offset comes from the file, so each is checked against the file's length and the
// picture limits before it is used; all of that arithmetic is done in 64 bits.
#include "ui/BitmapFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace brivane::ui {

namespace {

[[noreturn]] void notValid(const std::string& detail) {
    throw BitmapError("Bitmap image is not valid: " + detail);
}

constexpr std::uint64_t FileHeaderSize = 14;

// Compression codes of the info headers.
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiRle8 = 1;
constexpr std::uint32_t BiRle4 = 2;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::uint32_t BiAlphaBitfields = 6;

constexpr Argb Black = 0xFF000000u;

std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// One colour channel of a bit-field pixel, widened or narrowed to 8 bits: a narrow field repeats
// its bits (5-bit 31 gives 255, 16 gives 132), a wide one keeps its top 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask),
          shift_(mask ? std::countr_zero(mask) : 0),
          bits_(std::bit_width(mask >> shift_)) {
        if (bits_ > 0 && bits_ < 8) {
            for (std::uint32_t v = 0; v < (1u << bits_); ++v) {
                std::uint32_t wide = 0;
                for (int at = 8 - bits_; at > -bits_; at -= bits_)
                    wide |= at >= 0 ? v << at : v >> -at;
                widened_[v] = std::uint8_t(wide);
            }
        }
    }

    bool present() const { return mask_ != 0; }

    std::uint32_t operator()(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask_) >> shift_;
        if (bits_ >= 8) return v >> (bits_ - 8);
        return widened_[v];
    }

private:
    std::uint32_t mask_;
    int shift_;
    int bits_;
    std::array<std::uint8_t, 128> widened_{};
};

struct Masks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
};

// What the headers say, checked.
struct Layout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BiRgb;
    Masks masks;
    std::uint64_t pixelOffset = 0;
};

using Palette = std::array<Argb, 256>;

// Reads the headers and the colour table; throws on every fault found there.
Layout readHeaders(std::span<const std::uint8_t> file, Palette& palette) {
    const std::uint64_t size = file.size();
    const std::uint8_t* d = file.data();
    if (size == 0) notValid("the file is empty");
    if (size < 2 || d[0] != 'B' || d[1] != 'M') notValid("the file does not begin with \"BM\"");
    if (size < FileHeaderSize + 4) notValid("the file ends inside the bitmap header");

    const std::uint64_t pixelOffset = u32(d + 10);
    const std::uint32_t headerSize = u32(d + 14);
    switch (headerSize) {
        case 12:   // OS/2 1.x, BITMAPCOREHEADER
        case 16:   // OS/2 2.x, shortened
        case 40:   // BITMAPINFOHEADER
        case 52:   // BITMAPV2INFOHEADER
        case 56:   // BITMAPV3INFOHEADER
        case 64:   // OS/2 2.x
        case 108:  // BITMAPV4HEADER
        case 124:  // BITMAPV5HEADER
            break;
        default:
            notValid("unknown bitmap header size " + std::to_string(headerSize));
    }
    if (size < FileHeaderSize + headerSize) notValid("the file ends inside the bitmap header");
    const std::uint8_t* h = d + FileHeaderSize;

    Layout layout;
    std::int64_t width = 0;
    std::int64_t height = 0;
    int planes = 0;
    std::uint32_t colorsUsed = 0;
    std::uint64_t entrySize = 4;
    if (headerSize == 12) {
        width = u16(h + 4);
        height = u16(h + 6);
        planes = u16(h + 8);
        layout.bitCount = u16(h + 10);
        entrySize = 3;
    } else {
        width = std::int32_t(u32(h + 4));
        height = std::int32_t(u32(h + 8));
        planes = u16(h + 12);
        layout.bitCount = u16(h + 14);
        if (headerSize >= 40) {
            layout.compression = u32(h + 16);
            colorsUsed = u32(h + 32);
        }
    }

    if (planes != 1)
        notValid("the number of colour planes is " + std::to_string(planes) + ", not 1");
    const int bits = layout.bitCount;
    const std::uint32_t compression = layout.compression;
    bool supported = false;
    if (headerSize == 12) {
        supported = bits == 1 || bits == 4 || bits == 8 || bits == 24;
    } else if (compression == BiRgb) {
        supported = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    } else if (headerSize == 64) {
        // OS/2 2.x gives codes 3 and 4 to Huffman and RLE24 coding, which are not read here.
        supported = (compression == BiRle8 && bits == 8) || (compression == BiRle4 && bits == 4);
    } else if (compression == BiRle8) {
        supported = bits == 8;
    } else if (compression == BiRle4) {
        supported = bits == 4;
    } else if (compression == BiBitfields || compression == BiAlphaBitfields) {
        supported = bits == 16 || bits == 32;
    }
    if (!supported) {
        notValid(std::to_string(bits) + "-bit pixels with compression " +
                 std::to_string(compression) + " are not supported");
    }

    if (width <= 0) notValid("the width is zero or negative");
    if (height == 0) notValid("the height is zero");
    layout.topDown = height < 0;
    if (layout.topDown) height = -height;
    if (width > MaxBitmapSide || height > MaxBitmapSide) {
        notValid("the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                 " pixels, more than " + std::to_string(MaxBitmapSide) + " on a side");
    }
    if (std::uint64_t(width) * std::uint64_t(height) * 4 > MaxBitmapBytes) {
        notValid("the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                 " pixels, more than " + std::to_string(MaxBitmapBytes >> 20) + " MiB in memory");
    }
    const bool rle = compression == BiRle8 || compression == BiRle4;
    if (rle && layout.topDown) notValid("a run-length compressed picture cannot be top-down");
    layout.width = int(width);
    layout.height = int(height);

    // Bit-field masks: inside the V2 and later headers, or just after an info header.
    std::uint64_t tableOffset = FileHeaderSize + headerSize;
    if (compression == BiBitfields || compression == BiAlphaBitfields) {
        const std::uint8_t* m = nullptr;
        bool hasAlpha = false;
        if (headerSize >= 52) {
            m = h + 40;
            hasAlpha = headerSize >= 56;
        } else {
            hasAlpha = compression == BiAlphaBitfields;
            const std::uint64_t maskBytes = hasAlpha ? 16 : 12;
            if (size < tableOffset + maskBytes) notValid("the file ends inside the colour masks");
            m = d + tableOffset;
            tableOffset += maskBytes;
        }
        layout.masks = {u32(m), u32(m + 4), u32(m + 8), hasAlpha ? u32(m + 12) : 0u};
    } else if (bits == 16) {
        layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (bits == 32) {
        layout.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    }

    if (pixelOffset < tableOffset) notValid("the pixel data begins inside the bitmap header");
    if (pixelOffset > size) notValid("the pixel data begins past the end of the file");
    layout.pixelOffset = pixelOffset;

    // The colour table: as many entries as the depth allows, or as the header says are used,
    // but no more than fit before the pixels.
    palette.fill(Black);
    if (bits <= 8) {
        std::uint64_t entries = std::uint64_t(1) << bits;
        if (colorsUsed != 0 && colorsUsed < entries) entries = colorsUsed;
        entries = std::min(entries, (pixelOffset - tableOffset) / entrySize);
        if (tableOffset + entries * entrySize > size) {
            notValid("the file ends inside the colour table");
        }
        const std::uint8_t* t = d + tableOffset;
        for (std::uint64_t i = 0; i < entries; ++i, t += entrySize)
            palette[i] = rgb(t[2], t[1], t[0]);
    }
    return layout;
}

// Uncompressed rows, each padded to four bytes.
void readRows(std::span<const std::uint8_t> file, const Layout& layout, const Palette& palette,
              Bitmap& out) {
    const std::uint64_t rowBits = std::uint64_t(layout.width) * std::uint64_t(layout.bitCount);
    const std::uint64_t rowBytes = (rowBits + 7) / 8;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row may lack its padding.
    const std::uint64_t needed = stride * std::uint64_t(layout.height - 1) + rowBytes;
    if (needed > file.size() - layout.pixelOffset) {
        notValid("the file ends inside the pixel data");
    }

    const int w = layout.width;
    const Masks& m = layout.masks;
    const Channel red(m.red), green(m.green), blue(m.blue), alpha(m.alpha);
    const bool plain32 = layout.bitCount == 32 && m.red == 0x00FF0000 && m.green == 0x0000FF00 &&
                         m.blue == 0x000000FF && (m.alpha == 0 || m.alpha == 0xFF000000u);
    const bool keepAlpha =
        layout.bitCount == 32 && (alpha.present() || layout.compression == BiRgb);

    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* s = file.data() + layout.pixelOffset + std::uint64_t(row) * stride;
        std::uint32_t* p = out.scanLine(layout.topDown ? row : layout.height - 1 - row);
        switch (layout.bitCount) {
            case 1:
                for (int x = 0; x < w; ++x) p[x] = palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                for (int x = 0; x < w; ++x) p[x] = palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                break;
            case 8:
                for (int x = 0; x < w; ++x) p[x] = palette[s[x]];
                break;
            case 16:
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t v = u16(s + 2 * x);
                    p[x] = Black | (red(v) << 16) | (green(v) << 8) | blue(v);
                }
                break;
            case 24:
                for (int x = 0; x < w; ++x, s += 3) p[x] = rgb(s[2], s[1], s[0]);
                break;
            case 32:
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t v = u32(s + 4 * x);
                    if (plain32) {
                        p[x] = keepAlpha ? v : (v | Black);
                    } else {
                        p[x] = (red(v) << 16) | (green(v) << 8) | blue(v) |
                               (alpha.present() ? alpha(v) << 24 : Black);
                    }
                }
                break;
        }
    }
}

// Run-length compressed rows, bottom-up. Pixels no code reaches stay black. Runs may go on into
// the row's padding (to four bytes, as uncompressed rows are): some writers encode the padded
// row. What lies there is dropped; a run past the padding is a fault.
void readRuns(std::span<const std::uint8_t> file, const Layout& layout, const Palette& palette,
              Bitmap& out) {
    const bool four = layout.compression == BiRle4;
    const std::uint8_t* d = file.data();
    const std::uint64_t end = file.size();
    std::uint64_t pos = layout.pixelOffset;
    const std::int64_t w = layout.width;
    const std::int64_t h = layout.height;
    const std::int64_t paddedWidth = four ? (w + 7) & ~std::int64_t(7) : (w + 3) & ~std::int64_t(3);
    std::int64_t x = 0;
    std::int64_t y = 0;  // counted from the bottom row

    // Where a run of `count` pixels goes, and how many of them lie inside the picture.
    const auto startRun = [&](std::int64_t count, int& shown) {
        if (y >= h) notValid("a run of the compressed pixel data lies past the last row");
        if (x + count > paddedWidth)
            notValid("a run of the compressed pixel data goes past the end of a row");
        shown = int(std::clamp<std::int64_t>(w - x, 0, count));
        return out.scanLine(int(h - 1 - y)) + std::min(x, w);
    };
    const auto need = [&](std::uint64_t bytes) {
        if (end - pos < bytes) notValid("the file ends inside the compressed pixel data");
    };

    // A file may end without its end-of-bitmap code: the picture ends with the data.
    while (pos < end) {
        need(2);
        const int count = d[pos];
        const int value = d[pos + 1];
        pos += 2;
        if (count > 0) {
            int shown = 0;
            std::uint32_t* p = startRun(count, shown);
            if (four) {
                const Argb colors[2] = {palette[value >> 4], palette[value & 0xF]};
                for (int i = 0; i < shown; ++i) p[i] = colors[i & 1];
            } else {
                std::fill_n(p, shown, palette[value]);
            }
            x += count;
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // move right and up
            need(2);
            x += d[pos];
            y += d[pos + 1];
            pos += 2;
            if (x > paddedWidth || y > h)
                notValid("a move in the compressed pixel data leaves the picture");
        } else {  // a run of literal pixels, padded to a 16-bit boundary
            const int n = value;
            const std::uint64_t bytes = four ? std::uint64_t(n + 1) / 2 : std::uint64_t(n);
            int shown = 0;
            std::uint32_t* p = startRun(n, shown);
            need(bytes);
            const std::uint8_t* s = d + pos;
            for (int i = 0; i < shown; ++i) {
                p[i] = four ? palette[(s[i >> 1] >> ((i & 1) ? 0 : 4)) & 0xF] : palette[s[i]];
            }
            x += n;
            pos += bytes;
            if (bytes & 1) pos = std::min(pos + 1, end);
        }
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The path as a person would look for it: absolute, without "." and ".." steps.
std::string fullPath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

[[noreturn]] void cannotOpen(const std::string& path, int error) {
    throw BitmapError("Cannot open file \"" + fullPath(path) + "\". " + std::strerror(error));
}

}  // namespace

Bitmap decodeBitmapFile(std::span<const std::uint8_t> file) {
    Palette palette;
    const Layout layout = readHeaders(file, palette);
    const bool alpha32 =
        layout.bitCount == 32 && (layout.masks.alpha != 0 || layout.compression == BiRgb);
    Bitmap bitmap(layout.width, layout.height, alpha32 ? PixelFormat::Bits32 : PixelFormat::Bits24,
                  Black);
    if (layout.compression == BiRle8 || layout.compression == BiRle4) {
        readRuns(file, layout, palette, bitmap);
    } else {
        readRows(file, layout, palette, bitmap);
    }
    if (alpha32 && layout.compression == BiRgb) {
        // Plain 32-bit pixels are X8R8G8B8; only a file that fills the fourth byte somewhere
        // means it as alpha.
        std::uint32_t any = 0;
        for (const std::uint32_t p : bitmap.pixels()) any |= p;
        if ((any >> 24) == 0) bitmap.setPixelFormat(PixelFormat::Bits24);
    }
    return bitmap;
}

Bitmap loadBitmapFile(const std::string& path) {
    // Room for the largest picture plus its headers, colour table and masks.
    constexpr std::uint64_t MaxFileBytes = MaxBitmapBytes + (std::uint64_t(1) << 20);

    std::error_code error;
    if (std::filesystem::is_directory(path, error)) cannotOpen(path, EISDIR);
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) cannotOpen(path, errno ? errno : ENOENT);

    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > MaxFileBytes) {
        notValid("the file is " + std::to_string(size >> 20) + " MiB, too large for a picture");
    }

    std::vector<std::uint8_t> data;
    constexpr std::size_t Chunk = 1 << 16;
    if (!error) data.reserve(std::size_t(size) + Chunk);
    errno = 0;
    for (;;) {
        // Reading in pieces also bounds what a file that is not a regular one can give.
        const std::size_t used = data.size();
        data.resize(used + Chunk);
        const std::size_t got = std::fread(data.data() + used, 1, Chunk, f.get());
        data.resize(used + got);
        if (data.size() > MaxFileBytes) notValid("the file is too large for a picture");
        if (got < Chunk) break;
    }
    if (std::ferror(f.get())) {
        const int reason = errno ? errno : EIO;
        throw BitmapError("Cannot read file \"" + fullPath(path) + "\". " + std::strerror(reason));
    }
    return decodeBitmapFile(data);
}

}  // namespace brivane::ui
