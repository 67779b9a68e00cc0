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

// --- the shell: recycle bins, programs, "open" --------------------------------------------
using UINT = unsigned;
using DWORD = std::uint32_t;
using HRESULT = std::int32_t;
using HINSTANCE = std::intptr_t;
using LPCSTR = const char*;

constexpr DWORD SHERB_NOCONFIRMATION = 0x1;
constexpr int SW_SHOWMINNOACTIVE = 7;

inline HRESULT SHEmptyRecycleBinA(HWND window, LPCSTR rootPath, DWORD flags) {
    return platform::current().SHEmptyRecycleBinA(window, rootPath, flags);
}
// Greater than 31 when the program was started.
inline UINT WinExec(LPCSTR commandLine, UINT showCommand) {
    return platform::current().WinExec(commandLine, showCommand);
}
// Greater than 32 on success.
inline HINSTANCE ShellExecuteA(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, int showCommand) {
    return platform::current().ShellExecuteA(window, operation, file, parameters, directory,
                                             showCommand);
}

// --- DDE, client side ---------------------------------------------------------------------
using HSZ = platform::Handle;
using HCONV = platform::Handle;
using HDDEDATA = platform::Handle;
using PFNCALLBACK = platform::Platform::DdeCallback;
struct CONVCONTEXT;

constexpr DWORD APPCMD_CLIENTONLY = 0x10;
constexpr UINT DMLERR_NO_ERROR = 0;
constexpr int CP_WINANSI = 1004;
constexpr UINT CF_TEXT = 1;
constexpr UINT XTYP_EXECUTE = 0x4050;
constexpr DWORD TIMEOUT_ASYNC = 0xFFFFFFFF;

inline UINT DdeInitializeA(DWORD* instance, PFNCALLBACK callback, DWORD command, DWORD reserved) {
    return platform::current().DdeInitializeA(instance, callback, command, reserved);
}
inline BOOL DdeUninitialize(DWORD instance) {
    return platform::current().DdeUninitialize(instance);
}
inline HSZ DdeCreateStringHandleA(DWORD instance, LPCSTR text, int codePage) {
    return platform::current().DdeCreateStringHandleA(instance, text, codePage);
}
inline BOOL DdeFreeStringHandle(DWORD instance, HSZ hsz) {
    return platform::current().DdeFreeStringHandle(instance, hsz);
}
inline HCONV DdeConnect(DWORD instance, HSZ service, HSZ topic, const CONVCONTEXT* context) {
    return platform::current().DdeConnect(instance, service, topic, context);
}
inline HDDEDATA DdeClientTransaction(const std::uint8_t* data, DWORD length, HCONV conversation,
                                     HSZ item, UINT format, UINT type, DWORD timeout,
                                     DWORD* result) {
    return platform::current().DdeClientTransaction(data, length, conversation, item, format, type,
                                                    timeout, result);
}
inline BOOL DdeDisconnect(HCONV conversation) {
    return platform::current().DdeDisconnect(conversation);
}

// --- the clock and the calendar -------------------------------------------------------------

using WORD = std::uint16_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR
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

// --- the playlist: files dropped from the shell --------------------------------------------
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

// --- the tray icon and its menu ---------------------------------------------------------------
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
