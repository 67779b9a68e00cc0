// The tray icon and its menu on the headless platform: the icon's record, the callback handler,
// the menu's items, and the icon's removal at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
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
using platform::Rect;

constexpr std::intptr_t LeftPress = 0x0201;
constexpr std::intptr_t RightPress = 0x0204;
const std::string Hint = "This icon responds to RIGHT BUTTON click!";
const std::vector<std::string> MenuCaptions = {"Settings",     "About", "-",   "Hide sidebar",
                                               "Show sidebar", "-",     "Exit"};

class TrayTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    std::optional<Program> program;

    void start() {
        platform.setModuleFileName(ProgramBesideTheSlides);
        program.emplace(platform);
        program->start();
    }
    void SetUp() override { start(); }

    TForm1& form() { return *Form1; }
    std::string sidebar() { return std::to_string(form().handle()); }

    // A right press on the icon, and the menu item with this caption chosen (none for "").
    void choose(const std::string& caption) {
        platform.onPopupMenu = [caption](const std::vector<std::string>& captions,
                                         platform::Point) {
            auto found = std::find(captions.begin(), captions.end(), caption);
            return found == captions.end() ? -1 : int(found - captions.begin());
        };
        ASSERT_TRUE(platform.trayMouse(RightPress));
        platform.onPopupMenu = nullptr;
    }

    std::vector<std::string> callsSeen() const {
        std::vector<std::string> seen;
        for (const auto& call : platform.calls()) seen.push_back(call.str());
        return seen;
    }
};

TEST_F(TrayTest, TheRecordIsFilledAtStartUpAndTheIconAddedOnce) {
    const NOTIFYICONDATAA& data = form().TrayIconData;
    EXPECT_EQ(data.cbSize, 88u);
    EXPECT_EQ(data.hWnd, form().handle());
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x0401u);
    EXPECT_STREQ(data.szTip, "Brivane");
    EXPECT_TRUE(std::all_of(data.szTip + 7, data.szTip + 64, [](char c) { return c == 0; }));

    // The program icon's 16 x 16 image at 32 bits per pixel.
    const platform::IconImage& icon = platform.icon(data.hIcon);
    EXPECT_EQ(icon.width, 16);
    EXPECT_EQ(icon.height, 16);
    EXPECT_EQ(icon.bitsPerPixel, 32);
    const auto images = ui::programIcon();
    EXPECT_TRUE(std::any_of(images.begin(), images.end(), [&](const platform::IconImage& i) {
        return i.width == 16 && i.bitsPerPixel == 32 && i.pixels == icon.pixels;
    }));

    const auto adds = platform.callsNamed("Shell_NotifyIconA");
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].args.front(), "0");
    ASSERT_EQ(platform.trayIcons().size(), 1u);
    EXPECT_EQ(platform.trayIcons()[0].hWnd, form().handle());
    EXPECT_EQ(platform.trayIcons()[0].hIcon, data.hIcon);
}

TEST_F(TrayTest, ARightPressPopsUpTheMenuAtThePointerBetweenTheWindowCalls) {
    platform.setCursorPosition({1190, 744});
    platform::Point menuAt{};
    platform.onPopupMenu = [&](const std::vector<std::string>& captions, platform::Point at) {
        EXPECT_EQ(captions, MenuCaptions);
        menuAt = at;
        return -1;  // Escape, or a click elsewhere
    };
    platform.clearCalls();
    ASSERT_TRUE(platform.trayMouse(RightPress));
    EXPECT_EQ(callsSeen(), (std::vector<std::string>{
                               "SetForegroundWindow(" + sidebar() + ")",
                               "GetCursorPos()",
                               "popupMenu(1190, 744, Settings|About|-|Hide sidebar|Show "
                               "sidebar|-|Exit)",
                               "PostMessageA(" + sidebar() + ", 0, 0, 0)",
                           }));
    EXPECT_EQ(menuAt, (platform::Point{1190, 744}));
    EXPECT_EQ(platform.foregroundWindow(), form().handle());
    // Closed without a choice: nothing happened.
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(form().visible());
    EXPECT_FALSE(Form3->visible());
    EXPECT_FALSE(platform.quitRequested());
}

TEST_F(TrayTest, OnlyTheMouseMessageInTheSecondParameterCounts) {
    struct Case {
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool hint, menu;
    };
    const std::vector<Case> cases = {
        {0, LeftPress, true, false},  {9, LeftPress, true, false},  // the identifier is ignored
        {0, RightPress, false, true}, {9, RightPress, false, true},
        {0, 0x0200, false, false},  // pointer moved
        {0, 0x0202, false, false},  // left released
        {0, 0x0203, false, false},  // left double click
        {0, 0x0205, false, false},  // right released
        {0, 0x0206, false, false},  // right double click
        {0, 0x0207, false, false},  // middle pressed
        {0, 0x0208, false, false},  // middle released
        {0, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wParam << ", 0x" << std::hex << c.lParam);
        platform.clearCalls();
        platform.clearMessages();
        form().message(0x0401, c.wParam, c.lParam);
        platform.runPosted();
        EXPECT_EQ(platform.messages().size(), c.hint ? 1u : 0u);
        EXPECT_EQ(platform.callsNamed("popupMenu").size(), c.menu ? 1u : 0u);
        if (!c.hint && !c.menu) {
            EXPECT_TRUE(platform.calls().empty());
        }
    }
    // Other messages to the window do not reach the tray handler.
    platform.clearMessages();
    form().message(0x0400, 0, LeftPress);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(TrayTest, EachLeftPressWhileAHintIsOpenOpensAnotherOnTop) {
    std::vector<int> depths;
    platform.onMessageBox = [&](const HeadlessPlatform::Message&) {
        depths.push_back(platform.openMessageBoxes());
        if (depths.size() < 3) platform.trayMouse(LeftPress);  // the user presses again
    };
    ASSERT_TRUE(platform.trayMouse(LeftPress));
    EXPECT_EQ(depths, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(platform.messages().size(), 3u);
    for (const auto& m : platform.messages()) {
        EXPECT_EQ(m.text, Hint);
        EXPECT_EQ(m.caption, "Brivane");
        EXPECT_EQ(m.kind, platform::MessageKind::Plain);
    }
    EXPECT_EQ(platform.openMessageBoxes(), 0);
    EXPECT_TRUE(platform.callsNamed("popupMenu").empty());
}

TEST(TrayMenu, EachItemDoesItsOwnThing) {
    struct Case {
        const char* name;
        std::vector<std::string> choices;  // one right press each; "" closes without a choice
        bool sidebarShown, settingsShown, quit;
        int messages;
    };
    const std::vector<Case> cases = {
        {"closed without a choice", {""}, true, false, false, 0},
        {"Settings", {"Settings"}, true, true, false, 0},
        {"Settings twice", {"Settings", "Settings"}, true, true, false, 0},
        {"About", {"About"}, true, false, false, 1},
        {"Hide sidebar", {"Hide sidebar"}, false, false, false, 0},
        {"Hide sidebar twice", {"Hide sidebar", "Hide sidebar"}, false, false, false, 0},
        {"Settings while hidden", {"Hide sidebar", "Settings"}, false, true, false, 0},
        {"Hide, then Show sidebar", {"Hide sidebar", "Show sidebar"}, true, false, false, 0},
        {"Show sidebar while shown", {"Show sidebar"}, true, false, false, 0},
        {"Exit", {"Exit"}, true, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessPlatform fresh;
        fresh.setModuleFileName(ProgramBesideTheSlides);
        Program local(fresh);
        local.start();
        const int sidebarRaised = fresh.window(Form1->handle()).raised;
        const int settingsRaised = fresh.window(Form3->handle()).raised;
        for (const std::string& caption : c.choices) {
            fresh.onPopupMenu = [caption](const std::vector<std::string>& captions,
                                          platform::Point) {
                auto found = std::find(captions.begin(), captions.end(), caption);
                return found == captions.end() ? -1 : int(found - captions.begin());
            };
            ASSERT_TRUE(fresh.trayMouse(RightPress));
        }
        EXPECT_EQ(Form1->visible(), c.sidebarShown);
        EXPECT_EQ(fresh.window(Form1->handle()).visible, c.sidebarShown);
        EXPECT_EQ(Form3->visible(), c.settingsShown);
        EXPECT_EQ(fresh.window(Form3->handle()).visible, c.settingsShown);
        EXPECT_EQ(fresh.quitRequested(), c.quit);
        EXPECT_EQ(int(fresh.messages().size()), c.messages);
        // Settings and Show sidebar bring their window to the front each time.
        const auto count = [&](const char* caption) {
            return int(std::count(c.choices.begin(), c.choices.end(), caption));
        };
        EXPECT_EQ(fresh.window(Form3->handle()).raised - settingsRaised, count("Settings"));
        EXPECT_EQ(fresh.window(Form1->handle()).raised - sidebarRaised, count("Show sidebar"));
        EXPECT_EQ(fresh.trayIcons().size(), 1u);
    }
}

TEST_F(TrayTest, AboutNamesTheProgramAndItsVersionInAPlainBox) {
    choose("About");
    ASSERT_EQ(platform.messages().size(), 1u);
    const auto& m = platform.messages()[0];
    EXPECT_NE(m.text.find("Brivane 0.1"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("sidebar"), std::string::npos) << m.text;
    EXPECT_EQ(m.caption, "Brivane");
    EXPECT_EQ(m.kind, platform::MessageKind::Plain);
}

TEST_F(TrayTest, ShowSidebarPlacesTheWindowOnTheWorkAreaAsItIsThen) {
    choose("Hide sidebar");
    ASSERT_FALSE(platform.window(form().handle()).visible);
    // The timers go on while the sidebar is hidden.
    const auto timers = platform.runningTimerIntervals();
    platform.advance(10000);
    EXPECT_EQ(platform.runningTimerIntervals(), timers);

    platform.setWorkArea({0, 32, 1600, 900});  // the taskbar moved to the top, a new screen
    choose("Show sidebar");
    EXPECT_TRUE(platform.window(form().handle()).visible);
    EXPECT_EQ(platform.window(form().handle()).bounds, (Rect{1478, 32, 1600, 900}));
    EXPECT_EQ(form().pan.height(), 868);
}

TEST_F(TrayTest, AnErrorInAMenuItemIsReportedAndTheCallbackStillFinishes) {
    form().PopupMenu1.items[1].onClick = [] { throw std::runtime_error("Out of paper"); };
    platform.clearCalls();
    choose("About");
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "Out of paper.");
    EXPECT_EQ(platform.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(platform.calls().back().str(), "PostMessageA(" + sidebar() + ", 0, 0, 0)");
}

TEST_F(TrayTest, ExitEndsTheLoopAndTheIconGoesWithTheSidebarWindow) {
    const std::string settings = std::to_string(Form3->handle());
    const std::string icon = std::to_string(form().TrayIconData.hIcon);
    const std::string window = sidebar();
    platform.post([this] { choose("Exit"); });
    EXPECT_EQ(program->run(), 0);
    EXPECT_TRUE(platform.quitRequested());
    ASSERT_EQ(platform.trayIcons().size(), 1u);  // until the windows are destroyed

    platform.clearCalls();
    program->shutdown();
    EXPECT_EQ(callsSeen(),
              (std::vector<std::string>{
                  "destroyWindow(" + settings + ")",
                  "Shell_NotifyIconA(2, 88, " + window + ", 0, 7, 1025, " + icon + ", Brivane)",
                  "destroyWindow(" + window + ")",
              }));
    EXPECT_TRUE(platform.trayIcons().empty());
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form3, nullptr);
}

// A start-up step that fails before the tray icon's step ends the sequence there: the sidebar
// comes up without an icon, and removing the icon at the end says nothing. A shell without a
// tray refuses the icon, silently.
TEST(TrayStartUp, WithoutAnIconTheProgramRunsOnAndEndsQuietly) {
    struct Case {
        const char* name;
        const char* failingCall;  // the call that raises an error, or none
        bool trayAvailable;
        std::vector<std::string> messages;
        bool iconAsked;
    };
    const std::vector<Case> cases = {
        {"step 10 fails", "SetWindowLongA", true, {"Access is denied."}, false},
        {"no tray at all", nullptr, false, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessPlatform platform;
        platform.setModuleFileName(ProgramBesideTheSlides);
        platform.setTrayAvailable(c.trayAvailable);
        if (c.failingCall != nullptr) {
            const std::string failing = c.failingCall;
            platform.onCall = [failing](const HeadlessPlatform::Call& call) {
                if (call.name == failing) throw std::runtime_error("Access is denied");
            };
        }
        {
            Program program(platform);
            program.start();
            platform.onCall = nullptr;
            std::vector<std::string> texts;
            for (const auto& m : platform.messages()) texts.push_back(m.text);
            EXPECT_EQ(texts, c.messages);
            EXPECT_EQ(platform.callsNamed("Shell_NotifyIconA").size(), c.iconAsked ? 1u : 0u);
            EXPECT_TRUE(platform.trayIcons().empty());
            EXPECT_FALSE(platform.trayMouse(RightPress));
            EXPECT_TRUE(Form1->visible());
            ASSERT_NE(Form3, nullptr);
            EXPECT_FALSE(Form3->visible());
            program.shutdown();
        }
        EXPECT_EQ(platform.messages().size(), c.messages.size());
        const auto deletes = platform.callsNamed("Shell_NotifyIconA");
        ASSERT_FALSE(deletes.empty());
        EXPECT_EQ(deletes.back().args.front(), "2");
    }
}

// The step before the tray icon's (the first slide) fails when the picture is missing: it is
// reported, and the icon is added all the same.
TEST(TrayStartUp, AMissingFirstSlideDoesNotCostTheIcon) {
    HeadlessPlatform platform;
    platform.setModuleFileName("/nonexistent/brivane/brivane");
    Program program(platform);
    program.start();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_NE(platform.messages()[0].text.find("10.bmp"), std::string::npos)
        << platform.messages()[0].text;
    ASSERT_EQ(platform.trayIcons().size(), 1u);
    platform.onPopupMenu = [](const std::vector<std::string>&, platform::Point) { return 0; };
    EXPECT_TRUE(platform.trayMouse(RightPress));
    EXPECT_TRUE(Form3->visible());
}

}  // namespace
}  // namespace brivane
