// The clock and the calendar: the settings file (reader and value rule), the analog clock's
// hands and pixels, the digital time and calendar texts, and their start-up steps.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "clock/AnalogClock.h"
#include "clock/CalendarText.h"
#include "clock/ClockSettings.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/winapi.h"
#include "sidebar/TForm1.h"
#include "ui/Canvas.h"
#include "ui/IniFile.h"
#include "ui/Resources.h"

namespace brivane {
namespace {

namespace fs = std::filesystem;
using platform::HeadlessPlatform;
using platform::LocaleNames;
using platform::TimeOfDay;
using ui::Argb;
using ui::rgb;

constexpr Argb Black = rgb(0, 0, 0);
constexpr Argb Highlight = rgb(10, 200, 30);

// A folder of its own for each test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "brivane-clock.XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    std::string write(const std::string& name, const std::string& bytes) const {
        const fs::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

private:
    fs::path path_;
};

// --- the value rule ------------------------------------------------------------------------------

TEST(ClockSettingValue, FollowsTheValueRuleExactly) {
    const std::optional<std::int32_t> none;
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> rows = {
        // the four spellings of 52, leading spaces and zeros
        {"52", 52},
        {"0x34", 52},
        {"0X34", 52},
        {"$34", 52},
        {"x34", 52},
        {"X34", 52},
        {"   52", 52},
        {"007", 7},
        {"+52", 52},
        {"+0x10", 16},
        // anything after the digits, inside them or between sign and digits
        {"52px", none},
        {"5 2", none},
        {"52.0", none},
        {"52 ", none},
        {"- 52", none},
        {"+-52", none},
        {"--52", none},
        {"\t52", none},
        {"$-10", none},
        {"x 1", none},
        {"00x10", none},
        {"0x1G", none},
        {"1e3", none},
        // nothing to read
        {"", none},
        {" ", none},
        {"+", none},
        {"-", none},
        {"$", none},
        {"0x", none},
        {"x", none},
        // the decimal range
        {"-20", -20},
        {"2147483647", INT_MAX},
        {"2147483648", none},
        {"-2147483648", INT_MIN},
        {"-2147483649", none},
        {"000000000002147483647", INT_MAX},
        {"99999999999999999999", none},
        // hexadecimal: eight significant digits, a signed pattern, wrap-around on negation
        {"$FFFFFFFF", -1},
        {"$ffffffff", -1},
        {"$80000000", INT_MIN},
        {"$7FFFFFFF", INT_MAX},
        {"$100000000", none},
        {"$000000010", 16},
        {"0x0000000000000001", 1},
        {"-$10", -16},
        {"-0x10", -16},
        {"-$80000000", INT_MIN},
        {"-$FFFFFFFF", 1},
        {"-x1", -1},
    };
    for (const auto& [text, want] : rows)
        EXPECT_EQ(clockSettingValue(text), want) << '"' << text << '"';
}

// --- the profile reader
// ----------------------------------------------------------------------------

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

class ProfileReaderTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    TempDir dir;

    // The value text that the program's reads get for `key` of section "plugin".
    std::string read(const std::string& file, const std::string& key) {
        return ui::IniFile(file).readString("plugin", key, "");
    }
};

TEST_F(ProfileReaderTest, DeliversTheValueTextAsTheWindowsReaderDoes) {
    struct Row {
        const char* what;
        std::string content;
        const char* key;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"plain", "[plugin]\ncenter x=52\n", "center x", "52"},
        {"capitals in the file", "[PLUGIN]\nRADIUS SECOND=40\n", "radius second", "40"},
        {"capitals asked for", "[plugin]\nradius second=40\n", "RADIUS Second", "40"},
        {"blanks around everything", "  [ plugin ]  \n \t center x \t=  52 \t\n", "center x", "52"},
        {"blanks inside a value stay", "[plugin]\ncenter x= 5 2 \n", "center x", "5 2"},
        {"double quotes", "[plugin]\ncenter x=\" 52 \"\n", "center x", " 52 "},
        {"single quotes", "[plugin]\ncenter x='52'\n", "center x", "52"},
        {"only one pair of quotes", "[plugin]\ncenter x=\"\"52\"\"\n", "center x", "\"52\""},
        {"quotes that do not match", "[plugin]\ncenter x=\"52'\n", "center x", "\"52'"},
        {"a lone quote", "[plugin]\ncenter x=\"\n", "center x", "\""},
        {"empty quotes", "[plugin]\ncenter x=\"\"\n", "center x", ""},
        {"empty value", "[plugin]\ncenter x=\ncenter x=52\n", "center x", ""},
        {"missing key", "[plugin]\ncenter y=52\n", "center x", ""},
        {"key in another section", "[other]\ncenter x=52\n[plugin]\n", "center x", ""},
        {"key before any section", "center x=52\n[plugin]\n", "center x", ""},
        {"section of another name", "[plugins]\ncenter x=52\n", "center x", ""},
        {"the first of two keys wins", "[plugin]\ncenter x=52\ncenter x=60\n", "center x", "52"},
        {"only the first section counts", "[plugin]\na=1\n[Plugin]\ncenter x=52\n", "center x", ""},
        {"a later section is not merged", "[plugin]\ncenter x=52\n[x]\n[plugin]\ncenter x=7\n",
         "center x", "52"},
        {"comment lines are keys of their own",
         "[plugin]\n; center x=1\n;center x=2\ncenter x=52\n", "center x", "52"},
        {"no comments inside values", "[plugin]\ncenter x=52 ; pixels\n", "center x",
         "52 ; pixels"},
        {"a line without = defines nothing", "[plugin]\ncenter x\ncenter x=52\n", "center x", "52"},
        {"a header without ] is no header", "[plugin\ncenter x=52\n", "center x", ""},
        {"text after the ] is ignored", "[plugin] ; the clock\ncenter x=52\n", "center x", "52"},
        {"the first = splits", "[plugin]\ncenter x==52=\n", "center x", "=52="},
        {"blank lines", "\n\n[plugin]\n\n\ncenter x=52\n\n", "center x", "52"},
        {"CR LF", "[plugin]\r\ncenter y=1\r\ncenter x=52\r\n", "center x", "52"},
        {"lone CR", "[plugin]\rcenter x=52\r", "center x", "52"},
        {"no line end at the end", "[plugin]\ncenter x=52", "center x", "52"},
        {"UTF-8 mark on the header line", "\xEF\xBB\xBF[plugin]\ncenter x=52\n", "center x", ""},
        {"UTF-8 mark on a line of its own", "\xEF\xBB\xBF\n[plugin]\ncenter x=52\n", "center x",
         "52"},
        {"UTF-16 with its mark", utf16le("[plugin]\r\ncenter x=52\r\n"), "center x", "52"},
        {"UTF-16 text as UTF-8", utf16le("[plugin]\nname=\xE9t\xE9\n"), "name",
         "\xC3\xA9t\xC3\xA9"},
        {"empty file", "", "center x", ""},
    };
    int n = 0;
    for (const Row& r : rows) {
        const std::string file = dir.write("case" + std::to_string(n++) + ".ini", r.content);
        EXPECT_EQ(read(file, r.key), r.want) << r.what;
    }
}

TEST_F(ProfileReaderTest, MissingFilesAndFoldersReadAsEmpty) {
    fs::create_directory(dir.path() / "folder.ini");
    EXPECT_EQ(read((dir.path() / "none.ini").string(), "center x"), "");
    EXPECT_EQ(read((dir.path() / "folder.ini").string(), "center x"), "");
    const std::string unreadable = dir.write("locked.ini", "[plugin]\ncenter x=52\n");
    fs::permissions(unreadable, fs::perms::none);
    if (access(unreadable.c_str(), R_OK) != 0) {  // not when the tests run as root
        EXPECT_EQ(read(unreadable, "center x"), "");
    }
}

TEST_F(ProfileReaderTest, DeliversAtMostSizeMinusOneCharactersOrTheDefault) {
    const std::string value(3000, 'v');
    const std::string file = dir.write(
        "long.ini", "[plugin]\nlong=" + value + "\nquoted=\"" + value + "\"\nshort=52345\n");
    EXPECT_EQ(read(file, "long"), value.substr(0, 2047));
    EXPECT_EQ(read(file, "quoted"), value.substr(0, 2047));

    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(GetPrivateProfileStringA("plugin", "short", "", buffer, 4, file.c_str()), 3u);
    EXPECT_STREQ(buffer, "523");
    EXPECT_EQ(GetPrivateProfileStringA("plugin", "short", "", buffer, 1, file.c_str()), 0u);
    EXPECT_STREQ(buffer, "");
    // A key that is not there gives the default, without its trailing blanks.
    EXPECT_EQ(GetPrivateProfileStringA("plugin", "none", "dflt  ", buffer, 8, file.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(GetPrivateProfileStringA("plugin", "none", "default", buffer, 4, file.c_str()), 3u);
    EXPECT_STREQ(buffer, "def");
}

TEST_F(ProfileReaderTest, ReadsAVeryLargeFileInPieces) {
    std::string content = "[other]\n";
    for (int i = 0; i < 100000; ++i) content += "filler" + std::to_string(i) + "=some value\n";
    content += "[plugin]\nhuge=" + std::string(1 << 20, 'h') + "\n" + std::string(1 << 20, ' ') +
               "center x" + std::string(1 << 20, ' ') + "=" + std::string(1 << 20, ' ') + "'52'" +
               std::string(1 << 20, ' ') + "\n";
    const std::string file = dir.write("large.ini", content);
    EXPECT_EQ(read(file, "center x"), "52");
    EXPECT_EQ(read(file, "huge"), std::string(2047, 'h'));
}

// --- the settings record -----------------------------------------------------------------------

const ClockSettingsRecord Defaults{40, 40, 20, 30, 35, 10, 3, 2, 0, 0, 0, 0};

TEST_F(ProfileReaderTest, EachKeyTakesItsValueOrItsOwnDefault) {
    const std::string file = dir.write("lclock.ini",
                                       "[plugin]\n"
                                       "Center X=0x34\n"
                                       "center y=52px\n"
                                       "radius hour=-20\n"
                                       "radius second = 40 \n"
                                       "width hour=$FFFFFFFF\n"
                                       "width minute=2147483648\n"
                                       "width second=\n"
                                       "sec color=7\n"
                                       "ALIGNF=$100000000\n"
                                       "[other]\n"
                                       "radius minute=99\n");
    ClockSettingsRecord settings;
    readClockSettings(ui::IniFile(file), settings);
    ClockSettingsRecord want = Defaults;
    want.CenterX = 52;
    want.RadiusHour = -20;
    want.RadiusSecond = 40;
    want.WidthHour = -1;
    want.SecColor = 7;
    EXPECT_EQ(settings, want);

    readClockSettings(ui::IniFile((dir.path() / "missing.ini").string()), settings);
    EXPECT_EQ(settings, Defaults);
}

// --- the hands' geometry -------------------------------------------------------------------------

TEST(HandOffset, TheTwelveMarksOfEveryHandWithTheDefaultLengths) {
    struct Mark {
        HandOffset second, minute, hour;
    };
    const Mark marks[12] = {
        {{0, -35}, {0, -30}, {0, -20}},       {{17, -30}, {15, -26}, {10, -17}},
        {{30, -18}, {26, -15}, {17, -10}},    {{35, 0}, {30, 0}, {20, 0}},
        {{30, 18}, {26, 15}, {17, 10}},       {{17, 30}, {15, 26}, {10, 17}},
        {{0, 35}, {0, 30}, {0, 20}},          {{-18, 30}, {-15, 26}, {-10, 17}},
        {{-30, 17}, {-26, 15}, {-17, 10}},    {{-35, 0}, {-30, 0}, {-20, 0}},
        {{-30, -18}, {-26, -15}, {-17, -10}}, {{-17, -30}, {-15, -26}, {-10, -17}},
    };
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE("mark " + std::to_string(n));
        EXPECT_EQ(handOffset(Hand::Second, 5 * n, 35), marks[n].second);
        EXPECT_EQ(handOffset(Hand::Minute, 5 * n, 30), marks[n].minute);
        EXPECT_EQ(handOffset(Hand::Hour, n, 20), marks[n].hour);
        EXPECT_EQ(handOffset(Hand::Hour, n + 12, 20), marks[n].hour);
    }
}

TEST(HandOffset, ExtendedPrecisionDecidesTheHalfWayCases) {
    // sin of the double angle at Sec = 10 lies just beyond -1/2.
    EXPECT_EQ(handOffset(Hand::Second, 10, 1), (HandOffset{1, -1}));
    // 35 x cos lies just below 17.5 at mark 1 and just beyond -17.5 at mark 7.
    EXPECT_EQ(handOffset(Hand::Second, 5, 35).dx, 17);
    EXPECT_EQ(handOffset(Hand::Second, 35, 35).dx, -18);
    // A negative length points the other way; extreme lengths do not overflow.
    EXPECT_EQ(handOffset(Hand::Hour, 3, -20), (HandOffset{-20, 0}));
    EXPECT_EQ(handOffset(Hand::Minute, 15, INT_MIN), (HandOffset{INT_MIN, 0}));
    EXPECT_EQ(handOffset(Hand::Minute, 45, INT_MAX), (HandOffset{-std::int64_t(INT_MAX), 0}));
}

TEST(HandEnd, SumsBeyondThe32BitRangeAreClamped) {
    EXPECT_EQ(handEnd(40, -35), 5);
    EXPECT_EQ(handEnd(INT_MAX, -std::int64_t(INT_MAX)), 0);
    EXPECT_EQ(handEnd(100, INT_MAX), INT_MAX);
    EXPECT_EQ(handEnd(-100, INT_MIN), INT_MIN);
}

// --- the program on the headless platform
// ----------------------------------------------------------

TimeOfDay timeOf(int hour, int minute, int second = 0, int day = 7, int month = 3,
                 int dayOfWeek = 6) {
    TimeOfDay t;
    t.year = 2026;
    t.month = month;
    t.day = day;
    t.dayOfWeek = dayOfWeek;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

class ClockTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    TempDir dir;
    std::optional<Program> program;

    // Starts the program from the temporary folder, with an lclock.ini holding `settings`
    // (none at all when not given).
    void start(std::optional<std::map<std::string, std::string>> settings = std::nullopt) {
        if (settings) {
            std::string ini = "[plugin]\n";
            for (const auto& [key, value] : *settings) ini += key + "=" + value + "\n";
            dir.write("lclock.ini", ini);
        }
        platform.setModuleFileName((dir.path() / "brivane").string());
        platform.setSysColor(COLOR_HIGHLIGHT, Highlight);
        program.emplace(platform);
        program->start();
    }
    TForm1& form() { return *Form1; }
    // One second on, at the given local time: both clock timers tick once.
    void tickAt(const TimeOfDay& time) {
        platform.setLocalTime(time);
        platform.advance(1000);
    }
    Argb clock(int x, int y) { return form().Image2.picture().pixel(x, y); }
    Argb face(int x, int y) { return ClockFace.pixel(x, y); }
};

// Settings that draw only the hand under test: the others have no length.
std::map<std::string, std::string> onlyHand(std::map<std::string, std::string> settings) {
    std::map<std::string, std::string> all = {
        {"center x", "52"},     {"center y", "52"},  {"radius hour", "0"},  {"radius minute", "0"},
        {"radius second", "0"}, {"width hour", "1"}, {"width minute", "1"}, {"width second", "1"},
    };
    for (const auto& [key, value] : settings) all[key] = value;
    return all;
}

TEST_F(ClockTest, StartUpReadsTheTwelveKeysBesideTheExecutableBeforeTheTaskbarStep) {
    start(std::map<std::string, std::string>{{"center x", "$34"}, {"radius hour", "-20"}});
    std::vector<std::string> seen;
    for (const auto& call : platform.calls())
        if (call.name == "GetPrivateProfileStringA" || call.name == "ShowWindow")
            seen.push_back(call.str());
    const std::string file = (dir.path() / "lclock.ini").string();
    std::vector<std::string> want;
    for (const char* key :
         {"center x", "center y", "radius hour", "radius minute", "radius second", "width hour",
          "width minute", "width second", "hour color", "min color", "sec color", "alignf"})
        want.push_back("GetPrivateProfileStringA(plugin, " + std::string(key) + ", , 2048, " +
                       file + ")");
    want.push_back("ShowWindow(1, 0)");
    want.push_back("ShowWindow(1, 5)");
    EXPECT_EQ(seen, want);

    ClockSettingsRecord settings = Defaults;
    settings.CenterX = 52;
    settings.RadiusHour = -20;
    EXPECT_EQ(ClockSettings, settings);

    // The face and the drawing surface are held at 24 bits per pixel.
    ui::Bitmap ceas2 = ui::loadResourceBitmap("ceas2");
    ceas2.setPixelFormat(ui::PixelFormat::Bits24);
    EXPECT_EQ(ClockFace, ceas2);
    EXPECT_EQ(form().Image2.picture().pixelFormat(), ui::PixelFormat::Bits24);
}

TEST_F(ClockTest, WithoutASettingsFileEveryValueTakesItsDefault) {
    start();
    EXPECT_EQ(ClockSettings, Defaults);
    // Not an error: nothing is reported about it and start-up goes on with the taskbar step.
    for (const auto& message : platform.messages())
        EXPECT_EQ(message.text.find("lclock"), std::string::npos) << message.text;
    EXPECT_EQ(platform.callsNamed("ShowWindow").size(), 2u);
}

TEST_F(ClockTest, ThreeHandsInOrderOverAFreshFaceWithTheirColoursAndWidths) {
    start();  // the default settings: pivot (40, 40), all hands up at 00:00:00
    tickAt(timeOf(0, 0, 0));
    // The second hand alone reaches beyond the minute hand; its end pixel is left out of
    // neither end check here because it is 2 wide.
    EXPECT_EQ(clock(40, 7), Black);
    EXPECT_EQ(clock(40, 2), face(40, 2));
    // The hour hand, 10 wide, lies over the second hand; the minute hand, 3 wide, over both.
    EXPECT_EQ(clock(36, 30), Black);
    EXPECT_EQ(clock(44, 30), Black);
    EXPECT_EQ(clock(46, 30), face(46, 30));
    for (int x : {39, 40, 41}) EXPECT_EQ(clock(x, 30), Highlight) << x;
    EXPECT_EQ(clock(40, 12), Highlight);
    EXPECT_EQ(clock(40, 40), Highlight);

    // The next tick starts again from the face: the old hands are gone.
    tickAt(timeOf(0, 15, 30));
    EXPECT_EQ(clock(40, 7), face(40, 7));
    EXPECT_EQ(clock(40, 30), Black);  // the hour hand still points up
    EXPECT_EQ(clock(55, 40), Highlight);
    EXPECT_EQ(clock(40, 60), Black);                    // the second hand points down now
    EXPECT_EQ(platform.localTimeReads(), 2 * (1 + 3));  // once per clock tick, thrice per text tick
}

TEST_F(ClockTest, AOnePixelHandLeavesOutItsEndPixel) {
    start(onlyHand({{"radius minute", "30"}, {"width minute", "0"}}));
    tickAt(timeOf(0, 15));  // mark 3: offset (30, 0)
    for (int x = 52; x < 82; ++x) EXPECT_EQ(clock(x, 52), Highlight) << x;
    EXPECT_EQ(clock(82, 52), face(82, 52));
    EXPECT_EQ(clock(60, 51), face(60, 51));
    EXPECT_EQ(clock(60, 53), face(60, 53));
}

TEST_F(ClockTest, TheMinuteHandFollowsTheHighlightColourOfEachTick) {
    start(onlyHand({{"radius minute", "30"}}));
    tickAt(timeOf(0, 15));
    EXPECT_EQ(clock(60, 52), Highlight);
    platform.setSysColor(COLOR_HIGHLIGHT, rgb(200, 0, 200));
    tickAt(timeOf(0, 15));
    EXPECT_EQ(clock(60, 52), rgb(200, 0, 200));
}

TEST_F(ClockTest, ANegativeWidthKeepsThePensWidthAcrossTicks) {
    // The second hand (right) has width -1, the hour hand (up) width 0, the minute hand (down)
    // width 5.
    start(onlyHand({{"radius second", "35"},
                    {"width second", "-1"},
                    {"radius hour", "20"},
                    {"width hour", "0"},
                    {"radius minute", "30"},
                    {"width minute", "5"}}));
    tickAt(timeOf(0, 30, 15));
    // First tick: the pen is 1 wide when the second hand is drawn.
    EXPECT_EQ(clock(70, 52), Black);
    EXPECT_EQ(clock(70, 51), face(70, 51));
    EXPECT_EQ(clock(70, 53), face(70, 53));
    // The hour hand is one pixel wide.
    EXPECT_EQ(clock(52, 40), Black);
    EXPECT_EQ(clock(51, 40), face(51, 40));
    EXPECT_EQ(clock(53, 40), face(53, 40));
    // The minute hand is 5 wide.
    for (int x = 50; x <= 54; ++x) EXPECT_EQ(clock(x, 70), Highlight) << x;
    EXPECT_EQ(clock(49, 70), face(49, 70));

    // Next tick: the second hand takes the minute hand's width of the tick before.
    tickAt(timeOf(0, 30, 15));
    for (int y = 50; y <= 54; ++y) EXPECT_EQ(clock(70, y), Black) << y;
    EXPECT_EQ(clock(70, 49), face(70, 49));
    EXPECT_EQ(clock(52, 40), Black);
    EXPECT_EQ(clock(51, 40), face(51, 40));  // the hour hand is one pixel wide again
}

TEST_F(ClockTest, ANegativeLengthPointsTheHandTheOtherWay) {
    start(onlyHand({{"radius hour", "-20"}}));
    tickAt(timeOf(3, 0));
    EXPECT_EQ(clock(40, 52), Black);  // towards the 9
    EXPECT_EQ(clock(64, 52), face(64, 52));
}

TEST_F(ClockTest, AtFourteenFiftyNineTheHourHandPointsExactlyAtTheTwo) {
    start(onlyHand({{"radius hour", "20"}}));
    tickAt(timeOf(14, 59));
    ui::Bitmap want = ClockFace;
    ui::Canvas canvas(want);
    canvas.moveTo(52, 52);
    canvas.lineTo(52 + 17, 52 - 10);
    EXPECT_EQ(form().Image2.picture(), want);
}

TEST_F(ClockTest, HandsFromPivotsFarOutsideAreClippedToTheBitmap) {
    struct Row {
        const char* what;
        std::map<std::string, std::string> settings;
        int minute;
        int firstX, lastX;  // the highlighted pixels of row 52; none when firstX > lastX
    };
    const std::vector<Row> rows = {
        {"across the whole bitmap", {{"center x", "-1000"}, {"radius minute", "2000"}}, 15, 0, 104},
        {"from the far right to x 0",
         {{"center x", "2147483647"}, {"radius minute", "2147483647"}},
         45,
         1,
         104},
        {"ending beyond the 32-bit range",
         {{"center x", "100"}, {"radius minute", "2147483647"}},
         15,
         100,
         104},
        {"ending at -1", {{"center x", "-2147483648"}, {"radius minute", "2147483647"}}, 15, 1, 0},
        {"a huge width far away",
         {{"center x", "-2147483648"},
          {"radius minute", "-2147483648"},
          {"width minute", "$7FFFFFFF"}},
         15,
         1,
         0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        program.reset();
        start(onlyHand(r.settings));
        tickAt(timeOf(0, r.minute));
        for (int x = 0; x < 105; ++x) {
            const bool hand = x >= r.firstX && x <= r.lastX;
            ASSERT_EQ(clock(x, 52), hand ? Highlight : face(x, 52)) << x;
        }
        EXPECT_EQ(clock(52, 51), face(52, 51));
    }
}

TEST_F(ClockTest, BlackShowsThePanelThroughAndTheClockGoesOnWhileHidden) {
    start();
    tickAt(timeOf(0, 0, 0));
    const ui::Bitmap& screen = form().picture();
    const ui::Bitmap& panel = form().pan.picture();
    auto onScreen = [&](int x, int y) { return screen.pixel(10 + x, 8 + y); };
    auto panelAt = [&](int x, int y) { return panel.pixel(10 + x, 8 + y); };
    EXPECT_EQ(clock(0, 104), Black);             // the key colour: the face's background
    EXPECT_EQ(onScreen(0, 0), panelAt(0, 0));    // a corner of the face
    EXPECT_EQ(onScreen(40, 7), panelAt(40, 7));  // the second hand
    EXPECT_EQ(onScreen(40, 20), Highlight);      // the minute hand
    EXPECT_EQ(onScreen(52, 80), face(52, 80));   // the face itself

    form().Image2.hide();
    tickAt(timeOf(0, 15, 0));
    EXPECT_EQ(clock(55, 40), Highlight);
    form().hide();
    tickAt(timeOf(0, 45, 0));
    EXPECT_EQ(clock(25, 40), Highlight);
    EXPECT_EQ(form().Label3.caption(), "12:45 AM");
}

// --- the texts -----------------------------------------------------------------------------------

TEST(FormatDateTime, PatternElements) {
    CalendarLocale english = calendarLocale(HeadlessPlatform::englishLocale());
    SYSTEMTIME t{2026, 3, 2, 7, 21, 5, 9, 0};
    EXPECT_EQ(formatDateTime("h:nn AM/PM", t, english), "9:05 PM");
    EXPECT_EQ(formatDateTime("h:nn am/pm", t, english), "9:05 pm");
    EXPECT_EQ(formatDateTime("H:NN Am/pM", t, english), "9:05 pM");
    EXPECT_EQ(formatDateTime("h:nn", t, english), "21:05");  // no AM/PM: the 24-hour clock
    EXPECT_EQ(formatDateTime("AM/PM h", t, english), "PM 21");
    EXPECT_EQ(formatDateTime("mmmm", t, english), "March");
    EXPECT_EQ(formatDateTime("dd dddd", t, english), "07 Tuesday");
    EXPECT_EQ(formatDateTime("[x] - y", t, english), "[x] - y");
}

TEST(CalendarLocale, EnglishWhereTheSettingsHaveNoNameAndTheSeparatorsFirstCharacter) {
    LocaleNames names = HeadlessPlatform::englishLocale();
    names.monthNames[2] = "März";
    names.monthNames[3] = "";
    names.dayNames[0] = "";
    const std::vector<std::pair<std::pair<std::string, bool>, std::string>> separators = {
        {{":", true}, ":"},  {{".", true}, "."}, {{"::-", true}, ":"},
        {{"·.", true}, "·"}, {{"", true}, ""},   {{".", false}, ":"},
    };
    for (const auto& [given, want] : separators) {
        names.timeSeparator = given.first;
        names.timeSeparatorKnown = given.second;
        const CalendarLocale locale = calendarLocale(names);
        EXPECT_EQ(locale.timeSeparator, want) << given.first;
        EXPECT_EQ(locale.longMonthNames[2], "März");
        EXPECT_EQ(locale.longMonthNames[3], "April");
        EXPECT_EQ(locale.longDayNames[0], "Sunday");
    }
}

TEST_F(ClockTest, TheTimeLineOnTheTwelveHourClock) {
    start();
    const std::vector<std::pair<TimeOfDay, std::string>> rows = {
        {timeOf(0, 0), "12:00 AM"},  {timeOf(0, 30), "12:30 AM"}, {timeOf(11, 59), "11:59 AM"},
        {timeOf(12, 0), "12:00 PM"}, {timeOf(13, 5), "1:05 PM"},  {timeOf(23, 59), "11:59 PM"},
        {timeOf(9, 5), "9:05 AM"},   {timeOf(9, 0), "9:00 AM"},
    };
    for (const auto& [time, want] : rows) {
        tickAt(time);
        EXPECT_EQ(form().Label3.caption(), want);
    }
}

TEST_F(ClockTest, TheCalendarLinesShowMonthAndDay) {
    start();
    const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                          "Thursday", "Friday", "Saturday"};
    for (int day = 1; day <= 9; ++day) {
        tickAt(timeOf(10, 0, 0, day, 3, day % 7));
        EXPECT_EQ(form().Label2.caption(), "0" + std::to_string(day) + " " + days[day % 7]);
        EXPECT_EQ(form().Label1.caption(), "March");
    }
    tickAt(timeOf(10, 0, 0, 31, 12, 4));
    EXPECT_EQ(form().Label1.caption(), "December");
    EXPECT_EQ(form().Label2.caption(), "31 Thursday");
}

TEST_F(ClockTest, TheSeparatorComesFromTheRegionalSettings) {
    start();
    const std::vector<std::tuple<std::string, bool, std::string>> rows = {
        {".", true, "9.05 AM"},
        {" h ", true, "9 05 AM"},
        {"", true, "905 AM"},
        {"-", false, "9:05 AM"},
    };
    for (const auto& [separator, known, want] : rows) {
        LocaleNames names = HeadlessPlatform::englishLocale();
        names.timeSeparator = separator;
        names.timeSeparatorKnown = known;
        platform.setLocaleNames(names);
        tickAt(timeOf(9, 5));
        EXPECT_EQ(form().Label3.caption(), want) << '"' << separator << '"';
    }
}

TEST_F(ClockTest, ANewLocaleShowsOnTheNextTickOnceTheSystemAnnouncesIt) {
    start();
    tickAt(timeOf(9, 5, 0, 7, 3, 6));
    EXPECT_EQ(form().Label1.caption(), "March");

    LocaleNames german = HeadlessPlatform::englishLocale();
    german.monthNames[2] = "März";
    german.dayNames[6] = "Samstag";
    german.timeSeparator = ".";
    platform.setLocaleNames(german, /*announce=*/false);
    tickAt(timeOf(9, 5, 0, 7, 3, 6));
    EXPECT_EQ(form().Label1.caption(), "March");  // not announced: not read

    platform.setLocaleNames(german);
    EXPECT_EQ(form().Label1.caption(), "March");  // nothing changes until the tick
    tickAt(timeOf(9, 5, 0, 7, 3, 6));
    EXPECT_EQ(form().Label3.caption(), "9.05 AM");
    EXPECT_EQ(form().Label1.caption(), "März");
    EXPECT_EQ(form().Label2.caption(), "07 Samstag");
}

TEST_F(ClockTest, TheThreeReadingsOfATickCanStraddleMidnight) {
    start();
    // Timer2 ticks before Timer4: its three readings take the first three times.
    platform.setLocalTimes(
        {timeOf(23, 59, 59, 31, 12, 4), timeOf(0, 0, 0, 1, 1, 5), timeOf(0, 0, 0, 1, 1, 5)});
    platform.advance(1000);
    EXPECT_EQ(form().Label3.caption(), "11:59 PM");
    EXPECT_EQ(form().Label1.caption(), "January");
    EXPECT_EQ(form().Label2.caption(), "01 Friday");

    platform.setLocalTimes(
        {timeOf(23, 59, 59, 31, 12, 4), timeOf(23, 59, 59, 31, 12, 4), timeOf(0, 0, 0, 1, 1, 5)});
    platform.advance(1000);
    EXPECT_EQ(form().Label1.caption(), "December");
    EXPECT_EQ(form().Label2.caption(), "01 Friday");
}

}  // namespace
}  // namespace brivane
