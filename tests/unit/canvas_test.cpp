// Pen lines and copies on a Canvas.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/Canvas.h"

namespace brivane {
namespace {

using ui::Bitmap;
using ui::rgb;
using Pixels = std::set<std::pair<int, int>>;

constexpr ui::Argb Black = rgb(0, 0, 0);
constexpr ui::Argb Ink = rgb(10, 20, 30);

Pixels inked(const Bitmap& b) {
    Pixels found;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) == Ink) found.insert({x, y});
    return found;
}

Pixels line(int width, int x0, int y0, int x1, int y1, int size = 12) {
    Bitmap b(size, size, ui::PixelFormat::Bits24, Black);
    ui::Canvas c(b);
    c.pen.color = Ink;
    c.pen.setWidth(width);
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
    EXPECT_EQ(c.penPosition(), (platform::Point{x1, y1}));
    return inked(b);
}

TEST(PenLines, ThinLinesLeaveOutTheirEndPixel) {
    struct Case {
        int width, x0, y0, x1, y1;
        Pixels expected;
    };
    const std::vector<Case> cases = {
        {1, 2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {0, 2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},  // width 0 is one pixel too
        {1, 5, 6, 5, 2, {{5, 6}, {5, 5}, {5, 4}, {5, 3}}},  // upwards
        {1, 1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}}},
        {1, 6, 2, 2, 4, {{6, 2}, {5, 3}, {4, 3}, {3, 4}}},  // x-major, leftwards: halves round up
        {1, 3, 3, 3, 3, {}},                                // a line to its own start draws nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(line(c.width, c.x0, c.y0, c.x1, c.y1), c.expected)
            << c.width << ": " << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
}

TEST(PenLines, WideLinesAreThickAndNegativeWidthsKeepThePenAsItWas) {
    const Pixels thick = line(3, 2, 6, 9, 6);
    for (int x = 2; x <= 9; ++x) {
        EXPECT_TRUE(thick.count({x, 5}) && thick.count({x, 6}) && thick.count({x, 7})) << x;
    }
    EXPECT_FALSE(thick.count({5, 4}));
    EXPECT_FALSE(thick.count({5, 8}));

    ui::Pen pen;
    pen.setWidth(7);
    pen.setWidth(-1);
    EXPECT_EQ(pen.width(), 7);
    pen.setWidth(0);
    EXPECT_EQ(pen.width(), 0);
}

TEST(PenLines, LinesFarOutsideAreClippedWithoutWalkingTheirLength) {
    // Ends at the limits of 32-bit coordinates: only the pixels inside are visited and drawn.
    const Pixels across = line(1, -2147483647, 5, 2147483647, 5);
    EXPECT_EQ(across.size(), 12u);
    EXPECT_TRUE(line(1, -2000000000, -2000000000, -1000000000, 2000000000).empty());
    EXPECT_EQ(line(5, 6, 6, 2147483647, 6).size(), line(5, 6, 6, 60, 6).size());
    const Pixels diagonal = line(1, 0, 0, 2147483646, 2147483646);
    EXPECT_EQ(diagonal.size(), 12u);
    EXPECT_TRUE(diagonal.count({11, 11}));
}

TEST(CanvasCopies, KeyedCopyLeavesOutTheKeyColourAndCopyIgnoresAlpha) {
    Bitmap target(4, 1, ui::PixelFormat::Bits24, Black);
    Bitmap source(4, 1, ui::PixelFormat::Bits32, ui::argb(0, 1, 2, 3));
    source.setPixel(1, 0, ui::argb(0, 9, 9, 9));
    ui::Canvas c(target);
    c.drawKeyed(source, {0, 0}, target.bounds(), rgb(1, 2, 3));
    EXPECT_EQ(target.pixel(0, 0), Black);
    EXPECT_EQ(target.pixel(1, 0), Black);  // alpha 0 blends to nothing
    c.copy(source, {1, 0});
    EXPECT_EQ(target.pixel(1, 0), rgb(1, 2, 3));
    EXPECT_EQ(target.pixel(2, 0), rgb(9, 9, 9));
}

}  // namespace
}  // namespace brivane
