// The sidebar window on the headless platform: its definition, placement, start-up, the
// pressed-button feedback and the embedded artwork.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sidebar/TForm1.h"
#include "ui/BitmapFile.h"
#include "ui/EmbeddedFiles.h"
#include "ui/Resources.h"

namespace brivane {
namespace {

using platform::HeadlessPlatform;
using platform::MouseButton;
using platform::Rect;
using ui::Cursor;

class SidebarTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    std::optional<Program> program;

    void start(Rect workArea = {0, 0, 1280, 760}) {
        platform.setWorkArea(workArea);
        // Beside the slide pictures, so that the first slide loads and start-up shows no report.
        platform.setModuleFileName(BRIVANE_SOURCE_DIR "/resources/brivane");
        program.emplace(platform);
        program->start();
    }
    TForm1& form() { return *Form1; }
    void SetUp() override { start(); }
};

// --- the definition --------------------------------------------------------------------------

struct WidgetRow {
    const char* name;
    char kind;  // I image, L label, E edit, B list box
    int left, top, width, height;
    bool visible, transparent;
    Cursor cursor;
    const char* hint;
};

constexpr Cursor A = Cursor::Arrow;
constexpr Cursor H = Cursor::Hand;

const std::vector<WidgetRow> definition = {
    {"pan", 'I', 0, 0, 122, 760, true, false, A, ""},
    {"ceasimg", 'I', 21, 8, 85, 35, false, false, A, ""},
    {"slideimg", 'I', 6, 118, 114, 104, true, true, A, ""},
    {"shortcutsimg", 'I', 6, 224, 116, 69, true, false, A, ""},
    {"path", 'L', 16, 176, -1, -1, false, false, A, ""},
    {"lolevel", 'L', 48, 176, -1, -1, false, false, A, ""},
    {"imagine", 'I', 11, 124, 103, 92, true, false, H, "Click to stop slide. Click again to start slide."},
    {"Image1", 'I', 6, 390, 116, 69, true, false, A, ""},
    {"Play", 'I', 40, 398, 46, 49, true, true, H, "Play song"},
    {"Open", 'I', 14, 397, 16, 15, true, true, H, "Open/Add song"},
    {"btnStop", 'I', 14, 428, 23, 23, true, false, H, "Stop song"},
    {"btnPause", 'I', 88, 427, 26, 26, true, true, H, "Pause song"},
    {"pnlDisplay", 'L', 21, 377, 87, 12, true, true, H, "Click to stop scroll. Click again to start scroll."},
    {"Label3", 'L', 33, 17, 64, 16, false, true, A, ""},
    {"Image3", 'I', 16, 232, 24, 24, true, false, H, "Click to empty Recycle Bin"},
    {"Image4", 'I', 16, 262, 24, 24, true, false, H, "Search for files"},
    {"Image6", 'I', 51, 232, 24, 24, true, false, H, "Add/Remove programs"},
    {"remove", 'I', 97, 397, 16, 15, true, true, H, ""},
    {"go", 'I', 97, 462, 21, 21, true, false, H, "Search..."},
    {"Image7", 'I', 50, 262, 24, 24, true, false, H, "Notepad"},
    {"Image5", 'I', 85, 232, 24, 24, true, false, H, "Windows Media Player"},
    {"Image8", 'I', 85, 262, 24, 24, true, false, H, "Calculator"},
    {"Image2", 'I', 10, 8, 105, 105, true, true, A, ""},
    {"prev", 'I', 23, 410, 16, 16, true, false, H, ""},
    {"next", 'I', 86, 412, 16, 17, true, false, H, ""},
    {"Image9", 'I', 8, 495, 110, 49, true, false, A, ""},
    {"Label1", 'L', 16, 501, 89, 17, true, true, A, ""},
    {"Label2", 'L', 12, 522, 100, 19, true, true, A, ""},
    {"Edit1", 'E', 8, 462, 90, 21, true, false, Cursor::IBeam, ""},
    {"ListBox1", 'B', 6, 295, 113, 81, true, false, H, "Double click to play song. Del key to remove song."},
    {"ListBox2", 'B', 19, 353, 97, 17, false, false, A, ""},
};

TEST_F(SidebarTest, EveryWidgetIsDefinedInOrderWithItsPlaceLookPointerAndHint) {
    std::vector<WidgetRow> actual;
    for (ui::Control* c : form().controls()) {
        auto* label = dynamic_cast<ui::Label*>(c);
        auto* image = dynamic_cast<ui::Image*>(c);
        actual.push_back({c->name().c_str(), label ? 'L' : 'I', c->left(), c->top(), c->width(),
                          c->height(), c->visible(),
                          label ? label->transparent() : image->transparent(), c->cursor,
                          c->showHint ? c->hint.c_str() : ""});
    }
    for (ui::NativeControl* n : form().nativeControls()) {
        actual.push_back({n->name().c_str(),
                          n->kind() == platform::NativeKind::Edit ? 'E' : 'B', n->left(), n->top(),
                          n->width(), n->height(), n->visible(), false, n->style().cursor,
                          n->style().hint.c_str()});
    }
    ASSERT_EQ(actual.size(), definition.size());
    for (std::size_t i = 0; i < definition.size(); ++i) {
        const WidgetRow& want = definition[i];
        const WidgetRow& got = actual[i];
        SCOPED_TRACE(want.name);
        EXPECT_STREQ(got.name, want.name);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.left, want.left);
        EXPECT_EQ(got.top, want.top);
        if (want.width >= 0) {
            EXPECT_EQ(got.width, want.width);
        }
        if (want.height >= 0) {
            EXPECT_EQ(got.height, want.height);
        }
        EXPECT_EQ(got.visible, want.visible);
        EXPECT_EQ(got.transparent, want.transparent);
        EXPECT_EQ(got.cursor, want.cursor);
        EXPECT_STREQ(got.hint, want.hint);
    }
    EXPECT_TRUE(form().Image7.stretch());
    int stretched = 0;
    for (ui::Control* c : form().controls())
        if (auto* image = dynamic_cast<ui::Image*>(c); image && image->stretch()) ++stretched;
    EXPECT_EQ(stretched, 1);
}

TEST_F(SidebarTest, LabelsCarryTheirCaptionsFontsAndAlignment) {
    struct Row {
        ui::Label* label;
        std::string caption, face;
        int height;
        bool bold;
        ui::Argb color;
        ui::Alignment alignment;
        bool autoSize;
    };
    const ui::Argb text = platform.sysColor(8);
    const std::vector<Row> rows = {
        {&form().path, BRIVANE_SOURCE_DIR "/resources/", "Tahoma", 11, false, text, ui::Alignment::Left, true},
        {&form().lolevel, "0", "Tahoma", 11, false, text, ui::Alignment::Left, true},
        {&form().pnlDisplay, "Song name....", "Tahoma", 9, false, ui::rgb(255, 255, 255),
         ui::Alignment::Left, false},
        {&form().Label3, "12345678", "Tahoma", 13, true, ui::rgb(0, 0, 0), ui::Alignment::Center, false},
        {&form().Label1, "", "Verdana", 12, true, ui::rgb(0, 0, 255), ui::Alignment::Center, false},
        {&form().Label2, "", "Verdana", 11, false, text, ui::Alignment::Center, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label->name());
        EXPECT_EQ(r.label->caption(), r.caption);
        EXPECT_EQ(r.label->font().name, r.face);
        EXPECT_EQ(r.label->font().height, r.height);
        EXPECT_EQ(r.label->font().bold, r.bold);
        EXPECT_EQ(r.label->font().color, r.color);
        EXPECT_EQ(r.label->alignment(), r.alignment);
        EXPECT_EQ(r.label->autoSize(), r.autoSize);
    }
    EXPECT_EQ(form().Label1.font().charset, ui::Charset::Ansi);
    EXPECT_EQ(form().Label3.color(), ui::rgb(68, 82, 89));
    EXPECT_EQ(form().Edit1.style().background, ui::rgb(255, 255, 255));
    EXPECT_EQ(form().ListBox1.style().background, ui::rgb(0, 0, 0));
    EXPECT_EQ(form().ListBox1.style().textColor, ui::rgb(255, 255, 255));
    EXPECT_EQ(form().ListBox1.style().itemHeight, 13);
    EXPECT_FALSE(form().ListBox1.style().border);
    EXPECT_EQ((std::vector<int>{form().Edit1.style().tabOrder, form().ListBox1.style().tabOrder,
                                form().ListBox2.style().tabOrder}),
              (std::vector<int>{0, 1, 2}));
}

TEST_F(SidebarTest, TimersDialogAndMenuAreDefined) {
    EXPECT_EQ(form().Timer1.interval(), 8000);
    for (ui::Timer* t : {&form().Timer2, &form().Timer3, &form().Timer4}) EXPECT_EQ(t->interval(), 1000);
    for (ui::Timer* t : {&form().Timer1, &form().Timer2, &form().Timer3, &form().Timer4})
        EXPECT_TRUE(t->enabled());
    EXPECT_EQ(form().opendlgsong.filter, "Mp3|*.mp3|Wav|*.wav");
    EXPECT_EQ(form().opendlgsong.filterIndex, 1);
    std::vector<std::string> captions;
    for (const auto& item : form().PopupMenu1.items) captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Settings", "About", "-", "Hide sidebar",
                                                   "Show sidebar", "-", "Exit"}));
    EXPECT_EQ(form().caption(), "Sidebar");
    EXPECT_EQ(platform.window(form().handle()).iconImages, 9u);
}

// --- placement -------------------------------------------------------------------------------

TEST_F(SidebarTest, WindowStandsAgainstTheRightEdgeOfTheWorkAreaAndFollowsItsChanges) {
    EXPECT_EQ(platform.window(form().handle()).bounds, (Rect{1158, 0, 1280, 760}));
    EXPECT_TRUE(platform.window(form().handle()).visible);
    const std::vector<Rect> areas = {
        {0, 0, 1920, 1040},     // taskbar at the bottom
        {0, 40, 1920, 1080},    // taskbar at the top
        {0, 0, 1860, 1080},     // taskbar at the right
        {100, 0, 1024, 768},    // a panel on the left
        {-1280, 0, 0, 1024},    // a primary screen to the left of the origin
    };
    for (const Rect& area : areas) {
        platform.setWorkArea(area);
        const Rect bounds = platform.window(form().handle()).bounds;
        EXPECT_EQ(bounds, (Rect{area.right - 122, area.top, area.right, area.bottom}));
        EXPECT_EQ(form().pan.height(), area.height());  // the skin follows the height
        EXPECT_EQ(form().picture().height(), area.height());
    }
}

// With BRIVANE_PICTURES set to a folder, the composed sidebar is written there as a .bmp file
// for a person to look at; either way it must read back as the same picture.
TEST_F(SidebarTest, ComposedPictureCanBeSavedForAPersonToLookAt) {
    const char* folder = std::getenv("BRIVANE_PICTURES");
    const std::string file = std::string(folder ? folder : ::testing::TempDir().c_str()) +
                             "/sidebar-headless.bmp";
    ui::saveBitmapFile(form().picture(), file);
    EXPECT_EQ(ui::loadBitmapFile(file), form().picture());
    EXPECT_THROW(ui::saveBitmapFile(form().picture(), "/nonexistent-folder/x.bmp"), ui::BitmapError);
}

TEST_F(SidebarTest, BelowTheSkinTheWindowShowsItsBackgroundColour) {
    platform.setWorkArea({0, 0, 1600, 1300});
    const ui::Bitmap& picture = form().picture();
    const ui::Bitmap panel = ui::loadResourceBitmap("panel");
    EXPECT_EQ(picture.pixel(60, 1199), panel.pixel(60, 1199));
    EXPECT_EQ(picture.pixel(60, 1200), platform.sysColor(27));
    EXPECT_EQ(picture.pixel(121, 1299), platform.sysColor(27));
}

// --- start-up and shutdown ---------------------------------------------------------------------

TEST_F(SidebarTest, StartUpRemovesTheTaskbarButtonThenShowsTheWindow) {
    const platform::Handle app = HeadlessPlatform::ApplicationWindow;
    std::vector<std::string> seen;
    for (const auto& call : platform.calls())
        // The clock's settings reads (steps 4 to 9) are checked with the clock.
        if (call.name != "createWindow" && call.name != "GetPrivateProfileStringA")
            seen.push_back(call.str());
    const std::string sidebar = std::to_string(form().handle());
    const std::string exStyle = std::to_string(0x00040000 | 0x80);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "DragAcceptFiles(" + std::to_string(form().ListBox1.handle()) + ", 1)",
                        "ShowWindow(" + std::to_string(app) + ", 0)",
                        "GetWindowLongA(" + std::to_string(app) + ", -20)",
                        "SetWindowLongA(" + std::to_string(app) + ", -20, " + exStyle + ")",
                        "ShowWindow(" + std::to_string(app) + ", 5)",
                        "BASS_Init(-1, 44100, 0, " + sidebar + ", null)",
                        "createIcon(16x16x32)",
                        "Shell_NotifyIconA(0, 88, " + sidebar + ", 0, 7, 1025, " +
                            std::to_string(form().TrayIconData.hIcon) + ", Brivane)",
                        "setWindowVisible(" + sidebar + ", true)",
                    }));
    EXPECT_EQ(AppDir, BRIVANE_SOURCE_DIR "/resources/");
    EXPECT_EQ(form().pan.picture(), ui::loadResourceBitmap("panel"));
    EXPECT_EQ(platform.applicationTitle(), "Brivane");
    EXPECT_TRUE(form().doubleBuffered);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(SidebarTest, UntilTheFirstTicksTheCalendarIsEmptyAndTheClockShowsItsDesignFace) {
    EXPECT_EQ(form().Label1.caption(), "");
    EXPECT_EQ(form().Label2.caption(), "");
    ui::Bitmap face = ui::designPicture("image2");
    face.setPixelFormat(ui::PixelFormat::Bits24);  // start-up step 6
    EXPECT_EQ(form().Image2.picture(), face);
}

TEST_F(SidebarTest, CloseRequestEndsTheProgramAsExitDoes) {
    platform.requestClose(form().handle());
    EXPECT_TRUE(platform.quitRequested());
    EXPECT_EQ(program->run(), 0);
    const platform::Handle window = form().handle();
    program->shutdown();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_TRUE(platform.window(window).destroyed);
}

// --- pressed-button feedback --------------------------------------------------------------------

struct ButtonRow {
    ui::Image TForm1::*button;
    const char* pressed;
    const char* normal;
};

const std::vector<ButtonRow> buttons = {
    {&TForm1::Play, "play1", "play"},          {&TForm1::Open, "open1", "open"},
    {&TForm1::btnStop, "stop1", "stop"},       {&TForm1::btnPause, "pause1", "pause"},
    {&TForm1::remove, "remove", "remove1"},    {&TForm1::go, "websearch1", "websearch"},
    {&TForm1::prev, "prev1", "prev"},          {&TForm1::next, "next1", "next"},
};

TEST_F(SidebarTest, ButtonsShowTheirPressedPictureWhileAnyMouseButtonIsHeld) {
    const auto window = form().handle();
    for (const ButtonRow& row : buttons) {
        ui::Image& button = form().*row.button;
        SCOPED_TRACE(button.name());
        const platform::Point inside{button.left() + 2, button.top() + 2};
        const platform::Point outside{button.left() + 2, 20};  // over the clock
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.normal));

        platform.press(window, MouseButton::Left, inside);
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.pressed));
        platform.release(window, MouseButton::Left, outside);  // dragged off: back, no click
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.normal));

        platform.press(window, MouseButton::Right, inside);
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.pressed));
        platform.release(window, MouseButton::Right, outside);  // not captured: stays pressed
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.pressed));
        platform.release(window, MouseButton::Right, inside);
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.normal));

        platform.press(window, MouseButton::Middle, inside);
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.pressed));
        platform.release(window, MouseButton::Middle, inside);
        EXPECT_EQ(button.picture(), ui::loadResourceBitmap(row.normal));
    }
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(SidebarTest, PressedPicturesAreDrawnClippedAndKeyedOnScreen) {
    const auto window = form().handle();
    // Play is 46 x 49: its 48 x 48 pictures lose two columns and leave the bottom row showing
    // the plate beneath.
    platform.press(window, MouseButton::Left, {50, 410});
    const ui::Bitmap& picture = form().picture();
    const ui::Bitmap play1 = ui::loadResourceBitmap("play1");
    const ui::Bitmap plate = ui::designPicture("image1");
    const ui::Argb key = play1.pixel(0, play1.height() - 1);
    int drawn = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 46; ++x) {
            const ui::Argb want = ui::sameRgb(play1.pixel(x, y), key)
                                      ? plate.pixel(40 - 6 + x, 398 - 390 + y)
                                      : play1.pixel(x, y);
            if (picture.pixel(40 + x, 398 + y) == want) ++drawn;
        }
    EXPECT_EQ(drawn, 46 * 48);
    EXPECT_EQ(picture.pixel(40 + 20, 398 + 48), plate.pixel(40 - 6 + 20, 398 - 390 + 48));
    // btnStop is opaque: "stop1" (24 x 24) is cut to 23 x 23.
    platform.release(window, MouseButton::Left, {50, 410});
    platform.press(window, MouseButton::Right, {20, 432});
    const ui::Bitmap stop1 = ui::loadResourceBitmap("stop1");
    EXPECT_EQ(form().picture().pixel(14 + 22, 428 + 22), stop1.pixel(22, 22) | 0xFF000000u);
}

// --- artwork -----------------------------------------------------------------------------------

int bitsPerPixel(const ui::EmbeddedFile* table, const std::string& name) {
    for (const ui::EmbeddedFile* f = table; f->name != nullptr; ++f) {
        if (name == f->name && f->size >= 30) return f->data[28] | (f->data[29] << 8);
    }
    return -1;
}

TEST(Artwork, EveryImageResourceHasItsCatalogueSizeAndDepth) {
    HeadlessPlatform platform;
    struct Row {
        const char* name;
        int width, height, bits;
    };
    const std::vector<Row> catalogue = {
        {"panel", 130, 1200, 24},   {"ceas2", 105, 105, 32},   {"calendar", 110, 119, 24},
        {"calendar1", 110, 49, 24}, {"play", 48, 48, 24},      {"play1", 48, 48, 24},
        {"open", 16, 15, 24},       {"open1", 17, 17, 24},     {"stop", 23, 23, 24},
        {"stop1", 24, 24, 24},      {"pause", 26, 26, 24},     {"pause1", 26, 26, 24},
        {"remove1", 16, 16, 24},    {"remove", 16, 16, 24},    {"websearch", 21, 21, 32},
        {"websearch1", 21, 21, 24}, {"prev", 16, 16, 24},      {"prev1", 16, 16, 24},
        {"next", 16, 16, 24},       {"next1", 16, 16, 24},
    };
    EXPECT_EQ(ui::resourceNames().size(), catalogue.size());
    for (const Row& r : catalogue) {
        SCOPED_TRACE(r.name);
        const ui::Bitmap b = ui::loadResourceBitmap(r.name);
        EXPECT_EQ(b.width(), r.width);
        EXPECT_EQ(b.height(), r.height);
        EXPECT_EQ(bitsPerPixel(ui::embeddedResources, r.name), r.bits);
    }
    // Found without regard to case; an unknown name is an error.
    EXPECT_EQ(ui::loadResourceBitmap("PANEL"), ui::loadResourceBitmap("panel"));
    EXPECT_THROW(ui::loadResourceBitmap("nosuch"), ui::ResourceError);
}

TEST(Artwork, TransparentButtonsKeepTheirKeyColourOutOfTheButtonsThemselves) {
    HeadlessPlatform platform;
    for (const char* name : {"play", "play1", "open", "open1", "pause", "pause1", "remove", "remove1"}) {
        SCOPED_TRACE(name);
        const ui::Bitmap b = ui::loadResourceBitmap(name);
        const ui::Argb key = b.pixel(0, b.height() - 1);
        // The middle of the button is drawn.
        EXPECT_FALSE(ui::sameRgb(b.pixel(b.width() / 2, b.height() / 2), key));
        // All four corners are the key.
        EXPECT_TRUE(ui::sameRgb(b.pixel(0, 0), key));
        EXPECT_TRUE(ui::sameRgb(b.pixel(b.width() - 1, 0), key));
        EXPECT_TRUE(ui::sameRgb(b.pixel(b.width() - 1, b.height() - 1), key));
    }
}

TEST(Artwork, DesignPicturesAndTheProgramIconHaveTheirSizes) {
    HeadlessPlatform platform;
    struct Row {
        const char* name;
        int width, height, bits;
    };
    const std::vector<Row> pictures = {
        {"ceasimg", 85, 35, 24},       {"slideimg", 114, 104, 24},   {"shortcutsimg", 116, 70, 24},
        {"image1", 116, 70, 24},       {"image2", 105, 105, 32},     {"image3", 24, 24, 32},
        {"image4", 24, 24, 32},        {"image5", 24, 24, 32},       {"image6", 24, 24, 32},
        {"image7", 24, 24, 32},        {"image8", 24, 24, 32},       {"form3_background", 500, 300, 24},
        {"form3_tile", 66, 76, 24},    {"form3_analog", 50, 50, 32}, {"form3_digital", 50, 50, 32},
    };
    for (const Row& r : pictures) {
        SCOPED_TRACE(r.name);
        const ui::Bitmap b = ui::designPicture(r.name);
        EXPECT_EQ(b.width(), r.width);
        EXPECT_EQ(b.height(), r.height);
        EXPECT_EQ(bitsPerPixel(ui::embeddedDesignPictures, r.name), r.bits);
    }
    // The slide frame's inside is the cyan key, and so is its bottom-left pixel.
    const ui::Bitmap frame = ui::designPicture("slideimg");
    EXPECT_EQ(frame.pixel(0, 103), ui::rgb(0, 255, 255));
    EXPECT_EQ(frame.pixel(57, 52), ui::rgb(0, 255, 255));

    std::vector<std::pair<int, int>> icon;
    for (const auto& image : ui::programIcon()) icon.push_back({image.width, image.bitsPerPixel});
    EXPECT_EQ(icon, (std::vector<std::pair<int, int>>{
                        {48, 32}, {48, 8}, {48, 4}, {32, 32}, {32, 8}, {32, 4}, {16, 32}, {16, 8}, {16, 4}}));
}

}  // namespace
}  // namespace brivane
