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

// --- the playlist: files dropped from the shell --------------------------------------------
using UINT = unsigned;
using LPSTR = char*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using HDROP = platform::Handle;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr UINT WM_DROPFILES = 0x0233;

inline void DragAcceptFiles(HWND window, BOOL accept) {
    platform::current().DragAcceptFiles(window, accept);
}
// With index 0xFFFFFFFF: the number of files dropped. With a null buffer: the length of the
// path of file `index`, without its NUL. Otherwise copies at most size - 1 characters and a NUL.
inline UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size) {
    return platform::current().DragQueryFileA(drop, index, buffer, size);
}
inline void DragFinish(HDROP drop) { platform::current().DragFinish(drop); }

}  // namespace brivane
