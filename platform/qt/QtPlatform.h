// The Linux desktop platform: Qt 6 Widgets for windows, native controls, timers, message boxes,
// screens and text; on X11 a few window-manager hints of our own.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/qt/FileDrop.h"
#include "platform/qt/FontBook.h"
#include "platform/sdl/SdlAudio.h"

namespace brivane::platform::qt {

class ListBoxControl;
class LocaleWatch;
class QuitSignals;
class TopWindow;
class X11Desktop;

// Presses on the program's XEmbed tray icons that Qt would drop while a modal box is open.
class ModalTrayPresses final : public QAbstractNativeEventFilter {
public:
    using Pressed = std::function<bool(std::uint32_t x11Window, int button)>;
    explicit ModalTrayPresses(Pressed pressed);
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    Pressed pressed_;
    std::uint8_t inputExtension_ = 0;  // the major opcode of the X input extension
};

class QtPlatform final : public Platform {
public:
    // Constructs the QApplication; `argc` and `argv` go to it unchanged.
    QtPlatform(int argc, char** argv);
    ~QtPlatform() override;

    Handle applicationWindow() override;
    void setApplicationTitle(const std::string& title) override;
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

    Rect workArea() override;
    Rect virtualScreen() override;
    void onWorkAreaChanged(std::function<void()> handler) override;
    Point cursorPosition() override;

    void messageBox(const std::string& text, const std::string& caption, MessageKind kind) override;

    Size measureText(const FontSpec& font, const std::string& utf8) override;
    void drawText(PixelView target, Rect clip, Point origin, const FontSpec& font, Argb color,
                  const std::string& utf8) override;

    std::string moduleFileName() override;
    Argb sysColor(int index) override;
    TimeOfDay localTime() override;

    // The clock and the calendar (LocaleWatch.cpp).
    std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                           const char* defaultText, char* buffer,
                                           std::uint32_t size, const char* fileName) override;
    LocaleNames localeNames() override;
    void onLocaleChanged(std::function<void()> handler) override;

    int ShowWindow(Handle window, int command) override;
    std::int32_t GetWindowLongA(Handle window, int index) override;
    std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value) override;

    // The desktop tools' shell requests (QtShell.cpp): handed to the Linux desktop's own
    // programs through platform/linux/DesktopShell.
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

    // --- the music player (QtPlayer.cpp) ----------------------------------------------------
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

    // The tray icon and its menu (QtTray.cpp).
    Handle createIcon(const IconImage& image) override;
    int Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATAA* data) override;
    int SetForegroundWindow(Handle window) override;
    int GetCursorPos(Point* position) override;
    int PostMessageA(Handle window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    int popupMenu(const std::vector<std::string>& captions, Point at) override;

private:
    struct Native {
        NativeKind kind;
        QPointer<QWidget> widget;
        int tabOrder = 0;
    };

    TopWindow* window(Handle handle);
    Native* native(Handle handle);
    ListBoxControl* list(Handle handle);
    Handle nextHandle();
    void endAllLoops(int exitCode);
    void watchScreens();
    void workAreaMaybeChanged();
    void orderTabs(QWidget* parent);
    // A press on an XEmbed tray icon while a modal box blocks it; false when it is not one.
    bool trayPressedWhileModal(std::uint32_t x11Window, int button);
    // Hands a window message to the listener of the window, if it still exists.
    void deliverMessage(Handle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    int argc_;  // QApplication keeps a reference to it for its whole life
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<X11Desktop> x11_;  // null when not on X11
    std::unique_ptr<QuitSignals> quitSignals_;
    FontBook fonts_;
    QObject timerOwner_;
    Handle lastHandle_ = 0x100;
    std::map<Handle, QPointer<TopWindow>> windows_;
    std::map<Handle, Native> natives_;
    std::map<Handle, QTimer*> timers_;
    std::vector<std::function<void()>> workAreaHandlers_;
    Rect lastWorkArea_;
    QIcon icon_;

    // Icons made by createIcon, and the tray icons of the program.
    std::map<Handle, QIcon> icons_;
    struct TrayIcon {
        NOTIFYICONDATAA record;
        std::unique_ptr<QSystemTrayIcon> icon;
        std::uint32_t embedded = 0;  // the X11 window of an XEmbed icon, 0 for another kind
    };
    std::vector<TrayIcon> trayIcons_;
    std::unique_ptr<ModalTrayPresses> modalTrayPresses_;

    // The model of the application window (Linux has no hidden owner window).
    Handle applicationWindow_ = 0;
    bool applicationWindowVisible_ = true;
    std::map<Handle, std::int32_t> extendedStyles_;
    std::string applicationTitle_;

    LocaleWatch* localeWatch_ = nullptr;  // a child of the application object, made when needed

    bool quitHandled_ = false;
    int exitCode_ = 0;

    // The music player: drop targets and the drops not yet finished; the audio library, last
    // so that it closes first and no audio thread outlives the windows.
    std::map<Handle, std::unique_ptr<FileDropTarget>> dropTargets_;
    std::map<Handle, std::vector<std::string>> drops_;
    std::unique_ptr<sdl::SdlAudio> audio_;
};

}  // namespace brivane::platform::qt
