#include "ui/Image.h"

#include "ui/BitmapFile.h"
#include "ui/Canvas.h"
#include "ui/Resources.h"

namespace brivane::ui {

void Image::setPicture(Bitmap picture) {
    picture_ = std::move(picture);
    invalidate();
}

void Image::loadFromResource(const std::string& name) { setPicture(loadResourceBitmap(name)); }

void Image::loadFromFile(const std::string& path) { setPicture(loadBitmapFile(path)); }

void Image::changePicture(const std::function<void(Bitmap&)>& draw) {
    draw(picture_);
    invalidate();
}

void Image::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    invalidate();
}

void Image::paint(Canvas& canvas, Rect clip) {
    if (picture_.empty()) return;
    const Rect area = intersect(clip, bounds());
    if (area.empty()) return;
    const Argb key = picture_.pixel(0, picture_.height() - 1);
    if (stretch_) {
        canvas.drawStretched(picture_, bounds(), area, transparent_, key);
    } else if (transparent_) {
        canvas.drawKeyed(picture_, {left(), top()}, area, key);
    } else {
        canvas.draw(picture_, {left(), top()}, area);
    }
}

bool Image::coversOpaquely(Rect area) const {
    if (transparent_ || picture_.empty() || picture_.pixelFormat() != PixelFormat::Bits24)
        return false;
    const Rect drawn = stretch_ ? bounds()
                                : intersect(bounds(), {left(), top(), left() + picture_.width(),
                                                       top() + picture_.height()});
    return intersect(drawn, area) == area;
}

}  // namespace brivane::ui
