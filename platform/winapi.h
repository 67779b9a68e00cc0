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

}  // namespace brivane
