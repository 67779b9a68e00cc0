// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW client message.
// Usage: brivane_close_window <window id>   (decimal or 0x hex, as xdotool and xwininfo print)
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    xcb_atom_t value = reply->atom;
    std::free(reply);
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "WM_PROTOCOLS");
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_void_cookie_t sent = xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                    reinterpret_cast<const char*>(&event));
    xcb_generic_error_t* error = xcb_request_check(c, sent);
    if (error != nullptr) {
        std::fprintf(stderr, "%s: no window 0x%x\n", argv[0], window);
        std::free(error);
        xcb_disconnect(c);
        return 1;
    }
    xcb_disconnect(c);
    return 0;
}
