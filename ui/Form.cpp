#include "ui/Form.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/NativeControls.h"

namespace brivane::ui {

Form::Form(std::string caption, int clientWidth, int clientHeight)
    : caption_(std::move(caption)),
      bounds_{0, 0, clientWidth, clientHeight},
      buffer_(clientWidth, clientHeight, PixelFormat::Bits24, color_) {
    platform::WindowSpec spec;
    spec.caption = caption_;
    spec.bounds = bounds_;
    spec.background = color_;
    handle_ = platform::current().createWindow(spec, this);
    Application::instance().addForm(this);
    invalidate(buffer_.bounds());
}

Form::~Form() {
    Application::instance().removeForm(this);
    platform::current().destroyWindow(handle_);
}

void Form::setBounds(int left, int top, int width, int height) {
    const Rect next{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    if (next == bounds_) return;
    const bool resized = next.width() != bounds_.width() || next.height() != bounds_.height();
    bounds_ = next;
    if (resized) {
        buffer_.resize(bounds_.width(), bounds_.height());
        for (Control* c : controls_)
            if (c->align() == Align::Client) c->setBounds(0, 0, bounds_.width(), bounds_.height());
        dirty_.clear();
        invalidate(buffer_.bounds());
    }
    platform::current().setWindowBounds(handle_, bounds_);
    if (resized) update();
}

void Form::show() {
    if (alignRight_) placeAtWorkAreaRight();
    if (position == Position::DesktopCenter && !shownBefore_) {
        const Rect desktop = platform::current().virtualScreen();
        const int width = clientWidth();
        const int height = clientHeight();
        setBounds((desktop.width() - width) / 2, (desktop.height() - height) / 2, width, height);
    }
    shownBefore_ = true;
    if (visible_) return;
    visible_ = true;
    update();
    platform::current().setWindowVisible(handle_, true);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    platform::current().setWindowVisible(handle_, false);
}

void Form::bringToFront() { platform::current().raiseWindow(handle_); }

void Form::setAlignRight(bool alignRight) {
    alignRight_ = alignRight;
    if (alignRight_) {
        platform::current().onWorkAreaChanged([this] {
            Application::instance().dispatch([this] { placeAtWorkAreaRight(); });
        });
    }
}

void Form::placeAtWorkAreaRight() {
    const Rect area = platform::current().workArea();
    const int width = clientWidth();
    setBounds(area.right - width, area.top, width, area.height());
}

void Form::setColor(Argb color) {
    color_ = color;
    platform::current().setWindowBackground(handle_, color_);
    invalidate(buffer_.bounds());
}

void Form::setIcon(const std::vector<platform::IconImage>& images) {
    icon_ = images;
    smallIcon_ = 0;
    platform::current().setWindowIcon(handle_, images);
}

platform::Handle Form::smallIcon() {
    constexpr int SmallIconSize = 16;
    if (smallIcon_ != 0) return smallIcon_;
    const platform::IconImage* best = nullptr;
    for (const platform::IconImage& image : icon_) {
        if (image.width != SmallIconSize || image.height != SmallIconSize) continue;
        if (best == nullptr || image.bitsPerPixel > best->bitsPerPixel) best = &image;
    }
    if (best != nullptr) smallIcon_ = platform::current().createIcon(*best);
    return smallIcon_;
}

void Form::close() { handleClose(); }

void Form::invalidate(Rect area) {
    area = intersect(area, buffer_.bounds());
    if (area.empty()) return;
    // Keep the list short: merge with every rectangle it meets.
    bool merged = true;
    while (merged) {
        merged = false;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            const Rect grown{it->left - 1, it->top - 1, it->right + 1, it->bottom + 1};
            if (!intersect(grown, area).empty()) {
                area = unite(area, *it);
                dirty_.erase(it);
                merged = true;
                break;
            }
        }
    }
    dirty_.push_back(area);
}

void Form::paintArea(Rect area) {
    Canvas canvas(buffer_);
    // Whatever lies beneath the topmost control that covers the whole area with opaque pixels
    // cannot show: start there. Without one, the form's colour is the ground.
    auto first = controls_.end();
    for (auto it = controls_.end(); it != controls_.begin();) {
        --it;
        if ((*it)->visible() && (*it)->coversOpaquely(area)) {
            first = it;
            break;
        }
    }
    if (first == controls_.end()) {
        canvas.fillRect(area, color_);
        first = controls_.begin();
    }
    for (auto it = first; it != controls_.end(); ++it) {
        Control* c = *it;
        if (c->visible() && !intersect(c->bounds(), area).empty()) c->paint(canvas, area);
    }
}

void Form::update() {
    if (dirty_.empty()) return;
    std::vector<Rect> areas;
    areas.swap(dirty_);
    for (const Rect& area : areas) paintArea(area);
    if (!visible_) return;
    for (const Rect& area : areas) platform::current().present(handle_, buffer_.constView(), area);
}

const Bitmap& Form::picture() {
    std::vector<Rect> areas;
    areas.swap(dirty_);
    for (const Rect& area : areas) paintArea(area);
    // Still owed to the screen.
    if (visible_)
        for (const Rect& area : areas) platform::current().present(handle_, buffer_.constView(), area);
    return buffer_;
}

Control* Form::controlAt(Point at) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->visible() && (*it)->bounds().contains(at)) return *it;
    }
    return nullptr;
}

void Form::removeControl(Control* control) {
    std::erase(controls_, control);
    if (capture_ == control) capture_ = nullptr;
    if (hovered_ == control) hovered_ = nullptr;
}

void Form::removeNative(NativeControl* control) { std::erase(natives_, control); }

namespace {

MouseEvent eventFor(const Control& c, platform::MouseButton button, platform::ShiftState shift,
                    Point at) {
    return {button, shift, at.x - c.left(), at.y - c.top()};
}

}  // namespace

void Form::hover(Point at) {
    hovered_ = controlAt(at);
    const std::string hint = hovered_ && hovered_->showHint ? hovered_->hint : std::string();
    if (hint != shownHint_) {
        shownHint_ = hint;
        platform::current().setWindowHint(handle_, hint);
    }
    const Cursor pointer = hovered_ ? hovered_->cursor : cursor;
    if (pointer != shownCursor_) {
        shownCursor_ = pointer;
        platform::current().setWindowCursor(handle_, pointer);
    }
}

void Form::mousePressed(platform::MouseButton button, platform::ShiftState shift, Point at) {
    Application::instance().dispatch([&] {
        hover(at);
        Control* target = controlAt(at);
        if (target == nullptr) return;
        const bool doubleClick = (shift & platform::DoubleClick) != 0;
        if (button == platform::MouseButton::Left) {
            capture_ = target;
            clicked_ = !doubleClick;
            if (doubleClick && target->onDblClick) target->onDblClick();
        }
        if (target->onMouseDown) target->onMouseDown(eventFor(*target, button, shift, at));
    });
}

void Form::mouseReleased(platform::MouseButton button, platform::ShiftState shift, Point at) {
    Application::instance().dispatch([&] {
        Control* target = nullptr;
        if (button == platform::MouseButton::Left && capture_ != nullptr) {
            target = capture_;
            capture_ = nullptr;
            const bool click = clicked_ && target->bounds().contains(at);
            clicked_ = false;
            if (click && target->onClick) target->onClick();
        } else {
            target = controlAt(at);
        }
        if (target != nullptr && target->onMouseUp)
            target->onMouseUp(eventFor(*target, button, shift, at));
        hover(at);
    });
}

void Form::mouseMoved(platform::ShiftState shift, Point at) {
    Application::instance().dispatch([&] {
        hover(at);
        Control* target = capture_ != nullptr ? capture_ : controlAt(at);
        if (target != nullptr && target->onMouseMove)
            target->onMouseMove(eventFor(*target, platform::MouseButton::Left, shift, at));
    });
}

void Form::mouseLeft() {
    hovered_ = nullptr;
    if (!shownHint_.empty()) {
        shownHint_.clear();
        platform::current().setWindowHint(handle_, shownHint_);
    }
}

void Form::handleClose() {
    CloseAction action = CloseAction::Hide;
    if (onClose) onClose(action);
    switch (action) {
        case CloseAction::None:
            return;
        case CloseAction::Minimize:
            return;
        case CloseAction::Hide:
        case CloseAction::Free:
            if (Application::instance().mainForm() == this) {
                Application::instance().terminate();
            } else {
                hide();
            }
            return;
    }
}

void Form::closeRequested() {
    Application::instance().dispatch([this] { handleClose(); });
}

void Form::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    Application::instance().dispatch([&] { windowMessage(msg, wParam, lParam); });
}

void Form::exposed(Rect area) {
    if (visible_) platform::current().present(handle_, picture().constView(), area);
}

}  // namespace brivane::ui
