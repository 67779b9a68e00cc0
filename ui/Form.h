// A top-level window of the program. It owns its graphic controls in definition order, composes
// them bottom to top into one off-screen picture (only where something changed) and hands the
// changed rectangles to the platform. It also routes the mouse to its controls:
//   - the target is the topmost visible control under the pointer;
//   - a left press captures the mouse, so its release goes to the same control wherever it
//     happens; presses of other buttons do not capture;
//   - a click is a left press and release over the same control, raised before the mouse-up of
//     that release; the second press of a double click raises a double click and no click.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/Bitmap.h"
#include "ui/Control.h"

namespace brivane::ui {

class NativeControl;

enum class CloseAction { None, Hide, Free, Minimize };

// Where a form stands when it is first shown: where its bounds say, or in the middle of the
// virtual screen (measured from the primary screen's top-left, halved toward zero).
enum class Position { Designed, DesktopCenter };

class Form : public platform::WindowListener {
public:
    Form(std::string caption, int clientWidth, int clientHeight);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The form's native window (made when the form is built).
    platform::Handle handle() const { return handle_; }
    const std::string& caption() const { return caption_; }

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int clientWidth() const { return bounds_.width(); }
    int clientHeight() const { return bounds_.height(); }
    Rect screenBounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    // Makes the form visible; it does not bring it to the front (bringToFront does).
    void show();
    void hide();
    void bringToFront();

    // A form aligned to the right of the work area is placed against its right edge, as tall as
    // it, each time it becomes visible and each time the work area changes.
    void setAlignRight(bool alignRight);
    void placeAtWorkAreaRight();
    Position position = Position::Designed;

    Argb color() const { return color_; }
    void setColor(Argb color);
    bool doubleBuffered = false;
    Cursor cursor = Cursor::Arrow;
    void setIcon(const std::vector<platform::IconImage>& images);
    // The form's icon at the small-icon size (16 x 16), as an icon handle; 0 when it has none.
    platform::Handle smallIcon();

    std::function<void(CloseAction&)> onClose;

    // Asks the form to close, as the window manager's close does.
    void close();

    // Marks an area (client coordinates) for repainting; update() paints and presents it.
    void invalidate(Rect area);
    void update();
    bool hasPendingPaint() const { return !dirty_.empty(); }
    // The composed client picture, with every pending change painted.
    const Bitmap& picture();

    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<NativeControl*>& nativeControls() const { return natives_; }
    // The topmost visible control at a client point, or null.
    Control* controlAt(Point at) const;

    // platform::WindowListener
    void mousePressed(platform::MouseButton button, platform::ShiftState shift, Point at) override;
    void mouseReleased(platform::MouseButton button, platform::ShiftState shift, Point at) override;
    void mouseMoved(platform::ShiftState shift, Point at) override;
    void mouseLeft() override;
    void closeRequested() override;
    void exposed(Rect area) override;
    void message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    // A window message by its Windows number, run through the application's dispatch. A form
    // with message handlers overrides this and picks its messages out.
    virtual void windowMessage(unsigned /*msg*/, std::uintptr_t /*wParam*/,
                               std::intptr_t /*lParam*/) {}

private:
    friend class Control;
    friend class NativeControl;
    void addControl(Control* control) { controls_.push_back(control); }
    void removeControl(Control* control);
    void addNative(NativeControl* control) { natives_.push_back(control); }
    void removeNative(NativeControl* control);
    void paintArea(Rect area);
    void hover(Point at);
    void handleClose();

    std::string caption_;
    platform::Handle handle_ = 0;
    Rect bounds_;
    bool visible_ = false;
    bool alignRight_ = false;
    bool shownBefore_ = false;
    std::vector<platform::IconImage> icon_;
    platform::Handle smallIcon_ = 0;
    Argb color_ = 0xFFF0F0F0u;
    Bitmap buffer_;
    std::vector<Rect> dirty_;
    std::vector<Control*> controls_;
    std::vector<NativeControl*> natives_;
    Control* capture_ = nullptr;
    bool clicked_ = false;
    Control* hovered_ = nullptr;
    std::string shownHint_;
    Cursor shownCursor_ = Cursor::Arrow;
};

}  // namespace brivane::ui
