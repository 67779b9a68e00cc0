#include "resources/artwork/Palette.h"

#include <algorithm>
#include <array>
#include <limits>

namespace brivane::artwork {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

using Rgb = std::array<int, 3>;

Rgb split(ui::Argb c) { return {ui::redOf(c), ui::greenOf(c), ui::blueOf(c)}; }

// Distance as the eye weighs it, roughly: green counts most, blue least.
int distance(const Rgb& a, const Rgb& b) {
    const int dr = a[0] - b[0];
    const int dg = a[1] - b[1];
    const int db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::uint8_t nearest(const std::vector<Rgb>& palette, const Rgb& c) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int d = distance(palette[i], c);
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return std::uint8_t(best);
}

}  // namespace

std::vector<ui::Argb> windowsPalette16() {
    return {
        ui::rgb(0, 0, 0),       ui::rgb(128, 0, 0),   ui::rgb(0, 128, 0),   ui::rgb(128, 128, 0),
        ui::rgb(0, 0, 128),     ui::rgb(128, 0, 128), ui::rgb(0, 128, 128), ui::rgb(192, 192, 192),
        ui::rgb(128, 128, 128), ui::rgb(255, 0, 0),   ui::rgb(0, 255, 0),   ui::rgb(255, 255, 0),
        ui::rgb(0, 0, 255),     ui::rgb(255, 0, 255), ui::rgb(0, 255, 255), ui::rgb(255, 255, 255)};
}

std::vector<ui::Argb> adaptivePalette(const ui::Bitmap& picture, int size) {
    std::vector<Rgb> colours;
    for (const ui::Argb p : picture.pixels()) colours.push_back(split(p));
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());

    // Median cut: keep splitting the box with the widest spread of one component.
    struct Span {
        std::size_t begin;
        std::size_t end;
    };
    auto widest = [&](const Span& s, int& channel) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255;
            int hi = 0;
            for (std::size_t i = s.begin; i < s.end; ++i) {
                lo = std::min(lo, colours[i][std::size_t(k)]);
                hi = std::max(hi, colours[i][std::size_t(k)]);
            }
            if (hi - lo > best) {
                best = hi - lo;
                channel = k;
            }
        }
        return best;
    };
    std::vector<Span> boxes{{0, colours.size()}};
    while (int(boxes.size()) < size - 1) {
        int pick = -1;
        int pickChannel = 0;
        int pickSpread = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            int channel = 0;
            const int spread = boxes[b].end - boxes[b].begin > 1 ? widest(boxes[b], channel) : 0;
            if (spread > pickSpread) {
                pick = int(b);
                pickChannel = channel;
                pickSpread = spread;
            }
        }
        if (pick < 0) break;
        const Span s = boxes[std::size_t(pick)];
        std::sort(colours.begin() + std::ptrdiff_t(s.begin),
                  colours.begin() + std::ptrdiff_t(s.end), [&](const Rgb& a, const Rgb& b) {
                      return a[std::size_t(pickChannel)] < b[std::size_t(pickChannel)];
                  });
        const std::size_t mid = s.begin + (s.end - s.begin) / 2;
        boxes[std::size_t(pick)] = {s.begin, mid};
        boxes.push_back({mid, s.end});
    }
    std::vector<ui::Argb> palette{ui::rgb(0, 0, 0)};
    for (const Span& s : boxes) {
        if (s.end == s.begin) continue;
        long sum[3] = {0, 0, 0};
        for (std::size_t i = s.begin; i < s.end; ++i)
            for (int k = 0; k < 3; ++k) sum[k] += colours[i][std::size_t(k)];
        const long n = long(s.end - s.begin);
        palette.push_back(ui::rgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)));
    }
    return palette;
}

std::vector<std::uint8_t> encodePalettized(const ui::Bitmap& picture, int bitsPerPixel,
                                           const std::vector<ui::Argb>& palette) {
    const std::uint32_t entries = std::uint32_t(1) << bitsPerPixel;
    std::vector<Rgb> colours;
    for (const ui::Argb c : palette) colours.push_back(split(c));
    const std::uint32_t rowBytes =
        ((std::uint32_t(picture.width()) * std::uint32_t(bitsPerPixel) + 31) / 32) * 4;
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(picture.height());
    const std::uint32_t offset = 14 + 40 + 4 * entries;

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, std::uint32_t(picture.width()));
    put32(out, std::uint32_t(picture.height()));
    put16(out, 1);
    put16(out, std::uint32_t(bitsPerPixel));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 3780);
    put32(out, 3780);
    put32(out, entries);
    put32(out, 0);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const ui::Argb c = i < palette.size() ? palette[i] : ui::rgb(0, 0, 0);
        out.push_back(std::uint8_t(ui::blueOf(c)));
        out.push_back(std::uint8_t(ui::greenOf(c)));
        out.push_back(std::uint8_t(ui::redOf(c)));
        out.push_back(0);
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t index = nearest(colours, split(picture.pixel(x, y)));
            if (bitsPerPixel == 8)
                row[std::size_t(x)] = index;
            else
                row[std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace brivane::artwork
