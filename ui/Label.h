// A label: one line of text in its font, from the left or centred in its width. A transparent
// label paints only its text; an auto-sized label takes the size of its caption.
#pragma once

#include <string>

#include "ui/Control.h"
#include "ui/Font.h"

namespace brivane::ui {

enum class Alignment { Left, Center };

class Label : public Control {
public:
    using Control::Control;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

    const Font& font() const { return font_; }
    void setFont(const Font& font);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    Argb color() const { return color_; }
    void setColor(Argb color);

    void paint(Canvas& canvas, Rect clip) override;

private:
    void adjustSize();

    std::string caption_;
    Font font_;
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = true;
    bool transparent_ = false;
    Argb color_ = rgb(240, 240, 240);
};

}  // namespace brivane::ui
