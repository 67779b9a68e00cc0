// The Linux desktop's stand-ins for the Windows shell requests the program makes: emptying the
// recycle bins, WinExec's command lines, ShellExecute's "open" and the shell's DDE file search.
// Portable POSIX, no toolkit: a desktop platform forwards its shell calls here.
//
// The Windows names and what stands for each of them are kept in one table (shellMappings()).
// Every program is started detached (in a session of its own, not a child of ours) straight
// from an argument vector, never through a shell, and nothing waits for it: a user's text is
// always one argument, whatever characters it holds. When nothing suitable is installed the
// request does nothing and shows nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace brivane::platform::desktop {

using Argv = std::vector<std::string>;

// Where the user's session keeps its programs, settings and trash. Read from the process's
// environment, or made up by a test.
struct Environment {
    std::vector<std::string> path;        // the folders of PATH, in order
    std::string home;                     // the user's home folder
    std::string configHome;               // XDG_CONFIG_HOME
    std::vector<std::string> configDirs;  // XDG_CONFIG_DIRS
    std::string dataHome;                 // XDG_DATA_HOME
    std::vector<std::string> dataDirs;    // XDG_DATA_DIRS
    std::vector<std::string> desktops;    // XDG_CURRENT_DESKTOP's names, in lower case
    unsigned uid = 0;
    std::string mountsFile = "/proc/self/mounts";
    // `gio trash` reaches the trash through GVfs; without its trash backend it empties nothing
    // (and still succeeds), so it is used only where one of these exists.
    std::vector<std::string> gvfsTrashBackends = {"/usr/libexec/gvfsd-trash",
                                                  "/usr/lib/gvfs/gvfsd-trash"};

    static Environment fromProcess();
};

// A program to start: the file executed and its argument vector (argv[0] as the program is
// named).
struct Launch {
    std::string program;
    Argv argv;
    friend bool operator==(const Launch&, const Launch&) = default;
};

// --- the table -----------------------------------------------------------------------------

enum class Via { RecycleBin, WinExec, ShellExecute, Dde };

enum class Task {
    EmptyTrash,
    SoftwareManager,
    FileManager,
    MediaPlayer,
    TextEditor,
    Calculator,
    FileSearch
};

struct ShellMapping {
    Via via;
    // What the Windows program passes: WinExec's command line, ShellExecute's file, the DDE
    // command's name (service "Folders", topic "AppProperties"); empty for the recycle bins.
    std::string_view windowsName;
    Task task;
    // The user's default application for this type comes first; empty for none.
    std::string_view mimeType;
    // Otherwise the first installed of these; "{home}" stands for the home folder.
    std::vector<std::vector<std::string_view>> programs;
};

const std::vector<ShellMapping>& shellMappings();

// The row for a request. Names compare without regard to case; a ShellExecute name may also
// carry ".exe" ("notepad.exe").
const ShellMapping* findMapping(Via via, std::string_view windowsName);

// --- finding programs ------------------------------------------------------------------------

// An executable file: `name` itself when it holds a "/", else the first of PATH's folders that
// holds it.
std::optional<std::string> findProgram(const std::string& name, const Environment& env);

// A desktop entry's Exec value as an argument vector: escapes and quoting undone, field codes
// expanded for a start without files (%f %u %F %U and the like vanish, %% is %, %c the name,
// %k the entry's file, %i the icon option). Empty when the value is malformed.
Argv parseDesktopExec(const std::string& exec, const std::string& name = {},
                      const std::string& icon = {}, const std::string& entryFile = {});

// The user's default application for a MIME type, as the desktop names it in mimeapps.list
// (the current desktop's own list first, then the user's, then the system's, and the older
// defaults.list last): the first named entry that exists, is not hidden and whose program is
// installed.
std::optional<Launch> defaultApplication(const std::string& mimeType, const Environment& env);

// What stands for a row of the table on this system; none when nothing suitable is installed.
// The recycle bins' row is emptyTrashLaunch's.
std::optional<Launch> launchFor(const ShellMapping& mapping, const Environment& env);

// --- the trash -------------------------------------------------------------------------------

// The user's trash folders: the home trash and, on every mounted volume that is a local file
// system, $topdir/.Trash/$uid (where .Trash is a sticky folder, no link) and $topdir/.Trash-$uid.
// Only folders that exist, are no symbolic links and belong to the user.
std::vector<std::string> trashFolders(const Environment& env);

// Empties every trash folder without asking: `gio trash --empty` where GVfs can do it, else
// `find` deleting everything below each folder's files/, info/ and expunged/ (staying on that
// file system). None when there is nothing to empty or no tool to do it.
std::optional<Launch> emptyTrashLaunch(const Environment& env);

// --- "open" of a text ------------------------------------------------------------------------

enum class OpenKind {
    Empty,                 // the home folder, in the file manager
    WindowsName,           // a name of the table (WMPLAYER, notepad...): its stand-in
    ExistingPath,          // a file or folder (a leading ~ is the home folder): its application
    Address,               // a URL with its scheme: the default browser or handler
    AddressWithoutScheme,  // www.example.org, example.org/page: the browser, as http://
    Program,               // an installed program's name: the program
    Other                  // anything else: the desktop's opener, which reports its own failure
};

// A leading "~" or "~/" replaced by the home folder.
std::string expandHome(const std::string& text, const std::string& home);
// "scheme:..." with a scheme of two or more letters, digits, "+", "-" or ".".
bool hasScheme(std::string_view text);
// A host name (www.*, localhost, an IPv4 address or a name under a common top-level domain),
// an optional port and path, and no blanks.
bool looksLikeAddress(std::string_view text);

OpenKind classifyOpenText(const std::string& text, const Environment& env,
                          const std::string& directory = {});

struct OpenPlan {
    OpenKind kind = OpenKind::Other;
    std::optional<Launch> launch;  // none when nothing suitable is installed
};
OpenPlan planOpen(const std::string& text, const Environment& env,
                  const std::string& directory = {});

// --- starting programs -----------------------------------------------------------------------

// Starts the program detached: a new session, not a child of this process (the intermediate
// process is reaped at once), standard input from /dev/null, in `directory` when one is given.
// Returns whether the program was executed; it waits only for the exec, never for the program.
bool startDetached(const Launch& launch, const std::string& directory = {});

// --- the shell calls -------------------------------------------------------------------------

class DesktopShell {
public:
    using Starter = std::function<bool(const Launch&, const std::string& directory)>;

    explicit DesktopShell(Environment env = Environment::fromProcess(),
                          Starter start = startDetached);

    const Environment& environment() const { return env_; }

    // SHEmptyRecycleBinA: only an empty root (all bins) is understood. S_OK when emptying
    // started or there was nothing to empty.
    std::int32_t emptyRecycleBin(const char* rootPath, std::uint32_t flags);
    // WinExec: the command lines of the table. 33 when started, 2 when nothing suitable
    // exists, 0 when the start failed.
    unsigned winExec(const char* commandLine, unsigned showCommand);
    // ShellExecuteA's "open" (or no operation): 42 when started, 31 for another operation or
    // when nothing can open it, 2 when the start failed. Parameters are not used; the directory
    // is where the program starts and where a relative path is looked for.
    std::intptr_t shellExecute(const char* operation, const char* file, const char* parameters,
                               const char* directory, int showCommand);

    // The DDE calls: the one service here is "Folders", topic "AppProperties", whose
    // "[FindFolder(...)]" command opens the file search on the home folder (the Windows folder
    // named in it has no counterpart here).
    unsigned ddeInitialize(std::uint32_t* instance, std::uint32_t command);
    int ddeUninitialize(std::uint32_t instance);
    Handle ddeCreateStringHandle(std::uint32_t instance, const char* text);
    int ddeFreeStringHandle(std::uint32_t instance, Handle hsz);
    Handle ddeConnect(std::uint32_t instance, Handle service, Handle topic);
    Handle ddeClientTransaction(const std::uint8_t* data, std::uint32_t length, Handle conversation,
                                unsigned format, unsigned type);
    int ddeDisconnect(Handle conversation);

private:
    bool start(const std::optional<Launch>& launch, const std::string& directory = {});

    Environment env_;
    Starter start_;
    std::uint32_t lastInstance_ = 0;
    Handle lastHandle_ = 0;
    std::map<std::uint32_t, bool> instances_;
    std::map<Handle, std::string> strings_;
    std::map<Handle, std::uint32_t> conversations_;
};

}  // namespace brivane::platform::desktop
