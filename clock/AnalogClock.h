// The analog clock: every second Timer4 copies the face over Image2's picture and draws the
// second, hour and minute hands on it from the pivot of the clock settings.
#pragma once

#include <cstdint>

#include "ui/Bitmap.h"

namespace brivane {

// The 105 x 105 clock face, loaded once during start-up from the image resource "ceas2".
extern ui::Bitmap ClockFace;

enum class Hand { Second, Hour, Minute };

struct HandOffset {
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    friend bool operator==(const HandOffset&, const HandOffset&) = default;
};

// Where a hand of length `length` ends relative to the pivot, at position `v` of its dial (the
// seconds, the hour 0 to 23 or the minutes). The angle v * k - pi/2 is formed in extended
// precision and rounded to a double; its cosine and sine, their products with the length and
// the rounding to the nearest integer (halves to even) are done in extended precision again.
HandOffset handOffset(Hand hand, int v, std::int32_t length);

// The pivot plus an offset, as a drawing coordinate. The sum is formed in 64 bits and clamped
// to the 32-bit range; such a sum needs a length near 2^31, so the end moves by a vanishing
// fraction of the hand and the pixels inside the bitmap stay those of the true line.
int handEnd(std::int32_t pivot, std::int64_t offset);

}  // namespace brivane
