#include "clock/ClockSettings.h"

namespace brivane {

ClockSettingsRecord ClockSettings;

const ClockSettingsKey ClockSettingsKeys[12] = {
    {"center x", 40, &ClockSettingsRecord::CenterX},
    {"center y", 40, &ClockSettingsRecord::CenterY},
    {"radius hour", 20, &ClockSettingsRecord::RadiusHour},
    {"radius minute", 30, &ClockSettingsRecord::RadiusMinute},
    {"radius second", 35, &ClockSettingsRecord::RadiusSecond},
    {"width hour", 10, &ClockSettingsRecord::WidthHour},
    {"width minute", 3, &ClockSettingsRecord::WidthMinute},
    {"width second", 2, &ClockSettingsRecord::WidthSecond},
    {"hour color", 0, &ClockSettingsRecord::HourColor},
    {"min color", 0, &ClockSettingsRecord::MinColor},
    {"sec color", 0, &ClockSettingsRecord::SecColor},
    {"alignf", 0, &ClockSettingsRecord::AlignF},
};

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> clockSettingValue(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    if (i == n) return std::nullopt;  // no digits
    if (hex) {
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0) return std::nullopt;
            if (significant > 0 || d != 0) ++significant;
            if (significant > 8) return std::nullopt;
            pattern = (pattern << 4) | std::uint32_t(d);
        }
        if (negative) pattern = 0u - pattern;
        return std::int32_t(pattern);
    }

    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t(1) << 31) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return std::nullopt;
    return std::int32_t(value);
}

void readClockSettings(const ui::IniFile& file, ClockSettingsRecord& settings) {
    for (const ClockSettingsKey& k : ClockSettingsKeys)
        settings.*k.field =
            clockSettingValue(file.readString("plugin", k.key, "")).value_or(k.defaultValue);
}

}  // namespace brivane
