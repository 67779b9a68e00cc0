// The settings window and the two clock layouts on the headless platform.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "settings/TForm3.h"
#include "sidebar/TForm1.h"
#include "ui/Resources.h"

namespace brivane {
namespace {

// The program as if installed beside the slide pictures, so that start-up shows no report.
constexpr const char* ProgramBesideTheSlides = BRIVANE_SOURCE_DIR "/resources/brivane";

using platform::HeadlessPlatform;
using platform::Point;
using platform::Rect;

// Points inside the widgets of the settings window.
constexpr Point OnAnalogIcon{40, 80};
constexpr Point OnDigitalIcon{120, 80};
constexpr Point OnClockCaption{36, 121};
constexpr Point OnDigitalCaption{100, 121};
constexpr Point OnAnalogTileEdge{18, 125};  // the tile, below its icon and beside its caption
constexpr Point OnDigitalTileEdge{94, 58};  // the tile, above its icon
constexpr Point OnBackground{300, 150};

class SettingsTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    std::optional<Program> program;

    void SetUp() override {
        platform.setModuleFileName(ProgramBesideTheSlides);
        platform.setVirtualScreen({0, 0, 1280, 800});
        program.emplace(platform);
        program->start();
    }
    TForm3& settings() { return *Form3; }
    platform::Handle window() { return Form3->handle(); }
    void close() { platform.native(settings().Button1.handle()).listener->clicked(); }
};

TEST_F(SettingsTest, TheWindowAndItsWidgetsAsDefined) {
    EXPECT_EQ(settings().caption(), "Form3");
    EXPECT_EQ(settings().clientWidth(), 500);
    EXPECT_EQ(settings().clientHeight(), 300);
    EXPECT_FALSE(settings().visible());
    EXPECT_TRUE(settings().doubleBuffered);
    EXPECT_EQ(settings().color(), platform.sysColor(15));
    const auto& w = platform.window(window());
    EXPECT_TRUE(w.spec.borderless);
    EXPECT_TRUE(w.spec.toolWindow);
    EXPECT_EQ(w.iconImages, 9u);
    // The sidebar stays the main window.
    EXPECT_EQ(program->application().mainForm(), Form1);

    struct Row {
        const char* name;
        Rect bounds;
        const char* picture;  // design picture, or none for a label
        bool visible, transparent;
        ui::Cursor cursor;
    };
    constexpr auto A = ui::Cursor::Arrow;
    constexpr auto H = ui::Cursor::Hand;
    const std::vector<Row> rows = {
        {"Image3", {0, 0, 500, 300}, "form3_background", true, false, A},
        {"Image7", {92, 56, 158, 132}, "form3_tile", false, true, A},
        {"Image6", {16, 56, 82, 132}, "form3_tile", false, true, A},
        {"Image2", {100, 64, 150, 113}, "form3_digital", true, false, H},
        {"Image1", {24, 64, 74, 114}, "form3_analog", true, false, H},
        {"Label1", {34, 118, -1, -1}, nullptr, true, true, A},
        {"l", {94, 118, -1, -1}, nullptr, true, true, A},
    };
    const auto& controls = settings().controls();
    ASSERT_EQ(controls.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const ui::Control& c = *controls[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(c.name(), r.name);
        EXPECT_EQ(c.left(), r.bounds.left);
        EXPECT_EQ(c.top(), r.bounds.top);
        if (r.picture != nullptr) {
            EXPECT_EQ(c.bounds(), r.bounds);
            const auto& image = dynamic_cast<const ui::Image&>(c);
            EXPECT_EQ(image.picture(), ui::designPicture(r.picture));
            EXPECT_EQ(image.transparent(), r.transparent);
        } else {
            const auto& label = dynamic_cast<const ui::Label&>(c);
            EXPECT_TRUE(label.transparent());
            EXPECT_TRUE(label.autoSize());
        }
        EXPECT_EQ(c.visible(), r.visible);
        EXPECT_EQ(c.cursor, r.cursor);
    }
    EXPECT_EQ(settings().Image3.align(), ui::Align::Client);
    EXPECT_EQ(settings().Image1.picture().pixelFormat(), ui::PixelFormat::Bits32);
    EXPECT_EQ(settings().Image3.picture().pixelFormat(), ui::PixelFormat::Bits24);

    for (const auto& [label, caption] :
         {std::pair{&settings().Label1, "Clock"}, std::pair{&settings().l, "Digital clock"}}) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(label->caption(), caption);
        EXPECT_EQ(label->font().name, "Verdana");
        EXPECT_EQ(label->font().height, 9);
        EXPECT_EQ(label->font().charset, ui::Charset::Ansi);
        EXPECT_EQ(label->font().color, platform.sysColor(8));
        EXPECT_FALSE(label->font().bold);
    }

    const ui::Button& close = settings().Button1;
    EXPECT_EQ(close.caption(), "Close");
    EXPECT_EQ(platform.native(close.handle()).text, "Close");
    EXPECT_EQ(close.bounds(), (Rect{416, 264, 491, 289}));
    EXPECT_EQ(close.style().tabOrder, 0);
    EXPECT_EQ(close.style().font.name, "Tahoma");
    EXPECT_EQ(close.style().font.height, 11);
    EXPECT_EQ(platform.native(close.handle()).kind, platform::NativeKind::Button);
}

TEST(SettingsPlace, FirstShownInTheMiddleOfTheVirtualScreenThenKeptWhereItStood) {
    struct Case {
        const char* name;
        Rect virtualScreen;
        Point place;
    };
    const std::vector<Case> cases = {
        {"one screen", {0, 0, 1280, 800}, {390, 250}},
        {"odd sizes", {0, 0, 1281, 1023}, {390, 361}},
        // A second monitor left of the primary: the middle of the whole width, but measured
        // from the primary screen's top-left.
        {"second monitor on the left", {-1280, 0, 1920, 1080}, {1350, 390}},
        {"second monitor above, taller", {0, -1024, 1920, 1080}, {710, 902}},
        // Smaller than the window: halved toward zero.
        {"tiny screen", {0, 0, 401, 199}, {-49, -50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessPlatform platform;
        platform.setModuleFileName(ProgramBesideTheSlides);
        platform.setVirtualScreen(c.virtualScreen);
        Program program(platform);
        program.start();
        TForm3& settings = *Form3;
        Form1->Settings1Click();
        const Rect expected{c.place.x, c.place.y, c.place.x + 500, c.place.y + 300};
        EXPECT_TRUE(settings.visible());
        EXPECT_EQ(platform.window(settings.handle()).bounds, expected);
        EXPECT_EQ(platform.window(settings.handle()).raised, 1);

        // Closed, the screens changed, shown again: the same place.
        platform.native(settings.Button1.handle()).listener->clicked();
        EXPECT_FALSE(settings.visible());
        EXPECT_FALSE(platform.window(settings.handle()).visible);
        EXPECT_FALSE(platform.quitRequested());
        platform.setVirtualScreen({0, 0, 3000, 2000});
        Form1->Settings1Click();
        EXPECT_TRUE(platform.window(settings.handle()).visible);
        EXPECT_EQ(platform.window(settings.handle()).bounds, expected);
    }
}

TEST_F(SettingsTest, TheTileFollowsTheLastIconUnderThePointerAndNothingElse) {
    Form1->Settings1Click();
    struct Step {
        const char* what;
        std::function<void()> act;
        bool analogTile, digitalTile;
    };
    const std::vector<Step> steps = {
        {"at creation", [] {}, false, false},
        {"over a caption", [&] { platform.move(window(), OnClockCaption); }, false, false},
        {"over the background", [&] { platform.move(window(), OnBackground); }, false, false},
        {"over the analog icon", [&] { platform.move(window(), OnAnalogIcon); }, true, false},
        {"off the icon", [&] { platform.move(window(), OnBackground); }, true, false},
        {"over the other caption", [&] { platform.move(window(), OnDigitalCaption); }, true, false},
        {"over the analog tile", [&] { platform.move(window(), OnAnalogTileEdge); }, true, false},
        {"the pointer leaves", [&] { settings().mouseLeft(); }, true, false},
        {"over the digital icon", [&] { platform.move(window(), OnDigitalIcon); }, false, true},
        {"a click on the digital icon", [&] { platform.click(window(), OnDigitalIcon); }, false,
         true},
        {"over the digital tile", [&] { platform.move(window(), OnDigitalTileEdge); }, false, true},
        {"closed", [&] { close(); }, false, true},
        {"shown again", [&] { Form1->Settings1Click(); }, false, true},
        {"back over the analog icon", [&] { platform.move(window(), OnAnalogIcon); }, true, false},
        {"a click on the analog icon", [&] { platform.click(window(), OnAnalogIcon); }, true,
         false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(settings().Image6.visible(), s.analogTile);
        EXPECT_EQ(settings().Image7.visible(), s.digitalTile);
    }
    // The tile is drawn behind its choice: a tile pixel left of the icon, under the caption row.
    const ui::Bitmap tile = ui::designPicture("form3_tile");
    EXPECT_EQ(settings().picture().pixel(OnAnalogTileEdge.x, OnAnalogTileEdge.y),
              tile.pixel(OnAnalogTileEdge.x - 16, OnAnalogTileEdge.y - 56));
}

// What the layouts set, widget by widget.
struct Place {
    int left, top, height;
    bool visible;
    friend bool operator==(const Place&, const Place&) = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << "{" << p.left << ", " << p.top << ", " << p.height << ", "
               << (p.visible ? "shown" : "hidden") << "}";
}

struct LayoutRow {
    const char* name;
    std::function<Place(TForm1&)> place;
    Place analog, digital;
};

template <typename W>
std::function<Place(TForm1&)> of(W TForm1::*widget) {
    return [widget](TForm1& f) {
        const W& w = f.*widget;
        return Place{w.left(), w.top(), w.height(), w.visible()};
    };
}

const std::vector<LayoutRow> layoutTable = {
    {"Image2", of(&TForm1::Image2), {10, 8, 105, true}, {10, 8, 105, false}},
    {"ceasimg", of(&TForm1::ceasimg), {21, 8, 35, false}, {21, 8, 35, true}},
    {"Label3", of(&TForm1::Label3), {33, 17, 16, false}, {33, 17, 16, true}},
    {"slideimg", of(&TForm1::slideimg), {6, 118, 104, true}, {6, 48, 104, true}},
    {"imagine", of(&TForm1::imagine), {11, 124, 92, true}, {11, 54, 92, true}},
    {"shortcutsimg", of(&TForm1::shortcutsimg), {6, 224, 69, true}, {6, 154, 69, true}},
    {"Image3", of(&TForm1::Image3), {16, 232, 24, true}, {16, 162, 24, true}},
    {"Image6", of(&TForm1::Image6), {51, 232, 24, true}, {51, 162, 24, true}},
    {"Image5", of(&TForm1::Image5), {85, 232, 24, true}, {85, 162, 24, true}},
    {"Image4", of(&TForm1::Image4), {16, 262, 24, true}, {16, 192, 24, true}},
    {"Image7", of(&TForm1::Image7), {50, 262, 24, true}, {50, 192, 24, true}},
    {"Image8", of(&TForm1::Image8), {85, 262, 24, true}, {85, 192, 24, true}},
    {"ListBox1", of(&TForm1::ListBox1), {6, 295, 81, true}, {6, 225, 81, true}},
    {"pnlDisplay", of(&TForm1::pnlDisplay), {21, 377, 12, true}, {21, 307, 12, true}},
    {"Image1", of(&TForm1::Image1), {6, 390, 69, true}, {6, 321, 69, true}},
    {"Open", of(&TForm1::Open), {14, 397, 15, true}, {14, 328, 15, true}},
    {"prev", of(&TForm1::prev), {23, 410, 16, true}, {23, 341, 16, true}},
    {"btnStop", of(&TForm1::btnStop), {14, 428, 23, true}, {14, 359, 23, true}},
    {"remove", of(&TForm1::remove), {97, 397, 15, true}, {97, 328, 15, true}},
    {"next", of(&TForm1::next), {86, 412, 17, true}, {86, 343, 17, true}},
    {"btnPause", of(&TForm1::btnPause), {88, 427, 26, true}, {88, 358, 26, true}},
    {"Play", of(&TForm1::Play), {40, 398, 49, true}, {40, 329, 49, true}},
    {"Edit1", of(&TForm1::Edit1), {8, 462, 21, true}, {8, 393, 21, true}},
    {"go", of(&TForm1::go), {97, 462, 21, true}, {97, 393, 21, true}},
    {"Image9", of(&TForm1::Image9), {8, 495, 119, true}, {8, 424, 119, true}},
    {"Label1", of(&TForm1::Label1), {16, 501, 17, true}, {16, 444, 25, true}},
    {"Label2", of(&TForm1::Label2), {12, 522, 19, true}, {12, 494, 25, true}},
};

// Every widget's width, which no layout changes.
std::vector<int> widths(TForm1& f) {
    std::vector<int> all;
    for (const ui::Control* c : f.controls()) all.push_back(c->width());
    for (const ui::NativeControl* n : f.nativeControls()) all.push_back(n->width());
    return all;
}

TEST(ClockModes, EachLayoutPutsEveryWidgetWhereItsTableSays) {
    enum Choice { Analog, Digital };
    struct Scenario {
        const char* name;
        std::vector<Choice> clicks;
        bool digital;  // which column the result must match
        bool dayBold;
    };
    const std::vector<Scenario> scenarios = {
        {"digital once", {Digital}, true, true},
        {"digital twice", {Digital, Digital}, true, true},
        {"digital, then analog", {Digital, Analog}, false, true},
        {"analog at start", {Analog}, false, false},
        {"analog, digital, analog, digital", {Analog, Digital, Analog, Digital}, true, true},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        HeadlessPlatform platform;
        platform.setModuleFileName(ProgramBesideTheSlides);
        Program program(platform);
        program.start();
        TForm1& f = *Form1;
        // Content that the layouts must leave alone.
        f.Edit1.setText("weather");
        f.ListBox1.addItem("song.mp3");
        f.pnlDisplay.setCaption("song.mp3");
        f.Timer1.setEnabled(false);
        const auto timers = platform.runningTimerIntervals();
        const auto designWidths = widths(f);
        const ui::Bitmap designPicture = f.picture();

        Form1->Settings1Click();
        for (Choice choice : s.clicks)
            platform.click(Form3->handle(), choice == Analog ? OnAnalogIcon : OnDigitalIcon);

        for (const LayoutRow& row : layoutTable) {
            SCOPED_TRACE(row.name);
            EXPECT_EQ(row.place(f), s.digital ? row.digital : row.analog);
        }
        EXPECT_EQ(widths(f), designWidths);
        EXPECT_EQ(f.Image9.picture(), ui::loadResourceBitmap(s.digital ? "calendar" : "calendar1"));
        EXPECT_EQ(f.Label1.font().height, s.digital ? 16 : 12);  // 12 and 9 points
        EXPECT_TRUE(f.Label1.font().bold);
        EXPECT_EQ(f.Label2.font().height, s.digital ? 12 : 11);  // 9 and 8 points
        EXPECT_EQ(f.Label2.font().bold, s.dayBold);
        EXPECT_EQ(f.Label1.font().name, "Verdana");
        EXPECT_EQ(f.Label2.font().color, platform.sysColor(8));

        EXPECT_TRUE(Form3->visible());  // a choice leaves the window open
        EXPECT_EQ(platform.runningTimerIntervals(), timers);
        EXPECT_FALSE(f.Timer1.enabled());
        EXPECT_EQ(f.Edit1.text(), "weather");
        EXPECT_EQ(f.ListBox1.items(), std::vector<std::string>{"song.mp3"});
        EXPECT_EQ(f.pnlDisplay.caption(), "song.mp3");
        EXPECT_EQ(f.Label3.caption(), "12345678");

        const ui::Bitmap& picture = f.picture();
        if (s.digital) {
            // The time panel where the clock face was, and the tall calendar page below the
            // search box (its labels are still empty).
            const ui::Bitmap panel = ui::designPicture("ceasimg");
            EXPECT_EQ(picture.pixel(21 + 40, 8 + 2), panel.pixel(40, 2));
            const ui::Bitmap page = ui::loadResourceBitmap("calendar");
            int differing = 0;
            for (int y = 0; y < 119; ++y)
                for (int x = 0; x < 110; ++x)
                    if (picture.pixel(8 + x, 424 + y) != page.pixel(x, y)) ++differing;
            EXPECT_EQ(differing, 0);
        } else {
            // On screen the analog layout is the design layout.
            EXPECT_TRUE(picture == designPicture);
        }
    }
}

TEST_F(SettingsTest, OnlyTheIconsTakeClicksAndCloseLeavesTheSidebarAsItWas) {
    Form1->Settings1Click();
    const std::vector<Point> elsewhere = {OnClockCaption, OnDigitalCaption, OnAnalogTileEdge,
                                          OnDigitalTileEdge, OnBackground};
    // Show the tiles too, so that a click lands on one.
    platform.move(window(), OnDigitalIcon);
    platform.move(window(), OnAnalogIcon);
    for (Point p : elsewhere) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        platform.click(window(), p);
        EXPECT_TRUE(Form1->Image2.visible());
        EXPECT_FALSE(Form1->ceasimg.visible());
        EXPECT_EQ(Form1->Image9.height(), 49);  // not even the analog layout ran
        EXPECT_TRUE(settings().visible());
    }
    close();
    EXPECT_FALSE(settings().visible());
    EXPECT_EQ(Form1->Image9.height(), 49);
    EXPECT_TRUE(Form1->visible());
}

}  // namespace
}  // namespace brivane
