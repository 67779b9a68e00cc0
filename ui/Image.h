// An image widget: shows a picture unscaled at its top-left corner and clipped to its size, or
// scaled to its size when stretched. A transparent image leaves out every pixel of the colour of
// its picture's bottom-left pixel, read from the picture as it is when drawn.
#pragma once

#include <functional>
#include <string>

#include "ui/Bitmap.h"
#include "ui/Control.h"

namespace brivane::ui {

class Image : public Control {
public:
    using Control::Control;

    const Bitmap& picture() const { return picture_; }
    // Replaces the picture and repaints the widget; its place and size stay.
    void setPicture(Bitmap picture);
    // Replaces the picture by the named image resource (an error when there is none).
    void loadFromResource(const std::string& name);
    // Replaces the picture by a bitmap file; a failed load leaves the picture as it was.
    void loadFromFile(const std::string& path);
    // Lets `draw` change the picture in place, then repaints the widget.
    void changePicture(const std::function<void(Bitmap&)>& draw);

    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    void paint(Canvas& canvas, Rect clip) override;
    bool coversOpaquely(Rect area) const override;

private:
    Bitmap picture_;
    bool transparent_ = false;
    bool stretch_ = false;
};

}  // namespace brivane::ui
