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

// --- the clock and the calendar -------------------------------------------------------------

using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR
using LPCSTR = const char*;
using LPSTR = char*;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;      // 1 January ... 12 December
    WORD wDayOfWeek;  // 0 Sunday ... 6 Saturday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

inline void GetLocalTime(SYSTEMTIME* time) {
    const platform::TimeOfDay t = platform::current().localTime();
    *time = {WORD(t.year), WORD(t.month),  WORD(t.dayOfWeek), WORD(t.day),
             WORD(t.hour), WORD(t.minute), WORD(t.second),    WORD(t.milliseconds)};
}

inline COLORREF GetSysColor(int index) {
    const platform::Argb c = platform::current().sysColor(index);
    return ((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16);
}

inline DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer,
                                      DWORD size, LPCSTR fileName) {
    return platform::current().GetPrivateProfileStringA(section, key, defaultText, buffer, size,
                                                        fileName);
}

}  // namespace brivane
