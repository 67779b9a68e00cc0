// The system calls the program makes by their Windows names, with the Windows arguments.
// Each forwards to the current platform, so the program's code reads the same on every system
// and a test can check the exact call.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace brivane {

using HWND = platform::Handle;
using BOOL = int;
using LONG = std::int32_t;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr int GWL_EXSTYLE = -20;
constexpr LONG WS_EX_TOOLWINDOW = 0x80;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;

inline BOOL ShowWindow(HWND window, int command) {
    return platform::current().ShowWindow(window, command);
}
inline LONG GetWindowLongA(HWND window, int index) {
    return platform::current().GetWindowLongA(window, index);
}
inline LONG SetWindowLongA(HWND window, int index, LONG value) {
    return platform::current().SetWindowLongA(window, index, value);
}

// --- the tray icon and its menu ---------------------------------------------------------------
using UINT = unsigned;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using HICON = platform::Handle;
using NOTIFYICONDATAA = platform::NOTIFYICONDATAA;

struct POINT {
    LONG x;
    LONG y;
};

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr DWORD NOTIFYICONDATAA_V1_SIZE = 88;  // the record's first layout, on 32-bit Windows
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

inline BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
    return platform::current().Shell_NotifyIconA(message, data);
}
inline BOOL SetForegroundWindow(HWND window) {
    return platform::current().SetForegroundWindow(window);
}
inline BOOL GetCursorPos(POINT* point) {
    platform::Point p;
    const BOOL done = platform::current().GetCursorPos(&p);
    *point = {p.x, p.y};
    return done;
}
inline BOOL PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return platform::current().PostMessageA(window, msg, wParam, lParam);
}

}  // namespace brivane
