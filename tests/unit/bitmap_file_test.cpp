// The .bmp reader: every header kind, depth and compression it takes, with exact pixels; the
// faults it must refuse; round trips through the writer; reading from disk.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ui/BitmapFile.h"

namespace brivane::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A .bmp file put together field by field, so that each field can be set to a bad value.
struct BmpFile {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    int planes = 1;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<Argb> palette;
    // Inside the header from V2 (52 bytes) on, just after a 40-byte header otherwise.
    std::vector<std::uint32_t> masks;
    Bytes pixels;                              // exactly as stored, padding included
    std::optional<std::uint32_t> pixelOffset;  // right after the colour table unless set

    Bytes bytes() const {
        Bytes header;
        put32(header, headerSize);
        if (headerSize == 12) {
            put16(header, std::uint32_t(width));
            put16(header, std::uint32_t(height));
            put16(header, std::uint32_t(planes));
            put16(header, std::uint32_t(bitCount));
        } else {
            put32(header, std::uint32_t(width));
            put32(header, std::uint32_t(height));
            put16(header, std::uint32_t(planes));
            put16(header, std::uint32_t(bitCount));
            put32(header, compression);
            put32(header, std::uint32_t(pixels.size()));
            put32(header, 3780);
            put32(header, 3780);
            put32(header, colorsUsed);
            put32(header, 0);
            if (headerSize >= 52 && headerSize != 64) {
                for (std::size_t i = 0; i < (headerSize >= 56 ? 4u : 3u); ++i)
                    put32(header, i < masks.size() ? masks[i] : 0);
            }
            header.resize(headerSize, 0);  // a 16-byte OS/2 header stops at the bit count
        }
        if (headerSize == 40)
            for (const std::uint32_t m : masks) put32(header, m);
        for (const Argb c : palette) {
            header.push_back(std::uint8_t(blueOf(c)));
            header.push_back(std::uint8_t(greenOf(c)));
            header.push_back(std::uint8_t(redOf(c)));
            if (headerSize != 12) header.push_back(0);
        }
        const std::uint32_t offset = pixelOffset.value_or(std::uint32_t(14 + header.size()));

        Bytes file = {'B', 'M'};
        put32(file, std::uint32_t(14 + header.size() + pixels.size()));
        put32(file, 0);
        put32(file, offset);
        file.insert(file.end(), header.begin(), header.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

constexpr Argb R = rgb(255, 0, 0);
constexpr Argb G = rgb(0, 255, 0);
constexpr Argb B = rgb(0, 0, 255);
constexpr Argb W = rgb(255, 255, 255);
constexpr Argb Y = rgb(255, 255, 0);
constexpr Argb K = rgb(0, 0, 0);
const std::vector<Argb> Rgbw = {R, G, B, W};

// A test name from a case's description.
std::string testName(const char* description) {
    std::string name;
    for (const char* c = description; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

// Pixels as hex, a row a line, so that a failure shows where the pictures differ.
std::string dump(int width, const std::vector<Argb>& pixels) {
    std::string out;
    char hex[10];
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%08X", pixels[i]);
        out += hex;
        out += (i + 1) % std::size_t(width) == 0 ? '\n' : ' ';
    }
    return out;
}

struct DecodeCase {
    const char* name;
    BmpFile file;
    int width;
    int height;
    PixelFormat format;
    std::vector<Argb> pixels;  // top row first
};

BmpFile make(std::function<void(BmpFile&)> setUp) {
    BmpFile f;
    setUp(f);
    return f;
}

// Byte lists are grouped by pixel row or run-length code.
// clang-format off
const std::vector<DecodeCase> decodeCases = {
    {"core header, 1 bit",
     make([](BmpFile& f) {
         f.headerSize = 12, f.width = 3, f.height = 2, f.bitCount = 1, f.palette = {B, Y};
         f.pixels = {0xA0, 0, 0, 0, 0x60, 0, 0, 0};
     }),
     3, 2, PixelFormat::Bits24, {B, Y, Y, Y, B, Y}},
    {"core header, 24 bit",
     make([](BmpFile& f) {
         f.headerSize = 12, f.width = 2, f.height = 1;
         f.pixels = {1, 2, 3, 4, 5, 6, 0, 0};
     }),
     2, 1, PixelFormat::Bits24, {rgb(3, 2, 1), rgb(6, 5, 4)}},
    {"info header, 4 bit, colour table shortened by its count",
     make([](BmpFile& f) {
         f.width = 4, f.bitCount = 4, f.colorsUsed = 3, f.palette = Rgbw;
         f.pixels = {0x20, 0x3F, 0, 0};
     }),
     4, 1, PixelFormat::Bits24, {B, R, K, K}},
    {"info header, 8 bit, colour table shortened by the pixel offset",
     make([](BmpFile& f) {
         f.width = 2, f.height = 2, f.bitCount = 8, f.palette = {R, G, B};
         f.pixels = {0, 1, 0, 0, 2, 3, 0, 0};
     }),
     2, 2, PixelFormat::Bits24, {B, K, R, G}},
    {"info header, 16 bit, 5-5-5 by default",
     make([](BmpFile& f) {
         f.width = 3, f.height = 2, f.bitCount = 16;
         f.pixels = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0,
                     0xFF, 0x7F, 0x00, 0x02, 0x03, 0x80, 0, 0};
     }),
     3, 2, PixelFormat::Bits24, {W, rgb(0, 132, 0), rgb(0, 0, 24), R, G, B}},
    {"info header and masks, 16 bit 5-6-5",
     make([](BmpFile& f) {
         f.width = 2, f.bitCount = 16, f.compression = 3, f.masks = {0xF800, 0x07E0, 0x001F};
         f.pixels = {0x00, 0xFC, 0xFF, 0x07};
     }),
     2, 1, PixelFormat::Bits24, {rgb(255, 130, 0), rgb(0, 255, 255)}},
    {"V2 header, 16 bit 5-6-5, masks inside the header",
     make([](BmpFile& f) {
         f.headerSize = 52, f.width = 1, f.bitCount = 16, f.compression = 3;
         f.masks = {0xF800, 0x07E0, 0x001F};
         f.pixels = {0x1F, 0xF8, 0, 0};
     }),
     1, 1, PixelFormat::Bits24, {rgb(255, 0, 255)}},
    {"V3 header, 16 bit 4-4-4-4: the alpha of a 16-bit file is not kept",
     make([](BmpFile& f) {
         f.headerSize = 56, f.width = 1, f.bitCount = 16, f.compression = 3;
         f.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
         f.pixels = {0x80, 0x1F, 0, 0};
     }),
     1, 1, PixelFormat::Bits24, {rgb(255, 136, 0)}},
    {"info header, 24 bit, padded rows",
     make([](BmpFile& f) {
         f.width = 3, f.height = 2;
         f.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,
                     10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
     }),
     3, 2, PixelFormat::Bits24,
     {rgb(12, 11, 10), rgb(15, 14, 13), rgb(18, 17, 16), rgb(3, 2, 1), rgb(6, 5, 4),
      rgb(9, 8, 7)}},
    {"24 bit, last row without its padding",
     make([](BmpFile& f) {
         f.height = 2;
         f.pixels = {1, 2, 3, 0, 4, 5, 6};
     }),
     1, 2, PixelFormat::Bits24, {rgb(6, 5, 4), rgb(3, 2, 1)}},
    {"32 bit plain, every fourth byte zero: opaque 24-bit picture",
     make([](BmpFile& f) {
         f.width = 2, f.bitCount = 32;
         f.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
     }),
     2, 1, PixelFormat::Bits24, {rgb(3, 2, 1), rgb(6, 5, 4)}},
    {"32 bit plain, a fourth byte set: alpha kept",
     make([](BmpFile& f) {
         f.width = 2, f.bitCount = 32;
         f.pixels = {1, 2, 3, 0, 4, 5, 6, 0x80};
     }),
     2, 1, PixelFormat::Bits32, {argb(0, 3, 2, 1), argb(0x80, 6, 5, 4)}},
    {"info header and masks, 32 bit, red in the low byte, no alpha mask",
     make([](BmpFile& f) {
         f.bitCount = 32, f.compression = 3, f.masks = {0x0000FF, 0x00FF00, 0xFF0000};
         f.pixels = {1, 2, 3, 0x7F};
     }),
     1, 1, PixelFormat::Bits24, {rgb(1, 2, 3)}},
    {"V4 header, 32 bit with an alpha mask",
     make([](BmpFile& f) {
         f.headerSize = 108, f.width = 2, f.bitCount = 32, f.compression = 3;
         f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
         f.pixels = {1, 2, 3, 0, 4, 5, 6, 0xFF};
     }),
     2, 1, PixelFormat::Bits32, {argb(0, 3, 2, 1), argb(255, 6, 5, 4)}},
    {"V5 header, 32 bit R-G-B-A from the top byte down",
     make([](BmpFile& f) {
         f.headerSize = 124, f.bitCount = 32, f.compression = 3;
         f.masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
         f.pixels = {0x40, 0x30, 0x20, 0x10};
     }),
     1, 1, PixelFormat::Bits32, {argb(0x40, 0x10, 0x20, 0x30)}},
    {"info header and four masks, 32 bit 10-10-10-2",
     make([](BmpFile& f) {
         f.bitCount = 32, f.compression = 6;
         f.masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000};
         put32(f.pixels, 0x7FF80000);  // red 1023, green 512, blue 0, alpha 1
     }),
     1, 1, PixelFormat::Bits32, {argb(85, 255, 128, 0)}},
    {"OS/2 2.x 64-byte header, 8 bit",
     make([](BmpFile& f) {
         f.headerSize = 64, f.width = 2, f.bitCount = 8, f.palette = {R, G};
         f.pixels = {1, 0, 0, 0};
     }),
     2, 1, PixelFormat::Bits24, {G, R}},
    {"OS/2 2.x 16-byte header, 24 bit",
     make([](BmpFile& f) {
         f.headerSize = 16;
         f.pixels = {1, 2, 3, 0};
     }),
     1, 1, PixelFormat::Bits24, {rgb(3, 2, 1)}},
    {"top-down 24 bit",
     make([](BmpFile& f) {
         f.height = -2;
         f.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
     }),
     1, 2, PixelFormat::Bits24, {rgb(3, 2, 1), rgb(6, 5, 4)}},
    {"top-down 1 bit",
     make([](BmpFile& f) {
         f.width = 9, f.height = -2, f.bitCount = 1, f.palette = {K, W};
         f.pixels = {0xFF, 0x00, 0, 0, 0x01, 0x80, 0, 0};
     }),
     9, 2, PixelFormat::Bits24, {W, W, W, W, W, W, W, W, K, K, K, K, K, K, K, K, W, W}},
    {"RLE8: runs, a padded literal run, end of line, a move, end of bitmap",
     make([](BmpFile& f) {
         f.width = 6, f.height = 3, f.bitCount = 8, f.compression = 1, f.palette = Rgbw;
         f.pixels = {3, 1,  0, 3, 2, 3, 0, 0,  0, 0,  2, 0,  0, 2, 2, 1,  2, 3,  0, 1};
     }),
     6, 3, PixelFormat::Bits24,
     {K, K, K, K, W, W,  //
      R, R, K, K, K, K,  //
      G, G, G, B, W, R}},
    {"RLE4: a padded literal run, runs of two colours, a move, end of bitmap",
     make([](BmpFile& f) {
         f.width = 7, f.height = 2, f.bitCount = 4, f.compression = 2, f.palette = Rgbw;
         f.pixels = {0, 5, 0x12, 0x30, 0x10, 0,  2, 0x33,  0, 0,
                     3, 0x20,  0, 2, 3, 0,  1, 0x10,  0, 1};
     }),
     7, 2, PixelFormat::Bits24,
     {B, R, B, K, K, K, G,  //
      G, B, W, R, G, W, W}},
    {"RLE8 runs into the row padding are cut at the width",
     make([](BmpFile& f) {
         f.width = 2, f.height = 3, f.bitCount = 8, f.compression = 1, f.palette = Rgbw;
         f.pixels = {2, 0,  0, 0,
                     0, 4, 1, 0, 2, 3,  0, 0,
                     1, 2,  3, 3,  0, 1};
     }),
     2, 3, PixelFormat::Bits24, {B, W, G, R, R, R}},
    {"RLE8 without an end-of-bitmap code",
     make([](BmpFile& f) {
         f.width = 2, f.height = 2, f.bitCount = 8, f.compression = 1, f.palette = Rgbw;
         f.pixels = {2, 1};
     }),
     2, 2, PixelFormat::Bits24, {K, K, G, G}},
};
// clang-format on

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesExactPixels) {
    const DecodeCase& c = GetParam();
    const Bitmap bitmap = decodeBitmapFile(c.file.bytes());
    ASSERT_EQ(bitmap.width(), c.width);
    ASSERT_EQ(bitmap.height(), c.height);
    EXPECT_EQ(bitmap.pixelFormat(), c.format);
    EXPECT_EQ(dump(c.width, bitmap.pixels()), dump(c.width, c.pixels));
}

INSTANTIATE_TEST_SUITE_P(Formats, DecodeTest, testing::ValuesIn(decodeCases),
                         [](const auto& param) { return testName(param.param.name); });

TEST(BitmapFileTest, TakesPicturesAtTheSideLimit) {
    // Run-length coded, so that the files stay small.
    const BmpFile wide = make([](BmpFile& f) {
        f.width = MaxBitmapSide, f.height = 2, f.bitCount = 8, f.compression = 1;
        f.pixels = {0, 1};
    });
    const Bitmap a = decodeBitmapFile(wide.bytes());
    EXPECT_EQ(a.width(), MaxBitmapSide);
    EXPECT_EQ(a.height(), 2);
    const BmpFile tall = make([](BmpFile& f) {
        f.width = 2, f.height = MaxBitmapSide, f.bitCount = 4, f.compression = 2;
        f.pixels = {0, 1};
    });
    EXPECT_EQ(decodeBitmapFile(tall.bytes()).height(), MaxBitmapSide);
}

// A valid file whose fields each case spoils.
BmpFile small8() {
    return make([](BmpFile& f) {
        f.width = 2, f.height = 2, f.bitCount = 8, f.palette = Rgbw;
        f.pixels = {0, 1, 0, 0, 2, 3, 0, 0};
    });
}

BmpFile smallRle8(Bytes codes) {
    BmpFile f = small8();
    f.compression = 1;
    f.pixels = std::move(codes);
    return f;
}

Bytes spoilt(BmpFile f, std::function<void(BmpFile&)> spoil) {
    spoil(f);
    return f.bytes();
}

Bytes cut(Bytes file, std::size_t size) {
    file.resize(size);
    return file;
}

Bytes patched(Bytes file, std::size_t at, std::uint8_t value) {
    file.at(at) = value;
    return file;
}

struct FaultCase {
    const char* name;
    Bytes file;
};

// clang-format off
const std::vector<FaultCase> faultCases = {
    {"empty file", {}},
    {"\"BM\" alone", {'B', 'M'}},
    {"bad magic", patched(small8().bytes(), 1, 'A')},
    {"file header alone", cut(small8().bytes(), 14)},
    {"truncated info header", cut(small8().bytes(), 14 + 20)},
    {"unknown header size", spoilt(small8(), [](BmpFile& f) { f.headerSize = 41; })},
    {"width 0", spoilt(small8(), [](BmpFile& f) { f.width = 0; })},
    {"negative width", spoilt(small8(), [](BmpFile& f) { f.width = -2; })},
    {"height 0", spoilt(small8(), [](BmpFile& f) { f.height = 0; })},
    {"width 20000", spoilt(small8(), [](BmpFile& f) { f.width = 20000; })},
    {"height -20000", spoilt(small8(), [](BmpFile& f) { f.height = -20000; })},
    {"lowest height", spoilt(small8(), [](BmpFile& f) { f.height = INT32_MIN; })},
    {"16384 x 16384, over 256 MiB",
     spoilt(small8(), [](BmpFile& f) { f.width = f.height = MaxBitmapSide; })},
    {"16384 x 4097 run-length coded, just over 256 MiB",
     spoilt(smallRle8({0, 1}), [](BmpFile& f) { f.width = MaxBitmapSide, f.height = 4097; })},
    {"planes 0", spoilt(small8(), [](BmpFile& f) { f.planes = 0; })},
    {"bit count 7", spoilt(small8(), [](BmpFile& f) { f.bitCount = 7; })},
    {"bit count 0 (embedded JPEG or PNG)",
     spoilt(small8(), [](BmpFile& f) { f.bitCount = 0, f.compression = 4; })},
    {"core header with 32 bits",
     spoilt(small8(), [](BmpFile& f) { f.headerSize = 12, f.bitCount = 32; })},
    {"RLE8 with 24 bits", spoilt(smallRle8({0, 1}), [](BmpFile& f) { f.bitCount = 24; })},
    {"RLE4 with 8 bits", spoilt(smallRle8({0, 1}), [](BmpFile& f) { f.compression = 2; })},
    {"bit fields with 24 bits",
     spoilt(small8(), [](BmpFile& f) { f.bitCount = 24, f.compression = 3, f.masks = {1, 2, 4}; })},
    {"OS/2 Huffman coding",
     spoilt(small8(), [](BmpFile& f) { f.headerSize = 64, f.bitCount = 1, f.compression = 3; })},
    {"masks past the end of the file",
     cut(spoilt(small8(), [](BmpFile& f) {
             f.bitCount = 16, f.compression = 3, f.palette = {}, f.masks = {0xF800, 0x07E0, 0x1F};
         }),
         14 + 40 + 8)},
    {"pixel array past the end", cut(small8().bytes(), small8().bytes().size() - 3)},
    {"pixel offset past the end",
     spoilt(small8(), [](BmpFile& f) { f.pixelOffset = std::uint32_t(f.bytes().size() + 1); })},
    {"pixel offset inside the header", spoilt(small8(), [](BmpFile& f) { f.pixelOffset = 30; })},
    // Rows of two 8-bit pixels are padded to four.
    {"RLE run past the row", smallRle8({5, 0, 0, 1}).bytes()},
    {"RLE literal run past the row", smallRle8({0, 5, 0, 1, 2, 0, 1, 0, 0, 1}).bytes()},
    {"RLE run past the row after a move", smallRle8({0, 2, 3, 0, 2, 0, 0, 1}).bytes()},
    {"RLE move past the top", smallRle8({0, 2, 0, 3, 0, 1}).bytes()},
    {"RLE move past the row", smallRle8({0, 2, 5, 0, 0, 1}).bytes()},
    {"RLE run above the top", smallRle8({0, 0, 0, 0, 1, 0}).bytes()},
    {"RLE literal run cut off",
     spoilt(smallRle8({0, 4, 1, 2}), [](BmpFile& f) { f.width = 4; })},
    {"RLE code cut off", smallRle8({2}).bytes()},
    {"top-down RLE", spoilt(smallRle8({2, 1, 0, 1}), [](BmpFile& f) { f.height = -2; })},
};
// clang-format on

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, IsRefusedAsNotValid) {
    const FaultCase& c = GetParam();
    try {
        decodeBitmapFile(c.file);
        FAIL() << c.name << ": decoded";
    } catch (const BitmapError& e) {
        EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos)
            << c.name << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, testing::ValuesIn(faultCases),
                         [](const auto& param) { return testName(param.param.name); });

// A picture whose every pixel differs, odd width so that 24-bit rows are padded.
Bitmap pattern(PixelFormat format) {
    Bitmap b(5, 3, format);
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const int alpha = format == PixelFormat::Bits32 ? (x * 60 + y * 7) : 255;
            b.setPixel(x, y, argb(alpha, x * 50, y * 100, 255 - x - y));
        }
    }
    return b;
}

TEST(BitmapFileTest, RoundTripsThroughTheWriter) {
    for (const PixelFormat format : {PixelFormat::Bits24, PixelFormat::Bits32}) {
        const Bitmap original = pattern(format);
        const Bitmap decoded = decodeBitmapFile(encodeBitmapFile(original));
        EXPECT_EQ(decoded.pixelFormat(), format);
        EXPECT_EQ(dump(5, decoded.pixels()), dump(5, original.pixels()));
    }
}

class LoadTest : public testing::Test {
protected:
    void SetUp() override {
        // Unique, as other builds may run the same test at the same time.
        dir = std::filesystem::temp_directory_path() /
              ("brivane_bitmap_test_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string write(const std::string& name, const Bytes& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    std::string errorOf(const std::string& path) {
        try {
            loadBitmapFile(path);
        } catch (const BitmapError& e) {
            return e.what();
        }
        return "(loaded)";
    }

    std::filesystem::path dir;
};

TEST_F(LoadTest, ReadsAFile) {
    const Bitmap original = pattern(PixelFormat::Bits32);
    const Bitmap loaded = loadBitmapFile(write("a.bmp", encodeBitmapFile(original)));
    EXPECT_EQ(loaded, original);
}

TEST_F(LoadTest, NamesTheFullPathAndTheReasonWhenItCannotOpen) {
    const std::string missing = (dir / "Slide" / "13.bmp").string();
    const std::string noSuchFile =
        "Cannot open file \"" + missing + "\". No such file or directory";
    EXPECT_EQ(errorOf(missing), noSuchFile);
    EXPECT_EQ(errorOf(std::filesystem::relative(missing).string()), noSuchFile);
    EXPECT_EQ(errorOf(dir.string()), "Cannot open file \"" + dir.string() + "\". Is a directory");
}

TEST_F(LoadTest, RefusesAFileThatIsNotABitmap) {
    for (const Bytes& bytes : {Bytes{'h', 'e', 'l', 'l', 'o'}, cut(small8().bytes(), 40)}) {
        const std::string error = errorOf(write("bad.bmp", bytes));
        EXPECT_NE(error.find("Bitmap image is not valid"), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace brivane::ui
