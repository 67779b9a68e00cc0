// What Qt does not say for us on X11: the skip-taskbar and skip-pager states of the program's
// windows, and the work area read from the root window's _NET_WORKAREA.
//
// On the work area: with one screen Qt follows _NET_WORKAREA itself, window manager or not (a
// change of the root property reaches QScreen::availableGeometryChanged; checked under Xvfb
// with no window manager). With several screens Qt gives every screen its whole area, so the
// platform reads the property itself and watches it for changes.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QRect>
#include <functional>
#include <memory>

class QWidget;

namespace brivane::platform::qt {

class X11Desktop final : public QAbstractNativeEventFilter {
public:
    // Null when the application does not run on X11.
    static std::unique_ptr<X11Desktop> connect();
    ~X11Desktop() override;

    // Marks a top-level window as one that belongs on no taskbar and no pager. Call after the
    // window has been shown (Qt writes the window's states while mapping it).
    void skipTaskbar(QWidget* window);

    // The first area of the root window's _NET_WORKAREA; empty when the property is not set.
    QRect workArea() const;

    // Called whenever the root window's _NET_WORKAREA changes.
    void onWorkAreaChanged(std::function<void()> handler) { workAreaChanged_ = std::move(handler); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Connection;
    explicit X11Desktop(std::unique_ptr<Connection> connection);

    std::unique_ptr<Connection> x_;
    std::function<void()> workAreaChanged_;
};

}  // namespace brivane::platform::qt
