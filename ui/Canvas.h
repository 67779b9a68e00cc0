// Drawing on a Bitmap: copies of other pictures (opaque, keyed on a colour, stretched, blended
// through their alpha channel), filled rectangles, pen lines and text.
#pragma once

#include <string>

#include "ui/Bitmap.h"
#include "ui/Font.h"

namespace brivane::ui {

// The pen lines are drawn with. Width 0 or 1 draws one-pixel lines that leave out their end
// pixel; a wider pen draws thick lines with round ends. A negative width is not applied: the pen
// keeps the width it had.
class Pen {
public:
    Argb color = rgb(0, 0, 0);
    int width() const { return width_; }
    void setWidth(int width) {
        if (width >= 0) width_ = width;
    }

private:
    int width_ = 1;
};

class Canvas {
public:
    explicit Canvas(Bitmap& target) : target_(target) {}

    Bitmap& target() { return target_; }

    void fillRect(Rect area, Argb color);

    // Copies every pixel of `source` with its top-left at `at`, ignoring any alpha channel.
    void copy(const Bitmap& source, Point at);

    // Draws `source` with its top-left at `at`, only inside `clip`: a 32-bit source blends
    // through its alpha channel, a 24-bit one is opaque. With a key, pixels of the key's colour
    // are left out.
    void draw(const Bitmap& source, Point at, Rect clip);
    void drawKeyed(const Bitmap& source, Point at, Rect clip, Argb key);

    // Scales `source` to `dest` (nearest pixel), only inside `clip`.
    void drawStretched(const Bitmap& source, Rect dest, Rect clip, bool keyed = false,
                       Argb key = 0);

    // Pen lines, as the window system draws them: moveTo sets the pen position, lineTo draws to
    // the point given and leaves the position there.
    Pen pen;
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    Point penPosition() const { return position_; }

    // One line of text with its top-left at `at`, only inside `clip`.
    void textOut(Point at, Rect clip, const Font& font, const std::string& text);

private:
    Bitmap& target_;
    Point position_;
};

// The intersection of two rectangles (empty when they do not meet).
Rect intersect(Rect a, Rect b);
// The smallest rectangle holding both (an empty one adds nothing).
Rect unite(Rect a, Rect b);

}  // namespace brivane::ui
