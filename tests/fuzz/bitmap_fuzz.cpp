// Feeds arbitrary bytes to the .bmp reader. A BitmapError is the answer to a bad file; anything
// else escaping, a crash, a sanitizer report or a hang is a bug in the reader.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/BitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const brivane::ui::Bitmap bitmap = brivane::ui::decodeBitmapFile({data, size});
        // What was decoded must be whole: a buffer of exactly width x height pixels.
        if (bitmap.pixels().size() != std::size_t(bitmap.width()) * std::size_t(bitmap.height()) ||
            bitmap.empty()) {
            __builtin_trap();
        }
        // Pictures that round-trip through the writer must decode to themselves.
        if (bitmap.width() <= 256 && bitmap.height() <= 256) {
            const brivane::ui::Bitmap again =
                brivane::ui::decodeBitmapFile(brivane::ui::encodeBitmapFile(bitmap));
            if (!(again == bitmap)) __builtin_trap();
        }
    } catch (const brivane::ui::BitmapError&) {
    }
    return 0;
}
