// The widget kit on the headless platform: composition, mouse routing, timers, error reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace brivane {
namespace {

using platform::HeadlessPlatform;
using platform::MouseButton;
using ui::Argb;
using ui::Bitmap;
using ui::rgb;

constexpr Argb Red = rgb(255, 0, 0);
constexpr Argb Green = rgb(0, 255, 0);
constexpr Argb Blue = rgb(0, 0, 255);
constexpr Argb White = rgb(255, 255, 255);
constexpr Argb Magenta = rgb(255, 0, 255);
constexpr Argb Grey = rgb(100, 100, 100);

Bitmap solid(int w, int h, Argb color) { return Bitmap(w, h, ui::PixelFormat::Bits24, color); }

class KitTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    ui::Application app{platform};
    ui::Form form{"Test", 40, 30};

    void SetUp() override {
        form.setColor(Grey);
        form.show();
    }
    Argb at(int x, int y) { return form.picture().pixel(x, y); }
};

// --- composition ---------------------------------------------------------------------------

TEST_F(KitTest, LaterControlsPaintOverEarlierOnesAndHiddenOnesAreSkipped) {
    ui::Image lower(form, "lower"), upper(form, "upper");
    lower.setBounds(0, 0, 10, 10);
    lower.setPicture(solid(10, 10, Green));
    upper.setBounds(5, 5, 10, 10);
    upper.setPicture(solid(10, 10, Blue));

    EXPECT_EQ(at(2, 2), Green);
    EXPECT_EQ(at(7, 7), Blue);
    EXPECT_EQ(at(20, 20), Grey);

    upper.hide();
    EXPECT_EQ(at(7, 7), Green);
    EXPECT_EQ(at(12, 12), Grey);
}

TEST_F(KitTest, AnOpaqueCoverHidesWhatLiesBeneathButNotAPictureSmallerThanItsWidget) {
    ui::Image ground(form, "ground"), cover(form, "cover");
    ground.setBounds(0, 0, 40, 30);
    ground.setPicture(solid(40, 30, Green));
    cover.setBounds(0, 0, 20, 20);
    cover.setPicture(solid(10, 10, Red));  // covers only its top-left quarter
    EXPECT_EQ(at(5, 5), Red);
    EXPECT_EQ(at(15, 15), Green);
    cover.setPicture(solid(20, 20, Blue));
    EXPECT_EQ(at(15, 15), Blue);
    cover.hide();
    EXPECT_EQ(at(15, 15), Green);
    ground.setPicture(solid(5, 5, Green));  // the form's colour shows beyond it
    EXPECT_EQ(at(15, 15), Grey);
}

TEST_F(KitTest, PictureIsDrawnUnscaledAtTopLeftAndClippedToTheWidget) {
    Bitmap picture(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) picture.setPixel(x, y, rgb(x * 40, y * 40, 7));
    ui::Image clipped(form, "clipped"), roomy(form, "roomy");
    clipped.setBounds(1, 1, 4, 3);
    clipped.setPicture(picture);
    roomy.setBounds(20, 1, 10, 10);
    roomy.setPicture(picture);

    EXPECT_EQ(at(1, 1), rgb(0, 0, 7));
    EXPECT_EQ(at(4, 3), rgb(120, 80, 7));  // last column and row inside the widget
    EXPECT_EQ(at(5, 1), Grey);             // the picture's cut-off columns are not drawn
    EXPECT_EQ(at(1, 4), Grey);
    EXPECT_EQ(at(25, 6), rgb(200, 200, 7));
    EXPECT_EQ(at(26, 7), Grey);  // beyond a smaller picture, what lies beneath shows
}

TEST_F(KitTest, TransparencyKeyIsTheBottomLeftPixelOfEachNewPicture) {
    ui::Image image(form, "image");
    image.setBounds(0, 0, 4, 4);
    image.setTransparent(true);
    Bitmap first = solid(4, 4, Red);
    first.setPixel(0, 3, Magenta);  // the key
    first.setPixel(2, 1, Magenta);  // a key-coloured pixel inside
    image.setPicture(first);
    EXPECT_EQ(at(0, 3), Grey);
    EXPECT_EQ(at(2, 1), Grey);
    EXPECT_EQ(at(1, 1), Red);

    Bitmap second = solid(4, 4, Magenta);
    second.setPixel(0, 3, Blue);
    image.setPicture(second);
    EXPECT_EQ(at(1, 1), Magenta);  // magenta is no longer the key
    EXPECT_EQ(at(0, 3), Grey);

    // Drawing on the picture changes its key with its bottom-left pixel.
    image.changePicture([](Bitmap& b) { b.setPixel(0, 3, Magenta); });
    EXPECT_EQ(at(1, 1), Grey);
    EXPECT_EQ(at(0, 3), Grey);
}

TEST_F(KitTest, StretchedPictureFillsTheWidget) {
    Bitmap picture(2, 2);
    picture.setPixel(0, 0, Red);
    picture.setPixel(1, 0, Green);
    picture.setPixel(0, 1, Blue);
    picture.setPixel(1, 1, White);
    ui::Image image(form, "image");
    image.setBounds(10, 10, 8, 6);
    image.setStretch(true);
    image.setPicture(picture);
    EXPECT_EQ(at(10, 10), Red);
    EXPECT_EQ(at(13, 12), Red);
    EXPECT_EQ(at(14, 12), Green);
    EXPECT_EQ(at(13, 13), Blue);
    EXPECT_EQ(at(17, 15), White);
    EXPECT_EQ(at(18, 15), Grey);
}

TEST_F(KitTest, ThirtyTwoBitPicturesBlendThroughTheirAlpha) {
    Bitmap icon(2, 1, ui::PixelFormat::Bits32);
    icon.setPixel(0, 0, ui::argb(0, 255, 0, 0));
    icon.setPixel(1, 0, ui::argb(128, 255, 255, 255));
    ui::Image image(form, "image");
    image.setBounds(0, 0, 2, 1);
    image.setPicture(icon);
    EXPECT_EQ(at(0, 0), Grey);
    EXPECT_EQ(at(1, 0), rgb(178, 178, 178));

    Bitmap opaque = icon;
    opaque.setPixelFormat(ui::PixelFormat::Bits24);  // converting drops the alpha channel
    image.setPicture(opaque);
    EXPECT_EQ(at(0, 0), Red);
    EXPECT_EQ(at(1, 0), White);
}

TEST_F(KitTest, ReplacingAPictureRepaintsOnlyThatWidget) {
    ui::Image image(form, "image");
    image.setBounds(3, 4, 5, 6);
    image.setPicture(solid(5, 6, Red));
    app.updateForms();
    auto& window = platform.window(form.handle());
    const int before = window.presents;

    image.setPicture(solid(5, 6, Blue));
    app.updateForms();
    EXPECT_EQ(window.presents, before + 1);
    EXPECT_EQ(window.lastPresented, (platform::Rect{3, 4, 8, 10}));
    EXPECT_EQ(at(5, 5), Blue);
}

TEST_F(KitTest, LabelsSizeToTheirCaptionOrKeepAFixedSizeAndCentre) {
    ui::Label sized(form, "sized"), fixed(form, "fixed");
    sized.setBounds(0, 0, 1, 1);
    sized.setCaption("abc");
    const int cell = (sized.font().height + 1) / 2;  // the headless face's character cell
    EXPECT_EQ(sized.width(), 3 * cell);
    sized.setCaption("abcdef");
    EXPECT_EQ(sized.width(), 6 * cell);

    fixed.setAutoSize(false);
    fixed.setBounds(0, 15, 30, 14);
    fixed.setTransparent(true);
    fixed.setFont({"Tahoma", 11, false, false, White});
    fixed.setAlignment(ui::Alignment::Center);
    fixed.setCaption("ab");
    EXPECT_EQ(fixed.width(), 30);
    // Two cells of 6 centred in 30 pixels start at 9; a transparent label paints only its text.
    EXPECT_EQ(at(8, 20), Grey);
    EXPECT_EQ(at(9, 20), White);
    EXPECT_EQ(at(14, 20), Grey);  // the gap between the two characters
    EXPECT_EQ(at(19, 20), White);
    EXPECT_EQ(at(20, 20), Grey);
}

TEST_F(KitTest, AnOpaqueLabelFillsItsAreaWithItsColour) {
    ui::Label label(form, "label");
    label.setAutoSize(false);
    label.setBounds(0, 0, 20, 10);
    label.setColor(Blue);
    label.setCaption(" ");
    EXPECT_EQ(at(15, 5), Blue);
}

// --- mouse ---------------------------------------------------------------------------------

class MouseTest : public KitTest {
protected:
    ui::Image button{form, "button"};
    std::vector<std::string> events;

    void SetUp() override {
        KitTest::SetUp();
        button.setBounds(10, 10, 10, 10);
        button.onMouseDown = [this](const ui::MouseEvent& e) {
            events.push_back(std::string("down") + name(e.button));
        };
        button.onMouseUp = [this](const ui::MouseEvent& e) {
            events.push_back(std::string("up") + name(e.button));
        };
        button.onClick = [this] { events.push_back("click"); };
        button.onDblClick = [this] { events.push_back("dblclick"); };
    }
    static const char* name(MouseButton b) {
        return b == MouseButton::Left ? "L" : b == MouseButton::Right ? "R" : "M";
    }
    void press(MouseButton b, platform::Point p) { platform.press(form.handle(), b, p); }
    void release(MouseButton b, platform::Point p) { platform.release(form.handle(), b, p); }
};

TEST_F(MouseTest, ClickIsRaisedBeforeTheMouseUpOfTheSameRelease) {
    platform.click(form.handle(), {12, 12});
    EXPECT_EQ(events, (std::vector<std::string>{"downL", "click", "upL"}));
}

TEST_F(MouseTest, LeftPressCapturesSoAReleaseElsewhereReachesTheButtonWithoutAClick) {
    press(MouseButton::Left, {12, 12});
    release(MouseButton::Left, {35, 25});
    EXPECT_EQ(events, (std::vector<std::string>{"downL", "upL"}));
}

TEST_F(MouseTest, OtherButtonsDoNotCapture) {
    press(MouseButton::Right, {12, 12});
    release(MouseButton::Right, {35, 25});
    EXPECT_EQ(events, (std::vector<std::string>{"downR"}));
    release(MouseButton::Right, {11, 11});  // a later release over the button is reported
    press(MouseButton::Middle, {11, 11});
    release(MouseButton::Middle, {11, 11});
    EXPECT_EQ(events, (std::vector<std::string>{"downR", "upR", "downM", "upM"}));
}

TEST_F(MouseTest, DoubleClickRunsTheClickOnce) {
    platform.doubleClick(form.handle(), {12, 12});
    EXPECT_EQ(events, (std::vector<std::string>{"downL", "click", "upL", "dblclick", "downL", "upL"}));
}

TEST_F(MouseTest, TheTopmostVisibleControlGetsThePress) {
    ui::Image cover(form, "cover");
    cover.setBounds(15, 15, 10, 10);
    bool coverPressed = false;
    cover.onMouseDown = [&](const ui::MouseEvent& e) {
        coverPressed = true;
        EXPECT_EQ(e.x, 1);  // coordinates are the control's own
        EXPECT_EQ(e.y, 2);
    };
    press(MouseButton::Right, {16, 17});
    EXPECT_TRUE(coverPressed);
    EXPECT_TRUE(events.empty());
    cover.hide();
    press(MouseButton::Right, {16, 17});
    EXPECT_EQ(events, (std::vector<std::string>{"downR"}));
}

TEST_F(MouseTest, HintsAndPointersFollowTheControlUnderThePointer) {
    button.hint = "Press me";
    button.showHint = true;
    button.cursor = ui::Cursor::Hand;
    ui::Image silent(form, "silent");
    silent.setBounds(25, 10, 5, 5);
    silent.hint = "never shown";  // hints switched off for this one

    auto& window = platform.window(form.handle());
    platform.move(form.handle(), {12, 12});
    EXPECT_EQ(window.hint, "Press me");
    EXPECT_EQ(window.cursor, ui::Cursor::Hand);
    platform.move(form.handle(), {26, 11});
    EXPECT_EQ(window.hint, "");
    EXPECT_EQ(window.cursor, ui::Cursor::Arrow);
}

// --- application -----------------------------------------------------------------------------

TEST(ReportText, FullStopIsAppendedWhenTheLastCharacterSortsAfterIt) {
    struct Case {
        std::string message, shown;
    };
    const std::vector<Case> cases = {
        {"File not found", "File not found."},
        {"Done.", "Done."},
        {"Really!", "Really!"},       // '!' sorts before '.'
        {"(see above)", "(see above)"},  // ')' too
        {"Why?", "Why?."},            // '?' sorts after '.'
        {"Path is C:/x/", "Path is C:/x/."},
        {"", ""},
        {"Caf\xc3\xa9", "Caf\xc3\xa9."},  // a multi-byte last character
    };
    for (const Case& c : cases) EXPECT_EQ(ui::Application::reportText(c.message), c.shown) << c.message;
}

TEST_F(KitTest, AnErrorEscapingAHandlerIsReportedAndTheRestOfItSkipped) {
    app.setTitle("Brivane");
    bool rest = false, nextEvent = false;
    app.dispatch([&] {
        throw std::runtime_error("Cannot open file x.bmp");
        rest = true;
    });
    app.dispatch([&] { nextEvent = true; });
    EXPECT_FALSE(rest);
    EXPECT_TRUE(nextEvent);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "Cannot open file x.bmp.");
    EXPECT_EQ(platform.messages()[0].caption, "Brivane");
    EXPECT_EQ(platform.messages()[0].kind, platform::MessageKind::Error);
}

TEST_F(KitTest, AClickHandlerThatFailsSkipsItsMouseUp) {
    ui::Image button(form, "button");
    button.setBounds(0, 0, 10, 10);
    bool up = false;
    button.onClick = [] { throw std::runtime_error("broken"); };
    button.onMouseUp = [&](const ui::MouseEvent&) { up = true; };
    platform.click(form.handle(), {5, 5});
    EXPECT_FALSE(up);
    EXPECT_EQ(platform.messages().size(), 1u);
    platform.click(form.handle(), {5, 5});  // the program goes on
    EXPECT_EQ(platform.messages().size(), 2u);
}

TEST_F(KitTest, TimerTicksOncePerIntervalAndRestartsAFullIntervalWhenEnabledAgain) {
    ui::Timer timer(1000);
    std::vector<std::int64_t> ticks;
    timer.setOnTimer([&] { ticks.push_back(platform.now()); });
    platform.advance(2500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000}));
    timer.setEnabled(false);
    platform.advance(1000);
    EXPECT_EQ(ticks.size(), 2u);
    timer.setEnabled(true);  // at 3500
    platform.advance(999);
    EXPECT_EQ(ticks.size(), 2u);
    platform.advance(1);
    EXPECT_EQ(ticks.back(), 4500);
}

TEST_F(KitTest, TimersKeepTickingWhileAMessageBoxIsOpen) {
    ui::Timer timer(1000);
    int ticks = 0;
    timer.setOnTimer([&] { ++ticks; });
    platform.onMessageBox = [&](const HeadlessPlatform::Message&) { platform.advance(3000); };
    app.messageBox("Hello");
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(platform.openMessageBoxes(), 0);
}

TEST_F(KitTest, CloseRequestOfTheMainFormTerminatesAndOfAnotherHidesIt) {
    ui::Form other("Other", 10, 10);
    other.show();
    platform.requestClose(other.handle());
    EXPECT_FALSE(other.visible());
    EXPECT_FALSE(platform.quitRequested());

    bool asked = false;
    form.onClose = [&](ui::CloseAction& action) {
        asked = true;
        action = ui::CloseAction::None;
    };
    platform.requestClose(form.handle());
    EXPECT_TRUE(asked);
    EXPECT_FALSE(platform.quitRequested());
    form.onClose = nullptr;
    platform.requestClose(form.handle());
    EXPECT_TRUE(platform.quitRequested());
}

}  // namespace
}  // namespace brivane
