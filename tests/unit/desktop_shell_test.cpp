// The Linux desktop's stand-ins for the shell requests: the table of Windows names and the
// programs standing for them, the user's default applications, the trash folders, what "open"
// makes of a text, the DDE file search, and one real detached start without a shell.
#ifdef __linux__

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/DesktopShell.h"

namespace brivane::platform::desktop {
namespace {

namespace fs = std::filesystem;

class DesktopShellTest : public ::testing::Test {
protected:
    fs::path root;
    Environment env;
    struct Started {
        Launch launch;
        std::string directory;
    };
    std::vector<Started> started;

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "brivane-shell.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        for (const char* d : {"bin", "home", "config", "etc", "data", "share"})
            fs::create_directories(root / d);
        env.path = {(root / "bin").string()};
        env.home = (root / "home").string();
        env.configHome = (root / "config").string();
        env.configDirs = {(root / "etc").string()};
        env.dataHome = (root / "data").string();
        env.dataDirs = {(root / "share").string()};
        env.uid = getuid();
        env.mountsFile = (root / "mounts").string();
        env.gvfsTrashBackends = {(root / "gvfsd-trash").string()};
    }
    void TearDown() override { fs::remove_all(root); }

    std::string at(const std::string& relative) const { return (root / relative).string(); }

    void write(const std::string& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    // An installed program: an executable file in the PATH folder.
    void install(const std::string& name) {
        write("bin/" + name, "#!/bin/sh\n");
        fs::permissions(root / "bin" / name, fs::perms::owner_all);
    }

    DesktopShell shell() {
        return DesktopShell(env, [this](const Launch& launch, const std::string& directory) {
            started.push_back({launch, directory});
            return true;
        });
    }

    // The argument vectors started, and whether each program file is the installed one.
    std::vector<Argv> startedArgv() const {
        std::vector<Argv> all;
        for (const Started& s : started) all.push_back(s.launch.argv);
        return all;
    }
};

// --- the table -------------------------------------------------------------------------------

enum class Call { WinExec, ShellExecute, FindFolder };

struct MappingCase {
    const char* what;
    std::vector<std::string> installed;
    Call call;
    const char* name;  // WinExec's command line, ShellExecute's file
    Argv expected;     // empty: nothing is started
    long result;
};

TEST_F(DesktopShellTest, EachWindowsNameStartsTheFirstInstalledStandIn) {
    const std::string home = env.home;
    const std::vector<MappingCase> cases = {
        {"calculator, first of the list installed",
         {"xcalc", "galculator"},
         Call::ShellExecute,
         "CALC",
         {"galculator"},
         42},
        {"calculator, nothing installed", {"bc"}, Call::ShellExecute, "CALC", {}, 31},
        {"text editor", {"leafpad", "mousepad"}, Call::ShellExecute, "NOTEPAD", {"mousepad"}, 42},
        {"the name in any case, with .exe",
         {"gedit"},
         Call::ShellExecute,
         "notepad.exe",
         {"gedit"},
         42},
        {"media player with its option",
         {"mpv"},
         Call::ShellExecute,
         "WMPLAYER",
         {"mpv", "--player-operation-mode=pseudo-gui"},
         42},
        {"Add/Remove programs",
         {"synaptic-pkexec", "plasma-discover"},
         Call::WinExec,
         "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl",
         {"plasma-discover"},
         33},
        {"Add/Remove programs, no software manager",
         {},
         Call::WinExec,
         "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl",
         {},
         2},
        {"explorer.exe: the file manager on the home folder",
         {"xdg-open"},
         Call::WinExec,
         "explorer.exe",
         {"xdg-open", home},
         33},
        {"another command line", {"xdg-open", "notepad"}, Call::WinExec, "notepad.exe", {}, 2},
        {"file search tool", {"kfind", "xdg-open"}, Call::FindFolder, "", {"kfind", home}, 1},
        {"file search by option",
         {"gnome-search-tool"},
         Call::FindFolder,
         "",
         {"gnome-search-tool", "--path=" + home},
         1},
        {"no search tool: the file manager",
         {"xdg-open"},
         Call::FindFolder,
         "",
         {"xdg-open", home},
         1},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root / "bin");
        fs::create_directories(root / "bin");
        for (const std::string& p : c.installed) install(p);
        started.clear();
        DesktopShell s = shell();
        long result = 0;
        switch (c.call) {
            case Call::WinExec:
                result = long(s.winExec(c.name, 1));
                break;
            case Call::ShellExecute:
                result = long(s.shellExecute("open", c.name, nullptr, nullptr, 1));
                break;
            case Call::FindFolder: {
                std::uint32_t instance = 0;
                s.ddeInitialize(&instance, 0);
                const Handle conv =
                    s.ddeConnect(instance, s.ddeCreateStringHandle(instance, "Folders"),
                                 s.ddeCreateStringHandle(instance, "AppProperties"));
                const std::string command = "[FindFolder(, C:\\Users)]";
                result = long(
                    s.ddeClientTransaction(reinterpret_cast<const std::uint8_t*>(command.c_str()),
                                           std::uint32_t(command.size() + 1), conv, 1, 0x4050));
                break;
            }
        }
        EXPECT_EQ(result, c.result);
        if (c.expected.empty()) {
            EXPECT_TRUE(started.empty());
        } else {
            ASSERT_EQ(started.size(), 1u);
            EXPECT_EQ(started[0].launch.argv, c.expected);
            EXPECT_EQ(started[0].launch.program, at("bin/" + c.expected[0]));
        }
    }
}

TEST_F(DesktopShellTest, TheDesktopsDefaultApplicationComesBeforeTheList) {
    install("gedit");
    install("myedit");
    install("tune");
    write("share/applications/org.example.Edit.desktop",
          "[Desktop Entry]\nType=Application\nName=Edit\nExec=myedit --new-window %F\n");
    write("share/applications/gone.desktop",
          "[Desktop Entry]\nType=Application\nExec=not-installed %U\n");
    write("data/applications/vendor/tune.desktop",
          "[Desktop Entry]\nType=Application\nExec=tune --title=%c %U\nName=Tune\n");
    // The user's list names an entry whose program is missing first: the next one counts.
    write("config/mimeapps.list",
          "[Added Associations]\ntext/plain=gone.desktop;\n"
          "[Default Applications]\ntext/plain=gone.desktop;org.example.Edit.desktop;\n");
    write("share/applications/defaults.list",
          "[Default Applications]\naudio/mpeg=vendor-tune.desktop\n");

    DesktopShell s = shell();
    s.shellExecute("open", "NOTEPAD", nullptr, nullptr, 1);
    s.shellExecute("open", "WMPLAYER", nullptr, nullptr, 1);
    EXPECT_EQ(startedArgv(),
              (std::vector<Argv>{{"myedit", "--new-window"}, {"tune", "--title=Tune"}}));

    // The current desktop's own list comes before the user's general one.
    env.desktops = {"xfce"};
    write("config/xfce-mimeapps.list",
          "[Default Applications]\ntext/plain=gedit-missing.desktop;gedit.desktop\n");
    write("share/applications/gedit.desktop", "[Desktop Entry]\nExec=gedit %U\nHidden=false\n");
    EXPECT_EQ(defaultApplication("text/plain", env), (Launch{at("bin/gedit"), {"gedit"}}));
    write("share/applications/gedit.desktop", "[Desktop Entry]\nExec=gedit %U\nHidden=true\n");
    EXPECT_EQ(defaultApplication("text/plain", env)->argv, (Argv{"myedit", "--new-window"}));
}

TEST(DesktopExec, QuotingEscapesAndFieldCodes) {
    struct Case {
        std::string exec;
        Argv argv;
    };
    const std::vector<Case> cases = {
        {"vlc --started-from-file %U", {"vlc", "--started-from-file"}},
        {"\"/opt/My App/run\" --flag=%f %%", {"/opt/My App/run", "--flag=", "%"}},
        {"app %i %c %k", {"app", "--icon", "app-icon", "App", "/x.desktop"}},
        {R"(prog "a \\"quoted\\" \\$x" plain\sspace "")",
         {"prog", R"(a "quoted" $x)", "plain", "space", ""}},
        {"prog \"unterminated", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        EXPECT_EQ(parseDesktopExec(c.exec, "App", "app-icon", "/x.desktop"), c.argv);
    }
}

// --- "open" of a text --------------------------------------------------------------------------

TEST_F(DesktopShellTest, OpenHandsEachTextToWhatAUserExpects) {
    install("xdg-open");
    install("myprog");
    install("gnome-calculator");
    write("home/notes.txt", "x");
    fs::create_directories(root / "home" / "Music");
    const std::string home = env.home;
    struct Case {
        std::string text;
        OpenKind kind;
        Argv argv;
    };
    const std::vector<Case> cases = {
        {"", OpenKind::Empty, {"xdg-open", home}},
        {"~", OpenKind::ExistingPath, {"xdg-open", home}},
        {"~/Music", OpenKind::ExistingPath, {"xdg-open", home + "/Music"}},
        {"notes.txt", OpenKind::ExistingPath, {"xdg-open", home + "/notes.txt"}},
        {"https://example.org/a?b=c", OpenKind::Address, {"xdg-open", "https://example.org/a?b=c"}},
        {"mailto:someone@example.org",
         OpenKind::Address,
         {"xdg-open", "mailto:someone@example.org"}},
        {"www.example.org", OpenKind::AddressWithoutScheme, {"xdg-open", "http://www.example.org"}},
        {"example.org/page",
         OpenKind::AddressWithoutScheme,
         {"xdg-open", "http://example.org/page"}},
        {"localhost:8080", OpenKind::AddressWithoutScheme, {"xdg-open", "http://localhost:8080"}},
        {"192.168.1.1", OpenKind::AddressWithoutScheme, {"xdg-open", "http://192.168.1.1"}},
        {"myprog", OpenKind::Program, {"myprog"}},
        {"calc", OpenKind::WindowsName, {"gnome-calculator"}},
        {"$(touch /tmp/x)", OpenKind::Other, {"xdg-open", "$(touch /tmp/x)"}},
        {"; rm -rf ~", OpenKind::Other, {"xdg-open", "; rm -rf ~"}},
        {"  spaced  text ", OpenKind::Other, {"xdg-open", "  spaced  text "}},
        {"say \"hi\" 'there'", OpenKind::Other, {"xdg-open", "say \"hi\" 'there'"}},
        {"myprog --help", OpenKind::Other, {"xdg-open", "myprog --help"}},
        {"script.sh", OpenKind::Other, {"xdg-open", "script.sh"}},
        {"www.example .org", OpenKind::Other, {"xdg-open", "www.example .org"}},
        {"C:\\Users", OpenKind::Other, {"xdg-open", "C:\\Users"}},
    };
    DesktopShell s = shell();
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.text + "]");
        EXPECT_EQ(classifyOpenText(c.text, env, home), c.kind);
        started.clear();
        EXPECT_EQ(s.shellExecute("open", c.text.c_str(), nullptr, home.c_str(), 1), 42);
        ASSERT_EQ(started.size(), 1u);
        EXPECT_EQ(started[0].launch.argv, c.argv);
        EXPECT_EQ(started[0].directory, home);
    }
}

TEST_F(DesktopShellTest, WithoutAnOpenerOrForAnotherVerbNothingStarts) {
    DesktopShell s = shell();
    EXPECT_EQ(s.shellExecute("open", "www.example.org", nullptr, nullptr, 1), 31);
    EXPECT_EQ(s.shellExecute("open", "", nullptr, nullptr, 1), 31);
    install("xdg-open");
    EXPECT_EQ(s.shellExecute("print", "www.example.org", nullptr, nullptr, 1), 31);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(s.shellExecute(nullptr, "www.example.org", nullptr, nullptr, 1), 42);
    EXPECT_EQ(started.size(), 1u);
}

// --- the trash ---------------------------------------------------------------------------------

TEST_F(DesktopShellTest, TrashFoldersOfTheHomeAndEveryLocalVolume) {
    const std::string uid = std::to_string(getuid());
    auto folder = [&](const std::string& relative, mode_t mode = 0700) {
        fs::create_directories(root / relative);
        chmod(at(relative).c_str(), mode);
    };
    folder("data/Trash/files");
    folder("vol/.Trash-" + uid + "/info");
    folder("shared/.Trash", 01777);
    folder("shared/.Trash/" + uid + "/files");
    folder("nosticky/.Trash", 0777);
    folder("nosticky/.Trash/" + uid + "/files");
    folder("elsewhere");
    folder("linked");
    fs::create_directory_symlink(root / "elsewhere", root / "linked" / (".Trash-" + uid));
    folder("net/.Trash-" + uid + "/files");
    folder("with space/.Trash-" + uid + "/files");
    auto escaped = [&](std::string path) {
        for (std::size_t at = path.find(' '); at != std::string::npos; at = path.find(' '))
            path.replace(at, 1, "\\040");
        return path;
    };
    write("mounts", "/dev/sda1 " + at("vol") + " ext4 rw 0 0\n" + "/dev/sda2 " + at("shared") +
                        " ext4 rw 0 0\n" + "/dev/sda3 " + at("nosticky") + " ext4 rw 0 0\n" +
                        "/dev/sda4 " + at("linked") + " ext4 rw 0 0\n" + "server:/x " + at("net") +
                        " nfs4 rw 0 0\n" + "/dev/sda5 " + escaped(at("with space")) +
                        " vfat rw 0 0\n" + "/dev/sda1 " + at("vol") + " ext4 rw 0 0\n");
    EXPECT_EQ(trashFolders(env), (std::vector<std::string>{
                                     at("data/Trash"), at("vol/.Trash-" + uid),
                                     at("shared/.Trash/" + uid), at("with space/.Trash-" + uid)}));

    // Without GVfs `gio` would empty nothing: every folder's contents go through find.
    install("gio");
    install("find");
    const auto launch = emptyTrashLaunch(env);
    ASSERT_TRUE(launch.has_value());
    EXPECT_EQ(launch->argv, (Argv{"find", at("data/Trash/files"), at("vol/.Trash-" + uid + "/info"),
                                  at("shared/.Trash/" + uid + "/files"),
                                  at("with space/.Trash-" + uid + "/files"), "-xdev", "-mindepth",
                                  "1", "-delete"}));
    write("gvfsd-trash", "");
    EXPECT_EQ(emptyTrashLaunch(env), (Launch{at("bin/gio"), {"gio", "trash", "--empty"}}));

    DesktopShell s = shell();
    EXPECT_EQ(s.emptyRecycleBin("C:\\", 1), std::int32_t(0x80070057u));
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(s.emptyRecycleBin("", 1), 0);
    EXPECT_EQ(startedArgv(), (std::vector<Argv>{{"gio", "trash", "--empty"}}));
}

bool waitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

TEST_F(DesktopShellTest, EmptyingTheTrashDeletesItsContentsAndKeepsItsFolders) {
    write("data/Trash/files/old.txt", "x");
    write("data/Trash/files/dir/deep/file", "x");
    write("data/Trash/info/old.txt.trashinfo", "[Trash Info]\n");
    write("keep/precious", "x");
    fs::create_directory_symlink(root / "keep", root / "data/Trash/files/link");
    env.path = {"/usr/bin", "/bin"};
    const auto launch = emptyTrashLaunch(env);
    ASSERT_TRUE(launch.has_value());
    ASSERT_TRUE(startDetached(*launch));
    EXPECT_TRUE(waitFor([&] {
        return fs::is_empty(root / "data/Trash/files") && fs::is_empty(root / "data/Trash/info");
    }));
    EXPECT_TRUE(fs::exists(root / "keep/precious"));
}

// --- the DDE file search -----------------------------------------------------------------------

TEST_F(DesktopShellTest, TheFoldersServiceAnswersFindFolderOnly) {
    install("catfish");
    DesktopShell s = shell();
    std::uint32_t instance = 0;
    ASSERT_EQ(s.ddeInitialize(&instance, 0x10), 0u);
    const Handle folders = s.ddeCreateStringHandle(instance, "Folders");
    const Handle topic = s.ddeCreateStringHandle(instance, "AppProperties");
    const Handle other = s.ddeCreateStringHandle(instance, "System");
    EXPECT_EQ(s.ddeConnect(instance, folders, other), 0u);
    const Handle conv = s.ddeConnect(instance, folders, topic);
    ASSERT_NE(conv, 0u);
    auto execute = [&](const std::string& command, unsigned type = 0x4050) {
        return s.ddeClientTransaction(reinterpret_cast<const std::uint8_t*>(command.c_str()),
                                      std::uint32_t(command.size() + 1), conv, 1, type);
    };
    EXPECT_EQ(execute("[ViewFolder(, C:\\)]"), 0u);
    EXPECT_EQ(execute("[FindFolder(, C:\\Users)]", 0x00B0 /* XTYP_REQUEST */), 0u);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(execute("[FindFolder(, C:\\Users)]"), 1u);
    EXPECT_EQ(startedArgv(), (std::vector<Argv>{{"catfish", env.home}}));
    EXPECT_EQ(s.ddeDisconnect(conv), 1);
    EXPECT_EQ(execute("[FindFolder(, C:\\Users)]"), 0u);
    EXPECT_EQ(s.ddeFreeStringHandle(instance, folders), 1);
    EXPECT_EQ(s.ddeUninitialize(instance), 1);
    EXPECT_EQ(s.ddeCreateStringHandle(instance, "Folders"), 0u);
}

// --- a real start ------------------------------------------------------------------------------

TEST_F(DesktopShellTest, AStartedProgramGetsItsArgumentsUnchangedWithoutAShell) {
    // The recorder writes one argument per line, its working directory and its session.
    const std::string log = at("log");
    write("bin/recorder",
          "#!/bin/sh\n"
          "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd; "
          "cut -d' ' -f6 /proc/$$/stat; } > '" +
              log +
              ".part'\n"
              "mv '" +
              log + ".part' '" + log + "'\n");
    fs::permissions(root / "bin/recorder", fs::perms::owner_all);
    const std::string marker = at("marker");
    const Argv argv = {"recorder",
                       "$(touch " + marker + ")",
                       "; touch " + marker,
                       "`touch " + marker + "`",
                       "two  words",
                       "\"quoted\" 'too'",
                       ""};
    ASSERT_TRUE(startDetached({at("bin/recorder"), argv}, env.home));
    // Not a child of ours: the intermediate process has been reaped, nothing is left to wait for.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    ASSERT_TRUE(waitFor([&] { return fs::exists(log); }));

    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), argv.size() - 1 + 2);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              std::vector<std::string>(argv.begin() + 1, argv.end()));
    EXPECT_EQ(lines[6], env.home);
    EXPECT_NE(lines[7], std::to_string(getsid(0)));
    EXPECT_FALSE(fs::exists(marker));

    EXPECT_FALSE(startDetached({at("bin/missing"), {"missing"}}));
    write("bin/plain", "not executable");
    EXPECT_FALSE(startDetached({at("bin/plain"), {"plain"}}));
    EXPECT_FALSE(startDetached({at("bin/recorder"), {"recorder"}}, at("no-such-folder")));
}

}  // namespace
}  // namespace brivane::platform::desktop

#endif  // __linux__
