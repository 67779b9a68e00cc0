// A top-level window of the program: borderless, no taskbar button, painted from the kit's
// off-screen picture, reporting raw mouse input in client coordinates.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <string>

#include "platform/platform.h"

namespace brivane::platform::qt {

class TopWindow final : public QWidget {
public:
    TopWindow(const WindowSpec& spec, WindowListener* listener);

    // Copies `area` of the client picture into the window's own copy and repaints that area.
    void present(ConstPixelView picture, Rect area);
    void setBackground(Argb color);
    void setHint(const std::string& hint);
    // The pointer went onto one of the window's native controls.
    void pointerLeftForChild();
    // A window message for the program (files dropped onto one of its controls, ...).
    void deliverMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
        listener_->message(msg, wParam, lParam);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    WindowListener* listener_;
    QImage picture_;  // the client area as the kit last presented it
    QColor background_;
};

// The platform's bits for the modifier keys and mouse buttons of an input event.
ShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace brivane::platform::qt
