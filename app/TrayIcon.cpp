// The tray icon and its menu: the icon's record, added at start-up and removed when the sidebar
// window is destroyed; the callback handler, which pops up the menu on a right press; and the
// handlers of the menu's items.
#include <algorithm>
#include <cstring>

#include "platform/winapi.h"
#include "settings/TForm3.h"
#include "sidebar/TForm1.h"
#include "ui/Application.h"

namespace brivane {

namespace {

const char* const AboutText =
    "Brivane 0.1\n\n"
    "A desktop sidebar: a clock, a slide show, shortcuts to common tasks, a music player, "
    "a search box and a calendar.";

}  // namespace

// Start-up step 15: fill the record once and add the icon. The shell's answer is not examined:
// without a tray the program runs on without an icon.
void TForm1::addTrayIcon() {
    TrayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    TrayIconData.hWnd = handle();
    TrayIconData.uID = 0;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = WM_TRAYICON;
    TrayIconData.hIcon = smallIcon();
    const std::string& tip = ui::Application::instance().title();
    const std::size_t length = std::min(tip.size(), sizeof TrayIconData.szTip - 1);
    std::memcpy(TrayIconData.szTip, tip.data(), length);
    TrayIconData.szTip[length] = '\0';
    Shell_NotifyIconA(NIM_ADD, &TrayIconData);
}

// Only the mouse message in the second parameter counts; the icon identifier is not looked at.
void TForm1::WMTrayIcon(WPARAM, LPARAM lParam) {
    switch (lParam) {
        case WM_LBUTTONDOWN:
            ui::Application::instance().messageBox("This icon responds to RIGHT BUTTON click!");
            break;
        case WM_RBUTTONDOWN: {
            SetForegroundWindow(handle());
            POINT at{};
            GetCursorPos(&at);
            PopupMenu1.popup(at.x, at.y);
            // Lets the menu close properly when the user clicks elsewhere.
            PostMessageA(handle(), WM_NULL, 0, 0);
            break;
        }
        default:
            break;
    }
}

void TForm1::Settings1Click() {
    if (Form3 == nullptr) return;
    Form3->show();
    Form3->bringToFront();
}

void TForm1::About1Click() { ui::Application::instance().messageBox(AboutText); }

void TForm1::Hidesidebar1Click() { hide(); }

// Becoming visible places the window against the right edge of the work area as it is now.
void TForm1::Showsidebar1Click() {
    show();
    bringToFront();
}

void TForm1::Exit1Click() { ui::Application::instance().terminate(); }

}  // namespace brivane
