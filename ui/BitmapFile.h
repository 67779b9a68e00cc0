// Reading and writing Windows bitmap files (.bmp).
//
// The reader takes what the system's own reader takes: core (OS/2 1.x) and Windows info headers,
// the V4 and V5 headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, RLE4, RLE8 and
// bit-field masks; bottom-up and top-down rows; palettes shorter than the depth allows. It never
// reads outside its input, never allocates from an unchecked size, and reports every fault as a
// BitmapError with a message a person can read.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Bitmap.h"

namespace brivane::ui {

class BitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest picture the reader accepts.
constexpr int MaxBitmapSide = 16384;
constexpr std::size_t MaxBitmapBytes = std::size_t(256) << 20;

// Decodes a whole .bmp file held in memory. A 32-bit result keeps the file's alpha channel where
// the file has one; every other depth gives a 24-bit, opaque picture.
Bitmap decodeBitmapFile(std::span<const std::uint8_t> file);

// Reads and decodes a .bmp file. A file that cannot be opened gives an error naming the full
// path and the system's reason.
Bitmap loadBitmapFile(const std::string& path);

// Encodes a picture as an uncompressed bottom-up .bmp: 24 bits, or 32 bits with a V5 header
// carrying the alpha mask.
std::vector<std::uint8_t> encodeBitmapFile(const Bitmap& bitmap);

// Writes a picture to a .bmp file; a file that cannot be written raises BitmapError.
void saveBitmapFile(const Bitmap& bitmap, const std::string& path);

}  // namespace brivane::ui
