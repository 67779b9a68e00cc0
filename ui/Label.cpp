#include "ui/Label.h"

#include "ui/Canvas.h"

namespace brivane::ui {

void Label::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    adjustSize();
    invalidate();
}

void Label::setFont(const Font& font) {
    font_ = font;
    adjustSize();
    invalidate();
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    invalidate();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    adjustSize();
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void Label::setColor(Argb color) {
    color_ = color;
    invalidate();
}

void Label::adjustSize() {
    if (!autoSize_) return;
    const platform::Size size = platform::current().measureText(font_.spec(), caption_);
    setBounds(left(), top(), size.width, size.height);
}

void Label::paint(Canvas& canvas, Rect clip) {
    const Rect area = intersect(clip, bounds());
    if (area.empty()) return;
    if (!transparent_) canvas.fillRect(area, color_);
    if (caption_.empty()) return;
    int x = left();
    if (alignment_ == Alignment::Center) {
        const int textWidth = platform::current().measureText(font_.spec(), caption_).width;
        x += (width() - textWidth) / 2;
    }
    canvas.textOut({x, top()}, area, font_, caption_);
}

}  // namespace brivane::ui
