// The analog clock: Timer4's tick, the hands' geometry.
#include "clock/AnalogClock.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "clock/ClockSettings.h"
#include "platform/winapi.h"
#include "sidebar/TForm1.h"
#include "ui/Canvas.h"

namespace brivane {

ui::Bitmap ClockFace;

namespace {

// The angle steps and the quarter turn, each the extended-precision value nearest to it.
constexpr long double PiOver30 = 0.104719755119659774615421446109316762806572313L;
constexpr long double PiOver6 = 0.523598775598298873077107230546583814032861566L;
constexpr long double PiOver2 = 1.570796326794896619231321691639751442098584699L;

constexpr ui::Argb Black = ui::rgb(0, 0, 0);

}  // namespace

HandOffset handOffset(Hand hand, int v, std::int32_t length) {
    const long double k = hand == Hand::Hour ? PiOver6 : PiOver30;
    // The angle itself is a double. The store through a volatile makes the rounding happen even
    // where doubles are kept in extended registers (32-bit x86).
    const volatile double a = static_cast<double>(static_cast<long double>(v) * k - PiOver2);
    const long double angle = a;
    const long double r = length;
    return {static_cast<std::int64_t>(std::nearbyint(r * std::cos(angle))),
            static_cast<std::int64_t>(std::nearbyint(r * std::sin(angle)))};
}

int handEnd(std::int32_t pivot, std::int64_t offset) {
    const std::int64_t end = std::int64_t(pivot) + offset;
    if (end > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (end < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return int(end);
}

void TForm1::Timer4Timer() {
    Image2.changePicture([this](ui::Bitmap& picture) {
        ui::Canvas canvas(picture);
        canvas.pen = Image2Pen;

        // 1. The face replaces the whole picture. Both are 105 x 105 and the face is opaque, so
        // that is a plain copy of its pixels.
        if (picture.width() == ClockFace.width() && picture.height() == ClockFace.height() &&
            ClockFace.pixelFormat() == ui::PixelFormat::Bits24) {
            std::copy(ClockFace.pixels().begin(), ClockFace.pixels().end(),
                      picture.pixels().begin());
        } else {
            canvas.copy(ClockFace, {0, 0});
        }

        // 2. The time, read once.
        SYSTEMTIME now;
        GetLocalTime(&now);

        // 3. The hands: second, hour, minute, each over the ones before.
        const ClockSettingsRecord& s = ClockSettings;
        auto drawHand = [&](Hand hand, int v, std::int32_t length, std::int32_t width,
                            ui::Argb color) {
            const HandOffset end = handOffset(hand, v, length);
            canvas.moveTo(s.CenterX, s.CenterY);
            canvas.pen.color = color;
            canvas.pen.setWidth(width);  // a negative width keeps the pen's width
            canvas.lineTo(handEnd(s.CenterX, end.dx), handEnd(s.CenterY, end.dy));
        };
        drawHand(Hand::Second, now.wSecond, s.RadiusSecond, s.WidthSecond, Black);
        drawHand(Hand::Hour, now.wHour, s.RadiusHour, s.WidthHour, Black);
        drawHand(Hand::Minute, now.wMinute, s.RadiusMinute, s.WidthMinute,
                 ui::fromColorRef(GetSysColor(COLOR_HIGHLIGHT)));

        // The pen keeps its colour and width for the next tick.
        Image2Pen = canvas.pen;
    });
    // 4. Image2 repaints with the new picture once the tick is over.
}

}  // namespace brivane
