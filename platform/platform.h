// The one seam between Brivane and the system it runs on.
//
// Everything above platform/ (the widget kit in ui/ and the program's own folders) reaches the
// window system, the OS and the audio library only through the interface below. Each system gets
// one implementation: platform/headless/ for tests, platform/qt/ for the Linux desktop.
//
// The interface knows nothing of the kit's classes: pictures cross it as plain pixel buffers,
// fonts as plain descriptions, and events come back through small listener interfaces.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brivane::platform {

// An opaque handle of a window, a native control, a timer or the application window. 0 is none.
using Handle = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle as the window system has it: right and bottom are one past the last pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0xAARRGGBB; in memory (little endian) that is B, G, R, A.
using Argb = std::uint32_t;

// 32-bit pixels, 0xAARRGGBB each, rows top to bottom. The owner keeps the memory alive.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // in pixels
};

struct ConstPixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // in pixels
};

// A font asked for by face name and character height in pixels (96 pixels per inch).
struct FontSpec {
    std::string name = "Tahoma";
    int height = 11;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class Cursor { Arrow, Hand, IBeam };

enum class MouseButton { Left, Right, Middle };

// Modifier keys and buttons held, as bits.
enum ShiftBits : unsigned {
    ShiftKey = 1,
    AltKey = 2,
    CtrlKey = 4,
    LeftButtonHeld = 8,
    RightButtonHeld = 16,
    MiddleButtonHeld = 32,
    DoubleClick = 64,
};
using ShiftState = unsigned;

enum class MessageKind {
    Plain,  // the program's own messages: no icon, one OK button
    Error,  // the standard error report: a stop icon, one OK button
};

// One image of a window's icon (several sizes and depths make one icon).
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first
};

// What a top-level window reports to the kit. Coordinates are client coordinates.
class WindowListener {
public:
    virtual ~WindowListener() = default;
    virtual void mousePressed(MouseButton button, ShiftState shift, Point at) = 0;
    virtual void mouseReleased(MouseButton button, ShiftState shift, Point at) = 0;
    virtual void mouseMoved(ShiftState shift, Point at) = 0;
    // The pointer left the window.
    virtual void mouseLeft() = 0;
    // The window manager (or the user through it) asks the window to close.
    virtual void closeRequested() = 0;
    // The system needs a part of the window drawn again (exposed after being covered).
    virtual void exposed(Rect area) = 0;
    // A window message by its Windows number (0x0233: files dropped, wParam the drop handle;
    // a tray icon's callback message; a message posted to the window).
    virtual void message(unsigned /*msg*/, std::uintptr_t /*wParam*/, std::intptr_t /*lParam*/) {}
};

struct WindowSpec {
    std::string caption;
    Rect bounds;          // screen coordinates
    bool borderless = true;
    bool toolWindow = true;  // no taskbar button, not in the task switcher
    Argb background = 0xFF000000;
};

enum class NativeKind { ListBox, Edit, Button };

// What a native control reports to the kit. The kit keeps the control's state; the platform
// reports the user's changes and the kit writes its own changes back through the setters.
class NativeListener {
public:
    virtual ~NativeListener() = default;
    // The user selected a list entry (by mouse or keyboard); -1 is none.
    virtual void selectionChangedByUser(int index) = 0;
    // A click (list box: on an entry or a keyboard move; button: pressed and released over it).
    virtual void clicked() = 0;
    virtual void doubleClicked() = 0;
    // A key went down while the control had the focus. Key codes are the Windows virtual-key
    // codes (13 Enter, 46 Delete, 'A'...). The control's own handling of the key follows.
    virtual void keyDown(int key, ShiftState shift) = 0;
    // The user changed the text of an edit box.
    virtual void textChangedByUser(const std::string& text) = 0;
};

struct NativeStyle {
    FontSpec font;
    Argb textColor = 0xFF000000;
    Argb background = 0xFFFFFFFF;
    bool border = true;      // list box: false draws the flat frame instead
    int itemHeight = 13;     // list box
    Cursor cursor = Cursor::Arrow;
    std::string hint;        // tool tip; empty for none
    int tabOrder = 0;
};

// One entry of a file dialog's filter: the name shown and the pattern(s) it lists, e.g. "Mp3"
// and "*.mp3" (several patterns are separated by ";").
struct FileFilter {
    std::string name;
    std::string pattern;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct TimeOfDay {
    int year = 2000, month = 1, day = 1, dayOfWeek = 6;  // dayOfWeek: 0 Sunday
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
};

// The user's regional settings for dates and times: what the calendar texts are made of.
struct LocaleNames {
    std::array<std::string, 12> monthNames;  // full names, January first; empty where none is set
    std::array<std::string, 7> dayNames;     // full weekday names, Sunday first; empty where none
    std::string timeSeparator;       // as the settings give it: empty, one or more characters
    bool timeSeparatorKnown = true;  // false when the settings could not be read
    friend bool operator==(const LocaleNames&, const LocaleNames&) = default;
};

// The shell's notification-icon record in its first layout: 88 bytes where handles are 32-bit.
struct NOTIFYICONDATAA {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;  // the window that receives the callback messages
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;  // 1 callback message, 2 icon, 4 tip valid
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    char szTip[64] = {};  // zero-terminated
};
static_assert(sizeof(Handle) != 4 || sizeof(NOTIFYICONDATAA) == 88);

// The services one system gives the program. One instance lives for the process (`current()`).
class Platform {
public:
    virtual ~Platform() = default;

    // --- the application and its message loop -------------------------------------------
    // The program's hidden top-level owner window (the "application window").
    virtual Handle applicationWindow() = 0;
    virtual void setApplicationTitle(const std::string& title) = 0;
    // Runs the message loop until quit() has been handled; returns the exit code.
    virtual int runMessageLoop() = 0;
    virtual void quit(int exitCode) = 0;
    // Runs `action` later, from the message loop (after the current event).
    virtual void post(std::function<void()> action) = 0;

    // --- windows -------------------------------------------------------------------------
    virtual Handle createWindow(const WindowSpec& spec, WindowListener* listener) = 0;
    virtual void destroyWindow(Handle window) = 0;
    virtual void setWindowBounds(Handle window, Rect screenBounds) = 0;
    virtual void setWindowVisible(Handle window, bool visible) = 0;
    virtual void raiseWindow(Handle window) = 0;
    virtual void setWindowIcon(Handle window, const std::vector<IconImage>& images) = 0;
    virtual void setWindowBackground(Handle window, Argb color) = 0;
    // Shows the area of the window's client picture; `picture` is the whole client area.
    virtual void present(Handle window, ConstPixelView picture, Rect area) = 0;
    virtual void setWindowCursor(Handle window, Cursor cursor) = 0;
    // The tool tip shown for the place the pointer rests on; empty for none.
    virtual void setWindowHint(Handle window, const std::string& hint) = 0;

    // --- native controls (children of a window, above everything the kit paints) ---------
    virtual Handle createNative(Handle parent, NativeKind kind, NativeListener* listener) = 0;
    virtual void destroyNative(Handle control) = 0;
    virtual void setNativeBounds(Handle control, Rect clientBounds) = 0;
    virtual void setNativeVisible(Handle control, bool visible) = 0;
    virtual void setNativeStyle(Handle control, const NativeStyle& style) = 0;
    virtual void setNativeText(Handle control, const std::string& text) = 0;  // edit, button
    virtual void listInsert(Handle control, int index, const std::string& text) = 0;
    virtual void listDelete(Handle control, int index) = 0;
    virtual void listClear(Handle control) = 0;
    virtual void listSelect(Handle control, int index) = 0;  // -1 clears; raises no event

    // --- timers --------------------------------------------------------------------------
    // Calls `tick` every `intervalMs` on the GUI thread until killed.
    virtual Handle startTimer(int intervalMs, std::function<void()> tick) = 0;
    virtual void killTimer(Handle timer) = 0;

    // --- screens ------------------------------------------------------------------------
    // The work area of the primary monitor, in screen coordinates.
    virtual Rect workArea() = 0;
    // The bounds of the whole virtual screen (all monitors), in screen coordinates.
    virtual Rect virtualScreen() = 0;
    // Called whenever the work area changes.
    virtual void onWorkAreaChanged(std::function<void()> handler) = 0;
    virtual Point cursorPosition() = 0;

    // --- messages ------------------------------------------------------------------------
    // A modal box with one OK button; runs a nested message loop until it is dismissed.
    virtual void messageBox(const std::string& text, const std::string& caption,
                            MessageKind kind) = 0;

    // --- text ----------------------------------------------------------------------------
    virtual Size measureText(const FontSpec& font, const std::string& utf8) = 0;
    // Draws one line of text with its top-left at `origin`, only inside `clip`.
    virtual void drawText(PixelView target, Rect clip, Point origin, const FontSpec& font,
                          Argb color, const std::string& utf8) = 0;

    // --- the system ----------------------------------------------------------------------
    // The full path of the running executable.
    virtual std::string moduleFileName() = 0;
    // The system colour of a Windows colour index (13 highlight, 27 gradient active caption...).
    virtual Argb sysColor(int index) = 0;
    virtual TimeOfDay localTime() = 0;

    // --- the clock and the calendar ----------------------------------------------------------
    // The system's profile-file reader, with the Windows arguments: the value of `key` in
    // `section` of the file `fileName`, at most size - 1 characters and a terminating zero;
    // returns the number of characters delivered. On systems without one, see ProfileReader.h.
    virtual std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                                   const char* defaultText, char* buffer,
                                                   std::uint32_t size, const char* fileName) = 0;
    // The month and weekday names and the time separator of the user's regional settings, as
    // they are now.
    virtual LocaleNames localeNames() = 0;
    // Called whenever the system announces a change of the regional settings.
    virtual void onLocaleChanged(std::function<void()> handler) = 0;

    // The window-system calls that the program makes by name. On Windows they are the system's
    // own; elsewhere they act on the platform's own model of the application window.
    virtual int ShowWindow(Handle window, int command) = 0;
    virtual std::int32_t GetWindowLongA(Handle window, int index) = 0;
    virtual std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value) = 0;

    // --- the desktop tools' requests to the shell ----------------------------------------
    // Called by name with the Windows arguments (platform/winapi.h). Strings are zero-terminated
    // and may be null where Windows allows it, so an empty text and no text stay apart. Where
    // there is no Windows shell the platform hands each request to the system's own equivalent.
    virtual std::int32_t SHEmptyRecycleBinA(Handle window, const char* rootPath,
                                            std::uint32_t flags) = 0;
    virtual unsigned WinExec(const char* commandLine, unsigned showCommand) = 0;
    virtual std::intptr_t ShellExecuteA(Handle window, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        int showCommand) = 0;

    // The DDE client calls of a conversation with a shell service. Instances are numbers,
    // string handles, conversations and data handles are handles (0 is none or failure).
    using DdeCallback = Handle (*)(unsigned type, unsigned format, Handle conversation,
                                   Handle hsz1, Handle hsz2, Handle data, std::uintptr_t data1,
                                   std::uintptr_t data2);
    virtual unsigned DdeInitializeA(std::uint32_t* instance, DdeCallback callback,
                                    std::uint32_t command, std::uint32_t reserved) = 0;
    virtual int DdeUninitialize(std::uint32_t instance) = 0;
    virtual Handle DdeCreateStringHandleA(std::uint32_t instance, const char* text,
                                          int codePage) = 0;
    virtual int DdeFreeStringHandle(std::uint32_t instance, Handle hsz) = 0;
    virtual Handle DdeConnect(std::uint32_t instance, Handle service, Handle topic,
                              const void* context) = 0;
    virtual Handle DdeClientTransaction(const std::uint8_t* data, std::uint32_t length,
                                        Handle conversation, Handle item, unsigned format,
                                        unsigned type, std::uint32_t timeout,
                                        std::uint32_t* result) = 0;
    virtual int DdeDisconnect(Handle conversation) = 0;

    // --- the music player ----------------------------------------------------------------
    // Files dropped from the file manager. After DragAcceptFiles(control, TRUE) a drop of files
    // or folders onto that control reaches its top-level window's listener as message 0x0233,
    // wParam the drop handle; the platform keeps the drop's paths until DragFinish.
    virtual void DragAcceptFiles(Handle window, int accept) = 0;
    // index 0xFFFFFFFF: the number of paths of the drop. Otherwise the length of path `index`
    // (without its NUL) when `buffer` is null, or at most size - 1 of its characters and a NUL
    // written to `buffer`, returning the number written (without the NUL). 0 for a bad handle
    // or index.
    virtual unsigned DragQueryFileA(Handle drop, unsigned index, char* buffer, unsigned size) = 0;
    virtual void DragFinish(Handle drop) = 0;

    // The modal file-open dialog: `filters` in order, entry `filterIndex` (from 1) selected at
    // first. True, with the chosen file's full path in `fileName`, when the user confirmed one.
    virtual bool runOpenDialog(Handle owner, const std::vector<FileFilter>& filters,
                               int filterIndex, std::string& fileName) = 0;

    // The audio library, called by name with its own arguments (platform/audio.h): one output
    // device, streams made from files and known by nonzero 32-bit handles. Every call with a
    // handle that is 0 or no longer loaded does nothing; BASS_ChannelIsActive then answers 0.
    virtual int BASS_Init(int device, std::uint32_t frequency, std::uint32_t flags, Handle window,
                          const void* classId) = 0;
    // Opens the file at once: 0 when it is missing, not a readable audio file of a known kind,
    // or there is no output device.
    virtual std::uint32_t BASS_StreamCreateFile(int fromMemory, const void* file,
                                                std::uint32_t offset, std::uint32_t length,
                                                std::uint32_t flags) = 0;
    virtual int BASS_StreamFree(std::uint32_t stream) = 0;
    // restart 0: a new or stopped stream plays from its position, a paused one resumes.
    virtual int BASS_ChannelPlay(std::uint32_t channel, int restart) = 0;
    // 0 stopped (also after the end), 1 playing, 2 stalled, 3 paused.
    virtual std::uint32_t BASS_ChannelIsActive(std::uint32_t channel) = 0;
    // Pauses a playing stream; a stream that is not playing stays as it is.
    virtual int BASS_ChannelPause(std::uint32_t channel) = 0;
    virtual int BASS_ChannelStop(std::uint32_t channel) = 0;
    // A position in bytes of the decoded output (16-bit stereo at the device's frequency).
    virtual int BASS_ChannelSetPosition(std::uint32_t channel, std::uint64_t position) = 0;

    // --- the tray icon and its menu ----------------------------------------------------------
    // An icon made of one image; it lives as long as the platform.
    virtual Handle createIcon(const IconImage& image) = 0;
    // Adds (message 0) or deletes (2) a tray icon. Mouse actions on an icon reach the window
    // named in the record as the record's callback message, with the icon identifier as first
    // and the mouse message (0x0201 left press, 0x0204 right press) as second parameter.
    // Returns 0 when the shell refuses (also where there is no tray at all).
    virtual int Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATAA* data) = 0;
    virtual int SetForegroundWindow(Handle window) = 0;
    virtual int GetCursorPos(Point* position) = 0;
    // Delivers the message to the window's listener later, from the message loop.
    virtual int PostMessageA(Handle window, unsigned msg, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // A modal pop-up menu of `captions` ("-" is a separator) with its top-left at the screen
    // point; returns the index of the chosen item, or -1 when it closed without a choice.
    virtual int popupMenu(const std::vector<std::string>& captions, Point at) = 0;
};

// The platform of this process. Set once at start (by the program entry or a test).
Platform& current();
void setCurrent(Platform* platform);

// The platform a desktop build runs on; defined by the desktop implementation that is linked in.
std::unique_ptr<Platform> createDesktopPlatform(int argc, char** argv);

}  // namespace brivane::platform
