// The settings window: a borderless 500 x 300 window in which the user picks the analog clock
// ("Clock") or the digital clock ("Digital clock"); a click on a choice's icon rearranges the
// sidebar at once. Created hidden at start-up, shown from the tray menu, hidden by "Close".
#pragma once

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"

namespace brivane {

class TForm3 : public ui::Form {
public:
    TForm3();
    ~TForm3() override;

    // --- widgets, bottom to top (the push button lies above them all) -----------------------
    ui::Image Image3{*this, "Image3"};  // the background
    ui::Image Image7{*this, "Image7"};  // the highlight tile behind "Digital clock"
    ui::Image Image6{*this, "Image6"};  // the highlight tile behind "Clock"
    ui::Image Image2{*this, "Image2"};  // the digital clock's icon
    ui::Image Image1{*this, "Image1"};  // the analog clock's icon
    ui::Label Label1{*this, "Label1"};
    ui::Label l{*this, "l"};
    ui::Button Button1{*this, "Button1"};

    // --- handlers -------------------------------------------------------------------------------
    void FormCreate();
    void Image1MouseMove(const ui::MouseEvent&);
    void Image2MouseMove(const ui::MouseEvent&);
    void Image1Click();  // the analog layout
    void Image2Click();  // the digital layout
    void Button1Click();

private:
    void defineWindow();
    void bindHandlers();

    // The clock modes' operations on the sidebar window (settings/ClockModes.cpp).
    void HideDigitalClock();
    void ShowDigitalClock();
    void PlaceShortcutIcons();
};

// The settings window; created hidden right after the sidebar window.
extern TForm3* Form3;

}  // namespace brivane
