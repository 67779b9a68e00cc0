// The music player on the headless platform: the playlist and its intake (dialog, drops, Del
// key), playback against the model of the audio library, and the title strip.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "player/Playback.h"
#include "sidebar/TForm1.h"
#include "ui/Resources.h"

namespace brivane {
namespace {

using platform::HeadlessPlatform;
using State = platform::HeadlessAudio::State;

const std::string LoadError = "Error loading file, the files it is a wrong file type!";

class PlayerTest : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    std::optional<Program> program;

    void SetUp() override { start(); }
    void start() {
        platform.setModuleFileName(BRIVANE_SOURCE_DIR "/resources/brivane");
        program.emplace(platform);
        program->start();
    }

    TForm1& form() { return *Form1; }
    ui::ListBox& list() { return form().ListBox1; }
    std::string title() { return form().pnlDisplay.caption(); }

    platform::Handle drop(const std::vector<std::string>& paths) {
        return platform.dropFiles(list().handle(), paths);
    }
    void click(ui::Control& c) { platform.click(form().handle(), {c.left() + 2, c.top() + 2}); }
    // The user clicks an entry (-1: below the last one), as the list box reports it.
    void userSelects(int index) {
        list().selectionChangedByUser(index);
        list().clicked();
    }
    void userDoubleClicks(int index) {
        userSelects(index);
        list().doubleClicked();
    }
    // The audio library's calls and the message boxes since the last clearCalls().
    std::vector<std::string> playerCalls() {
        std::vector<std::string> seen;
        for (const auto& call : platform.calls())
            if (call.name.starts_with("BASS_"))
                seen.push_back(call.str());
            else if (call.name == "messageBox")
                seen.push_back("message: " + call.args[0]);
        return seen;
    }
    std::string stream(HSTREAM handle) { return std::to_string(handle); }
};

// --- the playlist ------------------------------------------------------------------------------

TEST_F(PlayerTest, DroppedPathsComeInWholeInTheDropsOrderAndTheFirstIsSelected) {
    std::string longPath;
    while (longPath.size() < 320) longPath += "/a folder with a long name";
    longPath += "/the long song.mp3";
    struct Row {
        std::string path, name;
    };
    const std::vector<Row> rows = {
        {"/music/One.mp3", "One.mp3"},
        {"/home/ana/My Music/it's \"live\".wav", "it's \"live\".wav"},
        {"/home/ana/Müzik/şarkı ♫.mp3", "şarkı ♫.mp3"},
        {"plain.mp3", "plain.mp3"},
        {"/music/a folder", "a folder"},
#ifdef _WIN32
        {"C:\\Music\\win.mp3", "win.mp3"},
#else
        {"/music/C:\\Music\\win.mp3", "C:\\Music\\win.mp3"},  // "\" and ":" are not separators
#endif
        {longPath, "the long song.mp3"},
    };
    std::vector<std::string> paths, names;
    for (const Row& r : rows) {
        paths.push_back(r.path);
        names.push_back(r.name);
    }
    EXPECT_TRUE(platform.acceptsDrops(list().handle()));
    platform.clearCalls();
    const platform::Handle handle = drop(paths);
    ASSERT_NE(handle, 0u);

    EXPECT_EQ(list().items(), names);
    EXPECT_EQ(form().ListBox2.items(), paths);
    EXPECT_EQ(list().itemIndex(), 0);
    EXPECT_EQ(title(), "Song name....");
    // The count, then each path's length before the path itself, and the drop given back.
    const std::string h = std::to_string(handle);
    std::vector<std::string> want = {"DragQueryFileA(" + h + ", 4294967295, null, 0)"};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        want.push_back("DragQueryFileA(" + h + ", " + std::to_string(i) + ", null, 0)");
        want.push_back("DragQueryFileA(" + h + ", " + std::to_string(i) + ", buffer, " +
                       std::to_string(paths[i].size() + 1) + ")");
    }
    want.push_back("DragFinish(" + h + ")");
    std::vector<std::string> seen;
    for (const auto& call : platform.calls()) seen.push_back(call.str());
    EXPECT_EQ(seen, want);
    EXPECT_EQ(platform.openDrops(), 0u);
}

TEST_F(PlayerTest, AddingSelectsOnlyIntoAListWithoutSelection) {
    drop({"/m/a.mp3"});
    EXPECT_EQ(list().itemIndex(), 0);
    drop({"/m/b.mp3", "/m/c.mp3"});
    EXPECT_EQ(list().itemIndex(), 0);
    userSelects(-1);  // a click below the entries selects none
    drop({"/m/d.mp3", "/m/e.mp3"});
    EXPECT_EQ(list().itemIndex(), 3);
    drop({});  // an empty drop adds nothing and is still finished
    EXPECT_EQ(list().count(), 5);
    EXPECT_EQ(platform.openDrops(), 0u);
}

TEST_F(PlayerTest, OpenRunsTheDialogWithItsFilterAndAddsOnlyAConfirmedFile) {
    std::vector<std::optional<std::string>> answers = {"/music/x/Song.mp3", std::nullopt,
                                                       "/other/Song.mp3"};
    std::size_t asked = 0;
    bool pressedMeanwhile = true;
    platform.onOpenDialog = [&](const HeadlessPlatform::OpenDialogRequest& request) {
        EXPECT_EQ(request.filters,
                  (std::vector<platform::FileFilter>{{"Mp3", "*.mp3"}, {"Wav", "*.wav"}}));
        EXPECT_EQ(request.filterIndex, 1);
        EXPECT_EQ(request.owner, form().handle());
        // The click is handled before the release: the button stays pressed meanwhile.
        pressedMeanwhile =
            pressedMeanwhile && form().Open.picture() == ui::loadResourceBitmap("open1");
        return answers.at(asked++);
    };
    for (int i = 0; i < 3; ++i) click(form().Open);
    EXPECT_EQ(asked, 3u);
    EXPECT_TRUE(pressedMeanwhile);
    EXPECT_EQ(form().Open.picture(), ui::loadResourceBitmap("open"));
    EXPECT_EQ(list().items(), (std::vector<std::string>{"Song.mp3", "Song.mp3"}));
    EXPECT_EQ(form().ListBox2.items(),
              (std::vector<std::string>{"/music/x/Song.mp3", "/other/Song.mp3"}));
    EXPECT_EQ(list().itemIndex(), 0);
}

TEST_F(PlayerTest, RemovingSelectsTheSuccessorAndLeavesTheTitleAndTheSongAlone) {
    struct Row {
        std::vector<std::string> before;
        int selected;
        std::vector<std::string> after;
        int selectedAfter;
    };
    const std::vector<Row> rows = {
        {{"a", "b", "c", "d"}, 1, {"a", "c", "d"}, 1},  // the next line moves up into place
        {{"a", "b", "c", "d"}, 0, {"b", "c", "d"}, 0},
        {{"a", "b", "c", "d"}, 3, {"a", "b", "c"}, 2},  // the new last line
        {{"a", "b", "c", "d"}, -1, {"a", "b", "c", "d"}, -1},
        {{"a"}, 0, {}, -1},
        {{}, -1, {}, -1},
    };
    int route = 0;
    for (const Row& r : rows) {
        for (const char* how : {"button", "Del"}) {
            SCOPED_TRACE(std::string(how) + " with " + std::to_string(r.before.size()) +
                         " lines, line " + std::to_string(r.selected) + " selected");
            while (list().count() > 0) {
                list().setItemIndex(0);
                click(form().remove);
            }
            std::vector<std::string> paths;
            for (const std::string& name : r.before) paths.push_back("/m/" + name);
            drop(paths);
            list().setItemIndex(r.selected);
            form().pnlDisplay.setCaption("title " + std::to_string(++route));

            if (std::string(how) == "button") {
                click(form().remove);
            } else {
                list().keyDown(46, 0);
            }
            std::vector<std::string> wantPaths;
            for (const std::string& name : r.after) wantPaths.push_back("/m/" + name);
            EXPECT_EQ(list().items(), r.after);
            EXPECT_EQ(form().ListBox2.items(), wantPaths);
            EXPECT_EQ(list().itemIndex(), r.selectedAfter);
            EXPECT_EQ(title(), "title " + std::to_string(route));
        }
    }
    EXPECT_TRUE(platform.messages().empty());

    // The song that is playing plays on when its line goes.
    drop({"/m/a", "/m/b"});
    userDoubleClicks(1);
    const HSTREAM playing = CurrentStream;
    click(form().remove);
    EXPECT_EQ(CurrentStream, playing);
    EXPECT_EQ(platform.audio().stream(playing)->state, State::Playing);
    EXPECT_EQ(title(), "b");
}

TEST_F(PlayerTest, TheDelKeyRemovesWhateverModifiersAreHeldAndIsPassedOn) {
    struct Row {
        int key;
        platform::ShiftState shift;
        bool removes;
    };
    const std::vector<Row> rows = {
        {46, 0, true},
        {46, platform::ShiftKey, true},
        {46, platform::CtrlKey, true},
        {46, platform::AltKey, true},
        {46, platform::ShiftKey | platform::CtrlKey | platform::AltKey, true},
        {8, 0, false},   // Backspace
        {45, 0, false},  // Insert
        {'D', 0, false},
        {110, 0, false},  // the number pad's decimal point (Del without NumLock)
        {46 + 256, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("key " + std::to_string(r.key) + " shift " + std::to_string(r.shift));
        drop({"/m/a", "/m/b"});
        list().setItemIndex(0);
        const int before = list().count();
        int key = r.key;
        list().onKeyDown(key, r.shift);
        EXPECT_EQ(key, r.key);
        EXPECT_EQ(list().count(), r.removes ? before - 1 : before);
    }
}

TEST_F(PlayerTest, OnlyTheUsersSelectingWritesTheTitle) {
    drop({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
    userSelects(1);
    EXPECT_EQ(title(), "b.mp3");
    userSelects(-1);
    EXPECT_EQ(title(), "");
    list().selectionChangedByUser(2);  // a keyboard move reports the click the same way
    list().clicked();
    EXPECT_EQ(title(), "c.mp3");

    // The program's own selection changes leave the strip as it is.
    form().pnlDisplay.setCaption("kept");
    platform.audio().failFile("/m/a.mp3");
    click(form().remove);  // RemoveSong selects the new last line
    EXPECT_EQ(list().itemIndex(), 1);
    drop({"/m/d.mp3"});
    click(form().prev);  // selects a, whose load fails
    EXPECT_EQ(list().itemIndex(), 0);
    click(form().prev);  // clears the selection
    EXPECT_EQ(list().itemIndex(), -1);
    drop({"/m/e.mp3"});  // AddSong selects the new line
    EXPECT_EQ(list().itemIndex(), 3);
    EXPECT_EQ(title(), "kept");
}

// --- playback ----------------------------------------------------------------------------------

// Every row of the player's state table: the stream loaded before (by its state), an input, the
// calls that follow. "S" is the stream loaded before, "N" the stream loaded after.
TEST_F(PlayerTest, EveryInputInEveryStreamStateMakesTheCallsOfTheStateTable) {
    enum class Before { Playing, Paused, Stopped, Ended, NoStream };
    enum class Input { Play, Prev, Next, DoubleClick, Pause, Stop };
    const std::vector<std::string> reload = {"BASS_StreamFree(S)",
                                             "BASS_StreamCreateFile(0, /m/X.mp3, 0, 0, 0)",
                                             "BASS_ChannelPlay(N, 0)"};
    auto loads = [&](const char* entry, bool resumeTest, bool streamBefore) {
        std::vector<std::string> calls;
        if (resumeTest) calls.push_back("BASS_ChannelIsActive(S)");
        for (std::string c : reload) {
            if (c.starts_with("BASS_StreamFree") && !streamBefore) continue;
            if (auto at = c.find('X'); at != std::string::npos) c.replace(at, 1, entry);
            calls.push_back(c);
        }
        return calls;
    };
    const std::vector<std::string> resume = {"BASS_ChannelIsActive(S)", "BASS_ChannelPlay(S, 0)"};
    struct Row {
        Before before;
        Input input;
        std::vector<std::string> calls;
        int selection;      // afterwards
        std::string title;  // afterwards
        State state;        // of the stream loaded afterwards
    };
    std::vector<Row> rows;
    for (Before b :
         {Before::Playing, Before::Paused, Before::Stopped, Before::Ended, Before::NoStream}) {
        const bool paused = b == Before::Paused;
        const bool stream = b != Before::NoStream;
        const std::string titleBefore = stream ? "b.mp3" : "Song name....";
        const State stateBefore = b == Before::Playing   ? State::Playing
                                  : b == Before::Paused  ? State::Paused
                                  : b == Before::Stopped ? State::Stopped
                                                         : State::Ended;
        if (paused) {
            rows.push_back({b, Input::Play, resume, 1, "b.mp3", State::Playing});
            rows.push_back({b, Input::Prev, resume, 1, "b.mp3", State::Playing});
            rows.push_back({b, Input::Next, resume, 1, "b.mp3", State::Playing});
        } else {
            rows.push_back({b, Input::Play, loads("b", true, stream), 1, "b.mp3", State::Playing});
            rows.push_back({b, Input::Prev, loads("a", true, stream), 0, "a.mp3", State::Playing});
            rows.push_back({b, Input::Next, loads("c", true, stream), 2, "c.mp3", State::Playing});
        }
        rows.push_back(
            {b, Input::DoubleClick, loads("b", false, stream), 1, "b.mp3", State::Playing});
        rows.push_back({b,
                        Input::Pause,
                        {"BASS_ChannelPause(S)"},
                        1,
                        titleBefore,
                        b == Before::Playing ? State::Paused : stateBefore});
        rows.push_back({b,
                        Input::Stop,
                        {"BASS_ChannelStop(S)", "BASS_ChannelSetPosition(S, 0)"},
                        1,
                        titleBefore,
                        State::Stopped});
    }

    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE("row " + std::to_string(n++));
        program.reset();
        platform.clearCalls();
        start();
        form().Timer3.setEnabled(false);  // the title stays as it is written
        platform.audio().setLength("/m/b.mp3", 5000);
        drop({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
        userSelects(1);
        form().pnlDisplay.setCaption("Song name....");
        switch (r.before) {
            case Before::Playing:
                click(form().Play);
                platform.advance(1000);
                break;
            case Before::Paused:
                click(form().Play);
                platform.advance(1000);
                click(form().btnPause);
                platform.advance(1000);
                break;
            case Before::Stopped:
                click(form().Play);
                platform.advance(1000);
                click(form().btnStop);
                break;
            case Before::Ended:
                click(form().Play);
                platform.advance(6000);
                break;
            case Before::NoStream:
                break;
        }
        const HSTREAM before = CurrentStream;
        ASSERT_EQ(before != 0, r.before != Before::NoStream);
        platform.clearCalls();

        switch (r.input) {
            case Input::Play:
                click(form().Play);
                break;
            case Input::Prev:
                click(form().prev);
                break;
            case Input::Next:
                click(form().next);
                break;
            case Input::DoubleClick:
                list().doubleClicked();
                break;
            case Input::Pause:
                click(form().btnPause);
                break;
            case Input::Stop:
                click(form().btnStop);
                break;
        }

        std::vector<std::string> want;
        for (std::string c : r.calls) {
            for (auto [token, handle] : {std::pair{"(S", before}, std::pair{"(N", CurrentStream}})
                if (auto at = c.find(token); at != std::string::npos)
                    c.replace(at + 1, 1, std::to_string(handle));
            want.push_back(c);
        }
        EXPECT_EQ(playerCalls(), want);
        EXPECT_EQ(list().itemIndex(), r.selection);
        EXPECT_EQ(title(), r.title);
        const HSTREAM after = CurrentStream;
        if (after != before && before != 0) {
            EXPECT_EQ(platform.audio().stream(before), nullptr);  // freed before the next load
        }
        if (after != 0) {
            ASSERT_NE(platform.audio().stream(after), nullptr);
            EXPECT_EQ(platform.audio().stream(after)->state, r.state);
        }
    }
}

TEST_F(PlayerTest, PauseHoldsThePlaceThatPlayPreviousAndNextResumeFrom) {
    drop({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
    userDoubleClicks(1);
    const HSTREAM song = CurrentStream;
    platform.advance(4000);
    click(form().btnPause);
    platform.advance(10000);
    EXPECT_EQ(platform.audio().stream(song)->positionMs, 4000);
    for (ui::Image* button : {&form().Play, &form().prev, &form().next}) {
        click(*button);
        platform.advance(1000);
        click(form().btnPause);
    }
    EXPECT_EQ(CurrentStream, song);
    EXPECT_EQ(platform.audio().stream(song)->positionMs, 7000);
    EXPECT_EQ(list().itemIndex(), 1);

    // Stop, then Play: the entry afresh from its beginning.
    click(form().btnStop);
    EXPECT_EQ(platform.audio().stream(song)->positionMs, 0);
    click(form().Play);
    EXPECT_NE(CurrentStream, song);
    EXPECT_EQ(platform.audio().stream(CurrentStream)->positionMs, 0);
    EXPECT_EQ(platform.audio().stream(CurrentStream)->state, State::Playing);
}

// The list box answers an index outside the list by selecting nothing: next on the last entry
// and previous on the first clear the selection and load nothing, so the song now playing goes
// on; previous with nothing selected stays there; next with nothing selected plays the first.
TEST_F(PlayerTest, PreviousAndNextBeyondTheListClearTheSelectionAndLoadNothing) {
    struct Row {
        int entries;
        int selected;
        const char* button;
        int selectionAfter;
        const char* loads;  // the entry loaded, or null
    };
    const std::vector<Row> rows = {
        {3, 2, "next", -1, nullptr},  {3, 0, "prev", -1, nullptr},  {3, -1, "prev", -1, nullptr},
        {3, -1, "next", 0, "/m/0"},   {0, -1, "next", -1, nullptr}, {0, -1, "prev", -1, nullptr},
        {0, -1, "Play", -1, nullptr}, {3, -1, "Play", -1, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.button) + " with " + std::to_string(r.entries) +
                     " entries, selected " + std::to_string(r.selected));
        program.reset();
        start();
        form().Timer3.setEnabled(false);
        platform.audio().setLength("/m/song", 600000);
        drop({"/m/song"});
        userDoubleClicks(0);  // a song is playing
        click(form().remove);
        const HSTREAM playing = CurrentStream;
        std::vector<std::string> paths;
        for (int i = 0; i < r.entries; ++i) paths.push_back("/m/" + std::to_string(i));
        drop(paths);
        list().setItemIndex(r.selected);
        platform.clearCalls();

        click(r.button == std::string("next")   ? form().next
              : r.button == std::string("prev") ? form().prev
                                                : form().Play);
        EXPECT_EQ(list().itemIndex(), r.selectionAfter);
        EXPECT_TRUE(platform.messages().empty());
        if (r.loads == nullptr) {
            EXPECT_EQ(platform.callsNamed("BASS_StreamCreateFile").size(), 0u);
            EXPECT_EQ(CurrentStream, playing);
            EXPECT_EQ(platform.audio().stream(playing)->state, State::Playing);
            EXPECT_EQ(title(), "song");
        } else {
            ASSERT_EQ(platform.callsNamed("BASS_StreamCreateFile").size(), 1u);
            EXPECT_EQ(platform.callsNamed("BASS_StreamCreateFile")[0].args[1], r.loads);
            EXPECT_EQ(title(), "0");
        }
    }
}

TEST_F(PlayerTest, AFailedLoadStopsTheOldSongAndKeepsTheTitleAndTheSelection) {
    drop({"/m/good.mp3", "/m/bad.mp3"});
    platform.audio().failFile("/m/bad.mp3");
    click(form().Play);
    const HSTREAM old = CurrentStream;
    ASSERT_NE(old, 0u);
    form().Timer3.setEnabled(false);
    list().setItemIndex(1);
    ASSERT_EQ(title(), "good.mp3");

    bool pressedMeanwhile = false;
    platform.onMessageBox = [&](const HeadlessPlatform::Message&) {
        pressedMeanwhile = form().Play.picture() == ui::loadResourceBitmap("play1");
    };
    platform.clearCalls();
    click(form().Play);
    EXPECT_EQ(
        playerCalls(),
        (std::vector<std::string>{
            "BASS_ChannelIsActive(" + stream(old) + ")", "BASS_StreamFree(" + stream(old) + ")",
            "BASS_StreamCreateFile(0, /m/bad.mp3, 0, 0, 0)", "message: " + LoadError}));
    EXPECT_TRUE(pressedMeanwhile);
    EXPECT_EQ(platform.messages().back().caption, "Brivane");
    EXPECT_EQ(CurrentStream, 0u);
    EXPECT_EQ(platform.audio().streamCount(), 0u);
    EXPECT_EQ(title(), "good.mp3");
    EXPECT_EQ(list().itemIndex(), 1);

    // Pause and Stop reach the library with handle 0 and change nothing.
    platform.clearCalls();
    click(form().btnPause);
    click(form().btnStop);
    EXPECT_EQ(playerCalls(),
              (std::vector<std::string>{"BASS_ChannelPause(0)", "BASS_ChannelStop(0)",
                                        "BASS_ChannelSetPosition(0, 0)"}));
    EXPECT_EQ(platform.audio().streamCount(), 0u);
}

TEST_F(PlayerTest, ASongThatEndsIsFollowedBySilence) {
    platform.audio().setLength("/m/a.mp3", 2000);
    drop({"/m/a.mp3", "/m/b.mp3"});
    userDoubleClicks(0);
    const HSTREAM song = CurrentStream;
    platform.clearCalls();
    platform.advance(10000);
    EXPECT_EQ(platform.audio().stream(song)->state, State::Ended);
    EXPECT_TRUE(playerCalls().empty());
    EXPECT_EQ(CurrentStream, song);
    EXPECT_EQ(list().itemIndex(), 0);
}

TEST(PlayerStartUp, AFailedAudioInitIsReportedWhileTheSidebarIsHiddenAndStartUpGoesOn) {
    HeadlessPlatform platform;
    platform.setModuleFileName(BRIVANE_SOURCE_DIR "/resources/brivane");
    platform.audio().failInit = true;
    bool visibleMeanwhile = true;
    std::string pathMeanwhile, titleMeanwhile;
    int boxes = 0;
    platform.onMessageBox = [&](const HeadlessPlatform::Message&) {
        if (boxes++ > 0) return;
        visibleMeanwhile = Form1->visible() || platform.window(Form1->handle()).visible;
        platform.advance(3000);  // the box runs a loop of its own: the timers tick
        pathMeanwhile = Form1->path.caption();
        titleMeanwhile = Form1->pnlDisplay.caption();
    };
    Program program(platform);
    program.start();

    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "Audio initialization failed");
    EXPECT_EQ(platform.messages()[0].caption, "Brivane");
    EXPECT_EQ(platform.messages()[0].kind, platform::MessageKind::Plain);
    EXPECT_FALSE(visibleMeanwhile);
    EXPECT_EQ(pathMeanwhile, "path");            // step 12 had not run yet
    EXPECT_EQ(titleMeanwhile, "g name....Son");  // three ticks of the title strip
    EXPECT_EQ(Form1->path.caption(), BRIVANE_SOURCE_DIR "/resources/");
    EXPECT_EQ(Form1->pan.picture(), ui::loadResourceBitmap("panel"));
    EXPECT_TRUE(platform.window(Form1->handle()).visible);

    // Without a device every load fails, each with its message.
    platform.dropFiles(Form1->ListBox1.handle(), {"/m/a.mp3"});
    platform.click(Form1->handle(), {Form1->Play.left() + 2, Form1->Play.top() + 2});
    EXPECT_EQ(platform.messages().back().text, LoadError);
    EXPECT_EQ(CurrentStream, 0u);
}

// --- the title strip
// ------------------------------------------------------------------------------

TEST_F(PlayerTest, TheTitleTurnsByOneWholeCharacterEachSecond) {
    struct Row {
        std::string text;
        int ticks;
        std::string after;
    };
    const std::vector<Row> rows = {
        {"Song name....", 1, "ong name....S"},
        {"Song name....", 12, ".Song name..."},
        {"Song name....", 13, "Song name...."},
        {"", 5, ""},
        {"x", 3, "x"},
        {"♫", 2, "♫"},
        {"añb♫", 1, "ñb♫a"},
        {"añb♫", 2, "b♫añ"},
        {"añb♫", 4, "añb♫"},
        {"Şarkı – ünlü.mp3", 1, "arkı – ünlü.mp3Ş"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text + " after " + std::to_string(r.ticks));
        form().pnlDisplay.setCaption(r.text);
        platform.advance(1000 * r.ticks);
        EXPECT_EQ(title(), r.after);
    }
}

TEST_F(PlayerTest, AClickOnTheStripStopsAndResumesTheTurning) {
    platform.advance(2000);
    EXPECT_EQ(title(), "ng name....So");
    click(form().pnlDisplay);
    EXPECT_FALSE(form().Timer3.enabled());
    platform.advance(5000);
    EXPECT_EQ(title(), "ng name....So");  // stopped where it was
    form().pnlDisplay.setCaption("new title");
    platform.advance(3000);
    EXPECT_EQ(title(), "new title");  // a title set meanwhile stays unturned

    click(form().pnlDisplay);
    EXPECT_TRUE(form().Timer3.enabled());
    platform.advance(999);
    EXPECT_EQ(title(), "new title");  // a full interval first
    platform.advance(1);
    EXPECT_EQ(title(), "ew titlen");
}

}  // namespace
}  // namespace brivane
