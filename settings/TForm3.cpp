// The settings window's definition and its own handlers: the highlight that follows the pointer
// over the two icons, and "Close".
#include "settings/TForm3.h"

#include <tuple>

#include "ui/Resources.h"

namespace brivane {

TForm3* Form3 = nullptr;

namespace {

constexpr int ColorButtonFace = 15;
constexpr int ColorWindowText = 8;

ui::Font font(const std::string& name, int height, ui::Charset charset) {
    ui::Font f;
    f.name = name;
    f.height = height;
    f.color = platform::current().sysColor(ColorWindowText);
    f.charset = charset;
    return f;
}

}  // namespace

TForm3::TForm3() : ui::Form("Form3", 500, 300) {
    Form3 = this;
    defineWindow();
    bindHandlers();
    FormCreate();
}

TForm3::~TForm3() {
    if (Form3 == this) Form3 = nullptr;
}

void TForm3::defineWindow() {
    setColor(platform::current().sysColor(ColorButtonFace));
    setIcon(ui::programIcon());
    position = ui::Position::DesktopCenter;

    Image3.setBounds(0, 0, 500, 300);
    Image3.setAlign(ui::Align::Client);
    Image3.setPicture(ui::designPicture("form3_background"));

    Image7.setBounds(92, 56, 66, 76);
    Image7.setPicture(ui::designPicture("form3_tile"));
    Image7.setTransparent(true);
    Image7.hide();

    Image6.setBounds(16, 56, 66, 76);
    Image6.setPicture(ui::designPicture("form3_tile"));
    Image6.setTransparent(true);
    Image6.hide();

    Image2.setBounds(100, 64, 50, 49);
    Image2.setPicture(ui::designPicture("form3_digital"));
    Image2.cursor = ui::Cursor::Hand;

    Image1.setBounds(24, 64, 50, 50);
    Image1.setPicture(ui::designPicture("form3_analog"));
    Image1.cursor = ui::Cursor::Hand;

    const ui::Font captionFont = font("Verdana", 9, ui::Charset::Ansi);
    for (auto [label, left, caption] :
         {std::tuple{&Label1, 34, "Clock"}, std::tuple{&l, 94, "Digital clock"}}) {
        label->setFont(captionFont);
        label->setTransparent(true);
        label->setCaption(caption);
        label->setBounds(left, 118, label->width(), label->height());
    }

    Button1.setBounds(416, 264, 75, 25);
    Button1.setFont(font("Tahoma", 11, ui::Charset::Default));
    Button1.setCaption("Close");
    Button1.setTabOrder(0);
}

void TForm3::bindHandlers() {
    Image1.onMouseMove = [this](const ui::MouseEvent& e) { Image1MouseMove(e); };
    Image2.onMouseMove = [this](const ui::MouseEvent& e) { Image2MouseMove(e); };
    Image1.onClick = [this] { Image1Click(); };
    Image2.onClick = [this] { Image2Click(); };
    Button1.onClick = [this] { Button1Click(); };
}

void TForm3::FormCreate() { doubleBuffered = true; }

void TForm3::Image1MouseMove(const ui::MouseEvent&) {
    Image7.hide();
    Image6.show();
}

void TForm3::Image2MouseMove(const ui::MouseEvent&) {
    Image6.hide();
    Image7.show();
}

// Not the main window: closing it hides it, and it lives on.
void TForm3::Button1Click() { close(); }

}  // namespace brivane
