// The geometry of the analog clock's hands, read once during start-up from section "plugin" of
// lclock.ini beside the executable and held for the life of the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/IniFile.h"

namespace brivane {

struct ClockSettingsRecord {
    std::int32_t CenterX = 0;  // the pivot of the hands, in pixels of Image2's picture
    std::int32_t CenterY = 0;
    std::int32_t RadiusHour = 0;  // hand lengths
    std::int32_t RadiusMinute = 0;
    std::int32_t RadiusSecond = 0;
    std::int32_t WidthHour = 0;  // pen widths
    std::int32_t WidthMinute = 0;
    std::int32_t WidthSecond = 0;
    std::int32_t HourColor = 0;  // read and held; nothing uses them
    std::int32_t MinColor = 0;
    std::int32_t SecColor = 0;
    std::int32_t AlignF = 0;
    friend bool operator==(const ClockSettingsRecord&, const ClockSettingsRecord&) = default;
};

// The process's clock settings, filled during start-up.
extern ClockSettingsRecord ClockSettings;

// One key of the file: its name, its default and the field it fills.
struct ClockSettingsKey {
    const char* key;
    std::int32_t defaultValue;
    std::int32_t ClockSettingsRecord::*field;
};

// The twelve keys, in the order they are read.
extern const ClockSettingsKey ClockSettingsKeys[12];

// A value text as a number: leading spaces, one sign, then decimal digits or a hexadecimal
// number after "$", "x", "X", "0x" or "0X", and nothing after the digits. Decimal numbers must
// fit in 32 bits; hexadecimal ones have at most eight significant digits, read as a signed
// 32-bit pattern (a "-" negates it with wrap-around). Anything else gives no number.
std::optional<std::int32_t> clockSettingValue(std::string_view text);

// Reads the twelve keys of section "plugin", in order; each key that gives no number takes its
// default.
void readClockSettings(const ui::IniFile& file, ClockSettingsRecord& settings);

}  // namespace brivane
