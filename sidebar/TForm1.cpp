// The sidebar window's definition: every widget's place, size, picture, font, colours, pointer,
// hint and visibility, as the window is built before its creation handler runs.
#include "sidebar/TForm1.h"

#include "platform/winapi.h"
#include "ui/Application.h"
#include "ui/Resources.h"

namespace brivane {

TForm1* Form1 = nullptr;
std::string AppDir;

namespace {

constexpr ui::Argb White = ui::rgb(255, 255, 255);
constexpr ui::Argb Black = ui::rgb(0, 0, 0);
constexpr ui::Argb Blue = ui::rgb(0, 0, 255);

ui::Argb windowText() { return platform::current().sysColor(8); }

ui::Font font(const std::string& name, int height, ui::Argb color, bool bold = false,
              ui::Charset charset = ui::Charset::Default) {
    ui::Font f;
    f.name = name;
    f.height = height;
    f.color = color;
    f.bold = bold;
    f.charset = charset;
    return f;
}

void place(ui::Control& c, int left, int top, int width, int height) {
    c.setBounds(left, top, width, height);
}

void place(ui::NativeControl& c, int left, int top, int width, int height) {
    c.setBounds(left, top, width, height);
}

void pointer(ui::Control& c, ui::Cursor cursor, const std::string& hint = {}) {
    c.cursor = cursor;
    c.hint = hint;
    c.showHint = !hint.empty();
}

}  // namespace

TForm1::TForm1() : ui::Form("Sidebar", 122, 545) {
    // The global refers to the window from the start, so that timer ticks and handlers running
    // during start-up find it.
    Form1 = this;
    defineWindow();
    bindHandlers();
    try {
        FormCreate();
    } catch (const std::exception& error) {
        ui::Application::instance().showException(error);
    }
}

TForm1::~TForm1() {
    FormDestroy();
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::defineWindow() {
    using ui::Cursor;
    setColor(platform::current().sysColor(COLOR_GRADIENTACTIVECAPTION));
    setAlignRight(true);
    setIcon(ui::programIcon());

    place(pan, 0, 0, 122, 545);
    pan.setAlign(ui::Align::Client);

    place(ceasimg, 21, 8, 85, 35);
    ceasimg.setPicture(ui::designPicture("ceasimg"));
    ceasimg.hide();

    place(slideimg, 6, 118, 114, 104);
    slideimg.setPicture(ui::designPicture("slideimg"));
    slideimg.setTransparent(true);

    place(shortcutsimg, 6, 224, 116, 69);
    shortcutsimg.setPicture(ui::designPicture("shortcutsimg"));

    const ui::Font formFont = font("Tahoma", 11, windowText());
    path.setFont(formFont);
    path.setColor(color());
    path.setCaption("path");
    place(path, 16, 176, path.width(), path.height());
    path.hide();

    lolevel.setFont(formFont);
    lolevel.setColor(color());
    lolevel.setCaption("0");
    place(lolevel, 48, 176, lolevel.width(), lolevel.height());
    lolevel.hide();

    place(imagine, 11, 124, 103, 92);
    pointer(imagine, Cursor::Hand, "Click to stop slide. Click again to start slide.");

    place(Image1, 6, 390, 116, 69);
    Image1.setPicture(ui::designPicture("image1"));

    place(Play, 40, 398, 46, 49);
    Play.setPicture(ui::loadResourceBitmap("play"));
    Play.setTransparent(true);
    pointer(Play, Cursor::Hand, "Play song");

    place(Open, 14, 397, 16, 15);
    Open.setPicture(ui::loadResourceBitmap("open"));
    Open.setTransparent(true);
    pointer(Open, Cursor::Hand, "Open/Add song");

    place(btnStop, 14, 428, 23, 23);
    btnStop.setPicture(ui::loadResourceBitmap("stop"));
    pointer(btnStop, Cursor::Hand, "Stop song");

    place(btnPause, 88, 427, 26, 26);
    btnPause.setPicture(ui::loadResourceBitmap("pause"));
    btnPause.setTransparent(true);
    pointer(btnPause, Cursor::Hand, "Pause song");

    pnlDisplay.setAutoSize(false);
    place(pnlDisplay, 21, 377, 87, 12);
    pnlDisplay.setFont(font("Tahoma", 9, White));
    pnlDisplay.setColor(Black);
    pnlDisplay.setTransparent(true);
    pnlDisplay.setCaption("Song name....");
    pointer(pnlDisplay, Cursor::Hand, "Click to stop scroll. Click again to start scroll.");

    Label3.setAutoSize(false);
    place(Label3, 33, 17, 64, 16);
    Label3.setFont(font("Tahoma", 13, Black, true));
    Label3.setColor(ui::fromColorRef(5853764));
    Label3.setTransparent(true);
    Label3.setAlignment(ui::Alignment::Center);
    Label3.setCaption("12345678");
    Label3.hide();

    place(Image3, 16, 232, 24, 24);
    Image3.setPicture(ui::designPicture("image3"));
    pointer(Image3, Cursor::Hand, "Click to empty Recycle Bin");

    place(Image4, 16, 262, 24, 24);
    Image4.setPicture(ui::designPicture("image4"));
    pointer(Image4, Cursor::Hand, "Search for files");

    place(Image6, 51, 232, 24, 24);
    Image6.setPicture(ui::designPicture("image6"));
    pointer(Image6, Cursor::Hand, "Add/Remove programs");

    place(remove, 97, 397, 16, 15);
    remove.setPicture(ui::loadResourceBitmap("remove1"));
    remove.setTransparent(true);
    pointer(remove, Cursor::Hand);

    place(go, 97, 462, 21, 21);
    go.setPicture(ui::loadResourceBitmap("websearch"));
    pointer(go, Cursor::Hand, "Search...");

    place(Image7, 50, 262, 24, 24);
    Image7.setPicture(ui::designPicture("image7"));
    Image7.setStretch(true);
    pointer(Image7, Cursor::Hand, "Notepad");

    place(Image5, 85, 232, 24, 24);
    Image5.setPicture(ui::designPicture("image5"));
    pointer(Image5, Cursor::Hand, "Windows Media Player");

    place(Image8, 85, 262, 24, 24);
    Image8.setPicture(ui::designPicture("image8"));
    pointer(Image8, Cursor::Hand, "Calculator");

    place(Image2, 10, 8, 105, 105);
    Image2.setPicture(ui::designPicture("image2"));
    Image2.setTransparent(true);

    place(prev, 23, 410, 16, 16);
    prev.setPicture(ui::loadResourceBitmap("prev"));
    pointer(prev, Cursor::Hand);

    place(next, 86, 412, 16, 17);
    next.setPicture(ui::loadResourceBitmap("next"));
    pointer(next, Cursor::Hand);

    place(Image9, 8, 495, 110, 49);
    Image9.setPicture(ui::loadResourceBitmap("calendar1"));

    Label1.setAutoSize(false);
    place(Label1, 16, 501, 89, 17);
    Label1.setFont(font("Verdana", 12, Blue, true, ui::Charset::Ansi));
    Label1.setTransparent(true);
    Label1.setAlignment(ui::Alignment::Center);

    Label2.setAutoSize(false);
    place(Label2, 12, 522, 100, 19);
    Label2.setFont(font("Verdana", 11, windowText(), false, ui::Charset::Ansi));
    Label2.setTransparent(true);
    Label2.setAlignment(ui::Alignment::Center);

    place(Edit1, 8, 462, 90, 21);
    Edit1.setColor(White);
    Edit1.setFont(font("Tahoma", 11, Black));
    Edit1.setCursor(Cursor::IBeam);
    Edit1.setTabOrder(0);

    place(ListBox1, 6, 295, 113, 81);
    ListBox1.setBorder(false);
    ListBox1.setColor(Black);
    ListBox1.setFont(font("Tahoma", 11, White));
    ListBox1.setItemHeight(13);
    ListBox1.setTabOrder(1);
    ListBox1.setCursor(Cursor::Hand);
    ListBox1.setHint("Double click to play song. Del key to remove song.");

    place(ListBox2, 19, 353, 97, 17);
    ListBox2.setFont(formFont);
    ListBox2.setColor(White);
    ListBox2.setItemHeight(13);
    ListBox2.setTabOrder(2);
    ListBox2.setVisible(false);

    opendlgsong.filter = "Mp3|*.mp3|Wav|*.wav";
    opendlgsong.filterIndex = 1;

    PopupMenu1.items = {
        {"Settings1", "Settings", {}},
        {"About1", "About", {}},
        {"N3", "-", {}},
        {"Hidesidebar1", "Hide sidebar", {}},
        {"Showsidebar1", "Show sidebar", {}},
        {"N2", "-", {}},
        {"Exit1", "Exit", {}},
    };
}

void TForm1::bindHandlers() {
    onClose = [this](ui::CloseAction& action) { FormClose(action); };

    auto bind = [this](ui::Image& button, void (TForm1::*down)(const ui::MouseEvent&),
                       void (TForm1::*up)(const ui::MouseEvent&)) {
        button.onMouseDown = [this, down](const ui::MouseEvent& e) { (this->*down)(e); };
        button.onMouseUp = [this, up](const ui::MouseEvent& e) { (this->*up)(e); };
    };
    bind(Play, &TForm1::PlayMouseDown, &TForm1::PlayMouseUp);
    bind(Open, &TForm1::OpenMouseDown, &TForm1::OpenMouseUp);
    bind(btnStop, &TForm1::btnStopMouseDown, &TForm1::btnStopMouseUp);
    bind(btnPause, &TForm1::btnPauseMouseDown, &TForm1::btnPauseMouseUp);
    bind(remove, &TForm1::removeMouseDown, &TForm1::removeMouseUp);
    bind(go, &TForm1::goMouseDown, &TForm1::goMouseUp);
    bind(prev, &TForm1::prevMouseDown, &TForm1::prevMouseUp);
    bind(next, &TForm1::nextMouseDown, &TForm1::nextMouseUp);

    // Desktop tools.
    Timer1.setOnTimer([this] { Timer1Timer(); });
    imagine.onClick = [this] { imagineClick(); };
    Image3.onClick = [this] { Image3Click(); };
    Image4.onClick = [this] { Image4Click(); };
    Image5.onClick = [this] { Image5Click(); };
    Image6.onClick = [this] { Image6Click(); };
    Image7.onClick = [this] { Image7Click(); };
    Image8.onClick = [this] { Image8Click(); };
    go.onClick = [this] { goClick(); };
    Edit1.onKeyDown = [this](int& key, ui::ShiftState shift) { Edit1KeyDown(key, shift); };

    // The clock and the calendar.
    Timer2.setOnTimer([this] { Timer2Timer(); });
    Timer4.setOnTimer([this] { Timer4Timer(); });

    // The music player.
    Open.onClick = [this] { OpenClick(); };
    remove.onClick = [this] { removeClick(); };
    ListBox1.onClick = [this] { ListBox1Click(); };
    ListBox1.onDblClick = [this] { ListBox1DblClick(); };
    ListBox1.onKeyDown = [this](int& key, ui::ShiftState shift) { ListBox1KeyDown(key, shift); };
    Play.onClick = [this] { PlayClick(); };
    btnPause.onClick = [this] { btnPauseClick(); };
    btnStop.onClick = [this] { btnStopClick(); };
    prev.onClick = [this] { prevClick(); };
    next.onClick = [this] { nextClick(); };
    pnlDisplay.onClick = [this] { pnlDisplayClick(); };
    Timer3.setOnTimer([this] { Timer3Timer(); });

    // The tray icon's menu (the icon's callback message arrives through windowMessage).
    auto menuItem = [this](const std::string& name, void (TForm1::*handler)()) {
        for (ui::MenuItem& item : PopupMenu1.items)
            if (item.name == name) item.onClick = [this, handler] { (this->*handler)(); };
    };
    menuItem("Settings1", &TForm1::Settings1Click);
    menuItem("About1", &TForm1::About1Click);
    menuItem("Hidesidebar1", &TForm1::Hidesidebar1Click);
    menuItem("Showsidebar1", &TForm1::Showsidebar1Click);
    menuItem("Exit1", &TForm1::Exit1Click);
}

}  // namespace brivane
