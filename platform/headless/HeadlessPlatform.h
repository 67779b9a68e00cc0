// The platform tests run on: deterministic and without a window system.
//  - Virtual time: advance(ms) fires due timers in order.
//  - Local time, work area, virtual screen and pointer position are set by the test.
//  - Message boxes are recorded and answered by the test (a handler may advance time while a
//    box is "open", as a nested message loop would).
//  - Every system call the program makes by name is recorded with its arguments.
//  - Text is drawn as simple blocks: each character one cell of (height + 1) / 2 pixels.
//  - Drops of files and the file-open dialog are made and answered by the test; the audio
//    library is a model of its streams (HeadlessAudio).

//  - A tray holds the icons the program adds; the test presses them (trayMouse) and answers
//    the pop-up menus (onPopupMenu).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/HeadlessAudio.h"
#include "platform/platform.h"

namespace brivane::platform {

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // --- what tests set ------------------------------------------------------------------
    void advance(int milliseconds);
    std::int64_t now() const { return now_; }
    void setLocalTime(const TimeOfDay& time);
    // Times that the next readings of the local time give, one each; the last one stays.
    void setLocalTimes(std::vector<TimeOfDay> times);
    // How often the local time has been read.
    int localTimeReads() const { return localTimeReads_; }
    // Changes the regional settings and announces the change (unless told not to).
    void setLocaleNames(const LocaleNames& names, bool announce = true);
    // English month and weekday names and ":" as the time separator: the settings a test starts
    // with.
    static LocaleNames englishLocale();
    void setWorkArea(Rect area);  // announces the change
    void setVirtualScreen(Rect screen) { virtualScreen_ = screen; }
    void setCursorPosition(Point p) { cursor_ = p; }
    void setModuleFileName(const std::string& path) { moduleFileName_ = path; }
    void setSysColor(int index, Argb color) { sysColors_[index] = color; }

    // --- the shell (the desktop tools' requests) ---------------------------------------------
    // What WinExec answers (greater than 31: the program was started).
    void setWinExecResult(unsigned result) { winExecResult_ = result; }
    // Whether the shell's DDE service "Folders", topic "AppProperties", answers a connect. When
    // `startsWithExplorer`, it answers from the moment WinExec has started "explorer.exe".
    void setDdeFolderService(bool running, bool startsWithExplorer = false) {
        ddeServerRunning_ = running;
        ddeServerStartsWithExplorer_ = startsWithExplorer;
    }
    // DDE objects still alive (instances, string handles, conversations).
    std::size_t liveDdeObjects() const {
        return ddeInstances_.size() + ddeStrings_.size() + ddeConversations_.size();
    }

    // --- recorded calls -------------------------------------------------------------------
    struct Call {
        std::string name;
        std::vector<std::string> args;
        std::string str() const;  // "Name(a, b)"
        friend bool operator==(const Call&, const Call&) = default;
    };
    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> callsNamed(const std::string& name) const;
    void clearCalls() { calls_.clear(); }
    void record(std::string name, std::vector<std::string> args);
    // Benchmarks turn recording off, so that it is not measured with the program.
    bool recording = true;

    // Called with each call as it is recorded; a test may throw from it to make the call fail.
    std::function<void(const Call&)> onCall;

    // --- message boxes --------------------------------------------------------------------
    struct Message {
        std::string text;
        std::string caption;
        MessageKind kind = MessageKind::Plain;
    };
    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    // Called while a box is open; when it returns, the box is dismissed.
    std::function<void(const Message&)> onMessageBox;
    int openMessageBoxes() const { return openBoxes_; }

    // --- windows and native controls as the program left them --------------------------------
    struct Window {
        WindowSpec spec;
        WindowListener* listener = nullptr;
        Rect bounds;
        bool visible = false;
        bool destroyed = false;
        int raised = 0;
        Cursor cursor = Cursor::Arrow;
        std::string hint;
        Argb background = 0;
        std::size_t iconImages = 0;
        int presents = 0;
        Rect lastPresented;
    };
    Window& window(Handle handle) { return windows_.at(handle); }
    // Live windows, in order of creation.
    std::vector<Handle> windowHandles() const;

    struct Native {
        Handle parent = 0;
        NativeKind kind = NativeKind::ListBox;
        NativeListener* listener = nullptr;
        Rect bounds;
        bool visible = true;
        NativeStyle style;
        std::string text;
        std::deque<std::string> items;  // the list box's lines, as the kit left them
        int selected = -1;
        bool destroyed = false;
    };
    Native& native(Handle handle) { return natives_.at(handle); }

    // --- input, as the window system would deliver it ----------------------------------------
    void press(Handle window, MouseButton button, Point at, ShiftState shift = 0);
    void release(Handle window, MouseButton button, Point at, ShiftState shift = 0);
    void move(Handle window, Point at, ShiftState shift = 0);
    void click(Handle window, Point at);        // left press and release
    void doubleClick(Handle window, Point at);  // press, release, double press, release
    void requestClose(Handle window);

    bool quitRequested() const { return quit_; }
    int exitCode() const { return exitCode_; }
    // Runs the actions posted so far (and those they post).
    void runPosted();

    // --- Platform ------------------------------------------------------------------------
    Handle applicationWindow() override { return ApplicationWindow; }
    void setApplicationTitle(const std::string& title) override { title_ = title; }
    const std::string& applicationTitle() const { return title_; }
    int runMessageLoop() override;
    void quit(int exitCode) override;
    void post(std::function<void()> action) override;

    Handle createWindow(const WindowSpec& spec, WindowListener* listener) override;
    void destroyWindow(Handle window) override;
    void setWindowBounds(Handle window, Rect screenBounds) override;
    void setWindowVisible(Handle window, bool visible) override;
    void raiseWindow(Handle window) override;
    void setWindowIcon(Handle window, const std::vector<IconImage>& images) override;
    void setWindowBackground(Handle window, Argb color) override;
    void present(Handle window, ConstPixelView picture, Rect area) override;
    void setWindowCursor(Handle window, Cursor cursor) override;
    void setWindowHint(Handle window, const std::string& hint) override;

    Handle createNative(Handle parent, NativeKind kind, NativeListener* listener) override;
    void destroyNative(Handle control) override;
    void setNativeBounds(Handle control, Rect clientBounds) override;
    void setNativeVisible(Handle control, bool visible) override;
    void setNativeStyle(Handle control, const NativeStyle& style) override;
    void setNativeText(Handle control, const std::string& text) override;
    void listInsert(Handle control, int index, const std::string& text) override;
    void listDelete(Handle control, int index) override;
    void listClear(Handle control) override;
    void listSelect(Handle control, int index) override;

    Handle startTimer(int intervalMs, std::function<void()> tick) override;
    void killTimer(Handle timer) override;
    // Intervals of the running timers.
    std::vector<int> runningTimerIntervals() const;

    Rect workArea() override { return workArea_; }
    Rect virtualScreen() override { return virtualScreen_; }
    void onWorkAreaChanged(std::function<void()> handler) override;
    Point cursorPosition() override { return cursor_; }

    void messageBox(const std::string& text, const std::string& caption,
                    MessageKind kind) override;

    Size measureText(const FontSpec& font, const std::string& utf8) override;
    void drawText(PixelView target, Rect clip, Point origin, const FontSpec& font, Argb color,
                  const std::string& utf8) override;

    std::string moduleFileName() override { return moduleFileName_; }
    Argb sysColor(int index) override;
    TimeOfDay localTime() override;

    // Reads real files (tests write them), recording the call with its arguments: section, key,
    // default, size and file name.
    std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                           const char* defaultText, char* buffer,
                                           std::uint32_t size, const char* fileName) override;
    LocaleNames localeNames() override { return localeNames_; }
    void onLocaleChanged(std::function<void()> handler) override;

    int ShowWindow(Handle window, int command) override;
    std::int32_t GetWindowLongA(Handle window, int index) override;
    std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value) override;

    // Recorded with string arguments in double quotes (NULL for a null pointer), DDE string
    // handles as hsz(text) and conversations as conv1, conv2... in order of connection.
    std::int32_t SHEmptyRecycleBinA(Handle window, const char* rootPath,
                                    std::uint32_t flags) override;
    unsigned WinExec(const char* commandLine, unsigned showCommand) override;
    std::intptr_t ShellExecuteA(Handle window, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                int showCommand) override;
    unsigned DdeInitializeA(std::uint32_t* instance, DdeCallback callback, std::uint32_t command,
                            std::uint32_t reserved) override;
    int DdeUninitialize(std::uint32_t instance) override;
    Handle DdeCreateStringHandleA(std::uint32_t instance, const char* text, int codePage) override;
    int DdeFreeStringHandle(std::uint32_t instance, Handle hsz) override;
    Handle DdeConnect(std::uint32_t instance, Handle service, Handle topic,
                      const void* context) override;
    Handle DdeClientTransaction(const std::uint8_t* data, std::uint32_t length, Handle conversation,
                                Handle item, unsigned format, unsigned type, std::uint32_t timeout,
                                std::uint32_t* result) override;
    int DdeDisconnect(Handle conversation) override;

    // --- the music player -------------------------------------------------------------------
    // Drops `paths` onto a native control, as the file manager would: when the control accepts
    // drops its window gets message 0x0233 with a new drop handle, which is returned (0 when
    // the control does not accept drops).
    Handle dropFiles(Handle control, const std::vector<std::string>& paths);
    // Drops not yet finished with DragFinish.
    std::size_t openDrops() const { return drops_.size(); }
    bool acceptsDrops(Handle control) const { return dropTargets_.contains(control); }

    // Answers the file-open dialog while it is "open": a path confirms it, nullopt cancels.
    // Without an answer the dialog is cancelled.
    struct OpenDialogRequest {
        Handle owner = 0;
        std::vector<FileFilter> filters;
        int filterIndex = 1;
    };
    std::function<std::optional<std::string>(const OpenDialogRequest&)> onOpenDialog;

    HeadlessAudio& audio() { return audio_; }

    void DragAcceptFiles(Handle window, int accept) override;
    unsigned DragQueryFileA(Handle drop, unsigned index, char* buffer, unsigned size) override;
    void DragFinish(Handle drop) override;
    bool runOpenDialog(Handle owner, const std::vector<FileFilter>& filters, int filterIndex,
                       std::string& fileName) override;
    int BASS_Init(int device, std::uint32_t frequency, std::uint32_t flags, Handle window,
                  const void* classId) override;
    std::uint32_t BASS_StreamCreateFile(int fromMemory, const void* file, std::uint32_t offset,
                                        std::uint32_t length, std::uint32_t flags) override;
    int BASS_StreamFree(std::uint32_t stream) override;
    int BASS_ChannelPlay(std::uint32_t channel, int restart) override;
    std::uint32_t BASS_ChannelIsActive(std::uint32_t channel) override;
    int BASS_ChannelPause(std::uint32_t channel) override;
    int BASS_ChannelStop(std::uint32_t channel) override;
    int BASS_ChannelSetPosition(std::uint32_t channel, std::uint64_t position) override;

    Handle createIcon(const IconImage& image) override;
    int Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATAA* data) override;
    int SetForegroundWindow(Handle window) override;
    int GetCursorPos(Point* position) override;
    int PostMessageA(Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    int popupMenu(const std::vector<std::string>& captions, Point at) override;

    // --- the tray and the pop-up menus ------------------------------------------------------
    const IconImage& icon(Handle handle) const { return icons_.at(handle); }
    // The icons in the tray, as added (a copy of each record).
    const std::vector<NOTIFYICONDATAA>& trayIcons() const { return trayIcons_; }
    // Without a tray the shell refuses every icon.
    void setTrayAvailable(bool available) { trayAvailable_ = available; }
    // The user acts on the tray icon with identifier `id` of `window` (mouse message 0x0201
    // left press, 0x0204 right press...): its window gets the record's callback message.
    // Returns false when there is no such icon.
    bool trayMouse(std::intptr_t mouseMessage, Handle window, std::uint32_t id = 0);
    // The first icon in the tray, as above.
    bool trayMouse(std::intptr_t mouseMessage);
    // Called while a pop-up menu is open; returns the chosen index (-1: closed without a
    // choice). Without it every menu closes without a choice.
    std::function<int(const std::vector<std::string>& captions, Point at)> onPopupMenu;
    int openPopupMenus() const { return openMenus_; }
    Handle foregroundWindow() const { return foreground_; }

    static constexpr Handle ApplicationWindow = 1;

private:
    struct RunningTimer {
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t order = 0;
        std::function<void()> tick;
    };

    Handle nextHandle_ = 100;
    std::int64_t now_ = 0;
    std::uint64_t timerOrder_ = 0;
    std::map<Handle, RunningTimer> timers_;
    std::map<Handle, Window> windows_;
    std::map<Handle, Native> natives_;
    std::vector<Call> calls_;
    std::vector<Message> messages_;
    std::deque<std::function<void()>> posted_;
    std::function<void()> workAreaChanged_;
    TimeOfDay localTime_;
    std::deque<TimeOfDay> comingTimes_;
    int localTimeReads_ = 0;
    LocaleNames localeNames_ = englishLocale();
    std::vector<std::function<void()>> localeChanged_;
    Rect workArea_{0, 0, 1280, 760};
    Rect virtualScreen_{0, 0, 1280, 800};
    Point cursor_;
    std::string moduleFileName_ = "/opt/brivane/brivane";
    std::string title_;
    std::map<int, Argb> sysColors_;
    std::int32_t applicationExStyle_ = 0x00040000;  // WS_EX_APPWINDOW
    bool applicationVisible_ = true;
    int openBoxes_ = 0;
    unsigned winExecResult_ = 33;
    bool ddeServerRunning_ = true;
    bool ddeServerStartsWithExplorer_ = false;
    std::uint32_t lastDdeInstance_ = 0;
    int ddeConnections_ = 0;
    std::map<std::uint32_t, bool> ddeInstances_;
    std::map<Handle, std::string> ddeStrings_;
    std::map<Handle, std::string> ddeConversations_;  // handle -> "conv1"...
    std::string hszText(Handle hsz) const;
    std::map<Handle, IconImage> icons_;
    std::vector<NOTIFYICONDATAA> trayIcons_;
    bool trayAvailable_ = true;
    int openMenus_ = 0;
    Handle foreground_ = 0;
    bool quit_ = false;
    int exitCode_ = 0;

    // the music player
    std::set<Handle> dropTargets_;
    std::map<Handle, std::vector<std::string>> drops_;
    HeadlessAudio audio_{*this};
};

}  // namespace brivane::platform
