#include "ui/Control.h"

#include "ui/Form.h"

namespace brivane::ui {

Control::Control(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {
    owner_.addControl(this);
}

Control::~Control() { owner_.removeControl(this); }

void Control::setBounds(int left, int top, int width, int height) {
    const Rect next{left, top, left + width, top + height};
    if (next == bounds_) return;
    if (visible_) owner_.invalidate(bounds_);
    bounds_ = next;
    if (visible_) owner_.invalidate(bounds_);
}

void Control::setAlign(Align align) {
    align_ = align;
    if (align_ == Align::Client) setBounds(0, 0, owner_.clientWidth(), owner_.clientHeight());
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    owner_.invalidate(bounds_);
}

void Control::invalidate() {
    if (visible_) owner_.invalidate(bounds_);
}

}  // namespace brivane::ui
