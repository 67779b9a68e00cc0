// Writes a small seed corpus for bitmap_fuzz: one valid file of each header kind, depth and
// compression the reader takes. Usage: bitmap_fuzz_seeds <folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

struct Seed {
    const char* name;
    std::uint32_t headerSize;
    std::int32_t width;
    std::int32_t height;
    int bitCount;
    std::uint32_t compression;
    int paletteSize;
    std::vector<std::uint32_t> masks;
    Bytes pixels;  // empty: a pattern filling every row
};

Bytes file(const Seed& s) {
    Bytes header;
    put32(header, s.headerSize);
    if (s.headerSize == 12) {
        put16(header, std::uint32_t(s.width));
        put16(header, std::uint32_t(s.height));
        put16(header, 1);
        put16(header, std::uint32_t(s.bitCount));
    } else {
        put32(header, std::uint32_t(s.width));
        put32(header, std::uint32_t(s.height));
        put16(header, 1);
        put16(header, std::uint32_t(s.bitCount));
        put32(header, s.compression);
        put32(header, 0);
        put32(header, 2835);
        put32(header, 2835);
        put32(header, std::uint32_t(s.paletteSize));
        put32(header, 0);
        if (s.headerSize >= 52 && s.headerSize != 64)
            for (const std::uint32_t m : s.masks) put32(header, m);
        header.resize(s.headerSize, 0);
        if (s.headerSize == 40)
            for (const std::uint32_t m : s.masks) put32(header, m);
    }
    for (int i = 0; i < s.paletteSize; ++i) {
        header.push_back(std::uint8_t(i * 37));
        header.push_back(std::uint8_t(i * 91));
        header.push_back(std::uint8_t(255 - i * 13));
        if (s.headerSize != 12) header.push_back(0);
    }
    Bytes pixels = s.pixels;
    if (pixels.empty()) {
        const std::size_t stride = (std::size_t(s.width) * std::size_t(s.bitCount) + 31) / 32 * 4;
        const std::size_t rows = std::size_t(s.height < 0 ? -s.height : s.height);
        for (std::size_t i = 0; i < stride * rows; ++i) pixels.push_back(std::uint8_t(i * 29 + 7));
    }
    Bytes out = {'B', 'M'};
    put32(out, std::uint32_t(14 + header.size() + pixels.size()));
    put32(out, 0);
    put32(out, std::uint32_t(14 + header.size()));
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

const std::vector<std::uint32_t> X8R8G8B8 = {0xFF0000, 0xFF00, 0xFF};
const std::vector<std::uint32_t> A8R8G8B8 = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
const std::vector<std::uint32_t> R5G6B5 = {0xF800, 0x07E0, 0x001F};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // clang-format off
    const std::vector<Seed> seeds = {
        {"core1", 12, 9, 3, 1, 0, 2, {}, {}},
        {"core4", 12, 5, 2, 4, 0, 16, {}, {}},
        {"core8", 12, 3, 3, 8, 0, 256, {}, {}},
        {"core24", 12, 3, 2, 24, 0, 0, {}, {}},
        {"info1", 40, 17, 2, 1, 0, 2, {}, {}},
        {"info4short", 40, 5, 3, 4, 0, 5, {}, {}},
        {"info8short", 40, 4, 2, 8, 0, 7, {}, {}},
        {"info16", 40, 3, 2, 16, 0, 0, {}, {}},
        {"info24", 40, 3, 3, 24, 0, 0, {}, {}},
        {"info24topdown", 40, 2, -3, 24, 0, 0, {}, {}},
        {"info32", 40, 2, 2, 32, 0, 0, {}, {}},
        {"info16bitfields", 40, 3, 2, 16, 3, 0, R5G6B5, {}},
        {"info32bitfields", 40, 2, -2, 32, 3, 0, X8R8G8B8, {}},
        {"info32alphabitfields", 40, 2, 2, 32, 6, 0, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}, {}},
        {"v2_16", 52, 2, 2, 16, 3, 0, R5G6B5, {}},
        {"v3_32", 56, 2, 2, 32, 3, 0, A8R8G8B8, {}},
        {"v4_32", 108, 3, 2, 32, 3, 0, A8R8G8B8, {}},
        {"v5_32", 124, 2, 3, 32, 3, 0, {0xFF000000, 0xFF0000, 0xFF00, 0xFF}, {}},
        {"v5_8", 124, 4, 2, 8, 0, 16, {}, {}},
        {"os2_16", 16, 3, 2, 24, 0, 0, {}, {}},
        {"os2_64", 64, 3, 2, 8, 0, 4, {}, {}},
        {"rle8", 40, 6, 3, 8, 1, 4, {},
         {3, 1, 0, 3, 2, 3, 0, 0, 0, 0, 2, 0, 0, 2, 2, 1, 2, 3, 0, 1}},
        {"rle4", 40, 7, 2, 4, 2, 4, {},
         {0, 5, 0x12, 0x30, 0x10, 0, 2, 0x33, 0, 0, 3, 0x20, 0, 2, 3, 0, 1, 0x10, 0, 1}},
        {"os2_64rle8", 64, 4, 2, 8, 1, 3, {}, {4, 2, 0, 0, 0, 4, 0, 1, 2, 1, 0, 1}},
    };  // clang-format on

    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const Seed& s : seeds) {
        const Bytes bytes = file(s);
        std::ofstream out(folder / (std::string(s.name) + ".bmp"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", s.name);
            return 1;
        }
    }
    std::printf("%zu seeds in %s\n", seeds.size(), folder.c_str());
    return 0;
}
