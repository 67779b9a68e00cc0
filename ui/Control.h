// A graphic control: a widget without a window of its own. Its form owns it, paints it into the
// form's picture in definition order and routes the mouse to it.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"
#include "ui/Bitmap.h"

namespace brivane::ui {

class Canvas;
class Form;

using Cursor = platform::Cursor;
using MouseButton = platform::MouseButton;
using ShiftState = platform::ShiftState;

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    ShiftState shift = 0;
    int x = 0;  // relative to the control
    int y = 0;
};

enum class Align { None, Client };

class Control {
public:
    Control(Form& owner, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Form& owner() { return owner_; }

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    Rect bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left) { setBounds(left, top(), width(), height()); }
    void setTop(int top) { setBounds(left(), top, width(), height()); }
    void setWidth(int width) { setBounds(left(), top(), width, height()); }
    void setHeight(int height) { setBounds(left(), top(), width(), height); }

    // Client: the control follows the size of its form's client area.
    Align align() const { return align_; }
    void setAlign(Align align);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    Cursor cursor = Cursor::Arrow;
    std::string hint;
    bool showHint = false;
    int tag = 0;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void(const MouseEvent&)> onMouseMove;

    // Paints the control into the form's picture, only inside `clip` (form coordinates).
    virtual void paint(Canvas& canvas, Rect clip) = 0;
    // True when painting the control leaves no pixel of `area` showing what lies beneath.
    virtual bool coversOpaquely(Rect) const { return false; }

    // Marks the control's whole area for repainting.
    void invalidate();

private:
    friend class Form;
    Form& owner_;
    std::string name_;
    Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
};

}  // namespace brivane::ui
