// The desktop tools on the headless platform: the slide show (its sequence, pause and resume,
// failures and their reports, the picture's place and size), the six shortcut icons with their
// exact shell calls and DDE conversation, and the search box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sidebar/TForm1.h"
#include "ui/BitmapFile.h"

namespace brivane {
namespace {

namespace fs = std::filesystem;
using platform::HeadlessPlatform;
using ::testing::HasSubstr;

ui::Argb slideColor(int number) { return ui::rgb(number * 10, 255 - number, number); }

ui::Bitmap filled(int width, int height, ui::Argb color) {
    return ui::Bitmap(width, height, ui::PixelFormat::Bits24, color);
}

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A program started from an executable in a temporary folder of its own, with its slides in
// the folder "Slide" beside it.
class ToolsTest : public ::testing::Test {
protected:
    fs::path dir;
    std::optional<HeadlessPlatform> platform;
    std::optional<Program> program;

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "brivane-tools.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        for (int n = 10; n <= 15; ++n) writeSlide(n, filled(8, 8, slideColor(n)));
        platform.emplace();
    }
    void TearDown() override {
        program.reset();
        platform.reset();
        fs::remove_all(dir);
    }

    fs::path slide(int number) const { return dir / "Slide" / (std::to_string(number) + ".bmp"); }
    void writeSlide(int number, const ui::Bitmap& picture) {
        writeBytes(slide(number), ui::encodeBitmapFile(picture));
    }

    // A fresh process: SlideTick starts at 0.
    void start() {
        SlideTick = 0;
        platform->setModuleFileName((dir / "brivane").string());
        program.emplace(*platform);
        program->start();
    }
    // A new program on a new platform (for the cases of a loop).
    void restart() {
        program.reset();
        platform.reset();
        platform.emplace();
        start();
    }

    TForm1& form() { return *Form1; }
    void ticks(int n) { platform->advance(8000 * n); }
    void clickOn(const ui::Control& c) {
        platform->click(form().handle(), {c.left() + c.width() / 2, c.top() + c.height() / 2});
    }
    // The slide whose colour `imagine` shows, 0 for none of them.
    int shownSlide() {
        const ui::Bitmap& p = form().imagine.picture();
        if (p.empty()) return 0;
        for (int n = 10; n <= 15; ++n)
            if (p.pixel(0, 0) == slideColor(n)) return n;
        return -1;
    }
    ui::Argb composed(int x, int y) {
        return form().picture().pixel(form().imagine.left() + x, form().imagine.top() + y);
    }
};

// --- the slide show ----------------------------------------------------------------------------

TEST_F(ToolsTest, TheShowRunsItsSequenceFromStartUpThroughTheWrap) {
    start();
    EXPECT_EQ(shownSlide(), 10);
    EXPECT_EQ(form().lolevel.caption(), "0");
    EXPECT_EQ(form().imagine.tag, 0);
    struct Row {
        int tick;
        const char* lolevel;
        int number;
        int slide;
    };
    const std::vector<Row> rows = {
        {1, "1", 1, 11},     {2, "2", 1, 11},   {3, "3", 2, 12},   {4, "4", 2, 12},
        {5, "5", 3, 13},     {6, "6", 3, 13},   {7, "7", 4, 14},   {8, "8", 4, 14},
        {9, "9", 5, 15},     {10, "10", 5, 15}, {11, "11", 1, 11}, {12, "12", 1, 11},
        {255, "255", 3, 13}, {256, "0", 3, 13}, {257, "1", 4, 14},
    };
    int done = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tick);
        ticks(row.tick - done);
        done = row.tick;
        EXPECT_EQ(platform->now(), 8000LL * row.tick);
        EXPECT_EQ(form().lolevel.caption(), row.lolevel);
        EXPECT_EQ(int(SlideTick), std::stoi(row.lolevel));
        EXPECT_EQ(form().imagine.tag, row.number);
        EXPECT_EQ(shownSlide(), row.slide);
    }
    EXPECT_TRUE(platform->messages().empty());
}

TEST_F(ToolsTest, AClickPausesTheShowAndTheNextResumesItWithAFullPeriod) {
    start();
    ticks(1);
    EXPECT_EQ(shownSlide(), 11);
    clickOn(form().imagine);
    EXPECT_FALSE(form().Timer1.enabled());
    ticks(10);
    EXPECT_EQ(form().lolevel.caption(), "1");
    EXPECT_EQ(shownSlide(), 11);

    // The picture of the interrupted pair is read again after the resume: a file replaced in
    // the meantime shows its new content.
    writeSlide(11, filled(8, 8, ui::rgb(1, 2, 3)));
    platform->advance(1234);
    clickOn(form().imagine);
    EXPECT_TRUE(form().Timer1.enabled());
    platform->advance(7999);
    EXPECT_EQ(form().lolevel.caption(), "1");
    platform->advance(1);
    EXPECT_EQ(form().lolevel.caption(), "2");
    EXPECT_EQ(form().imagine.picture().pixel(0, 0), ui::rgb(1, 2, 3));
    ticks(1);
    EXPECT_EQ(shownSlide(), 12);

    // Two quick clicks: off, then on; the next tick comes a full period after the second.
    platform->advance(3000);
    clickOn(form().imagine);
    clickOn(form().imagine);
    platform->advance(5000);
    EXPECT_EQ(form().lolevel.caption(), "3");
    platform->advance(3000);
    EXPECT_EQ(form().lolevel.caption(), "4");
}

TEST_F(ToolsTest, AFailedSlideIsReportedAndLeavesThePictureWhileTheShowGoesOn) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;  // empty: no file at all
        std::string message;
    };
    auto valid = ui::encodeBitmapFile(filled(8, 8, slideColor(13)));
    const std::vector<Case> cases = {
        {"missing",
         {},
         "Cannot open file \"" + slide(13).string() + "\". No such file or directory."},
        {"not a bitmap",
         {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'},
         "Bitmap image is not valid"},
        {"cut short", std::vector<std::uint8_t>(valid.begin(), valid.begin() + valid.size() / 2),
         "Bitmap image is not valid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(slide(13));
        if (!c.file.empty()) writeBytes(slide(13), c.file);
        restart();
        ticks(4);
        ASSERT_EQ(shownSlide(), 12);
        for (int tick : {5, 6}) {
            ticks(1);
            EXPECT_EQ(form().lolevel.caption(), std::to_string(tick));
            EXPECT_EQ(form().imagine.tag, 3);
            EXPECT_EQ(shownSlide(), 12);
            EXPECT_TRUE(form().Timer1.enabled());
        }
        ASSERT_EQ(platform->messages().size(), 2u);
        for (const auto& m : platform->messages()) {
            EXPECT_EQ(m.kind, platform::MessageKind::Error);
            EXPECT_EQ(m.caption, "Brivane");
            EXPECT_THAT(m.text, HasSubstr(c.message));
        }
        ticks(1);
        EXPECT_EQ(shownSlide(), 14);
        EXPECT_EQ(platform->messages().size(), 2u);
    }
}

TEST_F(ToolsTest, PicturesAreDrawnOpaqueAtTheirOwnSizeClippedToTheBox) {
    ui::Bitmap large(200, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) large.setPixel(x, y, ui::rgb(x, y, 7));
    writeSlide(10, filled(103, 92, ui::rgb(0, 200, 0)));
    writeSlide(11, large);
    writeSlide(12, filled(50, 50, ui::rgb(0, 0, 250)));
    // A 32-bit picture whose alpha says "almost transparent" is still drawn opaque.
    writeSlide(13, ui::Bitmap(103, 92, ui::PixelFormat::Bits32, ui::argb(1, 250, 0, 0)));
    start();
    for (auto [x, y] : {std::pair{0, 0}, {102, 0}, {0, 91}, {102, 91}})
        EXPECT_EQ(composed(x, y), ui::rgb(0, 200, 0));

    ticks(1);
    for (auto [x, y] : {std::pair{0, 0}, {102, 0}, {0, 91}, {102, 91}, {40, 30}})
        EXPECT_EQ(composed(x, y), ui::rgb(x, y, 7));
    EXPECT_NE(composed(103, 50), ui::rgb(103, 50, 7));
    EXPECT_NE(composed(50, 92), ui::rgb(50, 92, 7));

    // What lies behind the box, with no picture in it.
    ticks(1);
    form().imagine.setPicture({});
    const ui::Argb behind = composed(70, 70);
    EXPECT_NE(behind, ui::rgb(70, 70, 7));
    ticks(1);
    EXPECT_EQ(composed(0, 0), ui::rgb(0, 0, 250));
    EXPECT_EQ(composed(49, 49), ui::rgb(0, 0, 250));
    EXPECT_NE(composed(50, 49), ui::rgb(0, 0, 250));
    EXPECT_EQ(composed(70, 70), behind);

    ticks(2);
    EXPECT_EQ(composed(10, 10), ui::rgb(250, 0, 0));
    EXPECT_TRUE(platform->messages().empty());
}

TEST_F(ToolsTest, ATickBeforeThePathIsSetLooksInTheWorkingDirectory) {
    start();
    const fs::path previous = fs::current_path();
    const fs::path work = dir / "work";
    writeBytes(work / "pathSlide" / "11.bmp", ui::encodeBitmapFile(filled(8, 8, slideColor(15))));
    fs::current_path(work);
    // The design caption, as during a start-up message box before step 12.
    form().path.setCaption("path");
    form().Timer1Timer();
    EXPECT_EQ(shownSlide(), 15);
    fs::remove(work / "pathSlide" / "11.bmp");
    form().Timer1Timer();
    fs::current_path(previous);
    ASSERT_EQ(platform->messages().size(), 1u);
    EXPECT_THAT(platform->messages()[0].text,
                HasSubstr("\"" + (work / "pathSlide" / "11.bmp").string() + "\""));
}

TEST_F(ToolsTest, AFolderWithoutPicturesLeavesAtMostOneReportOpenForAnHour) {
    fs::remove_all(dir / "Slide");
    int mostOpen = 0;
    platform->onMessageBox = [&](const HeadlessPlatform::Message&) {
        mostOpen = std::max(mostOpen, platform->openMessageBoxes());
        // The user leaves the report on screen for a minute (a box above it is closed at once).
        if (platform->openMessageBoxes() == 1) platform->advance(60000);
    };
    start();  // the first slide fails too
    platform->advance(3600 * 1000 - int(platform->now()));
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(platform->openMessageBoxes(), 0);
    // One report for each minute-long wait and the tick that ended it; the rest were dropped.
    EXPECT_GT(platform->messages().size(), 10u);
    EXPECT_LT(platform->messages().size(), 60u);
    // The sequence went on throughout, one step per tick (the last report may have been open
    // past the hour).
    const int ticksRun = int(platform->now() / 8000);
    EXPECT_GE(ticksRun, 450);
    EXPECT_EQ(form().lolevel.caption(), std::to_string(ticksRun % 256));
    EXPECT_EQ(form().imagine.tag, ((ticksRun + 1) / 2 - 1) % 5 + 1);
    EXPECT_TRUE(form().Timer1.enabled());
}

// --- the shortcut buttons ---------------------------------------------------------------------

TEST_F(ToolsTest, EachShortcutHandsItsExactRequestToTheShell) {
    start();
    const std::string h = std::to_string(form().handle());
    struct Row {
        ui::Image TForm1::*icon;
        std::string call;
    };
    const std::vector<Row> rows = {
        {&TForm1::Image3, "SHEmptyRecycleBinA(" + h + ", \"\", 1)"},
        {&TForm1::Image6, "WinExec(\"rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl\", 1)"},
        {&TForm1::Image5, "ShellExecuteA(" + h + ", \"open\", \"WMPLAYER\", NULL, NULL, 1)"},
        {&TForm1::Image7, "ShellExecuteA(" + h + ", \"open\", \"NOTEPAD\", NULL, NULL, 1)"},
        {&TForm1::Image8, "ShellExecuteA(" + h + ", \"open\", \"CALC\", NULL, NULL, 1)"},
    };
    platform->setWinExecResult(2);  // whatever the shell answers, nothing is shown
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        platform->clearCalls();
        clickOn(form().*row.icon);
        std::vector<std::string> calls;
        for (const auto& c : platform->calls()) calls.push_back(c.str());
        EXPECT_EQ(calls, std::vector<std::string>{row.call});
    }
    EXPECT_TRUE(platform->messages().empty());
    EXPECT_EQ(RunControlPanelApplet("appwiz.cpl"), 2);
    platform->setWinExecResult(33);
    EXPECT_EQ(RunControlPanelApplet("desk.cpl"), 33);
    EXPECT_EQ(platform->calls().back().str(),
              "WinExec(\"rundll32.exe shell32.dll,Control_RunDLL desk.cpl\", 1)");
}

TEST_F(ToolsTest, TheFileSearchIsOneShortDdeConversation) {
    const std::string init = "DdeInitializeA(callback, 16, 0)";
    const std::string folders = "DdeCreateStringHandleA(1, \"Folders\", 1004)";
    const std::string topic = "DdeCreateStringHandleA(1, \"AppProperties\", 1004)";
    const std::string connect = "DdeConnect(1, hsz(Folders), hsz(AppProperties), NULL)";
    const std::string explorer = "WinExec(\"explorer.exe\", 7)";
    const std::string execute =
        R"(DdeClientTransaction("[FindFolder(, C:\Users)]\0", 25, conv1, 0, 1, 16464, 4294967295, result))";
    const std::string disconnect = "DdeDisconnect(conv1)";
    const std::vector<std::string> close = {"DdeFreeStringHandle(1, hsz(Folders))",
                                            "DdeFreeStringHandle(1, hsz(AppProperties))",
                                            "DdeUninitialize(1)"};
    auto then = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        const char* what;
        bool running;
        bool startsWithExplorer;
        unsigned winExec;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"the shell's service answers", true, false, 33,
         then({init, folders, topic, connect, execute, disconnect}, close)},
        {"it answers once explorer.exe runs", false, true, 33,
         then({init, folders, topic, connect, explorer, connect, execute, disconnect}, close)},
        {"it never answers", false, false, 33,
         then({init, folders, topic, connect, explorer, connect}, close)},
        {"explorer.exe does not start", false, true, 2,
         then({init, folders, topic, connect, explorer}, close)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        platform->setDdeFolderService(c.running, c.startsWithExplorer);
        platform->setWinExecResult(c.winExec);
        platform->clearCalls();
        clickOn(form().Image4);
        std::vector<std::string> calls;
        for (const auto& call : platform->calls()) calls.push_back(call.str());
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(platform->liveDdeObjects(), 0u);
        EXPECT_TRUE(platform->messages().empty());
    }
}

// --- the search box ---------------------------------------------------------------------------

TEST_F(ToolsTest, TheSearchTextGoesToTheShellExactlyAsTypedOnGoAndEveryEnter) {
    start();
    const std::string h = std::to_string(form().handle());
    platform::NativeListener& edit = *platform->native(form().Edit1.handle()).listener;
    const std::vector<std::string> texts = {
        "",
        "  two  blanks  ",
        "say \"hi\" 'you'",
        "$(touch /tmp/x); rm -rf ~ | cat > /dev/null & `id`",
        "www.example.org",
        "C:\\Program Files\\notes.txt",
    };
    using platform::AltKey;
    using platform::CtrlKey;
    using platform::ShiftKey;
    for (const std::string& text : texts) {
        SCOPED_TRACE("[" + text + "]");
        edit.textChangedByUser(text);
        platform->clearCalls();
        clickOn(form().go);
        for (platform::ShiftState shift : {0u, unsigned(ShiftKey), unsigned(CtrlKey),
                                           unsigned(AltKey), 0u /* the key repeats */})
            edit.keyDown(13, shift);
        edit.keyDown('A', 0);
        edit.keyDown(10, 0);
        const std::string call =
            "ShellExecuteA(" + h + ", \"open\", \"" + text + "\", NULL, NULL, 1)";
        std::vector<std::string> calls;
        for (const auto& c : platform->calls()) calls.push_back(c.str());
        EXPECT_EQ(calls, std::vector<std::string>(6, call));
        EXPECT_EQ(form().Edit1.text(), text);
    }
    // The key goes on to the edit box.
    int key = 13;
    form().Edit1.onKeyDown(key, 0);
    EXPECT_EQ(key, 13);
    EXPECT_TRUE(platform->messages().empty());
}

}  // namespace
}  // namespace brivane
