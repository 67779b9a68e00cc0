// The sidebar window: a borderless strip, 122 pixels wide, against the right edge of the work
// area. Its widgets are declared in definition order, which is also the order they are painted
// in (each over those before it); the edit box and the list boxes lie above them all.
#pragma once

#include <cstdint>
#include <string>

#include "clock/CalendarText.h"
#include "platform/winapi.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"
#include "ui/OpenDialog.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

namespace brivane {

class TForm1 : public ui::Form {
public:
    TForm1();
    ~TForm1() override;

    // --- widgets, in definition order ------------------------------------------------------
    ui::Image pan{*this, "pan"};
    ui::Image ceasimg{*this, "ceasimg"};
    ui::Image slideimg{*this, "slideimg"};
    ui::Image shortcutsimg{*this, "shortcutsimg"};
    ui::Label path{*this, "path"};
    ui::Label lolevel{*this, "lolevel"};
    ui::Image imagine{*this, "imagine"};
    ui::Image Image1{*this, "Image1"};
    ui::Image Play{*this, "Play"};
    ui::Image Open{*this, "Open"};
    ui::Image btnStop{*this, "btnStop"};
    ui::Image btnPause{*this, "btnPause"};
    ui::Label pnlDisplay{*this, "pnlDisplay"};
    ui::Label Label3{*this, "Label3"};
    ui::Image Image3{*this, "Image3"};
    ui::Image Image4{*this, "Image4"};
    ui::Image Image6{*this, "Image6"};
    ui::Image remove{*this, "remove"};
    ui::Image go{*this, "go"};
    ui::Image Image7{*this, "Image7"};
    ui::Image Image5{*this, "Image5"};
    ui::Image Image8{*this, "Image8"};
    ui::Image Image2{*this, "Image2"};
    ui::Image prev{*this, "prev"};
    ui::Image next{*this, "next"};
    ui::Image Image9{*this, "Image9"};
    ui::Label Label1{*this, "Label1"};
    ui::Label Label2{*this, "Label2"};
    ui::Edit Edit1{*this, "Edit1"};
    ui::ListBox ListBox1{*this, "ListBox1"};
    ui::ListBox ListBox2{*this, "ListBox2"};

    // --- components without a visible form --------------------------------------------------
    ui::Timer Timer1{8000};
    ui::Timer Timer2{1000};
    ui::Timer Timer3{1000};
    ui::Timer Timer4{1000};
    ui::OpenDialog opendlgsong;
    ui::PopupMenu PopupMenu1;

    // --- start-up and shutdown ----------------------------------------------------------------
    void FormCreate();
    void FormClose(ui::CloseAction& action);
    void FormDestroy();

    // --- pressed-button feedback --------------------------------------------------------------
    void PlayMouseDown(const ui::MouseEvent&);
    void PlayMouseUp(const ui::MouseEvent&);
    void OpenMouseDown(const ui::MouseEvent&);
    void OpenMouseUp(const ui::MouseEvent&);
    void btnStopMouseDown(const ui::MouseEvent&);
    void btnStopMouseUp(const ui::MouseEvent&);
    void btnPauseMouseDown(const ui::MouseEvent&);
    void btnPauseMouseUp(const ui::MouseEvent&);
    void removeMouseDown(const ui::MouseEvent&);
    void removeMouseUp(const ui::MouseEvent&);
    void goMouseDown(const ui::MouseEvent&);
    void goMouseUp(const ui::MouseEvent&);
    void prevMouseDown(const ui::MouseEvent&);
    void prevMouseUp(const ui::MouseEvent&);
    void nextMouseDown(const ui::MouseEvent&);
    void nextMouseUp(const ui::MouseEvent&);

    // --- desktop tools: slide show, shortcut buttons, search box (tools/) -------------------
    void Timer1Timer();
    void imagineClick();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void goClick();
    void Edit1KeyDown(int& key, ui::ShiftState shift);

    // --- the clock and the calendar ---------------------------------------------------------
    void Timer2Timer();  // the digital time, the month and the day
    void Timer4Timer();  // the analog clock
    // The pen of Image2's picture: its colour and width carry over from one tick to the next.
    ui::Pen Image2Pen;
    // The names and the time separator of the user's regional settings, kept current.
    RegionalSettings regionalSettings;

    // --- the tray icon and its menu (app/TrayIcon.cpp) ---------------------------------------
    // The notification-icon record, filled at start-up step 15.
    NOTIFYICONDATAA TrayIconData{};
    static constexpr UINT WM_TRAYICON = WM_USER + 1;  // the icon's callback message, 0x0401
    void WMTrayIcon(WPARAM wParam, LPARAM lParam);    // message 0x0401
    void Settings1Click();
    void About1Click();
    void Hidesidebar1Click();
    void Showsidebar1Click();
    void Exit1Click();

    // --- the music player: playlist, playback, title strip (player/) -------------------------
    void OpenClick();
    void removeClick();
    void ListBox1KeyDown(int& key, ui::ShiftState shift);
    void ListBox1Click();
    void ListBox1DblClick();
    void PlayClick();
    void btnPauseClick();
    void btnStopClick();
    void prevClick();
    void nextClick();
    void Timer3Timer();
    void pnlDisplayClick();

protected:
    void windowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    // --- the music player's own operations (player/) -----------------------------------------
    void AddSong(const std::string& FileName);
    void RemoveSong();
    void PlaySong(int Index);
    void WMDropFiles(std::uintptr_t drop);  // message 0x0233, the drop handle
    void initAudioOutput();                 // start-up step 11

private:
    void defineWindow();
    void bindHandlers();
    // Start-up steps after the skin is loaded: each is reported on its own when it fails, and
    // the ones after it still run.
    void runLateStartupStep(const std::function<void()>& step);
    // Start-up step 14: the first slide.
    void loadStartupSlide();
    // Start-up step 15: the tray icon.
    void addTrayIcon();
};

// The sidebar window, the application's main window.
extern TForm1* Form1;

// The executable's folder, with a trailing separator; set during start-up.
extern std::string AppDir;

// The slide show's tick counter, 0 at program start; wraps from 255 to 0.
extern std::uint8_t SlideTick;

// Starts the control-panel applet `applet`; greater than 31 when it was started.
int RunControlPanelApplet(const std::string& applet);

}  // namespace brivane
