// Palettized .bmp files for the program icon's 4- and 8-bit images, which the kit's writer
// (24 and 32 bits only) does not make.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/Bitmap.h"

namespace brivane::artwork {

// The sixteen colours of the standard Windows palette, in its order.
std::vector<ui::Argb> windowsPalette16();
// A palette of at most `size` colours fitted to the picture's colours (median cut); black is
// always among them.
std::vector<ui::Argb> adaptivePalette(const ui::Bitmap& picture, int size);
// The picture (opaque colours) as an uncompressed, bottom-up .bmp of 4 or 8 bits per pixel, each
// pixel mapped to the nearest colour of the palette.
std::vector<std::uint8_t> encodePalettized(const ui::Bitmap& picture, int bitsPerPixel,
                                           const std::vector<ui::Argb>& palette);

}  // namespace brivane::artwork
