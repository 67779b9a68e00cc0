// A font as widgets hold it: face, character height in pixels, style and text colour.
#pragma once

#include <string>

#include "ui/Bitmap.h"

namespace brivane::ui {

constexpr int ScreenPixelsPerInch = 96;

enum class Charset { Ansi = 0, Default = 1 };

struct Font {
    std::string name = "Tahoma";
    int height = 11;  // character height in pixels
    bool bold = false;
    bool italic = false;
    Argb color = rgb(0, 0, 0);
    Charset charset = Charset::Default;

    // Size in points at 96 pixels per inch (8 pt = 11 px, 9 pt = 12 px, 12 pt = 16 px).
    int size() const { return (height * 72 + ScreenPixelsPerInch / 2) / ScreenPixelsPerInch; }
    void setSize(int points) {
        height = (points * ScreenPixelsPerInch + 36) / 72;
    }
    platform::FontSpec spec() const { return {name, height, bold, italic}; }
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace brivane::ui
