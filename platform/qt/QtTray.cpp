// The tray icon and its menu on the Linux desktop: QSystemTrayIcon (a StatusNotifierItem where
// the desktop has a watcher for one, an XEmbed icon in a system tray otherwise; Qt chooses),
// the pop-up menu, and the window calls that go with them.
#include <xcb/xcb.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/qt/QtPlatform.h"
#include "platform/qt/TopWindow.h"

namespace brivane::platform::qt {

namespace {

constexpr std::uint32_t AddIcon = 0;     // NIM_ADD
constexpr std::uint32_t DeleteIcon = 2;  // NIM_DELETE
constexpr std::uint32_t HasMessage = 1;  // NIF_MESSAGE
constexpr std::uint32_t HasIcon = 2;     // NIF_ICON
constexpr std::uint32_t HasTip = 4;      // NIF_TIP

// The mouse messages the shell reports for an icon.
constexpr std::intptr_t LeftPress = 0x0201;    // WM_LBUTTONDOWN
constexpr std::intptr_t LeftDouble = 0x0203;   // WM_LBUTTONDBLCLK
constexpr std::intptr_t RightPress = 0x0204;   // WM_RBUTTONDOWN
constexpr std::intptr_t MiddlePress = 0x0207;  // WM_MBUTTONDOWN

std::intptr_t mouseMessageOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return LeftPress;
        case QSystemTrayIcon::Context:
            return RightPress;
        case QSystemTrayIcon::DoubleClick:
            return LeftDouble;
        case QSystemTrayIcon::MiddleClick:
            return MiddlePress;
        default:
            return 0;
    }
}

}  // namespace

ModalTrayPresses::ModalTrayPresses(Pressed pressed) : pressed_(std::move(pressed)) {
    // Qt reads the pointer through the X input extension where the server has it.
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    const char name[] = "XInputExtension";
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
    if (reply != nullptr && reply->present) inputExtension_ = reply->major_opcode;
    std::free(reply);
}

bool ModalTrayPresses::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    // Without a modal window Qt delivers the press itself; with a menu open the press closes it.
    if (QApplication::activeModalWidget() == nullptr ||
        QApplication::activePopupWidget() != nullptr)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(message);
    auto half = [bytes](int offset) {
        std::uint16_t value;
        std::memcpy(&value, bytes + offset, sizeof value);
        return value;
    };
    auto word = [bytes](int offset) {
        std::uint32_t value;
        std::memcpy(&value, bytes + offset, sizeof value);
        return value;
    };
    const int kind = bytes[0] & 0x7F;
    if (kind == XCB_BUTTON_PRESS) {
        const auto* press = static_cast<const xcb_button_press_event_t*>(message);
        return pressed_(press->event, press->detail);
    }
    // An input-extension device event as xcb hands it on (with its full sequence number
    // inserted at 32): event type at 8, device at 10, button at 16, event window at 24, source
    // device at 56. Each press comes from the physical device and again from the master
    // pointer it drives; the master's (device and source differ) counts.
    constexpr int GenericEvent = 35;
    constexpr std::uint16_t DeviceButtonPress = 4;
    if (kind == GenericEvent && inputExtension_ != 0 && bytes[1] == inputExtension_) {
        const std::uint16_t eventType = half(8);
        if (eventType == DeviceButtonPress && half(10) != half(56))
            return pressed_(word(24), int(word(16)));
    }
    return false;
}

bool QtPlatform::trayPressedWhileModal(std::uint32_t x11Window, int button) {
    auto found = std::find_if(trayIcons_.begin(), trayIcons_.end(),
                              [x11Window](const TrayIcon& t) { return t.embedded == x11Window; });
    if (found == trayIcons_.end()) return false;
    std::intptr_t mouse = 0;
    switch (button) {
        case 1:
            mouse = LeftPress;
            break;
        case 2:
            mouse = MiddlePress;
            break;
        case 3:
            mouse = RightPress;
            break;
        default:
            return true;  // the wheel: nothing
    }
    if ((found->record.uFlags & HasMessage) == 0) return true;
    // From the loop, not from inside the event reader: the handler may open a box of its own.
    const NOTIFYICONDATAA record = found->record;
    post([this, record, mouse] {
        deliverMessage(record.hWnd, record.uCallbackMessage, record.uID, mouse);
    });
    return true;
}

Handle QtPlatform::createIcon(const IconImage& image) {
    QImage picture(image.width, image.height, QImage::Format_ARGB32);
    if (image.width > 0 && image.height > 0 &&
        image.pixels.size() >= static_cast<std::size_t>(image.width) * image.height) {
        for (int y = 0; y < image.height; ++y) {
            std::memcpy(picture.scanLine(y),
                        image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                        static_cast<std::size_t>(image.width) * 4);
        }
    }
    Handle handle = nextHandle();
    icons_[handle] = QIcon(QPixmap::fromImage(picture));
    return handle;
}

int QtPlatform::Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATAA* data) {
    if (data == nullptr) return 0;
    auto same = std::find_if(trayIcons_.begin(), trayIcons_.end(), [data](const TrayIcon& t) {
        return t.record.hWnd == data->hWnd && t.record.uID == data->uID;
    });
    if (message == DeleteIcon) {
        if (same == trayIcons_.end()) return 0;
        same->icon->hide();
        trayIcons_.erase(same);
        return 1;
    }
    if (message != AddIcon || same != trayIcons_.end() || window(data->hWnd) == nullptr) return 0;
    // Where nothing shows status icons the shell refuses the icon, as Windows would without
    // a notification area.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return 0;

    TrayIcon tray{*data, std::make_unique<QSystemTrayIcon>()};
    if ((data->uFlags & HasIcon) != 0) {
        auto found = icons_.find(data->hIcon);
        if (found != icons_.end()) tray.icon->setIcon(found->second);
    }
    if ((data->uFlags & HasTip) != 0) {
        tray.icon->setToolTip(QString::fromStdString(
            std::string(data->szTip, strnlen(data->szTip, sizeof data->szTip))));
    }
    if ((data->uFlags & HasMessage) != 0) {
        // No menu is attached to the icon: the program pops up its own on a right press.
        const Handle target = data->hWnd;
        const std::uint32_t id = data->uID;
        const unsigned callback = data->uCallbackMessage;
        QObject::connect(tray.icon.get(), &QSystemTrayIcon::activated, tray.icon.get(),
                         [this, target, id, callback](QSystemTrayIcon::ActivationReason reason) {
                             if (std::intptr_t mouse = mouseMessageOf(reason))
                                 deliverMessage(target, callback, id, mouse);
                         });
    }
    const QWidgetList before = QApplication::topLevelWidgets();
    tray.icon->show();
    // An XEmbed icon is a window of ours inside the tray. Qt drops the presses on it while a
    // message box is open; the shell's icon on Windows still reports them.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!before.contains(w) && w->inherits("QSystemTrayIconSys")) tray.embedded = w->winId();
    }
    if (tray.embedded != 0 && !modalTrayPresses_) {
        modalTrayPresses_ =
            std::make_unique<ModalTrayPresses>([this](std::uint32_t x11Window, int button) {
                return trayPressedWhileModal(x11Window, button);
            });
        app_->installNativeEventFilter(modalTrayPresses_.get());
    }
    trayIcons_.push_back(std::move(tray));
    return 1;
}

void QtPlatform::deliverMessage(Handle handle, unsigned msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    if (TopWindow* w = window(handle)) w->deliverMessage(msg, wParam, lParam);
}

int QtPlatform::SetForegroundWindow(Handle handle) {
    TopWindow* w = window(handle);
    if (w == nullptr) return 0;
    w->raise();
    w->activateWindow();
    return 1;
}

int QtPlatform::GetCursorPos(Point* position) {
    const QPoint p = QCursor::pos();
    *position = {p.x(), p.y()};
    return 1;
}

int QtPlatform::PostMessageA(Handle handle, unsigned msg, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    if (window(handle) == nullptr) return 0;
    post([this, handle, msg, wParam, lParam] { deliverMessage(handle, msg, wParam, lParam); });
    return 1;
}

int QtPlatform::popupMenu(const std::vector<std::string>& captions, Point at) {
    QMenu menu;
    if (!icon_.isNull()) menu.setWindowIcon(icon_);
    std::vector<QAction*> actions;
    actions.reserve(captions.size());
    for (const std::string& caption : captions) {
        actions.push_back(caption == "-" ? menu.addSeparator()
                                         : menu.addAction(QString::fromStdString(caption)));
    }
    // A nested loop until the menu closes: by a choice, Escape or a click elsewhere.
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    auto found = std::find(actions.begin(), actions.end(), chosen);
    if (chosen == nullptr || found == actions.end() || chosen->isSeparator()) return -1;
    return static_cast<int>(found - actions.begin());
}

}  // namespace brivane::platform::qt
