#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "platform/ProfileReader.h"

namespace brivane::platform {

namespace {

std::string str(Handle h) { return std::to_string(h); }

// The number of characters (code points) of a UTF-8 text.
int codePoints(const std::string& utf8) {
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

int cellWidth(const FontSpec& font) { return std::max(1, (font.height + 1) / 2); }

}  // namespace

std::string HeadlessPlatform::Call::str() const {
    std::ostringstream out;
    out << name << "(";
    for (std::size_t i = 0; i < args.size(); ++i) out << (i ? ", " : "") << args[i];
    out << ")";
    return out.str();
}

HeadlessPlatform::HeadlessPlatform() { setCurrent(this); }

HeadlessPlatform::~HeadlessPlatform() { setCurrent(nullptr); }

void HeadlessPlatform::record(std::string name, std::vector<std::string> args) {
    if (!recording) return;
    calls_.push_back({std::move(name), std::move(args)});
    if (onCall) {
        const Call call = calls_.back();  // the hook may record calls of its own
        onCall(call);
    }
}

std::vector<HeadlessPlatform::Call> HeadlessPlatform::callsNamed(const std::string& name) const {
    std::vector<Call> found;
    for (const Call& c : calls_)
        if (c.name == name) found.push_back(c);
    return found;
}

// --- time ----------------------------------------------------------------------------------

void HeadlessPlatform::advance(int milliseconds) {
    const std::int64_t target = now_ + std::max(milliseconds, 0);
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == timers_.end()) break;
        now_ = std::max(now_, next->second.due);
        next->second.due += next->second.interval;
        next->second.order = ++timerOrder_;
        auto tick = next->second.tick;  // the timer may be killed by its own tick
        tick();
        runPosted();
    }
    now_ = std::max(now_, target);
    runPosted();
}

Handle HeadlessPlatform::startTimer(int intervalMs, std::function<void()> tick) {
    const Handle h = nextHandle_++;
    timers_[h] = {intervalMs, now_ + intervalMs, ++timerOrder_, std::move(tick)};
    return h;
}

void HeadlessPlatform::killTimer(Handle timer) { timers_.erase(timer); }

std::vector<int> HeadlessPlatform::runningTimerIntervals() const {
    std::vector<int> intervals;
    for (const auto& [h, t] : timers_) intervals.push_back(t.interval);
    return intervals;
}

// --- loop ----------------------------------------------------------------------------------

int HeadlessPlatform::runMessageLoop() {
    record("runMessageLoop", {});
    runPosted();
    return exitCode_;
}

void HeadlessPlatform::quit(int exitCode) {
    quit_ = true;
    exitCode_ = exitCode;
}

void HeadlessPlatform::post(std::function<void()> action) { posted_.push_back(std::move(action)); }

void HeadlessPlatform::runPosted() {
    while (!posted_.empty()) {
        auto action = std::move(posted_.front());
        posted_.pop_front();
        action();
    }
}

// --- windows -------------------------------------------------------------------------------

Handle HeadlessPlatform::createWindow(const WindowSpec& spec, WindowListener* listener) {
    const Handle h = nextHandle_++;
    Window w;
    w.spec = spec;
    w.listener = listener;
    w.bounds = spec.bounds;
    w.background = spec.background;
    windows_[h] = w;
    record("createWindow", {spec.caption});
    return h;
}

void HeadlessPlatform::destroyWindow(Handle window) {
    windows_.at(window).destroyed = true;
    windows_.at(window).visible = false;
    record("destroyWindow", {str(window)});
}

std::vector<Handle> HeadlessPlatform::windowHandles() const {
    std::vector<Handle> handles;
    for (const auto& [h, w] : windows_)
        if (!w.destroyed) handles.push_back(h);
    return handles;
}

void HeadlessPlatform::setWindowBounds(Handle window, Rect screenBounds) {
    windows_.at(window).bounds = screenBounds;
}

void HeadlessPlatform::setWindowVisible(Handle window, bool visible) {
    windows_.at(window).visible = visible;
    record("setWindowVisible", {str(window), visible ? "true" : "false"});
}

void HeadlessPlatform::raiseWindow(Handle window) { ++windows_.at(window).raised; }

void HeadlessPlatform::setWindowIcon(Handle window, const std::vector<IconImage>& images) {
    windows_.at(window).iconImages = images.size();
}

void HeadlessPlatform::setWindowBackground(Handle window, Argb color) {
    windows_.at(window).background = color;
}

void HeadlessPlatform::present(Handle window, ConstPixelView, Rect area) {
    Window& w = windows_.at(window);
    ++w.presents;
    w.lastPresented = area;
}

void HeadlessPlatform::setWindowCursor(Handle window, Cursor cursor) {
    windows_.at(window).cursor = cursor;
}

void HeadlessPlatform::setWindowHint(Handle window, const std::string& hint) {
    windows_.at(window).hint = hint;
}

// --- native controls -------------------------------------------------------------------------

Handle HeadlessPlatform::createNative(Handle parent, NativeKind kind, NativeListener* listener) {
    const Handle h = nextHandle_++;
    Native n;
    n.parent = parent;
    n.kind = kind;
    n.listener = listener;
    natives_[h] = n;
    return h;
}

void HeadlessPlatform::destroyNative(Handle control) { natives_.at(control).destroyed = true; }

void HeadlessPlatform::setNativeBounds(Handle control, Rect clientBounds) {
    natives_.at(control).bounds = clientBounds;
}

void HeadlessPlatform::setNativeVisible(Handle control, bool visible) {
    natives_.at(control).visible = visible;
}

void HeadlessPlatform::setNativeStyle(Handle control, const NativeStyle& style) {
    natives_.at(control).style = style;
}

void HeadlessPlatform::setNativeText(Handle control, const std::string& text) {
    natives_.at(control).text = text;
}

void HeadlessPlatform::listInsert(Handle control, int index, const std::string& text) {
    auto& items = natives_.at(control).items;
    index = std::clamp(index, 0, int(items.size()));
    items.insert(items.begin() + index, text);
}

void HeadlessPlatform::listDelete(Handle control, int index) {
    auto& items = natives_.at(control).items;
    if (index >= 0 && index < int(items.size())) items.erase(items.begin() + index);
}

void HeadlessPlatform::listClear(Handle control) { natives_.at(control).items.clear(); }

void HeadlessPlatform::listSelect(Handle control, int index) { natives_.at(control).selected = index; }

// --- screens -------------------------------------------------------------------------------

void HeadlessPlatform::setWorkArea(Rect area) {
    workArea_ = area;
    if (workAreaChanged_) workAreaChanged_();
}

void HeadlessPlatform::onWorkAreaChanged(std::function<void()> handler) {
    workAreaChanged_ = std::move(handler);
}

// --- messages ------------------------------------------------------------------------------

void HeadlessPlatform::messageBox(const std::string& text, const std::string& caption,
                                  MessageKind kind) {
    messages_.push_back({text, caption, kind});
    record("messageBox", {text, caption, kind == MessageKind::Error ? "error" : "plain"});
    ++openBoxes_;
    struct Closing {
        int& open;
        ~Closing() { --open; }
    } closing{openBoxes_};
    if (onMessageBox) onMessageBox(messages_.back());
}

// --- text ----------------------------------------------------------------------------------

Size HeadlessPlatform::measureText(const FontSpec& font, const std::string& utf8) {
    return {codePoints(utf8) * cellWidth(font), font.height + 2};
}

void HeadlessPlatform::drawText(PixelView target, Rect clip, Point origin, const FontSpec& font,
                                Argb color, const std::string& utf8) {
    const int cell = cellWidth(font);
    int x = origin.x;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        while (i + length < utf8.size() && (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        if (c != ' ') {
            // A block for each character, one pixel narrower than its cell.
            const int left = std::max({x, clip.left, 0});
            const int right = std::min({x + std::max(1, cell - 1), clip.right, target.width});
            const int top = std::max({origin.y + 1, clip.top, 0});
            const int bottom = std::min({origin.y + 1 + font.height, clip.bottom, target.height});
            for (int y = top; y < bottom; ++y)
                for (int px = left; px < right; ++px)
                    target.pixels[std::size_t(y) * target.stride + px] = color | 0xFF000000u;
        }
        x += cell;
        i += length;
    }
}

// --- the system ----------------------------------------------------------------------------

Argb HeadlessPlatform::sysColor(int index) {
    if (auto it = sysColors_.find(index); it != sysColors_.end()) return it->second;
    // The Windows defaults.
    switch (index) {
        case 5: return 0xFFFFFFFF;   // window
        case 8: return 0xFF000000;   // window text
        case 13: return 0xFF0078D7;  // highlight
        case 14: return 0xFFFFFFFF;  // highlight text
        case 15: return 0xFFF0F0F0;  // button face
        case 27: return 0xFFB9D1EA;  // gradient active caption
        default: return 0xFF808080;
    }
}

// --- the clock and the calendar ---------------------------------------------------------------

void HeadlessPlatform::setLocalTime(const TimeOfDay& time) {
    comingTimes_.clear();
    localTime_ = time;
}

void HeadlessPlatform::setLocalTimes(std::vector<TimeOfDay> times) {
    comingTimes_.assign(times.begin(), times.end());
}

TimeOfDay HeadlessPlatform::localTime() {
    ++localTimeReads_;
    if (!comingTimes_.empty()) {
        localTime_ = comingTimes_.front();
        comingTimes_.pop_front();
    }
    return localTime_;
}

std::uint32_t HeadlessPlatform::GetPrivateProfileStringA(const char* section, const char* key,
                                                         const char* defaultText, char* buffer,
                                                         std::uint32_t size, const char* fileName) {
    auto text = [](const char* s) { return s != nullptr ? std::string(s) : std::string("(null)"); };
    record("GetPrivateProfileStringA",
           {text(section), text(key), text(defaultText), std::to_string(size), text(fileName)});
    return readProfileString(section, key, defaultText, buffer, size, fileName);
}

LocaleNames HeadlessPlatform::englishLocale() {
    return {{"January", "February", "March", "April", "May", "June", "July", "August", "September",
             "October", "November", "December"},
            {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
            ":",
            true};
}

void HeadlessPlatform::setLocaleNames(const LocaleNames& names, bool announce) {
    localeNames_ = names;
    if (!announce) return;
    for (auto& handler : localeChanged_) handler();
}

void HeadlessPlatform::onLocaleChanged(std::function<void()> handler) {
    localeChanged_.push_back(std::move(handler));
}

int HeadlessPlatform::ShowWindow(Handle window, int command) {
    record("ShowWindow", {str(window), std::to_string(command)});
    if (window == ApplicationWindow) {
        const bool was = applicationVisible_;
        applicationVisible_ = command != 0;
        return was ? 1 : 0;
    }
    Window& w = windows_.at(window);
    const bool was = w.visible;
    w.visible = command != 0;
    return was ? 1 : 0;
}

std::int32_t HeadlessPlatform::GetWindowLongA(Handle window, int index) {
    record("GetWindowLongA", {str(window), std::to_string(index)});
    return window == ApplicationWindow && index == -20 ? applicationExStyle_ : 0;
}

std::int32_t HeadlessPlatform::SetWindowLongA(Handle window, int index, std::int32_t value) {
    record("SetWindowLongA", {str(window), std::to_string(index), std::to_string(value)});
    if (window != ApplicationWindow || index != -20) return 0;
    const std::int32_t old = applicationExStyle_;
    applicationExStyle_ = value;
    return old;
}

// --- the shell -----------------------------------------------------------------------------

namespace {

std::string quoted(const char* text) {
    return text == nullptr ? std::string("NULL") : "\"" + std::string(text) + "\"";
}

bool sameText(const std::string& a, const char* b) {
    const std::string other(b);
    return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::int32_t HeadlessPlatform::SHEmptyRecycleBinA(Handle window, const char* rootPath,
                                                  std::uint32_t flags) {
    record("SHEmptyRecycleBinA", {str(window), quoted(rootPath), std::to_string(flags)});
    return 0;
}

unsigned HeadlessPlatform::WinExec(const char* commandLine, unsigned showCommand) {
    record("WinExec", {quoted(commandLine), std::to_string(showCommand)});
    if (winExecResult_ > 31 && ddeServerStartsWithExplorer_ && commandLine != nullptr &&
        sameText("explorer.exe", commandLine))
        ddeServerRunning_ = true;
    return winExecResult_;
}

std::intptr_t HeadlessPlatform::ShellExecuteA(Handle window, const char* operation,
                                              const char* file, const char* parameters,
                                              const char* directory, int showCommand) {
    record("ShellExecuteA", {str(window), quoted(operation), quoted(file), quoted(parameters),
                             quoted(directory), std::to_string(showCommand)});
    return 42;
}

std::string HeadlessPlatform::hszText(Handle hsz) const {
    if (hsz == 0) return "0";
    auto it = ddeStrings_.find(hsz);
    return it == ddeStrings_.end() ? "hsz?" + str(hsz) : "hsz(" + it->second + ")";
}

unsigned HeadlessPlatform::DdeInitializeA(std::uint32_t* instance, DdeCallback callback,
                                          std::uint32_t command, std::uint32_t reserved) {
    record("DdeInitializeA", {callback != nullptr ? "callback" : "NULL", std::to_string(command),
                              std::to_string(reserved)});
    if (instance == nullptr || callback == nullptr) return 0x4006;  // DMLERR_INVALIDPARAMETER
    *instance = ++lastDdeInstance_;
    ddeInstances_[*instance] = true;
    return 0;
}

int HeadlessPlatform::DdeUninitialize(std::uint32_t instance) {
    record("DdeUninitialize", {std::to_string(instance)});
    return ddeInstances_.erase(instance) == 1 ? 1 : 0;
}

Handle HeadlessPlatform::DdeCreateStringHandleA(std::uint32_t instance, const char* text,
                                                int codePage) {
    record("DdeCreateStringHandleA",
           {std::to_string(instance), quoted(text), std::to_string(codePage)});
    if (!ddeInstances_.contains(instance) || text == nullptr) return 0;
    const Handle h = nextHandle_++;
    ddeStrings_[h] = text;
    return h;
}

int HeadlessPlatform::DdeFreeStringHandle(std::uint32_t instance, Handle hsz) {
    record("DdeFreeStringHandle", {std::to_string(instance), hszText(hsz)});
    return ddeStrings_.erase(hsz) == 1 ? 1 : 0;
}

Handle HeadlessPlatform::DdeConnect(std::uint32_t instance, Handle service, Handle topic,
                                    const void* context) {
    record("DdeConnect", {std::to_string(instance), hszText(service), hszText(topic),
                          context != nullptr ? "context" : "NULL"});
    if (!ddeServerRunning_ || !ddeInstances_.contains(instance)) return 0;
    const auto s = ddeStrings_.find(service);
    const auto t = ddeStrings_.find(topic);
    if (s == ddeStrings_.end() || t == ddeStrings_.end() || !sameText(s->second, "Folders") ||
        !sameText(t->second, "AppProperties"))
        return 0;
    const Handle h = nextHandle_++;
    ddeConversations_[h] = "conv" + std::to_string(++ddeConnections_);
    return h;
}

Handle HeadlessPlatform::DdeClientTransaction(const std::uint8_t* data, std::uint32_t length,
                                              Handle conversation, Handle item, unsigned format,
                                              unsigned type, std::uint32_t timeout,
                                              std::uint32_t* result) {
    // The data as text, a zero byte shown as \0.
    std::string text = data == nullptr ? "NULL" : "\"";
    if (data != nullptr) {
        for (std::uint32_t i = 0; i < length; ++i)
            text += data[i] == 0 ? std::string("\\0") : std::string(1, char(data[i]));
        text += "\"";
    }
    auto conv = ddeConversations_.find(conversation);
    record("DdeClientTransaction",
           {text, std::to_string(length),
            conv == ddeConversations_.end() ? "conv?" + str(conversation) : conv->second,
            hszText(item), std::to_string(format), std::to_string(type), std::to_string(timeout),
            result != nullptr ? "result" : "NULL"});
    if (conv == ddeConversations_.end()) return 0;
    if (result != nullptr) *result = 1;  // the transaction's number
    return 1;
}

int HeadlessPlatform::DdeDisconnect(Handle conversation) {
    auto conv = ddeConversations_.find(conversation);
    record("DdeDisconnect",
           {conv == ddeConversations_.end() ? "conv?" + str(conversation) : conv->second});
    if (conv == ddeConversations_.end()) return 0;
    ddeConversations_.erase(conv);
    return 1;
}

// --- the tray and the pop-up menus -----------------------------------------------------------

namespace {

struct OpenCount {
    int& open;
    explicit OpenCount(int& count) : open(count) { ++open; }
    ~OpenCount() { --open; }
};

std::string tipOf(const NOTIFYICONDATAA& data) {
    return std::string(data.szTip, strnlen(data.szTip, sizeof data.szTip));
}

}  // namespace

Handle HeadlessPlatform::createIcon(const IconImage& image) {
    const Handle h = nextHandle_++;
    icons_[h] = image;
    record("createIcon", {std::to_string(image.width) + "x" + std::to_string(image.height) + "x" +
                          std::to_string(image.bitsPerPixel)});
    return h;
}

int HeadlessPlatform::Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATAA* data) {
    record("Shell_NotifyIconA",
           {std::to_string(message), std::to_string(data->cbSize), str(data->hWnd),
            std::to_string(data->uID), std::to_string(data->uFlags),
            std::to_string(data->uCallbackMessage), str(data->hIcon), tipOf(*data)});
    if (!trayAvailable_) return 0;
    auto same = std::find_if(trayIcons_.begin(), trayIcons_.end(), [&](const NOTIFYICONDATAA& d) {
        return d.hWnd == data->hWnd && d.uID == data->uID;
    });
    switch (message) {
        case 0:  // NIM_ADD
            if (same != trayIcons_.end() || windows_.count(data->hWnd) == 0 ||
                windows_.at(data->hWnd).destroyed)
                return 0;
            trayIcons_.push_back(*data);
            return 1;
        case 2:  // NIM_DELETE
            if (same == trayIcons_.end()) return 0;
            trayIcons_.erase(same);
            return 1;
        default:
            return 0;
    }
}

int HeadlessPlatform::SetForegroundWindow(Handle window) {
    record("SetForegroundWindow", {str(window)});
    if (windows_.count(window) == 0 || windows_.at(window).destroyed) return 0;
    foreground_ = window;
    return 1;
}

int HeadlessPlatform::GetCursorPos(Point* position) {
    record("GetCursorPos", {});
    *position = cursor_;
    return 1;
}

int HeadlessPlatform::PostMessageA(Handle window, unsigned msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
    record("PostMessageA",
           {str(window), std::to_string(msg), std::to_string(wParam), std::to_string(lParam)});
    if (windows_.count(window) == 0 || windows_.at(window).destroyed) return 0;
    post([this, window, msg, wParam, lParam] {
        const Window& w = windows_.at(window);
        if (!w.destroyed && w.listener != nullptr) w.listener->message(msg, wParam, lParam);
    });
    return 1;
}

int HeadlessPlatform::popupMenu(const std::vector<std::string>& captions, Point at) {
    std::string items;
    for (const std::string& caption : captions) items += (items.empty() ? "" : "|") + caption;
    record("popupMenu", {std::to_string(at.x), std::to_string(at.y), items});
    OpenCount open(openMenus_);
    const int chosen = onPopupMenu ? onPopupMenu(captions, at) : -1;
    return chosen >= 0 && chosen < int(captions.size()) && captions[std::size_t(chosen)] != "-"
               ? chosen
               : -1;
}

bool HeadlessPlatform::trayMouse(std::intptr_t mouseMessage, Handle window, std::uint32_t id) {
    for (const NOTIFYICONDATAA& icon : trayIcons_) {
        if (icon.hWnd != window || icon.uID != id) continue;
        const NOTIFYICONDATAA target = icon;  // the handler may delete the icon
        windows_.at(target.hWnd)
            .listener->message(target.uCallbackMessage, target.uID, mouseMessage);
        runPosted();
        return true;
    }
    return false;
}

bool HeadlessPlatform::trayMouse(std::intptr_t mouseMessage) {
    if (trayIcons_.empty()) return false;
    return trayMouse(mouseMessage, trayIcons_.front().hWnd, trayIcons_.front().uID);
}

// --- input ---------------------------------------------------------------------------------

void HeadlessPlatform::press(Handle window, MouseButton button, Point at, ShiftState shift) {
    windows_.at(window).listener->mousePressed(button, shift, at);
    runPosted();
}

void HeadlessPlatform::release(Handle window, MouseButton button, Point at, ShiftState shift) {
    windows_.at(window).listener->mouseReleased(button, shift, at);
    runPosted();
}

void HeadlessPlatform::move(Handle window, Point at, ShiftState shift) {
    windows_.at(window).listener->mouseMoved(shift, at);
    runPosted();
}

void HeadlessPlatform::click(Handle window, Point at) {
    press(window, MouseButton::Left, at);
    release(window, MouseButton::Left, at);
}

void HeadlessPlatform::doubleClick(Handle window, Point at) {
    click(window, at);
    press(window, MouseButton::Left, at, DoubleClick);
    release(window, MouseButton::Left, at);
}

void HeadlessPlatform::requestClose(Handle window) {
    windows_.at(window).listener->closeRequested();
    runPosted();
}

// --- the music player ----------------------------------------------------------------------

Handle HeadlessPlatform::dropFiles(Handle control, const std::vector<std::string>& paths) {
    if (!dropTargets_.contains(control)) return 0;
    const Handle drop = nextHandle_++;
    drops_[drop] = paths;
    windows_.at(natives_.at(control).parent).listener->message(0x0233, drop, 0);
    runPosted();
    return drop;
}

void HeadlessPlatform::DragAcceptFiles(Handle window, int accept) {
    record("DragAcceptFiles", {str(window), std::to_string(accept)});
    if (accept) {
        dropTargets_.insert(window);
    } else {
        dropTargets_.erase(window);
    }
}

unsigned HeadlessPlatform::DragQueryFileA(Handle drop, unsigned index, char* buffer,
                                          unsigned size) {
    record("DragQueryFileA", {str(drop), std::to_string(index), buffer ? "buffer" : "null",
                              std::to_string(size)});
    auto found = drops_.find(drop);
    if (found == drops_.end()) return 0;
    const std::vector<std::string>& paths = found->second;
    if (index == 0xFFFFFFFFu) return unsigned(paths.size());
    if (index >= paths.size()) return 0;
    const std::string& path = paths[index];
    if (buffer == nullptr) return unsigned(path.size());
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    path.copy(buffer, n);
    buffer[n] = '\0';
    return unsigned(n);
}

void HeadlessPlatform::DragFinish(Handle drop) {
    record("DragFinish", {str(drop)});
    drops_.erase(drop);
}

bool HeadlessPlatform::runOpenDialog(Handle owner, const std::vector<FileFilter>& filters,
                                     int filterIndex, std::string& fileName) {
    std::string filterText;
    for (const FileFilter& f : filters)
        filterText += (filterText.empty() ? "" : "|") + f.name + "|" + f.pattern;
    record("runOpenDialog", {str(owner), filterText, std::to_string(filterIndex)});
    std::optional<std::string> answer;
    if (onOpenDialog) answer = onOpenDialog({owner, filters, filterIndex});
    if (!answer) return false;
    fileName = *answer;
    return true;
}

int HeadlessPlatform::BASS_Init(int device, std::uint32_t frequency, std::uint32_t flags,
                                Handle window, const void* classId) {
    record("BASS_Init", {std::to_string(device), std::to_string(frequency), std::to_string(flags),
                         str(window), classId ? "class" : "null"});
    return audio_.init();
}

std::uint32_t HeadlessPlatform::BASS_StreamCreateFile(int fromMemory, const void* file,
                                                      std::uint32_t offset, std::uint32_t length,
                                                      std::uint32_t flags) {
    const std::string path = file && !fromMemory ? static_cast<const char*>(file) : "";
    record("BASS_StreamCreateFile", {std::to_string(fromMemory), path, std::to_string(offset),
                                     std::to_string(length), std::to_string(flags)});
    if (fromMemory || offset != 0 || length != 0) return 0;  // only whole files are modelled
    return audio_.createFromFile(path);
}

int HeadlessPlatform::BASS_StreamFree(std::uint32_t stream) {
    record("BASS_StreamFree", {std::to_string(stream)});
    return audio_.free(stream);
}

int HeadlessPlatform::BASS_ChannelPlay(std::uint32_t channel, int restart) {
    record("BASS_ChannelPlay", {std::to_string(channel), std::to_string(restart)});
    if (restart) audio_.setPosition(channel, 0);
    return audio_.play(channel);
}

std::uint32_t HeadlessPlatform::BASS_ChannelIsActive(std::uint32_t channel) {
    record("BASS_ChannelIsActive", {std::to_string(channel)});
    return audio_.isActive(channel);
}

int HeadlessPlatform::BASS_ChannelPause(std::uint32_t channel) {
    record("BASS_ChannelPause", {std::to_string(channel)});
    return audio_.pause(channel);
}

int HeadlessPlatform::BASS_ChannelStop(std::uint32_t channel) {
    record("BASS_ChannelStop", {std::to_string(channel)});
    return audio_.stop(channel);
}

int HeadlessPlatform::BASS_ChannelSetPosition(std::uint32_t channel, std::uint64_t position) {
    record("BASS_ChannelSetPosition", {std::to_string(channel), std::to_string(position)});
    return audio_.setPosition(channel, position);
}

}  // namespace brivane::platform
