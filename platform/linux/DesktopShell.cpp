#include "platform/linux/DesktopShell.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

extern char** environ;

namespace brivane::platform::desktop {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool sameText(std::string_view a, std::string_view b) { return lower(a) == lower(b); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The keys of one group of a desktop-entry style file ("[Group]", then key=value lines).
std::map<std::string, std::string> readGroup(const std::string& text, std::string_view group) {
    std::map<std::string, std::string> keys;
    bool inside = false;
    for (const std::string& raw : split(text, '\n')) {
        const std::string line = trim(raw);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            inside = line == "[" + std::string(group) + "]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inside || equals == std::string::npos) continue;
        keys.emplace(trim(std::string_view(line).substr(0, equals)),
                     trim(std::string_view(line).substr(equals + 1)));
    }
    return keys;
}

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// A folder of the user's that is no symbolic link.
bool ownFolder(const std::string& path, unsigned uid) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid;
}

bool plainFolder(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> absoluteFolders(const char* value, const char* fallback) {
    std::vector<std::string> folders;
    for (const std::string& f : split(value != nullptr && *value ? value : fallback, ':'))
        if (!f.empty() && f[0] == '/') folders.push_back(f);
    return folders;
}

std::string replaceAll(std::string text, std::string_view what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

}  // namespace

Environment Environment::fromProcess() {
    // Relative folders in these variables are ignored, as the XDG rules ask (and a program is
    // never looked for relative to the working directory).
    auto folder = [](const char* name, const std::string& fallback) {
        const char* value = std::getenv(name);
        return value != nullptr && value[0] == '/' ? std::string(value) : fallback;
    };
    Environment env;
    env.path = absoluteFolders(std::getenv("PATH"), "/usr/local/bin:/usr/bin:/bin");
    env.uid = getuid();
    const passwd* user = getpwuid(env.uid);
    env.home = folder("HOME", user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/");
    env.configHome = folder("XDG_CONFIG_HOME", env.home + "/.config");
    env.configDirs = absoluteFolders(std::getenv("XDG_CONFIG_DIRS"), "/etc/xdg");
    env.dataHome = folder("XDG_DATA_HOME", env.home + "/.local/share");
    env.dataDirs = absoluteFolders(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
    if (const char* desktops = std::getenv("XDG_CURRENT_DESKTOP"); desktops != nullptr)
        for (const std::string& d : split(desktops, ':'))
            if (!d.empty()) env.desktops.push_back(lower(d));
    return env;
}

// --- the table -------------------------------------------------------------------------------

const std::vector<ShellMapping>& shellMappings() {
    static const std::vector<ShellMapping> table = {
        // SHEmptyRecycleBinA(window, "", SHERB_NOCONFIRMATION): see emptyTrashLaunch.
        {Via::RecycleBin, "", Task::EmptyTrash, "", {}},
        {Via::WinExec,
         "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl",
         Task::SoftwareManager,
         "",
         {{"gnome-software"},
          {"plasma-discover"},
          {"mintinstall"},
          {"pamac-manager"},
          {"synaptic-pkexec"},
          {"gpk-application"}}},
        {Via::WinExec,
         "explorer.exe",
         Task::FileManager,
         "",
         {{"xdg-open", "{home}"},
          {"nautilus", "{home}"},
          {"dolphin", "{home}"},
          {"nemo", "{home}"},
          {"caja", "{home}"},
          {"thunar", "{home}"},
          {"pcmanfm", "{home}"}}},
        {Via::ShellExecute,
         "WMPLAYER",
         Task::MediaPlayer,
         "audio/mpeg",
         {{"vlc"},
          {"totem"},
          {"rhythmbox"},
          {"audacious"},
          {"clementine"},
          {"strawberry"},
          {"elisa"},
          {"celluloid"},
          {"parole"},
          {"smplayer"},
          {"mpv", "--player-operation-mode=pseudo-gui"}}},
        {Via::ShellExecute,
         "NOTEPAD",
         Task::TextEditor,
         "text/plain",
         {{"gedit"},
          {"gnome-text-editor"},
          {"kate"},
          {"kwrite"},
          {"mousepad"},
          {"pluma"},
          {"xed"},
          {"featherpad"},
          {"leafpad"},
          {"geany"},
          {"xedit"}}},
        {Via::ShellExecute,
         "CALC",
         Task::Calculator,
         "",
         {{"gnome-calculator"},
          {"kcalc"},
          {"galculator"},
          {"mate-calc"},
          {"qalculate-gtk"},
          {"xcalc"}}},
        // DDE service "Folders", topic "AppProperties": "[FindFolder(, C:\...)]".
        {Via::Dde,
         "FindFolder",
         Task::FileSearch,
         "",
         {{"catfish", "{home}"},
          {"gnome-search-tool", "--path={home}"},
          {"kfind", "{home}"},
          {"fsearch"},
          {"xdg-open", "{home}"}}},
    };
    return table;
}

const ShellMapping* findMapping(Via via, std::string_view windowsName) {
    const std::string name = lower(windowsName);
    for (const ShellMapping& row : shellMappings()) {
        if (row.via != via) continue;
        const std::string rowName = lower(row.windowsName);
        if (name == rowName) return &row;
        if (via == Via::ShellExecute && name == rowName + ".exe") return &row;
    }
    return nullptr;
}

// --- finding programs ------------------------------------------------------------------------

std::optional<std::string> findProgram(const std::string& name, const Environment& env) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? std::optional<std::string>(name) : std::nullopt;
    for (const std::string& folder : env.path) {
        const std::string candidate = folder + "/" + name;
        if (isExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

Argv parseDesktopExec(const std::string& exec, const std::string& name, const std::string& icon,
                      const std::string& entryFile) {
    // The value's own escapes first: \s \n \t \r \\ (others stay for the quoting below).
    std::string text;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] != '\\' || i + 1 == exec.size()) {
            text += exec[i];
            continue;
        }
        switch (const char next = exec[++i]) {
            case 's':
                text += ' ';
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case '\\':
                text += '\\';
                break;
            default:
                text += '\\', text += next;
        }
    }

    // Then the command line: blanks separate arguments, double quotes group them (inside, a
    // backslash escapes " ` $ and \), and field codes outside quotes are expanded.
    Argv argv;
    std::string current;
    bool inArgument = false;  // something of an argument has been read
    bool literal = false;     // it holds text of its own (an argument of codes only vanishes)
    bool iconCode = false;
    bool quoted = false;
    auto finish = [&] {
        if (literal) {
            argv.push_back(current);
        } else if (iconCode && !icon.empty()) {
            argv.push_back("--icon");
            argv.push_back(icon);
        }
        current.clear();
        inArgument = literal = iconCode = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < text.size() &&
                       std::strchr("\"`$\\", text[i + 1]) != nullptr) {
                current += text[++i];
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inArgument) finish();
        } else if (c == '"') {
            quoted = inArgument = literal = true;
        } else if (c == '%' && i + 1 < text.size()) {
            inArgument = true;
            switch (text[++i]) {
                case '%':
                    current += '%', literal = true;
                    break;
                case 'c':
                    current += name, literal = true;
                    break;
                case 'k':
                    current += entryFile, literal = true;
                    break;
                case 'i':
                    iconCode = true;
                    break;
                default:
                    break;  // %f %F %u %U %d %D %n %N %v %m: no files, so nothing
            }
        } else {
            current += c;
            inArgument = literal = true;
        }
    }
    if (quoted) return {};
    if (inArgument) finish();
    return argv;
}

namespace {

// The desktop entry file of an id: applications/<id>, or a vendor folder for its first part
// (kde4-kate.desktop in applications/kde4/kate.desktop).
std::optional<std::string> desktopEntryFile(const std::string& id, const Environment& env) {
    if (id.empty() || id.find('/') != std::string::npos) return std::nullopt;
    std::vector<std::string> folders = {env.dataHome};
    folders.insert(folders.end(), env.dataDirs.begin(), env.dataDirs.end());
    for (const std::string& folder : folders) {
        const std::string direct = folder + "/applications/" + id;
        if (exists(direct)) return direct;
        if (const auto dash = id.find('-'); dash != std::string::npos) {
            const std::string vendor =
                folder + "/applications/" + id.substr(0, dash) + "/" + id.substr(dash + 1);
            if (exists(vendor)) return vendor;
        }
    }
    return std::nullopt;
}

std::optional<Launch> launchOfEntry(const std::string& id, const Environment& env) {
    const auto file = desktopEntryFile(id, env);
    if (!file) return std::nullopt;
    const auto text = readFile(*file);
    if (!text) return std::nullopt;
    const auto keys = readGroup(*text, "Desktop Entry");
    auto value = [&](const std::string& key) {
        auto it = keys.find(key);
        return it == keys.end() ? std::string() : it->second;
    };
    if (!value("Type").empty() && value("Type") != "Application") return std::nullopt;
    if (value("Hidden") == "true") return std::nullopt;
    if (!value("TryExec").empty() && !findProgram(value("TryExec"), env)) return std::nullopt;
    Argv argv = parseDesktopExec(value("Exec"), value("Name"), value("Icon"), *file);
    if (argv.empty()) return std::nullopt;
    const auto program = findProgram(argv[0], env);
    if (!program) return std::nullopt;
    return Launch{*program, argv};
}

}  // namespace

std::optional<Launch> defaultApplication(const std::string& mimeType, const Environment& env) {
    std::vector<std::string> lists;
    auto addLists = [&](const std::string& folder) {
        for (const std::string& desktop : env.desktops)
            lists.push_back(folder + "/" + desktop + "-mimeapps.list");
        lists.push_back(folder + "/mimeapps.list");
    };
    addLists(env.configHome);
    for (const std::string& f : env.configDirs) addLists(f);
    addLists(env.dataHome + "/applications");
    for (const std::string& f : env.dataDirs) addLists(f + "/applications");
    lists.push_back(env.dataHome + "/applications/defaults.list");
    for (const std::string& f : env.dataDirs) lists.push_back(f + "/applications/defaults.list");

    for (const std::string& list : lists) {
        const auto text = readFile(list);
        if (!text) continue;
        const auto keys = readGroup(*text, "Default Applications");
        const auto entry = keys.find(mimeType);
        if (entry == keys.end()) continue;
        for (const std::string& id : split(entry->second, ';'))
            if (auto launch = launchOfEntry(trim(id), env)) return launch;
    }
    return std::nullopt;
}

std::optional<Launch> launchFor(const ShellMapping& mapping, const Environment& env) {
    if (mapping.task == Task::EmptyTrash) return emptyTrashLaunch(env);
    if (!mapping.mimeType.empty())
        if (auto launch = defaultApplication(std::string(mapping.mimeType), env)) return launch;
    for (const auto& candidate : mapping.programs) {
        const auto program = findProgram(std::string(candidate.front()), env);
        if (!program) continue;
        Argv argv;
        for (std::string_view part : candidate)
            argv.push_back(replaceAll(std::string(part), "{home}", env.home));
        return Launch{*program, argv};
    }
    return std::nullopt;
}

// --- the trash -------------------------------------------------------------------------------

namespace {

// File systems that hold no trash of the user's, or whose folders may take long to look at
// (network and on-demand mounts).
const std::set<std::string, std::less<>> SkippedFileSystems = {
    "proc",        "sysfs",    "devtmpfs",   "devpts",
    "cgroup",      "cgroup2",  "securityfs", "pstore",
    "debugfs",     "tracefs",  "bpf",        "mqueue",
    "hugetlbfs",   "configfs", "fusectl",    "autofs",
    "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
    "nfs",         "nfs4",     "cifs",       "smb3",
    "smbfs",       "ncpfs",    "afs",        "ceph",
    "glusterfs",   "9p",       "fuse.sshfs", "fuse.gvfsd-fuse",
    "fuse.rclone", "davfs",    "fuse.portal"};

// A field of /proc/self/mounts: blanks, tabs, newlines and backslashes come as \ooo.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isDigit(field[i + 1]) &&
            isDigit(field[i + 2]) && isDigit(field[i + 3])) {
            out +=
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> trashFolders(const Environment& env) {
    std::vector<std::string> folders;
    auto add = [&](const std::string& folder) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    if (ownFolder(env.dataHome + "/Trash", env.uid)) add(env.dataHome + "/Trash");

    const auto mounts = readFile(env.mountsFile);
    if (!mounts) return folders;
    const std::string uid = std::to_string(env.uid);
    for (const std::string& line : split(*mounts, '\n')) {
        const auto fields = split(line, ' ');
        if (fields.size() < 3 || SkippedFileSystems.contains(fields[2])) continue;
        const std::string top = unescapeMountField(fields[1]);
        if (top.empty() || top[0] != '/') continue;
        const std::string prefix = top == "/" ? "" : top;

        struct stat shared {};
        const std::string sharedTrash = prefix + "/.Trash";
        if (lstat(sharedTrash.c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
            (shared.st_mode & S_ISVTX) != 0 && ownFolder(sharedTrash + "/" + uid, env.uid))
            add(sharedTrash + "/" + uid);
        if (ownFolder(prefix + "/.Trash-" + uid, env.uid)) add(prefix + "/.Trash-" + uid);
    }
    return folders;
}

std::optional<Launch> emptyTrashLaunch(const Environment& env) {
    if (const auto gio = findProgram("gio", env)) {
        const bool gvfs = std::any_of(env.gvfsTrashBackends.begin(), env.gvfsTrashBackends.end(),
                                      [](const std::string& b) { return exists(b); });
        if (gvfs) return Launch{*gio, {"gio", "trash", "--empty"}};
    }
    Argv argv = {"find"};
    for (const std::string& folder : trashFolders(env))
        for (const char* part : {"files", "info", "expunged"})
            if (plainFolder(folder + "/" + part)) argv.push_back(folder + "/" + part);
    if (argv.size() == 1) return std::nullopt;
    const auto find = findProgram("find", env);
    if (!find) return std::nullopt;
    argv.insert(argv.end(), {"-xdev", "-mindepth", "1", "-delete"});
    return Launch{*find, argv};
}

// --- "open" of a text ------------------------------------------------------------------------

std::string expandHome(const std::string& text, const std::string& home) {
    if (text == "~") return home;
    if (text.starts_with("~/")) return home + text.substr(1);
    return text;
}

bool hasScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin(), text.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

bool looksLikeAddress(std::string_view text) {
    static const std::set<std::string, std::less<>> domains = {
        "com",   "org",  "net", "edu", "gov", "mil", "int", "info", "biz",    "name", "pro",
        "io",    "co",   "me",  "tv",  "app", "dev", "ai",  "xyz",  "online", "site", "tech",
        "store", "blog", "eu",  "uk",  "de",  "fr",  "nl",  "be",   "ch",     "at",   "it",
        "es",    "pt",   "se",  "no",  "dk",  "fi",  "ie",  "cz",   "sk",     "hu",   "ro",
        "gr",    "ru",   "ua",  "jp",  "cn",  "kr",  "tw",  "hk",   "sg",     "au",   "nz",
        "ca",    "us",   "mx",  "br",  "ar",  "cl",  "za",  "il",   "tr"};
    if (text.empty()) return false;
    for (char c : text)
        if (std::isspace(static_cast<unsigned char>(c)) ||
            std::iscntrl(static_cast<unsigned char>(c)))
            return false;
    const auto hostEnd = std::min(text.find_first_of(":/?#"), text.size());
    const std::string_view host = text.substr(0, hostEnd);
    const std::string_view rest = text.substr(hostEnd);
    if (rest.starts_with(':')) {
        const auto portEnd = std::min(rest.find_first_of("/?#"), rest.size());
        const std::string_view port = rest.substr(1, portEnd - 1);
        if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), isDigit))
            return false;
    }
    if (sameText(host, "localhost")) return true;
    const auto labels = split(host, '.');
    if (labels.size() < 2) return false;
    for (const std::string& label : labels) {
        if (label.empty() || label.front() == '-' || label.back() == '-') return false;
        for (char c : label)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    }
    if (sameText(labels.front(), "www")) return true;
    const bool numeric =
        labels.size() == 4 && std::all_of(labels.begin(), labels.end(), [](const std::string& l) {
            return l.size() <= 3 && std::all_of(l.begin(), l.end(), isDigit) && std::stoi(l) <= 255;
        });
    return numeric || domains.contains(lower(labels.back()));
}

namespace {

std::string inFolder(const std::string& path, const std::string& directory) {
    if (!path.empty() && path[0] == '/') return path;
    if (!directory.empty()) return directory + "/" + path;
    std::string cwd(4096, '\0');
    if (getcwd(cwd.data(), cwd.size()) == nullptr) return path;
    return std::string(cwd.c_str()) + "/" + path;
}

}  // namespace

OpenKind classifyOpenText(const std::string& text, const Environment& env,
                          const std::string& directory) {
    if (text.empty()) return OpenKind::Empty;
    if (findMapping(Via::ShellExecute, text) != nullptr) return OpenKind::WindowsName;
    if (exists(inFolder(expandHome(text, env.home), directory))) return OpenKind::ExistingPath;
    if (looksLikeAddress(text)) return OpenKind::AddressWithoutScheme;
    if (hasScheme(text)) return OpenKind::Address;
    if (text.find('/') == std::string::npos && findProgram(text, env)) return OpenKind::Program;
    return OpenKind::Other;
}

OpenPlan planOpen(const std::string& text, const Environment& env, const std::string& directory) {
    OpenPlan plan;
    plan.kind = classifyOpenText(text, env, directory);
    const auto opener = findProgram("xdg-open", env);
    auto open = [&](const std::string& what) -> std::optional<Launch> {
        if (!opener) return std::nullopt;
        return Launch{*opener, {"xdg-open", what}};
    };
    switch (plan.kind) {
        case OpenKind::Empty:
            plan.launch = open(env.home);
            break;
        case OpenKind::WindowsName:
            plan.launch = launchFor(*findMapping(Via::ShellExecute, text), env);
            break;
        case OpenKind::ExistingPath:
            plan.launch = open(inFolder(expandHome(text, env.home), directory));
            break;
        case OpenKind::AddressWithoutScheme:
            plan.launch = open("http://" + text);
            break;
        case OpenKind::Program:
            plan.launch = Launch{*findProgram(text, env), {text}};
            break;
        case OpenKind::Address:
        case OpenKind::Other:
            plan.launch = open(text);
            break;
    }
    return plan;
}

// --- starting programs -----------------------------------------------------------------------

bool startDetached(const Launch& launch, const std::string& directory) {
    if (launch.program.empty() || launch.argv.empty()) return false;
    // Everything the new processes use is made before forking: after fork() only calls that
    // are safe in a child of a threaded process follow.
    std::vector<char*> argv;
    for (const std::string& a : launch.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const char* program = launch.program.c_str();
    const char* folder = directory.empty() ? nullptr : directory.c_str();

    int report[2];  // the started process writes errno here when exec fails
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        for (int s = 1; s < NSIG; ++s) sigaction(s, &byDefault, nullptr);
        const int null = open("/dev/null", O_RDONLY);
        if (null > 0) {
            dup2(null, 0);
            close(null);
        }
#ifdef SYS_close_range
        syscall(SYS_close_range, 3u, ~0u, 4u /* CLOSE_RANGE_CLOEXEC */);
#endif
        int error = 0;
        if (folder != nullptr && chdir(folder) != 0) {
            error = errno;
        } else {
            execve(program, argv.data(), environ);
            error = errno;
        }
        [[maybe_unused]] auto written = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

// --- the shell calls -------------------------------------------------------------------------

namespace {

constexpr std::int32_t S_OK = 0;
constexpr std::int32_t E_FAIL = std::int32_t(0x80004005u);
constexpr std::int32_t E_INVALIDARG = std::int32_t(0x80070057u);
constexpr unsigned ERROR_FILE_NOT_FOUND = 2;
constexpr unsigned SE_ERR_NOASSOC = 31;
constexpr unsigned Started = 33;
constexpr std::intptr_t Opened = 42;
constexpr unsigned CF_TEXT = 1;
constexpr unsigned XTYP_EXECUTE = 0x4050;

}  // namespace

DesktopShell::DesktopShell(Environment env, Starter start)
    : env_(std::move(env)), start_(std::move(start)) {}

bool DesktopShell::start(const std::optional<Launch>& launch, const std::string& directory) {
    return launch && start_(*launch, directory);
}

std::int32_t DesktopShell::emptyRecycleBin(const char* rootPath, std::uint32_t) {
    if (rootPath != nullptr && *rootPath != 0) return E_INVALIDARG;
    const auto launch = emptyTrashLaunch(env_);
    if (!launch) return S_OK;
    return start(launch) ? S_OK : E_FAIL;
}

unsigned DesktopShell::winExec(const char* commandLine, unsigned) {
    const ShellMapping* row =
        commandLine == nullptr ? nullptr : findMapping(Via::WinExec, commandLine);
    if (row == nullptr) return ERROR_FILE_NOT_FOUND;
    const auto launch = launchFor(*row, env_);
    if (!launch) return ERROR_FILE_NOT_FOUND;
    return start(launch) ? Started : 0;
}

std::intptr_t DesktopShell::shellExecute(const char* operation, const char* file, const char*,
                                         const char* directory, int) {
    if (operation != nullptr && *operation != 0 && !sameText(operation, "open"))
        return SE_ERR_NOASSOC;
    const std::string folder = directory != nullptr ? directory : "";
    const OpenPlan plan = planOpen(file != nullptr ? file : "", env_, folder);
    if (!plan.launch) return SE_ERR_NOASSOC;
    return start(plan.launch, folder) ? Opened : ERROR_FILE_NOT_FOUND;
}

unsigned DesktopShell::ddeInitialize(std::uint32_t* instance, std::uint32_t) {
    if (instance == nullptr) return 0x4006;  // DMLERR_INVALIDPARAMETER
    *instance = ++lastInstance_;
    instances_[*instance] = true;
    return 0;
}

int DesktopShell::ddeUninitialize(std::uint32_t instance) {
    std::erase_if(conversations_, [&](const auto& c) { return c.second == instance; });
    return instances_.erase(instance) == 1 ? 1 : 0;
}

Handle DesktopShell::ddeCreateStringHandle(std::uint32_t instance, const char* text) {
    if (!instances_.contains(instance) || text == nullptr) return 0;
    strings_[++lastHandle_] = text;
    return lastHandle_;
}

int DesktopShell::ddeFreeStringHandle(std::uint32_t, Handle hsz) {
    return strings_.erase(hsz) == 1 ? 1 : 0;
}

Handle DesktopShell::ddeConnect(std::uint32_t instance, Handle service, Handle topic) {
    const auto s = strings_.find(service);
    const auto t = strings_.find(topic);
    if (!instances_.contains(instance) || s == strings_.end() || t == strings_.end()) return 0;
    if (!sameText(s->second, "Folders") || !sameText(t->second, "AppProperties")) return 0;
    conversations_[++lastHandle_] = instance;
    return lastHandle_;
}

Handle DesktopShell::ddeClientTransaction(const std::uint8_t* data, std::uint32_t length,
                                          Handle conversation, unsigned format, unsigned type) {
    if (!conversations_.contains(conversation) || data == nullptr || type != XTYP_EXECUTE ||
        format != CF_TEXT)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data),
                           strnlen(reinterpret_cast<const char*>(data), length));
    // Commands come as [Name(arguments)], one or more in a row.
    bool understood = false;
    for (std::size_t open = text.find('['); open != std::string::npos;
         open = text.find('[', open + 1)) {
        const auto end = text.find_first_of("(]", open);
        if (end == std::string::npos) break;
        if (const ShellMapping* row =
                findMapping(Via::Dde, trim(text.substr(open + 1, end - open - 1)))) {
            start(launchFor(*row, env_));
            understood = true;
        }
    }
    return understood ? 1 : 0;
}

int DesktopShell::ddeDisconnect(Handle conversation) {
    return conversations_.erase(conversation) == 1 ? 1 : 0;
}

}  // namespace brivane::platform::desktop
