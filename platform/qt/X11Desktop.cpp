#include "platform/qt/X11Desktop.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace brivane::platform::qt {

struct X11Desktop::Connection {
    xcb_connection_t* xcb = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t wmState = 0;
    xcb_atom_t skipTaskbar = 0;
    xcb_atom_t skipPager = 0;
    xcb_atom_t workArea = 0;

    xcb_atom_t atom(const char* name) const {
        xcb_intern_atom_cookie_t cookie = xcb_intern_atom(xcb, 0, std::strlen(name), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(xcb, cookie, nullptr);
        if (reply == nullptr) return XCB_ATOM_NONE;
        xcb_atom_t value = reply->atom;
        std::free(reply);
        return value;
    }

    // The values of a 32-bit property, empty when it is missing or of another type.
    std::vector<std::uint32_t> property(xcb_window_t window, xcb_atom_t name,
                                        xcb_atom_t type) const {
        xcb_get_property_cookie_t cookie = xcb_get_property(xcb, 0, window, name, type, 0, 1024);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(xcb, cookie, nullptr);
        std::vector<std::uint32_t> values;
        if (reply != nullptr && reply->type == type && reply->format == 32) {
            const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
            values.assign(data, data + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return values;
    }
};

std::unique_ptr<X11Desktop> X11Desktop::connect() {
    auto* x11 =
        qApp == nullptr ? nullptr : qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
    auto c = std::make_unique<Connection>();
    c->xcb = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(c->xcb);
    c->root = xcb_setup_roots_iterator(setup).data->root;
    c->wmState = c->atom("_NET_WM_STATE");
    c->skipTaskbar = c->atom("_NET_WM_STATE_SKIP_TASKBAR");
    c->skipPager = c->atom("_NET_WM_STATE_SKIP_PAGER");
    c->workArea = c->atom("_NET_WORKAREA");
    // Qt already listens to the root window's property changes; ask again to be sure.
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        c->xcb, xcb_get_window_attributes(c->xcb, c->root), nullptr);
    if (attributes != nullptr) {
        std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c->xcb, c->root, XCB_CW_EVENT_MASK, &mask);
        std::free(attributes);
    }
    xcb_flush(c->xcb);
    auto desktop = std::unique_ptr<X11Desktop>(new X11Desktop(std::move(c)));
    qApp->installNativeEventFilter(desktop.get());
    return desktop;
}

X11Desktop::X11Desktop(std::unique_ptr<Connection> connection) : x_(std::move(connection)) {}

X11Desktop::~X11Desktop() {
    if (qApp != nullptr) qApp->removeNativeEventFilter(this);
}

void X11Desktop::skipTaskbar(QWidget* window) {
    auto id = static_cast<xcb_window_t>(window->winId());
    // Without a window manager (or before mapping) the property is the state itself.
    std::vector<std::uint32_t> states = x_->property(id, x_->wmState, XCB_ATOM_ATOM);
    bool changed = false;
    for (xcb_atom_t wanted : {x_->skipTaskbar, x_->skipPager}) {
        bool present = false;
        for (std::uint32_t s : states) present = present || s == wanted;
        if (!present) {
            states.push_back(wanted);
            changed = true;
        }
    }
    if (changed) {
        xcb_change_property(x_->xcb, XCB_PROP_MODE_REPLACE, id, x_->wmState, XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(states.size()), states.data());
    }
    // A window manager owns the states of a mapped window: ask it.
    if (window->isVisible()) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = x_->wmState;
        event.data.data32[0] = 1;  // add
        event.data.data32[1] = x_->skipTaskbar;
        event.data.data32[2] = x_->skipPager;
        event.data.data32[3] = 1;  // from an application
        xcb_send_event(x_->xcb, 0, x_->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(x_->xcb);
}

QRect X11Desktop::workArea() const {
    std::vector<std::uint32_t> area = x_->property(x_->root, x_->workArea, XCB_ATOM_CARDINAL);
    if (area.size() < 4) return {};
    return QRect(static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                 static_cast<int>(area[3]));
}

bool X11Desktop::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
    auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
    if (notify->window == x_->root && notify->atom == x_->workArea && workAreaChanged_) {
        workAreaChanged_();
    }
    return false;  // Qt sees it too
}

}  // namespace brivane::platform::qt
